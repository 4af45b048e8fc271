// The category tree view in a frame of its own: filling, expand state, new
// items, rename, delete, move, sort, background colour, pane switching and
// keys. Each edit is checked in the tree, the model and the saved file.
#include "CardTreeFixture.h"
#include "ViewTestFrame.h"

#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/ColorDialog.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/Edit.h"
#include "framework/ui/Menu.h"
#include "model/QivDoc.h"
#include "model/exchange/ExchangeCommands.h"

#include <gtest/gtest.h>

using namespace apptest;

namespace {

class TreeViewTest : public ViewTest
{
protected:
    CQivTreeView* View() const { return m_pFrame->m_pTree; }
    HWND TreeWnd() const { return View()->m_hWnd; }
    void Command(UINT nID) { View()->SendMessageA(WM_COMMAND, nID, 0); }

    // Answers every message box with nAnswer and records the boxes.
    std::vector<AFX_MESSAGEBOX_REQUEST> m_boxes;
    int m_nAnswer = IDYES;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> m_answer{ [this](const AFX_MESSAGEBOX_REQUEST& box) {
        m_boxes.push_back(box);
        return m_nAnswer;
    } };
};

// Edits the selected item's title in place: the text typed, then the edit
// ended (or cancelled).
void EditTitle(CQivTreeView* pView, HTREEITEM hItem, LPCSTR lpszText, BOOL bCancel)
{
    CTreeCtrl& tree = pView->GetTreeCtrl();
    if (!tree.GetEditControl())
        tree.EditLabel(hItem);
    CEdit* pEdit = tree.GetEditControl();
    ASSERT_NE(nullptr, pEdit);
    pEdit->SetWindowText(lpszText);
    tree.EndEditLabelNow(bCancel);
}

} // namespace

