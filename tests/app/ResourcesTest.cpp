// The resources of qivnotes.exe as the program loads them: the context and
// tray menus item by item, the keys, the strings the Parts quote, every
// menu command's prompt and picture, the dialogs with their controls, the
// icons and the two pictures.
#include "AppTestSupport.h"

#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/Menu.h"
#include "toolkit/draw/AuxData.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ResourceManager.h"
#include "toolkit/res/ToolkitRes.h"

#include <ocidl.h>
#include <olectl.h>

#include <set>
#include <vector>

namespace
{
INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

struct MenuItem
{
    UINT nID;  // 0: separator
    CString strText;
};

std::vector<MenuItem> PopupItems(UINT nIDMenu, CString* pstrPopupName)
{
    std::vector<MenuItem> items;
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDMenu));
    if (!hMenu)
        return items;
    char szName[128] = {};
    ::GetMenuStringA(hMenu, 0, szName, sizeof(szName), MF_BYPOSITION);
    *pstrPopupName = szName;
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    for (int i = 0; i < ::GetMenuItemCount(hPopup); ++i)
    {
        char szText[128] = {};
        ::GetMenuStringA(hPopup, i, szText, sizeof(szText), MF_BYPOSITION);
        const UINT nID = ::GetMenuItemID(hPopup, i);
        items.push_back({nID == static_cast<UINT>(-1) ? 0 : nID, szText});
    }
    ::DestroyMenu(hMenu);
    return items;
}

