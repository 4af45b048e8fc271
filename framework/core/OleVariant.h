// COleVariant: a VARIANT that owns its value (strings are BSTRs, freed with
// the variant). Conversions go through the system's VariantChangeType, whose
// failures raise COleException.
#pragma once

#include "framework/core/OleDateTime.h"
#include "framework/core/String.h"

#include <oleauto.h>

class CArchive;

using LPCVARIANT = const VARIANT*;

class COleVariant : public tagVARIANT
{
public:
    COleVariant();
    COleVariant(const VARIANT& varSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(LPCVARIANT pSrc);
    COleVariant(LPCSTR lpszSrc);                     // VT_BSTR
    COleVariant(const CString& strSrc);              // VT_BSTR
    COleVariant(BYTE nSrc);                          // VT_UI1
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);  // VT_I2 or VT_BOOL
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);   // VT_I4, VT_BOOL or VT_ERROR
    COleVariant(int nSrc, VARTYPE vtSrc = VT_I4);    // as long
    COleVariant(float fltSrc);                       // VT_R4
    COleVariant(double dblSrc);                      // VT_R8
    COleVariant(const CY& cySrc);                    // VT_CY
    COleVariant(const COleDateTime& dateSrc);        // VT_DATE
    ~COleVariant();

    const COleVariant& operator=(const VARIANT& varSrc);
    const COleVariant& operator=(const COleVariant& varSrc);
    const COleVariant& operator=(LPCVARIANT pSrc);
    const COleVariant& operator=(LPCSTR lpszSrc);
    const COleVariant& operator=(const CString& strSrc);
    const COleVariant& operator=(BYTE nSrc);
    const COleVariant& operator=(short nSrc);        // keeps VT_BOOL when it is one
    const COleVariant& operator=(long lSrc);         // keeps VT_BOOL or VT_ERROR
    const COleVariant& operator=(int nSrc);          // as long
    const COleVariant& operator=(float fltSrc);
    const COleVariant& operator=(double dblSrc);
    const COleVariant& operator=(const CY& cySrc);
    const COleVariant& operator=(const COleDateTime& dateSrc);

    // Same type and same value; strings compare their bytes.
    bool operator==(const VARIANT& varSrc) const;
    bool operator==(LPCVARIANT pSrc) const;
    bool operator!=(const VARIANT& varSrc) const { return !(*this == varSrc); }
    bool operator!=(LPCVARIANT pSrc) const { return !(*this == pSrc); }

    void Clear();
    // Converts pSrc (or this variant itself) to vartype in place.
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = nullptr);
    // Takes over varSrc's value and leaves varSrc empty; Detach hands this
    // variant's value to the caller, who then owns it.
    void Attach(VARIANT& varSrc);
    VARIANT Detach();

    operator LPVARIANT() { return this; }
    operator LPCVARIANT() const { return this; }
};

// Archive form, 16 bytes for every type but strings: WORD vt, six zero
// bytes, then eight value bytes (the value little-endian, zero-padded).
// VT_BSTR puts the string's length in UTF-16 units in the first four value
// bytes (0xFFFFFFFF for a null BSTR, the other four zero) and follows the
// record with the characters, two bytes each. VT_EMPTY and VT_NULL carry
// eight zero bytes. Storing any other type raises CNotSupportedException;
// loading an unknown type raises CArchiveException.
CArchive& operator<<(CArchive& ar, const COleVariant& varSrc);
CArchive& operator>>(CArchive& ar, COleVariant& varSrc);
