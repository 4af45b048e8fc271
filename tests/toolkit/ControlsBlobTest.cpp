// The stored form of the customised controls: packing, damaged blobs, the
// profile value and the side file above 16000 bytes, a failed side-file
// write, and the zip memory file under an archive. With QIV_BLOB_DUMP_DIR
// set, the stored value and its data are left there for blob_check.py,
// which unpacks the value with Python's zlib.
#include "toolkit/commandbars/ControlsBlob.h"

#include "TestFiles.h"
#include "TestProfile.h"
#include "framework/core/Archive.h"
#include "toolkit/commandbars/ZipMemFile.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

const char kSection[] = "CommandBars-Controls";

// Bytes that do not pack: the same every run.
Bytes NoiseBytes(size_t nBytes)
{
    Bytes data(nBytes);
    UINT nState = 12345;
    for (BYTE& b : data)
    {
        nState = nState * 1103515245 + 12345;
        b = static_cast<BYTE>(nState >> 16);
    }
    return data;
}

// Bytes that pack well, like an archive of many similar controls.
Bytes ArchiveLikeBytes(size_t nBytes)
{
    static const char kText[] = "Control\x01\x00\x00\x00Datei &Neu\tStrg+N\x00";
    Bytes data(nBytes);
    for (size_t i = 0; i < nBytes; ++i)
        data[i] = static_cast<BYTE>(kText[i % (sizeof(kText) - 1)] + (i / 512));
    return data;
}

Bytes AsBytes(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

std::string AsString(const Bytes& b)
{
    return std::string(b.begin(), b.end());
}

DWORD HeaderLength(const Bytes& blob)
{
    return blob[4] | (blob[5] << 8) | (blob[6] << 16) | (static_cast<DWORD>(blob[7]) << 24);
}

void SetHeaderLength(Bytes& blob, DWORD nLength)
{
    for (int i = 0; i < 4; ++i)
        blob[4 + i] = static_cast<BYTE>(nLength >> (8 * i));
}

TEST(ControlsBlob, PacksWithAHeaderAndUnpacksExactly)
{
    const Bytes data = ArchiveLikeBytes(5000);
    const Bytes blob = CompressControlsBlob(data.data(), data.size());
    ASSERT_GT(blob.size(), 8u);
    EXPECT_EQ("ZIP!", AsString(Bytes(blob.begin(), blob.begin() + 4)));
    EXPECT_EQ(5000u, HeaderLength(blob));
    EXPECT_LT(blob.size(), 1000u);
    Bytes unpacked;
    ASSERT_TRUE(DecompressControlsBlob(blob.data(), blob.size(), unpacked));
    EXPECT_EQ(data, unpacked);
}

TEST(ControlsBlob, ShortOrUnpackableDataIsStoredAsItIs)
{
    struct Case
    {
        const char* pszWhat;
        Bytes data;
        bool bPacked;
    };
    const Case cases[] = {
        {"19 bytes", Bytes(19, 'a'), false},
        {"20 bytes that pack", Bytes(20, 'a'), true},
        {"noise", NoiseBytes(300), false},
        {"nothing", Bytes(), false},
    };
    for (const Case& c : cases)
    {
        const Bytes blob = CompressControlsBlob(c.data.data(), c.data.size());
        EXPECT_EQ(c.bPacked, blob.size() >= 4 && memcmp(blob.data(), "ZIP!", 4) == 0)
            << c.pszWhat;
        if (!c.bPacked)
        {
            EXPECT_EQ(c.data, blob) << c.pszWhat;
        }
        Bytes unpacked;
        EXPECT_TRUE(DecompressControlsBlob(blob.data(), blob.size(), unpacked)) << c.pszWhat;
        EXPECT_EQ(c.data, unpacked) << c.pszWhat;
    }
}

TEST(ControlsBlob, DamagedBlobsAreRefused)
{
    const Bytes good = CompressControlsBlob(ArchiveLikeBytes(4000).data(), 4000);
    ASSERT_EQ(4000u, HeaderLength(good));
    struct Case
    {
        const char* pszWhat;
        Bytes blob;
    };
    std::vector<Case> cases;
    auto add = [&](const char* pszWhat, auto change) {
        Bytes blob = good;
        change(blob);
        cases.push_back({pszWhat, blob});
    };
    add("length one more", [](Bytes& b) { SetHeaderLength(b, 4001); });
    add("length one less", [](Bytes& b) { SetHeaderLength(b, 3999); });
    add("length 0", [](Bytes& b) { SetHeaderLength(b, 0); });
    add("length over 64 MB", [](Bytes& b) { SetHeaderLength(b, 64 * 1024 * 1024 + 1); });
    add("length 4 GB - 1", [](Bytes& b) { SetHeaderLength(b, 0xFFFFFFFF); });
    add("more than the stream can hold", [](Bytes& b) { SetHeaderLength(b, 10000000); });
    add("stream cut short", [](Bytes& b) { b.resize(b.size() - 5); });
    add("stream cut to its header", [](Bytes& b) { b.resize(12); });
    add("checksum wrong", [](Bytes& b) { b.back() ^= 0x55; });
    add("stream garbage", [](Bytes& b) {
        Bytes noise = NoiseBytes(b.size() - 8);
        std::copy(noise.begin(), noise.end(), b.begin() + 8);
    });
    for (const Case& c : cases)
    {
        Bytes unpacked(3, 'x');
        EXPECT_FALSE(DecompressControlsBlob(c.blob.data(), c.blob.size(), unpacked)) << c.pszWhat;
        EXPECT_TRUE(unpacked.empty()) << c.pszWhat;
    }

    // Shorter than a header and a stream: plain archive bytes.
    const Bytes shortMagic = AsBytes("ZIP!\x05\x00\x00\x00xyz");
    Bytes unpacked;
    EXPECT_TRUE(DecompressControlsBlob(shortMagic.data(), shortMagic.size(), unpacked));
    EXPECT_EQ(shortMagic, unpacked);
}

class ControlsBlobProfileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_strSideFile = GetControlsSideFilePath("CommandBars");
        RemoveSideFile();
    }
    void TearDown() override
    {
        RemoveSideFile();
        ::RemoveDirectoryA(m_strSideFile.Left(m_strSideFile.ReverseFind('\\')));
    }
    void RemoveSideFile()
    {
        ::SetFileAttributesA(m_strSideFile, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(m_strSideFile);
    }
    bool SideFileExists() const
    {
        return ::GetFileAttributesA(m_strSideFile) != INVALID_FILE_ATTRIBUTES;
    }

    CTestProfileScope m_profile;
    CString m_strSideFile;
};