TEST(Resources, ContextAndTrayMenusAsGiven)
{
    struct Case
    {
        UINT nIDMenu;
        LPCSTR pszPopup;
        std::vector<MenuItem> items;
    };
    const Case cases[] = {
        {IDR_TEXT_CONTEXT, "CONTEXT",
         {{57635, "A&usschneiden"}, {57634, "&Kopieren"}, {57637, "E&infügen"}, {0, ""},
          {57632, "&Löschen"}, {57642, "Alles &markieren"}, {0, ""}, {57696, "&Zeichen..."},
          {32799, "&Absatz..."}, {0, ""}, {32868, "A&nlagen..."}, {32885, "Anlage &hinzufügen..."}}},
        {IDR_TREE_CONTEXT, "CONTREE",
         {{32775, "&Neue Kategorie"}, {32776, "Neuer &Eintrag"}, {32798, "&QuickNotiz..."}, {0, ""},
          {57635, "A&usschneiden"}, {57634, "&Kopieren"}, {57637, "E&infügen"}, {0, ""},
          {57632, "&Löschen"}, {32771, "Um&benennen"}, {32892, "&Sortieren..."}, {0, ""},
          {32868, "&Anlagen..."}, {32885, "Anlage &hinzufügen..."}}},
        {IDR_TIPS_CONTEXT, "CONTIPS",
         {{1002, "&Nächster Tipp"}, {1080, "&Vorheriger Tipp"}, {0, ""}, {57634, "&Kopieren"}}},
        {IDR_TRAY_MENU, "TRAY", {{32798, "&QuickNotiz..."}, {32884, "&Verstecken"}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszPopup);
        CString strPopup;
        const std::vector<MenuItem> items = PopupItems(c.nIDMenu, &strPopup);
        EXPECT_STREQ(c.pszPopup, strPopup);
        ASSERT_EQ(c.items.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i)
        {
            EXPECT_EQ(c.items[i].nID, items[i].nID) << i;
            EXPECT_STREQ(c.items[i].strText, items[i].strText) << i;
        }
    }
}

TEST(Resources, KeysOfTheMainFrame)
{
    HACCEL hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hAccel);
    std::vector<ACCEL> table(static_cast<size_t>(::CopyAcceleratorTableA(hAccel, nullptr, 0)));
    ::CopyAcceleratorTableA(hAccel, table.data(), static_cast<int>(table.size()));
    ::DestroyAcceleratorTable(hAccel);
    auto find = [&](BYTE fMods, WORD wKey) -> int {
        for (const ACCEL& accel : table)
            if ((accel.fVirt & (FCONTROL | FALT | FSHIFT)) == fMods && accel.key == wKey && (accel.fVirt & FVIRTKEY))
                return accel.cmd;
        return -1;
    };
    struct Case
    {
        BYTE fMods;
        WORD wKey;
        int nID;
    };
    const Case cases[] = {
        {FCONTROL, 'N', 57600}, {FCONTROL, 'O', 57601}, {FCONTROL, 'S', 57603}, {FCONTROL, 'P', 57607},
        {FCONTROL, 'Z', 57643}, {FCONTROL, 'X', 57635}, {FCONTROL, 'C', 57634}, {FCONTROL, 'V', 57637},
        {FCONTROL, 'A', 57642}, {FCONTROL, 'K', 32775}, {FCONTROL, 'E', 32776}, {FCONTROL, 'Q', 32798},
        {FCONTROL, 'G', 32846}, {FCONTROL, 'D', 32869}, {FCONTROL, 'T', 32854}, {FCONTROL, '9', 32790},
        {FCONTROL, '8', 32791}, {0, VK_F1, 57670}, {FSHIFT, VK_F1, 57669}, {0, VK_F2, 32771},
        {0, VK_F3, 32816}, {0, VK_F4, 32868}, {0, VK_F5, 32869}, {0, VK_F6, 32894}, {0, VK_F7, 32892},
        {FALT, VK_LEFT, 33013}, {FALT, VK_RIGHT, 33012},
        // The views tell the two Delete keys apart themselves.
        {0, VK_DELETE, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nID, find(c.fMods, c.wKey)) << c.wKey;
    EXPECT_EQ(sizeof(cases) / sizeof(cases[0]) - 1, table.size());
}

TEST(Resources, StringsQuotedByTheProgram)
{
    const std::pair<UINT, LPCSTR> cases[] = {
        {AFX_IDS_APP_TITLE, "Qivnotes"},
        {IDR_MAINFRAME, "Qivnotes\n\nQivDoc\nQivnotes Datenbanken (*.qiv)\n.qiv\nQivnotes.Document\nQivnotes Datenbank"},
        {16, "Verhindert, dass das Fenster verdeckt wird.\n&Immer im Vordergrund"},
        {100, "Fehler bei der OLE-Initialisierung. Überprüfen Sie, ob die OLE-Bibliotheken in der richtigen Version vorliegen."},
        {101, "Die Datei \"%s\" fehlt im Programmordner."},
        {200, "Menü"}, {201, "Standard"}, {202, "Format"}, {203, "Ansicht"},
        {ID_INDICATOR_CAPS, "UF"}, {ID_INDICATOR_NUM, "NUM"},
        {32900, "Schwarz"}, {32901, "Dunkelrot"}, {32902, "Grün"}, {32903, "Ocker"},
        {32904, "Dunkelblau"}, {32905, "Violett"}, {32906, "Blaugrün"}, {32907, "Grau"},
        {32908, "Hellgrau"}, {32909, "Rot"}, {32910, "Grün"}, {32911, "Gelb"}, {32912, "Blau"},
        {32913, "Lila"}, {32914, "Aquamarin"}, {32915, "Weiß"}, {32916, "Automatisch"},
    };
    for (const auto& c : cases)
    {
        CString strText;
        EXPECT_TRUE(strText.LoadString(c.first)) << c.first;
        EXPECT_STREQ(c.second, strText) << c.first;
    }
}

// The command ids of a toolbar resource (version, width, height, count, ids).
std::vector<UINT> ToolBarIds(UINT nID, SIZE* pSize)
{
    std::vector<UINT> ids;
    HRSRC hRes = ::FindResourceA(nullptr, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(241));
    if (!hRes)
        return ids;
    const WORD* pData = static_cast<const WORD*>(::LockResource(::LoadResource(nullptr, hRes)));
    pSize->cx = pData[1];
    pSize->cy = pData[2];
    for (WORD i = 0; i < pData[3]; ++i)
        if (pData[4 + i])
            ids.push_back(pData[4 + i]);
    return ids;
}

void CollectMenuIds(HMENU hMenu, std::vector<UINT>& ids)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
            CollectMenuIds(hSub, ids);
        else if (const UINT nID = ::GetMenuItemID(hMenu, i); nID != 0 && nID != static_cast<UINT>(-1))
            ids.push_back(nID);
    }
}

