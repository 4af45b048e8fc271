#include "QivnotesFixture.h"

#include "QivnotesProcess.h"

#include "model/CardFileStore.h"
#include "model/QivItem.h"
#include "toolkit/input/InputTestSupport.h"

#include <shlwapi.h>

namespace e2e {

namespace {

const char kSettingsKey[] = "Software\\VRNK\\Qivnotes";

void DeleteSettings()
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

void AppendOutline(const C_QivItem* pItem, std::string& text)
{
    text += pItem->m_strTitle.GetString();
    if (!pItem->IsKindOf(RUNTIME_CLASS(C_QivCategory)))
        return;
    text += "{";
    for (const C_QivItem* pChild = static_cast<const C_QivCategory*>(pItem)->m_pFirstChild; pChild;
         pChild = pChild->m_pNext) {
        AppendOutline(pChild, text);
        if (pChild->m_pNext)
            text += ",";
    }
    text += "}";
}

} // namespace

void QivnotesTest::SetUp()
{
    ASSERT_FALSE(QivnotesPath().IsEmpty()) << "QIV_BINARY_DIR is not set";
    DeleteSettings();
    // No splash and no tip: nothing stands between start and window.
    SetSetting("Settings", "ShowSplash", "0");
    SetSettingInt("Tip", "StartUp", 1);
}

void QivnotesTest::TearDown()
{
    DeleteSettings();
}

void QivnotesTest::SetSetting(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszValue)
{
    HKEY hKey = nullptr;
    CString strKey = CString(kSettingsKey) + "\\" + lpszSection;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey,
                                               nullptr));
    ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                     static_cast<DWORD>(strlen(lpszValue) + 1));
    ::RegCloseKey(hKey);
}

void QivnotesTest::SetSettingInt(LPCSTR lpszSection, LPCSTR lpszName, DWORD dwValue)
{
    HKEY hKey = nullptr;
    CString strKey = CString(kSettingsKey) + "\\" + lpszSection;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey,
                                               nullptr));
    ::RegSetValueExA(hKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    ::RegCloseKey(hKey);
}

DWORD QivnotesTest::SettingInt(LPCSTR lpszSection, LPCSTR lpszName)
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

std::string QivnotesTest::SettingString(LPCSTR lpszSection, LPCSTR lpszName)
{
    CString strKey = CString(kSettingsKey) + "\\" + lpszSection;
    char szValue[256] = {};
    DWORD cb = sizeof(szValue) - 1;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return "(missing)";
    DWORD dwType = 0;
    if (::RegQueryValueExA(hKey, lpszName, nullptr, &dwType, reinterpret_cast<BYTE*>(szValue), &cb) != ERROR_SUCCESS
        || dwType != REG_SZ)
        strcpy(szValue, "(missing)");
    ::RegCloseKey(hKey);
    return szValue;
}

CString QivnotesTest::WriteSample(LPCSTR lpszFolder, LPCSTR lpszName)
{
    CString strPath = ScratchFolder(lpszFolder) + "\\" + lpszName;
    CQivCardFileStore store;
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    C_QivCategory* pKitchen = new C_QivCategory("Küche");
    pRoot->m_dwExpanded = 1;
    pKitchen->m_dwExpanded = 1;
    C_QivEntry* pBread = new C_QivEntry("Brot");
    C_QivEntry* pSoup = new C_QivEntry("Suppe");
    static const char kText[] = "Linsen, Möhren";
    pSoup->SetText(kText, sizeof(kText));
    pSoup->m_crBackground = 0x00C0FFEE;
    pSoup->m_lstAttachments.AddTail("rezept.txt");
    pRoot->m_pFirstChild = pKitchen;
    pKitchen->m_pFirstChild = pBread;
    pBread->m_pNext = pSoup;
    store.ReplaceRoot(pRoot);
    store.Save(strPath, FALSE);
    return strPath;
}

CString QivnotesTest::WriteCategory(LPCSTR lpszFolder, LPCSTR lpszName, LPCSTR lpszCategory,
                                   const std::vector<std::pair<std::string, std::string>>& entries)
{
    CString strPath = ScratchFolder(lpszFolder) + "\\" + lpszName;
    CQivCardFileStore store;
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    C_QivCategory* pCategory = new C_QivCategory(lpszCategory);
    pRoot->m_dwExpanded = 1;
    pCategory->m_dwExpanded = 1;
    pRoot->m_pFirstChild = pCategory;
    C_QivItem** ppNext = &pCategory->m_pFirstChild;
    for (const auto& entry : entries) {
        C_QivEntry* pEntry = new C_QivEntry(entry.first.c_str());
        pEntry->SetText(entry.second.c_str(), static_cast<DWORD>(entry.second.size() + 1));
        *ppNext = pEntry;
        ppNext = &pEntry->m_pNext;
    }
    store.ReplaceRoot(pRoot);
    store.Save(strPath, FALSE);
    return strPath;
}

std::unique_ptr<C_QivCategory> QivnotesTest::ReadCardFile(const CString& strPath)
{
    CQivCardFileStore store;
    if (!store.Open(strPath))
        return nullptr;
    return std::unique_ptr<C_QivCategory>(store.DetachRoot());
}

void QivnotesTest::StartInFront(CQivnotesProcess& program, const CString& strFile, const std::string& strPath)
{
    CString strArguments = "\"" + strFile + "\"";
    if (!strPath.empty())
        strArguments += CString(" \"") + strPath.c_str();
    ASSERT_TRUE(program.Start(strArguments));
    if (!strPath.empty()) {
        const std::string strTitle = strPath.substr(strPath.rfind('\\') + 1);
        ASSERT_EQ(strTitle, program.WaitForSelectedTreeText(strTitle));
    }
    ASSERT_TRUE(program.WaitUntilIdle());
    ASSERT_TRUE(MakeForeground(program.MainWindow()));
}

BOOL QivnotesTest::ClickInto(HWND hWnd)
{
    RECT rc;
    return ::GetWindowRect(hWnd, &rc) && ClickAt(POINT{rc.left + 40, rc.top + 8});
}

HWND QivnotesTest::ClickIntoNote(const CQivnotesProcess& program)
{
    HWND hNote = program.FindChild("RichEdit20A");
    return hNote && ClickInto(hNote) ? hNote : nullptr;
}

bool QivnotesTest::WaitForTopMost(const CQivnotesProcess& program, bool bTopMost)
{
    auto reached = [&] {
        const bool bStyle = (::GetWindowLongA(program.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        return bStyle == bTopMost && SettingInt("Settings", "TopMost") == (bTopMost ? 1u : 0u);
    };
    for (int i = 0; i < 50 && !reached(); ++i) {
        ::Sleep(100);
        if (!program.WaitUntilIdle())
            return false;
    }
    return reached();
}

std::string QivnotesTest::SavedOutline(const CString& strPath)
{
    std::unique_ptr<C_QivCategory> root = ReadCardFile(strPath);
    std::string text;
    if (root)
        AppendOutline(root.get(), text);
    return text;
}

} // namespace e2e
