#include "framework/core/Profile.h"

#include <gtest/gtest.h>

#include <shlwapi.h>
#include <stdio.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// The registry as the system sees it, read without the profile class.
struct RegValue
{
    LONG lResult = ERROR_FILE_NOT_FOUND;
    DWORD dwType = REG_NONE;
    Bytes data;
};

class ProfileRegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_company.Format("QivProfileTest%lu", ::GetCurrentProcessId());
        m_appPath = "Software\\" + m_company + "\\Qivnotes";
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\" + m_company);
        m_profile.SetRegistryKey(m_company);
        m_profile.SetProfileName("Qivnotes");
    }

    void TearDown() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\" + m_company);
    }

    RegValue Query(LPCSTR section, LPCSTR entry) const
    {
        RegValue value;
        HKEY hKey;
        value.lResult = ::RegOpenKeyExA(HKEY_CURRENT_USER, m_appPath + "\\" + section, 0, KEY_READ, &hKey);
        if (value.lResult != ERROR_SUCCESS)
            return value;
        DWORD dwSize = 0;
        value.lResult = ::RegQueryValueExA(hKey, entry, nullptr, &value.dwType, nullptr, &dwSize);
        if (value.lResult == ERROR_SUCCESS) {
            value.data.resize(dwSize);
            value.lResult = ::RegQueryValueExA(hKey, entry, nullptr, &value.dwType, value.data.data(), &dwSize);
        }
        ::RegCloseKey(hKey);
        return value;
    }

    bool KeyExists(const CString& relativePath) const
    {
        HKEY hKey;
        CString path = relativePath.IsEmpty() ? m_appPath : m_appPath + "\\" + relativePath;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }

    void SetRaw(LPCSTR section, LPCSTR entry, DWORD dwType, const void* pData, DWORD nBytes)
    {
        HKEY hKey;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, m_appPath + "\\" + section, 0, nullptr, 0,
                                    KEY_WRITE, nullptr, &hKey, nullptr), ERROR_SUCCESS);
        EXPECT_EQ(::RegSetValueExA(hKey, entry, 0, dwType, static_cast<const BYTE*>(pData), nBytes),
                  ERROR_SUCCESS);
        ::RegCloseKey(hKey);
    }

    CString m_company;
    CString m_appPath;
    CAppProfile m_profile;
};

Bytes DwordBytes(DWORD dw)
{
    return Bytes{static_cast<BYTE>(dw), static_cast<BYTE>(dw >> 8), static_cast<BYTE>(dw >> 16),
                 static_cast<BYTE>(dw >> 24)};
}

} // namespace

TEST_F(ProfileRegistryTest, IntsAreDwordsAndNegativesRoundTrip)
{
    EXPECT_TRUE(m_profile.UsesRegistry());
    EXPECT_TRUE(m_profile.WriteProfileInt("Settings", "AutoSaveIntervall", 10));
    EXPECT_TRUE(m_profile.WriteProfileInt("Settings", "Minus", -1));

    RegValue ten = Query("Settings", "AutoSaveIntervall");
    ASSERT_EQ(ten.lResult, ERROR_SUCCESS);
    EXPECT_EQ(ten.dwType, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ten.data, DwordBytes(10));
    RegValue minus = Query("Settings", "Minus");
    EXPECT_EQ(minus.dwType, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(minus.data, DwordBytes(0xFFFFFFFF));

    EXPECT_EQ(m_profile.GetProfileInt("Settings", "AutoSaveIntervall", 3), 10u);
    EXPECT_EQ(m_profile.GetProfileInt("Settings", "Minus", 3), 0xFFFFFFFFu);
    EXPECT_EQ(static_cast<int>(m_profile.GetProfileInt("Settings", "Minus", 3)), -1);
    EXPECT_EQ(m_profile.GetProfileInt("Settings", "Missing", -7), static_cast<UINT>(-7));
}

TEST_F(ProfileRegistryTest, StringsAreTerminatedRegSz)
{
    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "AutoOpen", "C:\\Karten\\Übersicht.qiv"));
    RegValue value = Query("Settings", "AutoOpen");
    ASSERT_EQ(value.lResult, ERROR_SUCCESS);
    EXPECT_EQ(value.dwType, static_cast<DWORD>(REG_SZ));
    const char expected[] = "C:\\Karten\\Übersicht.qiv";
    EXPECT_EQ(value.data, Bytes(expected, expected + sizeof(expected)));
    EXPECT_EQ(m_profile.GetProfileString("Settings", "AutoOpen"), expected);

    EXPECT_EQ(m_profile.GetProfileString("Settings", "Missing", "1"), "1");
    EXPECT_EQ(m_profile.GetProfileString("Settings", "Missing"), "");
    EXPECT_EQ(m_profile.GetProfileString("Missing", "Missing", "x"), "x");

    // Strings written by others may lack the terminator or carry junk after it.
    SetRaw("Settings", "Bare", REG_SZ, "abc", 3);
    EXPECT_EQ(m_profile.GetProfileString("Settings", "Bare"), "abc");
    SetRaw("Settings", "Junk", REG_SZ, "ab\0cd", 6);
    EXPECT_EQ(m_profile.GetProfileString("Settings", "Junk"), "ab");

    // Long values are read whole.
    CString longText('z', 100000);
    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "Long", longText));
    CString read = m_profile.GetProfileString("Settings", "Long");
    EXPECT_EQ(read.GetLength(), longText.GetLength());
    EXPECT_TRUE(read == longText);
}

