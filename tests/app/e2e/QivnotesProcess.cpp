#include "QivnotesProcess.h"

#include "common/WindowSearch.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>

#include <functional>
#include <string.h>
#include <vector>

namespace e2e {

namespace {

// Names what still stands of a program that did not end.
BOOL CALLBACK PrintWindowsOf(HWND hWnd, LPARAM lParam)
{
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == static_cast<DWORD>(lParam) && ::IsWindowVisible(hWnd)) {
        char szTitle[256] = {};
        char szClass[64] = {};
        ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        fprintf(stderr, "still open: %s \"%s\"\n", szClass, szTitle);
        for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            ::GetWindowTextA(hChild, szTitle, sizeof(szTitle));
            if (szTitle[0])
                fprintf(stderr, "    \"%s\"\n", szTitle);
        }
    }
    return TRUE;
}

BOOL CALLBACK AppendStaticText(HWND hWnd, LPARAM lParam)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (_stricmp(szClass, "Static") == 0) {
        char szText[1024] = {};
        ::SendMessageA(hWnd, WM_GETTEXT, sizeof(szText), reinterpret_cast<LPARAM>(szText));
        if (szText[0])
            *reinterpret_cast<std::string*>(lParam) += std::string(szText) + "\n";
    }
    return TRUE;
}

// A control anywhere below the window: the file dialog keeps its fields in
// a child dialog on some systems.
HWND FindControlBelow(HWND hParent, int nID)
{
    return windows::FirstBelow(hParent, [nID](HWND hWnd) { return ::GetDlgCtrlID(hWnd) == nID; });
}

} // namespace

CString QivnotesPath()
{
    const char* pszBinary = getenv("QIV_BINARY_DIR");
    if (!pszBinary || !*pszBinary)
        return CString();
    CString strPath = pszBinary;
    strPath += "/app/qivnotes.exe";
    strPath.Replace('/', '\\');
    if (strPath.GetLength() > 0 && strPath[0] == '\\')
        strPath = "Z:" + strPath;
    return strPath;
}

CString ToolPath(LPCSTR lpszName)
{
    CString strPath = QivnotesPath();
    const int nApp = strPath.ReverseFind('\\');
    if (nApp <= 0)
        return CString();
    strPath = strPath.Left(nApp);
    const int nTop = strPath.ReverseFind('\\');
    return strPath.Left(nTop) + "\\tests\\" + lpszName + ".exe";
}

std::string RunAndRead(const CString& strCommandLine)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return std::string();
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    std::vector<char> command(strCommandLine.GetString(), strCommandLine.GetString() + strCommandLine.GetLength() + 1);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = hWrite;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    const BOOL bStarted = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hWrite);
    std::string strOut;
    if (bStarted) {
        char buffer[4096];
        DWORD nRead = 0;
        while (::ReadFile(hRead, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0)
            strOut.append(buffer, nRead);
        ::WaitForSingleObject(pi.hProcess, 60000);
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    }
    ::CloseHandle(hRead);
    return strOut;
}

CString ScratchFolder(LPCSTR lpszName)
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strFolder = CString(szTemp) + "qive2e-" + lpszName;
    ::CreateDirectoryA(strFolder, nullptr);
    return strFolder;
}

