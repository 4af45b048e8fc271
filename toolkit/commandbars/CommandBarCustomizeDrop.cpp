// The bar's side of a customize drag: where a dragged control would land
// among the bar's controls, the I-beam marker that shows it, and the drop
// that inserts a copy of the control there (the drag's source removes the
// original after a move).
#include "toolkit/commandbars/CommandBar.h"

#include "framework/ui/Dc.h"
#include "framework/ui/DropEffect.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/CustomizeDragSource.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"

#include <stdlib.h>

namespace {

const int MARKER_THICKNESS = 6;

// The distance of the point from the control's centre along the list.
int DistanceAlong(const CRect& rc, CPoint point, BOOL bVertical)
{
    return bVertical ? abs(point.y - (rc.top + rc.bottom) / 2) : abs(point.x - (rc.left + rc.right) / 2);
}

// Whether the point lies in the control's row of a horizontal list.
BOOL InRowOf(const CXTPControl* pControl, CPoint point)
{
    CRect rcRow = pControl->GetRowRect();
    if (rcRow.IsRectEmpty())
        rcRow = pControl->GetRect();
    return point.y >= rcRow.top && point.y < rcRow.bottom;
}

} // namespace

int CXTPCommandBar::FindDropIndex(CXTPControl* pSource, CPoint point, CRect& rcMarker, BOOL& bAfter) const
{
    rcMarker.SetRectEmpty();
    bAfter = FALSE;
    const BOOL bVertical = IsVerticalPosition() || m_barType == xtpBarTypePopup;

    // The visible, movable controls; a horizontal list looks at the
    // point's row first.
    int nBest = -1;
    int nBestDistance = 0;
    for (int nPass = bVertical ? 1 : 0; nPass < 2 && nBest == -1; ++nPass)
    {
        for (int i = 0; i < GetControlCount(); ++i)
        {
            CXTPControl* pControl = GetControl(i);
            if (!pControl->IsVisible() || !pControl->IsCustomizeMovable())
                continue;
            if (nPass == 0 && !InRowOf(pControl, point))
                continue;
            int nDistance = DistanceAlong(pControl->GetRect(), point, bVertical);
            if (nBest == -1 || nDistance < nBestDistance)
            {
                nBest = i;
                nBestDistance = nDistance;
            }
        }
    }

    if (nBest == -1)
    {
        if (m_barType != xtpBarTypeRibbon)
        {
            CRect rcClient;
            GetClientRect(&rcClient);
            rcMarker.SetRect(2, 2, 2 + MARKER_THICKNESS, rcClient.bottom - 2);
        }
        return -1;
    }

    CXTPControl* pControl = GetControl(nBest);
    const CRect rc = pControl->GetRect();
    const CPoint ptCentre = rc.CenterPoint();
    bAfter = bVertical ? point.y >= ptCentre.y : point.x >= ptCentre.x;
    if (pControl == pSource || m_barType == xtpBarTypeRibbon)
        return nBest;

    // After the control the marker stays inside it when nothing follows in
    // its group or row.
    CXTPControl* pNext = nullptr;
    for (int i = nBest + 1; i < GetControlCount() && pNext == nullptr; ++i)
        if (GetControl(i)->IsVisible())
            pNext = GetControl(i);
    const BOOL bInside = pNext == nullptr || pNext->GetBeginGroup() || pNext->GetWrap()
                         || (!bVertical && pNext->GetRect().top >= rc.bottom);
    if (bVertical)
    {
        int nTop = !bAfter ? rc.top : bInside ? rc.bottom - MARKER_THICKNESS : rc.bottom;
        rcMarker.SetRect(rc.left, nTop, rc.right, nTop + MARKER_THICKNESS);
    }
    else
    {
        int nLeft = !bAfter ? rc.left : bInside ? rc.right - MARKER_THICKNESS : rc.right;
        rcMarker.SetRect(nLeft, rc.top, nLeft + MARKER_THICKNESS, rc.bottom);
    }
    return nBest;
}

BOOL CXTPCommandBar::OnCustomizeDragEnter(CXTPControl* pControl, CPoint point)
{
    m_rcMarker.SetRectEmpty();
    return OnCustomizeDragOver(pControl, point) != DROPEFFECT_NONE;
}

void CXTPCommandBar::OnCustomizeDragLeave()
{
    if (m_rcMarker.IsRectEmpty())
        return;
    m_rcMarker.SetRectEmpty();
    Redraw();
}

