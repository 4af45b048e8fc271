// Makes the DynamicHTML page that tests/model/dhtml_page_test.py opens in a
// browser: written into QIV_DHTML_PAGE_DIR when that is set, else into a
// folder of its own that goes away again. Beside the page it writes
// "expected.txt": each title as the tree must show it (quotes made single,
// escapes shown as characters, links as their text), and the entry to
// click with a piece of its note.
//
// The hostile pages (folder "hostile"): notes and titles that try to break
// out of a link, exported both ways; "links.txt" lists every link the pages
// must hold, as its address and its text.
#include "model/exchange/DynamicHtmlExport.h"
#include "model/exchange/HtmlExport.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <string>
#include <vector>

using namespace qivtest;

namespace {

// The folder the pages go to: QIV_DHTML_PAGE_DIR (plus a sub-folder) when
// set, else a folder of its own that the holder removes.
CString PageFolder(std::unique_ptr<CTempFolder>& own, LPCSTR lpszSub)
{
    const char* target = getenv("QIV_DHTML_PAGE_DIR");
    if (!target || !*target) {
        own.reset(new CTempFolder);
        return own->Path();
    }
    CString folder = target;
    if (lpszSub) {
        folder += "\\";
        folder += lpszSub;
        CreateDirectoryA(folder, nullptr);
    }
    return folder;
}

} // namespace

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

    std::unique_ptr<CTempFolder> own;
    CString folder = PageFolder(own, nullptr);
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

TEST(DynamicHtmlPage, ExportsHostileNotes)
{
    struct Link
    {
        const char* href;
        const char* text;
    };
    struct Case
    {
        const char* title;
        std::string note;
        std::vector<Link> links;
    } cases[] = {
        {"Brief", "Bitte an \"><script>window.injected=1</script>@x.de schreiben",
         {{"mailto:\"><script>window.injected=1</script>@x.de",
           "\"><script>window.injected=1</script>@x.de"}}},
        {"Attribut", "www.x.de\"onmouseover=\"window.injected=1\"x",
         {{"http://www.x.de\"onmouseover=\"window.injected=1\"x",
           "www.x.de\"onmouseover=\"window.injected=1\"x"}}},
        {"Bild", "{\\rtf1{\\fonttbl{\\f0 Arial;}}Bild: http://x.de/\"><img/src=x/"
                 "onerror=window.injected=1>\\par Ende}",
         {{"http://x.de/\"><img/src=x/onerror=window.injected=1>",
           "http://x.de/\"><img/src=x/onerror=window.injected=1>"}}},
        {"Skript www.\"><a href=\"javascript:window.injected=1\">klick", "",
         {{"http://www.\"><a", "www.\"><a"}}},
        {"Und", "Fragen an a&b@x.de oder www.x.de/?a=1&b=2",
         {{"mailto:a&b@x.de", "a&b@x.de"}, {"http://www.x.de/?a=1&b=2", "www.x.de/?a=1&b=2"}}},
        {"Zeilenende", "Seite: http://x.de\r\nPost: p@x.de\r\nEnde",
         {{"http://x.de", "http://x.de"}, {"mailto:p@x.de", "p@x.de"}}},
    };

    std::unique_ptr<C_QivCategory> root(new C_QivCategory("Feind"));
    std::string links;
    for (const Case& c : cases) {
        root->InsertChild(NewEntry(c.title, c.note), nullptr);
        for (const Link& link : c.links)
            links += std::string(link.href) + "\t" + link.text + "\n";
    }

    std::unique_ptr<CTempFolder> own;
    CString folder = PageFolder(own, "hostile");
    QivExportHtml(root.get(), folder + "\\seite.htm");
    QivExportDynamicHtml(root.get(), folder + "\\Feind.htm", SourceFolder("app/res/dhtml"));
    WriteFileBytes(folder + "\\links.txt", links);

    // The page text itself: no link address or text leaves its quotes.
    std::string page = ReadFileBytes(folder + "\\seite.htm");
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_EQ(page.find("<a href"), std::string::npos);
    EXPECT_NE(page.find("<A HREF=\"mailto:&quot;&gt;&lt;script&gt;window.injected=1&lt;/script&gt;@x.de\">"),
              std::string::npos);
    EXPECT_TRUE(FileExists(folder + "\\Feind-Dateien\\data.htm"));
}