// Every command of the main menu has a picture on one of the four toolbar
// resources and a "prompt\ntooltip" string; each toolbar's bitmap holds one
// 16 x 16 picture per button.
TEST(Resources, EveryMenuCommandHasAPictureAndAPrompt)
{
    std::set<UINT> pictured;
    for (UINT nID : {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_FORMAT, IDR_TOOLBAR_VIEW, IDR_TOOLBAR_ICONS})
    {
        SCOPED_TRACE(nID);
        SIZE size = {};
        const std::vector<UINT> ids = ToolBarIds(nID, &size);
        ASSERT_FALSE(ids.empty());
        EXPECT_EQ(16, size.cx);
        EXPECT_EQ(16, size.cy);
        pictured.insert(ids.begin(), ids.end());
        HBITMAP hBitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID));
        ASSERT_NE(nullptr, hBitmap);
        BITMAP bm = {};
        ::GetObjectA(hBitmap, sizeof(bm), &bm);
        EXPECT_EQ(static_cast<LONG>(16 * ids.size()), bm.bmWidth);
        EXPECT_EQ(16, bm.bmHeight);
        ::DeleteObject(hBitmap);
    }
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hMenu);
    std::vector<UINT> commands;
    CollectMenuIds(hMenu, commands);
    ::DestroyMenu(hMenu);
    EXPECT_GT(commands.size(), 60u);
    // The toolkit reads the pictures of the commands that sit on no toolbar.
    CXTPImageManager images;
    ASSERT_TRUE(images.AddToolBarIcons(IDR_TOOLBAR_ICONS, IDR_TOOLBAR_ICONS));
    EXPECT_NE(nullptr, images.LookupIcon(ID_FILE_SAVE_AS, 16));
    EXPECT_NE(nullptr, images.LookupIcon(ID_TIP_OF_THE_DAY, 16));
    for (UINT nID : commands)
    {
        if (nID == ID_FILE_MRU_FILE1)
            continue;
        EXPECT_TRUE(pictured.count(nID)) << "no picture for " << nID;
        CString strPrompt;
        EXPECT_TRUE(strPrompt.LoadString(nID)) << nID;
        EXPECT_GT(strPrompt.Find('\n'), 0) << nID;
    }
}

TEST(Resources, DialogsHoldTheirControls)
{
    struct Case
    {
        UINT nIDD;
        LPCSTR pszCaption;
        std::vector<int> controls;
    };
    const Case cases[] = {
        {IDD_TIP, "Tipps & Tricks", {1001, 1002, 1, 1056}},
        {IDD_OPTIONS_VIEW, "Ansicht", {1025, 1026, 1027, 1029, 1030, 1033, 1079}},
        {IDD_OPTIONS_GENERAL, "Allgemein", {1034, 1035, 1036, 1037, 1044, 1045, 1046, 1048, 1057, 1071, 1081}},
        {IDD_ABOUT_PRODUCT, "Qivnotes", {1063}},
        {IDD_ABOUT_MAILINGLIST, "Mailingliste", {1042, 1043}},
        {IDD_ABOUT_NOTICE, "wichtiger Hinweis", {}},
        {IDD_GOTO, "Gehe zu", {1041, 1, 2, 57670}},
        {IDD_SORT, "Sortieren", {1060, 1061, 1062, 1, 2, 57670}},
        {IDD_QUICKNOTE, "Qivnotes QuickNotiz", {1009, 1010, 1}},
        {IDD_SEARCH, "Einträge suchen", {1010, 1029, 1058, 1060, 1061, 1070}},
        {IDD_PARAGRAPH, "Absatz", {1007, 1008, 1009, 1016, 1017, 1018, 1019, 1023, 1024, 1025, 1, 2, 57670}},
        {IDD_SUPERSUB, "Hoch-/tiefstellen", {1075, 1023, 1076, 1077, 1078, 1, 2, 57670}},
        {IDD_LINK, "Verknüpfung erstellen", {1050, 1051, 1052, 1053, 1, 2, 57670}},
        {IDD_ATTACHMENT, "Anlagenpfad", {1084, 1, 2, 57670}},
    };
    // Property pages are child dialogs: every template gets a parent.
    HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszCaption);
        HWND hDialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.nIDD), hParent,
                                            QuietDialogProc, 0);
        ASSERT_NE(nullptr, hDialog);
        char szCaption[128] = {};
        ::GetWindowTextA(hDialog, szCaption, sizeof(szCaption));
        EXPECT_STREQ(c.pszCaption, szCaption);
        for (int nID : c.controls)
            EXPECT_NE(nullptr, ::GetDlgItem(hDialog, nID)) << nID;
        ::DestroyWindow(hDialog);
    }
    ::DestroyWindow(hParent);
}

