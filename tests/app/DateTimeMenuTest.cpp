// The date and time menu: the locale's texts of one moment, repeats shown
// once, at most twelve, the numeric one last; each command inserts its own
// item's text and stores its position, which Ctrl+D and F5 insert again.
#include "TextViewFixture.h"

#include "app/DateTimeMenu.h"
#include "app/LocalClock.h"
#include "app/res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void FixedTime(SYSTEMTIME* pTime)
{
    *pTime = {};
    pTime->wYear = 2007;
    pTime->wMonth = 3;
    pTime->wDay = 5;
    pTime->wDayOfWeek = 1;
    pTime->wHour = 9;
    pTime->wMinute = 7;
    pTime->wSecond = 4;
}

std::vector<QIV_DATETIME_FORMAT> g_formats;

std::vector<QIV_DATETIME_FORMAT> TestFormats(LCID)
{
    return g_formats;
}

// The moment in a picture, as the locale formats it.
std::string Formatted(const QIV_DATETIME_FORMAT& format)
{
    SYSTEMTIME time;
    FixedTime(&time);
    char szText[256] = {};
    if (format.bTime)
        ::GetTimeFormatA(::GetUserDefaultLCID(), 0, &time, format.strPicture, szText, sizeof(szText));
    else
        ::GetDateFormatA(::GetUserDefaultLCID(), 0, &time, format.strPicture, szText, sizeof(szText));
    return szText;
}

std::vector<std::string> MenuTexts()
{
    std::vector<std::string> texts;
    CMenu& menu = QivDateTimeMenu().GetMenu();
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
    {
        CString strText;
        menu.GetMenuString(static_cast<UINT>(i), strText, MF_BYPOSITION);
        EXPECT_EQ(ID_DATETIME_FIRST + static_cast<UINT>(i), menu.GetMenuItemID(i));
        texts.push_back(std::string(strText));
    }
    return texts;
}

class DateTimeMenuTest : public TextViewTest
{
protected:
    void SetUp() override
    {
        TextViewTest::SetUp();
        m_pfnClock = QivSetLocalTimeSource(FixedTime);
    }
    void TearDown() override
    {
        QivSetLocalTimeSource(m_pfnClock);
        QivSetDateTimeFormatSource(nullptr);
        g_formats.clear();
        TextViewTest::TearDown();
    }

    CString InsertedBy(UINT nID)
    {
        SetText("");
        Command(nID);
        CString strText;
        m_pView->GetWindowText(strText);
        return strText;
    }

    PFN_QIV_LOCALTIME m_pfnClock = nullptr;
};

TEST_F(DateTimeMenuTest, TheLocalesTextsOnceEachThenTheNumericOne)
{
    ASSERT_TRUE(QivDateTimeMenu().Build());
    std::vector<std::string> expected;
    for (const QIV_DATETIME_FORMAT& format : QivLocaleDateTimeFormats(::GetUserDefaultLCID()))
    {
        std::string text = Formatted(format);
        bool bSeen = false;
        for (const std::string& shown : expected)
            bSeen = bSeen || shown == text;
        if (!bSeen && expected.size() < 12)
            expected.push_back(text);
    }
    ASSERT_FALSE(expected.empty());
    expected.push_back("05.03.2007 09:07");
    EXPECT_EQ(expected, MenuTexts());
}

TEST_F(DateTimeMenuTest, ThirteenFormatsGiveTwelveItemsAndTheNumericOneEachInsertingItsOwnText)
{
    // Thirteen distinct pictures, one of them twice.
    const char* const pictures[] = { "d", "dd", "d.M", "d.M.yy", "d.M.yyyy", "dd.MM.yyyy", "MMMM",
                                     "MMM yyyy", "dddd", "ddd, d.", "yyyy", "yyyy-MM-dd", "d" };
    for (const char* pszPicture : pictures)
        g_formats.push_back({ FALSE, pszPicture });
    g_formats.insert(g_formats.begin() + 2, { FALSE, "dd" });
    g_formats.push_back({ TRUE, "HH:mm" });
    QivSetDateTimeFormatSource(TestFormats);

    ASSERT_TRUE(QivDateTimeMenu().Build());
    std::vector<std::string> expected;
    for (int i = 0; i < 12; ++i)
        expected.push_back(Formatted({ FALSE, pictures[i] }));
    expected.push_back("05.03.2007 09:07");
    ASSERT_EQ(expected, MenuTexts());

    for (UINT k = 0; k < 13; ++k)
    {
        EXPECT_STREQ(expected[k].c_str(), InsertedBy(ID_DATETIME_FIRST + k)) << k;
        EXPECT_EQ(static_cast<int>(k), static_cast<int>(AfxGetApp()->GetProfileInt("TimeAndDate", "Default", -1)));
        // Ctrl+D and F5 insert the stored position again.
        EXPECT_STREQ(expected[k].c_str(), InsertedBy(ID_INSERT_DATETIME_NOW)) << k;
    }
}

TEST_F(DateTimeMenuTest, AStoredPositionPastTheEndInsertsNothing)
{
    g_formats = { { FALSE, "d.M.yyyy" }, { TRUE, "HH:mm:ss" } };
    QivSetDateTimeFormatSource(TestFormats);
    struct Case
    {
        int nStored;
        const char* pszInserted;
    };
    const Case cases[] = { { 0, "5.3.2007" }, { 1, "09:07:04" }, { 2, "05.03.2007 09:07" }, { 3, "" },
                           { 12, "" }, { 13, "" }, { -1, "" } };
    for (const Case& c : cases)
    {
        WriteSettingInt("TimeAndDate", "Default", c.nStored);
        EXPECT_STREQ(c.pszInserted, InsertedBy(ID_INSERT_DATETIME_NOW)) << c.nStored;
    }
    // Without a menu built, an item command inserts nothing.
    QivDateTimeMenu().Destroy();
    EXPECT_STREQ("", InsertedBy(ID_DATETIME_FIRST));
}

} // namespace
