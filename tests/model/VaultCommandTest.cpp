#include "model/exchange/ExchangeCommands.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qivtest;
using Titles = std::vector<std::string>;

namespace {

std::string OneRecord(const std::string& title, int nRecords)
{
    std::string bytes(reinterpret_cast<const char*>(&nRecords), 4);
    for (int i = 0; i < nRecords; ++i) {
        bytes += static_cast<char>(title.size());
        bytes += title;
        bytes += std::string("\x01\x00", 2) + "###" + "t" + '\0' + "#####";
    }
    return bytes;
}

// Categories first, then titles in byte order.
int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    C_QivItem* a = reinterpret_cast<C_QivItem*>(lParam1);
    C_QivItem* b = reinterpret_cast<C_QivItem*>(lParam2);
    bool ca = a->IsKindOf(RUNTIME_CLASS(C_QivCategory));
    bool cb = b->IsKindOf(RUNTIME_CLASS(C_QivCategory));
    if (ca != cb)
        return ca ? -1 : 1;
    return a->m_strTitle.CompareNoCase(b->m_strTitle);
}

} // namespace

TEST(VaultCommandTest, AsksFirstThenImportsSortsAndReports)
{
    CTestShell shell;
    CTempFolder folder;
    WriteFileBytes(folder.Path("A.vlt"), OneRecord("x", 1));
    WriteFileBytes(folder.Path("B.VLT"), OneRecord("y", 2));
    WriteFileBytes(folder.Path("C.txt"), "");
    CShownCardFile card;
    card.m_root->InsertChild(NewEntry("a-Eintrag"), nullptr);
    card.Show();
    CQivExchangeContext ctx = card.Context();
    ctx.pfnCompareItems = CompareItems;

    CFileDialogAnswers dialogs({folder.Path("C.txt"), folder.Path("A.vlt"), folder.Path("A.vlt"),
                                folder.Path("B.VLT")});
    CMessageBoxAnswers boxes({IDOK, IDCANCEL, IDOK, IDOK, IDOK, IDOK});
    for (int i = 0; i < 3; ++i)
        QivCommandImportVault(ctx);
    card.Select(card.m_root.get());   // the import left its category selected
    QivCommandImportVault(ctx);

    EXPECT_EQ(dialogs.m_shown[0].title, "Importieren");
    EXPECT_EQ(dialogs.m_shown[0].filter, "Vault-Datenbank (*.vlt)|*.vlt||");
    ASSERT_EQ(boxes.m_shown.size(), 6u);
    EXPECT_EQ(boxes.m_shown[0].text, "Sie haben keine Vault-Datei ausgew\xE4hlt.");
    EXPECT_EQ(boxes.m_shown[0].caption, "Fehler");
    const std::string hint = "Damit der Import richtig funktioniert, m\xFCssen Sie zuerst in vault "
                             "alle Kategorien \"aufklappen\" und speichern.";
    EXPECT_EQ(boxes.m_shown[1].text, hint);   // cancelled
    EXPECT_EQ(boxes.m_shown[1].caption, "Hinweis");
    EXPECT_EQ(boxes.m_shown[1].nType, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(boxes.m_shown[2].text, hint);
    EXPECT_EQ(boxes.m_shown[3].text, "Es wurde 1 Eintrag importiert.");
    EXPECT_EQ(boxes.m_shown[3].nType, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(boxes.m_shown[5].text, "Es wurden 2 Eintr\xE4ge importiert.");

    EXPECT_EQ(CShownCardFile::ChainTitles(card.m_root.get()), (Titles{"B.VLT", "A.vlt", "a-Eintrag"}));
    // The tree is sorted, the chain is not.
    EXPECT_EQ(card.TreeTitles(card.m_root.get()), (Titles{"A.vlt", "B.VLT", "a-Eintrag"}));
    HTREEITEM hSelected = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(card.m_hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    EXPECT_EQ(hSelected, card.m_root->m_pFirstChild->m_hTreeItem);
    EXPECT_EQ(card.m_nModified, 2);
    EXPECT_EQ(shell.m_sounds, (std::vector<std::string>{"ProcessComplete", "ProcessComplete"}));
}
