#include "framework/core/MemFile.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <functional>
#include <string>

namespace {

bool Raises(const std::function<void()>& action, CRuntimeClass* pClass)
{
    try {
        action();
    } catch (CException* e) {
        bool ok = e->IsKindOf(pClass);
        e->Delete();
        return ok;
    }
    return false;
}

} // namespace

TEST(MemFileTest, GrowsWhileWritingAndDetachHandsOverTheBlock)
{
    CMemFile file(1024);
    std::string data;
    for (int i = 0; i < 3000; ++i)
        data += static_cast<char>('a' + i % 26);
    // Small pieces, so the block grows several times.
    for (size_t i = 0; i < data.size(); i += 7)
        file.Write(data.data() + i, static_cast<UINT>(std::min<size_t>(7, data.size() - i)));
    EXPECT_EQ(file.GetLength(), data.size());

    file.SeekToBegin();
    std::string back(data.size(), '\0');
    EXPECT_EQ(file.Read(&back[0], 5000), data.size());
    EXPECT_EQ(back, data);

    BYTE* block = file.Detach();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(memcmp(block, data.data(), data.size()), 0);
    free(block);
    EXPECT_EQ(file.GetLength(), 0u);
    file.Write("x", 1);                 // usable again after Detach
    EXPECT_EQ(file.GetLength(), 1u);
}

TEST(MemFileTest, AttachedFixedBlockIsTheWholeFileAndCannotGrow)
{
    BYTE block[8] = { 1, 2, 3, 4, 5, 6, 7, 8 };
    {
        CMemFile file(block, sizeof block);
        EXPECT_EQ(file.GetLength(), 8u);
        BYTE buf[16];
        EXPECT_EQ(file.Read(buf, sizeof buf), 8u);
        file.Seek(6, CFile::begin);
        file.Write("\x09\x0A", 2);      // within the block: fine
        EXPECT_TRUE(Raises([&] { file.Write("z", 1); }, RUNTIME_CLASS(CMemoryException)));
        EXPECT_EQ(file.Detach(), block);
    }
    EXPECT_EQ(block[7], 0x0A);          // the caller's block, written in place and not freed
}

TEST(MemFileTest, AttachedGrowingBlockStartsEmpty)
{
    BYTE* block = static_cast<BYTE*>(malloc(4));
    CMemFile file;
    file.Attach(block, 4, 16);
    EXPECT_EQ(file.GetLength(), 0u);
    file.Write("0123456789", 10);      // reallocates the caller's block
    EXPECT_EQ(file.GetLength(), 10u);
    BYTE* grown = file.Detach();
    EXPECT_EQ(memcmp(grown, "0123456789", 10), 0);
    free(grown);
}

TEST(MemFileTest, SeekingBeyondTheEndLeavesAZeroGap)
{
    CMemFile file;
    file.Write("ab", 2);
    EXPECT_EQ(file.Seek(3, CFile::end), 5u);
    file.Write("c", 1);
    EXPECT_EQ(file.GetLength(), 6u);
    file.SeekToBegin();
    char buf[6];
    ASSERT_EQ(file.Read(buf, 6), 6u);
    EXPECT_EQ(std::string(buf, 6), std::string("ab\0\0\0c", 6));
    EXPECT_TRUE(Raises([&] { file.Seek(-7, CFile::end); }, RUNTIME_CLASS(CFileException)));

    file.SetLength(1);
    EXPECT_EQ(file.GetLength(), 1u);
    EXPECT_EQ(file.GetPosition(), 1u);
}

TEST(MemFileTest, SharedFileDetachesAGlobalBlockInWholeGrowSteps)
{
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 4096);
    std::string data(5000, 'q');
    file.Write(data.data(), static_cast<UINT>(data.size()));
    HGLOBAL hMem = file.Detach();
    ASSERT_NE(hMem, nullptr);
    SIZE_T size = ::GlobalSize(hMem);
    EXPECT_GE(size, 5000u);
    EXPECT_EQ(size % 4096, 0u);
    const BYTE* p = static_cast<const BYTE*>(::GlobalLock(hMem));
    EXPECT_EQ(memcmp(p, data.data(), data.size()), 0);
    EXPECT_EQ(p[5000], 0);               // zero-initialised beyond the data
    ::GlobalUnlock(hMem);

    // Reading a block back: the file is the block's whole size.
    CSharedFile reader;
    reader.SetHandle(hMem, FALSE);
    EXPECT_EQ(reader.GetLength(), size);
    char first[3] = {};
    reader.Read(first, 2);
    EXPECT_STREQ(first, "qq");
    EXPECT_EQ(reader.Detach(), hMem);
    ::GlobalFree(hMem);
}
