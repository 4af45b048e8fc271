// The search walk: every node is selected and tested, each hit asks the user,
// categories opened only by the search are closed again.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace qivtest;

namespace {

HTREEITEM Selected(HWND hTree)
{
    return reinterpret_cast<HTREEITEM>(::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

bool IsExpanded(HWND hTree, HTREEITEM hItem)
{
    return (::SendMessageA(hTree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), TVIS_EXPANDED)
            & TVIS_EXPANDED) != 0;
}

} // namespace

// R: Rezepte (collapsed: Kuchen, Suppe), Notiz, Leer (empty category).
class ItemSearch : public testing::Test
{
protected:
    ItemSearch() : m_tree(WC_TREEVIEWA, TVS_HASBUTTONS) {}

    void SetUp() override
    {
        m_root.reset(new C_QivCategory("R"));
        m_pRecipes = new C_QivCategory("Rezepte");
        m_pCake = new C_QivEntry("Kuchen");
        m_pSoup = new C_QivEntry("Suppe");
        m_pNote = new C_QivEntry("Notiz");
        m_pEmpty = new C_QivCategory("Leer");
        m_pRecipes->InsertChild(m_pSoup, nullptr);
        m_pRecipes->InsertChild(m_pCake, nullptr);
        m_root->InsertChild(m_pEmpty, nullptr);
        m_root->InsertChild(m_pNote, nullptr);
        m_root->InsertChild(m_pRecipes, nullptr);
        m_root->m_dwExpanded = 1;
        m_root->InsertIntoTree(m_tree.m_hWnd, TVI_ROOT, TVI_FIRST);
        m_shell.m_hTree = m_tree.m_hWnd;
        m_shell.m_pRoot = m_root.get();
    }

    CTestWindow m_tree;
    CTestShell m_shell;
    std::unique_ptr<C_QivCategory> m_root;
    C_QivCategory* m_pRecipes;
    C_QivEntry* m_pCake;
    C_QivEntry* m_pSoup;
    C_QivEntry* m_pNote;
    C_QivCategory* m_pEmpty;
};

TEST_F(ItemSearch, GoingOnPastEveryHitClosesWhatTheSearchOpened)
{
    CScriptedMessageBoxes all({ IDYES, IDYES, IDYES, IDYES, IDYES, IDYES });
    EXPECT_TRUE(m_root->SearchNext("e", TRUE, FALSE));
    // Rezepte, Kuchen, Suppe, Leer; Notiz has no e.
    EXPECT_EQ(4u, all.m_texts.size());
    EXPECT_EQ("Suchbegriff gefunden.\n\nWeitersuchen?", all.m_texts[0]);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), all.m_types[0]);
    EXPECT_FALSE(IsExpanded(m_tree.m_hWnd, m_pRecipes->m_hTreeItem));
    // Rezepte and Leer were collapsed before their children were searched;
    // the root was expanded and stays so.
    EXPECT_EQ((std::vector<std::pair<HTREEITEM, UINT>>{
                  { m_pRecipes->m_hTreeItem, TVE_COLLAPSE }, { m_pEmpty->m_hTreeItem, TVE_COLLAPSE } }),
              m_shell.m_expanding);
    EXPECT_TRUE(IsExpanded(m_tree.m_hWnd, m_root->m_hTreeItem));
    EXPECT_EQ(m_root->m_hTreeItem, Selected(m_tree.m_hWnd));
}

TEST_F(ItemSearch, StoppingLeavesTheHitShownAndItsCategoryOpen)
{
    CScriptedMessageBoxes boxes({ IDNO });
    EXPECT_FALSE(m_root->SearchNext("suppe", FALSE, FALSE));
    EXPECT_EQ(1u, boxes.m_texts.size());
    EXPECT_EQ(m_pSoup->m_hTreeItem, Selected(m_tree.m_hWnd));
    EXPECT_TRUE(IsExpanded(m_tree.m_hWnd, m_pRecipes->m_hTreeItem));
    EXPECT_TRUE(m_shell.m_expanding.empty());
}

TEST_F(ItemSearch, CaseAndNotesDecideWhatMatches)
{
    struct Case { const char* text; BOOL bMatchCase; std::vector<std::string> noteHits; size_t nHits; };
    const Case cases[] = {
        { "suppe", TRUE, {}, 0 },
        { "suppe", FALSE, {}, 1 },
        { "SUPPE", FALSE, {}, 1 },
        { "Zucker", FALSE, { "Kuchen", "Notiz" }, 2 },
        { "Zucker", FALSE, { "Leer" }, 0 },    // a category's note is never searched
    };
    for (const Case& c : cases) {
        m_shell.m_noteHits = c.noteHits;
        m_shell.m_editorSearches.clear();
        CScriptedMessageBoxes boxes({ IDYES, IDYES, IDYES });
        EXPECT_TRUE(m_root->SearchNext(c.text, c.bMatchCase, FALSE));
        EXPECT_EQ(c.nHits, boxes.m_texts.size()) << c.text;
    }
    // Only entries whose title did not match ask the editor: three here.
    EXPECT_EQ(3u, m_shell.m_editorSearches.size());
}

TEST_F(ItemSearch, MatchesSearchSelectsTheNodeFirst)
{
    EXPECT_TRUE(m_pCake->MatchesSearch("uch", TRUE, FALSE));
    EXPECT_EQ(m_pCake->m_hTreeItem, Selected(m_tree.m_hWnd));
    EXPECT_FALSE(m_pEmpty->MatchesSearch("x", FALSE, FALSE));
    EXPECT_EQ(m_pEmpty->m_hTreeItem, Selected(m_tree.m_hWnd));
}
