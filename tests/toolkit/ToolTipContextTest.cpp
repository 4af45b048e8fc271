// The tooltip context with a test owner that answers the tool hit test for
// three tools in a row, and its self-drawn tips on the toolkit's clock with
// the cursor where the test puts it: the wait before a tip and the reshow
// window, clicked tools, re-registered tools, placement at the work area's
// edges, tool texts from the owner, the tip windows of the styles, rich-text
// tips of plain text, and a tip destroyed while shown. The system's tip
// under real mouse input is in tests/toolkit/input/ToolTipInputTest.cpp.
#include "toolkit/extras/ToolTipContext.h"
#include "toolkit/extras/ToolTipWnd.h"

#include "framework/ui/MessageMap.h"
#include "framework/ui/WndClass.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/draw/ToolkitClock.h"

#include "ResourceTestRes.h"
#include "TestDib.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

DWORD g_dwNow = 0;
CPoint g_ptCursor;
HWND g_hWndUnderCursor = nullptr;

DWORD FakeTickCount()
{
    return g_dwNow;
}

// A self-drawn tip that sees the test's cursor.
template <class TIP>
class CTestTip : public TIP
{
public:
    using TIP::TIP;

protected:
    CPoint GetCursorPoint() const override { return g_ptCursor; }
    HWND WindowUnderCursor(CPoint) const override { return g_hWndUnderCursor; }
};

// Its owner counts as in front unless the test says otherwise.
class CTestContext : public CXTPToolTipContext
{
public:
    BOOL m_bOwnerActive = TRUE;

protected:
    BOOL IsOwnerActive(CWnd*) const override { return m_bOwnerActive; }

    CWnd* CreateTipWindow(CWnd* pOwner) override
    {
        if (GetStyle() != xtpToolTipOffice)
            return CXTPToolTipContext::CreateTipWindow(pOwner);
        auto* pTip = new CTestTip<CXTPToolTipContextToolTip>(this);
        if (!pTip->Create(pOwner, GetTipStyle() | TTS_ALWAYSTIP))
        {
            delete pTip;
            return nullptr;
        }
        return pTip;
    }
};

// Three tools of 30 × 20 side by side; what the owner answers for texts
// asked by callback.
class CToolOwner : public CWnd
{
public:
    UINT m_uToolFlags = 0;
    LPCSTR m_lpszText = "Werkzeug";
    int m_nWidthOfFirst = 30;
    std::string m_strAnswer;
    HINSTANCE m_hInstAnswer = nullptr;
    LPSTR m_lpszAnswer = nullptr;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override
    {
        for (int i = 0; i < 3; ++i)
        {
            CRect rect(i == 0 ? 0 : m_nWidthOfFirst + 30 * (i - 1), 0, m_nWidthOfFirst + 30 * i, 20);
            if (rect.PtInRect(point))
            {
                CXTPToolTipContext::FillToolInfo(pTI, m_hWnd, rect, 101 + i, m_lpszText);
                pTI->uFlags |= m_uToolFlags;
                return 101 + i;
            }
        }
        return -1;
    }

protected:
    afx_msg void OnGetDispInfo(UINT, NMHDR* pHeader, LRESULT*)
    {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pHeader);
        if (m_lpszAnswer != nullptr)
        {
            pInfo->lpszText = m_lpszAnswer;
            pInfo->hinst = m_hInstAnswer;
        }
        else
        {
            // The whole buffer, without a terminating zero.
            std::memset(pInfo->szText, 'x', sizeof(pInfo->szText));
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolOwner, CWnd)
    ON_NOTIFY_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, OnGetDispInfo)
END_MESSAGE_MAP()

class ToolTipContextTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_oldClock = XTPSetToolkitClock({ FakeTickCount, nullptr });
        g_dwNow = 100000;
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Leiste", WS_POPUP, 200, 200, 120, 20,
                                     nullptr, nullptr));
        g_hWndUnderCursor = m_owner.m_hWnd;
        m_context.SetStyle(xtpToolTipOffice);
    }
    void TearDown() override
    {
        m_owner.DestroyWindow();
        XTPSetToolkitClock(m_oldClock);
    }

    // The mouse moves to a client point of the owner at the current time.
    void Hover(int x, int y = 10, UINT message = WM_MOUSEMOVE)
    {
        g_ptCursor = CPoint(x, y);
        m_owner.ClientToScreen(&g_ptCursor);
        MSG msg = {};
        msg.hwnd = m_owner.m_hWnd;
        msg.message = message;
        msg.pt = g_ptCursor;
        m_context.ProcessMouseMessage(&m_owner, &msg);
    }

    CXTPToolTipContextToolTip* Tip() const
    {
        return dynamic_cast<CXTPToolTipContextToolTip*>(m_context.GetToolTip());
    }

    // Lets the pending tip's timer run out.
    void ElapseInitialDelay()
    {
        g_dwNow += CXTPToolTipContextToolTip::INITIAL_DELAY;
        if (Tip() != nullptr)
            Tip()->SendMessage(WM_TIMER, CXTPToolTipContextToolTip::TIMER_PENDING);
    }

    UINT_PTR ShownId() const { return Tip() != nullptr ? Tip()->GetShownTool().uId : 0; }

    CXTPToolkitClock m_oldClock = {};
    CToolOwner m_owner;
    CTestContext m_context;
};

const UINT_PTR NONE = static_cast<UINT_PTR>(-1);

TEST_F(ToolTipContextTest, SelfDrawnTipWaitsUnlessAnotherWasJustShown)
{
    Hover(10);
    ASSERT_NE(nullptr, Tip());
    EXPECT_EQ(NONE, ShownId());
    EXPECT_EQ(101u, Tip()->GetPendingTool().uId);
    ElapseInitialDelay();
    EXPECT_EQ(101u, ShownId());
    EXPECT_TRUE(Tip()->IsWindowVisible());
    EXPECT_TRUE(Tip()->HoldsMouseHook());

    // Since the last show or hide: under 200 ms the next tip shows at once,
    // from 200 ms on it waits 500 ms again.
    struct Case
    {
        DWORD dwGap;
        bool bAtOnce;
    };
    const Case cases[] = { { 0, true }, { 199, true }, { 200, false }, { 1500, false } };
    int nTool = 0;
    for (const Case& c : cases)
    {
        Hover(110);   // off the tools: hidden now
        ASSERT_EQ(NONE, ShownId());
        nTool = (nTool + 1) % 3;
        g_dwNow += c.dwGap;
        Hover(10 + 30 * nTool);
        EXPECT_EQ(c.bAtOnce ? 101u + nTool : NONE, ShownId()) << c.dwGap;
        if (!c.bAtOnce)
        {
            ElapseInitialDelay();
            EXPECT_EQ(101u + nTool, ShownId()) << c.dwGap;
        }
    }

    // Straight from a shown tip to the next tool: leaving the old tool hides
    // its tip, so the next move is within the reshow window.
    g_dwNow += 1000;
    Hover(10 + 30 * ((nTool + 1) % 3));
    EXPECT_EQ(NONE, ShownId());
    Hover(11 + 30 * ((nTool + 1) % 3));
    EXPECT_EQ(101u + (nTool + 1) % 3, ShownId());

    // Off the tools the tip goes; a timer of a tool left before it ran
    // shows nothing.
    Hover(110);
    EXPECT_EQ(NONE, ShownId());
    EXPECT_FALSE(Tip()->IsWindowVisible());
    EXPECT_FALSE(Tip()->HoldsMouseHook());
    g_dwNow += 1000;
    Hover(10);
    Hover(110);
    ElapseInitialDelay();
    EXPECT_EQ(NONE, ShownId());
}

