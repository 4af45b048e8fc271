#include "toolkit/draw/PaintManagerColor.h"

#include "framework/core/Archive.h"

CXTPPaintManagerColor::CXTPPaintManagerColor(COLORREF clrStandard)
    : m_clrStandardValue(clrStandard)
{
}

COLORREF CXTPPaintManagerColor::GetColor() const
{
    return IsCustomValue() ? m_clrCustomValue : m_clrStandardValue;
}

BOOL CXTPPaintManagerColor::HasValue() const
{
    return m_clrStandardValue != static_cast<COLORREF>(-1) || IsCustomValue();
}

void CXTPPaintManagerColor::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << static_cast<DWORD>(m_clrStandardValue) << static_cast<DWORD>(m_clrCustomValue);
    else
        ar >> m_clrStandardValue >> m_clrCustomValue;
}

CXTPPaintManagerColorGradient::CXTPPaintManagerColorGradient(COLORREF clr)
{
    SetStandardValue(clr, clr);
}

void CXTPPaintManagerColorGradient::SetStandardValue(COLORREF clrFirst, COLORREF clrSecond,
                                                     float fFactor)
{
    clrLight.SetStandardValue(clrFirst);
    clrDark.SetStandardValue(clrSecond);
    fGradientFactor = fFactor;
}

void CXTPPaintManagerColorGradient::SetSolid(COLORREF clr)
{
    SetStandardValue(clr, clr, 0.5f);
}

void CXTPPaintManagerColorGradient::SetStandardFrom(const CXTPPaintManagerColorGradient& other)
{
    SetStandardValue(other.clrLight, other.clrDark, other.fGradientFactor);
}

void CXTPPaintManagerColorGradient::Serialize(CArchive& ar)
{
    clrLight.Serialize(ar);
    clrDark.Serialize(ar);
    if (ar.IsStoring())
        ar << fGradientFactor;
    else
        ar >> fGradientFactor;
}
