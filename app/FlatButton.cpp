#include "app/FlatButton.h"

#include "app/SoundEvents.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Gdi.h"
#include "toolkit/draw/BufferDC.h"

IMPLEMENT_DYNAMIC(C_FlatButton, CButton)

BEGIN_MESSAGE_MAP(C_FlatButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace
{
const COLORREF kPictureMask = RGB(0, 255, 0);
const int kPictureHeight = 16;
}

C_FlatButton::C_FlatButton()
    : m_bUseSystemColors(TRUE), m_nPicturePosition(pictureLeft), m_bHovering(FALSE),
      m_hIcon(nullptr), m_nIconWidth(0), m_nIconHeight(0)
{
    LoadSystemColors(FALSE);
}

C_FlatButton::~C_FlatButton()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

void C_FlatButton::LoadSystemColors(BOOL bAfterChange)
{
    m_clrFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrShadow = ::GetSysColor(bAfterChange ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW);
    m_clrText = ::GetSysColor(COLOR_BTNTEXT);
}

BOOL C_FlatButton::SetBitmap(UINT nIDBitmap, int nImageWidth)
{
    CImageList images;
    if (!images.Create(nIDBitmap, nImageWidth, 1, kPictureMask))
        return FALSE;
    m_imageList.DeleteImageList();
    m_imageList.Attach(images.Detach());
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = ::ImageList_GetIcon(m_imageList, 0, ILD_NORMAL);
    m_nIconWidth = nImageWidth;
    m_nIconHeight = kPictureHeight;
    m_nPicturePosition = pictureLeft;
    if (GetSafeHwnd())
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

BOOL C_FlatButton::Attach(CWnd* pDialog, UINT nID, UINT nIDBitmap, int nImageWidth)
{
    if (!SubclassDlgItem(nID, pDialog))
        return FALSE;
    SetButtonStyle((GetButtonStyle() & ~0x0F) | BS_OWNERDRAW, FALSE);
    return nIDBitmap == 0 || SetBitmap(nIDBitmap, nImageWidth);
}

CString C_FlatButton::ShownCaption(const CString& strText)
{
    CString strShown = strText;
    const int nAmpersand = strShown.Find('&');
    if (nAmpersand >= 0)
        strShown.Delete(nAmpersand);
    return strShown;
}

void C_FlatButton::LayoutFace(int cx, int cy, CSize szText, BOOL bPicture, CSize szPicture,
                              int nPosition, BOOL bPressed, CPoint* pptPicture, CPoint* pptText)
{
    const int tw = szText.cx;
    const int th = szText.cy;
    const int iw = szPicture.cx;
    const int ih = szPicture.cy;
    *pptPicture = CPoint(0, 0);
    if (!bPicture)
    {
        *pptText = CPoint((cx - tw) >> 1, (cy - th) >> 1);
    }
    else if (nPosition == pictureAbove)
    {
        const int y = tw > 0 ? (cy - th - ih - 4) >> 1 : (cy - ih) >> 1;
        *pptPicture = CPoint((cx - iw) >> 1, y);
        *pptText = CPoint((cx - tw) >> 1, y + ih + 5);
    }
    else if (nPosition == pictureRight)
    {
        *pptText = CPoint((cx - iw - tw - 4) >> 1, (cy - th) >> 1);
        *pptPicture = CPoint(pptText->x + tw + 5, (cy - ih) >> 1);
    }
    else
    {
        *pptPicture = CPoint((cx - iw - tw - 4) >> 1, (cy - ih) >> 1);
        *pptText = CPoint(pptPicture->x + iw + 4, (cy - th) >> 1);
    }
    if (bPressed)
    {
        pptPicture->Offset(1, 1);
        pptText->Offset(1, 1);
    }
}

void C_FlatButton::DrawFrame(CDC* pDC, const CRect& rect, FrameKind kind) const
{
    switch (kind)
    {
    case frameSunken:
        pDC->Draw3dRect(rect, m_clrShadow, m_clrHighlight);
        break;
    case frameRaised:
        pDC->Draw3dRect(rect, m_clrHighlight, m_clrShadow);
        break;
    case frameFlat:
        pDC->Draw3dRect(rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
        break;
    }
}

// Hover changes redraw the frame alone, straight on the window.
void C_FlatButton::DrawFrameNow(FrameKind kind)
{
    CClientDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    DrawFrame(&dc, rect, kind);
}

void C_FlatButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (!(lpDIS->itemAction & ODA_DRAWENTIRE))
        return;
    CString strText;
    GetWindowText(strText);
    CRect rcClient;
    GetClientRect(&rcClient);
    CDC* pTarget = CDC::FromHandle(lpDIS->hDC);
    CXTMemDC dc(pTarget, rcClient, CXTPPaintManagerColorGradient(m_clrFace));
    HGDIOBJ hOldFont = nullptr;
    if (CFont* pFont = GetFont())
        hOldFont = ::SelectObject(dc.GetSafeHdc(), pFont->GetSafeHandle());

    const CString strShown = ShownCaption(strText);
    SIZE szText = {};
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), strShown, strShown.GetLength(), &szText);
    const BOOL bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bEnabled = IsWindowEnabled();
    CPoint ptPicture;
    CPoint ptText;
    LayoutFace(rcClient.right - rcClient.left + 1, rcClient.bottom - rcClient.top + 1,
               CSize(szText.cx, szText.cy), m_hIcon != nullptr || m_imageList.GetSafeHandle() != nullptr,
               CSize(m_nIconWidth, m_nIconHeight), m_nPicturePosition, bPressed, &ptPicture, &ptText);

    ::SetBkMode(dc.GetSafeHdc(), TRANSPARENT);
    ::SetTextColor(dc.GetSafeHdc(), m_clrText);
    const UINT nTextFlags = DST_PREFIXTEXT | (bEnabled ? 0 : DSS_DISABLED);
    auto drawCaption = [&](int x) {
        ::DrawStateA(dc.GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strShown)),
                     static_cast<WPARAM>(strShown.GetLength()), x, ptText.y, szText.cx, szText.cy,
                     nTextFlags);
    };
    drawCaption(ptText.x);
    if (bEnabled && strText == "OK")
        drawCaption(ptText.x + 1);

    FrameKind frame = frameFlat;
    if (bPressed)
        frame = frameSunken;
    else if ((lpDIS->itemState & ODS_FOCUS) || m_bHovering)
        frame = frameRaised;
    DrawFrame(&dc, rcClient, frame);

    if (m_hIcon)
        ::DrawStateA(dc.GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon), 0,
                     ptPicture.x, ptPicture.y, m_nIconWidth, m_nIconHeight,
                     DST_ICON | (bEnabled ? 0 : DSS_DISABLED));
    if (hOldFont)
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

