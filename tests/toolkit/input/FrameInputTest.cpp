// The command bars' frame under real keys: every message goes through the
// thread's pre-translation as in the program's own loop, so Alt shows the
// underlines, Alt+letter is taken before the frame sees it, and menus run
// modally at a point return the command chosen by the keyboard.
#include "toolkit/commandbars/FrameWnd.h"

#include "InputTestSupport.h"
#include "framework/ui/WinThread.h"
#include "toolkit/BarTestRes.h"
// Before the toolbar headers: both name the popup expand id.
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

const UINT ID_FIRST = 7101;
const UINT ID_SECOND = 7102;
const UINT ID_SITE_ENTRY = 7103;

class CInputFrame : public CXTPFrameWnd
{
public:
    std::vector<UINT> m_commands;
    int m_nSysChars = 0;
    int m_nContextMenuRequests = 0;
    int m_nFirstContextId = 0;
    HWND m_hWndContextBar = nullptr;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CXTPFrameWnd::OnCommand(wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCHAR)
            ++m_nSysChars;
        if (message == XTP_WM_TOOLBARCONTEXTMENU)
        {
            // The site adds an entry of its own to the toolbar list.
            ++m_nContextMenuRequests;
            m_hWndContextBar = reinterpret_cast<HWND>(wParam);
            CXTPPopupBar* pPopup = reinterpret_cast<CXTPPopupBar*>(lParam);
            m_nFirstContextId = pPopup->GetControl(0) ? pPopup->GetControl(0)->GetID() : 0;
            pPopup->GetControls()->Add(xtpControlButton, ID_SITE_ENTRY)->SetCaption("&Eigenes");
            return 0;
        }
        return CXTPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

struct KeyStroke
{
    WORD wKey;
    BOOL bUp;
};

void InjectKeys(std::initializer_list<KeyStroke> keys)
{
    for (const KeyStroke& key : keys)
        InjectKey(key.wKey, key.bUp);
}

// Presses and releases the key, with the modifier held when one is given.
void Tap(WORD wKey, WORD wModifier = 0)
{
    if (wModifier)
        InjectKey(wModifier, FALSE);
    InjectKeys({{wKey, FALSE}, {wKey, TRUE}});
    if (wModifier)
        InjectKey(wModifier, TRUE);
    PumpTranslated();
}

// Sets the system's keyboard-cue setting for its lifetime (seen by every
// program of the prefix: the old one goes back at the end).
class CKeyboardCuesScope
{
public:
    explicit CKeyboardCuesScope(BOOL bCues)
    {
        ::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &m_bOld, 0);
        ::SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(bCues)), 0);
    }
    ~CKeyboardCuesScope()
    {
        ::SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(m_bOld)), 0);
    }
    CKeyboardCuesScope(const CKeyboardCuesScope&) = delete;
    CKeyboardCuesScope& operator=(const CKeyboardCuesScope&) = delete;

private:
    BOOL m_bOld = TRUE;
};

class FrameInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CInputFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Rahmen", WS_OVERLAPPEDWINDOW, CRect(80, 80, 580, 400),
                                     nullptr, MAKEINTRESOURCEA(IDR_BAR_TEST_MENU)));
        ASSERT_TRUE(m_pFrame->InitCommandBars());
        m_pCommandBars = m_pFrame->GetCommandBars();
        // The test's commands have no handlers: they stay enabled all the same.
        m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
        m_pMenuBar = m_pCommandBars->CreateMenuBar("Menüleiste", IDR_BAR_TEST_MENU);
        ASSERT_NE(nullptr, m_pMenuBar);
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpTranslated();
    }
    void TearDown() override
    {
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }
    // A popup bar of the frame's command bars with two entries.
    CXTPPopupBar* NewPopup()
    {
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(m_pCommandBars);
        pPopup->GetControls()->Add(xtpControlButton, ID_FIRST)->SetCaption("&Erster");
        pPopup->GetControls()->Add(xtpControlButton, ID_SECOND)->SetCaption("&Zweiter");
        return pPopup;
    }
    CPoint FramePoint() const
    {
        CRect rc;
        m_pFrame->GetWindowRect(&rc);
        return rc.CenterPoint();
    }

    CInputFrame* m_pFrame = nullptr;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CXTPMenuBar* m_pMenuBar = nullptr;
};

