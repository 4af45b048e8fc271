// Two real programs side by side: an item copied in one is pasted in the
// other, and a shortcut one of them makes starts the next on its entry.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "app/res/resource.h"
#include "common/ShellLinks.h"
#include "framework/ui/AfxRes.h"
#include "model/QivItem.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

using e2e::CQivnotesProcess;

class QivnotesTwoPrograms : public e2e::QivnotesTest
{
};

TEST_F(QivnotesTwoPrograms, AnEntryCopiedInOneProgramIsPastedInAnother)
{
    const CString strSource = WriteSample("copy-from");
    const CString strTarget = WriteSample("copy-to", "Ziel.qiv");
    CQivnotesProcess source;
    ASSERT_TRUE(source.Start("\"" + strSource + "\" \"Küche\\Suppe"));
    ASSERT_EQ("Suppe", source.WaitForSelectedTreeText("Suppe"));
    ASSERT_TRUE(source.SendCommand(source.FindChild(WC_TREEVIEWA), ID_EDIT_COPY));

    CQivnotesProcess target;
    ASSERT_TRUE(target.Start("\"" + strTarget + "\" \"Küche"));
    ASSERT_EQ("Küche", target.WaitForSelectedTreeText("Küche"));
    ASSERT_TRUE(target.SendCommand(target.FindChild(WC_TREEVIEWA), ID_EDIT_PASTE));
    // The pasted entry stands first in the category, selected.
    EXPECT_EQ("Suppe", target.WaitForSelectedTreeText("Suppe"));
    ASSERT_TRUE(target.SendCommand(target.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, target.Close());
    EXPECT_EQ(0, source.Close());

    EXPECT_EQ("Notizen{Küche{Suppe,Brot,Suppe}}", SavedOutline(strTarget));
    std::unique_ptr<C_QivCategory> saved = ReadCardFile(strTarget);
    ASSERT_TRUE(saved);
    const C_QivCategory* pKitchen = static_cast<const C_QivCategory*>(saved->m_pFirstChild);
    const C_QivEntry* pPasted = static_cast<const C_QivEntry*>(pKitchen->m_pFirstChild);
    const C_QivEntry* pOriginal = static_cast<const C_QivEntry*>(pPasted->m_pNext->m_pNext);
    // The whole entry crossed: text, colour and attachment.
    ASSERT_EQ(pOriginal->m_nTextLength, pPasted->m_nTextLength);
    EXPECT_EQ(0, memcmp(pOriginal->m_pText, pPasted->m_pText, pPasted->m_nTextLength));
    EXPECT_EQ(pOriginal->m_crBackground, pPasted->m_crBackground);
    ASSERT_EQ(1, pPasted->m_lstAttachments.GetCount());
    EXPECT_STREQ("rezept.txt", pPasted->m_lstAttachments.GetHead().GetString());
}

TEST_F(QivnotesTwoPrograms, AShortcutTheProgramMakesStartsItOnTheEntry)
{
    ::CoInitialize(nullptr);
    CRedirectedFolder desktop("Desktop", "qive2e-desktop");
    const CString strFile = WriteSample("shortcut");
    const CString strLink = desktop.m_strPath + "\\Suppe.lnk";
    ::DeleteFileA(strLink);
    {
        CQivnotesProcess program;
        ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
        ASSERT_EQ("Suppe", program.WaitForSelectedTreeText("Suppe"));
        program.PostCommand(ID_CREATE_SHORTCUT);
        HWND hDialog = program.WaitForDialog();
        ASSERT_NE(nullptr, hDialog);
        // As it opens: on the desktop, to the current entry.
        EXPECT_EQ(BST_CHECKED, ::SendMessageA(::GetDlgItem(hDialog, IDC_LINK_DESKTOP), BM_GETCHECK, 0, 0));
        EXPECT_EQ(BST_CHECKED, ::SendMessageA(::GetDlgItem(hDialog, IDC_LINK_ITEM), BM_GETCHECK, 0, 0));
        ASSERT_TRUE(program.PressButton(hDialog, IDOK));
        EXPECT_EQ(0, program.Close());
    }
    LinkContents link = ReadShellLink(strLink);
    EXPECT_EQ(0, lstrcmpiA(e2e::QivnotesPath(), link.path.c_str())) << link.path;
    EXPECT_EQ(std::string("\"") + strFile.GetString() + "\" \"Küche\\Suppe", link.arguments);
    EXPECT_EQ(4, link.nIcon);

    // Started as the shell starts a shortcut: with its arguments.
    CQivnotesProcess second;
    ASSERT_TRUE(second.Start(link.arguments.c_str()));
    EXPECT_TRUE(second.WaitForTitle("Qivnotes - Rezepte.qiv"));
    EXPECT_EQ("Suppe", second.WaitForSelectedTreeText("Suppe"));
    EXPECT_EQ(0, second.Close());
    ::DeleteFileA(strLink);
    ::CoUninitialize();
}

} // namespace
