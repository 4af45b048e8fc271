// Opening, placing, closing and tracking a popup bar; its keys, mouse and
// timers. The layout (menu columns, personalised and scrolled menus) is in
// PopupBarLayout.cpp, the tear-off drag in PopupBarTearOff.cpp.
#include "toolkit/commandbars/PopupBar.h"

#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MenuSoundPlayer.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PopupBarPlacement.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/draw/ToolkitClock.h"
#include "toolkit/extras/ToolTipContext.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CXTPPopupBar, CXTPCommandBar)
IMPLEMENT_DYNCREATE(CXTPPopupToolBar, CXTPPopupBar)

UINT g_nXTPShowFullDelay = 900;

namespace {

const char kPopupBarClass[] = "XTPPopupBar";
const UINT kScrollInterval = 80;
const UINT kTearOffInterval = 80;
// Menu sound of a popup that appeared.
const int kMenuPopupSound = 2;
// No animation.
const int kAnimateNone = 5;

// The bar drawn into an off-screen bitmap of its client size: the last
// frame of an animation.
class CBarImage
{
public:
    CBarImage(CXTPCommandBar* pBar, CDC* pWindowDC)
    {
        pBar->GetClientRect(&m_rc);
        m_dc.CreateCompatibleDC(pWindowDC);
        m_bitmap.CreateCompatibleBitmap(pWindowDC, m_rc.Width(), m_rc.Height());
        m_pOld = m_dc.SelectObject(&m_bitmap);
        pBar->DrawCommandBar(&m_dc, m_rc);
    }
    ~CBarImage() { m_dc.SelectObject(m_pOld); }
    CBarImage(const CBarImage&) = delete;
    CBarImage& operator=(const CBarImage&) = delete;

    CDC* DC() { return &m_dc; }
    const CRect& Rect() const { return m_rc; }

private:
    CRect m_rc;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld;
};

} // namespace

BEGIN_MESSAGE_MAP(CXTPPopupBar, CXTPCommandBar)
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CXTPPopupBar::CXTPPopupBar()
    : m_pControlPopup(nullptr), m_ptPopup(0, 0), m_rcExclude(0, 0, 0, 0), m_dwPopupFlags(0),
      m_bDynamicLayout(FALSE), m_bCollapsed(FALSE), m_bShowFull(FALSE), m_bExpanding(FALSE),
      m_bTearOffPopup(FALSE), m_rcTearOffGripper(0, 0, 0, 0), m_bTearOffSelected(FALSE),
      m_nTearOffTimer(0), m_bTearOffTracking(FALSE), m_szTearOffBar(0, 0),
      m_pTearOffBar(nullptr), m_nTearOffID(0), m_nTearOffWidth(0), m_bShadowEnabled(TRUE),
      m_rcBorders(2, 4, 2, 4), m_bWindowDying(FALSE), m_bScrolling(FALSE), m_nFirstVisible(0), m_nLastVisible(0),
      m_scrollDown{CRect(0, 0, 0, 0), 0, XTP_TID_SCROLLDOWN},
      m_scrollUp{CRect(0, 0, 0, 0), 0, XTP_TID_SCROLLUP}
{
    m_barType = xtpBarTypePopup;
    m_barPosition = xtpBarPopup;
    m_nMRUWidth = 0;
}

CXTPPopupBar::~CXTPPopupBar()
{
}

CXTPPopupBar* XTPPopupBarOf(CObject* pObject)
{
    return pObject && pObject->IsKindOf(RUNTIME_CLASS(CXTPPopupBar))
               ? static_cast<CXTPPopupBar*>(pObject)
               : nullptr;
}

