// The reader walks the rich text once, in memory. All parser state lives in
// one object per conversion, so a text that fails leaves nothing behind for
// the next one. Runs of ordinary characters are copied (or, inside a skipped
// destination, passed over) in tight loops; only braces, backslashes and
// line ends go through the per-character rules.
//
// The text is never longer than the rich text it comes from (every
// character put out consumes at least one byte of input), so it is written
// into one block of the input's length without any bounds tests. That block
// is kept for the next conversion on the same thread: fresh memory, page by
// page, costs more than reading a large note.
#include "model/exchange/RtfReader.h"

#include <string.h>

#include <memory>
#include <new>
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
    // Word processors break lines inside a paragraph with "line" and write
    // tables as cells and rows: without these the words on either side of
    // a break or a cell border would run together.
    {"line", Kind::Char, '\n'}, {"row", Kind::Char, '\n'}, {"cell", Kind::Char, '\t'},
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

// The table above as an open-addressing hash table, built once: control
// words are frequent, and most lookups end at the first slot.
class KeywordTable
{
public:
    KeywordTable()
    {
        for (const Keyword& k : kKeywords) {
            size_t i = Hash(k.name.data(), k.name.size());
            while (m_slots[i])
                i = (i + 1) & (nSlots - 1);
            m_slots[i] = &k;
        }
    }

    const Keyword* Find(const char* name, size_t length) const
    {
        for (size_t i = Hash(name, length);; i = (i + 1) & (nSlots - 1)) {
            const Keyword* k = m_slots[i];
            if (!k)
                return nullptr;
            if (k->name.size() == length && Same(k->name.data(), name, length))
                return k;
        }
    }

private:
    static const size_t nSlots = 512;

    // Names are a few bytes long: a call to memcmp would cost more.
    static bool Same(const char* a, const char* b, size_t length)
    {
        for (size_t i = 0; i < length; ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }

    // Length, first, second and last character tell the known names apart
    // well enough; collisions only cost a probe.
    static size_t Hash(const char* name, size_t length)
    {
        size_t h = length * 97 + static_cast<unsigned char>(name[0]) * 31 +
                   static_cast<unsigned char>(name[length - 1]) * 7;
        if (length > 1)
            h += static_cast<unsigned char>(name[1]) * 3;
        return h & (nSlots - 1);
    }

    const Keyword* m_slots[nSlots] = {};
};

const KeywordTable kKeywordTable;

const unsigned char chEndOfText = 26;

// Byte classes: bytes that end a run of body text, and the fewer bytes that
// end a run inside a skipped destination (where line ends mean nothing).
// Byte 26 ends both: it ends the input.
struct ByteClasses
{
    unsigned char endsText[256] = {};
    unsigned char endsSkipped[256] = {};
    ByteClasses()
    {
        endsText['{'] = endsText['}'] = endsText['\\'] = endsText['\r'] = endsText['\n'] = 1;
        endsSkipped['{'] = endsSkipped['}'] = endsSkipped['\\'] = 1;
        endsText[chEndOfText] = endsSkipped[chEndOfText] = 1;
    }
};
const ByteClasses kClasses;

// One bit per byte of p[0..3] that the table marks, lowest bit first.
inline unsigned MarksOf4(const unsigned char* p, const unsigned char* table)
{
    return table[p[0]] | table[p[1]] << 1 | table[p[2]] << 2 | table[p[3]] << 3;
}

// The first byte from p on that the table marks, or end. Four bytes are
// tested per step: runs are long inside pictures.
inline const unsigned char* FindMarked(const unsigned char* p, const unsigned char* end,
                                       const unsigned char* table)
{
    while (end - p >= 4) {
        if (unsigned marks = MarksOf4(p, table))
            return p + __builtin_ctz(marks);
        p += 4;
    }
    while (p < end && !table[*p])
        ++p;
    return p;
}

bool IsLetter(unsigned char ch) { return static_cast<unsigned char>((ch | 0x20) - 'a') < 26; }
bool IsDigit(unsigned char ch) { return static_cast<unsigned char>(ch - '0') < 10; }

// The value of a hexadecimal digit, -1 for any other byte.
struct HexDigits
{
    signed char value[256];
    HexDigits()
    {
        for (int c = 0; c < 256; ++c)
            value[c] = -1;
        for (int c = 0; c < 10; ++c)
            value['0' + c] = static_cast<signed char>(c);
        for (int c = 0; c < 6; ++c)
            value['a' + c] = value['A' + c] = static_cast<signed char>(10 + c);
    }
};
const HexDigits kHexDigits;

int HexValue(unsigned char ch)
{
    return kHexDigits.value[ch];
}

// The output block of the conversions on this thread.
class OutputRoom
{
public:
    // Room for nBytes; null when there is no memory for it.
    static char* Get(size_t nBytes)
    {
        Room& room = Instance();
        if (room.nBytes < nBytes) {
            room.p.reset();
            room.nBytes = 0;
            room.p.reset(new (std::nothrow) char[nBytes]);
            if (room.p)
                room.nBytes = nBytes;
        }
        return room.p.get();
    }

