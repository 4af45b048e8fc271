// The ribbon bar: its height by width, frame height and state, the tab
// change with its notifications, veto and hide bits, minimising by a double
// click, the quick access row with its overflow, more popup and menu, the
// row kept in the registry, and the ribbon theme it draws with.
#include "RibbonTestSupport.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonGroupPopup.h"
#include "toolkit/extras/RibbonQuickAccess.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/res/ToolkitRes.h"

#include <shlwapi.h>

namespace {

// Heights: the tab row 22, the groups 32 + 44 + 17 = 93, the quick access
// row below 22 + 4 and one pixel.
const int kTabs = 22;
const int kGroups = 93;
const int kQuickAccessBelow = 27;

CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Ribbon-%lu", ::GetCurrentProcessId());
    return strKey;
}

class RibbonBarTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        RibbonTestBase::SetUp();
        for (const char* pszTab : {"&Start", "&Einfügen", "&Ansicht"})
        {
            CXTPRibbonTab* pTab = m_pRibbon->AddTab(pszTab);
            CXTPRibbonGroup* pGroup = pTab->AddGroup("Gruppe", 10 * (m_pRibbon->GetTabCount()));
            AddButton(pGroup, 1000 + m_pRibbon->GetTabCount(), xtpButtonIconAndCaptionBelow);
        }
        m_pRibbon->SelectTab(0);
        m_pFrame->m_notices.clear();
    }
    CXTPControl* ButtonOfTab(int nTab) const
    {
        return m_pRibbon->GetTab(nTab)->GetGroups()->GetAt(0)->GetAt(0);
    }
    CXTPControl* AddQuickAccessButton(int nID)
    {
        CXTPControl* pControl = new CFixedSizeButton;
        pControl->SetID(nID);
        pControl->SetStyle(xtpButtonIcon);
        return m_pRibbon->GetQuickAccessControls()->Add(pControl);
    }
};

TEST_F(RibbonBarTest, HeightByLengthFrameHeightAndState)
{
    const struct
    {
        const char* pszCase;
        int nLength;
        int nFrameHeight;
        BOOL bMinimised;
        BOOL bBelow;
        int nHeight;
    } kCases[] = {
        {"full", 600, 600, FALSE, FALSE, kTabs + kGroups},
        {"exactly 250 wide", 250, 600, FALSE, FALSE, kTabs + kGroups},
        {"too narrow", 249, 600, FALSE, FALSE, 0},
        {"frame too low", 600, 249, FALSE, FALSE, 0},
        {"frame 250 high", 600, 250, FALSE, FALSE, kTabs + kGroups},
        {"minimised", 600, 600, TRUE, FALSE, kTabs},
        {"quick access below", 600, 600, FALSE, TRUE, kTabs + kGroups + kQuickAccessBelow},
        {"minimised, below", 600, 600, TRUE, TRUE, kTabs + kQuickAccessBelow},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszCase);
        m_pFrame->SetWindowPos(nullptr, 0, 0, 900, c.nFrameHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pRibbon->SelectTab(c.bMinimised ? static_cast<CXTPRibbonTab*>(nullptr) : m_pRibbon->GetTab(0));
        m_pRibbon->SetShowQuickAccessBelow(c.bBelow);
        const CSize size = m_pRibbon->CalcDockingLayout(c.nLength, LM_HORZDOCK);
        EXPECT_EQ(c.nLength, size.cx);
        EXPECT_EQ(c.nHeight, size.cy);
        EXPECT_EQ(c.nHeight != 0, m_pRibbon->IsRibbonVisible());
    }
}

TEST_F(RibbonBarTest, TheLayoutPutsTabsGroupsAndQuickAccessInPlace)
{
    m_pRibbon->SetShowQuickAccessBelow(TRUE);
    LayoutAt(600);
    EXPECT_EQ(CRect(0, kTabs, 600, kTabs + kGroups), m_pRibbon->GetGroupsRect());
    EXPECT_EQ(CRect(0, kTabs + kGroups, 600, kTabs + kGroups + 26), m_pRibbon->GetQuickAccessRect());
    EXPECT_EQ(CRect(2, 0, 598, kTabs), m_pRibbon->GetTabsRect());
    // The groups start 4 pixels in and 3 down; their buttons 2 more.
    CXTPRibbonGroup* pGroup = m_pRibbon->GetTab(0)->GetGroups()->GetAt(0);
    EXPECT_EQ(CPoint(4, kTabs + 3), pGroup->GetRect().TopLeft());
    EXPECT_EQ(CPoint(6, kTabs + 5), ButtonOfTab(0)->GetRect().TopLeft());
    // The tabs lie in the tab row, one after the other.
    const CRect rcFirst = m_pRibbon->GetTab(0)->GetRect();
    EXPECT_GE(rcFirst.left, 2);
    // A tab is one pixel taller than its row: it reaches over the groups' edge.
    EXPECT_EQ(1, rcFirst.top);
    EXPECT_EQ(kTabs + 1, rcFirst.Height());
    EXPECT_LE(rcFirst.right, m_pRibbon->GetTab(1)->GetRect().left);

    // Above: the row sits on the tab row, before the tabs.
    m_pRibbon->SetShowQuickAccessBelow(FALSE);
    LayoutAt(600);
    const CRect rcButton = m_pRibbon->GetControlQuickAccess()->GetRect();
    EXPECT_EQ(7, rcButton.left);
    EXPECT_EQ(rcButton.right, m_pRibbon->GetTabsRect().left);
}

