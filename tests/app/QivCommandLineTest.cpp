// The program's own command-line arguments on top of the framework's.
#include "AppTestSupport.h"

#include "app/QivCommandLine.h"

#include <vector>

namespace
{
TEST(QivCommandLine, SwitchesFileAndItemPath)
{
    struct Case
    {
        std::vector<const char*> args;
        BOOL bMinimized;
        BOOL bHide;
        const char* pszFile;
        const char* pszItemPath;
        int nShellCommand;
        BOOL bShowSplash;
    };
    const Case cases[] = {
        {{}, FALSE, FALSE, "", "", CCommandLineInfo::FileNew, TRUE},
        {{"/q"}, TRUE, FALSE, "", "", CCommandLineInfo::FileNew, TRUE},
        {{"-HIDE"}, FALSE, TRUE, "", "", CCommandLineInfo::FileNew, TRUE},
        {{"/Hide", "/Q"}, TRUE, TRUE, "", "", CCommandLineInfo::FileNew, TRUE},
        {{"C:\\Notizen.qiv"}, FALSE, FALSE, "C:\\Notizen.qiv", "", CCommandLineInfo::FileOpen, TRUE},
        {{"C:\\Notizen.qiv", "Küche\\Rezepte"}, FALSE, FALSE, "C:\\Notizen.qiv", "Küche\\Rezepte",
         CCommandLineInfo::FileOpen, TRUE},
        // A later plain argument replaces the item path.
        {{"a.qiv", "A\\B", "C"}, FALSE, FALSE, "a.qiv", "C", CCommandLineInfo::FileOpen, TRUE},
        {{"/HIDE", "a.qiv", "A\\B"}, FALSE, TRUE, "a.qiv", "A\\B", CCommandLineInfo::FileOpen, TRUE},
        // Unknown switches are the framework's; "Embedding" turns the splash off.
        {{"/Embedding"}, FALSE, FALSE, "", "", CCommandLineInfo::FileNew, FALSE},
        {{"/x", "a.qiv"}, FALSE, FALSE, "a.qiv", "", CCommandLineInfo::FileOpen, TRUE},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv{const_cast<char*>("qivnotes.exe")};
        for (const char* psz : c.args)
            argv.push_back(const_cast<char*>(psz));
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.front());
        C_QivCommandLineInfo info;
        AfxParseCommandLine(info, static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(c.bMinimized, info.m_bMinimized);
        EXPECT_EQ(c.bHide, info.m_bHide);
        EXPECT_STREQ(c.pszFile, info.m_strFileName);
        EXPECT_STREQ(c.pszItemPath, info.m_strItemPath);
        EXPECT_EQ(c.nShellCommand, static_cast<int>(info.m_nShellCommand));
        EXPECT_EQ(c.bShowSplash, info.m_bShowSplash);
    }
}
} // namespace
