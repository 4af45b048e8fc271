// The sample frame of the screenshot program that shows the docking: a
// menu bar, two toolbars sharing the first row at the top and one in a
// second row, toolbars at the left and the bottom, a status bar and a
// floating toolbar, all from command bars with their four dock bars.
// Run as a window a person can try (--frame), it prints each command it is
// sent (the menus' items, the buttons) and, with a company and application
// name, takes the bars' options and arrangement from the profile at the
// start and stores them at the end. The customise window (menu "Ansicht",
// or at the start) lets controls be moved between the bars.
#pragma once

#include "toolkit/commandbars/FrameWnd.h"
#include "toolkit/extras/StatusBar.h"

class CXTPImageManager;
class CXTPToolBar;

class CDockSampleFrame : public CXTPFrameWnd
{
public:
    // Makes the frame at the rectangle with its bars; every button shows
    // the image manager's icon of nIconId. Null when a window failed.
    static CDockSampleFrame* Make(const CRect& rc, CXTPImageManager* pImages, UINT nIconId);

    CXTPToolBar* GetFloatingBar() const { return m_pFloating; }

    // Runs the frame until it is closed; with a profile the state comes
    // from it at the start and goes back when the frame closes; with
    // bCustomize the customise window opens at the start. The exit code.
    static int Run(LPCSTR lpszCompany, LPCSTR lpszApp, BOOL bCustomize, CXTPImageManager* pImages,
                   UINT nIconId);

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    CXTPToolBar* AddToolBar(LPCSTR lpszTitle, UINT nBarId, int nPosition, int nButtons);

    CXTPStatusBar m_status;
    CXTPImageManager* m_pImages = nullptr;
    UINT m_nIconId = 0;
    CXTPToolBar* m_pFloating = nullptr;
    BOOL m_bStoreState = FALSE;
};
