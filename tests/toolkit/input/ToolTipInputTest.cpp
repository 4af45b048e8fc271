// The system's tooltip driven by the tooltip context under the real mouse:
// shown over a tool of the foreground window with the tool's id, rectangle
// and text, hidden by a button press, and not shown while the window is not
// in front. The system's own delay applies, so the tests pump messages until
// the tip appears (at most 3 seconds).
#include "toolkit/extras/ToolTipContext.h"

#include "framework/ui/WndClass.h"

#include "InputTestSupport.h"

#include <gtest/gtest.h>

namespace {

const UINT_PTR TOOL_ID = 4711;
const CRect TOOL_RECT(20, 20, 120, 50);

// A window that hands its messages to the context and has one tool.
class CTipOwner : public CWnd
{
public:
    CXTPToolTipContext m_context;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override
    {
        if (!TOOL_RECT.PtInRect(point))
            return -1;
        CXTPToolTipContext::FillToolInfo(pTI, m_hWnd, TOOL_RECT, TOOL_ID, "Neues Dokument");
        return TOOL_ID;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_context.RelayWindowMessage(this, message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ToolTipInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Away from where the window comes, so no tool is hovered before
        // the test moves there.
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Werkzeuge", WS_OVERLAPPEDWINDOW,
                                     100, 100, 400, 200, nullptr, nullptr));
        ASSERT_TRUE(MakeForeground(m_owner.m_hWnd));
        ASSERT_TRUE(MoveMouseTo(ToScreen(CPoint(300, 120))));
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    CPoint ToScreen(CPoint pt)
    {
        m_owner.ClientToScreen(&pt);
        return pt;
    }

    // Pumps until the tip is visible or the time is up.
    bool WaitForTip(DWORD dwMilliseconds)
    {
        DWORD dwStart = ::GetTickCount();
        while (::GetTickCount() - dwStart < dwMilliseconds)
        {
            PumpInputMessages();
            CWnd* pTip = m_owner.m_context.GetToolTip();
            if (pTip != nullptr && pTip->IsWindowVisible())
                return true;
        }
        return false;
    }

    CTipOwner m_owner;
};

TEST_F(ToolTipInputTest, SystemTipShowsTheToolUnderTheMouse)
{
    ASSERT_TRUE(MoveMouseTo(ToScreen(CPoint(60, 30))));
    ASSERT_TRUE(MoveMouseTo(ToScreen(CPoint(62, 32))));
    ASSERT_TRUE(WaitForTip(3000));
    CWnd* pTip = m_owner.m_context.GetToolTip();

    TOOLINFOA ti = {};
    ti.cbSize = CXTPToolTipContext::TOOLINFO_SIZE;
    char szText[80] = "";
    ti.lpszText = szText;
    ASSERT_TRUE(pTip->SendMessage(TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(TOOL_ID, ti.uId);
    EXPECT_EQ(m_owner.m_hWnd, ti.hwnd);
    EXPECT_EQ(TOOL_RECT, CRect(ti.rect));
    char szShown[80] = "";
    pTip->SendMessage(WM_GETTEXT, sizeof(szShown), reinterpret_cast<LPARAM>(szShown));
    EXPECT_STREQ("Neues Dokument", szShown);

    // A press hides it.
    PressLeftButton();
    EXPECT_FALSE(pTip->IsWindowVisible());
    ReleaseLeftButton();
}

TEST_F(ToolTipInputTest, NoTipWhileTheWindowIsNotInFront)
{
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "Anderes", WS_OVERLAPPEDWINDOW, 600, 400,
                               200, 100, nullptr, nullptr));
    ASSERT_TRUE(MakeForeground(other.m_hWnd));
    ASSERT_TRUE(MoveMouseTo(ToScreen(CPoint(60, 30))));
    ASSERT_TRUE(MoveMouseTo(ToScreen(CPoint(62, 32))));
    EXPECT_FALSE(WaitForTip(1500));
    other.DestroyWindow();
}

} // namespace
