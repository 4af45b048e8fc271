// The status bar in a framework frame, as the main window uses it: docked by
// the frame's layout, parts laid out at several widths, stretching panes,
// texts that reach the control only when they change, the message pane's
// window text, the idle update of key indicators and disabled panes, tool
// hit tests, windows over panes and the default theme's pixels read back
// from the screen into a memory DIB.
#include "toolkit/extras/StatusBar.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/Static.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/ToolTipContext.h"

#include "BarTestSupport.h"
#include "StatusBarTestRes.h"
#include "TestDib.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <stdlib.h>
#include <string.h>

#include <vector>

namespace {

const UINT kFrameIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

// Counts the texts the bar hands to its control.
class CCountingStatusBar : public CXTPStatusBar
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == SB_SETTEXTA)
            ++m_nSetTexts;
        return CXTPStatusBar::WindowProc(message, wParam, lParam);
    }
    int m_nSetTexts = 0;
};

// The main window's arrangement: a frame with its status bar, whose update
// handler enables the line pane as the test says.
class CStatusFrame : public CFrameWnd
{
public:
    CCountingStatusBar m_wndStatusBar;
    BOOL m_bLineEnabled = TRUE;

protected:
    afx_msg void OnUpdateLine(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bLineEnabled); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStatusFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI(IDS_STATUS_TEST_LINE, OnUpdateLine)
END_MESSAGE_MAP()

class StatusBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Wine's status control calls the visual-styles library as it is
        // created and painted; with that library taken away it faults halfway.
        const char* pszStyles = getenv("QIV_EXPECT_STYLES");
        if (pszStyles != nullptr && strcmp(pszStyles, "missing") == 0)
            GTEST_SKIP() << "the status control needs the visual-styles library";
        // Top-most, so the paint test can read the window back from the screen.
        m_pFrame = new CStatusFrame;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Statusleiste", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(40, 40, 680, 400)));
        m_pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_TRUE(Bar().Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }

    CCountingStatusBar& Bar() { return m_pFrame->m_wndStatusBar; }

    // Fills the bar with the ids and lays the frame out at the width.
    void Fill(const UINT* pIds, int nCount)
    {
        ASSERT_TRUE(Bar().SetPanesFromIds(pIds, nCount));
        m_pFrame->RecalcLayout();
    }
    void SetFrameWidth(int cx)
    {
        CRect rc;
        m_pFrame->GetWindowRect(&rc);
        m_pFrame->SetWindowPos(nullptr, 0, 0, cx, rc.Height(),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->RecalcLayout();
    }

    std::vector<int> Parts()
    {
        int edges[16] = {};
        int nParts = static_cast<int>(Bar().SendMessage(SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
        return std::vector<int>(edges, edges + nParts);
    }
    CString ControlText(int nPart)
    {
        char szText[256] = "";
        Bar().SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nPart), reinterpret_cast<LPARAM>(szText));
        return szText;
    }
    int TextWidth(LPCSTR lpszText)
    {
        CClientDC dc(&Bar());
        CXTPFontDC font(&dc, Bar().GetFont());
        return dc.GetTextExtent(lpszText).cx;
    }
    int Borders(int nIndex)
    {
        int borders[3] = {};
        Bar().SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        return borders[nIndex];
    }
    // The room a bar with a size grip keeps free on its right.
    int GripperRoom()
    {
        return 2 * ::GetSystemMetrics(SM_CXBORDER) + Borders(0) + ::GetSystemMetrics(SM_CXVSCROLL);
    }
    // Right edges of the parts by the bar's rule: each pane its width plus
    // 6, stretching panes sharing what is left, gaps between parts.
    std::vector<int> ExpectedParts(const std::vector<int>& widths, const std::vector<bool>& stretch,
                                   int cxInside)
    {
        int nGap = Borders(2);
        int cxSpare = nGap + cxInside;
        int nStretching = 0;
        for (size_t i = 0; i < widths.size(); ++i)
        {
            cxSpare -= widths[i] + nGap + 6;
            nStretching += stretch[i] ? 1 : 0;
        }
        std::vector<int> rights;
        int x = Borders(0);
        for (size_t i = 0; i < widths.size(); ++i)
        {
            x += widths[i] + 6;
            if (stretch[i])
            {
                if (cxSpare > 0)
                {
                    int cxShare = cxSpare / nStretching;
                    x += cxShare;
                    cxSpare -= cxShare;
                }
                --nStretching;
            }
            rights.push_back(x);
            x += nGap;
        }
        return rights;
    }
    void IdleUpdate() { Bar().SendMessage(WM_IDLEUPDATECMDUI, TRUE); }

    CStatusFrame* m_pFrame = nullptr;
};

// The keyboard state of this thread with the toggle bit of one key set or
// cleared; the old state comes back at the end.
class CKeyToggle
{
public:
    CKeyToggle(int nVK, bool bOn)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::GetKeyboardState(state);
        state[nVK] = static_cast<BYTE>(bOn ? (state[nVK] | 1) : (state[nVK] & ~1));
        ::SetKeyboardState(state);
    }
    ~CKeyToggle() { ::SetKeyboardState(m_saved); }
    CKeyToggle(const CKeyToggle&) = delete;
    CKeyToggle& operator=(const CKeyToggle&) = delete;

private:
    BYTE m_saved[256];
};

} // namespace

