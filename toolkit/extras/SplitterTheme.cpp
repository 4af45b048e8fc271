#include "toolkit/extras/SplitterTheme.h"

#include "toolkit/draw/ColorManager.h"

namespace {

// Face and border per colour scheme (1 blue, 2 olive, 3 silver).
struct SchemeColors
{
    int nScheme;
    COLORREF clrFace;
    COLORREF clrBorder;
};

const SchemeColors SCHEME_COLORS[] = {
    { 1, 0xFCE7D8, 0xF5BE9E },
    { 2, 0xBFE7E2, 0x8AC0AB },
    { 3, 0xEADFDF, 0xC3B0B1 },
};

} // namespace

CXTSplitterWndTheme::CXTSplitterWndTheme()
    : m_clrSplitterFace(::GetSysColor(COLOR_BTNFACE))
    , m_clrSplitterBorder(::GetSysColor(COLOR_BTNSHADOW))
{
}

void CXTSplitterWndTheme::RefreshColors()
{
    m_clrSplitterFace = GetColorManager()->ResolveColor(COLOR_BTNFACE);
    m_clrSplitterBorder = GetColorManager()->ResolveColor(COLOR_BTNSHADOW);
}

void CXTSplitterWndThemeOffice2003::RefreshColors()
{
    CXTSplitterWndTheme::RefreshColors();
    CXTPColorManager* pColors = GetColorManager();
    if (pColors->IsLunaColorsDisabled())
        return;
    int nScheme = pColors->GetActiveColorScheme();
    for (const SchemeColors& scheme : SCHEME_COLORS)
    {
        if (scheme.nScheme == nScheme)
        {
            m_clrSplitterFace = scheme.clrFace;
            m_clrSplitterBorder = scheme.clrBorder;
        }
    }
}

IMPLEMENT_DYNCREATE(CXTSplitterWndThemeFactory, CXTThemeManagerStyleFactory)

CXTThemeManagerStyle* CXTSplitterWndThemeFactory::MakeStyle(int nTheme)
{
    switch (nTheme)
    {
    case 1:
        return new CXTSplitterWndThemeOfficeXP;
    case 2:
        return new CXTSplitterWndThemeOffice2003;
    default:
        return new CXTSplitterWndTheme;
    }
}
