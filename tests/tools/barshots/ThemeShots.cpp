#include "Shots.h"
#include "ShotSupport.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/draw/PaintManager.h"

#include <stdio.h>

namespace {

// A bar of the type and position of the shot.
class CShotBar : public CXTPCommandBar
{
public:
    CShotBar(int nType, int nPosition)
    {
        m_barType = nType;
        m_barPosition = nPosition;
    }
};

struct BarKind
{
    const char* pszName;
    int nType;
    int nPosition;
};

const BarKind s_bars[] = {
    {"toolbar", xtpBarTypeNormal, xtpBarTop},
    {"vertical", xtpBarTypeNormal, xtpBarLeft},
    {"menubar", xtpBarTypeMenuBar, xtpBarTop},
    {"popup", xtpBarTypePopup, xtpBarPopup},
};

struct ControlKind
{
    const char* pszName;
    int nType;
    int nStyle;
    const char* pszCaption;
    int nId;
};

const ControlKind s_controls[] = {
    {"button", xtpControlButton, xtpButtonIconAndCaption, "&Speichern\tStrg+S", ID_SHOT},
    {"caption", xtpControlButton, xtpButtonCaption, "&Drucken", ID_SHOT},
    {"icon", xtpControlButton, xtpButtonIcon, "Neu", ID_SHOT},
    {"large", xtpControlButton, xtpButtonIconAndCaptionBelow, "Neue Kategorie", ID_SHOT},
    {"popup", xtpControlPopup, xtpButtonAutomatic, "&Ansicht", 0},
    {"split", xtpControlSplitButtonPopup, xtpButtonIconAndCaption, "Farbe", ID_SHOT},
    {"checkbox", xtpControlCheckBox, xtpButtonAutomatic, "Fett", 0},
    {"label", xtpControlLabel, xtpButtonAutomatic, "Suchen:", 0},
    {"edit", xtpControlEdit, xtpButtonCaption, "Titel", 0},
    {"combo", xtpControlComboBox, xtpButtonAutomatic, "", 0},
};

struct StateKind
{
    const char* pszName;
    int nSelected;
    int nPressed;
    int nChecked;
    BOOL bEnabled;
};

const StateKind s_states[] = {
    {"normal", 0, 0, 0, TRUE},   {"hot", 1, 0, 0, TRUE},     {"pressed", 1, 1, 0, TRUE},
    {"checked", 0, 0, 1, TRUE},  {"checkedhot", 1, 0, 1, TRUE}, {"disabled", 0, 0, 0, FALSE},
    {"keyboard", 2, 0, 0, TRUE},
};

// Draws the control into a DIB of its own rectangle over the bar's background.
bool Shoot(CXTPPaintManager* pPaintManager, CShotBar& bar, CXTPControl* pControl,
           const std::string& strPath, CSize& size)
{
    CDC dcMeasure;
    dcMeasure.CreateCompatibleDC(nullptr);
    size = pControl->GetSize(&dcMeasure);
    if (pControl->GetType() == xtpControlEdit || pControl->GetType() == xtpControlComboBox)
        size.cx = bar.GetType() == xtpBarTypePopup ? size.cx + 120 : 120;
    if (size.cx <= 0 || size.cy <= 0)
        return false;
    pControl->SetRect(CRect(CPoint(0, 0), size));
    CShotDib dib(size);
    if (!dib.IsValid())
        return false;
    dib.Dc().FillSolidRect(CRect(CPoint(0, 0), size), pPaintManager->ResolveColor(COLOR_3DFACE));
    pControl->Draw(&dib.Dc());
    return dib.Write(strPath);
}

int s_nShotScheme = 0;

// The visual style's names for the scheme of the theme being shot.
BOOL ShotThemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor)
{
    static const wchar_t* const s_colorNames[] = {L"", L"NormalColor", L"HomeStead", L"Metallic"};
    ::lstrcpynW(pszFile, L"Luna.msstyles", cchFile);
    ::lstrcpynW(pszColor, s_colorNames[s_nShotScheme], cchColor);
    return TRUE;
}

