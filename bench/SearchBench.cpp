// The search window's walk over 100,000 entries of about 1 KB in 1,000
// categories, a term in 1 % of them, beside a plain scan of the same titles
// and notes (each lower-cased, then searched with a byte search) in the
// same run. The empty query, which makes every item a hit with its
// category path, is timed beside it.
#include "bench/BenchCommon.h"

#include "app/SearchQuery.h"
#include "app/SearchWalk.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"

#include <ctype.h>
#include <stdio.h>

#include <memory>
#include <string>
#include <string_view>

namespace {

const int kCategories = 1000;
const int kEntriesPerCategory = 100;
const size_t kTextBytes = 1024;
const char kTerm[] = "zitronenfalter";

std::string MakeText(int nEntry)
{
    static const char* const words[] = {
        "Termin", "Montag", "Angebot", "Planung", "Woche", "B\xFC" "ro", "Kunde", "Projekt",
        "Bericht", "Rechnung", "Besprechung", "Unterlagen", "bitte", "siehe", "Telefon",
    };
    std::string text;
    unsigned seed = static_cast<unsigned>(nEntry) * 2654435761u;
    while (text.size() < kTextBytes) {
        seed = seed * 1103515245u + 12345u;
        text += words[(seed >> 16) % (sizeof(words) / sizeof(words[0]))];
        text += ' ';
        if (nEntry % 100 == 7 && text.size() > kTextBytes / 2 && text.find("Zitronenfalter") == std::string::npos)
            text += "Zitronenfalter ";
    }
    text.resize(kTextBytes - 1);
    text += '\0';
    return text;
}

C_QivCategory* MakeTree()
{
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    C_QivItem* pLastCategory = nullptr;
    char title[32];
    int nEntry = 0;
    for (int c = 0; c < kCategories; ++c) {
        snprintf(title, sizeof(title), "Kategorie %d", c);
        C_QivCategory* pCategory = new C_QivCategory(title);
        pRoot->InsertChild(pCategory, pLastCategory);
        pLastCategory = pCategory;
        C_QivItem* pLast = nullptr;
        for (int e = 0; e < kEntriesPerCategory; ++e, ++nEntry) {
            snprintf(title, sizeof(title), "Eintrag %d", nEntry);
            C_QivEntry* pEntry = new C_QivEntry(title);
            std::string text = MakeText(nEntry);
            pEntry->SetText(text.data(), static_cast<DWORD>(text.size()));
            pCategory->InsertChild(pEntry, pLast);
            pLast = pEntry;
        }
    }
    return pRoot;
}

// The baseline: every title and note lower-cased into a buffer and
// searched for the term.
int PlainScan(C_QivCategory* pRoot)
{
    int nHits = 0;
    std::string buffer;
    CQivTreeWalk walk(pRoot);
    while (walk.Next()) {
        if (walk.IsLeaving())
            continue;
        C_QivItem* pItem = walk.GetItem();
        buffer.assign(pItem->m_strTitle.GetString(), pItem->m_strTitle.GetLength());
        if (C_QivEntry* pEntry = QivAsEntry(pItem))
            buffer.append(reinterpret_cast<const char*>(pEntry->m_pText), pEntry->m_nTextLength);
        for (char& ch : buffer)
            ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
        if (std::string_view(buffer).find(kTerm) != std::string_view::npos)
            ++nHits;
    }
    return nHits;
}

template <class F>
double Best(F f, int nRuns = 3)
{
    double best = 1e9;
    for (int i = 0; i < nRuns; ++i) {
        double start = bench::Now();
        f();
        double elapsed = bench::Now() - start;
        if (elapsed < best)
            best = elapsed;
    }
    return best;
}

} // namespace

int main()
{
    std::unique_ptr<C_QivCategory> root(MakeTree());
    int nPlainHits = 0;
    size_t nSearchHits = 0;
    size_t nAllHits = 0;
    double plain = Best([&] { nPlainHits = PlainScan(root.get()); });

    CQivSearchQuery query;
    query.Parse(kTerm);
    double search = Best([&] { nSearchHits = QivSearchCardFile(root.get(), query).size(); });

    CQivSearchQuery empty;
    empty.Parse("");
    double all = Best([&] { nAllHits = QivSearchCardFile(root.get(), empty).size(); });

    printf("hits: search %u, plain scan %d, empty query %u rows\n", static_cast<unsigned>(nSearchHits),
           nPlainHits, static_cast<unsigned>(nAllHits));
    bench::Report("plain scan (lower-case + byte search)", plain * 1000, "ms", plain * 1000);
    bench::Report("search for one term (target within 3x)", search * 1000, "ms", plain * 1000);
    bench::Report("empty query, every item a hit", all * 1000, "ms", plain * 1000);
    return nSearchHits == static_cast<size_t>(nPlainHits) ? 0 : 1;
}
