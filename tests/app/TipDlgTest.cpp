// The tip of the day: reading the tips file forwards and backwards with its
// comments, the stored reading position and the file's time stamp, and the
// dialog's start-up check box.
#include "AppTestSupport.h"

#include "app/Settings.h"
#include "app/TipDlg.h"
#include "app/TipsFile.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DialogSeams.h"

#include <cstdio>
#include <sys/utime.h>

namespace
{
// A tips file of the test's own in the temporary folder.
class TempTips
{
public:
    explicit TempTips(const char* pszContent)
    {
        char szDir[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, szDir);
        m_strPath.Format("%sqiv-tipps-%lu.txt", szDir, ::GetCurrentProcessId());
        Write(pszContent);
    }
    ~TempTips() { ::DeleteFileA(m_strPath); }

    void Write(const char* pszContent) const
    {
        FILE* pFile = fopen(m_strPath, "wb");
        fputs(pszContent, pFile);
        fclose(pFile);
    }
    void SetModified(time_t t) const
    {
        _utimbuf times = {t, t};
        _utime(m_strPath, &times);
    }
    LPCSTR Path() const { return m_strPath; }

private:
    CString m_strPath;
};

const char kTips[] = "; Kommentar\r\nErster Tipp\r\n\r\n Eingerückt\r\nZweiter Tipp\r\n\tTab\r\nDritter Tipp\r\n";

TEST(TipsFile, ReadsTipLinesForwardsAndBackwardsWithWrap)
{
    TempTips tips(kTips);
    CTipsFile file;
    ASSERT_TRUE(file.Open(tips.Path()));
    const char* forward[] = {"Erster Tipp\n", "Zweiter Tipp\n", "Dritter Tipp\n", "Erster Tipp\n"};
    for (const char* pszTip : forward)
        EXPECT_STREQ(pszTip, file.ReadNextTip());
    // Back from the first tip to the last one, then on backwards.
    const char* backward[] = {"Dritter Tipp\n", "Zweiter Tipp\n", "Erster Tipp\n", "Dritter Tipp\n"};
    for (const char* pszTip : backward)
        EXPECT_STREQ(pszTip, file.ReadPreviousTip());
    EXPECT_STREQ("Erster Tipp\n", file.ReadNextTip());
}

TEST(TipsFile, PositionGoesOnAndAPositionOutsideTheFileReadsTheStart)
{
    TempTips tips("A\nB\nC");
    CTipsFile file;
    ASSERT_TRUE(file.Open(tips.Path()));
    EXPECT_STREQ("A\n", file.ReadNextTip());
    const long nAfterA = file.GetPosition();
    EXPECT_EQ(2, nAfterA);

    const std::pair<long, const char*> cases[] = {{nAfterA, "B\n"}, {4, "C"}, {0, "A\n"},
                                                  {-7, "A\n"}, {1000, "A\n"}, {5, "A\n"}};
    for (const auto& c : cases)
    {
        file.SetPosition(c.first);
        EXPECT_STREQ(c.second, file.ReadNextTip()) << c.first;
    }
}

TEST(TipsFile, FileWithoutTipLineGivesANoteInsteadOfReadingForever)
{
    const char* contents[] = {"; nur Kommentar\n\n \tnichts\n", ""};
    for (const char* pszContent : contents)
    {
        TempTips tips(pszContent);
        CTipsFile file;
        ASSERT_TRUE(file.Open(tips.Path()));
        EXPECT_STREQ("Die Datei 'tipps.txt' enthält keinen Tipp.", file.ReadNextTip());
        EXPECT_STREQ("Die Datei 'tipps.txt' enthält keinen Tipp.", file.ReadPreviousTip());
    }
}

TEST(TipsFile, OverlongLinesAreReadInPieces)
{
    const std::string strLine(1500, 'x');
    TempTips tips((strLine + "\nB\n").c_str());
    CTipsFile file;
    ASSERT_TRUE(file.Open(tips.Path()));
    EXPECT_EQ(CTipsFile::kMaxLine, file.ReadNextTip().GetLength());
    EXPECT_EQ(502, file.ReadNextTip().GetLength());
    EXPECT_STREQ("B\n", file.ReadNextTip());
}

using TipDialog = AppSettingsTest;

TEST_F(TipDialog, ContinuesAtTheStoredPositionUntilTheFileChanges)
{
    TempTips tips(kTips);
    tips.SetModified(1000000000);
    {
        CTipDlg dialog("Tipps & Tricks", nullptr, tips.Path());
        EXPECT_STREQ("Erster Tipp\n", dialog.GetTip());
    }
    {
        CTipDlg dialog("Tipps & Tricks", nullptr, tips.Path());
        EXPECT_STREQ("Zweiter Tipp\n", dialog.GetTip());
    }
    // A new modification time starts at the top again.
    tips.SetModified(1100000000);
    {
        CTipDlg dialog("Tipps & Tricks", nullptr, tips.Path());
        EXPECT_STREQ("Erster Tipp\n", dialog.GetTip());
    }
    EXPECT_FALSE(QivSettings::Get(QivSettings::TipTimeStamp).IsEmpty());
}

TEST_F(TipDialog, MissingFileExplainsWhereTheTipsShouldBe)
{
    CTipDlg dialog("Tipps & Tricks", nullptr, "C:\\gibt-es-nicht\\tipps.txt");
    EXPECT_FALSE(dialog.HasTipsFile());
    EXPECT_STREQ("Die Tipps und Tricks können nicht angezeigt werden, weil die Datei 'tipps.txt' sich "
                 "nicht im gleichen Verzeichnis befindet, wie die Programmdatei.",
                 dialog.GetTip());
}

TEST_F(TipDialog, CloseStoresTheStartUpChoice)
{
    TempTips tips(kTips);
    struct Case
    {
        int nStoredBefore;
        UINT nCheck;
        int nStoredAfter;
    };
    const Case cases[] = {{1, BST_CHECKED, 0}, {0, BST_UNCHECKED, 1}, {0, BST_CHECKED, 0}};
    for (const Case& c : cases)
    {
        WriteSettingInt("Tip", "StartUp", c.nStoredBefore);
        CTipDlg dialog("Willkommen bei Qivnotes2000!", nullptr, tips.Path());
        CString strCaption;
        UINT nCheckShown = 99;
        CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& r) {
            r.pDialog->GetWindowText(strCaption);
            nCheckShown = r.pDialog->IsDlgButtonChecked(IDC_TIP_STARTUP);
            r.pDialog->CheckDlgButton(IDC_TIP_STARTUP, c.nCheck);
            return IDOK;
        });
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_STREQ("Willkommen bei Qivnotes2000!", strCaption);
        EXPECT_EQ(c.nStoredBefore == 0 ? BST_CHECKED : BST_UNCHECKED, nCheckShown);
        EXPECT_EQ(c.nStoredAfter, QivSettings::Get(QivSettings::TipStartUp));
    }
}

