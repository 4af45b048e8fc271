// The dialog bar's layout, edges and caption band. Docked and floating
// layouts differ only in the client size they start from; the caption
// band's two buttons are made by the first layout and kept as temporary
// controls, so they are never stored with the bar's own controls.
#include "toolkit/commandbars/DialogBar.h"

#include "framework/ui/ControlBar.h"
#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBarPlacement.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/PaintManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPDialogBar, CXTPToolBar)

BEGIN_MESSAGE_MAP(CXTPDialogBar, CXTPToolBar)
    ON_WM_NCHITTEST()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

const int kDefaultClientSize = 200;
const int kMinimumSize = 50;
// The floating layout is not limited by a dock bar's length.
const int kFloatingLength = 32000;
// The caption band's buttons are 16 pixels square.
const int kCaptionButtonSize = 16;
// The band of the window edge that starts a resize.
const int kEdgeWidth = 3;

// The point size, in tenths, that gives an 8-point glyph on the device.
int GlyphPointSize(CDC* pDC)
{
    const int nDpi = std::max<int>(1, pDC->GetDeviceCaps(LOGPIXELSX));
    return (80 * 96 + nDpi / 2) / nDpi;
}

} // namespace

// --- Caption band controls ---------------------------------------------------------------

void CXTPDialogBar::CControlButtonHide::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->DrawControlFace(pDC, this);
    CFont font;
    if (!font.CreatePointFont(GlyphPointSize(pDC), "Marlett", pDC))
        return;
    CFont* pOldFont = pDC->SelectObject(&font);
    const COLORREF clrOld = pDC->SetTextColor(pPaintManager->GetTextColorForControl(this));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rc = GetRect();
    pDC->DrawText("r", 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    pDC->SelectObject(pOldFont);
}

void CXTPDialogBar::CControlButtonHide::OnExecute()
{
    if (CXTPCommandBar* pBar = GetParent())
        pBar->SetVisible(FALSE);
}

BOOL CXTPDialogBar::CControlCaptionPopup::SetPopupOpen(BOOL bOpen)
{
    // Without entries the button is only a caption: asked to open, it is done.
    if (bOpen && !m_bPopupEnabled)
        return TRUE;
    return CXTPControlPopup::SetPopupOpen(bOpen);
}

void CXTPDialogBar::CControlCaptionPopup::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CFont* pOldFont = pDC->SelectObject(pPaintManager->GetRegularFont());
    COLORREF clrText = GetColorManager()->ResolveColor(COLOR_BTNTEXT);
    if (m_bPopupEnabled)
    {
        pPaintManager->DrawControlFace(pDC, this);
        clrText = pPaintManager->GetTextColorForControl(this);
    }
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const CRect rc = GetRect();
    CRect rcText(rc.left + 2, rc.top, rc.right - (m_bPopupEnabled ? 15 : 2), rc.bottom);
    pDC->DrawText(GetCaption(), &rcText, DT_VCENTER | DT_SINGLELINE);
    if (m_bPopupEnabled)
    {
        const int nMiddle = rc.CenterPoint().y;
        pPaintManager->FillTriangle(pDC, CPoint(rc.right - 13, nMiddle - 2),
                                    CPoint(rc.right - 5, nMiddle - 2),
                                    CPoint(rc.right - 9, nMiddle + 2), clrText);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    pDC->SelectObject(pOldFont);
}

void CXTPDialogBar::CCaptionPopupBar::UpdateAnchor()
{
    CXTPPopupBar::UpdateAnchor();
    if (!m_pControlPopup)
        return;
    m_dwPopupFlags = xtpPopupDown;
    m_ptPopup = CPoint(m_rcExclude.left, m_rcExclude.bottom);
}

// --- The bar -----------------------------------------------------------------------------

