#include "app/SearchDialog.h"

#include "app/LongOperation.h"
#include "app/SearchWalk.h"
#include "app/Settings.h"
#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "framework/core/Module.h"
#include "framework/core/StringList.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/View.h"
#include "model/QivItem.h"
#include "model/ShellServices.h"

#include <string>

namespace {

// The placement of the window, one integer a field of WINDOWPLACEMENT, in
// this order. A stored length of 1998 (the default) means nothing is stored.
const int kNoPlacement = 1998;
const QivIntSetting kPlacement[] = {
    { "wndplsearch", "length", kNoPlacement },
    { "wndplsearch", "showCmd", 0 },
    { "wndplsearch", "flags", 0 },
    { "wndplsearch", "ptMinPosition.x", 0 },
    { "wndplsearch", "ptMinPosition.y", 0 },
    { "wndplsearch", "ptMaxPosition.x", 0 },
    { "wndplsearch", "ptMaxPosition.y", 0 },
    { "wndplsearch", "rcNormalPosition.left", 0 },
    { "wndplsearch", "rcNormalPosition.top", 0 },
    { "wndplsearch", "rcNormalPosition.right", 0 },
    { "wndplsearch", "rcNormalPosition.bottom", 0 },
};
const size_t kPlacementFields = sizeof(kPlacement) / sizeof(kPlacement[0]);

void PlacementToInts(const WINDOWPLACEMENT& wp, int values[kPlacementFields])
{
    const int fields[kPlacementFields] = {
        static_cast<int>(wp.length), static_cast<int>(wp.showCmd), static_cast<int>(wp.flags),
        wp.ptMinPosition.x, wp.ptMinPosition.y, wp.ptMaxPosition.x, wp.ptMaxPosition.y,
        wp.rcNormalPosition.left, wp.rcNormalPosition.top, wp.rcNormalPosition.right, wp.rcNormalPosition.bottom,
    };
    for (size_t i = 0; i < kPlacementFields; ++i)
        values[i] = fields[i];
}

WINDOWPLACEMENT PlacementFromInts(const int values[kPlacementFields])
{
    WINDOWPLACEMENT wp;
    wp.length = static_cast<UINT>(values[0]);
    wp.showCmd = static_cast<UINT>(values[1]);
    wp.flags = static_cast<UINT>(values[2]);
    wp.ptMinPosition = { values[3], values[4] };
    wp.ptMaxPosition = { values[5], values[6] };
    wp.rcNormalPosition = { values[7], values[8], values[9], values[10] };
    return wp;
}

const int kMaxSearchText = 1024;

} // namespace

BEGIN_MESSAGE_MAP(CSuchenDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_EXITSIZEMOVE, OnExitSizeMove)
    ON_BN_CLICKED(IDC_SEARCH_START, OnStart)
    ON_BN_CLICKED(IDC_SEARCH_GOTO, OnGoTo)
    ON_BN_CLICKED(IDC_SEARCH_NEW, OnNewSearch)
    ON_NOTIFY(NM_DBLCLK, IDC_SEARCH_RESULTS, OnDblClkResults)
END_MESSAGE_MAP()

CSuchenDlg::CSuchenDlg(C_QivCategory* pRoot, CWnd* pTreeView, CFrameWnd* pFrame, CStringList* pHistory)
    : CDialog(IDD_SEARCH, pFrame), m_pRoot(pRoot), m_pTreeView(pTreeView), m_pFrame(pFrame),
      m_pHistory(pHistory)
{
}

CSuchenDlg::~CSuchenDlg() = default;

BOOL CSuchenDlg::Create()
{
    return CDialog::Create(IDD_SEARCH, m_pFrame);
}

int CSuchenDlg::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    RestorePlacement();
    return 0;
}

