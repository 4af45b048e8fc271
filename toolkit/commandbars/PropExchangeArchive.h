// The property exchange over a framework archive: positional and binary.
// Every value is written and read in order, defaults included; a section is
// the same archive seen through another exchange.
#pragma once

#include "toolkit/commandbars/PropExchange.h"

class CXTPPropExchangeArchive : public CXTPPropExchange
{
public:
    // Loading when the archive loads. The archive stays the caller's.
    explicit CXTPPropExchangeArchive(CArchive& ar);

    BOOL ExchangeValue(LPCSTR pszName, int nType, void* pValue, const void* pDefault) override;
    BOOL ExchangeBytes(LPCSTR pszName, BYTE*& pData, DWORD& nBytes) override;
    BOOL ExchangeObjectClass(CObject*& pObject, CRuntimeClass* pRequiredBase) override;
    CArchive* OpenValueArchive(LPCSTR pszName) override;
    void CloseValueArchive(LPCSTR pszName, CArchive* pArchive) override;
    CXTPPropExchange* OpenSection(LPCSTR pszName) override;
    void PutCount(DWORD nCount) override;
    DWORD TakeCount() override;
    void PutBytes(LPCSTR pszName, const BYTE* pData, DWORD nBytes) override;
    DWORD TakeBytes(LPCSTR pszName, BYTE* pData, DWORD nBytes) override;
    BOOL CanOmitValues() override;
    BOOL HasNativeBinary() override;
    // A marker DWORD 0x0FF0ADBF and the schema; data without the marker has
    // schema 17.
    void ExchangeSchemaNumber() override;

    CArchive& GetArchive() { return m_ar; }

private:
    CArchive& m_ar;
};
