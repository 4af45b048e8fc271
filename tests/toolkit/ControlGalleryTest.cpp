// The gallery control on a (hidden) bar with a test collection: borders and
// the items rectangle, scrolling by command and wheel, the keys as a table,
// hot, pressed and executed items, drawing that keeps the caller's clip,
// accessibility children, and its stored keys.
#include "toolkit/controls/ControlGallery.h"

#include "BarTestSupport.h"
#include "ExchangeTestSupport.h"
#include "TestDib.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <vector>

namespace {

// 40 x 20 items in a 130-pixel wide items rectangle: three to a row.
class ControlGalleryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        m_bar.SetPaintManager(&m_theme);
        ASSERT_TRUE(m_bar.CreateHidden(300, 200));
        m_bar.SetSite(&m_site);
        m_pItems = new CXTPControlGalleryItems;
        m_pItems->SetItemSize(CSize(40, 20));
        m_pItems->AddLabel("Farben");
        for (int i = 0; i < 7; ++i)
        {
            CString strCaption;
            strCaption.Format("Farbe %d", i);
            m_pItems->AddItem(100 + i, strCaption)->SetToolTip("Tipp " + strCaption);
        }
        m_pItems->AddLabel("Muster");
        for (int i = 0; i < 5; ++i)
        {
            CString strCaption;
            strCaption.Format("Muster %d", i);
            m_pItems->AddItem(200 + i, strCaption);
        }
        m_pAction = new CXTPControlGalleryAction;
        m_pAction->SetID(700);
        m_pAction->SetItems(m_pItems);
        m_pItems->InternalRelease();
        m_pGallery = dynamic_cast<CXTPControlGallery*>(m_bar.GetControls()->Add(xtpControlGallery, 0));
        ASSERT_NE(nullptr, m_pGallery);
        m_pGallery->SetAction(m_pAction);
        // Items rectangle: 130 wide, 60 high.
        m_pGallery->SetRect(CRect(10, 10, 10 + 130 + ::GetSystemMetrics(SM_CXVSCROLL), 70));
    }
    void TearDown() override
    {
        m_bar.SetTrackingMode(0);
        m_bar.GetControls()->RemoveAll();
        m_pAction->InternalRelease();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    CPoint ItemCentre(int nIndex) const
    {
        CRect rc = m_pGallery->GetLayout().GetItemRect(nIndex);
        rc.OffsetRect(0, -m_pGallery->GetScrollPos());
        return rc.CenterPoint();
    }

    CDistinctSysColors m_colors;
    CTestTheme m_theme;
    CNotifyRecordingSite m_site;
    CTestBar m_bar;
    CXTPControlGalleryItems* m_pItems = nullptr;
    CXTPControlGalleryAction* m_pAction = nullptr;
    CXTPControlGallery* m_pGallery = nullptr;
};

TEST_F(ControlGalleryTest, MadeByTheFactory)
{
    EXPECT_EQ(xtpControlGallery, m_pGallery->GetType());
    EXPECT_EQ(0x40u, m_pGallery->GetFlags());
    EXPECT_EQ(CSize(120, 60), m_pGallery->GetControlSize());
    EXPECT_EQ(-1, m_pGallery->GetCheckedItem());
    EXPECT_EQ(-1, m_pGallery->GetSelectedItem());
    EXPECT_EQ(14, m_pGallery->GetItemCount());
    // Without a gallery action there are no items.
    CXTPControlGallery bare;
    EXPECT_EQ(0, bare.GetItemCount());
    EXPECT_EQ(nullptr, bare.GetItems());
    EXPECT_FALSE(bare.OnHookMouseWheel(-120));
    EXPECT_EQ(0, bare.ProcessFocusedKey(VK_DOWN, 0));
}

