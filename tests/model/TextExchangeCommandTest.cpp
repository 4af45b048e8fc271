#include "model/exchange/ExchangeCommands.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qivtest;
using Titles = std::vector<std::string>;

TEST(TextExchangeCommandTest, ExportWritesTheEditorsTextByExtension)
{
    CTestShell shell;
    CTempFolder folder;
    CShownCardFile card;
    C_QivEntry* entry = NewEntry("e", "alt");
    card.m_root->InsertChild(entry, nullptr);
    card.Show();
    card.Select(card.m_root.get());
    EXPECT_FALSE(QivCanExportText(card.Context()));
    card.Select(entry);
    EXPECT_TRUE(QivCanExportText(card.Context()));

    const std::string rtf = "{\\rtf1 neu\\par zwei}";
    auto editor = [&] { return std::vector<BYTE>(rtf.begin(), rtf.end()); };
    CFileDialogAnswers dialogs({folder.Path("a.DOC"), folder.Path("a.txt"), folder.Path("a.htm")});
    CMessageBoxAnswers boxes;
    QivCommandExportText(card.Context(), editor);
    QivCommandExportText(card.Context(), editor);
    QivCommandExportText(card.Context(), editor);

    EXPECT_EQ(dialogs.m_shown[0].title, "Eintrag exportieren");
    EXPECT_EQ(dialogs.m_shown[0].filter,
              "RichText-Format (*.rtf)|*.rtf|Word Dokument, als RichText (*.doc)|*.doc|"
              "Textdatei (*.txt)|*.txt||");
    EXPECT_EQ(ReadFileBytes(folder.Path("a.DOC")), rtf);
    EXPECT_EQ(ReadFileBytes(folder.Path("a.txt")), "neu\r\nzwei");
    ASSERT_EQ(boxes.m_shown.size(), 1u);
    EXPECT_EQ(boxes.m_shown[0].text, "Sie k\xF6nnen nur in RTF/DOC oder TXT-Dateien exportieren.\n"
                                     "Geben Sie den vollst\xE4ndigen Dateinamen mit Endung an.");
    EXPECT_EQ(boxes.m_shown[0].caption, "Fehler");
    EXPECT_FALSE(FileExists(folder.Path("a.htm")));
    EXPECT_EQ(shell.m_sounds, (std::vector<std::string>{"ProcessComplete", "ProcessComplete"}));
    EXPECT_EQ(card.m_nModified, 0);
}

TEST(TextExchangeCommandTest, ImportMakesASelectedFirstEntry)
{
    CTestShell shell;
    CTempFolder folder;
    WriteFileBytes(folder.Path("Brief.txt"), "Hallo");
    WriteFileBytes(folder.Path("Brief"), "Hallo");
    CShownCardFile card;
    C_QivCategory* privat = new C_QivCategory("Privat");
    C_QivEntry* alt = NewEntry("alt", "x");
    privat->InsertChild(alt, nullptr);
    card.m_root->InsertChild(privat, nullptr);
    card.Show();
    card.Select(alt);

    CFileDialogAnswers dialogs({folder.Path("Brief"), folder.Path("Brief.txt")});
    CMessageBoxAnswers boxes;
    QivCommandImportText(card.Context());
    ASSERT_EQ(boxes.m_shown.size(), 1u);
    EXPECT_EQ(boxes.m_shown[0].text, "Sie haben keine Textdatei ausgew\xE4hlt.");
    EXPECT_EQ(boxes.m_shown[0].caption, "Fehler");
    EXPECT_EQ(card.m_nModified, 0);

    QivCommandImportText(card.Context());
    EXPECT_EQ(dialogs.m_shown[1].title, "Importieren");
    EXPECT_EQ(CShownCardFile::ChainTitles(privat), (Titles{"Brief", "alt"}));
    EXPECT_EQ(card.TreeTitles(privat), (Titles{"Brief", "alt"}));
    EXPECT_EQ(TextOf(static_cast<C_QivEntry*>(privat->m_pFirstChild)), std::string("Hallo\0", 6));
    HTREEITEM hSelected = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(card.m_hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    EXPECT_EQ(hSelected, privat->m_pFirstChild->m_hTreeItem);
    EXPECT_EQ(card.m_nModified, 1);
    EXPECT_EQ(shell.m_sounds, std::vector<std::string>{"ProcessComplete"});
}
