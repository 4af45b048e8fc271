#include "toolkit/commandbars/PropExchangeRegistry.h"

#include "framework/core/Profile.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>

namespace {

BOOL IsIntegerType(int nType)
{
    return nType == VT_I2 || nType == VT_I4 || nType == VT_BOOL || nType == VT_UI1;
}

} // namespace

CXTPPropExchangeRegistry::CXTPPropExchangeRegistry(BOOL bLoading, HKEY hRoot, LPCSTR pszSubKey)
    : m_hSectionKey(nullptr)
    , m_hRootKey(hRoot)
    , m_bOwnRootKey(FALSE)
    , m_strSubKey(pszSubKey)
{
    m_bLoading = bLoading;
    if (!hRoot)
    {
        CWinApp* pApp = AfxGetApp();
        m_hRootKey = pApp ? pApp->GetAppRegistryKey() : nullptr;
        m_bOwnRootKey = m_hRootKey != nullptr;
    }
}

CXTPPropExchangeRegistry::~CXTPPropExchangeRegistry()
{
    CloseSectionKey();
    if (m_bOwnRootKey && m_hRootKey)
        ::RegCloseKey(m_hRootKey);
}

void CXTPPropExchangeRegistry::CloseSectionKey()
{
    if (m_hSectionKey)
        ::RegCloseKey(m_hSectionKey);
    m_hSectionKey = nullptr;
}

BOOL CXTPPropExchangeRegistry::Prepare()
{
    if (!m_bPrepared)
    {
        m_bPrepared = TRUE;
        if (!m_hRootKey)
            return FALSE;
        // Loading only opens: stored state read back must never leave keys
        // behind, whatever its counts ask for.
        LONG nResult = ERROR_SUCCESS;
        if (IsLoading())
        {
            nResult = ::RegOpenKeyExA(m_hRootKey, m_strSubKey, 0, KEY_READ, &m_hSectionKey);
        }
        else
        {
            DWORD dwDisposition = 0;
            nResult = ::RegCreateKeyExA(m_hRootKey, m_strSubKey, 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                                        &m_hSectionKey, &dwDisposition);
        }
        if (nResult != ERROR_SUCCESS)
            m_hSectionKey = nullptr;
    }
    return m_hSectionKey != nullptr;
}

BOOL CXTPPropExchangeRegistry::ExchangeValue(LPCSTR pszName, int nType, void* pValue,
                                             const void* pDefault)
{
    pDefault = EffectiveDefault(pDefault);
    if (IsStoring())
    {
        if (!Prepare())
            return FALSE;
        if (IsDefaultValue(nType, pValue, pDefault))
        {
            if (!m_bEmptied)
                ::RegDeleteValueA(m_hSectionKey, pszName);
            return TRUE;
        }
        return StoreValue(pszName, nType, pValue);
    }

    if (!Prepare())
        return CopyTypedValue(nType, pValue, pDefault);
    if (IsIntegerType(nType) || nType == VT_LPSTR || nType == XTP_VT_RECT || nType == XTP_VT_SIZE)
    {
        if (LoadValue(pszName, nType, pValue))
            return TRUE;
        return CopyTypedValue(nType, pValue, pDefault);
    }
    return FALSE;
}

BOOL CXTPPropExchangeRegistry::StoreValue(LPCSTR pszName, int nType, const void* pValue)
{
    if (IsIntegerType(nType))
    {
        // Zero-extended from the type's size: a 16-bit -1 is 0x0000FFFF.
        DWORD dwValue = 0;
        memcpy(&dwValue, pValue, PropertyTypeSize(nType));
        return ::RegSetValueExA(m_hSectionKey, pszName, 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&dwValue), 4) == ERROR_SUCCESS;
    }

    CString strText;
    switch (nType)
    {
    case VT_R4:
    case VT_R8:
        return ::RegSetValueExA(m_hSectionKey, pszName, 0, REG_BINARY,
                                static_cast<const BYTE*>(pValue), PropertyTypeSize(nType))
               == ERROR_SUCCESS;
    case VT_LPSTR:
        strText = *static_cast<const CString*>(pValue);
        break;
    case XTP_VT_RECT:
    {
        const RECT& rc = *static_cast<const RECT*>(pValue);
        strText.Format("%i, %i, %i, %i", static_cast<int>(rc.left), static_cast<int>(rc.top),
                       static_cast<int>(rc.right), static_cast<int>(rc.bottom));
        break;
    }
    case XTP_VT_SIZE:
    {
        const SIZE& sz = *static_cast<const SIZE*>(pValue);
        strText.Format("%i, %i", static_cast<int>(sz.cx), static_cast<int>(sz.cy));
        break;
    }
    default:
        return FALSE;
    }
    return ::RegSetValueExA(m_hSectionKey, pszName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(strText.GetString()),
                            strText.GetLength() + 1) == ERROR_SUCCESS;
}

