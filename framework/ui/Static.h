// CStatic: labels, frames and pictures of the system class "STATIC".
#pragma once

#include "framework/ui/Wnd.h"

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;

    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF);

    // Pictures of SS_BITMAP and SS_ICON statics; each returns the previous
    // one, which the caller still owns.
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};
