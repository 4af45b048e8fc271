// The system's tooltip driven by the tooltip context under the real mouse:
// shown over a tool of the foreground window with the tool's id, rectangle
// and text, hidden by a button press, and not shown while the window is not
// in front. The same for the buttons of a frame's toolbar: their tips come
// from the command bars' context, one tool at a time. The system's own
// delay applies, so the tests pump messages until the tip appears (at most
// 3 seconds).
#include "toolkit/extras/ToolTipContext.h"

// Before the bars' headers: the popup bar names a constant the resource header defines.
#include "toolkit/controls/ControlComboBox.h"

#include "framework/ui/FrameWnd.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestRes.h"

#include <gtest/gtest.h>

#include <memory>

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

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};

// A frame's toolbar from the test resource: its buttons' tips come from the
// command bars' context, with the prompt's text after "\n".
class ToolBarTipTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CFrameWnd;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Tipps", WS_OVERLAPPEDWINDOW, CRect(100, 100, 500, 300)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_pToolBar = m_pCommandBars->CreateToolBar("Standard", xtpBarTop);
        ASSERT_NE(nullptr, m_pToolBar);
        ASSERT_TRUE(m_pToolBar->LoadToolBar(IDR_BAR_TEST_TOOLBAR, FALSE));
        m_pFrame->ShowWindow(SW_SHOW);
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpInputMessages();
    }
    void TearDown() override
    {
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }

    CXTPToolTipContext* Context() const { return m_pCommandBars->GetToolTipContext(); }
    CPoint Centre(UINT nId) const
    {
        for (int i = 0; i < m_pToolBar->GetControlCount(); ++i)
        {
            if (static_cast<UINT>(m_pToolBar->GetControl(i)->GetID()) != nId)
                continue;
            CPoint pt = m_pToolBar->GetControl(i)->GetRect().CenterPoint();
            m_pToolBar->ClientToScreen(&pt);
            return pt;
        }
        ADD_FAILURE() << nId;
        return CPoint();
    }
    // Moves onto the button (two steps, as a hand does) and pumps until the
    // tip is visible or the time is up.
    bool HoverAndWait(UINT nId, DWORD dwMilliseconds)
    {
        CPoint pt = Centre(nId);
        EXPECT_TRUE(MoveMouseTo(CPoint(pt.x - 1, pt.y)));
        EXPECT_TRUE(MoveMouseTo(pt));
        DWORD dwStart = ::GetTickCount();
        while (::GetTickCount() - dwStart < dwMilliseconds)
        {
            PumpInputMessages();
            CWnd* pTip = Context()->GetToolTip();
            if (pTip != nullptr && pTip->IsWindowVisible() && CurrentTool().uId == nId)
                return true;
        }
        return false;
    }
    TOOLINFOA CurrentTool() const
    {
        TOOLINFOA ti = {};
        ti.cbSize = CXTPToolTipContext::TOOLINFO_SIZE;
        ti.lpszText = m_szToolText;
        if (CWnd* pTip = Context()->GetToolTip())
            pTip->SendMessage(TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        return ti;
    }

    CFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CXTPCommandBars, ReleaseBars> m_pCommandBars;
    CXTPToolBar* m_pToolBar = nullptr;
    mutable char m_szToolText[80] = "";
};

