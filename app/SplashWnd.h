// The start-up picture: "splash.jpg" of the program's folder in a topmost
// window in the middle of the screen for 2.5 seconds while the start-up
// goes on. A click on it closes it at once and turns it off for later starts.
#pragma once

#include "app/ProgramPicture.h"
#include "framework/ui/Wnd.h"

class CSplashWnd : public CWnd
{
public:
    // The timer that closes the window.
    static const UINT_PTR kTimerId = 777;
    static const UINT kShowMilliseconds = 2500;

    // Shows the splash and returns it (it deletes itself once destroyed);
    // null when the picture is missing (reported) or cannot be loaded.
    static CSplashWnd* ShowSplashScreen();

    BOOL IsClosed() const { return m_bClosed != 0; }
    CSize GetPictureSize() const { return m_szPicture; }

protected:
    CSplashWnd() = default;
    BOOL Create();
    void CloseSplash();
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()

private:
    CQivPicture m_picture;
    CSize m_szPicture;
    BYTE m_bClosed = 0;
};
