// The room of loaded trees: blocks cut from chunks that outlive their pool
// and go back once nothing lives in them, and nodes of a loaded tree that
// go on as ordinary nodes after the tree is gone.
#include "ModelTestSupport.h"

#include "model/CardFile.h"
#include "model/ItemPool.h"
#include "model/QivItem.h"

#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

using namespace qivtest;

namespace {

struct Block
{
    BYTE* p;
    size_t nBytes;
};

void Fill(const Block& block, size_t nSeed)
{
    for (size_t i = 0; i < block.nBytes; ++i)
        block.p[i] = static_cast<BYTE>(nSeed * 131 + i);
}

bool Holds(const Block& block, size_t nSeed)
{
    for (size_t i = 0; i < block.nBytes; ++i) {
        if (block.p[i] != static_cast<BYTE>(nSeed * 131 + i))
            return false;
    }
    return true;
}

} // namespace

// Some 5 MB in blocks of odd sizes and alignments, so the pool goes through
// every chunk size and its helpers prepare chunks; one block is larger than
// any chunk share.
TEST(ItemPool, BlocksOutliveThePoolAndEachChunkGoesWithItsLastBlock)
{
    std::vector<Block> blocks;
    {
        CQivItemPool pool;
        for (size_t i = 0; i < 6000; ++i) {
            size_t nBytes = i == 3000 ? 300 * 1024 : 1 + (i * 7919) % 1700;
            size_t nAlign = size_t(1) << (i % 5);
            BYTE* p = static_cast<BYTE*>(pool.Allocate(nBytes, nAlign));
            ASSERT_NE(nullptr, p) << i;
            EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(p) % nAlign) << i;
            blocks.push_back({ p, nBytes });
            Fill(blocks.back(), i);
        }
    }
    for (size_t i = 0; i < blocks.size(); ++i)
        ASSERT_TRUE(Holds(blocks[i], i)) << "block " << i << " was overwritten or lost";

    // Everything but the first block goes; its chunk stays for it.
    for (size_t i = blocks.size() - 1; i > 0; --i)
        EXPECT_TRUE(QivPoolRelease(blocks[i].p)) << i;
    EXPECT_TRUE(Holds(blocks[0], 0));
    EXPECT_TRUE(QivPoolRelease(blocks[0].p));
    // Now no chunk is left: the addresses belong to no pool any more.
    EXPECT_FALSE(QivPoolRelease(blocks[0].p));
    EXPECT_FALSE(QivPoolRelease(blocks[5999].p));

    std::unique_ptr<BYTE[]> heap(new BYTE[64]);
    EXPECT_FALSE(QivPoolRelease(heap.get()));
    EXPECT_FALSE(QivPoolRelease(nullptr));
}

// A loaded tree large enough for helper-made chunks: a node taken out of
// it keeps its title and text after the tree is freed, can be edited and
// saved in another tree, and is deleted like any other.
TEST(ItemPool, NodesOfALoadedTreeLiveOnWithoutTheTree)
{
    std::unique_ptr<C_QivCategory> original(new C_QivCategory("Notizen"));
    C_QivItem* pLast = nullptr;
    for (int i = 0; i < 20000; ++i) {
        C_QivEntry* pEntry = NewEntry(("Eintrag " + std::to_string(i)).c_str(), std::string(100 + i % 50, 'x'));
        original->InsertChild(pEntry, pLast);
        pLast = pEntry;
    }
    C_QivCategory* pLoaded = ReadCardFile(WriteCardFile(original.get()));
    ASSERT_NE(nullptr, pLoaded);

    // Unlink the middle entry, then free the rest of the tree.
    C_QivItem* pBefore = pLoaded->m_pFirstChild;
    for (int i = 0; i < 9999; ++i)
        pBefore = pBefore->m_pNext;
    C_QivEntry* pKept = static_cast<C_QivEntry*>(pBefore->m_pNext);
    pBefore->m_pNext = pKept->m_pNext;
    pKept->m_pNext = nullptr;
    QivDeleteRoot(pLoaded);

    EXPECT_STREQ("Eintrag 10000", pKept->m_strTitle);
    EXPECT_EQ(std::string(100, 'x'), TextOf(pKept));
    pKept->SetText("neu", 3);
    pKept->m_lstAttachments.AddTail("C:\\Anlage.txt");

    std::unique_ptr<C_QivCategory> other(new C_QivCategory("Andere"));
    other->InsertChild(pKept, nullptr);
    std::unique_ptr<C_QivCategory> expected(new C_QivCategory("Andere"));
    C_QivEntry* pExpected = NewEntry("Eintrag 10000", "neu");
    pExpected->m_crBackground = pKept->m_crBackground;
    pExpected->m_lstAttachments.AddTail("C:\\Anlage.txt");
    expected->InsertChild(pExpected, nullptr);
    EXPECT_EQ(WriteCardFile(expected.get()), WriteCardFile(other.get()));
    EXPECT_TRUE(other->DeleteChild(pKept));
}
