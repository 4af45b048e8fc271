// Shell folders and shortcut files in tests: a user shell folder pointed at
// a scratch folder (honoured at run time by every program of the prefix),
// and a shortcut file read back through the shell-link object.
#pragma once

#include "framework/core/String.h"

#include <string>

class CRedirectedFolder
{
public:
    // Points the value of "User Shell Folders" (e.g. "Desktop") at the
    // scratch folder lpszLeaf of the temporary folder, made if missing.
    CRedirectedFolder(LPCSTR lpszValue, LPCSTR lpszLeaf);
    // Puts the old value back, or removes the value when there was none.
    ~CRedirectedFolder();
    CRedirectedFolder(const CRedirectedFolder&) = delete;
    CRedirectedFolder& operator=(const CRedirectedFolder&) = delete;

    CString m_strPath;

private:
    CString m_strValue;
    HKEY m_hKey = nullptr;
    BOOL m_bHadValue = FALSE;
    DWORD m_dwOldType = REG_SZ;
    CString m_strOld;
};

struct LinkContents
{
    std::string path, arguments, iconPath;
    int nIcon = -1;
};

// What a shortcut file holds; empty fields when it cannot be read. COM must
// be initialised on the thread.
LinkContents ReadShellLink(const CString& strLinkPath);
