// The status bar's panes, their texts and styles, its layout inside the
// frame and its command update. Painting and the window messages are in
// StatusBarWnd.cpp.
#include "toolkit/extras/StatusBar.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/Dc.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/ToolTipContext.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CXTPStatusBar, CControlBar)

namespace {

// Room the control keeps around a part's text, on top of the pane's width.
const int kPartMargin = 6;
// Window styles the bar always gives the control: it neither places nor
// sizes itself and draws no divider (the frame's layout places it).
const DWORD kControlStyles = CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NORESIZE | CCS_NODIVIDER;
// Of the caller's style, the window keeps these bits (the bar's own
// CBRS_ bits and the gripper bit stay out).
const DWORD kWindowStyleMask = 0xFFBF0000 | kControlStyles;

// The status control's idea of a pane's command state: enabling clears the
// disabled bit, checking pops the pane out, texts go to the pane at once.
class CStatusCmdUI : public CCmdUI
{
public:
    explicit CStatusCmdUI(CXTPStatusBar* pBar) : m_pBar(pBar) {}

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        int nIndex = static_cast<int>(m_nIndex);
        UINT nStyle = m_pBar->GetPaneStyleAt(nIndex) & ~XTP_SBPS_DISABLED;
        if (!bOn)
            nStyle |= XTP_SBPS_DISABLED;
        m_pBar->SetPaneStyleAt(nIndex, nStyle);
    }
    void SetCheck(int nCheck) override
    {
        int nIndex = static_cast<int>(m_nIndex);
        UINT nStyle = m_pBar->GetPaneStyleAt(nIndex) & ~XTP_SBPS_POPOUT;
        if (nCheck != 0)
            nStyle |= XTP_SBPS_POPOUT;
        m_pBar->SetPaneStyleAt(nIndex, nStyle);
    }
    void SetText(LPCSTR lpszText) override
    {
        m_pBar->SetPaneTextAt(static_cast<int>(m_nIndex), lpszText, TRUE);
    }

private:
    CXTPStatusBar* m_pBar;
};

// The status font of the system's non-client metrics.
void GetStatusLogFont(LOGFONTA* pLogFont)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = CCSIZEOF_STRUCT(NONCLIENTMETRICSA, lfMessageFont);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
        *pLogFont = ncm.lfStatusFont;
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), pLogFont);
}

} // namespace

CXTPStatusBar::CXTPStatusBar()
    : m_nMinHeight(0), m_bShowDisabledText(TRUE), m_pCommandBars(nullptr),
      m_bDrawWithPaintManager(TRUE), m_pToolTipContext(new CXTPToolTipContext)
{
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 0;
    LOGFONTA lf;
    GetStatusLogFont(&lf);
    m_fontBar.CreateFontIndirect(&lf);
}

CXTPStatusBar::~CXTPStatusBar()
{
    for (CXTPStatusBarPane* pPane : m_arrPanes)
    {
        pPane->SetStatusBar(nullptr);
        pPane->InternalRelease();
    }
    m_arrPanes.clear();
    m_pToolTipContext->InternalRelease();
}

BOOL CXTPStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWndStyle = (dwStyle & kWindowStyleMask) | kControlStyles;
    if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwWndStyle |= SBARS_SIZEGRIP;
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG))
        return FALSE;
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CXTPStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // A bottom bar with a top border gets none: the status control draws
    // its own edge.
    if ((m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == CBRS_BOTTOM)
        m_dwStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    return CControlBar::PreCreateWindow(cs);
}

void CXTPStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (m_hWnd != nullptr && ((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

// ---------------------------------------------------------------------------
// Panes

BOOL CXTPStatusBar::SetPanesFromIds(const UINT* lpIDArray, int nIDCount)
{
    RemoveAllPanes();
    if (lpIDArray == nullptr)
        return TRUE;

    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; ++i)
    {
        auto* pPane = new CXTPStatusBarPane;
        pPane->SetStatusBar(this);
        pPane->m_nFlags |= CXTPStatusBarPane::textPending;
        pPane->m_nID = lpIDArray[i];
        if (pPane->m_nID != 0)
        {
            if (!pPane->m_strText.LoadString(pPane->m_nID))
            {
                pPane->SetStatusBar(nullptr);
                pPane->InternalRelease();
                bResult = FALSE;
                break;
            }
            m_arrPanes.push_back(pPane);
            pPane->m_cxText = CalcPaneWidth(pPane);
        }
        else
        {
            pPane->m_cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pPane->m_nStyle |= XTP_SBPS_STRETCH | XTP_SBPS_NOBORDERS;
            m_arrPanes.push_back(pPane);
        }
    }
    RecalcPanes(recalcRects | recalcTexts);
    return bResult;
}

void CXTPStatusBar::RemoveAllPanes()
{
    for (CXTPStatusBarPane* pPane : m_arrPanes)
    {
        pPane->SetStatusBar(nullptr);
        pPane->InternalRelease();
    }
    m_arrPanes.clear();
    RecalcPanes(recalcRects | recalcTexts);
}

int CXTPStatusBar::GetVisiblePaneCount() const
{
    int nCount = 0;
    for (CXTPStatusBarPane* pPane : m_arrPanes)
        nCount += pPane->IsVisible() ? 1 : 0;
    return nCount;
}

CXTPStatusBarPane* CXTPStatusBar::GetPane(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetPaneCount())
        return nullptr;
    return m_arrPanes[static_cast<size_t>(nIndex)];
}

int CXTPStatusBar::FindPaneIndex(UINT nID) const
{
    for (int i = 0; i < GetPaneCount(); ++i)
    {
        if (m_arrPanes[static_cast<size_t>(i)]->GetID() == nID)
            return i;
    }
    return -1;
}

CString CXTPStatusBar::GetPaneTextAt(int nIndex) const
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->GetText() : CString();
}

BOOL CXTPStatusBar::SetPaneTextAt(int nIndex, LPCSTR lpszText, BOOL bUpdate)
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr)
        return FALSE;
    if (lpszText == nullptr)
        lpszText = "";
    if ((pPane->m_nFlags & CXTPStatusBarPane::textPending) == 0
        && pPane->m_strText.Compare(lpszText) == 0)
        return TRUE;

    pPane->m_strText = lpszText;
    if (!pPane->IsVisible())
    {
        pPane->m_nFlags |= CXTPStatusBarPane::textPending;
        return FALSE;
    }
    if (!bUpdate || m_hWnd == nullptr || pPane->m_nVisibleIndex < 0)
    {
        pPane->m_nFlags |= CXTPStatusBarPane::textPending;
        return TRUE;
    }

    pPane->m_nFlags &= ~CXTPStatusBarPane::textPending;
    // A disabled pane keeps its text; the control shows none.
    LPCSTR lpszShown = (pPane->m_nStyle & XTP_SBPS_DISABLED) ? nullptr : lpszText;
    WPARAM wParam = LOWORD(pPane->m_nStyle) | static_cast<WPARAM>(pPane->m_nVisibleIndex);
    SendMessage(SB_SETTEXTA, wParam, reinterpret_cast<LPARAM>(lpszShown));
    Invalidate(FALSE);
    return TRUE;
}

UINT CXTPStatusBar::GetPaneStyleAt(int nIndex) const
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->m_nStyle : 0;
}

void CXTPStatusBar::SetPaneStyleAt(int nIndex, UINT nStyle)
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr || pPane->m_nStyle == nStyle)
        return;
    if ((pPane->m_nStyle ^ nStyle) & XTP_SBPS_STRETCH)
    {
        pPane->m_nStyle = nStyle;
        RecalcPanes(recalcRects);
    }
    pPane->m_nFlags |= CXTPStatusBarPane::textPending;
    pPane->m_nStyle = nStyle;
    SetPaneTextAt(nIndex, pPane->m_strText, TRUE);
}

