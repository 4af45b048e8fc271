#include "model/exchange/CardFileExchange.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include "framework/core/Exceptions.h"
#include "model/CardFile.h"
#include "model/ItemWalk.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <memory>
#include <string>

using namespace qivtest;

namespace {

// R { A, B { e1, C { e2 } }, D }; B is expanded, e1 has an attachment.
struct Sample
{
    std::unique_ptr<C_QivCategory> root{new C_QivCategory("R")};
    C_QivItem* a;
    C_QivCategory* b;
    C_QivItem* d;

    Sample()
    {
        b = new C_QivCategory("Archiv");
        C_QivCategory* c = new C_QivCategory("C");
        c->InsertChild(NewEntry("e2", "{\\rtf1 zwei}"), nullptr);
        C_QivEntry* e1 = NewEntry("e1", std::string("eins\0", 5));
        e1->m_lstAttachments.AddTail("C:\\Anlagen\\brief.doc");
        e1->m_crBackground = RGB(1, 2, 3);
        b->InsertChild(c, nullptr);
        b->InsertChild(e1, nullptr);
        b->m_dwExpanded = 1;
        d = NewEntry("D", "d");
        a = NewEntry("A", "a");
        root->InsertChild(d, nullptr);
        root->InsertChild(b, nullptr);
        root->InsertChild(a, nullptr);
    }
};

// The subtree with everything a card file keeps, children in chain order.
std::string Describe(C_QivItem* pItem)
{
    std::string out = pItem->m_strTitle.GetString();
    char colour[16];
    snprintf(colour, sizeof(colour), "#%06lX", static_cast<unsigned long>(pItem->m_crBackground));
    out += colour;
    for (POSITION pos = pItem->m_lstAttachments.GetHeadPosition(); pos;)
        out += " @" + std::string(pItem->m_lstAttachments.GetNext(pos).GetString());
    if (C_QivCategory* c = QivAsCategory(pItem)) {
        out += c->m_dwExpanded ? "+[" : "[";
        for (C_QivItem* p = c->m_pFirstChild; p; p = p->m_pNext)
            out += Describe(p) + (p->m_pNext ? ", " : "");
        out += "]";
    } else if (C_QivEntry* e = QivAsEntry(pItem)) {
        out += "=" + TextOf(e);
    }
    return out;
}

} // namespace

TEST(CardFileExchangeTest, ExportWritesOnlyTheCategorysSubtree)
{
    CTempFolder folder;
    Sample s;
    QivExportCardFile(s.b, folder.Path("archiv.qiv"));
    EXPECT_EQ(s.b->m_pNext, s.d);
    EXPECT_EQ(s.a->m_pNext, s.b);

    // The same bytes as a card file whose root is the category alone.
    s.b->m_pNext = nullptr;
    Bytes alone = WriteCardFile(s.b);
    s.b->m_pNext = s.d;
    std::string file = ReadFileBytes(folder.Path("archiv.qiv"));
    EXPECT_EQ(file, std::string(alone.begin(), alone.end()));
    EXPECT_EQ(file.find("\x01" "D"), std::string::npos);
}

TEST(CardFileExchangeTest, ExportThenImportRoundTripsTheSubtree)
{
    CTempFolder folder;
    Sample s;
    QivExportCardFile(s.b, folder.Path("archiv.qiv"));

    std::unique_ptr<C_QivCategory> imported(QivImportCardFile(folder.Path("archiv.qiv")));
    ASSERT_TRUE(imported);
    EXPECT_EQ(imported->m_pNext, nullptr);
    s.b->m_pNext = nullptr;
    EXPECT_EQ(Describe(imported.get()), Describe(s.b));
    s.b->m_pNext = s.d;

    // Hung into a target it stands first, with its subtree.
    std::unique_ptr<C_QivCategory> target(new C_QivCategory("Ziel"));
    target->InsertChild(NewEntry("alt"), nullptr);
    target->InsertChild(imported.release(), nullptr);
    EXPECT_STREQ(target->m_pFirstChild->m_strTitle, "Archiv");
    EXPECT_STREQ(target->m_pFirstChild->m_pNext->m_strTitle, "alt");
}