CXTPPopupBar* CXTPPopupBar::CreatePopupBar(CXTPCommandBars* pCommandBars)
{
    CXTPPopupBar* pBar = new CXTPPopupBar;
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

CXTPPopupToolBar::CXTPPopupToolBar()
{
    m_barType = xtpBarTypeNormal;
}

CXTPPopupToolBar* CXTPPopupToolBar::CreatePopupToolBar(CXTPCommandBars* pCommandBars)
{
    CXTPPopupToolBar* pBar = new CXTPPopupToolBar;
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

CXTPControl* CXTPPopupBar::GetControlPopup() const
{
    return m_pControlPopup;
}

CXTPCommandBar* CXTPPopupBar::GetParentCommandBar() const
{
    return m_pControlPopup ? m_pControlPopup->GetParent() : nullptr;
}

BOOL CXTPPopupBar::IsVisible() const
{
    return m_hWnd && ::IsWindowVisible(m_hWnd);
}

void CXTPPopupBar::SetTearOffPopup(LPCSTR lpszCaption, UINT nBarID, int nWidth)
{
    m_bTearOffPopup = TRUE;
    m_strTearOffCaption = lpszCaption;
    m_nTearOffID = nBarID;
    m_nTearOffWidth = nWidth;
}

void CXTPPopupBar::Copy(CXTPCommandBar* pSource, BOOL bRecursive)
{
    CXTPCommandBar::Copy(pSource, bRecursive);
    CXTPPopupBar* pPopup = XTPPopupBarOf(pSource);
    if (!pPopup)
        return;
    m_bTearOffPopup = pPopup->m_bTearOffPopup;
    m_strTearOffCaption = pPopup->m_strTearOffCaption;
    m_nTearOffID = pPopup->m_nTearOffID;
    m_nTearOffWidth = pPopup->m_nTearOffWidth;
    m_bShadowEnabled = pPopup->m_bShadowEnabled;
    m_rcBorders = pPopup->m_rcBorders;
}

// --- The window ----------------------------------------------------------------------------

BOOL CXTPPopupBar::CreatePopupWindow()
{
    if (m_hWnd)
        return TRUE;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    UINT nClassStyle = CS_DBLCLKS;
    if (!pCommandBars || pCommandBars->GetCommandBarsOptions()->bUseSystemSaveBitsStyle)
        nClassStyle |= CS_SAVEBITS;
    DWORD dwExStyle = WS_EX_TOOLWINDOW;
    if (pCommandBars && pCommandBars->IsLayoutRTL())
        dwExStyle |= WS_EX_LAYOUTRTL;
    CWnd* pSite = GetSite();
    return CreateBarWindow(kPopupBarClass, nClassStyle, dwExStyle,
                           WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE,
                           CRect(0, 0, 0, 0), pSite && pSite->GetSafeHwnd() ? pSite : nullptr);
}

void CXTPPopupBar::OnDestroy()
{
    // Destroyed from outside while open: tracking ends without a second
    // DestroyWindow.
    m_bWindowDying = TRUE;
    CXTPCommandBar::OnDestroy();
    m_bWindowDying = FALSE;
}

int CXTPPopupBar::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

LRESULT CXTPPopupBar::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    return (wParam & FS_SYNCACTIVE) && (GetStyle() & MFS_SYNCACTIVE) ? TRUE : FALSE;
}

// --- Opening -------------------------------------------------------------------------------

BOOL CXTPPopupBar::PopupAt(int x, int y, LPCRECT lprcExclude)
{
    m_ptPopup = CPoint(x, y);
    if (lprcExclude)
        m_rcExclude = *lprcExclude;
    return Popup(nullptr, FALSE);
}

BOOL CXTPPopupBar::Popup(CXTPControlPopup* pControlPopup, BOOL bKeyboard)
{
    m_pControlPopup = pControlPopup;
    if (!CreatePopupWindow())
        return FALSE;
    if (CXTPToolTipContext* pContext = GetToolTipContext())
        pContext->HideToolTip();
    LockRedraw(TRUE);
    if (CWnd* pOwner = GetOwnerSite())
        if (pOwner->GetSafeHwnd())
            pOwner->SendMessage(XTP_WM_POPUPOPENED, 0, reinterpret_cast<LPARAM>(this));

    m_bTearOffSelected = FALSE;
    m_bCollapsed = FALSE;
    m_bShowFull = IsCustomizeMode() || XTPMouseManager()->IsMenusExpanded();

    UpdateAnchor();
    CSize size = CalcDynamicLayout(0, 0);
    CRect rc = CalcPopupRect(size);
    const BOOL bVisible = IsWindowVisible();
    SetWindowPos(bVisible ? nullptr : &CWnd::wndTopMost, rc.left, rc.top, rc.Width(),
                 rc.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER | (bVisible ? SWP_NOZORDER : 0));

    // The opening control's bar may have gone while this one was placed.
    if (pControlPopup && (!pControlPopup->GetParent() || !pControlPopup->GetParent()->GetSafeHwnd()))
    {
        LockRedraw(FALSE);
        DestroyWindow();
        m_pControlPopup = nullptr;
        return FALSE;
    }

    SetTrackingMode(1, bKeyboard, FALSE);
    ClearDirtyFlags();
    OnIdleUpdateCmdUI(TRUE, 0);

    AnimatePopup();
    GetMenuSoundPlayer().Request(kMenuPopupSound);
    SetShadow();

    LockRedraw(FALSE);
    Redraw();
    return TRUE;
}

void CXTPPopupBar::UpdateAnchor()
{
    if (!m_pControlPopup)
        return;
    CXTPCommandBar* pParent = m_pControlPopup->GetParent();
    m_dwPopupFlags = 0;
    if ((m_pControlPopup->GetFlags() & xtpFlagLeftPopup) || (m_hWnd && IsLayoutRTL()))
        m_dwPopupFlags |= xtpPopupLeft;
    if (pParent)
    {
        CXTPPopupBar* pParentPopup = XTPPopupBarOf(pParent);
        if (pParentPopup && (pParent->GetFlags() & xtpFlagShrinkByStyle))
            m_dwPopupFlags |= xtpPopupDown;
        else
        {
            switch (pParent->GetPosition())
            {
            case xtpBarLeft:
            case xtpBarPopup:
                if (pParent->GetType() == xtpBarTypePopup && pParentPopup
                    && (pParentPopup->m_dwPopupFlags & xtpPopupLeft))
                    m_dwPopupFlags = xtpPopupLeft;
                break;
            case xtpBarRight:
                m_dwPopupFlags = xtpPopupLeft;
                break;
            default:
                m_dwPopupFlags |= xtpPopupDown;
                break;
            }
        }
    }
    CRect rcControl = m_pControlPopup->GetRect();
    if (m_pControlPopup->GetType() == xtpControlComboBox && pParent
        && pParent->GetType() != xtpBarTypePopup)
        m_dwPopupFlags |= xtpPopupDown;
    else
        m_pControlPopup->AdjustExcludeRect(rcControl);
    if (pParent && pParent->GetSafeHwnd())
        pParent->ClientToScreen(&rcControl);
    m_rcExclude = rcControl;
    m_ptPopup = (m_dwPopupFlags & xtpPopupDown) ? CPoint(rcControl.left, rcControl.bottom)
                                                : CPoint(rcControl.right, rcControl.top);
}

CRect CXTPPopupBar::CalcPopupRect(CSize size)
{
    XTP_POPUP_PLACEMENT placement;
    placement.rcWork = m_rcExclude.IsRectEmpty()
        ? CRect(GetMonitorAreaOfPoint(m_ptPopup))
        : CRect(GetMonitorAreaOfRect(m_rcExclude));
    placement.ptPosition = m_ptPopup;
    placement.rcExclude = m_rcExclude;
    placement.dwFlags = m_dwPopupFlags;
    placement.size = size;
    placement.bCanScroll = m_barType == xtpBarTypePopup;
    XTP_POPUP_PLACED placed = XTPCalcPopupPlacement(placement);
    m_dwPopupFlags = placed.dwFlags;
    m_bScrolling = placed.bScroll;
    if (m_bScrolling)
    {
        m_nFirstVisible = 0;
        LayoutScrolled(placed.rc.Size(), FALSE, FALSE);
    }
    m_ptPopup = placed.rc.TopLeft();
    return placed.rc;
}

int CXTPPopupBar::GetAnimationType() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || (m_hWnd && ::GetWindow(m_hWnd, GW_CHILD)))
        return kAnimateNone;
    const int nOption = pCommandBars->GetCommandBarsOptions()->nAnimationType;
    if (nOption == 1)
    {
        static const int kRandomKinds[] = {xtpAnimateFade, xtpAnimateUnfold, xtpAnimateSlide};
        return kRandomKinds[std::rand() % 3];
    }
    if (nOption != 0)
        return nOption;
    BOOL bAnimation = FALSE;
    ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &bAnimation, 0);
    if (!bAnimation)
        return kAnimateNone;
    BOOL bFade = FALSE;
    ::SystemParametersInfoA(SPI_GETMENUFADE, 0, &bFade, 0);
    return bFade ? xtpAnimateFade : xtpAnimateUnfold;
}

