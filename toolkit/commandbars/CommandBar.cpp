#include "toolkit/commandbars/CommandBar.h"

#include "framework/ui/Dc.h"
#include "framework/ui/AppGlobals.h"
#include "toolkit/commandbars/Animation.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/HookManager.h"
#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/ToolTipContext.h"

IMPLEMENT_DYNCREATE(CXTPCommandBar, CWnd)

UINT g_nXTPHoverDelay = 300;
UINT g_nXTPExpandDelay = 5000;

CXTPCommandBar::CXTPCommandBar()
    : m_bHideCaret(TRUE), m_nMRUWidth(32767), m_nSelected(-1), m_nPopuped(-1),
      m_hwndFocus(nullptr), m_nBarID(0), m_bVisible(TRUE), m_nTrackingMode(0), m_pSite(nullptr),
      m_dwDirty(0), m_dwFlags(0), m_dwStyle(0), m_barType(xtpBarTypeNormal),
      m_pControls(new CXTPControls), m_barPosition(xtpBarNone), m_pCommandBars(nullptr),
      m_pOwner(nullptr), m_szIcons(0, 0), m_szButtons(0, 0), m_nTextBelowIcons(2),
      m_bExecOnRButton(FALSE), m_bNoUpdate(FALSE), m_nLockCount(0), m_nLastSelectionMethod(0),
      m_bCustomizable(TRUE), m_rcMarker(0, 0, 0, 0), m_bVerticalMarker(FALSE),
      m_bReturnCmd(FALSE), m_nReturnCmd(0), m_bEnteredByMouse(FALSE), m_nRedrawLock(0),
      m_bMultiLine(FALSE), m_bIgnoreLock(FALSE), m_bOpenOnHover(TRUE), m_pPaintManager(nullptr),
      m_pImageManager(nullptr), m_pToolTipContext(nullptr), m_pAnimation(nullptr),
      m_nLastStatusIndex(-1), m_nLastSelected(-1), m_bDoubleGripper(FALSE)
{
    m_pControls->SetParent(this);
    m_pAnimation = new CXTPCommandBarAnimation(
        this, [this](CDC* pDC, const CRect& rcClip) { DrawCommandBar(pDC, rcClip); },
        [this]() -> BOOL { return GetPaintManager()->m_nAnimationOption != 0; });
}

CXTPCommandBar::~CXTPCommandBar()
{
    if (m_nTrackingMode)
        SetTrackingMode(0);
    XTPHookManager()->RemoveAll(this);
    if (CXTPKeyboardManager* pKeyboard = XTPKeyboardManagerIfMade())
        pKeyboard->RemoveHandler(this);
    XTPMouseManager()->RemoveBar(this);
    if (m_hWnd)
        DestroyWindow();
    m_pControls->RemoveAll();
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    if (m_pToolTipContext)
        m_pToolTipContext->InternalRelease();
    delete m_pAnimation;
}

int CXTPCommandBar::GetControlCount() const
{
    return m_pControls->GetCount();
}

CXTPControl* CXTPCommandBar::GetControl(int nIndex) const
{
    return m_pControls->GetAt(nIndex);
}

// --- Owner and relatives -----------------------------------------------------------

CXTPCommandBars* CXTPCommandBar::GetCommandBars() const
{
    for (const CXTPCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar())
        if (pBar->m_pCommandBars)
            return pBar->m_pCommandBars;
    return nullptr;
}

CXTPCommandBar* CXTPCommandBar::GetRootParent() const
{
    const CXTPCommandBar* pRoot = this;
    while (CXTPCommandBar* pParent = pRoot->GetParentCommandBar())
        pRoot = pParent;
    return const_cast<CXTPCommandBar*>(pRoot);
}

BOOL CXTPCommandBar::IsCustomizeMode() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->IsCustomizeMode();
}

