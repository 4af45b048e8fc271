// The dialog bar: sizes from the client size of the state it is in, the
// caption band's buttons, edge drags refused below the minimum size, the
// hosted window kept inside the borders (never at a negative size), the
// edges that resize in each place, and copies that keep the sizes.
#include "toolkit/commandbars/DialogBar.h"

#include "BarTestSupport.h"
#include "TestProfile.h"
#include "framework/ui/ControlBar.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class DialogBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Dialogleiste", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 500)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_pCommandBars->CreateDockBars();
    }
    void TearDown() override
    {
        m_pCommandBars->RemoveAll();
        m_pCommandBars.reset();
        m_pFrame->DestroyWindow();
    }
    CXTPDialogBar* NewBar(int nPosition)
    {
        CXTPToolBar* pBar = m_pCommandBars->CreateToolBar("Eigenschaften", nPosition,
                                                         RUNTIME_CLASS(CXTPDialogBar));
        return pBar ? static_cast<CXTPDialogBar*>(pBar) : nullptr;
    }
    // The caption band's height in the classic look.
    int BandHeight(CXTPDialogBar* pBar)
    {
        CClientDC dc(pBar);
        CFont* pOld = dc.SelectObject(pBar->GetPaintManager()->GetRegularFont());
        const int nBand = pBar->GetPaintManager()->DrawCommandBarGripper(&dc, pBar, FALSE).cy;
        dc.SelectObject(pOld);
        return nBand;
    }
    CXTPControl* Find(CXTPDialogBar* pBar, UINT nId)
    {
        for (int i = 0; i < pBar->GetControlCount(); ++i)
            if (pBar->GetControl(i)->GetID() == static_cast<int>(nId))
                return pBar->GetControl(i);
        return nullptr;
    }

    CFrameWnd* m_pFrame = nullptr;
    CRefPtr<CXTPCommandBars> m_pCommandBars;
};

TEST_F(DialogBarTest, LayoutFromTheClientSizeWithTheCaptionBand)
{
    const struct
    {
        const char* pszName;
        BOOL bCaption;
        BOOL bCloseable;
    } kCases[] = {
        {"caption, closeable", TRUE, TRUE},
        {"caption, not closeable", TRUE, FALSE},
        {"no caption", FALSE, TRUE},
    };
    for (const auto& c : kCases)
    {
        CXTPDialogBar* pBar = NewBar(xtpBarFloating);
        ASSERT_NE(nullptr, pBar) << c.pszName;
        pBar->ShowCaption(c.bCaption);
        pBar->SetCloseable(c.bCloseable);
        pBar->SetFloatingClientSize(CSize(120, 80));
        pBar->SetDockingClientSize(CSize(300, 60));
        const int nBand = c.bCaption ? BandHeight(pBar) : 0;

        const CSize szFloating = pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        EXPECT_EQ(CSize(126, 86 + nBand), szFloating) << c.pszName;
        EXPECT_EQ(3 + nBand, pBar->GetCaptionHeight()) << c.pszName;
        // Docked along a long row, the docked size; stretched, the row's length.
        EXPECT_EQ(CSize(306, 66 + nBand), pBar->CalcDockingLayout(1000, LM_HORZ | LM_HORZDOCK)) << c.pszName;
        EXPECT_EQ(CSize(1000, 66 + nBand), pBar->CalcDockingLayout(1000, LM_STRETCH | LM_HORZ))
            << c.pszName;
        // A short row cuts the width; a vertical one the height.
        EXPECT_EQ(250, pBar->CalcDockingLayout(250, LM_HORZ | LM_HORZDOCK).cx) << c.pszName;
        EXPECT_EQ(std::min<int>(66 + nBand, 70), pBar->CalcDockingLayout(70, LM_VERTDOCK).cy) << c.pszName;

        pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
        CXTPControl* pHide = Find(pBar, XTP_ID_TOOLBAR_HIDE);
        CXTPControl* pCaption = Find(pBar, XTP_ID_DIALOGBAR_CAPTION);
        const bool bHideShown = pHide && pHide->IsVisible();
        const bool bCaptionShown = pCaption && pCaption->IsVisible();
        EXPECT_EQ(c.bCaption && c.bCloseable, bHideShown) << c.pszName;
        EXPECT_EQ(c.bCaption != FALSE, bCaptionShown) << c.pszName;
        if (c.bCaption)
        {
            // The caption button reaches the hide button, or the right border.
            const int nRight = szFloating.cx - 3 - (c.bCloseable ? 16 : 0);
            EXPECT_EQ(nRight, pCaption->GetRect().right) << c.pszName;
            EXPECT_EQ(16, pCaption->GetRect().Height()) << c.pszName;
            if (bHideShown)
            {
                EXPECT_EQ(CRect(nRight, pCaption->GetRect().top, nRight + 16, pCaption->GetRect().bottom),
                          pHide->GetRect())
                    << c.pszName;
            }
            // No caption text: the bar's title.
            EXPECT_EQ(CString("Eigenschaften"), pCaption->GetCaption()) << c.pszName;
            pBar->SetCaption("Suche");
            pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
            EXPECT_EQ(CString("Suche"), pCaption->GetCaption()) << c.pszName;
        }
        m_pCommandBars->Remove(pBar);
    }
}

