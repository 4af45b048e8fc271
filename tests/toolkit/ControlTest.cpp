// The control base: texts and prompts, action binding, caption visibility,
// equality and clones, and running a command through the site's routing.
#include "toolkit/controls/Control.h"

#include "BarTestRes.h"
#include "BarTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlCheckBox.h"
#include "toolkit/controls/ControlCustom.h"
#include "toolkit/controls/ControlLabel.h"
#include "toolkit/controls/ControlSelector.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Releases a reference-counted toolkit object at the end of a scope.
template <class T>
struct Released
{
    void operator()(T* p) const { p->InternalRelease(); }
};
template <class T>
using RefPtr = std::unique_ptr<T, Released<T>>;

TEST(Control, CaptionAndPromptRules)
{
    struct
    {
        const char* pszCaption;
        const char* pszCaptionShown;
        const char* pszShortcut;
    } captions[] = {
        {"&Öffnen\tStrg+O", "&Öffnen", "Strg+O"},
        {"\tF5", "", "F5"},
        {"Schließen", "Schließen", ""},
        {"A\tB\tC", "A", "B\tC"},
    };
    for (auto& c : captions)
    {
        RefPtr<CXTPControl> pControl(new CXTPControlButton);
        pControl->SetCaption(c.pszCaption);
        EXPECT_STREQ(c.pszCaptionShown, pControl->GetCaption()) << c.pszCaption;
        EXPECT_STREQ(c.pszShortcut, pControl->GetShortcutText()) << c.pszCaption;
    }

    RefPtr<CXTPControl> pControl(new CXTPControlButton);
    pControl->SetPrompt("Öffnet ein Dokument\nÖffnen");
    EXPECT_STREQ("Öffnen", pControl->GetTooltip());
    EXPECT_STREQ("Öffnet ein Dokument", pControl->GetDescription());
    EXPECT_STREQ("Öffnen", pControl->GetCaption());   // an empty caption takes the tooltip
    pControl->SetPrompt("");
    EXPECT_STREQ("Öffnen", pControl->GetTooltip());
    pControl->SetPrompt("Speichern");
    EXPECT_STREQ("Speichern", pControl->GetTooltip());
    EXPECT_STREQ("Speichern", pControl->GetDescription());
    EXPECT_STREQ("Öffnen", pControl->GetCaption());

    // An explicit shortcut and a custom caption win.
    pControl->SetCaption("Neu\tStrg+N");
    pControl->SetShortcutText("Umschalt+N");
    pControl->SetCustomCaption("Mein Neu");
    EXPECT_STREQ("Umschalt+N", pControl->GetShortcutText());
    EXPECT_STREQ("Mein Neu", pControl->GetCaption());

    // SetId applies the id's string resource as the prompt.
    RefPtr<CXTPControl> pResource(new CXTPControlButton);
    pResource->SetId(IDS_BAR_TEST_OPEN);
    EXPECT_EQ(IDS_BAR_TEST_OPEN, pResource->GetID());
    EXPECT_STREQ("Öffnen", pResource->GetTooltip());
    EXPECT_STREQ("Öffnet ein vorhandenes Dokument", pResource->GetDescription());
}

TEST(Control, ActionsShareStateAndTexts)
{
    RefPtr<CXTPCommandBars> pCommandBars(new CXTPCommandBars);
    CTestBar bar;
    bar.SetCommandBars(pCommandBars.get());
    CXTPControls* pControls = bar.GetControls();

    CXTPControl* pFirst = pControls->Add(xtpControlButton, IDS_BAR_TEST_OPEN);
    CXTPControl* pSecond = pControls->Add(xtpControlCheckBox, IDS_BAR_TEST_OPEN);
    CXTPControlAction* pAction = pFirst->GetAction();
    ASSERT_NE(nullptr, pAction);
    EXPECT_EQ(pAction, pSecond->GetAction());
    EXPECT_EQ(2, pAction->GetControlCount());
    EXPECT_STREQ("Öffnen", pFirst->GetTooltip());   // the action's prompt from the resource
    EXPECT_STREQ("Öffnen", pFirst->GetCaption());   // the action's tooltip stands in for its caption

    pAction->SetCaption("&Öffnen...\tStrg+O");
    EXPECT_STREQ("&Öffnen...", pSecond->GetCaption());
    pAction->SetEnabled(FALSE);
    pAction->SetChecked(TRUE);
    EXPECT_FALSE(pFirst->GetEnabled());
    EXPECT_TRUE(pSecond->GetChecked());
    pCommandBars->SetCustomizeMode(TRUE);
    EXPECT_TRUE(pFirst->GetEnabled());   // everything is enabled while customizing
    pCommandBars->SetCustomizeMode(FALSE);
    pAction->SetVisible(FALSE);
    EXPECT_FALSE(pFirst->IsVisible());
    EXPECT_EQ(0, pControls->GetVisibleCount());
    pAction->SetVisible(TRUE);

    // Unlinked: enabled 1, checked 0, with the emptied texts.
    pFirst->SetAction(nullptr);
    EXPECT_EQ(1, pFirst->GetEnabledValue());
    EXPECT_EQ(0, pFirst->GetCheckedValue());
    EXPECT_STREQ("", pFirst->GetCaption());
    EXPECT_STREQ("", pFirst->GetTooltip());
    EXPECT_EQ(1, pAction->GetControlCount());

    // Removing a control unlinks it; the actions' teardown unlinks the rest.
    pControls->Remove(pSecond);
    EXPECT_EQ(0, pAction->GetControlCount());
}

