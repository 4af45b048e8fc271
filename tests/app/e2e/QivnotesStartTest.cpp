// The real program started as a user starts it: with a card file and the
// path of an entry, or with nothing; its window, tree and stored settings
// read back from outside.
#include "QivnotesProcess.h"

#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {

const char kSettingsKey[] = "Software\\VRNK\\Qivnotes";

void DeleteSettings()
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

void SetSetting(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszValue)
{
    HKEY hKey = nullptr;
    CString strKey = CString(kSettingsKey) + "\\" + lpszSection;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey,
                                               nullptr));
    ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                     static_cast<DWORD>(strlen(lpszValue) + 1));
    ::RegCloseKey(hKey);
}

DWORD SettingInt(LPCSTR lpszSection, LPCSTR lpszName)
{
    CString strKey = CString(kSettingsKey) + "\\" + lpszSection;
    DWORD dwValue = 0xFFFFFFFF;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return dwValue;
    DWORD dwType = 0;
    DWORD cb = sizeof(dwValue);
    if (::RegQueryValueExA(hKey, lpszName, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue), &cb) != ERROR_SUCCESS
        || dwType != REG_DWORD)
        dwValue = 0xFFFFFFFF;
    ::RegCloseKey(hKey);
    return dwValue;
}

class QivnotesStart : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(e2e::QivnotesPath().IsEmpty()) << "QIV_BINARY_DIR is not set";
        DeleteSettings();
        // No splash and no tip: nothing stands between start and window.
        SetSetting("Settings", "ShowSplash", "0");
        HKEY hKey = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, CString(kSettingsKey) + "\\Tip", 0, nullptr, 0, KEY_WRITE, nullptr,
                          &hKey, nullptr);
        DWORD dwOne = 1;
        ::RegSetValueExA(hKey, "StartUp", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwOne), sizeof(dwOne));
        ::RegCloseKey(hKey);
    }
    void TearDown() override { DeleteSettings(); }

    // A card file: root "Notizen" with the open category "Küche" holding the
    // entries "Brot" and "Suppe". Going to an entry changes nothing in it.
    CString WriteSample(LPCSTR lpszFolder)
    {
        CString strPath = e2e::ScratchFolder(lpszFolder) + "\\Rezepte.qiv";
        CQivCardFileStore store;
        C_QivCategory* pRoot = new C_QivCategory("Notizen");
        C_QivCategory* pKitchen = new C_QivCategory("Küche");
        pRoot->m_dwExpanded = 1;
        pKitchen->m_dwExpanded = 1;
        C_QivEntry* pBread = new C_QivEntry("Brot");
        C_QivEntry* pSoup = new C_QivEntry("Suppe");
        pRoot->m_pFirstChild = pKitchen;
        pKitchen->m_pFirstChild = pBread;
        pBread->m_pNext = pSoup;
        store.ReplaceRoot(pRoot);
        store.Save(strPath, FALSE);
        return strPath;
    }
};

TEST_F(QivnotesStart, OpensTheCardFileAndSelectsTheEntryOfThePath)
{
    CString strFile = WriteSample("path");
    e2e::CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
    EXPECT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));
    EXPECT_EQ("Suppe", program.WaitForSelectedTreeText("Suppe"));
    EXPECT_EQ(0, program.Close());
    // The window's place and the tree's width are kept for the next start.
    EXPECT_EQ(225u, SettingInt("Settings", "Splitter"));
    EXPECT_NE(0xFFFFFFFFu, SettingInt("Frame", "Right"));
}

TEST_F(QivnotesStart, WithoutArgumentsStartsANewCardFile)
{
    e2e::CQivnotesProcess program;
    ASSERT_TRUE(program.Start(""));
    EXPECT_TRUE(program.WaitForTitle("Qivnotes - Unbenannt"));
    EXPECT_NE(nullptr, program.FindChild(STATUSCLASSNAMEA));
    EXPECT_EQ(0, program.Close());
}

} // namespace
