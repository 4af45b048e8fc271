// The contents list of a category: deleting rows from list, tree and model
// after one question, renaming into the tree, sorting by either header, and
// opening a row's item in the tree.
#include "CardTreeFixture.h"
#include "ViewTestFrame.h"

#include "app/ContentsView.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/Edit.h"
#include "framework/ui/TestSeams.h"
#include "model/QivDoc.h"

#include <gtest/gtest.h>

using namespace apptest;

namespace {

class ContentsViewTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_pCat = AddCategory(Root(), "Kat");
        for (LPCSTR title : { "b", "Z", "a", "Y", "c" }) {
            if (title[0] == 'Y' || title[0] == 'Z')
                AddEntry(AddCategory(m_pCat, title), "x");
            else
                AddEntry(m_pCat, title);
        }
        Show();
        Select(m_pCat);
        ASSERT_NE(nullptr, m_pFrame->m_pContents);
    }

    C_InhaltView* List() const { return m_pFrame->m_pContents; }

    std::vector<std::string> RowTitles() const
    {
        std::vector<std::string> titles;
        for (int i = 0; i < List()->GetListCtrl().GetItemCount(); ++i)
            titles.push_back(List()->GetListCtrl().GetItemText(i, 0).GetString());
        return titles;
    }

    void SelectRows(std::initializer_list<int> rows)
    {
        CListCtrl& list = List()->GetListCtrl();
        for (int i = 0; i < list.GetItemCount(); ++i)
            list.SetItemState(i, 0, LVIS_SELECTED);
        for (int row : rows)
            list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }

    // A header click, as the list tells its parent.
    void ClickHeader(int nColumn)
    {
        NMLISTVIEW notify = {};
        notify.hdr.hwndFrom = List()->m_hWnd;
        notify.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(List()->m_hWnd));
        notify.hdr.code = LVN_COLUMNCLICK;
        notify.iItem = -1;
        notify.iSubItem = nColumn;
        ::SendMessageA(::GetParent(List()->m_hWnd), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    }

    C_QivCategory* m_pCat = nullptr;
};

} // namespace

TEST_F(ContentsViewTest, DeletingSelectedRowsAsksOnceAndRemovesThemEverywhere)
{
    CSoundRecorder sounds({ "DeleteRow", "DialogCancel" });
    std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
    int nAnswer = IDNO;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box);
        return nAnswer;
    });
    ASSERT_EQ((std::vector<std::string>{ "b", "Z", "a", "Y", "c" }), RowTitles());
    SelectRows({ 0, 1, 4 });
    List()->SendMessageA(WM_COMMAND, ID_EDIT_CLEAR, 0);
    EXPECT_EQ(std::vector<std::string>{ "DialogCancel" }, sounds.m_events);
    EXPECT_EQ(5u, RowTitles().size());
    EXPECT_FALSE(Modified());

    nAnswer = IDYES;
    boxes.clear();
    sounds.m_events.clear();
    List()->SendMessageA(WM_KEYDOWN, VK_DELETE, MAKELPARAM(1, 0x053));    // the numeric pad: nothing
    EXPECT_TRUE(boxes.empty());
    List()->SendMessageA(WM_KEYDOWN, VK_DELETE, MAKELPARAM(1, 0x153));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("Wollen Sie die markierten Einträge wirklich löschen?", boxes[0].strText);
    EXPECT_STREQ("Frage", boxes[0].strCaption);
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), boxes[0].nType);
    EXPECT_EQ(std::vector<std::string>{ "DeleteRow" }, sounds.m_events);
    EXPECT_EQ((std::vector<std::string>{ "a", "Y" }), RowTitles());
    EXPECT_EQ("Notizen{Kat{a,Y{x}}}", Outline(Root()));
    EXPECT_EQ("Notizen{Kat{a,Y{x}}}", TreeOutline(Tree().m_hWnd, Root()->m_hTreeItem));
    EXPECT_TRUE(Modified());
    EXPECT_EQ("Notizen{Kat{a,Y{x}}}", Outline(SavedAndReadBack().get()));
    EXPECT_EQ(0, QueryCommand(List(), ID_EDIT_CLEAR).nEnabled);
}

