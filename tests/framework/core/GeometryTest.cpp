#include "framework/core/Geometry.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void ExpectRect(const RECT& rc, int l, int t, int r, int b, const char* what)
{
    EXPECT_EQ(rc.left, l) << what;
    EXPECT_EQ(rc.top, t) << what;
    EXPECT_EQ(rc.right, r) << what;
    EXPECT_EQ(rc.bottom, b) << what;
}

} // namespace

TEST(GeometryTest, RectangleArithmetic)
{
    const CRect base(10, 20, 30, 40);
    const CRect other(25, 35, 50, 60);
    const CRect distant(100, 100, 110, 110);
    struct Case
    {
        const char* what;
        std::function<CRect()> make;
        RECT expected;
    };
    const Case cases[] = {
        {"inflate x y", [&] { CRect r(base); r.InflateRect(2, 3); return r; }, {8, 17, 32, 43}},
        {"inflate size", [&] { CRect r(base); r.InflateRect(CSize(1, 1)); return r; }, {9, 19, 31, 41}},
        {"inflate rect", [&] { CRect r(base); r.InflateRect(CRect(1, 2, 3, 4)); return r; }, {9, 18, 33, 44}},
        {"inflate four", [&] { CRect r(base); r.InflateRect(1, 2, 3, 4); return r; }, {9, 18, 33, 44}},
        {"deflate x y", [&] { CRect r(base); r.DeflateRect(2, 3); return r; }, {12, 23, 28, 37}},
        {"deflate size", [&] { CRect r(base); r.DeflateRect(CSize(1, 2)); return r; }, {11, 22, 29, 38}},
        {"deflate rect", [&] { CRect r(base); r.DeflateRect(CRect(1, 2, 3, 4)); return r; }, {11, 22, 27, 36}},
        {"deflate four", [&] { CRect r(base); r.DeflateRect(1, 2, 3, 4); return r; }, {11, 22, 27, 36}},
        {"offset", [&] { CRect r(base); r.OffsetRect(-5, 5); return r; }, {5, 25, 25, 45}},
        {"offset point", [&] { CRect r(base); r.OffsetRect(CPoint(1, 2)); return r; }, {11, 22, 31, 42}},
        {"+ point", [&] { return base + CPoint(1, 2); }, {11, 22, 31, 42}},
        {"- point", [&] { return base - CPoint(1, 2); }, {9, 18, 29, 38}},
        {"+ size", [&] { return base + CSize(3, 4); }, {13, 24, 33, 44}},
        {"- size", [&] { return base - CSize(3, 4); }, {7, 16, 27, 36}},
        {"+ rect inflates", [&] { return base + CRect(1, 2, 3, 4); }, {9, 18, 33, 44}},
        {"- rect deflates", [&] { return base - CRect(1, 2, 3, 4); }, {11, 22, 27, 36}},
        {"+= point", [&] { CRect r(base); r += CPoint(1, 1); return r; }, {11, 21, 31, 41}},
        {"-= size", [&] { CRect r(base); r -= CSize(1, 1); return r; }, {9, 19, 29, 39}},
        {"+= rect", [&] { CRect r(base); r += CRect(1, 1, 1, 1); return r; }, {9, 19, 31, 41}},
        {"-= rect", [&] { CRect r(base); r -= CRect(1, 1, 1, 1); return r; }, {11, 21, 29, 39}},
        {"& overlapping", [&] { return base & other; }, {25, 35, 30, 40}},
        {"& disjoint is null", [&] { return base & distant; }, {0, 0, 0, 0}},
        {"&=", [&] { CRect r(base); r &= other; return r; }, {25, 35, 30, 40}},
        {"| union", [&] { return base | other; }, {10, 20, 50, 60}},
        {"| with empty", [&] { return base | CRect(0, 0, 0, 0); }, {10, 20, 30, 40}},
        {"|=", [&] { CRect r(base); r |= distant; return r; }, {10, 20, 110, 110}},
        {"normalize", [&] { CRect r(30, 40, 10, 20); r.NormalizeRect(); return r; }, {10, 20, 30, 40}},
        {"subtract a side", [&] { CRect r; r.SubtractRect(CRect(0, 0, 10, 10), CRect(5, 0, 10, 10)); return r; }, {0, 0, 5, 10}},
        {"subtract a hole", [&] { CRect r; r.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 4, 4)); return r; }, {0, 0, 10, 10}},
        {"subtract all", [&] { CRect r; r.SubtractRect(CRect(0, 0, 10, 10), CRect(-1, -1, 11, 11)); return r; }, {0, 0, 0, 0}},
        {"point + size", [&] { return CRect(CPoint(1, 2), CSize(3, 4)); }, {1, 2, 4, 6}},
        {"point + rect", [&] { return CPoint(1, 2) + static_cast<LPCRECT>(base); }, {11, 22, 31, 42}},
        {"size - rect", [&] { return CSize(1, 2) - static_cast<LPCRECT>(base); }, {9, 18, 29, 38}},
    };
    for (const Case& c : cases) {
        CRect r = c.make();
        ExpectRect(r, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom, c.what);
    }
}