TEST_F(StatusBarTest, FrameDocksTheBarAndItsPartsFollowTheWidth)
{
    Fill(kFrameIndicators, 3);
    ASSERT_EQ(3, Bar().GetPaneCount());
    EXPECT_EQ(XTP_SBPS_STRETCH | XTP_SBPS_NOBORDERS, Bar().GetPaneStyleAt(0));
    EXPECT_STREQ("UF", Bar().GetPaneTextAt(1));
    EXPECT_STREQ("NUM", Bar().GetPaneTextAt(2));
    std::vector<int> widths = {::GetSystemMetrics(SM_CXSCREEN) / 4, 4 + TextWidth("UF"),
                               4 + TextWidth("NUM")};
    EXPECT_EQ(widths[1], Bar().GetPane(1)->GetWidth());
    EXPECT_EQ(widths[2], Bar().GetPane(2)->GetWidth());

    // Wide enough for all, then narrower than the panes want, then tiny.
    for (int cxFrame : {900, 640, 420, 260, 120})
    {
        SetFrameWidth(cxFrame);
        CRect rcClient, rcBar;
        m_pFrame->GetClientRect(&rcClient);
        Bar().GetWindowRect(&rcBar);
        m_pFrame->ScreenToClient(&rcBar);
        // Docked at the bottom over the whole width, never lower than 20.
        EXPECT_EQ(rcClient.bottom, rcBar.bottom) << cxFrame;
        EXPECT_EQ(0, rcBar.left) << cxFrame;
        EXPECT_EQ(rcClient.right, rcBar.right) << cxFrame;
        EXPECT_GE(rcBar.Height(), 20) << cxFrame;
        EXPECT_EQ(Bar().CalcFixedLayout(TRUE, TRUE).cy, rcBar.Height()) << cxFrame;

        EXPECT_EQ(ExpectedParts(widths, {true, false, false}, rcBar.Width() - GripperRoom()), Parts())
            << cxFrame;
        // The last pane ends after its own width, not at the control's end.
        CRect rcLast, rcFirst;
        Bar().GetPaneRect(2, &rcLast);
        EXPECT_EQ(rcLast.left + widths[2] + 3 * ::GetSystemMetrics(SM_CXEDGE), rcLast.right) << cxFrame;
        Bar().GetPaneRect(0, &rcFirst);
        EXPECT_EQ(Parts()[0], rcFirst.right) << cxFrame;
    }
}