TEST_F(ToolBarTipTest, ButtonsShowTheirTipsOneToolAtATime)
{
    // The bar's context is the command bars' one.
    EXPECT_EQ(Context(), m_pToolBar->GetToolTipContext());
    const struct
    {
        UINT nId;
        const char* pszTip;
    } buttons[] = {{ID_BAR_TEST_NEW, "Neu"}, {ID_BAR_TEST_OPEN, "\xD6" "ffnen"}, {ID_BAR_TEST_SAVE, "Speichern"}};
    for (const auto& b : buttons)
    {
        ASSERT_TRUE(HoverAndWait(b.nId, 3000)) << b.pszTip;
        CWnd* pTip = Context()->GetToolTip();
        TOOLINFOA ti = CurrentTool();
        EXPECT_EQ(m_pToolBar->m_hWnd, ti.hwnd) << b.pszTip;
        CRect rcButton;
        for (int i = 0; i < m_pToolBar->GetControlCount(); ++i)
            if (static_cast<UINT>(m_pToolBar->GetControl(i)->GetID()) == b.nId)
                rcButton = m_pToolBar->GetControl(i)->GetRect();
        EXPECT_EQ(rcButton, CRect(ti.rect)) << b.pszTip;
        char szShown[80] = "";
        pTip->SendMessage(WM_GETTEXT, sizeof(szShown), reinterpret_cast<LPARAM>(szShown));
        EXPECT_STREQ(b.pszTip, szShown);
        // The tool of the button before is gone: one tool at a time.
        EXPECT_EQ(1, pTip->SendMessage(TTM_GETTOOLCOUNT, 0, 0)) << b.pszTip;
    }

    // A press on the button hides the tip.
    CWnd* pTip = Context()->GetToolTip();
    InjectMouseButton(MOUSEEVENTF_LEFTDOWN);
    InjectMouseButton(MOUSEEVENTF_LEFTUP);
    PumpInputMessages();
    EXPECT_FALSE(pTip->IsWindowVisible());
}

TEST_F(ToolBarTipTest, ComboFieldTipIsTheBars)
{
    const int ID_FONT = 600;
    m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    auto* pCombo = static_cast<CXTPControlComboBox*>(m_pToolBar->GetControls()->Add(xtpControlComboBox, ID_FONT));
    pCombo->SetDropDown(TRUE);
    pCombo->SetWidth(120);
    pCombo->SetTooltip("Schriftart");
    m_pFrame->RecalcLayout();
    PumpInputMessages();
    HWND hEdit = pCombo->GetEditCtrl()->GetSafeHwnd();
    ASSERT_NE(nullptr, hEdit);
    EXPECT_EQ(1, ::SendMessageA(hEdit, XTP_TTM_ISTRANSPARENTCHILD, 0, 0));

    // Over the field the tool is the bar's control, not the edit window.
    CRect rcEdit;
    ::GetWindowRect(hEdit, &rcEdit);
    ASSERT_TRUE(MoveMouseTo(CPoint(rcEdit.CenterPoint().x - 1, rcEdit.CenterPoint().y)));
    ASSERT_TRUE(MoveMouseTo(rcEdit.CenterPoint()));
    bool bShown = false;
    for (DWORD dwStart = ::GetTickCount(); !bShown && ::GetTickCount() - dwStart < 3000;)
    {
        PumpInputMessages();
        CWnd* pTip = Context()->GetToolTip();
        bShown = pTip != nullptr && pTip->IsWindowVisible();
    }
    ASSERT_TRUE(bShown);
    TOOLINFOA ti = CurrentTool();
    EXPECT_EQ(m_pToolBar->m_hWnd, ti.hwnd);
    EXPECT_EQ(static_cast<UINT_PTR>(ID_FONT), ti.uId);
    char szShown[80] = "";
    Context()->GetToolTip()->SendMessage(WM_GETTEXT, sizeof(szShown), reinterpret_cast<LPARAM>(szShown));
    EXPECT_STREQ("Schriftart", szShown);
    CPoint pt = rcEdit.CenterPoint();
    EXPECT_EQ(m_pToolBar->m_hWnd, reinterpret_cast<HWND>(Context()->GetToolTip()->SendMessage(
                                      TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&pt))));
}

TEST_F(ToolBarTipTest, NoTipWhileTheFrameIsNotInFront)
{
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "Anderes", WS_OVERLAPPEDWINDOW, 600, 400,
                               200, 100, nullptr, nullptr));
    ASSERT_TRUE(MakeForeground(other.m_hWnd));
    EXPECT_FALSE(HoverAndWait(ID_BAR_TEST_NEW, 1500));
    other.DestroyWindow();
}

} // namespace
