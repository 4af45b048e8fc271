// A popup bar's layout and drawing: the menu's columns of controls, the
// personalised menu with its expand button, the scrolled menu with its two
// arrow buttons, the tear-off gripper, and the popup toolbar's rows.
#include "toolkit/commandbars/PopupBar.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>
#include <vector>

namespace {

// Height of each arrow button of a scrolled menu.
const int kScrollButtonHeight = 16;
// An empty menu is this high, and at least this wide.
const int kEmptyMenuHeight = 22;
const int kEmptyMenuWidth = 24;
// The popup toolbar's layout: committed, horizontal, as a popup.
const DWORD kPopupToolBarLayoutMode = 0x142;
// Colour-table index of the scroll arrows.
const int kScrollArrowColor = 18;

// A device context for measuring: the window's, else the screen's.
class CMeasureDC
{
public:
    explicit CMeasureDC(CWnd* pWnd)
        : m_hWnd(pWnd->GetSafeHwnd()), m_hDC(::GetDC(m_hWnd))
    {
        m_dc.Attach(m_hDC);
    }
    ~CMeasureDC()
    {
        m_dc.Detach();
        ::ReleaseDC(m_hWnd, m_hDC);
    }
    CMeasureDC(const CMeasureDC&) = delete;
    CMeasureDC& operator=(const CMeasureDC&) = delete;
    CDC* operator&() { return &m_dc; }

private:
    HWND m_hWnd;
    HDC m_hDC;
    CDC m_dc;
};

// Sets the in-layout flag for the length of a layout pass.
class CLayoutPass
{
public:
    explicit CLayoutPass(BOOL& bInLayout) : m_bInLayout(bInLayout) { m_bInLayout = TRUE; }
    ~CLayoutPass() { m_bInLayout = FALSE; }
    CLayoutPass(const CLayoutPass&) = delete;
    CLayoutPass& operator=(const CLayoutPass&) = delete;

private:
    BOOL& m_bInLayout;
};

BOOL IsExpandButton(const CXTPControl* pControl)
{
    return pControl->GetID() == static_cast<int>(XTP_ID_POPUPBAR_EXPAND) && pControl->IsTemporary()
           && pControl->IsKindOf(RUNTIME_CLASS(CXTPControlButton));
}

} // namespace

// --- The expand button -------------------------------------------------------------------------

CXTPPopupBar::CControlExpandButton::CControlExpandButton()
{
    m_dwFlags = 0x5A;
}

CSize CXTPPopupBar::CControlExpandButton::GetSize(CDC* pDC)
{
    return CSize(0, GetPaintManager()->DrawControlGlyph(pDC, xtpGlyphExpandChevron, this, m_pParent,
                                                        FALSE, 0).cy);
}

void CXTPPopupBar::CControlExpandButton::Draw(CDC* pDC)
{
    GetPaintManager()->DrawControlGlyph(pDC, xtpGlyphExpandChevron, this, m_pParent, TRUE, 0);
}

void CXTPPopupBar::CControlExpandButton::OnExecute()
{
    if (CXTPPopupBar* pBar = XTPPopupBarOf(m_pParent))
        pBar->ExpandToFullMenu();
}

// --- Personalised menus --------------------------------------------------------------------

void CXTPPopupBar::PersonalizeControls()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    if (pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus)
    {
        for (int i = 0; i < GetControlCount(); ++i)
            GetControl(i)->SetKeptVisible(FALSE);
        m_bShowFull = TRUE;
        m_bCollapsed = FALSE;
        return;
    }
    m_bCollapsed = FALSE;
    std::vector<BOOL> candidates(static_cast<size_t>(GetControlCount()), FALSE);
    BOOL bSomethingVisible = FALSE;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        const BOOL bHidden = pCommandBars->IsControlHidden(pControl);
        const DWORD dwOtherHide = pControl->GetHideFlags() & ~(xtpHideScroll | xtpHideExpand);
        if (bHidden && dwOtherHide == 0)
            candidates[static_cast<size_t>(i)] = TRUE;
        else if (!IsExpandButton(pControl) && pControl->IsVisibleExcept(xtpHideScroll | xtpHideExpand))
            bSomethingVisible = TRUE;
    }
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        DWORD dwFlags = pControl->GetHideFlags() & ~xtpHideExpand;
        if (!m_bShowFull && bSomethingVisible && candidates[static_cast<size_t>(i)])
        {
            dwFlags |= xtpHideExpand;
            m_bCollapsed = TRUE;
        }
        pControl->SetHideFlags(dwFlags);
    }
}

