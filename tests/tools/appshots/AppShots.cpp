// The screenshot program's pictures of the real qivnotes.exe: started with a
// card file in fresh settings, driven by its own commands from outside, and
// photographed from the screen as a person sees it, with any dialog it shows
// in front:
//
//   barshots --app EXE FILE [output folder]
//
// writes <folder>/app/<state>.png (default folder: "shots" beside barshots)
// for the start, text only, tree only, the attachments pane, the banner's
// logo and an own banner text, the tip of the day, the options and the
// about box.
#include "AppShots.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char kSettingsKey[] = "Software\\VRNK\\Qivnotes";

// The program's commands the shots use.
const UINT kTextOnly = 32789;
const UINT kTreeOnly = 32788;
const UINT kNormalView = 32793;
const UINT kAttachmentsPane = 32868;
const UINT kOptions = 32845;
const UINT kAbout = 57664;
const UINT kTips = 110;

void SetString(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszValue)
{
    HKEY hKey = nullptr;
    std::string strKey = std::string(kSettingsKey) + "\\" + lpszSection;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr)
        != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                     static_cast<DWORD>(strlen(lpszValue) + 1));
    ::RegCloseKey(hKey);
}

void SetInt(LPCSTR lpszSection, LPCSTR lpszName, DWORD dwValue)
{
    HKEY hKey = nullptr;
    std::string strKey = std::string(kSettingsKey) + "\\" + lpszSection;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr)
        != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(hKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    ::RegCloseKey(hKey);
}

// Fresh settings: no splash, no start tip, the window at a fixed place.
void PrepareSettings(LPCSTR lpszBannerText)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    SetString("Settings", "ShowSplash", "0");
    SetInt("Tip", "StartUp", 1);
    SetInt("Frame", "Status", SW_SHOWNORMAL);
    SetInt("Frame", "Left", 0);
    SetInt("Frame", "Top", 0);
    SetInt("Frame", "Right", 760);
    SetInt("Frame", "Bottom", 540);
    if (lpszBannerText)
        SetString("Settings", "BannerText", lpszBannerText);
}

struct WindowSearch
{
    DWORD dwProcessId;
    LPCSTR lpszTitle;   // null: the main window ("Qivnotes - ...")
    HWND hWnd;
};

