#include "common/ScreenUser.h"

#include "common/MemoryDib.h"
#include "common/PngFile.h"
#include "common/WindowSearch.h"

#include <stdlib.h>
#include <string.h>

namespace screen {

namespace {

BOOL CALLBACK AppendStatic(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    const std::string text = WindowText(hWnd);
    if (_stricmp(szClass, "Static") == 0 && !text.empty()) {
        auto* pText = reinterpret_cast<std::string*>(lParam);
        if (!pText->empty())
            *pText += "\n";
        *pText += text;
    }
    return TRUE;
}

} // namespace

HWND WaitForDialog(DWORD dwThreadId, HWND hExcept, DWORD dwTimeout)
{
    const DWORD dwStart = ::GetTickCount();
    do {
        HWND hFound = windows::FirstOfThread(dwThreadId, [&](HWND hWnd) {
            char szClass[16] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            return hWnd != hExcept && strcmp(szClass, "#32770") == 0 && ::IsWindowVisible(hWnd)
                   && ::IsWindowEnabled(hWnd);
        });
        if (hFound)
            return hFound;
        ::Sleep(10);
    } while (::GetTickCount() - dwStart < dwTimeout);
    return nullptr;
}

std::string WindowText(HWND hWnd)
{
    wchar_t wsz[2048] = {};
    const int n = ::InternalGetWindowText(hWnd, wsz, 2048);
    char sz[4096] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wsz, n, sz, sizeof(sz) - 1, nullptr, nullptr);
    return sz;
}

std::string DialogText(HWND hDialog)
{
    std::string text;
    ::EnumChildWindows(hDialog, AppendStatic, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::string ButtonText(HWND hDialog, int nID)
{
    std::string text;
    for (char ch : WindowText(::GetDlgItem(hDialog, nID)))
        if (ch != '&')
            text += ch;
    return text;
}

void Click(HWND hDialog, int nID)
{
    ::PostMessageA(::GetDlgItem(hDialog, nID), BM_CLICK, 0, 0);
}

Shot Shot::Part(const RECT& rc) const
{
    Shot part;
    part.cx = rc.right - rc.left;
    part.cy = rc.bottom - rc.top;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            part.pixels.push_back(At(x, y));
    return part;
}

Shot Draw(int cx, int cy, const std::function<void(HDC)>& draw)
{
    Shot shot;
    if (cx <= 0 || cy <= 0)
        return shot;
    shot.cx = cx;
    shot.cy = cy;
    CMemoryDib dib(cx, cy);
    draw(dib.Dc());
    const DWORD* pPixels = dib.Pixels();
    shot.pixels.assign(pPixels, pPixels + static_cast<size_t>(cx) * cy);
    for (DWORD& dw : shot.pixels)
        dw &= 0x00FFFFFF;
    return shot;
}

Shot ShootWindow(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return Draw(rc.right - rc.left, rc.bottom - rc.top, [&](HDC hDC) {
        HDC hWindow = ::GetWindowDC(hWnd);
        ::BitBlt(hDC, 0, 0, rc.right - rc.left, rc.bottom - rc.top, hWindow, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hWindow);
    });
}

Shot ShootWhenDrawn(HWND hWnd)
{
    if (windows::Answers(hWnd, 5000))
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN
                                                   | RDW_UPDATENOW | RDW_ERASENOW);
    return ShootWindow(hWnd);
}

RECT InShot(HWND hWnd, const RECT& rcScreen)
{
    RECT rcWindow = {};
    ::GetWindowRect(hWnd, &rcWindow);
    RECT rc = rcScreen;
    ::OffsetRect(&rc, -rcWindow.left, -rcWindow.top);
    return rc;
}

void KeepShot(const Shot& shot, const char* pszName)
{
    const char* pszFolder = getenv("QIV_SHOT_DIR");
    if (!pszFolder || !*pszFolder || shot.pixels.empty())
        return;
    ::CreateDirectoryA(pszFolder, nullptr);
    WritePng(std::string(pszFolder) + "\\" + pszName + ".png", shot.pixels.data(), shot.cx, shot.cy);
}

} // namespace screen
