// Toolbars: loading type-241 resources, docked, vertical and floating
// sizes with the expand and hide buttons, the expand menu and the
// add-or-remove list, visibility, the deferred removal of a user-made
// toolbar and the reset through the message box.
#include "toolkit/commandbars/ToolBar.h"

#include "BarTestRes.h"
#include "BarTestSupport.h"
#include "framework/ui/ControlBar.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/TestSeams.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlLabel.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/res/ToolkitRes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};
using BarsPtr = std::unique_ptr<CXTPCommandBars, ReleaseBars>;

// The layout mode bit of a toolbar that may hide what does not fit.
const DWORD kHideWrapMode = 0x80;

// A bar to fill menus into.
class CListBar : public CXTPCommandBar
{
};

class CToolFrame : public CFrameWnd
{
public:
    std::vector<int> m_created;       // ids seen by 10335
    std::vector<LPARAM> m_visibility;  // lParam of 10325
    int m_nResets = 0;
    int m_nPopupFor = 0;               // an id the site makes a popup button of

protected:
    afx_msg LRESULT OnBeforeCreate(WPARAM, LPARAM lParam)
    {
        XTP_COMMANDBARS_CREATECONTROL* pCreate = reinterpret_cast<XTP_COMMANDBARS_CREATECONTROL*>(lParam);
        if (pCreate->nID == m_nPopupFor)
        {
            pCreate->pControl = new CXTPControlLabel;
            return TRUE;
        }
        return FALSE;
    }
    afx_msg LRESULT OnAfterCreate(WPARAM, LPARAM lParam)
    {
        m_created.push_back(reinterpret_cast<XTP_COMMANDBARS_CREATECONTROL*>(lParam)->pControl->GetID());
        return 0;
    }
    afx_msg LRESULT OnVisibility(WPARAM, LPARAM lParam)
    {
        m_visibility.push_back(lParam);
        return 0;
    }
    afx_msg LRESULT OnReset(WPARAM, LPARAM)
    {
        ++m_nResets;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolFrame, CFrameWnd)
    ON_MESSAGE(WM_XTP_BEFORECREATECONTROL, OnBeforeCreate)
    ON_MESSAGE(WM_XTP_AFTERCREATECONTROL, OnAfterCreate)
    ON_MESSAGE(XTP_WM_TOOLBARVISIBLECHANGED, OnVisibility)
    ON_MESSAGE(XTP_WM_TOOLBARRESET, OnReset)
END_MESSAGE_MAP()

// A frame that can customize its bars.
class CCustomizeToolFrame : public CToolFrame
{
protected:
    afx_msg void OnCustomize() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCustomizeToolFrame, CToolFrame)
    ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

class ToolBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CToolFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
    }
    void TearDown() override
    {
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
    }
    CXTPToolBar* CreateStandard(int nPosition = xtpBarTop)
    {
        CXTPToolBar* pToolBar = m_pCommandBars->CreateToolBar("Standard", nPosition);
        EXPECT_NE(nullptr, pToolBar);
        if (pToolBar)
        {
            EXPECT_TRUE(pToolBar->LoadToolBar(IDR_BAR_TEST_TOOLBAR, FALSE));
        }
        return pToolBar;
    }
    void SetExpandAlways(BOOL bAlways)
    {
        m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = bAlways;
    }
    static int CountOwn(CXTPCommandBar* pBar)
    {
        int n = 0;
        for (int i = 0; i < pBar->GetControlCount(); ++i)
            n += !pBar->GetControl(i)->IsTemporary();
        return n;
    }
    static int CountHidden(CXTPCommandBar* pBar, DWORD dwHide)
    {
        int n = 0;
        for (int i = 0; i < pBar->GetControlCount(); ++i)
            n += pBar->GetControl(i)->GetHideFlags() == dwHide;
        return n;
    }

    CToolFrame* m_pFrame = nullptr;
    BarsPtr m_pCommandBars;
};

