// CAppProfile: the application's settings store behind the profile calls of
// the application object. With a company key set, settings live in the
// registry under HKEY_CURRENT_USER\Software\<company>\<application>\<section>
// (ints as REG_DWORD, strings as REG_SZ, binaries as REG_BINARY); without
// one, in the private INI file (binaries as text, two letters a byte: 'A'
// plus the low four bits, then 'A' plus the high four bits, the form the
// toolkit's INI property exchange reads).
//
// Reads never create keys. A value of another registry type than the one
// asked for reads as the default. Values of any length are read whole.
#pragma once

#include "framework/core/String.h"

#include <string>

class CAppProfile
{
public:
    CAppProfile() = default;
    CAppProfile(const CAppProfile&) = delete;
    CAppProfile& operator=(const CAppProfile&) = delete;

    // The company key ("" or null: INI mode) and the application's name.
    void SetRegistryKey(LPCSTR company);
    void SetProfileName(LPCSTR app);
    // The INI file of INI mode; by default "<application>.INI", which the
    // system places in the Windows folder.
    void SetIniPath(LPCSTR path);

    BOOL UsesRegistry() const;
    CString GetRegistryKey() const { return m_strCompany; }
    CString GetProfileName() const { return m_strApp; }
    CString GetIniPath() const;

    // Ints are signed 32-bit values: -1 comes back as 0xFFFFFFFF.
    UINT GetProfileInt(LPCSTR section, LPCSTR entry, int nDefault) const;
    CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR lpszDefault = nullptr) const;
    // *ppData is a new BYTE[*pBytes] the caller deletes; FALSE when the value
    // is missing or not binary (then *ppData is null and *pBytes 0).
    BOOL GetProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE* ppData, UINT* pBytes) const;

    BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int nValue);
    // (section, entry, null) deletes the value; (section, null, ...) deletes
    // the whole section with its sub-keys. A null or empty section name
    // writes and deletes nothing.
    BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE pData, UINT nBytes);

    // Open (created when missing) keys with read and write access, or null in
    // INI mode; the caller closes them.
    HKEY GetAppRegistryKey() const;
    HKEY GetSectionKey(LPCSTR section) const;

    // Deletes lpszKey under hParent with all its sub-keys. A null or empty
    // key name deletes nothing (ERROR_INVALID_PARAMETER).
    static LONG DelRegTree(HKEY hParent, LPCSTR lpszKey);

private:
    // The section key opened for reading only; null when it does not exist.
    HKEY OpenSectionForRead(LPCSTR section) const;
    // Reads a registry value of the given type whole; FALSE when it is
    // missing or of another type.
    BOOL QueryValue(LPCSTR section, LPCSTR entry, DWORD dwType, std::string& data) const;
    // INI values of any length go through the wide-character calls: the
    // 8-bit ones may cut values beyond 32767 characters.
    CString GetIniString(LPCSTR section, LPCSTR entry, LPCSTR lpszDefault) const;
    BOOL WriteIniString(LPCSTR section, LPCSTR entry, LPCSTR lpszValue);
    CString GetAppKeyPath() const;

    CString m_strCompany;
    CString m_strApp;
    CString m_strIniPath;
};
