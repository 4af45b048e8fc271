#include "model/exchange/TextExchange.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace qivtest;

TEST(TextExchangeTest, ImportedFileBecomesAnEntryWithItsBytesAndANul)
{
    CTempFolder folder;
    std::string bytes("Zeile 1\r\nZeile \xFC\x1A" "2\r\n", 20);
    WriteFileBytes(folder.Path("Brief.txt"), bytes);
    WriteFileBytes(folder.Path("Notiz.RTF"), "{\\rtf1 x}");
    WriteFileBytes(folder.Path("leer.txt"), "");

    std::unique_ptr<C_QivEntry> entry(QivReadFileAsEntry(folder.Path("Brief.txt")));
    ASSERT_TRUE(entry);
    EXPECT_STREQ(entry->m_strTitle, "Brief");
    EXPECT_EQ(TextOf(entry.get()), bytes + std::string(1, '\0'));

    entry.reset(QivReadFileAsEntry(folder.Path("Notiz.RTF")));
    ASSERT_TRUE(entry);
    EXPECT_STREQ(entry->m_strTitle, "Notiz");
    EXPECT_EQ(TextOf(entry.get()), std::string("{\\rtf1 x}\0", 10));

    entry.reset(QivReadFileAsEntry(folder.Path("leer.txt")));
    ASSERT_TRUE(entry);
    EXPECT_EQ(TextOf(entry.get()), std::string(1, '\0'));
}

TEST(TextExchangeTest, ImportTakesOnlyTextAndRichTextFiles)
{
    CTempFolder folder;
    WriteFileBytes(folder.Path("Brief"), "x");
    WriteFileBytes(folder.Path("Brief.doc"), "x");
    EXPECT_EQ(QivReadFileAsEntry(folder.Path("Brief")), nullptr);
    EXPECT_EQ(QivReadFileAsEntry(folder.Path("Brief.doc")), nullptr);

    bool bThrown = false;
    try {
        QivReadFileAsEntry(folder.Path("fehlt.txt"));
    } catch (CFileException* e) {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}

// A file larger than the memory a note can take is refused with the
// framework's memory error, which the import command reports.
TEST(TextExchangeTest, FileTooLargeForMemoryRaisesMemoryError)
{
#ifdef _WIN64
    GTEST_SKIP() << "a 64-bit process has room for the whole file";
#endif
    CTempFolder folder;
    WriteLargeFile(folder.Path("riesig.txt"), 3ULL << 30);
    bool bThrown = false;
    try {
        delete QivReadFileAsEntry(folder.Path("riesig.txt"));
    } catch (CMemoryException* e) {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}

TEST(TextExchangeTest, ExportWritesRichTextOrPlainTextByExtension)
{
    CTempFolder folder;
    const std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}eins\\par zwei \\'fc\\par}";
    const BYTE* p = reinterpret_cast<const BYTE*>(rtf.data());
    DWORD n = static_cast<DWORD>(rtf.size());

    EXPECT_TRUE(QivExportEntryText(folder.Path("a.DOC"), p, n));
    EXPECT_EQ(ReadFileBytes(folder.Path("a.DOC")), rtf);
    EXPECT_TRUE(QivExportEntryText(folder.Path("a.rtf"), p, n));
    EXPECT_EQ(ReadFileBytes(folder.Path("a.rtf")), rtf);
    EXPECT_TRUE(QivExportEntryText(folder.Path("a.Txt"), p, n));
    EXPECT_EQ(ReadFileBytes(folder.Path("a.Txt")), "eins\r\nzwei \xFC\r\n");

    // A note the reader cannot read gives an empty text file.
    EXPECT_TRUE(QivExportEntryText(folder.Path("b.txt"), p, n - 1));
    EXPECT_EQ(ReadFileBytes(folder.Path("b.txt")), "");

    EXPECT_FALSE(QivExportEntryText(folder.Path("c.htm"), p, n));
    EXPECT_FALSE(QivExportEntryText(folder.Path("c"), p, n));
    EXPECT_FALSE(FileExists(folder.Path("c.htm")));
    EXPECT_FALSE(FileExists(folder.Path("c")));
}