TEST_F(ToolBarTest, LoadToolBarMakesButtonsInGroupsAndAsksTheSite)
{
    m_pFrame->m_nPopupFor = ID_BAR_TEST_PRINT;
    CXTPToolBar* pToolBar = CreateStandard();
    ASSERT_NE(nullptr, pToolBar);
    EXPECT_EQ(static_cast<UINT>(IDR_BAR_TEST_TOOLBAR), pToolBar->GetBarID());
    EXPECT_EQ((std::vector<int>{ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_SAVE,
                                ID_BAR_TEST_PRINT, ID_BAR_TEST_FIND}),
              BarControlIds(pToolBar));
    EXPECT_EQ(BarControlIds(pToolBar), m_pFrame->m_created);
    const BOOL groups[] = {FALSE, FALSE, TRUE, FALSE, TRUE};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(groups[i], pToolBar->GetControl(i)->GetBeginGroup()) << i;
    EXPECT_TRUE(pToolBar->GetControl(3)->IsKindOf(RUNTIME_CLASS(CXTPControlLabel)));
    ASSERT_NE(nullptr, pToolBar->GetControls()->GetOriginalControls());
    EXPECT_FALSE(pToolBar->ShouldSaveControls());
    pToolBar->GetControls()->RemoveAt(0);
    EXPECT_TRUE(pToolBar->ShouldSaveControls());
}

TEST_F(ToolBarTest, LoadToolBarRefusesShortAndMissingResources)
{
    CXTPToolBar* pToolBar = m_pCommandBars->CreateToolBar("Kurz", xtpBarTop);
    ASSERT_NE(nullptr, pToolBar);
    // The count says 5 ids, the resource holds 3: nothing is read past it.
    EXPECT_FALSE(pToolBar->LoadToolBar(IDR_BAR_TEST_SHORT_TOOLBAR, FALSE));
    EXPECT_EQ(0, pToolBar->GetControlCount());
    EXPECT_FALSE(pToolBar->LoadToolBar(4242, FALSE));
    // The buttons load, but there is no bitmap for their pictures.
    EXPECT_FALSE(pToolBar->LoadToolBar(IDR_BAR_TEST_TOOLBAR, TRUE));
    EXPECT_EQ(5, pToolBar->GetControlCount());
}

// Docked widths: the expand button adds 11 pixels when it shows; without
// ShowExpandButtonAlways it shows only when buttons are hidden, and the
// expand menu lists exactly those.
TEST_F(ToolBarTest, DockedWidthsAndTheExpandMenu)
{
    CXTPToolBar* pToolBar = CreateStandard();
    ASSERT_NE(nullptr, pToolBar);
    const DWORD dwMode = LM_HORZ | LM_HORZDOCK | LM_COMMIT | kHideWrapMode;

    SetExpandAlways(TRUE);
    CSize szAlways = pToolBar->CalcDockingLayout(32000, dwMode);
    ASSERT_NE(nullptr, pToolBar->GetExpandButton());
    EXPECT_EQ(0u, pToolBar->GetExpandButton()->GetHideFlags());
    // The chevron is measured into the last 13 pixels of the bar.
    EXPECT_EQ(CRect(szAlways.cx - 13, 2, szAlways.cx - 2, szAlways.cy - 2),
              pToolBar->GetExpandButton()->GetRect());

    SetExpandAlways(FALSE);
    CSize szPlain = pToolBar->CalcDockingLayout(32000, dwMode);
    EXPECT_EQ(szAlways.cx - XTP_EXPAND_BUTTON_LENGTH, szPlain.cx);
    EXPECT_EQ(szAlways.cy, szPlain.cy);
    EXPECT_NE(0u, pToolBar->GetExpandButton()->GetHideFlags());
    EXPECT_FALSE(pToolBar->HasHiddenControls());

    // Too narrow: the last buttons hide, the chevron comes back, and its
    // menu holds copies of exactly the hidden ones.
    const int nRightOfThird = pToolBar->GetControl(2)->GetRect().right;
    CSize szNarrow = pToolBar->CalcDockingLayout(nRightOfThird + 14, dwMode);
    EXPECT_LE(szNarrow.cx, nRightOfThird + 14);
    EXPECT_TRUE(pToolBar->HasHiddenControls());
    EXPECT_EQ(0u, pToolBar->GetExpandButton()->GetHideFlags());
    std::vector<int> hidden;
    for (int i = 0; i < pToolBar->GetControlCount(); ++i)
        if (pToolBar->GetControl(i)->GetHideFlags() == xtpHideWrap)
            hidden.push_back(pToolBar->GetControl(i)->GetID());
    ASSERT_FALSE(hidden.empty());
    EXPECT_EQ(ID_BAR_TEST_FIND, hidden.back());

    CListBar menu;
    pToolBar->FillExpandMenu(&menu);
    EXPECT_EQ(hidden, BarControlIds(&menu));
    for (int i = 0; i < menu.GetControlCount(); ++i)
        EXPECT_EQ(0u, menu.GetControl(i)->GetHideFlags());

    // A query (no commit) without the option reserves room for the chevron
    // but shows none.
    CSize szQuery = pToolBar->CalcDockingLayout(32000, LM_HORZ | LM_HORZDOCK);
    EXPECT_EQ(szPlain.cx, szQuery.cx);
}