    // Gives back a block that only an unusually large note needed.
    static void Trim()
    {
        Room& room = Instance();
        if (room.nBytes > nKeep) {
            room.p.reset();
            room.nBytes = 0;
        }
    }

private:
    static const size_t nKeep = 4 * 1024 * 1024;
    struct Room
    {
        std::unique_ptr<char[]> p;
        size_t nBytes = 0;
    };
    static Room& Instance()
    {
        static thread_local Room room;
        return room;
    }
};

// One conversion into pOut, which has room for as many bytes as the input.
class RtfParser
{
public:
    RtfParser(const unsigned char* begin, const unsigned char* end, char* pOut)
        : m_p(begin), m_end(end), m_pOutStart(pOut), m_pOut(pOut)
    {
    }

    int Parse();
    // The text once Parse has succeeded.
    const char* Text() const { return m_pOutStart; }
    size_t TextLength() const { return static_cast<size_t>(m_pOut - m_pOutStart); }

private:
    struct Saved
    {
        Dest dest;
        State state;
    };

    // The input ends at its last byte or at a byte 26.
    bool AtEnd(const unsigned char* p) const { return p >= m_end || *p == chEndOfText; }
    int ParseKeyword(const unsigned char*& p);
    int Translate(const char* name, size_t length, long param);
    void Emit(unsigned char ch)
    {
        if (m_dest == Dest::Normal)
            *m_pOut++ = static_cast<char>(ch);
    }