TEST(Control, CaptionVisibility)
{
    CTestBar toolbar(xtpBarTypeNormal, xtpBarTop), popup(xtpBarTypePopup, xtpBarPopup);
    struct
    {
        int nType, nStyle;
        const char* pszCaption;
        BOOL bPopup;
        BOOL bVisible;
    } cases[] = {
        {xtpControlButton, 0, "Neu", FALSE, TRUE},     // no image: the caption shows
        {xtpControlButton, 2, "Neu", FALSE, FALSE},
        {xtpControlButton, 1, "Neu", FALSE, TRUE},
        {xtpControlButton, 3, "Neu", FALSE, TRUE},
        {xtpControlButton, 4, "Neu", FALSE, TRUE},
        {xtpControlButton, 1, "", FALSE, FALSE},
        {xtpControlLabel, 0, "Name", FALSE, TRUE},
        {xtpControlCheckBox, 0, "Fett", FALSE, TRUE},
        {xtpControlPopup, 0, "Ansicht", FALSE, TRUE},
        {xtpControlComboBox, 0, "Schrift", FALSE, FALSE},
        {xtpControlComboBox, 0, "Schrift", TRUE, TRUE},   // always in popups
        {xtpControlButton, 2, "", TRUE, TRUE},
    };
    for (auto& c : cases)
    {
        CTestBar& bar = c.bPopup ? popup : toolbar;
        CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, 0);
        pControl->SetType(c.nType);
        pControl->SetStyle(c.nStyle);
        pControl->SetCaption(c.pszCaption);
        EXPECT_EQ(c.bVisible, pControl->IsCaptionVisible()) << c.nType << " " << c.nStyle;
    }
}

// A control of each class with everything set that its copy carries.
std::vector<RefPtr<CXTPControl>> MakeOneOfEachClass()
{
    std::vector<RefPtr<CXTPControl>> controls;
    controls.emplace_back(new CXTPControl);
    controls.emplace_back(new CXTPControlButton);
    controls.emplace_back(new CXTPControlLabel);
    controls.emplace_back(new CXTPControlCheckBox);
    controls.emplace_back(new CXTPControlSelector);
    controls.emplace_back(new CXTPControlCustom);
    for (auto& pControl : controls)
    {
        pControl->SetID(4711);
        pControl->SetCaption("&Tabelle\tStrg+T");
        pControl->SetTooltip("Tabelle einfügen");
        pControl->SetDescription("Fügt eine Tabelle ein");
        pControl->SetParameter("p");
        pControl->SetStyle(xtpButtonIconAndCaption);
        pControl->SetBeginGroup(TRUE);
        pControl->SetIconId(12);
        pControl->SetTag(99);
        pControl->SetHelpId(5);
        pControl->SetDefaultItem(TRUE);
        pControl->SetCloseSubMenuOnClick(FALSE);
        pControl->GetAssignedDocTemplates().SetAt(128, TRUE);
    }
    static_cast<CXTPControlSelector*>(controls[4].get())->SetItemsCount(CSize(7, 3));
    static_cast<CXTPControlCustom*>(controls[5].get())->SetBorders(CRect(1, 2, 3, 4));
    return controls;
}