TEST_F(ControlGalleryTest, BordersAndItemsRectangle)
{
    const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    struct BorderCase
    {
        BOOL bBorders;
        BOOL bScrollBar;
        CRect rcMargin;
        CRect rcExpected;
    };
    const BorderCase cases[] = {
        {FALSE, FALSE, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0)},
        {TRUE, FALSE, CRect(0, 0, 0, 0), CRect(1, 1, 1, 1)},
        {FALSE, TRUE, CRect(0, 0, 0, 0), CRect(0, 0, cxScroll, 0)},
        {TRUE, TRUE, CRect(2, 3, 4, 5), CRect(3, 4, 1 + cxScroll + 4, 6)},
    };
    for (const BorderCase& c : cases)
    {
        m_pGallery->ShowBorders(c.bBorders);
        m_pGallery->ShowScrollBar(c.bScrollBar);
        m_pGallery->SetMargin(c.rcMargin);
        EXPECT_EQ(c.rcExpected, m_pGallery->GetBorders()) << c.bBorders << c.bScrollBar;
    }
    m_pGallery->ShowBorders(FALSE);
    m_pGallery->ShowScrollBar(TRUE);
    m_pGallery->SetMargin(CRect(0, 0, 0, 0));
    EXPECT_EQ(CRect(10, 10, 140, 70), m_pGallery->GetItemsRect());
    // Three items to a row under a label of 19 + 1 pixels.
    EXPECT_EQ(CRect(10, 30, 50, 50), m_pGallery->GetLayout().GetItemRect(1));
    EXPECT_EQ(CRect(10, 50, 50, 70), m_pGallery->GetLayout().GetItemRect(4));
}

TEST_F(ControlGalleryTest, ScrollCommandsClampToTheItems)
{
    // 20 label + 3 rows + 20 label + 2 rows = 140 high in 60.
    const int nTotal = m_pGallery->GetLayout().GetTotalHeight();
    ASSERT_EQ(140, nTotal);
    struct ScrollCase
    {
        int nStart;
        int nCommand;
        int nPosition;
        int nExpected;
    };
    const ScrollCase cases[] = {
        {0, SB_LINEDOWN, 0, 20},   {20, SB_LINEUP, 0, 0},     {0, SB_LINEUP, 0, 0},
        {0, SB_PAGEDOWN, 0, 60},   {60, SB_PAGEDOWN, 0, 80},  {80, SB_PAGEUP, 0, 20},
        {0, SB_THUMBTRACK, 33, 33}, {0, SB_BOTTOM, 0, 80},    {50, SB_TOP, 0, 0},
        {40, SB_ENDSCROLL, 0, 40},
    };
    for (const ScrollCase& c : cases)
    {
        m_pGallery->SetScrollPos(c.nStart);
        m_pGallery->DoScroll(c.nCommand, c.nPosition);
        EXPECT_EQ(c.nExpected, m_pGallery->GetScrollPos()) << c.nCommand << " from " << c.nStart;
    }
    m_pGallery->SetScrollPos(0);
    EXPECT_TRUE(m_pGallery->OnHookMouseWheel(-120));
    EXPECT_EQ(60, m_pGallery->GetScrollPos());
    EXPECT_TRUE(m_pGallery->OnHookMouseWheel(120));
    EXPECT_EQ(0, m_pGallery->GetScrollPos());
    EXPECT_EQ(0, m_pGallery->ScrollToItem(9));
    EXPECT_EQ(-1, m_pGallery->ScrollToItem(14));
    EXPECT_EQ(-1, m_pGallery->ScrollToItem(-1));
}

TEST_F(ControlGalleryTest, KeysMoveTheSelection)
{
    // Rows: label 0; 1 2 3; 4 5 6; 7; label 8; 9 10 11; 12 13.
    m_bar.SetTrackingMode(1);
    m_bar.SetSelected(m_pGallery->GetIndex());
    ASSERT_TRUE(m_pGallery->IsFocused());
    struct KeyCase
    {
        int nFrom;
        UINT nKey;
        int nHandled;
        int nTo;
    };
    const KeyCase cases[] = {
        {1, VK_RIGHT, 1, 2},  {3, VK_RIGHT, 1, 1},  {1, VK_LEFT, 1, 3},   {4, VK_DOWN, 1, 7},
        {7, VK_DOWN, 1, 9},   {12, VK_DOWN, 0, 12}, {2, VK_UP, 0, 2},     {5, VK_UP, 1, 2},
        {5, VK_HOME, 1, 1},   {5, VK_END, 1, 13},   {12, VK_TAB, 1, 13},  {13, VK_TAB, 0, 13},
        {7, VK_TAB, 1, 9},    {7, 'X', 0, 7},
    };
    for (const KeyCase& c : cases)
    {
        m_pGallery->SetSelectedItem(c.nFrom);
        EXPECT_EQ(c.nHandled, m_pGallery->ProcessFocusedKey(c.nKey, 0)) << c.nFrom << " key " << c.nKey;
        EXPECT_EQ(c.nTo, m_pGallery->GetSelectedItem()) << c.nFrom << " key " << c.nKey;
        EXPECT_TRUE(m_pGallery->IsKeyboardSelection());
    }
    // The selected item is scrolled into view with its heading.
    m_pGallery->SetSelectedItem(10);
    EXPECT_GE(m_pGallery->GetLayout().GetItemRect(10).bottom - m_pGallery->GetScrollPos(), 30);
    EXPECT_LE(m_pGallery->GetLayout().GetItemRect(10).bottom - m_pGallery->GetScrollPos(), 70);
    // Return executes and leaves the key to the bar.
    m_site.m_codes.clear();
    EXPECT_EQ(0, m_pGallery->ProcessFocusedKey(VK_RETURN, 0));
    EXPECT_EQ(std::vector<UINT>{CBN_XTP_EXECUTE}, m_site.m_codes);
}

