// The page text is built in a std::string and handed over once; runs of
// characters that need no escape are copied in one step, and the loop stops
// only where something may have to be done.
#include "model/exchange/HtmlText.h"

#include "model/exchange/RtfReader.h"

#include <string.h>

#include <string>

namespace {

bool StartsNoCase(const char* p, size_t n, const char* prefix)
{
    size_t len = strlen(prefix);
    if (n < len)
        return false;
    for (size_t i = 0; i < len; ++i) {
        char c = p[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

// A plain-text note keeps the CR of its CR LF line ends; that CR belongs to
// the line end, not to a link or address that ends the line.
bool IsLineEnd(const char* s, size_t n, size_t i)
{
    return s[i] == '\n' || (s[i] == '\r' && i + 1 < n && s[i + 1] == '\n');
}

bool EndsLink(const char* s, size_t n, size_t i)
{
    char c = s[i];
    return c == ' ' || c == ';' || c == ',' || c == ')' || IsLineEnd(s, n, i);
}

bool EndsAddress(const char* s, size_t n, size_t i)
{
    return s[i] == ' ' || IsLineEnd(s, n, i);
}

// The entity of a character that needs one, else null.
const char* EntityOf(unsigned char c)
{
    switch (c) {
    case '"': return "&quot;";
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case 0xC4: return "&Auml;";
    case 0xD6: return "&Ouml;";
    case 0xDC: return "&Uuml;";
    case 0xDF: return "&szlig;";
    case 0xE4: return "&auml;";
    case 0xF6: return "&ouml;";
    case 0xFC: return "&uuml;";
    default: return nullptr;
    }
}

// A link's address or text: the characters as they stand, except those that
// would end the attribute or start markup, so a note cannot add elements,
// attributes or script to the page.
void AppendLinkText(std::string& out, const char* s, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        switch (s[i]) {
        case '"': out += "&quot;"; break;
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += s[i]; break;
        }
    }
}

void AppendLink(std::string& out, const char* scheme, const char* s, size_t n)
{
    out += "<A HREF=\"";
    out += scheme;
    AppendLinkText(out, s, n);
    out += "\">";
    AppendLinkText(out, s, n);
    out += "</A>";
}

// Bytes the copy loop stops at: line feeds, entities, the "@" of a mail
// address, and the "." of "www." and the ":" of "http://", whose letters
// were copied already and are taken back when a link begins there.
struct StopBytes
{
    bool is[256] = {};
    StopBytes()
    {
        for (int c = 0; c < 256; ++c)
            is[c] = EntityOf(static_cast<unsigned char>(c)) != nullptr;
        is['\n'] = is['@'] = is['.'] = is[':'] = true;
    }
};
const StopBytes kStop;

// Where a link begins when the stop at i ends "www." or "http:" of one,
// else npos.
size_t LinkStart(const char* s, size_t n, size_t i, bool* pbWeb)
{
    if (s[i] == '.' && i >= 3 && StartsNoCase(s + i - 3, n - i + 3, "www.")) {
        *pbWeb = true;
        return i - 3;
    }
    if (s[i] == ':' && i >= 4 && StartsNoCase(s + i - 4, n - i + 4, "http://")) {
        *pbWeb = false;
        return i - 4;
    }
    return std::string::npos;
}

std::string PlainToHtml(const char* s, size_t n)
{
    std::string out;
    out.reserve(n + n / 8);
    // Where the current word began, in the text and in the output: a mail
    // address replaces everything of its word that was already written.
    size_t wordText = 0;
    size_t wordOut = 0;
    size_t i = 0;
    while (i < n) {
        if (!kStop.is[static_cast<unsigned char>(s[i])]) {
            size_t run = i;
            do
                ++i;
            while (i < n && !kStop.is[static_cast<unsigned char>(s[i])]);
            size_t runOut = out.size();
            out.append(s + run, i - run);
            for (size_t k = i; k > run; --k) {
                if (s[k - 1] == ' ') {
                    wordText = k;
                    wordOut = runOut + (k - run);
                    break;
                }
            }
            continue;
        }
        unsigned char c = static_cast<unsigned char>(s[i]);
        bool web = false;
        size_t link = (c == '.' || c == ':') ? LinkStart(s, n, i, &web) : std::string::npos;
        if (link != std::string::npos) {
            // The letters before the stop were copied as they are.
            out.resize(out.size() - (i - link));
            size_t end = i;
            while (end < n && !EndsLink(s, n, end))
                ++end;
            AppendLink(out, web ? "http://" : "", s + link, end - link);
            i = end;
            continue;
        }
        if (c == '@') {
            size_t end = i + 1;
            while (end < n && !EndsAddress(s, n, end))
                ++end;
            out.resize(wordOut);
            AppendLink(out, "mailto:", s + wordText, end - wordText);
            // The space or line end after the address belongs to the link.
            if (end < n)
                end += s[end] == '\r' ? 2 : 1;
            i = end;
            wordText = i;
            wordOut = out.size();
            continue;
        }
        if (c == '\n')
            out += "<BR>\n";
        else if (const char* entity = EntityOf(c))
            out += entity;
        else
            out += static_cast<char>(c);
        ++i;
        if (c == '\n') {
            wordText = i;
            wordOut = out.size();
        }
    }
    return out;
}

} // namespace

CString ConvertTextToHtml(LPCSTR pchText, int nLength)
{
    if (!pchText || nLength <= 0)
        return CString();
    // The text ends at its first NUL, whether that is the one an import
    // put behind the bytes or one the rich text escapes: pages never hold
    // NUL bytes.
    CString plain;
    const char* text = pchText;
    size_t length = static_cast<size_t>(nLength);
    if (IsRichText(pchText, nLength)) {
        ConvertRtfToText(pchText, nLength, plain);
        text = plain.GetString();
        length = plain.GetLength();
    }
    if (const void* nul = memchr(text, 0, length))
        length = static_cast<const char*>(nul) - text;
    std::string html = PlainToHtml(text, length);
    return CString(html.data(), static_cast<int>(html.size()));
}

CString ConvertTextToHtml(const CString& strText)
{
    return ConvertTextToHtml(strText.GetString(), strText.GetLength());
}

CString EscapeScriptString(const CString& strText)
{
    std::string out;
    const char* s = strText.GetString();
    int n = strText.GetLength();
    out.reserve(n + 16);
    for (int i = 0; i < n; ++i) {
        char c = s[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\0': out += "\\x00"; break;
        case '/':
        case '!':
            // "</" would end the script element around the line, and "<!--"
            // could keep the real end tag from ending it.
            if (i > 0 && s[i - 1] == '<')
                out += '\\';
            out += c;
            break;
        default: out += c; break;
        }
    }
    return CString(out.data(), static_cast<int>(out.size()));
}
