// The Office 2007 theme's construction, metrics and colours. The colours
// are four tables walked by one loop each; a key the style module lacks
// (or no module at all) never overwrites a target: it keeps what the Office
// 2003 refresh gave it, and the theme's own members start from a system
// colour, so no colour ever resolves to "no colour".
#include "toolkit/draw/Office2007Theme.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/draw/GalleryOffice2007Theme.h"
#include "toolkit/draw/Office2007Image.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/draw/SystemInfo.h"

#include <algorithm>

namespace XTPPaintThemes {

namespace {

using Theme = CXTPOffice2007Theme;

const COLORREF NO_COLOR = static_cast<COLORREF>(-1);
// The quality the caption font takes when ClearType is on.
const BYTE CAPTION_CLEARTYPE_QUALITY = 6;

// A plain colour member of the theme and the system colour it keeps when
// the module has no value.
struct PlainKey
{
    LPCSTR lpszSection;
    LPCSTR lpszKey;
    COLORREF Theme::*member;
    int nFallback;
};

const PlainKey s_plainKeys[] = {
    {"StatusBar", "StatusBarText", &Theme::m_clrStatusTextColor, COLOR_BTNTEXT},
    {"StatusBar", "StatusBarShadow", &Theme::m_clrStatusBarShadow, COLOR_BTNSHADOW},
    {"Workspace", "WorkspaceClientTop", &Theme::m_clrWorkspaceClientTop, COLOR_APPWORKSPACE},
    {"Workspace", "WorkspaceClientMiddle", &Theme::m_clrWorkspaceClientMiddle, COLOR_APPWORKSPACE},
    {"Workspace", "WorkspaceClientBottom", &Theme::m_clrWorkspaceClientBottom, COLOR_APPWORKSPACE},
    {"Window", "CaptionTextActiveTitle", &Theme::m_clrFrameCaptionTextActiveTitle, COLOR_CAPTIONTEXT},
    {"Window", "CaptionTextInActive", &Theme::m_clrFrameCaptionTextInActive, COLOR_INACTIVECAPTIONTEXT},
    {"Window", "CaptionTextActive", &Theme::m_clrFrameCaptionTextActive, COLOR_CAPTIONTEXT},
};

// The four border colours of each set: "<prefix>0" .. "<prefix>3".
struct BorderKeys
{
    LPCSTR lpszPrefix;
    COLORREF (Theme::*member)[4];
    int nFallback;
};

const BorderKeys s_borderKeys[] = {
    {"BorderActive", &Theme::m_clrFrameBorderActive, COLOR_ACTIVEBORDER},
    {"BorderInactive", &Theme::m_clrFrameBorderInactive, COLOR_INACTIVEBORDER},
};

// A colour member with a standard value.
struct ColorKey
{
    LPCSTR lpszSection;
    LPCSTR lpszKey;
    CXTPPaintManagerColor Theme::*member;
};

const ColorKey s_colorKeys[] = {
    {"Toolbar", "ToolbarFaceShadow", &Theme::m_clrToolbarShadow},
    {"Toolbar", "MenuPopupTearOffGripper", &Theme::m_clrTearOffGripper},
    {"Toolbar", "FloatingBarGripper", &Theme::m_clrFloatingGripper},
    {"Toolbar", "FloatingBarGripperText", &Theme::m_clrFloatingGripperText},
};

// A gradient member: its first ("Light") and second ("Dark") end; the same
// key twice makes it solid.
struct GradientKey
{
    LPCSTR lpszSection;
    LPCSTR lpszLight;
    LPCSTR lpszDark;
    CXTPPaintManagerColorGradient Theme::*member;
    float fFactor;
};

const GradientKey s_gradientKeys[] = {
    {"StatusBar", "StatusBarFaceTopLight", "StatusBarFaceTopDark", &Theme::m_clrStatusBarTop, 0.5f},
    {"StatusBar", "StatusBarFaceBottomLight", "StatusBarFaceBottomDark", &Theme::m_clrStatusBarBottom,
     0.5f},
    {"Toolbar", "DockBarFace", "DockBarFace", &Theme::m_clrDockBar, 0.5f},
    {"Toolbar", "ToolbarFaceLight", "ToolbarFaceDark", &Theme::m_clrToolbarFace, 0.75f},
    {"Toolbar", "ControlToolbarExpandLight", "ControlToolbarExpandDark", &Theme::m_clrToolbarExpand,
     0.75f},
    {"Toolbar", "ControlHighlightPopupedLight", "ControlHighlightPopupedDark", &Theme::m_clrPopupControl,
     0.5f},
    {"Toolbar", "MenuPopupExpandedGripperLight", "MenuPopupExpandedGripperDark",
     &Theme::m_clrMenuExpandedGripper, 0.5f},
    {"Window", "HighlightSelectedLight", "HighlightSelectedDark", &Theme::m_grcLunaSelected, 0.5f},
    {"Window", "HighlightCheckedLight", "HighlightCheckedDark", &Theme::m_grcLunaChecked, 0.5f},
    {"Window", "HighlightPressedLight", "HighlightPressedDark", &Theme::m_grcLunaPushed, 0.5f},
    {"Toolbar", "ControlDisabledIconLight", "ControlDisabledIconDark", &Theme::m_clrBarGradient, 0.5f},
};

// An entry of the paint manager's colour table.
struct EntryKey
{
    LPCSTR lpszSection;
    LPCSTR lpszKey;
    int nIndex;
};

const EntryKey s_entryKeys[] = {
    {"Toolbar", "MenuPopupBorder", 43},       {"Toolbar", "ToolbarGripper", 38},
    {"Window", "WindowFrame", 54},            {"Toolbar", "FloatingBarBorder", 61},
    {"Workspace", "AppWorkspace", 12},        {"Window", "ButtonFace", 51},
    {"Toolbar", "ToolbarFace", 30},           {"Toolbar", "ToolbarSeparator", 39},
    {"Toolbar", "ControlDisabledIcon", 40},   {"Window", "HighlightSelected", 31},
    {"Window", "HighlightSelectedBorder", 32}, {"Window", "HighlightPressed", 33},
    {"Window", "HighlightPressedBorder", 50}, {"Window", "HighlightChecked", 36},
    {"Window", "HighlightCheckedBorder", 37}, {"Toolbar", "ControlLabel", 56},
    {"Toolbar", "ControlEditBorder", 53},
};

// Table entries the theme sets to fixed values.
const struct
{
    int nIndex;
    COLORREF clr;
} s_fixedEntries[] = {
    {41, 0xf6f6f6}, {44, 0x000000}, {45, 0x000000}, {46, 0x000000}, {60, 0x8d8d8d},
    {58, 0x8d8d8d}, {35, 0x8d8d8d}, {47, 0x000000},
};

void SetIfFound(CXTPPaintManagerColor& color, COLORREF clr)
{
    if (clr != NO_COLOR)
        color.SetStandardValue(clr);
}

} // namespace

CXTPOffice2007Theme::CXTPOffice2007Theme()
    : m_nRibbonCaptionHeight(27), m_nFrameCaptionHeight(21), m_nFrameBorder(4),
      m_clrFrameBorderActive{}, m_clrFrameBorderInactive{}, m_clrFrameCaptionTextActive(0),
      m_clrFrameCaptionTextInActive(0), m_clrFrameCaptionTextActiveTitle(0), m_clrMenuBarText(0),
      m_clrStatusBarShadow(0), m_clrWorkspaceClientTop(0), m_clrWorkspaceClientMiddle(0),
      m_clrWorkspaceClientBottom(0)
{
    m_nShadowOptions = 1;
    m_systemTheme = 0;
    m_bThemedStatusBar = TRUE;
    m_bFrameStatusBar = FALSE;
    delete m_pGalleryPaintManager;
    m_pGalleryPaintManager = new CXTPControlGalleryOffice2007Theme(this);
}

CXTPOffice2007Theme::~CXTPOffice2007Theme()
{
    m_fontFrameCaption.DeleteObject();
}

void CXTPOffice2007Theme::RefreshMetrics()
{
    CXTPOffice2003Theme::RefreshMetrics();
    RefreshCaptionFont();

    UINT nBorder = 1;
    ::SystemParametersInfoA(SPI_GETBORDER, 0, &nBorder, 0);
    const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
    m_nFrameBorder = static_cast<int>(nBorder) + 3;
    m_nFrameCaptionHeight = std::max(cyCaption + m_nFrameBorder, 21);
    m_nRibbonCaptionHeight = std::max(cyCaption + 5, 27);

    RefreshStyleColors();
    BuildExpandMenuImage();
    // The base refresh refreshed the gallery painter before this theme's
    // colours were set; its fallbacks are those colours.
    m_pGalleryPaintManager->RefreshMetrics();
}

void CXTPOffice2007Theme::RefreshCaptionFont()
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    ncm.lfCaptionFont.lfWeight = FW_NORMAL;
    if (m_bClearTypeTextQuality && IsWindowsXPOrLater())
        ncm.lfCaptionFont.lfQuality = CAPTION_CLEARTYPE_QUALITY;
    if (m_fontFrameCaption.IsStandardFont() || !m_fontFrameCaption.GetSafeHandle())
        m_fontFrameCaption.SetIndirect(ncm.lfCaptionFont);
    // The base refresh made the small caption font; only its weight changes.
    LOGFONTA lfSmall = {};
    if (m_fontSmCaption.IsStandardFont() && m_fontSmCaption.GetSafeHandle()
        && m_fontSmCaption.GetLogFont(&lfSmall) && lfSmall.lfWeight != FW_NORMAL)
    {
        lfSmall.lfWeight = FW_NORMAL;
        m_fontSmCaption.SetIndirect(lfSmall);
    }
}