BOOL CXTPCommandBar::IsLayoutRTL() const
{
    return m_hWnd && (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

CXTPPaintManager* CXTPCommandBar::GetPaintManager() const
{
    if (m_pPaintManager)
        return m_pPaintManager;
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        return pCommandBars->GetPaintManager();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot != this && pRoot->m_pPaintManager)
        return pRoot->m_pPaintManager;
    return XTPPaintManager();
}

CXTPImageManager* CXTPCommandBar::GetImageManager() const
{
    if (m_pImageManager)
        return m_pImageManager;
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        return pCommandBars->GetImageManager();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot != this && pRoot->m_pImageManager)
        return pRoot->m_pImageManager;
    return XTPImageManager();
}

void CXTPCommandBar::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (pPaintManager)
        pPaintManager->InternalAddRef();
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
}

void CXTPCommandBar::SetImageManager(CXTPImageManager* pImageManager)
{
    if (pImageManager)
        pImageManager->InternalAddRef();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

CWnd* CXTPCommandBar::GetSite() const
{
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        if (pCommandBars->GetSite())
            return pCommandBars->GetSite();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pSite)
        return pRoot->m_pSite;
    if (pRoot->m_hWnd)
    {
        if (HWND hOwner = ::GetWindow(pRoot->m_hWnd, GW_OWNER))
            return CWnd::FromHandle(hOwner);
        if (HWND hParent = ::GetParent(pRoot->m_hWnd))
            return CWnd::FromHandle(hParent);
    }
    return AfxGetMainWnd();
}

CWnd* CXTPCommandBar::GetOwnerSite() const
{
    for (const CXTPCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar())
    {
        if (pBar->m_pOwner)
            return pBar->m_pOwner;
        if (pBar->m_hWnd)
            if (HWND hOwner = ::GetWindow(pBar->m_hWnd, GW_OWNER))
                return CWnd::FromHandle(hOwner);
    }
    return GetSite();
}

// --- Sizes ---------------------------------------------------------------------------------

CSize CXTPCommandBar::GetIconSize() const
{
    if (m_szIcons.cx > 0 && m_szIcons.cy > 0)
        return m_szIcons;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return CSize(16, 16);
    CXTPCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    if (m_barType == xtpBarTypePopup)
        return pOptions->szPopupIcons.cx > 0 ? pOptions->szPopupIcons : CSize(16, 16);
    CSize szIcons = pOptions->szIcons.cx > 0 ? pOptions->szIcons : CSize(16, 16);
    if (pOptions->bLargeIcons && m_szButtons.cx == 0)
        return pOptions->szLargeIcons.cx > 0 ? pOptions->szLargeIcons
                                             : CSize(szIcons.cx * 2, szIcons.cy * 2);
    return szIcons;
}

CSize CXTPCommandBar::GetLargeIconSize() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return m_szIcons.cx > 0 ? CSize(m_szIcons.cx * 2, m_szIcons.cy * 2) : CSize(32, 32);
    CXTPCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    CSize szIcons = m_szIcons.cx > 0 ? m_szIcons
                                     : pOptions->szIcons.cx > 0 ? pOptions->szIcons : CSize(16, 16);
    if (m_szButtons.cx == 0 && pOptions->szLargeIcons.cx > 0)
        return pOptions->szLargeIcons;
    return CSize(szIcons.cx * 2, szIcons.cy * 2);
}

CSize CXTPCommandBar::GetButtonSize() const
{
    if (m_szButtons.cx > 0 && m_szButtons.cy > 0)
        return m_szButtons;
    CSize szIcons = GetIconSize();
    return CSize(szIcons.cx + 6, szIcons.cy + 6);
}

BOOL CXTPCommandBar::GetShowTextBelowIcons() const
{
    if (m_nTextBelowIcons != 2)
        return m_nTextBelowIcons;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->GetCommandBarsOptions()->bShowTextBelowIcons;
}

// --- State ---------------------------------------------------------------------------------

