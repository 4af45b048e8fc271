// The reader walks the rich text once, in memory. All parser state lives in
// one object per conversion, so a text that fails leaves nothing behind for
// the next one. Runs of ordinary characters are copied (or, inside a skipped
// destination, passed over) in one step; only braces, backslashes and line
// ends go through the slower per-character rules.
#include "model/exchange/RtfReader.h"

#include <string.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class Dest : unsigned char { Normal, Skip };
enum class State : unsigned char { Normal, Binary, Hex };

enum Error {
    ecOK = 0,
    ecStackUnderflow = 1,
    ecStackOverflow = 2,
    ecUnmatchedBrace = 3,
    ecInvalidHex = 4,
    ecBadTable = 5,
    ecAssertion = 6,
    ecEndOfFile = 7,
};

enum class Kind : unsigned char { Char, Dest, Prop, Bin, Hex, SkipDest };

struct Keyword
{
    std::string_view name;
    Kind kind;
    char ch;   // the character of a Char keyword
};

// The control words and symbols the reader knows; everything else is unknown.
const Keyword kKeywords[] = {
    {"par", Kind::Char, '\n'}, {"tab", Kind::Char, '\t'},
    {"ldblquote", Kind::Char, '"'}, {"rdblquote", Kind::Char, '"'},
    {"{", Kind::Char, '{'}, {"}", Kind::Char, '}'}, {"\\", Kind::Char, '\\'},
    {"\n", Kind::Char, '\n'}, {"\r", Kind::Char, '\n'},
    {"bin", Kind::Bin, 0}, {"'", Kind::Hex, 0}, {"*", Kind::SkipDest, 0},
    {"author", Kind::Dest, 0}, {"buptim", Kind::Dest, 0}, {"colortbl", Kind::Dest, 0},
    {"comment", Kind::Dest, 0}, {"creatim", Kind::Dest, 0}, {"doccomm", Kind::Dest, 0},
    {"fonttbl", Kind::Dest, 0}, {"footer", Kind::Dest, 0}, {"footerf", Kind::Dest, 0},
    {"footerl", Kind::Dest, 0}, {"footerr", Kind::Dest, 0}, {"footnote", Kind::Dest, 0},
    {"ftncn", Kind::Dest, 0}, {"ftnsep", Kind::Dest, 0}, {"ftnsepc", Kind::Dest, 0},
    {"header", Kind::Dest, 0}, {"headerf", Kind::Dest, 0}, {"headerl", Kind::Dest, 0},
    {"headerr", Kind::Dest, 0}, {"info", Kind::Dest, 0}, {"keywords", Kind::Dest, 0},
    {"operator", Kind::Dest, 0}, {"pict", Kind::Dest, 0}, {"printim", Kind::Dest, 0},
    {"private1", Kind::Dest, 0}, {"revtim", Kind::Dest, 0}, {"rxe", Kind::Dest, 0},
    {"stylesheet", Kind::Dest, 0}, {"subject", Kind::Dest, 0}, {"tc", Kind::Dest, 0},
    {"title", Kind::Dest, 0}, {"txe", Kind::Dest, 0}, {"xe", Kind::Dest, 0},
    {"b", Kind::Prop, 0}, {"u", Kind::Prop, 0}, {"i", Kind::Prop, 0},
    {"li", Kind::Prop, 0}, {"ri", Kind::Prop, 0}, {"fi", Kind::Prop, 0},
    {"cols", Kind::Prop, 0}, {"sbknone", Kind::Prop, 0}, {"sbkcol", Kind::Prop, 0},
    {"sbkeven", Kind::Prop, 0}, {"sbkodd", Kind::Prop, 0}, {"sbkpage", Kind::Prop, 0},
    {"pgnx", Kind::Prop, 0}, {"pgny", Kind::Prop, 0}, {"pgndec", Kind::Prop, 0},
    {"pgnucrm", Kind::Prop, 0}, {"pgnlcrm", Kind::Prop, 0}, {"pgnucltr", Kind::Prop, 0},
    {"pgnlcltr", Kind::Prop, 0}, {"qc", Kind::Prop, 0}, {"ql", Kind::Prop, 0},
    {"qr", Kind::Prop, 0}, {"qj", Kind::Prop, 0}, {"paperw", Kind::Prop, 0},
    {"paperh", Kind::Prop, 0}, {"margl", Kind::Prop, 0}, {"margr", Kind::Prop, 0},
    {"margt", Kind::Prop, 0}, {"margb", Kind::Prop, 0}, {"pgnstart", Kind::Prop, 0},
    {"facingp", Kind::Prop, 0}, {"landscape", Kind::Prop, 0},
};

