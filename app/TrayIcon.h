// The program's icon in the notification area: added when the main window
// is made, its tip following the window title, removed with the window. A
// left press opens a quick note, a right click the small tray menu.
#pragma once

#include "framework/core/String.h"

class CWnd;

class CQivTrayIcon
{
public:
    static const UINT kIconId = 100;
    // The callback message the window gets for mouse actions on the icon.
    static const UINT kCallbackMessage = 0x8065;

    CQivTrayIcon() = default;
    ~CQivTrayIcon() = default;
    CQivTrayIcon(const CQivTrayIcon&) = delete;
    CQivTrayIcon& operator=(const CQivTrayIcon&) = delete;

    // Adds the icon for the window; FALSE when the notification area refused
    // it (the window must then never be hidden, or nothing could bring it back).
    BOOL Add(CWnd* pWnd);
    // Puts the icon back after the notification area was rebuilt
    // ("TaskbarCreated"); does nothing when it was never added.
    BOOL Readd();
    // The tip: the title cut to what the notification area holds.
    void SetTip(LPCSTR lpszTitle);
    void Remove();
    BOOL IsAdded() const { return m_bAdded; }
    // The registered message that announces a new notification area.
    static UINT TaskbarCreatedMessage();

    // Handles the callback message; bQuickNoteOpen ignores a second left
    // press while a quick note is open. The window receives the chosen
    // command of the menu or ID_QUICKNOTE.
    void OnCallback(CWnd* pWnd, LPARAM lParam, BOOL bQuickNoteOpen);

private:
    HWND m_hWnd = nullptr;
    BOOL m_bAdded = FALSE;
    CString m_strTip;
};