CQivnotesProcess::~CQivnotesProcess()
{
    if (m_pi.hProcess) {
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 1);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

BOOL CQivnotesProcess::Start(const CString& strArguments)
{
    return Launch(strArguments) && WaitForMainWindow();
}

BOOL CQivnotesProcess::Launch(const CString& strArguments)
{
    return LaunchProgram(QivnotesPath(), strArguments);
}

BOOL CQivnotesProcess::LaunchProgram(const CString& strExe, const CString& strArguments)
{
    CString strCommand = "\"" + strExe + "\" " + strArguments;
    std::vector<char> command(strCommand.GetString(), strCommand.GetString() + strCommand.GetLength() + 1);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    // Its crash report goes to the test's own error output.
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    return ::CreateProcessA(strExe, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &m_pi);
}

HWND CQivnotesProcess::FindWindowOf(DWORD dwProcessId, const std::function<bool(HWND)>& match)
{
    return windows::FirstOfProcess(dwProcessId, match);
}

BOOL CQivnotesProcess::WaitForMainWindow()
{
    ::WaitForInputIdle(m_pi.hProcess, 60000);
    HWND hMain = nullptr;
    for (int i = 0; i < 600 && !hMain; ++i) {
        // The title names the card file once it is open.
        hMain = FindWindowOf(m_pi.dwProcessId, [](HWND hWnd) {
            char szTitle[256] = {};
            ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
            return strncmp(szTitle, "Qivnotes - ", 11) == 0;
        });
        if (!hMain)
            ::Sleep(100);
    }
    m_hMain = hMain;
    // The rest of the start-up (the entry of the path) follows the opening.
    ::WaitForInputIdle(m_pi.hProcess, 60000);
    return m_hMain != nullptr;
}

HWND CQivnotesProcess::FindChild(LPCSTR lpszClass) const
{
    return windows::FirstBelow(m_hMain, [lpszClass](HWND hWnd) {
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        return _stricmp(szClass, lpszClass) == 0;
    });
}

std::string CQivnotesProcess::SelectedTreeText() const
{
    HWND hTree = FindChild(WC_TREEVIEWA);
    if (!hTree)
        return "(no tree)";
    HTREEITEM hItem = reinterpret_cast<HTREEITEM>(::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!hItem)
        return "(none)";
    // The item record and its text buffer live in the program's memory.
    const SIZE_T nBytes = sizeof(TVITEMA) + 260;
    BYTE* pRemote = static_cast<BYTE*>(::VirtualAllocEx(m_pi.hProcess, nullptr, nBytes, MEM_COMMIT, PAGE_READWRITE));
    if (!pRemote)
        return "(no memory)";
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = hItem;
    item.pszText = reinterpret_cast<LPSTR>(pRemote + sizeof(TVITEMA));
    item.cchTextMax = 260;
    ::WriteProcessMemory(m_pi.hProcess, pRemote, &item, sizeof(item), nullptr);
    ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pRemote));
    char szText[261] = {};
    ::ReadProcessMemory(m_pi.hProcess, pRemote + sizeof(TVITEMA), szText, 260, nullptr);
    ::VirtualFreeEx(m_pi.hProcess, pRemote, 0, MEM_RELEASE);
    return szText;
}

std::string CQivnotesProcess::ListCellText(HWND hList, int nRow, int nColumn) const
{
    // The item record and its text buffer live in the program's memory.
    const SIZE_T nBytes = sizeof(LVITEMA) + 260;
    BYTE* pRemote = static_cast<BYTE*>(::VirtualAllocEx(m_pi.hProcess, nullptr, nBytes, MEM_COMMIT, PAGE_READWRITE));
    if (!pRemote)
        return "(no memory)";
    LVITEMA item = {};
    item.iSubItem = nColumn;
    item.pszText = reinterpret_cast<LPSTR>(pRemote + sizeof(LVITEMA));
    item.cchTextMax = 260;
    ::WriteProcessMemory(m_pi.hProcess, pRemote, &item, sizeof(item), nullptr);
    DWORD_PTR dwLength = 0;
    ::SendMessageTimeoutA(hList, LVM_GETITEMTEXTA, nRow, reinterpret_cast<LPARAM>(pRemote), SMTO_NORMAL, 10000,
                          &dwLength);
    char szText[261] = {};
    ::ReadProcessMemory(m_pi.hProcess, pRemote + sizeof(LVITEMA), szText, 260, nullptr);
    ::VirtualFreeEx(m_pi.hProcess, pRemote, 0, MEM_RELEASE);
    return szText;
}

