#include "toolkit/draw/DrawHelpers.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>

namespace {

// The one process-wide instance: msimg32 is loaded at program start.
CXTPDrawHelpers s_drawHelpers;
BOOL s_bUseSystemGradient = TRUE;

int MixChannel(int a, int b, double dFactor)
{
    int nValue = static_cast<int>(dFactor * a + (1.0 - dFactor) * b);
    return nValue < 0 ? 0 : (nValue > 255 ? 255 : nValue);
}

template <class T>
T GdiEntry(LPCSTR lpszName)
{
    HMODULE hGdi = ::GetModuleHandleA("GDI32.DLL");
    if (!hGdi)
        return nullptr;
    return reinterpret_cast<T>(reinterpret_cast<void*>(::GetProcAddress(hGdi, lpszName)));
}

} // namespace

CXTPDrawHelpers::CXTPDrawHelpers()
    : m_hMsImgDll(::LoadLibraryA("msimg32.dll"))
    , m_pfnGradientFill(nullptr)
{
    if (m_hMsImgDll)
        m_pfnGradientFill = reinterpret_cast<PFNGRADIENTFILL>(
            reinterpret_cast<void*>(::GetProcAddress(m_hMsImgDll, "GradientFill")));
}

CXTPDrawHelpers::~CXTPDrawHelpers()
{
    if (m_hMsImgDll)
        ::FreeLibrary(m_hMsImgDll);
}

void CXTPDrawHelpers::UseSystemGradient(BOOL bUse)
{
    s_bUseSystemGradient = bUse;
}

BOOL CXTPDrawHelpers::CreateSymbolFont(CFont& font, LPCSTR lpszFace, int nHeight)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SYMBOL_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFace, LF_FACESIZE);
    return font.CreateFontIndirect(&lf);
}

int CXTPDrawHelpers::ComboButtonWidth(CDC* pDC, CFont* pFont)
{
    CXTPFontDC font(pDC, pFont && pFont->GetSafeHandle() ? pFont : nullptr);
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    return std::max(2 * static_cast<int>(tm.tmAveCharWidth) + 4, 15);
}

COLORREF CXTPDrawHelpers::MixColor(COLORREF clrA, COLORREF clrB, double dFactor)
{
    return RGB(MixChannel(GetRValue(clrA), GetRValue(clrB), dFactor),
               MixChannel(GetGValue(clrA), GetGValue(clrB), dFactor),
               MixChannel(GetBValue(clrA), GetBValue(clrB), dFactor));
}

void CXTPDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                                   BOOL bHorz)
{
    if (!pDC || !lpRect || ::IsRectEmpty(lpRect))
        return;
    CRect rect(lpRect);

    if (IsLowColorDC(pDC) || crFrom == crTo)
    {
        pDC->FillSolidRect(rect, crFrom);
        return;
    }

    PFNGRADIENTFILL pfnGradientFill = s_bUseSystemGradient ? s_drawHelpers.m_pfnGradientFill
                                                           : nullptr;
    if (pfnGradientFill)
    {
        TRIVERTEX vertices[2] = {};
        vertices[0].x = rect.left;
        vertices[0].y = rect.top;
        vertices[0].Red = static_cast<COLOR16>(GetRValue(crFrom) << 8);
        vertices[0].Green = static_cast<COLOR16>(GetGValue(crFrom) << 8);
        vertices[0].Blue = static_cast<COLOR16>(GetBValue(crFrom) << 8);
        vertices[1].x = rect.right;
        vertices[1].y = rect.bottom;
        vertices[1].Red = static_cast<COLOR16>(GetRValue(crTo) << 8);
        vertices[1].Green = static_cast<COLOR16>(GetGValue(crTo) << 8);
        vertices[1].Blue = static_cast<COLOR16>(GetBValue(crTo) << 8);
        GRADIENT_RECT mesh = {0, 1};
        pfnGradientFill(pDC->GetSafeHdc(), vertices, 2, &mesh, 1,
                        bHorz ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
        return;
    }
    FillLineByLine(pDC, rect, crFrom, crTo, bHorz);
}

void CXTPDrawHelpers::FillLineByLine(CDC* pDC, const CRect& rect, COLORREF crFrom,
                                     COLORREF crTo, BOOL bHorz)
{
    // Lines outside the clip box would be drawn for nothing.
    CRect rectArea;
    pDC->GetClipBox(&rectArea);
    if (rectArea.IsRectEmpty())
        rectArea = rect;
    else if (!rectArea.IntersectRect(rectArea, rect))
        return;

    if (bHorz)
    {
        double dWidth = rect.Width() > 1 ? rect.Width() : 1;
        for (int x = rectArea.left; x < rectArea.right; ++x)
            pDC->FillSolidRect(x, rectArea.top, 1, rectArea.Height(),
                               MixColor(crFrom, crTo, 1.0 - (x - rect.left) / dWidth));
    }
    else
    {
        double dHeight = rect.Height() > 1 ? rect.Height() : 1;
        for (int y = rectArea.top; y < rectArea.bottom; ++y)
            pDC->FillSolidRect(rectArea.left, y, rectArea.Width(), 1,
                               MixColor(crFrom, crTo, 1.0 - (y - rect.top) / dHeight));
    }
}

void CXTPDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                                   BOOL bHorz, LPCRECT lpRectClip)
{
    if (!lpRectClip)
    {
        GradientFill(pDC, lpRect, crFrom, crTo, bHorz);
        return;
    }
    if (!lpRect || ::IsRectEmpty(lpRect))
        return;

    CRect rect(lpRect);
    const CRect& limit = *reinterpret_cast<const CRect*>(lpRectClip);
    COLORREF crStart = crFrom;
    COLORREF crEnd = crTo;
    if (!bHorz)
    {
        rect.left = std::max(rect.left, limit.left);
        rect.right = std::min(rect.right, limit.right);
        if (limit.bottom < lpRect->top || limit.top > lpRect->bottom)
            return;
        double dHeight = lpRect->bottom - lpRect->top;
        if (limit.top > rect.top)
        {
            crStart = MixColor(crFrom, crTo, (lpRect->bottom - limit.top) / dHeight);
            rect.top = limit.top;
        }
        if (limit.bottom < rect.bottom)
        {
            crEnd = MixColor(crFrom, crTo, (lpRect->bottom - limit.bottom) / dHeight);
            rect.bottom = limit.bottom;
        }
    }
    else
    {
        rect.top = std::max(rect.top, limit.top);
        rect.bottom = std::min(rect.bottom, limit.bottom);
        if (limit.right < lpRect->left || limit.left > lpRect->right)
            return;
        double dWidth = lpRect->right - lpRect->left;
        if (limit.left > rect.left)
        {
            crStart = MixColor(crFrom, crTo, (lpRect->right - limit.left) / dWidth);
            rect.left = limit.left;
        }
        if (limit.right < rect.right)
        {
            crEnd = MixColor(crFrom, crTo, (lpRect->right - limit.right) / dWidth);
            rect.right = limit.right;
        }
    }
    GradientFill(pDC, rect, crStart, crEnd, bHorz);
}

void CXTPDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect,
                                   const CXTPPaintManagerColorGradient& grc, BOOL bHorz,
                                   LPCRECT lpRectClip)
{
    COLORREF crFirst = grc.clrLight;
    COLORREF crSecond = grc.clrDark;
    if (grc.fGradientFactor == 0.5f)
    {
        GradientFill(pDC, lpRect, crFirst, crSecond, bHorz, lpRectClip);
        return;
    }
    if (!lpRect)
        return;

    COLORREF crMiddle = MixColor(crFirst, crSecond, grc.fGradientFactor);
    CRect rectFirst(lpRect);
    CRect rectSecond(lpRect);
    if (bHorz)
        rectFirst.right = rectSecond.left = lpRect->right - (lpRect->right - lpRect->left) / 2;
    else
        rectFirst.bottom = rectSecond.top = lpRect->bottom - (lpRect->bottom - lpRect->top) / 2;
    GradientFill(pDC, rectFirst, crFirst, crMiddle, bHorz, lpRectClip);
    GradientFill(pDC, rectSecond, crMiddle, crSecond, bHorz, lpRectClip);
}

