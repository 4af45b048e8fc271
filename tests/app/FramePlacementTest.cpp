// The main window's start placement from the stored "Frame" values on a
// known screen: 1024 x 768 with the work area shifted by a left task bar.
#include "AppTestSupport.h"

#include "app/FramePlacement.h"

namespace
{
const QivScreenMetrics kScreen = {CRect(40, 0, 1024, 738), 1024, 768, 32, 32};

TEST(FramePlacement, StoredRectangleKeptOnTheScreen)
{
    struct Case
    {
        LPCSTR pszWhat;
        QivStoredPlacement stored;
        int nCurrentShow;
        CRect rcExpected;
        int nExpectedShow;
    };
    // Stored as status, top, left, bottom, right (work-area coordinates).
    const Case cases[] = {
        {"inside", {SW_SHOWNORMAL, 10, 20, 410, 620}, SW_SHOWNORMAL, CRect(60, 10, 660, 410), SW_SHOWNORMAL},
        {"maximized", {SW_SHOWMAXIMIZED, 0, 0, 300, 400}, SW_SHOWNORMAL, CRect(40, 0, 440, 300), SW_SHOWMAXIMIZED},
        {"far right", {SW_SHOWNORMAL, 10, 1500, 410, 2100}, SW_SHOWNORMAL, CRect(992, 10, 1592, 410), SW_SHOWNORMAL},
        {"far below", {SW_SHOWNORMAL, 2000, 20, 2400, 620}, SW_SHOWNORMAL, CRect(60, 736, 660, 1136), SW_SHOWNORMAL},
        {"far left", {SW_SHOWNORMAL, 10, -3000, 410, -2400}, SW_SHOWNORMAL, CRect(-528, 10, 72, 410), SW_SHOWNORMAL},
        {"above", {SW_SHOWNORMAL, -500, 20, -100, 620}, SW_SHOWNORMAL, CRect(60, 0, 660, 400), SW_SHOWNORMAL},
        {"minimized by command line", {SW_SHOWMAXIMIZED, 10, 20, 410, 620}, SW_MINIMIZE, CRect(60, 10, 660, 410), SW_MINIMIZE},
        {"hidden by command line", {SW_SHOWNORMAL, 10, 20, 410, 620}, SW_HIDE, CRect(60, 10, 660, 410), SW_HIDE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszWhat);
        CRect rc;
        int nShow = -1;
        ASSERT_TRUE(ComputeFramePlacement(c.stored, kScreen, c.nCurrentShow, &rc, &nShow));
        EXPECT_EQ(c.rcExpected, rc);
        EXPECT_EQ(c.nExpectedShow, nShow);
    }
}

TEST(FramePlacement, UnusableValuesLeaveThePlacementToTheSystem)
{
    const std::pair<LPCSTR, QivStoredPlacement> cases[] = {
        {"fresh user", {-1, -1, -1, -1, -1}},
        {"status missing", {-1, 10, 20, 410, 620}},
        {"right missing", {SW_SHOWNORMAL, 10, 20, 410, -1}},
        {"no width", {SW_SHOWNORMAL, 10, 20, 410, 20}},
        {"negative height", {SW_SHOWNORMAL, 410, 20, 10, 620}},
        {"hidden", {SW_HIDE, 10, 20, 410, 620}},
        {"unknown show command", {99, 10, 20, 410, 620}},
    };
    for (const auto& c : cases)
    {
        CRect rc;
        int nShow = -1;
        EXPECT_FALSE(ComputeFramePlacement(c.second, kScreen, SW_SHOWNORMAL, &rc, &nShow)) << c.first;
    }
}
}
