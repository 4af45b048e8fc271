#include "common/WindowSearch.h"

namespace windows {

namespace {

struct Search
{
    const WindowMatch* pMatch;
    HWND hFound;
};

BOOL CALLBACK StopAtMatch(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    if ((*pSearch->pMatch)(hWnd)) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FirstTopLevel(const WindowMatch& match)
{
    Search search = {&match, nullptr};
    ::EnumWindows(StopAtMatch, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND FirstOfThread(DWORD dwThreadId, const WindowMatch& match)
{
    Search search = {&match, nullptr};
    ::EnumThreadWindows(dwThreadId, StopAtMatch, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND FirstBelow(HWND hParent, const WindowMatch& match)
{
    Search search = {&match, nullptr};
    ::EnumChildWindows(hParent, StopAtMatch, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND FirstOfProcess(DWORD dwProcessId, const WindowMatch& match)
{
    return FirstTopLevel([&](HWND hWnd) {
        DWORD dwOwner = 0;
        ::GetWindowThreadProcessId(hWnd, &dwOwner);
        return dwOwner == dwProcessId && match(hWnd);
    });
}

bool WaitUntilGone(HWND hWnd, DWORD dwTimeout)
{
    const DWORD dwStart = ::GetTickCount();
    while (::IsWindow(hWnd) && ::IsWindowVisible(hWnd)) {
        if (::GetTickCount() - dwStart > dwTimeout)
            return false;
        ::Sleep(10);
    }
    return true;
}

bool Answers(HWND hWnd, DWORD dwTimeout)
{
    DWORD_PTR dwResult = 0;
    return ::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, dwTimeout, &dwResult) != 0;
}

} // namespace windows
