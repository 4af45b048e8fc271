// Readers that run out of memory: the open card file, the card-file import
// and the CSV and Vault imports refuse the file with the framework's memory
// exception (shown as "Nicht genügend Arbeitsspeicher."), free what they
// read, and leave the open tree as it was. The tests cap the memory the
// reader may take instead of making files of hundreds of megabytes.
#include "AllocationCap.h"
#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/TestSeams.h"
#include "model/QivDoc.h"
#include "model/exchange/CardFileExchange.h"
#include "model/exchange/CsvImport.h"
#include "model/exchange/VaultImport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace qivtest;

namespace {

// What the reader raised under the cap: "memory" for the framework's memory
// exception, "other framework" for any other, "bad_alloc" when the C++
// exception came through, "none" when an allocation was refused but nothing
// was raised.
std::string OutcomeUnderCap(size_t nLimit, const std::function<void()>& read)
{
    std::string outcome = "none";
    CAllocationCap cap(nLimit);
    try {
        read();
    } catch (CMemoryException* e) {
        outcome = "memory";
        e->Delete();
    } catch (CException* e) {
        outcome = "other framework";
        e->Delete();
    } catch (const std::bad_alloc&) {
        outcome = "bad_alloc";
    }
    if (outcome == "none" && !cap.Refused())
        outcome = "none (the cap was never reached)";
    return outcome;
}

// A card file of many empty entries: small on disk, large in memory.
std::string ManyEmptyEntries(int nEntries)
{
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("viele"));
    for (int i = 0; i < nEntries; ++i)
        root->InsertChild(new C_QivEntry(""), nullptr);
    Bytes bytes = WriteCardFile(root.get());
    return std::string(bytes.begin(), bytes.end());
}

const size_t nCap = 512 * 1024;

} // namespace

TEST(OutOfMemoryTest, OpeningACardFileTooLargeForMemoryKeepsTheOpenTree)
{
    CTestShell shell;
    CTempFolder folder;
    WriteFileBytes(folder.Path("gross.qiv"), ManyEmptyEntries(20000));

    CQivDoc doc;
    doc.ReplaceRoot(new C_QivCategory("offen"));
    C_QivCategory* pOpen = doc.GetRoot();
    CMemoryException* pRaised = nullptr;
    {
        CAllocationCap cap(nCap);
        try {
            doc.OnOpenDocument(folder.Path("gross.qiv"));
        } catch (CMemoryException* e) {
            pRaised = e;
        } catch (...) {
        }
        EXPECT_TRUE(cap.Refused());
    }
    ASSERT_NE(pRaised, nullptr);
    EXPECT_EQ(pOpen, doc.GetRoot());

    // The open command reports it like any refused file, in German.
    std::vector<std::string> shown;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxes([&](const AFX_MESSAGEBOX_REQUEST& box) {
        shown.push_back(static_cast<LPCSTR>(box.strText));
        return IDOK;
    });
    doc.ReportSaveLoadException(folder.Path("gross.qiv"), pRaised, FALSE, 0);
    pRaised->Delete();
    EXPECT_EQ(shown, std::vector<std::string>{"Nicht gen\xFCgend Arbeitsspeicher."});

    // Without the cap the same file opens.
    ASSERT_TRUE(doc.OnOpenDocument(folder.Path("gross.qiv")));
    EXPECT_STREQ("viele", doc.GetRoot()->m_strTitle);
}

TEST(OutOfMemoryTest, ImportsRefuseWithTheFrameworksMemoryException)
{
    CTestShell shell;
    CScriptedMessageBoxes boxes;
    CTempFolder folder;
    WriteFileBytes(folder.Path("gross.qiv"), ManyEmptyEntries(20000));
    std::string csv = "Titel;Text\n";
    for (int i = 0; i < 20000; ++i)
        csv += "t;x\n";
    WriteFileBytes(folder.Path("gross.csv"), csv);
    // Vault: a count, then records of a one-letter title, a text length of
    // 1, three bytes, the text, the level and five bytes.
    std::string vault("\x20\x4E\x00\x00", 4);
    for (int i = 0; i < 20000; ++i)
        vault += std::string("\x01t\x01\x00\x00\x00\x00x\x00\x00\x00\x00\x00\x00", 14);
    WriteFileBytes(folder.Path("gross.vlt"), vault);

    EXPECT_EQ("memory", OutcomeUnderCap(nCap, [&] { QivReadCsvFile(folder.Path("gross.csv")); }));
    EXPECT_EQ("memory", OutcomeUnderCap(nCap, [&] { QivReadVaultFile(folder.Path("gross.vlt")); }));
    // The card-file import answers null for every refused file.
    C_QivCategory* pImported = reinterpret_cast<C_QivCategory*>(1);
    EXPECT_EQ("none", OutcomeUnderCap(nCap, [&] {
                  pImported = QivImportCardFile(folder.Path("gross.qiv"));
              }));
    EXPECT_EQ(pImported, nullptr);
}
