#include "framework/ui/FontDialog.h"

#include "framework/ui/Dc.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

namespace {

int ScreenPixelsPerInchY()
{
    HDC hDC = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    return nDpi > 0 ? nDpi : 96;
}

const DWORD dwNoSelection = CF_NOFACESEL | CF_NOSTYLESEL | CF_NOSIZESEL | CF_NOSCRIPTSEL;

} // namespace

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, CDC* pdcPrinter,
                         CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_lf, 0, sizeof(m_lf));
    if (lplfInitial != nullptr)
    {
        m_lf = *lplfInitial;
        dwFlags |= CF_INITTOLOGFONTSTRUCT;
    }
    Init(dwFlags, pdcPrinter);
}

CFontDialog::CFontDialog(const CHARFORMATA& charformat, DWORD dwFlags, CDC* pdcPrinter,
                         CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    dwFlags |= CF_INITTOLOGFONTSTRUCT | FillInLogFont(charformat);
    Init(dwFlags, pdcPrinter);
    if (charformat.dwMask & CFM_COLOR)
    {
        m_cf.rgbColors = (charformat.dwEffects & CFE_AUTOCOLOR) ? ::GetSysColor(COLOR_WINDOWTEXT)
                                                                 : charformat.crTextColor;
    }
}

void CFontDialog::Init(DWORD dwFlags, CDC* pdcPrinter)
{
    memset(&m_cf, 0, sizeof(m_cf));
    memset(m_szStyleName, 0, sizeof(m_szStyleName));
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.lpszStyle = m_szStyleName;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    m_cf.lpfnHook = HookProc;
    if (pdcPrinter != nullptr)
    {
        m_cf.hDC = pdcPrinter->m_hAttribDC != nullptr ? pdcPrinter->m_hAttribDC : pdcPrinter->m_hDC;
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

DWORD CFontDialog::FillInLogFont(const CHARFORMATA& cf)
{
    memset(&m_lf, 0, sizeof(m_lf));
    DWORD dwFlags = 0;

    if (cf.dwMask & CFM_SIZE)
        m_lf.lfHeight = -::MulDiv(cf.yHeight, ScreenPixelsPerInchY(), 1440);
    else
        dwFlags |= CF_NOSIZESEL;

    if ((cf.dwMask & (CFM_BOLD | CFM_ITALIC)) == (CFM_BOLD | CFM_ITALIC))
    {
        m_lf.lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
        m_lf.lfItalic = (cf.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    }
    else
    {
        m_lf.lfWeight = FW_DONTCARE;
        dwFlags |= CF_NOSTYLESEL;
    }

    // The effects part shows only what the format knows for certain.
    if ((cf.dwMask & (CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR))
        == (CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR))
    {
        m_lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) ? TRUE : FALSE;
        m_lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
        dwFlags |= CF_EFFECTS;
    }

    if (cf.dwMask & CFM_CHARSET)
        m_lf.lfCharSet = cf.bCharSet;
    else
    {
        m_lf.lfCharSet = DEFAULT_CHARSET;
        dwFlags |= CF_NOSCRIPTSEL;
    }

    m_lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    m_lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    m_lf.lfQuality = DEFAULT_QUALITY;
    if (cf.dwMask & CFM_FACE)
    {
        m_lf.lfPitchAndFamily = cf.bPitchAndFamily;
        lstrcpynA(m_lf.lfFaceName, cf.szFaceName, LF_FACESIZE);
    }
    else
    {
        m_lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        dwFlags |= CF_NOFACESEL;
    }
    return dwFlags;
}

INT_PTR CFontDialog::DoModal()
{
    AFX_COMMONDIALOG_ANSWER answer;
    answer.font = m_lf;
    answer.color = m_cf.rgbColors;
    answer.nPointSize = m_cf.iPointSize;
    int nResult = IDCANCEL;
    if (AskSeam(CommonDialogKind::font, "", "", m_cf.Flags, answer, &nResult))
    {
        if (nResult == IDOK)
        {
            // The user chose every part, as the system dialog reports it.
            m_lf = answer.font;
            m_cf.rgbColors = answer.color;
            m_cf.iPointSize = answer.nPointSize != 0
                ? answer.nPointSize
                : ::MulDiv(m_lf.lfHeight < 0 ? -m_lf.lfHeight : m_lf.lfHeight, 720,
                           ScreenPixelsPerInchY());
            m_cf.Flags &= ~dwNoSelection;
        }
        return nResult;
    }

    HWND hWndTop = nullptr;
    m_cf.hwndOwner = PreModal(TRUE, &hWndTop);
    const BOOL bResult = ::ChooseFontA(&m_cf);
    PostModal(hWndTop);
    return bResult ? IDOK : IDCANCEL;
}

void CFontDialog::GetCurrentFont(LPLOGFONTA lplf) const
{
    ASSERT(lplf != nullptr);
    // While the dialog shows, the font it shows now; after it, the chosen one.
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(lplf));
    else
        *lplf = m_lf;
}

CString CFontDialog::GetFaceName() const
{
    return CString(m_lf.lfFaceName);
}

CString CFontDialog::GetStyleName() const
{
    return CString(m_szStyleName);
}

int CFontDialog::GetSize() const
{
    return m_cf.iPointSize;
}

COLORREF CFontDialog::GetColor() const
{
    return m_cf.rgbColors;
}

int CFontDialog::GetWeight() const
{
    return m_lf.lfWeight;
}

BOOL CFontDialog::IsStrikeOut() const
{
    return m_lf.lfStrikeOut != 0;
}

BOOL CFontDialog::IsUnderline() const
{
    return m_lf.lfUnderline != 0;
}

BOOL CFontDialog::IsBold() const
{
    return m_lf.lfWeight >= FW_SEMIBOLD;
}

BOOL CFontDialog::IsItalic() const
{
    return m_lf.lfItalic != 0;
}

void CFontDialog::GetCharFormat(CHARFORMATA& cf) const
{
    cf.dwMask = 0;
    cf.dwEffects = 0;
    cf.yOffset = 0;
    if (!(m_cf.Flags & CF_NOSTYLESEL))
    {
        cf.dwMask |= CFM_BOLD | CFM_ITALIC;
        if (IsBold())
            cf.dwEffects |= CFE_BOLD;
        if (IsItalic())
            cf.dwEffects |= CFE_ITALIC;
    }
    if (!(m_cf.Flags & CF_NOSIZESEL))
    {
        // Tenths of a point to twips.
        cf.dwMask |= CFM_SIZE;
        cf.yHeight = GetSize() * 2;
    }
    if (!(m_cf.Flags & CF_NOFACESEL))
    {
        cf.dwMask |= CFM_FACE;
        cf.bPitchAndFamily = m_lf.lfPitchAndFamily;
        lstrcpynA(cf.szFaceName, m_lf.lfFaceName, LF_FACESIZE);
    }
    if (m_cf.Flags & CF_EFFECTS)
    {
        cf.dwMask |= CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
        if (IsUnderline())
            cf.dwEffects |= CFE_UNDERLINE;
        if (IsStrikeOut())
            cf.dwEffects |= CFE_STRIKEOUT;
        cf.crTextColor = GetColor();
    }
    if (!(m_cf.Flags & CF_NOSCRIPTSEL))
    {
        cf.dwMask |= CFM_CHARSET;
        cf.bCharSet = m_lf.lfCharSet;
    }
}
