// The window messages every bar handles: painting through the redraw
// animation's buffer, hot tracking by the mouse, the buttons handed to the
// control under the pointer, the hover and expand timers, help mode, and
// the relay of every message to the tooltip context.
#include "toolkit/commandbars/CommandBar.h"

#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/Animation.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/CustomizeDragSource.h"
#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/extras/ToolTipContext.h"

BEGIN_MESSAGE_MAP(CXTPCommandBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINT, OnPrint)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrint)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
    ON_WM_MOUSEMOVE()
    ON_WM_NCMOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_WM_TIMER()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

BOOL CXTPCommandBar::CreateBarWindow(LPCSTR lpszClassName, UINT nClassStyle, DWORD dwExStyle,
                                     DWORD dwStyle, const CRect& rect, CWnd* pParent, UINT nID)
{
    if (!RegisterBarWindowClass(nullptr, lpszClassName, nClassStyle))
        return FALSE;
    return CreateEx(dwExStyle, lpszClassName, m_strTitle, dwStyle, rect, pParent, nID);
}

LRESULT CXTPCommandBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pToolTipContext)
        m_pToolTipContext->RelayWindowMessage(this, message, wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

int CXTPCommandBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars)
    {
        if (m_barPosition != xtpBarListBox)
            pCommandBars->GetDragSource()->AddDropTarget(this);
        CXTPToolTipContext* pContext = pCommandBars->GetToolTipContext();
        pContext->InternalAddRef();
        if (m_pToolTipContext)
            m_pToolTipContext->InternalRelease();
        m_pToolTipContext = pContext;
    }
    else if (m_barType != xtpBarTypePopup)
    {
        EnableToolTips(TRUE);
    }
    return 0;
}

void CXTPCommandBar::OnDestroy()
{
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->GetDragSource()->RemoveDropTarget(this);
    if (m_nTrackingMode)
        SetTrackingMode(0);
    KillTimer(XTP_TID_HOVER);
    KillTimer(XTP_TID_EXPANDED_POPUP);
    m_pAnimation->Reset();
    CWnd::OnDestroy();
}

void CXTPCommandBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rcPaint(dc.m_ps.rcPaint);
    m_pAnimation->OnPaint(&dc, rcPaint);
}

BOOL CXTPCommandBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

LRESULT CXTPCommandBar::OnPrint(WPARAM wParam, LPARAM /*lParam*/)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    DrawCommandBar(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), rcClient);
    return 1;
}

LRESULT CXTPCommandBar::OnInitialUpdate(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    OnIdleUpdateCmdUI(TRUE, 0);
    return 0;
}

LRESULT CXTPCommandBar::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam)
{
    OnIdleUpdateCmdUI(wParam, lParam);
    return 0;
}

// --- Mouse ---------------------------------------------------------------------------------

void CXTPCommandBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CXTPMouseManager* pMouse = XTPMouseManager();
    if (!m_hWnd || pMouse->IsTrackingBlocked(this) || m_nLockCount > 0)
        return;
    if (!m_nTrackingMode && m_barType != xtpBarTypePopup && !IsTopLevelOwnerActive(m_hWnd))
        return;
    if (pMouse->GetLockCount() > 0 && !m_bIgnoreLock)
        return;
    if (IsCustomizeMode())
    {
        if (CXTPControl* pDrag = GetCommandBars()->GetDragControl())
            if (pDrag->GetParent() == this)
                pDrag->OnMouseMove(point);
        return;
    }
    if (m_nPopuped != -1 && !m_bOpenOnHover)
        return;

    int nSelected = -1;
    if (m_nTrackingMode
        && (m_barType != xtpBarTypePopup || m_nPopuped != -1 || m_nLastSelectionMethod != 0))
        nSelected = m_nSelected;
    if (CXTPControl* pControl = m_pControls->HitTest(point))
    {
        nSelected = pControl->GetIndex();
        pMouse->TrackMouseLeave(m_hWnd);
        pControl->OnMouseMove(point);
    }
    SetSelected(nSelected, 0);
}

void CXTPCommandBar::OnNcMouseMove(UINT /*nHitTest*/, CPoint /*point*/)
{
    OnMouseLeave(0, 0);
    Default();
}

LRESULT CXTPCommandBar::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (XTPMouseManager()->GetLockCount() > 0)
        return 0;
    // A tracking bar keeps the control whose popup is open, and a keyboard
    // selection survives the pointer leaving.
    if (m_nTrackingMode && (m_barType != xtpBarTypePopup || m_nPopuped != -1))
        return 0;
    if (m_nLastSelectionMethod != 0)
        return 0;
    SetSelected(-1, 0);
    return 0;
}

void CXTPCommandBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl)
    {
        Default();
        return;
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!IsCustomizeMode() && m_barType == xtpBarTypeNormal && (::GetKeyState(VK_MENU) & 0x8000)
        && pCommandBars && pCommandBars->IsCustomizable()
        && pCommandBars->GetCommandBarsOptions()->bAltDragCustomization
        && pControl->IsCustomizeMovable())
    {
        pCommandBars->SetCustomizeMode(TRUE);
        OpenControlPopup(-1);
        SetSelected(-1);
        pControl->OnCustomizeMouseDown(nFlags, point);
        pCommandBars->SetCustomizeMode(FALSE);
        pCommandBars->RecalcFrameLayout();
        pCommandBars->CloseAllPopups();
        return;
    }
    if (!IsCustomizeMode() || pControl->IsCustomizeMovable())
        pControl->OnClick(FALSE, point);
}

