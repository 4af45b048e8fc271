// The process-wide table of the toolkit's themable colours. An index 0 to 62
// names a table entry (0 black, 1 to 29 the system colours of that number,
// 30 and up colours computed from them); any larger value is a literal
// COLORREF, and -1 means unset. Beside the table the manager keeps ten
// two-colour gradients whose values follow the XP visual style's colour
// variant.
#pragma once

#include "framework/ui/CmdTarget.h"
#include "toolkit/draw/PaintManagerColor.h"

class CDC;

const int XTP_COLOR_TABLE_SIZE = 63;
const int XTP_GRADIENT_COUNT = 10;

// Colour variants of the XP visual style.
enum XTPColorScheme
{
    xtpSchemeNone = 0,
    xtpSchemeNormalColor = 1,
    xtpSchemeHomestead = 2,
    xtpSchemeMetallic = 3,
};

class CXTPColorManager : public CCmdTarget
{
public:
    CXTPColorManager();

    // Indexes above 62 (compared unsigned, so -1 too) come back unchanged.
    COLORREF ResolveColor(UINT nIndex) const;
    // Rebuilds every computed colour and gradients 0 to 6.
    void RefreshColors();

    int GetActiveColorScheme() const { return m_nLunaScheme; }
    BOOL IsLunaColorsDisabled() const { return m_bDisableLunaColors; }
    const CXTPPaintManagerColorGradient& GetGradient(int nIndex) const;

    // TRUE when the DC (the screen when null) has 1 to 8 bits per pixel.
    static BOOL IsLowColor(CDC* pDC);

    // Per channel (a·w + b·(D − w) + D/2) / D with D = 100 below 100, else
    // 1000, clamped to 0..255: weights under 100 are percent of a, larger
    // ones per mille.
    static COLORREF BlendColors(COLORREF clrA, COLORREF clrB, int nWeight);

    // Colour distance in a cube weighted 195 : 390 : 65 for red, green, blue.
    static float GetColorDistance(COLORREF clrA, COLORREF clrB);
    // TRUE when a and b lie farther apart than the threshold (adjusted for a
    // dark a when bAdjust is set).
    static BOOL HasContrast(COLORREF clrA, COLORREF clrB, BOOL bAdjust,
                                      double dThreshold);
    // A replacement for b at the adjusted threshold's distance from a, on the
    // line from black (or white) through b.
    static COLORREF EnsureContrast(COLORREF clrA, COLORREF clrB, double dThreshold);
    // b moved along the line towards a until it lies at the adjusted
    // threshold's distance from a.
    static COLORREF LimitContrast(COLORREF clrA, COLORREF clrB, double dThreshold);

    // The XP scheme for a visual style's file and colour names (any case).
    static int SchemeFromThemeNames(LPCWSTR pszThemeFile, LPCWSTR pszColorName);

    // The source of system colours 1 to 29: GetSysColor unless a hook is
    // installed (null removes it). Colours are read again at the next refresh.
    using SysColorHook = COLORREF (*)(int nIndex);
    static void SetSysColorHook(SysColorHook pfnHook);

    // Test seams: stand-ins for what the display reports, so the low-colour
    // and XP-scheme paths can run where the display cannot produce them.
    // nLowColor -1 asks the device again.
    static void SetLowColorOverride(int nLowColor);
    // The source answers FALSE when no visual style is active; null asks the
    // visual-styles library again.
    using ThemeNameSource = BOOL (*)(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor);
    static void SetThemeNameSource(ThemeNameSource pfnSource);

private:
    int DetectColorScheme() const;
    void SetClassicDefaults();
    void ComputeBlends();
    void ComputeContrasts();
    void ComputeShades();
    void ComputeGradients(BOOL bLowColor);
    void ReadTreeViewBorder();

    CXTPPaintManagerColorGradient m_grcGradient[XTP_GRADIENT_COUNT];
    BOOL m_bDisableLunaColors;
    COLORREF m_arrStandardColor[XTP_COLOR_TABLE_SIZE];
    COLORREF m_arrCustomColor[XTP_COLOR_TABLE_SIZE];
    int m_nLunaScheme;
};

// The process-wide colour manager, made on first call.
CXTPColorManager* GetColorManager();
// Rebuilds the process-wide colour table.
void RefreshSystemColors();
int GetSystemColorScheme();
BOOL IsLowColorDC(CDC* pDC);
