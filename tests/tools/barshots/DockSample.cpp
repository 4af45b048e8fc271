#include "DockSample.h"
#include "BarshotsRes.h"
#include "DockCustomize.h"
#include "FormatFields.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"

#include <stdio.h>

#include <vector>

namespace {

const UINT kStatusPanes[] = {0};
// The profile section the bars' state lives under.
const char kStateSection[] = "CommandBars";

} // namespace

CXTPToolBar* CDockSampleFrame::AddToolBar(LPCSTR lpszTitle, UINT nBarId, int nPosition, int nButtons)
{
    CXTPToolBar* pBar = GetCommandBars()->CreateToolBar(lpszTitle, nPosition);
    if (!pBar)
        return nullptr;
    pBar->SetBarID(nBarId);
    pBar->SetImageManager(m_pImages);
    // Every third button begins a group.
    std::vector<UINT> items;
    for (int i = 0; i < nButtons; ++i)
    {
        if (i > 0 && i % 3 == 0)
            items.push_back(0);
        items.push_back(m_nIconId);
    }
    pBar->LoadToolBarItems(items.data(), static_cast<int>(items.size()));
    return pBar;
}

CDockSampleFrame* CDockSampleFrame::Make(const CRect& rc, CXTPImageManager* pImages, UINT nIconId)
{
    auto* pFrame = new CDockSampleFrame;   // frames delete themselves when destroyed
    pFrame->m_pImages = pImages;
    pFrame->m_nIconId = nIconId;
    if (!pFrame->CXTPFrameWnd::Create(nullptr, "Andocken", WS_OVERLAPPEDWINDOW, rc))
        return nullptr;
    // The status bar first: the frame lays its bars out in the order they
    // were made, and the status bar lies below the bottom dock bar.
    if (!pFrame->m_status.Create(pFrame) || !pFrame->InitCommandBars())
    {
        pFrame->DestroyWindow();
        return nullptr;
    }
    pFrame->m_status.SetPanesFromIds(kStatusPanes, 1);
    pFrame->m_status.SetPaneTextAt(0, "Bereit");

    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    pCommandBars->CreateMenuBar("Men\xFC", IDR_DOCK_MENU);
    CXTPToolBar* pStandard = pFrame->AddToolBar("Standard", 301, xtpBarTop, 7);
    CXTPToolBar* pFormat = pFrame->AddToolBar("Format", 302, xtpBarTop, 5);
    if (pFormat)
        AddFormatFields(pFormat->GetControls(), 3001, 0);
    pFrame->AddToolBar("Ansicht", 303, xtpBarTop, 9);
    pFrame->AddToolBar("Zeichnen", 304, xtpBarLeft, 6);
    pFrame->AddToolBar("Suchen", 305, xtpBarBottom, 4);
    pFrame->m_pFloating = pFrame->AddToolBar("Tabelle", 306, xtpBarFloating, 6);
    pFrame->RecalcLayout();
    // The format bar joins the standard bar's row, a little apart from it.
    if (pStandard && pFormat)
    {
        CRect rcStandard, rcFormat;
        pStandard->GetWindowRect(&rcStandard);
        pFormat->GetWindowRect(&rcFormat);
        CRect rcDrop(CPoint(rcStandard.right + 30, rcStandard.top), rcFormat.Size());
        pCommandBars->DockCommandBar(pFormat, rcDrop, pCommandBars->GetDockBar(0));
    }
    if (pFrame->m_pFloating)
    {
        // Its buttons came after it floated: it measures itself again.
        pFrame->m_pFloating->OnRecalcLayout();
        pFrame->m_pFloating->SetWindowPos(nullptr, rc.left + rc.Width() / 2, rc.top + rc.Height() / 2,
                                          0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    pFrame->RecalcLayout();
    return pFrame;
}

BOOL CDockSampleFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && lParam == 0)
    {
        printf("WM_COMMAND %u\n", static_cast<unsigned>(LOWORD(wParam)));
        fflush(stdout);
        // The customise command is taken here, not by a handler of the
        // command map: with such a handler the bars would store their
        // controls too, and the frame's stored state is the arrangement of
        // its bars alone.
        const UINT nId = LOWORD(wParam);
        BOOL bDone = TRUE;
        if (nId == XTP_ID_CUSTOMIZE)
            CDockCustomizeDlg::Open(this, GetCommandBars());
        else if (nId == ID_APP_EXIT)
            PostMessage(WM_CLOSE);
        else
            bDone = GetCommandBars() && CDockCustomizeDlg::RunCommand(GetCommandBars(), nId);
        if (bDone)
        {
            *pResult = 0;
            return TRUE;
        }
    }
    // The state is stored before the bars go away with the window.
    if (message == WM_CLOSE && m_bStoreState && GetCommandBars())
    {
        GetCommandBars()->WriteOptionsToProfile(kStateSection);
        GetCommandBars()->StoreStateToProfile(kStateSection);
    }
    return CXTPFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

int CDockSampleFrame::Run(LPCSTR lpszCompany, LPCSTR lpszApp, BOOL bCustomize, CXTPImageManager* pImages,
                          UINT nIconId)
{
    const BOOL bState = lpszCompany && *lpszCompany && lpszApp && *lpszApp;
    CWinApp* pApp = AfxGetApp();
    if (bState && pApp)
    {
        pApp->m_pszRegistryKey = lpszCompany;
        pApp->m_pszProfileName = lpszApp;
    }
    CDockSampleFrame* pFrame = Make(CRect(40, 40, 720, 520), pImages, nIconId);
    if (!pFrame)
        return 1;
    if (bState && pApp)
    {
        pFrame->GetCommandBars()->ReadOptionsFromProfile(kStateSection);
        pFrame->GetCommandBars()->RestoreStateFromProfile(kStateSection);
        pFrame->m_bStoreState = TRUE;
    }
    // Its buttons run nothing but are there to be tried.
    pFrame->GetCommandBars()->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    pFrame->ShowWindow(SW_SHOW);
    pFrame->SetForegroundWindow();
    // The floating bar floats before the frame is shown. Without a window
    // manager (Xvfb) the X server keeps the frame, shown later, above it and
    // Wine does not restack, so a bar that would lie over the frame starts
    // beside it, where a person sees it.
    if (CXTPToolBar* pFloating = pFrame->GetFloatingBar())
        if (pFloating->IsVisible())
        {
            CRect rcFrame, rcBar, rcOver;
            pFrame->GetWindowRect(&rcFrame);
            pFloating->GetWindowRect(&rcBar);
            if (rcOver.IntersectRect(&rcFrame, &rcBar))
                pFloating->SetWindowPos(nullptr, rcFrame.right + 20, rcFrame.top + rcFrame.Height() / 3, 0, 0,
                                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pFloating->ShowWindow(SW_SHOWNA);
        }
    pFrame->RecalcLayout();
    if (bCustomize)
        CDockCustomizeDlg::Open(pFrame, pFrame->GetCommandBars());
    HWND hFrame = pFrame->m_hWnd;
    MSG msg;
    while (::IsWindow(hFrame) && ::GetMessageA(&msg, nullptr, 0, 0) > 0)
    {
        // The customise window's keys (Tab, Enter, Esc) first.
        HWND hCustomize = pFrame->GetCommandBars() ? pFrame->GetCommandBars()->GetCustomizeWindow() : nullptr;
        if (hCustomize && ::IsDialogMessageA(hCustomize, &msg))
            continue;
        if (pFrame->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        // Idle: the frame's delayed layout and the bars' command states.
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && ::IsWindow(hFrame))
        {
            pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    }
    return 0;
}
