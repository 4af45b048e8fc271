#include "model/exchange/CsvImport.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace qivtest;

namespace {

struct Note
{
    std::string title;
    std::string text;   // without the terminating NUL
    bool operator==(const Note& o) const { return title == o.title && text == o.text; }
};

std::ostream& operator<<(std::ostream& os, const Note& n)
{
    return os << "{" << n.title << " | " << n.text << "}";
}

std::vector<Note> Import(const std::string& bytes)
{
    CTempFolder folder;
    CString path = folder.Path("daten.csv");
    WriteFileBytes(path, bytes);
    CQivNewItems items = QivReadCsvFile(path);
    std::vector<Note> notes;
    for (const std::unique_ptr<C_QivItem>& item : items) {
        const C_QivEntry* entry = static_cast<const C_QivEntry*>(item.get());
        std::string text = TextOf(entry);
        EXPECT_TRUE(!text.empty() && text.back() == '\0') << "text keeps its NUL";
        text.pop_back();
        notes.push_back({entry->m_strTitle.GetString(), text});
    }
    return notes;
}

} // namespace

TEST(CsvImportTest, ColumnsMakeTitlesAndTexts)
{
    struct Case
    {
        const char* what;
        std::string file;
        std::vector<Note> notes;
    } cases[] = {
        {"semicolons, quoted fields, a comma inside quotes",
         "Titel;Text;Ort\r\n\"Brief\";\"Hallo, Welt\";Berlin\r\n",
         {{"Brief", "Hallo, Welt\nOrt: Berlin"}}},
        {"commas, a semicolon inside quotes", "\"Titel\",\"Text\"\r\na,\"b;c\"\r\n", {{"a", "b;c"}}},
        {"other column before the text: the text goes in front",
         "Ort;Text\r\nBerlin;Hallo\r\n", {{"", "Hallo\n\nOrt: Berlin"}}},
        {"no Titel column", "Text;Ort\r\nx;y\r\n", {{"", "x\nOrt: y"}}},
        {"no Text column", "Titel;Ort;Land\r\nA;B;C\r\n", {{"A", "\nOrt: B\nLand: C"}}},
        {"names in any case", "TITEL;text\r\nA;B\r\n", {{"A", "B"}}},
        {"first Titel, last Text; the others are lines",
         "Titel;Text;Titel;Text\r\na;b;c;d\r\n", {{"a", "d\n\nText: b\nTitel: c"}}},
        {"fewer fields than columns", "Titel;Text;Ort\r\nA\r\n", {{"A", ""}}},
        {"more fields than columns", "Titel;Text\r\nA;B;C\r\n", {{"A", "B"}}},
        {"empty line makes an empty entry", "Titel;Text\r\n\r\nA;B\r\n", {{"", ""}, {"A", "B"}}},
        {"last line without a line end", "Titel;Text\r\nA;B\r\nC;D", {{"A", "B"}, {"C", "D"}}},
        {"LF line ends", "Titel;Text\nA;B\n", {{"A", "B"}}},
        {"umlauts", "Titel;Text\r\n\xC4rger;gro\xDF\r\n", {{"\xC4rger", "gro\xDF"}}},
        {"header only", "Titel;Text\r\n", {}},
        {"empty file", "", {}},
        {"empty header: lines have no fields", "\r\nA;B\r\n", {{"", ""}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Import(c.file), c.notes) << c.what;
}

TEST(CsvImportTest, LinesOfAnyLengthStayOneEntry)
{
    std::string field(100000, 'x');
    field[50000] = ',';
    std::vector<Note> notes = Import("Titel;Text\r\nLang;\"" + field + "\"\r\nKurz;k\r\n");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].title, "Lang");
    EXPECT_EQ(notes[0].text, field);
    EXPECT_EQ(notes[1], (Note{"Kurz", "k"}));
}

TEST(CsvImportTest, NewEntriesGoToTheFrontInReverseFileOrder)
{
    CTempFolder folder;
    CString path = folder.Path("drei.csv");
    WriteFileBytes(path, "Titel\r\neins\r\nzwei\r\ndrei\r\n");
    std::unique_ptr<C_QivCategory> target(new C_QivCategory("Ziel"));
    target->InsertChild(NewEntry("alt"), nullptr);

    CQivNewItems items = QivReadCsvFile(path);
    std::vector<C_QivItem*> linked = QivLinkAtFront(target.get(), items);
    ASSERT_EQ(linked.size(), 3u);
    EXPECT_TRUE(items.empty());
    std::vector<std::string> order;
    for (C_QivItem* p = target->m_pFirstChild; p; p = p->m_pNext)
        order.push_back(p->m_strTitle.GetString());
    EXPECT_EQ(order, (std::vector<std::string>{"drei", "zwei", "eins", "alt"}));
}

TEST(CsvImportTest, MissingFileRaisesFileError)
{
    CTempFolder folder;
    bool bThrown = false;
    try {
        QivReadCsvFile(folder.Path("fehlt.csv"));
    } catch (CFileException* e) {
        bThrown = e->m_cause == CFileException::fileNotFound;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}
