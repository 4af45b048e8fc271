// CMiniFrameWnd: a small tool frame with a thin caption, owned by a main
// frame. This program creates none; the class exists so that windows can be
// told apart by their kind (a focus inside a mini frame, a bar floating in
// one). Created with MFS_SYNCACTIVE, it keeps its owner's caption active
// while it has the focus.
#pragma once

#include "framework/ui/FrameWnd.h"

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    ~CMiniFrameWnd() override;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    // Shows, hides, enables and activates itself with its owner.
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
