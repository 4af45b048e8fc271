// The command bars' end, in either order. Released while their frame lives,
// they take every toolbar, its window and the dock bars with them and leave
// the frame working without them. When the frame's window goes first, they
// forget the frame, and releasing them later frees every toolbar without
// reaching the deleted frame. A bar someone else still holds outlives them
// with no pointer back to them.
#include "toolkit/commandbars/CommandBars.h"

#include "BarTestRes.h"
#include "BarTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/DialogBar.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/FrameWnd.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/ShortcutManager.h"
#include "toolkit/commandbars/ToolBar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kItems[] = {ID_BAR_TEST_NEW, 0, ID_BAR_TEST_NEW + 1};

// A toolbar the test holds a reference of, with the window it had.
struct HeldBar
{
    CXTPToolBar* pBar;
    HWND hWnd;
};

// The menu bar, toolbars at the top, left and floating, and a dialog bar
// hosting an edit field; the test holds a reference of each.
std::vector<HeldBar> MakeBars(CXTPCommandBars* pCommandBars, CWnd* pFrame, CWnd& field)
{
    std::vector<CXTPToolBar*> bars;
    bars.push_back(pCommandBars->CreateMenuBar("Men\xFCleiste", IDR_BAR_TEST_MENU));
    for (int nPosition : {xtpBarTop, xtpBarLeft, xtpBarFloating})
    {
        CXTPToolBar* pBar = pCommandBars->CreateToolBar("Standard", nPosition);
        if (pBar)
            pBar->LoadToolBarItems(kItems, 3);
        bars.push_back(pBar);
    }
    CXTPToolBar* pDialog = pCommandBars->CreateToolBar("Suche", xtpBarBottom, RUNTIME_CLASS(CXTPDialogBar));
    bars.push_back(pDialog);
    if (pDialog)
    {
        field.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, 1001);
        static_cast<CXTPDialogBar*>(pDialog)->SetChild(&field);
    }
    std::vector<HeldBar> held;
    for (CXTPToolBar* pBar : bars)
    {
        EXPECT_NE(nullptr, pBar);
        if (!pBar)
            continue;
        pBar->InternalAddRef();
        EXPECT_TRUE(::IsWindow(pBar->GetSafeHwnd()));
        held.push_back({pBar, pBar->GetSafeHwnd()});
    }
    return held;
}

std::vector<HWND> DockBarWindows(CXTPCommandBars* pCommandBars)
{
    std::vector<HWND> windows;
    for (int i = 0; i < 4; ++i)
    {
        CXTPDockBar* pDockBar = pCommandBars->GetDockBar(i);
        EXPECT_NE(nullptr, pDockBar);
        if (pDockBar)
            windows.push_back(pDockBar->GetSafeHwnd());
    }
    return windows;
}

// Every held bar lost its window and every tie to the command bars; the
// test's reference is the last one.
void ExpectReleasedByTheCommandBars(const std::vector<HeldBar>& held)
{
    for (const HeldBar& h : held)
    {
        SCOPED_TRACE(static_cast<LPCSTR>(h.pBar->GetTitle()));
        EXPECT_FALSE(::IsWindow(h.hWnd));
        EXPECT_EQ(nullptr, h.pBar->GetSafeHwnd());
        EXPECT_EQ(nullptr, h.pBar->GetCommandBars());
        EXPECT_EQ(nullptr, h.pBar->GetDockBar());
        EXPECT_EQ(1, h.pBar->m_dwRef);
        EXPECT_EQ(0u, h.pBar->InternalRelease());
    }
}

// A plain frame given to new command bars as their site, with or without
// dock bars.
CXTPCommandBars* NewCommandBarsOnAFrame(CFrameWnd*& pFrame, bool bDockBars)
{
    pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, "Abbau", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)))
        return nullptr;
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetSite(pFrame);
    if (bDockBars)
        pCommandBars->CreateDockBars();
    return pCommandBars;
}

} // namespace

