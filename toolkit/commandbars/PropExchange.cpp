#include "toolkit/commandbars/PropExchange.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/core/OleVariant.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace {

const char szCount[] = "Count";
const int nArchiveBufferSize = 4096;

BOOL SameDates(const COleDateTime& a, const COleDateTime& b)
{
    if (a.GetStatus() != b.GetStatus())
        return FALSE;
    if (a.GetStatus() == COleDateTime::valid)
        return a.m_dt == b.m_dt;
    return a.GetStatus() == COleDateTime::null;
}

} // namespace

int PropertyTypeSize(int nType)
{
    switch (nType)
    {
    case VT_I2: return 2;
    case VT_I4: return 4;
    case VT_R4: return 4;
    case VT_R8: return 8;
    case VT_CY: return 8;
    case VT_DATE: return 12;
    case VT_BSTR: return 4;
    case VT_BOOL: return 4;
    case VT_VARIANT: return 16;
    case VT_UI1: return 1;
    case XTP_VT_RECT: return 16;
    case XTP_VT_SIZE: return 8;
    default: return 0;
    }
}

BOOL IsDefaultValue(int nType, const void* pValue, const void* pDefault)
{
    if (pValue == pDefault)
        return TRUE;
    if (!pValue || !pDefault)
        return FALSE;
    switch (nType)
    {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_BOOL: case VT_UI1:
    case XTP_VT_RECT: case XTP_VT_SIZE:
        return memcmp(pValue, pDefault, PropertyTypeSize(nType)) == 0;
    case VT_DATE:
        return SameDates(*static_cast<const COleDateTime*>(pValue),
                         *static_cast<const COleDateTime*>(pDefault));
    case VT_BSTR:
    {
        BSTR a = *static_cast<const BSTR*>(pValue);
        BSTR b = *static_cast<const BSTR*>(pDefault);
        return wcscmp(a ? a : L"", b ? b : L"") == 0;
    }
    case VT_VARIANT:
        return *static_cast<const COleVariant*>(pValue)
               == *static_cast<const COleVariant*>(pDefault);
    case VT_LPSTR:
    {
        const CString& a = *static_cast<const CString*>(pValue);
        const CString& b = *static_cast<const CString*>(pDefault);
        return a.GetLength() == b.GetLength()
               && memcmp(a.GetString(), b.GetString(), a.GetLength()) == 0;
    }
    default:
        return FALSE;
    }
}

BOOL CopyTypedValue(int nType, void* pDest, const void* pSource)
{
    if (!pSource)
        return FALSE;
    switch (nType)
    {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_BOOL: case VT_UI1:
    case XTP_VT_RECT: case XTP_VT_SIZE:
        memcpy(pDest, pSource, PropertyTypeSize(nType));
        return TRUE;
    case VT_DATE:
        *static_cast<COleDateTime*>(pDest) = *static_cast<const COleDateTime*>(pSource);
        return TRUE;
    case VT_BSTR:
    {
        BSTR& dest = *static_cast<BSTR*>(pDest);
        ::SysFreeString(dest);
        dest = ::SysAllocString(*static_cast<const BSTR*>(pSource));
        return TRUE;
    }
    case VT_VARIANT:
        try
        {
            *static_cast<COleVariant*>(pDest) = *static_cast<const COleVariant*>(pSource);
        }
        catch (CException* e)
        {
            e->Delete();
            return FALSE;
        }
        return TRUE;
    case VT_LPSTR:
        *static_cast<CString*>(pDest) = *static_cast<const CString*>(pSource);
        return TRUE;
    default:
        return FALSE;
    }
}

CXTPPropExchange::CXTPPropExchange()
    : m_pContext(nullptr)
    , m_bLoading(FALSE)
    , m_nSchema(18)
    , m_bChild(FALSE)
    , m_bEmptied(FALSE)
    , m_bPrepared(FALSE)
    , m_bUseDefaultOnLoad(TRUE)
    , m_bUseDefaultOnSave(TRUE)
{
}

void CXTPPropExchange::InitSection(CXTPPropExchange* pParent)
{
    m_bChild = TRUE;
    m_bLoading = pParent->m_bLoading;
    m_nSchema = pParent->m_nSchema;
    m_pContext = pParent->m_pContext;
    m_bEmptied = pParent->m_bEmptied;
    m_bUseDefaultOnLoad = pParent->m_bUseDefaultOnLoad;
    m_bUseDefaultOnSave = pParent->m_bUseDefaultOnSave;
}

