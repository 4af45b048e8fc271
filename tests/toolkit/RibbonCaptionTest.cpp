// The ribbon in the caption of a skinned frame: its caption buttons by the
// frame's state and width, what they do, what the caption answers to a hit
// test, and what a press, a double click or the right button on it asks of
// the frame. The frame's system commands and its system menu are recorded
// (and kept from running) by a hook on the frame.
#include "RibbonTestSupport.h"

#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/commandbars/HookManager.h"
#include "toolkit/commandbars/HookManagerHookAble.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

#include <algorithm>

namespace {

const UINT kPopupSystemMenu = 0x0313;

// What the frame is asked to do; the commands that would start a modal
// loop or close the frame are kept from it.
class CFrameRecorder : public CXTPHookManagerHookAble
{
public:
    struct Message
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> m_messages;
    // The window commands (minimise, maximise, restore, close) reach the
    // frame when set.
    BOOL m_bPassWindowCommands = FALSE;

    int OnHookMessage(HWND /*hWnd*/, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override
    {
        if (nMessage == WM_SYSCOMMAND || nMessage == kPopupSystemMenu || nMessage == WM_CLOSE
            || nMessage == WM_NCCALCSIZE)
            m_messages.push_back({nMessage, wParam, lParam});
        const UINT nCommand = static_cast<UINT>(wParam & 0xFFF0);
        const BOOL bWindowCommand = nCommand == SC_MINIMIZE || nCommand == SC_MAXIMIZE || nCommand == SC_RESTORE
                                    || nCommand == SC_CLOSE;
        if (nMessage == kPopupSystemMenu || nMessage == WM_CLOSE
            || (nMessage == WM_SYSCOMMAND && !(bWindowCommand && m_bPassWindowCommands)))
        {
            lResult = 0;
            return hookHandled;
        }
        return hookNext;
    }
    std::vector<Message> Take(UINT nMessage)
    {
        std::vector<Message> found;
        for (const Message& message : m_messages)
            if (message.nMessage == nMessage)
                found.push_back(message);
        m_messages.clear();
        return found;
    }
};

class RibbonCaptionTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        RibbonTestBase::SetUp();
        CXTPRibbonTab* pStart = m_pRibbon->AddTab("Start");
        AddButton(pStart->AddGroup("Notizen", 1), 100, xtpButtonIconAndCaptionBelow);
        CXTPRibbonTab* pTable = m_pRibbon->AddTab("Tabelle");
        pTable->SetContextColor(xtpRibbonTabContextColorGreen);
        pTable->SetContextCaption("Tabellentools");
        AddButton(pTable->AddGroup("Zeilen", 2), 200, xtpButtonIconAndCaptionBelow);
        m_pRibbon->SelectTab(0);
        m_pRibbon->EnableFrameTheme(TRUE);
        ASSERT_TRUE(m_pRibbon->IsFrameSkinned());
        XTPHookManager()->SetHook(m_pFrame->m_hWnd, &m_recorder);
    }
    void TearDown() override
    {
        XTPHookManager()->RemoveAll(&m_recorder);
        RibbonTestBase::TearDown();
    }
    // The frame's style with the bits set or cleared, then the ribbon laid
    // out at the width.
    void LayoutWithStyle(int nWidth, DWORD dwAdd, DWORD dwRemove)
    {
        m_pFrame->ModifyStyle(dwRemove, dwAdd);
        LayoutAt(nWidth);
    }
    CPoint ScreenPoint(CPoint point) const
    {
        m_pRibbon->ClientToScreen(&point);
        return point;
    }
    // A point of the caption clear of the title, the buttons and the row.
    CPoint FreeCaptionPoint() const
    {
        const CRect rcText = m_pRibbon->GetCaptionTextRect();
        return CPoint(rcText.right - 4, rcText.CenterPoint().y);
    }

    CFrameRecorder m_recorder;
};

struct ButtonCase
{
    const char* pszName;
    int nWidth;
    DWORD dwAdd;
    DWORD dwRemove;
    std::vector<int> commands;   // from the right end leftwards
};