// The table above, sorted by name once for binary search.
const std::vector<const Keyword*>& SortedKeywords()
{
    static const std::vector<const Keyword*> sorted = [] {
        std::vector<const Keyword*> v;
        for (const Keyword& k : kKeywords)
            v.push_back(&k);
        std::sort(v.begin(), v.end(),
                  [](const Keyword* a, const Keyword* b) { return a->name < b->name; });
        return v;
    }();
    return sorted;
}

const Keyword* FindKeyword(std::string_view name)
{
    const std::vector<const Keyword*>& v = SortedKeywords();
    auto it = std::lower_bound(v.begin(), v.end(), name,
                               [](const Keyword* k, std::string_view n) { return k->name < n; });
    return it != v.end() && (*it)->name == name ? *it : nullptr;
}

// Bytes that end a run of ordinary characters.
struct SpecialBytes
{
    bool is[256] = {};
    SpecialBytes() { is['{'] = is['}'] = is['\\'] = is['\r'] = is['\n'] = true; }
};
const SpecialBytes kSpecial;

bool IsLetter(unsigned char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
bool IsDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }

class RtfParser
{
public:
    RtfParser(const unsigned char* begin, const unsigned char* end) : m_p(begin), m_end(end) {}

    int Parse();
    std::string& Output() { return m_out; }

private:
    struct Saved
    {
        Dest dest;
        State state;
    };

    int ReadChar();   // -1 at the end; CR LF arrives as LF
    void Emit(unsigned char ch)
    {
        if (m_dest == Dest::Normal)
            m_out.push_back(static_cast<char>(ch));
    }
    int Push();
    int Pop();
    int ParseKeyword();
    int Translate(std::string_view name, long param);
    int HexDigit(unsigned char ch);

    const unsigned char* m_p;
    const unsigned char* m_end;
    std::string m_out;
    Dest m_dest = Dest::Normal;
    State m_state = State::Normal;
    long m_binCount = 0;
    bool m_skipIfUnknown = false;
    std::vector<Saved> m_stack;
    int m_hexValue = 0;
    int m_hexDigits = 0;
};

int RtfParser::ReadChar()
{
    if (m_p >= m_end)
        return -1;
    unsigned char ch = *m_p++;
    if (ch == '\r' && m_p < m_end && *m_p == '\n') {
        ++m_p;
        return '\n';
    }
    return ch;
}

int RtfParser::Parse()
{
    while (m_p < m_end) {
        if (m_state == State::Binary) {
            Emit(static_cast<unsigned char>(ReadChar()));
            if (--m_binCount <= 0)
                m_state = State::Normal;
            continue;
        }
        unsigned char ch = *m_p;
        if (!kSpecial.is[ch] && m_state == State::Normal) {
            const unsigned char* run = m_p;
            do
                ++m_p;
            while (m_p < m_end && !kSpecial.is[*m_p]);
            if (m_dest == Dest::Normal)
                m_out.append(reinterpret_cast<const char*>(run), m_p - run);
            continue;
        }
        ++m_p;
        int ec = ecOK;
        switch (ch) {
        case '{': ec = Push(); break;
        case '}': ec = Pop(); break;
        case '\\': ec = ParseKeyword(); break;
        case '\r':
        case '\n': break;
        default: ec = HexDigit(ch); break;
        }
        if (ec != ecOK)
            return ec;
    }
    return m_stack.empty() ? ecOK : ecUnmatchedBrace;
}

int RtfParser::Push()
{
    try {
        m_stack.push_back({m_dest, m_state});
    } catch (const std::bad_alloc&) {
        return ecStackOverflow;
    }
    m_state = State::Normal;
    return ecOK;
}

