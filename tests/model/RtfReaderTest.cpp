#include "model/exchange/RtfReader.h"

#include "ExchangeTestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RtfCase
{
    const char* what;
    std::string rtf;
    std::string text;   // expected plain text
};

std::string Convert(const std::string& rtf, BOOL* ok)
{
    CString out("unchanged");
    *ok = ConvertRtfToText(CString(rtf.data(), static_cast<int>(rtf.size())), out);
    return std::string(out.GetString(), out.GetLength());
}

} // namespace

TEST(RtfReaderTest, ConvertsBodyTextAndDropsTheRest)
{
    const RtfCase cases[] = {
        {"font table, par",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}\\f0\\fs20 Erstes\\par Zweites}",
         "Erstes\nZweites"},
        {"tab", "{\\rtf1 a\\tab b}", "a\tb"},
        {"line break inside a paragraph", "{\\rtf1 Gr\\'fc\\'dfen\\line J\\'fcrgen}",
         "Gr\xFC\xDF" "en\nJ\xFCrgen"},
        {"table cells and rows",
         "{\\rtf1\\trowd\\cellx100\\cellx200\\intbl 10.000\\cell 7.500\\cell\\row x}",
         "10.000\t7.500\t\nx"},
        {"hex escapes", "{\\rtf1 gr\\'fcn \\'e9t\\'E9}", "gr\xFCn \xE9t\xE9"},
        {"escaped braces and backslash", "{\\rtf1 \\{x\\} \\\\ y}", "{x} \\ y"},
        {"double quotes", "{\\rtf1 \\ldblquote z\\rdblquote}", "\"z\""},
        {"skipped destinations",
         "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
         "{\\info{\\title T}{\\author A}{\\creatim\\yr2004}}{\\header Kopf}{\\footer Fuss}"
         "Text{\\footnote Fussnote}.}",
         "Text."},
        {"picture as hex, line ends inside",
         "{\\rtf1 vor{\\pict\\wmetafile8\\picw100 0102abcdef\r\n0a0b0c\r\n}nach}", "vornach"},
        {"starred unknown destination dropped whole",
         "{\\rtf1 a{\\*\\unknown x\\par y}b}", "ab"},
        {"starred known destination", "{\\rtf1 a{\\*\\comment hidden}b}", "ab"},
        {"unknown word dropped alone, text around stays", "{\\rtf1 a \\foo b\\bar12 c}", "a bc"},
        {"unicode: the property u, then its fallback", "{\\rtf1 gr\\u252?n}", "gr?n"},
        {"properties with parameters", "{\\rtf1\\b\\i0\\li-720\\qc x\\b0}", "x"},
        {"line ends of the source are not text", "{\\rtf1 a\r\nb\nc\rd}", "abcd"},
        {"backslash before a line end is a line feed", "{\\rtf1 a\\\r\nb\\\nc}", "a\nb\nc"},
        {"byte 26 ends the input", std::string("{\\rtf1 a}\x1a{{{ junk", 18), "a"},
        {"binary data counted off", "{\\rtf1 A{\\pict\\bin3 {}}}B}", "AB"},
        {"binary data in the body", "{\\rtf1 \\bin2 ab c}", "ab c"},
        {"binary CR LF counts as one byte", "{\\rtf1 \\bin2 \r\nxy}", "\nxy"},
        {"bin 0 swallows nothing", "{\\rtf1 A\\bin0 B}", "AB"},
        {"negative bin swallows nothing", "{\\rtf1 A\\bin-5 B}", "AB"},
        {"long control word and parameter",
         "{\\rtf1 a\\" + std::string(5000, 'q') + std::string(40, '9') + " b}", "ab"},
        {"par in a skipped group", "{\\rtf1{\\fonttbl\\par}x}", "x"},
        {"empty", "{\\rtf1}", ""},
    };
    for (const RtfCase& c : cases) {
        BOOL ok = FALSE;
        std::string text = Convert(c.rtf, &ok);
        EXPECT_TRUE(ok) << c.what;
        EXPECT_EQ(text, c.text) << c.what;
    }
}

// A letter with a line break and a two-row table, as a word processor
// writes it: styles, document information, unicode escapes with their
// fallback bytes, cell definitions.
TEST(RtfReaderTest, WordProcessorLetterKeepsLinesAndCells)
{
    std::string rtf = qivtest::ReadFileBytes(
        qivtest::SourceFolder("tests/model/fixtures/exchange") + "letter-with-table.rtf");
    ASSERT_FALSE(rtf.empty());
    BOOL ok = FALSE;
    EXPECT_EQ(Convert(rtf, &ok),
              "Mit freundlichen Gr\xFC\xDF" "en\n"
              "J\xFCrgen M\xFCller\n"
              "10.000\t7.500\t\n"
              "Miete\tStrom\t\n"
              "\n");
    EXPECT_TRUE(ok);
}

TEST(RtfReaderTest, BadInputFailsAndLeavesTheResultUntouched)
{
    const RtfCase cases[] = {
        {"one opening brace too many", "{\\rtf1 {\\b abc}", ""},
        {"one closing brace too many", "{\\rtf1 abc}}", ""},
        {"invalid hex digit", "{\\rtf1 \\'zz}", ""},
        {"input ends after a backslash", "{\\rtf1 a\\", ""},
        {"input ends after a minus", "{\\rtf1 a\\li-", ""},
        {"byte 26 cuts off the closing brace", std::string("{\\rtf1 a\x1a}", 10), ""},
    };
    for (const RtfCase& c : cases) {
        BOOL ok = TRUE;
        std::string text = Convert(c.rtf, &ok);
        EXPECT_FALSE(ok) << c.what;
        EXPECT_EQ(text, "unchanged") << c.what;
    }
}

TEST(RtfReaderTest, AFailedConversionDoesNotSpoilTheNext)
{
    CString out;
    // Fails inside a skipped group, in hex state, with open groups on the stack.
    EXPECT_FALSE(ConvertRtfToText("{\\rtf1{\\fonttbl{\\f0 \\'4", out));
    EXPECT_FALSE(ConvertRtfToText("{\\rtf1{\\*\\x", out));
    EXPECT_TRUE(ConvertRtfToText("{\\rtf1 gut\\'fc}", out));
    EXPECT_STREQ(out, "gut\xFC");
}

TEST(RtfReaderTest, RecognisesRichTextByItsFirstBytes)
{
    EXPECT_TRUE(IsRichText("{\\rtf1 x}", 9));
    EXPECT_TRUE(IsRichText("{\\rtf", 5));
    EXPECT_FALSE(IsRichText("{\\rt", 4));
    EXPECT_FALSE(IsRichText("Brief", 5));
    EXPECT_FALSE(IsRichText(nullptr, 0));
}

// Conversions one after the other share their output room: each text is
// its own, whatever length came before, and notes beyond the room kept
// between conversions convert alike.
TEST(RtfReaderTest, EachTextStandsAloneWhateverCameBefore)
{
    const std::string big(5 * 1024 * 1024, 'x');
    const std::string texts[] = {"lang " + std::string(100000, 'a'), "kurz", big, "", "wieder"};
    for (const std::string& text : texts) {
        BOOL ok = FALSE;
        EXPECT_EQ(Convert("{\\rtf1 " + text + "}", &ok), text);
        EXPECT_TRUE(ok);
    }
}
