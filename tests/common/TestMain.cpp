// Entry point of every test executable. Tests run under Wine inside the build
// tree's prefix; the test command provides the display.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
