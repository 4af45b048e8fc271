// CXTPKeyboardManager: the thread's keyboard and call-window-procedure hooks
// and the keyboard handlers they serve. While a popup bar tracks the
// keyboard it registers as a handler and gets every key going down before
// any window does; Alt closes the tracked popups, and so does the
// application losing activation.
//
// The popups themselves are tracked by the thread's mouse manager, which
// comes with the bars: it links itself in with SetTrackingLink. Until then
// nothing is tracked and nothing is locked.
//
// Handlers may remove themselves (or others) while a key is offered: keys
// are offered from a copy of the list, skipping handlers that left.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/ProcessLocal.h"

class CXTPHookManagerHookAble;

class CXTPKeyboardManager : public CNoTrackObject
{
public:
    // What the hooks need of the popups being tracked.
    struct TrackingLink
    {
        // The lock count of modal mouse loops (Alt does not close popups
        // while it is above 0).
        int (*pfnGetLockCount)(void* pContext);
        // Every tracked popup leaves tracking.
        void (*pfnSendTrackLost)(void* pContext);
        void* pContext;
    };

    CXTPKeyboardManager();
    // Removes the hooks still installed.
    ~CXTPKeyboardManager() override;
    CXTPKeyboardManager(const CXTPKeyboardManager&) = delete;
    CXTPKeyboardManager& operator=(const CXTPKeyboardManager&) = delete;

    // Install (unless installed) or remove the thread's hook of that kind.
    // A hook that can't be installed stays null; the next call tries again.
    void HookKeyboard(BOOL bHook);
    void HookCallWndProc(BOOL bHook);
    BOOL IsKeyboardHooked() const { return m_hHookKeyboard != nullptr; }
    BOOL IsCallWndProcHooked() const { return m_hHookCallWndProc != nullptr; }

    // Appends a handler (once) and installs both hooks.
    void AddHandler(CXTPHookManagerHookAble* pHandler);
    // Removes it; the last one out removes both hooks.
    void RemoveHandler(CXTPHookManagerHookAble* pHandler);
    INT_PTR GetHandlerCount() const { return m_arrHandlers.GetSize(); }
    // The same, by the names the bars use.
    void HookKeyboard(CXTPHookManagerHookAble* pHandler) { AddHandler(pHandler); }
    void UnhookKeyboard(CXTPHookManagerHookAble* pHandler) { RemoveHandler(pHandler); }

    // Offers a key message to the handlers, last added first: TRUE when one
    // took it (answer 1) or none answered at all, FALSE when one let it go
    // on (answer 2).
    BOOL ProcessKeyboardHooks(UINT nMessage, WPARAM wParam, LPARAM lParam);

    // TRUE when the foreground window is the last active popup of the
    // window's top-level owner.
    static BOOL IsOwnerForeground(HWND hWnd);

    // The mouse manager links itself in; a null link unlinks it.
    void SetTrackingLink(const TrackingLink* pLink);

    // The hook procedures, called by the system for this thread.
    static LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);

private:
    int GetTrackingLockCount() const;
    void SendTrackLost();

    HHOOK m_hHookKeyboard;
    HHOOK m_hHookCallWndProc;
    CArray<CXTPHookManagerHookAble*, CXTPHookManagerHookAble*> m_arrHandlers;
    TrackingLink m_link;
};

// The calling thread's keyboard manager, made on first use.
CXTPKeyboardManager* AFXAPI XTPKeyboardManager();
// The calling thread's keyboard manager when it has one, else null.
CXTPKeyboardManager* AFXAPI XTPKeyboardManagerIfMade();