TEST_F(ControlsBlobProfileTest, SideFileLivesInTheApplicationDataFolder)
{
    CString strTail = "\\" + m_profile.GetAppName() + "\\CommandBars";
    EXPECT_EQ(strTail, m_strSideFile.Right(strTail.GetLength()));
    EXPECT_STREQ("C:\\eigen\\Leisten", GetControlsSideFilePath("CommandBars", "C:\\eigen\\Leisten"));
    CString strNested = GetControlsSideFilePath("Qiv\\Bars");
    EXPECT_EQ(CString("\\Qiv_Bars"), strNested.Right(9));
    DWORD dwFolder = ::GetFileAttributesA(m_strSideFile.Left(m_strSideFile.ReverseFind('\\')));
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, dwFolder);
    EXPECT_TRUE(dwFolder & FILE_ATTRIBUTE_DIRECTORY);
}

// 16000 bytes stay in the profile; one more goes to the side file, which the
// profile then names; a small blob afterwards takes the side file away.
TEST_F(ControlsBlobProfileTest, AboveSixteenThousandBytesTheBlobGoesToTheSideFile)
{
    const Bytes small = NoiseBytes(16000);
    ASSERT_TRUE(WriteControlsBlob(kSection, small, m_strSideFile));
    CTestProfileScope::RawValue controls = m_profile.Read(kSection, "Controls");
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), controls.dwType);
    EXPECT_EQ(AsString(small), controls.data);
    CTestProfileScope::RawValue fromFile = m_profile.Read(kSection, "LoadFromFile");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), fromFile.dwType);
    EXPECT_EQ(std::string(4, '\0'), fromFile.data);
    EXPECT_FALSE(SideFileExists());
    Bytes blob;
    ASSERT_TRUE(ReadControlsBlob(kSection, blob));
    EXPECT_EQ(small, blob);

    const Bytes large = NoiseBytes(16001);
    ASSERT_TRUE(WriteControlsBlob(kSection, large, m_strSideFile));
    controls = m_profile.Read(kSection, "Controls");
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), controls.dwType);
    EXPECT_STREQ(m_strSideFile, controls.data.c_str());
    EXPECT_EQ(std::string("\x01\x00\x00\x00", 4), m_profile.Read(kSection, "LoadFromFile").data);
    EXPECT_EQ(AsString(large), ReadWholeFile(m_strSideFile));
    // The hidden attribute lives in an extended attribute that not every
    // file system of a test machine keeps.
    if (!(::GetFileAttributesA(m_strSideFile) & FILE_ATTRIBUTE_HIDDEN))
        std::printf("note: the side file does not show as hidden here\n");
    ASSERT_TRUE(ReadControlsBlob(kSection, blob));
    EXPECT_EQ(large, blob);

    // A second large blob replaces the hidden file.
    const Bytes larger = NoiseBytes(20000);
    ASSERT_TRUE(WriteControlsBlob(kSection, larger, m_strSideFile));
    EXPECT_EQ(AsString(larger), ReadWholeFile(m_strSideFile));

    ASSERT_TRUE(WriteControlsBlob(kSection, small, m_strSideFile));
    EXPECT_FALSE(SideFileExists());
    ASSERT_TRUE(ReadControlsBlob(kSection, blob));
    EXPECT_EQ(small, blob);
}