TEST_F(ToolBarTest, VerticalDockingPutsTheChevronAtTheBottom)
{
    CXTPToolBar* pToolBar = CreateStandard(xtpBarLeft);
    ASSERT_NE(nullptr, pToolBar);
    SetExpandAlways(TRUE);
    CSize szAlways = pToolBar->CalcDockingLayout(32000, LM_VERTDOCK | LM_COMMIT);
    SetExpandAlways(FALSE);
    CSize szPlain = pToolBar->CalcDockingLayout(32000, LM_VERTDOCK | LM_COMMIT);
    EXPECT_EQ(szAlways.cy - XTP_EXPAND_BUTTON_LENGTH, szPlain.cy);
    EXPECT_EQ(szAlways.cx, szPlain.cx);
    EXPECT_GT(szPlain.cy, szPlain.cx);   // the buttons stand in a column
    SetExpandAlways(TRUE);
    szAlways = pToolBar->CalcDockingLayout(32000, LM_VERTDOCK | LM_COMMIT);
    EXPECT_EQ(CRect(2, szAlways.cy - 13, szAlways.cx - 2, szAlways.cy - 2),
              pToolBar->GetExpandButton()->GetRect());
}

TEST_F(ToolBarTest, FloatingLayoutHasCaptionButtons)
{
    CXTPToolBar* pToolBar = CreateStandard(xtpBarFloating);
    ASSERT_NE(nullptr, pToolBar);
    SetExpandAlways(TRUE);
    CSize size = pToolBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    CXTPControl* pHide = pToolBar->GetHideButton();
    CXTPControl* pExpand = pToolBar->GetExpandButton();
    ASSERT_NE(nullptr, pHide);
    ASSERT_NE(nullptr, pExpand);
    const CRect rcHide = pHide->GetRect();
    EXPECT_EQ(size.cx - 3, rcHide.right);
    EXPECT_EQ(3, rcHide.top);
    EXPECT_EQ(rcHide.Width(), rcHide.Height());
    EXPECT_EQ(rcHide.left, pExpand->GetRect().right);
    EXPECT_EQ(0u, pHide->GetHideFlags());
    EXPECT_EQ(0u, pExpand->GetHideFlags());
    // Every button lies below the caption.
    for (int i = 0; i < 5; ++i)
        EXPECT_GE(pToolBar->GetControl(i)->GetRect().top, rcHide.bottom) << i;

    // Without the close button the bar has no hide button.
    pToolBar->SetCloseable(FALSE);
    pToolBar->GetControls()->Remove(pHide);
    pToolBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    EXPECT_EQ(nullptr, pToolBar->GetHideButton());
}

