// The toolbar list: the "Symbolleiste" placeholder of a menu lists the
// toolbars the user may close, checked while shown, and its items show and
// hide them; the toolbars context menu adds the customize command when the
// site handles it.
#include "toolkit/controls/ControlToolbars.h"

#include "BarTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int ID_TOOLBARS = 0xE800;
const int ID_CUSTOMIZE = 35001;

// A frame that can customize its bars.
class CCustomizingFrame : public CFrameWnd
{
protected:
    afx_msg void OnCustomize() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCustomizingFrame, CFrameWnd)
    ON_COMMAND(ID_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

class ToolbarListTest : public testing::Test
{
protected:
    void Open(CFrameWnd* pFrame)
    {
        m_pFrame = pFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_popup.SetCommandBars(m_pCommandBars.get());
        for (const char* pszTitle : {"Standard", "Format", "Intern", "Fest"})
            ASSERT_TRUE(m_pCommandBars->CreateToolBar(pszTitle, xtpBarTop));
        m_pCommandBars->GetAt(1)->SetVisible(FALSE);
        m_pCommandBars->GetAt(2)->SetContextMenuPresent(FALSE);
        m_pCommandBars->GetAt(3)->SetCloseable(FALSE);
    }
    void TearDown() override
    {
        m_popup.GetControls()->RemoveAll();
        if (m_pCommandBars)
            m_pCommandBars->RemoveAll();
        if (m_pFrame)
            m_pFrame->DestroyWindow();
    }
    // The popup's controls as "caption" ("-" before hidden ones, "*" before
    // checked ones, "|" before those that begin a group).
    std::vector<CString> Items() const
    {
        std::vector<CString> items;
        for (int i = 0; i < m_popup.GetControlCount(); ++i)
        {
            CXTPControl* pControl = m_popup.GetControl(i);
            CString str;
            str.Format("%s%s%s%s", pControl->GetBeginGroup() ? "|" : "",
                       pControl->IsVisible() ? "" : "-", pControl->GetChecked() ? "*" : "",
                       static_cast<LPCSTR>(pControl->GetCaption()));
            items.push_back(str);
        }
        return items;
    }
    void LayOut()
    {
        for (int i = m_popup.GetControlCount() - 1; i >= 0; --i)
            m_popup.GetControl(i)->OnCalcDynamicSize(0);
    }

    CFrameWnd* m_pFrame = nullptr;
    CRefPtr<CXTPCommandBars> m_pCommandBars;
    CTestBar m_popup{xtpBarTypePopup, xtpBarPopup};
};

TEST_F(ToolbarListTest, MenuListsTheCloseableToolbarsAndSwitchesThem)
{
    Open(new CFrameWnd);
    CXTPControls* pControls = m_popup.GetControls();
    pControls->Add(xtpControlButton, 100)->SetCaption("Neu");
    CXTPControl* pPlaceholder = pControls->Add(xtpControlButton, ID_TOOLBARS);
    pPlaceholder->SetCaption("Symbolleiste");
    pPlaceholder->SetBeginGroup(TRUE);
    pControls->Add(xtpControlButton, 101)->SetCaption("Ende");

    // Twice: the second layout replaces the items, it adds none.
    LayOut();
    LayOut();
    const std::vector<CString> listed = {"Neu", "|-Symbolleiste", "|*Standard", "Format", "Ende"};
    EXPECT_EQ(listed, Items());
    EXPECT_EQ(0u, m_popup.GetControl(2)->GetTag());
    EXPECT_EQ(1u, m_popup.GetControl(3)->GetTag());
    EXPECT_EQ(ID_TOOLBARS, m_popup.GetControl(3)->GetID());
    EXPECT_TRUE(m_popup.GetControl(3)->IsTemporary());

    // Running an item shows its toolbar; the next layout checks it.
    m_popup.GetControl(3)->OnExecute();
    EXPECT_TRUE(m_pCommandBars->GetAt(1)->IsVisible());
    LayOut();
    EXPECT_EQ(std::vector<CString>({"Neu", "|-Symbolleiste", "|*Standard", "*Format", "Ende"}),
              Items());
    m_popup.GetControl(2)->OnExecute();
    EXPECT_FALSE(m_pCommandBars->GetAt(0)->IsVisible());

    // An item whose toolbar has gone does nothing.
    m_popup.GetControl(3)->SetTag(7);
    m_popup.GetControl(3)->OnExecute();
    EXPECT_TRUE(m_pCommandBars->GetAt(1)->IsVisible());

    // In customize mode the placeholder is one button the user can move.
    m_pCommandBars->SetCustomizeMode(TRUE);
    LayOut();
    EXPECT_EQ(std::vector<CString>({"Neu", "|Symbolleiste", "Ende"}), Items());
    m_pCommandBars->SetCustomizeMode(FALSE);
    LayOut();
    EXPECT_EQ(5u, Items().size());
}

TEST_F(ToolbarListTest, ContextMenuOffersCustomizingWhereTheSiteHandlesIt)
{
    struct
    {
        bool bCustomizing;
        std::vector<CString> items;
    } cases[] = {
        {false, {"*Standard", "Format"}},
        {true, {"*Standard", "Format", "|"}},
    };
    for (auto& c : cases)
    {
        TearDown();
        Open(c.bCustomizing ? new CCustomizingFrame : new CFrameWnd);
        EXPECT_EQ(static_cast<int>(c.items.size()),
                  CXTPControlToolbars::AddToolbarItems(&m_popup, 0, ID_TOOLBARS, TRUE, FALSE));
        EXPECT_EQ(c.items, Items());
        if (c.bCustomizing)
        {
            EXPECT_EQ(ID_CUSTOMIZE, m_popup.GetControl(2)->GetID());
        }
    }
}

} // namespace
