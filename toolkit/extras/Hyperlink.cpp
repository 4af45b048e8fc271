#include "toolkit/extras/Hyperlink.h"

#include "framework/ui/Dc.h"
#include "framework/ui/MessageBox.h"
#include "toolkit/draw/AuxData.h"
#include "toolkit/draw/BufferDC.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/HyperlinkShell.h"

namespace {

const UINT_PTR HOVER_TIMER = 1;
const UINT HOVER_TIMER_MS = 10;
const UINT REDRAW_FLAGS = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
const UINT NONCLIENTMETRICS_SIZE = 340;   // the layout every Windows version accepts

HCURSOR LinkCursor()
{
    HCURSOR hCursor = GetAuxData()->hcurHand;
    return hCursor ? hCursor : ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));   // IDC_HAND
}

} // namespace

IMPLEMENT_DYNAMIC(CXTHyperLink, CStatic)

BEGIN_MESSAGE_MAP(CXTHyperLink, CStatic)
    ON_WM_CREATE()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT_EX(STN_CLICKED, OnClicked)
END_MESSAGE_MAP()

CXTHyperLink::CXTHyperLink()
    : m_bFollowOnClick(true)
    , m_bInitOnSubclass(true)
    , m_bUnderline(true)
    , m_bHover(false)
    , m_bVisited(false)
    , m_bTipActive(true)
    , m_hcurLink(LinkCursor())
    , m_clrLink(RGB(0, 0, 255))
    , m_clrHover(RGB(255, 0, 0))
    , m_clrVisited(RGB(128, 0, 128))
    , m_clrBack(static_cast<COLORREF>(-1))
{
}

CXTHyperLink::~CXTHyperLink()
{
    if (m_wndToolTip.GetSafeHwnd())
        m_wndToolTip.DestroyWindow();
}

// ---- properties -----------------------------------------------------------

void CXTHyperLink::SetTarget(LPCSTR lpszTarget)
{
    m_strTarget = lpszTarget;
    if (m_strTipText.IsEmpty())
        m_strTipText = m_strTarget;
    if (m_strTipText.IsEmpty() || !m_hWnd)
        return;
    if (m_wndToolTip.GetSafeHwnd())
    {
        m_wndToolTip.UpdateTipText(m_strTarget, this);
        return;
    }
    if (m_wndToolTip.Create(this))
    {
        m_wndToolTip.AddTool(this, m_strTipText);
        m_wndToolTip.Activate(m_bTipActive);
    }
}

CString CXTHyperLink::GetTarget() const
{
    return m_strTarget;
}

void CXTHyperLink::SetLinkColors(COLORREF clrLink, COLORREF clrVisited, COLORREF clrHover)
{
    m_clrLink = clrLink;
    m_clrVisited = clrVisited;
    m_clrHover = clrHover;
    Redraw();
}

COLORREF CXTHyperLink::GetLinkColor() const
{
    return m_clrLink;
}

COLORREF CXTHyperLink::GetVisitedColor() const
{
    return m_clrVisited;
}

COLORREF CXTHyperLink::GetHoverColor() const
{
    return m_clrHover;
}

void CXTHyperLink::SetVisited(bool bVisited)
{
    m_bVisited = bVisited;
    Redraw();
}

BOOL CXTHyperLink::IsVisited() const
{
    return m_bVisited;
}

void CXTHyperLink::SetLinkCursor(HCURSOR hCursor)
{
    m_hcurLink = hCursor;
}

HCURSOR CXTHyperLink::GetLinkCursor() const
{
    return m_hcurLink;
}

void CXTHyperLink::SetUnderline(bool bUnderline)
{
    m_bUnderline = bUnderline;
    ApplyLinkFont();
}

BOOL CXTHyperLink::GetUnderline() const
{
    return m_bUnderline;
}

void CXTHyperLink::SetBackColor(COLORREF clrBack)
{
    m_clrBack = clrBack;
    Redraw();
}

COLORREF CXTHyperLink::GetBackColor() const
{
    return m_clrBack == static_cast<COLORREF>(-1) ? GetColorManager()->ResolveColor(COLOR_BTNFACE)
                                                  : m_clrBack;
}

void CXTHyperLink::ActivateTip(BOOL bActivate)
{
    m_bTipActive = bActivate != FALSE;
    if (m_wndToolTip.GetSafeHwnd())
        m_wndToolTip.Activate(bActivate);
}

// ---- set-up ---------------------------------------------------------------

BOOL CXTHyperLink::PreCreateWindow(CREATESTRUCT& cs)
{
    // Creation runs InitLink from WM_CREATE, once the window can take a font.
    m_bInitOnSubclass = false;
    return CStatic::PreCreateWindow(cs);
}

void CXTHyperLink::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    if (m_bInitOnSubclass)
        InitLink();
}

int CXTHyperLink::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    InitLink();
    return 0;
}

void CXTHyperLink::InitLink()
{
    if (!m_hWnd)
        return;
    if (IsTextStatic())
    {
        if (m_strTarget.IsEmpty())
            GetWindowText(m_strTarget);
        SetTarget(m_strTarget);
    }
    ModifyStyle(0, SS_NOTIFY);
    ApplyLinkFont();
}

