// Shortcut files to a card file or an item, written into a desktop and a
// favourites folder redirected to scratch folders.
#include "CardTreeFixture.h"

#include "app/Shortcut.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>

using namespace apptest;

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Points one of the user's shell folders at a scratch folder for its
// lifetime and puts the old value back.
class CRedirectedFolder
{
public:
    CRedirectedFolder(LPCSTR lpszValue, LPCSTR lpszLeaf) : m_strValue(lpszValue)
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath = CString(szTemp) + lpszLeaf;
        ::CreateDirectoryA(m_strPath, nullptr);
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          &m_hKey, nullptr);
        char szOld[MAX_PATH] = {};
        DWORD cb = sizeof szOld;
        DWORD dwType = 0;
        m_bHadValue = ::RegQueryValueExA(m_hKey, lpszValue, nullptr, &dwType,
                                         reinterpret_cast<BYTE*>(szOld), &cb) == ERROR_SUCCESS;
        m_dwOldType = dwType;
        m_strOld = szOld;
        ::RegSetValueExA(m_hKey, lpszValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_strPath.GetString()),
                         m_strPath.GetLength() + 1);
    }
    ~CRedirectedFolder()
    {
        if (m_bHadValue)
            ::RegSetValueExA(m_hKey, m_strValue, 0, m_dwOldType,
                             reinterpret_cast<const BYTE*>(m_strOld.GetString()), m_strOld.GetLength() + 1);
        else
            ::RegDeleteValueA(m_hKey, m_strValue);
        ::RegCloseKey(m_hKey);
    }
    CString m_strPath;

private:
    CString m_strValue;
    HKEY m_hKey = nullptr;
    BOOL m_bHadValue = FALSE;
    DWORD m_dwOldType = REG_SZ;
    CString m_strOld;
};

struct LinkContents
{
    std::string path, arguments, iconPath;
    int nIcon = -1;
};

LinkContents ReadLink(const CString& strLinkPath)
{
    LinkContents contents;
    IShellLinkA* pLink = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&pLink))))
        return contents;
    IPersistFile* pFile = nullptr;
    if (SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile)))) {
        if (SUCCEEDED(pFile->Load(AfxAnsiToWide(strLinkPath).c_str(), STGM_READ))) {
            char sz[1024] = {};
            pLink->GetPath(sz, sizeof sz, nullptr, 0);
            contents.path = sz;
            sz[0] = 0;
            pLink->GetArguments(sz, sizeof sz);
            contents.arguments = sz;
            sz[0] = 0;
            pLink->GetIconLocation(sz, sizeof sz, &contents.nIcon);
            contents.iconPath = sz;
        }
        pFile->Release();
    }
    pLink->Release();
    return contents;
}

} // namespace

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
        LinkContents link = ReadLink(strLink);
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
