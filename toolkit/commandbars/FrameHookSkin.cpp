// The skinned frame's non-client part: while the ribbon draws the caption
// the frame's client area reaches to the window's top edge (the ribbon sits
// where the system's caption was), the side and bottom borders keep the
// system's sizing width and are drawn by the Office 2007 look, and the
// system's own caption is kept from painting over the ribbon when the
// frame's text or icon changes or it is activated.
#include "toolkit/commandbars/FrameHook.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/draw/Office2007Theme.h"

namespace {

CXTPOffice2007Theme* AsFrameTheme(CXTPPaintManager* pPaintManager)
{
    const int nTheme = pPaintManager ? pPaintManager->BaseTheme() : -1;
    return nTheme == xtpThemeOffice2007 || nTheme == xtpThemeRibbon ? static_cast<CXTPOffice2007Theme*>(pPaintManager)
                                                                    : nullptr;
}

} // namespace

CXTPOffice2007Theme* FrameHook::GetFrameTheme() const
{
    // The command bars' look when it can draw a frame, else the ribbon's own.
    if (CXTPOffice2007Theme* pTheme = AsFrameTheme(m_pCommandBars ? m_pCommandBars->GetPaintManager() : nullptr))
        return pTheme;
    return AsFrameTheme(m_pPaintManager);
}

BOOL FrameHook::IsFrameSkinned() const
{
    HWND hWnd = m_pFrame ? m_pFrame->GetSafeHwnd() : nullptr;
    return hWnd && !IsMDIMaximized() && !IsFrameSkinDisabled() && !::IsIconic(hWnd) && GetFrameTheme();
}

void FrameHook::CalcSkinnedClient(HWND hWnd, RECT& rc) const
{
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME);
    const int cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    rc.left += cxFrame;
    rc.right -= cxFrame;
    rc.bottom -= cyFrame;
    // A maximised frame's borders lie beyond the screen, the top one too.
    if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_MAXIMIZE)
        rc.top += cyFrame;
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

void FrameHook::PaintSkinnedFrame(HWND hWnd)
{
    CXTPOffice2007Theme* pTheme = GetFrameTheme();
    if (!pTheme)
        return;
    CRect rcWindow, rcClient;
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.TopLeft());
    CWindowDC dc(m_pFrame);
    dc.ExcludeClipRect(&rcClient);
    pTheme->DrawFrame(&dc, this);
}

int FrameHook::OnSkinMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    if (!IsFrameSkinned())
        return hookNext;
    switch (nMessage)
    {
    case WM_NCCALCSIZE:
    {
        RECT* pRect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                             : reinterpret_cast<RECT*>(lParam);
        CalcSkinnedClient(hWnd, *pRect);
        lResult = 0;
        return hookHandled;
    }
    case WM_NCPAINT:
        PaintSkinnedFrame(hWnd);
        lResult = 0;
        return hookHandled;
    case WM_SETTEXT:
    case WM_SETICON:
    {
        // The system paints its caption with the new text or icon unless
        // the window looks hidden meanwhile; the ribbon shows them instead.
        const LONG nStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
        if (nStyle & WS_VISIBLE)
            ::SetWindowLongA(hWnd, GWL_STYLE, nStyle & ~WS_VISIBLE);
        lResult = ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
        if (nStyle & WS_VISIBLE)
            ::SetWindowLongA(hWnd, GWL_STYLE, nStyle);
        if (m_pRibbonBar && m_pRibbonBar->GetSafeHwnd())
            m_pRibbonBar->Redraw();
        return hookHandled;
    }
    default:
        return hookNext;
    }
}
