#include "ViewTestFrame.h"

#include "app/ContentsView.h"
#include "app/TextView.h"
#include "app/TreeView.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/CreateContext.h"
#include "model/CardFileStore.h"
#include "model/QivDoc.h"

namespace apptest {

CViewTestFrame::CViewTestFrame() : m_show(*this)
{
}

void CViewTestFrame::ActivateView(CView* pView)
{
    if (pView)
        SetActiveView(pView);
}

CView* CViewTestFrame::GetActivePaneView()
{
    return CFrameWnd::GetActiveView();
}

namespace {

// The attachments pane's place holder.
class CBlankView : public CView
{
    DECLARE_DYNCREATE(CBlankView)
};

IMPLEMENT_DYNCREATE(CBlankView, CView)

} // namespace

BOOL CViewTestFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!m_outer.CreateStatic(this, 1, 2)
        || !m_outer.CreateView(0, 0, RUNTIME_CLASS(CQivTreeView), CSize(250, 0), pContext)
        || !m_inner.CreateStatic(&m_outer, 2, 1, WS_CHILD | WS_VISIBLE, m_outer.IdFromRowCol(0, 1))
        || !m_inner.CreateView(0, 0, RUNTIME_CLASS(C_InhaltView), CSize(0, 10000), pContext)
        || !m_inner.CreateView(1, 0, RUNTIME_CLASS(CBlankView), CSize(0, 0), pContext))
        return FALSE;
    m_pTree = static_cast<CQivTreeView*>(m_outer.GetPane(0, 0));
    m_pContents = static_cast<C_InhaltView*>(m_inner.GetPane(0, 0));
    return TRUE;
}

BOOL CViewTestFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (m_pTree && pNMHDR->hwndFrom == m_pTree->m_hWnd && m_show.OnTreeNotify(pNMHDR, pResult))
        return TRUE;
    return CFrameWnd::OnNotify(wParam, lParam, pResult);
}

CView* CViewTestFrame::ShowTextView()
{
    if (!m_pText) {
        m_pContents = nullptr;
        m_pText = QivReplacePaneView(m_inner, 0, 0, RUNTIME_CLASS(CQivTextView), m_pTree->GetDocument());
        if (m_pText)
            static_cast<CQivTextView*>(m_pText)->ApplyStoredSettings();
    }
    return m_pText;
}

C_InhaltView* CViewTestFrame::ShowContentsView()
{
    if (!m_pContents) {
        m_pText = nullptr;
        m_pContents = static_cast<C_InhaltView*>(
            QivReplacePaneView(m_inner, 0, 0, RUNTIME_CLASS(C_InhaltView), m_pTree->GetDocument()));
    }
    return m_pContents;
}

void CViewTestFrame::ShowEntryText(const BYTE* pText, DWORD nLength, COLORREF crBackground)
{
    m_shown.push_back({ std::string(reinterpret_cast<const char*>(pText), pText ? nLength : 0), crBackground });
    static_cast<CQivTextView*>(m_pText)->ShowText(pText, nLength, crBackground);
}

void CViewTestFrame::StoreEntryText(C_QivEntry* pEntry)
{
    ++m_nStores;
    static_cast<CQivTextView*>(m_pText)->StoreText(pEntry);
}

std::string CViewTestFrame::EditorText() const
{
    char szText[1024] = {};
    if (m_pText)
        ::GetWindowTextA(m_pText->m_hWnd, szText, sizeof szText);
    return szText;
}

void CViewTestFrame::EditText(LPCSTR lpszText)
{
    ::SetWindowTextA(m_pText->m_hWnd, lpszText);
    ::SendMessageA(m_pText->m_hWnd, EM_SETMODIFY, TRUE, 0);
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
    KeepSavedCardFile(m_strScratch, Root());
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

CommandState QueryCommand(CCmdTarget* pTarget, UINT nID, CWnd* pOther)
{
    CStateProbe probe;
    probe.m_nID = nID;
    probe.m_pOther = pOther;
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
