// Shadow strips and their alpha images. A strip shorter than its two 4-pixel
// corner squares still keeps every pixel inside its image: where the two
// corners overlap, the fainter one counts.
#include "toolkit/commandbars/ShadowsManager.h"

#include "framework/ui/Dc.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/HookManager.h"
#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/ColorManager.h"

#include <algorithm>

namespace {

const int ALPHA_THICKNESS = 4;
const int SOLID_THICKNESS = 2;
// Beyond the 4-pixel corner squares a strip has its full strength; in the
// formulas the middle is the corner step 5.
const int MIDDLE_STEP = 5;

CProcessLocal<CXTPShadowsManager> g_shadowsManager;

BOOL SystemDropShadow()
{
    BOOL bDropShadow = FALSE;
    ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &bDropShadow, 0);
    return bDropShadow;
}

BOOL DesktopHasMoreThan8Bits()
{
    HDC hDC = ::GetDC(nullptr);
    int nBits = hDC ? ::GetDeviceCaps(hDC, BITSPIXEL) * ::GetDeviceCaps(hDC, PLANES) : 0;
    if (hDC)
        ::ReleaseDC(nullptr, hDC);
    return nBits > 8;
}

} // namespace

CXTPShadowsManager* XTPShadowsManager()
{
    return g_shadowsManager.GetData();
}

// ---- the alpha image ------------------------------------------------------------

DWORD CXTPShadowsManager::ShadowPixel(BOOL bBottom, int x, int y, int cx, int cy, int k,
                                      COLORREF clrShadow)
{
    // i counts from the bar's edge outward (1..4); j the fading corner step
    // from the strip's end inward (1..4), 5 beyond the corners.
    int i;
    int j;
    if (bBottom)
    {
        i = y + 1;
        j = std::min(std::min(x + 1, cx - x), MIDDLE_STEP);
    }
    else
    {
        i = x + 1;
        j = std::min(y + 1, MIDDLE_STEP);
    }
    if (i < 1 || i > ALPHA_THICKNESS || j < 1)
        return 0;
    (void)cy;
    const int nOut = MIDDLE_STEP - i;   // 4 at the bar, 1 outermost
    const DWORD dwAlpha = static_cast<DWORD>(3 * k * j * nOut);
    // The colour scaled by f = j × (5 − i) / 20, truncated.
    auto scale = [j, nOut](int nChannel) { return static_cast<DWORD>(nChannel * j * nOut / 20); };
    return (dwAlpha << 24) | (scale(GetRValue(clrShadow)) << 16) | (scale(GetGValue(clrShadow)) << 8)
           | scale(GetBValue(clrShadow));
}

// ---- the shadow window ------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPShadowsManager::CShadowWnd, CWnd)
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CXTPShadowsManager::CShadowWnd::CShadowWnd(BOOL bBottom, HWND hWndBar,
                                           const XTP_SHADOW_SETTINGS& settings)
    : m_bBottom(bBottom)
    , m_nOptions(settings.nShadowOptions)
    , m_clrShadow(settings.clrShadow)
    , m_hWndBar(hWndBar)
{
}

LRESULT CXTPShadowsManager::CShadowWnd::OnNcHitTest(CPoint)
{
    return HTTRANSPARENT;
}

void CXTPShadowsManager::CShadowWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    COLORREF clr = XTPShadowsManager()->IsAlphaShadow() ? RGB(0, 0, 0)
                                                        : GetColorManager()->ResolveColor(COLOR_BTNSHADOW);
    dc.FillSolidRect(&rect, clr);
}

void CXTPShadowsManager::CShadowWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (XTPShadowsManager()->IsAlphaShadow() && cx > 0 && cy > 0 && m_hWndBar != nullptr)
        UpdateAlphaImage(cx, cy);
}

