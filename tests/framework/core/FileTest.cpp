#include "framework/core/File.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A fresh folder under the temporary path, removed with its files.
class FileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_dir.Format("%sqivfile%lu", temp, ::GetCurrentProcessId());
        ::CreateDirectoryA(m_dir, nullptr);
    }
    void TearDown() override
    {
        WIN32_FIND_DATAA data;
        HANDLE h = ::FindFirstFileA(m_dir + "\\*", &data);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                CString path = m_dir + "\\" + data.cFileName;
                ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    ::RemoveDirectoryA(path);
                else
                    ::DeleteFileA(path);
            } while (::FindNextFileA(h, &data));
            ::FindClose(h);
        }
        ::RemoveDirectoryA(m_dir);
    }
    CString PathOf(LPCSTR name) const { return m_dir + "\\" + name; }
    void MakeFile(LPCSTR name, const std::string& content) const
    {
        CFile file(PathOf(name), CFile::modeCreate | CFile::modeWrite);
        file.Write(content.data(), static_cast<UINT>(content.size()));
    }
    std::string Content(LPCSTR name) const
    {
        CFile file(PathOf(name), CFile::modeRead | CFile::shareDenyNone);
        std::string s(static_cast<size_t>(file.GetLength()), '\0');
        if (!s.empty())
            file.Read(&s[0], static_cast<UINT>(s.size()));
        return s;
    }

    CString m_dir;
};

// The cause of the file exception the action raises, or -1; the file name
// it names goes to *pName.
int FileCause(const std::function<void()>& action, CString* pName = nullptr)
{
    try {
        action();
    } catch (CFileException* e) {
        int cause = e->m_cause;
        if (pName)
            *pName = e->m_strFileName;
        e->Delete();
        return cause;
    }
    return -1;
}

} // namespace

TEST_F(FileTest, OpenFailuresMapToCauses)
{
    MakeFile("locked.txt", "x");
    CFile holder(PathOf("locked.txt"), CFile::modeRead | CFile::shareExclusive);

    struct Case { const char* what; CString path; UINT flags; int cause; };
    const Case cases[] = {
        { "missing file", PathOf("missing.qiv"), CFile::modeRead, CFileException::fileNotFound },
        { "missing folder", PathOf("nowhere\\a.qiv"), CFile::modeRead, CFileException::badPath },
        { "held exclusively", PathOf("locked.txt"), CFile::modeRead, CFileException::sharingViolation },
        { "a folder", m_dir, CFile::modeRead, CFileException::accessDenied },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path, c.flags, &error));
        EXPECT_EQ(error.m_cause, c.cause);
        EXPECT_STREQ(error.m_strFileName, c.path);
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);

        CString named;
        EXPECT_EQ(FileCause([&] { CFile thrown(c.path, c.flags); }, &named), c.cause);
        EXPECT_STREQ(named, c.path);
    }
}

TEST_F(FileTest, ReadWriteSeekAndLength)
{
    CFile file(PathOf("data.bin"), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("0123456789", 10);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.GetPosition(), 10u);

    char buf[16] = {};
    EXPECT_EQ(file.Seek(2, CFile::begin), 2u);
    EXPECT_EQ(file.Read(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), "234");
    EXPECT_EQ(file.Seek(1, CFile::current), 6u);
    EXPECT_EQ(file.Seek(-2, CFile::end), 8u);
    EXPECT_EQ(file.Read(buf, sizeof buf), 2u);     // short at the end
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    EXPECT_EQ(FileCause([&] { file.Seek(-20, CFile::current); }), CFileException::badSeek);

    file.SetLength(4);
    EXPECT_EQ(file.GetLength(), 4u);
    file.SeekToBegin();
    EXPECT_EQ(file.Read(buf, sizeof buf), 4u);
    EXPECT_EQ(file.SeekToEnd(), 4u);
    file.Close();
    EXPECT_EQ(Content("data.bin"), "0123");
}

TEST_F(FileTest, CreateTruncatesUnlessToldNotTo)
{
    MakeFile("keep.txt", "abcdef");
    {
        CFile file(PathOf("keep.txt"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        file.Write("XY", 2);
    }
    EXPECT_EQ(Content("keep.txt"), "XYcdef");
    {
        CFile file(PathOf("keep.txt"), CFile::modeCreate | CFile::modeWrite);
        file.Write("Z", 1);
    }
    EXPECT_EQ(Content("keep.txt"), "Z");
}

TEST_F(FileTest, TheDestructorClosesTheHandle)
{
    {
        CFile file(PathOf("a.txt"), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        file.Write("a", 1);
    }
    CFile again;
    EXPECT_TRUE(again.Open(PathOf("a.txt"), CFile::modeRead | CFile::shareExclusive));
}

TEST_F(FileTest, NamesOfTheFile)
{
    MakeFile("Notizen.2024.qiv", "");
    CFile file(PathOf("Notizen.2024.qiv"), CFile::modeRead);
    EXPECT_STREQ(file.GetFilePath(), PathOf("Notizen.2024.qiv"));
    EXPECT_STREQ(file.GetFileName(), "Notizen.2024.qiv");
    EXPECT_STREQ(file.GetFileTitle(), "Notizen.2024");
}

TEST_F(FileTest, RemoveAndRenameReportFailures)
{
    MakeFile("old.txt", "1");
    CFile::Rename(PathOf("old.txt"), PathOf("new.txt"));
    EXPECT_EQ(Content("new.txt"), "1");
    CFile::Remove(PathOf("new.txt"));
    EXPECT_EQ(::GetFileAttributesA(PathOf("new.txt")), INVALID_FILE_ATTRIBUTES);

    CString named;
    EXPECT_EQ(FileCause([&] { CFile::Remove(PathOf("new.txt")); }, &named), CFileException::fileNotFound);
    EXPECT_STREQ(named, PathOf("new.txt"));
    EXPECT_EQ(FileCause([&] { CFile::Rename(PathOf("gone.txt"), PathOf("x.txt")); }),
              CFileException::fileNotFound);
}
