// The visual-styles entry points are bound once per process, by name, on first
// use. When the library module changes (unloaded and loaded again at another
// address) the whole table is bound afresh from the new module.
//
// A fault raised inside the library cannot be caught here: 32-bit MinGW has no
// structured exception handling, so calls go to the library unguarded.
#include "toolkit/draw/WinThemeWrapper.h"

#include "toolkit/draw/SystemInfo.h"

namespace {

enum ThemeEntry
{
    entryOpenThemeData,
    entryCloseThemeData,
    entryDrawThemeBackground,
    entryGetThemeColor,
    entryGetCurrentThemeName,
    entryGetThemeSysBool,
    entryIsAppThemed,
    entryIsThemeActive,
    entryCount
};

const char* const s_entryNames[entryCount] = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "GetThemeColor",
    "GetCurrentThemeName", "GetThemeSysBool", "IsAppThemed", "IsThemeActive",
};

using PFNOPENTHEMEDATA = HTHEME(WINAPI*)(HWND, LPCWSTR);
using PFNCLOSETHEMEDATA = HRESULT(WINAPI*)(HTHEME);
using PFNDRAWTHEMEBACKGROUND = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
using PFNGETTHEMECOLOR = HRESULT(WINAPI*)(HTHEME, int, int, int, COLORREF*);
using PFNGETCURRENTTHEMENAME = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
using PFNGETTHEMESYSBOOL = BOOL(WINAPI*)(HTHEME, int);
using PFNISAPPTHEMED = BOOL(WINAPI*)();
using PFNISTHEMEACTIVE = BOOL(WINAPI*)();

// The process-wide binding record.
struct ThemeBinding
{
    FARPROC entries[entryCount] = {};
    HMODULE hModule = nullptr;
    DWORD dwComCtlVersion = 0;

    ThemeBinding()
    {
        hModule = ::LoadLibraryA("UxTheme.dll");
        dwComCtlVersion = GetComCtl32Version();
    }

    // Picks up a library that was loaded again at another address.
    void Reload()
    {
        HMODULE hCurrent = ::GetModuleHandleA("UXTHEME.DLL");
        if (hCurrent != hModule)
        {
            hModule = hCurrent;
            for (FARPROC& entry : entries)
                entry = nullptr;
        }
    }

    template <class T>
    T Entry(ThemeEntry entry)
    {
        if (!entries[entry] && hModule)
            entries[entry] = ::GetProcAddress(hModule, s_entryNames[entry]);
        return reinterpret_cast<T>(reinterpret_cast<void*>(entries[entry]));
    }
};

// Built by a static initialiser, so the library is loaded when the program starts.
ThemeBinding s_binding;

} // namespace

CXTPWinThemeWrapper::CXTPWinThemeWrapper()
    : m_hTheme(nullptr)
{
}

CXTPWinThemeWrapper::~CXTPWinThemeWrapper()
{
    CloseThemeData();
}

void CXTPWinThemeWrapper::OpenThemeData(HWND hWnd, LPCWSTR pszClassList)
{
    CloseThemeData();
    s_binding.Reload();
    if (auto pfn = s_binding.Entry<PFNOPENTHEMEDATA>(entryOpenThemeData))
        m_hTheme = pfn(hWnd, pszClassList);
}

HRESULT CXTPWinThemeWrapper::CloseThemeData()
{
    HRESULT hr = 0;
    if (m_hTheme)
    {
        if (auto pfn = s_binding.Entry<PFNCLOSETHEMEDATA>(entryCloseThemeData))
            hr = pfn(m_hTheme);
    }
    m_hTheme = nullptr;
    return hr;
}

HRESULT CXTPWinThemeWrapper::DrawThemeBackground(HDC hDC, int iPartId, int iStateId,
                                                 const RECT* pRect, const RECT* pClipRect)
{
    auto pfn = s_binding.Entry<PFNDRAWTHEMEBACKGROUND>(entryDrawThemeBackground);
    if (!pfn)
        return E_FAIL;
    return pfn(m_hTheme, hDC, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CXTPWinThemeWrapper::GetThemeColor(int iPartId, int iStateId, int iPropId,
                                           COLORREF* pColor)
{
    auto pfn = s_binding.Entry<PFNGETTHEMECOLOR>(entryGetThemeColor);
    if (!pfn)
        return E_FAIL;
    return pfn(m_hTheme, iPartId, iStateId, iPropId, pColor);
}

HRESULT CXTPWinThemeWrapper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars,
                                                 LPWSTR pszColorBuff, int cchMaxColorChars,
                                                 LPWSTR pszSizeBuff, int cchMaxSizeChars)
{
    s_binding.Reload();
    auto pfn = s_binding.Entry<PFNGETCURRENTTHEMENAME>(entryGetCurrentThemeName);
    if (!pfn)
        return E_FAIL;
    return pfn(pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars,
               pszSizeBuff, cchMaxSizeChars);
}

BOOL CXTPWinThemeWrapper::GetThemeSysBool(int iBoolId)
{
    auto pfn = s_binding.Entry<PFNGETTHEMESYSBOOL>(entryGetThemeSysBool);
    if (!pfn)
        return FALSE;
    return pfn(m_hTheme, iBoolId);
}

BOOL CXTPWinThemeWrapper::IsAppThemed()
{
    if (!m_hTheme)
        return FALSE;
    auto pfn = s_binding.Entry<PFNISAPPTHEMED>(entryIsAppThemed);
    if (!pfn)
        return FALSE;
    return pfn();
}

BOOL CXTPWinThemeWrapper::IsThemeActive()
{
    if (!m_hTheme)
        s_binding.Reload();
    auto pfn = s_binding.Entry<PFNISTHEMEACTIVE>(entryIsThemeActive);
    if (!pfn)
        return FALSE;
    return pfn();
}