TEST_F(RibbonBarTest, ATabChangeIsAskedForToldAndHidesTheOtherTabsControls)
{
    LayoutAt(600);
    m_pRibbon->SetGroupsScrollPos(30);

    m_pFrame->m_bVeto = TRUE;
    m_pRibbon->SelectTab(1);
    EXPECT_EQ(m_pRibbon->GetTab(0), m_pRibbon->GetSelectedTab());
    ASSERT_EQ(1u, m_pFrame->m_notices.size());
    EXPECT_EQ(XTP_RN_TABCHANGING, m_pFrame->m_notices[0].nCode);
    EXPECT_EQ(m_pRibbon->GetTab(1), m_pFrame->m_notices[0].pTab);

    m_pFrame->m_bVeto = FALSE;
    m_pFrame->m_notices.clear();
    m_pRibbon->SelectTab(1);
    EXPECT_EQ(m_pRibbon->GetTab(1), m_pRibbon->GetSelectedTab());
    ASSERT_EQ(3u, m_pFrame->m_notices.size());
    EXPECT_EQ(XTP_RN_TABCHANGING, m_pFrame->m_notices[0].nCode);
    EXPECT_EQ(XTP_RN_TABCHANGED, m_pFrame->m_notices[1].nCode);
    EXPECT_EQ(m_pRibbon->GetTab(1), m_pFrame->m_notices[1].pTab);
    EXPECT_EQ(XTP_RN_SELECTIONCHANGED, m_pFrame->m_notices[2].nCode);
    EXPECT_EQ(0, m_pRibbon->GetGroupsScrollPos());
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        const BOOL bHidden = (ButtonOfTab(i)->GetHideFlags() & xtpHideRibbonTab) != 0;
        EXPECT_EQ(i != 1, bHidden);
    }

    // The same tab again: nothing asked, nothing told.
    m_pFrame->m_notices.clear();
    m_pRibbon->SelectTab(1);
    EXPECT_TRUE(m_pFrame->m_notices.empty());

    // Indexes are clamped into the tabs.
    m_pRibbon->SelectTab(99);
    EXPECT_EQ(m_pRibbon->GetTab(2), m_pRibbon->GetSelectedTab());
    m_pRibbon->SelectTab(-5);
    EXPECT_EQ(m_pRibbon->GetTab(0), m_pRibbon->GetSelectedTab());
}

TEST_F(RibbonBarTest, DoubleClickingTheSelectedTabMinimisesButNotRightAfterRestoring)
{
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    m_pFrame->RecalcLayout();
    Pump();
    ASSERT_TRUE(m_pRibbon->GetSafeHwnd());
    const CPoint ptTab = m_pRibbon->GetTab(0)->GetRect().CenterPoint();
    const LPARAM lPoint = MAKELPARAM(ptTab.x, ptTab.y);

    m_pRibbon->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    m_pRibbon->SendMessage(WM_LBUTTONUP, 0, lPoint);
    m_pRibbon->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
    m_pRibbon->SendMessage(WM_LBUTTONUP, 0, lPoint);
    Pump();
    EXPECT_TRUE(m_pRibbon->IsMinimized());
    EXPECT_EQ(kTabs, m_pRibbon->CalcDockingLayout(600, LM_HORZDOCK).cy);

    // A click on a tab while minimised selects it; its double click keeps it.
    m_pRibbon->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    m_pRibbon->SendMessage(WM_LBUTTONUP, 0, lPoint);
    EXPECT_EQ(m_pRibbon->GetTab(0), m_pRibbon->GetSelectedTab());
    m_pRibbon->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
    m_pRibbon->SendMessage(WM_LBUTTONUP, 0, lPoint);
    Pump();
    EXPECT_EQ(m_pRibbon->GetTab(0), m_pRibbon->GetSelectedTab());
    EXPECT_EQ(kTabs + kGroups, m_pRibbon->CalcDockingLayout(600, LM_HORZDOCK).cy);
}

