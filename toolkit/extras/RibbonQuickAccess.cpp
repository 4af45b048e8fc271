// The quick access row: its controls, its layout, the menu that adds and
// removes controls or moves the row, and the popup of the controls the row
// has no room for.
#include "toolkit/extras/RibbonQuickAccess.h"

#include "framework/ui/Menu.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/ControlToolbars.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonGroupPopup.h"
#include "toolkit/res/ToolkitRes.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPRibbonBarControlQuickAccessPopup, CXTPControlPopup)

namespace {

// The width the more popup lays its controls out in.
const int kMorePopupWidth = 300;

} // namespace

// --- CXTPRibbonQuickAccessControls ---------------------------------------------------------

CXTPRibbonQuickAccessControls::~CXTPRibbonQuickAccessControls()
{
    RemoveAll();
}

CXTPControl* CXTPRibbonQuickAccessControls::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[static_cast<size_t>(nIndex)] : nullptr;
}

BOOL CXTPRibbonQuickAccessControls::Contains(const CXTPControl* pControl) const
{
    return std::find(m_arrControls.begin(), m_arrControls.end(), pControl) != m_arrControls.end();
}

CXTPControl* CXTPRibbonQuickAccessControls::Find(int nType, int nID) const
{
    for (CXTPControl* pControl : m_arrControls)
        if (pControl->GetType() == nType && pControl->GetID() == nID)
            return pControl;
    return nullptr;
}

CXTPControl* CXTPRibbonQuickAccessControls::Add(CXTPControl* pControl)
{
    if (!pControl)
        return nullptr;
    m_arrControls.push_back(pControl);
    // The bar's collection takes a reference of its own; the row's stays here.
    pControl->InternalAddRef();
    CXTPControls* pBarControls = m_pRibbonBar->GetControls();
    const int nBefore = m_pRibbonBar->GetControlQuickAccess()->GetIndex();
    pBarControls->Add(pControl, pControl->GetID(), nullptr, nBefore);
    m_pRibbonBar->Reposition();
    return pControl;
}

CXTPControl* CXTPRibbonQuickAccessControls::AddCopy(CXTPControl* pControl)
{
    CXTPControl* pCopy = pControl->Clone(TRUE);
    pCopy->SetHideFlags(0);
    pCopy->SetBeginGroup(FALSE);
    pCopy->SetCustomStyle(-1);
    return Add(pCopy);
}

void CXTPRibbonQuickAccessControls::Remove(CXTPControl* pControl)
{
    if (!Contains(pControl))
        return;
    pControl->InternalAddRef();
    if (pControl->GetControls() == m_pRibbonBar->GetControls())
        m_pRibbonBar->GetControls()->Remove(pControl);
    OnRemovedFromBar(pControl);
    pControl->InternalRelease();
    m_pRibbonBar->Reposition();
}

void CXTPRibbonQuickAccessControls::RemoveAll()
{
    while (!m_arrControls.empty())
    {
        CXTPControl* pControl = m_arrControls.back();
        pControl->InternalAddRef();
        if (m_pRibbonBar->GetControls() && pControl->GetControls() == m_pRibbonBar->GetControls())
            m_pRibbonBar->GetControls()->Remove(pControl);
        OnRemovedFromBar(pControl);
        pControl->InternalRelease();
    }
}

void CXTPRibbonQuickAccessControls::OnRemovedFromBar(CXTPControl* pControl)
{
    auto it = std::find(m_arrControls.begin(), m_arrControls.end(), pControl);
    if (it == m_arrControls.end())
        return;
    m_arrControls.erase(it);
    pControl->InternalRelease();
}

