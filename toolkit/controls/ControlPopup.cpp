#include "toolkit/controls/ControlPopup.h"

#include "framework/core/Archive.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ShadowsManager.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CXTPControlPopup, CXTPControlButton, 18)

namespace {

// Deeper trees of sub-bars than this are not followed.
const size_t kMaxSubBarDepth = 32;

// The sub-bars being walked now, outermost first: a bar met again is a loop.
std::vector<const CXTPCommandBar*>& BarsOnTheWay()
{
    static std::vector<const CXTPCommandBar*> s_bars;
    return s_bars;
}

// Enters a sub-bar for a recursive walk; IsLoop() says the walk must stop.
class CSubBarWalk
{
public:
    explicit CSubBarWalk(const CXTPCommandBar* pBar)
    {
        std::vector<const CXTPCommandBar*>& bars = BarsOnTheWay();
        m_bLoop = bars.size() >= kMaxSubBarDepth
                  || std::find(bars.begin(), bars.end(), pBar) != bars.end();
        if (!m_bLoop)
            bars.push_back(pBar);
    }
    ~CSubBarWalk()
    {
        if (!m_bLoop)
            BarsOnTheWay().pop_back();
    }
    CSubBarWalk(const CSubBarWalk&) = delete;
    CSubBarWalk& operator=(const CSubBarWalk&) = delete;
    BOOL IsLoop() const { return m_bLoop; }

private:
    BOOL m_bLoop;
};

BOOL IsVerticalBar(const CXTPCommandBar* pBar)
{
    const int nPosition = pBar->GetPosition();
    return nPosition == xtpBarLeft || nPosition == xtpBarRight || nPosition == xtpBarPopup;
}

BOOL ContainsBarWalk(CXTPCommandBar* pTree, CXTPCommandBar* pBar)
{
    if (!pTree)
        return FALSE;
    if (pTree == pBar)
        return TRUE;
    CSubBarWalk walk(pTree);
    if (walk.IsLoop())
        return FALSE;
    for (int i = 0; i < pTree->GetControlCount(); ++i)
        if (ContainsBarWalk(pTree->GetControl(i)->GetCommandBar(), pBar))
            return TRUE;
    return FALSE;
}

} // namespace

CXTPControlPopup::CXTPControlPopup()
    : m_bPopup(FALSE), m_pCommandBar(nullptr), m_bShadow(TRUE)
{
    m_controlType = xtpControlPopup;
}

CXTPControlPopup::~CXTPControlPopup()
{
    SetCommandBar(nullptr);
}

CXTPControlPopup* CXTPControlPopup::CreateControlPopup(int nType)
{
    CXTPControlPopup* pControl = new CXTPControlPopup;
    pControl->SetType(nType);
    return pControl;
}

void CXTPControlPopup::SetCommandBar(CXTPCommandBar* pBar)
{
    if (pBar == m_pCommandBar)
        return;
    if (pBar)
        pBar->InternalAddRef();
    CXTPCommandBar* pOld = m_pCommandBar;
    m_pCommandBar = pBar;
    if (pOld)
    {
        if (CXTPPopupBar* pPopupBar = XTPPopupBarOf(pOld))
            if (pPopupBar->GetControlPopup() == this)
                pPopupBar->SetControlPopup(nullptr);
        pOld->InternalRelease();
    }
}

BOOL CXTPControlPopup::ContainsBar(CXTPCommandBar* pTree, CXTPCommandBar* pBar)
{
    return ContainsBarWalk(pTree, pBar);
}

// --- Opening and closing -----------------------------------------------------------------

