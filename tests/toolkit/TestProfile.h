// The application's profile for tests of code that stores settings through
// the profile functions: a registry key of this test process's own
// (HKEY_CURRENT_USER\Software\QivnotesTests\Toolkit-<process id>), removed
// at both ends of the test, and the raw registry values under it.
#pragma once

#include "framework/core/String.h"

#include <string>

class CWinApp;

class CTestProfileScope
{
public:
    // Uses the application object when there is one, else makes its own.
    CTestProfileScope();
    ~CTestProfileScope();
    CTestProfileScope(const CTestProfileScope&) = delete;
    CTestProfileScope& operator=(const CTestProfileScope&) = delete;

    // The application name the profile and the per-user folders use.
    CString GetAppName() const { return m_strAppName; }

    struct RawValue
    {
        bool bExists = false;
        DWORD dwType = 0;
        std::string data;
    };
    RawValue Read(LPCSTR lpszSection, LPCSTR lpszEntry) const;
    bool Write(LPCSTR lpszSection, LPCSTR lpszEntry, DWORD dwType, const std::string& data);
    bool SectionExists(LPCSTR lpszSection) const;

private:
    CString AppKeyPath() const;

    CWinApp* m_pOwnApp;
    CString m_strAppName;
    LPCSTR m_pszOldAppName;
    LPCSTR m_pszOldRegistryKey;
    LPCSTR m_pszOldProfileName;
};
