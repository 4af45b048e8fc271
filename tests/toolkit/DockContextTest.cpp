// The dock context's rectangle rules: a dragged bar's rectangle brought to
// the pointer, and a floating bar kept within reach on the screen.
#include "toolkit/commandbars/DockContext.h"

#include <gtest/gtest.h>

TEST(DockContext, BringingARectangleToAPoint)
{
    const CRect rc(100, 100, 200, 130);
    const struct
    {
        CPoint pt;
        CRect expected;
    } kCases[] = {
        {CPoint(150, 110), rc},                           // inside: unchanged
        {CPoint(200, 130), rc},                           // on the far corner
        {CPoint(40, 110), CRect(40, 100, 140, 130)},      // left: its left edge there
        {CPoint(260, 110), CRect(160, 100, 260, 130)},    // right: its right edge there
        {CPoint(150, 20), CRect(100, 20, 200, 50)},       // above
        {CPoint(150, 300), CRect(100, 270, 200, 300)},    // below
        {CPoint(10, 400), CRect(10, 370, 110, 400)},      // both at once
    };
    for (const auto& c : kCases)
    {
        CRect moved(rc);
        CXTPDockContext::BringRectToPoint(moved, c.pt);
        EXPECT_EQ(c.expected, moved) << c.pt.x << "," << c.pt.y;
    }
}

TEST(DockContext, AFloatingBarKeepsTenPixelsOnTheScreen)
{
    const CRect rcWork(0, 0, 1000, 700);
    const struct
    {
        CRect rc;
        CRect expected;
    } kCases[] = {
        {CRect(100, 100, 300, 150), CRect(100, 100, 300, 150)},   // inside
        {CRect(995, 695, 1195, 745), CRect(990, 690, 1190, 740)}, // past the bottom right
        {CRect(-400, -100, -200, -50), CRect(-190, -40, 10, 10)}, // past the top left
        {CRect(-190, 300, 10, 350), CRect(-190, 300, 10, 350)},   // ten pixels left in: kept
        {CRect(990, -40, 1190, 10), CRect(990, -40, 1190, 10)},   // the same at the other corner
    };
    for (const auto& c : kCases)
    {
        CRect moved(c.rc);
        CXTPDockContext::KeepRectOnScreen(moved, rcWork);
        EXPECT_EQ(c.expected, moved) << c.rc.left << "," << c.rc.top;
    }
}
