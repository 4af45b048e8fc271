#include "toolkit/draw/SystemInfo.h"

#include "framework/core/Module.h"
#include "framework/core/String.h"
#include "framework/ui/Wnd.h"
#include "framework/ui/WndClass.h"

#include <mbstring.h>
#include <shlwapi.h>

namespace {

// Cached COMCTL32 version; 0 until a call succeeds.
DWORD s_dwComCtlVersion = 0;

OSVERSIONINFOA QueryVersion()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = 148;
    ::GetVersionExA(&info);
    return info;
}

// USER32's multi-monitor functions, looked up once by name. When one is
// missing, none is used.
struct MonitorFunctions
{
    using PFNGETSYSTEMMETRICS = int(WINAPI*)(int);
    using PFNMONITORFROMWINDOW = HMONITOR(WINAPI*)(HWND, DWORD);
    using PFNMONITORFROMRECT = HMONITOR(WINAPI*)(LPCRECT, DWORD);
    using PFNMONITORFROMPOINT = HMONITOR(WINAPI*)(POINT, DWORD);
    using PFNGETMONITORINFO = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

    PFNGETSYSTEMMETRICS pfnGetSystemMetrics = nullptr;
    PFNMONITORFROMWINDOW pfnMonitorFromWindow = nullptr;
    PFNMONITORFROMRECT pfnMonitorFromRect = nullptr;
    PFNMONITORFROMPOINT pfnMonitorFromPoint = nullptr;
    PFNGETMONITORINFO pfnGetMonitorInfo = nullptr;
    BOOL bLookedUp = FALSE;

    template <class T>
    static T Bind(HMODULE hUser, LPCSTR lpszName)
    {
        return reinterpret_cast<T>(reinterpret_cast<void*>(::GetProcAddress(hUser, lpszName)));
    }

    void LookUp()
    {
        if (bLookedUp)
            return;
        bLookedUp = TRUE;
        HMODULE hUser = ::GetModuleHandleA("USER32");
        if (!hUser)
            return;
        pfnGetSystemMetrics = Bind<PFNGETSYSTEMMETRICS>(hUser, "GetSystemMetrics");
        pfnMonitorFromWindow = Bind<PFNMONITORFROMWINDOW>(hUser, "MonitorFromWindow");
        pfnMonitorFromRect = Bind<PFNMONITORFROMRECT>(hUser, "MonitorFromRect");
        pfnMonitorFromPoint = Bind<PFNMONITORFROMPOINT>(hUser, "MonitorFromPoint");
        pfnGetMonitorInfo = Bind<PFNGETMONITORINFO>(hUser, "GetMonitorInfoA");
        if (!pfnGetSystemMetrics || !pfnMonitorFromWindow || !pfnMonitorFromRect
            || !pfnMonitorFromPoint || !pfnGetMonitorInfo)
        {
            *this = MonitorFunctions();
            bLookedUp = TRUE;
        }
    }
};

MonitorFunctions s_monitor;

RECT WorkAreaOf(HMONITOR hMonitor)
{
    RECT rect = {};
    MONITORINFO info = {};
    info.cbSize = 40;
    if (hMonitor && s_monitor.pfnGetMonitorInfo && s_monitor.pfnGetMonitorInfo(hMonitor, &info))
        return info.rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

int CALLBACK FontExistsProc(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    const char* pszFace = reinterpret_cast<const char*>(lParam);
    if (_mbsicmp(reinterpret_cast<const unsigned char*>(pLogFont->lfFaceName),
                 reinterpret_cast<const unsigned char*>(pszFace)) == 0)
        return 0;
    return 1;
}

} // namespace

DWORD GetComCtl32Version()
{
    if (s_dwComCtlVersion != 0)
        return s_dwComCtlVersion;

    HMODULE hComCtl = ::LoadLibraryA("COMCTL32.DLL");
    if (!hComCtl)
        return 0;
    using PFNDLLGETVERSION = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    auto pfn = reinterpret_cast<PFNDLLGETVERSION>(
        reinterpret_cast<void*>(::GetProcAddress(hComCtl, "DllGetVersion")));
    if (!pfn)
    {
        s_dwComCtlVersion = 0x40000;
    }
    else
    {
        DLLVERSIONINFO info = {};
        info.cbSize = 20;
        if (SUCCEEDED(pfn(&info)))
            s_dwComCtlVersion = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
    }
    ::FreeLibrary(hComCtl);
    return s_dwComCtlVersion;
}

BOOL IsWindowsXPOrLater()
{
    OSVERSIONINFOA info = QueryVersion();
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT
           && (info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion != 0));
}

