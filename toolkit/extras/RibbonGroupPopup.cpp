#include "toolkit/extras/RibbonGroupPopup.h"

#include "toolkit/commandbars/Animation.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroup.h"

IMPLEMENT_DYNCREATE(CXTPRibbonGroupControlPopup, CXTPControlPopup)
IMPLEMENT_DYNCREATE(CXTPRibbonGroupPopupToolBar, CXTPPopupToolBar)

namespace {

CXTPRibbonBar* RibbonOf(CXTPCommandBar* pBar)
{
    if (!pBar)
        return nullptr;
    if (pBar->IsRibbonBar())
        return static_cast<CXTPRibbonBar*>(pBar);
    CXTPCommandBars* pCommandBars = pBar->GetCommandBars();
    CXTPMenuBar* pMenuBar = pCommandBars ? pCommandBars->GetMenuBar() : nullptr;
    return pMenuBar && pMenuBar->IsRibbonBar() ? static_cast<CXTPRibbonBar*>(pMenuBar) : nullptr;
}

} // namespace

// --- CXTPRibbonGroupControlPopup -----------------------------------------------------------

CXTPRibbonGroupControlPopup::CXTPRibbonGroupControlPopup(CXTPRibbonGroup* pGroup)
    : m_pGroup(pGroup), m_pPopupGroup(pGroup)
{
    m_controlType = xtpControlButtonPopup;
    m_dwFlags = xtpFlagManualUpdate;
    m_buttonStyle = xtpButtonIconAndCaption;
}

CXTPRibbonGroupControlPopup::~CXTPRibbonGroupControlPopup() = default;

BOOL CXTPRibbonGroupControlPopup::SetPopupOpen(BOOL bOpen)
{
    if (bOpen)
    {
        // A copy (in the quick access row, say) finds its group on the
        // ribbon by its id each time it opens: the group may be gone.
        CXTPRibbonGroup* pGroup = m_pPopupGroup;
        if (!m_pGroup)
        {
            CXTPRibbonBar* pRibbon = RibbonOf(m_pParent);
            pGroup = pRibbon ? pRibbon->FindGroup(m_nId) : nullptr;
        }
        CXTPCommandBars* pCommandBars = m_pParent ? m_pParent->GetCommandBars() : nullptr;
        CXTPPopupBar* pPopup = pGroup ? new CXTPRibbonGroupPopupToolBar(pGroup)
                                      : CXTPPopupToolBar::CreatePopupToolBar(pCommandBars);
        pPopup->SetCommandBars(pCommandBars);
        SetCommandBar(pPopup);
        pPopup->InternalRelease();
    }
    const BOOL bResult = CXTPControlPopup::SetPopupOpen(bOpen);
    RedrawParent(FALSE);
    return bResult;
}

CSize CXTPRibbonGroupControlPopup::GetSize(CDC* pDC)
{
    CXTPRibbonBar* pRibbon = RibbonOf(m_pParent);
    if (!pRibbon)
        return CXTPControlPopup::GetSize(pDC);
    return pRibbon->GetRibbonTheme()->DrawGroupPopupButton(pDC, this, FALSE);
}

void CXTPRibbonGroupControlPopup::Draw(CDC* pDC)
{
    CXTPRibbonBar* pRibbon = RibbonOf(m_pParent);
    if (!pRibbon)
    {
        CXTPControlPopup::Draw(pDC);
        return;
    }
    pRibbon->GetRibbonTheme()->DrawGroupPopupButton(pDC, this, TRUE);
}

void CXTPRibbonGroupControlPopup::Copy(CXTPControl* pSource, BOOL bRecursive)
{
    // The sub-bar is made at each opening; it is never copied.
    CXTPControlButton::Copy(pSource, bRecursive);
    m_pGroup = nullptr;
    m_pPopupGroup = nullptr;
}

// --- CXTPRibbonGroupPopupToolBar -----------------------------------------------------------

CXTPRibbonGroupPopupToolBar::CXTPRibbonGroupPopupToolBar(CXTPRibbonGroup* pGroup)
{
    m_pAnimation->EnableAnimation(TRUE);
    if (!pGroup)
        return;
    m_pRibbonBar = pGroup->GetRibbonBar();
    m_pCommandBars = m_pRibbonBar ? m_pRibbonBar->GetCommandBars() : nullptr;
    m_pGroup = static_cast<CXTPRibbonGroup*>(pGroup->GetRuntimeClass()->CreateObject());
    m_pGroup->SetPopupBar(this);
    m_pGroup->Copy(pGroup);
    m_pGroup->OnGroupAdded();
    const int nCaption = m_pRibbonBar ? m_pRibbonBar->GetRibbonTheme()->GetGroupCaptionHeight() : 0;
    SetPopupToolBarMargins(CRect(2, 2, 3, nCaption + 1));
    m_dwFlags |= xtpFlagPopupDropDown;
}

CXTPRibbonGroupPopupToolBar::~CXTPRibbonGroupPopupToolBar()
{
    if (m_pGroup)
    {
        m_pGroup->OnGroupRemoved();
        m_pGroup->InternalRelease();
    }
}

CSize CXTPRibbonGroupPopupToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (!m_pGroup || !m_pRibbonBar)
        return CXTPPopupToolBar::CalcDynamicLayout(nLength, dwMode);
    CClientDC dc(m_hWnd ? this : nullptr);
    CXTPFontDC font(&dc, GetPaintManager()->GetControlFont(this, FALSE));
    m_pGroup->OnBeforeLayout(&dc);
    const int nWidth = m_pGroup->GetWidth(&dc);
    const int nHeight = m_pRibbonBar->GetGroupsHeight() - 7;
    m_pGroup->OnPlace(CRect(0, 0, nWidth, nHeight));
    m_pGroup->OnAfterLayout();
    return CSize(m_rcBorders.left + m_rcBorders.right + nWidth, nHeight);
}

void CXTPRibbonGroupPopupToolBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    if (!m_pGroup || !m_pRibbonBar)
    {
        CXTPPopupToolBar::DrawCommandBar(pDC, rcClipBox);
        return;
    }
    m_pRibbonBar->GetRibbonTheme()->FillGroupPopupBar(pDC, m_pGroup, this);
    pDC->SetBkMode(TRANSPARENT);
    m_pGroup->Draw(pDC, rcClipBox);
}