CXTPDialogBar::CXTPDialogBar()
    : m_rcBorders(3, 3, 3, 3), m_bResizable(TRUE), m_szMinSize(kMinimumSize, kMinimumSize),
      m_bCaption(TRUE), m_bCaptionPopup(TRUE), m_nCaptionHeight(0),
      m_szDockingClient(kDefaultClientSize, kDefaultClientSize),
      m_szFloatingClient(kDefaultClientSize, kDefaultClientSize), m_hwndChild(nullptr),
      m_pCaptionPopupBar(new CCaptionPopupBar), m_bActive(FALSE)
{
}

CXTPDialogBar::~CXTPDialogBar()
{
    m_pCaptionPopupBar->InternalRelease();
}

void CXTPDialogBar::SetChild(CWnd* pChildWnd)
{
    m_hwndChild = pChildWnd ? pChildWnd->GetSafeHwnd() : nullptr;
    if (m_hwndChild && m_hWnd)
    {
        ::SetParent(m_hwndChild, m_hWnd);
        CRect rc;
        GetClientRect(&rc);
        OnSize(SIZE_RESTORED, rc.Width(), rc.Height());
    }
}

void CXTPDialogBar::SetCaption(LPCSTR lpszCaption)
{
    m_strCaption = lpszCaption;
    DelayLayout();
}

void CXTPDialogBar::ShowCaption(BOOL bShow)
{
    m_bCaption = bShow;
    DelayLayout();
}

CRect CXTPDialogBar::GetClientBorders() const
{
    CRect rc = m_rcBorders;
    rc.top = std::max<int>(m_nCaptionHeight, m_rcBorders.top);
    return rc;
}

CSize CXTPDialogBar::CalcLayout(CSize szClient, int nLength, DWORD dwMode)
{
    CSize size(szClient.cx + m_rcBorders.left + m_rcBorders.right,
               szClient.cy + m_rcBorders.top + m_rcBorders.bottom);
    int nBand = 0;
    if (m_bCaption)
    {
        CClientDC dc(m_hWnd ? this : nullptr);
        CXTPPaintManager* pPaintManager = GetPaintManager();
        CFont* pOldFont = dc.SelectObject(pPaintManager->GetRegularFont());
        nBand = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE).cy;
        dc.SelectObject(pOldFont);
        size.cy += nBand;
    }
    m_nCaptionHeight = m_rcBorders.top + nBand;

    if (dwMode & LM_STRETCH)
    {
        if (dwMode & LM_VERTDOCK)
            size.cy = std::max<int>(size.cy, nLength);
        else
            size.cx = std::max<int>(size.cx, nLength);
    }
    if (dwMode & LM_HORZ)
        size.cx = std::min<int>(size.cx, nLength);
    else
        size.cy = std::min<int>(size.cy, nLength);

    if (m_bCaption)
    {
        LayOutCaptionButtons(size.cx, nBand);
    }
    else
    {
        ShowSpecial(XTP_ID_TOOLBAR_HIDE, FALSE);
        ShowSpecial(XTP_ID_DIALOGBAR_CAPTION, FALSE);
    }
    if ((m_dwDirty & xtpDirtyLayout) && (dwMode & LM_COMMIT))
    {
        m_dwDirty &= ~xtpDirtyLayout;
        Redraw();
    }
    return size;
}

