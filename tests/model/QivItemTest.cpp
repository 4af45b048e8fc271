// The item tree: images, linking and unlinking children, lookups, and the
// insertion into a real tree-view control.
#include "AllocationCap.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace qivtest;

namespace {

// Nodes that report their destruction, to see every node freed once.
std::multiset<const void*> g_destroyed;

class CCountedCategory : public C_QivCategory
{
public:
    explicit CCountedCategory(LPCSTR lpszTitle) : C_QivCategory(lpszTitle) {}
    ~CCountedCategory() override { g_destroyed.insert(this); }
};

class CCountedEntry : public C_QivEntry
{
public:
    explicit CCountedEntry(LPCSTR lpszTitle) : C_QivEntry(lpszTitle) {}
    ~CCountedEntry() override { g_destroyed.insert(this); }
};

std::vector<std::string> ChildTitles(C_QivCategory* pCategory)
{
    std::vector<std::string> titles;
    for (C_QivItem* p = pCategory->m_pFirstChild; p; p = p->m_pNext)
        titles.push_back(p->m_strTitle.GetString());
    return titles;
}

struct TreeItemInfo
{
    std::string text;
    int nImage;
    int nSelectedImage;
    LPARAM lParam;
    bool bExpanded;
};

TreeItemInfo GetTreeItem(HWND hTree, HTREEITEM hItem)
{
    char text[256] = {};
    TVITEMA tvi = {};
    tvi.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
    tvi.hItem = hItem;
    tvi.pszText = text;
    tvi.cchTextMax = sizeof(text);
    tvi.stateMask = TVIS_EXPANDED;
    ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    return { text, tvi.iImage, tvi.iSelectedImage, tvi.lParam, (tvi.state & TVIS_EXPANDED) != 0 };
}

HTREEITEM TreeNext(HWND hTree, HTREEITEM hItem, UINT nCode)
{
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

} // namespace

TEST(QivItem, ImagesFollowChildrenAttachmentsAndExpansion)
{
    const int counts[] = { 0, 1, 2, 3, 7 };
    const int images[] = { 0, 1, 2, 3, 3 };
    for (int i = 0; i < 5; ++i) {
        C_QivCategory category("K");
        for (int n = 0; n < counts[i]; ++n)
            category.InsertChild(new C_QivEntry("e"), nullptr);
        EXPECT_EQ(images[i], category.GetImageIndex()) << counts[i];
    }
    C_QivEntry entry("e");
    C_QivItem plain("p");
    EXPECT_EQ(4, entry.GetImageIndex());
    EXPECT_EQ(4, plain.GetImageIndex());
    entry.m_lstAttachments.AddTail("C:\\a.txt");
    EXPECT_EQ(6, entry.GetImageIndex());
}

TEST(QivItem, InsertChildLinksAtTheFrontBehindANodeOrAsTheOnlyChild)
{
    C_QivCategory category("K");
    C_QivEntry* pB = new C_QivEntry("B");
    C_QivEntry stranger("X");
    category.InsertChild(pB, &stranger);   // empty: after is ignored
    EXPECT_EQ((std::vector<std::string>{ "B" }), ChildTitles(&category));
    EXPECT_EQ(nullptr, stranger.m_pNext);
    category.InsertChild(new C_QivEntry("A"), nullptr);
    category.InsertChild(new C_QivEntry("C"), pB);
    category.InsertChild(new C_QivEntry("D"), category.m_pFirstChild->m_pNext->m_pNext);
    EXPECT_EQ((std::vector<std::string>{ "A", "B", "C", "D" }), ChildTitles(&category));
}

TEST(QivItem, DeleteChildUnlinksOnlyDirectChildren)
{
    C_QivCategory category("K");
    C_QivCategory* pSub = new C_QivCategory("S");
    C_QivEntry* pDeep = new C_QivEntry("deep");
    pSub->InsertChild(pDeep, nullptr);
    C_QivEntry* pLast = new C_QivEntry("C");
    category.InsertChild(pLast, nullptr);
    category.InsertChild(pSub, nullptr);
    category.InsertChild(new C_QivEntry("A"), nullptr);

    C_QivEntry stranger("X");
    EXPECT_FALSE(category.DeleteChild(nullptr));
    EXPECT_FALSE(category.DeleteChild(&stranger));
    EXPECT_FALSE(category.DeleteChild(pDeep));
    EXPECT_FALSE(C_QivCategory("leer").DeleteChild(&stranger));
    EXPECT_EQ((std::vector<std::string>{ "A", "S", "C" }), ChildTitles(&category));

    EXPECT_TRUE(category.DeleteChild(pLast));
    EXPECT_TRUE(category.DeleteChild(category.m_pFirstChild));
    EXPECT_EQ((std::vector<std::string>{ "S" }), ChildTitles(&category));
    EXPECT_EQ(nullptr, pSub->m_pNext);
}

TEST(QivItem, DeletingADeepCategoryFreesEveryNodeOnce)
{
    g_destroyed.clear();
    std::set<const void*> made;
    C_QivCategory* pTop = new CCountedCategory("top");
    made.insert(pTop);
    // Nested categories, each with a few entries and a sibling category.
    C_QivCategory* pLevel = pTop;
    for (int depth = 0; depth < 2000; ++depth) {
        for (int n = 0; n < 3; ++n) {
            C_QivEntry* pEntry = new CCountedEntry("e");
            made.insert(pEntry);
            pLevel->InsertChild(pEntry, nullptr);
        }
        C_QivCategory* pSibling = new CCountedCategory("s");
        made.insert(pSibling);
        pSibling->InsertChild(new CCountedEntry("x"), nullptr);
        made.insert(pSibling->m_pFirstChild);
        pLevel->InsertChild(pSibling, nullptr);
        C_QivCategory* pChild = new CCountedCategory("c");
        made.insert(pChild);
        pLevel->InsertChild(pChild, nullptr);
        pLevel = pChild;
    }
    C_QivCategory holder("holder");
    holder.InsertChild(pTop, nullptr);
    EXPECT_TRUE(holder.DeleteChild(pTop));
    EXPECT_EQ(made.size(), g_destroyed.size());
    EXPECT_EQ(made, std::set<const void*>(g_destroyed.begin(), g_destroyed.end()));
    EXPECT_EQ(nullptr, holder.m_pFirstChild);
}

// Freeing goes through lists of the nodes and texts; without room for them
// the nodes are freed one by one, and none is missed either way.
TEST(QivItem, DeletingATreeWithoutRoomForItsListsStillFreesEveryNode)
{
    for (bool bCapped : { false, true }) {
        g_destroyed.clear();
        std::set<const void*> made;
        C_QivCategory holder("holder");
        for (int c = 0; c < 20; ++c) {
            C_QivCategory* pCategory = new CCountedCategory("c");
            made.insert(pCategory);
            holder.InsertChild(pCategory, nullptr);
            for (int e = 0; e < 100; ++e) {
                C_QivEntry* pEntry = new CCountedEntry("e");
                pEntry->SetText("text", 5);
                made.insert(pEntry);
                pCategory->InsertChild(pEntry, nullptr);
            }
        }
        {
            // The lists would take some 16 KB; freed nodes make room for
            // what the counting destructors allocate.
            std::unique_ptr<CAllocationCap> cap(bCapped ? new CAllocationCap(4096) : nullptr);
            holder.DeleteAllChildren();
            if (cap) {
                EXPECT_TRUE(cap->Refused());
            }
        }
        EXPECT_EQ(made, std::set<const void*>(g_destroyed.begin(), g_destroyed.end())) << bCapped;
        EXPECT_EQ(made.size(), g_destroyed.size()) << bCapped;
        EXPECT_EQ(nullptr, holder.m_pFirstChild);
    }
}

TEST(QivItem, SetTextCopiesAndLengthZeroLeavesNoBlock)
{
    C_QivEntry entry("e");
    char text[] = "abc";
    entry.SetText(text, 4);
    text[0] = 'X';
    EXPECT_EQ(std::string("abc", 4), TextOf(&entry));
    entry.SetText(entry.m_pText + 1, 2);   // from its own block
    EXPECT_EQ("bc", TextOf(&entry));
    entry.SetText(nullptr, 0);
    EXPECT_EQ(nullptr, entry.m_pText);
    EXPECT_EQ(0u, entry.m_nTextLength);
}

// Root R: A (category with e1 and S, S holding e2), B (entry), C (empty
// category). Handles are made up: lookups compare them only.
class QivItemLookup : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root.reset(new C_QivCategory("R"));
        m_pA = new C_QivCategory("A");
        m_pS = new C_QivCategory("S");
        m_pE1 = new C_QivEntry("e1");
        m_pE2 = new C_QivEntry("e2");
        m_pB = new C_QivEntry("B");
        m_pC = new C_QivCategory("C");
        m_pS->InsertChild(m_pE2, nullptr);
        m_pA->InsertChild(m_pS, nullptr);
        m_pA->InsertChild(m_pE1, nullptr);
        m_root->InsertChild(m_pC, nullptr);
        m_root->InsertChild(m_pB, nullptr);
        m_root->InsertChild(m_pA, nullptr);
        C_QivItem* all[] = { m_root.get(), m_pA, m_pS, m_pE1, m_pE2, m_pB, m_pC };
        for (int i = 0; i < 7; ++i)
            all[i]->m_hTreeItem = reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(100 + i));
    }
    static HTREEITEM H(int i) { return reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(100 + i)); }

    std::unique_ptr<C_QivCategory> m_root;
    C_QivCategory* m_pA;
    C_QivCategory* m_pS;
    C_QivEntry* m_pE1;
    C_QivEntry* m_pE2;
    C_QivEntry* m_pB;
    C_QivCategory* m_pC;
};

