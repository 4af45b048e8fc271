#include "toolkit/controls/FontSizeLists.h"

#include <cmath>
#include <mbstring.h>

namespace {

const int kTooManyPoints = 32767;
const double kMostPoints = 1638.0;
const int kFixedSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// The process's descriptions, released at exit.
class CFontDescriptions
{
public:
    ~CFontDescriptions()
    {
        for (INT_PTR i = 0; i < m_arr.GetSize(); ++i)
            delete m_arr[i];
    }
    CArray<CXTPFontDesc*, CXTPFontDesc*> m_arr;
};

CFontDescriptions& Descriptions()
{
    static CFontDescriptions s_descriptions;
    return s_descriptions;
}

void AddFamily(CArray<CXTPFontDesc*, CXTPFontDesc*>& arr, const LOGFONTA& lf, LPCSTR lpszScript,
               DWORD dwFontType)
{
    if ((dwFontType & RASTER_FONTTYPE) || lf.lfCharSet == MAC_CHARSET || lf.lfFaceName[0] == '@')
        return;
    const auto* pszFace = reinterpret_cast<const unsigned char*>(lf.lfFaceName);
    INT_PTR nInsert = arr.GetSize();
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
    {
        int nCompare = _mbscmp(reinterpret_cast<const unsigned char*>(
                                   static_cast<LPCSTR>(arr[i]->strName)), pszFace);
        if (nCompare == 0)
            return;
        if (nCompare > 0 && nInsert == arr.GetSize())
            nInsert = i;
    }
    auto* pDesc = new CXTPFontDesc;
    pDesc->strName = lf.lfFaceName;
    pDesc->strScript = lpszScript ? lpszScript : "";
    pDesc->nCharSet = lf.lfCharSet;
    pDesc->nPitchAndFamily = lf.lfPitchAndFamily;
    pDesc->dwFlags = (dwFontType & TRUETYPE_FONTTYPE) ? XTP_FONT_TRUETYPE : 0;
    arr.InsertAt(nInsert, pDesc);
}

int CALLBACK EnumFamilyEx(const LOGFONTA* pLogFont, const TEXTMETRICA* /*pMetric*/,
                          DWORD dwFontType, LPARAM lParam)
{
    const auto* pEnum = reinterpret_cast<const ENUMLOGFONTEXA*>(pLogFont);
    AddFamily(*reinterpret_cast<CArray<CXTPFontDesc*, CXTPFontDesc*>*>(lParam), *pLogFont,
              reinterpret_cast<LPCSTR>(pEnum->elfScript), dwFontType);
    return 1;
}

int CALLBACK EnumFamily(const LOGFONTA* pLogFont, const TEXTMETRICA* /*pMetric*/,
                        DWORD dwFontType, LPARAM lParam)
{
    AddFamily(*reinterpret_cast<CArray<CXTPFontDesc*, CXTPFontDesc*>*>(lParam), *pLogFont,
              nullptr, dwFontType);
    return 1;
}

struct SizeEnumContext
{
    HWND hWndList;
    int nPixelsPerInch;
};

int CALLBACK EnumSizes(const LOGFONTA* /*pLogFont*/, const TEXTMETRICA* pMetric,
                       DWORD dwFontType, LPARAM lParam)
{
    auto* pContext = reinterpret_cast<SizeEnumContext*>(lParam);
    if (!(dwFontType & TRUETYPE_FONTTYPE) && (dwFontType & RASTER_FONTTYPE))
    {
        XTPAddSize(pContext->hWndList,
                   ::MulDiv(pMetric->tmHeight - pMetric->tmInternalLeading, 1440,
                            pContext->nPixelsPerInch));
        return 1;
    }
    ::SendMessageA(pContext->hWndList, LB_RESETCONTENT, 0, 0);
    for (int nSize : kFixedSizes)
    {
        CString strSize;
        strSize.Format("%d", nSize);
        LRESULT nIndex = ::SendMessageA(pContext->hWndList, LB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strSize)));
        ::SendMessageA(pContext->hWndList, LB_SETITEMDATA, nIndex, nSize * 20);
    }
    return 0;
}

BOOL IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

BOOL IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

