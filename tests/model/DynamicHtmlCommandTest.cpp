#include "model/exchange/ExchangeCommands.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace qivtest;

TEST(DynamicHtmlCommandTest, ExportsTheCategoryOfTheSelectedEntry)
{
    CTestShell shell;
    CTempFolder folder;
    CShownCardFile card;
    C_QivCategory* reise = new C_QivCategory("Reise");
    C_QivEntry* entry = NewEntry("Br\xFCssel", "x");
    reise->InsertChild(entry, nullptr);
    card.m_root->InsertChild(reise, nullptr);
    card.Show();
    card.Select(entry);

    CFileDialogAnswers dialogs({folder.Path("Reise.htm")});
    QivCommandExportDynamicHtml(card.Context(), SourceFolder("app/res/dhtml"));
    ASSERT_EQ(dialogs.m_shown.size(), 1u);
    EXPECT_EQ(dialogs.m_shown[0].title, "Kategorie nach DynamicHTML exportieren");
    EXPECT_EQ(dialogs.m_shown[0].filter, "DynamicHTML-Dokument (*.htm)|*.htm||");
    EXPECT_EQ(dialogs.m_shown[0].initialName, "Reise");
    EXPECT_NE(ReadFileBytes(folder.Path("Reise.htm"))
                  .find("new Root(\"0\", \"Reise\", DataFolder+\"data.htm#0\", \"Reise\")"),
              std::string::npos);
    EXPECT_TRUE(FileExists(folder.Path("Reise-Dateien\\data.htm")));
    EXPECT_EQ(shell.m_sounds, std::vector<std::string>{"ProcessComplete"});
}