TEST(GeometryTest, IntersectAndUnionAnswerWhetherTheResultHasArea)
{
    CRect r;
    EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    ExpectRect(r, 5, 5, 10, 10, "intersection");
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_FALSE(r.UnionRect(CRect(), CRect(3, 3, 3, 9)));
    EXPECT_TRUE(r.UnionRect(CRect(), CRect(1, 2, 3, 4)));
    ExpectRect(r, 1, 2, 3, 4, "union with empty");
}

TEST(GeometryTest, RectangleQueriesAndCornerReferences)
{
    CRect r(10, 20, 31, 41);
    EXPECT_EQ(r.Width(), 21);
    EXPECT_EQ(r.Height(), 21);
    EXPECT_EQ(r.Size(), CSize(21, 21));
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 30));
    EXPECT_EQ(CRect(-11, -11, 0, 0).CenterPoint(), CPoint(-5, -5));

    // Left and top edges belong to the rectangle, right and bottom do not.
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(r.PtInRect(CPoint(30, 40)));
    EXPECT_FALSE(r.PtInRect(CPoint(31, 30)));
    EXPECT_FALSE(r.PtInRect(CPoint(20, 41)));

    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());
    EXPECT_TRUE(CRect(10, 10, 0, 20).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(r.IsRectEmpty());

    r.TopLeft() = CPoint(1, 2);
    r.BottomRight() += CSize(1, 1);
    ExpectRect(r, 1, 2, 32, 42, "corners");
    const CRect& cr = r;
    EXPECT_EQ(cr.TopLeft(), CPoint(1, 2));
    EXPECT_EQ(cr.BottomRight(), CPoint(32, 42));

    LPRECT p = r;
    EXPECT_EQ(p, static_cast<RECT*>(&r));
    r.SetRect(1, 1, 2, 2);
    EXPECT_TRUE(r == CRect(1, 1, 2, 2));
    EXPECT_TRUE(r != CRect(1, 1, 2, 3));
    EXPECT_TRUE(r.EqualRect(CRect(1, 1, 2, 2)));
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());
}

TEST(GeometryTest, PointAndSizeArithmetic)
{
    CPoint p(5, 7);
    EXPECT_EQ(p + CSize(1, 2), CPoint(6, 9));
    EXPECT_EQ(p - CSize(1, 2), CPoint(4, 5));
    EXPECT_EQ(p + CPoint(1, 1), CPoint(6, 8));
    EXPECT_EQ(p - CPoint(1, 10), CSize(4, -3));
    EXPECT_EQ(-p, CPoint(-5, -7));
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    EXPECT_EQ(p, CPoint(4, 6));
    p.Offset(1, -1);
    EXPECT_EQ(p, CPoint(5, 5));

    // Mouse coordinates are signed 16-bit halves.
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELPARAM(-5, -7))), CPoint(-5, -7));

    CSize s(3, 4);
    EXPECT_EQ(s + CSize(1, 1), CSize(4, 5));
    EXPECT_EQ(s - CSize(1, 1), CSize(2, 3));
    EXPECT_EQ(-s, CSize(-3, -4));
    EXPECT_EQ(s + CPoint(1, 1), CPoint(4, 5));
    s += CSize(1, 1);
    s -= CSize(2, 2);
    EXPECT_EQ(s, CSize(2, 3));
    EXPECT_TRUE(s != CSize(3, 2));
}
