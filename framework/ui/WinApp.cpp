#include "framework/ui/WinApp.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Module.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/WaitCursor.h"
#include "framework/ui/Wnd.h"

#include <string>

IMPLEMENT_DYNAMIC(CWinApp, CWinAppDocuments)

namespace {

// Exceptions of the core report their errors through the application.
int CoreMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    return AfxMessageBox(lpszText, nType, nIDHelp);
}

// The full path of a module, however long.
CString ModuleFileName(HINSTANCE hInstance)
{
    std::string path(MAX_PATH, '\0');
    for (;;)
    {
        DWORD nLen = ::GetModuleFileNameA(hInstance, &path[0], static_cast<DWORD>(path.size()));
        if (nLen < path.size())
        {
            path.resize(nLen);
            return CString(path.c_str());
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    if (lpszAppName != nullptr)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
        AfxGetModuleState()->m_lpszCurrentAppName = m_pszAppName;
    }
    m_hInstance = AfxGetInstanceHandle();
    AfxSetApp(this);
    AfxSetCoreMessageBoxHook(CoreMessageBox);
}

CWinApp::~CWinApp()
{
    if (AfxGetApp() == this)
    {
        AfxSetCoreMessageBoxHook(nullptr);
        AfxSetApp(nullptr);
        AFX_MODULE_STATE* pState = AfxGetModuleState();
        if (pState->m_lpszCurrentAppName == m_pszAppName)
            pState->m_lpszCurrentAppName = nullptr;
    }
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

int CWinApp::Run()
{
    // A program whose start-up made no main window would wait unseen.
    if (m_pMainWnd == nullptr)
        AfxPostQuitMessage(0);
    return CWinThread::Run();
}

void CWinApp::SetCurrentHandles()
{
    if (m_hInstance == nullptr)
        m_hInstance = AfxGetInstanceHandle();
    CString strPath = ModuleFileName(m_hInstance);

    int nSlash = strPath.ReverseFind('\\');
    CString strFile = strPath.Mid(nSlash + 1);
    int nDot = strFile.ReverseFind('.');
    if (m_pszExeName == nullptr)
    {
        m_strExeName = nDot >= 0 ? strFile.Left(nDot) : strFile;
        m_pszExeName = m_strExeName;
    }
    if (m_pszHelpFilePath == nullptr)
    {
        int nPathDot = strPath.ReverseFind('.');
        m_strHelpFilePath = (nPathDot > nSlash ? strPath.Left(nPathDot) : strPath) + ".chm";
        m_pszHelpFilePath = m_strHelpFilePath;
    }
    if (m_pszAppName == nullptr)
    {
        CString strTitle;
        if (strTitle.LoadString(AFX_IDS_APP_TITLE) && !strTitle.IsEmpty())
            m_strAppName = strTitle;
        else
            m_strAppName = m_pszExeName;
        m_pszAppName = m_strAppName;
    }
    AfxGetModuleState()->m_lpszCurrentAppName = m_pszAppName;
    if (m_pszProfileName == nullptr)
    {
        if (m_pszRegistryKey != nullptr)
            m_strProfileName = m_pszAppName;
        else
            m_strProfileName = CString(m_pszExeName) + ".INI";
        m_pszProfileName = m_strProfileName;
    }
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    if (m_pszAppName == nullptr)
        SetCurrentHandles();
    m_strProfileName = m_pszAppName;
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

CAppProfile& CWinApp::Profile()
{
    if (m_pszProfileName == nullptr)
        SetCurrentHandles();
    bool bRegistry = m_pszRegistryKey != nullptr && *m_pszRegistryKey != '\0';
    m_profile.SetRegistryKey(bRegistry ? m_pszRegistryKey : nullptr);
    m_profile.SetProfileName(m_pszProfileName);
    if (!bRegistry)
        m_profile.SetIniPath(m_pszProfileName);
    return m_profile;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return Profile().GetProfileInt(lpszSection, lpszEntry, nDefault);
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    return Profile().GetProfileString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    return Profile().GetProfileBinary(lpszSection, lpszEntry, ppData, pBytes);
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    return Profile().WriteProfileInt(lpszSection, lpszEntry, nValue);
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    return Profile().WriteProfileString(lpszSection, lpszEntry, lpszValue);
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    return Profile().WriteProfileBinary(lpszSection, lpszEntry, pData, nBytes);
}

HKEY CWinApp::GetAppRegistryKey()
{
    return Profile().GetAppRegistryKey();
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    return Profile().GetSectionKey(lpszSection);
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    HWND hWndOwner = nullptr;
    if (CWnd* pMainWnd = AfxGetMainWnd())
        hWndOwner = pMainWnd->m_hWnd != nullptr ? ::GetLastActivePopup(pMainWnd->m_hWnd) : nullptr;
    if (hWndOwner == nullptr)
        hWndOwner = ::GetActiveWindow();

    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    return AfxShowMessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType, nIDPrompt);
}

void CWinApp::DoWaitCursor(int nCode)
{
    AfxDoWaitCursorDefault(nCode);
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */);
    return ::LoadCursorA(hInst, lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    return ::LoadIconA(hInst, lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const
{
    return ::LoadIconA(nullptr, lpszIconName);
}
