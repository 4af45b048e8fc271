// The stored default character format and the font dialog's LOGFONT.
#include "app/FontDialog.h"

#include <gtest/gtest.h>

#include <string.h>

TEST(DefaultFont, StoredFormatFromChosenFont)
{
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    strcpy(lf.lfFaceName, "Arial");
    CHARFORMATA cf = {};
    cf.yOffset = 7;
    QivCharFormatFromLogFont(lf, RGB(1, 2, 3), &cf);
    EXPECT_EQ(60u, cf.cbSize);
    EXPECT_EQ(0xF000000Fu, cf.dwMask);
    EXPECT_EQ(DWORD(CFE_BOLD), cf.dwEffects);
    EXPECT_EQ(240, cf.yHeight);
    EXPECT_EQ(7, cf.yOffset);
    EXPECT_EQ(RGB(1, 2, 3), cf.crTextColor);
    EXPECT_EQ(ANSI_CHARSET, cf.bCharSet);
    EXPECT_EQ(VARIABLE_PITCH | FF_SWISS, cf.bPitchAndFamily);
    EXPECT_STREQ("Arial", cf.szFaceName);

    struct { BYTE italic, underline, strikeOut; LONG weight; DWORD effects; } const effects[] = {
        { 1, 0, 0, FW_NORMAL, CFE_ITALIC },
        { 0, 1, 0, FW_NORMAL, CFE_UNDERLINE },
        { 0, 0, 1, FW_NORMAL, CFE_STRIKEOUT },
        { 1, 1, 1, FW_BOLD, CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT },
    };
    for (const auto& e : effects) {
        lf.lfItalic = e.italic;
        lf.lfUnderline = e.underline;
        lf.lfStrikeOut = e.strikeOut;
        lf.lfWeight = e.weight;
        QivCharFormatFromLogFont(lf, 0, &cf);
        EXPECT_EQ(e.effects, cf.dwEffects);
    }
}

TEST(DefaultFont, DialogStartsFromWhatTheMaskHolds)
{
    // The stored defaults: mask 0xF000001F, automatic colour, 293 = 20 x 14 px.
    CHARFORMATA cf = {};
    cf.cbSize = 60;
    cf.dwMask = 0xF000001F;
    cf.dwEffects = 0x40000000 | CFE_ITALIC;
    cf.yHeight = 293;
    cf.crTextColor = RGB(9, 8, 7);
    cf.bCharSet = DEFAULT_CHARSET;
    strcpy(cf.szFaceName, "Arial");
    LOGFONTA lf;
    COLORREF crColor = 0;
    QivLogFontFromCharFormat(cf, &lf, &crColor);
    EXPECT_EQ(-14, lf.lfHeight);
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(DEFAULT_CHARSET, lf.lfCharSet);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    EXPECT_EQ(RGB(9, 8, 7), crColor);

    // Without the mask bits nothing is taken over.
    cf.dwMask = 0;
    crColor = RGB(5, 5, 5);
    QivLogFontFromCharFormat(cf, &lf, &crColor);
    EXPECT_EQ(0, lf.lfHeight);
    EXPECT_EQ(0, lf.lfWeight);
    EXPECT_EQ(0, lf.lfItalic);
    EXPECT_STREQ("", lf.lfFaceName);
    EXPECT_EQ(RGB(5, 5, 5), crColor);
}

TEST(DisplayIC, MeasuresText)
{
    CDisplayIC dc;
    ASSERT_NE(nullptr, dc.GetSafeHdc());
    SIZE size = {};
    EXPECT_TRUE(::GetTextExtentPoint32A(dc.GetSafeHdc(), "Qivnotes", 8, &size));
    EXPECT_GT(size.cx, 0);
}
