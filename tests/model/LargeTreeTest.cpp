// Trees at the sizes where recursion per sibling or per level would run out
// of stack: a category of a million entries and a tree 10,000 levels deep.
// Each is saved, read back byte for byte, put into a tree view, searched and
// deleted.
#include "ModelTestSupport.h"

#include "model/CardFile.h"

#include <gtest/gtest.h>

#include <memory>

using namespace qivtest;

namespace {

struct RootDeleter
{
    void operator()(C_QivCategory* p) const { QivDeleteRoot(p); }
};
using RootPtr = std::unique_ptr<C_QivCategory, RootDeleter>;

// Answers the messages the model sends a tree view in constant time. The
// system's control needs time quadratic in the number of siblings to take
// a million of them, which no test can wait for; what is checked here is
// that the model's walk gets through such a chain and sends what it should.
class CTreeStandIn
{
public:
    CTreeStandIn()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "QivTreeStandIn";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowExA(0, "QivTreeStandIn", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   wc.hInstance, nullptr);
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CTreeStandIn() { ::DestroyWindow(m_hWnd); }

    HWND m_hWnd;
    INT_PTR m_nInserted = 0;
    INT_PTR m_nDataSet = 0;
    INT_PTR m_nSelected = 0;
    INT_PTR m_nBadOrder = 0;      // an item not inserted right after its predecessor
    HTREEITEM m_hLastInserted = nullptr;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        CTreeStandIn* pThis = reinterpret_cast<CTreeStandIn*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        switch (nMsg) {
        case TVM_INSERTITEMA: {
            const TVINSERTSTRUCTA* pInsert = reinterpret_cast<const TVINSERTSTRUCTA*>(lParam);
            if (pInsert->hInsertAfter != TVI_FIRST && pInsert->hInsertAfter != pThis->m_hLastInserted)
                ++pThis->m_nBadOrder;
            if ((pInsert->item.mask & TVIF_PARAM) && pInsert->item.lParam)
                ++pThis->m_nDataSet;
            pThis->m_hLastInserted = reinterpret_cast<HTREEITEM>(++pThis->m_nInserted);
            return reinterpret_cast<LRESULT>(pThis->m_hLastInserted);
        }
        case TVM_SETITEMA:
            return TRUE;
        case TVM_SELECTITEM:
            ++pThis->m_nSelected;
            return TRUE;
        case TVM_GETITEMSTATE:
        case TVM_EXPAND:
            return 0;
        }
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    }
};

} // namespace

TEST(LargeTree, AMillionEntriesInOneCategory)
{
    const int nEntries = 1000000;
    RootPtr root(new C_QivCategory("Notizen"));
    C_QivCategory* pCategory = new C_QivCategory("Viele");
    root->InsertChild(pCategory, nullptr);
    C_QivItem* pLast = nullptr;
    for (int i = 0; i < nEntries; ++i) {
        C_QivEntry* pEntry = new C_QivEntry(i == nEntries / 2 ? "Nadel" : "e");
        pCategory->InsertChild(pEntry, pLast);
        pLast = pEntry;
    }
    pLast->m_lstAttachments.AddTail("C:\\letzte.txt");

    Bytes bytes = WriteCardFile(root.get());
    RootPtr copy(ReadCardFile(bytes));
    EXPECT_EQ(bytes, WriteCardFile(copy.get()));
    C_QivCategory* pCopy = static_cast<C_QivCategory*>(copy->m_pFirstChild);
    EXPECT_TRUE(pCopy->m_pFirstChild->m_lstAttachments.IsEmpty());
    EXPECT_EQ(copy.get(), copy->FindParentCategory(pCopy));

    CTreeStandIn tree;
    copy->InsertIntoTree(tree.m_hWnd, TVI_ROOT, TVI_FIRST);
    EXPECT_EQ(nEntries + 2, tree.m_nInserted);
    EXPECT_EQ(nEntries + 2, tree.m_nDataSet);
    EXPECT_EQ(0, tree.m_nBadOrder);
    C_QivItem* pLastCopy = copy->FindItem(tree.m_hLastInserted);
    ASSERT_NE(nullptr, pLastCopy);
    EXPECT_EQ(1, pLastCopy->m_lstAttachments.GetCount());
    EXPECT_EQ(pCopy, copy->FindParentCategory(pLastCopy));
    EXPECT_STREQ("Viele\\e", copy->GetPath(pLastCopy, QIV_ROOT_IDENTIFIER));

    CTestShell shell;
    shell.m_hTree = tree.m_hWnd;
    CScriptedMessageBoxes boxes({ IDYES });
    EXPECT_TRUE(copy->SearchNext("nadel", FALSE, FALSE));
    EXPECT_EQ(1u, boxes.m_texts.size());

    EXPECT_TRUE(copy->DeleteChild(pCopy));
    EXPECT_EQ(nullptr, copy->m_pFirstChild);
}

