#include "framework/ui/Menu.h"

#include "framework/ui/HandleMap.h"
#include "framework/ui/Wnd.h"
#include "framework/ui/GdiTestRes.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MenuTest, AMenuResourceLoadsWithItsTextsAndStates)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_GDITEST_MENU));
    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    CString text;
    EXPECT_EQ(menu.GetMenuString(1, text, MF_BYPOSITION), 8);
    EXPECT_EQ(text, "&Ansicht");

    CMenu* pFile = menu.GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(pFile->GetMenuItemCount(), 4);
    EXPECT_EQ(pFile->GetMenuItemID(0), static_cast<UINT>(ID_GDITEST_NEW));
    EXPECT_EQ(pFile->GetMenuItemID(2), 0u);   // separator
    EXPECT_EQ(menu.GetMenuItemID(0), static_cast<UINT>(-1));   // a sub-menu
    EXPECT_EQ(menu.GetSubMenu(2), nullptr);

    pFile->GetMenuString(ID_GDITEST_NEW, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Neu\tStrg+N");
    pFile->GetMenuString(ID_GDITEST_OPEN, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "Ö&ffnen...");   // Windows-1252 at run time
    EXPECT_EQ(pFile->GetMenuState(ID_GDITEST_OPEN, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(pFile->GetMenuState(ID_GDITEST_EXIT, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(pFile->GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(pFile->GetMenuState(ID_GDITEST_STATUS + 99, MF_BYCOMMAND), static_cast<UINT>(-1));

    // Commands are found in sub-menus of sub-menus too.
    EXPECT_EQ(menu.GetMenuState(ID_GDITEST_ZOOM_OUT, MF_BYCOMMAND) & MF_GRAYED, 0u);
    CMenu* pZoom = menu.GetSubMenu(1)->GetSubMenu(0);
    ASSERT_NE(pZoom, nullptr);
    pZoom->GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Ver&kleinern");

    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(IDR_GDITEST_MENU + 90));
    EXPECT_EQ(missing.GetSafeHmenu(), nullptr);
    AfxDeleteTempMaps();
}

TEST(MenuTest, ChecksEnablesRadiosAndDefaultsReportThePreviousState)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_GDITEST_MENU));
    EXPECT_EQ(menu.CheckMenuItem(ID_GDITEST_OPEN, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(menu.CheckMenuItem(ID_GDITEST_OPEN, MF_BYCOMMAND | MF_CHECKED), static_cast<UINT>(MF_UNCHECKED));
    EXPECT_EQ(menu.EnableMenuItem(ID_GDITEST_EXIT, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(menu.EnableMenuItem(ID_GDITEST_NEW, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(MF_ENABLED));
    EXPECT_EQ(menu.GetMenuState(ID_GDITEST_NEW, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(menu.CheckMenuItem(ID_GDITEST_STATUS + 99, MF_BYCOMMAND | MF_CHECKED), static_cast<UINT>(-1));
    EXPECT_EQ(menu.EnableMenuItem(ID_GDITEST_STATUS + 99, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(-1));

    CMenu* pZoom = menu.GetSubMenu(1)->GetSubMenu(0);
    EXPECT_TRUE(pZoom->CheckMenuRadioItem(ID_GDITEST_ZOOM_IN, ID_GDITEST_ZOOM_OUT, ID_GDITEST_ZOOM_OUT,
                                          MF_BYCOMMAND));
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    ASSERT_TRUE(pZoom->GetMenuItemInfo(ID_GDITEST_ZOOM_OUT, &info));
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
    ASSERT_TRUE(pZoom->GetMenuItemInfo(0, &info, TRUE));
    EXPECT_FALSE(info.fState & MFS_CHECKED);

    CMenu* pFile = menu.GetSubMenu(0);
    EXPECT_EQ(pFile->GetDefaultItem(0), static_cast<UINT>(-1));
    EXPECT_TRUE(pFile->SetDefaultItem(ID_GDITEST_OPEN));
    EXPECT_EQ(pFile->GetDefaultItem(0), static_cast<UINT>(ID_GDITEST_OPEN));
    EXPECT_EQ(pFile->GetDefaultItem(0, TRUE), 1u);
    // A disabled default item counts only when asked for.
    EXPECT_TRUE(pFile->SetDefaultItem(ID_GDITEST_NEW));
    EXPECT_EQ(pFile->GetDefaultItem(0), static_cast<UINT>(-1));
    EXPECT_EQ(pFile->GetDefaultItem(GMDI_USEDISABLED), static_cast<UINT>(ID_GDITEST_NEW));

    // Item information can be written too.
    MENUITEMINFOA data = {};
    data.cbSize = sizeof(data);
    data.fMask = MIIM_DATA;
    data.dwItemData = 0x1234;
    EXPECT_TRUE(pFile->SetMenuItemInfo(ID_GDITEST_EXIT, &data));
    data.dwItemData = 0;
    ASSERT_TRUE(pFile->GetMenuItemInfo(3, &data, TRUE));
    EXPECT_EQ(data.dwItemData, 0x1234u);
    AfxDeleteTempMaps();
}

TEST(MenuTest, ItemsAreAppendedInsertedModifiedRemovedAndDeleted)
{
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    EXPECT_TRUE(popup.AppendMenu(MF_STRING, 10, "Eins"));
    EXPECT_TRUE(popup.AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(popup.InsertMenu(0, MF_BYPOSITION | MF_STRING, 11, "Null"));
    EXPECT_TRUE(popup.ModifyMenu(10, MF_BYCOMMAND | MF_STRING, 12, "Zwei"));
    ASSERT_EQ(popup.GetMenuItemCount(), 3);
    EXPECT_EQ(popup.GetMenuItemID(0), 11u);
    EXPECT_EQ(popup.GetMenuItemID(1), 12u);

    // Texts longer than any fixed buffer come back whole; the buffer form
    // cuts them to its size.
    const CString longText(CString('x', 300) + "Ende");
    EXPECT_TRUE(popup.ModifyMenu(12, MF_BYCOMMAND | MF_STRING, 12, longText));
    CString text;
    EXPECT_EQ(popup.GetMenuString(12, text, MF_BYCOMMAND), longText.GetLength());
    EXPECT_EQ(text, longText);
    char buffer[8];
    EXPECT_EQ(popup.GetMenuString(12, buffer, sizeof(buffer), MF_BYCOMMAND), 7);
    EXPECT_STREQ(buffer, "xxxxxxx");
    EXPECT_EQ(popup.GetMenuString(99, text, MF_BYCOMMAND), 0);
    EXPECT_TRUE(text.IsEmpty());

    // RemoveMenu lets a sub-menu live on, DeleteMenu destroys it.
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    HMENU hKept = ::CreatePopupMenu();
    HMENU hDeleted = ::CreatePopupMenu();
    EXPECT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hKept), "Kept"));
    EXPECT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hDeleted), "Deleted"));
    EXPECT_EQ(bar.GetSubMenu(1)->GetSafeHmenu(), hDeleted);
    EXPECT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
    EXPECT_TRUE(bar.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_EQ(bar.GetMenuItemCount(), 0);
    EXPECT_TRUE(::IsMenu(hKept));
    EXPECT_FALSE(::IsMenu(hDeleted));
    ::DestroyMenu(hKept);
    AfxDeleteTempMaps();
}

TEST(MenuTest, OwnersDestroyTheirMenusAndWrappersOnlyBorrow)
{
    HMENU hOwned = nullptr;
    HMENU hSub = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_GDITEST_MENU));
        hOwned = menu;
        EXPECT_EQ(CMenu::FromHandle(hOwned), &menu);
        EXPECT_EQ(CMenu::FromHandlePermanent(hOwned), &menu);

        CMenu* pSub = menu.GetSubMenu(0);
        hSub = pSub->GetSafeHmenu();
        EXPECT_NE(pSub, &menu);
        EXPECT_EQ(CMenu::FromHandlePermanent(hSub), nullptr);   // a temporary
        EXPECT_EQ(menu.GetSubMenu(0), pSub);
        AfxDeleteTempMaps();
        EXPECT_TRUE(::IsMenu(hSub));   // freeing the wrapper left the menu alone
    }
    EXPECT_FALSE(::IsMenu(hOwned));
    EXPECT_FALSE(::IsMenu(hSub));   // destroyed with its parent

    CMenu detached;
    ASSERT_TRUE(detached.CreatePopupMenu());
    HMENU hDetached = detached.Detach();
    EXPECT_EQ(detached.m_hMenu, nullptr);
    EXPECT_FALSE(detached.DestroyMenu());
    EXPECT_EQ(CMenu::FromHandlePermanent(hDetached), nullptr);
    CMenu adopted;
    ASSERT_TRUE(adopted.Attach(hDetached));
    EXPECT_EQ(CMenu::FromHandlePermanent(hDetached), &adopted);
    EXPECT_TRUE(adopted.DestroyMenu());
    EXPECT_FALSE(::IsMenu(hDetached));
    EXPECT_EQ(CMenu::FromHandle(nullptr), nullptr);
}

namespace {

// An owner-drawn popup that records what the system asked of it.
class CSwatchMenu : public CMenu
{
public:
    struct Call
    {
        bool bDraw;
        UINT nID;
        ULONG_PTR itemData;
        bool bTracking;   // the menu was known as the tracked popup
        UINT nState;
    };

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasure) override
    {
        m_calls.push_back({ false, lpMeasure->itemID, lpMeasure->itemData,
                            GetTrackingMenu() == m_hMenu, 0 });
        lpMeasure->itemWidth = 60;
        lpMeasure->itemHeight = 18;
    }

    void DrawItem(LPDRAWITEMSTRUCT lpDraw) override
    {
        m_calls.push_back({ true, lpDraw->itemID, lpDraw->itemData,
                            GetTrackingMenu() == m_hMenu, lpDraw->itemState });
        ::FillRect(lpDraw->hDC, &lpDraw->rcItem,
                   static_cast<HBRUSH>(::GetStockObject(lpDraw->itemState & ODS_SELECTED
                                                            ? BLACK_BRUSH : WHITE_BRUSH)));
    }

    std::vector<Call> m_calls;
};

// The owner of the popup: hands owner-drawn items to their menus and, once
// the menu waits for input, chooses the second item with the keyboard (and
// closes the menu should it still be open when it next waits).
LRESULT CALLBACK OwnerWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    static int s_nIdle = 0;
    switch (message)
    {
    case WM_MEASUREITEM:
        if (CMenu::DispatchMeasureItem(hWnd, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)))
            return TRUE;
        break;
    case WM_DRAWITEM:
        if (CMenu::DispatchDrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)))
            return TRUE;
        break;
    case WM_INITMENUPOPUP:
        s_nIdle = 0;
        break;
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && s_nIdle++ == 0)
        {
            ::PostMessageA(hWnd, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageA(hWnd, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageA(hWnd, WM_KEYDOWN, VK_RETURN, 0);
        }
        else if (wParam == MSGF_MENU)
            ::EndMenu();
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

TEST(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirMenu)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerWndProc;
    wc.hInstance = hInst;
    wc.lpszClassName = "QivMenuTestOwner";
    ASSERT_NE(::RegisterClassA(&wc), 0);
    // The owner need not be shown (nor active) for its popup to work.
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 10, 10, 100, 100,
                                  nullptr, nullptr, hInst, nullptr);
    ASSERT_NE(hWnd, nullptr);

    CSwatchMenu swatches;
    ASSERT_TRUE(swatches.CreatePopupMenu());
    for (UINT nID = 32900; nID < 32903; nID++)   // item data: the command itself
        ASSERT_TRUE(swatches.AppendMenu(MF_OWNERDRAW, nID, reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(nID))));

    EXPECT_EQ(CMenu::FindPopupMenuFromID(swatches, 32901), &swatches);
    EXPECT_EQ(CMenu::FindPopupMenuFromID(swatches, 1), nullptr);

    UINT nChosen = swatches.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, 20, 20,
                                           CWnd::FromHandle(hWnd));
    EXPECT_EQ(nChosen, 32901u);
    EXPECT_EQ(CMenu::GetTrackingMenu(), nullptr);

    int nMeasured = 0;
    bool bDrawnSelected = false;
    for (const CSwatchMenu::Call& call : swatches.m_calls)
    {
        EXPECT_EQ(call.itemData, call.nID);
        EXPECT_TRUE(call.bTracking);
        if (!call.bDraw)
            nMeasured++;
        else if (call.nID == 32901 && (call.nState & ODS_SELECTED))
            bDrawnSelected = true;
    }
    EXPECT_EQ(nMeasured, 3);
    EXPECT_TRUE(bDrawnSelected);

    // Items that no CMenu owns are left to the window.
    MEASUREITEMSTRUCT foreign = { ODT_MENU, 0, 4711, 0, 0, 0 };
    EXPECT_FALSE(CMenu::DispatchMeasureItem(hWnd, &foreign));
    DRAWITEMSTRUCT notMenu = {};
    notMenu.CtlType = ODT_BUTTON;
    EXPECT_FALSE(CMenu::DispatchDrawItem(&notMenu));

    ::DestroyWindow(hWnd);
    ::UnregisterClassA(wc.lpszClassName, hInst);
    AfxDeleteTempMaps();
}