TEST_F(ToolBarTest, ExpandPopupOffersTheAddOrRemoveListWhereTheSiteCustomizes)
{
    for (BOOL bCustomizing : {FALSE, TRUE})
    {
        TearDown();
        m_pFrame = bCustomizing ? new CCustomizeToolFrame : new CToolFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        SetExpandAlways(TRUE);
        CXTPToolBar* pToolBar = CreateStandard();
        ASSERT_NE(nullptr, pToolBar);
        pToolBar->CalcDockingLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT | kHideWrapMode);

        // Nothing hidden: the menu holds the add-or-remove item alone.
        CRefPtr<CXTPCommandBar> pPopup(pToolBar->CreateExpandPopup());
        ASSERT_EQ(std::vector<int>{static_cast<int>(XTP_ID_CUSTOMIZE_ADDORREMOVE)}, BarControlIds(pPopup.get()));
        EXPECT_FALSE(pPopup->GetControl(0)->GetBeginGroup());
        CXTPCommandBar* pToolbars = pPopup->GetControl(0)->GetCommandBar();
        ASSERT_NE(nullptr, pToolbars);

        // One entry for the toolbar: its list where the site customizes, a
        // greyed entry elsewhere; the customize command follows there.
        CXTPControl* pEntry = pToolbars->GetControl(0);
        EXPECT_STREQ("Standard", pEntry->GetCaption());
        EXPECT_EQ(bCustomizing, pEntry->GetEnabled());
        EXPECT_EQ(bCustomizing ? 2 : 1, pToolbars->GetControlCount());
        if (!bCustomizing)
            continue;
        EXPECT_EQ(static_cast<int>(XTP_ID_CUSTOMIZE), pToolbars->GetControl(1)->GetID());
        EXPECT_TRUE(pToolbars->GetControl(1)->GetBeginGroup());
        CXTPCommandBar* pList = pEntry->GetCommandBar();
        EXPECT_EQ(6, pList->GetControlCount());   // five buttons and the reset item
        EXPECT_TRUE(pList->IsDoubleGripper());
    }
}

TEST_F(ToolBarTest, AddOrRemoveListSwitchesButtons)
{
    CXTPToolBar* pToolBar = CreateStandard();
    ASSERT_NE(nullptr, pToolBar);
    pToolBar->GetControls()->Add(xtpControlButton, 4711)->SetCaption("Eigener");   // not original

    CListBar list;
    pToolBar->FillCustomizeMenu(&list);
    // Five originals, the added button, then the reset item.
    ASSERT_EQ(7, list.GetControlCount());
    EXPECT_EQ(static_cast<int>(XTP_ID_CUSTOMIZE_RESET), list.GetControl(6)->GetID());
    EXPECT_TRUE(list.GetControl(6)->GetBeginGroup());
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_TRUE(list.GetControl(i)->GetChecked()) << i;
        EXPECT_TRUE(list.GetControl(i)->GetEnabled()) << i;
    }
    EXPECT_FALSE(list.GetControl(5)->GetEnabled());   // not among the originals

    // Unchecking hides the button at once; the list shows it again, unchecked.
    list.GetControl(1)->OnExecute();
    EXPECT_EQ(xtpHideCustomize, pToolBar->GetControl(1)->GetHideFlags());
    EXPECT_FALSE(list.GetControl(1)->GetChecked());
    EXPECT_TRUE(m_pCommandBars->GetCommandBarsOptions()->bDirty);

    CListBar again;
    pToolBar->FillCustomizeMenu(&again);
    ASSERT_EQ(7, again.GetControlCount());
    EXPECT_FALSE(again.GetControl(1)->GetChecked());
    EXPECT_EQ(ID_BAR_TEST_OPEN, pToolBar->GetControl(1)->GetID());
    again.GetControl(1)->OnExecute();
    EXPECT_EQ(0u, pToolBar->GetControl(1)->GetHideFlags());

    // A removed original comes back in its place, marked removed.
    pToolBar->GetControls()->RemoveAt(0);
    CListBar third;
    pToolBar->FillCustomizeMenu(&third);
    EXPECT_EQ(ID_BAR_TEST_NEW, pToolBar->GetControl(0)->GetID());
    EXPECT_EQ(xtpHideCustomize, pToolBar->GetControl(0)->GetHideFlags());
    EXPECT_FALSE(third.GetControl(0)->GetChecked());
}

