#include "model/exchange/ExchangeCommands.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace qivtest;

TEST(HtmlExportCommandTest, NothingSelectedDoesNothing)
{
    CShownCardFile card;
    card.m_root->InsertChild(NewEntry("e", "x"), nullptr);
    card.Show();
    card.Select(nullptr);
    CFileDialogAnswers dialogs({});
    QivCommandExportHtml(card.Context());
    QivCommandExportDynamicHtml(card.Context(), SourceFolder("app/res/dhtml"));
    EXPECT_TRUE(dialogs.m_shown.empty());
}

TEST(HtmlExportCommandTest, ChecksTheExtensionThenWritesThePage)
{
    CTestShell shell;
    CTempFolder folder;
    CShownCardFile card;
    C_QivEntry* entry = NewEntry("Eintrag", "Hallo");
    card.m_root->InsertChild(entry, nullptr);
    card.Show();
    card.Select(entry);

    CFileDialogAnswers dialogs({folder.Path("seite.txt"), folder.Path("seite.HTML")});
    CMessageBoxAnswers boxes;
    QivCommandExportHtml(card.Context());
    ASSERT_EQ(boxes.m_shown.size(), 1u);
    EXPECT_EQ(boxes.m_shown[0].text, "Sie k\xF6nnen nur in HTML oder HTM-Dateien exportieren.\n"
                                     "Geben Sie den vollst\xE4ndigen Dateinamen mit Endung an.");
    EXPECT_EQ(boxes.m_shown[0].caption, "Fehler");
    EXPECT_EQ(boxes.m_shown[0].nType, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_FALSE(FileExists(folder.Path("seite.txt")));
    EXPECT_TRUE(shell.m_sounds.empty());

    QivCommandExportHtml(card.Context());
    ASSERT_EQ(dialogs.m_shown.size(), 2u);
    EXPECT_EQ(dialogs.m_shown[1].title, "Eintrag nach HTML exportieren");
    EXPECT_EQ(dialogs.m_shown[1].filter, "HTML-Dokument (*.htm)|*.htm||");
    EXPECT_NE(ReadFileBytes(folder.Path("seite.HTML")).find("<A NAME=1><H1>Eintrag</H1>Hallo<P>"),
              std::string::npos);
    EXPECT_EQ(shell.m_sounds, std::vector<std::string>{"ProcessComplete"});
}
