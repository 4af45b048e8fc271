// A product installed the way setup installs it, but into a scratch folder
// and below scratch registry keys that stand in for the machine, classes and
// user roots. Everything is removed again when the fixture ends.
#pragma once

#include "uninstall/Uninstaller.h"

#include <string>
#include <vector>

// The files setup copies, uninstall.exe included.
extern const std::vector<CString> kSetupFiles;
// The settings sections the main program writes.
extern const std::vector<CString> kSettingsSections;

extern const char kUninstallKeyPath[];
extern const char kAppPathKeyPath[];
extern const char kSettingsKeyPath[];

class CFakeInstallation
{
public:
    // nFolderLength: the installation folder is padded with nested
    // sub-folders to at least this many characters.
    explicit CFakeInstallation(int nFolderLength = 0);
    ~CFakeInstallation();
    CFakeInstallation(const CFakeInstallation&) = delete;
    CFakeInstallation& operator=(const CFakeInstallation&) = delete;

    // Files, shortcuts, favourites links, registry entries and settings.
    void Install();
    void WriteSettings();

    const CUninstallPlaces& Places() const { return m_places; }
    const CString& Folder() const { return m_strFolder; }      // with trailing backslash
    const CString& Favourites() const { return m_strFavourites; }
    CString ProgramsShortcut() const;
    CString DesktopShortcut() const;

    void SetUninstallString(LPCSTR lpszValue);

private:
    CString m_strRoot;          // scratch folder of everything
    CString m_strFolder;
    CString m_strFavourites;
    CString m_strRegistryKey;   // scratch key below HKEY_CURRENT_USER
    CUninstallPlaces m_places;
};

// Work on paths of any length.
bool FileExists(const CString& strPath);
void WriteFile(const CString& strPath);
void MakeFolder(const CString& strPath);
bool KeyExists(HKEY hRoot, LPCSTR lpszKey);
HKEY CreateKey(HKEY hRoot, LPCSTR lpszKey);
void SetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName, LPCSTR lpszValue);
CString GetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName);

// Answers message boxes from a script and records what was shown.
class CScriptedMessageBox : public CUninstallMessageBox
{
public:
    struct Shown
    {
        CString strText;
        CString strCaption;
        UINT nType;
    };

    explicit CScriptedMessageBox(std::vector<int> answers) : m_answers(std::move(answers)) {}
    int Show(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) override;

    std::vector<Shown> m_shown;

private:
    std::vector<int> m_answers;
};
