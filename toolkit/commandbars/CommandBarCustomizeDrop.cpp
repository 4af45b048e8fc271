// The bar's side of a customize drag: what every bar does while a control
// is dragged over it. Bars that show an insertion marker and insert the
// dropped control override these.
#include "toolkit/commandbars/CommandBar.h"

#include "framework/ui/DropEffect.h"

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

// Only a customizable bar that shows takes drops.
DWORD CXTPCommandBar::OnCustomizeDragOver(CXTPControl*, CPoint)
{
    return IsCustomizable() && IsVisible() ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

void CXTPCommandBar::OnCustomizeDrop(CXTPControl*, DWORD&, CPoint, CPoint)
{
    OnCustomizeDragLeave();
}
