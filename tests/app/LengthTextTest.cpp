// Lengths in centimetres at 570 twips to the centimetre.
#include "app/LengthText.h"

#include <gtest/gtest.h>

#include <limits.h>

TEST(LengthText, TwipsShowAsCentimetres)
{
    struct { int twips; LPCSTR text; } const cases[] = {
        { 570, "1 cm" },
        { 855, "1,5 cm" },
        { 1000, "1,75 cm" },
        { 0, "0 cm" },
        { -570, "-1 cm" },
        { -855, "-1,5 cm" },
        { 1140, "2 cm" },
        { 569, "1 cm" },        // 0,998: the rounding carries into the units
        { 57, "0,1 cm" },
        { 1417, "2,49 cm" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, TwipsToLengthText(c.twips).GetString()) << c.twips;
}

TEST(LengthText, TextsReadAsTwips)
{
    struct { LPCSTR text; LengthParse result; int twips; } const cases[] = {
        { "1,5", LengthParse::valid, 855 },
        { "1.5", LengthParse::valid, 855 },
        { "1,5cm", LengthParse::valid, 855 },
        { " 1,5 CM", LengthParse::valid, 855 },
        { "1,5 Cm ", LengthParse::valid, 855 },
        { "-1", LengthParse::valid, -570 },
        { "0,001", LengthParse::valid, 1 },        // 0,57 rounds up
        { "-0,001", LengthParse::valid, -1 },      // half away from zero
        { "0,0008", LengthParse::valid, 0 },
        { "", LengthParse::empty, 0 },
        { "   ", LengthParse::empty, 0 },
        { "1,5 mm", LengthParse::invalid, 0 },
        { "cm", LengthParse::invalid, 0 },
        { "zwei", LengthParse::invalid, 0 },
        { "1,5 cm x", LengthParse::invalid, 0 },
        { "4000000", LengthParse::invalid, 0 },     // 2.28e9 twips do not fit an int
        { "-4000000", LengthParse::invalid, 0 },
        { "1e300", LengthParse::invalid, 0 },
    };
    for (const auto& c : cases) {
        int nTwips = 0;
        EXPECT_EQ(c.result, LengthTextToTwips(c.text, &nTwips)) << c.text;
        EXPECT_EQ(c.twips, nTwips) << c.text;
    }
}