// Whole popup menus, opened on the screen: a menu with groups, access keys
// far into their captions, a checked and a disabled item and a sub-menu, and a menu too tall for the screen,
// scrolled a few steps down. Appends their index lines; answers how many
// could not be written.
void ShootPopups(CXTPPaintManager* pPaintManager, CXTPImageManager* pImages,
                 const std::string& strThemeFolder, const char* pszTheme, std::string& strIndex,
                 int& nShots, int& nFailed)
{
    for (int nKind = 0; nKind < 2; ++nKind)
    {
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(nullptr);
        pPopup->SetPaintManager(pPaintManager);
        pPopup->SetImageManager(pImages);
        CXTPControls* pControls = pPopup->GetControls();
        const char* pszName = nKind == 0 ? "popupbar-open" : "popupbar-scrolled";
        if (nKind == 0)
        {
            pControls->Add(xtpControlButton, ID_SHOT)->SetCaption("&Speichern\tStrg+S");
            pControls->Add(xtpControlButton, 0)->SetCaption("Speichern &unter...");
            // Access keys far into the caption: the underline must stay under its letter.
            pControls->Add(xtpControlButton, 0)->SetCaption("Seite ein&richten...");
            pControls->Add(xtpControlButton, 0)->SetCaption("Seitenansic&ht");
            CXTPControl* pChecked = pControls->Add(xtpControlButton, 0);
            pChecked->SetCaption("&Immer im Vordergrund");
            pChecked->SetChecked(TRUE);
            pChecked->SetBeginGroup(TRUE);
            CXTPControl* pDisabled = pControls->Add(xtpControlButton, 0);
            pDisabled->SetCaption("&Drucken...\tStrg+P");
            pDisabled->SetEnabled(FALSE);
            CXTPControl* pSub = pControls->Add(xtpControlPopup, 0);
            pSub->SetCaption("&Exportieren");
            pSub->SetBeginGroup(TRUE);
            pControls->Add(xtpControlButton, 0)->SetCaption("&Beenden");
        }
        else
        {
            for (int i = 0; i < 80; ++i)
            {
                CString strCaption;
                strCaption.Format("Eintrag &%d", i + 1);
                pControls->Add(xtpControlButton, 0)->SetCaption(strCaption);
            }
        }
        CSize size;
        std::string strName = std::string(pszTheme) + "/" + pszName;
        bool bShot = pPopup->PopupAt(20, 20) != FALSE;
        if (bShot && nKind == 1)
            for (int i = 0; i < 5; ++i)
                pPopup->ScrollDown();
        if (bShot && nKind == 0)
            pPopup->SetSelected(0, 2);
        bShot = bShot && ShootWindow(*pPopup, strThemeFolder + "\\" + pszName + ".png", size);
        pPopup->SetTrackingMode(0);
        pPopup->InternalRelease();
        CountBarShot(bShot, strName, size, nShots, nFailed, strIndex);
    }
}

// Every control kind in every state on each bar kind, each drawn into a DIB
// of its own rectangle.
void ShootControls(CXTPPaintManager* pPaintManager, CXTPImageManager* pImages,
                   const std::string& strThemeFolder, const char* pszTheme, std::string& strIndex,
                   int& nShots, int& nFailed)
{
    for (const BarKind& barKind : s_bars)
    {
        for (const ControlKind& controlKind : s_controls)
        {
            for (const StateKind& state : s_states)
            {
                CShotBar bar(barKind.nType, barKind.nPosition);
                bar.SetPaintManager(pPaintManager);
                bar.SetImageManager(pImages);
                CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, controlKind.nId);
                pControl->SetType(controlKind.nType);
                pControl->SetStyle(controlKind.nStyle);
                pControl->SetCaption(controlKind.pszCaption);
                pControl->SetChecked(state.nChecked);
                pControl->SetEnabled(state.bEnabled);
                pControl->OnSetSelected(state.nSelected);
                pControl->SetPressed(state.nPressed);

                std::string strName = std::string(barKind.pszName) + "-" + controlKind.pszName
                                      + "-" + state.pszName;
                CSize size;
                if (!Shoot(pPaintManager, bar, pControl, strThemeFolder + "\\" + strName + ".png",
                           size))
                {
                    ++nFailed;
                    fprintf(stderr, "barshots: %s/%s not written\n", pszTheme, strName.c_str());
                    continue;
                }
                ++nShots;
                char szLine[512];
                snprintf(szLine, sizeof(szLine), "%s/%s,%d,%d,%d,%s,%s,%ldx%ld\n", pszTheme,
                         strName.c_str(), controlKind.nType, controlKind.nStyle,
                         barKind.nPosition, state.pszName,
                         CsvField(controlKind.pszCaption).c_str(), size.cx, size.cy);
                strIndex += szLine;
            }
        }
    }
}

} // namespace

