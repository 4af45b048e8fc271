// The control collection: insertion and indexes, the factory and its action
// binding by id range, removal, keyboard navigation, copies and comparison,
// and the controls made from menu items with the site's creation queries.
#include "toolkit/controls/Controls.h"

#include "BarTestSupport.h"
#include "framework/ui/Menu.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlCheckBox.h"
#include "toolkit/controls/ControlCustom.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/ControlLabel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ReleaseCommandBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};

class ControlsTest : public testing::Test
{
protected:
    void SetUp() override { m_bar.SetCommandBars(m_pCommandBars.get()); }

    CXTPControls* Controls() { return m_bar.GetControls(); }
    std::string Ids()
    {
        std::string s;
        for (int i = 0; i < Controls()->GetCount(); ++i)
        {
            EXPECT_EQ(i, Controls()->GetAt(i)->GetIndex());
            EXPECT_EQ(&m_bar, Controls()->GetAt(i)->GetParent());
            s += std::to_string(Controls()->GetAt(i)->GetID()) + " ";
        }
        return s;
    }

    std::unique_ptr<CXTPCommandBars, ReleaseCommandBars> m_pCommandBars{new CXTPCommandBars};
    CTestBar m_bar;
};

TEST_F(ControlsTest, FactoryMakesTheClassOfTheType)
{
    struct
    {
        int nType;
        CRuntimeClass* pClass;
        int nTypeAfter;
    } cases[] = {
        {xtpControlButton, RUNTIME_CLASS(CXTPControlButton), xtpControlButton},
        {xtpControlLabel, RUNTIME_CLASS(CXTPControlLabel), xtpControlLabel},
        {xtpControlCheckBox, RUNTIME_CLASS(CXTPControlCheckBox), xtpControlCheckBox},
        {xtpControlCustom, RUNTIME_CLASS(CXTPControlCustom), xtpControlButton},
    };
    for (auto& c : cases)
    {
        CXTPControl* pControl = Controls()->Add(c.nType, 100, "Parameter", -1, TRUE);
        ASSERT_NE(nullptr, pControl) << c.nType;
        EXPECT_EQ(c.pClass, pControl->GetRuntimeClass());
        EXPECT_EQ(c.nTypeAfter, pControl->GetType());
        EXPECT_STREQ("Parameter", pControl->GetParameter());
        EXPECT_TRUE(pControl->IsTemporary());
    }
    for (int nType : {0, 11, -1})
        EXPECT_EQ(nullptr, Controls()->Add(nType, 100));
    EXPECT_EQ(4, Controls()->GetCount());
}

TEST_F(ControlsTest, InsertionIndexes)
{
    Controls()->Add(xtpControlButton, 1);
    Controls()->Add(xtpControlButton, 2, nullptr, -1);
    Controls()->Add(xtpControlButton, 3, nullptr, 5);   // beyond the end: appended
    Controls()->Add(xtpControlButton, 4, nullptr, 3);   // at the count: appended
    Controls()->Add(xtpControlButton, 5, nullptr, 0);   // first
    Controls()->Add(xtpControlButton, 6, nullptr, 2);
    EXPECT_EQ("5 1 6 2 3 4 ", Ids());

    CXTPControl* pCopy = Controls()->AddCopy(Controls()->GetAt(0), 1);
    EXPECT_EQ(5, pCopy->GetID());
    EXPECT_EQ("5 5 1 6 2 3 4 ", Ids());

    Controls()->RemoveAt(1);
    Controls()->RemoveAt(99);
    EXPECT_EQ("5 1 6 2 3 4 ", Ids());
    EXPECT_EQ(5, Controls()->FindControl(5)->GetID());
    EXPECT_EQ(nullptr, Controls()->FindControl(7));

    // A control of another collection is left alone.
    CTestBar other;
    CXTPControl* pForeign = other.GetControls()->Add(xtpControlButton, 9);
    Controls()->Remove(pForeign);
    EXPECT_EQ(1, other.GetControls()->GetCount());
    EXPECT_EQ(6, Controls()->GetCount());
}

