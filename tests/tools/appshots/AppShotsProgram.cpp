#include "AppShotsProgram.h"

#include "barshots/ShotSupport.h"

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <vector>

namespace {

const char kSettingsKey[] = "Software\\VRNK\\Qivnotes";

HKEY CreateSection(LPCSTR lpszSection)
{
    HKEY hKey = nullptr;
    const std::string strKey = std::string(kSettingsKey) + "\\" + lpszSection;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr)
        != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

void SetString(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszValue)
{
    if (HKEY hKey = CreateSection(lpszSection)) {
        ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                         static_cast<DWORD>(strlen(lpszValue) + 1));
        ::RegCloseKey(hKey);
    }
}

void SetInt(LPCSTR lpszSection, LPCSTR lpszName, DWORD dwValue)
{
    if (HKEY hKey = CreateSection(lpszSection)) {
        ::RegSetValueExA(hKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
        ::RegCloseKey(hKey);
    }
}

struct WindowSearch
{
    DWORD dwProcessId;
    LPCSTR lpszTitle;   // null: the main window ("Qivnotes - ...")
    LPCSTR lpszClass;   // when given, the class alone decides
    HWND hWnd;
};

BOOL CALLBACK FindWindowOf(HWND hWnd, LPARAM lParam)
{
    WindowSearch* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != pSearch->dwProcessId || !::IsWindowVisible(hWnd))
        return TRUE;
    bool bFound = false;
    if (pSearch->lpszClass) {
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        bFound = strcmp(szClass, pSearch->lpszClass) == 0;
    } else {
        char szTitle[256] = {};
        ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
        bFound = pSearch->lpszTitle ? strcmp(szTitle, pSearch->lpszTitle) == 0
                                    : strncmp(szTitle, "Qivnotes - ", 11) == 0;
    }
    if (bFound) {
        pSearch->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

struct ChildSearch
{
    LPCSTR lpszClass;
    HWND hWnd;
};

BOOL CALLBACK FindChildOf(HWND hWnd, LPARAM lParam)
{
    ChildSearch* pSearch = reinterpret_cast<ChildSearch*>(lParam);
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (_stricmp(szClass, pSearch->lpszClass) == 0) {
        pSearch->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A message whose answer is read back, sent across the processes.
LRESULT Ask(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR dwResult = 0;
    ::SendMessageTimeoutA(hWnd, nMessage, wParam, lParam, SMTO_NORMAL, 30000, &dwResult);
    return static_cast<LRESULT>(dwResult);
}

HTREEITEM NextItem(HWND hTree, UINT nCode, HTREEITEM hItem)
{
    return reinterpret_cast<HTREEITEM>(Ask(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

} // namespace

void DeleteAppSettings()
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

void PrepareAppSettings(LPCSTR lpszBannerText)
{
    DeleteAppSettings();
    SetString("Settings", "ShowSplash", "0");
    SetInt("Tip", "StartUp", 1);
    // The window in the middle of the screen, where the system centres
    // the program's dialogs too.
    const int cx = 760;
    const int cy = 540;
    const int x = std::max(0, (::GetSystemMetrics(SM_CXSCREEN) - cx) / 2);
    const int y = std::max(0, (::GetSystemMetrics(SM_CYSCREEN) - cy) / 2);
    SetInt("Frame", "Status", SW_SHOWNORMAL);
    SetInt("Frame", "Left", static_cast<DWORD>(x));
    SetInt("Frame", "Top", static_cast<DWORD>(y));
    SetInt("Frame", "Right", static_cast<DWORD>(x + cx));
    SetInt("Frame", "Bottom", static_cast<DWORD>(y + cy));
    if (lpszBannerText)
        SetString("Settings", "BannerText", lpszBannerText);
}

CShotProgram::~CShotProgram()
{
    if (m_pi.hProcess) {
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 1);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

bool CShotProgram::Start(const std::string& strExe, const std::string& strFile)
{
    const std::string strCommand = "\"" + strExe + "\" \"" + strFile + "\"";
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

HWND CShotProgram::WaitFor(LPCSTR lpszTitle, LPCSTR lpszClass) const
{
    WindowSearch search = {m_pi.dwProcessId, lpszTitle, lpszClass, nullptr};
    for (int i = 0; i < 300 && !search.hWnd; ++i) {
        ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (!search.hWnd)
            ::Sleep(100);
    }
    return search.hWnd;
}

HWND CShotProgram::FindChild(LPCSTR lpszClass, HWND hParent) const
{
    ChildSearch search = {lpszClass, nullptr};
    ::EnumChildWindows(hParent ? hParent : m_hMain, FindChildOf, reinterpret_cast<LPARAM>(&search));
    return search.hWnd;
}

void CShotProgram::Command(UINT nID) const
{
    Ask(m_hMain, WM_COMMAND, nID, 0);
    Settle();
}

HWND CShotProgram::OpenDialog(UINT nID, LPCSTR lpszTitle) const
{
    ::PostMessageA(m_hMain, WM_COMMAND, nID, 0);
    HWND hDialog = WaitFor(lpszTitle);
    Settle();
    return hDialog;
}

void CShotProgram::SelectFirstEntry() const
{
    HWND hTree = Tree();
    if (!hTree)
        return;
    HTREEITEM hItem = NextItem(hTree, TVGN_CHILD, NextItem(hTree, TVGN_ROOT, nullptr));
    while (HTREEITEM hChild = hItem ? NextItem(hTree, TVGN_CHILD, hItem) : nullptr)
        hItem = hChild;
    if (hItem)
        Ask(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem));
    Settle();
}

std::string CShotProgram::ItemText(HWND hTree, HTREEITEM hItem) const
{
    // The item record and its text buffer live in the program's memory.
    const SIZE_T nBytes = sizeof(TVITEMA) + 260;
    BYTE* pRemote = static_cast<BYTE*>(::VirtualAllocEx(m_pi.hProcess, nullptr, nBytes, MEM_COMMIT, PAGE_READWRITE));
    if (!pRemote)
        return std::string();
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = hItem;
    item.pszText = reinterpret_cast<LPSTR>(pRemote + sizeof(TVITEMA));
    item.cchTextMax = 260;
    ::WriteProcessMemory(m_pi.hProcess, pRemote, &item, sizeof(item), nullptr);
    Ask(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pRemote));
    char szText[261] = {};
    ::ReadProcessMemory(m_pi.hProcess, pRemote + sizeof(TVITEMA), szText, 260, nullptr);
    ::VirtualFreeEx(m_pi.hProcess, pRemote, 0, MEM_RELEASE);
    return szText;
}

bool CShotProgram::SelectTitled(const std::string& strTitle) const
{
    HWND hTree = Tree();
    if (!hTree)
        return false;
    // Pre-order without recursion: the parents met on the way down.
    std::vector<HTREEITEM> parents;
    HTREEITEM hItem = NextItem(hTree, TVGN_ROOT, nullptr);
    while (hItem) {
        if (ItemText(hTree, hItem) == strTitle) {
            Ask(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem));
            Settle();
            return true;
        }
        if (HTREEITEM hChild = NextItem(hTree, TVGN_CHILD, hItem)) {
            parents.push_back(hItem);
            hItem = hChild;
            continue;
        }
        hItem = NextItem(hTree, TVGN_NEXT, hItem);
        while (!hItem && !parents.empty()) {
            hItem = NextItem(hTree, TVGN_NEXT, parents.back());
            parents.pop_back();
        }
    }
    return false;
}

RECT CShotProgram::SelectedItemRect() const
{
    RECT rc = {};
    HWND hTree = Tree();
    HTREEITEM hItem = hTree ? NextItem(hTree, TVGN_CARET, nullptr) : nullptr;
    RECT* pRemote = hItem ? static_cast<RECT*>(::VirtualAllocEx(m_pi.hProcess, nullptr, sizeof(RECT), MEM_COMMIT,
                                                                PAGE_READWRITE))
                          : nullptr;
    if (!pRemote)
        return rc;
    // The message takes the item's handle in the rectangle's place.
    ::WriteProcessMemory(m_pi.hProcess, pRemote, &hItem, sizeof(hItem), nullptr);
    if (Ask(hTree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(pRemote))) {
        ::ReadProcessMemory(m_pi.hProcess, pRemote, &rc, sizeof(rc), nullptr);
        ::MapWindowPoints(hTree, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    }
    ::VirtualFreeEx(m_pi.hProcess, pRemote, 0, MEM_RELEASE);
    return rc;
}

void CShotProgram::TypeKey(WORD wVirtualKey) const
{
    ::SetForegroundWindow(m_hMain);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = wVirtualKey;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    Settle();
}

void CShotProgram::Settle() const
{
    if (!m_hMain)
        return;
    Ask(m_hMain, WM_NULL, 0, 0);
    ::RedrawWindow(m_hMain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Ask(m_hMain, WM_NULL, 0, 0);
    // The X server shows what was drawn a moment later.
    ::Sleep(300);
}

int CShotProgram::Close()
{
    ::PostMessageA(m_hMain, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(m_pi.hProcess, 60000) != WAIT_OBJECT_0)
        return -1;
    DWORD dwExit = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &dwExit);
    return static_cast<int>(dwExit);
}

bool ShootScreen(HWND hMain, HWND hFront, const std::string& strPath)
{
    RECT rc = {};
    if (!::GetWindowRect(hMain, &rc))
        return false;
    if (hFront) {
        RECT rcFront = {};
        ::GetWindowRect(hFront, &rcFront);
        ::UnionRect(&rc, &rc, &rcFront);
    }
    rc.left = std::max(rc.left, 0L);
    rc.top = std::max(rc.top, 0L);
    rc.right = std::min(rc.right, static_cast<LONG>(::GetSystemMetrics(SM_CXSCREEN)));
    rc.bottom = std::min(rc.bottom, static_cast<LONG>(::GetSystemMetrics(SM_CYSCREEN)));
    CShotDib dib(CSize(rc.right - rc.left, rc.bottom - rc.top));
    if (!dib.IsValid())
        return false;
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(dib.Dc().GetSafeHdc(), 0, 0, rc.right - rc.left, rc.bottom - rc.top, hScreen, rc.left, rc.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    return dib.Write(strPath);
}
