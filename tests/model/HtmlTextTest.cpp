#include "model/exchange/HtmlText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Html(const std::string& text)
{
    CString html = ConvertTextToHtml(CString(text.data(), static_cast<int>(text.size())));
    return std::string(html.GetString(), html.GetLength());
}

} // namespace

TEST(HtmlTextTest, ConvertsNotesAndTitles)
{
    struct Case
    {
        const char* what;
        std::string text;
        std::string html;
    } cases[] = {
        {"line breaks", "eins\nzwei\n", "eins<BR>\nzwei<BR>\n"},
        {"umlauts and sharp s", "\xC4pfel \xD6l \xDC \xDF \xE4 \xF6 \xFC \xE9",
         "&Auml;pfel &Ouml;l &Uuml; &szlig; &auml; &ouml; &uuml; \xE9"},
        {"HTML specials", "a<b> & \"c\"", "a&lt;b&gt; &amp; &quot;c&quot;"},
        {"www link ends at a comma", "siehe www.qiv.de, dort",
         "siehe <A HREF=\"http://www.qiv.de\">www.qiv.de</A>, dort"},
        {"http link keeps its umlauts, escapes its ampersand, ends at a bracket",
         "(http://a.de/x?y=1&z=\xFC)",
         "(<A HREF=\"http://a.de/x?y=1&amp;z=\xFC\">http://a.de/x?y=1&amp;z=\xFC</A>)"},
        {"links in capitals", "WWW.A.DE;HTTP://B.DE",
         "<A HREF=\"http://WWW.A.DE\">WWW.A.DE</A>;<A HREF=\"HTTP://B.DE\">HTTP://B.DE</A>"},
        {"link up to the line end", "www.a.de\nx", "<A HREF=\"http://www.a.de\">www.a.de</A><BR>\nx"},
        {"mail address swallows the space after it", "an max@qiv.de bitte",
         "an <A HREF=\"mailto:max@qiv.de\">max@qiv.de</A>bitte"},
        {"mail address alone on a line loses the line break", "max@qiv.de\nEnde",
         "<A HREF=\"mailto:max@qiv.de\">max@qiv.de</A>Ende"},
        {"mail address with umlauts replaces their escapes whole",
         "Gr\xFC\xDF" "e m\xFCller@qiv.de",
         "Gr&uuml;&szlig;e <A HREF=\"mailto:m\xFCller@qiv.de\">m\xFCller@qiv.de</A>"},
        {"mail address after a quote", "\"a@b\"",
         "<A HREF=\"mailto:&quot;a@b&quot;\">&quot;a@b&quot;</A>"},
        {"CR LF after a link ends the line, not the link", "www.a.de\r\nx",
         "<A HREF=\"http://www.a.de\">www.a.de</A>\r<BR>\nx"},
        {"CR LF after a mail address is swallowed like a line feed", "max@qiv.de\r\nEnde",
         "<A HREF=\"mailto:max@qiv.de\">max@qiv.de</A>Ende"},
        {"a CR inside a link stays in it", "www.a\rb.de x",
         "<A HREF=\"http://www.a\rb.de\">www.a\rb.de</A> x"},
        {"plain text ends at its NUL", std::string("abc\0def", 7), "abc"},
        {"rich text is read first", "{\\rtf1{\\fonttbl{\\f0 Arial;}}a\\par b\\'fc}",
         "a<BR>\nb&uuml;"},
        {"rich text line breaks and cells", "{\\rtf1 Gr\\'fc\\'dfen\\line J\\'fcrgen\\par 1\\cell 2\\cell\\row}",
         "Gr&uuml;&szlig;en<BR>\nJ&uuml;rgen<BR>\n1\t2\t<BR>\n"},
        {"rich text that cannot be read gives nothing", "{\\rtf1 {a}", ""},
        {"an imported rich-text file ends at its NUL", std::string("{\\rtf1 a\\par b}\0", 16),
         "a<BR>\nb"},
        {"a NUL escaped in rich text ends the note", "{\\rtf1 a\\'00b}", "a"},
        {"a title with a backslash and braces is plain text", "a\\b {c}", "a\\b {c}"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Html(c.text), c.html) << c.what;
}

TEST(HtmlTextTest, EscapesForScriptStrings)
{
    struct Case
    {
        std::string text;
        std::string escaped;
    } cases[] = {
        {"plain", "plain"},
        {"a\"b", "a\\\"b"},
        {"c:\\x\\", "c:\\\\x\\\\"},
        {"<A HREF=\"http://www.a.de\">www.a.de</A>", "<A HREF=\\\"http://www.a.de\\\">www.a.de<\\/A>"},
        {"x<BR>\ny\r", "x<BR>\\ny\\r"},
        {"a/b", "a/b"},
        {"<!--<script>", "<\\!--<script>"},
    };
    for (const Case& c : cases) {
        CString escaped = EscapeScriptString(CString(c.text.c_str()));
        EXPECT_EQ(std::string(escaped.GetString()), c.escaped) << c.text;
    }
}
