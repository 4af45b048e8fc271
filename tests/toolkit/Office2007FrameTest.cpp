// The Office 2007 look's window frame: the region's three shapes read back
// with GetRegionData against the rows written out below, no region for a
// maximised or too small window; the border columns and caption images per
// active state; the caption buttons' frames and glyph sizes.
#include "toolkit/draw/Office2007Theme.h"

#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/extras/StatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const COLORREF MARK = RGB(1, 2, 3);

// The shapes as rows of rectangles of a w x h window.
std::vector<CRect> ExpectedRows(int w, int h, bool bRibbon, bool bStatusBar)
{
    std::vector<CRect> rows;
    if (bRibbon)
        rows = {{19, 0, w - 4, 1}, {14, 1, w - 2, 2}, {12, 2, w - 1, 3}, {10, 3, w - 1, 4},
                {9, 4, w, 5},      {7, 5, w, 6},      {6, 6, w, 7},      {5, 7, w, 9},
                {4, 9, w, 10},     {3, 10, w, 12},    {2, 12, w, 14},    {1, 14, w, 19},
                {0, 19, w, h - 4}};
    else
        rows = {{4, 0, w - 4, 1}, {2, 1, w - 2, 2}, {1, 2, w - 1, 3}, {1, 3, w - 1, 4}, {0, 4, w, h - 4}};
    if (bStatusBar)
        rows.insert(rows.end(), {{1, h - 4, w - 1, h - 2}, {2, h - 2, w - 2, h - 1}, {4, h - 1, w - 4, h}});
    else
        rows.push_back({0, h - 4, w, h});
    return rows;
}

// Pixel membership of a list of rectangles, row by row.
std::vector<bool> Rasterise(const std::vector<CRect>& rects, int w, int h)
{
    std::vector<bool> inside(static_cast<size_t>(w) * h, false);
    for (const CRect& rc : rects)
        for (int y = std::max(0L, rc.top); y < std::min(static_cast<LONG>(h), rc.bottom); ++y)
            for (int x = std::max(0L, rc.left); x < std::min(static_cast<LONG>(w), rc.right); ++x)
                inside[static_cast<size_t>(y) * w + x] = true;
    return inside;
}

std::vector<CRect> RegionRects(HRGN hRgn)
{
    const DWORD cb = ::GetRegionData(hRgn, 0, nullptr);
    std::vector<BYTE> data(cb);
    std::vector<CRect> rects;
    if (cb == 0 || ::GetRegionData(hRgn, cb, reinterpret_cast<RGNDATA*>(data.data())) != cb)
        return rects;
    const RGNDATA* pData = reinterpret_cast<const RGNDATA*>(data.data());
    const RECT* pRects = reinterpret_cast<const RECT*>(pData->Buffer);
    for (DWORD i = 0; i < pData->rdh.nCount; ++i)
        rects.push_back(CRect(pRects[i]));
    return rects;
}