void ShootThemes(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex,
                 int& nShots, int& nFailed, bool bStylesOff)
{
    // Themes with a scheme draw as under that XP colour variant; with the
    // module, the Office 2007 and ribbon looks take the test style module's
    // colours and images (each frame one solid colour); the ribbon look's
    // folders are named "ribbontheme", as "ribbon" holds the ribbon bar's
    // shots. With visual styles off only the native look is shot again,
    // under a name of its own.
    const struct
    {
        int nTheme;
        const char* pszName;
        int nScheme;
        bool bModule;
    } themes[] = {{xtpThemeOffice2000, "classic", 0, false}, {xtpThemeOfficeXP, "office", 0, false},
                  {xtpThemeOffice2003, "office2003", 0, false}, {xtpThemeOffice2003, "office2003-blue", 1, false},
                  {xtpThemeOffice2003, "office2003-olive", 2, false},
                  {xtpThemeOffice2003, "office2003-silver", 3, false},
                  {xtpThemeNativeWinXP, "nativexp", 0, false}, {xtpThemeWhidbey, "whidbey", 0, false},
                  {xtpThemeWhidbey, "whidbey-silver", 3, false}, {xtpThemeOffice2007, "office2007", 0, false},
                  {xtpThemeOffice2007, "office2007-module", 0, true}, {xtpThemeRibbon, "ribbontheme", 0, false},
                  {xtpThemeRibbon, "ribbontheme-module", 0, true}};
    for (const auto& theme : themes)
    {
        if (bStylesOff && theme.nTheme != xtpThemeNativeWinXP)
            continue;
        const std::string strName = std::string(theme.pszName) + (bStylesOff ? "-stylesoff" : "");
        s_nShotScheme = theme.nScheme;
        CXTPColorManager::SetThemeNameSource(theme.nScheme ? &ShotThemeNames : nullptr);
        if (theme.bModule)
            GetOffice2007StyleResources()->LoadStyleModule(ModulePathBeside("office2007\\ThemeStyleModule.dll").c_str());
        CXTPPaintManager* pPaintManager = CreatePaintTheme(theme.nTheme);
        pPaintManager->RefreshMetrics();
        std::string strThemeFolder = strFolder + "\\" + strName;
        ::CreateDirectoryA(strThemeFolder.c_str(), nullptr);
        ShootControls(pPaintManager, pImages, strThemeFolder, strName.c_str(), strIndex, nShots, nFailed);
        ShootPopups(pPaintManager, pImages, strThemeFolder, strName.c_str(), strIndex, nShots, nFailed);
        ShootThemeMenus(pPaintManager, pImages, strThemeFolder, strName.c_str(), strIndex, nShots, nFailed);
        ShootThemeFrame(pPaintManager, pImages, strThemeFolder, strName.c_str(), strIndex, nShots, nFailed);
        pPaintManager->InternalRelease();
        if (theme.bModule)
        {
            // Switching to a module without style text keeps the images already loaded.
            GetOffice2007StyleResources()->SetHandle(::GetModuleHandleA(nullptr));
            GetOffice2007StyleResources()->RemoveAllImages();
        }
    }
    CXTPColorManager::SetThemeNameSource(nullptr);
    SetPaintTheme(xtpThemeOffice2000);
}