TEST_F(ControlsBlobProfileTest, AFailedSideFileWriteKeepsTheFileAndTheProfile)
{
    const Bytes first = NoiseBytes(17000);
    ASSERT_TRUE(WriteControlsBlob(kSection, first, m_strSideFile));

    // The temporary file can't be made where a folder of its name stands.
    CString strBlocker = m_strSideFile + ".new";
    ASSERT_TRUE(::CreateDirectoryA(strBlocker, nullptr));
    EXPECT_FALSE(WriteControlsBlob(kSection, NoiseBytes(18000), m_strSideFile));
    ::RemoveDirectoryA(strBlocker);
    // Nor in a folder that does not exist.
    EXPECT_FALSE(WriteControlsBlob(kSection, NoiseBytes(18000), "Z:\\qiv-missing\\x\\CommandBars"));

    EXPECT_EQ(AsString(first), ReadWholeFile(m_strSideFile));
    EXPECT_STREQ(m_strSideFile, m_profile.Read(kSection, "Controls").data.c_str());
    Bytes blob;
    ASSERT_TRUE(ReadControlsBlob(kSection, blob));
    EXPECT_EQ(first, blob);
}

// What a damaged profile or side file gives: nothing, or a blob that does
// not unpack; never controls made of garbage.
TEST_F(ControlsBlobProfileTest, DamagedStoredStates)
{
    const std::string packed = AsString(CompressControlsBlob(ArchiveLikeBytes(3000).data(), 3000));
    const std::string one("\x01\x00\x00\x00", 4);
    struct Case
    {
        const char* pszWhat;
        DWORD dwControlsType;
        std::string controls;
        std::string loadFromFile;   // REG_DWORD bytes; empty: no value
        std::string sideFile;       // written to the side file when not empty
        bool bRead;
        bool bUnpacks;
    };
    const Case cases[] = {
        {"nothing stored", 0, "", "", "", false, false},
        {"a good value", REG_BINARY, packed, "", "", true, true},
        {"a string where the blob belongs", REG_SZ, "ZIP!", "", "", false, false},
        {"a truncated value", REG_BINARY, packed.substr(0, packed.size() / 2), "", "", true, false},
        {"side file missing", REG_SZ, "Z:\\qiv-missing\\CommandBars", one, "", false, false},
        {"side file named by a binary", REG_BINARY, packed, one, "", false, false},
        {"side file of garbage", REG_SZ, "", one, "ZIP!\x10\x00\x00\x00garbage-garbage", true,
         false},
        {"a good side file", REG_SZ, "", one, packed, true, true},
    };
    for (const Case& c : cases)
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QivnotesTests\\" + m_profile.GetAppName());
        RemoveSideFile();
        std::string controls = c.controls;
        if (!c.sideFile.empty())
        {
            WriteWholeFile(m_strSideFile, c.sideFile.data(), c.sideFile.size());
            controls = static_cast<LPCSTR>(m_strSideFile);
        }
        if (c.dwControlsType == REG_SZ)
            controls.push_back('\0');
        if (c.dwControlsType)
        {
            ASSERT_TRUE(m_profile.Write(kSection, "Controls", c.dwControlsType, controls));
        }
        if (!c.loadFromFile.empty())
        {
            ASSERT_TRUE(m_profile.Write(kSection, "LoadFromFile", REG_DWORD, c.loadFromFile));
        }

        Bytes blob, data;
        bool bRead = ReadControlsBlob(kSection, blob) != FALSE;
        EXPECT_EQ(c.bRead, bRead) << c.pszWhat;
        bool bUnpacks = bRead && DecompressControlsBlob(blob.data(), blob.size(), data)
            && data == ArchiveLikeBytes(3000);
        EXPECT_EQ(c.bUnpacks, bUnpacks) << c.pszWhat;
    }
}