    const unsigned char* m_p;
    const unsigned char* m_end;
    char* m_pOutStart;
    char* m_pOut;
    Dest m_dest = Dest::Normal;
    State m_state = State::Normal;
    long m_binCount = 0;
    bool m_skipIfUnknown = false;
    std::vector<Saved> m_stack;
    int m_hexValue = 0;
    int m_hexDigits = 0;
};

int RtfParser::Parse()
{
    // The hot loops keep position and output pointer in locals: stores
    // through a char pointer would otherwise force members to be reloaded.
    const unsigned char* p = m_p;
    const unsigned char* const end = m_end;
    while (p < end) {
        if (m_state == State::Binary) {
            unsigned char ch = *p++;
            if (ch == chEndOfText)
                break;
            if (ch == '\r' && p < end && *p == '\n') {   // text mode: CR LF is one LF
                ch = '\n';
                ++p;
            }
            Emit(ch);
            if (--m_binCount <= 0)
                m_state = State::Normal;
            continue;
        }
        if (m_state == State::Normal) {
            if (m_dest == Dest::Skip) {
                p = FindMarked(p, end, kClasses.endsSkipped);
            } else {
                // Copies eight bytes ahead of the test; they are written over
                // when not all of them belong to the run. The output stands
                // no further on than the input, so they fit.
                const unsigned char* table = kClasses.endsText;
                char* out = m_pOut;
                while (end - p >= 8) {
                    memcpy(out, p, 8);
                    if (unsigned marks = MarksOf4(p, table) | MarksOf4(p + 4, table) << 4) {
                        unsigned n = static_cast<unsigned>(__builtin_ctz(marks));
                        p += n;
                        out += n;
                        goto copied;
                    }
                    p += 8;
                    out += 8;
                }
                while (p < end && !table[*p])
                    *out++ = static_cast<char>(*p++);
            copied:
                m_pOut = out;
            }
            if (p >= end)
                break;
        }
        unsigned char ch = *p++;
        switch (ch) {
        case '{':
            try {
                m_stack.push_back({m_dest, m_state});
            } catch (const std::bad_alloc&) {
                return ecStackOverflow;
            }
            m_state = State::Normal;
            break;
        case '}':
            if (m_stack.empty())
                return ecStackUnderflow;
            m_dest = m_stack.back().dest;
            m_state = m_stack.back().state;
            m_stack.pop_back();
            break;
        case '\\':
            // The frequent hex escape of a body character is read at once
            // when both digits follow; anything else takes the general way.
            if (end - p >= 3 && p[0] == '\'' && m_dest == Dest::Normal) {
                int high = HexValue(p[1]);
                int low = HexValue(p[2]);
                if ((high | low) >= 0) {
                    m_skipIfUnknown = false;
                    m_state = State::Normal;
                    Emit(static_cast<unsigned char>(high * 16 + low));
                    p += 3;
                    break;
                }
            }
            if (int ec = ParseKeyword(p))
                return ec;
            break;
        case '\r':
        case '\n':
            break;
        case chEndOfText:
            p = end;
            break;
        default: {
            // Only the hex state gets here with an ordinary character.
            if (m_state != State::Hex)
                return ecAssertion;
            int digit = HexValue(ch);
            if (digit < 0)
                return ecInvalidHex;
            m_hexValue = m_hexValue * 16 + digit;
            if (++m_hexDigits == 2) {
                Emit(static_cast<unsigned char>(m_hexValue));
                m_state = State::Normal;
            }
            break;
        }
        }
    }
    return m_stack.empty() ? ecOK : ecUnmatchedBrace;
}

// A control symbol is one non-letter; a control word is letters, then an
// optional "-" and digits, then a space that belongs to the word.
int RtfParser::ParseKeyword(const unsigned char*& p)
{
    if (AtEnd(p))
        return ecEndOfFile;
    unsigned char first = *p++;
    if (!IsLetter(first)) {
        if (first == '\r' && p < m_end && *p == '\n') {   // text mode: CR LF is one LF
            first = '\n';
            ++p;
        }
        char symbol = static_cast<char>(first);
        return Translate(&symbol, 1, 0);
    }
    const unsigned char* name = p - 1;
    while (p < m_end && IsLetter(*p))
        ++p;
    size_t length = static_cast<size_t>(p - name);

    bool negative = false;
    if (p < m_end && *p == '-') {
        negative = true;
        if (AtEnd(++p))
            return ecEndOfFile;
    }
    long param = 0;
    const long limit = 0x7FFFFFFF / 10 - 1;
    while (p < m_end && IsDigit(*p)) {
        if (param < limit)
            param = param * 10 + (*p - '0');
        ++p;
    }
    if (negative)
        param = -param;
    if (p < m_end && *p == ' ')
        ++p;
    return Translate(reinterpret_cast<const char*>(name), length, param);
}

int RtfParser::Translate(const char* name, size_t length, long param)
{
    const Keyword* keyword = kKeywordTable.Find(name, length);
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
    size_t nBytes = nLength > 0 ? static_cast<size_t>(nLength) : 0;
    char* pOut = OutputRoom::Get(nBytes + 1);
    if (!pOut)
        return FALSE;
    const unsigned char* begin = reinterpret_cast<const unsigned char*>(pchRtf);
    RtfParser parser(begin, begin + nBytes, pOut);
    BOOL bOk = parser.Parse() == ecOK;
    if (bOk) {
        try {
            strText = CString(parser.Text(), static_cast<int>(parser.TextLength()));
        } catch (const std::bad_alloc&) {
            bOk = FALSE;
        }
    }
    OutputRoom::Trim();
    return bOk;
}

BOOL ConvertRtfToText(const CString& strRtf, CString& strText)
{
    return ConvertRtfToText(strRtf.GetString(), strRtf.GetLength(), strText);
}

BOOL IsRichText(LPCSTR pch, int nLength)
{
    return pch && nLength >= 5 && memcmp(pch, "{\\rtf", 5) == 0;
}