TEST_F(ControlGalleryTest, HotPressedAndExecuted)
{
    m_pGallery->OnMouseMove(ItemCentre(2));
    EXPECT_EQ(2, m_pGallery->GetSelectedItem());
    EXPECT_FALSE(m_pGallery->IsKeyboardSelection());
    // A label is never hot.
    m_pGallery->OnMouseMove(ItemCentre(0));
    EXPECT_EQ(-1, m_pGallery->GetSelectedItem());

    m_pGallery->OnMouseMove(ItemCentre(3));
    m_site.m_codes.clear();
    m_pGallery->OnClick(FALSE, ItemCentre(3));
    EXPECT_TRUE(m_pGallery->IsItemPressed());
    EXPECT_TRUE(m_site.m_codes.empty());
    m_pGallery->OnLButtonUp(ItemCentre(3));
    EXPECT_FALSE(m_pGallery->IsItemPressed());
    EXPECT_EQ(std::vector<UINT>{CBN_XTP_EXECUTE}, m_site.m_codes);

    // A keyboard selection stays while the mouse moves over empty space.
    m_pGallery->SetSelectedItem(5);
    m_pGallery->OnMouseMove(CPoint(200, 150));
    EXPECT_EQ(5, m_pGallery->GetSelectedItem());
    // Disabled: nothing is hit.
    m_pGallery->SetEnabled(FALSE);
    EXPECT_EQ(-1, m_pGallery->HitTestItem(ItemCentre(2)));
    m_pGallery->SetEnabled(TRUE);

    CRect rcTip;
    int nTipId = 0;
    EXPECT_STREQ("Tipp Farbe 1", m_pGallery->GetTooltip(ItemCentre(2), &rcTip, &nTipId));
    EXPECT_EQ(102, nTipId);
    EXPECT_STREQ("", m_pGallery->GetTooltip(ItemCentre(2), nullptr, &nTipId));
}

TEST_F(ControlGalleryTest, DrawingKeepsTheCallersClip)
{
    CTestDib dib(300, 200, RGB(1, 2, 3));
    HRGN hClip = ::CreateRectRgn(0, 0, 150, 200);
    ::SelectClipRgn(dib->GetSafeHdc(), hClip);
    ::DeleteObject(hClip);
    m_pGallery->Draw(&dib.DC());
    CRect rcClip;
    EXPECT_EQ(SIMPLEREGION, ::GetClipBox(dib->GetSafeHdc(), &rcClip));
    EXPECT_EQ(CRect(0, 0, 150, 200), rcClip);
    // Something was drawn inside the control, nothing outside it.
    EXPECT_NE(RGB(1, 2, 3), dib.Pixel(12, 12));
    EXPECT_EQ(RGB(1, 2, 3), dib.Pixel(5, 5));
    EXPECT_EQ(RGB(1, 2, 3), dib.Pixel(20, 80));
}

