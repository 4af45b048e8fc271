# zlib comes from the MinGW package; libpng and GoogleTest are built here from
# their Debian source packages with the same toolchain.

find_library(ZLIB_STATIC NAMES libz.a z REQUIRED)
find_path(ZLIB_INCLUDE zlib.h REQUIRED)
add_library(zlib_static STATIC IMPORTED GLOBAL)
set_target_properties(zlib_static PROPERTIES
    IMPORTED_LOCATION ${ZLIB_STATIC}
    INTERFACE_INCLUDE_DIRECTORIES ${ZLIB_INCLUDE})

set(LIBPNG_SOURCE_DIR ${PROJECT_SOURCE_DIR}/third_party/libpng-src CACHE PATH "libpng source tree")
if(NOT EXISTS ${LIBPNG_SOURCE_DIR}/png.h)
    message(FATAL_ERROR "libpng sources missing: run scripts/bootstrap.sh")
endif()
set(_png ${LIBPNG_SOURCE_DIR})
set(_pngconf_dir ${CMAKE_BINARY_DIR}/libpng)
configure_file(${_png}/scripts/pnglibconf.h.prebuilt ${_pngconf_dir}/pnglibconf.h COPYONLY)
add_library(png_static STATIC
    ${_png}/png.c ${_png}/pngerror.c ${_png}/pngget.c ${_png}/pngmem.c
    ${_png}/pngpread.c ${_png}/pngread.c ${_png}/pngrio.c ${_png}/pngrtran.c
    ${_png}/pngrutil.c ${_png}/pngset.c ${_png}/pngtrans.c ${_png}/pngwio.c
    ${_png}/pngwrite.c ${_png}/pngwtran.c ${_png}/pngwutil.c)
target_include_directories(png_static SYSTEM PUBLIC ${_png} ${_pngconf_dir})
target_compile_definitions(png_static PRIVATE PNG_INTEL_SSE_OPT=0 PNG_ARM_NEON_OPT=0
    PNG_MIPS_MSA_OPT=0 PNG_POWERPC_VSX_OPT=0)
target_compile_options(png_static PRIVATE -w)
target_link_libraries(png_static PUBLIC zlib_static)

if(QIV_BUILD_TESTS)
    set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main)
        target_compile_options(${t} PRIVATE -w)
    endforeach()
endif()
