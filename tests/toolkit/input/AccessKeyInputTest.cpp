// Access keys of a frame with a menu bar and a toolbar of icon-only buttons
// whose captions share the menus' letters, under real keys: Alt and a menu's
// underlined letter opens that menu, a letter only a hidden caption carries
// runs nothing, a toolbar button that shows its caption still answers its
// letter, and Alt+Space (or Space while the menu bar has the keyboard) opens
// the frame's system menu instead of a beep.
#include "toolkit/commandbars/FrameWnd.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestRes.h"
#include "toolkit/BarTestSupport.h"
#include "toolkit/TestImages.h"
// Before the toolbar headers: both name the popup expand id.
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class CAccessKeyFrame : public CXTPFrameWnd
{
public:
    std::vector<UINT> m_commands;
    // System menus opened. The first idle round of a menu's own loop closes
    // it by Esc, Esc; a menu still open 3 s later is ended by force and counted,
    // so no test waits on a menu.
    int m_nSystemMenus = 0;
    int m_nMenuIdles = 0;
    int m_nMenusEndedByForce = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CXTPFrameWnd::OnCommand(wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam))
                ++m_nSystemMenus;
            break;
        case WM_ENTERMENULOOP:
            SetTimer(kMenuTimeout, 3000, nullptr);
            break;
        case WM_EXITMENULOOP:
            KillTimer(kMenuTimeout);
            break;
        case WM_ENTERIDLE:
            // The first Esc closes the system menu's popup, the second
            // leaves the menu.
            if (wParam == MSGF_MENU && m_nMenuIdles++ == 0)
                for (int i = 0; i < 2; ++i)
                {
                    InjectKey(VK_ESCAPE, FALSE);
                    InjectKey(VK_ESCAPE, TRUE);
                }
            break;
        case WM_TIMER:
            if (wParam == kMenuTimeout)
            {
                KillTimer(kMenuTimeout);
                ++m_nMenusEndedByForce;
                ::EndMenu();
                return 0;
            }
            break;
        default:
            break;
        }
        return CXTPFrameWnd::WindowProc(message, wParam, lParam);
    }

private:
    static const UINT_PTR kMenuTimeout = 4711;
};

void TapWithAlt(char ch)
{
    InjectCharWithAlt(ch);
    PumpTranslated();
}

class AccessKeyInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CAccessKeyFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Rahmen", WS_OVERLAPPEDWINDOW, CRect(80, 80, 580, 400), nullptr,
                                     MAKEINTRESOURCEA(IDR_BAR_TEST_MENU)));
        ASSERT_TRUE(m_pFrame->InitCommandBars());
        m_pCommandBars = m_pFrame->GetCommandBars();
        m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
        m_pMenuBar = m_pCommandBars->CreateMenuBar("Menüleiste", IDR_BAR_TEST_MENU);
        ASSERT_NE(nullptr, m_pMenuBar);

        // Icons for every button: they show their icon, not their caption.
        m_pToolBar = m_pCommandBars->CreateToolBar("Standard", xtpBarTop);
        ASSERT_NE(nullptr, m_pToolBar);
        ASSERT_TRUE(m_pToolBar->LoadToolBar(IDR_BAR_TEST_TOOLBAR, FALSE));
        const struct
        {
            UINT nId;
            const char* pszCaption;
        } kButtons[] = {{ID_BAR_TEST_NEW, "&Neu"},
                        {ID_BAR_TEST_OPEN, "\xD6&ffnen"},
                        {ID_BAR_TEST_SAVE, "&Speichern"},
                        {ID_BAR_TEST_PRINT, "&Drucken"},
                        {ID_BAR_TEST_FIND, "&Suchen"}};
        for (const auto& button : kButtons)
        {
            HICON hIcon = MakeTestIcon(16, 16, [](int, int) { return TestPixel{RGB(0, 0, 255), 255}; });
            m_pCommandBars->GetImageManager()->SetIcon(CXTPImageManagerIconHandle(hIcon), button.nId, 16);
            ::DestroyIcon(hIcon);
            CXTPControl* pButton = m_pToolBar->GetControls()->FindControl(button.nId);
            ASSERT_NE(nullptr, pButton) << button.pszCaption;
            pButton->SetCaption(button.pszCaption);
        }
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpTranslated();
        for (const auto& button : kButtons)
            ASSERT_FALSE(m_pToolBar->GetControls()->FindControl(button.nId)->IsCaptionVisible());
    }
    void TearDown() override
    {
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }

    CAccessKeyFrame* m_pFrame = nullptr;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CXTPMenuBar* m_pMenuBar = nullptr;
    CXTPToolBar* m_pToolBar = nullptr;
};

