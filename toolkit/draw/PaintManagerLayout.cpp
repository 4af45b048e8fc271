// Where a control's image and caption go on a toolbar or the menu bar, how
// large the control is, how captions split into two lines for large
// buttons, how they are drawn with or without underlined access keys, the
// base measuring of edit and combo controls, and the special glyph buttons.
// Measuring and drawing share one routine per kind: with bDraw FALSE only
// the size is computed.
#include "toolkit/draw/PaintManager.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/CaptionLine.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>

namespace {

const CSize s_szImagelessButton(22, 22);

BOOL IsPopupType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup
           || nType == xtpControlSplitButtonPopup;
}

// The image's height drawn at width cx, in proportion; 0 without an image.
int ScaledImageHeight(CXTPImageManagerIcon* pImage, int cx)
{
    return pImage ? pImage->GetHeight() * cx / pImage->GetWidth() : 0;
}

} // namespace

// --- Helpers -------------------------------------------------------------------------

CSize CXTPPaintManager::MeasureText(CDC* pDC, const CString& strText) const
{
    if (strText.IsEmpty())
        return pDC->GetTextExtent(" ", 1);
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(strText, &rc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    return rc.Size();
}

CSize CXTPPaintManager::MeasureInFont(CDC* pDC, CFont* pFont, LPCSTR lpszText)
{
    CXTPFontDC font(pDC);
    if (pFont && pFont->GetSafeHandle())
        font.SetFont(pFont);
    else
        font.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(lpszText, -1, &rc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    return rc.Size();
}

void CXTPPaintManager::GetCaptions(CXTPControl* pControl, CString& strMarked,
                                   CString& strPlain) const
{
    strMarked = pControl->GetCaption();
    strPlain = strMarked;
    StripMnemonics(strPlain);
}

BOOL CXTPPaintManager::IsAccessKeyShown(CXTPCommandBar* pBar) const
{
    if (m_bShowKeyboardCues >= 0)
        return m_bShowKeyboardCues != 0;
    return pBar ? pBar->IsAccessKeyUnderlineVisible() : TRUE;
}

// --- Captions --------------------------------------------------------------------------

int CXTPPaintManager::DrawCaptionText(CDC* pDC, CXTPControl* pControl, CRect rcText,
                                      CString strMarked, CString strPlain, BOOL bVert,
                                      BOOL bCentered)
{
    UINT nFormat;
    CString strText;
    if (bVert)
    {
        nFormat = DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE;
        strText = strPlain;
    }
    else if (IsAccessKeyShown(pControl->GetParent()))
    {
        nFormat = DT_SINGLELINE | DT_VCENTER;
        strText = strMarked;
    }
    else
    {
        nFormat = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
        strText = strPlain;
    }
    if (bCentered)
        nFormat |= DT_CENTER;

    // Rotated captions keep the system's drawing: they show no access key.
    auto drawLine = [&](const CString& str, const CRect& rc, UINT nLineFormat) {
        CRect rcLine(rc);
        return bVert ? pDC->DrawText(str, &rcLine, nLineFormat) : XTPDrawCaptionLine(pDC, str, rcLine, nLineFormat);
    };
    if (!pControl->GetEnabled() && m_bEmbossedDisabledText)
    {
        COLORREF clrOld = pDC->SetTextColor(ResolveColor(COLOR_BTNHIGHLIGHT));
        CRect rcShadow(rcText);
        rcShadow.OffsetRect(1, 1);
        drawLine(strPlain, rcShadow, nFormat | DT_NOPREFIX | DT_VCENTER);
        pDC->SetTextColor(clrOld);
    }
    return drawLine(strText, rcText, nFormat);
}

CSize CXTPPaintManager::DrawControlCaptionLine(CDC* pDC, CXTPControl* pControl, CRect rcText,
                                               BOOL bDraw, BOOL bVert, BOOL bCentered,
                                               BOOL bTriangle)
{
    CString strMarked, strPlain;
    GetCaptions(pControl, strMarked, strPlain);
    CSize szText = MeasureText(pDC, strPlain);
    int nArrow = bTriangle ? 10 : 0;
    if (!bDraw)
        return bVert ? CSize(szText.cy, szText.cx + nArrow) : CSize(szText.cx + nArrow, szText.cy);

    BOOL bEnabled = pControl->GetEnabled();
    if (bVert)
    {
        int y = rcText.top;
        if (bCentered)
            y += (rcText.Height() - szText.cx - nArrow) / 2;
        int x = rcText.right - (rcText.Width() - szText.cy) / 2;
        DrawCaptionText(pDC, pControl, CRect(x, y, x + szText.cy, y + szText.cx), strMarked,
                        strPlain, TRUE, FALSE);
        if (bTriangle)
            DrawPopupArrow(pDC, rcText.CenterPoint().x, y + szText.cx + 5,
                           pControl->GetSelected(), pControl->IsPopupOpen(), bEnabled, TRUE);
        return CSize(0, 0);
    }
    CRect rcLine(rcText);
    if (bCentered)
        rcLine.left += (rcText.Width() - szText.cx - nArrow) / 2;
    rcLine.right = rcLine.left + szText.cx;
    DrawCaptionText(pDC, pControl, rcLine, strMarked, strPlain, FALSE, FALSE);
    if (bTriangle)
        DrawPopupArrow(pDC, rcLine.right + 5, rcText.CenterPoint().y, pControl->GetSelected(),
                       pControl->IsPopupOpen(), bEnabled, FALSE);
    return CSize(0, 0);
}

void CXTPPaintManager::SplitCaption(const CString& strCaption, CString& strFirst,
                                    CString& strSecond)
{
    int nLength = strCaption.GetLength();
    int nMiddle = nLength / 2;
    int nSplit = -1;
    // The space nearest the middle: the middle, then one right, one left,
    // two right, two left, ...
    for (int d = 0; d < nMiddle && nSplit < 0; ++d)
    {
        if (nMiddle + d < nLength && strCaption[nMiddle + d] == ' ')
            nSplit = nMiddle + d;
        else if (nMiddle - d >= 0 && strCaption[nMiddle - d] == ' ')
            nSplit = nMiddle - d;
    }
    if (nSplit < 0)
    {
        strFirst = strCaption;
        strSecond.Empty();
        return;
    }
    strFirst = strCaption.Left(nSplit);
    strSecond = strCaption.Mid(nSplit + 1);
}

CSize CXTPPaintManager::DrawTwoLineCaption(CDC* pDC, CXTPControl* pControl, CRect rcText,
                                           BOOL bDraw, BOOL bVert, BOOL bTriangle)
{
    CString strMarked = pControl->GetCaption();
    CString strFirst, strSecond;
    SplitCaption(strMarked, strFirst, strSecond);
    CString strFirstPlain = strFirst, strSecondPlain = strSecond;
    StripMnemonics(strFirstPlain);
    StripMnemonics(strSecondPlain);
    CSize szFirst = strFirstPlain.IsEmpty() ? CSize(0, 0) : MeasureText(pDC, strFirstPlain);
    CSize szSecond = strSecondPlain.IsEmpty() ? CSize(0, 0) : MeasureText(pDC, strSecondPlain);
    int nArrow = bTriangle ? 8 : 0;

    if (!bDraw)
    {
        int nWidth = std::max(szFirst.cx, szSecond.cx + nArrow);
        return bVert ? CSize(24, nWidth) : CSize(nWidth, 24);
    }

    BOOL bEnabled = pControl->GetEnabled();
    if (bVert)
    {
        CRect rcFirst(rcText.CenterPoint().x, rcText.top, rcText.right, rcText.bottom);
        CRect rcSecond(rcText.left, rcText.top, rcText.CenterPoint().x, rcText.bottom);
        int yFirst = rcText.top + (rcText.Height() - szFirst.cx) / 2;
        int ySecond = rcText.top + (rcText.Height() - szSecond.cx - nArrow) / 2;
        int xFirst = rcFirst.right - (rcFirst.Width() - szFirst.cy) / 2;
        int xSecond = rcSecond.right - (rcSecond.Width() - szFirst.cy) / 2;
        DrawCaptionText(pDC, pControl, CRect(xFirst, yFirst, xFirst, yFirst), strFirst,
                        strFirstPlain, TRUE, FALSE);
        DrawCaptionText(pDC, pControl, CRect(xSecond, ySecond, xSecond, ySecond), strSecond,
                        strSecondPlain, TRUE, FALSE);
        if (bTriangle)
            DrawPopupArrow(pDC, rcSecond.CenterPoint().x, ySecond + szSecond.cx + 4,
                           pControl->GetSelected(), pControl->IsPopupOpen(), bEnabled, TRUE);
        return CSize(0, 0);
    }
    int yMiddle = rcText.top + rcText.Height() / 2;
    CRect rcFirst(rcText.left, rcText.top, rcText.right, yMiddle);
    DrawCaptionText(pDC, pControl, rcFirst, strFirst, strFirstPlain, FALSE, TRUE);
    int xSecond = rcText.left + (rcText.Width() - szSecond.cx - nArrow) / 2;
    CRect rcSecond(xSecond, yMiddle, xSecond + szSecond.cx, rcText.bottom);
    DrawCaptionText(pDC, pControl, rcSecond, strSecond, strSecondPlain, FALSE, FALSE);
    if (bTriangle)
        DrawPopupArrow(pDC, rcSecond.right + 4, rcSecond.CenterPoint().y,
                       pControl->GetSelected(), pControl->IsPopupOpen(), bEnabled, FALSE);
    return CSize(0, 0);
}

// --- Controls on toolbars --------------------------------------------------------------

CSize CXTPPaintManager::DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    int nType = pControl->GetType();
    int nStyle = pControl->GetStyle();
    int nBarType = pBar ? pBar->GetType() : xtpBarTypeNormal;
    int nBarPosition = pBar ? pBar->GetPosition() : xtpBarTop;
    BOOL bVert = IsVerticalDockPosition(nBarPosition);
    CSize szIcon = !pBar ? CSize(16, 16)
                         : nStyle == xtpButtonIconAndCaptionBelow ? pBar->GetLargeIconSize()
                                                                  : pBar->GetIconSize();
    CSize szButton = pBar ? pBar->GetButtonSize() : CSize(22, 22);
    CRect rc = bDraw ? pControl->GetRect() : CRect(0, 0, 0, 0);

    CXTPFontDC font(pDC, GetControlFont(pBar, pControl->IsDefaultItem()));

    CXTPImageManagerIcon* pImage = nullptr;
    if ((nStyle == xtpButtonAutomatic && nType != xtpControlPopup) || nStyle == xtpButtonIcon
        || nStyle == xtpButtonIconAndCaption || nStyle == xtpButtonIconAndCaptionBelow)
        pImage = pControl->GetImage(szIcon.cx);
    // An image without width has nothing to draw or scale.
    if (pImage && pImage->GetWidth() <= 0)
        pImage = nullptr;

    BOOL bEnabled = pControl->GetEnabled();
    if (nType == xtpControlSplitButtonPopup && pControl->GetEnabledValue() == 4)
        bEnabled = FALSE;
    BOOL bCaption = pControl->IsCaptionVisible();
    if (bDraw)
        pDC->SetBkMode(TRANSPARENT);

    auto drawImage = [&](CPoint pt) {
        DrawControlImage(pDC, pt, CSize(szIcon.cx, ScaledImageHeight(pImage, szIcon.cx)), pImage,
                         pControl->GetSelected(), pControl->GetPressed(), bEnabled,
                         pControl->GetCheckedValue() == -1 ? pControl->GetChecked()
                                                           : pControl->GetCheckedValue(),
                         pControl->IsPopupOpen(), TRUE);
    };

    // Check boxes: the box, then the caption beside (or under) it.
    if (nType == xtpControlCheckBox)
    {
        CSize szBox = DrawCheckBoxMark(pDC, CRect(0, 0, 0, 0), FALSE, 0, 0, 0, bEnabled);
        if (!bDraw)
        {
            CSize szCaption = DrawControlCaptionLine(pDC, pControl, rc, FALSE, bVert, FALSE, FALSE);
            return bVert ? CSize(std::max(szCaption.cx, szBox.cx), szCaption.cy + szBox.cy + 5)
                         : CSize(szCaption.cx + szBox.cx + 5, std::max(szCaption.cy, szBox.cy));
        }
        pDC->SetTextColor(GetControlTextColor(FALSE, FALSE, bEnabled, FALSE, FALSE, nBarType,
                                              nBarPosition));
        CRect rcBox;
        CRect rcText(rc);
        if (bVert)
        {
            rcBox = CRect(CPoint(rc.CenterPoint().x - szBox.cx / 2, rc.top + 3), szBox);
            rcText.top += szBox.cy + 5;
        }
        else
        {
            rcBox = CRect(CPoint(rc.left + 3, rc.CenterPoint().y - szBox.cy / 2), szBox);
            rcText.left += szBox.cx + 5;
        }
        DrawCheckBoxMark(pDC, rcBox, TRUE, pControl->GetSelected(), pControl->GetPressed(),
                         pControl->GetChecked(), bEnabled);
        DrawControlCaptionLine(pDC, pControl, rcText, TRUE, bVert, FALSE, FALSE);
        if (pControl->GetSelected() == 2 || pControl->GetSelected() == 3)
        {
            COLORREF clrOldText = pDC->SetTextColor(ResolveColor(COLOR_BTNTEXT));
            COLORREF clrOldBack = pDC->SetBkColor(ResolveColor(COLOR_3DFACE));
            pDC->DrawFocusRect(&rc);
            pDC->SetTextColor(clrOldText);
            pDC->SetBkColor(clrOldBack);
        }
        return CSize(0, 0);
    }

    if (bDraw)
    {
        if (nType == xtpControlSplitButtonPopup)
            DrawSplitButtonFrame(pDC, pControl, rc);
        else if (!pControl->HasOwnFace())
            DrawControlFace(pDC, pControl);
        pDC->SetTextColor(GetTextColorForControl(pControl));
    }

    // Large buttons: the icon above a caption of two lines.
    if (nStyle == xtpButtonIconAndCaptionBelow)
    {
        BOOL bArrow = IsPopupType(nType);
        if (!bDraw)
        {
            CSize szCaption = DrawTwoLineCaption(pDC, pControl, rc, FALSE, bVert, bArrow);
            return bVert ? CSize(szIcon.cx + 34, std::max(szCaption.cy + 6, szIcon.cy + 10))
                         : CSize(std::max(szIcon.cx + 10, szCaption.cx + 6), szIcon.cy + 34);
        }
        if (pImage)
            drawImage(bVert ? CPoint(rc.left + 31, rc.CenterPoint().y - szIcon.cy / 2)
                            : CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top + 4));
        CRect rcText = bVert ? CRect(rc.left, rc.top, rc.left + 27, rc.bottom)
                             : CRect(rc.left, rc.top + szIcon.cy + 7, rc.right,
                                     rc.top + szIcon.cy + 34);
        DrawTwoLineCaption(pDC, pControl, rcText, TRUE, bVert, bArrow);
        return CSize(0, 0);
    }

    // Bars that show their captions below the icons.
    if (pBar && pBar->GetShowTextBelowIcons() && pImage)
    {
        font.SetFont(pControl->IsDefaultItem() ? &m_fontRegularBold : &m_fontRegular);
        BOOL bArrow = nType == xtpControlPopup;
        if (!bDraw)
        {
            CSize szCaption = DrawControlCaptionLine(pDC, pControl, rc, FALSE, FALSE, TRUE, bArrow);
            int cy = szButton.cy + szCaption.cy;
            int cx = std::max(szButton.cx, szCaption.cx + 10);
            if (nType == xtpControlSplitButtonPopup)
                cx += 11;
            return CSize(std::max(cx, cy), cy);
        }
        CRect rcButton(rc);
        if (nType == xtpControlSplitButtonPopup)
            rcButton.right -= m_nSplitButtonDropDownWidth;
        drawImage(CPoint(rcButton.CenterPoint().x - szIcon.cx / 2, rc.top + 4));
        CRect rcText(rcButton.left, rc.top + szButton.cy - 4, rcButton.right, rc.bottom);
        DrawControlCaptionLine(pDC, pControl, rcText, TRUE, FALSE, TRUE, bArrow);
        return CSize(0, 0);
    }

    // Every other control: the icon at the left (at the top on vertical bars).
    if (bDraw && pImage)
    {
        int cyImage = ScaledImageHeight(pImage, szIcon.cx);
        CPoint pt(rc.left + 3, rc.CenterPoint().y - cyImage / 2);
        if (bVert)
        {
            pt = CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top + 4);
            if (nType == xtpControlSplitButtonPopup || (nType == xtpControlPopup && !bCaption))
                pt.x = rc.left + 3;
        }
        drawImage(pt);
    }

    CSize szLineButton = pImage ? szButton : s_szImagelessButton;
    // The caption beside the icon, or alone at the start without one.
    auto captionLine = [&](CRect rcLine, BOOL bArrow) -> CSize {
        int nLead = pImage ? szLineButton.cx + 3 : 7;
        if (!bDraw)
        {
            CSize szCaption = DrawControlCaptionLine(pDC, pControl, rcLine, FALSE, bVert, FALSE,
                                                     bArrow);
            return bVert ? CSize(std::max(szLineButton.cx, szCaption.cx + 6), nLead + szCaption.cy)
                         : CSize(nLead + szCaption.cx, std::max(szLineButton.cy, szCaption.cy + 6));
        }
        if (bVert)
            rcLine.top += pImage ? szLineButton.cy : 4;
        else
            rcLine.left += pImage ? szLineButton.cx - 1 : 4;
        DrawControlCaptionLine(pDC, pControl, rcLine, TRUE, bVert, FALSE, bArrow);
        return CSize(0, 0);
    };

    BOOL bMenuBar = nBarType == xtpBarTypeMenuBar;
    switch (nType)
    {
    case xtpControlPopup:
        if (pImage && !bCaption)
        {
            if (bDraw)
            {
                int yMid = rc.CenterPoint().y;
                FillTriangle(pDC, CPoint(rc.right - 9, yMid - 1), CPoint(rc.right - 5, yMid - 1),
                             CPoint(rc.right - 7, yMid + 1), pDC->GetTextColor());
                return CSize(0, 0);
            }
            return CSize(szButton.cy + 7, szButton.cy);
        }
        if (!pImage)
        {
            // Menu-bar items are measured with room for the arrow but drawn without it.
            if (!bDraw)
            {
                CSize szCaption = DrawControlCaptionLine(pDC, pControl, rc, FALSE, bVert, TRUE,
                                                         TRUE);
                return CSize(szCaption.cx + 6, szCaption.cy + 6);
            }
            DrawControlCaptionLine(pDC, pControl, rc, TRUE, bVert, TRUE, !bMenuBar);
            return CSize(0, 0);
        }
        return captionLine(rc, !bMenuBar);

    case xtpControlSplitButtonPopup:
    {
        if (!bCaption)
        {
            CSize sz = pImage ? szButton : s_szImagelessButton;
            return bDraw ? CSize(0, 0) : CSize(sz.cx + m_nSplitButtonDropDownWidth, sz.cy);
        }
        CRect rcLine(rc);
        rcLine.right -= m_nSplitButtonDropDownWidth;
        CSize sz = captionLine(rcLine, FALSE);
        return bDraw ? sz : CSize(sz.cx + m_nSplitButtonDropDownWidth, sz.cy);
    }

    case xtpControlComboBox:
    case xtpControlEdit:
    case xtpControlCustom:
        return CSize(0, 0);

    case xtpControlButton:
    case xtpControlButtonPopup:
    case xtpControlLabel:
        if (bCaption)
            return captionLine(rc, FALSE);
        return bDraw ? CSize(0, 0) : szButton;

    default:
        return CSize(0, 0);
    }
}

