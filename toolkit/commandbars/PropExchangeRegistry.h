// The property exchange over a registry key: sections are sub-keys, values
// registry values. Integers are REG_DWORD, strings REG_SZ, sizes and
// rectangles REG_SZ text ("%i, %i" and "%i, %i, %i, %i"), byte blocks and
// floating-point numbers REG_BINARY. A value equal to its default is not
// written (an old one is deleted).
#pragma once

#include "toolkit/commandbars/PropExchange.h"

class CXTPPropExchangeRegistry : public CXTPPropExchange
{
public:
    // hRoot null: the application's own key, which this exchange then owns.
    CXTPPropExchangeRegistry(BOOL bLoading, HKEY hRoot, LPCSTR pszSubKey);
    ~CXTPPropExchangeRegistry() override;

    BOOL ExchangeValue(LPCSTR pszName, int nType, void* pValue, const void* pDefault) override;
    BOOL ExchangeBytes(LPCSTR pszName, BYTE*& pData, DWORD& nBytes) override;
    CXTPPropExchange* OpenSection(LPCSTR pszName) override;
    // Deletes the section's key with its sub-keys. A section without a path
    // of its own (the root key itself) is left alone.
    void ClearSection() override;
    BOOL HasNativeBinary() override;
    // Opens the section's key once; storing creates it when missing,
    // loading never does.
    BOOL Prepare() override;

private:
    BOOL StoreValue(LPCSTR pszName, int nType, const void* pValue);
    BOOL LoadValue(LPCSTR pszName, int nType, void* pValue);
    // The REG_SZ value as text; FALSE when missing or of another type.
    BOOL QueryText(LPCSTR pszName, CString& strText);
    void CloseSectionKey();

    HKEY m_hSectionKey;
    HKEY m_hRootKey;
    BOOL m_bOwnRootKey;
    CString m_strSubKey;
};