TEST_F(RibbonBarTest, QuickAccessControlsThatDoNotFitGoToTheMorePopup)
{
    for (int i = 0; i < 15; ++i)
        AddQuickAccessButton(500 + i);
    LayoutAt(400);
    // From x 7 up to 400 - 113 five buttons of 50 fit.
    CXTPRibbonQuickAccessControls* pRow = m_pRibbon->GetQuickAccessControls();
    int nShown = 0;
    for (int i = 0; i < pRow->GetCount(); ++i)
    {
        const BOOL bShown = pRow->GetAt(i)->IsVisible();
        EXPECT_EQ(i < 5, bShown) << i;
        nShown += bShown ? 1 : 0;
    }
    EXPECT_EQ(5, nShown);
    EXPECT_EQ(7 + 5 * 50, pRow->GetAt(4)->GetRect().right);
    EXPECT_TRUE(m_pRibbon->GetControlQuickAccessMore()->IsVisible());
    EXPECT_EQ(pRow->GetAt(4)->GetRect().right, m_pRibbon->GetControlQuickAccessMore()->GetRect().left);

    CXTPPopupBar* pMore = m_pRibbon->CreateQuickAccessMorePopup();
    ASSERT_EQ(11, pMore->GetControlCount());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(505 + i, pMore->GetControl(i)->GetID());
    EXPECT_EQ(XTP_ID_RIBBONCONTROLQUICKACCESS, pMore->GetControl(10)->GetID());
    pMore->InternalRelease();

    // Wide enough: every control shows and the more button hides.
    LayoutAt(1200);
    for (int i = 0; i < pRow->GetCount(); ++i)
        EXPECT_TRUE(pRow->GetAt(i)->IsVisible());
    EXPECT_FALSE(m_pRibbon->GetControlQuickAccessMore()->IsVisible());
}

TEST_F(RibbonBarTest, TheQuickAccessMenuOffersWhatFitsTheControl)
{
    CXTPControl* pInRow = AddQuickAccessButton(600);
    const struct
    {
        const char* pszCase;
        CXTPControl* pTarget;
        BOOL bBelow;
        BOOL bRemove, bAdd, bShowBelow, bShowAbove;
    } kCases[] = {
        {"group button", ButtonOfTab(0), FALSE, FALSE, TRUE, FALSE, FALSE},
        {"row control", pInRow, FALSE, TRUE, FALSE, TRUE, FALSE},
        {"row control, row below", pInRow, TRUE, TRUE, FALSE, FALSE, TRUE},
        {"the row's button", m_pRibbon->GetControlQuickAccess(), FALSE, FALSE, FALSE, TRUE, FALSE},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszCase);
        m_pRibbon->SetShowQuickAccessBelow(c.bBelow);
        CXTPPopupBar* pMenu = m_pRibbon->CreateQuickAccessMenu(c.pTarget);
        ASSERT_NE(nullptr, pMenu);
        auto shown = [pMenu](int nID) {
            CXTPControl* pItem = pMenu->GetControls()->FindControl(nID);
            return pItem && pItem->IsVisible();
        };
        EXPECT_EQ(c.bRemove, shown(XTP_ID_RIBBONCUSTOMIZE_REMOVE));
        EXPECT_EQ(c.bAdd, shown(XTP_ID_RIBBONCUSTOMIZE_ADD));
        EXPECT_TRUE(shown(XTP_ID_RIBBONCUSTOMIZE));
        EXPECT_EQ(c.bShowBelow, shown(XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW));
        EXPECT_EQ(c.bShowAbove, shown(XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE));
        // The toolbar list sits third, after a separator.
        EXPECT_EQ(XTP_ID_TOOLBARS_LIST, static_cast<UINT>(pMenu->GetControl(2)->GetID()));
        EXPECT_TRUE(pMenu->GetControl(2)->GetBeginGroup());
        pMenu->InternalRelease();
    }
}

