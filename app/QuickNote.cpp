#include "app/QuickNote.h"

#include "app/LocalClock.h"
#include "app/QivDialog.h"
#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "framework/ui/DataExchange.h"
#include "model/QivItem.h"
#include "model/exchange/ExchangeContext.h"

#include <memory>

BEGIN_MESSAGE_MAP(CQuickNotizDlg, CDialog)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_EXITSIZEMOVE, OnExitSizeMove)
END_MESSAGE_MAP()

CQuickNotizDlg::CQuickNotizDlg(C_QivEntry* pEntry, CWnd* pParentWnd)
    : CDialog(IDD_QUICKNOTE, pParentWnd), m_pEntry(pEntry)
{
    SYSTEMTIME now;
    QivGetLocalTime(&now);
    m_strTitle = FormatTitle(now);
}

CString CQuickNotizDlg::FormatTitle(const SYSTEMTIME& time)
{
    CString strTitle;
    strTitle.Format("%d/%02d/%02d, %02d:%02d", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute);
    return strTitle;
}

void CQuickNotizDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_QUICKNOTE_TITLE, m_strTitle);
    DDX_Text(pDX, IDC_QUICKNOTE_TEXT, m_strText);
}

BOOL CQuickNotizDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnAdd.Attach(this, IDOK, IDB_BUTTON_ADD);
    if (m_toolTip.Create(this)) {
        m_toolTip.AddTool(GetDlgItem(IDC_QUICKNOTE_TITLE), "Titel");
        m_toolTip.AddTool(GetDlgItem(IDC_QUICKNOTE_TEXT), "Text");
        m_toolTip.Activate(TRUE);
    }
    return TRUE;
}

BOOL CQuickNotizDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd)
        m_toolTip.RelayEvent(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

void CQuickNotizDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
    m_pEntry->m_strTitle = m_strTitle;
    // Plain text with its terminating NUL counted.
    m_pEntry->SetText(m_strText.GetString(), static_cast<DWORD>(m_strText.GetLength()) + 1);
}

void CQuickNotizDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    const int kBarHeight = 23;
    const int kButtonWidth = 83;
    struct { int nID; int x, y, cx, cy; } const layout[] = {
        { IDC_QUICKNOTE_TEXT, 0, kBarHeight, cx, cy - kBarHeight },
        { IDC_QUICKNOTE_TITLE, 0, 0, cx - kButtonWidth, kBarHeight },
        { IDOK, cx - kButtonWidth, 0, kButtonWidth, kBarHeight },
    };
    for (const auto& control : layout) {
        if (HWND hControl = ::GetDlgItem(m_hWnd, control.nID))
            ::MoveWindow(hControl, control.x, control.y, control.cx, control.cy, TRUE);
    }
}

BOOL CQuickNotizDlg::OnEraseBkgnd(CDC*)
{
    return TRUE;    // the controls cover the whole client area
}

LRESULT CQuickNotizDlg::OnExitSizeMove(WPARAM, LPARAM)
{
    PlaySoundEvent("ToolbarDrop");
    return Default();
}

BOOL QivRunQuickNote(const CQivExchangeContext& ctx)
{
    PlaySoundEvent("NewItem");
    std::unique_ptr<C_QivEntry> entry(new C_QivEntry(""));
    CQuickNotizDlg dialog(entry.get(), ctx.pOwner);
    if (dialog.DoModal() != IDOK) {
        PlaySoundEvent("DialogCancel");
        return FALSE;
    }
    PlaySoundEvent("InsertRow");
    CQuietSoundEvents quiet;
    C_QivEntry* pEntry = entry.release();
    ctx.pRoot->InsertChild(pEntry, nullptr);
    QivMarkModified(ctx);
    QivInsertFirstIntoTree(ctx, pEntry, ctx.pRoot);
    QivSelectInTree(ctx, pEntry);
    return TRUE;
}