const void* CXTPPropExchange::EffectiveDefault(const void* pDefault) const
{
    BOOL bUse = m_bLoading ? m_bUseDefaultOnLoad : m_bUseDefaultOnSave;
    return bUse ? pDefault : nullptr;
}

// Without a binary form of its own, a block travels as text: each byte as
// two letters, 'A' plus its low four bits, then 'A' plus its high four bits.
BOOL CXTPPropExchange::ExchangeBytes(LPCSTR pszName, BYTE*& pData, DWORD& nBytes)
{
    if (IsStoring())
    {
        CString strText;
        LPSTR pszText = strText.GetBufferSetLength(static_cast<int>(nBytes * 2));
        for (DWORD i = 0; i < nBytes; ++i)
        {
            pszText[i * 2] = static_cast<char>('A' + (pData[i] & 0x0F));
            pszText[i * 2 + 1] = static_cast<char>('A' + (pData[i] >> 4));
        }
        strText.ReleaseBuffer(static_cast<int>(nBytes * 2));
        CString strDefault;
        return ExchangeValue(pszName, VT_LPSTR, &strText, &strDefault);
    }

    CString strText;
    if (!ExchangeValue(pszName, VT_LPSTR, &strText, nullptr))
        return FALSE;
    DWORD nLength = static_cast<DWORD>(strText.GetLength());
    if (nLength % 2 != 0)
        return FALSE;
    if (nLength == 0)
        return TRUE;
    for (DWORD i = 0; i < nLength; ++i)
        if (strText[i] < 'A' || strText[i] > 'P')
            return FALSE;

    DWORD nBlock = nLength / 2;
    if (!pData)
    {
        pData = static_cast<BYTE*>(malloc(nBlock));
        if (!pData)
            return FALSE;
    }
    else if (nBytes < nBlock)
    {
        return FALSE;
    }
    for (DWORD i = 0; i < nBlock; ++i)
        pData[i] = static_cast<BYTE>((strText[i * 2] - 'A') | ((strText[i * 2 + 1] - 'A') << 4));
    nBytes = nBlock;
    return TRUE;
}

BOOL CXTPPropExchange::ExchangeClassByName(LPCSTR pszName, CRuntimeClass*& pClass,
                                           CRuntimeClass* pDefaultClass)
{
    if (IsStoring())
    {
        CString strName(pClass ? pClass->m_lpszClassName : "");
        CString strDefault(pDefaultClass ? pDefaultClass->m_lpszClassName : "");
        return ExchangeValue(pszName, VT_LPSTR, &strName, pDefaultClass ? &strDefault : nullptr);
    }

    CString strName;
    if (!ExchangeValue(pszName, VT_LPSTR, &strName, nullptr))
    {
        pClass = pDefaultClass;
        return TRUE;
    }
    CRuntimeClass* pFound = CRuntimeClass::FromName(strName);
    if (!pFound)
        return FALSE;
    pClass = pFound;
    return TRUE;
}

BOOL CXTPPropExchange::ExchangeObjectClass(CObject*& pObject, CRuntimeClass* pRequiredBase)
{
    CRuntimeClass* pClass = IsStoring() && pObject ? pObject->GetRuntimeClass() : nullptr;
    if (!ExchangeClassByName("Class", pClass, pRequiredBase))
        return FALSE;
    if (IsStoring())
        return TRUE;

    // Only a class of the required kind is ever made.
    if (!pClass || (pRequiredBase && !pClass->IsDerivedFrom(pRequiredBase)))
        return FALSE;
    CObject* pNew = pClass->CreateObject();
    if (!pNew)
        return FALSE;
    pObject = pNew;
    return TRUE;
}

CArchive* CXTPPropExchange::OpenValueArchive(LPCSTR pszName)
{
    if (IsStoring())
        return new CArchive(new CMemFile(1024), CArchive::store, nArchiveBufferSize);

    BYTE* pData = nullptr;
    DWORD nBytes = 0;
    if (!ExchangeBytes(pszName, pData, nBytes) || nBytes == 0)
    {
        free(pData);
        return nullptr;
    }
    return new CArchive(new CMemFile(pData, nBytes), CArchive::load, nArchiveBufferSize);
}

