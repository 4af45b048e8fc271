// Help requests. The program's help file is optional: without it a help
// command does nothing rather than show the system's error.
#include "framework/ui/WinApp.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/Wnd.h"

#include <string.h>

namespace {

// The HTML help entry point, looked up at run time (hhctrl.ocx may be
// missing).
using PFN_HTMLHELPA = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
const UINT kHHDisplayTopic = 0x0000;
const UINT kHHHelpContext = 0x000F;

bool IsCompiledHelp(LPCSTR lpszPath)
{
    size_t nLen = strlen(lpszPath);
    return nLen > 4 && lstrcmpiA(lpszPath + nLen - 4, ".chm") == 0;
}

} // namespace

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    WinHelpInternal(dwData, nCmd);
}

void CWinApp::WinHelpInternal(DWORD_PTR dwData, UINT nCmd)
{
    if (m_pszHelpFilePath == nullptr || ::GetFileAttributesA(m_pszHelpFilePath) == INVALID_FILE_ATTRIBUTES)
        return;
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWnd = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    if (!IsCompiledHelp(m_pszHelpFilePath))
    {
        ::WinHelpA(hWnd, m_pszHelpFilePath, nCmd, dwData);
        return;
    }
    static PFN_HTMLHELPA s_pfnHtmlHelp = nullptr;
    if (s_pfnHtmlHelp == nullptr)
    {
        if (HMODULE hModule = ::LoadLibraryA("hhctrl.ocx"))
            s_pfnHtmlHelp = reinterpret_cast<PFN_HTMLHELPA>(
                reinterpret_cast<void*>(::GetProcAddress(hModule, "HtmlHelpA")));
    }
    if (s_pfnHtmlHelp == nullptr)
        return;
    bool bContext = nCmd == HELP_CONTEXT || nCmd == HELP_CONTEXTPOPUP;
    s_pfnHtmlHelp(hWnd, m_pszHelpFilePath, bContext ? kHHHelpContext : kHHDisplayTopic,
                  bContext ? dwData : 0);
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelpInternal(dwData, nCmd);
}
