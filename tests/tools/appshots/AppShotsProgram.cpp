#include "AppShotsProgram.h"

#include "barshots/ShotSupport.h"
#include "toolkit/input/InputTestSupport.h"

#include <commctrl.h>
#include <shlwapi.h>

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

// A message whose answer is read back, sent across the processes.
LRESULT Ask(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR dwResult = 0;
    ::SendMessageTimeoutA(hWnd, nMessage, wParam, lParam, SMTO_NORMAL, 30000, &dwResult);
    return static_cast<LRESULT>(dwResult);
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

bool CShotProgram::Start(const std::string& strExe, const std::string& strFile)
{
    if (!m_process.LaunchProgram(strExe.c_str(), ("\"" + strFile + "\"").c_str()) || !m_process.WaitForMainWindow())
        return false;
    Settle();
    return true;
}

HWND CShotProgram::WaitForMenu(const char* pszClass) const
{
    // A popup menu of the program's own, once it shows.
    return m_process.WaitForVisibleClass(pszClass, 30000);
}

void CShotProgram::Command(UINT nID) const
{
    m_process.SendCommand(Main(), nID);
    Settle();
}

void CShotProgram::CommandAsDrawn(UINT nID) const
{
    m_process.SendCommand(Main(), nID);
    m_process.WaitUntilIdle();
    ::Sleep(300);
}

HWND CShotProgram::OpenDialog(UINT nID, LPCSTR lpszTitle) const
{
    m_process.PostCommand(nID);
    HWND hDialog = WaitFor(lpszTitle);
    Settle();
    return hDialog;
}

HWND CShotProgram::OpenSystemDialog(UINT nID) const
{
    m_process.PostCommand(nID);
    HWND hDialog = m_process.WaitForDialog();
    Settle();
    return hDialog;
}

void CShotProgram::Select(HTREEITEM hItem) const
{
    Ask(FindChild(WC_TREEVIEWA), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem));
    Settle();
}

void CShotProgram::SelectFirstEntry() const
{
    std::vector<HTREEITEM> handles;
    const auto rows = m_process.TreeRows(&handles);
    if (rows.size() < 2)
        return;
    // Down through first children: each is the row right after its parent.
    size_t i = 1;
    while (i + 1 < rows.size() && rows[i + 1].nDepth == rows[i].nDepth + 1)
        ++i;
    Select(handles[i]);
}

bool CShotProgram::SelectTitled(const std::string& strTitle) const
{
    std::vector<HTREEITEM> handles;
    const auto rows = m_process.TreeRows(&handles);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].strTitle == strTitle) {
            Select(handles[i]);
            return true;
        }
    }
    return false;
}

RECT CShotProgram::SelectedItemRect() const
{
    HTREEITEM hItem = reinterpret_cast<HTREEITEM>(Ask(FindChild(WC_TREEVIEWA), TVM_GETNEXTITEM, TVGN_CARET, 0));
    return hItem ? m_process.TreeItemScreenRect(hItem) : RECT{};
}

void CShotProgram::TypeKey(WORD wVirtualKey, WORD wModifier) const
{
    MakeForeground(Main());
    if (wModifier)
        TapKeyWith(wModifier, wVirtualKey);
    else
        TapKey(wVirtualKey);
    Settle();
}

void CShotProgram::Settle() const
{
    if (!Main())
        return;
    m_process.WaitUntilIdle();
    ::RedrawWindow(Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    m_process.WaitUntilIdle();
    // The X server shows what was drawn a moment later.
    ::Sleep(300);
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
