# Sourced: decides once which Wine runs our programs and which build tree the
# tests use. Some kernels refuse 32-bit code altogether (an i386 execve gives
# ENOEXEC): there the 32-bit programs are still built, and the tests run on a
# 64-bit twin of the same sources under 64-bit Wine. QIV_WINEARCH overrides.
if [ -z "${QIV_WINEARCH:-}" ]; then
    if [ ! -x /usr/lib/wine/wine ] || /usr/lib/wine/wine --version >/dev/null 2>&1; then
        QIV_WINEARCH=win32
    else
        QIV_WINEARCH=win64
    fi
fi
export QIV_WINEARCH