BOOL CXTPCommandBar::IsAnimationEnabled() const
{
    return m_pAnimation->IsAnimationEnabled();
}

void CXTPCommandBar::EnableAnimation(BOOL bEnable)
{
    m_pAnimation->EnableAnimation(bEnable);
    Redraw(nullptr, TRUE);
}

void CXTPCommandBar::SetAnimationFlags(DWORD dwFlags)
{
    m_pAnimation->SetAnimationFlags(dwFlags);
}

void CXTPCommandBar::ResetSelection()
{
    m_dwDirty |= xtpDirtyLayout;
    m_nSelected = -1;
    m_nPopuped = -1;
}

void CXTPCommandBar::RestoreLayoutState(int nSelected, int nPopuped, DWORD dwDirty)
{
    m_nSelected = nSelected;
    m_nPopuped = nPopuped;
    m_dwDirty = dwDirty;
}

// --- Virtual operations: data-only bodies --------------------------------------------------

void CXTPCommandBar::DelayRedraw()
{
    m_dwDirty |= xtpDirtyRedraw;
}

BOOL CXTPCommandBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if ((m_nTrackingMode && nMode) || m_nTrackingMode == nMode)
    {
        m_nTrackingMode = nMode;
        return FALSE;
    }
    m_nTrackingMode = nMode;
    CXTPMouseManager* pMouse = XTPMouseManager();
    if (nMode)
    {
        if (m_barType == xtpBarTypeMenuBar)
            if (CWnd* pSite = GetSite())
                pSite->SendMessage(XTP_WM_TRACKINGMODE, reinterpret_cast<WPARAM>(this), 0);
        m_bEnteredByMouse = !bSelectFirst && !bKeyboard;
        if (m_bHideCaret && !m_hwndFocus)
        {
            m_hwndFocus = ::GetFocus();
            if (!m_hwndFocus)
                if (CWnd* pSite = GetSite())
                    m_hwndFocus = pSite->GetSafeHwnd();
            if (m_hwndFocus)
                ::HideCaret(m_hwndFocus);
        }
        pMouse->SetTrack(this);
        XTPKeyboardManager()->AddHandler(this);
        ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
        if (bSelectFirst)
            SetSelected(m_pControls->GetNext(-1, +1), 2);
    }
    else
    {
        m_bEnteredByMouse = FALSE;
        pMouse->RemoveTrack(this);
        if (CXTPKeyboardManager* pKeyboard = XTPKeyboardManagerIfMade())
            pKeyboard->RemoveHandler(this);
        OpenControlPopup(-1);
        if (bSelectFirst)
            SetSelected(-1, 0);
        if (m_hwndFocus)
        {
            if (::IsWindow(m_hwndFocus))
                ::ShowCaret(m_hwndFocus);
            m_hwndFocus = nullptr;
        }
        Redraw(nullptr, TRUE);
        if (m_hWnd && ::GetFocus() == m_hWnd)
            if (HWND hParent = ::GetParent(m_hWnd))
                if (HWND hNext = ::GetNextDlgTabItem(hParent, m_hWnd, FALSE))
                    ::SetFocus(hNext);
        m_nLockCount = 0;
    }
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->OnTrackingModeChanged(this, nMode);
    return TRUE;
}

BOOL CXTPCommandBar::SetSelected(int nSelected, int nHow)
{
    if (nSelected == m_nSelected)
        return FALSE;
    m_nLastSelectionMethod = nHow;
    if (!m_hWnd)
        return FALSE;
    if (CXTPControl* pOld = GetControl(m_nSelected))
        pOld->OnSetSelected(0);
    m_nSelected = nSelected;
    if (nSelected == -1)
    {
        KillTimer(XTP_TID_HOVER);
        return TRUE;
    }
    CXTPControl* pControl = GetControl(nSelected);
    if (!pControl)
        return FALSE;
    int nState = 1;
    if (nHow)
    {
        EnsureVisible(pControl);
        nState = nHow >= 2 ? nHow : 2;
    }
    pControl->OnSetSelected(nState);
    if (m_nTrackingMode)
        NotifyWinEventIfBound(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_MENU, nSelected + 1);
    XTPMouseManager()->SetSelected(this);
    if (!nHow && m_bOpenOnHover)
        SetTimer(XTP_TID_HOVER, g_nXTPHoverDelay, nullptr);
    return TRUE;
}

