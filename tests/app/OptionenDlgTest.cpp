// The options sheet: OK writes the ten settings of both pages in their
// stored forms, Cancel writes none; the interval arrows and the controls
// that follow their check boxes; the banner texts offered.
#include "AppTestSupport.h"

#include "app/OptionenDlg.h"
#include "app/Settings.h"
#include "app/res/resource.h"
#include "framework/ui/AppGlobals.h"

#include <commctrl.h>

namespace
{
using OptionsSheet = AppSettingsTest;

QivViewOptions FrameWindows()
{
    QivViewOptions options;
    options.bStandardBar = TRUE;
    options.bViewBar = FALSE;
    options.bFormatBar = TRUE;
    options.bStatusBar = TRUE;
    options.bBanner = TRUE;
    options.strBannerText = "Qivnotes2000";
    return options;
}

// Sets every control of both pages away from the stored state.
void ChangeEverything(CPropertySheet* pSheet)
{
    pSheet->SetActivePage(0);
    CPropertyPage* pView = pSheet->GetPage(0);
    pView->CheckDlgButton(IDC_BAR_VIEW, BST_CHECKED);
    pView->CheckDlgButton(IDC_TOPMOST, BST_CHECKED);
    pView->SetDlgItemText(IDC_BANNER_TEXT, "Meine Notizen");
    pSheet->SetActivePage(1);
    CPropertyPage* pGeneral = pSheet->GetPage(1);
    pGeneral->CheckDlgButton(IDC_SHOW_SPLASH, BST_UNCHECKED);
    pGeneral->CheckDlgButton(IDC_SHOW_TIPS, BST_UNCHECKED);
    pGeneral->SetDlgItemText(IDC_AUTOOPEN, "C:\\Daten\\Notizen.qiv");
    pGeneral->CheckDlgButton(IDC_AUTOSAVE, BST_CHECKED);
    pGeneral->SetDlgItemText(IDC_AUTOSAVE_MINUTES, "25");
    pGeneral->CheckDlgButton(IDC_BACKUP, BST_CHECKED);
    pGeneral->CheckDlgButton(IDC_AUDIO, BST_UNCHECKED);
    pGeneral->CheckDlgButton(IDC_AUTOHIDE, BST_CHECKED);
}

TEST_F(OptionsSheet, OkWritesTheTenSettingsInTheirStoredForms)
{
    C_OptionenDlg sheet(FrameWindows(), "");
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([](const AFX_PROPERTYSHEET_REQUEST& r) {
        ChangeEverything(r.pSheet);
        return PSBTN_OK;
    });
    ASSERT_EQ(IDOK, sheet.DoModal());

    struct Case
    {
        LPCSTR pszSection;
        LPCSTR pszKey;
        DWORD dwType;
        LPCSTR pszString;
        int nValue;
    };
    const Case cases[] = {
        {"Settings", "ShowSplash", REG_SZ, "0", 0},
        {"Tip", "StartUp", REG_DWORD, nullptr, 1},
        {"Settings", "AutoOpen", REG_SZ, "C:\\Daten\\Notizen.qiv", 0},
        {"Settings", "AutoSave", REG_SZ, "1", 0},
        {"Settings", "AutoSaveIntervall", REG_DWORD, nullptr, 25},
        {"Settings", "Backup", REG_SZ, "1", 0},
        {"Settings", "Audio", REG_SZ, "0", 0},
        {"Settings", "AutoHide", REG_SZ, "1", 0},
        {"Settings", "BannerText", REG_SZ, "Meine Notizen", 0},
        {"Settings", "TopMost", REG_DWORD, nullptr, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszKey);
        EXPECT_EQ(c.dwType, StoredType(c.pszSection, c.pszKey));
        if (c.pszString)
            EXPECT_STREQ(c.pszString, AfxGetApp()->GetProfileString(c.pszSection, c.pszKey, "(fehlt)"));
        else
            EXPECT_EQ(c.nValue, static_cast<int>(AfxGetApp()->GetProfileInt(c.pszSection, c.pszKey, -99)));
    }
    // The bars are the frame's business: they come back from the view page.
    EXPECT_TRUE(sheet.m_ansichtPage.GetViewOptions().bViewBar);
}

TEST_F(OptionsSheet, CancelWritesNothing)
{
    C_OptionenDlg sheet(FrameWindows(), "");
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([](const AFX_PROPERTYSHEET_REQUEST& r) {
        ChangeEverything(r.pSheet);
        return PSBTN_CANCEL;
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, AppTestSettingsKey(), 0, KEY_READ, &hKey));
}

TEST_F(OptionsSheet, StoredSettingsFillTheGeneralPage)
{
    WriteSettingString("Settings", "ShowSplash", "2");
    WriteSettingString("Settings", "AutoSave", "1");
    WriteSettingInt("Settings", "AutoSaveIntervall", 45);
    WriteSettingString("Settings", "Audio", "0");
    WriteSettingInt("Tip", "StartUp", 1);
    C_AllgemeinPageDlg page("");
    // Only "1" counts as checked, also for the splash.
    EXPECT_FALSE(page.m_bShowSplash);
    EXPECT_TRUE(page.m_bAutoSave);
    EXPECT_EQ(45, page.m_nAutoSaveMinutes);
    EXPECT_FALSE(page.m_bAudio);
    EXPECT_FALSE(page.m_bShowTips);
    EXPECT_FALSE(page.m_bBackup);
}

TEST(OptionsInterval, ArrowStepsStayWithinOneToHundredTwenty)
{
    struct Case
    {
        int nEdit;
        int nDelta;
        int nExpected;
    };
    const Case cases[] = {{10, -1, 11}, {10, 1, 9}, {1, 1, 1}, {120, -1, 120}, {0, 1, 120},
                          {500, 1, 120}, {121, 1, 120}, {2, 1, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.nExpected, C_AllgemeinPageDlg::StepInterval(c.nEdit, c.nDelta))
            << c.nEdit << " " << c.nDelta;
}

TEST_F(OptionsSheet, ControlsFollowTheirCheckBoxes)
{
    C_OptionenDlg sheet(FrameWindows(), "");
    BOOL bIntervalAtStart = TRUE;
    BOOL bSpinAtStart = TRUE;
    BOOL bCurrentFileButton = TRUE;
    BOOL bIntervalChecked = FALSE;
    CString strAfterArrow;
    BOOL bBannerBoxUnchecked = TRUE;
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& r) {
        r.pSheet->SetActivePage(1);
        CPropertyPage* pGeneral = r.pSheet->GetPage(1);
        bIntervalAtStart = pGeneral->GetDlgItem(IDC_AUTOSAVE_MINUTES)->IsWindowEnabled();
        bSpinAtStart = pGeneral->GetDlgItem(IDC_AUTOSAVE_SPIN)->IsWindowEnabled();
        bCurrentFileButton = pGeneral->GetDlgItem(IDC_CURRENT_FILE)->IsWindowEnabled();
        pGeneral->CheckDlgButton(IDC_AUTOSAVE, BST_CHECKED);
        pGeneral->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AUTOSAVE, BN_CLICKED),
                              reinterpret_cast<LPARAM>(pGeneral->GetDlgItem(IDC_AUTOSAVE)->GetSafeHwnd()));
        bIntervalChecked = pGeneral->GetDlgItem(IDC_AUTOSAVE_SPIN)->IsWindowEnabled();
        // An arrow step from a typed 130 gives 120.
        pGeneral->SetDlgItemText(IDC_AUTOSAVE_MINUTES, "130");
        NMUPDOWN updown = {};
        updown.hdr.hwndFrom = pGeneral->GetDlgItem(IDC_AUTOSAVE_SPIN)->GetSafeHwnd();
        updown.hdr.idFrom = IDC_AUTOSAVE_SPIN;
        updown.hdr.code = UDN_DELTAPOS;
        updown.iDelta = 1;
        pGeneral->SendMessage(WM_NOTIFY, IDC_AUTOSAVE_SPIN, reinterpret_cast<LPARAM>(&updown));
        pGeneral->GetDlgItemText(IDC_AUTOSAVE_MINUTES, strAfterArrow);

