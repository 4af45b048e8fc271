#include "Shots.h"
#include "ShotSupport.h"

#include "framework/ui/ControlBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonQuickAccess.h"
#include "toolkit/extras/RibbonTab.h"

#include <memory>

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};

// One button of the shot icon in the group.
void AddShotButton(CXTPRibbonGroup* pGroup, LPCSTR lpszCaption, int nStyle)
{
    CXTPControl* pControl = pGroup->Add(xtpControlButton, ID_SHOT);
    pControl->SetCaption(lpszCaption);
    pControl->SetStyle(nStyle);
}

// A ribbon of three tabs (the third a context tab) with four groups on the first.
void FillRibbon(CXTPRibbonBar* pRibbon)
{
    CXTPRibbonTab* pStart = pRibbon->AddTab("&Start");
    CXTPRibbonGroup* pClipboard = pStart->AddGroup("Zwischenablage", 1);
    AddShotButton(pClipboard, "Einfügen", xtpButtonIconAndCaptionBelow);
    AddShotButton(pClipboard, "Ausschneiden", xtpButtonIconAndCaption);
    AddShotButton(pClipboard, "Kopieren", xtpButtonIconAndCaption);
    CXTPRibbonGroup* pFont = pStart->AddGroup("Schriftart", 2);
    for (const char* pszCaption : {"Fett", "Kursiv", "Unterstrichen", "Größer", "Kleiner"})
        AddShotButton(pFont, pszCaption, xtpButtonIconAndCaption);
    CXTPRibbonGroup* pNotes = pStart->AddGroup("Notizen", 3);
    AddShotButton(pNotes, "Neue Notiz", xtpButtonIconAndCaptionBelow);
    AddShotButton(pNotes, "Neue Kategorie", xtpButtonIconAndCaptionBelow);
    CXTPRibbonGroup* pSearch = pStart->AddGroup("Suchen", 4);
    AddShotButton(pSearch, "Suchen", xtpButtonIconAndCaptionBelow);
    AddShotButton(pSearch, "Gehe zu", xtpButtonIconAndCaption);
    AddShotButton(pRibbon->AddTab("&Einfügen")->AddGroup("Anlagen", 5), "Datei", xtpButtonIconAndCaptionBelow);
    CXTPRibbonTab* pContext = pRibbon->AddTab("&Tabelle");
    pContext->SetContextColor(xtpRibbonTabContextColorGreen);
    pContext->SetContextCaption("Tabellentools");
    AddShotButton(pContext->AddGroup("Zeilen", 6), "Zeile", xtpButtonIconAndCaptionBelow);
    for (int i = 0; i < 3; ++i)
    {
        CXTPControl* pControl = new CXTPControlButton;
        pControl->SetID(ID_SHOT);
        pControl->SetStyle(xtpButtonIcon);
        pRibbon->GetQuickAccessControls()->Add(pControl);
    }
    pRibbon->SelectTab(0);
}

// Lays the ribbon out at the width and shoots it.
void ShootAt(CXTPRibbonBar* pRibbon, int nWidth, const std::string& strPath, const std::string& strName,
             int& nShots, int& nFailed, std::string& strIndex)
{
    const CSize size = pRibbon->CalcDockingLayout(nWidth, LM_HORZDOCK);
    pRibbon->SetWindowPos(nullptr, 0, 0, nWidth, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    pRibbon->CalcDockingLayout(nWidth, LM_HORZDOCK | LM_COMMIT);
    CSize szShot;
    const bool bWritten = ShootWindow(*pRibbon, strPath, szShot);
    CountBarShot(bWritten, strName, szShot, nShots, nFailed, strIndex);
}

// The whole frame window, its skinned border and the ribbon in its caption
// included, as the screen shows it while the frame is active.
void ShootFrameWindow(CFrameWnd* pFrame, const std::string& strPath, const std::string& strName, int& nShots,
                      int& nFailed, std::string& strIndex)
{
    pFrame->SetForegroundWindow();
    pFrame->RecalcLayout();
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    CShotDib dib(rcWindow.Size());
    bool bWritten = false;
    if (dib.IsValid())
    {
        HDC hScreen = ::GetDC(nullptr);
        ::BitBlt(dib.Dc().GetSafeHdc(), 0, 0, rcWindow.Width(), rcWindow.Height(), hScreen, rcWindow.left,
                 rcWindow.top, SRCCOPY);
        ::ReleaseDC(nullptr, hScreen);
        bWritten = dib.Write(strPath);
    }
    CountBarShot(bWritten, strName, rcWindow.Size(), nShots, nFailed, strIndex);
}

} // namespace

