// Per theme, the whole picture: the docking sample frame (menu bar, docked
// toolbar rows, dock areas and the status bar), one whole toolbar and the
// floating toolbar, and menus a person opens: a shortened menu with its
// expand button, the same menu expanded with the items only an expanded
// menu shows, and a menu with its tear-off strip.
#include "Shots.h"
#include "ShotSupport.h"
#include "DockSample.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"

#include <stdio.h>

namespace {

const UINT ID_RARE = 1001;
const UINT ID_RARER = 1002;

// A file menu whose second and fourth items are rarely used commands, which
// a shortened menu leaves out; with its tear-off strip when asked.
CXTPPopupBar* MakeShotMenu(CXTPCommandBars* pCommandBars, bool bTearOff)
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    CXTPControls* pControls = pPopup->GetControls();
    pControls->Add(xtpControlButton, ID_SHOT)->SetCaption("&Neu\tStrg+N");
    pControls->Add(xtpControlButton, ID_RARE)->SetCaption("&Vorlagen...");
    pControls->Add(xtpControlButton, 0)->SetCaption("\xD6&ffnen...");
    CXTPControl* pRarer = pControls->Add(xtpControlButton, ID_RARER);
    pRarer->SetCaption("&Eigenschaften");
    pRarer->SetBeginGroup(TRUE);
    pControls->Add(xtpControlButton, 0)->SetCaption("&Schlie\xDF" "en");
    if (bTearOff)
        pPopup->SetTearOffPopup("Datei", 5000);
    return pPopup;
}

} // namespace

void ShootThemeFrame(CXTPPaintManager* pPaintManager, CXTPImageManager* pImages,
                     const std::string& strThemeFolder, const char* pszTheme, std::string& strIndex,
                     int& nShots, int& nFailed)
{
    const std::string strTheme(pszTheme);
    // The status bar draws with the process's paint manager.
    pPaintManager->InternalAddRef();
    SetCurrentPaintManager(pPaintManager);
    CDockSampleFrame* pFrame = CDockSampleFrame::Make(CRect(20, 20, 660, 420), pImages, ID_SHOT);
    if (pFrame == nullptr || pFrame->GetFloatingBar() == nullptr)
    {
        Count(false, strTheme + "/frame", "dock areas", nShots, nFailed, strIndex);
        return;
    }
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    pCommandBars->SetPaintManager(pPaintManager);
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    pCommandBars->RecalcFrameLayout();
    PumpMessages();
    Count(ShootWindow(*pFrame, strThemeFolder + "\\frame.png"), strTheme + "/frame",
          "menu bar, docked toolbars, dock areas and status bar", nShots, nFailed, strIndex);
    if (CXTPToolBar* pStandard = pCommandBars->GetToolBar(301))
        Count(ShootWindow(*pStandard, strThemeFolder + "\\toolbar-whole.png"), strTheme + "/toolbar-whole",
              "whole toolbar", nShots, nFailed, strIndex);
    Count(ShootWindow(*pFrame->GetFloatingBar(), strThemeFolder + "\\toolbar-floating.png"),
          strTheme + "/toolbar-floating", "floating toolbar", nShots, nFailed, strIndex);
    pCommandBars->RemoveAll();
    pFrame->DestroyWindow();
    PumpMessages();
}

void ShootThemeMenus(CXTPPaintManager* pPaintManager, CXTPImageManager* pImages,
                     const std::string& strThemeFolder, const char* pszTheme, std::string& strIndex,
                     int& nShots, int& nFailed)
{
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetPaintManager(pPaintManager);
    pCommandBars->SetImageManager(pImages);
    pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    pCommandBars->HideCommand(ID_RARE);
    pCommandBars->HideCommand(ID_RARER);
    const struct
    {
        const char* pszName;
        bool bExpand;
        bool bTearOff;
    } menus[] = {{"popupbar-collapsed", false, false}, {"popupbar-expanded", true, false},
                 {"popupbar-tearoff", false, true}};
    for (const auto& menu : menus)
    {
        const std::string strName = std::string(pszTheme) + "/" + menu.pszName;
        CSize size;
        bool bShot = false;
        // Another program of the display taking the foreground closes the
        // menu, so it is opened anew until a shot is taken.
        for (int nTry = 0; nTry < 3 && !bShot; ++nTry)
        {
            XTPMouseManager()->SetMenusExpanded(FALSE);
            CXTPPopupBar* pPopup = MakeShotMenu(pCommandBars, menu.bTearOff);
            bShot = pPopup->PopupAt(40, 40) != FALSE;
            if (bShot && menu.bExpand)
            {
                pPopup->ExpandToFullMenu();
                PumpMessages();
            }
            bShot = bShot && pPopup->IsWindowVisible()
                    && ShootWindow(*pPopup, strThemeFolder + "\\" + menu.pszName + ".png", size);
            pPopup->SetTrackingMode(0);
            pPopup->InternalRelease();
        }
        CountBarShot(bShot, strName, size, nShots, nFailed, strIndex);
    }
    XTPMouseManager()->SetMenusExpanded(FALSE);
    pCommandBars->InternalRelease();
}