void CXTPPopupBar::AnimatePopup()
{
    CXTPCommandBar* pParent = GetParentCommandBar();
    const BOOL bAnimate = (!pParent || pParent->IsEnteredByMouse()) && !IsCustomizeMode()
                          && !::GetWindow(m_hWnd, GW_CHILD);
    if (pParent)
        pParent->ClearEnteredByMouse();
    CXTPPaintManager* pPaintManager = GetPaintManager();
    const int nType = bAnimate ? GetAnimationType() : kAnimateNone;
    if (nType < xtpAnimateSlide || nType > xtpAnimateFade)
    {
        pPaintManager->SetCommandBarRegion(this);
        return;
    }
    if (m_pControlPopup && pParent && pParent->GetSafeHwnd())
    {
        m_pControlPopup->RedrawParent(FALSE);
        pParent->UpdateWindow();
    }
    if (CWnd* pSite = GetSite())
        if (pSite->GetSafeHwnd())
            pSite->UpdateWindow();

    CClientDC dcWindow(this);
    CBarImage image(this, &dcWindow);
    const CRect& rcClient = image.Rect();

    // What lies on the screen under the window is the first frame.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    HDC hScreen = ::GetDC(nullptr);
    const DWORD dwLayout = ::GetLayout(dcWindow.GetSafeHdc());
    ::SetLayout(dcWindow.GetSafeHdc(), 0);
    ::BitBlt(dcWindow.GetSafeHdc(), 0, 0, rcClient.Width(), rcClient.Height(), hScreen,
             rcWindow.left, rcWindow.top, SRCCOPY);
    ::SetLayout(dcWindow.GetSafeHdc(), dwLayout);
    ::ReleaseDC(nullptr, hScreen);
    pPaintManager->SetCommandBarRegion(this);
    pPaintManager->AnimatePopupBar(&dcWindow, image.DC(), rcClient, nType);
}

