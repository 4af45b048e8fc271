// Scratch places for setup runs: a temporary folder tree with a source
// folder holding the product's files, and registry keys below
// HKEY_CURRENT_USER that stand in for the classes and machine roots. All of
// it is removed when the object ends.
#pragma once

#include "setup/InstallRoutine.h"

#include <vector>

extern const std::vector<CString> kProductFiles;

class CScratchInstall
{
public:
    // nLength: the scratch root is padded with nested folders to at least
    // this many characters.
    explicit CScratchInstall(int nLength = 0);
    ~CScratchInstall();
    CScratchInstall(const CScratchInstall&) = delete;
    CScratchInstall& operator=(const CScratchInstall&) = delete;

    // Writes each product file into the source folder, its content its name.
    void FillSource(const std::vector<CString>& files = kProductFiles);
    // The machine keys that a system has before any setup runs.
    void MakeMachineKeys();

    const CInstallPlaces& Places() const { return m_places; }
    const CString& Root() const { return m_strRoot; }            // no trailing backslash
    const CString& Favourites() const { return m_strFavourites; }  // with trailing backslash
    HKEY User() const { return m_hUser; }
    CString RegistryKey() const { return m_strKey; }

private:
    CString m_strRoot;
    CString m_strFavourites;
    CString m_strKey;
    HKEY m_hUser = nullptr;
    CInstallPlaces m_places;
};

bool FileExists(const CString& strPath);
CString ReadFileText(const CString& strPath);
void WriteFileText(const CString& strPath, const CString& strText);
void MakeFolder(const CString& strPath);
bool KeyExists(HKEY hRoot, LPCSTR lpszKey);
// The string value, or "<none>" when it is missing or not REG_SZ with its
// terminating zero.
CString GetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName);
void SetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName, LPCSTR lpszValue);