void GradientFillThunk(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                       LPCRECT lpRectClip)
{
    CXTPDrawHelpers::GradientFill(pDC, lpRect, crFrom, crTo, bHorz, lpRectClip);
}

void DrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2)
{
    POINT points[3] = {pt0, pt1, pt2};
    pDC->Polygon(points, 3);
}

void FillTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    CXTPBrushDC brush(pDC->GetSafeHdc(), clr);
    DrawTriangle(pDC, pt0, pt1, pt2);
}

void AveragePixelPairs(CDC* pDC, const POINT* pPoints, int nCount)
{
    for (int i = 0; i + 1 < nCount; i += 2)
    {
        const POINT& pt = pPoints[i];
        const POINT& offset = pPoints[i + 1];
        COLORREF clrA = pDC->GetPixel(pt.x, pt.y);
        COLORREF clrB = pDC->GetPixel(pt.x + offset.x, pt.y + offset.y);
        pDC->SetPixel(pt.x, pt.y, RGB((GetRValue(clrA) + GetRValue(clrB)) / 2,
                                      (GetGValue(clrA) + GetGValue(clrB)) / 2,
                                      (GetBValue(clrA) + GetBValue(clrB)) / 2));
    }
}

BOOL IsLayoutRightToLeft(CDC* pDC)
{
    using PFNGETLAYOUT = DWORD(WINAPI*)(HDC);
    auto pfnGetLayout = GdiEntry<PFNGETLAYOUT>("GetLayout");
    if (!pfnGetLayout || !pDC)
        return FALSE;
    return pfnGetLayout(pDC->GetSafeHdc()) == LAYOUT_RTL;
}

void SetDCLayout(CDC* pDC, BOOL bRightToLeft)
{
    using PFNSETLAYOUT = DWORD(WINAPI*)(HDC, DWORD);
    auto pfnSetLayout = GdiEntry<PFNSETLAYOUT>("SetLayout");
    if (pfnSetLayout && pDC)
        pfnSetLayout(pDC->GetSafeHdc(), bRightToLeft ? LAYOUT_RTL : 0);
}

CRect MakeEmptyRect()
{
    return CRect(0, 0, 0, 0);
}

CRect MakeWindowRectOfHandle(HWND hWnd)
{
    CRect rect(0, 0, 0, 0);
    if (hWnd && ::IsWindow(hWnd))
        ::GetWindowRect(hWnd, &rect);
    return rect;
}

CRect MakeWindowRect(const CWnd* pWnd)
{
    return MakeWindowRectOfHandle(pWnd ? pWnd->m_hWnd : nullptr);
}

CRect MakeClientRect(const CWnd* pWnd)
{
    CRect rect(0, 0, 0, 0);
    HWND hWnd = pWnd ? pWnd->m_hWnd : nullptr;
    if (hWnd && ::IsWindow(hWnd))
        ::GetClientRect(hWnd, &rect);
    return rect;
}

int StripMnemonics(CString& strText)
{
    CString strResult;
    int nMarked = -1;
    int nLength = strText.GetLength();
    for (int i = 0; i < nLength; ++i)
    {
        char ch = strText[i];
        if (ch == '&')
        {
            // "&&" keeps one ampersand; a single one (or a trailing one) goes.
            if (i + 1 < nLength && strText[i + 1] == '&')
            {
                strResult += '&';
                ++i;
            }
            else if (i + 1 < nLength && nMarked < 0)
            {
                nMarked = strResult.GetLength();
            }
            continue;
        }
        strResult += ch;
    }
    strText = strResult;
    return nMarked;
}
