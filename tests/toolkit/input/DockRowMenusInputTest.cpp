// The menus a dock row offers, under the real mouse: three toolbars share
// the top row of a frame. Squeezed, each hides buttons behind its chevron,
// and the chevron of any of them lists the hidden buttons of the whole row
// and an add-or-remove entry per bar; the site may supply the menu itself.
// A right click on the empty stretch of the dock bar beside the bars opens
// the toolbars menu at the point, and the keyboard picks a toolbar there.
#include "toolkit/commandbars/DockBar.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestSupport.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/FrameWnd.h"
#include "toolkit/commandbars/MouseManager.h"
// Before the toolbar header: both name the popup expand id.
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Three bars of six buttons each; the ids tell the bars apart.
struct RowBar
{
    const char* pszTitle;
    UINT nBarId;
    UINT nFirstId;
};
const RowBar kRowBars[] = {{"Standard", 301, 7201}, {"Format", 302, 7211}, {"Ansicht", 303, 7221}};
const int kButtons = 6;

class CRowFrame : public CXTPFrameWnd
{
public:
    // The popup-bar queries the frame was sent, word by word; with a popup
    // to supply, the expand menu's query gets it (one reference for the
    // toolbar).
    std::vector<std::vector<DWORD_PTR>> m_queries;
    std::vector<std::string> m_queryTitles;
    CXTPPopupBar* m_pSupplied = nullptr;
    // The window named by each toolbars-menu request.
    std::vector<HWND> m_contextRequests;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CREATECOMMANDBAR)
        {
            DWORD_PTR* pQuery = reinterpret_cast<DWORD_PTR*>(lParam);
            m_queries.emplace_back(pQuery, pQuery + 7);
            m_queryTitles.emplace_back(pQuery[5] ? reinterpret_cast<LPCSTR>(pQuery[5]) : "");
            if (!m_pSupplied || pQuery[6] != XTP_ID_TOOLBAR_EXPAND)
                return 0;
            m_pSupplied->InternalAddRef();
            pQuery[0] = reinterpret_cast<DWORD_PTR>(m_pSupplied);
            return 1;
        }
        if (message == XTP_WM_TOOLBARCONTEXTMENU)
            m_contextRequests.push_back(reinterpret_cast<HWND>(wParam));
        return CXTPFrameWnd::WindowProc(message, wParam, lParam);
    }
    afx_msg void OnCustomize() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRowFrame, CXTPFrameWnd)
    ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

// What a thread timer saw of the first tracked popup, before it typed the
// keys of the script into it.
struct PopupSeen
{
    CRect rcWindow;
    std::vector<std::string> captions;
};
PopupSeen s_seen;
std::vector<WORD> s_keys;
UINT_PTR s_nTimer = 0;

VOID CALLBACK WatchPopup(HWND, UINT, UINT_PTR, DWORD)
{
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (pMouseManager->GetTrackCount() == 0)
        return;
    ::KillTimer(nullptr, s_nTimer);
    s_nTimer = 0;
    CXTPCommandBar* pPopup = pMouseManager->GetTrackAt(0);
    pPopup->GetWindowRect(&s_seen.rcWindow);
    for (int i = 0; i < pPopup->GetControlCount(); ++i)
    {
        CXTPControl* pControl = pPopup->GetControl(i);
        if (pControl->GetHideFlags() == 0)
            s_seen.captions.emplace_back(static_cast<LPCSTR>(pControl->GetCaption()));
    }
    for (WORD wKey : s_keys)
    {
        InjectKey(wKey, FALSE);
        InjectKey(wKey, TRUE);
    }
}

class DockRowMenusInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CRowFrame;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Reihe", WS_OVERLAPPEDWINDOW, CRect(60, 60, 760, 400)));
        ASSERT_TRUE(m_pFrame->InitCommandBars());
        m_pCommandBars = m_pFrame->GetCommandBars();
        for (const RowBar& row : kRowBars)
        {
            CXTPToolBar* pBar = m_pCommandBars->CreateToolBar(row.pszTitle, xtpBarTop);
            ASSERT_NE(nullptr, pBar);
            pBar->SetBarID(row.nBarId);
            UINT ids[kButtons];
            for (int i = 0; i < kButtons; ++i)
                ids[i] = row.nFirstId + i;
            pBar->LoadToolBarItems(ids, kButtons);
            for (int i = 0; i < kButtons; ++i)
                pBar->GetControl(i)->SetCaption(std::to_string(ids[i]).c_str());
            pBar->GetControls()->CreateOriginalControls();
            m_bars.push_back(pBar);
        }
        m_pFrame->RecalcLayout();
        // The second and third bar join the first one's row, one after the other.
        for (size_t i = 1; i < m_bars.size(); ++i)
        {
            CRect rcBefore = WindowRect(m_bars[i - 1]);
            CRect rcDrop(CPoint(rcBefore.right + 4, rcBefore.top), WindowRect(m_bars[i]).Size());
            ASSERT_TRUE(m_pCommandBars->DockCommandBar(m_bars[i], rcDrop, m_pCommandBars->GetDockBar(0)));
            m_pFrame->RecalcLayout();
        }
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        PumpInputMessages();
    }
    void TearDown() override
    {
        if (s_nTimer)
            ::KillTimer(nullptr, s_nTimer);
        s_nTimer = 0;
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        if (m_pFrame->m_pSupplied)
            m_pFrame->m_pSupplied->InternalRelease();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }

    // Narrows the frame until every bar of the row hides buttons.
    void SqueezeRow()
    {
        CRect rcFrame = WindowRect(m_pFrame);
        m_pFrame->SetWindowPos(nullptr, 0, 0, 250, rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->RecalcLayout();
        PumpInputMessages();
    }
    std::vector<int> HiddenIds(CXTPToolBar* pBar) const
    {
        std::vector<int> ids;
        for (int i = 0; i < pBar->GetControlCount(); ++i)
            if (pBar->GetControl(i)->GetHideFlags() == xtpHideWrap)
                ids.push_back(pBar->GetControl(i)->GetID());
        return ids;
    }
    static CPoint ScreenCentre(CXTPControl* pControl)
    {
        CPoint pt = pControl->GetRect().CenterPoint();
        pControl->GetParent()->ClientToScreen(&pt);
        return pt;
    }

    CRowFrame* m_pFrame = nullptr;
    CXTPCommandBars* m_pCommandBars = nullptr;
    std::vector<CXTPToolBar*> m_bars;
};

} // namespace

TEST_F(DockRowMenusInputTest, EveryChevronOfTheRowListsTheWholeRow)
{
    SqueezeRow();
    // The row holds the three bars side by side, each hiding buttons.
    std::vector<int> hidden;
    for (CXTPToolBar* pBar : m_bars)
    {
        EXPECT_EQ(WindowRect(m_bars[0]).top, WindowRect(pBar).top) << pBar->GetTitle();
        std::vector<int> ids = HiddenIds(pBar);
        ASSERT_FALSE(ids.empty()) << pBar->GetTitle();
        hidden.insert(hidden.end(), ids.begin(), ids.end());
    }
    std::vector<int> expected = hidden;
    expected.push_back(XTP_ID_CUSTOMIZE_ADDORREMOVE);

    const struct
    {
        const char* pszName;
        size_t nBar;        // whose chevron is clicked
        bool bSiteSupplies;
    } kCases[] = {{"first bar", 0, false}, {"last bar", 2, false}, {"site's popup", 1, true}};
    for (const auto& c : kCases)
    {
        m_pFrame->m_queries.clear();
        m_pFrame->m_queryTitles.clear();
        if (c.bSiteSupplies)
            m_pFrame->m_pSupplied = CXTPPopupToolBar::CreatePopupToolBar(m_pCommandBars);
        CXTPToolBar* pBar = m_bars[c.nBar];
        CXTPControl* pExpand = pBar->GetExpandButton();
        ASSERT_NE(nullptr, pExpand) << c.pszName;
        ASSERT_TRUE(MoveMouseTo(ScreenCentre(pExpand)));
        PressLeftButton();
        ReleaseLeftButton();

        // The site was asked for the menu first: a popup bar for the expand
        // button, with the bar's title.
        ASSERT_FALSE(m_pFrame->m_queries.empty()) << c.pszName;
        const std::vector<DWORD_PTR>& query = m_pFrame->m_queries.front();
        EXPECT_EQ((std::vector<DWORD_PTR>{1, 1, 0}), std::vector<DWORD_PTR>(query.begin() + 2, query.begin() + 5))
            << c.pszName;
        EXPECT_EQ(static_cast<DWORD_PTR>(XTP_ID_TOOLBAR_EXPAND), query[6]) << c.pszName;
        EXPECT_EQ(std::string(pBar->GetTitle()), m_pFrame->m_queryTitles.front()) << c.pszName;

        CXTPCommandBar* pMenu = pExpand->GetCommandBar();
        ASSERT_TRUE(pMenu && pMenu->GetSafeHwnd() && pMenu->IsWindowVisible()) << c.pszName;
        if (c.bSiteSupplies)
        {
            EXPECT_EQ(m_pFrame->m_pSupplied, pMenu) << c.pszName;
        }
        // Opened under the chevron, with copies of every hidden button of
        // the row, in the row's order, then the add-or-remove item.
        CRect rcChevron = pExpand->GetRect();
        pBar->ClientToScreen(&rcChevron);
        EXPECT_EQ(rcChevron.bottom, WindowRect(pMenu).top) << c.pszName;
        EXPECT_EQ(expected, BarControlIds(pMenu)) << c.pszName;
        for (int i = 0; i + 1 < pMenu->GetControlCount(); ++i)
            EXPECT_FALSE(pMenu->GetControl(i)->GetBeginGroup()) << c.pszName << " " << i;

        // The add-or-remove menu: an entry per bar of the row, then the
        // customize command.
        CXTPCommandBar* pAddRemove = pMenu->GetControl(pMenu->GetControlCount() - 1)->GetCommandBar();
        ASSERT_NE(nullptr, pAddRemove) << c.pszName;
        std::vector<std::string> entries;
        for (int i = 0; i < pAddRemove->GetControlCount(); ++i)
            entries.emplace_back(static_cast<LPCSTR>(pAddRemove->GetControl(i)->GetCaption()));
        ASSERT_EQ(4u, entries.size()) << c.pszName;
        for (size_t i = 0; i < 3; ++i)
        {
            EXPECT_EQ(kRowBars[i].pszTitle, entries[i]) << c.pszName;
            // Each entry's list switches that bar's buttons, and resets it.
            CXTPCommandBar* pList = pAddRemove->GetControl(static_cast<int>(i))->GetCommandBar();
            ASSERT_NE(nullptr, pList) << c.pszName;
            EXPECT_EQ(kButtons + 1, pList->GetControlCount()) << c.pszName;
            EXPECT_STREQ(std::to_string(kRowBars[i].nFirstId).c_str(), pList->GetControl(0)->GetCaption())
                << c.pszName;
        }
        EXPECT_EQ(static_cast<int>(XTP_ID_CUSTOMIZE), pAddRemove->GetControl(3)->GetID()) << c.pszName;

        TapKey(VK_ESCAPE);
        m_pCommandBars->CloseAllPopups();
        PumpInputMessages();
        EXPECT_EQ(0, XTPMouseManager()->GetTrackCount()) << c.pszName;
    }
}

