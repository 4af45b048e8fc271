#include "model/exchange/CardFileExchange.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace qivtest;

namespace {

struct Found
{
    std::string title;
    std::string text;
    bool operator==(const Found& o) const { return title == o.title && text == o.text; }
};

std::ostream& operator<<(std::ostream& os, const Found& f)
{
    return os << "{" << f.title << " | " << f.text << "}";
}

std::vector<Found> Salvage(LPCSTR lpszPath, QivSalvage expected = QivSalvage::ok)
{
    CQivNewItems notes;
    ULONGLONG nLength = 0;
    EXPECT_EQ(QivSalvageNotes(lpszPath, notes, nLength), expected);
    std::vector<Found> found;
    for (const std::unique_ptr<C_QivItem>& note : notes)
        found.push_back({note->m_strTitle.GetString(), TextOf(static_cast<C_QivEntry*>(note.get()))});
    return found;
}

std::vector<Found> SalvageBytes(const std::string& bytes)
{
    CTempFolder folder;
    WriteFileBytes(folder.Path("kaputt.bin"), bytes);
    return Salvage(folder.Path("kaputt.bin"));
}

} // namespace

TEST(SalvageTest, FindsTwoNotesAndPutsTheLaterFirst)
{
    CString path = SourceFolder("tests/model/fixtures/exchange") + "two-notes.bin";
    CQivNewItems notes;
    ULONGLONG nLength = 0;
    ASSERT_EQ(QivSalvageNotes(path, notes, nLength), QivSalvage::ok);
    EXPECT_EQ(nLength, 0x4Eu);
    ASSERT_EQ(notes.size(), 2u);

    std::unique_ptr<C_QivCategory> target(new C_QivCategory("Ziel"));
    target->InsertChild(NewEntry("alt"), nullptr);
    QivLinkAtFront(target.get(), notes);

    std::vector<Found> chain;
    for (C_QivItem* p = target->m_pFirstChild; p; p = p->m_pNext) {
        C_QivEntry* entry = static_cast<C_QivEntry*>(p);
        chain.push_back({p->m_strTitle.GetString(), TextOf(entry)});
    }
    // Line breaks before a note leave its title; umlauts stay.
    EXPECT_EQ(chain, (std::vector<Found>{
        {"M\xFCller", "{\\rtf1 Anruf\\par }"},
        {"Einkauf", "{\\rtf1\\ansi Milch\\par }"},
        {"alt", ""},
    }));
}

TEST(SalvageTest, TitlesAndNotesOfAnyLength)
{
    std::string title(5000, 'T');
    std::string body(200000, 'x');
    std::vector<Found> found = SalvageBytes("}" + title + "{\\rtf1 " + body + "\\par }");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].title, title);
    EXPECT_EQ(found[0].text, "{\\rtf1 " + body + "\\par }");
}

TEST(SalvageTest, EdgesOfTheScan)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        std::vector<Found> found;
    } cases[] = {
        {"nothing found", "kein Text hier }", {}},
        {"title from the start of the file", "Anfang{\\rtf1 a\\par }", {{"Anfang", "{\\rtf1 a\\par }"}}},
        {"a note without an end runs to the end of the file",
         "}x{\\rtf1 offen", {{"x", "{\\rtf1 offen\\par }"}}},
        {"a note starting inside another is part of it",
         "}a{\\rtf1 1{\\rtf1 2\\par }", {{"a", "{\\rtf1 1{\\rtf1 2\\par }"}}},
        {"the scan goes on right behind the end",
         "}a{\\rtf1 1\\par }{\\rtf1 2\\par }", {{"a", "{\\rtf1 1\\par }"}, {"", "{\\rtf1 2\\par }"}}},
        {"marker cut off at the end", "}a{\\rtf", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SalvageBytes(c.bytes), c.found) << c.what;
}

TEST(SalvageTest, FileLargerThanMemoryIsNotEnoughMemory)
{
#ifdef _WIN64
    GTEST_SKIP() << "a 64-bit process has room for the whole file";
#endif
    CTempFolder folder;
    // Beyond what a 32-bit size can hold, and a little beyond what the
    // address space can: both are refused before anything is read.
    for (ULONGLONG nLength : {(4ULL << 30) + 16, 3ULL << 30}) {
        WriteLargeFile(folder.Path("riesig.bin"), nLength);
        EXPECT_TRUE(Salvage(folder.Path("riesig.bin"), QivSalvage::noMemory).empty()) << nLength;
    }
}

TEST(SalvageTest, UnreadableFileIsAReadError)
{
    CTempFolder folder;
    EXPECT_TRUE(Salvage(folder.Path("fehlt.bin"), QivSalvage::readError).empty());
}
