// The colour table is filled in one pass, in a fixed order: system colours,
// classic defaults, blends, contrast corrections, derived shades, gradients.
// Later steps read what earlier steps wrote, so the order is part of the
// result.
#include "toolkit/draw/ColorManager.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/WinThemeWrapper.h"

#include <wchar.h>
#include <wctype.h>

namespace {

const COLORREF clrUnset = static_cast<COLORREF>(-1);
const int cchThemeName = 260;

int s_nLowColorOverride = -1;
CXTPColorManager::SysColorHook s_pfnSysColorHook = nullptr;
CXTPColorManager::ThemeNameSource s_pfnThemeNameSource = nullptr;

BOOL ReadThemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor)
{
    CXTPWinThemeWrapper wrapper;
    if (!wrapper.IsThemeActive())
        return FALSE;
    return SUCCEEDED(wrapper.GetCurrentThemeName(pszFile, cchFile, pszColor, cchColor,
                                                 nullptr, 0));
}

void LowerCase(LPWSTR psz)
{
    for (; *psz; ++psz)
        *psz = static_cast<wchar_t>(towlower(*psz));
}

// Each channel of clr times nNumerator / nDenominator, truncated.
COLORREF ScaleChannels(COLORREF clr, int nNumerator, int nDenominator)
{
    return RGB(GetRValue(clr) * nNumerator / nDenominator,
               GetGValue(clr) * nNumerator / nDenominator,
               GetBValue(clr) * nNumerator / nDenominator);
}

int MaxChannel(COLORREF clr)
{
    int nMax = GetRValue(clr);
    if (GetGValue(clr) > nMax)
        nMax = GetGValue(clr);
    if (GetBValue(clr) > nMax)
        nMax = GetBValue(clr);
    return nMax;
}

struct SchemeGradient
{
    COLORREF clrFirst;
    COLORREF clrSecond;
    float fFactor;
};

// Gradients 0 to 6 for the three colour variants of the XP style.
const SchemeGradient s_schemeGradients[3][7] = {
    {   // "normalcolor"
        {0xD68759, 0x962D00, 0.5f}, {0xF5BE9E, 0xFADAC4, 0.5f}, {0xD68759, 0x962D00, 0.5f},
        {0xFEECDD, 0xE2A981, 0.75f}, {0xFFEFE3, 0xE4AD87, 0.5f}, {0xF6DDCB, 0xDCA179, 0.5f},
        {0xFFEFE3, 0xE7B593, 0.5f},
    },
    {   // "homestead"
        {0x82C0AF, 0x447A63, 0.5f}, {0xA7D9D9, 0xE4F1F2, 0.5f}, {0x6F8E78, 0x435B49, 0.5f},
        {0xDEF7F4, 0x91C6B7, 0.3f}, {0xEDFFFF, 0x92C7B8, 0.3f}, {0xD1E6E6, 0x78B4A4, 0.3f},
        {0xD5F0EC, 0x9FCEC2, 0.5f},
    },
    {   // "metallic"
        {0xBFA7A8, 0x916F70, 0.5f}, {0xE5D7D7, 0xF7F3F3, 0.5f}, {0xBFA7A8, 0x977677, 0.5f},
        {0xFFF9F9, 0xB79B9C, 0.75f}, {0xFFF9F9, 0xB99D9F, 0.75f}, {0xE2D7D7, 0x9E7E80, 0.75f},
        {0xF1E7E9, 0xCDB9BA, 0.5f},
    },
};
const COLORREF s_schemeEntry54[3] = {0x962D00, 0x588060, 0x947C7C};

} // namespace

CXTPColorManager::CXTPColorManager()
    : m_bDisableLunaColors(FALSE)
    , m_nLunaScheme(xtpSchemeNone)
{
    for (int i = 0; i < XTP_COLOR_TABLE_SIZE; ++i)
    {
        m_arrStandardColor[i] = 0;
        m_arrCustomColor[i] = clrUnset;
    }
    RefreshColors();
    m_grcGradient[7].SetStandardValue(0x8CD5FF, 0x55ADFF);
    m_grcGradient[8].SetStandardValue(0x4B8EFE, 0x8BCFFF);
    m_grcGradient[9].SetStandardValue(0xC8F2FF, 0x97D4FF);
}