void CXTPPropExchange::CloseValueArchive(LPCSTR pszName, CArchive* pArchive)
{
    if (!pArchive)
        return;
    CFile* pFile = pArchive->GetFile();
    if (!pFile || !pFile->IsKindOf(RUNTIME_CLASS(CMemFile)))
        return;
    CMemFile* pMemFile = static_cast<CMemFile*>(pFile);

    BYTE* pBlock = nullptr;
    if (IsStoring())
    {
        pArchive->Flush();
        DWORD nBytes = static_cast<DWORD>(pMemFile->GetLength());
        pBlock = pMemFile->Detach();
        ExchangeBytes(pszName, pBlock, nBytes);
    }
    pArchive->Abort();
    if (!pBlock)
        pBlock = pMemFile->Detach();
    pMemFile->Close();
    free(pBlock);
    delete pMemFile;
    delete pArchive;
}

void CXTPPropExchange::ClearSection()
{
    m_bEmptied = TRUE;
}

void CXTPPropExchange::PutCount(DWORD nCount)
{
    int nValue = static_cast<int>(nCount);
    ExchangeIntProperty(this, szCount, nValue, 0);
}

DWORD CXTPPropExchange::TakeCount()
{
    int nValue = 0;
    ExchangeIntProperty(this, szCount, nValue, 0);
    return nValue > 0 ? static_cast<DWORD>(nValue) : 0;
}

void CXTPPropExchange::PutBytes(LPCSTR pszName, const BYTE* pData, DWORD nBytes)
{
    BYTE* pBlock = const_cast<BYTE*>(pData);
    ExchangeBytes(pszName, pBlock, nBytes);
}

DWORD CXTPPropExchange::TakeBytes(LPCSTR pszName, BYTE* pData, DWORD nBytes)
{
    if (!pData)
        return 0;
    return ExchangeBytes(pszName, pData, nBytes) ? nBytes : 0;
}

BOOL CXTPPropExchange::CanOmitValues()
{
    return TRUE;
}

BOOL CXTPPropExchange::HasNativeBinary()
{
    return FALSE;
}

BOOL CXTPPropExchange::Prepare()
{
    m_bPrepared = TRUE;
    return TRUE;
}

CXTPPropExchangeEnumerator* CXTPPropExchange::CreateEnumerator(LPCSTR pszBaseName)
{
    return new CXTPPropExchangeEnumerator(this, pszBaseName);
}

void CXTPPropExchange::ExchangeSchemaNumber()
{
    int nSchema = static_cast<int>(m_nSchema);
    ExchangeIntProperty(this, "Schema", nSchema, 18);
    m_nSchema = static_cast<UINT>(nSchema);
}

CXTPPropExchangeEnumerator::CXTPPropExchangeEnumerator(CXTPPropExchange* pExchange,
                                                       LPCSTR pszBaseName)
    : m_pExchange(pExchange)
    , m_strBaseName(pszBaseName)
    , m_nCount(0)
{
}

POSITION CXTPPropExchangeEnumerator::StartEnumeration(DWORD nCount, BOOL bNative)
{
    if (!bNative)
    {
        int nValue = m_pExchange->IsStoring() ? static_cast<int>(nCount) : 0;
        ExchangeIntProperty(m_pExchange, szCount, nValue, 0);
        m_nCount = nValue > 0 ? static_cast<DWORD>(nValue) : 0;
    }
    else if (m_pExchange->IsLoading())
    {
        m_nCount = m_pExchange->TakeCount();
    }
    else
    {
        m_pExchange->PutCount(nCount);
        m_nCount = nCount;
    }
    return m_nCount ? reinterpret_cast<POSITION>(1) : nullptr;
}

CXTPPropExchange* CXTPPropExchangeEnumerator::NextSection(POSITION& pos)
{
    DWORD nIndex = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(pos)) - 1;
    CString strName;
    strName.Format("%s%i", m_strBaseName.GetString(), static_cast<int>(nIndex));
    pos = nIndex + 1 < m_nCount ? reinterpret_cast<POSITION>(static_cast<UINT_PTR>(nIndex + 2))
                                : nullptr;
    return m_pExchange->OpenSection(strName);
}

