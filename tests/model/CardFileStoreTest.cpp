// Opening and saving card files on disk: a failed open keeps the open tree,
// a failed or killed save keeps the previous file and what a killed save
// left is gone after the next one, files are closed on every path, and the
// backup copy is made beside the card file.
#include "ModelTestSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "framework/core/TemporaryFile.h"
#include "model/CardFile.h"
#include "model/CardFileStore.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <richedit.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

using namespace qivtest;

namespace {

Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A fresh folder per test, removed with everything in it.
class CTempFolder
{
public:
    CTempFolder()
    {
        char base[MAX_PATH];
        ::GetTempPathA(MAX_PATH, base);
        static int s_nCount = 0;
        m_path = std::string(base) + "qivstore" + std::to_string(::GetCurrentProcessId()) + "_"
                 + std::to_string(++s_nCount);
        RemoveTree(m_path);   // left over by a run that was stopped
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~CTempFolder() { RemoveTree(m_path); }
    std::string Path(const std::string& name) const { return m_path + "\\" + name; }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA fd;
        HANDLE h = ::FindFirstFileA((m_path + "\\*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (strcmp(fd.cFileName, ".") && strcmp(fd.cFileName, ".."))
                names.push_back(fd.cFileName);
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
        return names;
    }
    const std::string& Root() const { return m_path; }

private:
    static void RemoveTree(const std::string& path)
    {
        WIN32_FIND_DATAA fd;
        HANDLE h = ::FindFirstFileA((path + "\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                if (!strcmp(fd.cFileName, ".") || !strcmp(fd.cFileName, ".."))
                    continue;
                std::string child = path + "\\" + fd.cFileName;
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    ::DeleteFileA(child.c_str());
            } while (::FindNextFileA(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryA(path.c_str());
    }
    std::string m_path;
};

C_QivCategory* SmallTree(const char* pszTitle)
{
    C_QivCategory* pRoot = new C_QivCategory(pszTitle);
    pRoot->InsertChild(NewEntry("Eintrag", "{\\rtf1 Text}"), nullptr);
    return pRoot;
}

// Raises a file exception once the card file is written, as a full disk
// would at its last write.
class CFailingShell : public CTestShell
{
public:
    void PlaySoundEvent(LPCSTR) override { AfxThrowFileException(CFileException::diskFull); }
};

// The file can be opened for exclusive writing: nobody holds it open.
bool IsClosed(const std::string& path)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(h);
    return true;
}

// Stores bytes as the "Contents" stream of a new compound file (or, with
// a null stream name, a compound file without it).
void WriteCompoundFile(const std::string& path, const char* pszStream, const Bytes& bytes)
{
    std::wstring wide(path.begin(), path.end());
    IStorage* pStorage = nullptr;
    ASSERT_EQ(S_OK, ::StgCreateDocfile(wide.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                       0, &pStorage));
    if (pszStream) {
        std::wstring name(pszStream, pszStream + strlen(pszStream));
        IStream* pStream = nullptr;
        ASSERT_EQ(S_OK, pStorage->CreateStream(name.c_str(), STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE,
                                               0, 0, &pStream));
        ULONG nWritten = 0;
        pStream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &nWritten);
        pStream->Release();
    }
    pStorage->Release();
}

} // namespace

TEST(CardFileStore, SaveThenOpenOnDisk)
{
    CTempFolder folder;
    CTestShell shell;
    CQivCardFileStore store;
    store.StartNew();
    EXPECT_STREQ("Notizen", store.GetRoot()->m_strTitle);
    EXPECT_EQ(1, shell.m_nCloseSearchCalls);

    std::string path = folder.Path("neu.qiv");
    store.Save(path.c_str(), FALSE);
    EXPECT_EQ(53u, ReadFileBytes(path).size());
    EXPECT_EQ((std::vector<std::string>{ "neu.qiv" }), folder.Files());

    CQivCardFileStore other;
    other.ReplaceRoot(SmallTree("alt"));
    ASSERT_TRUE(other.Open(path.c_str()));
    EXPECT_STREQ("Notizen", other.GetRoot()->m_strTitle);
    EXPECT_EQ(nullptr, other.GetRoot()->m_pFirstChild);
    EXPECT_EQ(2, shell.m_nCloseSearchCalls);
    EXPECT_TRUE(IsClosed(path));
}

// The document's archive has a small buffer; the card file goes through one
// of its own over the same file. Either way the document's archive must go
// on right behind the card file.
TEST(CardFileStore, SerializeLeavesTheDocumentsArchiveRightBehindTheCardFile)
{
    CTestShell shell;
    CQivCardFileStore store;
    store.ReplaceRoot(SmallTree("Wurzel"));
    const DWORD dwMarker = 0x5A5A1234;
    Bytes expected = WriteCardFile(store.GetRoot());
    expected.insert(expected.end(), { 0x34, 0x12, 0x5A, 0x5A });

    CMemFile file(4096);
    {
        CArchive ar(&file, CArchive::store);
        store.Serialize(ar);
        ar << dwMarker;
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    EXPECT_EQ(expected, bytes);

    file.SeekToBegin();
    CQivCardFileStore other;
    CArchive ar(&file, CArchive::load);
    other.Serialize(ar);
    DWORD dwRead = 0;
    ar >> dwRead;
    EXPECT_EQ(dwMarker, dwRead);
    EXPECT_EQ(WriteCardFile(store.GetRoot()), WriteCardFile(other.GetRoot()));
}

TEST(CardFileStore, AFailedOpenKeepsTheOpenTreeAndClosesTheFile)
{
    CTempFolder folder;
    Bytes good;
    {
        CQivCardFileStore source;
        source.ReplaceRoot(SmallTree("neu"));
        std::string path = folder.Path("good.qiv");
        source.Save(path.c_str(), FALSE);
        good = ReadFileBytes(path);
    }
    Bytes viewerOnly = good;
    viewerOnly[10] = 1;
    struct Case { const char* name; Bytes bytes; bool bMessage; };
    const Case cases[] = {
        { "truncated.qiv", Bytes(good.begin(), good.end() - 5), false },
        { "viewer.qiv", viewerOnly, true },
        { "text.qiv", Bytes{ 'H', 'a', 'l', 'l', 'o', '\r', '\n' }, false },
        { "empty.qiv", Bytes(), false },
    };
    CQivCardFileStore store;
    store.ReplaceRoot(SmallTree("offen"));
    C_QivCategory* pOpen = store.GetRoot();
    for (const Case& c : cases) {
        std::string path = folder.Path(c.name);
        WriteFileBytes(path, c.bytes);
        CScriptedMessageBoxes boxes;
        bool bThrown = false;
        try {
            store.Open(path.c_str());
        } catch (CArchiveException* e) {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown) << c.name;
        EXPECT_EQ(c.bMessage ? 1u : 0u, boxes.m_texts.size()) << c.name;
        EXPECT_EQ(pOpen, store.GetRoot()) << c.name;
        EXPECT_STREQ("offen", store.GetRoot()->m_strTitle);
        EXPECT_TRUE(IsClosed(path)) << c.name;
    }

    bool bFileError = false;
    try {
        store.Open(folder.Path("fehlt.qiv").c_str());
    } catch (CFileException* e) {
        bFileError = e->m_cause == CFileException::fileNotFound;
        e->Delete();
    }
    EXPECT_TRUE(bFileError);
    EXPECT_EQ(pOpen, store.GetRoot());
}

TEST(CardFileStore, CompoundFilesAreReadFromTheirContentsStream)
{
    ::CoInitialize(nullptr);
    CTempFolder folder;
    CQivCardFileStore source;
    source.ReplaceRoot(SmallTree("verbund"));
    Bytes bytes = WriteCardFile(source.GetRoot());

    std::string withStream = folder.Path("mit.qiv");
    WriteCompoundFile(withStream, "Contents", bytes);
    std::string without = folder.Path("ohne.qiv");
    WriteCompoundFile(without, "Anderes", bytes);

    CQivCardFileStore store;
    store.ReplaceRoot(SmallTree("offen"));
    EXPECT_FALSE(store.Open(without.c_str()));
    EXPECT_STREQ("offen", store.GetRoot()->m_strTitle);
    EXPECT_TRUE(IsClosed(without));

    ASSERT_TRUE(store.Open(withStream.c_str()));
    EXPECT_STREQ("verbund", store.GetRoot()->m_strTitle);
    EXPECT_TRUE(IsClosed(withStream));

    // A damaged stream fails like a damaged plain file, and lets go of it.
    WriteCompoundFile(withStream, "Contents", Bytes(bytes.begin(), bytes.begin() + 20));
    EXPECT_THROW(store.Open(withStream.c_str()), CArchiveException*);
    EXPECT_STREQ("verbund", store.GetRoot()->m_strTitle);
    EXPECT_TRUE(IsClosed(withStream));
    ::CoUninitialize();
}

TEST(CardFileStore, AFailedSaveKeepsThePreviousFile)
{
    CTempFolder folder;
    std::string path = folder.Path("karte.qiv");
    CQivCardFileStore store;
    store.ReplaceRoot(SmallTree("erste Fassung"));
    store.Save(path.c_str(), FALSE);
    Bytes before = ReadFileBytes(path);

    store.ReplaceRoot(SmallTree("zweite Fassung"));
    {
        CFailingShell shell;
        EXPECT_THROW(store.Save(path.c_str(), FALSE), CFileException*);
    }
    EXPECT_EQ(before, ReadFileBytes(path));
    EXPECT_EQ((std::vector<std::string>{ "karte.qiv" }), folder.Files());

    // Into a folder that does not exist: nothing is created anywhere.
    std::string missing = folder.Path("fehlt\\karte.qiv");
    EXPECT_THROW(store.Save(missing.c_str(), FALSE), CFileException*);
    EXPECT_EQ((std::vector<std::string>{ "karte.qiv" }), folder.Files());

    store.Save(path.c_str(), FALSE);
    EXPECT_NE(before, ReadFileBytes(path));
}

TEST(CardFileStore, BackupCopyKeepsThePreviousFileUnderItsBakName)
{
    CTempFolder folder;
    std::string path = folder.Path("karte.qiv");
    CQivCardFileStore store;
    store.ReplaceRoot(SmallTree("eins"));
    store.Save(path.c_str(), TRUE);   // first save: nothing to back up
    EXPECT_EQ((std::vector<std::string>{ "karte.qiv" }), folder.Files());

    store.ReplaceRoot(SmallTree("zwei"));
    store.Save(path.c_str(), FALSE);
    EXPECT_FALSE(Exists(folder.Path("karte.bak")));
    Bytes second = ReadFileBytes(path);

    store.ReplaceRoot(SmallTree("drei"));
    store.Save(path.c_str(), TRUE);
    EXPECT_EQ(second, ReadFileBytes(folder.Path("karte.bak")));
    EXPECT_NE(second, ReadFileBytes(path));
}

TEST(CardFileStore, BackupPathsOfAnyLength)
{
    EXPECT_STREQ("C:\\a\\karte.bak", QivBackupPathOf("C:\\a\\karte.qiv"));
    EXPECT_STREQ("x.QIVbak", QivBackupPathOf("x.QIVQIV"));
    EXPECT_STREQ("bak", QivBackupPathOf("abc"));
    EXPECT_STREQ("", QivBackupPathOf("ab"));
    std::string longPath = "C:\\" + std::string(400, 'd') + "\\karte.qiv";
    std::string expected = "C:\\" + std::string(400, 'd') + "\\karte.bak";
    EXPECT_EQ(expected, std::string(QivBackupPathOf(longPath.c_str())));

    // On disk, close to the longest path the system's ANSI calls take.
    CTempFolder folder;
    std::string dir = folder.Root();
    while (dir.size() + 41 + 10 < MAX_PATH) {
        dir += "\\" + std::string(40, 'v');
        ::CreateDirectoryA(dir.c_str(), nullptr);
    }
    std::string path = dir + "\\karte.qiv";
    CQivCardFileStore store;
    store.ReplaceRoot(SmallTree("tief"));
    store.Save(path.c_str(), TRUE);
    store.Save(path.c_str(), TRUE);
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(dir + "\\karte.bak"));
}

TEST(CardFileStore, EditorModificationsCountAsUnsaved)
{
    EXPECT_FALSE(CQivCardFileStore::IsEditorModified());
    ASSERT_TRUE(::LoadLibraryA("riched20.dll"));
    CTestWindow editor("RichEdit20A", ES_MULTILINE);
    CTestShell shell;
    shell.m_hEditor = editor.m_hWnd;
    EXPECT_FALSE(CQivCardFileStore::IsEditorModified());
    ::SendMessageA(editor.m_hWnd, EM_SETMODIFY, TRUE, 0);
    EXPECT_TRUE(CQivCardFileStore::IsEditorModified());
}

namespace {

const UINT kKilledExitCode = 77;

// Stands in for a process killed in the middle of a save: once the card
// file's records are written (all but the last buffer on disk), the
// process ends on the spot, without unwinding or cleaning up.
class CKillingShell : public CTestShell
{
public:
    void PlaySoundEvent(LPCSTR) override { ::TerminateProcess(::GetCurrentProcess(), kKilledExitCode); }
};

// Runs the killed save below in a process of its own, saving over lpszPath;
// answers its exit code.
DWORD RunKilledSave(const std::string& path)
{
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = std::string("\"") + exe
                          + "\" --gtest_filter=CardFileStore.DISABLED_SaveKilledHalfWay"
                            " --gtest_also_run_disabled_tests";
    ::SetEnvironmentVariableA("QIV_KILLED_SAVE", path.c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    DWORD dwExit = 0;
    if (::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        if (::WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
            ::TerminateProcess(pi.hProcess, 1);
        ::GetExitCodeProcess(pi.hProcess, &dwExit);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::SetEnvironmentVariableA("QIV_KILLED_SAVE", nullptr);
    return dwExit;
}

ULONGLONG FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

} // namespace

// Only ever run by RunKilledSave, in a process of its own.
TEST(CardFileStore, DISABLED_SaveKilledHalfWay)
{
    const char* pszPath = getenv("QIV_KILLED_SAVE");
    ASSERT_NE(nullptr, pszPath);
    CQivCardFileStore store;
    // Larger than the archive's buffer, so part of it reaches the disk.
    C_QivCategory* pRoot = new C_QivCategory("abgebrochen");
    pRoot->InsertChild(NewEntry("lang", std::string(3 * QIV_CARD_FILE_BUFFER / 2, 'x')), nullptr);
    store.ReplaceRoot(pRoot);
    CKillingShell shell;
    store.Save(pszPath, FALSE);
}

TEST(CardFileStore, ASaveKilledHalfWayLeavesNothingBehindTheNextSave)
{
    CTempFolder folder;
    std::string path = folder.Path("karte.qiv");
    CQivCardFileStore store;
    store.ReplaceRoot(SmallTree("vorher"));
    store.Save(path.c_str(), FALSE);
    Bytes before = ReadFileBytes(path);

    // The second kill finds what the first one left.
    for (int nKill = 1; nKill <= 2; ++nKill) {
        SCOPED_TRACE(nKill);
        ASSERT_EQ(kKilledExitCode, RunKilledSave(path));
        EXPECT_EQ(before, ReadFileBytes(path));
        std::vector<std::string> files = folder.Files();
        ASSERT_EQ(2u, files.size());
        const std::string& left = files[0] == "karte.qiv" ? files[1] : files[0];
        EXPECT_GE(FileSize(folder.Path(left)), QIV_CARD_FILE_BUFFER);
    }

    store.ReplaceRoot(SmallTree("nachher"));
    store.Save(path.c_str(), FALSE);
    EXPECT_EQ((std::vector<std::string>{ "karte.qiv" }), folder.Files());
    EXPECT_EQ(0u, ::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    CQivCardFileStore reopened;
    ASSERT_TRUE(reopened.Open(path.c_str()));
    EXPECT_STREQ("nachher", reopened.GetRoot()->m_strTitle);
}

TEST(CardFileStore, ASaveNeverTakesAFileItDidNotMake)
{
    const std::string magic(QIV_CARD_FILE_MAGIC, sizeof(QIV_CARD_FILE_MAGIC));
    const struct {
        const char* pszWhat;
        DWORD dwAttributes;
        std::string bytes;
    } cases[] = {
        { "a visible card file", FILE_ATTRIBUTE_NORMAL, magic + "\x02\x0a" },
        { "a visible empty file", FILE_ATTRIBUTE_NORMAL, "" },
        { "a hidden file of other bytes", FILE_ATTRIBUTE_HIDDEN, "Notizen vom Montag" },
        { "a hidden read-only card file", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY, magic },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        CTempFolder folder;
        std::string path = folder.Path("karte.qiv");
        std::string foreign = std::string(AfxTemporaryPathOf(path.c_str()));
        WriteFileBytes(foreign, Bytes(c.bytes.begin(), c.bytes.end()));
        ::SetFileAttributesA(foreign.c_str(), c.dwAttributes);

        CQivCardFileStore store;
        store.ReplaceRoot(SmallTree("eins"));
        store.Save(path.c_str(), FALSE);
        store.ReplaceRoot(SmallTree("zwei"));
        store.Save(path.c_str(), FALSE);

        EXPECT_EQ(Bytes(c.bytes.begin(), c.bytes.end()), ReadFileBytes(foreign));
        const DWORD dwPlain = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL;
        EXPECT_EQ(c.dwAttributes & ~dwPlain, ::GetFileAttributesA(foreign.c_str()) & ~dwPlain);
        std::vector<std::string> files = folder.Files();
        std::sort(files.begin(), files.end());
        EXPECT_EQ((std::vector<std::string>{ "karte.qiv", "~$karte.qiv" }), files);
        CQivCardFileStore reopened;
        ASSERT_TRUE(reopened.Open(path.c_str()));
        EXPECT_STREQ("zwei", reopened.GetRoot()->m_strTitle);
    }
}

TEST(CardFileStore, TemporaryPathsOfAnyLength)
{
    EXPECT_STREQ("C:\\a\\~$karte.qiv", AfxTemporaryPathOf("C:\\a\\karte.qiv"));
    EXPECT_STREQ("~$karte.qiv", AfxTemporaryPathOf("karte.qiv"));
    EXPECT_STREQ("C:~$karte.qiv", AfxTemporaryPathOf("C:karte.qiv"));
    EXPECT_STREQ("d/~$k.qiv", AfxTemporaryPathOf("d/k.qiv"));
    // The longest path the system's ANSI calls take keeps its length.
    std::string folder = "C:\\" + std::string(240, 'd') + "\\";
    std::string name(MAX_PATH - 1 - folder.size(), 'n');
    std::string expected = folder + "~$" + name.substr(2);
    EXPECT_EQ(expected, std::string(AfxTemporaryPathOf((folder + name).c_str())));
}