TEST_F(ControlGalleryTest, AccessibleChildren)
{
    long nCount = 0;
    EXPECT_EQ(S_OK, m_pGallery->GetAccessibleChildCount(&nCount));
    EXPECT_EQ(14, nCount);
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    VARIANT result;
    var.lVal = CHILDID_SELF;
    EXPECT_EQ(S_OK, m_pGallery->GetAccessibleRole(var, &result));
    EXPECT_EQ(ROLE_SYSTEM_LIST, result.lVal);
    var.lVal = 3;
    EXPECT_EQ(S_OK, m_pGallery->GetAccessibleRole(var, &result));
    EXPECT_EQ(ROLE_SYSTEM_LISTITEM, result.lVal);
    BSTR bstrName = nullptr;
    EXPECT_EQ(S_OK, m_pGallery->GetAccessibleName(var, &bstrName));
    EXPECT_STREQ(L"Farbe 1", bstrName);
    ::SysFreeString(bstrName);

    m_pGallery->SetCheckedItem(101);
    EXPECT_EQ(S_OK, m_pGallery->AccessibleSelect(SELFLAG_TAKEFOCUS, var));
    EXPECT_EQ(2, m_pGallery->GetSelectedItem());
    EXPECT_EQ(S_OK, m_pGallery->GetAccessibleState(var, &result));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED,
              result.lVal);

    // Child ids outside the items are refused everywhere.
    for (long nChild : {15L, -1L, 1000L})
    {
        var.lVal = nChild;
        BSTR bstr = nullptr;
        long x = 0, y = 0, cx = 0, cy = 0;
        EXPECT_EQ(E_INVALIDARG, m_pGallery->GetAccessibleName(var, &bstr)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pGallery->GetAccessibleRole(var, &result)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pGallery->GetAccessibleState(var, &result)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pGallery->GetAccessibleDefaultAction(var, &bstr)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pGallery->AccessibleLocation(&x, &y, &cx, &cy, var)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pGallery->AccessibleDoDefaultAction(var)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pGallery->AccessibleSelect(SELFLAG_TAKEFOCUS, var)) << nChild;
    }
}

CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Gallery-%lu", ::GetCurrentProcessId());
    return strKey;
}

TEST(ControlGalleryExchange, KeysRoundTripAndMissingBordersLoadTrue)
{
    CXTPControlGallery source;
    source.ShowLabels(FALSE);
    source.ShowScrollBar(FALSE);
    source.SetControlSize(CSize(200, 90));
    source.SetMargin(CRect(1, 2, 3, 4));
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
        source.DoPropExchange(&px);
    }
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, TestKey(), 0, KEY_READ, &hKey));
    for (const char* pszName : {"ShowLabels", "ShowBorders", "ShowScrollBar"})
    {
        DWORD dwValue = 7, cbValue = sizeof(dwValue);
        EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, pszName, nullptr, nullptr,
                                                    reinterpret_cast<BYTE*>(&dwValue), &cbValue))
            << pszName;
        EXPECT_EQ(0u, dwValue) << pszName;
    }
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "GallerySize", nullptr, nullptr, nullptr, nullptr));
    ::RegCloseKey(hKey);

    CXTPControlGallery loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        loaded.DoPropExchange(&px);
    }
    EXPECT_FALSE(loaded.IsShowLabels());
    EXPECT_FALSE(loaded.IsShowScrollBar());
    EXPECT_FALSE(loaded.IsShowBorders());
    EXPECT_EQ(CSize(200, 90), loaded.GetControlSize());
    EXPECT_EQ(CRect(1, 2, 3, 4), loaded.GetMargin());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());

    // Nothing stored: borders load TRUE though a new gallery has none.
    CXTPControlGallery fresh;
    EXPECT_FALSE(fresh.IsShowBorders());
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        fresh.DoPropExchange(&px);
    }
    EXPECT_TRUE(fresh.IsShowBorders());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());

    // Through an archive.
    CXTPControlGallery fromArchive;
    ExchangeThroughArchive([&](CXTPPropExchange* pPX) { source.DoPropExchange(pPX); },
                           [&](CXTPPropExchange* pPX) { fromArchive.DoPropExchange(pPX); });
    EXPECT_EQ(CSize(200, 90), fromArchive.GetControlSize());
    EXPECT_FALSE(fromArchive.IsShowBorders());
    EXPECT_EQ(CRect(1, 2, 3, 4), fromArchive.GetMargin());
}

} // namespace