// --- Edit and combo fields ---------------------------------------------------------------

CSize CXTPPaintManager::DrawEditControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (bDraw && pBar && pBar->GetType() == xtpBarTypePopup)
        return DrawControlPopupParent(pDC, pControl, TRUE);

    BOOL bCaption = pControl->IsCaptionVisible();
    int nStyle = pControl->GetStyle();
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    CXTPImageManagerIcon* pImage = nullptr;
    if (nStyle == xtpButtonIcon || nStyle == xtpButtonIconAndCaption)
        pImage = pControl->GetImage(szIcon.cx);
    if (pImage && pImage->GetWidth() <= 0)
        pImage = nullptr;
    CString strMarked, strPlain;
    GetCaptions(pControl, strMarked, strPlain);

    if (!bDraw)
    {
        int cy = MeasureInFont(pDC, &m_fontIcon, " ").cy + 8;
        int cxCaption = 0;
        if (bCaption)
        {
            CSize szCaption = MeasureInFont(pDC, &m_fontRegular, strPlain);
            cy = std::max(cy, static_cast<int>(szCaption.cy) + 8);
            cxCaption = szCaption.cx;
        }
        int nLabelWidth;
        CSize size;
        if (pBar && pBar->GetType() == xtpBarTypePopup)
        {
            int nGutter = GetPopupGutterWidth(pBar);
            nLabelWidth = nGutter + m_nPopupBarTextPadding
                          + MeasureInFont(pDC, &m_fontRegular, strPlain).cx + 5;
            size = CSize(nGutter + pControl->GetWidth(), cy);
        }
        else
        {
            nLabelWidth = (pImage ? szIcon.cx + 4 : 0) + (bCaption ? cxCaption + 5 : 0);
            if (pImage && pBar)
                cy = std::max(cy, static_cast<int>(pBar->GetButtonSize().cy));
            size = CSize(pControl->GetWidth(), cy);
        }
        if (nLabelWidth != pControl->GetLabelWidth())
        {
            pControl->SetLabelWidth(nLabelWidth);
            pControl->DelayLayoutParent();
        }
        return size;
    }

    // Toolbars: the icon, then the label in front of the field.
    CRect rc = pControl->GetRect();
    CXTPFontDC font(pDC, m_fontIcon.GetSafeHandle() ? &m_fontIcon : nullptr);
    if (!m_fontIcon.GetSafeHandle())
        font.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    pDC->SetBkMode(TRANSPARENT);
    int x = rc.left;
    if (pImage)
    {
        int cyImage = ScaledImageHeight(pImage, szIcon.cx);
        DrawControlImage(pDC, CPoint(rc.left + 3, rc.CenterPoint().y - cyImage / 2),
                         CSize(szIcon.cx, cyImage), pImage, FALSE, FALSE,
                         pControl->GetEnabled(), FALSE, FALSE, TRUE);
        x += szIcon.cx + 4;
    }
    if (bCaption)
    {
        pDC->SetTextColor(GetControlTextColor(FALSE, FALSE, pControl->GetEnabled(), FALSE, FALSE,
                                              pBar ? pBar->GetType() : xtpBarTypeNormal,
                                              pBar ? pBar->GetPosition() : xtpBarTop));
        CRect rcText(x + 3, rc.top, rc.left + pControl->GetLabelWidth(), rc.bottom);
        DrawCaptionText(pDC, pControl, rcText, strMarked, strPlain, FALSE, FALSE);
    }
    return CSize(0, 0);
}