COLORREF CXTPColorManager::ResolveColor(UINT nIndex) const
{
    if (nIndex >= static_cast<UINT>(XTP_COLOR_TABLE_SIZE))
        return nIndex;
    if (m_arrCustomColor[nIndex] != clrUnset)
        return m_arrCustomColor[nIndex];
    return m_arrStandardColor[nIndex];
}

const CXTPPaintManagerColorGradient& CXTPColorManager::GetGradient(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < XTP_GRADIENT_COUNT);
    return m_grcGradient[nIndex];
}

BOOL CXTPColorManager::IsLowColor(CDC* pDC)
{
    if (s_nLowColorOverride >= 0)
        return s_nLowColorOverride != 0;

    int nBitsPerPixel;
    if (pDC && pDC->GetSafeHdc())
    {
        nBitsPerPixel = pDC->GetDeviceCaps(BITSPIXEL);
    }
    else
    {
        HWND hDesktop = ::GetDesktopWindow();
        HDC hDC = ::GetDC(hDesktop);
        if (!hDC)
            return FALSE;
        nBitsPerPixel = ::GetDeviceCaps(hDC, BITSPIXEL);
        ::ReleaseDC(hDesktop, hDC);
    }
    return nBitsPerPixel >= 1 && nBitsPerPixel <= 8;
}

void CXTPColorManager::SetSysColorHook(SysColorHook pfnHook)
{
    s_pfnSysColorHook = pfnHook;
}

void CXTPColorManager::SetLowColorOverride(int nLowColor)
{
    s_nLowColorOverride = nLowColor;
}

void CXTPColorManager::SetThemeNameSource(ThemeNameSource pfnSource)
{
    s_pfnThemeNameSource = pfnSource;
}

int CXTPColorManager::SchemeFromThemeNames(LPCWSTR pszThemeFile, LPCWSTR pszColorName)
{
    wchar_t szFile[cchThemeName] = {};
    wchar_t szColor[cchThemeName] = {};
    wcsncpy(szFile, pszThemeFile, cchThemeName - 1);
    wcsncpy(szColor, pszColorName, cchThemeName - 1);
    LowerCase(szFile);
    LowerCase(szColor);

    if (!wcsstr(szFile, L"luna.msstyles") && !wcsstr(szFile, L"winxp.luna.cjstyles"))
        return xtpSchemeNone;
    if (wcscmp(szColor, L"normalcolor") == 0)
        return xtpSchemeNormalColor;
    if (wcscmp(szColor, L"homestead") == 0)
        return xtpSchemeHomestead;
    if (wcscmp(szColor, L"metallic") == 0)
        return xtpSchemeMetallic;
    return xtpSchemeNone;
}

int CXTPColorManager::DetectColorScheme() const
{
    if (IsLowColor(nullptr))
        return xtpSchemeNone;
    wchar_t szFile[cchThemeName] = {};
    wchar_t szColor[cchThemeName] = {};
    ThemeNameSource pfnSource = s_pfnThemeNameSource ? s_pfnThemeNameSource : ReadThemeNames;
    if (!pfnSource(szFile, cchThemeName, szColor, cchThemeName))
        return xtpSchemeNone;
    szFile[cchThemeName - 1] = 0;
    szColor[cchThemeName - 1] = 0;
    return SchemeFromThemeNames(szFile, szColor);
}

void CXTPColorManager::RefreshColors()
{
    m_nLunaScheme = DetectColorScheme();
    BOOL bLowColor = IsLowColor(nullptr);

    m_arrStandardColor[0] = 0;
    for (int i = 1; i <= 29; ++i)
        m_arrStandardColor[i] = s_pfnSysColorHook ? s_pfnSysColorHook(i) : ::GetSysColor(i);

    SetClassicDefaults();
    if (bLowColor)
    {
        ComputeGradients(TRUE);
        return;
    }
    ComputeBlends();
    ComputeContrasts();
    ComputeShades();
    ComputeGradients(FALSE);
    ReadTreeViewBorder();
}