TEST_F(RibbonCaptionTest, CaptionButtonsFollowTheFrameStyleAtEveryWidth)
{
    const ButtonCase cases[] = {
        {"normal", 600, 0, 0, {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE}},
        {"normal wide", 1000, 0, 0, {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE}},
        {"normal narrow", 300, 0, 0, {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE}},
        {"maximised", 600, WS_MAXIMIZE, 0, {SC_CLOSE, SC_RESTORE, SC_MINIMIZE}},
        {"maximised wide", 1000, WS_MAXIMIZE, 0, {SC_CLOSE, SC_RESTORE, SC_MINIMIZE}},
        {"no maximise box", 600, 0, WS_MAXIMIZEBOX, {SC_CLOSE, SC_MINIMIZE}},
        {"no minimise box", 600, 0, WS_MINIMIZEBOX, {SC_CLOSE, SC_MAXIMIZE}},
        {"maximised, no boxes", 600, WS_MAXIMIZE, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, {SC_CLOSE}},
        {"back to normal", 600, 0, 0, {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE}},
    };
    const int nCaption = m_pRibbon->GetRibbonTheme()->GetRibbonCaptionHeight();
    HMENU hSystemMenu = ::GetSystemMenu(m_pFrame->m_hWnd, FALSE);
    for (const ButtonCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        m_pFrame->ModifyStyle(WS_MAXIMIZE, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        LayoutWithStyle(c.nWidth, c.dwAdd, c.dwRemove);
        // The caption reaches over the frame's side borders.
        CRect rcWindow, rcClient;
        m_pFrame->GetWindowRect(&rcWindow);
        m_pFrame->GetClientRect(&rcClient);
        m_pFrame->ClientToScreen(&rcClient);
        EXPECT_EQ(CRect(rcWindow.left - rcClient.left, 0, c.nWidth + rcWindow.right - rcClient.right, nCaption),
                  m_pRibbon->GetCaptionRect());

        // Square buttons from the right end, between the caption's top + 4
        // and its bottom - 3; the title keeps left of them.
        const int nSide = nCaption - 7;
        int x = c.nWidth;
        for (int nCommand : c.commands)
        {
            CXTPControl* pButton = m_pRibbon->GetCaptionButton(nCommand);
            ASSERT_NE(nullptr, pButton) << std::hex << nCommand;
            EXPECT_EQ(CRect(x - nSide, 4, x, 4 + nSide), pButton->GetRect()) << std::hex << nCommand;
            EXPECT_TRUE(pButton->IsVisible());
            EXPECT_EQ(pButton, m_pRibbon->GetControls()->HitTest(pButton->GetRect().CenterPoint()));
            EXPECT_EQ(HTNOWHERE, m_pRibbon->HitTestCaption(pButton->GetRect().CenterPoint()));
            // Its tip is the system menu's text of the command, without the keys.
            char szText[128] = {};
            ::GetMenuStringA(hSystemMenu, static_cast<UINT>(nCommand), szText, sizeof(szText), MF_BYCOMMAND);
            CString strTip(szText);
            if (strTip.Find('\t') >= 0)
                strTip = strTip.Left(strTip.Find('\t'));
            EXPECT_FALSE(strTip.IsEmpty());
            EXPECT_EQ(strTip, pButton->GetTooltip());
            EXPECT_TRUE(pButton->GetCaption().IsEmpty());
            x -= nSide;
        }
        for (int nCommand : {SC_CLOSE, SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE})
        {
            if (std::find(c.commands.begin(), c.commands.end(), nCommand) == c.commands.end())
            {
                EXPECT_EQ(nullptr, m_pRibbon->GetCaptionButton(nCommand)) << std::hex << nCommand;
            }
        }
        EXPECT_EQ(x, m_pRibbon->GetCaptionTextRect().right);

        // The caption around them: its top edge sizes, the rest moves; the
        // quick access button and the tab row are no caption.
        EXPECT_EQ(HTCAPTION, m_pRibbon->HitTestCaption(FreeCaptionPoint()));
        EXPECT_EQ(HTTOP, m_pRibbon->HitTestCaption(CPoint(FreeCaptionPoint().x, 2)));
        EXPECT_EQ(HTNOWHERE,
                  m_pRibbon->HitTestCaption(m_pRibbon->GetControlQuickAccess()->GetRect().CenterPoint()));
        EXPECT_EQ(HTNOWHERE, m_pRibbon->HitTestCaption(m_pRibbon->GetTabsRect().CenterPoint()));
        EXPECT_EQ(HTNOWHERE, m_pRibbon->HitTestCaption(CPoint(c.nWidth / 2, nCaption + 1)));
    }
}

TEST_F(RibbonCaptionTest, TheSystemButtonReachesFromTheCaptionIntoTheTabRow)
{
    CXTPControl* pSystemButton = new CFixedSizeButton;
    pSystemButton->SetID(300);
    m_pRibbon->SetSystemButton(pSystemButton);
    LayoutAt(600);
    EXPECT_EQ(CRect(0, 3, 46, 48), pSystemButton->GetRect());
    EXPECT_TRUE(pSystemButton->IsVisible());
    EXPECT_GE(m_pRibbon->GetTabsRect().left, 46);
    EXPECT_EQ(HTNOWHERE, m_pRibbon->HitTestCaption(CPoint(20, 10)));
    EXPECT_EQ(pSystemButton, m_pRibbon->GetControls()->HitTest(CPoint(20, 40)));

    // Without the skin it is a button of the tab row.
    m_pRibbon->EnableFrameTheme(FALSE);
    LayoutAt(600);
    const CRect rcTabRow(0, 0, 600, m_pRibbon->GetTabsHeight());
    EXPECT_EQ(0, pSystemButton->GetRect().left);
    EXPECT_EQ(rcTabRow.top + (rcTabRow.Height() - kIconButton.cy) / 2, pSystemButton->GetRect().top);
    EXPECT_GE(m_pRibbon->GetTabsRect().left, kIconButton.cx);
}

// The frame's client area in window coordinates.
CRect ClientInWindow(CWnd* pFrame)
{
    CRect rcWindow, rcClient;
    pFrame->GetWindowRect(&rcWindow);
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.TopLeft());
    return rcClient;
}