void CXTPCommandBar::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl)
    {
        Default();
        return;
    }
    if (!IsCustomizeMode())
        pControl->OnLButtonUp(point);
}

void CXTPCommandBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl && !IsCustomizeMode())
        pControl->OnLButtonDblClk(point);
    else
        Default();
}

void CXTPCommandBar::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!IsCustomizeMode() || !IsCustomizable())
    {
        Default();
        return;
    }
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl && pControl->IsCustomizeMovable())
    {
        OpenControlPopup(-1);
        SetSelected(-1);
        GetCommandBars()->SetDragControl(pControl);
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        GetCommandBars()->ShowCustomizeContextMenu(ptScreen);
    }
}

void CXTPCommandBar::OnRButtonUp(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl || IsCustomizeMode())
    {
        Default();
        return;
    }
    CWnd* pSite = GetSite();
    POINT pt = point;
    if (pSite && pSite->SendMessage(XTP_WM_CONTROLRBUTTONUP, reinterpret_cast<WPARAM>(&pt),
                                    reinterpret_cast<LPARAM>(pControl)) == 1)
        return;
    if (GetRootParent()->m_bExecOnRButton)
        pControl->OnLButtonUp(point);
    else
        pControl->OnRButtonUp(point);
}

// --- Help mode -----------------------------------------------------------------------------

BOOL CXTPCommandBar::IsHelpMode() const
{
    CWnd* pSite = GetSite();
    return pSite && pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd))
           && static_cast<CFrameWnd*>(pSite)->m_bHelpMode;
}

LRESULT CXTPCommandBar::OnNcHitTest(CPoint point)
{
    if (!IsHelpMode())
        return Default();
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    CXTPControl* pControl = m_pControls->HitTest(ptClient);
    if (pControl && pControl->GetType() >= xtpControlPopup
        && pControl->GetType() <= xtpControlSplitButtonPopup && pControl->GetID() <= 0)
        return HTMENU;
    return HTCLIENT;
}

void CXTPCommandBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsHelpMode())
    {
        Default();
        return;
    }
    (void)nHitTest;
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    OnLButtonDown(0, ptClient);
}

LRESULT CXTPCommandBar::OnHelpHitTest(WPARAM /*wParam*/, LPARAM lParam)
{
    CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl)
    {
        int nDlgId = ::GetDlgCtrlID(m_hWnd);
        return nDlgId ? HID_BASE_CONTROL + nDlgId : 0;
    }
    if (pControl->GetHelpId() > 0)
        return HID_BASE_COMMAND + pControl->GetHelpId();
    if (CXTPControlAction* pAction = pControl->GetAction())
        return HID_BASE_COMMAND
               + (pAction->GetHelpId() > 0 ? pAction->GetHelpId() : pAction->GetID());
    return HID_BASE_COMMAND + pControl->GetID();
}

// --- Timers --------------------------------------------------------------------------------

void CXTPCommandBar::OnTimer(UINT_PTR nIDEvent)
{
    Default();
    if (nIDEvent == CXTPCommandBarAnimation::TIMER_ID)
    {
        m_pAnimation->OnAnimate();
        return;
    }
    if (nIDEvent == XTP_TID_HOVER)
    {
        if (m_nLockCount)
            return;
        KillTimer(XTP_TID_HOVER);
        if (CXTPControl* pControl = GetControl(m_nSelected))
        {
            pControl->InternalAddRef();
            pControl->OnMouseHover();
            pControl->InternalRelease();
        }
        return;
    }
    if (nIDEvent == XTP_TID_EXPANDED_POPUP)
    {
        if (m_nLockCount)
            return;
        KillTimer(XTP_TID_EXPANDED_POPUP);
        CXTPControl* pControl = GetControl(m_nPopuped);
        if (!pControl || m_nPopuped != m_nSelected)
            return;
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        CXTPCommandBar* pPopupBar = pControl->GetCommandBar();
        if (pPopupBar && pControl->GetRect().PtInRect(pt))
            pPopupBar->ExpandBar();
    }
}

// --- Tooltips ------------------------------------------------------------------------------

INT_PTR CXTPCommandBar::HitTestToolTip(CPoint point, TOOLINFOA* pTI) const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPCommandBarsOptions* pOptions = pCommandBars ? pCommandBars->GetCommandBarsOptions() : nullptr;
    if (pOptions && !pOptions->bToolBarScreenTips)
        return -1;
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl || !pControl->IsVisible())
        return -1;
    CString strTip = pControl->GetTooltip();
    if (strTip.IsEmpty())
        return -1;
    if (pOptions && pOptions->bToolBarAccelTips)
    {
        CString strShortcut = pControl->GetShortcutText();
        if (!strShortcut.IsEmpty())
            strTip += " (" + strShortcut + ")";
    }
    if (pTI)
    {
        CString strTitle = pControl->GetCaption();
        if (strTitle.IsEmpty())
            strTitle = pControl->GetTooltip();
        CXTPToolTipContext::FillToolInfoEx(pTI, m_hWnd, pControl->GetRect(),
                                           static_cast<UINT_PTR>(pControl->GetID()), strTip,
                                           strTitle, pControl->GetDescription(),
                                           GetImageManager());
    }
    return pControl->GetID();
}

INT_PTR CXTPCommandBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    return HitTestToolTip(point, pTI);
}