BOOL CXTPCommandBar::LoadToolBar(UINT /*nIDResource*/, BOOL /*bLoadIcons*/)
{
    return FALSE;
}

BOOL CXTPCommandBar::Popup(CXTPControlPopup* /*pControlPopup*/, BOOL /*bKeyboard*/)
{
    return FALSE;
}

void CXTPCommandBar::EnsureVisible(CXTPControl* /*pControl*/)
{
}

BOOL CXTPCommandBar::PtInBar(CPoint ptScreen) const
{
    CRect rcWindow;
    if (!m_hWnd)
        return FALSE;
    ::GetWindowRect(m_hWnd, &rcWindow);
    return rcWindow.PtInRect(ptScreen);
}

int CXTPCommandBar::HitTestBar(POINT ptScreen) const
{
    return PtInBar(ptScreen) ? 1 : 0;
}

BOOL CXTPCommandBar::PreviewKey(UINT /*nChar*/)
{
    return FALSE;
}

void CXTPCommandBar::DetachAndDestroy()
{
    if (m_nTrackingMode)
        SetTrackingMode(0);
    XTPHookManager()->RemoveAll(this);
    XTPMouseManager()->RemoveBar(this);
    m_pControls->RemoveAll();
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXTPCommandBar::SetPosition(int /*nPosition*/)
{
    return FALSE;
}

BOOL CXTPCommandBar::IsVisible() const
{
    return FALSE;
}

void CXTPCommandBar::SetVisible(BOOL /*bVisible*/)
{
}

void CXTPCommandBar::OnRecalcLayout()
{
}

void CXTPCommandBar::OnControlSelected(int nSelected, CXTPControl* pControl)
{
    if (CWnd* pSite = GetSite())
        if (pSite->GetSafeHwnd())
            pSite->SendMessage(XTP_WM_CONTROLSELECTED,
                               nSelected ? reinterpret_cast<WPARAM>(pControl) : 0, 0);
    UpdateStatusText(nSelected, pControl);
}

BOOL CXTPCommandBar::IsAccessKeyUnderlineVisible() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->IsAccessKeysShown() : TRUE;
}

void CXTPCommandBar::Redraw(LPCRECT lpRect, BOOL bAnimate)
{
    if (!lpRect)
        m_dwDirty &= ~xtpDirtyRedraw;
    if (!m_hWnd || m_nRedrawLock > 0)
        return;
    m_pAnimation->RedrawRect(lpRect, bAnimate);
}

void CXTPCommandBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    FillCommandBar(pDC);
    if ((m_dwStyle & xtpBarStyleGripper) || m_barPosition == xtpBarFloating)
        pPaintManager->DrawCommandBarGripper(pDC, this);
    pDC->SetBkMode(TRANSPARENT);
    DrawControls(pDC, rcClipBox);
}

void CXTPCommandBar::DrawControls(CDC* pDC, const CRect& rcClipBox)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    BOOL bFirst = TRUE;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (!pControl || !pControl->IsVisible() || !IsDrawnWithControls(pControl))
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CRect rcIntersect;
        CRect rcControl = pControl->GetRect();
        if (!rcIntersect.IntersectRect(&rcClipBox, &rcControl))
            continue;
        CFont* pOldFont = pDC->SelectObject(pPaintManager->GetControlFont(this, FALSE));
        DrawBarControl(pDC, pControl);
        pDC->SelectObject(pOldFont);
        if (IsCustomizeMode() && GetCommandBars()->GetDragControl() == pControl)
        {
            pDC->Draw3dRect(rcControl, RGB(0, 0, 0), RGB(0, 0, 0));
            rcControl.DeflateRect(1, 1);
            pDC->Draw3dRect(rcControl, RGB(0, 0, 0), RGB(0, 0, 0));
        }
    }
    if (IsCustomizeMode())
        DrawDropMarker(pDC);
}

