// C_FlatButton: the owner-drawn push button of the shell's dialogs. A flat
// face with a small picture beside or above the caption, a thin frame that
// rises while the mouse is over the button (or it has the focus) and sinks
// while it is pressed, and the sounds "ToolbarFocus" and "ToolbarClick".
// The mouse is captured exactly while it hovers over the button, to learn
// when it leaves.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/Button.h"
#include "framework/ui/ImageList.h"

class C_FlatButton : public CButton
{
    DECLARE_DYNAMIC(C_FlatButton)
public:
    enum PicturePosition
    {
        pictureLeft = 0,
        pictureAbove = 1,
        pictureRight = 2,
    };

    C_FlatButton();
    ~C_FlatButton() override;

    // Takes image 0 of the bitmap, cut into images nImageWidth wide with
    // green (0,255,0) as the transparent colour, as the picture (16 pixels
    // high, left of the caption); FALSE when the bitmap cannot be loaded.
    BOOL SetBitmap(UINT nIDBitmap, int nImageWidth);
    // Subclasses the dialog's button nID, makes it owner-drawn and gives it
    // the bitmap; the dialogs' set-up of OK, Cancel and Help.
    BOOL Attach(CWnd* pDialog, UINT nID, UINT nIDBitmap, int nImageWidth = 16);

    void SetPicturePosition(int nPosition) { m_nPicturePosition = nPosition; }
    int GetPicturePosition() const { return m_nPicturePosition; }
    BOOL IsHovering() const { return m_bHovering; }
    HICON GetPicture() const { return m_hIcon; }

    COLORREF m_clrFace;
    COLORREF m_clrHighlight;
    COLORREF m_clrShadow;
    COLORREF m_clrText;
    // When set, a system colour change reloads the four colours.
    BOOL m_bUseSystemColors;

    // Where picture and caption go on a face of cx x cy (the client
    // rectangle's right - left + 1 and bottom - top + 1) for a caption of
    // szText and a picture of szPicture (none when bPicture is FALSE);
    // pressed moves both one pixel right and down.
    static void LayoutFace(int cx, int cy, CSize szText, BOOL bPicture, CSize szPicture,
                           int nPosition, BOOL bPressed, CPoint* pptPicture, CPoint* pptText);
    // The caption as shown: the window text without its first "&".
    static CString ShownCaption(const CString& strText);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    enum FrameKind
    {
        frameFlat,
        frameRaised,
        frameSunken,
    };
    void DrawFrame(CDC* pDC, const CRect& rect, FrameKind kind) const;
    void DrawFrameNow(FrameKind kind);
    void LoadSystemColors(BOOL bAfterChange);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSysColorChange();

    int m_nPicturePosition;
    BOOL m_bHovering;
    HICON m_hIcon;
    int m_nIconWidth;
    int m_nIconHeight;
    CImageList m_imageList;

    DECLARE_MESSAGE_MAP()
};
