#include "framework/core/ByteCopy.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every length up to well past the point where the copy changes its method,
// from every alignment of source and destination within 16 bytes: the bytes
// arrive in order and nothing around the destination is touched.
TEST(ByteCopy, CopiesEveryLengthAndAlignmentExactlyIntoItsRoom)
{
    const size_t nMaxLength = 1100;
    const size_t nGuard = 32;
    std::vector<unsigned char> source(nMaxLength + 32);
    for (size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<unsigned char>(i * 7 + 1);

    std::vector<unsigned char> room(nMaxLength + 2 * nGuard + 16);
    for (size_t nLength : { 0u, 1u, 2u, 3u, 4u, 5u, 7u, 8u, 9u, 15u, 16u, 17u, 31u, 32u, 33u, 100u, 255u,
                            256u, 257u, 700u, 1023u, 1024u, 1025u, 1100u }) {
        for (size_t nSrcAlign = 0; nSrcAlign < 16; nSrcAlign += 3) {
            for (size_t nDestAlign = 0; nDestAlign < 16; nDestAlign += 5) {
                std::fill(room.begin(), room.end(), 0xEE);
                unsigned char* pDest = room.data() + nGuard + nDestAlign;
                AfxCopyBytes(pDest, source.data() + nSrcAlign, nLength);
                SCOPED_TRACE(testing::Message() << "length " << nLength << ", source +" << nSrcAlign
                                                << ", destination +" << nDestAlign);
                for (size_t i = 0; i < nLength; ++i)
                    ASSERT_EQ(pDest[i], source[nSrcAlign + i]) << "byte " << i;
                for (unsigned char* p = room.data(); p < pDest; ++p)
                    ASSERT_EQ(*p, 0xEE) << "before the room";
                for (unsigned char* p = pDest + nLength; p < room.data() + room.size(); ++p)
                    ASSERT_EQ(*p, 0xEE) << "after the room";
            }
        }
    }
}

} // namespace
