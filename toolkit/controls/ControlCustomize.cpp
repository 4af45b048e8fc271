// A control in customize mode: the press that drags or resizes it, the
// resize loop with its inverted frame on the desktop, and the resize cursor.
#include "toolkit/controls/Control.h"

#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/TrackingLoop.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ResourceManager.h"

#include <algorithm>

namespace {

const UINT IDC_XTP_RESIZE = 9972;

// A frame two pixels wide, inverted (drawing it twice erases it).
void InvertFrame(HDC hDC, const CRect& rc)
{
    ::PatBlt(hDC, rc.left, rc.top, rc.Width(), 2, DSTINVERT);
    ::PatBlt(hDC, rc.left, rc.bottom - 2, rc.Width(), 2, DSTINVERT);
    ::PatBlt(hDC, rc.left, rc.top + 2, 2, rc.Height() - 4, DSTINVERT);
    ::PatBlt(hDC, rc.right - 2, rc.top + 2, 2, rc.Height() - 4, DSTINVERT);
}

void SetResizeCursor()
{
    if (HCURSOR hCursor = GetResourceManager()->LoadCursor(IDC_XTP_RESIZE))
        ::SetCursor(hCursor);
}

} // namespace

void CXTPControl::CustomizeClick(CPoint pt)
{
    if (m_pParent)
    {
        m_pParent->OpenControlPopup(-1);
        m_pParent->SetSelected(-1);
    }
    OnCustomizeMouseDown(MK_LBUTTON, pt);
}

int CXTPControl::HitTestResizeEdge(CPoint point) const
{
    if (!m_rcControl.PtInRect(point))
        return 0;
    if (point.x - m_rcControl.left < 3)
        return -1;
    if (m_rcControl.right - point.x <= 2)
        return 1;
    return 0;
}

void CXTPControl::ShowResizeCursor(CPoint point)
{
    if (IsCustomizeResizeAllowed() && HitTestResizeEdge(point))
        SetResizeCursor();
}

void CXTPControl::OnCustomizeMouseDown(UINT /*nFlags*/, CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    if (pCommandBars->GetDragControl() == this && IsCustomizeResizeAllowed()
        && TrackCustomizeResize(point))
        return;

    pCommandBars->SetDragControl(this);
    InternalAddRef();
    int nResult = pCommandBars->DoCustomizeDrag(this, FALSE);
    CXTPCommandBar* pBar = m_pParent;
    if ((nResult == 0 || nResult == 2) && pBar && m_pControls)
    {
        pBar->OpenControlPopup(-1);
        pBar->SetSelected(-1);
        pCommandBars->SetDragControl(nullptr);
        CXTPControls* pControls = m_pControls;
        int nCount = pControls->GetCount();
        if (m_bBeginGroup && m_nIndex < nCount - 1)
            pControls->GetAt(m_nIndex + 1)->SetBeginGroup(TRUE);
        if (m_nIndex == 0 && nCount > 1)
            pControls->GetAt(1)->SetBeginGroup(FALSE);
        pControls->Remove(this);
        pBar->RecalcLayout();
    }
    pCommandBars->SetDragControl(pCommandBars->GetDragControl());
    InternalRelease();
}

BOOL CXTPControl::TrackCustomizeResize(CPoint point)
{
    int nEdge = HitTestResizeEdge(point);
    CXTPCommandBar* pBar = m_pParent;
    if (!nEdge || !pBar || !pBar->GetSafeHwnd())
        return FALSE;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars)
        pCommandBars->SetDragControl(nullptr);
    pBar->Redraw();
    pBar->UpdateWindow();

    HWND hWndBar = pBar->GetSafeHwnd();
    CRect rc = m_rcControl;
    pBar->ClientToScreen(&rc);
    CPoint ptScreen = point;
    pBar->ClientToScreen(&ptScreen);
    int nGrip = ptScreen.x - (nEdge < 0 ? rc.left : rc.right);
    int nMinWidth = GetCustomizeMinWidth();

    ::SetCapture(hWndBar);
    SetResizeCursor();
    HWND hWndDesktop = ::GetDesktopWindow();
    BOOL bLocked = ::LockWindowUpdate(hWndDesktop);
    HDC hDC = ::GetDCEx(hWndDesktop, nullptr,
                        DCX_WINDOW | DCX_CACHE | (bLocked ? DCX_LOCKWINDOWUPDATE : 0));
    if (hDC)
        InvertFrame(hDC, rc);

    BOOL bAccepted = FALSE;
    RunTrackingLoop(hWndBar, [&](MSG& msg) -> XTPTrackAnswer {
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
        {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(msg.hwnd, &pt);
            CRect rcNew(rc);
            if (nEdge < 0)
                rcNew.left = std::min(static_cast<int>(pt.x) - nGrip, static_cast<int>(rc.right) - nMinWidth);
            else
                rcNew.right = std::max(static_cast<int>(pt.x) - nGrip, static_cast<int>(rc.left) + nMinWidth);
            if (rcNew != rc)
            {
                if (hDC)
                {
                    InvertFrame(hDC, rc);
                    InvertFrame(hDC, rcNew);
                }
                rc = rcNew;
            }
            return xtpTrackHandled;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                return xtpTrackEnd;
            return xtpTrackHandled;
        case WM_LBUTTONUP:
            bAccepted = TRUE;
            return xtpTrackEnd;
        default:
            return xtpTrackDispatch;
        }
    });

    if (hDC)
    {
        InvertFrame(hDC, rc);
        ::ReleaseDC(hWndDesktop, hDC);
    }
    if (::GetCapture() == hWndBar)
        ::ReleaseCapture();
    if (bLocked)
        ::LockWindowUpdate(nullptr);
    if (pCommandBars)
        pCommandBars->SetDragControl(this);

    if (bAccepted && rc.Width() != m_rcControl.Width())
    {
        int nWidth = rc.Width();
        if (pBar->GetType() == xtpBarTypePopup)
            nWidth -= GetPaintManager()->GetPopupGutterWidth(pBar);
        SetWidth(nWidth);
        pBar->RecalcLayout();
    }
    pBar->Redraw();
    return TRUE;
}

BOOL CXTPControl::IsCustomizeDragOverAvail(CXTPCommandBar* /*pBar*/, CPoint /*point*/, DWORD& /*dropEffect*/)
{
    return TRUE;
}

BOOL CXTPControl::AcceptsPopupBarsOnly(const CXTPCommandBar* pBar, DWORD& dropEffect)
{
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        return TRUE;
    dropEffect = DROPEFFECT_NONE;
    return FALSE;
}

void CXTPControl::OnCustomizeDragStart()
{
    if (!m_pParent)
        return;
    m_pParent->OpenControlPopup(-1);
    m_pParent->SetSelected(-1);
}

BOOL CXTPControl::IsCustomizeMovable() const
{
    if (m_pParent && m_pParent->IsCustomizable() && !(m_dwFlags & xtpFlagNoMovable))
        return TRUE;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->GetCommandBarsOptions()->bAllowMoveAll;
}
