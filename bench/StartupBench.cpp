// Starting qivnotes.exe with a card file of 10,000 entries, every category
// open, to its first idle moment with the whole tree filled, beside a bare
// framework frame program started the same way in the same run. Both are
// separate processes started cold each round; the figure is the time from
// CreateProcess until the main window stands and answers a sent message.
#include "bench/BenchCardFile.h"
#include "bench/BenchCommon.h"

#include "model/QivItem.h"

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

const int kCategories = 100;
const int kEntriesPerCategory = 100;
const int kRounds = 5;
const double kTarget = 3.0;
const char kSettingsKey[] = "Software\\VRNK\\Qivnotes";

std::string ProgramFolder()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath);
    return strPath.substr(0, strPath.find_last_of("\\/"));
}

std::string WriteCardFile()
{
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    pRoot->m_dwExpanded = 1;
    bench::AddCategories(pRoot, nullptr, kCategories, kEntriesPerCategory, "Eintrag %d");
    return bench::WriteTempCardFile(pRoot, "startup");
}

struct MainSearch
{
    DWORD dwProcessId;
    const char* pszTitlePrefix;
    HWND hWnd;
};

BOOL CALLBACK FindMain(HWND hWnd, LPARAM lParam)
{
    MainSearch* pSearch = reinterpret_cast<MainSearch*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    char szTitle[256] = {};
    ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    if (dwProcessId == pSearch->dwProcessId && ::IsWindowVisible(hWnd)
        && strncmp(szTitle, pSearch->pszTitlePrefix, strlen(pSearch->pszTitlePrefix)) == 0) {
        pSearch->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

// One cold start to the first idle moment; -1 when it failed. The program
// is closed afterwards.
double TimeStart(const std::string& strExe, const std::string& strArguments, const char* pszTitlePrefix)
{
    std::string strCommand = "\"" + strExe + "\" " + strArguments;
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    const double t0 = bench::Now();
    if (!::CreateProcessA(strExe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    ::WaitForInputIdle(pi.hProcess, 120000);
    MainSearch search = {pi.dwProcessId, pszTitlePrefix, nullptr};
    while (!search.hWnd && ::WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        ::EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
        if (!search.hWnd)
            ::Sleep(5);
    }
    DWORD_PTR dwResult = 0;
    const bool bAnswered = search.hWnd
                           && ::SendMessageTimeoutA(search.hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &dwResult);
    const double seconds = bench::Now() - t0;
    if (search.hWnd)
        ::PostMessageA(search.hWnd, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return bAnswered ? seconds : -1;
}

void WriteSetting(const char* pszSection, const char* pszName, DWORD dwType, const void* pData, DWORD cb)
{
    HKEY hKey = nullptr;
    std::string strKey = std::string(kSettingsKey) + "\\" + pszSection;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr)
        == ERROR_SUCCESS) {
        ::RegSetValueExA(hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), cb);
        ::RegCloseKey(hKey);
    }
}

} // namespace

int main()
{
    const std::string strFolder = ProgramFolder();
    const std::string strQivnotes = strFolder + "\\..\\app\\qivnotes.exe";
    const std::string strBare = strFolder + "\\BareFrame.exe";
    const std::string strFile = WriteCardFile();

    // Nothing between the start and the window: no splash, no tip.
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    WriteSetting("Settings", "ShowSplash", REG_SZ, "0", 2);
    const DWORD dwOne = 1;
    WriteSetting("Tip", "StartUp", REG_DWORD, &dwOne, sizeof(dwOne));

    bench::Rounds program;
    bench::Rounds bare;
    bool bFailed = false;
    // One start of each first, not counted: the system's own files reach
    // its caches.
    TimeStart(strBare, "", "Rahmen - ");
    TimeStart(strQivnotes, "\"" + strFile + "\"", "Qivnotes - ");
    for (int i = 0; i < kRounds; ++i) {
        const double tBare = TimeStart(strBare, "", "Rahmen - ");
        const double tProgram = TimeStart(strQivnotes, "\"" + strFile + "\"", "Qivnotes - ");
        if (tBare < 0 || tProgram < 0) {
            bFailed = true;
            break;
        }
        bare.Add(tBare);
        program.Add(tProgram);
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    ::DeleteFileA(strFile.c_str());
    if (bFailed) {
        printf("StartupBench: a program did not start\n");
        return 1;
    }
    const double ratio = bench::ReportAgainst("qivnotes.exe, 10,000 entries, to idle", program,
                                              "bare frame program, to idle", bare);
    if (ratio > 0)
        printf("%-44s target within %.0fx: %s\n", "qivnotes.exe start", kTarget, ratio <= kTarget ? "met" : "MISSED");
    return 0;
}