TEST_F(ProfileRegistryTest, BinariesAreRegBinaryAndComeBackAsNewBuffers)
{
    BYTE accel[12] = {0x09, 0, 'N', 0, 0x00, 0xE1, 0x0B, 0, 0x74, 0, 0x10, 0x80};
    EXPECT_TRUE(m_profile.WriteProfileBinary("CommandBars", "Accelerators", accel, sizeof(accel)));
    RegValue value = Query("CommandBars", "Accelerators");
    ASSERT_EQ(value.lResult, ERROR_SUCCESS);
    EXPECT_EQ(value.dwType, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(value.data, Bytes(accel, accel + sizeof(accel)));

    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_profile.GetProfileBinary("CommandBars", "Accelerators", &pData, &nBytes));
    EXPECT_EQ(Bytes(pData, pData + nBytes), Bytes(accel, accel + sizeof(accel)));
    delete[] pData;

    // An empty value exists and has no bytes.
    EXPECT_TRUE(m_profile.WriteProfileBinary("CommandBars", "Empty", nullptr, 0));
    ASSERT_TRUE(m_profile.GetProfileBinary("CommandBars", "Empty", &pData, &nBytes));
    EXPECT_EQ(nBytes, 0u);
    delete[] pData;

    EXPECT_FALSE(m_profile.GetProfileBinary("CommandBars", "Missing", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
    EXPECT_EQ(nBytes, 0u);
}

TEST_F(ProfileRegistryTest, AValueOfAnotherTypeReadsAsTheDefault)
{
    SetRaw("Settings", "IntAsText", REG_SZ, "42", 3);
    SetRaw("Settings", "ShortInt", REG_BINARY, "\x01\x02", 2);
    DWORD dw = 5;
    SetRaw("Settings", "TextAsInt", REG_DWORD, &dw, sizeof(dw));
    SetRaw("Settings", "BlobAsText", REG_SZ, "AB", 3);
    SetRaw("Settings", "Expand", REG_EXPAND_SZ, "%TEMP%", 7);

    EXPECT_EQ(m_profile.GetProfileInt("Settings", "IntAsText", 9), 9u);
    EXPECT_EQ(m_profile.GetProfileInt("Settings", "ShortInt", 9), 9u);
    EXPECT_EQ(m_profile.GetProfileString("Settings", "TextAsInt", "d"), "d");
    EXPECT_EQ(m_profile.GetProfileString("Settings", "Expand", "d"), "d");
    LPBYTE pData = reinterpret_cast<LPBYTE>(1);
    UINT nBytes = 1;
    EXPECT_FALSE(m_profile.GetProfileBinary("Settings", "BlobAsText", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
}

TEST_F(ProfileRegistryTest, DeletingAValueKeepsTheRestOfTheSection)
{
    m_profile.WriteProfileString("Settings", "A", "1");
    m_profile.WriteProfileString("Settings", "B", "2");
    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "A", nullptr));
    EXPECT_EQ(Query("Settings", "A").lResult, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Query("Settings", "B").lResult, ERROR_SUCCESS);
    // Deleting what is not there succeeds and creates nothing.
    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "A", nullptr));
    EXPECT_TRUE(m_profile.WriteProfileString("Nowhere", "A", nullptr));
    EXPECT_FALSE(KeyExists("Nowhere"));
}

