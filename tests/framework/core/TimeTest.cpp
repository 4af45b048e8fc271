#include "framework/core/Time.h"

#include <gtest/gtest.h>

namespace {

// The UTC file time of a local calendar time, as a file's last-write time.
FILETIME UtcFileTimeOfLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute)
{
    SYSTEMTIME st = {};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    FILETIME local, utc;
    EXPECT_TRUE(::SystemTimeToFileTime(&st, &local));
    EXPECT_TRUE(::LocalFileTimeToFileTime(&local, &utc));
    return utc;
}

} // namespace

TEST(TimeTest, LocalComponentsAndFormat)
{
    CTime t(2024, 3, 5, 14, 7, 9);
    ASSERT_TRUE(t.IsValid());
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 3);
    EXPECT_EQ(t.GetDay(), 5);
    EXPECT_EQ(t.GetHour(), 14);
    EXPECT_EQ(t.GetMinute(), 7);
    EXPECT_EQ(t.GetSecond(), 9);
    EXPECT_EQ(t.GetDayOfWeek(), 3);      // a Tuesday
    EXPECT_EQ(t.Format("%d.%m.%Y %H:%M"), "05.03.2024 14:07");
    EXPECT_EQ(t.Format(""), "");

    SYSTEMTIME st;
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(CTime(st), t);

    // Output longer than any first guess of the buffer.
    CString format;
    for (int i = 0; i < 100; ++i)
        format += "%Y-%m-%d ";
    EXPECT_EQ(t.Format(format).GetLength(), 1100);
}

TEST(TimeTest, FileTimesShowInLocalTime)
{
    CTime t(UtcFileTimeOfLocal(2023, 12, 31, 23, 59));
    EXPECT_EQ(t.Format("%d.%m.%Y %H:%M"), "31.12.2023 23:59");

    // Times the C library cannot show give empty text, not garbage.
    FILETIME early = {0, 0};                        // 1601
    FILETIME broken = {0xFFFFFFFF, 0xFFFFFFFF};
    for (const FILETIME& ft : {early, broken}) {
        CTime bad(ft);
        EXPECT_FALSE(bad.IsValid());
        EXPECT_EQ(bad.Format("%d.%m.%Y %H:%M"), "");
        EXPECT_EQ(bad.GetYear(), 0);
    }
}

TEST(TimeTest, ComponentsOutOfRangeGiveAnInvalidTime)
{
    const int cases[][6] = {
        {1899, 12, 31, 0, 0, 0}, {2024, 13, 1, 0, 0, 0}, {2024, 1, 0, 0, 0, 0},
        {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(CTime(c[0], c[1], c[2], c[3], c[4], c[5]).IsValid()) << c[0] << "-" << c[1];
}

TEST(TimeTest, ArithmeticAndComparison)
{
    CTime start(2024, 2, 28, 12, 0, 0);
    CTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(span.GetTotalSeconds(), 93784);
    EXPECT_EQ(span.GetDays(), 1);

    CTime later = start + span;
    EXPECT_EQ(later.Format("%Y-%m-%d %H:%M:%S"), "2024-02-29 14:03:04");
    EXPECT_EQ(later - start, span);
    EXPECT_EQ(later - span, start);
    EXPECT_TRUE(start < later);
    EXPECT_TRUE(later >= start);
    later -= span;
    EXPECT_EQ(later, start);
    later += CTimeSpan(60);
    EXPECT_EQ(later.GetMinute(), 1);

    __time64_t before = _time64(nullptr);
    CTime now = CTime::GetCurrentTime();
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), _time64(nullptr));
}
