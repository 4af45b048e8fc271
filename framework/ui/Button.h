// CButton: push buttons, check boxes, radio buttons and group boxes of the
// system class "BUTTON". An owner-drawn button (BS_OWNERDRAW) draws itself
// in DrawItem, which the parent's reflection of WM_DRAWITEM reaches.
#pragma once

#include "framework/ui/Wnd.h"

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;

    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BST_PUSHED, BST_FOCUS and the check state bits.
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int nCheck);
    // The button type (low byte of the window style: BS_PUSHBUTTON, BS_OWNERDRAW ...).
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);

    // Pictures of BS_BITMAP and BS_ICON buttons; each returns the previous one.
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;

    // Draws an owner-drawn button; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
