#include "FieldPixels.h"

#include "framework/ui/Dc.h"
#include "toolkit/TestDib.h"
#include "toolkit/controls/EditWnd.h"

namespace {

void Capture(HWND hWnd, CTestDib& dib)
{
    HDC hdcWindow = ::GetDC(hWnd);
    ::BitBlt(dib->GetSafeHdc(), 0, 0, dib.Width(), dib.Height(), hdcWindow, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hdcWindow);
}

} // namespace

FieldLook CompareWithFullRepaint(HWND hWndField)
{
    CRect rcClient;
    ::GetClientRect(hWndField, &rcClient);
    CTestDib shown(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
    Capture(hWndField, shown);
    ::RedrawWindow(hWndField, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CTestDib repainted(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
    Capture(hWndField, repainted);

    FieldLook look = {};
    ::GetCaretPos(&look.ptCaret);
    const COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF clrBack = repainted.Pixel(rcClient.right - 1, rcClient.bottom / 2);
    for (int y = 0; y < rcClient.Height(); ++y)
        for (int x = 0; x < rcClient.Width(); ++x)
        {
            if (x >= look.ptCaret.x - 1 && x <= look.ptCaret.x + 2)
                continue;
            const COLORREF clr = shown.Pixel(x, y);
            look.nDiffering += clr != repainted.Pixel(x, y) ? 1 : 0;
            look.nHighlight += clr == clrHighlight ? 1 : 0;
            look.nInk += clr != clrBack ? 1 : 0;
        }
    return look;
}

int CharPlaceX(HWND hWndField, int nChar)
{
    if (CXTPEdit::GetRichEditVersion() == 0)
        return static_cast<short>(LOWORD(::SendMessageA(hWndField, EM_POSFROMCHAR, nChar, 0)));
    POINTL pt = {};
    ::SendMessageA(hWndField, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), nChar);
    return pt.x;
}
