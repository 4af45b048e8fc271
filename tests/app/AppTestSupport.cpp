#include "AppTestSupport.h"

#include "app/SoundEvents.h"
#include "common/CardFileDump.h"
#include "framework/core/Profile.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/TestSeams.h"

#include <stdio.h>
#include <stdlib.h>

#include <string>

namespace
{
const char kTestCompany[] = "VRNK-Tests";
const char kSchemes[] = "AppEvents\\Schemes\\Apps\\Office97";

CAppTestApp theApp;

int UnexpectedMessageBox(const AFX_MESSAGEBOX_REQUEST& request)
{
    ADD_FAILURE() << "unexpected message box: " << static_cast<LPCSTR>(request.strText);
    return IDCANCEL;
}
}

CAppTestApp::CAppTestApp()
    : CWinApp("Qivnotes")
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    SetRegistryKey(kTestCompany);
    CMessageBoxSeam::Install(UnexpectedMessageBox);
}

BOOL CAppTestApp::InitInstance()
{
    return TRUE;
}

CString AppTestSettingsKey()
{
    CString strKey;
    strKey.Format("Software\\%s\\%s", AfxGetApp()->m_pszRegistryKey, AfxGetApp()->m_pszProfileName);
    return strKey;
}

void AppSettingsTest::SetUp()
{
    CAppProfile::DelRegTree(HKEY_CURRENT_USER, AppTestSettingsKey());
    CAppProfile::DelRegTree(HKEY_CURRENT_USER, kSchemes);
    SetSoundEventsOn(true);
}

void AppSettingsTest::TearDown()
{
    CAppProfile::DelRegTree(HKEY_CURRENT_USER, AppTestSettingsKey());
    CAppProfile::DelRegTree(HKEY_CURRENT_USER, kSchemes);
    SetSoundEventsOn(true);
}

void AppSettingsTest::RegisterSoundEvent(LPCSTR lpszEvent, LPCSTR lpszFile)
{
    CString strKey;
    strKey.Format("%s\\Office97-%s\\.current", kSchemes, lpszEvent);
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, 0,
                                               KEY_WRITE, nullptr, &hKey, nullptr));
    ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszFile),
                     static_cast<DWORD>(strlen(lpszFile) + 1));
    ::RegCloseKey(hKey);
}

void AppSettingsTest::WriteSettingString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue)
{
    AfxGetApp()->WriteProfileString(lpszSection, lpszKey, lpszValue);
}

void AppSettingsTest::WriteSettingInt(LPCSTR lpszSection, LPCSTR lpszKey, int nValue)
{
    AfxGetApp()->WriteProfileInt(lpszSection, lpszKey, nValue);
}

DWORD AppSettingsTest::StoredType(LPCSTR lpszSection, LPCSTR lpszKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, AppTestSettingsKey() + "\\" + lpszSection, 0, KEY_READ,
                        &hKey) != ERROR_SUCCESS)
        return 0;
    DWORD dwType = 0;
    if (::RegQueryValueExA(hKey, lpszKey, nullptr, &dwType, nullptr, nullptr) != ERROR_SUCCESS)
        dwType = 0;
    ::RegCloseKey(hKey);
    return dwType;
}

CString SourcePath(LPCSTR lpszRelative)
{
    const char* pszSource = getenv("QIV_SOURCE_DIR");
    if (!pszSource || !*pszSource)
        return CString();
    CString strPath = CString(pszSource) + "/" + lpszRelative;
    strPath.Replace('/', '\\');
    if (strPath[0] == '\\')
        strPath = "Z:" + strPath;
    return strPath;
}

void KeepSavedCardFile(const CString& strPath, C_QivItem* pRoot)
{
    const char* pszBinary = getenv("QIV_BINARY_DIR");
    if (!pszBinary || !*pszBinary)
        return;
    CString strFolder = CString(pszBinary) + "/app-saved";
    strFolder.Replace('/', '\\');
    if (strFolder[0] == '\\')
        strFolder = "Z:" + strFolder;
    ::CreateDirectoryA(strFolder, nullptr);
    // Several saves of one test are told apart by their number.
    static std::string lastTest;
    static int nSave = 0;
    const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
    const std::string test = pInfo ? std::string(pInfo->test_suite_name()) + "." + pInfo->name() : "outside";
    nSave = test == lastTest ? nSave + 1 : 1;
    lastTest = test;
    CString strBase;
    strBase.Format("%s\\%s-%d", strFolder.GetString(), test.c_str(), nSave);
    EXPECT_TRUE(::CopyFileA(strPath, strBase + ".qiv", FALSE)) << strPath.GetString();
    const std::string lines = QivDumpLines(pRoot);
    FILE* pFile = fopen(strBase + ".dump", "wb");
    ASSERT_NE(nullptr, pFile);
    fwrite(lines.data(), 1, lines.size(), pFile);
    fclose(pFile);
}

void PumpAppMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