TEST_F(ToolTipContextTest, ClickedToolStaysSilentUntilAnotherTipShows)
{
    Hover(10);
    ElapseInitialDelay();
    ASSERT_EQ(101u, ShownId());
    CXTPToolTipContextToolTip* pTip = Tip();

    // Straight to the tip: a press on the tool hides it and marks it.
    MSG msg = {};
    msg.hwnd = m_owner.m_hWnd;
    msg.message = WM_LBUTTONDOWN;
    msg.pt = g_ptCursor;
    pTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    EXPECT_EQ(NONE, ShownId());
    msg.message = WM_MOUSEMOVE;
    for (int i = 0; i < 2; ++i)
    {
        g_dwNow += 1000;
        pTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
        ElapseInitialDelay();
        EXPECT_EQ(NONE, ShownId()) << i;
    }
    Hover(40);
    ElapseInitialDelay();
    EXPECT_EQ(102u, ShownId());
    Hover(10);
    EXPECT_EQ(101u, ShownId());   // at once: within the reshow window

    // Through the context a press hides the tip, and keys do too.
    Hover(10, 10, WM_LBUTTONDOWN);
    EXPECT_FALSE(Tip()->IsWindowVisible());
    EXPECT_FALSE(Tip()->IsActive());
}

TEST_F(ToolTipContextTest, ToolsAreRegisteredOnceAndTheLastKeepsNoText)
{
    Hover(10);
    EXPECT_EQ(1, Tip()->GetToolCount());
    Hover(40);
    EXPECT_EQ(1, Tip()->GetToolCount());
    const TOOLINFOA& last = m_context.GetLastToolInfo();
    EXPECT_EQ(102u, last.uId);
    EXPECT_EQ(nullptr, last.lpszText);
    EXPECT_EQ(CXTPToolTipContext::TOOLINFO_SIZE, last.cbSize);

    // The same tool with another rectangle is registered again.
    m_owner.m_nWidthOfFirst = 35;
    Hover(40);
    EXPECT_EQ(1, Tip()->GetToolCount());
    EXPECT_EQ(CRect(35, 0, 65, 20), CRect(m_context.GetLastToolInfo().rect));
    Hover(110);
    EXPECT_EQ(0, Tip()->GetToolCount());

    // While the owner's application is not in front only tools with the
    // inactive flag activate the tip, and a visible tip goes.
    m_context.m_bOwnerActive = FALSE;
    m_owner.m_uToolFlags = 0;
    Hover(10);
    EXPECT_FALSE(Tip()->IsActive());
    Hover(110);
    m_owner.m_uToolFlags = XTP_TTF_SHOWINACTIVE;
    Hover(10);
    EXPECT_TRUE(Tip()->IsActive());
    ElapseInitialDelay();
    EXPECT_EQ(101u, ShownId());
    Hover(11);
    EXPECT_FALSE(Tip()->IsWindowVisible());
    EXPECT_FALSE(Tip()->IsActive());
}