TEST(CardFileExchangeTest, ExportStoresUnsavedEditorTextButWritesNoTail)
{
    ASSERT_TRUE(::LoadLibraryA("riched20.dll"));
    CTestWindow editor("RichEdit20A", ES_MULTILINE);
    ASSERT_TRUE(editor.m_hWnd);
    ::SetWindowTextA(editor.m_hWnd, "im Editor");
    ::SendMessageA(editor.m_hWnd, EM_SETMODIFY, TRUE, 0);
    CTestShell shell;
    shell.m_hEditor = editor.m_hWnd;

    CTempFolder folder;
    Sample s;
    QivExportCardFile(s.b, folder.Path("archiv.qiv"));
    EXPECT_EQ(shell.m_nStoreCalls, 1);
    EXPECT_EQ(::SendMessageA(editor.m_hWnd, EM_GETMODIFY, 0, 0), 0);
    EXPECT_EQ(shell.m_sounds, std::vector<std::string>{"ProcessComplete"});
    EXPECT_EQ(&QivGetShellServices(), &shell);

    shell.m_hEditor = nullptr;
    s.b->m_pNext = nullptr;
    Bytes alone = WriteCardFile(s.b);
    s.b->m_pNext = s.d;
    EXPECT_EQ(ReadFileBytes(folder.Path("archiv.qiv")), std::string(alone.begin(), alone.end()));

    // Importing streams nothing into the editor either.
    shell.m_hEditor = editor.m_hWnd;
    std::unique_ptr<C_QivCategory> imported(QivImportCardFile(folder.Path("archiv.qiv")));
    ASSERT_TRUE(imported);
    char text[64] = {};
    ::GetWindowTextA(editor.m_hWnd, text, sizeof(text));
    EXPECT_STREQ(text, "im Editor");
    EXPECT_EQ(&QivGetShellServices(), &shell);
}

TEST(CardFileExchangeTest, FailedExportKeepsTheSiblingLink)
{
    CTestShell shell;
    CTempFolder folder;
    Sample s;
    int nCause = -1;
    try {
        QivExportCardFile(s.b, folder.Path("fehlt\\archiv.qiv"));
    } catch (CFileException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(nCause, CFileException::badPath);
    EXPECT_EQ(s.b->m_pNext, s.d);
    EXPECT_EQ(&QivGetShellServices(), &shell);
}

TEST(CardFileExchangeTest, ImportRefusesWhatIsNoCardFile)
{
    CTempFolder folder;
    WriteFileBytes(folder.Path("text.qiv"), "Das ist nur ein Text.\r\n");
    EXPECT_EQ(QivImportCardFile(folder.Path("text.qiv")), nullptr);
    EXPECT_EQ(QivImportCardFile(folder.Path("fehlt.qiv")), nullptr);

    // Cut short inside the graph.
    Sample s;
    s.b->m_pNext = nullptr;
    Bytes whole = WriteCardFile(s.b);
    s.b->m_pNext = s.d;
    WriteFileBytes(folder.Path("kurz.qiv"), std::string(whole.begin(), whole.begin() + whole.size() / 2));
    EXPECT_EQ(QivImportCardFile(folder.Path("kurz.qiv")), nullptr);

    // A viewer-only file shows its message first.
    CScriptedMessageBoxes boxes({IDOK});
    CByteBuilder viewer;
    viewer.Raw("Qivnotes").Word(0x0A02).Word(1);
    WriteFileBytes(folder.Path("leser.qiv"), std::string(viewer.Get().begin(), viewer.Get().end()));
    EXPECT_EQ(QivImportCardFile(folder.Path("leser.qiv")), nullptr);
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(boxes.m_texts[0], "Diese Datei kann nur mit dem Qivnotes-Reader ge\xF6" "ffnet werden!");
}

TEST(CardFileExchangeTest, ImportDropsSiblingsOfTheRoot)
{
    CTempFolder folder;
    Sample s;
    Bytes bytes = WriteCardFile(s.b);   // B with its sibling D
    WriteFileBytes(folder.Path("geschwister.qiv"), std::string(bytes.begin(), bytes.end()));
    std::unique_ptr<C_QivCategory> imported(QivImportCardFile(folder.Path("geschwister.qiv")));
    ASSERT_TRUE(imported);
    EXPECT_STREQ(imported->m_strTitle, "Archiv");
    EXPECT_EQ(imported->m_pNext, nullptr);
}