// The ribbon at full, reduced and scrolled widths, minimised and with the
// quick access row below: shots/ribbon/<look>-<state>.png, under the ribbon
// theme with and without the test style module and under the classic theme.
void ShootRibbon(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex, int& nShots,
                 int& nFailed)
{
    const std::string strRibbon = strFolder + "\\ribbon";
    ::CreateDirectoryA(strRibbon.c_str(), nullptr);
    const struct
    {
        const char* pszLook;
        int nTheme;
        bool bModule;
    } kLooks[] = {{"ribbon", xtpThemeRibbon, false}, {"ribbon-module", xtpThemeRibbon, true},
                  {"classic", xtpThemeOffice2000, false}};
    for (const auto& look : kLooks)
    {
        if (look.bModule)
            GetOffice2007StyleResources()->LoadStyleModule(
                ModulePathBeside("office2007\\ThemeStyleModule.dll").c_str());
        SetPaintTheme(look.nTheme);
        CFrameWnd* pFrame = ShowFrame("Menüband", CRect(0, 0, 900, 500));
        {
            std::unique_ptr<CXTPCommandBars, ReleaseBars> pCommandBars(new CXTPCommandBars);
            pCommandBars->SetSite(pFrame);
            pCommandBars->SetImageManager(pImages);
            pImages->InternalAddRef();
            pCommandBars->CreateDockBars();
            CXTPRibbonBar* pRibbon = static_cast<CXTPRibbonBar*>(
                pCommandBars->CreateToolBar("Menüband", xtpBarTop, RUNTIME_CLASS(CXTPRibbonBar)));
            if (pRibbon)
            {
                FillRibbon(pRibbon);
                pFrame->RecalcLayout();
                PumpMessages();
                const std::string strBase = strRibbon + "\\" + look.pszLook;
                const std::string strName = std::string("ribbon/") + look.pszLook;
                ShootAt(pRibbon, 860, strBase + "-full.png", strName + "-full", nShots, nFailed, strIndex);
                ShootAt(pRibbon, 420, strBase + "-reduced.png", strName + "-reduced", nShots, nFailed, strIndex);
                ShootAt(pRibbon, 260, strBase + "-narrow.png", strName + "-narrow", nShots, nFailed, strIndex);
                pRibbon->SetGroupsScrollPos(80);
                ShootAt(pRibbon, 260, strBase + "-scrolled.png", strName + "-scrolled", nShots, nFailed,
                        strIndex);
                pRibbon->SelectTab(2);
                ShootAt(pRibbon, 860, strBase + "-context.png", strName + "-context", nShots, nFailed,
                        strIndex);
                pRibbon->SelectTab(static_cast<CXTPRibbonTab*>(nullptr));
                ShootAt(pRibbon, 860, strBase + "-minimised.png", strName + "-minimised", nShots, nFailed,
                        strIndex);
                pRibbon->SelectTab(0);
                pRibbon->SetShowQuickAccessBelow(TRUE);
                ShootAt(pRibbon, 860, strBase + "-quickaccess-below.png", strName + "-quickaccess-below",
                        nShots, nFailed, strIndex);
                // Drawn into the caption of a skinned frame: the caption
                // buttons, the title beside the context header, the system
                // button at the left end.
                pRibbon->SetShowQuickAccessBelow(FALSE);
                pRibbon->EnableFrameTheme(TRUE);
                ShootAt(pRibbon, 860, strBase + "-frame.png", strName + "-frame", nShots, nFailed, strIndex);
                ShootFrameWindow(pFrame, strBase + "-frame-window.png", strName + "-frame-window", nShots,
                                 nFailed, strIndex);
                pRibbon->SelectTab(2);
                ShootAt(pRibbon, 860, strBase + "-frame-context.png", strName + "-frame-context", nShots, nFailed,
                        strIndex);
                pRibbon->SelectTab(0);
                CXTPControl* pSystemButton = new CXTPControlButton;
                pSystemButton->SetID(ID_SHOT);
                pRibbon->SetSystemButton(pSystemButton);
                ShootAt(pRibbon, 860, strBase + "-frame-system-button.png", strName + "-frame-system-button", nShots,
                        nFailed, strIndex);
                pRibbon->SetSystemButton(nullptr);
                pRibbon->EnableFrameTheme(FALSE);
            }
            else
                Count(false, std::string("ribbon/") + look.pszLook, "ribbon", nShots, nFailed, strIndex);
            pCommandBars->RemoveAll();
        }
        pFrame->DestroyWindow();
        if (look.bModule)
        {
            // The module's images stay cached unless they go too.
            GetOffice2007StyleResources()->SetHandle(::GetModuleHandleA(nullptr));
            GetOffice2007StyleResources()->RemoveAllImages();
        }
    }
    SetPaintTheme(xtpThemeOffice2000);
}