void CXTPDialogBar::LayOutCaptionButtons(int nWidth, int nBand)
{
    const int nTop = m_rcBorders.top + nBand / 2 - kCaptionButtonSize / 2;
    int nRight = nWidth - m_rcBorders.right;

    CXTPControl* pHide = FindSpecial(XTP_ID_TOOLBAR_HIDE);
    if (m_bCloseable)
    {
        if (!pHide)
        {
            pHide = new CControlButtonHide;
            m_pControls->Add(pHide, XTP_ID_TOOLBAR_HIDE, nullptr, -1, TRUE);
        }
        pHide->SetHideFlags(0);
        pHide->SetRect(CRect(nRight - kCaptionButtonSize, nTop, nRight, nTop + kCaptionButtonSize));
        nRight -= kCaptionButtonSize;
    }
    else if (pHide)
    {
        pHide->SetHideFlags(xtpHideGeneric);
    }

    m_pCaptionPopupBar->SetCommandBars(GetCommandBars());
    CControlCaptionPopup* pCaption = static_cast<CControlCaptionPopup*>(FindSpecial(XTP_ID_DIALOGBAR_CAPTION));
    if (!pCaption)
    {
        pCaption = new CControlCaptionPopup;
        m_pControls->Add(pCaption, XTP_ID_DIALOGBAR_CAPTION, nullptr, -1, TRUE);
        pCaption->SetCommandBar(m_pCaptionPopupBar);
    }
    pCaption->SetPopupEnabled(m_bCaptionPopup && m_pCaptionPopupBar->GetControlCount() > 0);
    const CString strCaption = m_strCaption.IsEmpty() ? m_strTitle : m_strCaption;
    if (pCaption->GetCaption() != strCaption)
        pCaption->SetCaption(strCaption);

    CClientDC dc(m_hWnd ? this : nullptr);
    const int nIndent = GetPaintManager()->DrawCommandBarGripper(&dc, this, FALSE).cx;
    pCaption->SetHideFlags(0);
    pCaption->SetRect(CRect(m_rcBorders.left + nIndent, nTop, std::max<int>(m_rcBorders.left + nIndent, nRight),
                            nTop + kCaptionButtonSize));
}

CSize CXTPDialogBar::CalcDynamicLayout(int /*nLength*/, DWORD dwMode)
{
    return CalcLayout(m_szFloatingClient, kFloatingLength, dwMode);
}

CSize CXTPDialogBar::CalcDockingLayout(int nLength, DWORD dwMode, int /*nWidth*/)
{
    return CalcLayout(m_szDockingClient, nLength > 0 ? nLength : kFloatingLength, dwMode);
}

int CXTPDialogBar::HitTestBar(POINT ptScreen) const
{
    if (!m_hWnd)
        return -2;
    CRect rc;
    GetWindowRect(&rc);
    rc.bottom = std::min<int>(rc.bottom, rc.top + m_nCaptionHeight);
    return rc.PtInRect(ptScreen) ? 1 : -2;
}

LRESULT CXTPDialogBar::HitTestEdges(CPoint ptScreen) const
{
    if (!m_bResizable || !m_hWnd)
        return HTNOWHERE;
    CRect rc;
    GetWindowRect(&rc);
    return HitTestEdges(rc, ptScreen, m_barPosition, m_dwFlags);
}

LRESULT CXTPDialogBar::HitTestEdges(const CRect& rcWindow, CPoint pt, int nPosition, DWORD dwFlags)
{
    CRect rc = rcWindow;
    rc.DeflateRect(kEdgeWidth, kEdgeWidth);
    const BOOL bAbove = pt.y < rc.top;
    const BOOL bBelow = pt.y >= rc.bottom;
    const BOOL bLeft = pt.x < rc.left;
    const BOOL bRight = pt.x >= rc.right;
    const BOOL bStretched = (dwFlags & xtpFlagStretched) != 0;
    switch (nPosition)
    {
    case xtpBarFloating:
        if (bAbove)
            return bLeft ? HTTOPLEFT : bRight ? HTTOPRIGHT : HTTOP;
        if (bBelow)
            return bLeft ? HTBOTTOMLEFT : bRight ? HTBOTTOMRIGHT : HTBOTTOM;
        return bLeft ? HTLEFT : bRight ? HTRIGHT : HTNOWHERE;
    case xtpBarBottom:
        return bAbove ? HTTOP : HTNOWHERE;
    case xtpBarTop:
    case xtpBarLeft:
    case xtpBarRight:
    {
        // A stretched bar on a side fills its row's height: only its width changes.
        const BOOL bSide = nPosition != xtpBarTop;
        if (bBelow && !(bSide && bStretched))
            return HTBOTTOM;
        if (nPosition == xtpBarRight)
            return bLeft ? HTLEFT : HTNOWHERE;
        if (bRight && (!bStretched || nPosition == xtpBarLeft))
            return HTRIGHT;
        return HTNOWHERE;
    }
    default:
        return HTNOWHERE;
    }
}

