#include "toolkit/commandbars/CommandBar.h"

#include "framework/ui/Dc.h"
#include "framework/ui/AppGlobals.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"

IMPLEMENT_DYNCREATE(CXTPCommandBar, CWnd)

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
      m_pImageManager(nullptr), m_bAnimation(FALSE), m_nLastStatusIndex(-1),
      m_nLastSelected(-1), m_bDoubleGripper(FALSE)
{
    m_pControls->SetParent(this);
}

CXTPCommandBar::~CXTPCommandBar()
{
    m_pControls->RemoveAll();
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
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

void CXTPCommandBar::EnableAnimation(BOOL bEnable)
{
    m_bAnimation = bEnable;
    Redraw(nullptr, TRUE);
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

BOOL CXTPCommandBar::SetTrackingMode(int nMode, BOOL /*bSelectFirst*/, BOOL /*bKeyboard*/)
{
    if (m_nTrackingMode == nMode)
        return FALSE;
    m_nTrackingMode = nMode;
    if (!nMode)
        SetSelected(-1);
    return TRUE;
}

BOOL CXTPCommandBar::SetSelected(int nSelected, int nHow)
{
    if (nSelected == m_nSelected)
        return FALSE;
    m_nLastSelectionMethod = nHow;
    if (CXTPControl* pOld = GetControl(m_nSelected))
        pOld->OnSetSelected(0);
    m_nSelected = nSelected;
    if (CXTPControl* pNew = GetControl(nSelected))
        pNew->OnSetSelected(nHow);
    return TRUE;
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
    if (nSelected)
        m_nLastStatusIndex = pControl ? pControl->GetIndex() : -1;
}

BOOL CXTPCommandBar::IsAccessKeyUnderlineVisible() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->IsAccessKeysShown() : TRUE;
}

void CXTPCommandBar::Redraw(LPCRECT lpRect, BOOL /*bAnimate*/)
{
    if (!lpRect)
        m_dwDirty &= ~xtpDirtyRedraw;
    if (!m_hWnd || m_nRedrawLock > 0)
        return;
    ::InvalidateRect(m_hWnd, lpRect, FALSE);
}

void CXTPCommandBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->FillCommandBar(pDC, this);
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible())
            continue;
        CRect rcIntersect;
        CRect rcControl = pControl->GetRect();
        if (!rcIntersect.IntersectRect(&rcClipBox, &rcControl))
            continue;
        if (pControl->GetBeginGroup() && i > 0)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        pControl->Draw(pDC);
    }
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

void CXTPCommandBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
}

BOOL CXTPCommandBar::OpenControlPopup(int nIndex, BOOL /*bKeyboard*/)
{
    if (m_nPopuped != -1)
    {
        if (CXTPControl* pOpen = GetControl(m_nPopuped))
            pOpen->SetPopupOpen(FALSE);
        m_nPopuped = -1;
    }
    CXTPControl* pControl = GetControl(nIndex);
    if (!pControl || !pControl->GetEnabled() || !pControl->SetPopupOpen(TRUE))
        return FALSE;
    m_nPopuped = nIndex;
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
