// The ribbon's mouse and keys: clicks and double clicks on the tab row, the
// quick access menu on the right button, group hot tracking, Alt and the
// tabs' access keys, the wheel while tracking, and the groups scroll loop.
#include "toolkit/extras/RibbonBar.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/TrackingLoop.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonGroupPopup.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/res/ToolkitRes.h"

BEGIN_MESSAGE_MAP(CXTPRibbonBar, CXTPMenuBar)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_SHOWWINDOW()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_XTP_COMMAND, OnControlExecuted)
    ON_COMMAND(XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW, OnQuickAccessBelow)
    ON_COMMAND(XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE, OnQuickAccessAbove)
END_MESSAGE_MAP()

namespace {

// The upper-case form of a character of the program's code page.
UINT UpperOf(UINT nChar)
{
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(
               ::CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(nChar & 0xFF)))))
           & 0xFF;
}

} // namespace

// --- Window ----------------------------------------------------------------------------

int CXTPRibbonBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTPCommandBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Made by name like a toolbar, the ribbon loads no menu: without the
    // frame's hooks Alt would reach the frame and start its system menu.
    RegisterFrameHooks();
    return 0;
}

// --- Mouse ---------------------------------------------------------------------------------

void CXTPRibbonBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (OnCaptionButtonDown(point))
        return;
    if (!IsCustomizeMode())
    {
        m_bMinimizedClick = GetSelectedTab() == nullptr;
        if (m_rcTabs.PtInRect(point))
            if (CXTPCommandBars* pCommandBars = GetCommandBars())
                pCommandBars->CloseAllPopups();
    }
    CXTPCommandBar::OnLButtonDown(nFlags, point);
}

void CXTPRibbonBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (OnCaptionDoubleClick(point))
        return;
    if (!IsCustomizeMode() && m_rcTabs.PtInRect(point))
    {
        // The selected tab double-clicked minimises the ribbon, unless the
        // click that began the double click found it minimised already.
        CXTPTabManagerItem* pItem = m_pControlTab->HitTest(point);
        if (pItem && pItem == m_pControlTab->GetSelectedItem() && !m_bMinimizedClick)
            SelectTab(static_cast<CXTPRibbonTab*>(nullptr));
        else if (pItem)
            m_pControlTab->PerformClick(this, point);
        return;
    }
    CXTPCommandBar::OnLButtonDblClk(nFlags, point);
}

void CXTPRibbonBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
    {
        CXTPCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    SetTrackingMode(0);
    SetSelected(-1);
    CXTPControl* pTarget = nullptr;
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl && pControl != m_pControlTab)
        pTarget = pControl;
    else if (CXTPRibbonGroup* pGroup = HitTestGroup(point))
    {
        const int nCaption = GetRibbonTheme()->GetGroupCaptionHeight();
        if (point.y >= pGroup->GetRect().bottom - nCaption)
            pTarget = pGroup->GetControlGroupPopup();
    }
    if (!pTarget)
        return;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    ShowQuickAccessMenu(pTarget, ptScreen);
}

void CXTPRibbonBar::SetHighlightedGroup(CXTPRibbonGroup* pGroup)
{
    if (pGroup == m_pHighlightedGroup)
        return;
    CXTPRibbonGroup* pOld = m_pHighlightedGroup;
    m_pHighlightedGroup = pGroup;
    if (!m_hWnd)
        return;
    if (pOld)
    {
        CRect rc = pOld->GetRect();
        Redraw(&rc);
    }
    if (pGroup)
    {
        CRect rc = pGroup->GetRect();
        Redraw(&rc);
    }
}

void CXTPRibbonBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CXTPCommandBar::OnMouseMove(nFlags, point);
    if (!m_hWnd)
        return;
    const BOOL bTrack = m_nPopuped == -1 && !m_nTrackingMode && !IsCustomizeMode();
    if (bTrack && GetRibbonTheme()->IsGroupHighlighting())
    {
        CXTPRibbonGroup* pGroup = HitTestGroup(point);
        if (pGroup != m_pHighlightedGroup)
        {
            SetHighlightedGroup(pGroup);
            XTPMouseManager()->TrackMouseLeave(m_hWnd);
        }
    }
    if (bTrack)
        m_pControlTab->PerformMouseMove(this, point);
}

LRESULT CXTPRibbonBar::OnMouseLeave(WPARAM wParam, LPARAM lParam)
{
    SetHighlightedGroup(nullptr);
    m_pControlTab->PerformMouseMove(this, CPoint(-1, -1));
    return CXTPCommandBar::OnMouseLeave(wParam, lParam);
}

void CXTPRibbonBar::OnSysColorChange()
{
    GetPaintManager()->RefreshMetrics();
    if (m_pOwnTheme)
        m_pOwnTheme->RefreshMetrics();
    m_pControlTab->Reposition();
}

// --- Keys ----------------------------------------------------------------------------------

void CXTPRibbonBar::StepSelectedTab(BOOL bForward)
{
    m_pControlTab->StepSelection(bForward ? VK_RIGHT : VK_LEFT);
}

BOOL CXTPRibbonBar::SelectTabByAccessKey(UINT nChar)
{
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CXTPRibbonTab* pTab = GetTab(i);
        if (!pTab->IsVisible() || !pTab->IsEnabled())
            continue;
        BOOL bFallback = FALSE;
        const UINT nKey = XTPAccessLetterOf(pTab->GetCaption(), bFallback);
        if (bFallback || !nKey || UpperOf(nKey) != UpperOf(nChar))
            continue;
        SelectTab(pTab);
        CXTPMenuBar::SetTrackingMode(1, FALSE, TRUE);
        SetSelected(m_pControlTab->GetIndex(), 2);
        return TRUE;
    }
    return FALSE;
}