TEST_F(ProfileRegistryTest, DeletingASectionRemovesItsSubKeys)
{
    m_profile.WriteProfileString("CommandBars-Controls", "Controls", "x");
    SetRaw("CommandBars-Controls\\Sub\\SubSub", "Deep", REG_SZ, "d", 2);
    SetRaw("CommandBars-Controls\\Other", "Deep", REG_SZ, "d", 2);
    m_profile.WriteProfileString("CommandBars-Options", "Keep", "1");

    EXPECT_TRUE(m_profile.WriteProfileString("CommandBars-Controls", nullptr, nullptr));
    EXPECT_FALSE(KeyExists("CommandBars-Controls"));
    EXPECT_TRUE(KeyExists("CommandBars-Options"));
    EXPECT_EQ(Query("CommandBars-Options", "Keep").lResult, ERROR_SUCCESS);
    // A second deletion finds nothing to do.
    EXPECT_TRUE(m_profile.WriteProfileString("CommandBars-Controls", nullptr, nullptr));
}

TEST_F(ProfileRegistryTest, AMissingSectionNameNeverDeletesTheApplicationKey)
{
    m_profile.WriteProfileString("Settings", "A", "1");
    EXPECT_FALSE(m_profile.WriteProfileString("", nullptr, nullptr));
    EXPECT_FALSE(m_profile.WriteProfileString(nullptr, nullptr, nullptr));
    EXPECT_FALSE(m_profile.WriteProfileInt("", "A", 1));
    EXPECT_EQ(CAppProfile::DelRegTree(HKEY_CURRENT_USER, ""), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_profile.GetSectionKey(""), nullptr);
    EXPECT_TRUE(KeyExists(""));
    EXPECT_EQ(Query("Settings", "A").lResult, ERROR_SUCCESS);
}

TEST_F(ProfileRegistryTest, ReadsCreateNoKeys)
{
    EXPECT_EQ(m_profile.GetProfileInt("Settings", "A", 1), 1u);
    EXPECT_EQ(m_profile.GetProfileString("Settings", "A", "x"), "x");
    EXPECT_FALSE(KeyExists(""));
}

TEST_F(ProfileRegistryTest, AppAndSectionKeysOpenTheRightPlaces)
{
    HKEY hApp = m_profile.GetAppRegistryKey();
    ASSERT_NE(hApp, nullptr);
    EXPECT_TRUE(KeyExists(""));
    HKEY hSection = m_profile.GetSectionKey("Frame");
    ASSERT_NE(hSection, nullptr);
    DWORD dw = 44;
    EXPECT_EQ(::RegSetValueExA(hSection, "Length", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), 4),
              ERROR_SUCCESS);
    EXPECT_EQ(Query("Frame", "Length").data, DwordBytes(44));
    ::RegCloseKey(hSection);

    EXPECT_EQ(CAppProfile::DelRegTree(hApp, "Frame"), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists("Frame"));
    EXPECT_EQ(CAppProfile::DelRegTree(hApp, "Frame"), ERROR_FILE_NOT_FOUND);
    ::RegCloseKey(hApp);

    CAppProfile ini;
    ini.SetProfileName("Qivnotes");
    EXPECT_FALSE(ini.UsesRegistry());
    EXPECT_EQ(ini.GetAppRegistryKey(), nullptr);
    EXPECT_EQ(ini.GetIniPath(), "Qivnotes.INI");
}

namespace {

class ProfileIniTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char dir[MAX_PATH], file[MAX_PATH];
        ::GetTempPathA(MAX_PATH, dir);
        ::GetTempFileNameA(dir, "qiv", 0, file);
        ::DeleteFileA(file);                 // the profile makes the file itself
        m_path = file;
        m_profile.SetRegistryKey(nullptr);
        m_profile.SetProfileName("Qivnotes");
        m_profile.SetIniPath(m_path);
    }

    void TearDown() override
    {
        ::DeleteFileA(m_path);
    }

    // The file's text, read without the profile class.
    std::string FileText() const
    {
        // The system may keep INI writes cached: flush them first.
        ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_path);
        std::string text;
        FILE* f = fopen(m_path, "rb");
        if (!f)
            return text;
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0)
            text.append(buffer, n);
        fclose(f);
        return text;
    }

    CString m_path;
    CAppProfile m_profile;
};

} // namespace