TEST_F(DockRowMenusInputTest, RightClickBesideTheBarsOpensTheToolbarsMenuThere)
{
    // An empty stretch of the top dock bar, right of the row's last bar.
    CXTPDockBar* pTop = m_pCommandBars->GetDockBar(0);
    CRect rcLast = WindowRect(m_bars.back());
    CRect rcDock = WindowRect(pTop);
    const CPoint pt(rcDock.right - 20, rcLast.CenterPoint().y);
    ASSERT_GT(pt.x, rcLast.right);
    ASSERT_EQ(pTop->GetSafeHwnd(), ::WindowFromPoint(pt));
    ASSERT_TRUE(m_bars.back()->IsVisible());

    // The menu lists the three toolbars, checked; End and Return pick the
    // last, which hides it.
    s_seen = PopupSeen();
    s_keys = {VK_END, VK_RETURN};
    s_nTimer = ::SetTimer(nullptr, 0, 10, WatchPopup);
    ASSERT_TRUE(MoveMouseTo(pt));
    InjectMouseButton(MOUSEEVENTF_RIGHTDOWN);
    InjectMouseButton(MOUSEEVENTF_RIGHTUP);
    PumpTranslated();
    PumpTranslated();

    EXPECT_EQ(std::vector<HWND>{pTop->GetSafeHwnd()}, m_pFrame->m_contextRequests);
    EXPECT_EQ(pt, s_seen.rcWindow.TopLeft());
    EXPECT_EQ((std::vector<std::string>{"Standard", "Format", "Ansicht"}), s_seen.captions);
    EXPECT_FALSE(m_bars.back()->IsVisible());
    EXPECT_TRUE(m_bars.front()->IsVisible());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());

    // In customize mode the same click opens nothing.
    m_pCommandBars->SetCustomizeMode(TRUE);
    InjectMouseButton(MOUSEEVENTF_RIGHTDOWN);
    InjectMouseButton(MOUSEEVENTF_RIGHTUP);
    PumpTranslated();
    m_pCommandBars->SetCustomizeMode(FALSE);
    EXPECT_EQ(1u, m_pFrame->m_contextRequests.size());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
}
