// CWinApp: the program's one application object. It holds the program's
// names and start-up arguments, its settings store (the profile), message
// boxes, the wait cursor, cursors and icons, and help. Its document half
// (templates, recent files, command line, printer) is CWinAppDocuments.
//
// Settings: after SetRegistryKey("Company") the profile lives under
// HKEY_CURRENT_USER\Software\Company\<profile name>; the profile name is the
// string AFX_IDS_APP_TITLE, else the executable's name. Without a registry
// key the profile is the INI file "<executable>.INI".
#pragma once

#include "framework/core/Profile.h"
#include "framework/core/String.h"
#include "framework/ui/WinAppDocuments.h"

#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001

class CWinApp : public CWinAppDocuments
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName: the application's name; null takes AFX_IDS_APP_TITLE or
    // the executable's name at start-up.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    // The application's names; they point at strings the object keeps (a
    // program may point them elsewhere, the object never frees them).
    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;
    LPCSTR m_pszProfileName = nullptr;
    LPCSTR m_pszExeName = nullptr;
    LPCSTR m_pszHelpFilePath = nullptr;

    int ExitInstance() override;
    int Run() override;

    // Fills the names from the module (AfxWinInit calls it).
    void SetCurrentHandles();

    // Keeps the settings in the registry under the company key.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // *ppData is a new BYTE[] the caller deletes.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    // A null entry deletes the section, a null value deletes the entry.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // Open keys (created when missing) the caller closes; null without a
    // registry key.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR lpszSection);

    // Shows every framework message box of the program (AfxMessageBox, and
    // the reports of exceptions). Owner: the main window's active popup;
    // caption: the application's name; an icon is added by the buttons
    // when nType names none.
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // 1 begin, -1 end, 0 restore the wait cursor.
    virtual void DoWaitCursor(int nCode);

    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;

    // Opens the program's help file (m_pszHelpFilePath) at dwData; does
    // nothing, and shows no error, when there is no help file.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual void WinHelpInternal(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

private:
    // The profile store, brought in line with the name members first (a
    // program may set them directly).
    CAppProfile& Profile();

    CAppProfile m_profile;
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
    CString m_strExeName;
    CString m_strHelpFilePath;
};
