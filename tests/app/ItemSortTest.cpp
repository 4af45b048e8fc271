// The order of a category's children: the sort key, the comparison and the
// sort of a shown tree with its chain relinked.
#include "CardTreeFixture.h"

#include "app/ItemSort.h"

#include <gtest/gtest.h>

using namespace apptest;

TEST(ItemSort, SortKeyPadsShortNumbersAndFoldsGermanLetters)
{
    struct { LPCSTR title; LPCSTR key; } const cases[] = {
        { "9 Leben", "009 Leben" },
        { "10", "010" },
        { "100", "100" },
        { "1000", "1000" },
        { "Über", "uber" },
        { "Äpfel", "apfel" },
        { "Öl und Ähre", "ol und ahre" },
        { "straße", "strase" },
        { "süß", "sus" },
        { "", "" },
        { "x9", "x9" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.key, MakeSortKey(c.title).GetString()) << c.title;
}

TEST(ItemSort, ComparisonPutsCategoriesFirstThenKeysWithoutCase)
{
    C_QivCategory category("z");
    C_QivEntry entry("A");
    auto cmp = [](const C_QivItem& a, const C_QivItem& b) {
        int n = CompareItemsForSort(reinterpret_cast<LPARAM>(&a), reinterpret_cast<LPARAM>(&b), 0);
        return n < 0 ? -1 : n > 0 ? 1 : 0;
    };
    auto desc = [](const C_QivItem& a, const C_QivItem& b) {
        int n = CompareItemsForSortDescending(reinterpret_cast<LPARAM>(&a), reinterpret_cast<LPARAM>(&b), 0);
        return n < 0 ? -1 : n > 0 ? 1 : 0;
    };
    EXPECT_EQ(-1, cmp(category, entry));
    EXPECT_EQ(1, cmp(entry, category));
    EXPECT_EQ(1, desc(category, entry));

    struct { LPCSTR first; LPCSTR second; int expected; } const titles[] = {
        { "9", "10", -1 },        // 009 < 010
        { "10", "100", -1 },
        { "1000", "9", 1 },       // four digits stay unpadded: 1000 > 009
        { "1000", "200", -1 },    // ... but compare byte by byte with 200
        { "Äpfel", "Birnen", -1 },
        { "Über", "b", 1 },
        { "BIRNEN", "birnen", 0 },
        { "straße", "strase", 0 },
    };
    for (const auto& t : titles) {
        C_QivEntry a(t.first), b(t.second);
        EXPECT_EQ(t.expected, cmp(a, b)) << t.first << " / " << t.second;
        EXPECT_EQ(-t.expected, desc(a, b)) << t.first << " / " << t.second;
    }
}

class ItemSortTree : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root.reset(new C_QivCategory("Notizen"));
        for (LPCSTR title : { "b", "10", "9", "Über" })
            AddEntry(m_root.get(), title);
        m_pZ = AddCategory(m_root.get(), "Z");
        for (LPCSTR title : { "y", "Ast", "2" })
            AddEntry(m_pZ, title);
        m_pDeep = AddCategory(m_pZ, "Tief");
        for (LPCSTR title : { "ß", "a", "Mitte" })
            AddEntry(m_pDeep, title);
        m_tree.Show(m_root.get());
    }

    // The chain and the tree hold the same order.
    std::vector<std::string> Order(const C_QivCategory* pCategory)
    {
        std::vector<std::string> chain = ChainTitles(pCategory);
        EXPECT_EQ(chain, TreeTitles(m_tree.m_hWnd, pCategory));
        return chain;
    }

    CTreeWindow m_tree;
    std::unique_ptr<C_QivCategory> m_root;
    C_QivCategory* m_pZ = nullptr;
    C_QivCategory* m_pDeep = nullptr;
};

TEST_F(ItemSortTree, AscendingAndDescending)
{
    SortCategory(m_tree.m_hWnd, m_root.get(), TRUE, FALSE);
    EXPECT_EQ((std::vector<std::string>{ "Z", "9", "10", "b", "Über" }), Order(m_root.get()));
    // Without sub-categories the categories below keep their order.
    EXPECT_EQ((std::vector<std::string>{ "y", "Ast", "2", "Tief" }), Order(m_pZ));

    SortCategory(m_tree.m_hWnd, m_root.get(), FALSE, FALSE);
    EXPECT_EQ((std::vector<std::string>{ "Über", "b", "10", "9", "Z" }), Order(m_root.get()));
}

TEST_F(ItemSortTree, SubcategoriesTwoLevelsDeep)
{
    SortCategory(m_tree.m_hWnd, m_root.get(), TRUE, TRUE);
    EXPECT_EQ((std::vector<std::string>{ "Z", "9", "10", "b", "Über" }), Order(m_root.get()));
    EXPECT_EQ((std::vector<std::string>{ "Tief", "2", "Ast", "y" }), Order(m_pZ));
    EXPECT_EQ((std::vector<std::string>{ "a", "Mitte", "ß" }), Order(m_pDeep));

    SortCategory(m_tree.m_hWnd, m_pZ, FALSE, TRUE);
    EXPECT_EQ((std::vector<std::string>{ "y", "Ast", "2", "Tief" }), Order(m_pZ));
    EXPECT_EQ((std::vector<std::string>{ "ß", "Mitte", "a" }), Order(m_pDeep));
    // Above the sorted category nothing moved.
    EXPECT_EQ((std::vector<std::string>{ "Z", "9", "10", "b", "Über" }), Order(m_root.get()));
}
