#include "app/TrayIcon.h"

#include "app/res/resource.h"
#include "framework/ui/Menu.h"
#include "framework/ui/Wnd.h"
#include "framework/core/Module.h"

#include <shellapi.h>
#include <string.h>

namespace {

// The tip field of the first version of the record: 64 bytes with the NUL.
const size_t kTipBytes = 64;

NOTIFYICONDATAA IconRecord(HWND hWnd)
{
    NOTIFYICONDATAA nid;
    memset(&nid, 0, sizeof(nid));
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = CQivTrayIcon::kIconId;
    return nid;
}

} // namespace

UINT CQivTrayIcon::TaskbarCreatedMessage()
{
    static const UINT nMessage = ::RegisterWindowMessageA("TaskbarCreated");
    return nMessage;
}

BOOL CQivTrayIcon::Add(CWnd* pWnd)
{
    m_hWnd = pWnd->GetSafeHwnd();
    NOTIFYICONDATAA nid = IconRecord(m_hWnd);
    nid.uFlags = NIF_MESSAGE | NIF_ICON;
    nid.uCallbackMessage = kCallbackMessage;
    nid.hIcon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON,
                                                ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    m_bAdded = ::Shell_NotifyIconA(NIM_ADD, &nid);
    // The notification area keeps its own copy of the icon.
    if (nid.hIcon)
        ::DestroyIcon(nid.hIcon);
    if (m_bAdded && !m_strTip.IsEmpty())
        SetTip(m_strTip);
    return m_bAdded;
}

BOOL CQivTrayIcon::Readd()
{
    if (!m_hWnd || !::IsWindow(m_hWnd))
        return FALSE;
    return Add(CWnd::FromHandle(m_hWnd));
}

void CQivTrayIcon::SetTip(LPCSTR lpszTitle)
{
    m_strTip = lpszTitle;
    if (!m_bAdded)
        return;
    NOTIFYICONDATAA nid = IconRecord(m_hWnd);
    nid.uFlags = NIF_TIP;
    // A longer title is cut at the last whole character that fits.
    strncpy(nid.szTip, lpszTitle, kTipBytes - 1);
    nid.szTip[kTipBytes - 1] = '\0';
    ::Shell_NotifyIconA(NIM_MODIFY, &nid);
}

void CQivTrayIcon::Remove()
{
    if (!m_bAdded)
        return;
    NOTIFYICONDATAA nid = IconRecord(m_hWnd);
    ::Shell_NotifyIconA(NIM_DELETE, &nid);
    m_bAdded = FALSE;
}

void CQivTrayIcon::OnCallback(CWnd* pWnd, LPARAM lParam, BOOL bQuickNoteOpen)
{
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDOWN:
        if (!bQuickNoteOpen)
            pWnd->SendMessage(WM_COMMAND, ID_QUICKNOTE);
        break;
    case WM_RBUTTONUP: {
        CMenu menu;
        if (!menu.LoadMenu(IDR_TRAY_MENU))
            break;
        CMenu* pPopup = menu.GetSubMenu(0);
        if (!pPopup)
            break;
        CPoint pt;
        ::GetCursorPos(&pt);
        // Without the foreground the menu would not close on a click
        // elsewhere.
        pWnd->SetForegroundWindow();
        pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, pWnd);
        pWnd->PostMessage(WM_NULL);
        break;
    }
    default:
        break;
    }
}
