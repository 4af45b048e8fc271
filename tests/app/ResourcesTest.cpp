#include <gtest/gtest.h>

#include "app/res/resource.h"

// The program's resources are linked into the test program: its title is
// the one the registry key and every window caption are formed from.
TEST(AppResources, TitleIsQivnotes)
{
    char title[64] = {};
    ASSERT_GT(::LoadStringA(::GetModuleHandleA(nullptr), AFX_IDS_APP_TITLE, title, sizeof title), 0);
    EXPECT_STREQ("Qivnotes", title);
}
