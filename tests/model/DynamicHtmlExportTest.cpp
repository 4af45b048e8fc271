#include "model/exchange/DynamicHtmlExport.h"

#include "ExchangeTestFiles.h"
#include "ModelTestSupport.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace qivtest;

namespace {

// Notizen { Privat "x" { a\b }, Zweiter }
std::unique_ptr<C_QivCategory> SampleTree()
{
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("Notizen"));
    C_QivCategory* privat = new C_QivCategory("Privat \"x\"");
    privat->InsertChild(NewEntry("a\\b", std::string("Text\n", 6)), nullptr);
    root->InsertChild(NewEntry("Zweiter", "{\\rtf1 zwei}"), nullptr);
    root->InsertChild(privat, nullptr);
    return root;
}

size_t CountLines(const std::string& text)
{
    size_t n = 0;
    for (char c : text)
        n += c == '\n';
    return n;
}

} // namespace

TEST(DynamicHtmlExportTest, WritesTreeDataFramesAndDataPage)
{
    CTempFolder folder;
    std::unique_ptr<C_QivCategory> root = SampleTree();
    CString programFolder = SourceFolder("app/res/dhtml");
    QivExportDynamicHtml(root.get(), folder.Path("Export.htm"), programFolder);

    std::string page = ReadFileBytes(folder.Path("Export.htm"));
    EXPECT_NE(page.find(WithCrLf(
        "\n  DataFolder = \"Export-Dateien/\";\n"
        "  TreeData = new Collection();\n"
        "  TreeData.Add(new Root(\"0\", \"Notizen\", DataFolder+\"data.htm#0\", \"Notizen\"));\n"
        "  TreeData.Add(new Category(\"1\", \"0\", \"Privat 'x'\", \"\", \"\", DataFolder+\"data.htm#1\"));\n"
        "  TreeData.Add(new Entry(\"1\", \"a\\\\b\", \"Export-Dateien/data.htm#2\", \"\", \"\", \"Eintrag zeigen\"));\n"
        "  TreeData.Add(new Entry(\"0\", \"Zweiter\", \"Export-Dateien/data.htm#3\", \"\", \"\", \"Eintrag zeigen\"));\n")),
        std::string::npos) << page;
    EXPECT_NE(page.find(WithCrLf(
        "\n  <FRAME NAME=\"TreeFrame\" SRC=\"Export-Dateien/loading.htm\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"0\">\n"
        "  <FRAME NAME=\"TextFrame\" SRC=\"Export-Dateien/welcome.htm\">\n")),
        std::string::npos) << page;
    EXPECT_EQ(page.find("insert code here"), std::string::npos);
    EXPECT_EQ(page.find("insert frame-info here"), std::string::npos);
    // Every other line of the template is copied, with CR LF line ends.
    std::string templ = ReadFileBytes(programFolder + QIV_DHTML_TEMPLATE);
    EXPECT_EQ(CountLines(page), CountLines(templ) - 2 + 6 + 2);
    EXPECT_EQ(page.find('\n'), page.find("\r\n") + 1);

    for (const char* name : QIV_DHTML_SUPPORT_FILES)
        EXPECT_EQ(ReadFileBytes(folder.Path("Export-Dateien\\") + name),
                  ReadFileBytes(programFolder + name)) << name;

    EXPECT_EQ(ReadFileBytes(folder.Path("Export-Dateien\\data.htm")), WithCrLf(
        "<HTML>\n"
        "<HEAD>\n"
        "<TITLE>Notizen</TITLE>\n"
        "</HEAD>\n"
        "<BODY>\n"
        "<!-- --------------------------------- -->\n"
        "<!-- Qivnotes Dynamic HTML Export      -->\n"
        "<!-- --------------------------------- -->\n"
        "<A NAME=0><H2>Notizen</H2>"
        "<A NAME=1><H2>Privat &quot;x&quot;</H2>"
        "<A NAME=2><H2>a\\b</H2>Text<BR>\n<HR>\n"
        "<A NAME=3><H2>Zweiter</H2>zwei<HR>\n"
        "\n</BODY>\n"
        "</HTML>\n"));
}

TEST(DynamicHtmlExportTest, TreeDataLinesStayValidScript)
{
    CTempFolder folder;
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("R\\\"oot\""));
    root->InsertChild(NewEntry("www.x.de \"q\" \\ </script> max@x.de\n"), nullptr);
    QivExportDynamicHtml(root.get(), folder.Path("p.htm"), SourceFolder("app/res/dhtml"));

    std::string page = ReadFileBytes(folder.Path("p.htm"));
    EXPECT_NE(page.find(
        "  TreeData.Add(new Root(\"0\", \"R\\\\'oot'\", DataFolder+\"data.htm#0\", \"R\\\\'oot'\"));\r\n"),
        std::string::npos) << page;
    EXPECT_NE(page.find(
        "  TreeData.Add(new Entry(\"0\", \"<A HREF=\\\"http://www.x.de\\\">www.x.de<\\/A> 'q' \\\\ "
        "&lt;/script&gt; <A HREF=\\\"mailto:max@x.de\\\">max@x.de<\\/A>\", \"p-Dateien/data.htm#1\", "
        "\"\", \"\", \"Eintrag zeigen\"));\r\n"),
        std::string::npos) << page;
}

TEST(DynamicHtmlExportTest, MissingTemplateRaisesFileErrorAndWritesNothing)
{
    CTempFolder folder;
    CTempFolder program;
    std::unique_ptr<C_QivCategory> root = SampleTree();
    int nCause = -1;
    try {
        QivExportDynamicHtml(root.get(), folder.Path("p.htm"), program.Path() + "\\");
    } catch (CFileException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(nCause, CFileException::fileNotFound);
    EXPECT_FALSE(FileExists(folder.Path("p.htm")));
}

TEST(DynamicHtmlExportTest, TemplateWithoutMarkersOrSupportFiles)
{
    CTempFolder folder;
    CTempFolder program;
    WriteFileBytes(program.Path(QIV_DHTML_TEMPLATE), "<HTML>\r\n<BODY>x</BODY>\r\n</HTML>");
    std::unique_ptr<C_QivCategory> root = SampleTree();
    QivExportDynamicHtml(root.get(), folder.Path("p.htm"), program.Path() + "\\");

    EXPECT_EQ(ReadFileBytes(folder.Path("p.htm")), "<HTML>\r\n<BODY>x</BODY>\r\n</HTML>\r\n");
    // No support file came, yet the data page has its folder.
    EXPECT_FALSE(FileExists(folder.Path("p-Dateien\\plus.gif")));
    EXPECT_TRUE(FileExists(folder.Path("p-Dateien\\data.htm")));
}

TEST(DynamicHtmlExportTest, CopiesSupportFilesPastTheShortPathLimit)
{
    // The page and its data page fit into MAX_PATH, the longest support file
    // ("category_collapsed.gif") does not.
    CTempFolder folder;
    CString deep = folder.Path() + "\\" + CString('d', 232 - folder.Path().GetLength() - 1);
    ASSERT_TRUE(::CreateDirectoryA(deep, nullptr));

    std::unique_ptr<C_QivCategory> root = SampleTree();
    QivExportDynamicHtml(root.get(), deep + "\\p.htm", SourceFolder("app/res/dhtml"));
    for (const char* name : QIV_DHTML_SUPPORT_FILES) {
        std::wstring path = L"\\\\?\\" + AfxAnsiToWide(deep + "\\p-Dateien\\" + name);
        EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << name;
    }
    EXPECT_TRUE(FileExists(deep + "\\p-Dateien\\data.htm"));
}