void CXTPRibbonQuickAccessControls::DoPropExchange(CXTPPropExchange* pPX)
{
    // The row is exchanged as a control collection of its own.
    CXTPControls* pControls = new CXTPControls;
    pControls->SetCommandBars(m_pRibbonBar->GetCommandBars());
    if (pPX->IsStoring())
    {
        for (CXTPControl* pControl : m_arrControls)
            pControls->AddCopy(pControl);
        pControls->DoPropExchange(pPX);
    }
    else
    {
        pControls->DoPropExchange(pPX);
        RemoveAll();
        for (int i = 0; i < pControls->GetCount(); ++i)
            AddCopy(pControls->GetAt(i));
    }
    pControls->InternalRelease();
}

// --- Layout --------------------------------------------------------------------------------

int CXTPRibbonBar::LayoutQuickAccess(CDC* pDC, int x, int nRight, const CRect& rcRow)
{
    m_pControlQuickAccessMore->SetHideFlag(xtpHideWrap, TRUE);
    const BOOL bShown = m_bShowQuickAccess;
    m_pControlQuickAccess->SetHideFlag(xtpHideWrap, !bShown);
    if (!bShown)
    {
        for (int i = 0; i < m_pQuickAccessControls->GetCount(); ++i)
            m_pQuickAccessControls->GetAt(i)->SetHideFlag(xtpHideWrap, TRUE);
        return x;
    }
    auto place = [&](CXTPControl* pControl) {
        const CSize size = pControl->GetSize(pDC);
        const int y = rcRow.top + (rcRow.Height() - size.cy) / 2;
        pControl->SetRect(CRect(x, y, x + size.cx, y + size.cy));
        x += size.cx;
    };
    BOOL bOverflow = FALSE;
    for (int i = 0; i < m_pQuickAccessControls->GetCount(); ++i)
    {
        CXTPControl* pControl = m_pQuickAccessControls->GetAt(i);
        pControl->SetHideFlag(xtpHideWrap, FALSE);
        if (!pControl->IsVisible())
            continue;
        if (!bOverflow && x + pControl->GetSize(pDC).cx > nRight)
            bOverflow = TRUE;
        if (bOverflow)
        {
            pControl->SetHideFlag(xtpHideWrap, TRUE);
            continue;
        }
        place(pControl);
    }
    if (bOverflow)
    {
        m_pControlQuickAccessMore->SetHideFlag(xtpHideWrap, FALSE);
        place(m_pControlQuickAccessMore);
    }
    place(m_pControlQuickAccess);
    return x;
}

// --- Which controls the row takes ----------------------------------------------------------

BOOL CXTPRibbonBar::IsQuickAccessControl(CXTPControl* pControl) const
{
    if (!pControl)
        return FALSE;
    if (pControl == m_pControlQuickAccess || pControl == m_pControlQuickAccessMore)
        return TRUE;
    return !pControl->GetRibbonGroup() && m_pQuickAccessControls->Contains(pControl);
}

BOOL CXTPRibbonBar::IsAllowQuickAccessControl(CXTPControl* pControl) const
{
    if (!pControl || pControl->GetType() == xtpControlGallery)
        return FALSE;
    if (!m_bAllowQuickAccessDuplicates && m_pQuickAccessControls->Find(pControl->GetType(), pControl->GetID()))
        return FALSE;
    if (pControl->IsKindOf(RUNTIME_CLASS(CXTPRibbonGroupControlPopup)))
        return pControl->GetID() > 0;
    return (pControl->GetFlags() & xtpFlagNoMovable) == 0;
}

// --- The menu ------------------------------------------------------------------------------

