// Showing the tree's selection: the panes swapped, the entry's text shown
// and stored back only after a change, the modified flag kept, the history
// and the sibling navigation.
#include "CardTreeFixture.h"
#include "ViewTestFrame.h"

#include "app/ContentsView.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/TestSeams.h"
#include "model/QivDoc.h"

#include <gtest/gtest.h>

using namespace apptest;

namespace {

class ShowEntryTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_pA = AddEntry(Root(), "A", "alpha");
        m_pA->m_crBackground = RGB(1, 2, 3);
        m_pB = AddEntry(Root(), "B", "beta");
        m_pCat = AddCategory(Root(), "Kat");
        m_pCat->m_dwExpanded = 1;
        m_pInner = AddCategory(m_pCat, "Innen");
        AddEntry(m_pInner, "i");
        m_pC = AddEntry(m_pCat, "C", "gamma");
        m_pC->m_lstAttachments.AddTail("C:\\x.txt");
        m_pD = AddEntry(m_pCat, "D");
        Show();
    }

    std::vector<HTREEITEM> Handles(std::initializer_list<C_QivItem*> items)
    {
        std::vector<HTREEITEM> handles;
        for (C_QivItem* pItem : items)
            handles.push_back(pItem->m_hTreeItem);
        return handles;
    }

    C_QivEntry* m_pA = nullptr;
    C_QivEntry* m_pB = nullptr;
    C_QivCategory* m_pCat = nullptr;
    C_QivCategory* m_pInner = nullptr;
    C_QivEntry* m_pC = nullptr;
    C_QivEntry* m_pD = nullptr;
};

std::vector<std::string> Rows(C_InhaltView* pView)
{
    std::vector<std::string> rows;
    CListCtrl& list = pView->GetListCtrl();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        list.GetItem(&item);
        rows.push_back(std::string(list.GetItemText(i, 0).GetString()) + "|" + list.GetItemText(i, 1).GetString()
                       + "|" + std::to_string(item.iImage));
    }
    return rows;
}

} // namespace

TEST_F(ShowEntryTest, EntriesShowInTheTextViewAndCategoriesAsTheirChildren)
{
    for (BOOL bModified : { FALSE, TRUE }) {
        SetModified(bModified);
        Select(m_pA);
        ASSERT_NE(nullptr, m_pFrame->m_pText);
        EXPECT_EQ(nullptr, m_pFrame->m_pContents);
        EXPECT_EQ("alpha", m_pFrame->m_shown.back().text);
        EXPECT_EQ(RGB(1, 2, 3), m_pFrame->m_shown.back().crBackground);
        EXPECT_EQ(m_pA, m_pFrame->m_attachmentsShown.back());
        EXPECT_EQ(bModified, Modified()) << "showing never changes the flag";

        Select(m_pD);     // an entry without text shows an empty one
        EXPECT_EQ("", m_pFrame->m_shown.back().text);

        Select(m_pCat);
        ASSERT_NE(nullptr, m_pFrame->m_pContents);
        EXPECT_EQ(nullptr, m_pFrame->m_pText);
        EXPECT_EQ((std::vector<std::string>{ "Innen|Kategorie|1", "C|Eintrag|6", "D|Eintrag|4" }),
                  Rows(m_pFrame->m_pContents));
        EXPECT_EQ(m_pInner, m_pFrame->m_pContents->ItemOfRow(0));
        EXPECT_EQ(m_pCat, m_pFrame->m_attachmentsShown.back());
        Select(m_pInner);
        EXPECT_EQ((std::vector<std::string>{ "i|Eintrag|4" }), Rows(m_pFrame->m_pContents));
        EXPECT_EQ(bModified, Modified());
    }
}

TEST_F(ShowEntryTest, RichAndPlainTextsAreToldApartByTheirFirstFiveBytes)
{
    struct { std::string text; std::string shown; } const cases[] = {
        { "{\\RTF1\\ansi Fett}", "Fett" },       // rich text in any case
        { "{\\rt", "{\\rt" },                    // four bytes: plain
        { std::string("Nur Text\0", 9), "Nur Text" },
    };
    for (const auto& c : cases) {
        m_pD->SetText(c.text.data(), static_cast<DWORD>(c.text.size()));
        Select(m_pA);
        SetModified(FALSE);
        Select(m_pD);
        EXPECT_EQ(c.shown, m_pFrame->EditorText()) << c.text;
        EXPECT_FALSE(::SendMessageA(m_pFrame->m_pText->m_hWnd, EM_GETMODIFY, 0, 0));
        EXPECT_FALSE(m_pDoc->IsModified()) << "showing an entry is no change";
    }
}

