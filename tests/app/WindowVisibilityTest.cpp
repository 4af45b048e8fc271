// Keeping the main window reachable: always on top with its system-menu
// entry, hiding on minimise, hide-or-restore, and the notification-area icon.
#include "AppTestSupport.h"

#include "app/Settings.h"
#include "app/TrayIcon.h"
#include "app/WindowVisibility.h"
#include "app/res/resource.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MessageMap.h"

#include <vector>

namespace
{
class CCommandFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

CString CloseIdText()
{
    CString str;
    str.Format("%u ", SC_CLOSE);
    return str;
}

class WindowVisibilityTest : public AppSettingsTest
{
protected:
    void SetUp() override
    {
        AppSettingsTest::SetUp();
        m_pFrame = new CCommandFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Qivnotes", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        AppSettingsTest::TearDown();
    }
    BOOL IsTopMost() const { return (m_pFrame->GetExStyle() & WS_EX_TOPMOST) != 0; }
    // The system menu's items as "id text" from the topmost entry on (the
    // system may have more after "Close").
    std::vector<CString> SystemMenuTail() const
    {
        std::vector<CString> items;
        CMenu* pMenu = m_pFrame->GetSystemMenu(FALSE);
        for (int i = 0; i < pMenu->GetMenuItemCount(); ++i) {
            UINT nID = pMenu->GetMenuItemID(i);
            CString strText;
            pMenu->GetMenuString(i, strText, MF_BYPOSITION);
            if (nID == kSysCommandTopMost || !items.empty()) {
                CString strItem;
                strItem.Format("%u %s%s", nID, static_cast<LPCSTR>(strText),
                               pMenu->GetMenuState(i, MF_BYPOSITION) & MF_CHECKED ? " (checked)" : "");
                items.push_back(strItem);
            }
        }
        return items;
    }

    CCommandFrame* m_pFrame = nullptr;
};

TEST_F(WindowVisibilityTest, TopMostFollowsTheSettingWithOneSystemMenuEntryBeforeClose)
{
    QivApplyTopMost(m_pFrame);
    EXPECT_FALSE(IsTopMost());
    std::vector<CString> items = SystemMenuTail();
    ASSERT_GE(items.size(), 3u);
    const size_t nItems = items.size();
    EXPECT_STREQ("16 &Immer im Vordergrund", items[0]);
    EXPECT_STREQ("0 ", items[1]);
    EXPECT_EQ(0, items[2].Find(CloseIdText()));

    // The system command toggles the setting and the entry; applying again
    // adds no second entry.
    EXPECT_TRUE(QivHandleSysCommand(m_pFrame, kSysCommandTopMost, TRUE));
    EXPECT_EQ(1, QivSettings::Get(QivSettings::TopMost));
    EXPECT_TRUE(IsTopMost());
    QivApplyTopMost(m_pFrame);
    items = SystemMenuTail();
    ASSERT_EQ(nItems, items.size());
    EXPECT_STREQ("16 &Immer im Vordergrund (checked)", items[0]);

    EXPECT_TRUE(QivHandleSysCommand(m_pFrame, kSysCommandTopMost | 0x000F, TRUE));
    EXPECT_EQ(0, QivSettings::Get(QivSettings::TopMost));
    EXPECT_FALSE(IsTopMost());
}

TEST_F(WindowVisibilityTest, MinimiseHidesOnlyWithAutoHideAndATrayIcon)
{
    struct Case
    {
        LPCSTR pszAutoHide;
        BOOL bTrayIcon;
        BOOL bHandled;
    };
    const Case cases[] = {
        {"1", TRUE, TRUE},
        {"0", TRUE, FALSE},
        {"2", TRUE, FALSE},
        // Hidden without an icon, the window could never come back.
        {"1", FALSE, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszAutoHide);
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        QivSettings::Set(QivSettings::AutoHide, c.pszAutoHide);
        EXPECT_EQ(c.bHandled, QivHandleSysCommand(m_pFrame, SC_MINIMIZE, c.bTrayIcon));
        EXPECT_EQ(!c.bHandled, m_pFrame->IsWindowVisible());
    }
    EXPECT_FALSE(QivHandleSysCommand(m_pFrame, SC_MAXIMIZE, TRUE));
}

TEST_F(WindowVisibilityTest, HideOrRestoreTogglesAndNamesWhatItWillDo)
{
    EXPECT_STREQ("&Verstecken", QivHideRestoreText(m_pFrame));
    QivToggleHideRestore(m_pFrame);
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    EXPECT_STREQ("&Wiederherstellen", QivHideRestoreText(m_pFrame));
    QivToggleHideRestore(m_pFrame);
    EXPECT_TRUE(m_pFrame->IsWindowVisible());

    m_pFrame->ShowWindow(SW_MINIMIZE);
    EXPECT_STREQ("&Wiederherstellen", QivHideRestoreText(m_pFrame));
    QivToggleHideRestore(m_pFrame);
    EXPECT_FALSE(m_pFrame->IsIconic());
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
}

TEST_F(WindowVisibilityTest, TrayIconAddsTipsAndRemovesOnce)
{
    CQivTrayIcon icon;
    EXPECT_FALSE(icon.IsAdded());
    ASSERT_TRUE(icon.Add(m_pFrame));
    EXPECT_TRUE(icon.IsAdded());
    // A title longer than the tip field is cut, not overrun.
    icon.SetTip(CString('x', 200));
    icon.Remove();
    EXPECT_FALSE(icon.IsAdded());
    icon.Remove();
    EXPECT_TRUE(icon.Readd());
    icon.Remove();
}

TEST_F(WindowVisibilityTest, TrayLeftPressOpensAQuickNoteUnlessOneIsOpen)
{
    CQivTrayIcon icon;
    icon.OnCallback(m_pFrame, WM_LBUTTONDOWN, FALSE);
    icon.OnCallback(m_pFrame, WM_LBUTTONDOWN, TRUE);
    icon.OnCallback(m_pFrame, WM_MOUSEMOVE, FALSE);
    icon.OnCallback(m_pFrame, WM_LBUTTONUP, FALSE);
    EXPECT_EQ(std::vector<UINT>{ID_QUICKNOTE}, m_pFrame->m_commands);
}
} // namespace