TEST_F(AccessKeyInputTest, EachMenusLetterOpensItsMenuWhateverTheIconOnlyButtonsAreCalled)
{
    const struct
    {
        char chLetter;
        int nIndex;
        std::vector<int> items;
    } kMenus[] = {
        {'d', 0, {ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_SAVE, ID_BAR_TEST_PRINT, ID_BAR_TEST_APP_EXIT}},
        {'b', 1, {ID_BAR_TEST_FIND, -1}},   // "&Ansichten" opens a sub-menu
        {'s', 2, {ID_BAR_TEST_FIND}},
        {'?', 3, {ID_BAR_TEST_ABOUT}},
    };
    for (const auto& menu : kMenus)
    {
        TapWithAlt(menu.chLetter);
        EXPECT_EQ(menu.nIndex, m_pMenuBar->GetPopupIndex()) << menu.chLetter;
        CXTPControl* pItem = m_pMenuBar->GetControl(menu.nIndex);
        ASSERT_NE(nullptr, pItem);
        CXTPCommandBar* pPopup = pItem->GetCommandBar();
        ASSERT_NE(nullptr, pPopup) << menu.chLetter;
        EXPECT_TRUE(pPopup->GetSafeHwnd() && pPopup->IsWindowVisible()) << menu.chLetter;
        EXPECT_EQ(menu.items, BarControlIds(pPopup)) << menu.chLetter;
        TapTranslated(VK_ESCAPE);
        TapTranslated(VK_ESCAPE);
        EXPECT_EQ(0, m_pMenuBar->GetTrackingMode()) << menu.chLetter;
        EXPECT_EQ(0, XTPMouseManager()->GetTrackCount()) << menu.chLetter;
    }
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(AccessKeyInputTest, HiddenCaptionsTakeNoLetterAndShownOnesDo)
{
    // "Ö&ffnen" shows only its icon: Alt+F finds nothing to run.
    TapWithAlt('f');
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_EQ(0, m_pToolBar->GetTrackingMode());
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());

    // Showing its caption beside the icon gives it its letter back.
    CXTPControl* pOpen = m_pToolBar->GetControls()->FindControl(ID_BAR_TEST_OPEN);
    pOpen->SetStyle(xtpButtonIconAndCaption);
    m_pFrame->RecalcLayout();
    PumpTranslated();
    ASSERT_TRUE(pOpen->IsCaptionVisible());
    TapWithAlt('f');
    EXPECT_EQ(std::vector<UINT>{ID_BAR_TEST_OPEN}, m_pFrame->m_commands);
    TapTranslated(VK_ESCAPE);
}

TEST_F(AccessKeyInputTest, SpaceWithAltOrAfterAltOpensTheSystemMenu)
{
    const struct
    {
        const char* pszName;
        std::function<void()> press;
    } kWays[] = {
        {"Alt+Space", [] { TapWithAlt(' '); }},
        {"Alt, then Space", [] {
             TapTranslated(VK_MENU);
             TapTranslated(VK_SPACE);
         }},
    };
    for (const auto& way : kWays)
    {
        m_pFrame->m_nSystemMenus = 0;
        m_pFrame->m_nMenuIdles = 0;
        m_pFrame->m_nMenusEndedByForce = 0;
        way.press();
        EXPECT_EQ(1, m_pFrame->m_nSystemMenus) << way.pszName;
        EXPECT_GT(m_pFrame->m_nMenuIdles, 0) << way.pszName;
        // Closed by the Esc typed into it, not by force.
        EXPECT_EQ(0, m_pFrame->m_nMenusEndedByForce) << way.pszName;
        EXPECT_EQ(0, m_pMenuBar->GetTrackingMode()) << way.pszName;
        EXPECT_EQ(nullptr, ::GetCapture()) << way.pszName;
    }
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

} // namespace