TEST_F(DialogBarTest, EdgeDragsBelowTheMinimumAreRefused)
{
    CXTPDialogBar* pBar = NewBar(xtpBarFloating);
    ASSERT_NE(nullptr, pBar);
    pBar->SetFloatingClientSize(CSize(120, 80));
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    const int nTop = pBar->GetCaptionHeight();
    const struct
    {
        int cx;
        int cy;
        BOOL bTaken;
    } kCases[] = {
        {49, 100, FALSE}, {100, 49, FALSE}, {49, 49, FALSE}, {50, 50, TRUE}, {200, 150, TRUE},
    };
    for (const auto& c : kCases)
    {
        const CSize szBefore = pBar->GetFloatingClientSize();
        const CRect rcNew(40, 40, 40 + c.cx, 40 + c.cy);
        EXPECT_EQ(c.bTaken, pBar->OnResize(rcNew, HTBOTTOMRIGHT)) << c.cx << "x" << c.cy;
        if (c.bTaken)
        {
            EXPECT_EQ(CSize(c.cx - 6, std::max<int>(0, c.cy - nTop - 3)), pBar->GetFloatingClientSize());
            CRect rcWindow;
            pBar->GetWindowRect(&rcWindow);
            EXPECT_EQ(rcNew, rcWindow);
        }
        else
        {
            EXPECT_EQ(szBefore, pBar->GetFloatingClientSize()) << c.cx << "x" << c.cy;
        }
    }

    // Docked: a side edge sets the width, any other edge the height.
    CXTPDialogBar* pDocked = NewBar(xtpBarTop);
    ASSERT_NE(nullptr, pDocked);
    pDocked->SetDockingClientSize(CSize(300, 60));
    pDocked->CalcDockingLayout(1000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    const int nDockedTop = pDocked->GetCaptionHeight();
    EXPECT_FALSE(pDocked->OnResize(CRect(0, 0, 400, 49), HTBOTTOM));
    EXPECT_EQ(CSize(300, 60), pDocked->GetDockingClientSize());
    EXPECT_TRUE(pDocked->OnResize(CRect(0, 0, 400, 120), HTBOTTOM));
    EXPECT_EQ(CSize(300, 120 - nDockedTop - 3), pDocked->GetDockingClientSize());
    EXPECT_TRUE(pDocked->OnResize(CRect(0, 0, 250, 999), HTRIGHT));
    EXPECT_EQ(CSize(244, 120 - nDockedTop - 3), pDocked->GetDockingClientSize());
}

TEST_F(DialogBarTest, HostedWindowStaysInsideTheBordersAndNeverGoesNegative)
{
    CXTPDialogBar* pBar = NewBar(xtpBarFloating);
    ASSERT_NE(nullptr, pBar);
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "STATIC", "Inhalt", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                               m_pFrame, 1234));
    pBar->SetChild(&child);
    EXPECT_EQ(pBar->GetSafeHwnd(), ::GetParent(child.GetSafeHwnd()));
    const int nTop = pBar->GetCaptionHeight();

    const struct
    {
        int cx;
        int cy;
        CRect rcChild;
    } kCases[] = {
        {200, 150, CRect(3, nTop, 197, 147)},
        {4, 4, CRect(3, nTop, 3, nTop)},   // smaller than the borders
    };
    for (const auto& c : kCases)
    {
        ::SendMessageA(pBar->GetSafeHwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.cx, c.cy));
        CRect rc;
        child.GetWindowRect(&rc);
        pBar->ScreenToClient(&rc);
        EXPECT_EQ(c.rcChild, rc) << c.cx << "x" << c.cy;
    }

    // Without the caption the child starts at the top border.
    pBar->ShowCaption(FALSE);
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    ::SendMessageA(pBar->GetSafeHwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 100));
    CRect rc;
    child.GetWindowRect(&rc);
    pBar->ScreenToClient(&rc);
    EXPECT_EQ(CRect(3, 3, 97, 97), rc);
    child.DestroyWindow();
}

