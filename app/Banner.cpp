#include "app/Banner.h"

#include "app/Settings.h"
#include "app/res/resource.h"
#include "framework/ui/Dc.h"
#include "framework/ui/MessageMap.h"
#include "toolkit/draw/BufferDC.h"

#include <string.h>

namespace {

const DWORD kBannerStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
const int kFullHeight = 32767;
const COLORREF kBelowPicture = RGB(0x00, 0x00, 0x60);
const COLORREF kNoPicture = RGB(0x00, 0x00, 0x80);
const int kLogoWidth = 20;
const COLORREF kLogoMask = RGB(0x00, 0xFF, 0x00);
// The logo's top lies this far above the banner's foot.
const int kLogoRise = 297;
// Extra non-client room around the client area.
const int kSideMargin = 3;
const int kEndMargin = 8;

int ScreenBitsPerPixel()
{
    CWindowDC dcScreen(nullptr);
    return dcScreen.GetDeviceCaps(BITSPIXEL) * dcScreen.GetDeviceCaps(PLANES);
}

} // namespace

BEGIN_MESSAGE_MAP(CBanner, CToolBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCCALCSIZE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

CBanner::CBanner() = default;
CBanner::~CBanner() = default;

BOOL CBanner::CreateBanner(CWnd* pFrame)
{
    if (!Create(pFrame, kBannerStyle, kBarId))
        return FALSE;
    LoadPicture();
    m_logos.Create(IDB_BANNER_LOGO, kLogoWidth, 1, kLogoMask);
    CWindowDC dcScreen(nullptr);
    m_font.CreateFont(-::MulDiv(20, dcScreen.GetDeviceCaps(LOGPIXELSY), 72), 0, 900, 900, FW_BOLD, FALSE,
                      FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, "Arial");
    return TRUE;
}

void CBanner::LoadPicture()
{
    // On a screen of few colours the photograph would look poor: none, and
    // nothing to report.
    if (ScreenBitsPerPixel() < 16)
        return;
    m_bPictureLoaded = QivLoadProgramPicture(m_picture, "banner.jpg") ? 1 : 0;
}

CSize CBanner::CalcFixedLayout(BOOL, BOOL)
{
    return CSize(kWidth, kFullHeight);
}

CSize CBanner::CalcDynamicLayout(int, DWORD)
{
    return CSize(kWidth, kFullHeight);
}

void CBanner::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

COLORREF CBanner::FillColor() const
{
    return m_picture.IsLoaded() ? kBelowPicture : kNoPicture;
}

void CBanner::DrawBanner(CDC* pDC, const CRect& rcClient)
{
    if (m_picture.IsLoaded()) {
        CSize szPicture = m_picture.GetSizePixels(pDC);
        m_picture.Render(pDC, CRect(CPoint(0, 0), szPicture));
        if (szPicture.cy < rcClient.Height())
            pDC->FillSolidRect(0, szPicture.cy, rcClient.Width(), rcClient.Height() - szPicture.cy, FillColor());
    } else {
        pDC->FillSolidRect(&rcClient, FillColor());
    }

    CString strText;
    GetWindowText(strText);
    const int cy = rcClient.Height();
    if (_stricmp(strText, QivSettings::kDefaultBannerText) == 0) {
        if (m_logos.GetSafeHandle())
            m_logos.Draw(pDC, 0, CPoint((rcClient.Width() - kLogoWidth) / 2, cy - kLogoRise), ILD_TRANSPARENT);
        return;
    }
    CFont* pOldFont = m_font.GetSafeHandle() ? pDC->SelectObject(&m_font) : nullptr;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(RGB(0, 0, 0));
    pDC->TextOut(1, cy - 6, strText);
    pDC->SetTextColor(RGB(255, 255, 255));
    pDC->TextOut(0, cy - 7, strText);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}

void CBanner::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPBufferDC dc(dcPaint.GetSafeHdc(), rcClient);
    DrawBanner(&dc, rcClient);
}

BOOL CBanner::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBanner::ForwardToCaption(UINT nMessage)
{
    CWnd* pFrame = GetParentFrame();
    if (!pFrame)
        return;
    DWORD dwPos = ::GetMessagePos();
    pFrame->SendMessage(nMessage, HTCAPTION, static_cast<LPARAM>(dwPos));
}

void CBanner::OnLButtonDown(UINT, CPoint)
{
    ForwardToCaption(WM_NCLBUTTONDOWN);
}

void CBanner::OnLButtonDblClk(UINT, CPoint)
{
    ForwardToCaption(WM_NCLBUTTONDBLCLK);
}

void CBanner::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CToolBar::OnNcCalcSize(bCalcValidRects, lpncsp);
    lpncsp->rgrc[0].left += kSideMargin;
    lpncsp->rgrc[0].right -= kSideMargin;
    lpncsp->rgrc[0].top += kEndMargin;
    lpncsp->rgrc[0].bottom -= kEndMargin;
}

// The logo and the text stand at the banner's foot and the picture at its
// head: whatever moves the banner or changes its height (a toolbar docked or
// floated, the print preview closed) leaves nothing of the old place valid.
void CBanner::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CToolBar::OnWindowPosChanged(lpwndpos);
    if ((lpwndpos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

// The margins around the client area take the banner's colour: left
// unpainted they would keep whatever stood there before (a toolbar, the
// print preview). The right edge keeps the bar's border.
void CBanner::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rcClient;
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(&rcClient);
    CRect rcInside(rcWindow);
    DrawBorders(&dc, rcInside);
    dc.FillSolidRect(&rcInside, FillColor());
}