CXTPPopupBar* CXTPRibbonBar::CreateQuickAccessMenu(CXTPControl* pControl)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CWnd* pSite = GetSite();
    if (!m_bShowQuickAccess)
    {
        if (!pCommandBars)
            return nullptr;
        CXTPPopupBar* pPopup = pCommandBars->CreateToolbarsContextMenu();
        if (pPopup && pSite && pSite->GetSafeHwnd())
            pSite->SendMessage(XTP_WM_QUICKACCESSMENU, 0, reinterpret_cast<LPARAM>(pPopup));
        return pPopup;
    }
    CMenu menu;
    if (!menu.LoadMenu(XTP_IDR_RIBBONCUSTOMIZEMENU))
        return nullptr;
    CMenu* pSubMenu = menu.GetSubMenu(0);
    if (!pSubMenu)
        return nullptr;
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    pPopup->SetOwner(this);
    pPopup->LoadMenu(pSubMenu);
    CXTPControl* pList = pPopup->GetControls()->Add(new CXTPControlToolbars,
                                                    static_cast<int>(XTP_ID_TOOLBARS_LIST), nullptr, 2);
    pList->SetBeginGroup(TRUE);

    // The items act on the target, which lives as long as the menu does.
    if (m_pQuickAccessMenuTarget)
        m_pQuickAccessMenuTarget->InternalRelease();
    m_pQuickAccessMenuTarget = pControl;
    if (pControl)
        pControl->InternalAddRef();

    const BOOL bInRow = IsQuickAccessControl(pControl);
    const BOOL bFixed = pControl && (pControl->GetFlags() & xtpFlagNoMovable) != 0;
    for (int i = 0; i < pPopup->GetControlCount(); ++i)
    {
        CXTPControl* pItem = pPopup->GetControl(i);
        BOOL bVisible = TRUE;
        switch (pItem->GetID())
        {
        case XTP_ID_RIBBONCUSTOMIZE_REMOVE:
            bVisible = bInRow && !bFixed;
            break;
        case XTP_ID_RIBBONCUSTOMIZE_ADD:
            bVisible = !bInRow && !bFixed;
            pItem->SetEnabled(IsAllowQuickAccessControl(pControl));
            break;
        case XTP_ID_RIBBONCUSTOMIZE:
            break;
        case XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW:
            bVisible = (bInRow || bFixed) && !m_bShowQuickAccessBelow;
            break;
        case XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE:
            bVisible = (bInRow || bFixed) && m_bShowQuickAccessBelow;
            break;
        default:
            continue;
        }
        pItem->SetFlags(pItem->GetFlags() | xtpFlagManualUpdate);
        pItem->SetTag(reinterpret_cast<DWORD_PTR>(pControl));
        pItem->SetVisible(bVisible);
    }
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(XTP_WM_QUICKACCESSMENU, 0, reinterpret_cast<LPARAM>(pPopup));
    return pPopup;
}

void CXTPRibbonBar::ShowQuickAccessMenu(CXTPControl* pControl, CPoint ptScreen)
{
    CXTPPopupBar* pPopup = CreateQuickAccessMenu(pControl);
    if (!pPopup)
        return;
    CXTPCommandBars::TrackCommandBarPopup(pPopup, 0, ptScreen.x, ptScreen.y, this);
    pPopup->InternalRelease();
}

LRESULT CXTPRibbonBar::OnControlExecuted(WPARAM wParam, LPARAM lParam)
{
    const NMXTPCONTROL* pNotify = reinterpret_cast<const NMXTPCONTROL*>(lParam);
    if (!pNotify || !pNotify->pControl || pNotify->hdr.code != CBN_XTP_EXECUTE)
        return 0;
    CXTPControl* pTarget = reinterpret_cast<CXTPControl*>(pNotify->pControl->GetTag());
    switch (static_cast<int>(wParam))
    {
    case XTP_ID_RIBBONCUSTOMIZE_ADD:
        if (pTarget && IsAllowQuickAccessControl(pTarget))
            m_pQuickAccessControls->AddCopy(pTarget);
        return TRUE;
    case XTP_ID_RIBBONCUSTOMIZE_REMOVE:
        if (pTarget)
            m_pQuickAccessControls->Remove(pTarget);
        return TRUE;
    case XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW:
        SetShowQuickAccessBelow(TRUE);
        return TRUE;
    case XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE:
        SetShowQuickAccessBelow(FALSE);
        return TRUE;
    case XTP_ID_RIBBONCUSTOMIZE:
        if (CWnd* pSite = GetSite())
            if (pSite->GetSafeHwnd() && !pSite->SendMessage(WM_XTP_COMMAND, wParam, lParam))
                pSite->SendMessage(WM_COMMAND, wParam, 0);
        return TRUE;
    default:
        return 0;
    }
}

