// Makes the DynamicHTML page that tests/model/dhtml_page_test.py opens in a
// browser: written into QIV_DHTML_PAGE_DIR when that is set, else into a
// folder of its own that goes away again. Beside the page it writes
// "expected.txt": each title as the tree must show it (quotes made single,
// escapes shown as characters, links as their text), and the entry to
// click with a piece of its note.
#include "model/exchange/DynamicHtmlExport.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <string>

using namespace qivtest;

TEST(DynamicHtmlPage, ExportsSampleCardFile)
{
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("Notizen"));
    C_QivCategory* privat = new C_QivCategory("Privat \"Zitat\"");
    privat->InsertChild(NewEntry("Br\xFCssel \\ Reise",
                                 "{\\rtf1{\\fonttbl{\\f0 Arial;}}Reise nach Br\\'fcssel\\par "
                                 "Hotel: www.hotel.be}"), nullptr);
    C_QivCategory* links = new C_QivCategory("Links www.qiv.de");
    C_QivCategory* tief = new C_QivCategory("Tief");
    tief->InsertChild(NewEntry("\xDC" "bersicht & <Plan>", std::string("Plan\nB", 7)), nullptr);
    links->InsertChild(tief, nullptr);
    links->InsertChild(NewEntry("Kontakt max@qiv.de", ""), nullptr);
    root->InsertChild(NewEntry("Anf\xFChrung \"a\\\"b\"", "x"), nullptr);
    root->InsertChild(links, nullptr);
    root->InsertChild(privat, nullptr);

    const char* shown[] = {
        "Notizen",
        "Privat 'Zitat'",
        "Br\xFCssel \\ Reise",
        "Links www.qiv.de",
        "Kontakt max@qiv.de",
        "Tief",
        "\xDC" "bersicht & <Plan>",
        "Anf\xFChrung 'a\\'b'",
    };

    const char* target = getenv("QIV_DHTML_PAGE_DIR");
    std::unique_ptr<CTempFolder> own;
    CString folder;
    if (target && *target) {
        folder = target;
    } else {
        own.reset(new CTempFolder);
        folder = own->Path();
    }
    QivExportDynamicHtml(root.get(), folder + "\\Notizen.htm", SourceFolder("app/res/dhtml"));

    std::string expected;
    for (const char* title : shown)
        expected += std::string("title\t") + title + "\n";
    expected += "click\tBr\xFCssel \\ Reise\tReise nach Br\xFCssel\n";
    WriteFileBytes(folder + "\\expected.txt", expected);

    EXPECT_TRUE(FileExists(folder + "\\Notizen.htm"));
    EXPECT_TRUE(FileExists(folder + "\\Notizen-Dateien\\data.htm"));
    EXPECT_TRUE(FileExists(folder + "\\Notizen-Dateien\\loading.htm"));
}