int RtfParser::Pop()
{
    if (m_stack.empty())
        return ecStackUnderflow;
    m_dest = m_stack.back().dest;
    m_state = m_stack.back().state;
    m_stack.pop_back();
    return ecOK;
}

int RtfParser::HexDigit(unsigned char ch)
{
    if (m_state != State::Hex)
        return ecAssertion;
    int digit;
    if (IsDigit(ch))
        digit = ch - '0';
    else if (ch >= 'a' && ch <= 'f')
        digit = ch - 'a' + 10;
    else if (ch >= 'A' && ch <= 'F')
        digit = ch - 'A' + 10;
    else
        return ecInvalidHex;
    m_hexValue = m_hexValue * 16 + digit;
    if (++m_hexDigits == 2) {
        Emit(static_cast<unsigned char>(m_hexValue));
        m_state = State::Normal;
    }
    return ecOK;
}

// A control symbol is one non-letter; a control word is letters, then an
// optional "-" and digits, then a space that belongs to the word.
int RtfParser::ParseKeyword()
{
    int first = ReadChar();
    if (first < 0)
        return ecEndOfFile;
    if (!IsLetter(static_cast<unsigned char>(first))) {
        char symbol = static_cast<char>(first);
        return Translate(std::string_view(&symbol, 1), 0);
    }
    const unsigned char* name = m_p - 1;
    while (m_p < m_end && IsLetter(*m_p))
        ++m_p;
    std::string_view word(reinterpret_cast<const char*>(name), m_p - name);

    bool negative = false;
    if (m_p < m_end && *m_p == '-') {
        negative = true;
        if (++m_p >= m_end)
            return ecEndOfFile;
    }
    long param = 0;
    const long limit = 0x7FFFFFFF / 10 - 1;
    while (m_p < m_end && IsDigit(*m_p)) {
        if (param < limit)
            param = param * 10 + (*m_p - '0');
        ++m_p;
    }
    if (negative)
        param = -param;
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    return Translate(word, param);
}

int RtfParser::Translate(std::string_view name, long param)
{
    const Keyword* keyword = FindKeyword(name);
    if (!keyword) {
        if (m_skipIfUnknown)
            m_dest = Dest::Skip;
        m_skipIfUnknown = false;
        return ecOK;
    }
    m_skipIfUnknown = false;
    switch (keyword->kind) {
    case Kind::Prop:
        break;
    case Kind::Char:
        Emit(static_cast<unsigned char>(keyword->ch));
        break;
    case Kind::Dest:
        m_dest = Dest::Skip;
        break;
    case Kind::Bin:
        // A count of 0 or less has no data to count off.
        if (param > 0) {
            m_state = State::Binary;
            m_binCount = param;
        }
        break;
    case Kind::Hex:
        if (m_dest != Dest::Skip) {
            m_state = State::Hex;
            m_hexValue = 0;
            m_hexDigits = 0;
        }
        break;
    case Kind::SkipDest:
        if (m_dest != Dest::Skip)
            m_skipIfUnknown = true;
        break;
    default:
        return ecBadTable;
    }
    return ecOK;
}

} // namespace

BOOL ConvertRtfToText(LPCSTR pchRtf, int nLength, CString& strText)
{
    const unsigned char* begin = reinterpret_cast<const unsigned char*>(pchRtf);
    const unsigned char* end = begin + (nLength > 0 ? nLength : 0);
    // Read like a text-mode file: a byte 26 ends the input.
    if (const void* eof = memchr(begin, 26, end - begin))
        end = static_cast<const unsigned char*>(eof);

    RtfParser parser(begin, end);
    if (parser.Parse() != ecOK)
        return FALSE;
    const std::string& out = parser.Output();
    strText = CString(out.data(), static_cast<int>(out.size()));
    return TRUE;
}

BOOL ConvertRtfToText(const CString& strRtf, CString& strText)
{
    return ConvertRtfToText(strRtf.GetString(), strRtf.GetLength(), strText);
}

BOOL IsRichText(LPCSTR pch, int nLength)
{
    return pch && nLength >= 5 && memcmp(pch, "{\\rtf", 5) == 0;
}