TEST_F(ToolBarTest, HidingNotifiesTheSiteAndRemovesUserToolbarsLater)
{
    CXTPToolBar* pBuiltIn = CreateStandard();
    ASSERT_NE(nullptr, pBuiltIn);
    pBuiltIn->SetVisible(FALSE);
    EXPECT_EQ((std::vector<LPARAM>{FALSE}), m_pFrame->m_visibility);
    EXPECT_FALSE(pBuiltIn->IsWindowVisible());
    EXPECT_EQ(1, m_pCommandBars->GetCount());

    CXTPToolBar* pUser = m_pCommandBars->CreateToolBar("Meine", xtpBarFloating);
    ASSERT_NE(nullptr, pUser);
    pUser->SetTemporary(TRUE);
    pUser->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    // Its own hide button hides it: the bar outlives the button's handler
    // and goes once the posted removal is handled.
    CXTPControl* pHide = pUser->GetHideButton();
    ASSERT_NE(nullptr, pHide);
    pHide->InternalAddRef();
    pHide->OnExecute();
    EXPECT_EQ(2, m_pCommandBars->GetCount());
    pHide->InternalRelease();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_EQ(1, m_pCommandBars->GetCount());
    EXPECT_EQ(-1, m_pCommandBars->FindIndex(pUser));
}

TEST_F(ToolBarTest, ResetAsksWithTheTitleAndRestoresTheOriginals)
{
    CXTPToolBar* pToolBar = CreateStandard();
    ASSERT_NE(nullptr, pToolBar);
    pToolBar->GetControls()->RemoveAt(0);
    pToolBar->GetControls()->RemoveAt(0);
    std::vector<std::string> shown;
    int nAnswer = IDCANCEL;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        shown.push_back(static_cast<LPCSTR>(box.strText));
        return nAnswer;
    });
    pToolBar->ResetToolBar(TRUE);
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Sind Sie sicher, dass Sie die Änderungen für die Symbolleiste 'Standard' "
              "zurücksetzen möchten?",
              shown[0]);
    EXPECT_EQ(3, CountOwn(pToolBar));
    EXPECT_EQ(0, m_pFrame->m_nResets);

    nAnswer = IDOK;
    pToolBar->ResetToolBar(TRUE);
    EXPECT_EQ(5, CountOwn(pToolBar));
    EXPECT_EQ(1, m_pFrame->m_nResets);

    // Not resettable: no question at all.
    pToolBar->EnableReset(FALSE);
    pToolBar->ResetToolBar(TRUE);
    EXPECT_EQ(2u, shown.size());
}

TEST_F(ToolBarTest, FrameLaysDockedToolbarsOutOnTop)
{
    CXTPToolBar* pFirst = CreateStandard();
    CXTPToolBar* pSecond = CreateStandard();
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    m_pFrame->RecalcLayout();
    CRect rcFirst, rcSecond;
    pFirst->GetWindowRect(&rcFirst);
    pSecond->GetWindowRect(&rcSecond);
    m_pFrame->ScreenToClient(&rcFirst);
    m_pFrame->ScreenToClient(&rcSecond);
    EXPECT_EQ(0, std::min(rcFirst.top, rcSecond.top));
    EXPECT_EQ(std::max(rcFirst.top, rcSecond.top), std::min(rcFirst.bottom, rcSecond.bottom));
    EXPECT_GT(rcFirst.Height(), 0);
    EXPECT_EQ(rcFirst.Height(), rcSecond.Height());
}

} // namespace
