// The colour values themes keep their colours in: one colour with a standard
// value (what the theme computes) and a custom value (what the program sets),
// and a two-colour gradient with the position of its blend.
#pragma once

#include "framework/core/AfxWin.h"

class CArchive;

class CXTPPaintManagerColor
{
public:
    CXTPPaintManagerColor() = default;
    explicit CXTPPaintManagerColor(COLORREF clrStandard);
    virtual ~CXTPPaintManagerColor() = default;

    // The effective colour: the custom value unless it is unset, else the standard one.
    operator COLORREF() const { return GetColor(); }
    COLORREF GetColor() const;
    COLORREF GetStandardColor() const { return m_clrStandardValue; }
    COLORREF GetCustomColor() const { return m_clrCustomValue; }

    void SetStandardValue(COLORREF clr) { m_clrStandardValue = clr; }
    void SetCustomValue(COLORREF clr) { m_clrCustomValue = clr; }
    BOOL IsCustomValue() const { return m_clrCustomValue != static_cast<COLORREF>(-1); }
    // TRUE when either value is set.
    BOOL HasValue() const;

    // Two 32-bit words: the standard value, then the custom value.
    virtual void Serialize(CArchive& ar);

    CXTPPaintManagerColor(const CXTPPaintManagerColor&) = default;
    CXTPPaintManagerColor& operator=(const CXTPPaintManagerColor&) = default;

private:
    COLORREF m_clrStandardValue = static_cast<COLORREF>(-1);
    COLORREF m_clrCustomValue = static_cast<COLORREF>(-1);
};

class CXTPPaintManagerColorGradient
{
public:
    CXTPPaintManagerColorGradient() = default;
    // Both ends' standard values set to the colour; factor 0.5.
    CXTPPaintManagerColorGradient(COLORREF clr);
    virtual ~CXTPPaintManagerColorGradient() = default;

    void SetStandardValue(COLORREF clrLight, COLORREF clrDark, float fFactor = 0.5f);
    void SetSolid(COLORREF clr);
    // Takes the other gradient's effective colours as standard values, and its factor.
    void SetStandardFrom(const CXTPPaintManagerColorGradient& other);

    // The first end, the second end, then the factor as a 4-byte float.
    virtual void Serialize(CArchive& ar);

    CXTPPaintManagerColorGradient(const CXTPPaintManagerColorGradient&) = default;
    CXTPPaintManagerColorGradient& operator=(const CXTPPaintManagerColorGradient&) = default;

    CXTPPaintManagerColor clrLight;     // first end
    CXTPPaintManagerColor clrDark;      // second end
    float fGradientFactor = 0.5f;
};