TEST_F(QivItemLookup, FindItemSearchesTheNodeItsSiblingsAndTheirSubtrees)
{
    C_QivItem* expected[] = { m_root.get(), m_pA, m_pS, m_pE1, m_pE2, m_pB, m_pC };
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(expected[i], m_root->FindItem(H(i))) << i;
    EXPECT_EQ(nullptr, m_root->FindItem(H(50)));
    EXPECT_EQ(nullptr, m_root->FindItem(nullptr));
    // From A: A, its siblings and everything below them, not the root.
    EXPECT_EQ(m_pE2, m_pA->FindItem(H(4)));
    EXPECT_EQ(m_pC, m_pA->FindItem(H(6)));
    EXPECT_EQ(nullptr, m_pA->FindItem(H(0)));
    EXPECT_EQ(nullptr, m_pB->FindItem(H(4)));
}

TEST_F(QivItemLookup, ContainsItemLooksBelowTheCategoryOnly)
{
    EXPECT_TRUE(m_root->ContainsItem(H(4)));
    EXPECT_FALSE(m_root->ContainsItem(H(0)));
    EXPECT_TRUE(m_pA->ContainsItem(H(4)));
    EXPECT_FALSE(m_pA->ContainsItem(H(5)));   // B is A's sibling
    EXPECT_FALSE(m_pC->ContainsItem(H(6)));
    EXPECT_FALSE(m_pC->ContainsItem(H(5)));
}

