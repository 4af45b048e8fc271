// The command bars' frame: WM_CLOSE waits while a customize window is open
// or a customise drag runs; keys reach the shortcut manager's accelerators
// after the frame's own pre-translation, and none while a print preview
// runs. Alt and access keys need the frame in front: the serial input tests
// have them (FrameInputTest).
#include "toolkit/commandbars/FrameWnd.h"

#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/ToolBar.h"

#include <gtest/gtest.h>

namespace {

const UINT IDR_TEST_ACCEL = 7350;   // ShortcutTestRes.rc: F5 runs 0xE102
const UINT ID_REFRESH = 0xE102;

class CTestFrame : public CXTPFrameWnd
{
public:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_nLastCommand = LOWORD(wParam);
        return CXTPFrameWnd::OnCommand(wParam, lParam);
    }
    UINT m_nLastCommand = 0;
};

CTestFrame* NewFrame()
{
    CTestFrame* pFrame = new CTestFrame;
    if (!pFrame->Create(nullptr, "Rahmen", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 300)))
        return nullptr;
    pFrame->InitCommandBars();
    return pFrame;
}

TEST(FrameWnd, CommandBarsWithTheirDockBars)
{
    CTestFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    ASSERT_NE(nullptr, pCommandBars);
    EXPECT_EQ(pFrame, pCommandBars->GetSite());
    for (int i = 0; i < 4; ++i)
        ASSERT_NE(nullptr, pCommandBars->GetDockBar(i));
    EXPECT_EQ(pFrame->GetDlgItem(XTP_ID_DOCKBAR_LEFT), pCommandBars->GetDockBar(2));
    pFrame->DestroyWindow();
}

TEST(FrameWnd, CloseWaitsForTheCustomizing)
{
    const struct
    {
        const char* pszName;
        BOOL bWindow;
        BOOL bDrag;
        BOOL bCloses;
    } kCases[] = {
        {"customize window open", TRUE, FALSE, FALSE},
        {"customise drag running", FALSE, TRUE, FALSE},
        {"neither", FALSE, FALSE, TRUE},
    };
    for (const auto& c : kCases)
    {
        CTestFrame* pFrame = NewFrame();
        ASSERT_NE(nullptr, pFrame);
        HWND hFrame = pFrame->GetSafeHwnd();
        CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
        if (c.bWindow)
            pCommandBars->SetCustomizeWindow(hFrame);
        pCommandBars->SetCustomizeDragRunning(c.bDrag);
        ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(!c.bCloses, ::IsWindow(hFrame) != FALSE) << c.pszName;
        if (::IsWindow(hFrame))
        {
            pCommandBars->SetCustomizeWindow(nullptr);
            pCommandBars->SetCustomizeDragRunning(FALSE);
            // A drag that ends twice leaves nothing running.
            pCommandBars->SetCustomizeDragRunning(FALSE);
            ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
            EXPECT_FALSE(::IsWindow(hFrame)) << c.pszName;
        }
    }
}

TEST(FrameWnd, AcceleratorsRunExceptInPreview)
{
    CTestFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_TRUE(pFrame->GetCommandBars()->GetShortcutManager()->LoadAcceleratorResource(IDR_TEST_ACCEL));
    MSG msg = {};
    msg.hwnd = pFrame->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_F5;
    msg.lParam = 1 | (0x3F << 16);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(ID_REFRESH, pFrame->m_nLastCommand);

    pFrame->m_nLastCommand = 0;
    pFrame->GetCommandBars()->SetPreviewMode(TRUE);
    EXPECT_FALSE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(0u, pFrame->m_nLastCommand);
    pFrame->GetCommandBars()->SetPreviewMode(FALSE);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(ID_REFRESH, pFrame->m_nLastCommand);
    pFrame->DestroyWindow();
}

TEST(FrameWnd, ToolbarsHideInPreviewAndComeBackAsTheyWere)
{
    CTestFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    CXTPToolBar* pShown = pCommandBars->CreateToolBar("Standard", xtpBarTop);
    CXTPToolBar* pHidden = pCommandBars->CreateToolBar("Format", xtpBarTop);
    ASSERT_NE(nullptr, pShown);
    ASSERT_NE(nullptr, pHidden);
    pHidden->SetVisible(FALSE);
    ASSERT_TRUE(pShown->IsVisible());

    pCommandBars->SetPreviewMode(TRUE);
    EXPECT_FALSE(pShown->IsVisible());
    EXPECT_EQ(0u, pShown->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(pHidden->IsVisible());

    pCommandBars->SetPreviewMode(FALSE);
    EXPECT_TRUE(pShown->IsVisible());
    EXPECT_NE(0u, pShown->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(pHidden->IsVisible());
    pFrame->DestroyWindow();
}

} // namespace