TEST(Control, ClonesKeepTheirClassAndEqualTheirSource)
{
    for (auto& pControl : MakeOneOfEachClass())
    {
        RefPtr<CXTPControl> pClone(pControl->Clone(FALSE));
        const char* pszClass = pControl->GetRuntimeClass()->m_lpszClassName;
        EXPECT_EQ(pControl->GetRuntimeClass(), pClone->GetRuntimeClass()) << pszClass;
        EXPECT_NE(pControl.get(), pClone.get());
        EXPECT_TRUE(pControl->IsEqual(pClone.get())) << pszClass;
        EXPECT_STREQ("Strg+T", pClone->GetShortcutText()) << pszClass;
        EXPECT_EQ(5, pClone->GetHelpId());
        EXPECT_FALSE(pClone->GetCloseSubMenuOnClick());
        BOOL bValue = FALSE;
        EXPECT_TRUE(pClone->GetAssignedDocTemplates().Lookup(128, bValue));

        // Each compared field makes a difference.
        pClone->SetParameter("q");
        EXPECT_FALSE(pControl->IsEqual(pClone.get())) << pszClass;
        pClone->SetParameter("p");
        pClone->SetCustomStyle(xtpButtonIcon);
        EXPECT_FALSE(pControl->IsEqual(pClone.get())) << pszClass;
        pClone->SetCustomStyle(-1);
        pClone->SetHideFlags(xtpHideCustomize);
        EXPECT_FALSE(pControl->IsEqual(pClone.get())) << pszClass;
        pClone->SetHideFlags(xtpHideGeneric);   // other hide bits are not compared
        EXPECT_TRUE(pControl->IsEqual(pClone.get())) << pszClass;
    }
    auto controls = MakeOneOfEachClass();
    RefPtr<CXTPControl> pSelector(controls[4]->Clone());
    EXPECT_EQ(CSize(7, 3), static_cast<CXTPControlSelector*>(pSelector.get())->GetItemsCount());
    RefPtr<CXTPControl> pCustom(controls[5]->Clone());
    EXPECT_EQ(CRect(1, 2, 3, 4), static_cast<CXTPControlCustom*>(pCustom.get())->GetBorders());
}

TEST(Control, IconIdFallsBackThroughActionAndId)
{
    RefPtr<CXTPCommandBars> pCommandBars(new CXTPCommandBars);
    CTestBar bar;
    bar.SetCommandBars(pCommandBars.get());
    CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, 300);
    EXPECT_EQ(300, pControl->GetIconId());
    pControl->GetAction()->SetIconId(301);
    EXPECT_EQ(301, pControl->GetIconId());
    pControl->SetIconId(302);
    EXPECT_EQ(302, pControl->GetIconId());
    pControl->SetCustomIconId(303);
    EXPECT_EQ(303, pControl->GetIconId());
    EXPECT_EQ(nullptr, pControl->GetImage(16));   // no icon is stored for it
}

// --- Running commands ---------------------------------------------------------------

const int ID_TEST_RUN = 40001;

class CRunFrame : public CFrameWnd
{
public:
    int m_nRuns = 0;
    int m_nNotifications = 0;
    LRESULT m_nAnswer = 0;
    std::function<void()> m_onRun;

protected:
    afx_msg void OnRun()
    {
        ++m_nRuns;
        if (m_onRun)
            m_onRun();
    }
    afx_msg LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam)
    {
        NMXTPCONTROL* pRecord = reinterpret_cast<NMXTPCONTROL*>(lParam);
        if (wParam == ID_TEST_RUN && pRecord->hdr.code == CBN_XTP_EXECUTE
            && pRecord->hdr.idFrom == ID_TEST_RUN && pRecord->pControl)
            ++m_nNotifications;
        return m_nAnswer;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRunFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_RUN, OnRun)
    ON_MESSAGE(WM_XTP_COMMAND, OnControlNotify)
END_MESSAGE_MAP()

class ControlRunTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CRunFrame;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Test"));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_bar.SetCommandBars(m_pCommandBars.get());
        ASSERT_TRUE(m_bar.CreateHidden(100, 30));
        m_pControl = m_bar.GetControls()->Add(xtpControlButton, ID_TEST_RUN);
        m_pControl->SetRect(CRect(0, 0, 22, 22));
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_pFrame->DestroyWindow();
    }

    CRunFrame* m_pFrame = nullptr;
    RefPtr<CXTPCommandBars> m_pCommandBars;
    CTestBar m_bar;
    CXTPControl* m_pControl = nullptr;
};

TEST_F(ControlRunTest, ExecuteNotifiesThenRoutesTheCommand)
{
    m_pControl->OnExecute();
    EXPECT_EQ(1, m_pFrame->m_nNotifications);
    EXPECT_EQ(1, m_pFrame->m_nRuns);
    EXPECT_EQ(1, m_bar.m_nIdleUpdates);   // pressed was set: the bar updates its controls
    EXPECT_EQ(0, m_pControl->GetPressed());

    // An answer of 1 to the notification keeps the command from running.
    m_pFrame->m_nAnswer = 1;
    m_pControl->OnExecute();
    EXPECT_EQ(2, m_pFrame->m_nNotifications);
    EXPECT_EQ(1, m_pFrame->m_nRuns);
}