void C_FlatButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    if (nFlags & MK_LBUTTON)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const BOOL bInside = ::PtInRect(&rcClient, point);
    const BOOL bFocused = CWnd::GetFocus() == this;
    if (m_bHovering && !bInside)
    {
        m_bHovering = FALSE;
        if (!bFocused)
            DrawFrameNow(frameFlat);
        ReleaseCapture();
    }
    else if (!m_bHovering && bInside)
    {
        m_bHovering = TRUE;
        if (!bFocused)
        {
            DrawFrameNow(frameRaised);
            PlaySoundEvent("ToolbarFocus");
        }
        SetCapture();
    }
}

void C_FlatButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bHovering)
    {
        m_bHovering = FALSE;
        ReleaseCapture();
    }
    PlaySoundEvent("ToolbarClick");
    CButton::OnLButtonDown(nFlags, point);
}

// The capture taken by another window (a menu, a switch to another
// program) ends the hover as leaving the button would, so the frame does
// not stay raised.
void C_FlatButton::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bHovering && pWnd != this)
    {
        m_bHovering = FALSE;
        if (CWnd::GetFocus() != this && GetSafeHwnd())
            DrawFrameNow(frameFlat);
    }
    CButton::OnCaptureChanged(pWnd);
}

void C_FlatButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    if (m_bUseSystemColors)
        LoadSystemColors(TRUE);
}