TEST(Resources, IconsInTheirSizes)
{
    struct Case
    {
        UINT nID;
        std::vector<int> sizes;
    };
    const Case cases[] = {
        {IDI_PROGRAM, {16, 32, 48}}, {IDI_CARDFILE, {16, 32, 48}}, {IDI_TIP, {16, 32}},
        {IDI_NOTICE, {16, 32}}, {IDI_ENTRY, {16, 32}}, {IDI_CATEGORY, {16, 32}},
        {IDI_TRAY, {16, 32}}, {IDI_SEARCH, {16, 32}}, {IDI_OPTIONS, {16, 32}},
    };
    for (const Case& c : cases)
        for (int nSize : c.sizes)
        {
            HICON hIcon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.nID),
                                                          IMAGE_ICON, nSize, nSize, 0));
            ASSERT_NE(nullptr, hIcon) << c.nID << " " << nSize;
            ICONINFO info = {};
            ::GetIconInfo(hIcon, &info);
            BITMAP bm = {};
            ::GetObjectA(info.hbmColor, sizeof(bm), &bm);
            EXPECT_EQ(nSize, bm.bmWidth) << c.nID;
            EXPECT_EQ(32, bm.bmBitsPixel) << c.nID;
            ::DeleteObject(info.hbmColor);
            ::DeleteObject(info.hbmMask);
            ::DestroyIcon(hIcon);
        }
    // The program icon is the first icon of the file, the card-file icon the second.
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    EXPECT_EQ(9u, ::ExtractIconExA(szModule, -1, nullptr, nullptr, 0));
}

TEST(Resources, BitmapSizes)
{
    struct Case
    {
        UINT nID;
        int cx;
        int cy;
        int nBits;  // 0: any
    };
    const Case cases[] = {
        {IDB_TREE, 128, 16, 4}, {IDB_BANNER_LOGO, 20, 290, 0}, {IDB_BULB_LIT, 28, 37, 0},
        {IDB_BULB_DARK, 28, 37, 0}, {IDB_ABOUT_STRIP, 208, 20, 0}, {IDB_BUTTON_OK, 16, 16, 0},
        {IDB_BUTTON_CANCEL, 16, 16, 0}, {IDB_BUTTON_HELP, 16, 16, 0},
    };
    for (const Case& c : cases)
    {
        HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.nID),
                                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(nullptr, hBitmap) << c.nID;
        BITMAP bm = {};
        ::GetObjectA(hBitmap, sizeof(bm), &bm);
        EXPECT_EQ(c.cx, bm.bmWidth) << c.nID;
        EXPECT_EQ(c.cy, bm.bmHeight) << c.nID;
        if (c.nBits)
        {
            EXPECT_EQ(c.nBits, bm.bmBitsPixel) << c.nID;
        }
        ::DeleteObject(hBitmap);
    }
}