void CXTPStatusBar::SetDisabledTextShown(BOOL bShow)
{
    m_bShowDisabledText = bShow;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CXTPStatusBar::SetDrawWithPaintManager(BOOL bDraw)
{
    m_bDrawWithPaintManager = bDraw;
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
}

CXTPPaintManager* CXTPStatusBar::GetPaintManager() const
{
    return m_pCommandBars != nullptr ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
}

CXTPImageManager* CXTPStatusBar::GetImageManager() const
{
    return m_pCommandBars != nullptr ? m_pCommandBars->GetImageManager() : XTPImageManager();
}

// ---------------------------------------------------------------------------
// Layout

void CXTPStatusBar::GetControlBorders(int borders[3]) const
{
    // What the status control answers when it has no window to ask.
    borders[0] = 0;
    borders[1] = 2;
    borders[2] = 2;
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
}

BOOL CXTPStatusBar::IsParentZoomed() const
{
    CWnd* pParent = GetParent();
    return pParent != nullptr && pParent->IsZoomed();
}

BOOL CXTPStatusBar::HasSizeGrip() const
{
    return m_hWnd != nullptr && (GetStyle() & SBARS_SIZEGRIP) != 0;
}

int CXTPStatusBar::LastVisiblePane() const
{
    for (int i = GetPaneCount() - 1; i >= 0; --i)
    {
        if (m_arrPanes[static_cast<size_t>(i)]->IsVisible())
            return i;
    }
    return -1;
}

void CXTPStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    CControlBar::CalcInsideRect(rect, bHorz);
    if (HasSizeGrip() && !IsParentZoomed())
    {
        int borders[3];
        GetControlBorders(borders);
        rect.right -= 2 * ::GetSystemMetrics(SM_CXBORDER) + borders[0]
                      + ::GetSystemMetrics(SM_CXVSCROLL);
    }
}

CSize CXTPStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    TEXTMETRICA tm = {};
    {
        CClientDC dc(nullptr);
        CXTPFontDC font(&dc, &m_fontBar);
        ::GetTextMetricsA(dc.GetSafeHdc(), &tm);
    }
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    int borders[3];
    GetControlBorders(borders);
    int cy = 2 * (::GetSystemMetrics(SM_CYBORDER) + borders[1]) + (rectInside.top - rectInside.bottom)
             + static_cast<int>(tm.tmHeight - tm.tmInternalLeading) - 1;
    return CSize(32767, cy > m_nMinHeight ? cy : m_nMinHeight);
}

int CXTPStatusBar::CalcPaneWidth(CXTPStatusBarPane* pPane)
{
    CRect rcPadding = pPane->GetPadding();
    int cxText = 0;
    CString strText = pPane->GetText();
    if (!strText.IsEmpty())
    {
        CClientDC dc(m_hWnd != nullptr ? this : nullptr);
        CXTPFontDC font(&dc, pPane->GetTextFont());
        cxText = dc.GetTextExtent(strText).cx;
    }
    int cx = rcPadding.left + rcPadding.right + cxText;
    if (CXTPImageManagerIcon* pIcon = pPane->GetIcon())
        cx += pIcon->GetWidth() + (cxText > 0 ? 2 : 0);
    return cx;
}