BOOL IsWindows2000OrLater()
{
    static const BOOL bLater = [] {
        OSVERSIONINFOA info = QueryVersion();
        return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 4;
    }();
    return bLater;
}

RECT GetMonitorAreaOfRect(const RECT& rect)
{
    s_monitor.LookUp();
    HMONITOR hMonitor = s_monitor.pfnMonitorFromRect ? s_monitor.pfnMonitorFromRect(&rect, 0)
                                                     : nullptr;
    return WorkAreaOf(hMonitor);
}

RECT GetNearestMonitorArea(const RECT& rect)
{
    s_monitor.LookUp();
    HMONITOR hMonitor = s_monitor.pfnMonitorFromRect
                            ? s_monitor.pfnMonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST)
                            : nullptr;
    return WorkAreaOf(hMonitor);
}

BOOL IsRectOnAnyMonitor(const RECT& rect)
{
    s_monitor.LookUp();
    if (s_monitor.pfnMonitorFromRect)
        return s_monitor.pfnMonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
    const RECT rcScreen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT rcCommon;
    return ::IntersectRect(&rcCommon, &rect, &rcScreen);
}

RECT GetMonitorAreaOfWindow(HWND hWnd)
{
    s_monitor.LookUp();
    HMONITOR hMonitor = s_monitor.pfnMonitorFromWindow ? s_monitor.pfnMonitorFromWindow(hWnd, 0)
                                                       : nullptr;
    return WorkAreaOf(hMonitor);
}

RECT GetMonitorAreaOfPoint(POINT pt)
{
    s_monitor.LookUp();
    HMONITOR hMonitor = s_monitor.pfnMonitorFromPoint ? s_monitor.pfnMonitorFromPoint(pt, 0)
                                                      : nullptr;
    return WorkAreaOf(hMonitor);
}

RECT GetMonitorAreaAtCursor()
{
    POINT pt = {};
    ::GetCursorPos(&pt);
    return GetMonitorAreaOfPoint(pt);
}

void GetMonitorAreaAtCursor(RECT* pRect)
{
    *pRect = GetMonitorAreaAtCursor();
}

void GetMonitorAreaOfWindow(RECT* pRect, HWND hWnd)
{
    *pRect = GetMonitorAreaOfWindow(hWnd);
}

BOOL IsTopLevelOwnerActive(HWND hWnd)
{
    if (!hWnd || !::IsWindow(hWnd))
        return FALSE;
    // Up through parents and owners; the bound guards against owner cycles.
    HWND hTop = hWnd;
    for (int i = 0; i < 64; ++i)
    {
        HWND hNext = AfxGetParentOwner(hTop);
        if (!hNext || hNext == hTop)
            break;
        hTop = hNext;
    }
    return ::GetForegroundWindow() == ::GetLastActivePopup(hTop);
}

BOOL RegisterBarWindowClass(HINSTANCE hInstance, LPCSTR lpszClassName, UINT nStyle)
{
    WNDCLASSA wc = {};
    wc.style = nStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance ? hInstance : AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));   // IDC_ARROW
    wc.lpszClassName = lpszClassName;
    return AfxRegisterClass(&wc);
}

UINT MirrorArrowKey(HWND hWnd, UINT nKey)
{
    if (!hWnd || !::IsWindow(hWnd) || !(::GetWindowLongA(hWnd, GWL_EXSTYLE) & 0x400000))
        return nKey;
    if (nKey == VK_LEFT)
        return VK_RIGHT;
    if (nKey == VK_RIGHT)
        return VK_LEFT;
    return nKey;
}

BOOL FontExists(LPCSTR lpszFaceName)
{
    HDC hDC = ::GetWindowDC(nullptr);
    if (!hDC)
        return FALSE;
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    // The callback stops the enumeration (answer 0) at the first match.
    int nResult = ::EnumFontFamiliesExA(hDC, &lf, FontExistsProc,
                                        reinterpret_cast<LPARAM>(lpszFaceName), 0);
    ::ReleaseDC(nullptr, hDC);
    return nResult == 0;
}

void GetDefaultGuiFont(CString& strFaceName, BOOL bPreferTahoma)
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);

    OSVERSIONINFOA info = QueryVersion();
    BOOL bNonWestern = info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 4
                       && lf.lfCharSet > 2;

    strFaceName = "Arial";
    if (bNonWestern || !FontExists(strFaceName))
        strFaceName = lf.lfFaceName;
    else if (bPreferTahoma && FontExists("Tahoma"))
        strFaceName = "Tahoma";
}
