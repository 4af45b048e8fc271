// CXTPWinThemeWrapper: one visual-styles theme handle, with the visual-styles
// library bound by name at run time. The program starts and draws where the
// library is missing or styles are off: every call then answers a fixed
// failure result (E_FAIL, FALSE or a null handle) and callers draw classic.
#pragma once

#include "framework/core/AfxWin.h"

typedef HANDLE HTHEME;

class CXTPWinThemeWrapper
{
public:
    CXTPWinThemeWrapper();
    virtual ~CXTPWinThemeWrapper();

    // Closes any open handle first; the handle stays null on failure.
    void OpenThemeData(HWND hWnd, LPCWSTR pszClassList);
    // The library's result, or 0 when nothing was open; the handle is null afterwards.
    HRESULT CloseThemeData();

    HRESULT DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                const RECT* pClipRect);
    HRESULT GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor);
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars,
                                LPWSTR pszColorBuff, int cchMaxColorChars,
                                LPWSTR pszSizeBuff, int cchMaxSizeChars);
    BOOL GetThemeSysBool(int iBoolId);
    // FALSE while no handle is open, even when visual styles are on.
    BOOL IsAppThemed();
    BOOL IsThemeActive();

    HTHEME GetThemeHandle() const { return m_hTheme; }

private:
    CXTPWinThemeWrapper(const CXTPWinThemeWrapper&) = delete;
    CXTPWinThemeWrapper& operator=(const CXTPWinThemeWrapper&) = delete;

    HTHEME m_hTheme;
};
