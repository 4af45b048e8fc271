#include "app/WindowVisibility.h"

#include "app/Settings.h"
#include "app/res/resource.h"
#include "framework/ui/Menu.h"
#include "framework/ui/Wnd.h"

namespace {

CString TopMostMenuText()
{
    CString strFull;
    strFull.LoadString(IDS_ALWAYS_ON_TOP);
    int nBreak = strFull.Find('\n');
    return nBreak < 0 ? strFull : strFull.Mid(nBreak + 1);
}

} // namespace

void QivApplyTopMost(CWnd* pFrame)
{
    const BOOL bTopMost = QivSettings::Get(QivSettings::TopMost) != 0;
    pFrame->SetWindowPos(bTopMost ? &CWnd::wndTopMost : &CWnd::wndNoTopMost, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CMenu* pSysMenu = pFrame->GetSystemMenu(FALSE);
    if (!pSysMenu)
        return;
    const UINT nCheck = MF_BYCOMMAND | (bTopMost ? MF_CHECKED : MF_UNCHECKED);
    if (pSysMenu->GetMenuState(kSysCommandTopMost, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
        pSysMenu->CheckMenuItem(kSysCommandTopMost, nCheck);
        return;
    }
    pSysMenu->InsertMenu(SC_CLOSE, MF_BYCOMMAND | MF_STRING | (bTopMost ? MF_CHECKED : MF_UNCHECKED),
                         kSysCommandTopMost, TopMostMenuText());
    pSysMenu->InsertMenu(SC_CLOSE, MF_BYCOMMAND | MF_SEPARATOR, 0, static_cast<LPCSTR>(nullptr));
}

BOOL QivHandleSysCommand(CWnd* pFrame, UINT nID, BOOL bTrayIconShown)
{
    if ((nID & 0xFFF0) == kSysCommandTopMost) {
        QivSettings::Set(QivSettings::TopMost, QivSettings::Get(QivSettings::TopMost) ? 0 : 1);
        QivApplyTopMost(pFrame);
        return TRUE;
    }
    if ((nID & 0xFFF0) == SC_MINIMIZE && QivSettings::IsOn(QivSettings::AutoHide) && bTrayIconShown) {
        pFrame->ShowWindow(SW_HIDE);
        return TRUE;
    }
    return FALSE;
}

BOOL QivIsWindowPutAway(CWnd* pFrame)
{
    return !pFrame->IsWindowVisible() || pFrame->IsIconic();
}

void QivToggleHideRestore(CWnd* pFrame)
{
    if (!QivIsWindowPutAway(pFrame)) {
        pFrame->ShowWindow(SW_HIDE);
        return;
    }
    pFrame->ShowWindow(pFrame->IsIconic() ? SW_RESTORE : SW_SHOW);
    pFrame->SetForegroundWindow();
    pFrame->BringWindowToTop();
}

LPCSTR QivHideRestoreText(CWnd* pFrame)
{
    return QivIsWindowPutAway(pFrame) ? "&Wiederherstellen" : "&Verstecken";
}