TEST_F(FrameInputTest, AltShowsTheUnderlinesWhileTheSystemHidesThem)
{
    CKeyboardCuesScope cues(FALSE);
    m_pCommandBars->GetCommandBarsOptions()->SetAccessKeyUnderlineMode(2);
    ASSERT_TRUE(m_pCommandBars->IsAccessKeyTracking());
    ASSERT_FALSE(m_pCommandBars->IsAccessKeysShown());

    InjectKey(VK_MENU, FALSE);
    PumpTranslated();
    EXPECT_TRUE(m_pCommandBars->IsAccessKeysShown());
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
    // Alt alone hands the keyboard to the menu bar, which keeps them shown.
    InjectKey(VK_MENU, TRUE);
    PumpTranslated();
    EXPECT_EQ(1, m_pMenuBar->GetTrackingMode());
    EXPECT_TRUE(m_pCommandBars->IsAccessKeysShown());
    Tap(VK_ESCAPE);
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
    EXPECT_FALSE(m_pCommandBars->IsAccessKeysShown());

    // A key typed with Alt held that nothing takes: the key-up hides them.
    m_pCommandBars->ShowAccessKeyUnderlines(TRUE);
    Tap('Q');
    EXPECT_FALSE(m_pCommandBars->IsAccessKeysShown());
}

TEST_F(FrameInputTest, AltDownMessageShowsTheUnderlinesAndKeyUpHidesThem)
{
    // Underlines that follow the keyboard, hidden now.
    m_pCommandBars->SetAccessKeyTracking(TRUE);
    m_pCommandBars->ShowAccessKeyUnderlines(FALSE);
    MSG msg = {};
    msg.hwnd = m_pFrame->GetSafeHwnd();
    msg.message = WM_SYSKEYDOWN;
    msg.wParam = VK_MENU;
    msg.lParam = 1 | (0x38 << 16);
    // Without the Alt context bit it is no Alt press.
    EXPECT_FALSE(m_pFrame->PreTranslateMessage(&msg));
    EXPECT_FALSE(m_pCommandBars->IsAccessKeysShown());
    msg.lParam |= 1 << 29;
    EXPECT_FALSE(m_pFrame->PreTranslateMessage(&msg));
    EXPECT_TRUE(m_pCommandBars->IsAccessKeysShown());
    // The next key-up takes them away again (a key other than Alt: Alt's
    // own release after it went down alone starts the menu bar's tracking,
    // which keeps them shown).
    msg.message = WM_SYSKEYUP;
    msg.wParam = 'Q';
    msg.lParam = 1 | (0x10 << 16) | (1 << 29);
    EXPECT_FALSE(m_pFrame->PreTranslateMessage(&msg));
    EXPECT_FALSE(m_pCommandBars->IsAccessKeysShown());
}