TEST_F(TipDialog, CancelStoresNoChoice)
{
    TempTips tips(kTips);
    CTipDlg dialog("Tipps & Tricks", nullptr, tips.Path());
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([](const AFX_MODALDIALOG_REQUEST& r) {
        r.pDialog->CheckDlgButton(IDC_TIP_STARTUP, BST_UNCHECKED);
        return IDCANCEL;
    });
    dialog.DoModal();
    EXPECT_EQ(0, QivSettings::Get(QivSettings::TipStartUp));
}

TEST_F(TipDialog, CommandsStepThroughTipsAndCopy)
{
    TempTips tips(kTips);
    CTipDlg dialog("Tipps & Tricks", nullptr, tips.Path());
    CString strShown;
    CString strClipboard;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& r) {
        r.pDialog->SendMessage(WM_COMMAND, IDC_TIP_NEXT);
        r.pDialog->GetDlgItemText(IDC_TIP_TEXT, strShown);
        r.pDialog->SendMessage(WM_COMMAND, ID_TIP_PREVIOUS);
        r.pDialog->SendMessage(WM_COMMAND, ID_TIP_PREVIOUS);
        r.pDialog->SendMessage(WM_COMMAND, ID_EDIT_COPY);
        if (::OpenClipboard(nullptr))
        {
            if (HANDLE hText = ::GetClipboardData(CF_TEXT))
            {
                strClipboard = static_cast<LPCSTR>(::GlobalLock(hText));
                ::GlobalUnlock(hText);
            }
            ::CloseClipboard();
        }
        return IDCANCEL;
    });
    dialog.DoModal();
    EXPECT_STREQ("Zweiter Tipp\n", strShown);
    EXPECT_STREQ("Dritter Tipp\n", dialog.GetTip());
    EXPECT_STREQ("Dritter Tipp\n", strClipboard);
}

TEST(TipResources, ShippedTipsFileHasTipsInEveryLine)
{
    const CString strPath = SourcePath("app/res/tipps.txt");
    if (strPath.IsEmpty())
        GTEST_SKIP() << "QIV_SOURCE_DIR not set";
    CTipsFile file;
    ASSERT_TRUE(file.Open(strPath));
    int nTips = 0;
    CString strFirst = file.ReadNextTip();
    for (CString strTip = strFirst; nTips < 100; strTip = file.ReadNextTip())
    {
        ++nTips;
        EXPECT_LT(strTip.GetLength(), CTipsFile::kMaxLine);
        if (nTips > 1 && strTip == strFirst)
            break;
    }
    EXPECT_GE(nTips - 1, 25);
}
}