TEST_F(DialogBarTest, EdgesThatResizeByPlace)
{
    CXTPDialogBar* pBar = NewBar(xtpBarFloating);
    ASSERT_NE(nullptr, pBar);
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    CRect rc;
    pBar->GetWindowRect(&rc);
    const CPoint ptCentre = rc.CenterPoint();
    const CPoint ptTopLeft(rc.left + 1, rc.top + 1);
    const CPoint ptBottomRight(rc.right - 1, rc.bottom - 1);
    const CPoint ptLeft(rc.left + 1, ptCentre.y);
    const CPoint ptRight(rc.right - 1, ptCentre.y);
    const CPoint ptTop(ptCentre.x, rc.top + 1);
    const CPoint ptBottom(ptCentre.x, rc.bottom - 1);

    const struct
    {
        const char* pszName;
        int nPosition;
        DWORD dwFlags;
        CPoint pt;
        LRESULT nHit;
    } kCases[] = {
        {"floating, top left", xtpBarFloating, 0, ptTopLeft, HTTOPLEFT},
        {"floating, bottom right", xtpBarFloating, 0, ptBottomRight, HTBOTTOMRIGHT},
        {"floating, left", xtpBarFloating, 0, ptLeft, HTLEFT},
        {"floating, top", xtpBarFloating, 0, ptTop, HTTOP},
        {"floating, inside", xtpBarFloating, 0, ptCentre, HTNOWHERE},
        {"bottom, top edge", xtpBarBottom, 0, ptTop, HTTOP},
        {"bottom, bottom edge", xtpBarBottom, 0, ptBottom, HTNOWHERE},
        {"top, bottom edge", xtpBarTop, 0, ptBottom, HTBOTTOM},
        {"top, right edge", xtpBarTop, 0, ptRight, HTRIGHT},
        {"top stretched, right edge", xtpBarTop, xtpFlagStretched, ptRight, HTNOWHERE},
        {"left stretched, bottom edge", xtpBarLeft, xtpFlagStretched, ptBottom, HTNOWHERE},
        {"left stretched, right edge", xtpBarLeft, xtpFlagStretched, ptRight, HTRIGHT},
        {"right, left edge", xtpBarRight, 0, ptLeft, HTLEFT},
        {"right, right edge", xtpBarRight, 0, ptRight, HTNOWHERE},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.nHit, CXTPDialogBar::HitTestEdges(rc, c.pt, c.nPosition, c.dwFlags)) << c.pszName;
    // The window's own answer, as WM_NCHITTEST gives it.
    EXPECT_EQ(HTTOPLEFT, pBar->HitTestEdges(ptTopLeft));
    EXPECT_EQ(HTTOPLEFT, ::SendMessageA(pBar->GetSafeHwnd(), WM_NCHITTEST, 0,
                                        MAKELPARAM(ptTopLeft.x, ptTopLeft.y)));
    pBar->SetResizable(FALSE);
    EXPECT_EQ(HTNOWHERE, pBar->HitTestEdges(ptTopLeft));
    // Only the caption band belongs to the bar for the mouse manager.
    EXPECT_EQ(1, pBar->HitTestBar(CPoint(ptCentre.x, rc.top + 2)));
    EXPECT_EQ(-2, pBar->HitTestBar(CPoint(ptCentre.x, rc.top + pBar->GetCaptionHeight() + 2)));
}