TEST(Office2007FrameRegion, ThreeShapesAsThePartsRows)
{
    const struct
    {
        const char* pszShape;
        bool bRibbon;
        bool bStatusBar;
    } shapes[] = {{"plain caption", false, false}, {"ribbon caption", true, false},
                  {"status bar corners", false, true}, {"ribbon and status bar", true, true}};
    const int w = 120, h = 90;
    for (const auto& shape : shapes)
    {
        HRGN hRgn = CXTPOffice2007Theme::BuildFrameRegion(w, h, shape.bRibbon, shape.bStatusBar);
        ASSERT_NE(nullptr, hRgn) << shape.pszShape;
        const std::vector<bool> actual = Rasterise(RegionRects(hRgn), w, h);
        const std::vector<bool> expected = Rasterise(ExpectedRows(w, h, shape.bRibbon, shape.bStatusBar), w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(expected[y * w + x], actual[y * w + x]) << shape.pszShape << " at " << x << "," << y;
        ::DeleteObject(hRgn);
    }
}

TEST(Office2007FrameRegion, NoRegionForTinyWindows)
{
    const struct
    {
        int cx, cy;
        bool bRibbon, bStatusBar, bRegion;
    } sizes[] = {
        {9, 9, false, false, true},  {8, 9, false, false, false}, {9, 8, false, false, false},
        {24, 24, true, false, true}, {23, 40, true, false, false}, {40, 23, true, false, false},
        {9, 9, false, true, true},   {0, 0, false, false, false},  {-5, 40, false, false, false},
    };
    for (const auto& size : sizes)
    {
        HRGN hRgn = CXTPOffice2007Theme::BuildFrameRegion(size.cx, size.cy, size.bRibbon, size.bStatusBar);
        EXPECT_EQ(size.bRegion, hRgn != nullptr) << size.cx << "x" << size.cy << " ribbon " << size.bRibbon;
        if (hRgn)
            ::DeleteObject(hRgn);
    }
}

TEST(Office2007FrameRegion, FrameHookWindowHasNoneWhenMaximised)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 200, 150), nullptr, 0));
    {
        FrameHook hook(&wnd, nullptr);
        CXTPOffice2007Theme theme;
        theme.RefreshMetrics();
        HRGN hRgn = theme.GetFrameRegion(&hook, 200, 150);
        ASSERT_NE(nullptr, hRgn);
        // No ribbon and no skinned status bar: the plain shape.
        EXPECT_FALSE(::PtInRegion(hRgn, 0, 0));
        EXPECT_TRUE(::PtInRegion(hRgn, 4, 0));
        EXPECT_TRUE(::PtInRegion(hRgn, 0, 149));
        ::DeleteObject(hRgn);
        ::SetWindowLongA(wnd.GetSafeHwnd(), GWL_STYLE, ::GetWindowLongA(wnd.GetSafeHwnd(), GWL_STYLE) | WS_MAXIMIZE);
        EXPECT_EQ(nullptr, theme.GetFrameRegion(&hook, 200, 150));
    }
    wnd.DestroyWindow();
}

// --- Caption buttons -------------------------------------------------------------------------

TEST(Office2007CaptionButton, GlyphSizeByButtonWidth)
{
    const int widths[][2] = {{12, 13}, {19, 13}, {20, 17}, {26, 17}, {27, 23}, {40, 23}};
    for (const auto& width : widths)
        EXPECT_EQ(width[1], CXTPOffice2007Theme::GetCaptionGlyphSize(width[0])) << width[0];
}

TEST(Office2007CaptionButton, ImageFramesPerStateAndGlyphOfTheWidth)
{
    CThemeColorScope colors(g_classicSysColors);
    CThemeStyleScope style(true);
    CXTPOffice2007Theme theme;
    theme.RefreshMetrics();
    const struct
    {
        int nId;
        const char* pszGlyph;
        int cx;
        BOOL bActive, bSelected, bPressed;
        int nGlyphFrame;   // of 5
        int nButtonFrame;  // of 2; -1: no button face
    } cases[] = {
        {SC_CLOSE, "CLOSE", 19, TRUE, FALSE, FALSE, 0, -1},
        {SC_CLOSE, "CLOSE", 20, TRUE, TRUE, FALSE, 1, 0},
        {SC_MINIMIZE, "MINIMIZE", 26, TRUE, FALSE, TRUE, 1, 0},
        {SC_MAXIMIZE, "MAXIMIZE", 27, TRUE, TRUE, TRUE, 2, 1},
        {SC_RESTORE, "RESTORE", 19, FALSE, FALSE, FALSE, 3, -1},
        {0, "RESTORE", 27, FALSE, TRUE, TRUE, 3, 1},
    };
    for (const auto& c : cases)
    {
        const int nSize = CXTPOffice2007Theme::GetCaptionGlyphSize(c.cx);
        CString strGlyph;
        strGlyph.Format("FRAMECAPTION%s%d", c.pszGlyph, nSize);
        CTestDib dib(c.cx, c.cx, MARK);
        theme.DrawFrameCaptionButton(&dib.DC(), CRect(0, 0, c.cx, c.cx), c.nId, c.bSelected, c.bPressed,
                                     c.bActive);
        const COLORREF clrGlyph = ThemeImageColor(strGlyph, c.nGlyphFrame);
        EXPECT_EQ(clrGlyph, dib.Pixel(c.cx / 2, c.cx / 2)) << strGlyph << " width " << c.cx;
        int nGlyphWidth = 0;
        for (int x = 0; x < c.cx; ++x)
            nGlyphWidth += dib.Pixel(x, c.cx / 2) == clrGlyph;
        EXPECT_EQ(nSize, nGlyphWidth) << strGlyph << " width " << c.cx;
        EXPECT_EQ(c.nButtonFrame < 0 ? MARK : ThemeImageColor("FRAMECAPTIONBUTTON", c.nButtonFrame),
                  dib.Pixel(0, 0))
            << strGlyph << " width " << c.cx;
    }
}

