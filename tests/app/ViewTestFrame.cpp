#include "ViewTestFrame.h"

#include "app/TreeView.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/RichEditView.h"
#include "model/CardFileStore.h"
#include "model/QivDoc.h"

namespace apptest {

void CViewTestFrame::ActivateView(CView* pView)
{
    if (pView)
        SetActiveView(pView);
}

CView* CViewTestFrame::GetActivePaneView()
{
    return CFrameWnd::GetActiveView();
}

BOOL CViewTestFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!m_splitter.CreateStatic(this, 1, 2)
        || !m_splitter.CreateView(0, 0, RUNTIME_CLASS(CQivTreeView), CSize(250, 0), pContext)
        || !m_splitter.CreateView(0, 1, RUNTIME_CLASS(CRichEditView), CSize(0, 0), pContext))
        return FALSE;
    m_pTree = static_cast<CQivTreeView*>(m_splitter.GetPane(0, 0));
    m_pText = static_cast<CView*>(m_splitter.GetPane(0, 1));
    return TRUE;
}

void ViewTest::SetUp()
{
    AppSettingsTest::SetUp();
    m_pDoc = new CQivDoc;
    // An open root: selecting below it by program changes nothing stored.
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    pRoot->m_dwExpanded = 1;
    m_pDoc->ReplaceRoot(pRoot);
    m_pFrame = new CViewTestFrame;
    CCreateContext context;
    context.m_pCurrentDoc = m_pDoc;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Ansichten", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 500),
                                 nullptr, nullptr, 0, &context));
    char szDir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szDir);
    m_strScratch.Format("%sqiv-views-%lu.qiv", szDir, ::GetCurrentProcessId());
}

void ViewTest::TearDown()
{
    if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd)) {
        m_pDoc->SetModifiedFlag(FALSE);
        m_pFrame->DestroyWindow();
    }
    ::DeleteFileA(m_strScratch);
    AppSettingsTest::TearDown();
}

void ViewTest::Show()
{
    m_pFrame->InitialUpdateFrame(m_pDoc, TRUE);
    PumpAppMessages();
}

C_QivCategory* ViewTest::Root() const
{
    return m_pDoc->GetRoot();
}

CTreeCtrl& ViewTest::Tree() const
{
    return m_pFrame->m_pTree->GetTreeCtrl();
}

void ViewTest::Select(C_QivItem* pItem)
{
    Tree().SelectItem(pItem->m_hTreeItem);
}

BOOL ViewTest::Modified() const
{
    return m_pDoc->CDocument::IsModified();
}

void ViewTest::SetModified(BOOL bModified)
{
    m_pDoc->SetModifiedFlag(bModified);
}

std::unique_ptr<C_QivCategory> ViewTest::SavedAndReadBack()
{
    const BOOL bModified = Modified();
    EXPECT_TRUE(m_pDoc->OnSaveDocument(m_strScratch));
    SetModified(bModified);
    CQivCardFileStore store;
    EXPECT_TRUE(store.Open(m_strScratch));
    return std::unique_ptr<C_QivCategory>(store.DetachRoot());
}

namespace {

class CStateProbe : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { m_state.nEnabled = bOn ? 1 : 0; }
    void SetCheck(int nCheck) override { m_state.nCheck = nCheck; }
    CommandState m_state;
};

} // namespace

CommandState QueryCommand(CCmdTarget* pTarget, UINT nID)
{
    CStateProbe probe;
    probe.m_nID = nID;
    probe.DoUpdate(pTarget, FALSE);
    return probe.m_state;
}

std::string Outline(const C_QivCategory* pRoot)
{
    std::string out = pRoot->m_strTitle.GetString();
    out += "{";
    for (const C_QivItem* pItem = pRoot->m_pFirstChild; pItem; pItem = pItem->m_pNext) {
        if (pItem != pRoot->m_pFirstChild)
            out += ",";
        if (pItem->IsKindOf(RUNTIME_CLASS(C_QivCategory)))
            out += Outline(static_cast<const C_QivCategory*>(pItem));
        else
            out += pItem->m_strTitle.GetString();
    }
    return out + "}";
}

std::string ItemText(HWND hTree, HTREEITEM hItem)
{
    char szText[512] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = hItem;
    item.pszText = szText;
    item.cchTextMax = sizeof szText;
    ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return szText;
}

int ItemImage(HWND hTree, HTREEITEM hItem)
{
    TVITEMA item = {};
    item.mask = TVIF_IMAGE | TVIF_HANDLE;
    item.hItem = hItem;
    ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

std::string TreeOutline(HWND hTree, HTREEITEM hItem)
{
    std::string out = ItemText(hTree, hItem);
    TVITEMA item = {};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = hItem;
    ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const C_QivItem* pItem = reinterpret_cast<const C_QivItem*>(item.lParam);
    if (!pItem || !pItem->IsKindOf(RUNTIME_CLASS(C_QivCategory)))
        return out;
    out += "{";
    HTREEITEM hChild = TreeView_GetChild(hTree, hItem);
    for (bool bFirst = true; hChild; hChild = TreeView_GetNextSibling(hTree, hChild), bFirst = false) {
        if (!bFirst)
            out += ",";
        out += TreeOutline(hTree, hChild);
    }
    return out + "}";
}

} // namespace apptest