std::vector<CQivnotesProcess::TreeRow> CQivnotesProcess::TreeRows(std::vector<HTREEITEM>* pHandles) const
{
    std::vector<TreeRow> rows;
    HWND hTree = FindChild(WC_TREEVIEWA);
    const SIZE_T nBytes = sizeof(TVITEMA) + 260;
    BYTE* pRemote = hTree ? static_cast<BYTE*>(::VirtualAllocEx(m_pi.hProcess, nullptr, nBytes, MEM_COMMIT,
                                                                 PAGE_READWRITE))
                          : nullptr;
    if (!pRemote)
        return rows;
    auto next = [&](UINT nCode, HTREEITEM hItem) {
        return reinterpret_cast<HTREEITEM>(::SendMessageA(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
    };
    // Pre-order without recursion: the parents met on the way down.
    std::vector<HTREEITEM> parents;
    HTREEITEM hItem = next(TVGN_ROOT, nullptr);
    while (hItem) {
        TVITEMA item = {};
        item.mask = TVIF_TEXT | TVIF_HANDLE | TVIF_IMAGE | TVIF_STATE;
        item.hItem = hItem;
        item.stateMask = TVIS_BOLD | TVIS_EXPANDED;
        item.pszText = reinterpret_cast<LPSTR>(pRemote + sizeof(TVITEMA));
        item.cchTextMax = 260;
        ::WriteProcessMemory(m_pi.hProcess, pRemote, &item, sizeof(item), nullptr);
        ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pRemote));
        ::ReadProcessMemory(m_pi.hProcess, pRemote, &item, sizeof(item), nullptr);
        char szText[261] = {};
        ::ReadProcessMemory(m_pi.hProcess, pRemote + sizeof(TVITEMA), szText, 260, nullptr);
        rows.push_back({static_cast<int>(parents.size()), szText, item.iImage, (item.state & TVIS_BOLD) != 0,
                        (item.state & TVIS_EXPANDED) != 0});
        if (pHandles)
            pHandles->push_back(hItem);
        if (HTREEITEM hChild = next(TVGN_CHILD, hItem)) {
            parents.push_back(hItem);
            hItem = hChild;
            continue;
        }
        hItem = next(TVGN_NEXT, hItem);
        while (!hItem && !parents.empty()) {
            hItem = next(TVGN_NEXT, parents.back());
            parents.pop_back();
        }
    }
    ::VirtualFreeEx(m_pi.hProcess, pRemote, 0, MEM_RELEASE);
    return rows;
}

RECT CQivnotesProcess::TreeItemScreenRect(HTREEITEM hItem) const
{
    RECT rc = {};
    HWND hTree = FindChild(WC_TREEVIEWA);
    RECT* pRemote = hTree ? static_cast<RECT*>(::VirtualAllocEx(m_pi.hProcess, nullptr, sizeof(RECT), MEM_COMMIT,
                                                                PAGE_READWRITE))
                          : nullptr;
    if (!pRemote)
        return rc;
    // The message takes the item's handle in the rectangle's place.
    ::WriteProcessMemory(m_pi.hProcess, pRemote, &hItem, sizeof(hItem), nullptr);
    DWORD_PTR dwVisible = 0;
    ::SendMessageTimeoutA(hTree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(pRemote), SMTO_NORMAL, 30000,
                          &dwVisible);
    if (dwVisible) {
        ::ReadProcessMemory(m_pi.hProcess, pRemote, &rc, sizeof(rc), nullptr);
        ::MapWindowPoints(hTree, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    }
    ::VirtualFreeEx(m_pi.hProcess, pRemote, 0, MEM_RELEASE);
    return rc;
}

HWND CQivnotesProcess::WaitForWindow(LPCSTR lpszTitle) const
{
    return WaitForWindowWhere(
        [lpszTitle](HWND hWnd) {
            char szTitle[256] = {};
            ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
            return ::IsWindowVisible(hWnd) && strcmp(szTitle, lpszTitle) == 0;
        },
        30000);
}

HWND CQivnotesProcess::WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD dwMilliseconds) const
{
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        HWND hWnd = FindWindowOf(m_pi.dwProcessId, match);
        if (hWnd || ::GetTickCount() - dwStart >= dwMilliseconds)
            return hWnd;
        ::Sleep(50);
    }
}

namespace {

std::function<bool(HWND)> IsVisibleOfClass(LPCSTR lpszClass)
{
    return [lpszClass](HWND hWnd) {
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        return ::IsWindowVisible(hWnd) && strcmp(szClass, lpszClass) == 0;
    };
}

} // namespace

HWND CQivnotesProcess::WaitForVisibleClass(LPCSTR lpszClass, DWORD dwMilliseconds) const
{
    return WaitForWindowWhere(IsVisibleOfClass(lpszClass), dwMilliseconds);
}

BOOL CQivnotesProcess::WaitUntilNoVisibleClass(LPCSTR lpszClass, DWORD dwMilliseconds) const
{
    const DWORD dwStart = ::GetTickCount();
    while (FindWindowOf(m_pi.dwProcessId, IsVisibleOfClass(lpszClass))) {
        if (::GetTickCount() - dwStart >= dwMilliseconds)
            return FALSE;
        ::Sleep(50);
    }
    return TRUE;
}

std::string CQivnotesProcess::TextOf(HWND hWnd)
{
    char szText[1024] = {};
    DWORD_PTR dwResult = 0;
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(szText), reinterpret_cast<LPARAM>(szText), SMTO_NORMAL, 10000,
                          &dwResult);
    return szText;
}