TEST_F(DialogBarTest, CaptionButtonOpensItsPopupOnlyWithEntries)
{
    CXTPDialogBar* pBar = NewBar(xtpBarFloating);
    ASSERT_NE(nullptr, pBar);
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    auto* pCaption = static_cast<CXTPDialogBar::CControlCaptionPopup*>(Find(pBar, XTP_ID_DIALOGBAR_CAPTION));
    ASSERT_NE(nullptr, pCaption);
    EXPECT_FALSE(pCaption->IsPopupEnabled());
    // Asked to open without entries: done, and nothing opened.
    EXPECT_TRUE(pCaption->SetPopupOpen(TRUE));
    EXPECT_FALSE(pCaption->IsPopupOpen());

    pBar->GetCaptionPopupBar()->GetControls()->Add(xtpControlButton, 100)->SetCaption("Eintrag");
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    EXPECT_TRUE(pCaption->IsPopupEnabled());
    pBar->EnableCaptionPopup(FALSE);
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    EXPECT_FALSE(pCaption->IsPopupEnabled());
}

TEST_F(DialogBarTest, ClonesKeepTheSizes)
{
    CXTPDialogBar* pBar = NewBar(xtpBarTop);
    ASSERT_NE(nullptr, pBar);
    pBar->SetDockingClientSize(CSize(310, 70));
    pBar->SetFloatingClientSize(CSize(150, 90));
    pBar->SetCaption("Suche");
    pBar->SetResizable(FALSE);
    CRefPtr<CXTPCommandBar> pClone(pBar->Clone(FALSE));
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CXTPDialogBar)));
    auto* pCopy = static_cast<CXTPDialogBar*>(pClone.get());
    EXPECT_TRUE(pCopy->IsDialogBar());
    EXPECT_EQ(CSize(310, 70), pCopy->GetDockingClientSize());
    EXPECT_EQ(CSize(150, 90), pCopy->GetFloatingClientSize());
    EXPECT_EQ(CString("Suche"), pCopy->GetCaption());
    EXPECT_FALSE(pCopy->IsResizable());
}

TEST_F(DialogBarTest, StoredStateKeepsBothClientSizes)
{
    CTestProfileScope profile;
    CXTPDialogBar* pBar = NewBar(xtpBarTop);
    ASSERT_NE(nullptr, pBar);
    pBar->SetBarID(300);
    pBar->SetDockingClientSize(CSize(310, 70));
    pBar->SetFloatingClientSize(CSize(150, 90));
    m_pCommandBars->StoreStateToProfile("DialogBarState");
    const CTestProfileScope::RawValue marker = profile.Read("DialogBarState-Bar0", "DialogBar");
    ASSERT_TRUE(marker.bExists);

    pBar->SetDockingClientSize(CSize(60, 60));
    pBar->SetFloatingClientSize(CSize(70, 70));
    m_pCommandBars->RestoreStateFromProfile("DialogBarState", TRUE);
    EXPECT_EQ(CSize(310, 70), pBar->GetDockingClientSize());
    EXPECT_EQ(CSize(150, 90), pBar->GetFloatingClientSize());
}

} // namespace
