// CQivApp: the application object. It starts the program (common controls,
// settings key, command line, splash, OLE, the document template, the card
// file to open and the entry to show, the start-up tip) and keeps the frame's
// shortcuts away from text fields, where Ctrl+C, V and X must reach the
// field itself. Main loop, idle work and shut-down are the framework's.
#pragma once

#include "framework/core/List.h"
#include "framework/ui/WinApp.h"

class CMainFrame;

class CQivApp : public CWinApp
{
public:
    CQivApp();
    ~CQivApp() override;

    BOOL InitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The company key every setting lies under; tests use their own.
    static LPCSTR RegistryCompany();

    // FALSE when Ctrl+C, V or X goes to an edit field or a rich-edit
    // control, which then handles it itself; TRUE when the frame's
    // shortcuts may see the message.
    static BOOL IsKeyForFrame(const MSG* pMsg);
    // The tip at start-up when its own setting asks for one (not when
    // started by OLE).
    void ShowStartupTip();

    CMainFrame* GetMainFrame() const;

protected:
    afx_msg void OnAppAbout();
    afx_msg void OnTipOfTheDay();
    DECLARE_MESSAGE_MAP()

private:
    CList<HWND, HWND> m_windows;
    BOOL m_bFlag = TRUE;
};