// The stored value as the registry holds it, for Python's zlib.
TEST_F(ControlsBlobProfileTest, StoredValueForPython)
{
    const Bytes data = ArchiveLikeBytes(12000);
    const Bytes blob = CompressControlsBlob(data.data(), data.size());
    ASSERT_TRUE(WriteControlsBlob(kSection, blob, m_strSideFile));
    CTestProfileScope::RawValue value = m_profile.Read(kSection, "Controls");
    ASSERT_EQ(static_cast<DWORD>(REG_BINARY), value.dwType);
    EXPECT_EQ(AsString(blob), value.data);

    CString strDumps = EnvironmentFolder("QIV_BLOB_DUMP_DIR");
    if (strDumps.IsEmpty())
        return;
    ::CreateDirectoryA(strDumps, nullptr);
    EXPECT_TRUE(WriteWholeFile(strDumps + "controls.value", value.data.data(), value.data.size()));
    EXPECT_TRUE(WriteWholeFile(strDumps + "controls.data", data.data(), data.size()));
}

TEST(ZipMemFile, AnArchiveWritesAndReadsThroughThePackedForm)
{
    CXTPZipMemFile out;
    {
        CArchive ar(&out, CArchive::store, 4096);
        for (int i = 0; i < 3000; ++i)
            ar << static_cast<DWORD>(i % 7) << CString("Steuerelement");
        ar.Flush();
    }
    BYTE* pBlob = nullptr;
    DWORD nBlob = 0;
    out.DetachCompressed(pBlob, nBlob);
    ASSERT_TRUE(pBlob);
    ASSERT_GT(nBlob, 8u);
    EXPECT_EQ(0, memcmp(pBlob, "ZIP!", 4));
    EXPECT_EQ(0u, out.GetLength());

    CXTPZipMemFile in(pBlob, nBlob);
    free(pBlob);   // the file unpacked it into a block of its own
    EXPECT_EQ(3000u * (4 + 1 + 13), in.GetLength());
    CArchive ar(&in, CArchive::load, 4096);
    for (int i = 0; i < 3000; ++i)
    {
        DWORD n = 0;
        CString s;
        ar >> n >> s;
        ASSERT_EQ(static_cast<DWORD>(i % 7), n);
        ASSERT_STREQ("Steuerelement", s);
    }
}

TEST(ZipMemFile, PlainAndDamagedBlobs)
{
    CXTPZipMemFile file;
    Bytes plain = AsBytes("kurze Daten");
    EXPECT_TRUE(file.AttachCompressed(plain.data(), static_cast<DWORD>(plain.size())));
    EXPECT_EQ(plain.size(), file.GetLength());

    Bytes damaged = CompressControlsBlob(ArchiveLikeBytes(2000).data(), 2000);
    SetHeaderLength(damaged, 2001);
    EXPECT_FALSE(file.AttachCompressed(damaged.data(), static_cast<DWORD>(damaged.size())));
    EXPECT_EQ(0u, file.GetLength());

    BYTE* pOwned = static_cast<BYTE*>(malloc(damaged.size()));
    memcpy(pOwned, damaged.data(), damaged.size());
    EXPECT_FALSE(file.AttachCompressed(pOwned, static_cast<DWORD>(damaged.size()), TRUE));

    EXPECT_FALSE(file.OpenCompressed("Z:\\qiv-missing\\CommandBars"));
}

} // namespace