// --- The frame -------------------------------------------------------------------------------

class Office2007FrameTest : public testing::TestWithParam<bool>
{
protected:
    Office2007FrameTest() : m_colors(g_classicSysColors), m_style(GetParam()) { m_theme.RefreshMetrics(); }
    CThemeColorScope m_colors;
    CThemeStyleScope m_style;
    CXTPOffice2007Theme m_theme;
};

TEST_P(Office2007FrameTest, BorderColumnsAndCaptionPerActiveState)
{
    const bool bModule = GetParam();
    auto* pFrame = new CFrameWnd;   // deletes itself when destroyed
    ASSERT_TRUE(pFrame->Create(nullptr, "Titel", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CRect rcWindow, rcClient;
    pFrame->GetWindowRect(&rcWindow);
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.TopLeft());
    const int cx = rcWindow.Width(), cy = rcWindow.Height();
    const int cxLeft = rcClient.left;
    ASSERT_GE(cxLeft, 3);
    {
        FrameHook hook(pFrame, nullptr);
        for (BOOL bActive : {TRUE, FALSE})
        {
            pFrame->SendMessage(WM_NCACTIVATE, bActive, 0);
            ASSERT_EQ(bActive, hook.IsFrameActive());
            const COLORREF* border = bActive ? m_theme.m_clrFrameBorderActive : m_theme.m_clrFrameBorderInactive;
            CTestDib dib(cx, cy, MARK);
            m_theme.DrawFrame(&dib.DC(), &hook);
            const int y = m_theme.m_nFrameCaptionHeight + 10;
            for (int i = 0; i < 3; ++i)
            {
                EXPECT_EQ(border[i], dib.Pixel(i, y)) << "left column " << i << " active " << bActive;
                EXPECT_EQ(border[i], dib.Pixel(cx - 1 - i, y)) << "right column " << i << " active " << bActive;
            }
            if (cxLeft > 3)
            {
                EXPECT_EQ(border[3], dib.Pixel(cxLeft - 1, y)) << bActive;
            }
            EXPECT_EQ(border[0], dib.Pixel(cx / 2, cy - 1)) << bActive;
            if (cy - rcClient.bottom > 1)
            {
                EXPECT_EQ(border[3], dib.Pixel(cx / 2, cy - 2)) << bActive;
            }
            // The client area is not the frame's.
            EXPECT_EQ(MARK, dib.Pixel(rcClient.CenterPoint().x, rcClient.CenterPoint().y));

            const int nState = bActive ? 0 : 1;
            if (bModule)
            {
                EXPECT_EQ(ThemeImageColor("FRAMESIMPLETOPRIGHT", nState), dib.Pixel(1, 2)) << bActive;
                EXPECT_EQ(ThemeImageColor("FRAMETOPCENTER", nState), dib.Pixel(cx / 2, 2)) << bActive;
                EXPECT_EQ(ThemeImageColor("FRAMETOPRIGHT", nState), dib.Pixel(cx - 2, 2)) << bActive;
            }
            else
            {
                EXPECT_EQ(border[0], dib.Pixel(cx / 2, 0)) << bActive;
                EXPECT_EQ(border[3], dib.Pixel(cx / 2, 2)) << bActive;
            }
        }
    }
    pFrame->DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Module, Office2007FrameTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "WithModule" : "WithoutModule");
                         });

// A frame with a skinned status bar and one whose caption the ribbon draws,
// with the test module: the status-bar border images and corners, the
// rounded bottom of the region, the ribbon's caption ends; a caption button
// from the hook's list and the caption text's colours.
class Office2007FrameShapesTest : public testing::Test
{
protected:
    Office2007FrameShapesTest() : m_colors(g_classicSysColors), m_style(true)
    {
        m_pTheme = new CXTPOffice2007Theme;
        m_pTheme->RefreshMetrics();
        m_pFrame = new CFrameWnd;   // deletes itself when destroyed
        m_pFrame->Create(nullptr, "Notiz - Qivnotes", WS_OVERLAPPEDWINDOW | FWS_PREFIXTITLE, CRect(0, 0, 300, 200));
        CRect rcWindow;
        m_pFrame->GetWindowRect(&rcWindow);
        m_pFrame->GetClientRect(&m_rcClient);
        m_pFrame->ClientToScreen(&m_rcClient);
        m_rcClient.OffsetRect(-rcWindow.TopLeft());
        m_size = rcWindow.Size();
    }
    ~Office2007FrameShapesTest() override
    {
        m_pFrame->DestroyWindow();
        m_pTheme->InternalRelease();
    }
    COLORREF Image(const char* pszName, int nFrame = 0) { return ThemeImageColor(pszName, nFrame); }