void CXTPCommandBar::DrawBarControl(CDC* pDC, CXTPControl* pControl)
{
    pControl->Draw(pDC);
}

CSize CXTPCommandBar::CalcDynamicLayout(int /*nLength*/, DWORD /*dwMode*/)
{
    return CSize(0, 0);
}

void CXTPCommandBar::OnControlsChanged()
{
    m_dwDirty |= xtpDirtyLayout;
    m_nSelected = -1;
    m_nPopuped = -1;
}

void CXTPCommandBar::FillCommandBar(CDC* pDC)
{
    GetPaintManager()->FillCommandBar(pDC, this);
}

BOOL CXTPCommandBar::OpenControlPopup(int nIndex, BOOL bKeyboard)
{
    if (nIndex == m_nPopuped)
        return FALSE;
    if (m_nPopuped != -1)
    {
        CXTPControl* pOpen = GetControl(m_nPopuped);
        m_nPopuped = -1;
        if (pOpen)
            pOpen->SetPopupOpen(FALSE);
    }
    if (nIndex == -1)
        return TRUE;
    CXTPControl* pControl = GetControl(nIndex);
    if (!pControl || !pControl->GetEnabled())
        return FALSE;
    // Selected before the popup index is set: a keyboard selection makes
    // the control close the bar's open popup, which would be this one.
    const int nOldMode = m_nTrackingMode;
    SetTrackingMode(2, FALSE, bKeyboard);
    SetSelected(nIndex, bKeyboard);
    m_nPopuped = nIndex;
    // The control may have gone with the selection's side effects. A control
    // that opens nothing leaves the bar in the mode it had, not in menu mode
    // without a menu.
    if (GetControl(nIndex) != pControl || !pControl->SetPopupOpen(TRUE))
    {
        if (m_nPopuped == nIndex)
            m_nPopuped = -1;
        if (nOldMode)
            m_nTrackingMode = nOldMode;
        else
            SetTrackingMode(0, FALSE);
        return FALSE;
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay && m_hWnd)
        SetTimer(XTP_TID_EXPANDED_POPUP, g_nXTPExpandDelay, nullptr);
    return TRUE;
}

void CXTPCommandBar::RecalcLayout()
{
    m_dwDirty |= xtpDirtyLayout;
}

void CXTPCommandBar::Copy(CXTPCommandBar* pSource, BOOL bRecursive)
{
    m_nMRUWidth = pSource->m_nMRUWidth;
    m_nBarID = pSource->m_nBarID;
    m_dwFlags = pSource->m_dwFlags;
    m_dwStyle = pSource->m_dwStyle;
    m_strTitle = pSource->m_strTitle;
    m_barType = pSource->m_barType;
    m_barPosition = pSource->m_barPosition;
    m_pCommandBars = pSource->m_pCommandBars;
    m_szIcons = pSource->m_szIcons;
    m_szButtons = pSource->m_szButtons;
    m_nTextBelowIcons = pSource->m_nTextBelowIcons;
    m_bCustomizable = pSource->m_bCustomizable;
    m_bDoubleGripper = pSource->m_bDoubleGripper;
    m_pControls->RemoveAll();
    for (int i = 0; i < pSource->GetControlCount(); ++i)
        m_pControls->AddCopy(pSource->GetControl(i), -1, bRecursive);
}

CXTPCommandBar* CXTPCommandBar::Clone(BOOL bRecursive)
{
    CXTPCommandBar* pBar = static_cast<CXTPCommandBar*>(GetRuntimeClass()->CreateObject());
    pBar->Copy(this, bRecursive);
    return pBar;
}
