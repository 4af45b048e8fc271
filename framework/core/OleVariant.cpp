#include "framework/core/OleVariant.h"

#include "framework/core/Archive.h"

#include <string.h>
#include <algorithm>
#include <string>

namespace {

const DWORD kNullBstr = 0xFFFFFFFF;
const UINT kBstrChunk = 32768;

// Bytes of the value of a type the archive form carries in its record;
// -1 for types it cannot carry (strings are handled on their own).
int FixedValueSize(VARTYPE vt)
{
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
        return 0;
    case VT_UI1:
        return 1;
    case VT_I2:
    case VT_BOOL:
        return 2;
    case VT_I4:
    case VT_R4:
    case VT_ERROR:
        return 4;
    case VT_R8:
    case VT_CY:
    case VT_DATE:
        return 8;
    default:
        return -1;
    }
}

void CheckResult(HRESULT hr)
{
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

void ReadExactly(CArchive& ar, void* pData, UINT nBytes)
{
    if (ar.Read(pData, nBytes) != nBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
}

BSTR ReadBstr(CArchive& ar, DWORD nLength)
{
    ar.CheckAvailable(static_cast<ULONGLONG>(nLength) * 2);
    // Piecewise, so a damaged length allocates no more than the data holds.
    std::wstring text;
    while (text.size() < nLength) {
        size_t nHave = text.size();
        size_t nPiece = std::min<size_t>(nLength - nHave, kBstrChunk);
        text.resize(nHave + nPiece);
        ReadExactly(ar, &text[nHave], static_cast<UINT>(nPiece * sizeof(WCHAR)));
    }
    BSTR bstr = ::SysAllocStringLen(text.data(), nLength);
    if (!bstr)
        AfxThrowMemoryException();
    return bstr;
}

} // namespace

COleVariant::COleVariant()
{
    ::VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    CheckResult(::VariantCopy(this, const_cast<LPVARIANT>(&varSrc)));
}

COleVariant::COleVariant(const COleVariant& varSrc)
    : COleVariant(static_cast<const VARIANT&>(varSrc))
{
}

COleVariant::COleVariant(LPCVARIANT pSrc)
{
    ::VariantInit(this);
    if (pSrc)
        CheckResult(::VariantCopy(this, const_cast<LPVARIANT>(pSrc)));
}

COleVariant::COleVariant(LPCSTR lpszSrc)
{
    ::VariantInit(this);
    *this = lpszSrc;
}

COleVariant::COleVariant(const CString& strSrc)
{
    ::VariantInit(this);
    *this = strSrc;
}

COleVariant::COleVariant(BYTE nSrc)
{
    ::VariantInit(this);
    vt = VT_UI1;
    bVal = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    ASSERT(vtSrc == VT_I2 || vtSrc == VT_BOOL);
    ::VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc)
{
    ASSERT(vtSrc == VT_I4 || vtSrc == VT_ERROR || vtSrc == VT_BOOL);
    ::VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_ERROR) {
        vt = VT_ERROR;
        scode = lSrc;
    } else {
        vt = VT_I4;
        lVal = lSrc;
    }
}

COleVariant::COleVariant(int nSrc, VARTYPE vtSrc)
    : COleVariant(static_cast<long>(nSrc), vtSrc)
{
}

COleVariant::COleVariant(float fltSrc)
{
    ::VariantInit(this);
    vt = VT_R4;
    fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc)
{
    ::VariantInit(this);
    vt = VT_R8;
    dblVal = dblSrc;
}

COleVariant::COleVariant(const CY& cySrc)
{
    ::VariantInit(this);
    vt = VT_CY;
    cyVal = cySrc;
}

COleVariant::COleVariant(const COleDateTime& dateSrc)
{
    ::VariantInit(this);
    vt = VT_DATE;
    date = dateSrc.m_dt;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

const COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (&varSrc != this)
        CheckResult(::VariantCopy(this, const_cast<LPVARIANT>(&varSrc)));
    return *this;
}

const COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return *this = static_cast<const VARIANT&>(varSrc);
}

const COleVariant& COleVariant::operator=(LPCVARIANT pSrc)
{
    if (pSrc)
        *this = *pSrc;
    else
        Clear();
    return *this;
}

const COleVariant& COleVariant::operator=(LPCSTR lpszSrc)
{
    std::wstring wide = AfxAnsiToWide(lpszSrc);
    BSTR bstr = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (!bstr)
        AfxThrowMemoryException();
    Clear();
    vt = VT_BSTR;
    bstrVal = bstr;
    return *this;
}

const COleVariant& COleVariant::operator=(const CString& strSrc)
{
    BSTR bstr = strSrc.AllocSysString();
    if (!bstr)
        AfxThrowMemoryException();
    Clear();
    vt = VT_BSTR;
    bstrVal = bstr;
    return *this;
}

