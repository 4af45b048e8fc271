#include "toolkit/commandbars/PropExchangeArchive.h"

#include "framework/core/Archive.h"
#include "framework/core/OleVariant.h"

#include <stdlib.h>

namespace {

const DWORD dwSchemaMarker = 0x0FF0ADBF;

// Reads exactly nBytes; the end of the data is a format error.
void ReadExactly(CArchive& ar, void* pData, UINT nBytes)
{
    if (ar.Read(pData, nBytes) != nBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

// Consumes nBytes without keeping them, so the archive stays in step.
void SkipBytes(CArchive& ar, DWORD_PTR nBytes)
{
    BYTE buffer[512];
    while (nBytes > 0)
    {
        UINT nPiece = nBytes < sizeof(buffer) ? static_cast<UINT>(nBytes) : sizeof(buffer);
        ReadExactly(ar, buffer, nPiece);
        nBytes -= nPiece;
    }
}

} // namespace

CXTPPropExchangeArchive::CXTPPropExchangeArchive(CArchive& ar)
    : m_ar(ar)
{
    m_bLoading = ar.IsLoading();
}

BOOL CXTPPropExchangeArchive::ExchangeValue(LPCSTR /*pszName*/, int nType, void* pValue,
                                            const void* /*pDefault*/)
{
    if (!Prepare())
        return FALSE;

    if (IsStoring())
    {
        switch (nType)
        {
        case VT_I2: m_ar << *static_cast<WORD*>(pValue); break;
        case VT_I4: case VT_BOOL: m_ar << *static_cast<LONG*>(pValue); break;
        case VT_R4: m_ar << *static_cast<float*>(pValue); break;
        case VT_R8: m_ar << *static_cast<double*>(pValue); break;
        case VT_CY:
            m_ar << static_cast<DWORD>(static_cast<CY*>(pValue)->Lo)
                 << static_cast<LONG>(static_cast<CY*>(pValue)->Hi);
            break;
        case VT_DATE: m_ar << *static_cast<COleDateTime*>(pValue); break;
        case VT_VARIANT: m_ar << *static_cast<COleVariant*>(pValue); break;
        case VT_UI1: m_ar << *static_cast<BYTE*>(pValue); break;
        case VT_LPSTR: m_ar << *static_cast<CString*>(pValue); break;
        case XTP_VT_RECT: m_ar.Write(pValue, 16); break;
        case XTP_VT_SIZE: m_ar.Write(pValue, 8); break;
        default: break;   // wide strings and other codes are not archived
        }
        return TRUE;
    }

    switch (nType)
    {
    case VT_I2: m_ar >> *static_cast<WORD*>(pValue); break;
    case VT_I4: case VT_BOOL: m_ar >> *static_cast<LONG*>(pValue); break;
    case VT_R4: m_ar >> *static_cast<float*>(pValue); break;
    case VT_R8: m_ar >> *static_cast<double*>(pValue); break;
    case VT_CY:
    {
        DWORD dwLow = 0;
        LONG nHigh = 0;
        m_ar >> dwLow >> nHigh;
        static_cast<CY*>(pValue)->Lo = dwLow;
        static_cast<CY*>(pValue)->Hi = nHigh;
        break;
    }
    case VT_DATE: m_ar >> *static_cast<COleDateTime*>(pValue); break;
    case VT_VARIANT: m_ar >> *static_cast<COleVariant*>(pValue); break;
    case VT_UI1: m_ar >> *static_cast<BYTE*>(pValue); break;
    case VT_LPSTR: m_ar >> *static_cast<CString*>(pValue); break;
    case XTP_VT_RECT: ReadExactly(m_ar, pValue, 16); break;
    case XTP_VT_SIZE: ReadExactly(m_ar, pValue, 8); break;
    default: break;
    }
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeBytes(LPCSTR /*pszName*/, BYTE*& pData, DWORD& nBytes)
{
    if (IsStoring())
    {
        m_ar.WriteCount(nBytes);
        m_ar.Write(pData, nBytes);
        return TRUE;
    }

    DWORD_PTR nStored = m_ar.ReadCount();
    m_ar.CheckAvailable(nStored);
    BOOL bAllocated = FALSE;
    if (!pData)
    {
        pData = static_cast<BYTE*>(malloc(nStored ? nStored : 1));
        if (!pData)
        {
            SkipBytes(m_ar, nStored);
            return FALSE;
        }
        bAllocated = TRUE;
    }
    else if (nBytes < nStored)
    {
        // Refused, but read past, so what follows is still read in step.
        SkipBytes(m_ar, nStored);
        return FALSE;
    }
    UINT nRead = m_ar.Read(pData, static_cast<UINT>(nStored));
    nBytes = static_cast<DWORD>(nStored);
    if (nRead != nStored && bAllocated)
    {
        free(pData);
        pData = nullptr;
    }
    return nRead == nStored;
}

BOOL CXTPPropExchangeArchive::ExchangeObjectClass(CObject*& pObject, CRuntimeClass* pRequiredBase)
{
    if (!CXTPPropExchange::ExchangeObjectClass(pObject, pRequiredBase))
        return FALSE;
    // Later references to the object in the archive resolve to it.
    m_ar.MapObject(pObject);
    return TRUE;
}

CArchive* CXTPPropExchangeArchive::OpenValueArchive(LPCSTR /*pszName*/)
{
    return &m_ar;
}

void CXTPPropExchangeArchive::CloseValueArchive(LPCSTR /*pszName*/, CArchive* /*pArchive*/)
{
}

CXTPPropExchange* CXTPPropExchangeArchive::OpenSection(LPCSTR /*pszName*/)
{
    CXTPPropExchangeArchive* pSection = new CXTPPropExchangeArchive(m_ar);
    pSection->InitSection(this);
    return pSection;
}

void CXTPPropExchangeArchive::PutCount(DWORD nCount)
{
    m_ar.WriteCount(nCount);
}

DWORD CXTPPropExchangeArchive::TakeCount()
{
    return static_cast<DWORD>(m_ar.ReadCount());
}

void CXTPPropExchangeArchive::PutBytes(LPCSTR /*pszName*/, const BYTE* pData, DWORD nBytes)
{
    m_ar.Write(pData, nBytes);
}

DWORD CXTPPropExchangeArchive::TakeBytes(LPCSTR /*pszName*/, BYTE* pData, DWORD nBytes)
{
    return m_ar.Read(pData, nBytes);
}

BOOL CXTPPropExchangeArchive::CanOmitValues()
{
    return FALSE;
}

BOOL CXTPPropExchangeArchive::HasNativeBinary()
{
    return TRUE;
}

void CXTPPropExchangeArchive::ExchangeSchemaNumber()
{
    if (IsStoring())
    {
        m_ar << dwSchemaMarker << static_cast<DWORD>(m_nSchema);
        return;
    }
    DWORD dwNext = 0;
    if (m_ar.PeekDWORD(dwNext) && dwNext == dwSchemaMarker)
    {
        DWORD dwSchema = 0;
        m_ar >> dwNext >> dwSchema;
        m_nSchema = dwSchema;
    }
    else
    {
        m_nSchema = 17;
    }
}
