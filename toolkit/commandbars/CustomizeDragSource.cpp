#include "toolkit/commandbars/CustomizeDragSource.h"

#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/TrackingLoop.h"
#include "toolkit/draw/ResourceManager.h"

#include <algorithm>

CustomizeDragSource::CustomizeDragSource(CXTPCommandBars* pCommandBars)
    : m_hWndCapture(nullptr), m_pControl(nullptr), m_bMove(TRUE), m_bCopyOnly(FALSE),
      m_pTarget(nullptr), m_pSourceWnd(nullptr), m_pCommandBars(pCommandBars),
      m_bDragRunning(FALSE)
{
    CXTPResourceManager* pResources = GetResourceManager();
    m_hcurNoDrop = pResources->LoadCursor(IDC_DRAG_NONE);
    m_hcurMove = pResources->LoadCursor(IDC_DRAG_MOVE);
    m_hcurCopy = pResources->LoadCursor(IDC_DRAG_COPY);
}

CustomizeDragSource::~CustomizeDragSource() = default;

void CustomizeDragSource::AddDropTarget(CXTPCommandBar* pBar)
{
    m_arrTargets.push_back(pBar);
}

void CustomizeDragSource::RemoveDropTarget(CXTPCommandBar* pBar)
{
    m_arrTargets.erase(std::remove(m_arrTargets.begin(), m_arrTargets.end(), pBar),
                       m_arrTargets.end());
    if (m_pTarget == pBar)
        m_pTarget = nullptr;
}

CXTPCommandBar* CustomizeDragSource::TargetFromPoint(CPoint ptScreen) const
{
    for (int i = GetDropTargetCount() - 1; i >= 0; --i)
    {
        CXTPCommandBar* pBar = m_arrTargets[static_cast<size_t>(i)];
        if (pBar->GetSafeHwnd() == nullptr || !pBar->IsVisible())
            continue;
        CRect rc;
        pBar->GetWindowRect(&rc);
        if (rc.PtInRect(ptScreen))
            return pBar;
    }
    return nullptr;
}

void CustomizeDragSource::SetDragCursor()
{
    if (m_pTarget == nullptr)
        ::SetCursor(m_hcurNoDrop);
    else if (!m_bMove || m_bCopyOnly)
        ::SetCursor(m_hcurCopy);
    else
        ::SetCursor(m_hcurMove);
}

void CustomizeDragSource::LeaveTarget()
{
    CXTPCommandBar* pTarget = m_pTarget;
    m_pTarget = nullptr;
    if (pTarget != nullptr)
        pTarget->OnCustomizeDragLeave();
}

void CustomizeDragSource::UpdateDropTarget(CPoint ptScreen)
{
    CXTPCommandBar* pBar = TargetFromPoint(ptScreen);
    if (pBar != nullptr)
    {
        CPoint ptClient(ptScreen);
        pBar->ScreenToClient(&ptClient);
        if (pBar == m_pTarget)
        {
            pBar->OnCustomizeDragOver(m_pControl, ptClient);
        }
        else
        {
            LeaveTarget();
            // Leaving the old bar may have taken the new one away.
            if (std::find(m_arrTargets.begin(), m_arrTargets.end(), pBar) != m_arrTargets.end()
                && pBar->OnCustomizeDragEnter(m_pControl, ptClient))
                m_pTarget = pBar;
        }
    }
    else
    {
        LeaveTarget();
    }
    SetDragCursor();
}

int CustomizeDragSource::Drop(CPoint ptScreen, int nResult)
{
    CXTPCommandBar* pTarget = m_pTarget;
    if (pTarget == nullptr)
        return nResult;
    DROPEFFECT dropEffect = m_bMove ? xtpDropMoved : xtpDropCopied;
    CPoint ptDrop(ptScreen);
    CPoint ptStart(m_ptStart);
    pTarget->ScreenToClient(&ptDrop);
    pTarget->ScreenToClient(&ptStart);
    pTarget->OnCustomizeDrop(m_pControl, dropEffect, ptDrop, ptStart);
    m_pTarget = nullptr;
    return static_cast<int>(dropEffect);
}

int CustomizeDragSource::DoDragDrop(CXTPControl* pControl, BOOL bCopyOnly)
{
    CWnd* pCapture = m_pSourceWnd;
    if (pCapture == nullptr && m_pCommandBars != nullptr)
        pCapture = m_pCommandBars->GetSite();
    if (pControl == nullptr || pCapture == nullptr || !::IsWindow(pCapture->GetSafeHwnd()))
        return xtpDropCancelled;

    m_hWndCapture = pCapture->GetSafeHwnd();
    m_pControl = pControl;
    m_bCopyOnly = bCopyOnly;
    m_bMove = FALSE;
    m_pTarget = nullptr;
    ::GetCursorPos(&m_ptStart);
    m_bDragRunning = TRUE;
    if (m_pCommandBars != nullptr)
        m_pCommandBars->SetCustomizeDragRunning(TRUE);
    ::SetCapture(m_hWndCapture);

    // Released where nothing moved: cancelled; once the pointer moved: over nothing.
    int nResult = xtpDropCancelled;
    BOOL bFirstMove = TRUE;
    BOOL bEnded = RunTrackingLoop(m_hWndCapture, [&](MSG& msg) {
        // Windows under the moving pointer repaint first.
        MSG msgPaint;
        while (::PeekMessageA(&msgPaint, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageA(&msgPaint);

        switch (msg.message)
        {
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
            {
                nResult = xtpDropCancelled;
                return xtpTrackEnd;
            }
            if (msg.wParam == VK_CONTROL)
            {
                m_bMove = FALSE;
                SetDragCursor();
                return xtpTrackHandled;
            }
            return xtpTrackDispatch;
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL)
            {
                m_bMove = TRUE;
                SetDragCursor();
                return xtpTrackHandled;
            }
            return xtpTrackDispatch;
        case WM_MOUSEMOVE:
            if (bFirstMove)
            {
                bFirstMove = FALSE;
                if (m_pControl->GetParent() != nullptr)
                    m_pControl->OnCustomizeDragStart();
            }
            // Ctrl and the left button as they were when the pointer moved.
            m_bMove = (msg.wParam & MK_CONTROL) == 0;
            UpdateDropTarget(msg.pt);
            nResult = xtpDropNone;
            if ((msg.wParam & MK_LBUTTON) == 0)
            {
                nResult = Drop(msg.pt, nResult);
                return xtpTrackEnd;
            }
            return xtpTrackHandled;
        case WM_LBUTTONUP:
            nResult = Drop(msg.pt, nResult);
            return xtpTrackEnd;
        case WM_RBUTTONDOWN:
            nResult = xtpDropCancelled;
            return xtpTrackEnd;
        default:
            return xtpTrackDispatch;
        }
    });
    // The capture lost or a quit message: cancelled.
    if (!bEnded)
        nResult = xtpDropCancelled;

    LeaveTarget();
    if (::GetCapture() == m_hWndCapture)
        ::ReleaseCapture();
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));   // IDC_ARROW
    m_pControl = nullptr;
    m_hWndCapture = nullptr;
    m_bDragRunning = FALSE;
    if (m_pCommandBars != nullptr)
        m_pCommandBars->SetCustomizeDragRunning(FALSE);
    return nResult;
}

int CXTPCommandBars::DoCustomizeDrag(CXTPControl* pControl, BOOL bCopy)
{
    return m_pDragSource->DoDragDrop(pControl, bCopy);
}
