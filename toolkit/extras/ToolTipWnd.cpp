// The self-drawn tip window: its tool list, the wait before a tip shows,
// placement at the cursor inside the work area, the mouse hook while a tip
// is shown, and the plain drawing. A tip destroyed while shown takes its
// hook and timer with it first.
#include "toolkit/extras/ToolTipWnd.h"

#include "framework/ui/Dc.h"
#include "framework/ui/WndClass.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/draw/ToolkitClock.h"

#include <algorithm>
#include <cstring>

namespace {

const int DEFAULT_CURSOR_HEIGHT = 21;
const DWORD STYLE_NO_DROPSHADOW = 0x2000;
const DWORD STYLE_FACE_FRAME = 0x1000;
// The cursor's mask is read into this many 16-bit words at most.
const int MASK_WORDS = 128;

// The one tip that holds the thread's mouse hook.
CXTPToolTipContextToolTip* g_pHookOwner = nullptr;
HHOOK g_hMouseHook = nullptr;

bool IsRelayedMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= 0x20A) || (message >= WM_NCMOUSEMOVE && message <= 0xA9);
}

} // namespace

void TOOLITEM::Clear()
{
    strText.Empty();
    bTextCallback = FALSE;
    uFlags = 0;
    rect.SetRectEmpty();
    hInst = nullptr;
    hWnd = nullptr;
    uId = static_cast<UINT_PTR>(-1);
}

// ---- the system's tip ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPToolTipContext::CStandardToolTip, CToolTipCtrl)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
END_MESSAGE_MAP()

LRESULT CXTPToolTipContext::CStandardToolTip::OnWindowFromPoint(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(
        CXTPToolTipContext::ToolWindowFromPoint(reinterpret_cast<HWND>(Default())));
}

// ---- the self-drawn tip -------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPToolTipContextToolTip, CWnd)
    ON_MESSAGE(TTM_ADDTOOLA, OnAddTool)
    ON_MESSAGE(TTM_DELTOOLA, OnDelTool)
    ON_MESSAGE(TTM_UPDATETIPTEXTA, OnUpdateTipText)
    ON_MESSAGE(TTM_SETTITLEA, OnSetTitle)
    ON_MESSAGE(TTM_ACTIVATE, OnActivate)
    ON_MESSAGE(TTM_RELAYEVENT, OnRelayEvent)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
    ON_MESSAGE(XTP_TTM_SETTITLEICON, OnSetTitleIcon)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_MOUSEACTIVATE()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTPToolTipContextToolTip::CXTPToolTipContextToolTip(CXTPToolTipContext* pContext)
    : m_pContext(pContext)
    , m_pTitleIcon(nullptr)
    , m_bActive(FALSE)
    , m_nPendingTimer(0)
    , m_dwLastShowHide(0)
    , m_hWndTextParent(nullptr)
{
}

CXTPToolTipContextToolTip::~CXTPToolTipContextToolTip()
{
    RemoveHook();
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
        delete m_arrTools[i];
    m_arrTools.RemoveAll();
}

void CXTPToolTipContextToolTip::PostNcDestroy()
{
    // Owned by the context, which deletes it.
}

BOOL CXTPToolTipContextToolTip::Create(CWnd* pOwner, DWORD dwStyle)
{
    UINT nClassStyle = CS_SAVEBITS | CS_OWNDC;
    if (IsWindowsXPOrLater() && !(dwStyle & STYLE_NO_DROPSHADOW))
        nClassStyle |= CS_DROPSHADOW;
    LPCSTR lpszClass = AfxRegisterWndClass(nClassStyle, ::LoadCursorA(nullptr, IDC_ARROW));
    HWND hWndOwner = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    if (!CreateEx(WS_EX_TOOLWINDOW, lpszClass, nullptr, dwStyle | WS_POPUP, 0, 0, 0, 0, hWndOwner,
                  nullptr))
        return FALSE;
    m_hWndTextParent = hWndOwner;
    return TRUE;
}

CPoint CXTPToolTipContextToolTip::GetCursorPoint() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    return pt;
}

HWND CXTPToolTipContextToolTip::WindowUnderCursor(CPoint pt) const
{
    return ::WindowFromPoint(pt);
}

INT_PTR CXTPToolTipContextToolTip::FindTool(HWND hWnd, UINT_PTR uId) const
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
    {
        if (m_arrTools[i]->hWnd == hWnd && m_arrTools[i]->uId == uId)
            return i;
    }
    return -1;
}

// ---- tool messages ------------------------------------------------------------------

