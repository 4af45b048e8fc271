#include "framework/ui/RichEditSafeRtf.h"

#include <gtest/gtest.h>

namespace {

std::string Nested(int nDepth, const std::string& text)
{
    return "{\\rtf1 " + std::string(nDepth - 1, '{') + text + std::string(nDepth - 1, '}') + "}";
}

std::string Repeat(const std::string& part, int nTimes)
{
    std::string text;
    for (int i = 0; i < nTimes; ++i)
        text += part;
    return text;
}

struct TrimCase
{
    const char* pszName;
    std::string in;
    std::string out;   // equal to in when nothing is changed
};

TEST(RichEditSafeRtf, TrimsOnlyWhatTheControlCannotRead)
{
    const std::string sameTable = "{\\rtf1{\\fonttbl{\\f0 " + std::string(255, 'A') + ";}{\\f1 "
                                  + std::string(255, 'B') + ";}}x}";
    const TrimCase cases[] = {
        { "depth 32 is kept", Nested(32, "x"), Nested(32, "x") },
        { "deeper groups lose their braces, not their text", Nested(34, "x"), Nested(32, "x") },
        { "unclosed groups", "{\\rtf1 a{{{" + std::string(40, '{') + "b", "{\\rtf1 a" + std::string(31, '{') + "b" },
        { "escaped braces are text", "{\\rtf1 " + Repeat("\\{", 50) + "}", "{\\rtf1 " + Repeat("\\{", 50) + "}" },
        { "hex escapes take two characters", "{\\rtf1 \\'{{" + std::string(31, '{') + "}",
          "{\\rtf1 \\'{{" + std::string(31, '{') + "}" },
        { "a group right after \\u counts twice",
          "{\\rtf1 " + Repeat("\\u65{x}", 31) + "}", "{\\rtf1 " + Repeat("\\u65{x}", 30) + "\\u65x}" },
        { "not when \\uc0 passes nothing over", "{\\rtf1\\uc0 " + Repeat("\\u65{x}", 40) + "}",
          "{\\rtf1\\uc0 " + Repeat("\\u65{x}", 40) + "}" },
        { "long control words and parameters are cut", "{\\rtf1\\" + std::string(40, 'w') + " a\\fs"
                                                           + std::string(12, '9') + " b}",
          "{\\rtf1\\" + std::string(32, 'w') + " a\\fs" + std::string(10, '9') + " b}" },
        { "long names in the font table are cut", "{\\rtf1{\\fonttbl{\\f0 " + std::string(300, 'A') + ";}}"
                                                      + std::string(300, 'C') + "}",
          "{\\rtf1{\\fonttbl{\\f0 " + std::string(255, 'A') + ";}}" + std::string(300, 'C') + "}" },
        { "each name has its own length", sameTable, sameTable },
        { "plain text is left alone", std::string(40, '{'), std::string(40, '{') },
    };
    for (const TrimCase& test : cases) {
        std::string rtf = test.in;
        EXPECT_EQ(test.in != test.out, AfxMakeRtfSafeForRichEdit(rtf) != FALSE) << test.pszName;
        EXPECT_EQ(test.out, rtf) << test.pszName;
        // What is safe stays as it is.
        EXPECT_FALSE(AfxMakeRtfSafeForRichEdit(rtf)) << test.pszName;
    }
}

} // namespace