        r.pSheet->SetActivePage(0);
        CPropertyPage* pView = r.pSheet->GetPage(0);
        pView->CheckDlgButton(IDC_BANNER_VISIBLE, BST_UNCHECKED);
        pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BANNER_VISIBLE, BN_CLICKED),
                           reinterpret_cast<LPARAM>(pView->GetDlgItem(IDC_BANNER_VISIBLE)->GetSafeHwnd()));
        bBannerBoxUnchecked = pView->GetDlgItem(IDC_BANNER_TEXT)->IsWindowEnabled();
        return PSBTN_CANCEL;
    });
    sheet.DoModal();
    EXPECT_FALSE(bIntervalAtStart);
    EXPECT_FALSE(bSpinAtStart);
    EXPECT_FALSE(bCurrentFileButton);
    EXPECT_TRUE(bIntervalChecked);
    EXPECT_STREQ("120", strAfterArrow);
    EXPECT_FALSE(bBannerBoxUnchecked);
}

// The registered owner and organisation of the machine are offered beside
// the default text, each once and only when not empty.
TEST_F(OptionsSheet, BannerTextsOfferTheRegisteredNames)
{
    const char kKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0,
                                               KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr));
    // The machine's own values come back at the end.
    std::vector<std::pair<CString, CString>> saved;
    for (LPCSTR lpszName : {"RegisteredOwner", "RegisteredOrganization"})
    {
        char szValue[1025] = {};
        DWORD cbValue = sizeof(szValue) - 1;
        if (::RegQueryValueExA(hKey, lpszName, nullptr, nullptr, reinterpret_cast<LPBYTE>(szValue), &cbValue)
            == ERROR_SUCCESS)
            saved.push_back({lpszName, szValue});
    }
    auto setValue = [&](LPCSTR lpszName, LPCSTR lpszValue) {
        ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                         static_cast<DWORD>(strlen(lpszValue) + 1));
    };
    struct Case
    {
        LPCSTR pszOwner;
        LPCSTR pszOrganization;
        std::vector<CString> expected;
    };
    const Case cases[] = {
        {"", "", {"Qivnotes2000"}},
        {"Erika Mustermann", "Musterfirma GmbH", {"Qivnotes2000", "Erika Mustermann", "Musterfirma GmbH"}},
        {"QIVNOTES2000", "Erika", {"Qivnotes2000", "Erika"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszOwner);
        setValue("RegisteredOwner", c.pszOwner);
        setValue("RegisteredOrganization", c.pszOrganization);
        C_OptionenDlg sheet(FrameWindows(), "");
        std::vector<CString> offered;
        CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& r) {
            CPropertyPage* pView = r.pSheet->GetPage(0);
            const int nCount = static_cast<int>(pView->SendDlgItemMessage(IDC_BANNER_TEXT, CB_GETCOUNT));
            for (int i = 0; i < nCount; ++i)
            {
                char szText[256] = {};
                pView->SendDlgItemMessage(IDC_BANNER_TEXT, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szText));
                offered.push_back(szText);
            }
            return PSBTN_CANCEL;
        });
        sheet.DoModal();
        ASSERT_EQ(c.expected.size(), offered.size());
        for (size_t i = 0; i < offered.size(); ++i)
            EXPECT_STREQ(c.expected[i], offered[i]);
    }
    ::RegDeleteValueA(hKey, "RegisteredOwner");
    ::RegDeleteValueA(hKey, "RegisteredOrganization");
    for (const auto& value : saved)
        setValue(value.first, value.second);
    ::RegCloseKey(hKey);
}
}
