#include "model/exchange/VaultImport.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include "model/ItemWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qivtest;

namespace {

struct VaultRecord
{
    std::string title;
    std::string text;
    int level;
};

// A Vault file; the bytes the reader skips are filled with '#'.
std::string VaultFile(const std::vector<VaultRecord>& records, DWORD nDeclared)
{
    std::string bytes(reinterpret_cast<const char*>(&nDeclared), 4);
    for (const VaultRecord& r : records) {
        bytes += static_cast<char>(r.title.size());
        bytes += r.title;
        WORD m = static_cast<WORD>(r.text.size());
        bytes.append(reinterpret_cast<const char*>(&m), 2);
        bytes.append(m < 256 ? 3 : 5, '#');
        bytes += r.text;
        bytes += static_cast<char>(r.level);
        bytes.append(5, '#');
    }
    return bytes;
}

std::string VaultFile(const std::vector<VaultRecord>& records)
{
    return VaultFile(records, static_cast<DWORD>(records.size()));
}

CQivVaultImport Import(const std::string& bytes)
{
    CTempFolder folder;
    CString path = folder.Path("Archiv.vlt");
    WriteFileBytes(path, bytes);
    return QivReadVaultFile(path);
}

// The subtree as text: "title[children]" for categories, "title=text" for
// entries (text without its NUL), children in chain order.
std::string Describe(C_QivItem* pItem)
{
    std::string out;
    for (C_QivItem* p = pItem; p; p = p->m_pNext) {
        if (!out.empty())
            out += ", ";
        out += p->m_strTitle.GetString();
        if (C_QivCategory* c = QivAsCategory(p)) {
            out += "[" + Describe(c->m_pFirstChild) + "]";
        } else {
            std::string text = TextOf(static_cast<C_QivEntry*>(p));
            EXPECT_TRUE(!text.empty() && text.back() == '\0') << "text keeps its NUL";
            out += "=" + text.substr(0, text.size() - 1);
        }
    }
    return out;
}

} // namespace

TEST(VaultImportTest, OutlineLevelsMakeCategories)
{
    struct Case
    {
        const char* what;
        std::vector<VaultRecord> records;
        std::string tree;
    } cases[] = {
        {"levels 0 1 1 0", {{"A", "a", 0}, {"B", "b", 1}, {"C", "c", 1}, {"D", "d", 0}},
         "Archiv.vlt[D=d, A[C=c, B=b,  =>Text=a]]"},
        {"a parent without text gets no text entry", {{"A", "", 0}, {"B", "b", 1}},
         "Archiv.vlt[A[B=b]]"},
        {"back to level 0 from level 2",
         {{"A", "a", 0}, {"B", "b", 1}, {"C", "c", 2}, {"D", "d", 0}},
         "Archiv.vlt[D=d, A[B[C=c,  =>Text=b],  =>Text=a]]"},
        {"a deeper jump goes one level down", {{"A", "a", 0}, {"B", "b", 3}, {"C", "c", 3}},
         "Archiv.vlt[A[B[C=c,  =>Text=b],  =>Text=a]]"},
        {"a first record above level 0 is taken as level 0", {{"A", "a", 2}, {"B", "b", 0}},
         "Archiv.vlt[B=b, A=a]"},
        {"no records", {}, "Archiv.vlt[]"},
    };
    for (const Case& c : cases) {
        CQivVaultImport result = Import(VaultFile(c.records));
        EXPECT_EQ(Describe(result.category.get()), c.tree) << c.what;
        EXPECT_EQ(result.nImported, static_cast<int>(c.records.size())) << c.what;
    }
}

TEST(VaultImportTest, SkipsThreeBytesBeforeShortTextsAndFiveBeforeLongOnes)
{
    std::string t255(255, 'k');
    std::string t256(256, 'l');
    std::string t65535(65535, 'm');
    CQivVaultImport result = Import(VaultFile(
        {{"kurz", t255, 0}, {"lang", t256, 0}, {std::string(255, 'T'), t65535, 0}}));
    EXPECT_EQ(result.nImported, 3);
    EXPECT_EQ(Describe(result.category.get()),
              "Archiv.vlt[" + std::string(255, 'T') + "=" + t65535 + ", lang=" + t256 +
              ", kurz=" + t255 + "]");
}

TEST(VaultImportTest, TruncatedFileStopsWithTheRealCount)
{
    std::vector<VaultRecord> records = {{"A", "a", 0}, {"B", "bbbb", 0}, {"C", "c", 0}};
    std::string whole = VaultFile(records, 7);

    CQivVaultImport result = Import(whole);
    EXPECT_EQ(result.nDeclared, 7u);
    EXPECT_EQ(result.nImported, 3);

    // Cut inside B's text: A alone is there.
    std::string cut = whole.substr(0, whole.find("bbbb") + 2);
    result = Import(cut);
    EXPECT_EQ(result.nImported, 1);
    EXPECT_EQ(Describe(result.category.get()), "Archiv.vlt[A=a]");

    // Cut inside the last record's trailing bytes: its content is all there.
    result = Import(whole.substr(0, whole.size() - 2));
    EXPECT_EQ(result.nImported, 3);

    result = Import(std::string("\x02\x00", 2));
    EXPECT_EQ(result.nImported, 0);
    EXPECT_EQ(Describe(result.category.get()), "Archiv.vlt[]");
}
