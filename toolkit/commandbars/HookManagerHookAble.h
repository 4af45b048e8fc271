// CXTPHookManagerHookAble: the base of every toolkit object that watches
// another window's messages through the hook manager (HookManager.h) or the
// keys of the thread through the keyboard manager. The object answers each
// message it is offered with one of three codes.
#pragma once

#include "framework/core/AfxWin.h"

class CXTPHookManagerHookAble
{
public:
    // Answers of OnHookMessage.
    enum
    {
        hookNext = 0,    // not handled: offer the message to the next object
        hookHandled = 1, // handled: the window procedure returns lResult
        hookPassOn = 2,  // stop offering; the window gets the message
    };

    CXTPHookManagerHookAble() = default;
    // Leaves every window it is hooked to, and the thread's keyboard
    // handlers.
    virtual ~CXTPHookManagerHookAble();
    CXTPHookManagerHookAble(const CXTPHookManagerHookAble&) = delete;
    CXTPHookManagerHookAble& operator=(const CXTPHookManagerHookAble&) = delete;

    // A message for hWnd before the window's own procedure sees it. The
    // object may change wParam and lParam for the objects after it and for
    // the window; lResult starts at 0. It may unhook itself, delete itself
    // or destroy the window from here.
    virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                              LRESULT& lResult) = 0;
};