BOOL CXTPPropExchangeRegistry::QueryText(LPCSTR pszName, CString& strText)
{
    DWORD dwType = 0;
    DWORD nSize = 0;
    if (::RegQueryValueExA(m_hSectionKey, pszName, nullptr, &dwType, nullptr, &nSize)
            != ERROR_SUCCESS
        || dwType != REG_SZ)
        return FALSE;
    // One more byte than stored, so text written without its terminator ends too.
    std::string buffer(nSize + 1, '\0');
    if (::RegQueryValueExA(m_hSectionKey, pszName, nullptr, &dwType,
                           reinterpret_cast<BYTE*>(&buffer[0]), &nSize) != ERROR_SUCCESS
        || dwType != REG_SZ)
        return FALSE;
    strText = buffer.c_str();
    return TRUE;
}

BOOL CXTPPropExchangeRegistry::LoadValue(LPCSTR pszName, int nType, void* pValue)
{
    if (IsIntegerType(nType))
    {
        DWORD dwValue = 0;
        DWORD dwType = 0;
        DWORD nSize = 4;
        if (::RegQueryValueExA(m_hSectionKey, pszName, nullptr, &dwType,
                               reinterpret_cast<BYTE*>(&dwValue), &nSize) != ERROR_SUCCESS
            || dwType != REG_DWORD || nSize != 4)
            return FALSE;
        memcpy(pValue, &dwValue, PropertyTypeSize(nType));
        return TRUE;
    }

    CString strText;
    if (!QueryText(pszName, strText))
        return FALSE;
    if (nType == VT_LPSTR)
    {
        *static_cast<CString*>(pValue) = strText;
        return TRUE;
    }
    if (nType == XTP_VT_RECT)
    {
        int l = 0, t = 0, r = 0, b = 0;
        if (sscanf(strText, "%i, %i, %i, %i", &l, &t, &r, &b) != 4)
            return FALSE;
        *static_cast<RECT*>(pValue) = RECT{l, t, r, b};
        return TRUE;
    }
    int cx = 0, cy = 0;
    if (sscanf(strText, "%i, %i", &cx, &cy) != 2)
        return FALSE;
    *static_cast<SIZE*>(pValue) = SIZE{cx, cy};
    return TRUE;
}

BOOL CXTPPropExchangeRegistry::ExchangeBytes(LPCSTR pszName, BYTE*& pData, DWORD& nBytes)
{
    if (!Prepare())
        return FALSE;
    if (IsStoring())
        return ::RegSetValueExA(m_hSectionKey, pszName, 0, REG_BINARY, pData, nBytes)
               == ERROR_SUCCESS;

    DWORD dwType = 0;
    DWORD nStored = 0;
    if (::RegQueryValueExA(m_hSectionKey, pszName, nullptr, &dwType, nullptr, &nStored)
            != ERROR_SUCCESS
        || dwType != REG_BINARY)
        return FALSE;
    BOOL bAllocated = FALSE;
    if (!pData)
    {
        pData = static_cast<BYTE*>(malloc(nStored ? nStored : 1));
        if (!pData)
            return FALSE;
        bAllocated = TRUE;
    }
    else if (nBytes < nStored)
    {
        return FALSE;
    }
    if (::RegQueryValueExA(m_hSectionKey, pszName, nullptr, &dwType, pData, &nStored)
        != ERROR_SUCCESS)
    {
        if (bAllocated)
        {
            free(pData);
            pData = nullptr;
        }
        return FALSE;
    }
    nBytes = nStored;
    return TRUE;
}

CXTPPropExchange* CXTPPropExchangeRegistry::OpenSection(LPCSTR pszName)
{
    Prepare();
    CXTPPropExchangeRegistry* pSection =
        new CXTPPropExchangeRegistry(IsLoading(), m_hSectionKey, pszName);
    pSection->InitSection(this);
    return pSection;
}

void CXTPPropExchangeRegistry::ClearSection()
{
    // Without a path the section is the root key (for a root exchange the
    // whole application key): that is never deleted.
    if (m_strSubKey.IsEmpty() || !m_hRootKey)
        return;
    m_bEmptied = TRUE;
    CloseSectionKey();
    CAppProfile::DelRegTree(m_hRootKey, m_strSubKey);
    m_bPrepared = FALSE;
}

BOOL CXTPPropExchangeRegistry::HasNativeBinary()
{
    return TRUE;
}
