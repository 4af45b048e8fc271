// Opening a menu of 500 items: the toolkit's popup bar (placed, laid out,
// shown and painted, then closed) beside the system's own menu of the same
// items shown by TrackPopupMenu and closed at its first WM_ENTERIDLE, when
// it stands painted and waits for input. Rounds of both alternate in one
// run; the popup bar should take at most twice the system menu's time.
#include "bench/BenchCommon.h"

#include "framework/ui/Wnd.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/Controls.h"

#include <stdio.h>

namespace {

const int ITEMS = 500;
const int ROUNDS = 30;
const int FIRST_ID = 1000;

// Ends the system menu as soon as it waits for input.
LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU)
        ::EndMenu();
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

CString ItemCaption(int i)
{
    CString str;
    str.Format("Eintrag &%d\tStrg+%d", i + 1, i % 10);
    return str;
}

} // namespace

int main()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &OwnerProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "QivPopupBenchOwner";
    ::RegisterClassA(&wc);
    HWND hOwner = ::CreateWindowExA(0, wc.lpszClassName, "Besitzer", WS_POPUP | WS_VISIBLE, 0, 0,
                                    200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hOwner)
    {
        fprintf(stderr, "no owner window\n");
        return 1;
    }
    ::SetForegroundWindow(hOwner);

    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < ITEMS; ++i)
        ::AppendMenuA(hMenu, MF_STRING, FIRST_ID + i, ItemCaption(i));

    CWnd* pSite = CWnd::FromHandle(hOwner);
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetSite(pSite);
    CXTPCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    pOptions->nAnimationType = 5;   // shown at once, as the system menu is
    pOptions->bDisableCommandIfNoHandler = FALSE;
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    for (int i = 0; i < ITEMS; ++i)
        pPopup->GetControls()->Add(xtpControlButton, FIRST_ID + i)->SetCaption(ItemCaption(i));

    bench::Rounds popupRounds;
    bench::Rounds menuRounds;
    // Round 0 warms both up (fonts, window classes, the menu's first
    // measuring) and is not counted.
    for (int nRound = 0; nRound <= ROUNDS; ++nRound)
    {
        double dStart = bench::Now();
        ::TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_TOPALIGN, 40, 40, 0, hOwner, nullptr);
        if (nRound > 0)
            menuRounds.Add(bench::Now() - dStart);

        dStart = bench::Now();
        pPopup->PopupAt(40, 40);
        pPopup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ::GdiFlush();
        pPopup->SetTrackingMode(0);
        if (nRound > 0)
            popupRounds.Add(bench::Now() - dStart);
    }
    const double dRatio = bench::ReportAgainst("popup bar of 500 items, opened and painted",
                                               popupRounds, "TrackPopupMenu of the same items",
                                               menuRounds);
    if (dRatio > 0)
        printf("target: within 2x of the system menu: %s\n", dRatio <= 2.0 ? "met" : "missed");

    pPopup->InternalRelease();
    pCommandBars->SetSite(nullptr);
    pCommandBars->InternalRelease();
    ::DestroyMenu(hMenu);
    ::DestroyWindow(hOwner);
    return 0;
}