TEST_F(RibbonCaptionTest, TheSkinnedFrameGivesItsCaptionToTheRibbon)
{
    CRect rcWindow;
    m_pFrame->GetWindowRect(&rcWindow);
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME), cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    ASSERT_TRUE(m_pRibbon->GetFrameHook()->IsFrameSkinned());
    // The client area reaches to the window's top; the borders stay.
    EXPECT_EQ(CRect(cxFrame, 0, rcWindow.Width() - cxFrame, rcWindow.Height() - cyFrame), ClientInWindow(m_pFrame));

    // Maximised, the top border lies beyond the screen like the others.
    m_pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    m_pFrame->GetWindowRect(&rcWindow);
    EXPECT_EQ(CRect(cxFrame, cyFrame, rcWindow.Width() - cxFrame, rcWindow.Height() - cyFrame),
              ClientInWindow(m_pFrame));
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pFrame->GetWindowRect(&rcWindow);

    // A hidden ribbon leaves the frame its own caption, and so does the
    // ribbon that lets go of the skin; then the frame has its own shape.
    m_pRibbon->SetVisible(FALSE);
    EXPECT_FALSE(m_pRibbon->GetFrameHook()->IsFrameSkinned());
    EXPECT_GE(ClientInWindow(m_pFrame).top, ::GetSystemMetrics(SM_CYCAPTION));
    m_pRibbon->SetVisible(TRUE);
    EXPECT_EQ(0, ClientInWindow(m_pFrame).top);
    // Too narrow for the ribbon: the frame takes its caption back at its
    // next idle update, and gives it again when the ribbon fits.
    m_pFrame->SetWindowPos(nullptr, 0, 0, 240, rcWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    EXPECT_FALSE(m_pRibbon->GetFrameHook()->IsFrameSkinned());
    Pump();
    EXPECT_GE(ClientInWindow(m_pFrame).top, ::GetSystemMetrics(SM_CYCAPTION));
    m_pFrame->SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    Pump();
    EXPECT_EQ(0, ClientInWindow(m_pFrame).top);
    m_pRibbon->EnableFrameTheme(FALSE);
    EXPECT_GE(ClientInWindow(m_pFrame).top, ::GetSystemMetrics(SM_CYCAPTION));
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, ::GetWindowRgn(m_pFrame->m_hWnd, hRgn));
    ::DeleteObject(hRgn);
}

