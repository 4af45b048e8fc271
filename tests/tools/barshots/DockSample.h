// The sample frame of the screenshot program that shows the docking: a
// menu bar, two toolbars sharing the first row at the top and one in a
// second row, toolbars at the left and the bottom, a status bar and a
// floating toolbar, all from command bars with their four dock bars.
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

private:
    CXTPToolBar* AddToolBar(LPCSTR lpszTitle, UINT nBarId, int nPosition, int nButtons);

    CXTPStatusBar m_status;
    CXTPImageManager* m_pImages = nullptr;
    UINT m_nIconId = 0;
    CXTPToolBar* m_pFloating = nullptr;
};