BOOL CSuchenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_comboTerms.SubclassDlgItem(IDC_SEARCH_TERMS, this);
    m_listResults.SubclassDlgItem(IDC_SEARCH_RESULTS, this);
    m_btnStart.Attach(this, IDC_SEARCH_START, IDB_BUTTON_START_SEARCH);
    m_btnGoTo.Attach(this, IDC_SEARCH_GOTO, IDB_BUTTON_GOTO);
    m_btnNew.Attach(this, IDC_SEARCH_NEW, IDB_BUTTON_NEW_SEARCH);
    EnableHitButtons(FALSE);

    m_comboTerms.SetRedraw(FALSE);
    if (m_pHistory) {
        for (POSITION pos = m_pHistory->GetHeadPosition(); pos;)
            m_comboTerms.AddString(m_pHistory->GetNext(pos));
        if (!m_pHistory->IsEmpty())
            m_comboTerms.SetWindowText(m_pHistory->GetTail());
    }
    m_comboTerms.SetRedraw(TRUE);

    m_images.Create(IDB_TREE, 16, 6, RGB(255, 0, 0));
    m_listResults.SetImageList(&m_images, LVSIL_SMALL);
    m_listResults.ModifyStyle(LVS_TYPEMASK, LVS_REPORT | LVS_SORTASCENDING | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE);
    m_listResults.SetExtendedStyle(m_listResults.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    m_listResults.InsertColumn(0, "Eintrag", LVCFMT_LEFT, 250);
    m_listResults.InsertColumn(1, "Kategorie", LVCFMT_LEFT, 350);

    HICON hIcon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_SEARCH),
                                                  IMAGE_ICON, 16, 16, 0));
    if (hIcon)
        SetIcon(hIcon, FALSE);

    CRect rcClient;
    GetClientRect(&rcClient);
    Layout(rcClient.Width(), rcClient.Height());
    SetDlgItemText(IDC_SEARCH_STATUS, "Bereit.");
    return TRUE;
}

void CSuchenDlg::Layout(int cx, int cy)
{
    if (!m_listResults.m_hWnd)
        return;
    auto rectOf = [this](int nID) {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(m_hWnd, nID), &rc);
        ScreenToClient(&rc);
        return rc;
    };
    auto place = [this](int nID, int x, int y, int cx, int cy) {
        ::MoveWindow(::GetDlgItem(m_hWnd, nID), x, y, cx, cy, TRUE);
    };
    CRect rcList = rectOf(IDC_SEARCH_RESULTS);
    const int nListBottom = cy - 17;
    place(IDC_SEARCH_RESULTS, 0, rcList.top, cx, nListBottom - rcList.top);
    place(IDC_SEARCH_STATUS, 0, nListBottom + 1, cx, 16);

    CRect rcTerms = rectOf(IDC_SEARCH_TERMS);
    CRect rcTermsDropped;
    m_comboTerms.GetDroppedControlRect(&rcTermsDropped);
    place(IDC_SEARCH_TERMS, rcTerms.left, rcTerms.top, cx - 7 - rcTerms.left, rcTermsDropped.Height());

    CRect rcNew = rectOf(IDC_SEARCH_NEW);
    place(IDC_SEARCH_NEW, cx - 7 - rcNew.Width(), rcNew.top, rcNew.Width(), rcNew.Height());
    CRect rcGoTo = rectOf(IDC_SEARCH_GOTO);
    place(IDC_SEARCH_GOTO, cx - rcNew.Width() - 15 - rcGoTo.Width(), rcGoTo.top, rcGoTo.Width(), rcGoTo.Height());
    ::InvalidateRect(::GetDlgItem(m_hWnd, IDC_SEARCH_GOTO), nullptr, TRUE);
}

void CSuchenDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    Layout(cx, cy);
}

void CSuchenDlg::OnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    pMMI->ptMinTrackSize.x = 340;
    pMMI->ptMinTrackSize.y = 154;
}

LRESULT CSuchenDlg::OnExitSizeMove(WPARAM, LPARAM)
{
    PlaySoundEvent("ToolbarDrop");
    return Default();
}

void CSuchenDlg::EnableHitButtons(BOOL bEnable)
{
    for (int nID : { IDC_SEARCH_GOTO, IDC_SEARCH_NEW })
        ::EnableWindow(::GetDlgItem(m_hWnd, nID), bEnable);
}

void CSuchenDlg::RememberSearchText(const CString& strText)
{
    if (strText.IsEmpty() || m_comboTerms.FindStringExact(-1, strText) != CB_ERR)
        return;
    m_comboTerms.AddString(strText);
    if (m_pHistory)
        m_pHistory->AddTail(strText);
}

