// The card-file format: exact bytes written, the older layouts read, and
// damaged files refused without leaving anything behind.
#include "ModelTestSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "model/CardFile.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <memory>

using namespace qivtest;

namespace {

struct RootDeleter
{
    void operator()(C_QivCategory* p) const { QivDeleteRoot(p); }
};
using RootPtr = std::unique_ptr<C_QivCategory, RootDeleter>;

DWORD WindowColor()
{
    return ::GetSysColor(COLOR_WINDOW);
}

// The example tree: root R with the category A (holding the entry e1) and
// the entry B, in that order.
C_QivCategory* ExampleTree()
{
    C_QivCategory* pRoot = new C_QivCategory("R");
    C_QivCategory* pA = new C_QivCategory("A");
    pA->m_dwExpanded = 1;
    pA->m_crBackground = RGB(1, 2, 3);
    pA->m_lstAttachments.AddTail("C:\\x.txt");
    pA->InsertChild(NewEntry("e1", "{\\rtf1 e}"), nullptr);
    pRoot->InsertChild(NewEntry("B", "plain"), nullptr);
    pRoot->InsertChild(pA, nullptr);
    return pRoot;
}

} // namespace

TEST(CardFile, NewCardFileIsFiftyThreeBytes)
{
    RootPtr root(new C_QivCategory("Notizen"));
    Bytes expected = CByteBuilder()
        .Header()
        .NewClass("C_QivCategory").Str("Notizen").Null()
        .Dword(WindowColor()).Word(0)      // colour, empty list
        .Null().Dword(0)                   // no first child, collapsed
        .Get();
    Bytes written = WriteCardFile(root.get());
    EXPECT_EQ(53u, written.size());
    EXPECT_EQ(expected, written);
}

TEST(CardFile, NestedRecordsFollowTheChainAndShareOneIndexCounter)
{
    RootPtr root(ExampleTree());
    // Indices: 1 C_QivCategory, 2 R, 3 A, 4 C_QivEntry, 5 B, 6 e1.
    Bytes expected = CByteBuilder()
        .Header()
        .NewClass("C_QivCategory").Str("R").Null().Dword(WindowColor()).Word(0)
            .KnownClass(1).Str("A")
                .NewClass("C_QivEntry").Str("B").Null().Dword(WindowColor()).Word(0)
                    .Dword(5).Raw("plain")
                .Dword(RGB(1, 2, 3)).Word(1).Str("C:\\x.txt")
                .KnownClass(4).Str("e1").Null().Dword(WindowColor()).Word(0)
                    .Dword(9).Raw("{\\rtf1 e}")
                .Dword(1)
            .Dword(0)
        .Get();
    EXPECT_EQ(expected, WriteCardFile(root.get()));
}

TEST(CardFile, RoundTripKeepsEveryField)
{
    RootPtr root(ExampleTree());
    Bytes first = WriteCardFile(root.get());
    RootPtr copy(ReadCardFile(first));
    EXPECT_EQ(first, WriteCardFile(copy.get()));

    C_QivCategory* pA = static_cast<C_QivCategory*>(copy->m_pFirstChild);
    ASSERT_TRUE(pA->IsKindOf(RUNTIME_CLASS(C_QivCategory)));
    EXPECT_EQ(RGB(1, 2, 3), pA->m_crBackground);
    EXPECT_EQ(1u, pA->m_dwExpanded);
    EXPECT_STREQ("C:\\x.txt", pA->m_lstAttachments.GetHead());
    C_QivItem* pB = pA->m_pNext;
    ASSERT_TRUE(pB->IsKindOf(RUNTIME_CLASS(C_QivEntry)));
    EXPECT_EQ("plain", TextOf(static_cast<C_QivEntry*>(pB)));
    EXPECT_EQ(nullptr, pB->m_pNext);
    EXPECT_EQ(0x0A02, QivGetLastFormatVersion());
}

TEST(CardFile, FileWithoutMagicIsReadAsVersionOne)
{
    // No colour, list or expanded flag anywhere; a plain item is allowed.
    Bytes bytes = CByteBuilder()
        .NewClass("C_QivCategory").Str("Alt")
            .Null()
            .NewClass("C_QivItem").Str("plain")
                .KnownClass(1).Str("sub").Null()
                    .NewClass("C_QivEntry").Str("e").Null().Dword(3).Raw("abc")
            .Null()
        .Get();
    RootPtr root(ReadCardFile(bytes));
    EXPECT_EQ(0x0001, QivGetLastFormatVersion());
    EXPECT_STREQ("Alt", root->m_strTitle);
    EXPECT_EQ(WindowColor(), root->m_crBackground);
    C_QivItem* pPlain = root->m_pFirstChild;
    EXPECT_EQ(RUNTIME_CLASS(C_QivItem), pPlain->GetRuntimeClass());
    C_QivCategory* pSub = static_cast<C_QivCategory*>(pPlain->m_pNext);
    EXPECT_STREQ("sub", pSub->m_strTitle);
    EXPECT_EQ(0u, pSub->m_dwExpanded);
    EXPECT_EQ("abc", TextOf(static_cast<C_QivEntry*>(pSub->m_pFirstChild)));
    // Every node, not only the root, shows the window colour.
    EXPECT_EQ(WindowColor(), pPlain->m_crBackground);
    EXPECT_EQ(WindowColor(), pSub->m_crBackground);
    EXPECT_EQ(WindowColor(), pSub->m_pFirstChild->m_crBackground);
}

