#include "model/exchange/ExchangeCommands.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include "model/exchange/CardFileExchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qivtest;
using Titles = std::vector<std::string>;

namespace {

// Notizen { Archiv { e1 }, Zweite }
struct Sample
{
    CShownCardFile card;
    C_QivCategory* archiv = new C_QivCategory("Archiv");
    C_QivEntry* e1 = NewEntry("e1", "{\\rtf1 eins}");
    C_QivItem* zweite = new C_QivCategory("Zweite");

    Sample()
    {
        archiv->InsertChild(e1, nullptr);
        card.m_root->InsertChild(zweite, nullptr);
        card.m_root->InsertChild(archiv, nullptr);
        card.Show();
    }
};

} // namespace

TEST(CardFileExchangeCommandTest, ExportsTheSelectedEntrysCategory)
{
    CTestShell shell;
    CTempFolder folder;
    Sample s;
    s.card.Select(s.e1);
    CFileDialogAnswers dialogs({folder.Path("archiv.qiv"), folder.Path("archiv.txt")});
    QivCommandExportCardFile(s.card.Context());
    ASSERT_EQ(dialogs.m_shown.size(), 1u);
    EXPECT_FALSE(dialogs.m_shown[0].bOpen);
    EXPECT_EQ(dialogs.m_shown[0].title, "Kategorie 'Archiv' exportieren");
    EXPECT_EQ(dialogs.m_shown[0].filter, "Qivnotes-Datenbank (*.qiv)|*.qiv||");
    EXPECT_EQ(s.archiv->m_pNext, s.zweite);
    EXPECT_EQ(s.card.m_nModified, 0);

    std::unique_ptr<C_QivCategory> back(QivImportCardFile(folder.Path("archiv.qiv")));
    ASSERT_TRUE(back);
    EXPECT_EQ(CShownCardFile::ChainTitles(back.get()), Titles{"e1"});

    // Another extension writes nothing.
    QivCommandExportCardFile(s.card.Context());
    EXPECT_FALSE(FileExists(folder.Path("archiv.txt")));
}

TEST(CardFileExchangeCommandTest, ImportHangsTheCardFileIntoTheTarget)
{
    CTestShell shell;
    CTempFolder folder;
    Sample s;
    QivExportCardFile(s.archiv, folder.Path("archiv.qiv"));
    s.card.Select(s.zweite);

    CFileDialogAnswers dialogs({folder.Path("archiv.qiv")});
    QivCommandImportCardFile(s.card.Context());
    ASSERT_EQ(dialogs.m_shown.size(), 1u);
    EXPECT_TRUE(dialogs.m_shown[0].bOpen);
    EXPECT_EQ(dialogs.m_shown[0].title, "Qivnotes-Datenbank importieren");

    C_QivCategory* zweite = static_cast<C_QivCategory*>(s.zweite);
    EXPECT_EQ(CShownCardFile::ChainTitles(zweite), Titles{"Archiv"});
    EXPECT_EQ(s.card.TreeTitles(zweite), Titles{"Archiv"});
    EXPECT_EQ(s.card.TreeTitles(zweite->m_pFirstChild), Titles{"e1"});
    HTREEITEM hSelected = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(s.card.m_hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    EXPECT_EQ(hSelected, zweite->m_pFirstChild->m_hTreeItem);
    EXPECT_EQ(s.card.m_nModified, 1);
}

TEST(CardFileExchangeCommandTest, NonCardFileGivesTheMessageAndChangesNothing)
{
    CTestShell shell;
    CTempFolder folder;
    Sample s;
    WriteFileBytes(folder.Path("text.qiv"), "Nur ein Text.\r\n");
    s.card.Select(s.archiv);
    CFileDialogAnswers dialogs({folder.Path("text.qiv")});
    CMessageBoxAnswers boxes;
    QivCommandImportCardFile(s.card.Context());
    ASSERT_EQ(boxes.m_shown.size(), 1u);
    EXPECT_EQ(boxes.m_shown[0].text, "Sie k\xF6nnen nur Qivnotes-Dateien importieren,\n"
                                     "die zuletzt mit der Funktion \"exportieren\" gespeichert wurden.");
    EXPECT_EQ(boxes.m_shown[0].caption, "Hinweis");
    EXPECT_EQ(boxes.m_shown[0].nType, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(CShownCardFile::ChainTitles(s.archiv), Titles{"e1"});
    EXPECT_EQ(s.card.TreeTitles(s.archiv), Titles{"e1"});
    EXPECT_EQ(s.card.m_nModified, 0);
}

TEST(CardFileExchangeCommandTest, SalvageShowsTheLengthAndAddsTheNotes)
{
    CTestShell shell;
    Sample s;
    s.card.Select(s.archiv);
    CFileDialogAnswers dialogs({SourceFolder("tests/model/fixtures/exchange") + "two-notes.bin"});
    CMessageBoxAnswers boxes;
    QivCommandImportCardFile(s.card.Context());
    ASSERT_EQ(boxes.m_shown.size(), 1u);
    EXPECT_EQ(boxes.m_shown[0].text, "len=78");
    EXPECT_EQ(CShownCardFile::ChainTitles(s.archiv), (Titles{"M\xFCller", "Einkauf", "e1"}));
    EXPECT_EQ(s.card.TreeTitles(s.archiv), (Titles{"M\xFCller", "Einkauf", "e1"}));
    EXPECT_EQ(s.card.m_nModified, 1);

    CTempFolder folder;
    CFileDialogAnswers missing({folder.Path("fehlt.bin")});
    QivCommandImportCardFile(s.card.Context());
    ASSERT_EQ(boxes.m_shown.size(), 2u);
    EXPECT_EQ(boxes.m_shown[1].text, "Lesefehler.");
    EXPECT_EQ(boxes.m_shown[1].caption, "Hinweis");
}