TEST_F(RibbonBarTest, AddingFromTheMenuCopiesTheControlOnceAndRemovingTakesItOut)
{
    CXTPControl* pTarget = ButtonOfTab(0);
    auto run = [this, pTarget](int nID) {
        CXTPPopupBar* pMenu = m_pRibbon->CreateQuickAccessMenu(pTarget);
        CXTPControl* pItem = pMenu->GetControls()->FindControl(nID);
        NMXTPCONTROL notify = {};
        notify.hdr.code = CBN_XTP_EXECUTE;
        notify.pControl = pItem;
        const LRESULT lResult = m_pRibbon->SendMessage(WM_XTP_COMMAND, static_cast<WPARAM>(nID),
                                                       reinterpret_cast<LPARAM>(&notify));
        pMenu->InternalRelease();
        return lResult;
    };
    CXTPRibbonQuickAccessControls* pRow = m_pRibbon->GetQuickAccessControls();
    EXPECT_TRUE(m_pRibbon->IsAllowQuickAccessControl(pTarget));
    EXPECT_NE(0, run(XTP_ID_RIBBONCUSTOMIZE_ADD));
    ASSERT_EQ(1, pRow->GetCount());
    CXTPControl* pCopy = pRow->GetAt(0);
    EXPECT_NE(pTarget, pCopy);
    EXPECT_EQ(pTarget->GetID(), pCopy->GetID());
    EXPECT_EQ(nullptr, pCopy->GetRibbonGroup());
    EXPECT_EQ(m_pRibbon, pCopy->GetParent());
    // Once in the row, the command is not offered again; galleries never.
    EXPECT_FALSE(m_pRibbon->IsAllowQuickAccessControl(pTarget));
    run(XTP_ID_RIBBONCUSTOMIZE_ADD);
    EXPECT_EQ(1, pRow->GetCount());
    m_pRibbon->AllowQuickAccessDuplicates(TRUE);
    EXPECT_TRUE(m_pRibbon->IsAllowQuickAccessControl(pTarget));
    m_pRibbon->AllowQuickAccessDuplicates(FALSE);
    CXTPControl* pGallery = m_pRibbon->GetControls()->Add(xtpControlGallery, 700);
    ASSERT_NE(nullptr, pGallery);
    EXPECT_FALSE(m_pRibbon->IsAllowQuickAccessControl(pGallery));
    EXPECT_FALSE(m_pRibbon->IsAllowQuickAccessControl(nullptr));

    // Removing: the copy leaves the row and the bar.
    const int nBarControls = m_pRibbon->GetControlCount();
    CXTPPopupBar* pMenu = m_pRibbon->CreateQuickAccessMenu(pCopy);
    CXTPControl* pRemove = pMenu->GetControls()->FindControl(XTP_ID_RIBBONCUSTOMIZE_REMOVE);
    NMXTPCONTROL notify = {};
    notify.hdr.code = CBN_XTP_EXECUTE;
    notify.pControl = pRemove;
    m_pRibbon->SendMessage(WM_XTP_COMMAND, XTP_ID_RIBBONCUSTOMIZE_REMOVE, reinterpret_cast<LPARAM>(&notify));
    pMenu->InternalRelease();
    EXPECT_EQ(0, pRow->GetCount());
    EXPECT_EQ(nBarControls - 1, m_pRibbon->GetControlCount());

    // The commands that move the row.
    m_pRibbon->SendMessage(WM_COMMAND, XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW, 0);
    EXPECT_TRUE(m_pRibbon->IsQuickAccessBelow());
    m_pRibbon->SendMessage(WM_COMMAND, XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE, 0);
    EXPECT_FALSE(m_pRibbon->IsQuickAccessBelow());
}

TEST_F(RibbonBarTest, TheQuickAccessRowAndItsPlaceComeBackFromTheRegistry)
{
    AddQuickAccessButton(801);
    AddQuickAccessButton(802);
    m_pRibbon->SetShowQuickAccessBelow(TRUE);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
        m_pRibbon->DoPropExchange(&px);
    }
    DWORD dwBelow = 0;
    DWORD cbBelow = sizeof(dwBelow);
    EXPECT_EQ(ERROR_SUCCESS, ::SHGetValueA(HKEY_CURRENT_USER, TestKey(), "ShowQuickAccessBelow", nullptr,
                                           &dwBelow, &cbBelow));
    EXPECT_EQ(1u, dwBelow);
    HKEY hKey = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              ::RegOpenKeyExA(HKEY_CURRENT_USER, TestKey() + "\\QuickAccessControls", 0, KEY_READ, &hKey));
    if (hKey)
        ::RegCloseKey(hKey);

    CXTPRibbonBar* pOther = static_cast<CXTPRibbonBar*>(RUNTIME_CLASS(CXTPRibbonBar)->CreateObject());
    pOther->SetCommandBars(m_pCommandBars.get());
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        pOther->DoPropExchange(&px);
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    EXPECT_TRUE(pOther->IsQuickAccessBelow());
    CXTPRibbonQuickAccessControls* pRow = pOther->GetQuickAccessControls();
    ASSERT_EQ(2, pRow->GetCount());
    EXPECT_EQ(801, pRow->GetAt(0)->GetID());
    EXPECT_EQ(802, pRow->GetAt(1)->GetID());
    EXPECT_EQ(pOther, pRow->GetAt(0)->GetParent());
    // The ribbon's own controls are untouched by the load.
    EXPECT_NE(nullptr, pOther->GetControls()->FindControl(XTP_ID_RIBBONCONTROLTAB));
    pOther->InternalRelease();
}