void CSuchenDlg::RunSearch()
{
    m_listResults.DeleteAllItems();
    SetDlgItemText(IDC_SEARCH_STATUS, "Suche läuft...");
    if (m_longOperation)
        m_longOperation->End(FALSE);
    m_longOperation.reset(new CLongOperation);
    m_longOperation->m_strMessage = "Durchsucht Einträge: ";
    m_longOperation->Begin();

    m_listResults.SetRedraw(FALSE);
    std::string text(kMaxSearchText + 1, '\0');
    int nLength = m_comboTerms.GetWindowText(&text[0], kMaxSearchText + 1);
    m_strSearch = CString(text.data(), nLength);
    RememberSearchText(m_strSearch);
    m_query.Parse(m_strSearch);

    CLongOperation* pOperation = m_longOperation.get();
    std::vector<CQivSearchHit> hits = QivSearchCardFile(
        m_pRoot, m_query, [pOperation](int nPercent) { pOperation->SetProgress(nPercent, FALSE); });
    for (const CQivSearchHit& hit : hits) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
        item.iItem = m_listResults.GetItemCount();
        item.pszText = const_cast<LPSTR>(hit.pItem->m_strTitle.GetString());
        item.iImage = hit.nImage;
        item.lParam = reinterpret_cast<LPARAM>(hit.hTreeItem);
        item.state = item.stateMask = LVIS_SELECTED;
        int nRow = m_listResults.InsertItem(&item);
        m_listResults.SetItemText(nRow, 1, hit.strCategory);
    }

    int nFirst = m_listResults.GetNextItem(-1, LVNI_SELECTED);
    if (nFirst >= 0)
        m_listResults.SetItemState(nFirst, LVIS_FOCUSED, LVIS_FOCUSED);
    m_listResults.SetRedraw(TRUE);
    m_listResults.SetFocus();
    EnableHitButtons(m_listResults.GetItemCount() > 0);
    m_longOperation.reset();

    SetDlgItemText(IDC_SEARCH_STATUS, QivSearchStatusText(static_cast<int>(hits.size())));
    if (hits.empty()) {
        m_comboTerms.SetEditSel(0, -1);
        m_comboTerms.SetFocus();
    }
}

void CSuchenDlg::OpenHit()
{
    int nRow = m_listResults.GetNextItem(-1, LVNI_FOCUSED | LVNI_SELECTED);
    if (nRow >= 0) {
        HTREEITEM hItem = reinterpret_cast<HTREEITEM>(m_listResults.GetItemData(nRow));
        if (m_pFrame && m_pTreeView && m_pTreeView->IsKindOf(RUNTIME_CLASS(CView)))
            m_pFrame->SetActiveView(static_cast<CView*>(m_pTreeView));
        if (m_pRoot && m_pRoot->FindItem(hItem)) {
            ::SendMessageA(m_pTreeView->GetSafeHwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem));
            if (!m_query.IsEmpty())
                QivGetShellServices().FindTextInEditor(m_query.GetFirstTerm(), FALSE, FALSE);
        } else {
            AfxMessageBox("Eintrag existiert nicht mehr!", MB_OK);
        }
    }
    m_listResults.SetFocus();
}

void CSuchenDlg::OnStart()
{
    if (::GetFocus() == m_listResults.m_hWnd)
        OpenHit();
    else
        RunSearch();
}

void CSuchenDlg::OnGoTo()
{
    OpenHit();
}

void CSuchenDlg::OnDblClkResults(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    OpenHit();
}

void CSuchenDlg::OnNewSearch()
{
    PlaySoundEvent("Clear");
    m_listResults.DeleteAllItems();
    m_comboTerms.SetEditSel(0, -1);
    m_comboTerms.SetFocus();
    EnableHitButtons(FALSE);
    SetDlgItemText(IDC_SEARCH_STATUS, "Bereit.");
}

void CSuchenDlg::OnCancel()
{
    PlaySoundEvent("ToolbarClose");
    SavePlacement();
    ShowWindow(SW_HIDE);
}

void CSuchenDlg::SavePlacement()
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!GetWindowPlacement(&wp) || wp.showCmd != SW_SHOWNORMAL)
        return;
    int values[kPlacementFields];
    PlacementToInts(wp, values);
    for (size_t i = 0; i < kPlacementFields; ++i)
        QivSettings::Set(kPlacement[i], values[i]);
}

void CSuchenDlg::RestorePlacement()
{
    if (QivSettings::Get(kPlacement[0]) == kNoPlacement)
        return;
    int values[kPlacementFields];
    for (size_t i = 0; i < kPlacementFields; ++i)
        values[i] = QivSettings::Get(kPlacement[i]);
    WINDOWPLACEMENT wp = PlacementFromInts(values);
    SetWindowPlacement(&wp);
}