CSize CXTPPaintManager::DrawComboBoxControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    return CXTPPaintManager::DrawEditControl(pDC, pControl, bDraw);
}

// --- Glyph buttons ---------------------------------------------------------------------

CSize CXTPPaintManager::DrawControlGlyph(CDC* pDC, int nKind, CXTPControl* pControl,
                                         CXTPCommandBar* pBar, BOOL bDraw, LPARAM lParam)
{
    CRect rc = pControl->GetRect();
    BOOL bVertBar = pBar && IsVerticalLayoutPosition(pBar->GetPosition());
    switch (nKind)
    {
    case xtpGlyphExpand:
    {
        if (!bDraw)
        {
            int cx = static_cast<short>(LOWORD(lParam));
            int cy = static_cast<short>(HIWORD(lParam));
            pControl->SetRect(bVertBar ? CRect(2, cy - 13, cx - 2, cy - 2)
                                       : CRect(cx - 13, 2, cx - 2, cy - 2));
            return CSize(0, 0);
        }
        DrawControlFace(pDC, pControl);
        COLORREF clr = GetTextColorForControl(pControl);
        CXTPPenDC pen(*pDC, clr);
        BOOL bHidden = lParam != 0;
        if (bVertBar)
        {
            FillTriangle(pDC, CPoint(rc.left + 6, rc.top + 3), CPoint(rc.left + 6, rc.top + 7),
                         CPoint(rc.left + 4, rc.top + 5), clr);
            if (bHidden)
                for (int r : {2, 3, 6, 7})
                {
                    const POINT pts[] = {{rc.right - 8, rc.top + r},
                                         {rc.right - 6, rc.top + r + 2},
                                         {rc.right - 3, rc.top + r - 1}};
                    pDC->Polyline(pts, 3);
                }
        }
        else
        {
            int m = rc.CenterPoint().x;
            FillTriangle(pDC, CPoint(m - 2, rc.bottom - 7), CPoint(m + 2, rc.bottom - 7),
                         CPoint(m, rc.bottom - 5), clr);
            if (bHidden)
                for (int c : {2, 3, 6, 7})
                {
                    const POINT pts[] = {{rc.left + c, rc.top + 4},
                                         {rc.left + c + 2, rc.top + 6},
                                         {rc.left + c - 1, rc.top + 9}};
                    pDC->Polyline(pts, 3);
                }
        }
        return CSize(0, 0);
    }
    case xtpGlyphExpandChevron:
        if (bDraw)
        {
            DrawControlFace(pDC, pControl);
            CXTPPenDC pen(*pDC, RGB(0, 0, 0));
            int d = rc.CenterPoint().x;
            for (int r : {2, 3, 6, 7})
            {
                const POINT pts[] = {{d - 2, rc.top + r}, {d, rc.top + r + 2}, {d + 3, rc.top + r - 1}};
                pDC->Polyline(pts, 3);
            }
        }
        return CSize(0, 12);

    case xtpGlyphClose:
    {
        if (!bDraw)
            return CSize(0, 0);
        // Made and deleted per call; selected only while the glyph is drawn.
        CFont fontMarlett;
        CClientDC dcScreen(nullptr);
        int nLogPixels = dcScreen.GetDeviceCaps(LOGPIXELSX);
        fontMarlett.CreatePointFont(nLogPixels > 0 ? 80 * 96 / nLogPixels : 80, "Marlett");
        DrawControlFace(pDC, pControl);
        CXTPFontDC font(pDC, &fontMarlett);
        BOOL bActive = pControl->GetPressed() || pControl->GetSelected();
        pDC->SetTextColor(bActive ? GetTextColorForControl(pControl)
                                  : m_clrFloatingGripperText.GetColor());
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText("r", 1, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return CSize(0, 0);
    }
    case xtpGlyphDropDown:
    {
        if (!bDraw)
            return CSize(0, 0);
        DrawControlFace(pDC, pControl);
        BOOL bActive = pControl->GetSelected() || pControl->IsPopupOpen();
        COLORREF clr = bActive ? GetTextColorForControl(pControl)
                               : m_clrFloatingGripperText.GetColor();
        CPoint pt = rc.CenterPoint();
        FillTriangle(pDC, CPoint(pt.x - 3, pt.y - 2), CPoint(pt.x + 3, pt.y - 2),
                     CPoint(pt.x, pt.y + 1), clr);
        return CSize(0, 0);
    }
    default:
        return CSize(0, 0);
    }
}