    CThemeColorScope m_colors;
    CThemeStyleScope m_style;
    CXTPOffice2007Theme* m_pTheme;
    CFrameWnd* m_pFrame;
    CRect m_rcClient;
    CSize m_size;
};

TEST_F(Office2007FrameShapesTest, StatusBarBordersCornersAndRoundBottom)
{
    CXTPStatusBar status;
    ASSERT_TRUE(status.Create(m_pFrame));
    m_pFrame->RecalcLayout();
    CXTPPaintManager* pProcess = XTPPaintManager();
    const BOOL bAnswered = pProcess->m_bAnswerStatusBarQuery;
    pProcess->m_bAnswerStatusBarQuery = TRUE;
    m_pTheme->m_bFrameStatusBar = TRUE;
    {
        FrameHook hook(m_pFrame, nullptr);
        hook.SetPaintManager(m_pTheme);
        int nHeight = 0;
        ASSERT_TRUE(hook.GetStatusBarHeight(&nHeight));
        const int cx = m_size.cx, cy = m_size.cy;
        const int yStatus = m_rcClient.bottom - nHeight;
        CTestDib dib(cx, cy, MARK);
        m_pTheme->DrawFrame(&dib.DC(), &hook);
        EXPECT_EQ(Image("STATUSBARLIGHT"), dib.Pixel(1, yStatus + 2));
        EXPECT_EQ(Image("STATUSBARDARK"), dib.Pixel(cx - 2, yStatus + 2));
        EXPECT_EQ(Image("FRAMEBOTTOMLEFT"), dib.Pixel(2, cy - 3));
        EXPECT_EQ(Image("FRAMEBOTTOMRIGHT"), dib.Pixel(cx - 3, cy - 3));
        // No bottom border fill beside a status bar.
        if (cy - m_rcClient.bottom > 1)
        {
            EXPECT_EQ(MARK, dib.Pixel(cx / 2, cy - 2));
        }
        HRGN hRgn = m_pTheme->GetFrameRegion(&hook, cx, cy);
        ASSERT_NE(nullptr, hRgn);
        EXPECT_FALSE(::PtInRegion(hRgn, 0, cy - 3));
        EXPECT_TRUE(::PtInRegion(hRgn, 1, cy - 3));
        EXPECT_FALSE(::PtInRegion(hRgn, 3, cy - 1));
        EXPECT_TRUE(::PtInRegion(hRgn, 4, cy - 1));
        ::DeleteObject(hRgn);
    }
    pProcess->m_bAnswerStatusBarQuery = bAnswered;
}

TEST_F(Office2007FrameShapesTest, RibbonCaptionLeavesTheMiddleToTheRibbon)
{
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetSite(m_pFrame);
    CXTPToolBar* pRibbon = pCommandBars->CreateToolBar("Band", xtpBarTop);
    ASSERT_NE(nullptr, pRibbon);
    {
        FrameHook hook(m_pFrame, nullptr, pRibbon);
        ASSERT_TRUE(CXTPOffice2007Theme::HasRibbonCaption(&hook));
        m_pFrame->SendMessage(WM_NCACTIVATE, TRUE, 0);
        const int cx = m_size.cx;
        CTestDib dib(cx, m_size.cy, MARK);
        m_pTheme->DrawFrame(&dib.DC(), &hook);
        EXPECT_EQ(Image("FRAMETOPLEFT"), dib.Pixel(1, 5));
        EXPECT_EQ(Image("FRAMETOPRIGHT"), dib.Pixel(cx - 2, 5));
        EXPECT_EQ(MARK, dib.Pixel(cx / 2, 5));
        // The side borders start below the ribbon's caption.
        EXPECT_EQ(m_pTheme->m_clrFrameBorderActive[0], dib.Pixel(0, m_pTheme->m_nRibbonCaptionHeight + 1));
        HRGN hRgn = m_pTheme->GetFrameRegion(&hook, cx, m_size.cy);
        ASSERT_NE(nullptr, hRgn);
        EXPECT_FALSE(::PtInRegion(hRgn, 18, 0));
        EXPECT_TRUE(::PtInRegion(hRgn, 19, 0));
        EXPECT_FALSE(::PtInRegion(hRgn, 0, 18));
        EXPECT_TRUE(::PtInRegion(hRgn, 0, 19));
        ::DeleteObject(hRgn);
    }
    pCommandBars->RemoveAll();
    pCommandBars->InternalRelease();
}