TEST_F(QivItemLookup, FindParentCategoryGivesTheDirectParent)
{
    EXPECT_EQ(nullptr, m_root->FindParentCategory(m_root.get()));
    EXPECT_EQ(m_root.get(), m_root->FindParentCategory(m_pA));
    EXPECT_EQ(m_root.get(), m_root->FindParentCategory(m_pC));
    EXPECT_EQ(m_pA, m_root->FindParentCategory(m_pS));
    EXPECT_EQ(m_pS, m_root->FindParentCategory(m_pE2));
    EXPECT_EQ(m_pS, m_pA->FindParentCategory(m_pE2));
    EXPECT_EQ(nullptr, m_pA->FindParentCategory(m_pA));
    EXPECT_EQ(nullptr, m_pA->FindParentCategory(m_pB));
    C_QivEntry stranger("X");
    EXPECT_EQ(nullptr, m_root->FindParentCategory(&stranger));
}

TEST_F(QivItemLookup, OneCallInsertsTheWholeTreeWithImagesAndData)
{
    CTestWindow tree(WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES);
    ASSERT_TRUE(tree.m_hWnd);
    m_pA->m_dwExpanded = 1;
    m_pE2->m_lstAttachments.AddTail("C:\\anlage.pdf");
    m_pC->m_dwExpanded = 1;

    m_pA->InsertIntoTree(tree.m_hWnd, TVI_ROOT, TVI_FIRST);

    HWND h = tree.m_hWnd;
    HTREEITEM hA = TreeNext(h, nullptr, TVGN_ROOT);
    HTREEITEM hB = TreeNext(h, hA, TVGN_NEXT);
    HTREEITEM hC = TreeNext(h, hB, TVGN_NEXT);
    EXPECT_EQ(nullptr, TreeNext(h, hC, TVGN_NEXT));
    HTREEITEM hE1 = TreeNext(h, hA, TVGN_CHILD);
    HTREEITEM hS = TreeNext(h, hE1, TVGN_NEXT);
    HTREEITEM hE2 = TreeNext(h, hS, TVGN_CHILD);

    struct Expect { HTREEITEM hItem; C_QivItem* pItem; const char* text; int nImage; int nSelected; bool bExpanded; };
    const Expect expected[] = {
        { hA, m_pA, "A", 0, 0, true },        // expanded: 0 whatever the count
        { hE1, m_pE1, "e1", 4, 5, false },
        { hS, m_pS, "S", 1, 1, false },
        { hE2, m_pE2, "e2", 6, 7, false },
        { hB, m_pB, "B", 4, 5, false },
        { hC, m_pC, "C", 0, 0, false },       // no children to show
    };
    for (const Expect& e : expected) {
        TreeItemInfo info = GetTreeItem(h, e.hItem);
        EXPECT_EQ(e.text, info.text);
        EXPECT_EQ(e.nImage, info.nImage) << e.text;
        EXPECT_EQ(e.nSelected, info.nSelectedImage) << e.text;
        EXPECT_EQ(reinterpret_cast<LPARAM>(e.pItem), info.lParam) << e.text;
        EXPECT_EQ(e.bExpanded, info.bExpanded) << e.text;
        EXPECT_EQ(e.hItem, e.pItem->m_hTreeItem) << e.text;
        EXPECT_EQ(e.pItem, m_root->FindItem(e.hItem)) << e.text;
    }
    EXPECT_EQ(6, ::SendMessageA(h, TVM_GETCOUNT, 0, 0));
}

TEST_F(QivItemLookup, ANodeAloneGoesAfterTheGivenItem)
{
    CTestWindow tree(WC_TREEVIEWA, 0);
    m_root->InsertIntoTree(tree.m_hWnd, TVI_ROOT, TVI_FIRST);
    C_QivEntry* pNew = new C_QivEntry("neu");
    m_pA->InsertChild(pNew, m_pE1);
    pNew->InsertIntoTree(tree.m_hWnd, m_pA->m_hTreeItem, m_pE1->m_hTreeItem);
    EXPECT_EQ(pNew->m_hTreeItem, TreeNext(tree.m_hWnd, m_pE1->m_hTreeItem, TVGN_NEXT));
    EXPECT_EQ(m_pS->m_hTreeItem, TreeNext(tree.m_hWnd, pNew->m_hTreeItem, TVGN_NEXT));
}