BOOL CALLBACK FindWindowOf(HWND hWnd, LPARAM lParam)
{
    WindowSearch* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    char szTitle[256] = {};
    ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    const bool bTitle = pSearch->lpszTitle ? strcmp(szTitle, pSearch->lpszTitle) == 0
                                           : strncmp(szTitle, "Qivnotes - ", 11) == 0;
    if (dwProcessId == pSearch->dwProcessId && bTitle && ::IsWindowVisible(hWnd)) {
        pSearch->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

class CProgram
{
public:
    ~CProgram()
    {
        if (m_pi.hProcess) {
            if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(m_pi.hProcess, 1);
            ::CloseHandle(m_pi.hProcess);
            ::CloseHandle(m_pi.hThread);
        }
    }

    bool Start(const std::string& strExe, const std::string& strFile)
    {
        std::string strCommand = "\"" + strExe + "\" \"" + strFile + "\"";
        std::vector<char> command(strCommand.begin(), strCommand.end());
        command.push_back(0);
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        if (!::CreateProcessA(strExe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi))
            return false;
        ::WaitForInputIdle(m_pi.hProcess, 60000);
        m_hMain = WaitFor(nullptr);
        Settle();
        return m_hMain != nullptr;
    }

    // A visible window of the program (null: the main window), up to 30 s.
    HWND WaitFor(LPCSTR lpszTitle) const
    {
        WindowSearch search = {m_pi.dwProcessId, lpszTitle, nullptr};
        for (int i = 0; i < 300 && !search.hWnd; ++i) {
            ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
            if (!search.hWnd)
                ::Sleep(100);
        }
        return search.hWnd;
    }

    // Runs a command of the frame and waits until it is done.
    void Command(UINT nID) const
    {
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(m_hMain, WM_COMMAND, nID, 0, SMTO_NORMAL, 30000, &dwResult);
        Settle();
    }
    // A command that opens a modal dialog: posted, so the dialog's loop runs.
    HWND OpenDialog(UINT nID, LPCSTR lpszTitle) const
    {
        ::PostMessageA(m_hMain, WM_COMMAND, nID, 0);
        HWND hDialog = WaitFor(lpszTitle);
        Settle();
        return hDialog;
    }

    // Selects the first entry of the tree (an item without children below
    // the root), as a click would.
    void SelectFirstEntry() const
    {
        HWND hTree = FindTree();
        if (!hTree)
            return;
        auto next = [&](UINT nCode, HTREEITEM hItem) {
            return reinterpret_cast<HTREEITEM>(
                ::SendMessageA(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
        };
        std::vector<HTREEITEM> parents;
        HTREEITEM hItem = next(TVGN_CHILD, next(TVGN_ROOT, nullptr));
        while (hItem) {
            HTREEITEM hChild = next(TVGN_CHILD, hItem);
            if (!hChild)
                break;
            hItem = hChild;
        }
        if (hItem) {
            DWORD_PTR dwResult = 0;
            ::SendMessageTimeoutA(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem), SMTO_NORMAL,
                                  30000, &dwResult);
        }
        Settle();
    }

    // Waits until the program took every message so far and painted.
    void Settle() const
    {
        if (!m_hMain)
            return;
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &dwResult);
        ::RedrawWindow(m_hMain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        ::SendMessageTimeoutA(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &dwResult);
        // The X server shows what was drawn a moment later.
        ::Sleep(300);
    }

    int Close()
    {
        ::PostMessageA(m_hMain, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(m_pi.hProcess, 60000) != WAIT_OBJECT_0)
            return -1;
        DWORD dwExit = 0;
        ::GetExitCodeProcess(m_pi.hProcess, &dwExit);
        return static_cast<int>(dwExit);
    }

    HWND Main() const { return m_hMain; }

private:
    static BOOL CALLBACK FindTreeChild(HWND hWnd, LPARAM lParam)
    {
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (_stricmp(szClass, WC_TREEVIEWA) == 0) {
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    HWND FindTree() const
    {
        HWND hTree = nullptr;
        ::EnumChildWindows(m_hMain, FindTreeChild, reinterpret_cast<LPARAM>(&hTree));
        return hTree;
    }

    PROCESS_INFORMATION m_pi = {};
    HWND m_hMain = nullptr;
};

// The screen inside the main window's rectangle and a dialog's in front
// of it.
bool ShootScreen(HWND hMain, HWND hDialog, PngWriter pfnWritePng, const std::string& strPath)
{
    RECT rc = {};
    if (!::GetWindowRect(hMain, &rc))
        return false;
    if (hDialog) {
        RECT rcDialog = {};
        ::GetWindowRect(hDialog, &rcDialog);
        ::UnionRect(&rc, &rc, &rcDialog);
    }
    rc.left = std::max(rc.left, 0L);
    rc.top = std::max(rc.top, 0L);
    rc.right = std::min(rc.right, static_cast<LONG>(::GetSystemMetrics(SM_CXSCREEN)));
    rc.bottom = std::min(rc.bottom, static_cast<LONG>(::GetSystemMetrics(SM_CYSCREEN)));
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return false;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap)
        return false;
    HDC hMemory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(hMemory, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    ::GdiFlush();
    const bool bWritten = pfnWritePng(strPath, static_cast<const DWORD*>(pBits), cx, cy);
    ::SelectObject(hMemory, hOld);
    ::DeleteDC(hMemory);
    ::DeleteObject(hBitmap);
    return bWritten;
}

} // namespace

namespace {

// A path as Windows takes it: a Unix path lies on drive Z:.
std::string WindowsPath(const std::string& strPath)
{
    std::string strWindows = !strPath.empty() && strPath[0] == '/' ? "Z:" + strPath : strPath;
    std::replace(strWindows.begin(), strWindows.end(), '/', '\\');
    return strWindows;
}

} // namespace

int RunAppShots(const std::string& strExeArgument, const std::string& strFileArgument, const std::string& strFolder,
                PngWriter pfnWritePng)
{
    const std::string strExe = WindowsPath(strExeArgument);
    const std::string strFile = WindowsPath(strFileArgument);
    const std::string strAppFolder = strFolder + "\\app";
    ::CreateDirectoryA(strFolder.c_str(), nullptr);
    ::CreateDirectoryA(strAppFolder.c_str(), nullptr);
    int nShots = 0;
    int nFailed = 0;
    auto shoot = [&](const CProgram& program, HWND hDialog, const char* pszState) {
        if (ShootScreen(program.Main(), hDialog, pfnWritePng, strAppFolder + "\\" + pszState + ".png")) {
            ++nShots;
        } else {
            ++nFailed;
            fprintf(stderr, "barshots: app/%s not written\n", pszState);
        }
    };
    auto dialogShot = [&](const CProgram& program, UINT nID, LPCSTR lpszTitle, UINT nClose, const char* pszState) {
        HWND hDialog = program.OpenDialog(nID, lpszTitle);
        if (!hDialog) {
            ++nFailed;
            fprintf(stderr, "barshots: app/%s: no window \"%s\"\n", pszState, lpszTitle);
            return;
        }
        shoot(program, hDialog, pszState);
        ::PostMessageA(hDialog, WM_COMMAND, nClose, 0);
        program.Settle();
    };

    {
        PrepareSettings(nullptr);
        CProgram program;
        if (!program.Start(strExe, strFile)) {
            fprintf(stderr, "barshots: %s did not start\n", strExe.c_str());
            return 1;
        }
        shoot(program, nullptr, "start");
        shoot(program, nullptr, "banner-logo");
        program.SelectFirstEntry();
        program.Command(kTextOnly);
        shoot(program, nullptr, "text-only");
        program.Command(kTreeOnly);
        shoot(program, nullptr, "tree-only");
        program.Command(kNormalView);
        program.Command(kAttachmentsPane);
        shoot(program, nullptr, "attachments");
        program.Command(kAttachmentsPane);
        dialogShot(program, kTips, "Tipps & Tricks", IDCANCEL, "tip");
        dialogShot(program, kOptions, "Optionen", IDCANCEL, "options");
        dialogShot(program, kAbout, "Info", IDOK, "about");
        program.Close();
    }
    {
        PrepareSettings("Haushalt");
        CProgram program;
        if (program.Start(strExe, strFile))
            shoot(program, nullptr, "banner-text");
        else
            ++nFailed;
        program.Close();
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    printf("barshots: %d shots of %s in %s\n", nShots, strExe.c_str(), strAppFolder.c_str());
    return nFailed == 0 ? 0 : 1;
}