TEST_F(ControlsTest, ActionBindingByIdRange)
{
    CXTPControlActions* pActions = m_pCommandBars->GetActions();
    struct
    {
        int nId;
        BOOL bActionBefore;
        BOOL bBound;
    } cases[] = {
        {100, FALSE, TRUE},          // made on demand
        {35001, FALSE, FALSE},       // reserved: only an existing action
        {35002, TRUE, TRUE},
        {9300, FALSE, FALSE},
        {9499, TRUE, TRUE},
        {9500, FALSE, TRUE},
        {0, FALSE, FALSE},           // outside 1..0x0FFFFFFE: the id alone
        {0x0FFFFFFF, FALSE, FALSE},
    };
    for (auto& c : cases)
    {
        if (c.bActionBefore)
            pActions->Add(c.nId);
        CXTPControl* pControl = Controls()->Add(xtpControlButton, c.nId);
        EXPECT_EQ(c.bBound, pControl->GetAction() != nullptr) << c.nId;
        EXPECT_EQ(c.nId, pControl->GetID()) << c.nId;
        EXPECT_EQ(c.bBound, pActions->FindAction(c.nId) != nullptr) << c.nId;
    }
    // Two controls of one id share one action.
    CXTPControl* pSecond = Controls()->Add(xtpControlButton, 100);
    EXPECT_EQ(Controls()->GetAt(0)->GetAction(), pSecond->GetAction());

    // Without actions, and without command bars, controls keep the id alone.
    m_pCommandBars->EnableActions(FALSE);
    EXPECT_EQ(nullptr, Controls()->Add(xtpControlButton, 200)->GetAction());
    CTestBar loose;
    CXTPControl* pLoose = loose.GetControls()->Add(xtpControlButton, 300);
    EXPECT_EQ(nullptr, pLoose->GetAction());
    EXPECT_EQ(300, pLoose->GetID());
}

TEST_F(ControlsTest, NextVisibleIndex)
{
    for (int i = 0; i < 3; ++i)
        Controls()->Add(xtpControlButton, i + 1);
    CXTPControls* p = Controls();
    EXPECT_EQ(2, p->GetNext(-1, -1));
    EXPECT_EQ(0, p->GetNext(-1, 1));
    EXPECT_EQ(0, p->GetNext(2, 1));   // wraps once
    EXPECT_EQ(2, p->GetNext(0, -1));

    p->GetAt(1)->SetFlags(xtpFlagSkipFocus);
    EXPECT_EQ(2, p->GetNext(0, 1));
    EXPECT_EQ(1, p->GetNext(0, 1, FALSE));
    p->GetAt(2)->SetTemporary(TRUE);
    EXPECT_EQ(0, p->GetNext(0, 1, TRUE, TRUE));   // back at the start
    EXPECT_EQ(2, p->GetNext(0, 1, TRUE, FALSE));

    // Hidden by the personalised menu: passed over only when kept scrolled.
    p->GetAt(2)->SetHideFlags(xtpHideExpand);
    EXPECT_EQ(2, p->GetNext(0, 1));
    EXPECT_EQ(0, p->GetNext(0, 1, TRUE, FALSE, TRUE));
    p->GetAt(2)->SetHideFlags(xtpHideScroll);
    EXPECT_EQ(2, p->GetNext(0, 1, TRUE, FALSE, TRUE));

    for (int i = 0; i < 3; ++i)
        p->GetAt(i)->SetHideFlags(xtpHideGeneric);
    EXPECT_EQ(-1, p->GetNext(-1, 1));
    EXPECT_EQ(-1, p->GetNext(-1, -1));
    EXPECT_EQ(1, p->GetNext(1, 1));
    EXPECT_EQ(1, p->GetNext(1, -1));

    CTestBar empty;
    EXPECT_EQ(-1, empty.GetControls()->GetNext(-1, 1));
}