XTP_SHADOW_SETTINGS CXTPPopupBar::GetShadowSettings() const
{
    XTP_SHADOW_SETTINGS settings;
    CXTPPaintManager* pPaintManager = GetPaintManager();
    settings.bShowShadow = pPaintManager->m_bShowShadow;
    settings.nShadowOptions = pPaintManager->m_nShadowOptions;
    settings.clrShadow = pPaintManager->m_clrShadowFactor;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    settings.bCustomizeMode = pCommandBars && pCommandBars->IsCustomizeMode();
    settings.bShadowClassStyle = !pCommandBars
                                 || pCommandBars->GetCommandBarsOptions()->bUseSystemSaveBitsStyle;
    CWnd* pSite = GetSite();
    settings.hWndSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    return settings;
}

void CXTPPopupBar::SetShadow()
{
    if (m_barPosition != xtpBarPopup || !m_bShadowEnabled || !m_hWnd)
        return;
    XTPShadowsManager()->SetShadow(m_hWnd, GetShadowSettings(),
                                   m_rcExclude.IsRectEmpty() ? nullptr : &m_rcExclude);
}

// --- Re-placement ---------------------------------------------------------------------------

void CXTPPopupBar::OnControlsChanged()
{
    m_nSelected = -1;
    m_nPopuped = -1;
    if (m_bDynamicLayout || !m_hWnd || !m_nTrackingMode)
        return;
    XTPShadowsManager()->RemoveShadow(m_hWnd);
    UpdateShortcuts();
    UpdateAnchor();
    CSize size = CalcDynamicLayout(0, 0);
    CRect rcOld;
    GetWindowRect(&rcOld);
    CRect rc = CalcPopupRect(size);
    const BOOL bGrows = rc.bottom > rcOld.bottom;
    const int nType = m_bExpanding ? GetAnimationType() : kAnimateNone;
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (nType >= xtpAnimateSlide && nType <= xtpAnimateFade)
    {
        ShowWindow(SW_HIDE);
        if (CWnd* pSite = GetSite())
            if (pSite->GetSafeHwnd())
                pSite->UpdateWindow();
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER);
        pPaintManager->SetCommandBarRegion(this);
        ShowWindow(SW_SHOWNA);
        CClientDC dcWindow(this);
        CBarImage image(this, &dcWindow);
        pPaintManager->AnimateBarExpand(this, &dcWindow, image.DC(), bGrows);
        GetMenuSoundPlayer().Request(kMenuPopupSound);
    }
    else
    {
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
        pPaintManager->SetCommandBarRegion(this);
    }
    SetShadow();
    if (m_pControlPopup)
        m_pControlPopup->AddShadowPart();
    Redraw();
    m_bExpanding = FALSE;
}

