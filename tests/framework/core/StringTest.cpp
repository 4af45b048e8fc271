#include "framework/core/String.h"

#include <gtest/gtest.h>

TEST(StringTest, SlicesClampToTheString)
{
    CString s("Notizen");
    EXPECT_STREQ(s.Left(3), "Not");
    EXPECT_STREQ(s.Mid(3), "izen");
    EXPECT_STREQ(s.Mid(5, 100), "en");
    EXPECT_STREQ(s.Mid(100), "");
    EXPECT_STREQ(s.Right(2), "en");
    EXPECT_STREQ(s.Right(100), "Notizen");
    EXPECT_STREQ(s.Left(-1), "");
}

TEST(StringTest, FindAndReplace)
{
    CString s("a\\b\\c");
    EXPECT_EQ(s.Find('\\'), 1);
    EXPECT_EQ(s.Find('\\', 2), 3);
    EXPECT_EQ(s.ReverseFind('\\'), 3);
    EXPECT_EQ(s.Find("b\\c"), 2);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Replace("\\", "\\\\"), 2);
    EXPECT_STREQ(s, "a\\\\b\\\\c");
    EXPECT_EQ(s.Replace('\\', '/'), 4);
    EXPECT_STREQ(s, "a//b//c");
}

TEST(StringTest, CaseFoldingCoversUmlauts)
{
    CString s("Äpfel über Öl");
    s.MakeLower();
    EXPECT_STREQ(s, "äpfel über öl");
    s.MakeUpper();
    EXPECT_STREQ(s, "ÄPFEL ÜBER ÖL");
    EXPECT_EQ(CString("Müller").CompareNoCase("MÜLLER"), 0);
    EXPECT_LT(CString("a").CompareNoCase("B"), 0);
    EXPECT_GT(CString("b").Compare("a"), 0);
}

TEST(StringTest, TrimFormatAndBuffers)
{
    CString s("  \t x y \r\n");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_STREQ(s, "x y");
    s.Format("%s=%d %05.1f", "n", -42, 3.14159);
    EXPECT_STREQ(s, "n=-42 003.1");
    CString big;
    big.Format("%s", std::string(100000, 'x').c_str());
    EXPECT_EQ(big.GetLength(), 100000);

    CString b;
    char* p = b.GetBuffer(10);
    strcpy(p, "abc");
    b.ReleaseBuffer();
    EXPECT_EQ(b.GetLength(), 3);
    b.ReleaseBuffer(1);
    EXPECT_STREQ(b, "a");
}

TEST(StringTest, WideConversionUsesTheAnsiCodePage)
{
    CString s(L"\x00E4\x20AC");   // ä and the euro sign
    ASSERT_EQ(s.GetLength(), 2);
    EXPECT_EQ(static_cast<unsigned char>(s[0]), 0xE4);
    EXPECT_EQ(static_cast<unsigned char>(s[1]), 0x80);
    EXPECT_EQ(AfxAnsiToWide(s), std::wstring(L"\x00E4\x20AC"));
}
