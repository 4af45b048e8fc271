#include "model/exchange/ExchangeCommands.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qivtest;
using Titles = std::vector<std::string>;

TEST(CsvCommandTest, ImportsLinesAndReportsTheCount)
{
    CTestShell shell;
    CTempFolder folder;
    WriteFileBytes(folder.Path("drei.csv"), "Titel;Text\r\neins;1\r\nzwei;2\r\ndrei;3\r\n");
    WriteFileBytes(folder.Path("eins.CSV"), "Titel;Text\r\nvier;4");
    WriteFileBytes(folder.Path("leer.csv"), "Titel;Text\r\n");
    WriteFileBytes(folder.Path("daten.txt"), "Titel;Text\r\nx;y\r\n");
    CShownCardFile card;
    card.m_root->InsertChild(NewEntry("alt"), nullptr);
    card.Show();

    CFileDialogAnswers dialogs({folder.Path("daten.txt"), folder.Path("drei.csv"),
                                folder.Path("eins.CSV"), folder.Path("leer.csv")});
    CMessageBoxAnswers boxes;
    for (int i = 0; i < 4; ++i)
        QivCommandImportCsv(card.Context());

    EXPECT_EQ(dialogs.m_shown[0].title, "CSV-Datei importieren");
    EXPECT_EQ(dialogs.m_shown[0].filter,
              "Komma-getrennte Daten (*.csv)|*.csv|Textdatei (*.txt)|*.txt||");
    ASSERT_EQ(boxes.m_shown.size(), 4u);
    EXPECT_EQ(boxes.m_shown[0].text, "Sie haben keine CSV-Datei ausgew\xE4hlt.");
    EXPECT_EQ(boxes.m_shown[0].caption, "Fehler");
    EXPECT_EQ(boxes.m_shown[0].nType, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes.m_shown[1].text, "Es wurden 3 Eintr\xE4ge importiert.");
    EXPECT_EQ(boxes.m_shown[1].caption, "Hinweis");
    EXPECT_EQ(boxes.m_shown[1].nType, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(boxes.m_shown[2].text, "Es wurde ein Eintrag importiert.");
    EXPECT_EQ(boxes.m_shown[3].text, "Es wurden 0 Eintr\xE4ge importiert.");

    Titles expected = {"vier", "drei", "zwei", "eins", "alt"};
    EXPECT_EQ(CShownCardFile::ChainTitles(card.m_root.get()), expected);
    EXPECT_EQ(card.TreeTitles(card.m_root.get()), expected);
    // Marked modified by the files that brought entries, not by the empty one.
    EXPECT_EQ(card.m_nModified, 2);
    // Drawing is on again, and the target is open.
    EXPECT_TRUE(::SendMessageA(card.m_hTree, TVM_GETITEMSTATE,
                               reinterpret_cast<WPARAM>(card.m_root->m_hTreeItem), TVIS_EXPANDED) &
                TVIS_EXPANDED);
}