// A ribbon look that counts the frames it draws.
class CFrameCountingTheme : public CXTPRibbonTheme
{
public:
    void DrawFrame(CDC* pDC, FrameHook* pHook) override
    {
        ++m_nFrames;
        CXTPRibbonTheme::DrawFrame(pDC, pHook);
    }
    int m_nFrames = 0;
};

TEST_F(RibbonCaptionTest, TheFrameThemeDrawsTheSkinnedBorder)
{
    // Under a look that draws no frames the ribbon's own theme does.
    FrameHook* pHook = m_pRibbon->GetFrameHook();
    ASSERT_NE(xtpThemeRibbon, XTPPaintManager()->BaseTheme());
    EXPECT_EQ(static_cast<CXTPOffice2007Theme*>(m_pRibbon->GetRibbonTheme()), pHook->GetFrameTheme());

    CFrameCountingTheme* pTheme = new CFrameCountingTheme;
    SetCurrentPaintManager(pTheme);
    ASSERT_EQ(static_cast<CXTPOffice2007Theme*>(pTheme), pHook->GetFrameTheme());
    m_pFrame->ShowWindow(SW_SHOWNA);
    const struct
    {
        UINT nMessage;
        WPARAM wParam;
    } messages[] = {{WM_NCPAINT, 1}, {WM_NCACTIVATE, TRUE}, {WM_NCACTIVATE, FALSE}};
    for (const auto& message : messages)
    {
        pTheme->m_nFrames = 0;
        const LRESULT nResult = m_pFrame->SendMessage(message.nMessage, message.wParam, 0);
        EXPECT_EQ(1, pTheme->m_nFrames) << std::hex << message.nMessage;
        if (message.nMessage == WM_NCACTIVATE)
        {
            EXPECT_EQ(TRUE, nResult);
            EXPECT_EQ(static_cast<BOOL>(message.wParam), pHook->IsFrameActive());
        }
    }
    // With its own caption back the frame draws itself.
    m_pRibbon->SetVisible(FALSE);
    pTheme->m_nFrames = 0;
    m_pFrame->SendMessage(WM_NCPAINT, 1, 0);
    m_pFrame->SendMessage(WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(0, pTheme->m_nFrames);
    m_pRibbon->SetVisible(TRUE);
    m_pRibbon->EnableFrameTheme(FALSE);
    SetPaintTheme(xtpThemeOffice2000);
}

TEST_F(RibbonCaptionTest, ANewTitleLeavesTheFrameSkinned)
{
    // The system's caption would paint over the ribbon; the text changes
    // all the same and the frame stays skinned.
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pFrame->SetWindowText("Neuer Titel");
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    EXPECT_EQ(CString("Neuer Titel"), strTitle);
    EXPECT_TRUE(m_pFrame->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(0, ClientInWindow(m_pFrame).top);
}

TEST_F(RibbonCaptionTest, CaptionButtonsGoWithTheFrameSkin)
{
    LayoutAt(600);
    ASSERT_NE(nullptr, m_pRibbon->GetCaptionButton(SC_CLOSE));
    m_pRibbon->EnableFrameTheme(FALSE);
    LayoutAt(600);
    for (int nCommand : {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE})
        EXPECT_EQ(nullptr, m_pRibbon->GetCaptionButton(nCommand));
    EXPECT_EQ(HTNOWHERE, m_pRibbon->HitTestCaption(CPoint(300, 10)));
    EXPECT_TRUE(m_pRibbon->GetCaptionRect().IsRectEmpty());
    // Back with the skin.
    m_pRibbon->EnableFrameTheme(TRUE);
    LayoutAt(600);
    EXPECT_NE(nullptr, m_pRibbon->GetCaptionButton(SC_CLOSE));
}

TEST_F(RibbonCaptionTest, ExecutingACaptionButtonHandsItsCommandToTheFrame)
{
    m_recorder.m_bPassWindowCommands = TRUE;
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    LayoutAt(600);

    m_pRibbon->GetCaptionButton(SC_MAXIMIZE)->OnExecute();
    Pump();
    EXPECT_TRUE(m_pFrame->IsZoomed());
    LayoutAt(600);
    ASSERT_NE(nullptr, m_pRibbon->GetCaptionButton(SC_RESTORE));
    EXPECT_EQ(nullptr, m_pRibbon->GetCaptionButton(SC_MAXIMIZE));

    m_pRibbon->GetCaptionButton(SC_RESTORE)->OnExecute();
    Pump();
    EXPECT_FALSE(m_pFrame->IsZoomed());

    LayoutAt(600);
    m_pRibbon->GetCaptionButton(SC_MINIMIZE)->OnExecute();
    Pump();
    EXPECT_TRUE(m_pFrame->IsIconic());
    m_pFrame->ShowWindow(SW_RESTORE);
    Pump();

    m_recorder.m_messages.clear();
    m_pRibbon->GetCaptionButton(SC_CLOSE)->OnExecute();
    Pump();
    const auto commands = m_recorder.m_messages;
    ASSERT_EQ(2u, commands.size());
    EXPECT_EQ(static_cast<UINT>(WM_SYSCOMMAND), commands[0].nMessage);
    EXPECT_EQ(static_cast<WPARAM>(SC_CLOSE), commands[0].wParam);
    EXPECT_EQ(static_cast<UINT>(WM_CLOSE), commands[1].nMessage);
    EXPECT_TRUE(::IsWindow(m_pFrame->m_hWnd));
}

TEST_F(RibbonCaptionTest, APressOnTheCaptionMovesOrSizesTheFrame)
{
    LayoutAt(600);
    const struct
    {
        const char* pszName;
        CPoint point;
        BOOL bMaximized;
        int nCommand;   // 0: none
    } cases[] = {
        {"caption", FreeCaptionPoint(), FALSE, SC_MOVE + HTCAPTION},
        {"top edge", CPoint(FreeCaptionPoint().x, 1), FALSE, SC_SIZE + (HTTOP - 9)},
        {"caption, maximised", FreeCaptionPoint(), TRUE, 0},
        {"top edge, maximised", CPoint(FreeCaptionPoint().x, 1), TRUE, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        m_pFrame->ModifyStyle(c.bMaximized ? 0 : WS_MAXIMIZE, c.bMaximized ? WS_MAXIMIZE : 0);
        m_recorder.m_messages.clear();
        m_pRibbon->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.point.x, c.point.y));
        m_pRibbon->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.point.x, c.point.y));
        const auto commands = m_recorder.Take(WM_SYSCOMMAND);
        if (!c.nCommand)
        {
            EXPECT_TRUE(commands.empty());
            continue;
        }
        ASSERT_EQ(1u, commands.size());
        EXPECT_EQ(static_cast<WPARAM>(c.nCommand), commands[0].wParam);
        const CPoint ptScreen = ScreenPoint(c.point);
        EXPECT_EQ(MAKELPARAM(ptScreen.x, ptScreen.y), commands[0].lParam);
    }
    m_pFrame->ModifyStyle(WS_MAXIMIZE, 0);
}

