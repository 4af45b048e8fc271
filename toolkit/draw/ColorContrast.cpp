// Blending and contrast rules of the colour manager. Colours are compared as
// points in a cube weighted 195 : 390 : 65 (red, green, blue), so green
// counts most towards how different two colours look. All of it runs in
// floating point; results are rounded to the nearest channel value.
//
// Which way a colour moves depends on comparing two computed values. Both
// sides of such a comparison must carry the same precision: the build keeps
// doubles in SSE2 registers (no 80-bit x87 intermediates), and the brightness
// order of two colours is decided on exact integers.
#include "toolkit/draw/ColorManager.h"

#include <float.h>
#include <math.h>

static_assert(FLT_EVAL_METHOD == 0,
              "floating point must be evaluated in the precision of its type (SSE2 on x86)");

namespace {

const double cxRed = 195.0;
const double cxGreen = 390.0;
const double cxBlue = 65.0;
// The brightness of white, rounded up.
const double dMaxBrightness = 442.0;

struct ColorPoint
{
    double r, g, b;

    ColorPoint operator+(const ColorPoint& p) const { return {r + p.r, g + p.g, b + p.b}; }
    ColorPoint operator-(const ColorPoint& p) const { return {r - p.r, g - p.g, b - p.b}; }
    ColorPoint operator*(double f) const { return {r * f, g * f, b * f}; }
    double Dot(const ColorPoint& p) const { return r * p.r + g * p.g + b * p.b; }
    double Length() const { return sqrt(Dot(*this)); }
    // The same colour seen from white instead of black.
    ColorPoint Mirror() const { return {cxRed - r, cxGreen - g, cxBlue - b}; }
};

ColorPoint ToPoint(COLORREF clr)
{
    return {GetRValue(clr) * cxRed / 255.0, GetGValue(clr) * cxGreen / 255.0,
            GetBValue(clr) * cxBlue / 255.0};
}

double Clamp(double value, double dMax)
{
    return value < 0 ? 0 : (value > dMax ? dMax : value);
}

int ToChannel(double value, double dRange)
{
    return static_cast<int>(Clamp(Clamp(value, dRange) * 255.0 / dRange + 0.5, 255.0));
}

COLORREF FromPoint(const ColorPoint& p)
{
    return RGB(ToChannel(p.r, cxRed), ToChannel(p.g, cxGreen), ToChannel(p.b, cxBlue));
}

double Brightness(COLORREF clr)
{
    return ToPoint(clr).Length();
}

// The squared brightness times 255 squared, exactly: orders colours by
// brightness without any rounding.
long long ScaledSquaredBrightness(COLORREF clr)
{
    long long r = GetRValue(clr) * 195LL;
    long long g = GetGValue(clr) * 390LL;
    long long b = GetBValue(clr) * 65LL;
    return r * r + g * g + b * b;
}

// Dark colours need up to twice the distance to stand out; from brightness
// 220 on the threshold applies as given.
double AdjustedThreshold(COLORREF clr, double dThreshold)
{
    double dBrightness = floor(Brightness(clr));
    if (dBrightness > 220.0)
        dBrightness = 220.0;
    return (2.0 - dBrightness / 220.0) * floor(dThreshold);
}

int BlendChannel(int a, int b, int nWeight, int nDenominator)
{
    int nValue = (a * nWeight + b * (nDenominator - nWeight) + nDenominator / 2) / nDenominator;
    return nValue < 0 ? 0 : (nValue > 255 ? 255 : nValue);
}

} // namespace

COLORREF CXTPColorManager::BlendColors(COLORREF clrA, COLORREF clrB, int nWeight)
{
    int nDenominator = nWeight < 100 ? 100 : 1000;
    return RGB(BlendChannel(GetRValue(clrA), GetRValue(clrB), nWeight, nDenominator),
               BlendChannel(GetGValue(clrA), GetGValue(clrB), nWeight, nDenominator),
               BlendChannel(GetBValue(clrA), GetBValue(clrB), nWeight, nDenominator));
}

float CXTPColorManager::GetColorDistance(COLORREF clrA, COLORREF clrB)
{
    return static_cast<float>((ToPoint(clrA) - ToPoint(clrB)).Length());
}

BOOL CXTPColorManager::HasContrast(COLORREF clrA, COLORREF clrB, BOOL bAdjust,
                                   double dThreshold)
{
    if (bAdjust)
        dThreshold = AdjustedThreshold(clrA, dThreshold);
    ColorPoint diff = ToPoint(clrA) - ToPoint(clrB);
    return diff.Dot(diff) > dThreshold * dThreshold;
}

COLORREF CXTPColorManager::EnsureContrast(COLORREF clrA, COLORREF clrB, double dThreshold)
{
    double d = AdjustedThreshold(clrA, dThreshold);
    double c = Brightness(clrA);

    // Move b towards white when a leaves room above it, else towards black.
    bool bAIsDarker = ScaledSquaredBrightness(clrA) < ScaledSquaredBrightness(clrB);
    double dReference = bAIsDarker ? dMaxBrightness - d : d;
    BOOL bFromWhite = dReference >= c;

    ColorPoint a = ToPoint(clrA);
    ColorPoint b = ToPoint(clrB);
    if (bFromWhite)
    {
        a = a.Mirror();
        b = b.Mirror();
    }

    double dLength = b.Length();
    if (dLength < 0.001)
        dLength = 0.001;
    double dDot = a.Dot(b);
    double dProjection = dDot / dLength;
    ColorPoint offset = a - b * (dDot / (dLength * dLength));

    // When the whole ray lies farther from a than d, its point nearest to a
    // already contrasts: take that point instead of a root of a negative.
    double dRadicand = d * d - offset.Dot(offset);
    if (dRadicand < 0)
        dRadicand = 0;
    double dNewLength = dProjection - sqrt(dRadicand);

    ColorPoint result = b * (dNewLength / dLength);
    if (bFromWhite)
        result = result.Mirror();
    return FromPoint(result);
}

COLORREF CXTPColorManager::LimitContrast(COLORREF clrA, COLORREF clrB, double dThreshold)
{
    double dDistance = GetColorDistance(clrA, clrB);
    if (dDistance <= 0)
        return clrB;
    double d = AdjustedThreshold(clrA, dThreshold);
    ColorPoint a = ToPoint(clrA);
    ColorPoint b = ToPoint(clrB);
    return FromPoint(b + (a - b) * ((dDistance - d) / dDistance));
}