void CXTPPopupBar::ExpandToFullMenu()
{
    if (m_bShowFull || !m_bCollapsed)
        return;
    if (CXTPToolTipContext* pContext = GetToolTipContext())
        pContext->HideToolTip();
    m_bExpanding = TRUE;
    m_bShowFull = TRUE;
    OpenControlPopup(-1);
    SetSelected(-1);
    OnRecalcLayout();
    m_bExpanding = FALSE;
    XTPMouseManager()->SetMenusExpanded(TRUE);
}

// --- Tracking ------------------------------------------------------------------------------

BOOL CXTPPopupBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (!CXTPCommandBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard))
        return FALSE;
    if (nMode)
    {
        ::NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, m_hWnd, OBJID_MENU, CHILDID_SELF);
        if (CWnd* pSite = GetSite())
            if (pSite->GetSafeHwnd())
                pSite->UpdateWindow();
        return TRUE;
    }
    if (m_hWnd)
        ::NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, m_hWnd, OBJID_MENU, CHILDID_SELF);
    CloseWindow();
    return TRUE;
}

void CXTPPopupBar::CloseWindow()
{
    CWnd* pSite = GetSite();
    HWND hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (m_hWnd && !m_bWindowDying)
    {
        // Hosted windows live on: they go back to the site before the popup dies.
        HWND hChild;
        while ((hChild = ::GetWindow(m_hWnd, GW_CHILD)) != nullptr)
        {
            ::ShowWindow(hChild, SW_HIDE);
            ::SetParent(hChild, hSite);
        }
        for (CScrollButton* pButton : {&m_scrollDown, &m_scrollUp})
            pButton->nTimer = 0;
        m_nTearOffTimer = 0;
        DestroyWindow();
    }
    m_bScrolling = FALSE;
    // Held: the parent's close may release the last outside reference.
    InternalAddRef();
    if (CXTPCommandBar* pParent = GetParentCommandBar())
        if (pParent->GetPopupIndex() != -1
            && pParent->GetControl(pParent->GetPopupIndex()) == m_pControlPopup)
            pParent->OpenControlPopup(-1);
    if (hSite && ::IsWindow(hSite))
        ::SendMessageA(hSite, XTP_WM_POPUPCLOSED, 0, reinterpret_cast<LPARAM>(this));
    XTPSleep(1);
    m_pControlPopup = nullptr;
    if (hSite && ::IsWindow(hSite))
        ::UpdateWindow(hSite);
    InternalRelease();
}