// The pictures beside the program load as the splash window and the banner
// load them; anything else is refused.
TEST(Resources, PicturesDecode)
{
    ::CoInitialize(nullptr);
    struct Case
    {
        LPCSTR pszFile;
        LONG cx;
        LONG cy;
    };
    const Case cases[] = {{"app/res/splash.jpg", 400, 260}, {"app/res/banner.jpg", 30, 400}};
    for (const Case& c : cases)
    {
        const CString strPath = SourcePath(c.pszFile);
        if (strPath.IsEmpty())
            GTEST_SKIP() << "QIV_SOURCE_DIR not set";
        FILE* pFile = fopen(strPath, "rb");
        ASSERT_NE(nullptr, pFile) << c.pszFile;
        std::vector<char> data(1 << 20);
        data.resize(fread(data.data(), 1, data.size(), pFile));
        fclose(pFile);
        HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, data.size());
        memcpy(::GlobalLock(hData), data.data(), data.size());
        ::GlobalUnlock(hData);
        IStream* pStream = nullptr;
        ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(hData, TRUE, &pStream));
        IPicture* pPicture = nullptr;
        ASSERT_EQ(S_OK, ::OleLoadPicture(pStream, static_cast<LONG>(data.size()), FALSE, IID_IPicture,
                                         reinterpret_cast<void**>(&pPicture)))
            << c.pszFile;
        HDC hDC = ::GetDC(nullptr);
        OLE_XSIZE_HIMETRIC cxHimetric = 0;
        OLE_YSIZE_HIMETRIC cyHimetric = 0;
        pPicture->get_Width(&cxHimetric);
        pPicture->get_Height(&cyHimetric);
        EXPECT_EQ(c.cx, MulDiv(cxHimetric, ::GetDeviceCaps(hDC, LOGPIXELSX), 2540)) << c.pszFile;
        EXPECT_EQ(c.cy, MulDiv(cyHimetric, ::GetDeviceCaps(hDC, LOGPIXELSY), 2540)) << c.pszFile;
        ::ReleaseDC(nullptr, hDC);
        pPicture->Release();
        pStream->Release();
    }
    ::CoUninitialize();
}
}