BOOL ExchangeByteProperty(CXTPPropExchange* pPX, LPCSTR pszName, BYTE& nValue, BYTE nDefault)
{
    return pPX->ExchangeValue(pszName, VT_UI1, &nValue, &nDefault);
}

BOOL ExchangeShortProperty(CXTPPropExchange* pPX, LPCSTR pszName, short& nValue, short nDefault)
{
    return pPX->ExchangeValue(pszName, VT_I2, &nValue, &nDefault);
}

BOOL ExchangeIntPropertyNoDefault(CXTPPropExchange* pPX, LPCSTR pszName, int& nValue)
{
    return pPX->ExchangeValue(pszName, VT_I4, &nValue, nullptr);
}

BOOL ExchangeIntProperty(CXTPPropExchange* pPX, LPCSTR pszName, int& nValue, int nDefault)
{
    return pPX->ExchangeValue(pszName, VT_I4, &nValue, &nDefault);
}

BOOL ExchangeBoolProperty(CXTPPropExchange* pPX, LPCSTR pszName, BOOL& bValue, BOOL bDefault)
{
    return pPX->ExchangeValue(pszName, VT_BOOL, &bValue, &bDefault);
}

BOOL ExchangeStringPropertyNoDefault(CXTPPropExchange* pPX, LPCSTR pszName, CString& strValue)
{
    return pPX->ExchangeValue(pszName, VT_LPSTR, &strValue, nullptr);
}

BOOL ExchangeStringProperty(CXTPPropExchange* pPX, LPCSTR pszName, CString& strValue,
                            LPCSTR pszDefault)
{
    CString strDefault(pszDefault);
    return pPX->ExchangeValue(pszName, VT_LPSTR, &strValue, &strDefault);
}

BOOL ExchangeSizeProperty(CXTPPropExchange* pPX, LPCSTR pszName, CSize& szValue, CSize szDefault)
{
    return pPX->ExchangeValue(pszName, XTP_VT_SIZE, &szValue, &szDefault);
}

BOOL ExchangeSizeProperty(CXTPPropExchange* pPX, LPCSTR pszName, CSize& szValue, int cxDefault,
                          int cyDefault)
{
    return ExchangeSizeProperty(pPX, pszName, szValue, CSize(cxDefault, cyDefault));
}

BOOL ExchangeRectProperty(CXTPPropExchange* pPX, LPCSTR pszName, CRect& rcValue,
                          CRect rcDefault)
{
    return pPX->ExchangeValue(pszName, XTP_VT_RECT, &rcValue, &rcDefault);
}

BOOL ExchangeClassProperty(CXTPPropExchange* pPX, LPCSTR pszName, CRuntimeClass*& pClass,
                           CRuntimeClass* pDefaultClass)
{
    return pPX->ExchangeClassByName(pszName, pClass, pDefaultClass);
}

BOOL ExchangeBlobProperty(CXTPPropExchange* pPX, LPCSTR pszName, BYTE*& pData, DWORD& nBytes)
{
    return pPX->ExchangeBytes(pszName, pData, nBytes);
}

BOOL ExchangeBlob(CXTPPropExchange* pPX, LPCSTR pszName, BYTE*& pData, DWORD& nBytes)
{
    return ExchangeBlobProperty(pPX, pszName, pData, nBytes);
}

BOOL ExchangeRuntimeClass(CXTPPropExchange* pPX, CObject*& pObject, CRuntimeClass* pRequiredBase)
{
    return pPX->ExchangeObjectClass(pObject, pRequiredBase);
}

BOOL ExchangeObjectProperty(CXTPPropExchange* pPX, LPCSTR pszName, CObject* pObject)
{
    CArchive* pArchive = pPX->OpenValueArchive(pszName);
    if (!pArchive)
        return FALSE;
    BOOL bResult = TRUE;
    try
    {
        pObject->Serialize(*pArchive);
    }
    catch (CException* e)
    {
        if (!e->IsKindOf(RUNTIME_CLASS(CArchiveException))
            && !e->IsKindOf(RUNTIME_CLASS(COleException)))
        {
            pPX->CloseValueArchive(pszName, pArchive);
            throw;
        }
        e->Delete();
        bResult = FALSE;
    }
    pPX->CloseValueArchive(pszName, pArchive);
    return bResult;
}
