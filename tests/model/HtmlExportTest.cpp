#include "model/exchange/HtmlExport.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace qivtest;

namespace {

const std::string kHead =
    "<HTML>\n"
    "<HEAD>\n"
    "<TITLE>%T</TITLE>\n"
    "</HEAD>\n"
    "<BODY>\n"
    "<!-- ------------------------- -->\n"
    "<!-- Qivnotes HTML Export      -->\n"
    "<!-- ------------------------- -->\n";
const std::string kTail = "\n</BODY>\n</HTML>\n";

std::string Head(const std::string& title)
{
    std::string head = kHead;
    head.replace(head.find("%T"), 2, title);
    return head;
}

std::string Export(C_QivItem* pItem)
{
    CTempFolder folder;
    CString path = folder.Path("seite.htm");
    QivExportHtml(pItem, path);
    return ReadFileBytes(path);
}

} // namespace

TEST(HtmlExportTest, CategoryWithAnEntry)
{
    std::unique_ptr<C_QivCategory> category(new C_QivCategory("Kat"));
    category->InsertChild(NewEntry("Eintrag", std::string("Hallo\nWelt", 11)), nullptr);

    EXPECT_EQ(Export(category.get()), WithCrLf(Head("Kat") +
        "<A NAME=0><H1>Inhaltsverzeichnis</H1></A>\n"
        "<A HREF=#1>Kat</A><BR>\n"
        "<UL>\n"
        "<LI>\n"
        "<A HREF=#2>Eintrag</A><BR>\n"
        "</LI>\n"
        "</UL>\n"
        "<A NAME=1><H1>Kat</H1><UL>\n"
        "<LI>\n"
        "<A NAME=2><H2>Eintrag</H2>Hallo<BR>\n"
        "Welt<P>\n"
        "</LI>\n"
        "</UL>\n" + kTail));
}

TEST(HtmlExportTest, LoneEntryHasNoContents)
{
    std::unique_ptr<C_QivEntry> entry(NewEntry("Br\xFC" "cke", "{\\rtf1 a\\par b}"));
    std::unique_ptr<C_QivEntry> sibling(NewEntry("Nachbar", "nicht dabei"));
    entry->m_pNext = sibling.get();

    EXPECT_EQ(Export(entry.get()), WithCrLf(Head("Br&uuml;cke") +
        "<A NAME=1><H1>Br&uuml;cke</H1>a<BR>\n"
        "b<P>\n" + kTail));
    entry->m_pNext = nullptr;
}

TEST(HtmlExportTest, NestedCategoriesNumberBothPassesAlike)
{
    // A holds B and the entry f; B holds the entry e; a plain item g follows.
    std::unique_ptr<C_QivCategory> a(new C_QivCategory("A"));
    C_QivCategory* b = new C_QivCategory("B");
    b->InsertChild(NewEntry("e", "E"), nullptr);
    a->InsertChild(new C_QivItem("g"), nullptr);
    a->InsertChild(NewEntry("f", "F"), nullptr);
    a->InsertChild(b, nullptr);

    EXPECT_EQ(Export(a.get()), WithCrLf(Head("A") +
        "<A NAME=0><H1>Inhaltsverzeichnis</H1></A>\n"
        "<A HREF=#1>A</A><BR>\n"
        "<UL>\n"
        "<LI>\n<A HREF=#2>B</A><BR>\n"
        "<UL>\n"
        "<LI>\n<A HREF=#3>e</A><BR>\n</LI>\n"
        "</UL>\n"
        "</LI>\n"
        "<LI>\n<A HREF=#4>f</A><BR>\n</LI>\n"
        "<LI>\n<A HREF=#5>g</A><BR>\n</LI>\n"
        "</UL>\n"
        "<A NAME=1><H1>A</H1><UL>\n"
        "<LI>\n<A NAME=2><H2>B</H2><UL>\n"
        "<LI>\n<A NAME=3><H3>e</H3>E<P>\n</LI>\n"
        "</UL>\n"
        "</LI>\n"
        "<LI>\n<A NAME=4><H2>f</H2>F<P>\n</LI>\n"
        "<LI>\n<A NAME=5><H2>g</H2></LI>\n"
        "</UL>\n" + kTail));
}

TEST(HtmlExportTest, EmptyCategoryStillOpensItsList)
{
    std::unique_ptr<C_QivCategory> category(new C_QivCategory("Leer"));
    EXPECT_EQ(Export(category.get()), WithCrLf(Head("Leer") +
        "<A NAME=0><H1>Inhaltsverzeichnis</H1></A>\n"
        "<A HREF=#1>Leer</A><BR>\n"
        "<UL>\n</UL>\n"
        "<A NAME=1><H1>Leer</H1><UL>\n</UL>\n" + kTail));
}

TEST(HtmlExportTest, DeepTreeNeedsNoRecursion)
{
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("0"));
    C_QivCategory* pCategory = root.get();
    for (int i = 1; i < 20000; ++i) {
        C_QivCategory* pChild = new C_QivCategory("x");
        pCategory->InsertChild(pChild, nullptr);
        pCategory = pChild;
    }
    pCategory->InsertChild(NewEntry("tief", "unten"), nullptr);
    std::string page = Export(root.get());
    EXPECT_NE(page.find("<A NAME=20001><H20001>tief</H20001>unten<P>"), std::string::npos);
}
