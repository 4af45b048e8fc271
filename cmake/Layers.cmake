# One static library per layer, made of every source in its folders. A layer
# names the layers below it in LIBS; it never reaches above itself.
function(qiv_library name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    set(sources)
    foreach(dir ${ARG_UNPARSED_ARGUMENTS})
        file(GLOB found CONFIGURE_DEPENDS
            ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.c)
        list(APPEND sources ${found})
    endforeach()
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    endif()
endfunction()

# A test executable of one layer: every test source (and resource script) in
# its folders, run by ctest under Wine as one test.
function(qiv_test name)
    cmake_parse_arguments(ARG "" "" "DIRS;LIBS" ${ARGN})
    set(sources ${PROJECT_SOURCE_DIR}/tests/common/TestMain.cpp)
    foreach(dir ${ARG_DIRS})
        file(GLOB found CONFIGURE_DEPENDS
            ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.rc)
        list(APPEND sources ${found})
    endforeach()
    add_executable(${name} ${sources})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest)
    add_test(NAME ${name} COMMAND ${name})
    # A crash that Wine's debugger ends can leave an exit code of 0: its
    # report fails the test all the same.
    set_tests_properties(${name} PROPERTIES TIMEOUT 900
        ENVIRONMENT "QIV_SOURCE_DIR=${PROJECT_SOURCE_DIR};QIV_BINARY_DIR=${CMAKE_BINARY_DIR}"
        FAIL_REGULAR_EXPRESSION "wine: Unhandled|Unhandled exception:")
endfunction()

# Every program linking the toolkit carries the toolkit's resources
# (toolkit/res/Toolkit.rc): the script given, which is that one or includes
# it, is compiled into the target and rebuilt when any toolkit resource changes.
function(qiv_toolkit_resources target script)
    target_sources(${target} PRIVATE ${script})
    file(GLOB inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/toolkit/res/*.*)
    set_property(SOURCE ${script} APPEND PROPERTY OBJECT_DEPENDS ${inputs})
endfunction()