TEST_F(TreeViewTest, FillShowsTheModelWithImagesBoldRootAndFreshHistory)
{
    C_QivCategory* pOpen = AddCategory(Root(), "Offen");
    pOpen->m_dwExpanded = 1;
    AddEntry(pOpen, "a");
    C_QivCategory* pClosed = AddCategory(Root(), "Zu");
    AddEntry(pClosed, "z");
    C_QivCategory* pEmpty = AddCategory(Root(), "Leer");
    C_QivEntry* pPlain = AddEntry(Root(), "Notiz");
    C_QivEntry* pWithFile = AddEntry(Root(), "Anlage");
    pWithFile->m_lstAttachments.AddTail("C:\\a.txt");
    Root()->m_dwExpanded = 1;
    Show();

    HWND hTree = TreeWnd();
    EXPECT_EQ("Notizen{Offen{a},Zu{z},Leer{},Notiz,Anlage}", TreeOutline(hTree, Tree().GetRootItem()));
    EXPECT_EQ(Root()->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_TRUE(Tree().GetItemState(Root()->m_hTreeItem, TVIS_BOLD) & TVIS_BOLD);
    struct { C_QivItem* item; int image; } const cases[] = {
        { pOpen, 0 }, { pClosed, 1 }, { pEmpty, 0 }, { pPlain, 4 }, { pWithFile, 6 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.image, ItemImage(hTree, c.item->m_hTreeItem)) << c.item->m_strTitle.GetString();
    EXPECT_TRUE(Tree().GetItemState(pOpen->m_hTreeItem, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_FALSE(Tree().GetItemState(pClosed->m_hTreeItem, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(std::vector<HTREEITEM>{ Root()->m_hTreeItem }, m_pFrame->m_history.GetItems());
    EXPECT_EQ(0, m_pFrame->m_history.GetPosition());
    EXPECT_FALSE(Modified());

    // A second fill (another card file) starts over.
    m_pDoc->ReplaceRoot(new C_QivCategory("Andere"));
    View()->OnInitialUpdate();
    EXPECT_EQ("Andere{}", TreeOutline(hTree, Tree().GetRootItem()));
    EXPECT_EQ(nullptr, Tree().GetNextSiblingItem(Tree().GetRootItem()));
}

TEST_F(TreeViewTest, ExpandAndCollapseKeepImagesFlagAndModifiedInStep)
{
    CSoundRecorder sounds({ "Expand/Collapse" });
    Root()->m_dwExpanded = 1;
    C_QivCategory* pFive = AddCategory(Root(), "Fünf");
    for (LPCSTR title : { "1", "2", "3", "4", "5" })
        AddEntry(pFive, title);
    C_QivCategory* pEmpty = AddCategory(Root(), "Leer");
    Show();

    struct { C_QivCategory* category; UINT action; int image; DWORD flag; size_t sounds; } const cases[] = {
        { pFive, TVE_EXPAND, 0, 1, 1 },
        { pFive, TVE_EXPAND, 0, 1, 1 },     // already expanded: nothing
        { pFive, TVE_COLLAPSE, 3, 0, 2 },
        { pEmpty, TVE_EXPAND, 0, 1, 3 },
        { pEmpty, TVE_COLLAPSE, 0, 0, 4 },
        { Root(), TVE_COLLAPSE, 2, 0, 4 },  // the root is silent
        { Root(), TVE_EXPAND, 0, 1, 4 },
    };
    for (const auto& c : cases) {
        SetModified(FALSE);
        const DWORD flagBefore = c.category->m_dwExpanded;
        Select(c.category);
        Command(c.action == TVE_EXPAND ? ID_EXPAND : ID_COLLAPSE);
        View()->OnItemExpanding(c.category->m_hTreeItem, c.action);
        const std::string title = c.category->m_strTitle.GetString();
        EXPECT_EQ(c.image, ItemImage(TreeWnd(), c.category->m_hTreeItem)) << title;
        EXPECT_EQ(c.flag, c.category->m_dwExpanded) << title;
        EXPECT_EQ(flagBefore != c.flag, Modified() != FALSE) << title;
        EXPECT_EQ(c.sounds, sounds.m_events.size()) << title;
    }
    std::unique_ptr<C_QivCategory> saved = SavedAndReadBack();
    EXPECT_EQ(1u, saved->m_dwExpanded);
    EXPECT_EQ(0u, static_cast<C_QivCategory*>(saved->m_pFirstChild)->m_dwExpanded);
}

TEST_F(TreeViewTest, ExpandAllAndCollapseAllSoundOnceAndKeepTheRootOpen)
{
    CSoundRecorder sounds({ "Expand/Collapse" });
    C_QivCategory* pA = AddCategory(Root(), "A");
    C_QivCategory* pDeep = AddCategory(pA, "Tief");
    C_QivEntry* pLeaf = AddEntry(pDeep, "Blatt");
    C_QivCategory* pEmpty = AddCategory(Root(), "Leer");
    Show();

    Command(ID_EXPAND_ALL);
    EXPECT_EQ(std::vector<std::string>{ "Expand/Collapse" }, sounds.m_events);
    for (C_QivCategory* pCategory : { Root(), pA, pDeep }) {
        EXPECT_EQ(1u, pCategory->m_dwExpanded) << pCategory->m_strTitle.GetString();
        EXPECT_TRUE(Tree().GetItemState(pCategory->m_hTreeItem, TVIS_EXPANDED) & TVIS_EXPANDED);
    }
    EXPECT_EQ(0u, pEmpty->m_dwExpanded);

    Select(pLeaf);
    sounds.m_events.clear();
    Command(ID_COLLAPSE_ALL);
    EXPECT_EQ(std::vector<std::string>{ "Expand/Collapse" }, sounds.m_events);
    EXPECT_EQ(Root()->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_EQ(1u, Root()->m_dwExpanded);
    EXPECT_TRUE(Tree().GetItemState(Root()->m_hTreeItem, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(0u, pA->m_dwExpanded);
    EXPECT_EQ(0u, pDeep->m_dwExpanded);
    EXPECT_EQ(1, ItemImage(TreeWnd(), pA->m_hTreeItem));
    EXPECT_TRUE(Modified());
    std::unique_ptr<C_QivCategory> saved = SavedAndReadBack();
    EXPECT_EQ(1u, saved->m_dwExpanded);
    EXPECT_EQ(0u, static_cast<C_QivCategory*>(saved->m_pFirstChild)->m_dwExpanded);
}

TEST_F(TreeViewTest, NewItemsGoToTheFrontOfTheTargetWithItsColourAndOpenTheTitleEdit)
{
    CSoundRecorder sounds({ "NewItem", "Expand/Collapse" });
    C_QivCategory* pCategory = AddCategory(Root(), "Kat");
    pCategory->m_crBackground = RGB(10, 20, 30);
    C_QivEntry* pEntry = AddEntry(pCategory, "Alt");
    Root()->m_crBackground = RGB(1, 2, 3);
    Show();

    struct { C_QivItem* selected; BOOL category; C_QivCategory* target; LPCSTR outline; } const cases[] = {
        { pEntry, FALSE, pCategory, "Notizen{Kat{Neuer Eintrag,Alt}}" },
        { pCategory, TRUE, pCategory, "Notizen{Kat{Neue Kategorie{},Neuer Eintrag,Alt}}" },
        { Root(), TRUE, Root(), "Notizen{Neue Kategorie{},Kat{Neue Kategorie{},Neuer Eintrag,Alt}}" },
    };
    for (const auto& c : cases) {
        Select(c.selected);
        SetModified(FALSE);
        sounds.m_events.clear();
        m_pFrame->SetActiveView(View());
        View()->NewItem(c.category);
        C_QivItem* pNew = c.target->m_pFirstChild;
        EXPECT_EQ(c.outline, Outline(Root()));
        EXPECT_EQ(c.outline, TreeOutline(TreeWnd(), Root()->m_hTreeItem));
        EXPECT_EQ(c.target->m_crBackground, pNew->m_crBackground);
        EXPECT_EQ(pNew->m_hTreeItem, Tree().GetSelectedItem());
        EXPECT_NE(nullptr, Tree().GetEditControl()) << "the title edit is open";
        EXPECT_EQ(1, View()->m_bLabelEditing);
        EXPECT_TRUE(Modified());
        EXPECT_EQ(std::vector<std::string>{ "NewItem" }, sounds.m_events);

        EditTitle(View(), pNew->m_hTreeItem, "", TRUE);
        CView* pExpectedActive = c.category ? static_cast<CView*>(View()) : m_pFrame->m_pText;
        EXPECT_EQ(pExpectedActive, m_pFrame->GetActiveView()) << c.outline;
        EXPECT_FALSE(View()->m_bNewEntry);
    }
    std::unique_ptr<C_QivCategory> saved = SavedAndReadBack();
    EXPECT_EQ(cases[2].outline, Outline(saved.get()));
    EXPECT_EQ(RGB(10, 20, 30), static_cast<C_QivCategory*>(saved->m_pFirstChild->m_pNext)->m_pFirstChild->m_crBackground);
}

TEST_F(TreeViewTest, RenameSetsTheTitleOrCancelsAndParksTheShortcuts)
{
    C_QivEntry* pEntry = AddEntry(Root(), "Alt");
    Show();
    HACCEL hTable = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hTable);
    m_pFrame->m_hAccelTable = hTable;

    struct { LPCSTR text; BOOL cancel; LPCSTR title; BOOL modified; } const cases[] = {
        { "Neu", FALSE, "Neu", TRUE },
        { "Anders", TRUE, "Neu", FALSE },
        { "", FALSE, "", TRUE },            // an empty title is a title
    };
    for (const auto& c : cases) {
        SetModified(FALSE);
        m_pFrame->m_suspends.clear();
        Select(pEntry);
        Command(ID_RENAME);
        EXPECT_EQ(nullptr, m_pFrame->m_hAccelTable) << "parked while editing";
        EXPECT_EQ(hTable, View()->m_hSavedAccelerators);
        EditTitle(View(), pEntry->m_hTreeItem, c.text, c.cancel);
        EXPECT_EQ(hTable, m_pFrame->m_hAccelTable);
        EXPECT_EQ((std::vector<bool>{ true, false }), m_pFrame->m_suspends);
        EXPECT_EQ(0, View()->m_bLabelEditing);
        EXPECT_STREQ(c.title, pEntry->m_strTitle);
        EXPECT_EQ(c.title, ItemText(TreeWnd(), pEntry->m_hTreeItem));
        EXPECT_EQ(c.modified, Modified()) << c.text;
    }
    m_pFrame->m_hAccelTable = nullptr;
    ::DestroyAcceleratorTable(hTable);
    std::unique_ptr<C_QivCategory> saved = SavedAndReadBack();
    ASSERT_NE(nullptr, saved->m_pFirstChild);
    EXPECT_STREQ("", saved->m_pFirstChild->m_strTitle);
}

TEST_F(TreeViewTest, DeleteAsksByKindAndRemovesFromModelTreeAndFile)
{
    CSoundRecorder sounds({ "Delete", "DialogCancel" });
    C_QivEntry* pEntry = AddEntry(Root(), "Notiz");
    C_QivCategory* pEmpty = AddCategory(Root(), "Leer");
    C_QivCategory* pFull = AddCategory(Root(), "Voll");
    AddEntry(pFull, "drin");
    Show();

    struct { C_QivItem* item; LPCSTR question; int answer; LPCSTR sound; LPCSTR outline; } const cases[] = {
        { pEntry, "Wollen Sie den Eintrag 'Notiz' wirklich löschen?", IDNO, "DialogCancel",
          "Notizen{Notiz,Leer{},Voll{drin}}" },
        { pEntry, "Wollen Sie den Eintrag 'Notiz' wirklich löschen?", IDYES, "Delete", "Notizen{Leer{},Voll{drin}}" },
        { pEmpty, "Wollen Sie die leere Kategorie 'Leer' wirklich löschen?", IDYES, "Delete", "Notizen{Voll{drin}}" },
        { pFull, "Wollen Sie die Kategorie 'Voll' samt Inhalt wirklich löschen?", IDYES, "Delete", "Notizen{}" },
    };
    for (const auto& c : cases) {
        m_boxes.clear();
        sounds.m_events.clear();
        SetModified(FALSE);
        m_nAnswer = c.answer;
        Select(c.item);
        Command(ID_EDIT_CLEAR);
        ASSERT_EQ(1u, m_boxes.size());
        EXPECT_STREQ(c.question, m_boxes[0].strText);
        EXPECT_STREQ("Frage", m_boxes[0].strCaption);
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), m_boxes[0].nType);
        EXPECT_EQ(std::vector<std::string>{ c.sound }, sounds.m_events);
        EXPECT_EQ(c.outline, Outline(Root()));
        EXPECT_EQ(c.outline, TreeOutline(TreeWnd(), Tree().GetRootItem()));
        EXPECT_EQ(c.answer == IDYES, Modified() != FALSE);
        EXPECT_EQ(c.outline, Outline(SavedAndReadBack().get()));
    }
}

TEST_F(TreeViewTest, DeletingTheRootOffersToEmptyIt)
{
    CSoundRecorder sounds({ "Delete", "DialogCancel" });
    AddEntry(AddCategory(Root(), "A"), "a");
    Show();

    C_QivCategory* pRoot = Root();
    m_nAnswer = IDNO;
    Select(pRoot);
    Command(ID_EDIT_CLEAR);
    ASSERT_EQ(2u, m_boxes.size());
    EXPECT_STREQ("Die Wurzelkategorie kann nicht gelöscht werden!", m_boxes[0].strText);
    EXPECT_STREQ("Hinweis", m_boxes[0].strCaption);
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), m_boxes[0].nType);
    EXPECT_STREQ("Wollen Sie stattdessen alle Einträge löschen?", m_boxes[1].strText);
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), m_boxes[1].nType);
    EXPECT_EQ(std::vector<std::string>{ "DialogCancel" }, sounds.m_events);
    EXPECT_EQ("Notizen{A{a}}", Outline(Root()));
    EXPECT_FALSE(Modified());

    m_boxes.clear();
    sounds.m_events.clear();
    m_nAnswer = IDYES;
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ(2u, m_boxes.size());
    EXPECT_EQ(std::vector<std::string>{ "Delete" }, sounds.m_events);
    EXPECT_EQ("Notizen{}", Outline(Root()));
    EXPECT_EQ("Notizen{}", TreeOutline(TreeWnd(), Tree().GetRootItem()));
    EXPECT_EQ(Root()->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_TRUE(Modified());
    EXPECT_EQ("Notizen{}", Outline(SavedAndReadBack().get()));

    // The command is disabled now; the Delete key still tells why.
    m_boxes.clear();
    EXPECT_EQ(0, QueryCommand(View(), ID_EDIT_CLEAR).nEnabled);
    View()->SendMessageA(WM_KEYDOWN, VK_DELETE, MAKELPARAM(1, 0x153));
    ASSERT_EQ(1u, m_boxes.size()) << "an empty root asks nothing more";
}

TEST_F(TreeViewTest, MoveUpAndDownSwapInModelTreeAndFile)
{
    C_QivEntry* pA = AddEntry(Root(), "A");
    C_QivCategory* pB = AddCategory(Root(), "B");
    AddEntry(pB, "b");
    C_QivEntry* pC = AddEntry(Root(), "C");
    Show();

    struct { C_QivItem* item; UINT command; BOOL enabled; LPCSTR outline; } const cases[] = {
        { pA, ID_MOVE_UP, FALSE, "Notizen{A,B{b},C}" },        // first: nothing
        { pC, ID_MOVE_DOWN, FALSE, "Notizen{A,B{b},C}" },      // last: nothing
        { pB, ID_MOVE_UP, TRUE, "Notizen{B{b},A,C}" },         // becomes the first child
        { pB, ID_MOVE_DOWN, TRUE, "Notizen{A,B{b},C}" },       // from the first place
        { pB, ID_MOVE_DOWN, TRUE, "Notizen{A,C,B{b}}" },       // to the last place
        { pC, ID_MOVE_UP, TRUE, "Notizen{C,A,B{b}}" },
    };
    for (const auto& c : cases) {
        SetModified(FALSE);
        Select(c.item);
        EXPECT_EQ(c.enabled, QueryCommand(View(), c.command).nEnabled) << c.outline;
        if (c.enabled)
            Command(c.command);
        EXPECT_EQ(c.outline, Outline(Root()));
        EXPECT_EQ(c.outline, TreeOutline(TreeWnd(), Tree().GetRootItem()));
        EXPECT_EQ(c.item->m_hTreeItem, Tree().GetSelectedItem());
        EXPECT_EQ(c.enabled, Modified());
    }
    EXPECT_EQ(cases[5].outline, Outline(SavedAndReadBack().get()));
}

TEST_F(TreeViewTest, SortOrdersTheTargetCategoryInTreeModelAndFile)
{
    struct { BOOL ascending; BOOL subcategories; LPCSTR outline; } const cases[] = {
        { TRUE, FALSE, "Notizen{Z{y,x{2,1}},9,10,b,Über}" },
        { FALSE, FALSE, "Notizen{Über,b,10,9,Z{y,x{2,1}}}" },
        { TRUE, TRUE, "Notizen{Z{x{1,2},y},9,10,b,Über}" },
        { FALSE, TRUE, "Notizen{Über,b,10,9,Z{y,x{2,1}}}" },   // entries before categories
    };
    for (const auto& c : cases) {
        Root()->DeleteAllChildren();
        for (LPCSTR title : { "b", "10", "9", "Über" })
            AddEntry(Root(), title);
        C_QivCategory* pZ = AddCategory(Root(), "Z");
        AddEntry(pZ, "y");
        C_QivCategory* pX = AddCategory(pZ, "x");
        AddEntry(pX, "2");
        AddEntry(pX, "1");
        Show();
        C_QivItem* pEntry = Root()->m_pFirstChild;
        Select(pEntry);        // an entry sorts the category that holds it
        SetModified(FALSE);
        View()->SortTarget(c.ascending, c.subcategories);
        EXPECT_EQ(c.outline, Outline(Root()));
        EXPECT_EQ(c.outline, TreeOutline(TreeWnd(), Tree().GetRootItem()));
        EXPECT_TRUE(Modified());
        EXPECT_EQ(c.outline, Outline(SavedAndReadBack().get()));
    }
}

TEST_F(TreeViewTest, SortDialogSortsOnOkWithItsSound)
{
    CSoundRecorder sounds({ "Sort" });
    AddEntry(Root(), "b");
    AddEntry(Root(), "a");
    Show();
    int nAnswer = IDCANCEL;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> dialog([&](const AFX_MODALDIALOG_REQUEST&) { return nAnswer; });
    View()->RunSortDialog();
    EXPECT_EQ("Notizen{b,a}", Outline(Root()));
    EXPECT_TRUE(sounds.m_events.empty());
    EXPECT_FALSE(Modified());
    nAnswer = IDOK;
    View()->RunSortDialog();
    EXPECT_EQ("Notizen{a,b}", Outline(Root()));
    EXPECT_EQ(std::vector<std::string>{ "Sort" }, sounds.m_events);
}

TEST_F(TreeViewTest, BackgroundColourOffersTheCustomColoursAndIsSaved)
{
    C_QivEntry* pEntry = AddEntry(Root(), "Notiz");
    pEntry->m_crBackground = RGB(1, 2, 3);
    Show();
    Select(pEntry);
    std::vector<COLORREF> custom;
    COLORREF crStart = 0;
    DWORD dwFlags = 0;
    int nAnswer = IDCANCEL;
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> dialog([&](const AFX_COMMONDIALOG_REQUEST& r) {
        const CHOOSECOLORA& cc = static_cast<CColorDialog*>(r.pDialog)->m_cc;
        custom.assign(cc.lpCustColors, cc.lpCustColors + 16);
        crStart = cc.rgbResult;
        dwFlags = cc.Flags;
        r.pAnswer->color = RGB(0x40, 0x50, 0x60);
        return nAnswer;
    });
    View()->ChooseBackgroundColor();
    EXPECT_EQ(RGB(1, 2, 3), pEntry->m_crBackground);
    EXPECT_FALSE(Modified());
    const std::vector<COLORREF> expected = {
        0xE1EAEB, 0xCFB88D, 0x5C5BB9, 0x53D2FF, 0xB8FAFF, 0x97CBB2, 0xCFCFCF, 0xF0CAA7,
        0x8396A0, 0xCD9238, 0x382997, 0x497990, 0x5CBADC, 0x71AC88, 0x969696, 0xC00000,
    };
    EXPECT_EQ(expected, custom);
    EXPECT_EQ(RGB(1, 2, 3), crStart);
    EXPECT_EQ(DWORD(CC_FULLOPEN | CC_ANYCOLOR), dwFlags & (CC_FULLOPEN | CC_ANYCOLOR));

    nAnswer = IDOK;
    View()->ChooseBackgroundColor();
    EXPECT_EQ(RGB(0x40, 0x50, 0x60), pEntry->m_crBackground);
    EXPECT_TRUE(Modified());
    EXPECT_EQ(RGB(0x40, 0x50, 0x60), SavedAndReadBack()->m_pFirstChild->m_crBackground);
}

TEST_F(TreeViewTest, F6SwitchesBetweenTreeAndTextView)
{
    C_QivEntry* pEntry = AddEntry(Root(), "Notiz");
    Show();
    m_pFrame->SetActiveView(View());
    View()->SwitchPane();      // a category is shown: no text view to go to
    EXPECT_EQ(View(), m_pFrame->GetActiveView());
    Select(pEntry);
    ASSERT_NE(nullptr, m_pFrame->m_pText);
    View()->SwitchPane();
    EXPECT_EQ(m_pFrame->m_pText, m_pFrame->GetActiveView());
    View()->SwitchPane();
    EXPECT_EQ(View(), m_pFrame->GetActiveView());
}

TEST_F(TreeViewTest, OnlyTheDeleteKeyBesideTheArrowsDeletes)
{
    C_QivEntry* pEntry = AddEntry(Root(), "Notiz");
    Show();
    Select(pEntry);
    m_nAnswer = IDNO;
    struct { UINT scanFlags; size_t questions; } const cases[] = {
        { 0x053, 0 },    // the numeric pad's Delete
        { 0x153, 1 },
        { 0x4153, 1 },   // held down: the repeat bit
    };
    for (const auto& c : cases) {
        m_boxes.clear();
        View()->SendMessageA(WM_KEYDOWN, VK_DELETE, MAKELPARAM(1, c.scanFlags));
        EXPECT_EQ(c.questions, m_boxes.size()) << std::hex << c.scanFlags;
    }
    EXPECT_EQ("Notizen{Notiz}", Outline(Root()));
}

TEST_F(TreeViewTest, CommandStatesFollowTheSelection)
{
    C_QivCategory* pCategory = AddCategory(Root(), "Kat");
    C_QivEntry* pEntry = AddEntry(pCategory, "Notiz");
    Show();
    struct { C_QivItem* selected; UINT id; int enabled; } const cases[] = {
        { Root(), ID_EDIT_CLEAR, 1 },          // the root has children
        { Root(), ID_PARENT_CATEGORY, 0 },
        { pCategory, ID_EXPAND, 1 },
        { pCategory, ID_COLLAPSE, 0 },
        { pEntry, ID_PARENT_CATEGORY, 1 },     // selecting it opens its category
        { pEntry, ID_EXPAND, 0 },
        { pEntry, ID_RENAME, 1 },
        { pEntry, ID_FORMAT_BOLD, 0 },
        { pEntry, ID_FONT_COLOR, 0 },
    };
    for (const auto& c : cases) {
        Select(c.selected);
        EXPECT_EQ(c.enabled, QueryCommand(View(), c.id).nEnabled) << c.id;
    }
    Select(pEntry);
    Command(ID_PARENT_CATEGORY);
    EXPECT_EQ(pCategory->m_hTreeItem, Tree().GetSelectedItem());

    CMenu menu;
    ASSERT_TRUE(View()->LoadContextMenu(menu));
    EXPECT_EQ(UINT(MF_GRAYED), menu.GetSubMenu(0)->GetMenuState(ID_EDIT_PASTE, MF_BYCOMMAND) & MF_GRAYED);
    View()->m_bPasteAvailable = TRUE;
    CMenu second;
    ASSERT_TRUE(View()->LoadContextMenu(second));
    EXPECT_EQ(0u, second.GetSubMenu(0)->GetMenuState(ID_EDIT_PASTE, MF_BYCOMMAND) & MF_GRAYED);

    Tree().EditLabel(pEntry->m_hTreeItem);
    EXPECT_EQ(0, QueryCommand(View(), ID_RENAME).nEnabled);
    EXPECT_EQ(0, QueryCommand(View(), ID_EDIT_CLEAR).nEnabled);
    Tree().EndEditLabelNow(TRUE);
}

TEST_F(TreeViewTest, ImportsThroughTheViewsContextGoToTheTargetCategory)
{
    C_QivCategory* pCategory = AddCategory(Root(), "Kat");
    C_QivEntry* pEntry = AddEntry(pCategory, "Alt");
    Show();
    char szDir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szDir);
    const std::string path = std::string(szDir) + "Importiert.txt";
    ::DeleteFileA(path.c_str());
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD nWritten = 0;
    ::WriteFile(hFile, "Zeile", 5, &nWritten, nullptr);
    ::CloseHandle(hFile);
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> dialog([&](const AFX_COMMONDIALOG_REQUEST& r) {
        r.pAnswer->strPath = path.c_str();
        return IDOK;
    });
    Select(pEntry);      // an entry: its category takes the import
    SetModified(FALSE);
    QivCommandImportText(View()->MakeExchangeContext());
    EXPECT_EQ("Notizen{Kat{Importiert,Alt}}", Outline(Root()));
    EXPECT_EQ("Notizen{Kat{Importiert,Alt}}", TreeOutline(TreeWnd(), Root()->m_hTreeItem));
    EXPECT_EQ(pCategory->m_pFirstChild->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_TRUE(Modified());
    EXPECT_EQ("Notizen{Kat{Importiert,Alt}}", Outline(SavedAndReadBack().get()));
    ::DeleteFileA(path.c_str());
}
