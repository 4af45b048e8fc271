// Shortcut files to a card file or an item, written into a desktop and a
// favourites folder redirected to scratch folders.
#include "CardTreeFixture.h"

#include "app/Shortcut.h"
#include "common/ShellLinks.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>

using namespace apptest;

TEST(Shortcut, ArgumentsAndFileNames)
{
    EXPECT_STREQ("\"C:\\Daten\\Notizen.qiv\"", QivShortcutArguments("C:\\Daten\\Notizen.qiv", "").GetString());
    EXPECT_STREQ("\"C:\\Daten\\Notizen.qiv\" \"Privat\\Notiz",
                 QivShortcutArguments("C:\\Daten\\Notizen.qiv", "Privat\\Notiz").GetString());
    EXPECT_STREQ("a_b_c_d_e_f_g_h_i_j", QivShortcutFileName("a\\b/c:d*e?f\"g<h>i|j", "x").GetString());
    EXPECT_STREQ("Notizen.qiv", QivShortcutFileName("", "Notizen.qiv").GetString());
    EXPECT_STREQ("Über", QivShortcutFileName("Über", "x").GetString());
}

TEST(Shortcut, WritesLinksToItemsAndToTheCardFile)
{
    ::CoInitialize(nullptr);
    CRedirectedFolder desktop("Desktop", "qivtest-desktop");
    CRedirectedFolder favorites("Favorites", "qivtest-favorites");

    C_QivCategory root("Notizen");
    C_QivCategory* pPrivate = AddCategory(&root, "Privat");
    C_QivEntry* pNote = AddEntry(pPrivate, "Notiz");

    QIV_SHORTCUT_REQUEST request;
    request.bFavorites = FALSE;
    request.pRoot = &root;
    request.pItem = pNote;
    request.strCardFile = "C:\\Daten\\Notizen.qiv";
    request.strDocTitle = "Notizen.qiv";
    // An existing program, as the program's own file name always is.
    char szProgram[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    request.strProgram = szProgram;

    struct { BOOL bFavorites; C_QivItem* pItem; CString folder; LPCSTR file; LPCSTR arguments; int nIcon; } const cases[] = {
        { FALSE, pNote, desktop.m_strPath, "Notiz.lnk", "\"C:\\Daten\\Notizen.qiv\" \"Privat\\Notiz", 4 },
        { TRUE, pPrivate, favorites.m_strPath, "Privat.lnk", "\"C:\\Daten\\Notizen.qiv\" \"Privat", 5 },
        { FALSE, &root, desktop.m_strPath, "Notizen.lnk", "\"C:\\Daten\\Notizen.qiv\"", 5 },
        { FALSE, nullptr, desktop.m_strPath, "Notizen.qiv.lnk", "\"C:\\Daten\\Notizen.qiv\"", -1 },
    };
    for (const auto& c : cases) {
        request.bFavorites = c.bFavorites;
        request.pItem = c.pItem;
        CString strLink = QivCreateShortcut(request);
        EXPECT_STREQ(c.folder + "\\" + c.file, strLink.GetString());
        LinkContents link = ReadShellLink(strLink);
        EXPECT_EQ(0, lstrcmpiA(szProgram, link.path.c_str())) << link.path;
        EXPECT_EQ(c.arguments, link.arguments) << c.file;
        if (c.nIcon >= 0) {
            EXPECT_EQ(c.nIcon, link.nIcon) << c.file;
            EXPECT_EQ(0, lstrcmpiA(szProgram, link.iconPath.c_str())) << link.iconPath;
        }
        ::DeleteFileA(strLink);
    }
    ::RemoveDirectoryA(desktop.m_strPath);
    ::RemoveDirectoryA(favorites.m_strPath);
    ::CoUninitialize();
}
