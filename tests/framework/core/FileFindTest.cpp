#include "framework/core/FileFind.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <map>
#include <string>

namespace {

class FileFindTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_dir.Format("%sqivfind%lu", temp, ::GetCurrentProcessId());
        ::CreateDirectoryA(m_dir, nullptr);
        ::CreateDirectoryA(m_dir + "\\Bilder", nullptr);
        MakeFile("Notizen.qiv", 5);
        MakeFile("Sicherung.bak", 0);
    }
    void TearDown() override
    {
        ::DeleteFileA(m_dir + "\\Notizen.qiv");
        ::DeleteFileA(m_dir + "\\Sicherung.bak");
        ::RemoveDirectoryA(m_dir + "\\Bilder");
        ::RemoveDirectoryA(m_dir);
    }
    void MakeFile(LPCSTR name, DWORD size) const
    {
        HANDLE h = ::CreateFileA(m_dir + "\\" + name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(h, "12345", size, &written, nullptr);
        ::CloseHandle(h);
    }

    CString m_dir;
};

} // namespace

TEST_F(FileFindTest, WalksEveryMatchWithItsDetails)
{
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(m_dir + "\\*.*"));
    std::map<std::string, std::string> seen;   // name -> kind
    BOOL more = TRUE;
    while (more) {
        more = finder.FindNextFile();
        std::string kind = finder.IsDots() ? "dots" : finder.IsDirectory() ? "dir" : "file";
        seen[std::string(finder.GetFileName())] = kind;
        if (finder.GetFileName() == "Notizen.qiv") {
            EXPECT_STREQ(finder.GetFilePath(), m_dir + "\\Notizen.qiv");
            EXPECT_STREQ(finder.GetFileTitle(), "Notizen");
            EXPECT_EQ(finder.GetLength(), 5u);
            FILETIME written = {};
            EXPECT_TRUE(finder.GetLastWriteTime(&written));
            EXPECT_NE(written.dwHighDateTime, 0u);
            CTime when;
            EXPECT_TRUE(finder.GetLastWriteTime(when));
            EXPECT_LE(abs(static_cast<long>((CTime::GetCurrentTime() - when).GetTotalSeconds())), 3600L);
        }
    }
    EXPECT_EQ(seen, (std::map<std::string, std::string>{
                        { ".", "dots" }, { "..", "dots" }, { "Bilder", "dir" },
                        { "Notizen.qiv", "file" }, { "Sicherung.bak", "file" } }));
}

TEST_F(FileFindTest, FindsOneFileByNameAndNothingForMissingOnes)
{
    CFileFind finder;
    EXPECT_TRUE(finder.FindFile(m_dir + "\\Notizen.qiv"));
    EXPECT_FALSE(finder.FindNextFile());       // the only match, now current
    EXPECT_STREQ(finder.GetFileName(), "Notizen.qiv");
    EXPECT_FALSE(finder.IsDirectory());

    EXPECT_FALSE(finder.FindFile(m_dir + "\\*.csv"));
    EXPECT_FALSE(finder.FindFile(m_dir + "\\Fehlt\\*.*"));
    EXPECT_STREQ(finder.GetFileName(), "");
}
