#include "toolkit/controls/AutoComplete.h"

#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/EditWnd.h"

namespace {

// The one hook of the process and the object it serves.
HHOOK g_hHookCallWndProc = nullptr;
CXTPControlComboBoxAutoCompleteWnd* g_pHookedObject = nullptr;

const char kDropDownClass[] = "Auto-Suggest Dropdown";

using PFNSHAUTOCOMPLETE = HRESULT(WINAPI*)(HWND, DWORD);

BOOL IsListKey(UINT nChar)
{
    return nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_UP || nChar == VK_DOWN;
}

} // namespace

CXTPControlComboBoxAutoCompleteWnd::CXTPControlComboBoxAutoCompleteWnd()
    : m_hWndDropDown(nullptr), m_hWndEdit(nullptr)
{
}

CXTPControlComboBoxAutoCompleteWnd::~CXTPControlComboBoxAutoCompleteWnd()
{
    SetHook(FALSE);
}

CXTPControlComboBoxAutoCompleteWnd* CXTPControlComboBoxAutoCompleteWnd::GetHookedObject()
{
    return g_pHookedObject;
}

HRESULT CXTPControlComboBoxAutoCompleteWnd::Attach(HWND hWndEdit, DWORD dwFlags)
{
    m_hWndEdit = hWndEdit;
    HMODULE hShell = ::LoadLibraryA("shlwapi.dll");
    if (!hShell)
        return E_FAIL;
    auto pfnAutoComplete = reinterpret_cast<PFNSHAUTOCOMPLETE>(
        reinterpret_cast<void*>(::GetProcAddress(hShell, "SHAutoComplete")));
    HRESULT hr = pfnAutoComplete ? pfnAutoComplete(hWndEdit, dwFlags) : E_FAIL;
    ::FreeLibrary(hShell);
    return hr;
}

void CXTPControlComboBoxAutoCompleteWnd::SetHook(BOOL bHook)
{
    if (bHook)
    {
        if (!g_hHookCallWndProc)
        {
            g_hHookCallWndProc = ::SetWindowsHookExA(WH_CALLWNDPROC, &CallWndProcHook, nullptr,
                                                     ::GetCurrentThreadId());
            if (g_hHookCallWndProc)
            {
                XTPKeyboardManager()->HookKeyboard(this);
                g_pHookedObject = this;
            }
        }
        return;
    }
    if (g_hHookCallWndProc && g_pHookedObject == this)
    {
        ::UnhookWindowsHookEx(g_hHookCallWndProc);
        if (CXTPKeyboardManager* pKeyboard = XTPKeyboardManagerIfMade())
            pKeyboard->UnhookKeyboard(this);
        g_hHookCallWndProc = nullptr;
        g_pHookedObject = nullptr;
    }
    SetDropDown(nullptr);
}

void CXTPControlComboBoxAutoCompleteWnd::SetDropDown(HWND hWndDropDown)
{
    if (hWndDropDown == m_hWndDropDown)
        return;
    if (m_hWndDropDown)
        XTPMouseManager()->RemoveTrustedWindow(m_hWndDropDown);
    m_hWndDropDown = hWndDropDown;
    if (m_hWndDropDown)
        XTPMouseManager()->AddTrustedWindow(m_hWndDropDown);
}

BOOL CXTPControlComboBoxAutoCompleteWnd::ProcessKey(UINT nChar, UINT /*nFlags*/)
{
    if (!m_hWndDropDown || !IsListKey(nChar) || (::GetKeyState(VK_MENU) & 0x8000))
        return FALSE;
    HWND hWndFirst = ::GetWindow(m_hWndDropDown, GW_CHILD);
    HWND hWndList = hWndFirst ? ::GetWindow(hWndFirst, GW_HWNDNEXT) : nullptr;
    if (!hWndList)
        return FALSE;
    MSG msg = {};
    msg.hwnd = hWndList;
    msg.message = WM_KEYDOWN;
    msg.wParam = nChar;
    msg.lParam = 1;
    ::IsDialogMessageA(hWndList, &msg);
    return TRUE;
}

void CXTPControlComboBoxAutoCompleteWnd::HideDropDown()
{
    if (m_hWndDropDown && ::IsWindow(m_hWndDropDown))
        ::ShowWindow(m_hWndDropDown, SW_HIDE);
}

int CXTPControlComboBoxAutoCompleteWnd::OnHookMessage(HWND /*hWnd*/, UINT nMessage,
                                                      WPARAM& /*wParam*/, LPARAM& /*lParam*/,
                                                      LRESULT& /*lResult*/)
{
    if (nMessage == WM_MOUSEWHEEL && m_hWndDropDown)
        return hookPassOn;
    return hookNext;
}

void CXTPControlComboBoxAutoCompleteWnd::OnWindowPosChanging(HWND hWnd, const WINDOWPOS* pPos)
{
    if (m_hWndDropDown)
    {
        if (hWnd == m_hWndDropDown && (pPos->flags & SWP_HIDEWINDOW))
            SetDropDown(nullptr);
        return;
    }
    if (!(pPos->flags & SWP_SHOWWINDOW))
        return;
    char szClass[256] = {};
    ::GetClassNameA(hWnd, szClass, 255);
    if (lstrcmpA(szClass, kDropDownClass) != 0)
        return;
    SetDropDown(hWnd);
    if (m_hWndEdit)
        ::PostMessageA(m_hWndEdit, WM_XTP_SHELLAUTOCOMPLETESTART, 0, 0);
}

LRESULT CALLBACK CXTPControlComboBoxAutoCompleteWnd::CallWndProcHook(int nCode, WPARAM wParam,
                                                                     LPARAM lParam)
{
    HHOOK hHook = g_hHookCallWndProc;
    if (nCode == HC_ACTION && g_pHookedObject)
    {
        const auto* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (pMessage->message == WM_WINDOWPOSCHANGING && pMessage->lParam)
            g_pHookedObject->OnWindowPosChanging(
                pMessage->hwnd, reinterpret_cast<const WINDOWPOS*>(pMessage->lParam));
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}