const CArray<CXTPFontDesc*, CXTPFontDesc*>& XTPGetFontDescriptions()
{
    CArray<CXTPFontDesc*, CXTPFontDesc*>& arr = Descriptions().m_arr;
    if (!arr.IsEmpty())
        return arr;
    HWND hWndDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetDC(hWndDesktop);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExA(&version);
    if (version.dwMajorVersion < 4)
        ::EnumFontFamiliesA(hDC, nullptr, &EnumFamily, reinterpret_cast<LPARAM>(&arr));
    else
    {
        LOGFONTA lf = {};
        lf.lfCharSet = DEFAULT_CHARSET;
        ::EnumFontFamiliesExA(hDC, &lf, &EnumFamilyEx, reinterpret_cast<LPARAM>(&arr), 0);
    }
    ::ReleaseDC(hWndDesktop, hDC);
    return arr;
}

void XTPFillFontList(HWND hWndList)
{
    ::SendMessageA(hWndList, LB_RESETCONTENT, 0, 0);
    const CArray<CXTPFontDesc*, CXTPFontDesc*>& arr = XTPGetFontDescriptions();
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
    {
        LRESULT nIndex = ::SendMessageA(hWndList, LB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(static_cast<LPCSTR>(arr[i]->strName)));
        if (nIndex >= 0)
            ::SendMessageA(hWndList, LB_SETITEMDATA, nIndex, reinterpret_cast<LPARAM>(arr[i]));
    }
}

CString XTPFormatTwipsAsPoints(int nTwips)
{
    CString strText;
    if (nTwips < 0)
        return strText;
    int nHalfPoints = (nTwips + 5) / 10;
    if (nHalfPoints % 2 == 0)
        strText.Format("%d", (nTwips + 5) / 20);
    else
        strText.Format("%d.5", nHalfPoints / 2);
    return strText;
}

int XTPParseTwips(LPCSTR lpszText)
{
    const char* p = lpszText ? lpszText : "";
    while (IsBlank(*p))
        ++p;
    if (!*p)
        return -1;
    // A decimal number: sign, digits with an optional "." part, exponent.
    BOOL bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    double dValue = 0;
    int nDigits = 0;
    for (; IsDigit(*p); ++p, ++nDigits)
        dValue = dValue * 10 + (*p - '0');
    if (*p == '.')
    {
        double dScale = 0.1;
        for (++p; IsDigit(*p); ++p, ++nDigits, dScale /= 10)
            dValue += (*p - '0') * dScale;
    }
    if (nDigits == 0)
        return -2;
    if (*p == 'e' || *p == 'E')
    {
        const char* pExponent = p + 1;
        BOOL bExponentNegative = *pExponent == '-';
        if (*pExponent == '-' || *pExponent == '+')
            ++pExponent;
        if (!IsDigit(*pExponent))
            return -2;
        int nExponent = 0;
        for (; IsDigit(*pExponent); ++pExponent)
            nExponent = nExponent < 10000 ? nExponent * 10 + (*pExponent - '0') : nExponent;
        dValue *= std::pow(10.0, bExponentNegative ? -nExponent : nExponent);
        p = pExponent;
    }
    while (IsBlank(*p))
        ++p;
    if (*p || !std::isfinite(dValue))
        return -2;
    if (bNegative && dValue > 0)
        return 0;
    if (dValue > kMostPoints)
        return kTooManyPoints;
    return static_cast<int>(dValue * 20);
}

int XTPFillSizeList(HWND hWndList, HDC hDC, LPCSTR lpszFace)
{
    ::SendMessageA(hWndList, LB_RESETCONTENT, 0, 0);
    SizeEnumContext context = {hWndList, ::GetDeviceCaps(hDC, LOGPIXELSY)};
    if (!lpszFace || !*lpszFace || context.nPixelsPerInch <= 0)
        return context.nPixelsPerInch;
    ::EnumFontFamiliesA(hDC, lpszFace, &EnumSizes, reinterpret_cast<LPARAM>(&context));
    return context.nPixelsPerInch;
}

void XTPAddSize(HWND hWndList, int nTwips)
{
    CString strSize = XTPFormatTwipsAsPoints(nTwips);
    if (::SendMessageA(hWndList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strSize)))
        != LB_ERR)
        return;
    LRESULT nCount = ::SendMessageA(hWndList, LB_GETCOUNT, 0, 0);
    LRESULT nBefore = 0;
    while (nBefore < nCount
           && ::SendMessageA(hWndList, LB_GETITEMDATA, nBefore, 0) <= nTwips)
        ++nBefore;
    LRESULT nIndex = ::SendMessageA(hWndList, LB_INSERTSTRING, nBefore < nCount ? nBefore : -1,
                                    reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strSize)));
    if (nIndex >= 0)
        ::SendMessageA(hWndList, LB_SETITEMDATA, nIndex, nTwips);
}