TEST_F(RibbonCaptionTest, ADoubleClickOnTheCaptionMaximisesOrRestores)
{
    const struct
    {
        const char* pszName;
        DWORD dwAdd;
        DWORD dwRemove;
        int nCommand;   // 0: none
    } cases[] = {
        {"normal", 0, 0, SC_MAXIMIZE},
        {"maximised", WS_MAXIMIZE, 0, SC_RESTORE},
        {"no maximise box", 0, WS_MAXIMIZEBOX, 0},
        {"maximised, no maximise box", WS_MAXIMIZE, WS_MAXIMIZEBOX, SC_RESTORE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        m_pFrame->ModifyStyle(WS_MAXIMIZE, WS_MAXIMIZEBOX);
        LayoutWithStyle(600, c.dwAdd, c.dwRemove);
        m_recorder.m_messages.clear();
        const CPoint point = FreeCaptionPoint();
        m_pRibbon->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        const auto commands = m_recorder.Take(WM_SYSCOMMAND);
        if (!c.nCommand)
        {
            EXPECT_TRUE(commands.empty());
            continue;
        }
        ASSERT_EQ(1u, commands.size());
        EXPECT_EQ(static_cast<WPARAM>(c.nCommand), commands[0].wParam & 0xFFF0);
    }
    m_pFrame->ModifyStyle(WS_MAXIMIZE, WS_MAXIMIZEBOX);
}

TEST_F(RibbonCaptionTest, TheRightButtonOnTheCaptionOpensTheSystemMenuThere)
{
    LayoutAt(600);
    const CPoint point = FreeCaptionPoint();
    m_pRibbon->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    m_pRibbon->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    const auto menus = m_recorder.Take(kPopupSystemMenu);
    ASSERT_EQ(1u, menus.size());
    const CPoint ptScreen = ScreenPoint(point);
    EXPECT_EQ(MAKELPARAM(ptScreen.x, ptScreen.y), menus[0].lParam);

    // Below the caption the right button is the ribbon's own.
    const CPoint ptGroups = m_pRibbon->GetGroupsRect().BottomRight() - CSize(3, 3);
    m_pRibbon->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(ptGroups.x, ptGroups.y));
    EXPECT_TRUE(m_recorder.Take(kPopupSystemMenu).empty());
}

