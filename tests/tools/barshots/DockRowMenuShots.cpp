// The menus of a dock row, shot from the screen with the frame beneath
// them: the docking sample with three toolbars in its top row, narrowed so
// that each hides buttons; the chevron of the middle one opened (the hidden
// buttons of the whole row), then its add-or-remove menu (an entry per bar
// of the row); and the toolbars menu of a right click beside the bars.
#include "Shots.h"
#include "ShotSupport.h"
#include "DockSample.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"

#include <string>

namespace {

// The screen inside the rectangle, as the display shows it now.
bool ShootScreen(const CRect& rc, const std::string& strPath)
{
    PumpMessages();
    CShotDib dib(rc.Size());
    if (!dib.IsValid())
        return false;
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(dib.Dc().GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    return dib.Write(strPath);
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

// The frame's rectangle grown to hold every popup tracked now.
CRect FrameAndPopups(CWnd* pFrame)
{
    CRect rc = WindowRect(pFrame);
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    for (INT_PTR i = 0; i < pMouseManager->GetTrackCount(); ++i)
        if (CXTPCommandBar* pBar = pMouseManager->GetTrackAt(i))
            if (pBar->GetSafeHwnd() && pBar->IsWindowVisible())
                rc.UnionRect(&rc, WindowRect(pBar));
    return rc;
}

// What the timer shoots while the toolbars menu runs its own loop.
struct ContextShot
{
    CWnd* pFrame = nullptr;
    std::string strPath;
    bool bWritten = false;
    UINT_PTR nTimer = 0;
};
ContextShot s_context;

VOID CALLBACK ShootContextMenu(HWND, UINT, UINT_PTR, DWORD)
{
    if (XTPMouseManager()->GetTrackCount() == 0)
        return;
    ::KillTimer(nullptr, s_context.nTimer);
    s_context.nTimer = 0;
    s_context.bWritten = ShootScreen(FrameAndPopups(s_context.pFrame), s_context.strPath);
    XTPMouseManager()->SendTrackLost();
}

} // namespace

void ShootDockRowMenus(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex,
                       int& nShots, int& nFailed)
{
    ::CreateDirectoryA((strFolder + "\\dock").c_str(), nullptr);
    CDockSampleFrame* pFrame = CDockSampleFrame::Make(CRect(20, 20, 660, 420), pImages, ID_SHOT);
    CXTPCommandBars* pCommandBars = pFrame ? pFrame->GetCommandBars() : nullptr;
    CXTPToolBar* pFormat = pCommandBars ? pCommandBars->GetToolBar(302) : nullptr;
    CXTPToolBar* pView = pCommandBars ? pCommandBars->GetToolBar(303) : nullptr;
    if (!pFormat || !pView)
    {
        Count(false, "dock/row-expand", "dock row menus", nShots, nFailed, strIndex);
        if (pFrame)
            pFrame->DestroyWindow();
        return;
    }
    // The copies in the menus draw with the command bars' images, and stay
    // enabled as in the frame a person tries.
    pCommandBars->SetImageManager(pImages);
    pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    pFrame->ShowWindow(SW_SHOWNA);
    // "Ansicht" joins the row of "Standard" and "Format"; the narrowed
    // frame squeezes all three.
    CRect rcFormat = WindowRect(pFormat);
    CRect rcDrop(CPoint(rcFormat.right + 4, rcFormat.top), WindowRect(pView).Size());
    pCommandBars->DockCommandBar(pView, rcDrop, pCommandBars->GetDockBar(0));
    pFrame->SetWindowPos(nullptr, 0, 0, 430, 360, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    PumpMessages();

    CXTPControl* pExpand = pFormat->GetExpandButton();
    const bool bOpened = pExpand && pFormat->OpenControlPopup(pExpand->GetIndex());
    CXTPCommandBar* pMenu = bOpened ? pExpand->GetCommandBar() : nullptr;
    Count(pMenu && ShootScreen(FrameAndPopups(pFrame), strFolder + "\\dock\\row-expand.png"), "dock/row-expand",
          "expand menu of a row of three toolbars", nShots, nFailed, strIndex);
    const int nLast = pMenu ? pMenu->GetControlCount() - 1 : -1;
    const bool bSubOpened = nLast >= 0 && pMenu->OpenControlPopup(nLast);
    Count(bSubOpened && ShootScreen(FrameAndPopups(pFrame), strFolder + "\\dock\\row-addremove.png"),
          "dock/row-addremove", "add-or-remove menu of a row of three toolbars", nShots, nFailed, strIndex);
    pCommandBars->CloseAllPopups();
    PumpMessages();

    // A right click on the dock bar beside the bars: shot while its loop runs.
    CXTPDockBar* pTop = pCommandBars->GetDockBar(0);
    CRect rcTop = WindowRect(pTop);
    s_context = ContextShot();
    s_context.pFrame = pFrame;
    s_context.strPath = strFolder + "\\dock\\dockbar-context.png";
    s_context.nTimer = ::SetTimer(nullptr, 0, 20, ShootContextMenu);
    CPoint ptClient(rcTop.Width() - 30, rcTop.Height() / 2);
    pTop->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    if (s_context.nTimer)
        ::KillTimer(nullptr, s_context.nTimer);
    Count(s_context.bWritten, "dock/dockbar-context", "toolbars menu of the dock bar", nShots, nFailed, strIndex);

    pCommandBars->RemoveAll();
    pFrame->DestroyWindow();
    PumpMessages();
}
