// Repainting a toolbar of 30 controls (background, gripper, separators,
// icon and caption buttons in several states) and an open popup of 20 items
// 500 times through each theme, beside the classic theme in the same run.
// Target: every theme within 2x of the classic one; the Office 2007 and
// ribbon looks with the test style module (colours and images from it)
// within 4x.
#include "bench/BenchCommon.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/draw/PaintManager.h"

#include <stdio.h>

namespace {

const int kToolbarControls = 30;
const int kPopupItems = 20;
const int kRepaints = 500;
const int kRounds = 5;
const int kFirstId = 1000;

class CBenchBar : public CXTPCommandBar
{
public:
    CBenchBar(int nType, int nPosition)
    {
        m_barType = nType;
        m_barPosition = nPosition;
    }
    ~CBenchBar() override
    {
        if (GetSafeHwnd())
            DestroyWindow();
    }
    BOOL CreateHidden(int cx, int cy)
    {
        return CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, cx, cy), nullptr, 0);
    }
};

void Fill(CBenchBar& bar, int nCount, BOOL bPopup)
{
    char szCaption[32];
    for (int i = 0; i < nCount; ++i)
    {
        CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, kFirstId + i);
        wsprintfA(szCaption, bPopup ? "Eintrag %d" : "Befehl %d", i);
        pControl->SetCaption(szCaption);
        pControl->SetStyle(bPopup || i % 3 ? xtpButtonAutomatic : xtpButtonIconAndCaption);
        pControl->SetBeginGroup(i % 6 == 0);
        pControl->SetChecked(i % 7 == 0);
        pControl->SetEnabled(i % 11 != 0);
    }
}

void Repaint(CXTPPaintManager* pTheme, CDC* pDC, CBenchBar& bar)
{
    pTheme->FillCommandBar(pDC, &bar);
    pTheme->DrawCommandBarGripper(pDC, &bar, TRUE);
    int nCount = bar.GetControlCount();
    for (int i = 0; i < nCount; ++i)
    {
        CXTPControl* pControl = bar.GetControl(i);
        if (pControl->GetBeginGroup() && i > 0)
            pTheme->DrawCommandBarSeparator(pDC, &bar, pControl, TRUE);
        pControl->Draw(pDC);
    }
}

} // namespace

int main()
{
    CXTPImageManager* pImages = new CXTPImageManager;
    HICON hIcon = bench::MakeIcon16();
    for (int i = 0; i < kToolbarControls; ++i)
        pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), kFirstId + i, 16);

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 1400;
    bmi.bmiHeader.biHeight = -500;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);

    const struct
    {
        int nTheme;
        const char* pszName;
        bool bModule;
        double dLimit;
    } themes[] = {{xtpThemeOffice2000, "classic", false, 2.0}, {xtpThemeOfficeXP, "office", false, 2.0},
                  {xtpThemeOffice2003, "office 2003", false, 2.0}, {xtpThemeNativeWinXP, "native XP", false, 2.0},
                  {xtpThemeWhidbey, "whidbey", false, 2.0}, {xtpThemeOffice2007, "office 2007", false, 2.0},
                  {xtpThemeRibbon, "ribbon", false, 2.0},
                  {xtpThemeOffice2007, "office 2007 with module", true, 4.0},
                  {xtpThemeRibbon, "ribbon with module", true, 4.0}};
    // The test style module, built beside the tests.
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    CString strModule(szModule);
    strModule = strModule.Left(strModule.ReverseFind('\\') + 1) + "..\\tests\\office2007\\ThemeStyleModule.dll";
    bench::Rounds classicToolbar, classicPopup;
    bool bMet = true, bMeasured = true;
    for (const auto& theme : themes)
    {
        if (theme.bModule)
        {
            GetOffice2007StyleResources()->LoadStyleModule(strModule);
            if (!GetOffice2007StyleResources()->IsLoaded())
            {
                printf("%s: not measured (no test style module at %s)\n", theme.pszName,
                       static_cast<LPCSTR>(strModule));
                continue;
            }
        }
        CXTPPaintManager* pTheme = CreatePaintTheme(theme.nTheme);
        pTheme->RefreshMetrics();
        CBenchBar toolbar(xtpBarTypeNormal, xtpBarTop), popup(xtpBarTypePopup, xtpBarPopup);
        toolbar.CreateHidden(1400, 60);
        popup.CreateHidden(300, 440);
        for (CBenchBar* pBar : {&toolbar, &popup})
        {
            pBar->SetPaintManager(pTheme);
            pBar->SetImageManager(pImages);
        }
        Fill(toolbar, kToolbarControls, FALSE);
        Fill(popup, kPopupItems, TRUE);
        toolbar.GetControls()->CalcDynamicSize(&dc, 1400, 0x48, CRect(2, 2, 2, 2), 0);
        popup.GetControls()->CalcDynamicSize(&dc, 300, 0x48, CRect(3, 3, 3, 3), 0);
        toolbar.GetControl(3)->OnSetSelected(1);
        popup.GetControl(4)->OnSetSelected(1);

        bench::Rounds toolbarRounds, popupRounds;
        // Round -1 warms fonts, images and caches up and is not counted.
        for (int r = -1; r < kRounds; ++r)
        {
            double dStart = bench::Now();
            for (int i = 0; i < kRepaints / kRounds; ++i)
                Repaint(pTheme, &dc, toolbar);
            const double dToolbar = bench::Now() - dStart;
            dStart = bench::Now();
            for (int i = 0; i < kRepaints / kRounds; ++i)
                Repaint(pTheme, &dc, popup);
            const double dPopup = bench::Now() - dStart;
            if (r < 0)
                continue;
            toolbarRounds.Add(dToolbar);
            popupRounds.Add(dPopup);
        }
        if (theme.nTheme == xtpThemeOffice2000)
        {
            classicToolbar = toolbarRounds;
            classicPopup = popupRounds;
        }
        char szName[96];
        wsprintfA(szName, "%s: toolbar of 30 controls x%d", theme.pszName, kRepaints);
        double dToolbar = bench::ReportAgainst(szName, toolbarRounds, "classic", classicToolbar);
        wsprintfA(szName, "%s: popup of 20 items x%d", theme.pszName, kRepaints);
        double dPopup = bench::ReportAgainst(szName, popupRounds, "classic", classicPopup);
        // A ratio of 0 marks a baseline too unsteady to compare against.
        bMeasured = bMeasured && dToolbar > 0 && dPopup > 0;
        bMet = bMet && dToolbar <= theme.dLimit && dPopup <= theme.dLimit;

        for (CBenchBar* pBar : {&toolbar, &popup})
        {
            pBar->GetControls()->RemoveAll();
            pBar->SetPaintManager(nullptr);
            pBar->SetImageManager(nullptr);
        }
        pTheme->InternalRelease();
        if (theme.bModule)
        {
            // Switching to a module without style text keeps the images already loaded.
            GetOffice2007StyleResources()->SetHandle(::GetModuleHandleA(nullptr));
            GetOffice2007StyleResources()->RemoveAllImages();
        }
    }
    printf("target: every theme within 2x of the classic theme (4x with the style module): %s\n",
           !bMeasured ? "not measured (unsteady baseline)" : bMet ? "met" : "missed");

    ::SelectObject(dc.GetSafeHdc(), hOld);
    dc.DeleteDC();
    ::DeleteObject(hBitmap);
    ::DestroyIcon(hIcon);
    pImages->InternalRelease();
    return 0;
}