// --- Size ------------------------------------------------------------------------------------

CSize CXTPPopupBar::CalcDynamicLayout(int /*nLength*/, DWORD /*dwMode*/)
{
    CLayoutPass pass(m_bDynamicLayout);
    CMeasureDC dc(this);
    CXTPFontDC font(&dc, GetPaintManager()->GetControlFont(this, FALSE));
    return m_barType == xtpBarTypePopup ? CalcMenuLayout(&dc) : CalcPopupToolBarLayout(&dc);
}

CSize CXTPPopupBar::CalcPopupToolBarLayout(CDC* pDC)
{
    CRect rcBorders = m_rcBorders;
    const int nGripper = m_bTearOffPopup
        ? GetPaintManager()->DrawTearOffGripper(pDC, CRect(0, 0, 0, 0), FALSE, FALSE).cy
        : 0;
    rcBorders.top += nGripper;
    UpdateShortcuts();
    CSize size = m_pControls->CalcDynamicSize(pDC, m_nMRUWidth, kPopupToolBarLayoutMode,
                                              rcBorders);
    m_rcTearOffGripper = CRect(rcBorders.left, rcBorders.top - nGripper, size.cx - rcBorders.right,
                               rcBorders.top);
    return size;
}

CSize CXTPPopupBar::CalcMenuLayout(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CRect rcBorders = pPaintManager->GetCommandBarBorders(this);
    const CSize szSeparator = pPaintManager->DrawCommandBarSeparator(pDC, this, nullptr, FALSE);
    const int nGripper = m_bTearOffPopup
        ? pPaintManager->DrawTearOffGripper(pDC, CRect(0, 0, 0, 0), FALSE, FALSE).cy
        : 0;
    rcBorders.top += nGripper;

    // Placeholders insert their items after themselves: from the end.
    for (int i = GetControlCount() - 1; i >= 0; --i)
        GetControl(i)->OnCalcDynamicSize(0);

    PersonalizeControls();
    CXTPControl* pExpand = nullptr;
    for (int i = 0; i < GetControlCount() && !pExpand; ++i)
        if (IsExpandButton(GetControl(i)))
            pExpand = GetControl(i);
    int nExpandHeight = 0;
    if (m_bCollapsed && !pExpand)
    {
        pExpand = m_pControls->Add(new CControlExpandButton, XTP_ID_POPUPBAR_EXPAND, nullptr, -1,
                                   TRUE);
        m_nSelected = -1;
        m_nPopuped = -1;
    }
    if (pExpand)
    {
        pExpand->SetHideFlags(xtpHideGeneric);
        if (m_bCollapsed)
            nExpandHeight = pPaintManager->DrawControlGlyph(pDC, xtpGlyphExpandChevron, pExpand,
                                                            this, FALSE, 0).cy;
    }
    rcBorders.bottom += nExpandHeight;

    UpdateShortcuts();
    m_bMultiLine = FALSE;

    RECT rcWork = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    const int nMaxWidth = rcWork.right / 3;
    int x = rcBorders.left;
    int y = rcBorders.top;
    int nColumnWidth = 0;
    int nHeight = 0;
    BOOL bFirst = TRUE;
    std::vector<CXTPControl*> column;
    auto closeColumn = [&]() {
        for (CXTPControl* pControl : column)
        {
            CRect rc = pControl->GetRect();
            rc.right = rc.left + nColumnWidth;
            pControl->SetRect(rc);
        }
        column.clear();
    };
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        pControl->SetHideFlags(pControl->GetHideFlags() & ~xtpHideScroll);
        if (!pControl->IsVisible())
            continue;
        CXTPFontDC controlFont(pDC, pPaintManager->GetControlFont(this, pControl->IsDefaultItem()));
        CSize size = pControl->GetSize(pDC);
        size.cx = std::min(static_cast<int>(size.cx), nMaxWidth);
        if ((pControl->GetFlags() & xtpFlagWrapRow) && !bFirst)
        {
            closeColumn();
            x += nColumnWidth + (pControl->GetBeginGroup() ? szSeparator.cx : 0);
            y = rcBorders.top;
            nColumnWidth = 0;
            m_bMultiLine = TRUE;
        }
        else if (pControl->GetBeginGroup() && !bFirst)
            y += szSeparator.cy;
        bFirst = FALSE;
        pControl->SetRect(CRect(x, y, x + size.cx, y + size.cy));
        column.push_back(pControl);
        y += size.cy;
        nColumnWidth = std::max(nColumnWidth, static_cast<int>(size.cx));
        nHeight = std::max(nHeight, y - static_cast<int>(rcBorders.top));
    }
    closeColumn();
    int nWidth = x + nColumnWidth - rcBorders.left;
    if (bFirst)
    {
        nHeight = kEmptyMenuHeight;
        nWidth = std::max(nWidth, kEmptyMenuWidth);
    }
    if (pExpand && m_bCollapsed)
    {
        pExpand->SetHideFlags(0);
        pExpand->SetRect(CRect(rcBorders.left, rcBorders.top + nHeight, rcBorders.left + nWidth,
                               rcBorders.top + nHeight + nExpandHeight));
    }
    m_rcTearOffGripper = CRect(rcBorders.left, rcBorders.top - nGripper, rcBorders.left + nWidth,
                               rcBorders.top);
    return CSize(nWidth + rcBorders.left + rcBorders.right,
                 nHeight + rcBorders.top + rcBorders.bottom);
}