TEST_F(StatusBarTest, StretchingPanesShareTheSpareWidth)
{
    const UINT ids[] = {0, 0, ID_INDICATOR_NUM};
    Fill(ids, 3);
    SetFrameWidth(700);
    // Made narrow so there is spare width to share, and an odd amount of it.
    Bar().GetPane(0)->SetWidth(40);
    Bar().GetPane(1)->SetWidth(31);
    EXPECT_EQ(0u, Bar().GetPaneStyleAt(1) & XTP_SBPS_STRETCH);
    Bar().SetPaneStyleAt(1, Bar().GetPaneStyleAt(1) | XTP_SBPS_STRETCH);
    CRect rcBar;
    Bar().GetClientRect(&rcBar);
    std::vector<int> widths = {40, 31, 4 + TextWidth("NUM")};
    std::vector<int> expected = ExpectedParts(widths, {true, true, false}, rcBar.Width() - GripperRoom());
    EXPECT_EQ(expected, Parts());
    // The spare width split in two, the rounding remainder to the second.
    std::vector<int> parts = Parts();
    int cxFirst = parts[0] - Borders(0) - 46;
    int cxSecond = parts[1] - parts[0] - Borders(2) - 37;
    EXPECT_TRUE(cxSecond == cxFirst || cxSecond == cxFirst + 1) << cxFirst << " " << cxSecond;

    // A hidden pane gives its place away and has no rectangle.
    Bar().GetPane(1)->SetVisible(FALSE);
    EXPECT_EQ(2, Bar().GetVisiblePaneCount());
    EXPECT_EQ(2u, Parts().size());
    CRect rc;
    Bar().GetPaneRect(1, &rc);
    EXPECT_TRUE(rc.IsRectEmpty());
    EXPECT_STREQ("NUM", ControlText(1));
    Bar().GetPane(1)->SetVisible(TRUE);
    EXPECT_EQ(3u, Parts().size());
    EXPECT_STREQ("NUM", ControlText(2));
}

TEST_F(StatusBarTest, TextsReachTheControlOnlyWhenTheyChange)
{
    Fill(kFrameIndicators, 3);
    struct
    {
        int nIndex;
        const char* pszText;
        BOOL bUpdate;
        BOOL bResult;
        int nSends;
        const char* pszShown;   // in the control's part 1 afterwards
    } steps[] = {
        {1, "Eins", TRUE, TRUE, 1, "Eins"},
        {1, "Eins", TRUE, TRUE, 0, "Eins"},   // unchanged: nothing sent
        {1, "Zwei", FALSE, TRUE, 0, "Eins"},  // pending
        {1, "Zwei", TRUE, TRUE, 1, "Zwei"},   // the same text, but pending: sent
        {1, "Zwei", TRUE, TRUE, 0, "Zwei"},
        {3, "Drei", TRUE, FALSE, 0, "Zwei"},  // no such pane
        {-1, "Drei", TRUE, FALSE, 0, "Zwei"},
    };
    for (const auto& step : steps)
    {
        Bar().m_nSetTexts = 0;
        EXPECT_EQ(step.bResult, Bar().SetPaneTextAt(step.nIndex, step.pszText, step.bUpdate))
            << step.pszText;
        EXPECT_EQ(step.nSends, Bar().m_nSetTexts) << step.pszText;
        EXPECT_STREQ(step.pszShown, ControlText(1)) << step.pszText;
    }

    // A hidden pane keeps its text pending until it shows again.
    Bar().GetPane(2)->SetVisible(FALSE);
    Bar().m_nSetTexts = 0;
    EXPECT_FALSE(Bar().SetPaneTextAt(2, "Verborgen"));
    EXPECT_EQ(0, Bar().m_nSetTexts);
    Bar().GetPane(2)->SetVisible(TRUE);
    EXPECT_STREQ("Verborgen", ControlText(2));
}

