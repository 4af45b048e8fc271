#include "framework/ui/ControlBar.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/Dc.h"
#include "framework/ui/MiniFrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

// One pixel line per border side.
const int kBorder = 2;

// Asks each child control's update handler, as a dialog's controls would.
class CControlCmdUI : public CCmdUI
{
public:
    void SetCheck(int nCheck) override
    {
        if (m_pOther == nullptr || m_pOther->m_hWnd == nullptr)
            return;
        // Only buttons that show a check take one.
        if (::SendMessageA(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessageA(m_pOther->m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    }
};

} // namespace

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    if (m_pDockSite != nullptr && m_hWnd == nullptr)
        m_pDockSite->RemoveControlBar(this);
}

DWORD CControlBar::GetBarStyle() const
{
    return m_dwStyle;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        pFrame = m_pDockSite;
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
    {
        if (CFrameWnd* pOuter = pFrame->GetParentFrame())
            pFrame = pOuter;
    }
    return pFrame;
}

BOOL CControlBar::IsFloating() const
{
    return (m_dwStyle & CBRS_FLOATING) != 0;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPSIBLINGS;
    // The classic border of each alignment, unless the bar chose 3-D
    // borders itself.
    if ((m_dwStyle & CBRS_BORDER_3D) == 0)
    {
        DWORD dwNewStyle = 0;
        switch (m_dwStyle & (CBRS_BORDER_ANY | CBRS_ALIGN_ANY))
        {
        case CBRS_LEFT:
        case CBRS_RIGHT:
            dwNewStyle = CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM;
            break;
        case CBRS_TOP:
            dwNewStyle = CBRS_BORDER_TOP;
            break;
        case CBRS_BOTTOM:
            dwNewStyle = CBRS_BORDER_BOTTOM;
            break;
        default:
            break;
        }
        if (dwNewStyle != 0)
        {
            m_dwStyle &= ~CBRS_BORDER_ANY;
            m_dwStyle |= dwNewStyle | CBRS_BORDER_3D;
        }
    }
    return TRUE;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CFrameWnd* pFrame = GetParentFrame())
    {
        m_pDockSite = pFrame;
        pFrame->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockSite != nullptr)
    {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

// ---------------------------------------------------------------------------
// Layout

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorder;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorder;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorder;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorder;
    if (bHorz)
    {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    // A docked bar asked for its natural size answers its fixed layout
    // along its docking side.
    if (nLength == -1 && !(nMode & LM_MRUWIDTH) && !(nMode & LM_COMMIT)
        && (nMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZDOCK);
    return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZ);
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwStyle = (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) | (GetStyle() & WS_VISIBLE);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && bVisible)
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVisible)
        swpFlags = SWP_SHOWWINDOW;
    if (swpFlags == 0)
    {
        m_nStateFlags &= ~(delayShow | delayHide);
        return dwStyle;
    }

    // The layout sees the bar as it will be.
    dwStyle &= ~WS_VISIBLE;
    if (swpFlags == SWP_SHOWWINDOW)
        dwStyle |= WS_VISIBLE;
    if (lpLayout != nullptr && lpLayout->hDWP == nullptr)
        return dwStyle;   // only measuring: the change stays pending

    m_nStateFlags &= ~(delayShow | delayHide);
    swpFlags |= SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (lpLayout != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0, swpFlags);
    else
        SetWindowPos(nullptr, 0, 0, 0, 0, swpFlags);
    return dwStyle;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if ((dwStyle & WS_VISIBLE) == 0 || (dwStyle & CBRS_ALIGN_ANY) == 0)
        return 0;

    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;

    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = size.cx < sizeAvail.cx ? size.cx : sizeAvail.cx;
    size.cy = size.cy < sizeAvail.cy ? size.cy : sizeAvail.cy;

