#include "toolkit/draw/ResourceManager.h"

#include "ResourceTestRes.h"
#include "ImageTestRes.h"
#include "framework/core/Module.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/ToolBar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ResourceManager, LoadsFromTheResourceModule)
{
    CXTPResourceManager* pManager = GetResourceManager();
    ASSERT_EQ(pManager, GetResourceManager());

    CString str;
    EXPECT_TRUE(pManager->LoadString(&str, IDS_TEST_MESSAGE));
    EXPECT_STREQ("Symbolleiste zur\xFC" "cksetzen?", str);
    EXPECT_FALSE(pManager->LoadString(&str, IDS_TEST_MISSING));

    CMenu menu;
    ASSERT_TRUE(pManager->LoadMenu(&menu, IDR_TEST_MENU));
    EXPECT_EQ(1, ::GetMenuItemCount(menu.GetSafeHmenu()));
    CMenu missingMenu;
    EXPECT_FALSE(pManager->LoadMenu(&missingMenu, IDS_TEST_MISSING));
    EXPECT_EQ(nullptr, missingMenu.GetSafeHmenu());

    CBitmap bitmap;
    ASSERT_TRUE(pManager->LoadBitmap(&bitmap, IDB_TEST_TOOLBAR));
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(64, bm.bmWidth);
    EXPECT_EQ(15, bm.bmHeight);
    CBitmap missingBitmap;
    EXPECT_FALSE(pManager->LoadBitmap(&missingBitmap, IDB_TEST_MISSING));

    EXPECT_EQ(nullptr, pManager->LoadCursor(IDS_TEST_MISSING));
}

TEST(ResourceManager, DialogTemplates)
{
    CXTPResourceManager* pManager = GetResourceManager();
    LPCDLGTEMPLATEA pTemplate = pManager->LoadDialogTemplate(IDD_TEST_DIALOG);
    ASSERT_NE(nullptr, pTemplate);
    EXPECT_EQ(1, pTemplate->cdit);
    EXPECT_EQ(120, pTemplate->cx);
    EXPECT_EQ(nullptr, pManager->LoadDialogTemplate(IDS_TEST_MISSING));
    EXPECT_NE(nullptr, pManager->LoadDialogResource(MAKEINTRESOURCEA(IDD_TEST_DIALOG)));
}

TEST(ResourceManager, CloseWithoutALibraryChangesNothing)
{
    CXTPResourceManager manager;
    EXPECT_FALSE(manager.Close());
    EXPECT_EQ(nullptr, manager.GetResourceHandle());
    EXPECT_FALSE(manager.Close());

    // Without a toolkit resource module the scope leaves the handles alone.
    HINSTANCE hResource = AfxGetResourceHandle();
    {
        CResourceHandleScope scope;
        EXPECT_EQ(hResource, AfxGetResourceHandle());
    }
    EXPECT_EQ(hResource, AfxGetResourceHandle());
}

TEST(ResourceManager, ShowMessageShowsTheString)
{
    std::vector<CString> shown;
    std::vector<UINT> types;
    CTestSeam<AFX_MESSAGEBOX_REQUEST>::Install([&](const AFX_MESSAGEBOX_REQUEST& box) {
        shown.push_back(box.strText);
        types.push_back(box.nType);
        return IDYES;
    });
    EXPECT_EQ(IDYES, GetResourceManager()->ShowMessage(IDS_TEST_MESSAGE, MB_YESNO));
    EXPECT_EQ(IDYES, GetResourceManager()->ShowMessage(IDS_TEST_MISSING));
    CTestSeam<AFX_MESSAGEBOX_REQUEST>::Remove();
    ASSERT_EQ(2u, shown.size());
    EXPECT_STREQ("Symbolleiste zur\xFC" "cksetzen?", shown[0]);
    EXPECT_EQ(UINT(MB_YESNO), types[0] & 0xF);
    EXPECT_STREQ("", shown[1]);
}

} // namespace

namespace {

TEST(ResourceManager, LoadsAToolBarFromItsBitmapAndLayout)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Symbolleisten", WS_OVERLAPPEDWINDOW));
    {
        CToolBar toolbar;
        ASSERT_TRUE(toolbar.CreateEx(pFrame));
        ASSERT_TRUE(GetResourceManager()->LoadToolBar(&toolbar, IDR_TEST_TOOLBAR));
        ASSERT_EQ(toolbar.GetCount(), 6);
        EXPECT_EQ(toolbar.GetItemID(0), 100u);
        EXPECT_EQ(toolbar.GetItemID(2), 0u);
        EXPECT_EQ(toolbar.CommandToIndex(103), 5);
        EXPECT_FALSE(GetResourceManager()->LoadToolBar(&toolbar, IDB_TEST_MISSING));
    }
    pFrame->DestroyWindow();   // the frame deletes itself
}

} // namespace