TEST(CardFile, VersionOneThirtyHasNoFlagWordButTheItemTail)
{
    Bytes bytes = CByteBuilder()
        .Raw("Qivnotes").Word(0x1E01)
        .NewClass("C_QivCategory").Str("R").Null().Dword(RGB(9, 9, 9)).Word(1).Str("a.doc")
            .NewClass("C_QivEntry").Str("e").Null().Dword(RGB(7, 7, 7)).Word(0).Dword(0)
            .Dword(1)
        .Get();
    RootPtr root(ReadCardFile(bytes));
    EXPECT_EQ(0x1E01, QivGetLastFormatVersion());
    EXPECT_EQ(RGB(9, 9, 9), root->m_crBackground);
    EXPECT_EQ(1u, root->m_dwExpanded);
    EXPECT_EQ(1, root->m_lstAttachments.GetCount());
    C_QivEntry* pEntry = static_cast<C_QivEntry*>(root->m_pFirstChild);
    EXPECT_EQ(RGB(7, 7, 7), pEntry->m_crBackground);
    EXPECT_EQ(nullptr, pEntry->m_pText);
}

TEST(CardFile, ViewerOnlyFilesAreRefusedWithTheirMessage)
{
    struct Case { WORD wVersion; WORD wFlag; bool bRefused; };
    const Case cases[] = {
        { 0x2801, 1, true },    // 1.40
        { 0x0A02, 0x100, true },
        { 0x0A02, 0, false },
        { 0x2701, 1, false },   // 1.39 has no flag word: 01 00 is the next data
    };
    for (const Case& c : cases) {
        CByteBuilder builder;
        builder.Raw("Qivnotes").Word(c.wVersion);
        if (c.wVersion != 0x2701)
            builder.Word(c.wFlag);
        builder.NewClass("C_QivCategory").Str("R").Null().Dword(0).Word(0).Null().Dword(0);
        CScriptedMessageBoxes boxes;
        int nCause = ArchiveFailureCause(builder.Get());
        if (c.bRefused) {
            EXPECT_EQ(CArchiveException::none, nCause) << c.wVersion;
            ASSERT_EQ(1u, boxes.m_texts.size());
            EXPECT_EQ("Diese Datei kann nur mit dem Qivnotes-Reader geöffnet werden!", boxes.m_texts[0]);
        } else {
            EXPECT_EQ(-1, nCause) << c.wVersion;
            EXPECT_TRUE(boxes.m_texts.empty());
        }
    }
}

TEST(CardFile, DamagedGraphsRaiseTheArchiveExceptions)
{
    Bytes good = CByteBuilder()
        .Header()
        .NewClass("C_QivCategory").Str("R").Null().Dword(0).Word(0)
            .NewClass("C_QivEntry").Str("e").Null().Dword(0).Word(0).Dword(4).Raw("text")
            .Dword(0)
        .Get();
    ASSERT_EQ(-1, ArchiveFailureCause(good));

    struct Case { const char* name; Bytes bytes; int nCause; };
    std::vector<Case> cases = {
        { "unknown class",
          CByteBuilder().Header().NewClass("C_QivThing").Str("R").Get(),
          CArchiveException::badClass },
        { "root not a category",
          CByteBuilder().Header().NewClass("C_QivEntry").Str("R").Get(),
          CArchiveException::badClass },
        { "class of another family",
          CByteBuilder().Header().NewClass("CStringList").Word(0).Get(),
          CArchiveException::badClass },
        { "wrong schema",
          CByteBuilder().Header().NewClass("C_QivCategory", 1).Str("R").Get(),
          CArchiveException::badSchema },
        { "class index out of range",
          CByteBuilder().Header().NewClass("C_QivCategory").Str("R").KnownClass(9).Get(),
          CArchiveException::badIndex },
        { "reference to an earlier node",
          CByteBuilder().Header().NewClass("C_QivCategory").Str("R").Word(2).Get(),
          CArchiveException::badIndex },
        { "null root",
          CByteBuilder().Header().Null().Get(),
          CArchiveException::badClass },
        { "text longer than the file",
          CByteBuilder().Header().NewClass("C_QivCategory").Str("R").Null().Dword(0).Word(0)
              .NewClass("C_QivEntry").Str("e").Null().Dword(0).Word(0).Dword(0x7FFFFFF0).Raw("text")
              .Get(),
          CArchiveException::endOfFile },
    };
    // Cut anywhere after the magic (shorter files are no card files and
    // are read as 1.0 data, which fails in its own way).
    for (size_t n = 8; n < good.size(); ++n)
        cases.push_back({ "truncated", Bytes(good.begin(), good.begin() + n), CArchiveException::endOfFile });
    for (const Case& c : cases)
        EXPECT_EQ(c.nCause, ArchiveFailureCause(c.bytes)) << c.name << " " << c.bytes.size();
}