    if (dwStyle & CBRS_ORIENT_HORZ)
    {
        lpLayout->sizeTotal.cy += size.cy;
        if (size.cx > lpLayout->sizeTotal.cx)
            lpLayout->sizeTotal.cx = size.cx;
        if (dwStyle & CBRS_ALIGN_TOP)
        {
            lpLayout->rect.top += size.cy;
        }
        else if (dwStyle & CBRS_ALIGN_BOTTOM)
        {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    }
    else if (dwStyle & CBRS_ORIENT_VERT)
    {
        lpLayout->sizeTotal.cx += size.cx;
        if (size.cy > lpLayout->sizeTotal.cy)
            lpLayout->sizeTotal.cy = size.cy;
        if (dwStyle & CBRS_ALIGN_LEFT)
        {
            lpLayout->rect.left += size.cx;
        }
        else if (dwStyle & CBRS_ALIGN_RIGHT)
        {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != nullptr)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

// ---------------------------------------------------------------------------
// Idle update

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    RecalcDelayShow(nullptr);
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = nullptr;
    if (pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pTarget = static_cast<CFrameWnd*>(pOwner);
    else
        pTarget = GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}

void CControlBar::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CControlCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue;
        state.m_nID = nID;
        state.m_pOther = CWnd::FromHandle(hWndChild);
        // A static text has nothing to enable.
        char szClass[16];
        ::GetClassNameA(hWndChild, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Static") == 0)
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

// ---------------------------------------------------------------------------
// Painting and messages

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    DWORD dwStyle = m_dwStyle;
    if ((dwStyle & CBRS_BORDER_ANY) == 0)
        return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    CRect rc(rect);
    if (dwStyle & CBRS_BORDER_TOP)
    {
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, clrShadow);
        pDC->FillSolidRect(rc.left, rc.top + 1, rc.Width(), 1, clrHilite);
        rect.top += kBorder;
    }
    if (dwStyle & CBRS_BORDER_BOTTOM)
    {
        pDC->FillSolidRect(rc.left, rc.bottom - 2, rc.Width(), 1, clrShadow);
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clrHilite);
        rect.bottom -= kBorder;
    }
    if (dwStyle & CBRS_BORDER_LEFT)
    {
        pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), clrShadow);
        pDC->FillSolidRect(rc.left + 1, rc.top, 1, rc.Height(), clrHilite);
        rect.left += kBorder;
    }
    if (dwStyle & CBRS_BORDER_RIGHT)
    {
        pDC->FillSolidRect(rc.right - 2, rc.top, 1, rc.Height(), clrShadow);
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clrHilite);
        rect.right -= kBorder;
    }
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    ScreenToClient(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);

    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawBorders(&dc, rectWindow);
    dc.IntersectClipRect(&rectWindow);
    SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
}

// Bars built on system controls paint their own non-client area badly when
// resized: the borders at the moving edges are repainted here.
void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    ::DefWindowProcA(m_hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(lpWndPos));
    if (lpWndPos->flags & SWP_NOSIZE)
        return;
    CRect rect;
    GetWindowRect(&rect);
    CSize sizePrev = rect.Size();
    int cx = lpWndPos->cx;
    int cy = lpWndPos->cy;
    if (cx != sizePrev.cx && (m_dwStyle & CBRS_BORDER_RIGHT))
    {
        rect.SetRect(cx - kBorder, 0, cx, cy);
        InvalidateRect(&rect);
        rect.SetRect(sizePrev.cx - kBorder, 0, sizePrev.cx, cy);
        InvalidateRect(&rect);
    }
    if (cy != sizePrev.cy && (m_dwStyle & CBRS_BORDER_BOTTOM))
    {
        rect.SetRect(0, cy - kBorder, cx, cy);
        InvalidateRect(&rect);
        rect.SetRect(0, sizePrev.cy - kBorder, cx, sizePrev.cy);
        InvalidateRect(&rect);
    }
}

BOOL CControlBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr || pOwner->m_hWnd == nullptr)
        return FALSE;
    pOwner->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CControlBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr || pOwner->m_hWnd == nullptr)
        return FALSE;
    *pResult = pOwner->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
