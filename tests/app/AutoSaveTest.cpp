// The save timer: started only when switched on, with the clamped interval;
// each tick saves a modified card file that has a path, and nothing else.
#include "AppTestSupport.h"

#include "app/AutoSave.h"
#include "app/Settings.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/Document.h"
#include "framework/ui/FrameWnd.h"

namespace
{
class AutoSaveTest : public AppSettingsTest
{
protected:
    void SetUp() override
    {
        AppSettingsTest::SetUp();
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "AutoSave", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        AppSettingsTest::TearDown();
    }
    // Takes the frame's waiting messages: how many save commands, how many
    // save-timer ticks.
    void TakeMessages(int& nSaves, int& nTicks)
    {
        nSaves = nTicks = 0;
        MSG msg;
        while (::PeekMessageA(&msg, m_pFrame->GetSafeHwnd(), 0, 0, PM_REMOVE)) {
            if (msg.message == WM_COMMAND && LOWORD(msg.wParam) == ID_FILE_SAVE)
                ++nSaves;
            if (msg.message == WM_TIMER && msg.wParam == kAutoSaveTimerId)
                ++nTicks;
        }
    }

    CFrameWnd* m_pFrame = nullptr;
};

TEST_F(AutoSaveTest, TimerRunsOnlyWhenSwitchedOn)
{
    struct Case
    {
        LPCSTR pszAutoSave;
        bool bRunning;
    };
    const Case cases[] = {{"1", true}, {"0", false}, {"2", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszAutoSave);
        QivSettings::Set(QivSettings::AutoSave, c.pszAutoSave);
        QivSettings::Set(QivSettings::AutoSaveIntervall, 1);
        QivRestartAutoSave(m_pFrame);
        // A running timer is replaced, not doubled: killing it again
        // answers whether it ran.
        EXPECT_EQ(c.bRunning, m_pFrame->KillTimer(kAutoSaveTimerId) != FALSE);
    }
}

TEST_F(AutoSaveTest, TickSavesOnlyAModifiedCardFileWithAPathWhileTheFrameIsFree)
{
    struct Case
    {
        LPCSTR pszWhat;
        BOOL bModified;
        LPCSTR pszPath;
        BOOL bFrameEnabled;
        int nSaves;
    };
    const Case cases[] = {
        {"modified with a path", TRUE, "C:\\Notizen.qiv", TRUE, 1},
        {"unmodified", FALSE, "C:\\Notizen.qiv", TRUE, 0},
        {"never saved", TRUE, "", TRUE, 0},
        {"dialog open", TRUE, "C:\\Notizen.qiv", FALSE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        CDocument document;
        document.SetModifiedFlag(c.bModified);
        if (*c.pszPath)
            document.SetPathName(c.pszPath, FALSE);
        m_pFrame->EnableWindow(c.bFrameEnabled);
        QivOnAutoSaveTimer(m_pFrame, &document);
        int nSaves = 0;
        int nTicks = 0;
        TakeMessages(nSaves, nTicks);
        EXPECT_EQ(c.nSaves, nSaves);
        m_pFrame->EnableWindow(TRUE);
    }
}
} // namespace