BOOL CXTPPopupBar::SetSelected(int nSelected, int nHow)
{
    if (!CXTPCommandBar::SetSelected(nSelected, nHow))
        return FALSE;
    CXTPControl* pControl = GetControl(nSelected);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pControl && pControl->GetID() == static_cast<int>(XTP_ID_POPUPBAR_EXPAND)
        && pControl->IsTemporary() && nHow == 0 && pCommandBars
        && pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay)
        SetTimer(XTP_TID_SHOWFULL, g_nXTPShowFullDelay, nullptr);
    else if (m_hWnd)
        KillTimer(XTP_TID_SHOWFULL);

    if (m_bScrolling && pControl && (pControl->GetHideFlags() & xtpHideScroll))
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        if (nSelected < m_nFirstVisible)
        {
            m_nFirstVisible = nSelected;
            LayoutScrolled(rcClient.Size(), FALSE, TRUE);
        }
        else
        {
            m_nLastVisible = nSelected + 1;
            LayoutScrolled(rcClient.Size(), TRUE, TRUE);
        }
    }
    return TRUE;
}

int CXTPPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (!IsCustomizeMode() && m_nLockCount == 0 && m_hWnd && m_barType == xtpBarTypePopup)
    {
        // Left with no sub-menu open, and Right on an item that opens
        // nothing, are the parent's keys: the keyboard manager offers them
        // to it next, so a sub-menu closes and a menu-bar menu moves along.
        const UINT nKey = MirrorArrowKey(m_hWnd, nChar);
        CXTPControl* pSelected = GetControl(m_nSelected);
        if (nKey == VK_LEFT && m_nPopuped == -1)
            return hookNext;
        if (nKey == VK_RIGHT
            && (!pSelected || !pSelected->GetCommandBar() || !pSelected->GetEnabled()))
            return hookNext;
    }
    if (m_bCollapsed && !m_bShowFull && nChar == VK_DOWN)
    {
        const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
        // The walk that passes over the commands the menu hides.
        const int nNext = m_pControls->GetNext(m_nSelected, +1, TRUE, FALSE, TRUE);
        if (bCtrl || nNext == -1 || nNext <= m_nSelected)
        {
            ExpandToFullMenu();
            if (bCtrl)
                return hookHandled;
        }
    }
    return CXTPCommandBar::OnHookKeyDown(nChar, lParam);
}

BOOL CXTPPopupBar::ProcessSpecialKey(XTPSpecialKey key)
{
    if (!m_bCollapsed || m_bShowFull)
        return CXTPCommandBar::ProcessSpecialKey(key);
    // The keys walk past the commands the personalised menu hides.
    switch (key)
    {
    case xtpKeyNext:
        return SetSelected(m_pControls->GetNext(m_nSelected, +1, TRUE, FALSE, TRUE), 2);
    case xtpKeyPrev:
        return SetSelected(m_pControls->GetNext(m_nSelected, -1, TRUE, FALSE, TRUE), 3);
    case xtpKeyHome:
        return SetSelected(m_pControls->GetNext(-1, +1, TRUE, FALSE, TRUE), 2);
    case xtpKeyEnd:
        return SetSelected(m_pControls->GetNext(GetControlCount(), -1, TRUE, FALSE, TRUE), 3);
    default:
        return CXTPCommandBar::ProcessSpecialKey(key);
    }
}

// --- Mouse and timers ----------------------------------------------------------------------

void CXTPPopupBar::OnScrollButtonHover(CPoint point)
{
    for (CScrollButton* pButton : {&m_scrollDown, &m_scrollUp})
    {
        if (pButton->rc.IsRectEmpty() || !pButton->rc.PtInRect(point) || pButton->nTimer)
            continue;
        pButton->nTimer = SetTimer(pButton->nTimerId, kScrollInterval, nullptr);
        OpenControlPopup(-1);
    }
}

void CXTPPopupBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nLockCount > 0)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPCommandBar* pParent = GetParentCommandBar();
    if (rcClient.PtInRect(point) && pParent && m_pControlPopup
        && pParent->GetSelectedIndex() != m_pControlPopup->GetIndex())
        pParent->SetSelected(m_pControlPopup->GetIndex(), 0);
    if (m_bScrolling)
        OnScrollButtonHover(point);
    if (m_bTearOffPopup && !IsCustomizeMode() && !m_bTearOffSelected
        && m_rcTearOffGripper.PtInRect(point))
    {
        SetSelected(-1);
        OpenControlPopup(-1);
        m_bTearOffSelected = TRUE;
        Redraw();
        m_nTearOffTimer = SetTimer(XTP_TID_TEAROFF, kTearOffInterval, nullptr);
    }
    CXTPCommandBar::OnMouseMove(nFlags, point);
}

void CXTPPopupBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bTearOffPopup && !IsCustomizeMode() && m_rcTearOffGripper.PtInRect(point))
    {
        ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)));   // size all
        CXTPMouseManager* pMouseManager = XTPMouseManager();
        pMouseManager->LockTracking(TRUE);
        m_bTearOffTracking = TRUE;
        // Held: the loop may close every popup, this one included.
        InternalAddRef();
        TrackTearOff();
        m_bTearOffTracking = FALSE;
        pMouseManager->LockTracking(FALSE);
        const BOOL bGone = !m_hWnd;
        InternalRelease();
        if (bGone)
            return;
    }
    CXTPCommandBar::OnLButtonDown(nFlags, point);
}

void CXTPPopupBar::ScrollDown()
{
    if (m_nLastVisible >= GetControlCount())
    {
        KillTimer(XTP_TID_SCROLLDOWN);
        m_scrollDown.nTimer = 0;
        return;
    }
    ++m_nLastVisible;
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutScrolled(rcClient.Size(), TRUE, TRUE);
}

void CXTPPopupBar::ScrollUp()
{
    if (m_nFirstVisible <= 0)
    {
        KillTimer(XTP_TID_SCROLLUP);
        m_scrollUp.nTimer = 0;
        return;
    }
    --m_nFirstVisible;
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutScrolled(rcClient.Size(), FALSE, TRUE);
}

void CXTPPopupBar::OnTimer(UINT_PTR nIDEvent)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    switch (nIDEvent)
    {
    case XTP_TID_SCROLLDOWN:
    case XTP_TID_SCROLLUP:
    {
        CScrollButton& button = nIDEvent == XTP_TID_SCROLLDOWN ? m_scrollDown : m_scrollUp;
        // Scrolling stops when the pointer leaves the button.
        if (button.rc.IsRectEmpty() || !button.rc.PtInRect(pt))
        {
            KillTimer(nIDEvent);
            button.nTimer = 0;
            return;
        }
        if (nIDEvent == XTP_TID_SCROLLDOWN)
            ScrollDown();
        else
            ScrollUp();
        return;
    }
    case XTP_TID_TEAROFF:
    {
        const BOOL bOver = m_rcTearOffGripper.PtInRect(pt);
        if (!m_bTearOffSelected && bOver)
        {
            m_bTearOffSelected = TRUE;
            Redraw();
        }
        else if (m_bTearOffSelected && !bOver && !m_bTearOffTracking)
        {
            m_bTearOffSelected = FALSE;
            Redraw();
            KillTimer(XTP_TID_TEAROFF);
            m_nTearOffTimer = 0;
        }
        return;
    }
    case XTP_TID_SHOWFULL:
    {
        KillTimer(XTP_TID_SHOWFULL);
        CXTPControl* pSelected = GetControl(m_nSelected);
        if (pSelected && pSelected->GetID() == static_cast<int>(XTP_ID_POPUPBAR_EXPAND))
            pSelected->OnExecute();
        return;
    }
    default:
        CXTPCommandBar::OnTimer(nIDEvent);
        return;
    }
}
