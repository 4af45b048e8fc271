// The property exchange over a private INI file: sections are INI sections
// named with a backslash path ("CommandBars\Bar0"), values are text (see
// PropExchangeText.h for the forms). Without a file name the exchange works
// on a temporary file, which the root exchange deletes when it ends.
#pragma once

#include "toolkit/commandbars/PropExchange.h"

class CXTPPropExchangeIniFile : public CXTPPropExchange
{
public:
    // The section is pszParentSection + "\" + pszSection, or pszSection alone.
    CXTPPropExchangeIniFile(BOOL bLoading, LPCSTR pszParentSection, LPCSTR pszSection);
    ~CXTPPropExchangeIniFile() override;

    // Works on this file from now on (no temporary file).
    void AssignFile(LPCSTR pszFileName);
    CString GetFileName() const { return m_strFileName; }
    CString GetSectionName() const { return m_strSectionName; }

    BOOL ExchangeValue(LPCSTR pszName, int nType, void* pValue, const void* pDefault) override;
    CXTPPropExchange* OpenSection(LPCSTR pszName) override;
    // Deletes the section and every section below it.
    void ClearSection() override;
    BOOL Prepare() override;

private:
    // The value's text, of any length; FALSE when missing or empty.
    BOOL ReadText(LPCSTR pszName, CString& strText);
    BOOL WriteText(LPCSTR pszName, LPCSTR pszText);

    CString m_strSectionName;
    CString m_strFileName;
    BOOL m_bTempFile;
};