void CXTPColorManager::SetClassicDefaults()
{
    struct Default
    {
        int nEntry;
        int nSource;
    };
    static const Default s_defaults[] = {
        {30, 15}, {31, 5}, {32, 13}, {33, 13}, {34, 16}, {35, 17}, {36, 5}, {37, 13},
        {38, 16}, {39, 16}, {40, 16}, {42, 16}, {43, 16}, {48, 16}, {52, 16}, {54, 16},
        {57, 16}, {60, 16}, {61, 16}, {41, 5}, {44, 8}, {45, 7}, {46, 18}, {47, 14},
        {49, 14}, {50, 13}, {51, 15}, {53, 15}, {55, 15}, {56, 15}, {58, 17}, {59, 0},
    };
    for (const Default& d : s_defaults)
        m_arrStandardColor[d.nEntry] = ResolveColor(d.nSource);
}

void CXTPColorManager::ComputeBlends()
{
    struct Blend
    {
        int nEntry, nA, nB, nWeight;
    };
    static const Blend s_blends[] = {
        {30, 5, 15, 165}, {31, 13, 5, 30},  {33, 13, 5, 50},  {41, 15, 5, 143},
        {35, 17, 5, 70},  {38, 16, 5, 75},  {39, 16, 5, 70},  {43, 46, 16, 20},
        {61, 46, 16, 15}, {40, 16, 5, 90},  {42, 15, 16, 90},
    };
    for (const Blend& b : s_blends)
        m_arrStandardColor[b.nEntry] = BlendColors(ResolveColor(b.nA), ResolveColor(b.nB),
                                                   b.nWeight);

    if (HasContrast(ResolveColor(15), ResolveColor(30), TRUE, 35))
        m_arrStandardColor[30] = LimitContrast(ResolveColor(15), ResolveColor(30), 35);
}

void CXTPColorManager::ComputeContrasts()
{
    struct Correction
    {
        int nEntry, nA, nB, nThreshold;
    };
    static const Correction s_corrections[] = {
        {31, 30, 31, 50},  {32, 30, 13, 100}, {33, 30, 33, 30},  {35, 41, 35, 80},
        {37, 33, 37, 100}, {38, 30, 38, 85},  {39, 30, 39, 50},  {43, 41, 43, 100},
        {61, 30, 61, 100}, {40, 30, 40, 80},  {44, 41, 44, 180}, {45, 31, 45, 180},
        {46, 30, 46, 180}, {47, 33, 47, 180},
    };
    for (const Correction& c : s_corrections)
    {
        COLORREF clrA = ResolveColor(c.nA);
        COLORREF clrB = ResolveColor(c.nB);
        if (!HasContrast(clrA, clrB, TRUE, c.nThreshold))
            m_arrStandardColor[c.nEntry] = EnsureContrast(clrA, clrB, c.nThreshold);
    }

    if (HasContrast(ResolveColor(41), ResolveColor(35), TRUE, 145))
        m_arrStandardColor[35] = LimitContrast(ResolveColor(41), ResolveColor(35), 145);
}