TEST(LargeTree, TenThousandLevelsDeep)
{
    const int nLevels = 10000;
    RootPtr root(new C_QivCategory("Notizen"));
    C_QivCategory* pLevel = root.get();
    for (int i = 0; i < nLevels; ++i) {
        C_QivCategory* pChild = new C_QivCategory("k");
        pChild->m_dwExpanded = 1;
        pLevel->InsertChild(NewEntry("e", "{\\rtf1 x}"), nullptr);
        pLevel->InsertChild(pChild, nullptr);
        pLevel = pChild;
    }
    C_QivEntry* pDeepest = new C_QivEntry("Grund");
    pLevel->InsertChild(pDeepest, nullptr);

    Bytes bytes = WriteCardFile(root.get());
    RootPtr copy(ReadCardFile(bytes));
    EXPECT_EQ(bytes, WriteCardFile(copy.get()));

    // The system's tree view takes a deep tree well.
    CTestWindow tree(WC_TREEVIEWA, TVS_HASBUTTONS);
    copy->InsertIntoTree(tree.m_hWnd, TVI_ROOT, TVI_FIRST);
    EXPECT_EQ(2 * nLevels + 2, ::SendMessageA(tree.m_hWnd, TVM_GETCOUNT, 0, 0));
    C_QivItem* pFound = nullptr;
    for (C_QivItem* p = copy.get(); p; ) {
        C_QivCategory* pCategory = p->IsKindOf(RUNTIME_CLASS(C_QivCategory))
            ? static_cast<C_QivCategory*>(p) : nullptr;
        pFound = p;
        p = pCategory ? pCategory->m_pFirstChild : nullptr;
    }
    ASSERT_STREQ("Grund", pFound->m_strTitle);
    EXPECT_EQ(pFound, copy->FindItem(pFound->m_hTreeItem));
    EXPECT_TRUE(copy->ContainsItem(pFound->m_hTreeItem));
    EXPECT_EQ(static_cast<size_t>(2 * nLevels + 5), std::string(copy->GetPath(pFound, QIV_ROOT_IDENTIFIER)).size());
    C_QivCategory* pParent = copy->FindParentCategory(pFound);
    ASSERT_NE(nullptr, pParent);
    EXPECT_EQ(pFound, pParent->m_pFirstChild);

    // Selecting is slow in the system's control under a deep tree; the
    // search walk itself is what must get through.
    CTreeStandIn standIn;
    CTestShell shell;
    shell.m_hTree = standIn.m_hWnd;
    CScriptedMessageBoxes boxes({ IDYES });
    EXPECT_TRUE(copy->SearchNext("grund", FALSE, FALSE));
    EXPECT_EQ(1u, boxes.m_texts.size());
    EXPECT_EQ(2 * nLevels + 2 + nLevels + 1, standIn.m_nSelected);   // each node, each category again

    C_QivCategory* pTop = static_cast<C_QivCategory*>(copy->m_pFirstChild);
    EXPECT_TRUE(copy->DeleteChild(pTop));
}