TEST_F(ToolTipContextTest, TipStaysInsideTheWorkArea)
{
    Hover(10);
    ElapseInitialDelay();
    ASSERT_EQ(101u, ShownId());
    CRect rcWork;
    GetMonitorAreaAtCursor(&rcWork);
    CRect rcTip;
    Tip()->GetWindowRect(&rcTip);
    const CSize size = rcTip.Size();
    EXPECT_EQ(g_ptCursor.x, rcTip.left);
    EXPECT_GT(rcTip.top, g_ptCursor.y);

    // Near the bottom right corner: 4 pixels from the right edge, above
    // the cursor with its bottom 3 pixels above the cursor's y.
    Hover(110);
    g_dwNow += 1000;
    g_hWndUnderCursor = m_owner.m_hWnd;
    m_owner.SetWindowPos(nullptr, rcWork.right - 20, rcWork.bottom - 12, 120, 20,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    Hover(10, 5);
    ElapseInitialDelay();
    ASSERT_EQ(101u, ShownId());
    Tip()->GetWindowRect(&rcTip);
    EXPECT_EQ(size, rcTip.Size());
    EXPECT_EQ(rcWork.right - 4, rcTip.right);
    EXPECT_EQ(g_ptCursor.y - 3, rcTip.bottom);
}

TEST_F(ToolTipContextTest, CallbackTextsFromTheOwner)
{
    m_owner.m_lpszText = LPSTR_TEXTCALLBACKA;
    Hover(10);
    TOOLITEM tool;
    tool.hWnd = m_owner.m_hWnd;
    tool.uId = 101;
    tool.bTextCallback = TRUE;

    char szOwn[] = "Eigener &Text";
    struct Case
    {
        LPSTR lpszAnswer;
        HINSTANCE hInst;
        std::string strExpected;
    };
    const Case cases[] = {
        { nullptr, nullptr, std::string(80, 'x') },   // a full buffer, unterminated
        { szOwn, nullptr, "Eigener &Text" },          // the window keeps "&" (no-prefix style)
        { MAKEINTRESOURCEA(IDS_TEST_MESSAGE), ::GetModuleHandleA(nullptr), "Symbolleiste zurücksetzen?" },
    };
    for (const Case& c : cases)
    {
        m_owner.m_lpszAnswer = c.lpszAnswer;
        m_owner.m_hInstAnswer = c.hInst;
        EXPECT_STREQ(c.strExpected.c_str(), Tip()->GetToolText(tool)) << c.strExpected;
    }

    // Without the no-prefix style mnemonic markers go.
    m_context.ModifyTipStyle(TTS_NOPREFIX, 0);
    Hover(10);
    m_owner.m_lpszAnswer = szOwn;
    EXPECT_STREQ("Eigener Text", Tip()->GetToolText(tool));
}

TEST_F(ToolTipContextTest, EachStyleHasItsWindow)
{
    struct Case
    {
        int nStyle;
        const char* pszClass;   // null: self-drawn
        DWORD dwBalloon;
    };
    const Case cases[] = {
        { xtpToolTipStandard, TOOLTIPS_CLASSA, 0 },
        { xtpToolTipBalloon, TOOLTIPS_CLASSA, TTS_BALLOON },
        { xtpToolTipOffice, nullptr, 0 },
        { xtpToolTipRTF, nullptr, 0 },
        { xtpToolTipLuna, nullptr, 0 },
        { xtpToolTipOffice2007, nullptr, 0 },
        { 17, TOOLTIPS_CLASSA, 0 },
    };
    for (const Case& c : cases)
    {
        m_context.SetStyle(c.nStyle);   // a new tip window on the next hover
        Hover(10);
        CWnd* pTip = m_context.GetToolTip();
        ASSERT_NE(nullptr, pTip) << c.nStyle;
        char szClass[64] = "";
        ::GetClassNameA(pTip->m_hWnd, szClass, sizeof(szClass));
        if (c.pszClass != nullptr)
            EXPECT_STREQ(c.pszClass, szClass) << c.nStyle;
        else
            EXPECT_NE(nullptr, dynamic_cast<CXTPToolTipContextToolTip*>(pTip)) << c.nStyle;
        EXPECT_EQ(c.dwBalloon, pTip->GetStyle() & TTS_BALLOON) << c.nStyle;
        EXPECT_TRUE(pTip->GetStyle() & TTS_ALWAYSTIP) << c.nStyle;
        EXPECT_EQ(m_owner.m_hWnd, ::GetWindow(pTip->m_hWnd, GW_OWNER)) << c.nStyle;
    }
}

TEST_F(ToolTipContextTest, TipDestroyedWhileShownLetsGoOfTheHook)
{
    Hover(10);
    ElapseInitialDelay();
    CXTPToolTipContextToolTip* pTip = Tip();
    ASSERT_TRUE(pTip->HoldsMouseHook());
    pTip->DestroyWindow();
    EXPECT_FALSE(pTip->HoldsMouseHook());

    // Another tip takes the hook.
    CTestContext other;
    other.SetStyle(xtpToolTipOffice);
    g_dwNow += 1000;
    MSG msg = {};
    msg.hwnd = m_owner.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = g_ptCursor;
    other.ProcessMouseMessage(&m_owner, &msg);
    auto* pOtherTip = dynamic_cast<CXTPToolTipContextToolTip*>(other.GetToolTip());
    ASSERT_NE(nullptr, pOtherTip);
    pOtherTip->SendMessage(WM_TIMER, CXTPToolTipContextToolTip::TIMER_PENDING);
    EXPECT_TRUE(pOtherTip->HoldsMouseHook());
}

TEST_F(ToolTipContextTest, RichTextTipTakesPlainTextAndRtf)
{
    CTestTip<CXTPToolTipContext::CRichEditToolTip> tip(&m_context);
    ASSERT_TRUE(tip.Create(&m_owner, TTS_NOPREFIX));
    TOOLITEM tool;
    tool.hWnd = m_owner.m_hWnd;
    tool.uId = 1;
    tool.strText = "";
    EXPECT_EQ(CSize(0, 0), tip.CalcTipSize(tool));

    tool.strText = "Hallo Welt";
    CSize sizePlain = tip.CalcTipSize(tool);
    EXPECT_GT(sizePlain.cx, 4 + 20);
    EXPECT_GT(sizePlain.cy, 2 + 5);
    tool.strText = "{\\rtf1\\ansi Hallo Welt}";
    CSize sizeRtf = tip.CalcTipSize(tool);
    EXPECT_GT(sizeRtf.cx, 4 + 20);
    EXPECT_GT(sizeRtf.cy, 2 + 5);
    // A long text is wrapped to the maximum width.
    m_context.SetMaxTipWidth(150);
    tool.strText = "Hallo Welt, hallo Welt, hallo Welt, hallo Welt, hallo Welt, hallo Welt";
    CSize sizeLong = tip.CalcTipSize(tool);
    EXPECT_LE(sizeLong.cx, 150 + 4 + 1);
    EXPECT_GT(sizeLong.cy, sizePlain.cy);
    tip.DestroyWindow();
}

TEST_F(ToolTipContextTest, SelfDrawnBackgrounds)
{
    CTestTip<CXTPToolTipContextToolTip> plain(&m_context);
    CTestTip<CXTPToolTipContext::COffice2007ToolTip> office2007(&m_context);
    ASSERT_TRUE(plain.Create(&m_owner, 0));
    ASSERT_TRUE(office2007.Create(&m_owner, 0));
    TOOLITEM tool;
    CTestDib dib(40, 20, RGB(1, 2, 3));
    plain.DrawBackground(&dib.DC(), tool, CRect(0, 0, 40, 20));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(39, 19));
    EXPECT_EQ(m_context.GetTipBkColor(), dib.Pixel(20, 10));

    // The style module's colours, else white to RGB(201, 217, 239) in a
    // frame of RGB(118, 118, 118).
    auto styleColor = [](LPCSTR lpszKey, COLORREF clrDefault) {
        COLORREF clr = GetOffice2007StyleResources()->LookupColor("Window", lpszKey);
        return clr == static_cast<COLORREF>(-1) ? clrDefault : clr;
    };
    office2007.DrawBackground(&dib.DC(), tool, CRect(0, 0, 40, 20));
    EXPECT_EQ(styleColor("TooltipBorder", RGB(118, 118, 118)), dib.Pixel(0, 0));
    EXPECT_TRUE(ColorsClose(styleColor("TooltipLight", RGB(255, 255, 255)), dib.Pixel(20, 1), 8));
    EXPECT_TRUE(ColorsClose(styleColor("TooltipDark", RGB(201, 217, 239)), dib.Pixel(20, 18), 8));
    plain.DestroyWindow();
    office2007.DestroyWindow();
}

} // namespace