TEST_F(RibbonBarTest, ACopyTakesTheRowAndItsPlace)
{
    AddQuickAccessButton(901);
    m_pRibbon->SetShowQuickAccessBelow(TRUE);
    CXTPCommandBar* pClone = m_pRibbon->Clone(FALSE);
    ASSERT_TRUE(pClone->IsRibbonBar());
    CXTPRibbonBar* pCopy = static_cast<CXTPRibbonBar*>(pClone);
    EXPECT_TRUE(pCopy->IsQuickAccessBelow());
    ASSERT_EQ(1, pCopy->GetQuickAccessControls()->GetCount());
    EXPECT_NE(m_pRibbon->GetQuickAccessControls()->GetAt(0), pCopy->GetQuickAccessControls()->GetAt(0));
    pClone->InternalRelease();
}

TEST_F(RibbonBarTest, UnderAnotherThemeTheRibbonDrawsWithARibbonThemeOfItsOwn)
{
    SetPaintTheme(xtpThemeOffice2000);
    CXTPRibbonTheme* pOwn = m_pRibbon->GetRibbonTheme();
    ASSERT_NE(nullptr, pOwn);
    EXPECT_EQ(xtpThemeRibbon, pOwn->BaseTheme());
    EXPECT_NE(static_cast<CXTPPaintManager*>(pOwn), XTPPaintManager());
    EXPECT_EQ(pOwn, m_pRibbon->GetRibbonTheme());

    CXTPRibbonTheme* pTheme = new CXTPRibbonTheme;
    SetCurrentPaintManager(pTheme);
    EXPECT_EQ(pTheme, m_pRibbon->GetRibbonTheme());
    // The tab strip asks the theme at each use.
    EXPECT_EQ(pTheme->GetTabPaintManager(), m_pRibbon->GetControlTab()->GetPaintManager());
    SetPaintTheme(xtpThemeOffice2000);
    EXPECT_EQ(pOwn->GetTabPaintManager(), m_pRibbon->GetControlTab()->GetPaintManager());
}

TEST_F(RibbonBarTest, AReducedGroupOpensACopyOfItselfInAPopupOfItsSize)
{
    CXTPRibbonGroup* pGroup = m_pRibbon->GetTab(0)->GetGroups()->GetAt(0);
    AddButton(pGroup, 1100, xtpButtonIconAndCaption);
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    m_pFrame->RecalcLayout();
    Pump();
    {
        CClientDC dc(nullptr);
        m_pRibbon->LayoutGroups(&dc, CRect(0, kTabs, 40, kTabs + kGroups), CRect(4, 3, 6, 3));
    }
    ASSERT_TRUE(pGroup->IsReduced());
    CXTPRibbonGroupControlPopup* pButton = pGroup->GetControlGroupPopup();
    ASSERT_TRUE(pButton->SetPopupOpen(TRUE));
    CXTPRibbonGroupPopupToolBar* pPopup = dynamic_cast<CXTPRibbonGroupPopupToolBar*>(pButton->GetCommandBar());
    ASSERT_NE(nullptr, pPopup);
    CXTPRibbonGroup* pCopy = pPopup->GetGroup();
    ASSERT_NE(nullptr, pCopy);
    EXPECT_NE(pGroup, pCopy);
    EXPECT_TRUE(pCopy->IsVisible());
    EXPECT_EQ(pGroup->GetCount(), pCopy->GetCount());
    EXPECT_EQ(pPopup, pCopy->GetAt(0)->GetParent());
    EXPECT_TRUE(pPopup->GetFlags() & xtpFlagPopupDropDown);
    // Full size: a large button and a small one with caption side by side.
    const int nWidth = kLargeButton.cx + 2 + kSmallCaptionButton.cx;
    EXPECT_EQ(CSize(2 + 3 + nWidth, kGroups - 7), pPopup->CalcDynamicLayout(-1, 0));
    pButton->SetPopupOpen(FALSE);
    m_pCommandBars->CloseAllPopups();
    Pump();
}

} // namespace
