#include "framework/core/OleStreamFile.h"
#include "framework/core/Archive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A compound file in the temporary folder whose "Contents" stream holds an
// archived string, as card files stored that way do.
class OleStreamFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        ::GetTempFileNameW(temp, L"qos", 0, temp);
        m_path = temp;
        IStorage* storage = nullptr;
        ASSERT_EQ(::StgCreateDocfile(m_path.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                     0, &storage), S_OK);
        IStream* stream = nullptr;
        ASSERT_EQ(storage->CreateStream(L"Contents", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                        0, 0, &stream), S_OK);
        const char bytes[] = "\x07Notizen\x2A\x00";
        stream->Write(bytes, 10, nullptr);
        stream->Release();
        storage->Release();
    }
    void TearDown() override
    {
        if (m_storage)
            m_storage->Release();
        ::DeleteFileW(m_path.c_str());
    }
    IStorage* OpenStorage(DWORD mode)
    {
        EXPECT_EQ(::StgOpenStorage(m_path.c_str(), nullptr, mode | STGM_SHARE_EXCLUSIVE, nullptr, 0, &m_storage),
                  S_OK);
        return m_storage;
    }

    std::wstring m_path;
    IStorage* m_storage = nullptr;
};

} // namespace

TEST_F(OleStreamFileTest, ReadsAStreamOfTheStorageThroughAnArchive)
{
    IStorage* storage = OpenStorage(STGM_READ);
    ASSERT_NE(storage, nullptr);
    COleStreamFile file;
    ASSERT_TRUE(file.OpenStream(storage, "Contents", CFile::modeRead | CFile::shareExclusive));
    EXPECT_EQ(file.GetLength(), 10u);
    {
        CArchive ar(&file, CArchive::load);
        CString title;
        WORD value = 0;
        ar >> title >> value;
        EXPECT_STREQ(title, "Notizen");
        EXPECT_EQ(value, 0x2A);
    }
    EXPECT_EQ(file.Seek(1, CFile::begin), 1u);
    char name[7];
    EXPECT_EQ(file.Read(name, 7), 7u);
    EXPECT_EQ(std::string(name, 7), "Notizen");
    EXPECT_EQ(file.GetPosition(), 8u);

    // Writing into a stream opened for reading is refused as a file error.
    CFileException* error = nullptr;
    try {
        file.Write("x", 1);
    } catch (CFileException* e) {
        error = e;
    }
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->m_cause, CFileException::accessDenied);
    error->Delete();
}

TEST_F(OleStreamFileTest, AMissingStreamFailsWithACause)
{
    IStorage* storage = OpenStorage(STGM_READ);
    COleStreamFile file;
    CFileException error;
    EXPECT_FALSE(file.OpenStream(storage, "Inhalt", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_STREQ(error.m_strFileName, "Inhalt");
    EXPECT_EQ(file.GetStream(), nullptr);
}

TEST_F(OleStreamFileTest, WritesAndAttachedStreamsAreOwnedOnce)
{
    IStorage* storage = OpenStorage(STGM_READWRITE);
    COleStreamFile file;
    ASSERT_TRUE(file.OpenStream(storage, "Contents"));
    file.SetLength(0);
    file.Write("abc", 3);
    EXPECT_EQ(file.GetLength(), 3u);

    // Detach hands the reference over; Attach takes one back.
    IStream* stream = file.Detach();
    ASSERT_NE(stream, nullptr);
    COleStreamFile other(stream);
    other.SeekToBegin();
    char buf[4] = {};
    EXPECT_EQ(other.Read(buf, 4), 3u);
    EXPECT_STREQ(buf, "abc");
    other.Close();
    EXPECT_EQ(other.GetStream(), nullptr);
}