// An old file read first must not make later reads misparse: each archive
// follows its own header, and one without a header the current layout.
TEST(CardFile, EachArchiveFollowsItsOwnVersion)
{
    Bytes oldFile = CByteBuilder()
        .NewClass("C_QivCategory").Str("Alt").Null().Null().Get();
    RootPtr old(ReadCardFile(oldFile));
    EXPECT_EQ(0x0001, QivGetLastFormatVersion());

    RootPtr tree(ExampleTree());
    Bytes current = WriteCardFile(tree.get());
    RootPtr again(ReadCardFile(current));
    EXPECT_EQ(current, WriteCardFile(again.get()));

    // A clipboard block: one record in the current layout, no header.
    RootPtr old2(ReadCardFile(oldFile));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(tree->m_pFirstChild);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    std::unique_ptr<CObject> pasted(ar.ReadObject(RUNTIME_CLASS(C_QivItem)));
    C_QivCategory* pA = static_cast<C_QivCategory*>(pasted.get());
    EXPECT_EQ(RGB(1, 2, 3), pA->m_crBackground);
    EXPECT_EQ(1u, pA->m_dwExpanded);
    // The record holds A's next sibling too; it belongs to whoever pastes.
    delete pA->m_pNext;
    pA->m_pNext = nullptr;
}

TEST(CardFile, ReadAndWritePlayTheSound)
{
    CTestShell shell;
    RootPtr root(ExampleTree());
    Bytes bytes = WriteCardFile(root.get());
    RootPtr copy(ReadCardFile(bytes));
    EXPECT_EQ((std::vector<std::string>{ "ProcessComplete", "ProcessComplete" }), shell.m_sounds);
    EXPECT_EQ(0, shell.m_nStoreCalls);
}

// The rich-text tail: the content of the document's view, written after
// the graph and streamed back into the view when read. Unsaved text of the
// shell's editor is first copied into the selected entry, with or without
// a view of the document's own.
TEST(CardFile, TheDocumentViewsContentIsTheTailOfTheFile)
{
    ASSERT_TRUE(::LoadLibraryA("riched20.dll"));
    CTestWindow editor("RichEdit20A", ES_MULTILINE);
    ASSERT_TRUE(editor.m_hWnd);
    ::SetWindowTextA(editor.m_hWnd, "Hallo Welt");
    ::SendMessageA(editor.m_hWnd, EM_SETMODIFY, TRUE, 0);

    CTestShell shell;
    shell.m_hEditor = editor.m_hWnd;
    RootPtr root(new C_QivCategory("Notizen"));
    Bytes bytes = WriteCardFile(root.get(), editor.m_hWnd);
    EXPECT_EQ(1, shell.m_nStoreCalls);
    EXPECT_FALSE(::SendMessageA(editor.m_hWnd, EM_GETMODIFY, 0, 0));
    ASSERT_GT(bytes.size(), 53u);
    std::string tail(bytes.begin() + 53, bytes.end());
    EXPECT_EQ(0u, tail.find("{\\rtf"));
    EXPECT_NE(std::string::npos, tail.find("Hallo Welt"));

    ::SetWindowTextA(editor.m_hWnd, "");
    RootPtr copy(ReadCardFile(bytes, editor.m_hWnd));
    char text[64] = {};
    ::GetWindowTextA(editor.m_hWnd, text, sizeof(text));
    EXPECT_STREQ("Hallo Welt", text);
    EXPECT_FALSE(::SendMessageA(editor.m_hWnd, EM_GETMODIFY, 0, 0));

    // Unmodified editor: nothing is copied into the entry, the tail is still written.
    shell.m_nStoreCalls = 0;
    EXPECT_EQ(bytes.size(), WriteCardFile(root.get(), editor.m_hWnd).size());
    EXPECT_EQ(0, shell.m_nStoreCalls);

    // A document without a view (an export): the editor's unsaved text
    // still goes into its entry, but the file ends after the graph, and
    // reading leaves the editor alone.
    ::SendMessageA(editor.m_hWnd, EM_SETMODIFY, TRUE, 0);
    EXPECT_EQ(53u, WriteCardFile(root.get()).size());
    EXPECT_EQ(1, shell.m_nStoreCalls);
    ::SetWindowTextA(editor.m_hWnd, "bleibt");
    RootPtr again(ReadCardFile(bytes));
    ::GetWindowTextA(editor.m_hWnd, text, sizeof(text));
    EXPECT_STREQ("bleibt", text);
}