TEST(CommandBarsTeardown, ReleasedWhileTheFrameLivesTheyTakeTheirBarsAlong)
{
    CFrameWnd* pFrame = nullptr;
    CXTPCommandBars* pCommandBars = NewCommandBarsOnAFrame(pFrame, true);
    ASSERT_NE(nullptr, pCommandBars);
    CWnd field;
    const std::vector<HeldBar> held = MakeBars(pCommandBars, pFrame, field);
    const std::vector<HWND> dockBars = DockBarWindows(pCommandBars);
    pFrame->RecalcLayout();

    EXPECT_EQ(0u, pCommandBars->InternalRelease());
    for (HWND hDockBar : dockBars)
        EXPECT_FALSE(::IsWindow(hDockBar));
    ExpectReleasedByTheCommandBars(held);
    EXPECT_FALSE(::IsWindow(field.m_hWnd));
    // The frame goes on without them: the menu bar's hooks have left it and
    // its layout finds no dock bar.
    EXPECT_EQ(nullptr, ::GetDlgItem(pFrame->m_hWnd, XTPDockBarId(0)));
    pFrame->RecalcLayout();
    pFrame->SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    pFrame->SendMessage(WM_NCACTIVATE, FALSE, 0);
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    EXPECT_FALSE(rcClient.IsRectEmpty());
    pFrame->DestroyWindow();
}

TEST(CommandBarsTeardown, AFrameDestroyedFirstIsForgottenAndTheBarsGoWithTheCommandBars)
{
    enum SiteKind { commandBarsFrame, plainFrame, plainFrameWithoutDockBars };
    const struct
    {
        const char* pszName;
        SiteKind kind;
    } kCases[] = {
        // The frame that owns its command bars.
        {"command-bars frame", commandBarsFrame},
        // A frame they were only given as site, with and without dock
        // bars (without, it holds the toolbars itself).
        {"plain frame", plainFrame},
        {"plain frame without dock bars", plainFrameWithoutDockBars},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszName);
        CFrameWnd* pFrame = nullptr;
        CXTPCommandBars* pCommandBars = nullptr;
        if (c.kind == commandBarsFrame)
        {
            CXTPFrameWnd* pXTPFrame = new CXTPFrameWnd;
            ASSERT_TRUE(pXTPFrame->Create(nullptr, "Abbau", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
            ASSERT_TRUE(pXTPFrame->InitCommandBars());
            pCommandBars = pXTPFrame->GetCommandBars();
            // The test's reference beside the frame's.
            pCommandBars->InternalAddRef();
            pFrame = pXTPFrame;
        }
        else
        {
            pCommandBars = NewCommandBarsOnAFrame(pFrame, c.kind == plainFrame);
            ASSERT_NE(nullptr, pCommandBars);
        }
        CWnd field;
        const std::vector<HeldBar> held = MakeBars(pCommandBars, pFrame, field);
        pFrame->RecalcLayout();
        pCommandBars->GetShortcutManager();

        // Destroying the window deletes the frame object too.
        pFrame->DestroyWindow();
        EXPECT_EQ(1, pCommandBars->m_dwRef);
        for (const HeldBar& h : held)
            EXPECT_FALSE(::IsWindow(h.hWnd));
        if (c.kind != plainFrameWithoutDockBars)
        {
            // Told by their dock bars, they forget the frame at once.
            EXPECT_EQ(nullptr, pCommandBars->GetSite());
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(nullptr, pCommandBars->GetDockBar(i)->GetSafeHwnd());
            // Asked to lay out or look for the rebar, they find no frame;
            // the shortcut manager no longer asks it for its table.
            pCommandBars->RecalcFrameLayout(FALSE);
            EXPECT_EQ(nullptr, pCommandBars->GetReBar());
            CString strShortcut;
            EXPECT_FALSE(pCommandBars->GetShortcutManager()->FindDefaultAccelerator(ID_BAR_TEST_NEW, strShortcut));
        }

        EXPECT_EQ(0u, pCommandBars->InternalRelease());
        ExpectReleasedByTheCommandBars(held);
    }
}
