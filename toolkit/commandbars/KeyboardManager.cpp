#include "toolkit/commandbars/KeyboardManager.h"

#include "framework/core/Module.h"
#include "toolkit/commandbars/HookManagerHookAble.h"
#include "toolkit/controls/EditWnd.h"

#include <vector>

namespace {

const LPARAM kKeyUpBit = 0x80000000;
const LPARAM kAltDownBit = 0x20000000;
const LPARAM kRepeatBit = 0x40000000;

// Installs (unless installed) or removes one hook of the calling thread.
void SetThreadHook(HHOOK& hHook, int idHook, HOOKPROC pfnHook, BOOL bHook)
{
    if (bHook && !hHook)
        hHook = ::SetWindowsHookExA(idHook, pfnHook, AfxGetInstanceHandle(), ::GetCurrentThreadId());
    else if (!bHook && hHook)
    {
        ::UnhookWindowsHookEx(hHook);
        hHook = nullptr;
    }
}

} // namespace

CXTPKeyboardManager::CXTPKeyboardManager()
    : m_hHookKeyboard(nullptr)
    , m_hHookCallWndProc(nullptr)
    , m_link{nullptr, nullptr, nullptr}
{
}

CXTPKeyboardManager::~CXTPKeyboardManager()
{
    HookKeyboard(FALSE);
    HookCallWndProc(FALSE);
}

void CXTPKeyboardManager::HookKeyboard(BOOL bHook)
{
    SetThreadHook(m_hHookKeyboard, WH_KEYBOARD, &KeyboardProc, bHook);
}

void CXTPKeyboardManager::HookCallWndProc(BOOL bHook)
{
    SetThreadHook(m_hHookCallWndProc, WH_CALLWNDPROC, &CallWndProc, bHook);
}

void CXTPKeyboardManager::AddHandler(CXTPHookManagerHookAble* pHandler)
{
    HookKeyboard(TRUE);
    HookCallWndProc(TRUE);
    for (INT_PTR i = 0; i < m_arrHandlers.GetSize(); ++i)
    {
        if (m_arrHandlers[i] == pHandler)
            return;
    }
    m_arrHandlers.Add(pHandler);
}

void CXTPKeyboardManager::RemoveHandler(CXTPHookManagerHookAble* pHandler)
{
    for (INT_PTR i = 0; i < m_arrHandlers.GetSize(); ++i)
    {
        if (m_arrHandlers[i] == pHandler)
        {
            m_arrHandlers.RemoveAt(i);
            break;
        }
    }
    if (m_arrHandlers.IsEmpty())
    {
        HookKeyboard(FALSE);
        HookCallWndProc(FALSE);
    }
}

BOOL CXTPKeyboardManager::ProcessKeyboardHooks(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const std::vector<CXTPHookManagerHookAble*> snapshot(
        m_arrHandlers.GetData(), m_arrHandlers.GetData() + m_arrHandlers.GetSize());
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
    {
        bool bStillThere = false;
        for (INT_PTR i = 0; i < m_arrHandlers.GetSize() && !bStillThere; ++i)
            bStillThere = m_arrHandlers[i] == *it;
        if (!bStillThere)
            continue;
        LRESULT lResult = 0;
        WPARAM wParamOffered = wParam;
        LPARAM lParamOffered = lParam;
        int nAnswer = (*it)->OnHookMessage(nullptr, nMessage, wParamOffered, lParamOffered, lResult);
        if (nAnswer == CXTPHookManagerHookAble::hookHandled)
            return TRUE;
        if (nAnswer == CXTPHookManagerHookAble::hookPassOn)
            return FALSE;
    }
    return TRUE;
}

BOOL CXTPKeyboardManager::IsOwnerForeground(HWND hWnd)
{
    if (!::IsWindow(hWnd))
        return FALSE;
    HWND hTop = ::GetAncestor(hWnd, GA_ROOT);
    for (HWND hOwner = ::GetWindow(hTop, GW_OWNER); hOwner; hOwner = ::GetWindow(hTop, GW_OWNER))
        hTop = hOwner;
    return ::GetForegroundWindow() == ::GetLastActivePopup(hTop);
}

void CXTPKeyboardManager::SetTrackingLink(const TrackingLink* pLink)
{
    m_link = pLink ? *pLink : TrackingLink{nullptr, nullptr, nullptr};
}

int CXTPKeyboardManager::GetTrackingLockCount() const
{
    return m_link.pfnGetLockCount ? m_link.pfnGetLockCount(m_link.pContext) : 0;
}

void CXTPKeyboardManager::SendTrackLost()
{
    if (m_link.pfnSendTrackLost)
        m_link.pfnSendTrackLost(m_link.pContext);
}

LRESULT CALLBACK CXTPKeyboardManager::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPKeyboardManager* pManager = XTPKeyboardManager();
    HHOOK hHook = pManager->m_hHookKeyboard;
    if (nCode != HC_ACTION || pManager->m_arrHandlers.IsEmpty() || (lParam & kKeyUpBit))
        return ::CallNextHookEx(hHook, nCode, wParam, lParam);

    if ((lParam & kAltDownBit) && wParam == VK_MENU && pManager->GetTrackingLockCount() <= 0)
    {
        // A bar's text field with the focus takes Alt combinations itself
        // (access keys, Alt+Down opening its list): Alt leaves tracking on.
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus && ::SendMessageA(hWndFocus, WM_XTP_ISTOOLKITEDIT, 0, 0) == TRUE)
            return 1;
        if (lParam & kRepeatBit)
            return ::CallNextHookEx(hHook, nCode, wParam, lParam);
        pManager->SendTrackLost();
        return 1;
    }
    if (pManager->ProcessKeyboardHooks(WM_KEYDOWN, wParam, lParam))
        return 1;
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

LRESULT CALLBACK CXTPKeyboardManager::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPKeyboardManager* pManager = XTPKeyboardManager();
    if (nCode == HC_ACTION)
    {
        const CWPSTRUCT* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (pMessage->message == WM_ACTIVATEAPP && !pMessage->wParam)
            pManager->SendTrackLost();
    }
    return ::CallNextHookEx(pManager->m_hHookCallWndProc, nCode, wParam, lParam);
}

namespace {

CThreadLocal<CXTPKeyboardManager>& KeyboardManagers()
{
    static CThreadLocal<CXTPKeyboardManager> s_keyboardManagers;
    return s_keyboardManagers;
}

} // namespace

CXTPKeyboardManager* AFXAPI XTPKeyboardManager()
{
    return KeyboardManagers().GetData();
}

CXTPKeyboardManager* AFXAPI XTPKeyboardManagerIfMade()
{
    return KeyboardManagers().GetDataNA();
}