// The toolkit's own resources are the program's too: every cursor of the
// toolkit's global data and of customising, its strings, the window
// buttons' picture and the quick access menu load from them.
TEST(Resources, WhatTheToolkitLoads)
{
    CXTAuxData data;
    EXPECT_TRUE(data.LoadSysCursors());
    for (HCURSOR hCursor : {data.hcurDragNone, data.hcurDragCopy, data.hcurDragMove, data.hcurHand,
                            data.hcurHSplitBar, data.hcurVSplitBar, data.hcurMove})
        EXPECT_NE(nullptr, hCursor);
    for (UINT nID : {XTP_IDC_DRAGNONE, XTP_IDC_DRAGCOPY, XTP_IDC_DRAGMOVE, XTP_IDC_HSPLITBAR, XTP_IDC_VSPLITBAR,
                     XTP_IDC_HAND, XTP_IDC_COMMANDBARS_RESIZE, XTP_IDC_COMMANDBARS_DRAGCOPY,
                     XTP_IDC_COMMANDBARS_DRAGMOVE, XTP_IDC_COMMANDBARS_DRAGNONE})
        EXPECT_NE(nullptr, GetResourceManager()->LoadCursor(nID)) << nID;

    const std::pair<UINT, LPCSTR> strings[] = {
        {XTP_ID_CUSTOMIZE_ADDORREMOVE, "\nSchaltflächen hinzufügen oder entfernen"},
        {XTP_ID_CUSTOMIZE_RESET, "\nZurücksetzen"},
        {XTP_IDS_INVALID_NUMBER, "Dies ist keine gültige Zahl."},
        {XTP_IDS_INVALID_FONTSIZE,
         "Der Schriftgrad muss zwischen 1 und 1638 liegen. Bitte geben Sie einen gültigen Schriftgrad ein."},
        {XTP_IDS_CONFIRM_RESETTOOLBAR,
         "Sind Sie sicher, dass Sie die Änderungen für die Symbolleiste '%s' zurücksetzen möchten?"},
        {XTP_IDS_TOOLBAR_CHANGED, "Aufgrund eines Software-Updates hat sich die Symbolleiste '%s' geändert. "
                                  "Möchten Sie die geänderte Symbolleiste zurücksetzen und die neue laden?"},
        {XTP_ID_TOOLBAR_EXPAND, "\nOptionen für Symbolleisten"},
        {XTP_ID_TOOLBAR_HIDE, "\nSchließen"},
        {XTP_ID_MENUBAR_CLOSE, "\nFenster schließen"},
        {XTP_ID_MENUBAR_RESTORE, "\nFenster wiederherstellen"},
        {XTP_ID_MENUBAR_MINIMIZE, "\nFenster minimieren"},
        {XTP_IDS_WORKSPACE_MOVEPREVIOUS, "\nZur vorherigen Registerkartengruppe wechseln"},
        {XTP_IDS_WORKSPACE_MOVENEXT, "\nZur nächsten Registerkartengruppe wechseln"},
        {XTP_IDS_WORKSPACE_NEWHORIZONTAL, "\nNeue horizontale Registerkartengruppe"},
        {XTP_IDS_WORKSPACE_NEWVERTICAL, "\nNeue vertikale Registerkartengruppe"},
    };
    for (const auto& c : strings)
    {
        CString strText;
        EXPECT_TRUE(GetResourceManager()->LoadString(&strText, c.first)) << c.first;
        EXPECT_STREQ(c.second, strText) << c.first;
    }

    CBitmap bitmap;
    ASSERT_TRUE(GetResourceManager()->LoadBitmap(&bitmap, XTP_IDB_MENUBAR_ICONS));
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(64, bm.bmWidth);
    EXPECT_EQ(16, bm.bmHeight);
    CMenu menu;
    ASSERT_TRUE(GetResourceManager()->LoadMenu(&menu, XTP_IDR_RIBBONCUSTOMIZEMENU));
    EXPECT_EQ(5, ::GetMenuItemCount(::GetSubMenu(menu.GetSafeHmenu(), 0)));
}

// The program's resources are linked into the test program: its title is
// the one the registry key and every window caption are formed from.
TEST(AppResources, TitleIsQivnotes)
{
    char title[64] = {};
    ASSERT_GT(::LoadStringA(::GetModuleHandleA(nullptr), AFX_IDS_APP_TITLE, title, sizeof title), 0);
    EXPECT_STREQ("Qivnotes", title);
}

namespace
{
// The icon drawn on white at 32 x 32, as pixels.
std::vector<DWORD> IconPixels(HICON hIcon)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 32;
    bmi.bmiHeader.biHeight = -32;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, 32, 32};
    ::FillRect(hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::DrawIconEx(hDC, 0, 0, hIcon, 32, 32, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    const DWORD* pPixels = static_cast<const DWORD*>(pBits);
    std::vector<DWORD> pixels(pPixels, pPixels + 32 * 32);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hBitmap);
    return pixels;
}
} // namespace

// The shell numbers a program's icons by ascending id: shortcuts and the
// card-file type name them by these indexes.
TEST(Resources, ShellIconIndexesNameTheirIcons)
{
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    struct Case
    {
        int nIndex;
        UINT nID;
    };
    const Case cases[] = {{0, IDI_PROGRAM}, {1, IDI_CARDFILE}, {4, IDI_ENTRY}, {5, IDI_CATEGORY}};
    for (const Case& c : cases) {
        HICON hShell = nullptr;
        ASSERT_EQ(1u, ::ExtractIconExA(szModule, c.nIndex, &hShell, nullptr, 1)) << c.nIndex;
        HICON hOwn = static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.nID), IMAGE_ICON, 32, 32, 0));
        ASSERT_NE(nullptr, hOwn);
        EXPECT_EQ(IconPixels(hOwn), IconPixels(hShell)) << c.nIndex;
        ::DestroyIcon(hOwn);
        ::DestroyIcon(hShell);
    }
}