void CXTPShadowsManager::CShadowWnd::UpdateAlphaImage(int cx, int cy)
{
    PFNUPDATELAYEREDWINDOW pfnUpdate = XTPShadowsManager()->GetUpdateLayeredWindow();
    if (pfnUpdate == nullptr)
        return;
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = Create32BitDIBSection(nullptr, cx, cy, &pBits);
    if (hBitmap == nullptr)
        return;
    const int k = (m_nOptions & xtpShadowOfficeAlpha) ? 1 : 2;
    auto* pPixels = reinterpret_cast<DWORD*>(pBits);
    for (int y = 0; y < cy; ++y)
    {
        DWORD* pRow = pPixels + static_cast<size_t>(cy - 1 - y) * static_cast<size_t>(cx);   // bottom-up
        for (int x = 0; x < cx; ++x)
            pRow[x] = ShadowPixel(m_bBottom, x, y, cx, cy, k, m_clrShadow);
    }

    HDC hMemDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    SIZE size = { cx, cy };
    POINT ptSrc = { 0, 0 };
    BLENDFUNCTION blend = { AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
    pfnUpdate(m_hWnd, nullptr, nullptr, &size, hMemDC, &ptSrc, 0, &blend, ULW_ALPHA);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
}

int CXTPShadowsManager::CShadowWnd::OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&,
                                                  LRESULT&)
{
    if (nMessage == WM_SHOWWINDOW)
    {
        ShowWindow(wParam ? SW_SHOWNA : SW_HIDE);
    }
    else if (nMessage == WM_DESTROY)
    {
        // The bar goes: so does its shadow, this object with it.
        XTPShadowsManager()->DestroyShadow(this);
    }
    return hookNext;
}

// ---- the manager ------------------------------------------------------------------

CXTPShadowsManager::CXTPShadowsManager()
    : m_pfnUpdateLayeredWindow(nullptr)
    , m_bAlphaShadow(FALSE)
{
    HMODULE hUser = ::GetModuleHandleA("USER32");
    SetUpdateLayeredWindow(hUser ? reinterpret_cast<PFNUPDATELAYEREDWINDOW>(reinterpret_cast<void*>(
                                       ::GetProcAddress(hUser, "UpdateLayeredWindow")))
                                 : nullptr);
}

CXTPShadowsManager::~CXTPShadowsManager()
{
    while (!m_lstShadows.IsEmpty())
        DestroyShadow(m_lstShadows.GetHead());
}

void CXTPShadowsManager::SetUpdateLayeredWindow(PFNUPDATELAYEREDWINDOW pfn)
{
    m_pfnUpdateLayeredWindow = pfn;
    m_bAlphaShadow = pfn != nullptr && DesktopHasMoreThan8Bits();
}

CXTPShadowsManager::CShadowWnd* CXTPShadowsManager::GetShadow(INT_PTR nIndex) const
{
    POSITION pos = m_lstShadows.FindIndex(nIndex);
    return pos ? m_lstShadows.GetAt(pos) : nullptr;
}

void CXTPShadowsManager::SetShadow(HWND hWndBar, const XTP_SHADOW_SETTINGS& settings, LPCRECT lpExclude)
{
    if (settings.bCustomizeMode || !::IsWindow(hWndBar))
        return;
    if (!(settings.nShadowOptions & xtpShadowOfficeAlpha) && (!m_bAlphaShadow || !SystemDropShadow()))
        return;
    CRect rcBar;
    ::GetWindowRect(hWndBar, &rcBar);
    CreateShadow(TRUE, rcBar, lpExclude, hWndBar, settings);
    CreateShadow(FALSE, rcBar, lpExclude, hWndBar, settings);
}

void CXTPShadowsManager::SetShadow(const CRect& rcControl, HWND hWndSubBar,
                                   const XTP_SHADOW_SETTINGS& settings)
{
    const int nBoth = xtpShadowOfficeAlpha | xtpShadowCutExclude;
    if (settings.bCustomizeMode || (settings.nShadowOptions & nBoth) != nBoth || !::IsWindow(hWndSubBar))
        return;
    CRect rcEmpty(0, 0, 0, 0);
    CreateShadow(TRUE, rcControl, &rcEmpty, hWndSubBar, settings);
    CreateShadow(FALSE, rcControl, &rcEmpty, hWndSubBar, settings);
}

void CXTPShadowsManager::RemoveShadow(HWND hWndBar)
{
    POSITION pos = m_lstShadows.GetHeadPosition();
    while (pos != nullptr)
    {
        CShadowWnd* pShadow = m_lstShadows.GetNext(pos);
        if (pShadow->m_hWndBar == hWndBar)
        {
            XTPHookManager()->RemoveHook(hWndBar, pShadow);
            DestroyShadow(pShadow);
        }
    }
}

void CXTPShadowsManager::DestroyShadow(CShadowWnd* pShadow)
{
    if (pShadow->m_hWnd != nullptr)
        pShadow->ShowWindow(SW_HIDE);
    HWND hWndBar = pShadow->m_hWndBar;
    pShadow->m_hWndBar = nullptr;
    if (POSITION pos = m_lstShadows.Find(pShadow))
        m_lstShadows.RemoveAt(pos);
    if (hWndBar != nullptr)
        XTPHookManager()->RemoveHook(hWndBar, pShadow);
    if (pShadow->m_hWnd != nullptr)
        pShadow->DestroyWindow();
    delete pShadow;
}

