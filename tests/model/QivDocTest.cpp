// The card-file document: new, open and save through the framework's
// document steps, the modified state with the note editor, the save
// command's state and the backup setting.
#include "ModelTestSupport.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/WinApp.h"
#include "model/QivDoc.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

using namespace qivtest;

namespace {

std::string TempPath(const char* name)
{
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    return std::string(base) + "qivdoc" + std::to_string(::GetCurrentProcessId()) + "_" + name;
}

Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Records whether the save command would be enabled.
class CRecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { m_nEnabled = bOn ? 1 : 0; }
    int m_nEnabled = -1;
};

int SaveCommandState(CQivDoc& doc)
{
    CRecordingCmdUI cmdUI;
    cmdUI.m_nID = ID_FILE_SAVE;
    cmdUI.DoUpdate(&doc, FALSE);
    return cmdUI.m_nEnabled;
}

} // namespace

TEST(QivDoc, ANewCardFileSavedAtOnce)
{
    CTestShell shell;
    std::unique_ptr<CQivDoc> doc(new CQivDoc);
    EXPECT_EQ(nullptr, doc->GetRoot());
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_STREQ("Notizen", doc->GetRoot()->m_strTitle);
    EXPECT_EQ(1, shell.m_nCloseSearchCalls);

    doc->SetModifiedFlag(TRUE);
    std::string path = TempPath("neu.qiv");
    ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
    Bytes bytes = ReadFileBytes(path);
    EXPECT_EQ(53u, bytes.size());
    EXPECT_EQ(0, memcmp(bytes.data(), "Qivnotes\x02\x0A\0\0", 12));
    EXPECT_FALSE(doc->IsModified());
    ::DeleteFileA(path.c_str());
}

TEST(QivDoc, ModifiedMeansTheFlagOrUnsavedEditorText)
{
    ASSERT_TRUE(::LoadLibraryA("riched20.dll"));
    CTestWindow editor("RichEdit20A", ES_MULTILINE);
    CTestShell shell;
    CQivDoc doc;
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(0, SaveCommandState(doc));

    doc.SetModifiedFlag(TRUE);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(1, SaveCommandState(doc));
    doc.SetModifiedFlag(FALSE);

    shell.m_hEditor = editor.m_hWnd;
    ::SendMessageA(editor.m_hWnd, EM_SETMODIFY, TRUE, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(1, SaveCommandState(doc));
    // Clearing the document's flag leaves the editor's alone.
    doc.SetModifiedFlag(FALSE);
    EXPECT_TRUE(::SendMessageA(editor.m_hWnd, EM_GETMODIFY, 0, 0));
    EXPECT_TRUE(doc.IsModified());
}

TEST(QivDoc, OpeningReplacesTheTreeOnlyWhenTheFileWasRead)
{
    CTestShell shell;
    CQivDoc doc;
    doc.ReplaceRoot(new C_QivCategory("offen"));
    C_QivCategory* pOpen = doc.GetRoot();

    std::string bad = TempPath("kaputt.qiv");
    std::ofstream(bad, std::ios::binary) << "Qivnotes\x02\x0A";
    EXPECT_THROW(doc.OnOpenDocument(bad.c_str()), CArchiveException*);
    EXPECT_EQ(pOpen, doc.GetRoot());
    EXPECT_EQ(1, shell.m_nCloseSearchCalls);

    std::unique_ptr<C_QivCategory> other(new C_QivCategory("andere"));
    other->InsertChild(NewEntry("e", "text"), nullptr);
    Bytes bytes = WriteCardFile(other.get());
    std::string good = TempPath("gut.qiv");
    std::ofstream(good, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnOpenDocument(good.c_str()));
    EXPECT_STREQ("andere", doc.GetRoot()->m_strTitle);
    EXPECT_FALSE(doc.IsModified());
    ::DeleteFileA(bad.c_str());
    ::DeleteFileA(good.c_str());
}

TEST(QivDoc, SavingKeepsABackupWhenTheSettingSaysSo)
{
    CWinApp app("QivDocTest");
    app.SetRegistryKey("QivnotesTests");
    std::string path = TempPath("sicher.qiv");
    std::string backup = path.substr(0, path.size() - 3) + "bak";
    ::DeleteFileA(backup.c_str());

    CQivDoc doc;
    doc.ReplaceRoot(new C_QivCategory("eins"));
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    Bytes first = ReadFileBytes(path);
    doc.ReplaceRoot(new C_QivCategory("zwei"));
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));   // no setting: no copy
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(backup.c_str()));

    Bytes second = ReadFileBytes(path);
    app.WriteProfileString("Settings", "Backup", "1");
    doc.ReplaceRoot(new C_QivCategory("drei"));
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_EQ(second, ReadFileBytes(backup));
    EXPECT_NE(first, second);

    app.WriteProfileString("Settings", "Backup", "0");
    ::DeleteFileA(backup.c_str());
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(backup.c_str()));

    app.WriteProfileString("Settings", nullptr, nullptr);
    ::DeleteFileA(path.c_str());
}

TEST(QivDoc, EmbeddedObjectsGetTheProgramsItemClass)
{
    CQivDoc doc;
    std::unique_ptr<CRichEditCntrItem> item(doc.CreateClientItem(nullptr));
    EXPECT_TRUE(item->IsKindOf(RUNTIME_CLASS(CQivCntrItem)));
    EXPECT_EQ(&doc, item->GetDocument());
    EXPECT_EQ(0u, RUNTIME_CLASS(CQivCntrItem)->m_wSchema);
}
