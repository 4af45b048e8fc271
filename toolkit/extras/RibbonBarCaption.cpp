// The caption of a skinned frame as the ribbon handles it: the caption
// buttons at its right end, what it answers to a hit test, and what a press,
// a double click or the right button on it does to the frame.
#include "toolkit/extras/RibbonBarCaption.h"

#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/draw/RibbonTheme.h"

#include <algorithm>

namespace {

// The frame's system menu sent to the frame at a screen point: the message
// the window's own caption uses to open it.
const UINT kPopupSystemMenu = 0x0313;
// The top edge of the caption that sizes the frame.
const int kSizingEdge = 5;

// The caption buttons from the right end leftwards: the system command, the
// frame style that offers it (0: always) and the maximised state it needs
// (-1: either).
struct CaptionButtonRow
{
    UINT nCommand;
    DWORD dwStyle;
    int nMaximized;
};
const CaptionButtonRow kCaptionButtons[] = {
    {SC_CLOSE, 0, -1},
    {SC_RESTORE, WS_MAXIMIZEBOX, 1},
    {SC_MAXIMIZE, WS_MAXIMIZEBOX, 0},
    {SC_MINIMIZE, WS_MINIMIZEBOX, -1},
};

HWND FrameWindow(const FrameHook* pHook)
{
    CWnd* pSite = pHook ? pHook->GetSite() : nullptr;
    return pSite ? pSite->GetSafeHwnd() : nullptr;
}

// The text of the command in the frame's system menu, up to its tab.
CString SystemMenuText(HWND hFrame, UINT nCommand)
{
    CString strText;
    HMENU hMenu = hFrame ? ::GetSystemMenu(hFrame, FALSE) : nullptr;
    const int nLength = hMenu ? ::GetMenuStringA(hMenu, nCommand, nullptr, 0, MF_BYCOMMAND) : 0;
    if (nLength <= 0)
        return strText;
    ::GetMenuStringA(hMenu, nCommand, strText.GetBuffer(nLength + 1), nLength + 1, MF_BYCOMMAND);
    strText.ReleaseBuffer();
    const int nTab = strText.Find('\t');
    return nTab >= 0 ? strText.Left(nTab) : strText;
}

} // namespace

// --- The caption buttons -------------------------------------------------------------------

CXTPRibbonBar::CControlCaptionButton::CControlCaptionButton()
{
    m_dwFlags = xtpFlagSkipFocus | xtpFlagManualUpdate | xtpFlagNoMovable;
}

FrameHook* CXTPRibbonBar::CControlCaptionButton::GetFrameHook() const
{
    return m_pParent && m_pParent->IsRibbonBar() ? static_cast<CXTPRibbonBar*>(m_pParent)->GetFrameHook()
                                                 : nullptr;
}

void CXTPRibbonBar::CControlCaptionButton::Draw(CDC* pDC)
{
    FrameHook* pHook = GetFrameHook();
    if (!pHook)
        return;
    static_cast<CXTPRibbonBar*>(m_pParent)->GetRibbonTheme()->DrawFrameCaptionButton(
        pDC, GetRect(), GetID(), GetSelected(), GetPressed(), pHook->IsFrameActive());
}

void CXTPRibbonBar::CControlCaptionButton::OnExecute()
{
    // The frame carries the command out as its own caption would.
    if (HWND hFrame = FrameWindow(GetFrameHook()))
        ::PostMessageA(hFrame, WM_SYSCOMMAND, static_cast<WPARAM>(GetID()), 0);
}

CXTPControl* CXTPRibbonBar::GetCaptionButton(int nCommand) const
{
    for (int i = 0; i < m_pControls->GetCount(); ++i)
    {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->GetID() == nCommand && dynamic_cast<CControlCaptionButton*>(pControl))
            return pControl;
    }
    return nullptr;
}

void CXTPRibbonBar::LayoutCaptionButtons()
{
    HWND hFrame = FrameWindow(m_pFrameHook.get());
    const DWORD dwStyle = hFrame ? static_cast<DWORD>(::GetWindowLongA(hFrame, GWL_STYLE)) : 0;
    const int nMaximized = (dwStyle & WS_MAXIMIZE) ? 1 : 0;
    if (hFrame)
    {
        // The title keeps clear of the quick access row when the row sits
        // in the caption; otherwise of the frame's icon.
        const BOOL bRowInCaption = m_bShowQuickAccess && !m_bShowQuickAccessBelow;
        m_rcCaptionText.left = bRowInCaption ? m_pControlQuickAccess->GetRect().right + 12 : 70;
        m_rcCaptionText.top += 4;
        m_rcCaptionText.bottom -= 3;
    }
    const int nSide = m_rcCaptionText.Height();
    int x = m_rcCaptionText.right;
    for (const CaptionButtonRow& row : kCaptionButtons)
    {
        const BOOL bWanted = hFrame && (!row.dwStyle || (dwStyle & row.dwStyle))
                             && (row.nMaximized < 0 || row.nMaximized == nMaximized);
        CXTPControl* pButton = GetCaptionButton(static_cast<int>(row.nCommand));
        if (!bWanted)
        {
            if (pButton)
                m_pControls->Remove(pButton);
            continue;
        }
        if (!pButton)
        {
            pButton = m_pControls->Add(new CControlCaptionButton, static_cast<int>(row.nCommand), nullptr, -1, TRUE);
            pButton->SetCaption("");
            pButton->SetTooltip(SystemMenuText(hFrame, row.nCommand));
        }
        pButton->SetRect(CRect(x - nSide, m_rcCaptionText.top, x, m_rcCaptionText.top + nSide));
        x -= nSide;
    }
    // The title and the context headers stay left of the buttons.
    if (hFrame)
        m_rcCaptionText.right = std::max(static_cast<int>(m_rcCaptionText.left), x);
}