TEST_F(ControlsTest, VisibleCountAndHitTest)
{
    for (int i = 0; i < 4; ++i)
    {
        CXTPControl* pControl = Controls()->Add(xtpControlButton, i + 1);
        pControl->SetRect(CRect(i * 20, 0, i * 20 + 20, 20));
    }
    Controls()->GetAt(1)->SetHideFlags(xtpHideWrap);
    Controls()->GetAt(2)->SetVisible(FALSE);
    EXPECT_EQ(2, Controls()->GetVisibleCount(TRUE));
    EXPECT_EQ(3, Controls()->GetVisibleCount(FALSE));
    EXPECT_EQ(1, Controls()->HitTest(CPoint(5, 5))->GetID());
    EXPECT_EQ(nullptr, Controls()->HitTest(CPoint(25, 5)));
    EXPECT_EQ(4, Controls()->HitTest(CPoint(65, 5))->GetID());
    EXPECT_EQ(1, Controls()->FindControl(xtpControlButton, -1, TRUE, FALSE)->GetID());
    EXPECT_EQ(3, Controls()->FindControl(xtpControlButton, 3, FALSE, FALSE)->GetID());
    EXPECT_EQ(nullptr, Controls()->FindControl(xtpControlLabel, -1, FALSE, FALSE));
}

TEST_F(ControlsTest, OriginalControlsAndComparison)
{
    Controls()->Add(xtpControlButton, 1);
    Controls()->Add(xtpControlButton, 2);
    EXPECT_TRUE(Controls()->IsChanged());   // nothing to compare with
    Controls()->CreateOriginalControls();
    EXPECT_FALSE(Controls()->IsChanged());

    // Temporary controls are skipped on both sides.
    Controls()->Add(xtpControlButton, 3, nullptr, 1, TRUE);
    EXPECT_FALSE(Controls()->IsChanged());
    Controls()->GetAt(2)->SetBeginGroup(TRUE);
    EXPECT_TRUE(Controls()->IsChanged());
    Controls()->GetAt(2)->SetBeginGroup(FALSE);
    Controls()->Add(xtpControlButton, 4);
    EXPECT_TRUE(Controls()->IsChanged());

    CXTPControls* pCopy = Controls()->Duplicate(TRUE);
    EXPECT_EQ(3, pCopy->GetCount());   // the temporary one is not copied
    EXPECT_TRUE(pCopy->Compare(Controls()));
    ASSERT_NE(nullptr, pCopy->GetOriginalControls());
    EXPECT_EQ(2, pCopy->GetOriginalControls()->GetCount());
    pCopy->InternalRelease();
}