TEST_F(ControlRunTest, KeyboardClickRunsAndDisabledButtonsDoNothing)
{
    m_pControl->OnClick(TRUE, CPoint(0, 0));
    EXPECT_EQ(1, m_pFrame->m_nRuns);
    m_pControl->SetEnabled(FALSE);
    m_pControl->OnClick(TRUE, CPoint(0, 0));
    m_pControl->OnLButtonUp(CPoint(5, 5));
    EXPECT_EQ(1, m_pFrame->m_nRuns);
}

TEST_F(ControlRunTest, ReturnCommandInsteadOfRunning)
{
    m_bar.SetReturnCommand(TRUE);
    m_pControl->OnExecute();
    EXPECT_EQ(ID_TEST_RUN, m_bar.GetReturnedCommand());
    EXPECT_EQ(0, m_pFrame->m_nRuns);
}

TEST_F(ControlRunTest, CommandThatDestroysTheBar)
{
    // The handler removes the control from its bar: the control survives the
    // call and leaves the bar alone afterwards.
    m_pControl->InternalAddRef();
    CXTPControl* pControl = m_pControl;
    m_pFrame->m_onRun = [&]() { m_bar.GetControls()->RemoveAll(); };
    pControl->OnExecute();
    EXPECT_EQ(1, m_pFrame->m_nRuns);
    EXPECT_EQ(0, m_bar.m_nIdleUpdates);
    EXPECT_EQ(nullptr, pControl->GetParent());
    pControl->InternalRelease();
}

TEST_F(ControlRunTest, PressTracksUntilRelease)
{
    HWND hWnd = m_bar.GetSafeHwnd();
    // Released inside: the command runs.
    ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    m_pControl->OnClick(FALSE, CPoint(5, 5));
    EXPECT_EQ(1, m_pFrame->m_nRuns);
    EXPECT_EQ(0, m_pControl->GetPressed());
    EXPECT_EQ(nullptr, ::GetCapture());

    // Released outside: nothing runs.
    ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 5));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(50, 5));
    m_pControl->OnClick(FALSE, CPoint(5, 5));
    EXPECT_EQ(1, m_pFrame->m_nRuns);

    // A quit message ends the press and is posted again.
    ::PostQuitMessage(3);
    m_pControl->OnClick(FALSE, CPoint(5, 5));
    EXPECT_EQ(1, m_pFrame->m_nRuns);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3, static_cast<int>(msg.wParam));
}

TEST_F(ControlRunTest, ButtonsInMenusRunOnButtonUp)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    popup.SetCommandBars(m_pCommandBars.get());
    CXTPControl* pItem = popup.GetControls()->Add(xtpControlButton, ID_TEST_RUN);
    pItem->OnClick(FALSE, CPoint(1, 1));   // nothing on the press
    EXPECT_EQ(0, m_pFrame->m_nRuns);
    pItem->OnLButtonUp(CPoint(1, 1));
    EXPECT_EQ(1, m_pFrame->m_nRuns);
    EXPECT_EQ(0, pItem->GetPressed());

    // Labels ignore clicks.
    CXTPControl* pLabel = m_bar.GetControls()->Add(xtpControlLabel, ID_TEST_RUN);
    pLabel->OnClick(TRUE, CPoint(0, 0));
    pLabel->OnLButtonUp(CPoint(0, 0));
    EXPECT_EQ(1, m_pFrame->m_nRuns);
    pLabel->OnSetSelected(1);
    EXPECT_EQ(0, pLabel->GetSelected());
    EXPECT_EQ(xtpFlagSkipFocus | xtpFlagNoMovable, pLabel->GetFlags());
}

TEST_F(ControlRunTest, UsedHiddenCommandsAreRecorded)
{
    m_pCommandBars->HideCommand(ID_TEST_RUN);
    EXPECT_TRUE(m_pCommandBars->IsCommandHidden(ID_TEST_RUN));
    EXPECT_TRUE(m_pCommandBars->IsControlHidden(m_pControl));
    m_pControl->OnExecute();
    EXPECT_FALSE(m_pCommandBars->IsCommandHidden(ID_TEST_RUN));
    EXPECT_TRUE(m_pCommandBars->GetCommandBarsOptions()->bDirty);
}

} // namespace