// --- Hit test and mouse --------------------------------------------------------------------

int CXTPRibbonBar::HitTestCaption(CPoint point) const
{
    if (!m_pFrameHook || IsCustomizeMode() || !m_rcCaption.PtInRect(point) || m_pControls->HitTest(point))
        return HTNOWHERE;
    for (const auto& pHeader : m_arrContextHeaders)
        if (pHeader->m_rcHeader.PtInRect(point))
            return HTNOWHERE;
    return point.y < m_rcCaption.top + kSizingEdge ? HTTOP : HTCAPTION;
}

BOOL CXTPRibbonBar::OnCaptionButtonDown(CPoint point)
{
    if (!m_pFrameHook || IsCustomizeMode() || m_pControls->HitTest(point))
        return FALSE;
    for (const auto& pHeader : m_arrContextHeaders)
    {
        if (pHeader->m_rcHeader.PtInRect(point))
        {
            SelectTab(pHeader->m_pFirstTab);
            return TRUE;
        }
    }
    const int nHit = HitTestCaption(point);
    if (nHit == HTNOWHERE)
        return FALSE;
    HWND hFrame = FrameWindow(m_pFrameHook.get());
    if (!hFrame || (::GetWindowLongA(hFrame, GWL_STYLE) & WS_MAXIMIZE))
        return TRUE;
    // The frame's own move or size loop takes over from the press; the bar
    // is not touched after it, which may have changed everything.
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const WPARAM nCommand = nHit == HTCAPTION ? SC_MOVE + HTCAPTION : SC_SIZE + (nHit - 9);
    ::SendMessageA(hFrame, WM_SYSCOMMAND, nCommand, MAKELPARAM(ptScreen.x, ptScreen.y));
    return TRUE;
}

BOOL CXTPRibbonBar::OnCaptionDoubleClick(CPoint point)
{
    if (HitTestCaption(point) == HTNOWHERE)
        return FALSE;
    HWND hFrame = FrameWindow(m_pFrameHook.get());
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hFrame, GWL_STYLE));
    if (dwStyle & (WS_MAXIMIZE | WS_MINIMIZE))
        ::SendMessageA(hFrame, WM_SYSCOMMAND, SC_RESTORE, 0);
    else if (dwStyle & WS_MAXIMIZEBOX)
        ::SendMessageA(hFrame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    return TRUE;
}

void CXTPRibbonBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (HitTestCaption(point) == HTNOWHERE)
    {
        CXTPMenuBar::OnRButtonUp(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    ::SendMessageA(FrameWindow(m_pFrameHook.get()), kPopupSystemMenu, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
}

BOOL CXTPRibbonBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    // Over the caption's sizing edge the frame sets its own sizing cursor.
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    HWND hFrame = FrameWindow(m_pFrameHook.get());
    if (nHitTest == HTCLIENT && HitTestCaption(point) == HTTOP && !(::GetWindowLongA(hFrame, GWL_STYLE) & WS_MAXIMIZE))
        return static_cast<BOOL>(::SendMessageA(hFrame, WM_SETCURSOR, reinterpret_cast<WPARAM>(hFrame),
                                                MAKELPARAM(HTTOP, message)));
    return CXTPMenuBar::OnSetCursor(pWnd, nHitTest, message);
}

void CXTPRibbonBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CXTPMenuBar::OnShowWindow(bShow, nStatus);
    // A skinned frame takes the ribbon's caption in or gives it back.
    if (m_pFrameHook && bShow != m_bRibbonBarVisible)
    {
        m_bRibbonBarVisible = bShow;
        m_pFrameHook->SetRibbonVisible(bShow);
        m_pFrameHook->RecalcFrame();
    }
}

// --- The title ------------------------------------------------------------------------------

CRect CXTPRibbonBar::GetCaptionTitleRect(int nTitleWidth) const
{
    const int nLeft = m_rcCaptionText.left;
    const int nRight = m_rcCaptionText.right;
    int x = (nLeft + nRight - nTitleWidth) / 2;
    if (!m_arrContextHeaders.empty())
    {
        const int nHeadersLeft = m_arrContextHeaders.front()->m_rcHeader.left;
        const int nHeadersRight = m_arrContextHeaders.back()->m_rcHeader.right;
        if (x < nHeadersRight && x + nTitleWidth > nHeadersLeft)
        {
            // The layout made room on the side with more of it.
            if ((nHeadersLeft + nHeadersRight) / 2 < x + nTitleWidth / 2)
                x = nHeadersRight + nTitleWidth <= nRight ? nHeadersRight : nRight - nTitleWidth;
            else
                x = nHeadersLeft - nTitleWidth >= nLeft ? nHeadersLeft - nTitleWidth : nLeft;
        }
    }
    return CRect(std::max(x, nLeft), m_rcCaptionText.top, std::min(x + nTitleWidth, nRight),
                 m_rcCaptionText.bottom);
}
