// Toolbars as rebar bands: a docked toolbar leaves its dock bar for its
// band, the band carries the toolbar's bar id, and the band is found for
// the toolbar until it is deleted; the command bars add their toolbars to
// the frame's rebar and delete the band of a toolbar they remove.
#include "toolkit/commandbars/ReBar.h"

#include "DockTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/ToolBar.h"

#include <gtest/gtest.h>

namespace {

TEST(ReBar, BandsCarryToolBars)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Bänder", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
    {
        CXTPDockBar top;
        ASSERT_TRUE(top.Create(pFrame, 0x56000000 | XTP_DOCKBAR_STYLE_TOP, XTP_ID_DOCKBAR_TOP));
        CXTPReBar rebar;
        ASSERT_TRUE(rebar.Create(pFrame));
        CFixedDockBar docked(7, CSize(150, 24)), loose(8, CSize(90, 22));
        ASSERT_TRUE(docked.CreateIn(pFrame));
        ASSERT_TRUE(loose.CreateIn(pFrame));
        docked.SetBarStyle(xtpBarStyleGripper);
        top.DockCommandBar(&docked);

        ASSERT_TRUE(rebar.AddToolBar(&docked));
        ASSERT_TRUE(rebar.AddToolBar(&loose));
        EXPECT_EQ(nullptr, docked.GetDockBar());
        EXPECT_EQ(std::vector<UINT>{0}, top.GetEntryIds());
        EXPECT_EQ(0u, docked.GetBarStyle() & xtpBarStyleGripper);
        EXPECT_EQ(&rebar, docked.GetParent());

        EXPECT_EQ(0, rebar.FindBand(&docked));
        EXPECT_EQ(1, rebar.FindBand(&loose));
        EXPECT_EQ(&loose, rebar.GetBandToolBar(1));
        EXPECT_EQ(nullptr, rebar.GetBandToolBar(2));
        REBARBANDINFOA info = {};
        info.fMask = RBBIM_ID;
        ASSERT_TRUE(rebar.GetReBarCtrl().GetBandInfo(1, &info));
        EXPECT_EQ(8u, info.wID);
        EXPECT_EQ(1, rebar.GetReBarCtrl().IDToIndex(8));

        ASSERT_TRUE(rebar.GetReBarCtrl().DeleteBand(0));
        EXPECT_EQ(-1, rebar.FindBand(&docked));
        EXPECT_EQ(0, rebar.FindBand(&loose));
        docked.DestroyWindow();
        loose.DestroyWindow();
        rebar.DestroyWindow();
        top.DestroyWindow();
    }
    pFrame->DestroyWindow();
}

TEST(ReBar, CommandBarsFindTheirRebarAndTakeBandsOutWithTheirToolBars)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Bänder", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetSite(pFrame);
    pCommandBars->CreateDockBars();
    CXTPToolBar* pFirst = pCommandBars->CreateToolBar("Eins", xtpBarTop);
    CXTPToolBar* pSecond = pCommandBars->CreateToolBar("Zwei", xtpBarTop);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    pFirst->SetBarID(101);
    pSecond->SetBarID(102);
    // No rebar yet: nothing happens.
    EXPECT_EQ(nullptr, pCommandBars->GetReBar());
    CWnd* pParent = pFirst->GetParent();
    pCommandBars->AddBarToReBar(pFirst);
    EXPECT_EQ(pParent, pFirst->GetParent());
    {
        CXTPReBar rebar;
        ASSERT_TRUE(rebar.Create(pFrame));
        ASSERT_EQ(&rebar, pCommandBars->GetReBar());
        pCommandBars->AddBarToReBar(pFirst);
        pCommandBars->AddBarToReBar(pSecond);
        EXPECT_EQ(0, rebar.FindBand(pFirst));
        EXPECT_EQ(1, rebar.FindBand(pSecond));
        REBARBANDINFOA info = {};
        info.fMask = RBBIM_STYLE | RBBIM_ID;
        ASSERT_TRUE(rebar.GetReBarCtrl().GetBandInfo(1, &info));
        EXPECT_EQ(static_cast<UINT>(RBBS_BREAK | RBBS_GRIPPERALWAYS), info.fStyle & (RBBS_BREAK | RBBS_GRIPPERALWAYS));
        EXPECT_EQ(102u, info.wID);

        // Removing a toolbar deletes its band and leaves the other.
        pCommandBars->Remove(pFirst);
        EXPECT_EQ(1u, rebar.GetReBarCtrl().GetBandCount());
        EXPECT_EQ(0, rebar.FindBand(pSecond));
        pCommandBars->RemoveBarFromReBar(pSecond);
        EXPECT_EQ(0u, rebar.GetReBarCtrl().GetBandCount());
        pCommandBars->RemoveAll();
        rebar.DestroyWindow();
    }
    pCommandBars->InternalRelease();
    pFrame->DestroyWindow();
}

} // namespace