TEST_F(StatusBarTest, WindowTextIsTheMessagePane)
{
    Fill(kFrameIndicators, 3);
    // The frame's message text goes through its message bar, the status bar.
    m_pFrame->SetMessageText("Bereit");
    EXPECT_STREQ("Bereit", Bar().GetPaneTextAt(0));
    EXPECT_STREQ("Bereit", ControlText(0));
    EXPECT_EQ(6, Bar().SendMessage(WM_GETTEXTLENGTH));

    // At most size - 1 characters and the terminator; nothing for size 0.
    struct
    {
        WPARAM nSize;
        LRESULT nAnswer;
        const char* pszBuffer;
    } reads[] = {{0, 0, "xxxxxxxx"}, {1, 0, ""}, {4, 3, "Ber"}, {7, 6, "Bereit"}, {8, 6, "Bereit"}};
    for (const auto& read : reads)
    {
        char szBuffer[9] = "xxxxxxxx";
        EXPECT_EQ(read.nAnswer, Bar().SendMessage(WM_GETTEXT, read.nSize, reinterpret_cast<LPARAM>(szBuffer)))
            << read.nSize;
        EXPECT_STREQ(read.pszBuffer, szBuffer) << read.nSize;
    }

    // Without a message pane the text has nowhere to go.
    const UINT ids[] = {ID_INDICATOR_NUM};
    Fill(ids, 1);
    EXPECT_EQ(-1, Bar().SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Bereit")));
    EXPECT_EQ(0, Bar().SendMessage(WM_GETTEXTLENGTH));
}

TEST_F(StatusBarTest, MissingStringEndsTheFillingWithThePanesMadeSoFar)
{
    const UINT ids[] = {0, IDS_STATUS_TEST_LINE, IDS_STATUS_TEST_MISSING, ID_INDICATOR_NUM};
    EXPECT_FALSE(Bar().SetPanesFromIds(ids, 4));
    ASSERT_EQ(2, Bar().GetPaneCount());
    EXPECT_STREQ("Zeile 12", Bar().GetPaneTextAt(1));
    EXPECT_EQ(2u, Parts().size());
    EXPECT_EQ(1, Bar().FindPaneIndex(IDS_STATUS_TEST_LINE));
    EXPECT_EQ(-1, Bar().FindPaneIndex(ID_INDICATOR_NUM));
    // Out of range: no pane, no style, an empty rectangle.
    EXPECT_EQ(nullptr, Bar().GetPane(2));
    EXPECT_EQ(0u, Bar().GetPaneStyleAt(5));
    CRect rc(1, 1, 2, 2);
    Bar().GetPaneRect(-1, &rc);
    EXPECT_TRUE(rc.IsRectEmpty());

    // A null list only clears.
    EXPECT_TRUE(Bar().SetPanesFromIds(nullptr, 0));
    EXPECT_EQ(0, Bar().GetPaneCount());
}

TEST_F(StatusBarTest, IdleUpdateFollowsKeysAndHandlers)
{
    const UINT ids[] = {0, IDS_STATUS_TEST_LINE, ID_INDICATOR_CAPS};
    Fill(ids, 3);
    {
        CKeyToggle caps(VK_CAPITAL, true);
        IdleUpdate();
        EXPECT_EQ(0u, Bar().GetPaneStyleAt(2) & XTP_SBPS_DISABLED);
        EXPECT_STREQ("UF", ControlText(2));
    }
    {
        CKeyToggle caps(VK_CAPITAL, false);
        IdleUpdate();
        EXPECT_NE(0u, Bar().GetPaneStyleAt(2) & XTP_SBPS_DISABLED);
        // The control shows nothing; the pane keeps its text for drawing.
        EXPECT_STREQ("", ControlText(2));
        EXPECT_STREQ("UF", Bar().GetPaneTextAt(2));
    }

    // The frame's handler disables the line pane and enables it again.
    m_pFrame->m_bLineEnabled = FALSE;
    IdleUpdate();
    EXPECT_NE(0u, Bar().GetPaneStyleAt(1) & XTP_SBPS_DISABLED);
    EXPECT_STREQ("", ControlText(1));
    EXPECT_STREQ("Zeile 12", Bar().GetPaneTextAt(1));
    m_pFrame->m_bLineEnabled = TRUE;
    IdleUpdate();
    EXPECT_EQ(0u, Bar().GetPaneStyleAt(1) & XTP_SBPS_DISABLED);
    EXPECT_STREQ("Zeile 12", ControlText(1));

    // A hidden frame's bar is not updated.
    m_pFrame->m_bLineEnabled = FALSE;
    m_pFrame->ShowWindow(SW_HIDE);
    IdleUpdate();
    EXPECT_EQ(0u, Bar().GetPaneStyleAt(1) & XTP_SBPS_DISABLED);
}

TEST_F(StatusBarTest, PanesWithTooltipsAreTools)
{
    Fill(kFrameIndicators, 3);
    Bar().GetPane(1)->SetTooltip("Feststelltaste");
    CRect rcCaps, rcNum;
    Bar().GetPaneRect(1, &rcCaps);
    Bar().GetPaneRect(2, &rcNum);

    TOOLINFOA ti = {};
    ti.cbSize = CXTPToolTipContext::TOOLINFO_SIZE;
    EXPECT_EQ(static_cast<INT_PTR>(ID_INDICATOR_CAPS), Bar().OnToolHitTest(rcCaps.CenterPoint(), &ti));
    EXPECT_EQ(Bar().m_hWnd, ti.hwnd);
    EXPECT_EQ(ID_INDICATOR_CAPS, ti.uId);
    EXPECT_EQ(rcCaps, CRect(ti.rect));
    EXPECT_STREQ("Feststelltaste", ti.lpszText);
    CXTPToolTipContext::FreeToolInfoCopies(&ti);

    // A pane without a tooltip is no tool, even over its rectangle.
    TOOLINFOA tiNone = {};
    tiNone.cbSize = CXTPToolTipContext::TOOLINFO_SIZE;
    EXPECT_EQ(-1, Bar().OnToolHitTest(rcNum.CenterPoint(), &tiNone));
    EXPECT_EQ(nullptr, tiNone.lpszText);
    EXPECT_EQ(Bar().GetPane(2), Bar().HitTestPane(rcNum.CenterPoint()));
}

TEST_F(StatusBarTest, ChildWindowsSitOverTheirPanes)
{
    Fill(kFrameIndicators, 3);
    auto* pStatic = new CStatic;
    ASSERT_TRUE(pStatic->Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &Bar(), 100));
    Bar().GetPane(1)->SetChild(pStatic, TRUE);
    Bar().GetPane(0)->SetChild(nullptr);
    SetFrameWidth(500);
    CRect rcPane, rcChild;
    Bar().GetPaneRect(1, &rcPane);
    pStatic->GetWindowRect(&rcChild);
    Bar().ScreenToClient(&rcChild);
    int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    rcPane.DeflateRect(cxEdge, cxEdge);
    EXPECT_EQ(rcPane, rcChild);

    // Replacing the window destroys and deletes the old one.
    HWND hWndOld = pStatic->m_hWnd;
    Bar().GetPane(1)->SetChild(nullptr);
    EXPECT_FALSE(::IsWindow(hWndOld));
}