DWORD_PTR CQivnotesProcess::WaitForAnswer(HWND hWnd, UINT nMsg)
{
    DWORD_PTR dwAnswer = 0;
    for (int i = 0; i < 30 && !dwAnswer; ++i) {
        if (i > 0)
            ::Sleep(100);
        ::SendMessageTimeoutA(hWnd, nMsg, 0, 0, SMTO_NORMAL, 30000, &dwAnswer);
    }
    return dwAnswer;
}

BOOL CQivnotesProcess::WaitForTitle(LPCSTR lpszTitle) const
{
    for (int i = 0; i < 300; ++i) {
        char szTitle[256] = {};
        ::GetWindowTextA(m_hMain, szTitle, sizeof(szTitle));
        if (strcmp(szTitle, lpszTitle) == 0) {
            // A sent message is answered once the program's message loop
            // runs, that is after the whole start-up.
            DWORD_PTR dwResult = 0;
            return ::SendMessageTimeoutA(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &dwResult) != 0;
        }
        ::Sleep(100);
    }
    return FALSE;
}

std::string CQivnotesProcess::WaitForSelectedTreeText(const std::string& strExpected) const
{
    std::string strText;
    for (int i = 0; i < 300; ++i) {
        strText = SelectedTreeText();
        if (strText == strExpected)
            break;
        ::Sleep(100);
    }
    return strText;
}

BOOL CQivnotesProcess::SelectTreeItem(HTREEITEM hItem) const
{
    DWORD_PTR dwResult = 0;
    return ::SendMessageTimeoutA(FindChild(WC_TREEVIEWA), TVM_SELECTITEM, TVGN_CARET,
                                 reinterpret_cast<LPARAM>(hItem), SMTO_NORMAL, 30000, &dwResult) != 0;
}

int CQivnotesProcess::Close()
{
    if (m_hMain)
        ::PostMessageA(m_hMain, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(m_pi.hProcess, 60000) != WAIT_OBJECT_0) {
        ::EnumWindows(PrintWindowsOf, static_cast<LPARAM>(m_pi.dwProcessId));
        return -1;
    }
    DWORD dwExitCode = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &dwExitCode);
    return static_cast<int>(dwExitCode);
}

} // namespace e2e

namespace e2e {

void CQivnotesProcess::PostCommand(UINT nID) const
{
    ::PostMessageA(m_hMain, WM_COMMAND, nID, 0);
}

BOOL CQivnotesProcess::SendCommand(HWND hWnd, UINT nID) const
{
    DWORD_PTR dwResult = 0;
    return ::SendMessageTimeoutA(hWnd, WM_COMMAND, nID, 0, SMTO_NORMAL, 60000, &dwResult) != 0;
}

BOOL CQivnotesProcess::WaitUntilIdle() const
{
    DWORD_PTR dwResult = 0;
    return ::SendMessageTimeoutA(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &dwResult) != 0;
}

namespace {

// A dialog window (a message box, a file dialog) that takes input.
bool IsShownDialog(HWND hWnd)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return strcmp(szClass, "#32770") == 0 && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd);
}

} // namespace

HWND CQivnotesProcess::CurrentDialog() const
{
    return FindWindowOf(m_pi.dwProcessId, IsShownDialog);
}

HWND CQivnotesProcess::WaitForDialog() const
{
    HWND hDialog = WaitForWindowWhere(IsShownDialog, 30000);
    if (hDialog) {
        // Answered once the dialog's own loop runs.
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(hDialog, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &dwResult);
    }
    return hDialog;
}

std::string CQivnotesProcess::DialogText(HWND hDialog) const
{
    std::string text;
    ::EnumChildWindows(hDialog, AppendStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

BOOL CQivnotesProcess::PressButton(HWND hDialog, int nID) const
{
    HWND hButton = FindControlBelow(hDialog, nID);
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    return windows::WaitUntilGone(hDialog, 30000);
}

BOOL CQivnotesProcess::AnswerFileDialog(HWND hDialog, const CString& strPath) const
{
    // The name field: the combo box of the explorer look, else the edit.
    HWND hName = FindControlBelow(hDialog, 0x47C);
    if (!hName)
        hName = FindControlBelow(hDialog, 0x480);
    if (!hName)
        return FALSE;
    ::SendMessageA(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strPath.GetString()));
    return PressButton(hDialog, IDOK);
}

BOOL CQivnotesProcess::ChooseFileFor(UINT nID, const CString& strPath) const
{
    PostCommand(nID);
    HWND hDialog = WaitForDialog();
    return hDialog && AnswerFileDialog(hDialog, strPath);
}

} // namespace e2e