BOOL CXTPControlPopup::SetPopupOpen(BOOL bOpen)
{
    if (!m_pCommandBar || !m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    if (bOpen && m_controlType == xtpControlSplitButtonPopup && m_bEnabled == xtpSplitCommandOnly)
        return FALSE;
    if (!bOpen)
    {
        m_bPopup = FALSE;
        m_pCommandBar->SetTrackingMode(0, TRUE);
        RedrawParent(FALSE);
        return TRUE;
    }
    m_bPopup = TRUE;
    RedrawParent(FALSE);
    if (CWnd* pSite = m_pParent->GetSite())
        if (pSite->GetSafeHwnd())
            pSite->UpdateWindow();
    m_pParent->UpdateWindow();
    if (m_pCommandBar->GetTrackingMode())
        return TRUE;
    // Hold the control: opening may end in a reentrant close of the bar.
    InternalAddRef();
    const BOOL bKeyboard = m_nSelected == 2 || m_nSelected == 3;
    const BOOL bOpened = m_pCommandBar->Popup(this, bKeyboard);
    if (bOpened)
        AddShadowPart();
    else
        m_bPopup = FALSE;
    InternalRelease();
    return bOpened;
}

void CXTPControlPopup::AdjustExcludeRect(CRect& rc)
{
    if (!m_pParent)
        return;
    GetPaintManager()->AdjustControlFrameRect(rc, this, IsVerticalBar(m_pParent));
}

void CXTPControlPopup::AddShadowPart()
{
    CXTPPopupBar* pPopupBar = XTPPopupBarOf(m_pCommandBar);
    if (!pPopupBar || !m_pParent || !m_bShadow || m_pParent->GetPosition() == xtpBarPopup
        || m_controlType < xtpControlPopup || m_controlType > xtpControlSplitButtonPopup
        || !pPopupBar->IsShadowEnabled() || !pPopupBar->GetSafeHwnd())
        return;
    CRect rcControl = m_rcControl;
    m_pParent->ClientToScreen(&rcControl);
    XTPShadowsManager()->SetShadow(rcControl, pPopupBar->GetSafeHwnd(),
                                   pPopupBar->GetShadowSettings());
}

void CXTPControlPopup::ExpandAfterDelay()
{
    if (m_bPopup && m_controlType == xtpControlPopup)
        if (CXTPPopupBar* pPopupBar = XTPPopupBarOf(m_pCommandBar))
            pPopupBar->ExpandToFullMenu();
}

// --- Comparison and copy -----------------------------------------------------------------

BOOL CXTPControlPopup::IsEqual(CXTPControl* pOther) const
{
    if (!CXTPControlButton::IsEqual(pOther) || !pOther->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)))
        return FALSE;
    CXTPCommandBar* pOtherBar = pOther->GetCommandBar();
    if (!m_pCommandBar || !pOtherBar || m_pCommandBar == pOtherBar)
        return TRUE;
    CSubBarWalk walk(m_pCommandBar);
    if (walk.IsLoop())
        return TRUE;
    return m_pCommandBar->GetControls()->Compare(pOtherBar->GetControls());
}

void CXTPControlPopup::Copy(CXTPControl* pSource, BOOL bRecursive)
{
    CXTPControlButton::Copy(pSource, bRecursive);
    CXTPCommandBar* pSourceBar = pSource->GetCommandBar();
    if (!pSourceBar)
    {
        SetCommandBar(nullptr);
        return;
    }
    CSubBarWalk walk(pSourceBar);
    if (!bRecursive || walk.IsLoop())
    {
        // Shared, also where a deep copy would run into a loop.
        SetCommandBar(pSourceBar);
        return;
    }
    CXTPCommandBar* pClone = pSourceBar->Clone(TRUE);
    SetCommandBar(pClone);
    pClone->InternalRelease();
}

// --- Mouse and keys ----------------------------------------------------------------------

CRect CXTPControlPopup::GetCommandRect() const
{
    return const_cast<CXTPControlPopup*>(this)->GetPaintManager()->GetSplitButtonCommandRect(
        const_cast<CXTPControlPopup*>(this));
}

void CXTPControlPopup::OnKeyboardActivate()
{
    if (m_pCommandBar && m_pParent)
        m_pParent->OpenControlPopup(m_nIndex, FALSE);
    else
        OnExecute();
}

void CXTPControlPopup::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!m_pParent || m_bEnabled == FALSE || !GetEnabled())
        return;
    CXTPCommandBar* pParent = m_pParent;
    const BOOL bCustomize = pParent->IsCustomizeMode();
    if (bCustomize)
        pParent->GetCommandBars()->SetDragControl(this);
    if (m_bPopup && pParent->GetType() != xtpBarTypePopup)
    {
        // A second click on an open menu-bar item closes the menu.
        pParent->SetTrackingMode(0);
        return;
    }
    if (!bCustomize && m_controlType == xtpControlSplitButtonPopup)
    {
        if (bKeyboard)
        {
            if (m_bEnabled != xtpSplitArrowOnly)
            {
                OnExecute();
                return;
            }
        }
        else if (GetCommandRect().PtInRect(pt))
        {
            if (pParent->GetType() == xtpBarTypePopup)
            {
                pParent->KillTimer(XTP_TID_HOVER);
                return;
            }
            if (m_bEnabled != xtpSplitArrowOnly)
            {
                TrackButtonPress(GetCommandRect());
                return;
            }
        }
        else if (m_bEnabled == xtpSplitCommandOnly)
            return;
    }
    InternalAddRef();
    if (!bCustomize || !m_pCommandBar || m_pCommandBar->IsCustomizable())
        pParent->OpenControlPopup(m_nIndex, FALSE);
    if (bCustomize && m_pParent)
        OnCustomizeMouseDown(MK_LBUTTON, pt);
    InternalRelease();
}