TEST_F(Office2007FrameShapesTest, CaptionButtonsFromTheHookAndTitleColours)
{
    CXTPControls buttons;
    const int cx = m_size.cx;
    const CRect rcClose(cx - 30, 2, cx - 8, 22);
    buttons.Add(xtpControlButton, SC_CLOSE)->SetRect(rcClose);
    CXTPControl* pHidden = buttons.Add(xtpControlButton, SC_MINIMIZE);
    pHidden->SetRect(CRect(cx - 60, 2, cx - 38, 22));
    pHidden->SetHideFlags(xtpHideGeneric);
    FrameHook hook(m_pFrame, nullptr);
    hook.SetCaptionButtons(&buttons);
    m_pFrame->SendMessage(WM_NCACTIVATE, TRUE, 0);
    CTestDib dib(cx, m_size.cy, MARK);
    m_pTheme->DrawFrame(&dib.DC(), &hook);
    EXPECT_EQ(Image("FRAMECAPTIONCLOSE17"), dib.Pixel(rcClose.CenterPoint().x, rcClose.CenterPoint().y));
    EXPECT_EQ(Image("FRAMETOPCENTER"), dib.Pixel(cx - 49, 12));
    hook.SetCaptionButtons(nullptr);

    // An active frame that prefixes its title: the document part in the
    // caption colour, the frame's title in the title colour after it.
    m_pFrame->SetTitle("Qivnotes");
    const CRect rcText(0, 0, 280, 24);
    for (BOOL bActive : {TRUE, FALSE})
    {
        CTestDib text(280, 24, MARK);
        m_pTheme->DrawFrameCaptionText(&text.DC(), rcText, m_pFrame, bActive);
        const COLORREF clrPlain = bActive ? m_pTheme->m_clrFrameCaptionTextActive : m_pTheme->m_clrFrameCaptionTextInActive;
        int xLastPlain = -1, xFirstTitle = 280, nTitle = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 280; ++x)
            {
                const COLORREF clr = text.Pixel(x, y);
                if (clr == clrPlain)
                    xLastPlain = std::max(xLastPlain, x);
                if (clr == m_pTheme->m_clrFrameCaptionTextActiveTitle)
                {
                    xFirstTitle = std::min(xFirstTitle, x);
                    ++nTitle;
                }
            }
        EXPECT_GE(xLastPlain, 0) << bActive;
        if (bActive)
        {
            EXPECT_GT(nTitle, 0);
            EXPECT_LT(xLastPlain, xFirstTitle);
        }
        else
        {
            EXPECT_EQ(0, nTitle);
        }
    }
}

TEST(Office2007FrameIcons, SmallIconRules)
{
    HICON hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    const struct
    {
        const char* pszCase;
        DWORD dwStyle, dwExStyle;
        bool bSetIcon;
        HICON hExpected;
    } cases[] = {
        {"tool window", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, true, nullptr},
        {"no system menu", WS_POPUP | WS_CAPTION, 0, true, nullptr},
        {"its small icon", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, true, hIcon},
        {"modal frame without icon", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false, nullptr},
    };
    for (const auto& c : cases)
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(c.dwExStyle, "STATIC", "", c.dwStyle, CRect(0, 0, 100, 60), nullptr, 0));
        if (c.bSetIcon)
            wnd.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
        EXPECT_EQ(c.hExpected, CXTPOffice2007Theme::GetFrameSmallIcon(&wnd)) << c.pszCase;
        wnd.DestroyWindow();
    }
    // Without an icon of its own a plain window still shows one: the answer
    // to the drag-icon question or the system's.
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, "STATIC", "", WS_POPUP | WS_CAPTION | WS_SYSMENU, CRect(0, 0, 100, 60), nullptr, 0));
    EXPECT_NE(nullptr, CXTPOffice2007Theme::GetFrameSmallIcon(&plain));
    EXPECT_EQ(nullptr, CXTPOffice2007Theme::GetFrameLargeIcon(nullptr));
    plain.DestroyWindow();
}

} // namespace