CRect CXTPShadowsManager::MeetShadows(BOOL bBottom, CRect rcShadow) const
{
    POSITION pos = m_lstShadows.GetHeadPosition();
    while (pos != nullptr)
    {
        CShadowWnd* pOther = m_lstShadows.GetNext(pos);
        if (pOther->m_bBottom == bBottom || pOther->m_hWnd == nullptr)
            continue;
        CRect rcOther;
        pOther->GetWindowRect(&rcOther);
        if (bBottom)
        {
            if (rcShadow.left == rcOther.right - 1 && rcShadow.top > rcOther.top
                && rcShadow.top < rcOther.bottom)
                rcShadow.left -= 2 * rcOther.Width() + 1;
        }
        else if (rcShadow.top == rcOther.bottom - 1 && rcShadow.right > rcOther.left
                 && rcShadow.right < rcOther.right)
        {
            rcShadow.top -= 2 * rcOther.Height();
        }
    }
    return rcShadow;
}

void CXTPShadowsManager::CutShadow(CShadowWnd* pShadow, const CRect& rcShadow, const CRect& rcCut)
{
    CRect rcMeet;
    if (!rcMeet.IntersectRect(&rcShadow, &rcCut))
        return;
    rcMeet.OffsetRect(-rcShadow.left, -rcShadow.top);
    // The region keeps what it had: cuts add up.
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(pShadow->m_hWnd, hRegion) == ERROR)
        ::SetRectRgn(hRegion, 0, 0, rcShadow.Width(), rcShadow.Height());
    HRGN hCut = ::CreateRectRgnIndirect(&rcMeet);
    ::CombineRgn(hRegion, hRegion, hCut, RGN_DIFF);
    ::DeleteObject(hCut);
    if (!::SetWindowRgn(pShadow->m_hWnd, hRegion, FALSE))
        ::DeleteObject(hRegion);
}

CXTPShadowsManager::CShadowWnd* CXTPShadowsManager::CreateShadow(BOOL bBottom, const CRect& rcBar,
                                                                LPCRECT lpExclude, HWND hWndBar,
                                                                const XTP_SHADOW_SETTINGS& settings)
{
    if (!settings.bShowShadow)
        return nullptr;

    auto* pShadow = new CShadowWnd(bBottom, hWndBar, settings);
    UINT nClassStyle = settings.bShadowClassStyle ? (CS_SAVEBITS | CS_OWNDC) : 0;
    LPCSTR lpszClass = AfxRegisterWndClass(nClassStyle, ::LoadCursorA(nullptr, IDC_ARROW));
    DWORD dwExStyle = m_bAlphaShadow ? (WS_EX_LAYERED | WS_EX_TOOLWINDOW) : WS_EX_TOOLWINDOW;
    if (!pShadow->CreateEx(dwExStyle, lpszClass, nullptr, WS_POPUP, 0, 0, 0, 0, settings.hWndSite,
                           nullptr))
    {
        delete pShadow;
        return nullptr;
    }

    ::SetWindowRgn(pShadow->m_hWnd, nullptr, FALSE);
    const int t = m_bAlphaShadow ? ALPHA_THICKNESS : SOLID_THICKNESS;
    CRect rcShadow = bBottom ? CRect(rcBar.left + t, rcBar.bottom, rcBar.right + t, rcBar.bottom + t)
                             : CRect(rcBar.right, rcBar.top + t, rcBar.right + t, rcBar.bottom);
    rcShadow = MeetShadows(bBottom, rcShadow);
    pShadow->SetWindowPos(nullptr, rcShadow.left, rcShadow.top, rcShadow.Width(), rcShadow.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    m_lstShadows.AddTail(pShadow);

    if ((settings.nShadowOptions & xtpShadowCutExclude) && lpExclude != nullptr)
        CutShadow(pShadow, rcShadow, *lpExclude);
    POSITION pos = m_lstShadows.GetHeadPosition();
    while (pos != nullptr)
    {
        CShadowWnd* pOther = m_lstShadows.GetNext(pos);
        CRect rcOtherBar;
        if (pOther->m_hWndBar != nullptr && ::GetWindowRect(pOther->m_hWndBar, &rcOtherBar))
            CutShadow(pShadow, rcShadow, rcOtherBar);
    }

    pShadow->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    XTPHookManager()->SetHook(hWndBar, pShadow);
    return pShadow;
}
