#include "framework/ui/WndClass.h"

#include "framework/core/Module.h"

#include <commctrl.h>
#include <set>
#include <stdio.h>
#include <string>

namespace {

// Generated class names: a node-based set keeps each name's characters in
// place for the life of the process.
std::set<std::string>& ClassNames()
{
    static std::set<std::string>* s_pNames = new std::set<std::string>;
    return *s_pNames;
}

LONG g_fRegistered = 0;

BOOL RegisterNamed(LPCSTR lpszName, UINT nStyle, int nBackground)
{
    WNDCLASSA wc = {};
    wc.style = nStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = nBackground >= 0 ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(nBackground + 1))
                                        : nullptr;
    wc.lpszClassName = lpszName;
    return AfxRegisterClass(&wc);
}

} // namespace

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                  HICON hIcon)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[96];
    snprintf(szName, sizeof(szName), "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst),
             nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
             static_cast<void*>(hIcon));
    LPCSTR lpszName = ClassNames().insert(szName).first->c_str();

    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInst, lpszName, &wc))
        return lpszName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = lpszName;
    if (!::RegisterClassA(&wc))
        return nullptr;
    return lpszName;
}

BOOL AFXAPI AfxRegisterClass(WNDCLASSA* lpWndClass)
{
    WNDCLASSA wcExisting;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &wcExisting))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister)
{
    fToRegister &= ~g_fRegistered;
    if (fToRegister == 0)
        return TRUE;

    LONG fDone = 0;
    if ((fToRegister & AFX_WND_REG) && RegisterNamed(AFX_WND, CS_DBLCLKS, -1))
        fDone |= AFX_WND_REG;
    if ((fToRegister & AFX_WNDCONTROLBAR_REG)
        && RegisterNamed(AFX_WNDCONTROLBAR, CS_DBLCLKS, COLOR_BTNFACE))
        fDone |= AFX_WNDCONTROLBAR_REG;
    if ((fToRegister & AFX_WNDMDIFRAME_REG) && RegisterNamed(AFX_WNDMDIFRAME, CS_DBLCLKS, -1))
        fDone |= AFX_WNDMDIFRAME_REG;
    if ((fToRegister & AFX_WNDFRAMEORVIEW_REG)
        && RegisterNamed(AFX_WNDFRAMEORVIEW, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW))
        fDone |= AFX_WNDFRAMEORVIEW_REG;

    static const struct { LONG fReg; DWORD dwICC; } s_controls[] = {
        { AFX_WNDCOMMCTLS_REG, ICC_WIN95_CLASSES },
        { AFX_WNDCOMMCTL_UPDOWN_REG, ICC_UPDOWN_CLASS },
        { AFX_WNDCOMMCTL_TREEVIEW_REG, ICC_TREEVIEW_CLASSES },
        { AFX_WNDCOMMCTL_TAB_REG, ICC_TAB_CLASSES },
        { AFX_WNDCOMMCTL_PROGRESS_REG, ICC_PROGRESS_CLASS },
        { AFX_WNDCOMMCTL_LISTVIEW_REG, ICC_LISTVIEW_CLASSES },
        { AFX_WNDCOMMCTL_HOTKEY_REG, ICC_HOTKEY_CLASS },
        { AFX_WNDCOMMCTL_BAR_REG, ICC_BAR_CLASSES },
        { AFX_WNDCOMMCTL_ANIMATE_REG, ICC_ANIMATE_CLASS },
        { AFX_WNDCOMMCTL_INTERNET_REG, ICC_INTERNET_CLASSES },
        { AFX_WNDCOMMCTL_COOL_REG, ICC_COOL_CLASSES },
        { AFX_WNDCOMMCTL_USEREX_REG, ICC_USEREX_CLASSES },
        { AFX_WNDCOMMCTL_DATE_REG, ICC_DATE_CLASSES },
    };
    INITCOMMONCONTROLSEX icc = { sizeof(icc), 0 };
    LONG fControls = 0;
    for (const auto& control : s_controls)
    {
        if (fToRegister & control.fReg)
        {
            icc.dwICC |= control.dwICC;
            fControls |= control.fReg;
        }
    }
    if (icc.dwICC != 0 && ::InitCommonControlsEx(&icc))
        fDone |= fControls;

    g_fRegistered |= fDone;
    return (fToRegister & ~fDone) == 0;
}