void CXTPRibbonBar::OnQuickAccessBelow()
{
    SetShowQuickAccessBelow(TRUE);
}

void CXTPRibbonBar::OnQuickAccessAbove()
{
    SetShowQuickAccessBelow(FALSE);
}

// --- The more popup ------------------------------------------------------------------------

CXTPPopupBar* CXTPRibbonBar::CreateQuickAccessMorePopup()
{
    CXTPPopupToolBar* pPopup = CXTPPopupToolBar::CreatePopupToolBar(GetCommandBars());
    pPopup->SetOwner(this);
    pPopup->SetMRUWidth(kMorePopupWidth);
    for (int i = 0; i < m_pQuickAccessControls->GetCount(); ++i)
    {
        CXTPControl* pControl = m_pQuickAccessControls->GetAt(i);
        if (pControl->GetHideFlags() & xtpHideWrap)
        {
            CXTPControl* pCopy = pPopup->GetControls()->AddCopy(pControl);
            pCopy->SetHideFlags(0);
        }
    }
    pPopup->GetControls()->AddCopy(m_pControlQuickAccess);
    return pPopup;
}

// --- The row's buttons ---------------------------------------------------------------------

CXTPRibbonQuickAccessRowButton::CXTPRibbonQuickAccessRowButton()
{
    m_dwFlags = xtpFlagNoMovable | xtpFlagManualUpdate;
}

CSize CXTPRibbonQuickAccessRowButton::GetSize(CDC* /*pDC*/)
{
    return CSize(13, 22);
}

CXTPRibbonBar* CXTPRibbonQuickAccessRowButton::GetRibbonBar() const
{
    return m_pParent && m_pParent->IsRibbonBar() ? static_cast<CXTPRibbonBar*>(m_pParent) : nullptr;
}

void CXTPRibbonQuickAccessRowButton::OnClick(BOOL /*bKeyboard*/, CPoint /*pt*/)
{
    CXTPRibbonBar* pRibbonBar = GetRibbonBar();
    if (!pRibbonBar || !pRibbonBar->GetSafeHwnd())
        return;
    CRect rc = m_rcControl;
    pRibbonBar->ClientToScreen(&rc);
    OpenAt(pRibbonBar, CPoint(rc.left, rc.bottom));
}

void CXTPRibbonBarControlQuickAccessPopup::Draw(CDC* pDC)
{
    if (CXTPRibbonBar* pRibbonBar = GetRibbonBar())
        pRibbonBar->GetRibbonTheme()->DrawQuickAccessCustomizeButton(pDC, this);
}

void CXTPRibbonBarControlQuickAccessPopup::OpenAt(CXTPRibbonBar* pRibbonBar, CPoint ptScreen)
{
    pRibbonBar->ShowQuickAccessMenu(this, ptScreen);
}

void CXTPRibbonBar::CControlQuickAccessMorePopup::Draw(CDC* pDC)
{
    if (CXTPRibbonBar* pRibbonBar = GetRibbonBar())
        pRibbonBar->GetRibbonTheme()->DrawQuickAccessMoreButton(pDC, this);
}

void CXTPRibbonBar::CControlQuickAccessMorePopup::OpenAt(CXTPRibbonBar* pRibbonBar, CPoint ptScreen)
{
    CXTPPopupBar* pPopup = pRibbonBar->CreateQuickAccessMorePopup();
    CXTPCommandBars::TrackCommandBarPopup(pPopup, 0, ptScreen.x, ptScreen.y, pRibbonBar);
    pPopup->InternalRelease();
}
