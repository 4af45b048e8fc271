// The search window's query: parsing into terms and testing items.
#include "CardTreeFixture.h"

#include "app/SearchQuery.h"
#include "app/SearchWalk.h"

#include <gtest/gtest.h>

using namespace apptest;

namespace {

std::vector<std::string> Terms(LPCSTR lpszQuery)
{
    CQivSearchQuery query;
    query.Parse(lpszQuery);
    std::vector<std::string> terms;
    for (POSITION pos = query.GetTerms().GetHeadPosition(); pos;)
        terms.push_back(query.GetTerms().GetNext(pos).GetString());
    return terms;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(SearchQuery, ParsesTermsPhrasesAndMarks)
{
    struct { LPCSTR query; Strings terms; } const cases[] = {
        { "", {} },
        { "  eins  zwei ", { "eins", "eins", "zwei", "zwei" } },
        { "+\"zwei Worte\" -drei", { "+zwei Worte", "+zwei Worte", "-drei", "-drei" } },
        { "x\"foo bar\"", { "foo bar", "foo bar" } },          // a letter before a quote is dropped
        { "+wort -\"nicht\"", { "+wort", "+wort", "-nicht", "-nicht" } },
        { "\"offen bis zum Ende", { "offen bis zum Ende", "offen bis zum Ende" } },
        { "\"\"", {} },                                         // empty phrases give no term
        { "+\"\"", {} },
        { "-Größe", { "-Größe", "-Gr\\'f6\\'dfe" } },
        { "ÄÖÜäöüß", { "ÄÖÜäöüß", "\\'c4\\'d6\\'dc\\'e4\\'f6\\'fc\\'df" } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.terms, Terms(c.query)) << c.query;
}

TEST(SearchQuery, FirstTermLosesOnlyARequiredMark)
{
    struct { LPCSTR query; LPCSTR first; } const cases[] = {
        { "", "" }, { "+Haus Garten", "Haus" }, { "-Haus", "-Haus" }, { "\"zwei Worte\"", "zwei Worte" },
    };
    for (const auto& c : cases) {
        CQivSearchQuery query;
        query.Parse(c.query);
        EXPECT_STREQ(c.first, query.GetFirstTerm().GetString()) << c.query;
    }
}

TEST(SearchQuery, MatchesTitlesAndNotesAsBytes)
{
    // Notes are bytes with a length: the last byte is never searched, NULs
    // inside are just bytes, an empty or missing note holds nothing.
    C_QivCategory root("Notizen");
    C_QivEntry* pPhrase = AddEntry(&root, "Einkauf", std::string("Brot und zwei Worte hier\0", 25));
    C_QivEntry* pBoth = AddEntry(&root, "Zwei Worte", std::string("drei\0", 5));
    C_QivEntry* pNoNul = AddEntry(&root, "Ohne Null", "endet mit Haus");
    C_QivEntry* pInnerNul = AddEntry(&root, "Mit Null", std::string("vorne\0hinten Garten\0", 20));
    C_QivEntry* pEmpty = AddEntry(&root, "Leer");
    C_QivEntry* pOneByte = AddEntry(&root, "Ein Byte", std::string("x", 1));
    C_QivCategory* pCategory = AddCategory(&root, "Worte Kategorie");

    struct { LPCSTR query; std::vector<const C_QivItem*> hits; } const cases[] = {
        { "", { pPhrase, pBoth, pNoNul, pInnerNul, pEmpty, pOneByte, pCategory } },
        { "+\"zwei worte\" -drei", { pPhrase } },
        { "ZWEI", { pPhrase, pBoth } },
        { "haus", {} },                          // "Haus" ends the note: its last byte is cut
        { "hau", { pNoNul } },
        { "garten", { pInnerNul } },             // behind a NUL inside the note
        { "x", {} },                             // the note "x" is cut to nothing
        { "+worte +kategorie", { pCategory } },
        { "-null -worte", {} },                  // excluded terms alone mark nothing
        { "null -ohne", { pInnerNul } },
        { "a\"Ein Byte\"", { pOneByte } },
    };
    for (const auto& c : cases) {
        CQivSearchQuery query;
        query.Parse(c.query);
        std::vector<const C_QivItem*> hits;
        for (const C_QivItem* pItem = root.m_pFirstChild; pItem; pItem = pItem->m_pNext)
            if (query.Matches(pItem))
                hits.push_back(pItem);
        EXPECT_EQ(c.hits, hits) << c.query;
    }
}

TEST(SearchQuery, EscapedUmlautsInRichTextNotes)
{
    // A required term with an umlaut must be found plain and escaped; an
    // unmarked one in either form; an excluded one in either form excludes.
    C_QivCategory root("Notizen");
    C_QivEntry* pRtfOnly = AddEntry(&root, "Brief", "{\\rtf1 Gr\\'fc\\'dfe}");
    C_QivEntry* pRtfTitled = AddEntry(&root, "Grüße", "{\\rtf1 Gr\\'fc\\'dfe}");
    C_QivEntry* pPlain = AddEntry(&root, "Karte", std::string("Viele Grüße\0", 12));

    struct { LPCSTR query; std::vector<const C_QivItem*> hits; } const cases[] = {
        { "grüße", { pRtfOnly, pRtfTitled, pPlain } },
        { "+GRÜSSE", {} },
        { "+grüße", { pRtfTitled } },
        { "viele -grüße", {} },
        { "brief -\"grüße\"", {} },
    };
    for (const auto& c : cases) {
        CQivSearchQuery query;
        query.Parse(c.query);
        std::vector<const C_QivItem*> hits;
        for (const C_QivItem* pItem = root.m_pFirstChild; pItem; pItem = pItem->m_pNext)
            if (query.Matches(pItem))
                hits.push_back(pItem);
        EXPECT_EQ(c.hits, hits) << c.query;
    }
}

TEST(SearchWalk, VisitsRootFirstWithCategoryPathsAndImages)
{
    C_QivCategory root("Notizen");
    C_QivCategory* pProjects = AddCategory(&root, "Projekte");
    C_QivEntry* pTop = AddEntry(&root, "Oben");
    C_QivCategory* pSub = AddCategory(pProjects, "Unter");
    for (LPCSTR title : { "a", "b", "c", "d" })
        AddEntry(pSub, title);
    AddCategory(pSub, "Kind");
    C_QivEntry* pNote = AddEntry(pProjects, "Notiz");

    CQivSearchQuery query;
    query.Parse("");
    std::vector<int> progress;
    std::vector<CQivSearchHit> hits = QivSearchCardFile(&root, query, [&](int n) { progress.push_back(n); });
    ASSERT_EQ(10u, hits.size());
    EXPECT_EQ(10, QivCountItems(&root));
    EXPECT_EQ((std::vector<int>{ 10, 20, 30, 40, 50, 60, 70, 80, 90, 100 }), progress);

    struct { size_t index; const C_QivItem* item; int image; LPCSTR category; } const rows[] = {
        { 0, &root, 1, "" },             // the root: an empty category column
        { 1, pProjects, 1, "" },         // one entry directly in it (Unter is a category)
        { 2, pSub, 3, "Projekte" },      // four entries, capped at 3
        { 3, pSub->m_pFirstChild, 4, "Projekte\\Unter" },
        { 8, pNote, 4, "Projekte" },
        { 9, pTop, 4, "" },
    };
    for (const auto& r : rows) {
        EXPECT_EQ(r.item, hits[r.index].pItem) << r.index;
        EXPECT_EQ(r.image, hits[r.index].nImage) << r.index;
        EXPECT_STREQ(r.category, hits[r.index].strCategory.GetString()) << r.index;
    }
}

TEST(SearchWalk, StatusTexts)
{
    EXPECT_STREQ("Kein Eintrag entspricht Ihrer Suchanfrage.", QivSearchStatusText(0).GetString());
    EXPECT_STREQ("Es wurde 1 Eintrag gefunden.", QivSearchStatusText(1).GetString());
    EXPECT_STREQ("Es wurden 12 Einträge gefunden.", QivSearchStatusText(12).GetString());
}