BOOL CXTHyperLink::MakeLinkFont(CFont* pFont, bool bUnderline)
{
    LOGFONTA lf = {};
    HFONT hFont = m_hWnd ? reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0))
                         : nullptr;
    if (!hFont || ::GetObjectA(hFont, sizeof(lf), &lf) == 0)
    {
        NONCLIENTMETRICSA ncm = {};
        ncm.cbSize = NONCLIENTMETRICS_SIZE;
        if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, NONCLIENTMETRICS_SIZE, &ncm, 0))
            return FALSE;
        lf = ncm.lfStatusFont;
    }
    lf.lfUnderline = bUnderline ? TRUE : FALSE;
    // The window may still hold the old font: make the new one before the
    // old one goes.
    HFONT hNewFont = ::CreateFontIndirectA(&lf);
    if (!hNewFont)
        return FALSE;
    pFont->DeleteObject();
    return pFont->Attach(hNewFont);
}

BOOL CXTHyperLink::ApplyLinkFont()
{
    if (!MakeLinkFont(&m_fontLink, m_bUnderline))
        return FALSE;
    if (m_hWnd)
    {
        SetFont(&m_fontLink, FALSE);
        Redraw();
    }
    return TRUE;
}

// ---- geometry -------------------------------------------------------------

BOOL CXTHyperLink::IsTextStatic() const
{
    // Only the type bits: SS_NOPREFIX and the other flags of the low byte
    // leave a text static a text static.
    return (GetStyle() & SS_TYPEMASK) < SS_ICON;
}

BOOL CXTHyperLink::IsCursorOverText() const
{
    if (!IsTextStatic())
        return TRUE;
    CRect rcText;
    GetWindowRect(&rcText);
    CString strText;
    GetWindowText(strText);
    int cxText = 0;
    {
        CClientDC dc(const_cast<CXTHyperLink*>(this));
        HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
        CXTPFontDC font(&dc);
        if (hFont)
            font.SetFont(hFont);
        cxText = dc.GetTextExtent(strText, strText.GetLength()).cx;
    }
    // A text longer than the window is cut off at its edge.
    int nSpare = rcText.Width() - cxText;
    if (nSpare > 0)
    {
        switch (GetStyle() & SS_TYPEMASK)
        {
        case SS_CENTER:
            rcText.left += nSpare / 2;
            rcText.right -= nSpare / 2;
            break;
        case SS_RIGHT:
            rcText.left += nSpare;
            break;
        default:
            rcText.right -= nSpare;
            break;
        }
    }
    return rcText.PtInRect(GetCursorPoint());
}

CPoint CXTHyperLink::GetCursorPoint() const
{
    POINT pt = {};
    ::GetCursorPos(&pt);
    return CPoint(pt);
}

// ---- messages -------------------------------------------------------------

BOOL CXTHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.GetSafeHwnd() && m_bTipActive)
        m_wndToolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

BOOL CXTHyperLink::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hcurLink && IsCursorOverText())
    {
        ::SetCursor(m_hcurLink);
        return TRUE;
    }
    return CStatic::OnSetCursor(pWnd, nHitTest, message);
}

void CXTHyperLink::OnMouseMove(UINT nFlags, CPoint point)
{
    // The timer watches for the mouse leaving, which no message reports.
    if (IsTextStatic() && IsCursorOverText())
        SetTimer(HOVER_TIMER, HOVER_TIMER_MS);
    CStatic::OnMouseMove(nFlags, point);
}

void CXTHyperLink::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == HOVER_TIMER && IsTextStatic())
    {
        if (IsCursorOverText())
        {
            m_bHover = true;
        }
        else
        {
            KillTimer(HOVER_TIMER);
            m_bHover = false;
        }
        Redraw();
    }
    CStatic::OnTimer(nIDEvent);
}

void CXTHyperLink::OnPaint()
{
    if (GetExStyle() & WS_EX_TRANSPARENT)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    PaintLink(&dc);
}

void CXTHyperLink::PaintLink(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(pDC, rcClient, CXTPPaintManagerColorGradient(GetBackColor()));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CXTHyperLink::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CStatic::OnWindowPosChanged(lpwndpos);
    Redraw();
}

HBRUSH CXTHyperLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (!IsTextStatic())
        return nullptr;
    pDC->SetTextColor(m_bHover ? m_clrHover : m_bVisited ? m_clrVisited : m_clrLink);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CXTHyperLink::OnClicked()
{
    if (IsCursorOverText())
        m_bVisited = m_bFollowOnClick ? OpenLink(m_strTarget, SW_SHOW) != FALSE : true;
    if (m_wndToolTip.GetSafeHwnd() && m_bTipActive)
        m_wndToolTip.Pop();
    return IsTextStatic();
}

// ---- opening --------------------------------------------------------------

BOOL CXTHyperLink::OpenLink(LPCSTR lpszLink, int nShowCmd, LPCSTR lpszParams, LPCSTR lpszDir)
{
    CString strLink = lpszLink ? CString(lpszLink) : m_strTarget;
    INT_PTR nResult = XTShellOpen(strLink, lpszParams, lpszDir, nShowCmd);
    if (nResult > 32)
        return TRUE;
    ReportOpenError(static_cast<int>(nResult));
    return FALSE;
}

void CXTHyperLink::ReportOpenError(int nError)
{
    CString strMessage = XTShellOpenErrorText(nError);
    ::MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}

void CXTHyperLink::Redraw()
{
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, REDRAW_FLAGS);
}