void CXTPControlPopup::OnLButtonUp(CPoint point)
{
    if (!m_pCommandBar)
    {
        CXTPControlButton::OnLButtonUp(point);
        return;
    }
    if (m_controlType == xtpControlSplitButtonPopup && GetEnabled() && m_pParent
        && m_pParent->GetType() == xtpBarTypePopup && point.x < m_rcControl.right - 20
        && m_bEnabled != xtpSplitArrowOnly)
        OnExecute();
}

BOOL CXTPControlPopup::OnLButtonDblClk(CPoint point)
{
    CXTPPopupBar* pPopupBar = XTPPopupBarOf(m_pCommandBar);
    if (!pPopupBar)
        return m_pCommandBar ? FALSE : CXTPControlButton::OnLButtonDblClk(point);
    if (m_controlType != xtpControlPopup && m_controlType != xtpControlButtonPopup)
        return FALSE;
    InternalAddRef();
    if (!m_bPopup && m_pParent)
        m_pParent->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    if (m_bPopup)
    {
        CXTPControls* pControls = pPopupBar->GetControls();
        CXTPControl* pDefault = nullptr;
        for (int i = 0; i < pControls->GetCount() && !pDefault; ++i)
            if (pControls->GetAt(i)->IsDefaultItem() && pControls->GetAt(i)->IsVisible())
                pDefault = pControls->GetAt(i);
        if (pDefault)
            pDefault->OnExecute();
        else
            pPopupBar->ExpandToFullMenu();
    }
    InternalRelease();
    return TRUE;
}

void CXTPControlPopup::OnMouseMove(CPoint point)
{
    if (m_controlType != xtpControlSplitButtonPopup || !m_pCommandBar || !m_pParent
        || m_pParent->GetType() == xtpBarTypePopup || !GetEnabled() || !m_nSelected)
        return;
    const int nState = GetCommandRect().PtInRect(point) ? 3 : 4;
    if (nState != m_nSelected)
    {
        m_nSelected = nState;
        RedrawParent(FALSE);
    }
}

void CXTPControlPopup::OnMouseHover()
{
    if (m_pCommandBar && GetEnabled() && m_pParent
        && (m_pParent->GetTrackingMode() == 2 || m_pParent->GetType() == xtpBarTypePopup))
    {
        m_pParent->OpenControlPopup(m_nIndex, FALSE);
        return;
    }
    CXTPControlButton::OnMouseHover();
}

BOOL CXTPControlPopup::OnSetSelected(int nSelected)
{
    if (!CXTPControlButton::OnSetSelected(nSelected))
        return FALSE;
    if (!m_pCommandBar || !m_pParent)
        return TRUE;
    CXTPCommandBar* pParent = m_pParent;
    const BOOL bPopupBar = pParent->GetType() == xtpBarTypePopup;
    if (m_controlType == xtpControlPopup || bPopupBar)
    {
        // Moving along a menu bar in menu mode keeps a menu open: the item
        // left closes its menu, the item reached opens its own.
        if (bPopupBar || pParent->GetTrackingMode() != 2)
            return TRUE;
        if (nSelected && GetEnabled())
            pParent->OpenControlPopup(m_nIndex, nSelected >= 2);
        else if (!nSelected && m_bPopup)
            pParent->OpenControlPopup(-1);
        return TRUE;
    }
    if ((nSelected == 2 || nSelected == 3) && GetEnabled() && pParent->GetTrackingMode() == 2)
        pParent->OpenControlPopup(m_nIndex, TRUE);
    return TRUE;
}

void CXTPControlPopup::OnCustomizeDragOver(CXTPControl* pDragged)
{
    if (!m_pCommandBar || !m_pCommandBar->IsCustomizable() || !m_pParent)
        return;
    CXTPCommandBar* pDraggedBar = pDragged ? pDragged->GetCommandBar() : nullptr;
    if (pDraggedBar
        && (ContainsBar(pDraggedBar, m_pCommandBar) || ContainsBar(m_pCommandBar, pDraggedBar)))
    {
        m_pParent->OpenControlPopup(-1);
        m_pParent->SetSelected(-1);
        return;
    }
    m_pParent->OpenControlPopup(m_nIndex, FALSE);
}