void CXTPStatusBar::RecalcPanes(int nFlags)
{
    if (m_hWnd == nullptr)
        return;

    if (nFlags & recalcRects)
    {
        CRect rect;
        GetWindowRect(&rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        int borders[3];
        GetControlBorders(borders);
        int nGap = borders[2];

        int cxSpare = nGap + rect.Width();
        int nStretching = 0;
        int nVisible = 0;
        for (int i = 0; i < GetPaneCount(); ++i)
        {
            CXTPStatusBarPane* pPane = m_arrPanes[static_cast<size_t>(i)];
            pPane->m_nIndex = i;
            pPane->m_nVisibleIndex = -1;
            if (!pPane->IsVisible())
                continue;
            pPane->m_nVisibleIndex = nVisible++;
            if (pPane->m_nStyle & XTP_SBPS_STRETCH)
                ++nStretching;
            cxSpare -= pPane->m_cxText + nGap + kPartMargin;
        }

        // Each stretching pane takes its share of what is left; dividing
        // the rest anew each time leaves the rounding to the last one.
        std::vector<int> rights;
        int x = borders[0];
        for (CXTPStatusBarPane* pPane : m_arrPanes)
        {
            if (!pPane->IsVisible())
                continue;
            x += pPane->m_cxText + kPartMargin;
            if ((pPane->m_nStyle & XTP_SBPS_STRETCH) && cxSpare > 0)
            {
                int cxShare = cxSpare / nStretching;
                x += cxShare;
                cxSpare -= cxShare;
            }
            if (pPane->m_nStyle & XTP_SBPS_STRETCH)
                --nStretching;
            rights.push_back(x);
            x += nGap;
        }
        // The control wants at least one part: an empty bar shows one empty part.
        if (rights.empty())
        {
            rights.push_back(-1);
            SendMessage(SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
        }
        SendMessage(SB_SETPARTS, static_cast<WPARAM>(rights.size()),
                    reinterpret_cast<LPARAM>(rights.data()));
        PositionPaneWindows();
    }

    if (nFlags & recalcTexts)
    {
        for (int i = 0; i < GetPaneCount(); ++i)
        {
            CXTPStatusBarPane* pPane = m_arrPanes[static_cast<size_t>(i)];
            if (pPane->IsVisible() && (pPane->m_nFlags & CXTPStatusBarPane::textPending))
                SetPaneTextAt(i, pPane->m_strText, TRUE);
        }
    }
}

void CXTPStatusBar::PositionPaneWindows()
{
    for (int i = 0; i < GetPaneCount(); ++i)
    {
        CXTPStatusBarPane* pPane = m_arrPanes[static_cast<size_t>(i)];
        CWnd* pChild = pPane->GetChild();
        if (pChild == nullptr || !::IsWindow(pChild->GetSafeHwnd()))
            continue;
        CRect rc;
        GetPaneRect(i, &rc);
        if ((pPane->m_nStyle & XTP_SBPS_NOBORDERS) == 0)
            rc.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CXEDGE));
        pChild->MoveWindow(&rc, TRUE);
    }
}

void CXTPStatusBar::GetPaneRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr || !pPane->IsVisible() || pPane->m_nVisibleIndex < 0 || m_hWnd == nullptr)
        return;
    if (!::SendMessageA(m_hWnd, SB_GETRECT, static_cast<WPARAM>(pPane->m_nVisibleIndex),
                        reinterpret_cast<LPARAM>(lpRect)))
    {
        ::SetRectEmpty(lpRect);
        return;
    }
    if (nIndex != LastVisiblePane())
        return;
    // The control stretches its last part to the end; the bar's own
    // layout decides where the pane ends.
    if (pPane->m_nStyle & XTP_SBPS_STRETCH)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        lpRect->right = rcClient.right;
        if (HasSizeGrip())
            lpRect->right -= ::GetSystemMetrics(SM_CXSMICON) + ::GetSystemMetrics(SM_CXEDGE);
    }
    else
    {
        lpRect->right = lpRect->left + pPane->m_cxText + 3 * ::GetSystemMetrics(SM_CXEDGE);
    }
}

CXTPStatusBarPane* CXTPStatusBar::HitTestPane(CPoint point, LPRECT lpRect) const
{
    for (int i = 0; i < GetPaneCount(); ++i)
    {
        CXTPStatusBarPane* pPane = m_arrPanes[static_cast<size_t>(i)];
        if (!pPane->IsVisible())
            continue;
        CRect rc;
        GetPaneRect(i, &rc);
        if (rc.PtInRect(point))
        {
            if (lpRect != nullptr)
                *lpRect = rc;
            return pPane;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Command update and tools

void CXTPStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state(this);
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetPaneCount());
    for (int i = 0; i < GetPaneCount(); ++i)
    {
        CXTPStatusBarPane* pPane = GetPane(i);
        if (pPane == nullptr)
            break;   // a handler emptied the bar
        state.m_nID = pPane->GetID();
        state.m_nIndex = static_cast<UINT>(i);
        // The bar's own handlers come first.
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, FALSE);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

INT_PTR CXTPStatusBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    CRect rc;
    CXTPStatusBarPane* pPane = HitTestPane(point, &rc);
    if (pPane == nullptr || pPane->GetTooltip().IsEmpty())
        return -1;
    CXTPToolTipContext::FillToolInfo(pTI, m_hWnd, rc, pPane->GetID(), pPane->GetTooltip());
    return static_cast<INT_PTR>(pPane->GetID());
}
