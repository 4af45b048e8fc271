// Web pages and the character map go through the shell seam: what would be
// opened, from which folder, and the German message when nothing starts.
#include "AppTestSupport.h"

#include "app/ShellCommands.h"
#include "app/res/resource.h"
#include "toolkit/extras/HyperlinkShell.h"

#include <vector>

namespace
{
TEST(ShellCommands, WebPagesOpenTheirAddressesShownNormally)
{
    std::vector<XT_SHELLOPEN_REQUEST> opened;
    CTestSeamScope<XT_SHELLOPEN_REQUEST> shell([&](const XT_SHELLOPEN_REQUEST& r) {
        opened.push_back(r);
        return 42;
    });
    QivOpenWebPage(IDS_HOME_PAGE_URL);
    QivOpenWebPage(IDS_SHOP_URL);
    ASSERT_EQ(2u, opened.size());
    EXPECT_STREQ("http://www.qivnotes.example/", opened[0].strFile);
    EXPECT_STREQ("http://www.papeterie-kernig.example/", opened[1].strFile);
    EXPECT_EQ(SW_SHOWNORMAL, opened[0].nShowCmd);
}

TEST(ShellCommands, CharacterMapTriesTheWindowsThenTheSystemFolderThenSaysSo)
{
    char szWindows[MAX_PATH] = {};
    char szSystem[MAX_PATH] = {};
    ::GetWindowsDirectoryA(szWindows, MAX_PATH);
    ::GetSystemDirectoryA(szSystem, MAX_PATH);
    struct Case
    {
        std::vector<int> answers;
        size_t nTries;
        size_t nBoxes;
    };
    const Case cases[] = {
        {{42}, 1, 0},
        {{2, 42}, 2, 0},
        {{32, 2}, 2, 1},
    };
    for (const Case& c : cases) {
        std::vector<XT_SHELLOPEN_REQUEST> tries;
        CTestSeamScope<XT_SHELLOPEN_REQUEST> shell([&](const XT_SHELLOPEN_REQUEST& r) {
            tries.push_back(r);
            return c.answers[tries.size() - 1];
        });
        std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
        CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
            boxes.push_back(box);
            return IDOK;
        });
        QivOpenCharacterMap();
        ASSERT_EQ(c.nTries, tries.size());
        EXPECT_STREQ(CString(szWindows) + "\\charmap.exe", tries[0].strFile);
        EXPECT_STREQ(szWindows, tries[0].strDirectory);
        if (c.nTries > 1) {
            EXPECT_STREQ(CString(szSystem) + "\\charmap.exe", tries[1].strFile);
            EXPECT_STREQ(szSystem, tries[1].strDirectory);
        }
        ASSERT_EQ(c.nBoxes, boxes.size());
        if (c.nBoxes) {
            EXPECT_STREQ("Die Windows-Zeichentabelle ist nicht verfügbar.\n"
                         "Installieren Sie sie über Systemsteuerung/Software/Windows-Setup!",
                         boxes[0].strText);
            EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes[0].nType & MB_ICONMASK);
        }
    }
}
} // namespace