BOOL CXTPRibbonBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (nMode && bKeyboard && GetTabCount() > 0 && !m_nTrackingMode)
    {
        // The keyboard enters the ribbon on its tab row.
        const BOOL bResult = CXTPMenuBar::SetTrackingMode(nMode, FALSE, bKeyboard);
        if (bSelectFirst)
            SetSelected(m_pControlTab->GetIndex(), 2);
        return bResult;
    }
    if (!nMode)
        SetHighlightedGroup(nullptr);
    return CXTPMenuBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard);
}

BOOL CXTPRibbonBar::PreviewKey(UINT nChar)
{
    if (nChar == VK_MENU)
    {
        if (GetTabCount() == 0 || !m_hWnd)
            return FALSE;
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (pCommandBars)
        {
            pCommandBars->CloseAllPopups();
            pCommandBars->ShowAccessKeyUnderlines(TRUE);
        }
        SetTrackingMode(1, TRUE, TRUE);
        return TRUE;
    }
    return SelectTabByAccessKey(nChar);
}

int CXTPRibbonBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    // A tab's access letter while the ribbon tracks.
    if (m_nTrackingMode == 1 && nChar != VK_MENU && !(::GetKeyState(VK_CONTROL) & 0x8000)
        && m_pControlTab->IsFocused() && SelectTabByAccessKey(nChar))
        return hookHandled;
    return CXTPMenuBar::OnHookKeyDown(nChar, lParam);
}

int CXTPRibbonBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                 LRESULT& lResult)
{
    // The wheel while tracking comes from the frame's window or, with the
    // keyboard hook installed, from the keyboard manager (no window); a
    // selected control that scrolls itself keeps it.
    if (nMessage == WM_MOUSEWHEEL && m_nTrackingMode && m_hWnd && m_nPopuped == -1)
    {
        if (!hWnd && CXTPMenuBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult) == hookHandled)
            return hookHandled;
        const short nDelta = static_cast<short>(HIWORD(wParam));
        StepSelectedTab(nDelta <= 0);
        lResult = 0;
        return hookHandled;
    }
    if (hWnd && m_nTrackingMode && m_hWnd)
    {
        if (nMessage == WM_CONTEXTMENU)
        {
            // From the keyboard: the menu of the selected control; from the
            // mouse: nothing.
            if (lParam == static_cast<LPARAM>(-1))
                if (CXTPControl* pSelected = GetControl(m_nSelected))
                {
                    CRect rc = pSelected->GetRect();
                    ClientToScreen(&rc);
                    ShowQuickAccessMenu(pSelected, rc.TopLeft());
                }
            lResult = 0;
            return hookHandled;
        }
    }
    return CXTPMenuBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

INT_PTR CXTPRibbonBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    if (m_rcTabs.PtInRect(point))
    {
        const INT_PTR nHit = m_pControlTab->PerformToolHitTest(const_cast<CXTPRibbonBar*>(this), point, pTI);
        if (nHit != -1)
            return nHit;
    }
    return CXTPMenuBar::OnToolHitTest(point, pTI);
}

// --- Groups scrolling ----------------------------------------------------------------------

void CXTPRibbonBar::TrackGroupsScroll(CControlGroupsScroll* pButton)
{
    if (!m_hWnd || !pButton)
        return;
    const int nStep = pButton->GetDirection() == 1 ? -40 : 40;
    ScrollGroups(nStep);
    const UINT nDoubleClick = ::GetDoubleClickTime();
    SetTimer(XTP_TID_RIBBONSCROLL, nDoubleClick * 4 / 5, nullptr);
    pButton->SetPressed(TRUE);
    ::SetCapture(m_hWnd);
    BOOL bFirstTick = TRUE;
    RunTrackingLoop(m_hWnd, [&](MSG& msg) -> XTPTrackAnswer {
        if (!pButton->IsVisible())
            return xtpTrackEnd;
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            return xtpTrackEnd;
        case WM_TIMER:
            if (msg.hwnd != m_hWnd || msg.wParam != XTP_TID_RIBBONSCROLL)
                return xtpTrackDispatch;
            if (bFirstTick)
            {
                bFirstTick = FALSE;
                SetTimer(XTP_TID_RIBBONSCROLL, nDoubleClick / 10, nullptr);
            }
            ScrollGroups(nStep);
            return xtpTrackHandled;
        default:
            return xtpTrackDispatch;
        }
    });
    KillTimer(XTP_TID_RIBBONSCROLL);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    pButton->SetPressed(FALSE);
    Redraw();
}

CXTPRibbonBar::CControlGroupsScroll::CControlGroupsScroll(int nDirection) : m_nDirection(nDirection)
{
    m_dwFlags = xtpFlagSkipFocus | xtpFlagNoMovable;
    m_dwHideFlags = xtpHideScroll;
}

void CXTPRibbonBar::CControlGroupsScroll::Draw(CDC* pDC)
{
    if (m_pParent && m_pParent->IsRibbonBar())
        static_cast<CXTPRibbonBar*>(m_pParent)->GetRibbonTheme()->DrawGroupsScrollButton(pDC, this,
                                                                                       m_nDirection == 1);
}

void CXTPRibbonBar::CControlGroupsScroll::OnClick(BOOL bKeyboard, CPoint /*pt*/)
{
    if (!bKeyboard && m_pParent && m_pParent->IsRibbonBar())
        static_cast<CXTPRibbonBar*>(m_pParent)->TrackGroupsScroll(this);
}
