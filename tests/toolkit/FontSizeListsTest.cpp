// The font and size boxes' lists and their point texts: the families listed
// against the test's own enumeration, the sizes of a raster and of a
// scalable face, and the parsing and printing of point sizes.
#include "toolkit/controls/FontSizeLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(FontSizeLists, ParsesPointsIntoTwips)
{
    struct ParseCase
    {
        const char* pszText;
        int nTwips;
    };
    const ParseCase cases[] = {
        {"10", 200},      {"10.5", 210},    {" 12 ", 240},   {"\t8\t", 160},   {"+7", 140},
        {".5", 10},       {"5.", 100},      {"7.25", 145},   {"0.5", 10},      {"1638", 32760},
        {"-3", 0},        {"-0", 0},        {"", -1},        {" \t ", -1},     {"abc", -2},
        {"10pt", -2},     {"10,5", -2},     {"1 2", -2},     {"0x10", -2},     {"inf", -2},
        {"nan", -2},      {"-inf", -2},     {"1e", -2},      {"1e999", -2},    {".", -2},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(c.nTwips, XTPParseTwips(c.pszText)) << "'" << c.pszText << "'";
    // More than 1638 points is out of range, however it is written.
    for (const char* pszText : {"1639", "1638.5", "1e10", "99999999999999999999"})
        EXPECT_GT(XTPParseTwips(pszText), 32760) << pszText;
    EXPECT_EQ(-1, XTPParseTwips(nullptr));
}

TEST(FontSizeLists, PrintsTwipsAsPoints)
{
    struct FormatCase
    {
        int nTwips;
        const char* pszText;
    };
    const FormatCase cases[] = {
        {240, "12"}, {230, "11.5"}, {215, "11"}, {165, "8.5"}, {195, "10"},
        {0, "0"},    {10, "0.5"},   {-1, ""},    {32760, "1638"},
    };
    for (const FormatCase& c : cases)
        EXPECT_STREQ(c.pszText, XTPFormatTwipsAsPoints(c.nTwips)) << c.nTwips;
    for (int nPoints : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        EXPECT_EQ(nPoints * 20, XTPParseTwips(XTPFormatTwipsAsPoints(nPoints * 20))) << nPoints;
}

// The test's own view of the families the font box may list.
int CALLBACK CollectFamily(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD dwFontType,
                           LPARAM lParam)
{
    if (!(dwFontType & RASTER_FONTTYPE) && pLogFont->lfCharSet != MAC_CHARSET
        && pLogFont->lfFaceName[0] != '@')
        reinterpret_cast<std::set<std::string>*>(lParam)->insert(pLogFont->lfFaceName);
    return 1;
}

TEST(FontSizeLists, ListsEachScalableFamilyOnceSorted)
{
    std::set<std::string> expected;
    HDC hDC = ::GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(hDC, &lf, &CollectFamily, reinterpret_cast<LPARAM>(&expected), 0);
    ::ReleaseDC(nullptr, hDC);

    const auto& arr = XTPGetFontDescriptions();
    std::vector<std::string> listed;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        listed.push_back(static_cast<LPCSTR>(arr[i]->strName));
    EXPECT_EQ(std::vector<std::string>(expected.begin(), expected.end()), listed);
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));

    auto find = [&](const char* pszFace) -> const CXTPFontDesc* {
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
            if (arr[i]->strName == pszFace)
                return arr[i];
        return nullptr;
    };
    const CXTPFontDesc* pLiberation = find("Liberation Sans");
    ASSERT_NE(nullptr, pLiberation);
    EXPECT_EQ(XTP_FONT_TRUETYPE, pLiberation->dwFlags);
    EXPECT_FALSE(pLiberation->strScript.IsEmpty());
    for (const char* pszRaster : {"MS Sans Serif", "Courier", "Fixedsys", "Small Fonts", "System"})
        EXPECT_EQ(nullptr, find(pszRaster)) << pszRaster;

    // The list box holds the same faces, each pointing to its description.
    HWND hWndList = ::CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr,
                                      nullptr, nullptr, nullptr);
    XTPFillFontList(hWndList);
    ASSERT_EQ(arr.GetSize(), ::SendMessageA(hWndList, LB_GETCOUNT, 0, 0));
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
    {
        auto* pDesc = reinterpret_cast<CXTPFontDesc*>(::SendMessageA(hWndList, LB_GETITEMDATA, i, 0));
        char szText[LF_FACESIZE + 1] = {};
        ::SendMessageA(hWndList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(szText));
        ASSERT_NE(nullptr, pDesc);
        EXPECT_STREQ(pDesc->strName, szText);
    }
    ::DestroyWindow(hWndList);
}

std::vector<std::string> ListTexts(HWND hWndList)
{
    std::vector<std::string> texts;
    LRESULT nCount = ::SendMessageA(hWndList, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < nCount; ++i)
    {
        char szText[16] = {};
        if (::SendMessageA(hWndList, LB_GETTEXTLEN, i, 0) < 16)
            ::SendMessageA(hWndList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(szText));
        texts.push_back(szText);
    }
    return texts;
}

class SizeListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWndList = ::CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr,
                                       nullptr, nullptr, nullptr);
        m_hDC = ::GetDC(nullptr);
    }
    void TearDown() override
    {
        ::ReleaseDC(nullptr, m_hDC);
        ::DestroyWindow(m_hWndList);
    }
    HWND m_hWndList = nullptr;
    HDC m_hDC = nullptr;
};

TEST_F(SizeListTest, SizesOfTheFace)
{
    const std::vector<std::string> fixed = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                            "20", "22", "24", "26", "28", "36", "48", "72"};
    EXPECT_EQ(96, XTPFillSizeList(m_hWndList, m_hDC, "Liberation Sans"));
    EXPECT_EQ(fixed, ListTexts(m_hWndList));
    // A raster face lists its own heights, sorted.
    XTPFillSizeList(m_hWndList, m_hDC, "MS Sans Serif");
    EXPECT_EQ((std::vector<std::string>{"8.5", "10", "12"}), ListTexts(m_hWndList));
    EXPECT_EQ(165, ::SendMessageA(m_hWndList, LB_GETITEMDATA, 0, 0));
    EXPECT_EQ(240, ::SendMessageA(m_hWndList, LB_GETITEMDATA, 2, 0));
    for (const char* pszFace : {"", "Keine solche Schrift"})
    {
        XTPFillSizeList(m_hWndList, m_hDC, pszFace);
        EXPECT_TRUE(ListTexts(m_hWndList).empty()) << pszFace;
    }
}

TEST_F(SizeListTest, AddedSizesStaySortedAndUnique)
{
    for (int nTwips : {240, 165, 195, 165, 244, 100})
        XTPAddSize(m_hWndList, nTwips);
    EXPECT_EQ((std::vector<std::string>{"5", "8.5", "10", "12"}), ListTexts(m_hWndList));
}

} // namespace