// --- Scrolled menus --------------------------------------------------------------------------

void CXTPPopupBar::LayoutScrolled(CSize size, BOOL bFromBottom, BOOL bRedraw)
{
    if (size.cx == 0 && size.cy == 0 && m_hWnd)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        size = rcClient.Size();
    }
    m_scrollDown.rc.SetRectEmpty();
    m_scrollUp.rc.SetRectEmpty();

    CMeasureDC dc(this);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CRect rcBorders = pPaintManager->GetCommandBarBorders(this);
    const CSize szSeparator = pPaintManager->DrawCommandBarSeparator(&dc, this, nullptr, FALSE);
    const int nGripper = m_bTearOffPopup
        ? pPaintManager->DrawTearOffGripper(&dc, CRect(0, 0, 0, 0), FALSE, FALSE).cy
        : 0;
    rcBorders.top += nGripper;
    CXTPControl* pExpand = nullptr;
    for (int i = 0; i < GetControlCount() && !pExpand; ++i)
        if (IsExpandButton(GetControl(i)))
            pExpand = GetControl(i);
    const int nExpandHeight = pExpand && m_bCollapsed ? pExpand->GetRect().Height() : 0;
    rcBorders.bottom += nExpandHeight;

    const int nCount = GetControlCount();
    const int nLeft = rcBorders.left;
    const int nRight = size.cx - rcBorders.right;
    const int nTop = rcBorders.top;
    const int nBottom = size.cy - rcBorders.bottom;
    auto isListed = [&](CXTPControl* pControl) {
        return pControl != pExpand && pControl->IsVisibleExcept(xtpHideScroll);
    };

    if (!bFromBottom)
    {
        if (m_nFirstVisible == 1)
            m_nFirstVisible = 0;
        int y = nTop;
        if (m_nFirstVisible > 0)
        {
            m_scrollUp.rc = CRect(nLeft, nTop, nRight, nTop + kScrollButtonHeight);
            y += kScrollButtonHeight;
        }
        m_nLastVisible = nCount;
        BOOL bFirst = TRUE;
        for (int i = 0; i < nCount; ++i)
        {
            CXTPControl* pControl = GetControl(i);
            if (!isListed(pControl))
                continue;
            DWORD dwFlags = pControl->GetHideFlags() & ~xtpHideScroll;
            const int cy = pControl->GetRect().Height();
            const int nGap = pControl->GetBeginGroup() && !bFirst ? szSeparator.cy : 0;
            if (i < m_nFirstVisible || m_nLastVisible != nCount
                || y + nGap + cy > nBottom - kScrollButtonHeight)
            {
                if (i >= m_nFirstVisible && m_nLastVisible == nCount)
                    m_nLastVisible = i;
                pControl->SetHideFlags(dwFlags | xtpHideScroll);
                continue;
            }
            pControl->SetHideFlags(dwFlags);
            y += nGap;
            pControl->SetRect(CRect(nLeft, y, nRight, y + cy));
            y += cy;
            bFirst = FALSE;
        }
        if (m_nLastVisible < nCount)
            m_scrollDown.rc = CRect(nLeft, nBottom - kScrollButtonHeight, nRight, nBottom);
    }
    else
    {
        if (m_nLastVisible == nCount - 1)
            m_nLastVisible = nCount;
        int y = nBottom;
        if (m_nLastVisible < nCount)
        {
            m_scrollDown.rc = CRect(nLeft, nBottom - kScrollButtonHeight, nRight, nBottom);
            y -= kScrollButtonHeight;
        }
        m_nFirstVisible = 0;
        BOOL bStopped = FALSE;
        for (int i = nCount - 1; i >= 0; --i)
        {
            CXTPControl* pControl = GetControl(i);
            if (!isListed(pControl))
                continue;
            DWORD dwFlags = pControl->GetHideFlags() & ~xtpHideScroll;
            const int cy = pControl->GetRect().Height();
            if (i >= m_nLastVisible || bStopped || y - cy < nTop + kScrollButtonHeight)
            {
                if (i < m_nLastVisible && !bStopped)
                {
                    bStopped = TRUE;
                    m_nFirstVisible = i + 1;
                }
                pControl->SetHideFlags(dwFlags | xtpHideScroll);
                continue;
            }
            pControl->SetHideFlags(dwFlags);
            pControl->SetRect(CRect(nLeft, y - cy, nRight, y));
            y -= cy;
            if (pControl->GetBeginGroup())
                y -= szSeparator.cy;
        }
        if (bStopped)
            m_scrollUp.rc = CRect(nLeft, nTop, nRight, nTop + kScrollButtonHeight);
    }
    if (pExpand && m_bCollapsed)
        pExpand->SetRect(CRect(nLeft, nBottom, nRight, nBottom + nExpandHeight));
    m_rcTearOffGripper = CRect(nLeft, nTop - nGripper, nRight, nTop);
    if (bRedraw)
        Redraw();
}