TEST_F(RibbonCaptionTest, AContextHeaderIsNoCaptionAndAPressOnItSelectsItsTab)
{
    m_pFrame->SetWindowText("A");
    LayoutAt(800);
    ASSERT_EQ(1, m_pRibbon->GetContextHeaderCount());
    const CRect rcHeader = m_pRibbon->GetContextHeader(0)->m_rcHeader;
    EXPECT_EQ(HTNOWHERE, m_pRibbon->HitTestCaption(rcHeader.CenterPoint()));
    m_pRibbon->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcHeader.CenterPoint().x, rcHeader.CenterPoint().y));
    m_pRibbon->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcHeader.CenterPoint().x, rcHeader.CenterPoint().y));
    EXPECT_EQ(m_pRibbon->GetTab(1), m_pRibbon->GetSelectedTab());
    EXPECT_TRUE(m_recorder.Take(WM_SYSCOMMAND).empty());
}

TEST_F(RibbonCaptionTest, TheTitleStaysClearOfTheContextHeaders)
{
    LayoutAt(800);
    ASSERT_EQ(1, m_pRibbon->GetContextHeaderCount());
    const CRect rcHeader = m_pRibbon->GetContextHeader(0)->m_rcHeader;
    const CRect rcText = m_pRibbon->GetCaptionTextRect();
    for (int nWidth : {40, 100, rcText.Width() / 2})
    {
        const CRect rcTitle = m_pRibbon->GetCaptionTitleRect(nWidth);
        SCOPED_TRACE(nWidth);
        EXPECT_TRUE(rcTitle.right <= rcHeader.left || rcTitle.left >= rcHeader.right)
            << rcTitle.left << ".." << rcTitle.right << " header " << rcHeader.left << ".." << rcHeader.right;
        EXPECT_GE(rcTitle.left, rcText.left);
        EXPECT_LE(rcTitle.right, rcText.right);
    }
    // Without headers the title sits in the middle.
    m_pRibbon->GetTab(1)->SetContextCaption("");
    LayoutAt(800);
    ASSERT_EQ(0, m_pRibbon->GetContextHeaderCount());
    const CRect rcMiddle = m_pRibbon->GetCaptionTitleRect(100);
    EXPECT_EQ((m_pRibbon->GetCaptionTextRect().left + m_pRibbon->GetCaptionTextRect().right - 100) / 2, rcMiddle.left);
    EXPECT_EQ(100, rcMiddle.Width());
}

TEST_F(RibbonCaptionTest, ShowingOrHidingTheRibbonRecalculatesTheFrame)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pRibbon->ShowWindow(SW_SHOW);
    LayoutAt(600);
    Pump();
    m_recorder.m_messages.clear();
    m_pRibbon->SetVisible(FALSE);
    EXPECT_FALSE(m_pRibbon->IsRibbonVisible());
    EXPECT_FALSE(m_recorder.Take(WM_NCCALCSIZE).empty());
    m_pRibbon->SetVisible(TRUE);
    EXPECT_TRUE(m_pRibbon->IsRibbonVisible());
    EXPECT_FALSE(m_recorder.Take(WM_NCCALCSIZE).empty());
    // No change, no recalculation.
    m_pRibbon->ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(m_recorder.Take(WM_NCCALCSIZE).empty());
}

} // namespace