void CXTPOffice2007Theme::RefreshStyleColors()
{
    const CXTPOffice2007StyleResources* pStyle = GetOffice2007StyleResources();
    auto lookup = [pStyle](LPCSTR lpszSection, LPCSTR lpszKey) {
        return pStyle->LookupColor(lpszSection, lpszKey);
    };

    for (const PlainKey& key : s_plainKeys)
    {
        COLORREF clr = lookup(key.lpszSection, key.lpszKey);
        this->*key.member = clr != NO_COLOR ? clr : ResolveColor(key.nFallback);
    }
    for (const BorderKeys& keys : s_borderKeys)
    {
        for (int i = 0; i < 4; ++i)
        {
            CString strKey;
            strKey.Format("%s%d", keys.lpszPrefix, i);
            COLORREF clr = lookup("Window", strKey);
            (this->*keys.member)[i] = clr != NO_COLOR ? clr : ResolveColor(keys.nFallback);
        }
    }

    // The status bar faces have no base value of their own.
    m_clrStatusBarTop.SetStandardValue(ResolveColor(COLOR_BTNFACE), ResolveColor(COLOR_BTNFACE));
    m_clrStatusBarBottom.SetStandardValue(ResolveColor(COLOR_BTNFACE), ResolveColor(COLOR_BTNFACE));
    for (const GradientKey& key : s_gradientKeys)
    {
        CXTPPaintManagerColorGradient& grc = this->*key.member;
        SetIfFound(grc.clrLight, lookup(key.lpszSection, key.lpszLight));
        SetIfFound(grc.clrDark, lookup(key.lpszSection, key.lpszDark));
        grc.fGradientFactor = key.fFactor;
    }
    for (const ColorKey& key : s_colorKeys)
        SetIfFound(this->*key.member, lookup(key.lpszSection, key.lpszKey));
    for (const EntryKey& key : s_entryKeys)
        SetIfFound(m_arrColor[key.nIndex], lookup(key.lpszSection, key.lpszKey));
    for (const auto& entry : s_fixedEntries)
        m_arrColor[entry.nIndex].SetStandardValue(entry.clr);

    m_clrMenuExpand.SetStandardFrom(m_clrPopupControl);
    m_clrBaseDark = 0;
    m_arrColor[52].SetStandardValue(m_clrToolbarShadow.GetColor());
    m_bLunaTheme = TRUE;
    // Without a menu-bar text colour a plain menu-bar item keeps the Office rule's colour.
    COLORREF clrMenuBarText = lookup("Toolbar", "MenuBarText");
    m_clrMenuBarText = clrMenuBarText != NO_COLOR
                           ? clrMenuBarText
                           : CXTPOfficeTheme::GetControlTextColor(FALSE, FALSE, TRUE, FALSE, FALSE,
                                                                  xtpBarTypeMenuBar, xtpBarTop);
}

CXTPOffice2007Image* CXTPOffice2007Theme::GetImage(LPCSTR lpszName) const
{
    return GetOffice2007StyleResources()->GetImage(lpszName);
}

BOOL CXTPOffice2007Theme::DrawImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nState, int nCount,
                                    const CRect& rcMargins) const
{
    CXTPOffice2007Image* pImage = GetImage(lpszName);
    if (!pImage || rc.IsRectEmpty())
        return pImage != nullptr;
    pImage->DrawImage(pDC, rc, pImage->GetSource(nState, nCount), rcMargins);
    return TRUE;
}

BOOL CXTPOffice2007Theme::DrawImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nState, int nCount,
                                    const CRect& rcMargins, COLORREF clrTransparent) const
{
    CXTPOffice2007Image* pImage = GetImage(lpszName);
    if (!pImage || rc.IsRectEmpty())
        return pImage != nullptr;
    pImage->DrawImage(pDC, rc, pImage->GetSource(nState, nCount), rcMargins, clrTransparent);
    return TRUE;
}

} // namespace XTPPaintThemes
