// The about box: three pages, only OK (moved into Cancel's place) and Help
// shown, the product page's pictures cycling with the timer, the links.
#include "AppTestSupport.h"

#include "app/InfoDlg.h"
#include "app/res/resource.h"

namespace
{
TEST(InfoDialog, SheetShowsThreePagesWithOkAndHelpOnly)
{
    C_InfoDlg sheet;
    int nPages = 0;
    CString strTitle;
    std::vector<CString> pageTitles;
    BOOL bCancelVisible = TRUE;
    BOOL bOkVisible = FALSE;
    BOOL bHelpVisible = FALSE;
    CRect rcOk;
    CRect rcCancel;
    // (rectangles in screen coordinates)
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& r) {
        nPages = r.pSheet->GetPageCount();
        r.pSheet->GetWindowText(strTitle);
        HWND hTab = reinterpret_cast<HWND>(r.pSheet->SendMessage(PSM_GETTABCONTROL));
        for (int i = 0; i < nPages; ++i)
        {
            char szText[64] = {};
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = szText;
            item.cchTextMax = sizeof(szText);
            ::SendMessageA(hTab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            pageTitles.push_back(szText);
        }
        bCancelVisible = r.pSheet->GetDlgItem(IDCANCEL)->IsWindowVisible();
        bOkVisible = r.pSheet->GetDlgItem(IDOK)->IsWindowVisible();
        bHelpVisible = r.pSheet->GetDlgItem(IDHELP)->IsWindowVisible();
        r.pSheet->GetDlgItem(IDOK)->GetWindowRect(&rcOk);
        r.pSheet->GetDlgItem(IDCANCEL)->GetWindowRect(&rcCancel);
        return PSBTN_OK;
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(3, nPages);
    EXPECT_STREQ("Info", strTitle);
    ASSERT_EQ(3u, pageTitles.size());
    EXPECT_STREQ("Qivnotes", pageTitles[0]);
    EXPECT_STREQ("Mailingliste", pageTitles[1]);
    EXPECT_STREQ("wichtiger Hinweis", pageTitles[2]);
    EXPECT_FALSE(bCancelVisible);
    EXPECT_TRUE(bOkVisible);
    EXPECT_TRUE(bHelpVisible);
    // OK took the hidden Cancel's side: it now starts right of Cancel's left edge minus its own width.
    EXPECT_GT(rcOk.right, rcCancel.left);
}

TEST(InfoDialog, ProductPicturesCycleEveryTick)
{
    C_InfoDlg sheet;
    std::vector<UINT> shown;
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& r) {
        (void)r;
        shown.push_back(sheet.m_productPage.GetShownPicture());
        for (int i = 0; i < 4; ++i)
        {
            sheet.m_productPage.SendMessage(WM_TIMER, C_QivnotesPageDlg::kAnimationTimer);
            shown.push_back(sheet.m_productPage.GetShownPicture());
        }
        return PSBTN_OK;
    });
    sheet.DoModal();
    const std::vector<UINT> expected = {IDB_ABOUT_FIRST, IDB_ABOUT_FIRST, IDB_ABOUT_SECOND,
                                        IDB_ABOUT_THIRD, IDB_ABOUT_FIRST};
    EXPECT_EQ(expected, shown);
}

TEST(InfoDialog, MailingListLinksHaveTheirTargetsAndColours)
{
    C_InfoDlg sheet;
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& r) {
        r.pSheet->SetActivePage(1);
        return PSBTN_OK;
    });
    sheet.DoModal();
    EXPECT_EQ(0, sheet.m_mailingListPage.m_mailLink.GetTarget().Find("mailto:"));
    EXPECT_EQ(0, sheet.m_mailingListPage.m_webLink.GetTarget().Find("http://"));
    EXPECT_EQ(RGB(0, 0, 0x80), sheet.m_mailingListPage.m_webLink.GetLinkColor());
    EXPECT_EQ(RGB(0, 0, 0x80), sheet.m_mailingListPage.m_webLink.GetVisitedColor());
    EXPECT_EQ(RGB(0, 0, 0xC0), sheet.m_mailingListPage.m_webLink.GetHoverColor());
}
}
