// Painting a toolbar of 100 controls (icon and caption buttons, some checked,
// hot and disabled, with separators) through the paint manager, beside the
// plain GDI work of the same rectangles: FillRect, DrawText and DrawIconEx.
// Target: the paint manager within 3x of the plain drawing.
#include "bench/BenchCommon.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/DefaultTheme.h"
#include "toolkit/draw/ImageManager.h"

#include <stdio.h>

namespace {

const int kControls = 100;
const int kRounds = 200;
const int kFirstId = 1000;

// A bar whose type and position are set for the benchmark.
class CBenchBar : public CXTPCommandBar
{
public:
    CBenchBar()
    {
        m_barType = xtpBarTypeNormal;
        m_barPosition = xtpBarTop;
    }
};

} // namespace

int main()
{
    CXTPDefaultTheme* pTheme = new CXTPDefaultTheme;
    pTheme->RefreshMetrics();
    CXTPImageManager* pImages = new CXTPImageManager;
    HICON hIcon = bench::MakeIcon16();
    for (int i = 0; i < kControls; ++i)
        pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), kFirstId + i, 16);

    CBenchBar bar;
    bar.SetPaintManager(pTheme);
    bar.SetImageManager(pImages);
    char szCaption[32];
    for (int i = 0; i < kControls; ++i)
    {
        CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, kFirstId + i);
        wsprintfA(szCaption, "Befehl %d", i);
        pControl->SetCaption(szCaption);
        pControl->SetStyle(xtpButtonIconAndCaption);
        pControl->SetBeginGroup(i % 10 == 0);
        pControl->SetChecked(i % 7 == 0);
        pControl->SetEnabled(i % 11 != 0);
    }

    // One DC for both: a 32-bit DIB wide enough for two rows of controls.
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 4000;
    bmi.bmiHeader.biHeight = -120;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);

    bar.GetControls()->CalcDynamicSize(&dc, 4000, 0x48, CRect(2, 2, 2, 2), 0);
    bar.GetControl(3)->OnSetSelected(1);

    // Baseline: the same rectangles filled, captioned and iconed by hand.
    HBRUSH hBrush = ::CreateSolidBrush(::GetSysColor(COLOR_3DFACE));
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), pTheme->GetRegularFont()->GetSafeHandle());
    ::SetBkMode(dc.GetSafeHdc(), TRANSPARENT);
    double dStart = bench::Now();
    for (int r = 0; r < kRounds; ++r)
        for (int i = 0; i < kControls; ++i)
        {
            CRect rc = bar.GetControl(i)->GetRect();
            ::FillRect(dc.GetSafeHdc(), &rc, hBrush);
            ::DrawIconEx(dc.GetSafeHdc(), rc.left + 3, rc.top + 3, hIcon, 16, 16, 0, nullptr,
                         DI_NORMAL);
            CRect rcText(rc.left + 21, rc.top, rc.right, rc.bottom);
            wsprintfA(szCaption, "Befehl %d", i);
            ::DrawTextA(dc.GetSafeHdc(), szCaption, -1, &rcText,
                        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    double dBaseline = bench::Now() - dStart;
    ::SelectObject(dc.GetSafeHdc(), hOldFont);

    dStart = bench::Now();
    for (int r = 0; r < kRounds; ++r)
        for (int i = 0; i < kControls; ++i)
        {
            CXTPControl* pControl = bar.GetControl(i);
            if (pControl->GetBeginGroup() && i > 0)
                pTheme->DrawCommandBarSeparator(&dc, &bar, pControl, TRUE);
            pControl->Draw(&dc);
        }
    double dPainted = bench::Now() - dStart;

    double dPerBarBaseline = dBaseline / kRounds * 1000.0;
    double dPerBar = dPainted / kRounds * 1000.0;
    bench::Report("toolbar of 100 controls, plain GDI", dPerBarBaseline, "ms", dPerBarBaseline);
    bench::Report("toolbar of 100 controls, paint manager", dPerBar, "ms", dPerBarBaseline);
    printf("target: within 3x of plain GDI: %s\n", dPerBar <= 3.0 * dPerBarBaseline ? "met" : "missed");

    ::DeleteObject(hBrush);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    dc.DeleteDC();
    ::DeleteObject(hBitmap);
    ::DestroyIcon(hIcon);
    bar.GetControls()->RemoveAll();
    bar.SetPaintManager(nullptr);
    bar.SetImageManager(nullptr);
    pImages->InternalRelease();
    pTheme->InternalRelease();
    return 0;
}