const COleVariant& COleVariant::operator=(BYTE nSrc)
{
    Clear();
    vt = VT_UI1;
    bVal = nSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(short nSrc)
{
    if (vt == VT_BOOL) {
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        Clear();
        vt = VT_I2;
        iVal = nSrc;
    }
    return *this;
}

const COleVariant& COleVariant::operator=(long lSrc)
{
    if (vt == VT_BOOL) {
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vt == VT_ERROR) {
        scode = lSrc;
    } else {
        Clear();
        vt = VT_I4;
        lVal = lSrc;
    }
    return *this;
}

const COleVariant& COleVariant::operator=(int nSrc)
{
    return *this = static_cast<long>(nSrc);
}

const COleVariant& COleVariant::operator=(float fltSrc)
{
    Clear();
    vt = VT_R4;
    fltVal = fltSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(double dblSrc)
{
    Clear();
    vt = VT_R8;
    dblVal = dblSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(const CY& cySrc)
{
    Clear();
    vt = VT_CY;
    cyVal = cySrc;
    return *this;
}

const COleVariant& COleVariant::operator=(const COleDateTime& dateSrc)
{
    Clear();
    vt = VT_DATE;
    date = dateSrc.m_dt;
    return *this;
}

bool COleVariant::operator==(const VARIANT& varSrc) const
{
    if (&varSrc == this)
        return true;
    if (vt != varSrc.vt)
        return false;
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_BOOL:
        return boolVal == varSrc.boolVal;
    case VT_UI1:
        return bVal == varSrc.bVal;
    case VT_I2:
        return iVal == varSrc.iVal;
    case VT_I4:
        return lVal == varSrc.lVal;
    case VT_ERROR:
        return scode == varSrc.scode;
    case VT_CY:
        return cyVal.Hi == varSrc.cyVal.Hi && cyVal.Lo == varSrc.cyVal.Lo;
    case VT_R4:
        return fltVal == varSrc.fltVal;
    case VT_R8:
        return dblVal == varSrc.dblVal;
    case VT_DATE:
        return date == varSrc.date;
    case VT_BSTR: {
        UINT n = ::SysStringByteLen(bstrVal);
        return n == ::SysStringByteLen(varSrc.bstrVal)
            && (n == 0 || memcmp(bstrVal, varSrc.bstrVal, n) == 0);
    }
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return punkVal == varSrc.punkVal;
    default:
        return false;
    }
}

bool COleVariant::operator==(LPCVARIANT pSrc) const
{
    return pSrc && *this == *pSrc;
}

void COleVariant::Clear()
{
    CheckResult(::VariantClear(this));
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    if (!pSrc)
        pSrc = this;
    if (pSrc != this || vartype != vt)
        CheckResult(::VariantChangeType(this, pSrc, 0, vartype));
}

void COleVariant::Attach(VARIANT& varSrc)
{
    Clear();
    memcpy(static_cast<VARIANT*>(this), &varSrc, sizeof(VARIANT));
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach()
{
    VARIANT varResult = *this;
    vt = VT_EMPTY;
    return varResult;
}

CArchive& operator<<(CArchive& ar, const COleVariant& varSrc)
{
    BYTE value[8] = {};
    DWORD nLength = kNullBstr;
    if (varSrc.vt == VT_BSTR) {
        if (varSrc.bstrVal)
            nLength = ::SysStringLen(varSrc.bstrVal);
        memcpy(value, &nLength, sizeof(nLength));
    } else {
        int nSize = FixedValueSize(varSrc.vt);
        if (nSize < 0)
            AfxThrowNotSupportedException();
        memcpy(value, &varSrc.bVal, static_cast<size_t>(nSize));
    }
    ar << static_cast<WORD>(varSrc.vt) << static_cast<WORD>(0) << static_cast<WORD>(0)
       << static_cast<WORD>(0);
    ar.Write(value, sizeof(value));
    if (varSrc.vt == VT_BSTR && nLength != kNullBstr)
        ar.Write(varSrc.bstrVal, nLength * sizeof(WCHAR));
    return ar;
}

CArchive& operator>>(CArchive& ar, COleVariant& varSrc)
{
    WORD wType, wReserved;
    BYTE value[8];
    ar >> wType >> wReserved >> wReserved >> wReserved;
    ReadExactly(ar, value, sizeof(value));
    const VARTYPE vt = wType;

    VARIANT var;
    ::VariantInit(&var);
    if (vt == VT_BSTR) {
        DWORD nLength;
        memcpy(&nLength, value, sizeof(nLength));
        var.vt = VT_BSTR;
        var.bstrVal = nLength == kNullBstr ? nullptr : ReadBstr(ar, nLength);
    } else {
        int nSize = FixedValueSize(vt);
        if (nSize < 0)
            AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
        var.vt = vt;
        memcpy(&var.bVal, value, static_cast<size_t>(nSize));
    }
    varSrc.Attach(var);
    return ar;
}