LRESULT CXTPDialogBar::OnNcHitTest(CPoint point)
{
    const LRESULT nHit = HitTestEdges(point);
    return nHit != HTNOWHERE ? nHit : CXTPToolBar::OnNcHitTest(point);
}

BOOL CXTPDialogBar::OnResize(const CRect& rcWindow, int nHitTest)
{
    if (rcWindow.Width() < m_szMinSize.cx || rcWindow.Height() < m_szMinSize.cy)
        return FALSE;
    const CRect rcBorders = GetClientBorders();
    const CSize szClient(std::max<int>(0, rcWindow.Width() - rcBorders.left - rcBorders.right),
                         std::max<int>(0, rcWindow.Height() - rcBorders.top - rcBorders.bottom));
    if (m_barPosition == xtpBarFloating)
    {
        m_szFloatingClient = szClient;
        CalcDynamicLayout(kFloatingLength, LM_HORZ | LM_COMMIT);
        if (m_hWnd)
        {
            SetWindowPos(nullptr, rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            Redraw();
        }
        return TRUE;
    }
    if (nHitTest == HTLEFT || nHitTest == HTRIGHT)
        m_szDockingClient.cx = szClient.cx;
    else
        m_szDockingClient.cy = szClient.cy;
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout();
    return TRUE;
}

void CXTPDialogBar::OnSize(UINT nType, int cx, int cy)
{
    CXTPToolBar::OnSize(nType, cx, cy);
    if (!m_hwndChild || !::IsWindow(m_hwndChild))
        return;
    const CRect rcBorders = GetClientBorders();
    // A bar squeezed below its borders leaves the child empty, never negative.
    ::SetWindowPos(m_hwndChild, nullptr, rcBorders.left, rcBorders.top,
                   std::max<int>(0, cx - rcBorders.left - rcBorders.right),
                   std::max<int>(0, cy - rcBorders.top - rcBorders.bottom), SWP_NOACTIVATE | SWP_NOZORDER);
    ::InvalidateRect(m_hwndChild, nullptr, FALSE);
}

void CXTPDialogBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    BOOL bActive = FALSE;
    HWND hFocus = ::GetFocus();
    if (m_hWnd && hFocus)
    {
        HWND hOwner = ::GetWindow(hFocus, GW_OWNER);
        if (!hOwner)
            hOwner = ::GetParent(hFocus);
        bActive = hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus)
                  || (hOwner && (hOwner == m_hWnd || ::IsChild(m_hWnd, hOwner)));
    }
    if (bActive != m_bActive)
    {
        m_bActive = bActive;
        Redraw();
    }
    CXTPToolBar::OnIdleUpdateCmdUI(wParam, lParam);
}

void CXTPDialogBar::Copy(CXTPCommandBar* pSource, BOOL bRecursive)
{
    CXTPToolBar::Copy(pSource, bRecursive);
    if (!pSource || !pSource->IsKindOf(RUNTIME_CLASS(CXTPDialogBar)))
        return;
    const CXTPDialogBar* pDialogBar = static_cast<const CXTPDialogBar*>(pSource);
    m_rcBorders = pDialogBar->m_rcBorders;
    m_bResizable = pDialogBar->m_bResizable;
    m_szMinSize = pDialogBar->m_szMinSize;
    m_bCaption = pDialogBar->m_bCaption;
    m_bCaptionPopup = pDialogBar->m_bCaptionPopup;
    m_szDockingClient = pDialogBar->m_szDockingClient;
    m_szFloatingClient = pDialogBar->m_szFloatingClient;
    m_strCaption = pDialogBar->m_strCaption;
}

CXTPCommandBar* CXTPDialogBar::Clone(BOOL bRecursive)
{
    CXTPDialogBar* pClone = new CXTPDialogBar;
    pClone->Copy(this, bRecursive);
    return pClone;
}
