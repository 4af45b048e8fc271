// The real program started as a user starts it: with a card file and the
// path of an entry, or with nothing; its window, tree and stored settings
// read back from outside.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include <commctrl.h>

namespace {

using e2e::QivnotesTest;

class QivnotesStart : public QivnotesTest
{
};

TEST_F(QivnotesStart, OpensTheCardFileAndSelectsTheEntryOfThePath)
{
    CString strFile = WriteSample("path");
    e2e::CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
    EXPECT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));
    EXPECT_EQ("Suppe", program.WaitForSelectedTreeText("Suppe"));
    EXPECT_EQ(0, program.Close());
    // The window's place and the tree's width are kept for the next start.
    EXPECT_EQ(225u, SettingInt("Settings", "Splitter"));
    EXPECT_NE(0xFFFFFFFFu, SettingInt("Frame", "Right"));
}

TEST_F(QivnotesStart, WithoutArgumentsStartsANewCardFile)
{
    e2e::CQivnotesProcess program;
    ASSERT_TRUE(program.Start(""));
    EXPECT_TRUE(program.WaitForTitle("Qivnotes - Unbenannt"));
    EXPECT_NE(nullptr, program.FindChild(STATUSCLASSNAMEA));
    EXPECT_EQ(0, program.Close());
}

} // namespace