TEST_F(ProfileIniTest, ValuesGoToThePrivateIniFile)
{
    EXPECT_FALSE(m_profile.UsesRegistry());
    EXPECT_TRUE(m_profile.WriteProfileInt("Settings", "Minus", -1));
    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "AutoOpen", "C:\\a.qiv"));
    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "Titel", "Übersicht"));
    BYTE data[] = {0x3C, 0x00, 0xFF};
    EXPECT_TRUE(m_profile.WriteProfileBinary("CommandBars", "Accelerators", data, sizeof(data)));

    std::string text = FileText();
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
    EXPECT_NE(text.find("Minus=-1"), std::string::npos);
    EXPECT_NE(text.find("AutoOpen=C:\\a.qiv"), std::string::npos);
    EXPECT_NE(text.find("Titel=Übersicht"), std::string::npos);      // one byte a letter
    // Two letters a byte, low four bits first.
    EXPECT_NE(text.find("Accelerators=MDAAPP"), std::string::npos);

    EXPECT_EQ(m_profile.GetProfileInt("Settings", "Minus", 5), 0xFFFFFFFFu);
    EXPECT_EQ(m_profile.GetProfileInt("Settings", "Missing", 5), 5u);
    EXPECT_EQ(m_profile.GetProfileString("Settings", "AutoOpen"), "C:\\a.qiv");
    EXPECT_EQ(m_profile.GetProfileString("Settings", "Titel"), "Übersicht");
    EXPECT_EQ(m_profile.GetProfileString("Settings", "Missing", "d"), "d");
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_profile.GetProfileBinary("CommandBars", "Accelerators", &pData, &nBytes));
    EXPECT_EQ(Bytes(pData, pData + nBytes), Bytes(data, data + sizeof(data)));
    delete[] pData;
}

TEST_F(ProfileIniTest, MalformedBinaryTextIsNoValue)
{
    m_profile.WriteProfileString("CommandBars", "Odd", "ABC");
    m_profile.WriteProfileString("CommandBars", "Letters", "AZ");
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    EXPECT_FALSE(m_profile.GetProfileBinary("CommandBars", "Odd", &pData, &nBytes));
    EXPECT_FALSE(m_profile.GetProfileBinary("CommandBars", "Letters", &pData, &nBytes));
    EXPECT_FALSE(m_profile.GetProfileBinary("CommandBars", "Missing", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
}

TEST_F(ProfileIniTest, LongValuesRoundTripWhole)
{
    CString longText;
    for (int i = 0; i < 7000; ++i)
        longText.AppendFormat("%09d|", i);           // 70,000 characters
    ASSERT_GT(longText.GetLength(), 65536);
    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "Long", longText));
    CString read = m_profile.GetProfileString("Settings", "Long");
    EXPECT_EQ(read.GetLength(), longText.GetLength());
    EXPECT_TRUE(read == longText);

    Bytes blob(40000);
    for (size_t i = 0; i < blob.size(); ++i)
        blob[i] = static_cast<BYTE>(i * 7);
    EXPECT_TRUE(m_profile.WriteProfileBinary("CommandBars-Controls", "Controls", blob.data(),
                                             static_cast<UINT>(blob.size())));
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_profile.GetProfileBinary("CommandBars-Controls", "Controls", &pData, &nBytes));
    EXPECT_EQ(nBytes, blob.size());
    EXPECT_TRUE(Bytes(pData, pData + nBytes) == blob);
    delete[] pData;
}

TEST_F(ProfileIniTest, DeletingValuesAndSections)
{
    m_profile.WriteProfileString("Settings", "A", "1");
    m_profile.WriteProfileString("Settings", "B", "2");
    m_profile.WriteProfileString("Frame", "C", "3");

    EXPECT_TRUE(m_profile.WriteProfileString("Settings", "A", nullptr));
    EXPECT_EQ(m_profile.GetProfileString("Settings", "A", "gone"), "gone");
    EXPECT_EQ(m_profile.GetProfileString("Settings", "B"), "2");

    EXPECT_TRUE(m_profile.WriteProfileString("Settings", nullptr, nullptr));
    std::string text = FileText();
    EXPECT_EQ(text.find("[Settings]"), std::string::npos);
    EXPECT_NE(text.find("[Frame]"), std::string::npos);

    EXPECT_FALSE(m_profile.WriteProfileString("", nullptr, nullptr));
    EXPECT_FALSE(m_profile.WriteProfileString(nullptr, nullptr, nullptr));
    EXPECT_EQ(m_profile.GetProfileString("Frame", "C"), "3");
}