TEST_F(StatusBarTest, FrameQueryAnswersThePaintManagersSetting)
{
    CXTPCommandBars commandBars;
    auto* pTheme = new CTestTheme;
    commandBars.SetPaintManager(pTheme);
    pTheme->InternalRelease();
    Bar().SetCommandBars(&commandBars);
    for (BOOL bSetting : {FALSE, TRUE})
    {
        pTheme->m_bAnswerStatusBarQuery = bSetting;
        EXPECT_EQ(bSetting, Bar().SendMessage(XTP_SBM_FRAMEQUERY));
    }
    Bar().SetDrawWithPaintManager(FALSE);
    EXPECT_EQ(0, Bar().SendMessage(XTP_SBM_FRAMEQUERY));
    Bar().SetCommandBars(nullptr);
}

TEST_F(StatusBarTest, DefaultThemePixels)
{
    CDistinctSysColors colors;
    CXTPCommandBars commandBars;
    auto* pTheme = new CTestTheme;
    commandBars.SetPaintManager(pTheme);
    pTheme->InternalRelease();
    Bar().SetCommandBars(&commandBars);
    Fill(kFrameIndicators, 3);
    Bar().GetPane(0)->SetText("Bereit");
    const COLORREF clrFace = pTheme->ResolveColor(COLOR_3DFACE);
    const COLORREF clrShadow = pTheme->ResolveColor(COLOR_3DSHADOW);
    const COLORREF clrLight = pTheme->ResolveColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrText = pTheme->ResolveColor(COLOR_BTNTEXT);

    // The bar's pixels as the screen shows them.
    auto capture = [&](CTestDib& dib) {
        Bar().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        CWindowDC dcBar(&Bar());
        dib->BitBlt(0, 0, dib.Width(), dib.Height(), &dcBar, 0, 0, SRCCOPY);
    };
    auto count = [](CTestDib& dib, const CRect& rc, COLORREF clr) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += dib.Pixel(x, y) == clr ? 1 : 0;
        return n;
    };

    CRect rcClient, rcMessage, rcCaps;
    Bar().GetClientRect(&rcClient);
    Bar().GetPaneRect(0, &rcMessage);
    Bar().GetPaneRect(1, &rcCaps);
    CTestDib dib(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
    capture(dib);
    // Sunken frames around the indicators, none around the message pane.
    EXPECT_EQ(clrShadow, dib.Pixel(rcCaps.left, rcCaps.top));
    EXPECT_EQ(clrLight, dib.Pixel(rcCaps.right - 1, rcCaps.bottom - 1));
    EXPECT_EQ(clrFace, dib.Pixel(rcMessage.left, rcMessage.top));
    EXPECT_EQ(clrFace, dib.Pixel(rcClient.left + 1, rcClient.bottom - 1));
    // The texts in the status text colour.
    EXPECT_GT(count(dib, rcMessage, clrText), 10);
    EXPECT_GT(count(dib, rcCaps, clrText), 4);
    // The gripper's diagonal lines in the lower-right corner.
    struct
    {
        int dx, dy;
        COLORREF clr;
    } gripperProbes[] = {{-3, -2, clrShadow}, {-4, -2, clrShadow}, {-2, -4, clrShadow},
                         {-5, -2, clrLight}, {-2, -5, clrLight}, {-11, -2, clrShadow}};
    for (const auto& probe : gripperProbes)
    {
        int x = rcClient.right + probe.dx, y = rcClient.bottom + probe.dy;
        EXPECT_EQ(probe.clr, dib.Pixel(x, y)) << probe.dx << "," << probe.dy;
    }

    // A disabled pane still shows its text, greyed, unless told otherwise.
    Bar().SetPaneStyleAt(1, XTP_SBPS_DISABLED);
    capture(dib);
    EXPECT_EQ(0, count(dib, rcCaps, clrText));
    EXPECT_GT(count(dib, rcCaps, pTheme->ResolveColor(COLOR_GRAYTEXT)), 4);
    Bar().SetDisabledTextShown(FALSE);
    capture(dib);
    EXPECT_EQ(0, count(dib, rcCaps, pTheme->ResolveColor(COLOR_GRAYTEXT)));

    // Maximized: no gripper and no room kept for one.
    m_pFrame->ShowWindow(SW_MAXIMIZE);
    m_pFrame->RecalcLayout();
    Bar().GetClientRect(&rcClient);
    std::vector<int> widths;
    for (int i = 0; i < 3; ++i)
        widths.push_back(Bar().GetPane(i)->GetWidth());
    EXPECT_EQ(ExpectedParts(widths, {true, false, false}, rcClient.Width()), Parts());
    CTestDib dibZoomed(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
    capture(dibZoomed);
    for (const auto& probe : gripperProbes)
    {
        int x = rcClient.right + probe.dx, y = rcClient.bottom + probe.dy;
        EXPECT_NE(probe.clr, dibZoomed.Pixel(x, y)) << probe.dx << "," << probe.dy;
    }
    m_pFrame->ShowWindow(SW_RESTORE);
    Bar().SetCommandBars(nullptr);
}