TEST_F(FrameInputTest, AltAloneOrF10StartTheMenuBarsKeyboardTrackingAndEscEndsIt)
{
    const struct
    {
        const char* pszName;
        WORD wKey;
    } kCases[] = {{"Alt", VK_MENU}, {"F10", VK_F10}};
    for (const auto& c : kCases)
    {
        Tap(c.wKey);
        EXPECT_EQ(1, m_pMenuBar->GetTrackingMode()) << c.pszName;
        EXPECT_EQ(0, m_pMenuBar->GetSelectedIndex()) << c.pszName;
        EXPECT_EQ(-1, m_pMenuBar->GetPopupIndex()) << c.pszName;
        Tap(VK_ESCAPE);
        EXPECT_EQ(0, m_pMenuBar->GetTrackingMode()) << c.pszName;
        EXPECT_EQ(0, XTPMouseManager()->GetTrackCount()) << c.pszName;
    }
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(FrameInputTest, AltLetterOpensItsPopupBeforeTheFrameSeesTheKey)
{
    Tap('B', VK_MENU);
    EXPECT_EQ(1, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(1, m_pMenuBar->GetPopupIndex());
    EXPECT_EQ(2, XTPMouseManager()->GetTrackCount());
    // Taken in the pre-translation: the system never made a menu character.
    EXPECT_EQ(0, m_pFrame->m_nSysChars);
    Tap(VK_ESCAPE);
    EXPECT_EQ(-1, m_pMenuBar->GetPopupIndex());
    Tap(VK_ESCAPE);
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(FrameInputTest, TwoControlsWithOneAccessKeySelectTheFirstWithoutRunningIt)
{
    // "&Datei" comes first; a second "&D" behind it.
    m_pMenuBar->GetControls()->Add(xtpControlButton, ID_FIRST)->SetCaption("&Dokument");
    m_pFrame->RecalcLayout();
    PumpTranslated();
    Tap('D', VK_MENU);
    EXPECT_EQ(1, m_pMenuBar->GetTrackingMode());
    EXPECT_EQ(0, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(-1, m_pMenuBar->GetPopupIndex());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    Tap(VK_ESCAPE);
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
}

TEST_F(FrameInputTest, TrackCommandBarPopupReturnsTheChosenCommand)
{
    const struct
    {
        const char* pszName;
        std::vector<WORD> keys;
        UINT nFlags;
        UINT nResult;
        std::vector<UINT> commands;
    } kCases[] = {
        {"Down, Enter", {VK_DOWN, VK_RETURN}, TPM_RETURNCMD, ID_FIRST, {}},
        {"Down, Down, Enter", {VK_DOWN, VK_DOWN, VK_RETURN}, TPM_RETURNCMD, ID_SECOND, {}},
        {"letter", {'Z'}, TPM_RETURNCMD, ID_SECOND, {}},
        {"Esc", {VK_ESCAPE}, TPM_RETURNCMD, 0, {}},
        {"Down, Enter, run", {VK_DOWN, VK_RETURN}, 0, 1, {ID_FIRST}},
        {"Esc, run", {VK_ESCAPE}, 0, 1, {}},
    };
    for (const auto& c : kCases)
    {
        m_pFrame->m_commands.clear();
        CXTPPopupBar* pPopup = NewPopup();
        // Queued before the menu opens: its own loop reads them.
        for (WORD wKey : c.keys)
            InjectKeys({{wKey, FALSE}, {wKey, TRUE}});
        const CPoint pt = FramePoint();
        const UINT nResult = CXTPCommandBars::TrackCommandBarPopup(pPopup, c.nFlags, pt.x, pt.y);
        EXPECT_EQ(c.nResult, nResult) << c.pszName;
        EXPECT_EQ(0, pPopup->GetTrackingMode()) << c.pszName;
        EXPECT_EQ(nullptr, pPopup->GetSafeHwnd()) << c.pszName;
        PumpTranslated();
        EXPECT_EQ(c.commands, m_pFrame->m_commands) << c.pszName;
        pPopup->InternalRelease();
    }
}

TEST_F(FrameInputTest, QuitDuringAMenuEndsItAndReachesTheOuterLoop)
{
    CXTPPopupBar* pPopup = NewPopup();
    ::PostQuitMessage(7);
    const CPoint pt = FramePoint();
    EXPECT_EQ(0u, CXTPCommandBars::TrackCommandBarPopup(pPopup, TPM_RETURNCMD, pt.x, pt.y));
    EXPECT_EQ(0, pPopup->GetTrackingMode());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
    // The same bar runs its commands again when opened without the flag.
    EXPECT_FALSE(pPopup->IsReturnCommand());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    pPopup->InternalRelease();
}

TEST_F(FrameInputTest, ToolbarsContextMenuShowsWhatTheSiteAddedAndRunsIt)
{
    CXTPToolBar* pToolBar = m_pCommandBars->CreateToolBar("Standard", xtpBarTop);
    ASSERT_NE(nullptr, pToolBar);
    ASSERT_TRUE(pToolBar->LoadToolBar(IDR_BAR_TEST_TOOLBAR, FALSE));
    m_pFrame->RecalcLayout();

    // In customize mode no menu, and the site is not asked.
    m_pCommandBars->SetCustomizeMode(TRUE);
    m_pCommandBars->ShowToolBarsContextMenu(pToolBar, FramePoint());
    EXPECT_EQ(0, m_pFrame->m_nContextMenuRequests);
    m_pCommandBars->SetCustomizeMode(FALSE);

    // The site's entry is the last; End and Return run it.
    InjectKeys({{VK_END, FALSE}, {VK_END, TRUE}, {VK_RETURN, FALSE}, {VK_RETURN, TRUE}});
    m_pCommandBars->ShowToolBarsContextMenu(pToolBar, FramePoint());
    EXPECT_EQ(1, m_pFrame->m_nContextMenuRequests);
    EXPECT_EQ(pToolBar->GetSafeHwnd(), m_pFrame->m_hWndContextBar);
    EXPECT_EQ(static_cast<int>(XTP_ID_TOOLBARS_LIST), m_pFrame->m_nFirstContextId);
    PumpTranslated();
    EXPECT_EQ(std::vector<UINT>{ID_SITE_ENTRY}, m_pFrame->m_commands);
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
}

} // namespace
