// CXTPControlComboBoxAutoCompleteWnd: switches the shell's auto-complete on
// for the edit window of a combo box or edit control, and keeps the shell's
// "Auto-Suggest Dropdown" usable while the control's bar tracks the
// keyboard: arrow keys go to the drop-down's list, the wheel to the
// drop-down, and clicks in it do not end tracking.
//
// The drop-down is found by one call-window-procedure hook of the thread,
// installed while a control's edit window has the focus; only one object is
// hooked at a time, so the hook and the hooked object are process-wide.
#pragma once

#include "framework/core/AfxWin.h"
#include "toolkit/commandbars/HookManagerHookAble.h"

class CXTPControlComboBoxAutoCompleteWnd : public CXTPHookManagerHookAble
{
public:
    CXTPControlComboBoxAutoCompleteWnd();
    // Unhooks.
    ~CXTPControlComboBoxAutoCompleteWnd() override;

    // Remembers the edit window and calls the shell's SHAutoComplete for it;
    // E_FAIL when "shlwapi.dll" or the function is missing.
    HRESULT Attach(HWND hWndEdit, DWORD dwFlags);
    // TRUE: installs the hook (unless one is installed), registers with the
    // thread's keyboard manager and becomes the hooked object. FALSE: when
    // this is the hooked object, undoes all that. Either way the known
    // drop-down is forgotten.
    void SetHook(BOOL bHook);
    // Page Up/Down and Up/Down without Alt go to the drop-down's list while
    // a drop-down is known: TRUE.
    BOOL ProcessKey(UINT nChar, UINT nFlags = 0);
    void HideDropDown();

    HWND GetDropDown() const { return m_hWndDropDown; }
    HWND GetEditWindow() const { return m_hWndEdit; }
    // The object the hook serves now; null when none is hooked.
    static CXTPControlComboBoxAutoCompleteWnd* GetHookedObject();

    // The wheel is left to a known drop-down (answer 2); all else is 0.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;

private:
    static LRESULT CALLBACK CallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanging(HWND hWnd, const WINDOWPOS* pPos);
    // Sets the known drop-down, trusting it for the mouse (forgetting it
    // removes the trust).
    void SetDropDown(HWND hWndDropDown);

    HWND m_hWndDropDown;
    HWND m_hWndEdit;
};