TEST_F(ShowEntryTest, EditedTextIsStoredOnlyWhenTheEditorReportsAChange)
{
    Select(m_pA);
    Select(m_pB);     // shown, not edited
    EXPECT_EQ(0, m_pFrame->m_nStores);
    EXPECT_FALSE(Modified());
    EXPECT_EQ(std::string("alpha"), std::string(reinterpret_cast<const char*>(m_pA->m_pText), m_pA->m_nTextLength));

    m_pFrame->EditText("neu");
    Select(m_pCat);
    EXPECT_EQ(1, m_pFrame->m_nStores);
    const std::string stored(reinterpret_cast<const char*>(m_pB->m_pText), m_pB->m_nTextLength);
    EXPECT_EQ(0u, stored.find("{\\rtf")) << stored;
    EXPECT_NE(std::string::npos, stored.find("neu")) << stored;
    EXPECT_TRUE(Modified());
    std::unique_ptr<C_QivCategory> saved = SavedAndReadBack();
    const C_QivEntry* pSavedB = static_cast<const C_QivEntry*>(saved->m_pFirstChild->m_pNext);
    EXPECT_EQ(stored, std::string(reinterpret_cast<const char*>(pSavedB->m_pText), pSavedB->m_nTextLength));
}

TEST_F(ShowEntryTest, HistoryDropsWhatLayAheadAndNeverGrowsByBackAndForward)
{
    CQivShowEntry& show = m_pFrame->m_show;
    Select(m_pA);
    Select(m_pB);
    Select(m_pC);
    show.GoBack();
    show.GoBack();
    EXPECT_EQ(m_pA->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_EQ("alpha", m_pFrame->m_shown.back().text);
    EXPECT_TRUE(show.CanGoForward());
    show.GoForward();
    EXPECT_EQ(m_pB->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_EQ(Handles({ Root(), m_pA, m_pB, m_pC }), m_pFrame->m_history.GetItems());
    show.GoBack();
    Select(m_pD);
    EXPECT_EQ(Handles({ Root(), m_pA, m_pD }), m_pFrame->m_history.GetItems());
    EXPECT_FALSE(show.CanGoForward());
    EXPECT_TRUE(show.CanGoBack());
    Select(m_pD);     // the current element again adds nothing
    EXPECT_EQ(3u, m_pFrame->m_history.GetItems().size());
    EXPECT_EQ(m_pFrame->m_pTree, m_pFrame->GetActiveView());
}

TEST_F(ShowEntryTest, BackAndForwardSkipItemsDeletedMeanwhile)
{
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> yes([](const AFX_MESSAGEBOX_REQUEST&) { return IDYES; });
    CQivShowEntry& show = m_pFrame->m_show;
    Select(m_pA);
    Select(m_pC);
    Select(m_pB);
    show.GoBack();    // C
    show.GoBack();    // A
    Select(m_pC);
    m_pFrame->m_pTree->SendMessageA(WM_COMMAND, ID_EDIT_CLEAR, 0);   // C goes
    ASSERT_EQ("Notizen{A,B,Kat{Innen{i},D}}", Outline(Root()));
    const size_t nBefore = m_pFrame->m_history.GetItems().size();
    show.GoBack();
    EXPECT_EQ(m_pA->m_hTreeItem, Tree().GetSelectedItem());
    for (HTREEITEM hItem : m_pFrame->m_history.GetItems())
        EXPECT_NE(nullptr, Root()->FindItem(hItem)) << "no dead element left behind on the way";
    EXPECT_LE(m_pFrame->m_history.GetItems().size(), nBefore);
}

TEST_F(ShowEntryTest, SiblingCommandsMoveAmongTheCaretsSiblings)
{
    CQivShowEntry& show = m_pFrame->m_show;
    struct { C_QivItem* caret; UINT command; C_QivItem* target; } const cases[] = {
        { m_pC, ID_FIRST_ENTRY, m_pInner },
        { m_pC, ID_PREVIOUS_ENTRY, m_pInner },
        { m_pC, ID_NEXT_ENTRY, m_pD },
        { m_pC, ID_LAST_ENTRY, m_pD },
        { m_pInner, ID_FIRST_ENTRY, nullptr },     // already first: disabled
        { m_pInner, ID_PREVIOUS_ENTRY, nullptr },
        { m_pD, ID_NEXT_ENTRY, nullptr },
        { m_pD, ID_LAST_ENTRY, nullptr },
        { Root(), ID_FIRST_ENTRY, nullptr },       // the top level: the root is first
        { m_pA, ID_FIRST_ENTRY, nullptr },
        { m_pB, ID_FIRST_ENTRY, m_pA },
        { m_pA, ID_LAST_ENTRY, m_pCat },
    };
    for (const auto& c : cases) {
        Select(c.caret);
        HTREEITEM hExpected = c.target ? c.target->m_hTreeItem : nullptr;
        EXPECT_EQ(hExpected, show.SiblingTarget(c.command)) << c.caret->m_strTitle.GetString() << " " << c.command;
        show.GoToSibling(c.command);
        EXPECT_EQ(c.target ? c.target->m_hTreeItem : c.caret->m_hTreeItem, Tree().GetSelectedItem());
    }
}
