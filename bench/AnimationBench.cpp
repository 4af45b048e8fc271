// The redraw animation of a command bar at work: 1,000 animated redraws of
// one control (each a fade of six steps onto the bar's window) beside the
// plain copy a bar without animation would make, 6,000 BitBlts of the same
// rectangle from a memory DC. The fade should cost at most three times the
// copies.
#include "bench/BenchCommon.h"

#include "framework/ui/Dc.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/Animation.h"

#include <stdio.h>

namespace {

const int BAR_WIDTH = 400;
const int BAR_HEIGHT = 30;
const CRect CONTROL_RECT(100, 4, 180, 26);
const int REDRAWS = 1000;

} // namespace

int main()
{
    CWnd bar;
    if (!bar.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Leiste", WS_POPUP | WS_VISIBLE, 0, 0,
                      BAR_WIDTH, BAR_HEIGHT, nullptr, nullptr))
    {
        fprintf(stderr, "no bar window\n");
        return 1;
    }

    // The baseline: the control's rectangle copied six times per redraw,
    // each copy through a DC of the window as a repaint of a bar without
    // animation makes it (the window system shows each one).
    HDC hScreenDC = ::GetDC(bar.m_hWnd);
    CDC dcMem;
    dcMem.CreateCompatibleDC(CDC::FromHandle(hScreenDC));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(CDC::FromHandle(hScreenDC), BAR_WIDTH, BAR_HEIGHT);
    ::ReleaseDC(bar.m_hWnd, hScreenDC);
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    double dStart = bench::Now();
    for (int i = 0; i < REDRAWS * 6; ++i)
    {
        // Each copy differs from the last, as each step of a fade does.
        dcMem.FillSolidRect(&CONTROL_RECT, RGB(200, 210, (i * 37) & 0xFF));
        HDC hWindowDC = ::GetDC(bar.m_hWnd);
        ::BitBlt(hWindowDC, CONTROL_RECT.left, CONTROL_RECT.top, CONTROL_RECT.Width(),
                 CONTROL_RECT.Height(), dcMem.GetSafeHdc(), CONTROL_RECT.left, CONTROL_RECT.top, SRCCOPY);
        ::ReleaseDC(bar.m_hWnd, hWindowDC);
    }
    ::GdiFlush();
    double dBaseline = bench::Now() - dStart;
    dcMem.SelectObject(pOld);

    // The fades: the control turns hot and back, each change animated.
    bool bHot = false;
    CXTPCommandBarAnimation animation(&bar, [&bHot](CDC* pDC, const CRect& rcClip) {
        pDC->FillSolidRect(&rcClip, RGB(200, 210, 220));
        if (bHot)
            pDC->FillSolidRect(&CONTROL_RECT, RGB(255, 200, 120));
    });
    animation.EnableAnimation(TRUE);
    {
        CClientDC dc(&bar);
        animation.OnPaint(&dc, CRect(0, 0, BAR_WIDTH, BAR_HEIGHT));
    }
    int nStarted = 0;
    dStart = bench::Now();
    for (int i = 0; i < REDRAWS; ++i)
    {
        bHot = !bHot;
        animation.RedrawRect(&CONTROL_RECT, TRUE);
        nStarted += animation.GetAnimationCount() == 1;
        for (int nTick = 0; nTick < 5; ++nTick)
            animation.OnAnimate();
    }
    ::GdiFlush();
    double dAnimated = bench::Now() - dStart;
    if (nStarted != REDRAWS || animation.IsTimerRunning())
    {
        fprintf(stderr, "%d of %d redraws animated\n", nStarted, REDRAWS);
        return 1;
    }

    bench::Report("6,000 copies of the control's rectangle (baseline)", dBaseline, "s", dBaseline);
    bench::Report("1,000 animated redraws of six steps", dAnimated, "s", dBaseline);
    bar.DestroyWindow();
    return 0;
}