// --- Drawing ---------------------------------------------------------------------------------

void CXTPPopupBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CXTPCommandBar::DrawCommandBar(pDC, rcClipBox);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (m_bScrolling)
    {
        const COLORREF clr = pPaintManager->GetXtremeColor(kScrollArrowColor);
        for (const CScrollButton* pButton : {&m_scrollDown, &m_scrollUp})
        {
            if (pButton->rc.IsRectEmpty())
                continue;
            const CPoint pt = pButton->rc.CenterPoint();
            if (pButton == &m_scrollDown)
                FillTriangle(pDC, CPoint(pt.x - 3, pt.y - 1), CPoint(pt.x + 3, pt.y - 1),
                             CPoint(pt.x, pt.y + 2), clr);
            else
                FillTriangle(pDC, CPoint(pt.x - 3, pt.y + 1), CPoint(pt.x + 3, pt.y + 1),
                             CPoint(pt.x, pt.y - 2), clr);
        }
    }
    if (m_bTearOffPopup && GetControlCount() > 0)
        pPaintManager->DrawTearOffGripper(pDC, m_rcTearOffGripper, m_bTearOffSelected, TRUE);
}

// --- Shortcuts -------------------------------------------------------------------------------

void CXTPPopupBar::UpdateShortcuts()
{
    // The command bars hold no shortcut manager of their own: the shortcut
    // texts stay as the menu resource and the actions give them.
}
