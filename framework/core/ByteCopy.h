// Copies of the pieces an archive's records are made of: titles, counts,
// notes of a few hundred bytes or kilobytes. A call into the C runtime's
// general copy costs more than a short piece under some runtimes (it checks
// for overlap and picks a method by size and alignment every time), and a
// card file of a million notes makes millions of them. Short pieces are
// moved 16 bytes at a time in line; longer ones by the processor's own
// string move, which on processors of the last decade is as fast as any
// copy of that length.
#pragma once

#include <stddef.h>
#include <string.h>

// Copies nBytes from pSrc to pDest; the two must not overlap.
inline void AfxCopyBytes(void* pDest, const void* pSrc, size_t nBytes)
{
    unsigned char* d = static_cast<unsigned char*>(pDest);
    const unsigned char* s = static_cast<const unsigned char*>(pSrc);
    if (nBytes > 1024) {
        __asm__ __volatile__("rep movsb" : "+D"(d), "+S"(s), "+c"(nBytes) : : "memory");
    } else if (nBytes >= 16) {
        // Whole 16-byte blocks, then the last 16 bytes, which may overlap
        // the block before them. Fixed-size memcpy compiles to moves.
        const size_t nLast = nBytes - 16;
        for (size_t i = 0; i < nLast; i += 16)
            memcpy(d + i, s + i, 16);
        memcpy(d + nLast, s + nLast, 16);
    } else if (nBytes >= 8) {
        memcpy(d, s, 8);
        memcpy(d + nBytes - 8, s + nBytes - 8, 8);
    } else if (nBytes >= 4) {
        memcpy(d, s, 4);
        memcpy(d + nBytes - 4, s + nBytes - 4, 4);
    } else {
        for (size_t i = 0; i < nBytes; ++i)
            d[i] = s[i];
    }
}
