// Margins between twips and hundredths of a millimetre.
#include "app/PageSetupDialog.h"

#include <gtest/gtest.h>

TEST(PageSetupMargins, RoundToTens)
{
    struct { int value, rounded; } const cases[] = {
        { 2499, 2500 }, { 2495, 2500 }, { 2494, 2490 }, { 2500, 2500 }, { 0, 0 },
        { -2495, -2500 }, { -2494, -2490 }, { 4, 0 }, { -4, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rounded, QivRoundToTens(c.value)) << c.value;
}

TEST(PageSetupMargins, TwipsAndHundredthsOfMillimetres)
{
    // The defaults: 2,5 cm on three sides, 2 cm at the bottom.
    RECT rcTwips = { 1417, 1417, 1417, 1133 };
    RECT rcShown = QivMarginsToHundredthsMm(rcTwips);
    EXPECT_EQ(2500, rcShown.left);
    EXPECT_EQ(2500, rcShown.top);
    EXPECT_EQ(2500, rcShown.right);
    EXPECT_EQ(2000, rcShown.bottom);
    RECT rcBack = QivMarginsToTwips(rcShown);
    EXPECT_EQ(1417, rcBack.left);
    EXPECT_EQ(1417, rcBack.top);
    EXPECT_EQ(1417, rcBack.right);
    EXPECT_EQ(1134, rcBack.bottom);    // 2000 x 1440 / 2540 = 1133,86

    // What the dialog hands back is rounded again first.
    RECT rcTyped = { 2504, 1006, 0, 3 };
    RECT rcTyped2 = QivMarginsToTwips(rcTyped);
    EXPECT_EQ(1417, rcTyped2.left);    // 2500
    EXPECT_EQ(573, rcTyped2.top);      // 1010 x 1440 / 2540 = 572,6
    EXPECT_EQ(0, rcTyped2.right);
    EXPECT_EQ(0, rcTyped2.bottom);
}
