// Opening a card file of 100,000 entries (one category holding them all,
// beside 1,000 expanded categories) to the filled tree view and the root's
// contents list, beside the same TVM_INSERTITEM and LVM_INSERTITEM calls on
// bare controls in the same run. The model's load time of the file is
// printed beside.
#include "bench/BenchCardFile.h"
#include "bench/BenchCommon.h"

#include "app/ContentsView.h"
#include "app/TreeView.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/WinApp.h"
#include "model/CardFileStore.h"
#include "model/ItemWalk.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"

#include <commctrl.h>
#include <stdio.h>

#include <vector>

namespace {

const int kEntries = 100000;
const int kCategories = 1000;
const int kEntriesPerCategory = 3;
const int kRounds = 3;

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp("QivTreeFillBench")
    {
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE);
    }
};

CBenchApp theApp;

C_QivCategory* MakeTree()
{
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    pRoot->m_dwExpanded = 1;
    C_QivCategory* pMany = new C_QivCategory("Sammlung");
    pRoot->InsertChild(pMany, nullptr);
    bench::AddEntries(pMany, nullptr, kEntries, "Eintrag %d");
    bench::AddCategories(pRoot, pMany, kCategories, kEntriesPerCategory, "Notiz %d");
    return pRoot;
}

// The program's way: the document opens the file, the tree view fills
// itself and the contents list shows the root's children. Answers the time
// of the fill alone; *pdLoad gets the load time.
double FillViews(LPCSTR lpszPath, double* pdLoad)
{
    CQivDoc* pDoc = new CQivDoc;
    double t0 = bench::Now();
    pDoc->OnOpenDocument(lpszPath);
    *pdLoad = bench::Now() - t0;

    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->Create(nullptr, "Baum", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 800));
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = RUNTIME_CLASS(CQivTreeView);
    CQivTreeView* pTree = static_cast<CQivTreeView*>(pFrame->CreateView(&context, AFX_IDW_PANE_FIRST));
    context.m_pNewViewClass = RUNTIME_CLASS(C_InhaltView);
    C_InhaltView* pList = static_cast<C_InhaltView*>(pFrame->CreateView(&context, AFX_IDW_PANE_FIRST + 1));

    t0 = bench::Now();
    pTree->OnInitialUpdate();
    pList->Fill(pDoc->GetRoot());
    const double dFill = bench::Now() - t0;
    pDoc->SetModifiedFlag(FALSE);
    pFrame->DestroyWindow();
    return dFill;
}

// The same inserts on bare controls, walking the same model.
double FillBareControls(C_QivCategory* pRoot)
{
    HWND hHost = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 600, 800, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    HWND hTree = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | 0x22B, 0, 0, 300, 800,
                                   hHost, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    HWND hList = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT
                                   | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE | LVS_EDITLABELS,
                                   300, 0, 300, 800, hHost, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPSTR>("Titel");
    column.cx = 250;
    ::SendMessageA(hList, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.pszText = const_cast<LPSTR>("Typ");
    column.cx = 150;
    ::SendMessageA(hList, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));

    const double t0 = bench::Now();
    ::SendMessageA(hTree, WM_SETREDRAW, FALSE, 0);
    // Pre-order with the parent's tree item and the last item inserted
    // under it on a stack, as the categories insert their children.
    struct Level
    {
        C_QivItem* pItem;
        HTREEITEM hParent;
        HTREEITEM hAfter;
    };
    std::vector<Level> stack = { { pRoot, TVI_ROOT, TVI_FIRST } };
    std::vector<C_QivCategory*> expandAfter;
    while (!stack.empty()) {
        Level& level = stack.back();
        C_QivItem* pItem = level.pItem;
        if (!pItem) {
            stack.pop_back();
            if (!expandAfter.empty()) {
                C_QivCategory* pDone = expandAfter.back();
                expandAfter.pop_back();
                if (pDone && pDone->m_dwExpanded)
                    ::SendMessageA(hTree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(pDone->m_hTreeItem));
            }
            continue;
        }
        C_QivCategory* pCategory = QivAsCategory(pItem);
        TVINSERTSTRUCTA insert = {};
        insert.hParent = level.hParent;
        insert.hInsertAfter = level.hAfter;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<LPSTR>(pItem->m_strTitle.GetString());
        insert.item.iImage = insert.item.iSelectedImage = pCategory ? (pCategory->m_dwExpanded ? 0 : 1) : 4;
        insert.item.lParam = reinterpret_cast<LPARAM>(pItem);
        HTREEITEM hItem = reinterpret_cast<HTREEITEM>(
            ::SendMessageA(hTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        pItem->m_hTreeItem = hItem;
        level.hAfter = hItem;
        level.pItem = pItem->m_pNext;
        if (pCategory) {
            expandAfter.push_back(pCategory);
            stack.push_back({ pCategory->m_pFirstChild, hItem, TVI_FIRST });
        }
    }
    ::SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(pRoot->m_hTreeItem));
    ::SendMessageA(hTree, WM_SETREDRAW, TRUE, 0);

    ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    int nRow = 0;
    for (C_QivItem* pChild = pRoot->m_pFirstChild; pChild; pChild = pChild->m_pNext, ++nRow) {
        LVITEMA row = {};
        row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        row.iItem = nRow;
        row.pszText = const_cast<LPSTR>(pChild->m_strTitle.GetString());
        row.lParam = reinterpret_cast<LPARAM>(pChild);
        const int nIndex = static_cast<int>(::SendMessageA(hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
        LVITEMA sub = {};
        sub.iSubItem = 1;
        sub.pszText = const_cast<LPSTR>(QivAsCategory(pChild) ? "Kategorie" : "Eintrag");
        ::SendMessageA(hList, LVM_SETITEMTEXTA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&sub));
    }
    ::SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    const double dFill = bench::Now() - t0;
    ::DestroyWindow(hHost);
    return dFill;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES };
    ::InitCommonControlsEx(&icc);
    const std::string strFile = bench::WriteTempCardFile(MakeTree(), "treefill");
    const CString strPath(strFile.c_str());
    CQivCardFileStore store;
    store.Open(strPath);
    printf("tree fill: %d entries in one category, %d expanded categories beside it\n", kEntries, kCategories);

    bench::Rounds views;
    bench::Rounds bare;
    bench::Rounds load;
    for (int i = 0; i < kRounds; ++i) {
        double dLoad = 0;
        views.Add(FillViews(strPath, &dLoad));
        load.Add(dLoad);
        bare.Add(FillBareControls(store.GetRoot()));
    }
    printf("model load: %.3f s (median of %d)\n", load.Median(), kRounds);
    bench::ReportAgainst("tree and contents fill", views, "bare TVM_INSERTITEM/LVM_INSERTITEM", bare);
    ::DeleteFileA(strPath);
    return 0;
}
