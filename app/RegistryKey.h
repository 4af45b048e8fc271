// A registry key opened for reading, closed when it goes out of scope, with
// string values read whole and terminated whatever their stored length.
#pragma once

#include "framework/core/String.h"

class CQivRegKey
{
public:
    CQivRegKey() = default;
    ~CQivRegKey();
    CQivRegKey(const CQivRegKey&) = delete;
    CQivRegKey& operator=(const CQivRegKey&) = delete;

    BOOL Open(HKEY hParent, LPCSTR lpszName);

    // A string value (an expandable one comes back expanded); FALSE when it
    // is missing or no string. lpszValue null: the key's default value.
    BOOL QueryString(LPCSTR lpszValue, CString& strValue) const;
    // The size in bytes of a value, 0 when it is missing.
    DWORD QuerySize(LPCSTR lpszValue) const;

private:
    HKEY m_hKey = nullptr;
};