void CXTPColorManager::ComputeShades()
{
    COLORREF clr5 = ResolveColor(5);
    COLORREF clr13 = ResolveColor(13);
    COLORREF clr15 = ResolveColor(15);
    COLORREF clr16 = ResolveColor(16);
    COLORREF clr30 = ResolveColor(30);

    auto shade = [](int c30, int c5, int c13) { return c30 / 2 + c5 * 2 / 5 + c13 / 10; };
    m_arrStandardColor[36] = RGB(shade(GetRValue(clr30), GetRValue(clr5), GetRValue(clr13)),
                                 shade(GetGValue(clr30), GetGValue(clr5), GetGValue(clr13)),
                                 shade(GetBValue(clr30), GetBValue(clr5), GetBValue(clr13)));

    // A shade lighter than button face by up to 35 in its strongest channel.
    int nMax = MaxChannel(clr15);
    if (nMax == 0)
    {
        m_arrStandardColor[48] = 0x232323;
    }
    else
    {
        int nLift = 255 - nMax < 35 ? 255 - nMax : 35;
        m_arrStandardColor[48] = ScaleChannels(clr15, nMax + nLift, nMax);
    }

    // A shade darker than button shadow by 43 in its strongest channel.
    if (clr15 == 0)
    {
        m_arrStandardColor[49] = 0x7F7F7F;
    }
    else
    {
        nMax = MaxChannel(clr16);
        int nLowered = nMax - 43 > 0 ? nMax - 43 : 0;
        m_arrStandardColor[49] = nMax == 0 ? 0 : ScaleChannels(clr16, nLowered, nMax);
    }

    m_arrStandardColor[34] = ScaleChannels(m_arrStandardColor[31], 3, 4);

    auto lift = [](int c) { return c + 15 > 255 ? 255 : c + 15; };
    m_arrStandardColor[22] = RGB(lift(GetRValue(clr15)), lift(GetGValue(clr15)),
                                 lift(GetBValue(clr15)));

    m_arrStandardColor[53] = ResolveColor(30);
    m_arrStandardColor[58] = ResolveColor(40);
    m_arrStandardColor[60] = m_arrStandardColor[40];
}

void CXTPColorManager::ComputeGradients(BOOL bLowColor)
{
    int nScheme = m_bDisableLunaColors ? xtpSchemeNone : m_nLunaScheme;
    if (nScheme >= xtpSchemeNormalColor && nScheme <= xtpSchemeMetallic)
    {
        for (int i = 0; i < 7; ++i)
        {
            const SchemeGradient& g = s_schemeGradients[nScheme - 1][i];
            m_grcGradient[i].SetStandardValue(g.clrFirst, g.clrSecond, g.fFactor);
        }
        m_arrStandardColor[54] = s_schemeEntry54[nScheme - 1];
    }
    else
    {
        COLORREF clr5 = ResolveColor(5);
        COLORREF clr15 = ResolveColor(15);
        COLORREF clr16 = ResolveColor(16);
        m_grcGradient[0].SetStandardValue(clr16, clr16);
        m_grcGradient[1].SetStandardValue(clr15, BlendColors(clr15, clr5, 215));
        m_grcGradient[2].SetStandardValue(clr15, clr16);
        m_grcGradient[3].SetStandardValue(BlendColors(clr15, clr5, 205), clr15);
        m_grcGradient[4].SetStandardValue(BlendColors(clr15, clr5, 145),
                                          BlendColors(clr15, clr5, 93));
        m_grcGradient[5].SetStandardValue(BlendColors(clr15, clr5, 40),
                                          BlendColors(clr15, clr16, 95));
        m_grcGradient[6].SetStandardValue(BlendColors(clr15, clr5, 165),
                                          BlendColors(clr15, clr5, 42));
    }

    if (bLowColor)
    {
        m_grcGradient[1].SetSolid(ResolveColor(15));
        m_grcGradient[3].SetSolid(ResolveColor(15));
    }
}

void CXTPColorManager::ReadTreeViewBorder()
{
    CXTPWinThemeWrapper wrapper;
    wrapper.OpenThemeData(nullptr, L"TREEVIEW");
    if (!wrapper.GetThemeHandle())
        return;
    COLORREF clrBorder = 0;
    if (SUCCEEDED(wrapper.GetThemeColor(0, 0, 3801, &clrBorder)))   // TMT_BORDERCOLOR
        m_arrStandardColor[57] = clrBorder;
    wrapper.CloseThemeData();
}

CXTPColorManager* GetColorManager()
{
    // Built on first use and destroyed at exit.
    static CXTPColorManager s_colorManager;
    return &s_colorManager;
}

void RefreshSystemColors()
{
    GetColorManager()->RefreshColors();
}

int GetSystemColorScheme()
{
    return GetColorManager()->GetActiveColorScheme();
}

BOOL IsLowColorDC(CDC* pDC)
{
    return CXTPColorManager::IsLowColor(pDC);
}
