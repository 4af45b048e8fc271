// Multiple-document frames. This program is single-document: the classes
// exist so that code that serves both kinds of frame can tell them apart.
// A CMDIFrameWnd here has no MDI client window, so it has no active child.
#pragma once

#include "framework/ui/FrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // The active child frame (null without one); *pbMaximized says whether
    // it is maximized.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    CFrameWnd* GetActiveFrame() override;

    HWND m_hWndMDIClient = nullptr;
};

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    CMDIFrameWnd* GetMDIFrame() const;
};