TEST_F(ContentsViewTest, RenamingARowRenamesTheTreeItem)
{
    HACCEL hTable = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_pFrame->m_hAccelTable = hTable;
    struct { LPCSTR text; BOOL cancel; LPCSTR title; } const cases[] = {
        { "Neu", FALSE, "Neu" },
        { "Anders", TRUE, "Neu" },
    };
    C_QivItem* pItem = List()->ItemOfRow(2);
    for (const auto& c : cases) {
        SetModified(FALSE);
        m_pFrame->m_suspends.clear();
        SelectRows({ 2 });
        List()->SendMessageA(WM_COMMAND, ID_RENAME, 0);
        EXPECT_EQ(nullptr, m_pFrame->m_hAccelTable);
        CEdit* pEdit = List()->GetListCtrl().GetEditControl();
        ASSERT_NE(nullptr, pEdit);
        pEdit->SetWindowText(c.text);
        pEdit->SendMessageA(WM_KEYDOWN, c.cancel ? VK_ESCAPE : VK_RETURN, 0);
        PumpAppMessages();
        EXPECT_EQ(hTable, m_pFrame->m_hAccelTable);
        EXPECT_EQ((std::vector<bool>{ true, false }), m_pFrame->m_suspends);
        EXPECT_STREQ(c.title, pItem->m_strTitle);
        EXPECT_STREQ(c.title, List()->GetListCtrl().GetItemText(2, 0));
        EXPECT_EQ(c.title, ItemText(Tree().m_hWnd, pItem->m_hTreeItem));
        EXPECT_EQ(!c.cancel, Modified() != FALSE) << c.text;
    }
    m_pFrame->m_hAccelTable = nullptr;
    ::DestroyAcceleratorTable(hTable);
    EXPECT_EQ("Notizen{Kat{b,Z{x},Neu,Y{x},c}}", Outline(SavedAndReadBack().get()));
}

TEST_F(ContentsViewTest, BothHeadersSortTheRowsAlikeAndLeaveTheModel)
{
    CSoundRecorder sounds({ "Sort" });
    for (int nColumn : { 0, 1 }) {
        List()->Fill(m_pCat);
        ClickHeader(nColumn);
        EXPECT_EQ((std::vector<std::string>{ "Y", "Z", "a", "b", "c" }), RowTitles()) << nColumn;
    }
    EXPECT_EQ((std::vector<std::string>{ "Sort", "Sort" }), sounds.m_events);
    EXPECT_EQ("Notizen{Kat{b,Z{x},a,Y{x},c}}", Outline(Root()));
    EXPECT_EQ("Notizen{Kat{b,Z{x},a,Y{x},c}}", TreeOutline(Tree().m_hWnd, Root()->m_hTreeItem));
    EXPECT_FALSE(Modified());
}

TEST_F(ContentsViewTest, DoubleClickOpensTheRowsItemInTheTreeSilently)
{
    CSoundRecorder sounds({ "Expand/Collapse" });
    C_QivItem* pZ = List()->ItemOfRow(1);
    NMITEMACTIVATE notify = {};
    notify.hdr.hwndFrom = List()->m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(List()->m_hWnd));
    notify.hdr.code = NM_DBLCLK;
    notify.iItem = 1;
    ::SendMessageA(::GetParent(List()->m_hWnd), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    PumpAppMessages();
    EXPECT_EQ(pZ->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_EQ(1, List()->GetListCtrl().GetItemCount()) << "the list shows Z's children now";
    EXPECT_TRUE(sounds.m_events.empty());

    notify.iItem = -1;     // beside the rows: nothing
    ::SendMessageA(::GetParent(List()->m_hWnd), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    PumpAppMessages();
    EXPECT_EQ(pZ->m_hTreeItem, Tree().GetSelectedItem());
}