// A site that watches the creation queries of menu items and changes one.
class CMenuSite : public CWnd
{
public:
    struct Query
    {
        UINT nMessage;
        int nId;
        std::string strCaption;
        int nType;
        CXTPControl* pControl;
    };
    std::vector<Query> m_queries;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_BEFORECREATECONTROL || message == WM_XTP_AFTERCREATECONTROL)
        {
            auto* pRecord = reinterpret_cast<XTP_COMMANDBARS_CREATECONTROL*>(lParam);
            m_queries.push_back({message, pRecord->nID, std::string(pRecord->strCaption),
                                 pRecord->controlType, pRecord->pControl});
            if (message == WM_XTP_BEFORECREATECONTROL && pRecord->nID == 300)
            {
                pRecord->strCaption = "Geändert";
                pRecord->controlType = xtpControlCheckBox;
                return 1;
            }
            if (message == WM_XTP_BEFORECREATECONTROL && pRecord->nID == 301)
            {
                pRecord->controlType = xtpControlCustom;   // makes no control
                return 1;
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(ControlsTest, MenuItemsBecomeControls)
{
    CMenuSite site;
    ASSERT_TRUE(site.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    m_pCommandBars->SetSite(&site);

    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 200, "Eintrag");
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 100, "&Neu\tStrg+N");
    menu.AppendMenu(MF_STRING, 300, "Alt");
    menu.AppendMenu(MF_STRING, 301, "Eigen");
    menu.AppendMenu(MF_STRING, 0xFF00, "Platzhalter");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "Datei\t57600");
    ::SetMenuDefaultItem(menu.GetSafeHmenu(), 0, TRUE);
    std::string strLong(1500, 'x');
    menu.AppendMenu(MF_STRING, 101, strLong.c_str());

    std::vector<CXTPControl*> made;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        made.push_back(Controls()->LoadMenuItem(&menu, i));

    ASSERT_NE(nullptr, made[0]);
    EXPECT_EQ(100, made[0]->GetID());
    EXPECT_STREQ("&Neu", made[0]->GetCaption());   // the action took the caption
    EXPECT_STREQ("Strg+N", made[0]->GetShortcutText());
    EXPECT_TRUE(made[0]->IsDefaultItem());
    ASSERT_NE(nullptr, made[0]->GetAction());
    EXPECT_STREQ("&Neu", made[0]->GetAction()->GetCaption());

    ASSERT_NE(nullptr, made[1]);   // the site's answer: another caption and type
    EXPECT_EQ(RUNTIME_CLASS(CXTPControlCheckBox), made[1]->GetRuntimeClass());
    EXPECT_STREQ("Geändert", made[1]->GetCaption());
    EXPECT_FALSE(made[1]->IsDefaultItem());
    EXPECT_EQ(nullptr, made[2]);   // custom controls are not made from menus
    EXPECT_EQ(nullptr, made[3]);   // the placeholder
    // The sub-menu: a popup control whose sub-bar holds the sub-menu's item.
    ASSERT_NE(nullptr, made[4]);
    EXPECT_EQ(RUNTIME_CLASS(CXTPControlPopup), made[4]->GetRuntimeClass());
    EXPECT_EQ(57600, made[4]->GetID());
    EXPECT_STREQ("Datei", made[4]->GetCaption());
    ASSERT_NE(nullptr, made[4]->GetCommandBar());
    ASSERT_EQ(1, made[4]->GetCommandBar()->GetControlCount());
    EXPECT_EQ(200, made[4]->GetCommandBar()->GetControl(0)->GetID());
    EXPECT_STREQ("Datei", made[4]->GetCommandBar()->GetTitle());
    ASSERT_NE(nullptr, made[5]);
    EXPECT_EQ(1024, made[5]->GetCaption().GetLength());   // long texts are cut
    EXPECT_EQ(4, Controls()->GetCount());

    // The queries: before and after for each made control; the sub-menu's
    // number after the TAB became its id.
    int nBefore = 0, nAfter = 0;
    for (auto& q : site.m_queries)
    {
        if (q.nMessage == WM_XTP_BEFORECREATECONTROL)
            ++nBefore;
        else
        {
            ++nAfter;
            EXPECT_NE(nullptr, q.pControl);
        }
        if (q.nMessage == WM_XTP_BEFORECREATECONTROL && q.nType == xtpControlPopup)
        {
            EXPECT_EQ(57600, q.nId);
            EXPECT_EQ("Datei", q.strCaption);
        }
    }
    // The sub-menu's item was asked about too.
    EXPECT_EQ(6, nBefore);
    EXPECT_EQ(5, nAfter);
    site.DestroyWindow();
}

TEST_F(ControlsTest, SubMenuIdsFromTheirText)
{
    CMenuSite site;
    ASSERT_TRUE(site.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    m_pCommandBars->SetSite(&site);
    struct
    {
        const char* pszText;
        int nId;
        const char* pszCaption;
    } cases[] = {
        {"Datei\t57600", 57600, "Datei"},
        {"Datei\t0", 0, "Datei\t0"},
        {"Datei", -1, "Datei"},
        {"\t5", -1, "\t5"},   // a TAB at the start is no number
    };
    for (auto& c : cases)
    {
        CMenu menu;
        menu.CreatePopupMenu();
        HMENU hSub = ::CreatePopupMenu();
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), c.pszText);
        site.m_queries.clear();
        Controls()->LoadMenuItem(&menu, 0);
        // Before and after the (popup) control is made.
        ASSERT_EQ(2u, site.m_queries.size()) << c.pszText;
        EXPECT_EQ(c.nId, site.m_queries[0].nId) << c.pszText;
        EXPECT_EQ(c.pszCaption, site.m_queries[0].strCaption) << c.pszText;
    }
    site.DestroyWindow();
}

} // namespace
