// Where popups go, worked out by hand from the placement rules on a work
// area of 1024 × 768 (bottom limit 763, middle 381) and on a second monitor
// whose work area starts at (1024, 100) (limit 863, middle 481).
#include "toolkit/commandbars/PopupBarPlacement.h"

#include <gtest/gtest.h>

// Found by the test framework's printer beside CRect.
static void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}

namespace {

TEST(PopupBarPlacement, Table)
{
    const CRect kScreen(0, 0, 1024, 768);
    const CRect kSecond(1024, 100, 2048, 868);
    const CRect kNone(0, 0, 0, 0);
    const DWORD L = xtpPopupLeft, D = xtpPopupDown;
    struct Case
    {
        const char* pszWhat;
        CRect rcWork;
        CPoint pt;
        CRect rcExclude;
        DWORD dwFlags;
        CSize size;
        BOOL bCanScroll;
        CRect rcExpected;
        DWORD dwFlagsAfter;
        BOOL bScroll;
    };
    const Case cases[] = {
        {"drop-down that fits", kScreen, {10, 20}, {10, 0, 60, 20}, D, {200, 300}, TRUE,
         {10, 20, 210, 320}, D, FALSE},
        {"drop-down near the bottom opens above", kScreen, {10, 720}, {10, 700, 60, 720}, D,
         {200, 300}, TRUE, {10, 400, 210, 700}, D, FALSE},
        {"neither side: below is larger", kScreen, {10, 320}, {10, 300, 60, 320}, D,
         {200, 600}, TRUE, {10, 320, 210, 763}, D, TRUE},
        {"neither side: above is larger", kScreen, {10, 470}, {10, 450, 60, 470}, D,
         {200, 600}, TRUE, {10, 0, 210, 450}, D, TRUE},
        {"sub-menu at the right edge opens left", kScreen, {1000, 100}, {900, 100, 1000, 120},
         0, {200, 100}, TRUE, {700, 100, 900, 200}, L, FALSE},
        {"its sub-menu goes on to the left", kScreen, {700, 100}, {600, 100, 700, 120}, L,
         {200, 100}, TRUE, {400, 100, 600, 200}, L, FALSE},
        {"left sub-menu at the left edge turns right", kScreen, {150, 100},
         {50, 100, 150, 120}, L, {200, 100}, TRUE, {150, 100, 350, 200}, 0, FALSE},
        {"drop-down at the right edge is right-aligned", kScreen, {950, 20}, {950, 0, 1000, 20},
         D, {200, 100}, TRUE, {824, 20, 1024, 120}, L | D, FALSE},
        {"right-aligned under its control", kScreen, {500, 20}, {500, 0, 560, 20}, L | D,
         {200, 100}, TRUE, {360, 20, 560, 120}, L | D, FALSE},
        {"context menu near the bottom right", kScreen, {1000, 750}, kNone, 0, {200, 300}, TRUE,
         {824, 450, 1024, 750}, 0, FALSE},
        {"context menu below the limit opens upwards", kScreen, {100, 766}, kNone, 0,
         {200, 300}, TRUE, {100, 466, 300, 766}, 0, FALSE},
        {"context menu taller than the screen", kScreen, {100, 100}, kNone, 0, {100, 900}, TRUE,
         {100, 0, 200, 763}, 0, TRUE},
        {"a toolbar popup is cut but does not scroll", kScreen, {100, 100}, kNone, 0,
         {100, 900}, FALSE, {100, 0, 200, 763}, 0, FALSE},
        {"upper half of a second monitor: up from the limit", kSecond, {1100, 450}, kNone, 0,
         {100, 500}, TRUE, {1100, 363, 1200, 863}, 0, FALSE},
        {"lower half of a second monitor: up from the point", kSecond, {1100, 700}, kNone, 0,
         {100, 500}, TRUE, {1100, 200, 1200, 700}, 0, FALSE},
        {"a control reaching past the limit: no negative height", kScreen, {10, 770},
         {10, -10, 60, 770}, D, {200, 900}, TRUE, {10, 763, 210, 763}, D, TRUE},
        {"left without a control at the left edge", kScreen, {50, 100}, kNone, L, {200, 100},
         TRUE, {0, 100, 200, 200}, 0, FALSE},
        {"context menu at the very bottom, taller than the screen", kScreen, {100, 790}, kNone,
         0, {100, 900}, TRUE, {100, 0, 200, 768}, 0, TRUE},
        {"a point right of the work area", kScreen, {1100, 100}, kNone, 0, {200, 100}, TRUE,
         {824, 100, 1024, 200}, 0, FALSE},
    };
    for (const Case& c : cases)
    {
        XTP_POPUP_PLACEMENT in = {c.rcWork, c.pt, c.rcExclude, c.dwFlags, c.size, c.bCanScroll};
        XTP_POPUP_PLACED out = XTPCalcPopupPlacement(in);
        EXPECT_EQ(c.rcExpected, out.rc) << c.pszWhat;
        EXPECT_EQ(c.dwFlagsAfter, out.dwFlags) << c.pszWhat;
        EXPECT_EQ(c.bScroll, out.bScroll) << c.pszWhat;
        EXPECT_GE(out.rc.Height(), 0) << c.pszWhat;
        EXPECT_GE(out.rc.left, c.rcWork.left) << c.pszWhat;
        EXPECT_LE(out.rc.right, c.rcWork.right) << c.pszWhat;
        EXPECT_GE(out.rc.top, c.rcWork.top) << c.pszWhat;
        EXPECT_LE(out.rc.bottom, c.rcWork.bottom) << c.pszWhat;
    }
}

} // namespace