DWORD CXTPCommandBar::OnCustomizeDragOver(CXTPControl* pControl, CPoint point)
{
    if (!IsCustomizable() || !IsVisible())
        return DROPEFFECT_NONE;
    // The dragged control decides whether this bar may take it at all.
    DWORD dropEffect = DROPEFFECT_MOVE;
    if (pControl && !pControl->IsCustomizeDragOverAvail(this, point, dropEffect))
    {
        OnCustomizeDragLeave();
        return DROPEFFECT_NONE;
    }

    // Over another control than the one whose popup is open, the tracked
    // popups close; a popup control opens its own under the pointer.
    CXTPControl* pHit = m_pControls->HitTest(point);
    if (pHit != nullptr && pHit->GetIndex() != m_nPopuped && GetParentCommandBar() == nullptr)
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->CloseAllPopups();
    if (pHit != nullptr && pHit != pControl && pHit->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)))
        static_cast<CXTPControlPopup*>(pHit)->OnCustomizeDragOver(pControl);

    CRect rcMarker;
    BOOL bAfter = FALSE;
    FindDropIndex(pControl, point, rcMarker, bAfter);
    if (rcMarker != m_rcMarker)
    {
        m_rcMarker = rcMarker;
        m_bVerticalMarker = IsVerticalPosition() || m_barType == xtpBarTypePopup;
        Redraw();
    }
    return dropEffect;
}

void CXTPCommandBar::OnCustomizeDrop(CXTPControl* pControl, DWORD& dropEffect, CPoint ptDrop,
                                     CPoint ptDrag)
{
    CRect rcMarker;
    BOOL bAfter = FALSE;
    int nIndex = FindDropIndex(pControl, ptDrop, rcMarker, bAfter);
    CXTPControl* pTarget = nIndex >= 0 ? GetControl(nIndex) : nullptr;

    if (pTarget == pControl)
    {
        // Dropped on itself: a move far enough starts or ends a group; the
        // control stays where it is either way, so nothing may remove it.
        if (abs(ptDrop.x - ptDrag.x) > 4 || abs(ptDrop.y - ptDrag.y) > 4)
            pControl->SetBeginGroup(bAfter && pControl->GetIndex() != 0);
        dropEffect = xtpDropCancelled;
    }
    else
    {
        OpenControlPopup(-1);
        SetSelected(-1);
        int nBefore = pTarget == nullptr ? -1 : bAfter ? nIndex + 1 : nIndex;
        if (nBefore >= GetControlCount())
            nBefore = -1;
        CXTPControl* pFollowing = nBefore >= 0 ? GetControl(nBefore) : nullptr;
        CXTPControl* pNew = m_pControls->AddCopy(pControl, nBefore);
        // The group starts with the new control, not the one it pushed on.
        if (pFollowing != nullptr && pFollowing->GetBeginGroup())
        {
            pFollowing->SetBeginGroup(FALSE);
            pNew->SetBeginGroup(TRUE);
        }
        else
        {
            pNew->SetBeginGroup(FALSE);
        }
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->SetDragControl(pNew);
    }
    OnRecalcLayout();
    m_rcMarker.SetRectEmpty();
    Redraw();
}

void CXTPCommandBar::DrawDropMarker(CDC* pDC) const
{
    if (m_rcMarker.IsRectEmpty())
        return;
    // An inverted I-beam: the two serifs at each end and the bar between.
    HBRUSH hOld = static_cast<HBRUSH>(::SelectObject(pDC->m_hDC, ::GetSysColorBrush(COLOR_BTNFACE)));
    const CRect& rc = m_rcMarker;
    auto blt = [&](int x, int y, int cx, int cy) {
        if (m_bVerticalMarker)
            ::PatBlt(pDC->m_hDC, rc.left + y, rc.top + x, cy, cx, PATINVERT);
        else
            ::PatBlt(pDC->m_hDC, rc.left + x, rc.top + y, cx, cy, PATINVERT);
    };
    // Drawn for a vertical marker and turned for a list that runs downwards.
    const int nLength = m_bVerticalMarker ? rc.Width() : rc.Height();
    const int nWidth = m_bVerticalMarker ? rc.Height() : rc.Width();
    blt(0, 0, nWidth, 1);
    blt(1, 1, nWidth - 2, 1);
    blt(0, nLength - 1, nWidth, 1);
    blt(1, nLength - 2, nWidth - 2, 1);
    blt(nWidth / 2 - 1, 2, 2, nLength - 4);
    ::SelectObject(pDC->m_hDC, hOld);
}
