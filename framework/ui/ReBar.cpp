#include "framework/ui/ReBar.h"

#include "framework/ui/Gdi.h"
#include "framework/ui/WndClass.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
    ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

static_assert(sizeof(CReBarCtrl) == sizeof(CWnd), "CReBarCtrl must not add data to CWnd");

CReBar::CReBar()
{
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
    m_cyTopBorder = 0;
    m_cyBottomBorder = 0;
}

CReBar::~CReBar() = default;

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_COOL_REG))
        return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

CReBarCtrl& CReBar::GetReBarCtrl() const
{
    return *reinterpret_cast<CReBarCtrl*>(const_cast<CReBar*>(this));
}

BOOL CReBar::AddBand(CWnd* pBar, REBARBANDINFOA& rbbi)
{
    rbbi.fMask |= RBBIM_CHILD | RBBIM_CHILDSIZE;
    rbbi.hwndChild = pBar->GetSafeHwnd();
    CSize size;
    if (pBar->IsKindOf(RUNTIME_CLASS(CControlBar)))
    {
        size = static_cast<CControlBar*>(pBar)->CalcFixedLayout(FALSE,
                                                                (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    }
    else
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        size = rect.Size();
    }
    rbbi.cxMinChild = static_cast<UINT>(size.cx);
    rbbi.cyMinChild = static_cast<UINT>(size.cy);
    BOOL bResult = GetReBarCtrl().InsertBand(static_cast<UINT>(-1), &rbbi);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    return bResult;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    REBARBANDINFOA rbbi = {};
    rbbi.fMask = RBBIM_STYLE;
    rbbi.fStyle = dwStyle;
    if (pszText != nullptr)
    {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    if (pbmp != nullptr)
    {
        rbbi.fMask |= RBBIM_BACKGROUND;
        rbbi.hbmBack = static_cast<HBITMAP>(pbmp->GetSafeHandle());
    }
    return AddBand(pBar, rbbi);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCSTR pszText, DWORD dwStyle)
{
    REBARBANDINFOA rbbi = {};
    rbbi.fMask = RBBIM_STYLE | RBBIM_COLORS;
    rbbi.fStyle = dwStyle;
    rbbi.clrFore = clrFore;
    rbbi.clrBack = clrBack;
    if (pszText != nullptr)
    {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    return AddBand(pBar, rbbi);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect;
    GetWindowRect(&rect);
    int nThickness = m_hWnd != nullptr ? static_cast<int>(GetReBarCtrl().GetBarHeight()) : 0;
    if (bHorz)
        return CSize(bStretch ? 32767 : rect.Width(), nThickness);
    return CSize(nThickness, bStretch ? 32767 : rect.Height());
}

CSize CReBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout(dwMode & LM_STRETCH, (dwMode & (LM_HORZ | LM_HORZDOCK)) != 0);
}

void CReBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

// The rebar grew or shrank: the frame lays its panes out again.
void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult)
{
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    *pResult = 0;
}