// A text, a callback marker, or a string resource id of hInst.
static void SetToolText(TOOLITEM& tool, LPCSTR lpszText, HINSTANCE hInst)
{
    tool.bTextCallback = lpszText == LPSTR_TEXTCALLBACKA;
    tool.strText.Empty();
    if (tool.bTextCallback || lpszText == nullptr)
        return;
    if (IS_INTRESOURCE(lpszText))
        tool.strText.LoadString(hInst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszText)));
    else
        tool.strText = lpszText;
}

LRESULT CXTPToolTipContextToolTip::OnAddTool(WPARAM, LPARAM lParam)
{
    auto* pInfo = reinterpret_cast<const TOOLINFOA*>(lParam);
    if (pInfo == nullptr)
        return 0;
    auto* pTool = new TOOLITEM;
    pTool->uFlags = pInfo->uFlags;
    pTool->rect = pInfo->rect;
    pTool->hInst = pInfo->hinst;
    pTool->hWnd = pInfo->hwnd;
    pTool->uId = pInfo->uId;
    SetToolText(*pTool, pInfo->lpszText, pInfo->hinst);
    m_arrTools.Add(pTool);
    return 1;
}

LRESULT CXTPToolTipContextToolTip::OnDelTool(WPARAM, LPARAM lParam)
{
    auto* pInfo = reinterpret_cast<const TOOLINFOA*>(lParam);
    if (pInfo == nullptr)
        return 0;
    INT_PTR nIndex = FindTool(pInfo->hwnd, pInfo->uId);
    if (nIndex < 0)
        return 0;
    TOOLITEM* pTool = m_arrTools[nIndex];
    if (pTool->IsSameTool(m_toolShown))
        ShowTool(nullptr);
    if (pTool->IsSameTool(m_toolClicked))
        m_toolClicked.Clear();
    if (pTool->IsSameTool(m_toolPending))
    {
        KillPendingTimer();
        m_toolPending.Clear();
    }
    m_arrTools.RemoveAt(nIndex);
    delete pTool;
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnUpdateTipText(WPARAM, LPARAM lParam)
{
    auto* pInfo = reinterpret_cast<const TOOLINFOA*>(lParam);
    if (pInfo == nullptr)
        return 0;
    INT_PTR nIndex = FindTool(pInfo->hwnd, pInfo->uId);
    if (nIndex >= 0)
        SetToolText(*m_arrTools[nIndex], pInfo->lpszText, pInfo->hinst);
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnSetTitle(WPARAM, LPARAM lParam)
{
    m_strTitle = reinterpret_cast<LPCSTR>(lParam);
    if (!(GetStyle() & TTS_NOPREFIX))
        StripMnemonics(m_strTitle);
    return TRUE;
}

LRESULT CXTPToolTipContextToolTip::OnActivate(WPARAM wParam, LPARAM)
{
    m_bActive = static_cast<BOOL>(wParam);
    if (!m_bActive)
    {
        KillPendingTimer();
        m_toolPending.Clear();
        if (IsWindowVisible())
            ShowTool(nullptr);
    }
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnRelayEvent(WPARAM, LPARAM lParam)
{
    if (lParam != 0)
        RelayEvent(reinterpret_cast<const MSG*>(lParam));
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnWindowFromPoint(WPARAM, LPARAM lParam)
{
    auto* pPoint = reinterpret_cast<const POINT*>(lParam);
    if (pPoint == nullptr)
        return 0;
    return reinterpret_cast<LRESULT>(CXTPToolTipContext::ToolWindowFromPoint(::WindowFromPoint(*pPoint)));
}

LRESULT CXTPToolTipContextToolTip::OnSetTitleIcon(WPARAM, LPARAM lParam)
{
    m_pTitleIcon = reinterpret_cast<CXTPImageManagerIcon*>(lParam);
    return 0;
}

// ---- showing and hiding -------------------------------------------------------------

BOOL CXTPToolTipContextToolTip::GetToolScreenRect(const TOOLITEM& tool, CRect& rect) const
{
    if (!::IsWindow(tool.hWnd))
        return FALSE;
    if (tool.uFlags & TTF_IDISHWND)
        return ::GetWindowRect(tool.hWnd, &rect);
    rect = tool.rect;
    ::MapWindowPoints(tool.hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return TRUE;
}

TOOLITEM* CXTPToolTipContextToolTip::ToolFromCursor()
{
    if (::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 || ::GetKeyState(VK_MBUTTON) < 0)
        return nullptr;
    CPoint pt = GetCursorPoint();
    HWND hWndUnder = CXTPToolTipContext::ToolWindowFromPoint(WindowUnderCursor(pt));
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
    {
        TOOLITEM* pTool = m_arrTools[i];
        CRect rect;
        if (!GetToolScreenRect(*pTool, rect) || !rect.PtInRect(pt))
            continue;
        if ((pTool->uFlags & TTF_IDISHWND) || pTool->hWnd == hWndUnder)
            return pTool;
    }
    return nullptr;
}

void CXTPToolTipContextToolTip::KillPendingTimer()
{
    if (m_nPendingTimer != 0 && m_hWnd != nullptr)
        ::KillTimer(m_hWnd, m_nPendingTimer);
    m_nPendingTimer = 0;
}

void CXTPToolTipContextToolTip::RelayEvent(const MSG* pMsg)
{
    if (!m_bActive || !IsRelayedMessage(pMsg->message))
        return;
    TOOLITEM* pTool = ToolFromCursor();
    if (pMsg->message == WM_LBUTTONDOWN)
    {
        if (pTool != nullptr)
            m_toolClicked = *pTool;
        else
            m_toolClicked.Clear();
        pTool = nullptr;
    }
    else if (pTool != nullptr && pTool->IsSameTool(m_toolClicked))
    {
        pTool = nullptr;
    }

    if (m_nPendingTimer != 0 && (pTool == nullptr || !pTool->IsSameTool(m_toolPending)))
    {
        KillPendingTimer();
        m_toolPending.Clear();
    }
    if (pTool != nullptr)
    {
        if (pTool->IsSameTool(m_toolShown))
            return;
        if (XTPGetTickCount() - m_dwLastShowHide >= RESHOW_WINDOW)
        {
            if (m_nPendingTimer == 0 || !pTool->IsSameTool(m_toolPending))
            {
                m_toolPending = *pTool;
                m_nPendingTimer = ::SetTimer(m_hWnd, TIMER_PENDING, INITIAL_DELAY, nullptr);
            }
            return;
        }
    }
    ShowTool(pTool);
}

void CXTPToolTipContextToolTip::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_PENDING)
    {
        TOOLITEM* pTool = ToolFromCursor();
        TOOLITEM toolPending = m_toolPending;
        KillPendingTimer();
        m_toolPending.Clear();
        if (pTool != nullptr && !toolPending.IsNone() && pTool->IsSameTool(toolPending))
            ShowTool(pTool);
    }
    CWnd::OnTimer(nIDEvent);
}

void CXTPToolTipContextToolTip::ShowTool(const TOOLITEM* pToolArg)
{
    TOOLITEM tool;
    if (pToolArg != nullptr)
        tool = *pToolArg;
    if ((tool.IsNone() && m_toolShown.IsNone()) || (!tool.IsNone() && tool.IsSameTool(m_toolShown)))
        return;
    CSize size(0, 0);
    if (!tool.IsNone())
    {
        size = CalcTipSize(tool);
        if (size.cx == 0 && size.cy == 0)
            tool.Clear();
    }
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    if (!tool.IsNone())
    {
        CPoint pt = GetCursorPoint();
        CRect rect(CPoint(pt.x, pt.y + GetCursorHeightBelowHotSpot(::GetCursor())), size);
        if (::GetWindowLongA(tool.hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL)
            rect.OffsetRect(-size.cx, 0);
        CRect rcWork;
        GetMonitorAreaAtCursor(&rcWork);
        if (rect.right > rcWork.right - 4)
            rect.OffsetRect(rcWork.right - 4 - rect.right, 0);
        if (rect.left < rcWork.left)
            rect.OffsetRect(rcWork.left - rect.left, 0);
        if (rect.bottom > rcWork.bottom - 4)
            rect.OffsetRect(0, pt.y - 3 - rect.bottom);
        m_toolShown = tool;
        SetWindowPos(&CWnd::wndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                     SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        Invalidate(FALSE);
        InstallHook();
        m_toolClicked.Clear();
    }
    else
    {
        m_toolShown.Clear();
        m_toolPending.Clear();
        RemoveHook();
    }
    m_dwLastShowHide = XTPGetTickCount();
}

int CXTPToolTipContextToolTip::GetCursorHeightBelowHotSpot(HCURSOR hCursor)
{
    ICONINFO info = {};
    if (hCursor == nullptr || !::GetIconInfo(hCursor, &info))
        return DEFAULT_CURSOR_HEIGHT;
    BITMAP bm = {};
    int nHeight = DEFAULT_CURSOR_HEIGHT;
    if (info.hbmMask != nullptr && ::GetObjectA(info.hbmMask, sizeof(bm), &bm) && bm.bmWidth > 0)
    {
        WORD words[MASK_WORDS];
        std::fill(words, words + MASK_WORDS, static_cast<WORD>(0xFFFF));
        ::GetBitmapBits(info.hbmMask, sizeof(words), words);
        const bool bMonochrome = info.hbmColor == nullptr;
        int nWords = bm.bmWidth * bm.bmHeight / 16;
        if (bMonochrome)
            nWords /= 2;   // the mask holds the AND and the XOR half
        // Both halves stay inside what was read.
        nWords = std::min(nWords, bMonochrome ? MASK_WORDS / 2 : MASK_WORDS - 1);
        int i = nWords - 1;
        while (i >= 0 && words[i] == 0xFFFF && (!bMonochrome || words[i + nWords] == 0))
            --i;
        nHeight = (i + 1) * 16 / bm.bmWidth - static_cast<int>(info.yHotspot);
    }
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return nHeight;
}

// ---- the mouse hook -----------------------------------------------------------------

BOOL CXTPToolTipContextToolTip::HoldsMouseHook() const
{
    return g_pHookOwner == this;
}

void CXTPToolTipContextToolTip::InstallHook()
{
    if (g_pHookOwner != nullptr)
        return;
    g_hMouseHook = ::SetWindowsHookExA(WH_MOUSE, &MouseHookProc, nullptr, ::GetCurrentThreadId());
    if (g_hMouseHook != nullptr)
        g_pHookOwner = this;
}

void CXTPToolTipContextToolTip::RemoveHook()
{
    if (g_pHookOwner != this)
        return;
    ::UnhookWindowsHookEx(g_hMouseHook);
    g_hMouseHook = nullptr;
    g_pHookOwner = nullptr;
}

LRESULT CALLBACK CXTPToolTipContextToolTip::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = g_hMouseHook;
    CXTPToolTipContextToolTip* pTip = g_pHookOwner;
    if (nCode == HC_ACTION && pTip != nullptr && !pTip->m_toolShown.IsNone())
    {
        auto* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        HWND hWndUnder = CXTPToolTipContext::ToolWindowFromPoint(::WindowFromPoint(pInfo->pt));
        if (hWndUnder != pTip->m_toolShown.hWnd)
        {
            MSG msg = {};
            msg.hwnd = hWndUnder;
            msg.message = WM_MOUSEMOVE;
            msg.pt = pInfo->pt;
            pTip->RelayEvent(&msg);
        }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

// ---- window messages ----------------------------------------------------------------

void CXTPToolTipContextToolTip::OnDestroy()
{
    RemoveHook();
    KillPendingTimer();
    CWnd::OnDestroy();
}

BOOL CXTPToolTipContextToolTip::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CXTPToolTipContextToolTip::OnNcHitTest(CPoint)
{
    return HTTRANSPARENT;
}

int CXTPToolTipContextToolTip::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

void CXTPToolTipContextToolTip::OnMouseMove(UINT, CPoint)
{
    ShowTool(nullptr);
}

CString CXTPToolTipContextToolTip::GetToolText(TOOLITEM& tool)
{
    if (tool.bTextCallback)
    {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = m_hWnd;
        info.hdr.idFrom = tool.uId;
        info.hdr.code = TTN_GETDISPINFOA;
        info.uFlags = tool.uFlags;
        info.hinst = tool.hInst;
        info.lpszText = info.szText;
        HWND hWndParent = m_hWndTextParent != nullptr ? m_hWndTextParent : ::GetParent(m_hWnd);
        ::SendMessageA(hWndParent, WM_NOTIFY, tool.uId, reinterpret_cast<LPARAM>(&info));
        // The answer may be a text anywhere, a string resource, or the
        // buffer, which need not be terminated.
        if (info.lpszText == nullptr || info.lpszText == LPSTR_TEXTCALLBACKA)
            tool.strText.Empty();
        else if (IS_INTRESOURCE(info.lpszText))
            tool.strText.LoadString(info.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)));
        else if (info.lpszText == info.szText)
            tool.strText = CString(info.szText, static_cast<int>(strnlen(info.szText, sizeof(info.szText))));
        else
            tool.strText = info.lpszText;
    }
    CString strText = tool.strText;
    if (!(GetStyle() & TTS_NOPREFIX))
        StripMnemonics(strText);
    return strText;
}

// ---- drawing ------------------------------------------------------------------------

void CXTPToolTipContextToolTip::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.SetTextColor(m_pContext->GetTipTextColor());
    dc.SetBkMode(TRANSPARENT);
    CXTPFontDC font(&dc, m_pContext->GetFont());
    DrawBackground(&dc, m_toolShown, rect);
    DrawContent(&dc, m_toolShown, rect);
}

CSize CXTPToolTipContextToolTip::CalcTipSize(TOOLITEM& tool)
{
    CString strText = GetToolText(tool);
    if (strText.IsEmpty())
        return CSize(0, 0);
    CClientDC dc(this);
    CXTPFontDC font(&dc, m_pContext->GetFont());
    const CRect& rcMargin = m_pContext->GetMargin();
    const int cxExtra = rcMargin.left + rcMargin.right + 6;
    const int cyExtra = rcMargin.top + rcMargin.bottom + 6;
    const int nMaxWidth = m_pContext->GetMaxTipWidth();

    CRect rcText(0, 0, nMaxWidth - cxExtra, 0);
    dc.DrawText(strText, &rcText, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
    int cx = rcText.Width();
    int cy = rcText.Height();
    const bool bTitle = !m_strTitle.IsEmpty();
    if (m_pTitleIcon != nullptr)
    {
        int cxIcon = m_pTitleIcon->GetWidth();
        int cyIcon = m_pTitleIcon->GetHeight();
        if (cyIcon > 16)
            cx += cxIcon + 5;
        else if (!bTitle)
            cx += cxIcon + 3;
        cy = std::max(cy, cyIcon);
    }
    if (bTitle)
    {
        CXTPFontDC fontBold(&dc, m_pContext->GetBoldFont());
        CRect rcTitle(0, 0, nMaxWidth - cxExtra - 25, 0);
        dc.DrawText(m_strTitle, &rcTitle, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
        int cxTitle = rcTitle.Width() + 4;
        if (m_pTitleIcon != nullptr && m_pTitleIcon->GetHeight() <= 16)
            cxTitle += m_pTitleIcon->GetWidth() + 1;
        cx = std::max(cx + 25, cxTitle);
        cy += rcTitle.Height() + 20;
    }
    return CSize(cx + cxExtra, cy + cyExtra);
}

void CXTPToolTipContextToolTip::DrawContent(CDC* pDC, TOOLITEM& tool, CRect rect)
{
    const CRect& rcMargin = m_pContext->GetMargin();
    rect.DeflateRect(rcMargin.left + 3, rcMargin.top + 3, rcMargin.right + 3, rcMargin.bottom + 3);
    const bool bRtl = (::GetWindowLongA(tool.hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    const UINT nFormat = bRtl ? (DT_NOPREFIX | DT_RIGHT | DT_RTLREADING) : DT_NOPREFIX;
    CRect rcTitle(rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom);

    if (m_pTitleIcon != nullptr && m_pTitleIcon->GetHeight() <= 16)
    {
        int cxIcon = m_pTitleIcon->GetWidth();
        m_pTitleIcon->DrawNormal(pDC, CPoint(bRtl ? rect.right - cxIcon : rect.left, rect.top));
        if (!m_strTitle.IsEmpty())
            (bRtl ? rcTitle.right : rcTitle.left) += bRtl ? -(cxIcon + 1) : cxIcon + 1;
        else
            (bRtl ? rect.right : rect.left) += bRtl ? -(cxIcon + 3) : cxIcon + 3;
    }
    if (!m_strTitle.IsEmpty())
    {
        CXTPFontDC fontBold(pDC, m_pContext->GetBoldFont());
        CRect rcMeasure = rcTitle;
        pDC->DrawText(m_strTitle, &rcMeasure, nFormat | DT_SINGLELINE | DT_CALCRECT);
        pDC->DrawText(m_strTitle, &rcTitle, nFormat | DT_SINGLELINE);
        rect.top += rcMeasure.Height() + 12;
        rect.left += bRtl ? 15 : 10;
        rect.right -= bRtl ? 10 : 15;
    }
    if (m_pTitleIcon != nullptr && m_pTitleIcon->GetHeight() > 16)
    {
        int cxIcon = m_pTitleIcon->GetWidth();
        m_pTitleIcon->DrawNormal(pDC, CPoint(bRtl ? rect.right - cxIcon : rect.left, rect.top));
        (bRtl ? rect.right : rect.left) += bRtl ? -(cxIcon + 5) : cxIcon + 5;
    }
    pDC->DrawText(GetToolText(tool), &rect, nFormat | DT_WORDBREAK);
}

void CXTPToolTipContextToolTip::DrawBackground(CDC* pDC, TOOLITEM&, CRect rect)
{
    pDC->FillSolidRect(&rect, m_pContext->GetTipBkColor());
    COLORREF clrTopLeft = (GetStyle() & STYLE_FACE_FRAME) ? ::GetSysColor(COLOR_BTNFACE) : RGB(0, 0, 0);
    pDC->Draw3dRect(&rect, clrTopLeft, RGB(0, 0, 0));
}
