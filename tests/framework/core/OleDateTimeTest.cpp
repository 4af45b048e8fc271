#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/core/OleDateTime.h"

#include <gtest/gtest.h>

#include <string.h>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Stored(const COleDateTime& date)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << date;
    ar.Close();
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

COleDateTime Loaded(const Bytes& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    COleDateTime date;
    ar >> date;
    ar.Close();
    return date;
}

} // namespace

TEST(OleDateTimeTest, CalendarFieldsBecomeDayCounts)
{
    struct Case
    {
        int y, mo, d, h, mi, s;
        double expected;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0},
        {1900, 1, 1, 0, 0, 0, 2.0},
        {2005, 12, 31, 0, 0, 0, 38717.0},
        {2000, 2, 29, 18, 0, 0, 36585.75},
        {1899, 12, 29, 6, 0, 0, -1.25},      // before the epoch the time still runs forward
        {1899, 12, 30, 8, 30, 0, 8.5 / 24},
        {100, 1, 1, 0, 0, 0, -657434.0},
        {9999, 12, 31, 0, 0, 0, 2958465.0},
    };
    for (const Case& c : cases) {
        COleDateTime date;
        EXPECT_EQ(date.SetDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s), 0) << c.y;
        EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
        EXPECT_DOUBLE_EQ(date.m_dt, c.expected) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(date.GetYear(), c.y);
        EXPECT_EQ(date.GetMonth(), c.mo);
        EXPECT_EQ(date.GetDay(), c.d);
        EXPECT_EQ(date.GetHour(), c.h);
        EXPECT_EQ(date.GetMinute(), c.mi);
        EXPECT_EQ(date.GetSecond(), c.s);
    }
}

TEST(OleDateTimeTest, FieldsOutOfRangeMakeTheDateInvalid)
{
    const int cases[][6] = {
        {2005, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2005, 13, 1, 0, 0, 0},
        {2005, 0, 1, 0, 0, 0}, {99, 12, 31, 0, 0, 0}, {10000, 1, 1, 0, 0, 0},
        {2005, 1, 1, 24, 0, 0}, {2005, 1, 1, 0, 60, 0}, {2005, 1, 1, 0, 0, 60},
    };
    for (const auto& c : cases) {
        COleDateTime date;
        EXPECT_EQ(date.SetDateTime(c[0], c[1], c[2], c[3], c[4], c[5]), 1) << c[0] << "-" << c[1];
        EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(date.GetYear(), -1);
        EXPECT_EQ(date.Format("%Y"), "");
    }
    COleDateTime leap;
    EXPECT_EQ(leap.SetDate(2000, 2, 29), 0);
    EXPECT_EQ(COleDateTime(3e7).GetYear(), -1);
}

TEST(OleDateTimeTest, DayCountsRoundToTheNearestSecond)
{
    COleDateTime date(0.5 + 0.4 / 86400);
    EXPECT_EQ(date.Format("%Y-%m-%d %H:%M:%S"), "1899-12-30 12:00:00");
    COleDateTime almostMidnight(1.0 - 0.2 / 86400);
    EXPECT_EQ(almostMidnight.Format("%Y-%m-%d %H:%M:%S"), "1899-12-31 00:00:00");
    COleDateTime beforeEpoch(-1.25);
    EXPECT_EQ(beforeEpoch.Format("%Y-%m-%d %H:%M:%S"), "1899-12-29 06:00:00");
    EXPECT_EQ(beforeEpoch.GetDayOfWeek(), 6);            // a Friday
    EXPECT_EQ(COleDateTime(2005, 12, 31, 0, 0, 0).GetDayOfWeek(), 7);
    EXPECT_EQ(COleDateTime(2005, 12, 31, 0, 0, 0).GetDayOfYear(), 365);
}

TEST(OleDateTimeTest, FormatUsesStrftimeCodes)
{
    EXPECT_EQ(COleDateTime(2005, 12, 31, 0, 0, 0).Format("%Y-%d-%m"), "2005-31-12");
    EXPECT_EQ(COleDateTime(2005, 12, 31, 7, 5, 9).Format("%Y-%d-%mT%H:%M:%S"), "2005-31-12T07:05:09");
    COleDateTime halfPastEight;
    halfPastEight.SetTime(8, 30, 0);
    EXPECT_EQ(halfPastEight.Format("%H:%M:%S"), "08:30:00");

    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_EQ(nullDate.Format("%H:%M:%S"), "");

    SYSTEMTIME before, after;
    ::GetLocalTime(&before);
    COleDateTime now = COleDateTime::GetCurrentTime();
    ::GetLocalTime(&after);
    EXPECT_GE(now.m_dt, COleDateTime(before).m_dt);
    EXPECT_LE(now.m_dt, COleDateTime(after).m_dt);
}

TEST(OleDateTimeTest, ComparisonFollowsTimeAlsoBeforeTheEpoch)
{
    // -1.25 is 29 December 06:00, later than -1.0 (midnight of that day).
    EXPECT_TRUE(COleDateTime(-1.25) > COleDateTime(-1.0));
    EXPECT_TRUE(COleDateTime(-1.25) < COleDateTime(-0.5));
    EXPECT_TRUE(COleDateTime(-0.25) < COleDateTime(0.5));
    EXPECT_TRUE(COleDateTime(-0.25) > COleDateTime(0.0));
    EXPECT_TRUE(COleDateTime(3.0) >= COleDateTime(3.0));

    COleDateTime a(2.0), b(2.0);
    b.SetStatus(COleDateTime::null);
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a != b);
}

TEST(OleDateTimeTest, ArchiveFormIsTheDoubleThenTheStatus)
{
    COleDateTime date(2005, 12, 31, 12, 0, 0);
    Bytes expected(12, 0);
    const double dt = 38717.5;
    memcpy(expected.data(), &dt, sizeof(dt));
    EXPECT_EQ(Stored(date), expected);

    for (auto status : {COleDateTime::valid, COleDateTime::invalid, COleDateTime::null}) {
        COleDateTime original(-1.25);
        original.SetStatus(status);
        COleDateTime loaded = Loaded(Stored(original));
        EXPECT_EQ(loaded.m_dt, -1.25);
        EXPECT_EQ(loaded.GetStatus(), status);
    }

    Bytes unknownStatus = Stored(date);
    unknownStatus[8] = 7;
    EXPECT_EQ(Loaded(unknownStatus).GetStatus(), COleDateTime::invalid);

    try {
        Loaded(Bytes(expected.begin(), expected.begin() + 10));
        ADD_FAILURE() << "a cut-off date loaded";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        e->Delete();
    }
}
