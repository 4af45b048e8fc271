#include "app/SplashWnd.h"

#include "app/Settings.h"
#include "framework/ui/Dc.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/WndClass.h"

namespace {

// Own DC, and the screen below saved while the window stands.
const UINT kClassStyle = CS_OWNDC | CS_SAVEBITS;

} // namespace

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

CSplashWnd* CSplashWnd::ShowSplashScreen()
{
    CSplashWnd* pSplash = new CSplashWnd;
    if (!QivLoadProgramPicture(pSplash->m_picture, "splash.jpg") || !pSplash->Create()) {
        delete pSplash;
        return nullptr;
    }
    return pSplash;
}

BOOL CSplashWnd::Create()
{
    m_szPicture = m_picture.GetSizePixels();
    LPCSTR lpszClass = AfxRegisterWndClass(kClassStyle, ::LoadCursor(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, "", WS_POPUP | WS_VISIBLE,
                  CRect(0, 0, m_szPicture.cx, m_szPicture.cy), nullptr, 0))
        return FALSE;
    CenterWindow();
    ShowWindow(SW_SHOW);
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    SetTimer(kTimerId, kShowMilliseconds);
    return TRUE;
}

void CSplashWnd::CloseSplash()
{
    m_bClosed = 1;
    m_picture.Release();
    DestroyWindow();
}

void CSplashWnd::PostNcDestroy()
{
    delete this;
}

void CSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    m_picture.Render(&dc, rc);
}

BOOL CSplashWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CSplashWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTimerId) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kTimerId);
    CloseSplash();
}

void CSplashWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    if (nState != WA_CLICKACTIVE || m_bClosed) {
        CWnd::OnActivate(nState, pWndOther, bMinimized);
        return;
    }
    KillTimer(kTimerId);
    if (pWndOther)
        pWndOther->SetActiveWindow();
    // A user who clicks the splash away does not want it again.
    QivSettings::Set(QivSettings::ShowSplash, "0");
    CloseSplash();
}
