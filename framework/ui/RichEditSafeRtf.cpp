#include "framework/ui/RichEditSafeRtf.h"

#include "framework/core/Archive.h"

#include <richedit.h>

#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include <utility>
#include <vector>

namespace {

DWORD CALLBACK StringStreamIn(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    auto* pSource = reinterpret_cast<std::pair<const std::string*, size_t>*>(dwCookie);
    const size_t nLeft = pSource->first->size() - pSource->second;
    const size_t nCopy = nLeft < static_cast<size_t>(cb) ? nLeft : static_cast<size_t>(cb);
    memcpy(pbBuff, pSource->first->data() + pSource->second, nCopy);
    pSource->second += nCopy;
    *pcb = static_cast<LONG>(nCopy);
    return 0;
}

BOOL IsLetter(char ch)
{
    return isalpha(static_cast<unsigned char>(ch)) != 0;
}

BOOL IsDigit(char ch)
{
    return isdigit(static_cast<unsigned char>(ch)) != 0;
}

// One pass over the rich text, token by token as the control reads it. It
// knows no binary data (braces inside "\bin" data are groups to it too),
// and it counts its table of open groups, not the nesting: a group that
// opens where the characters after a "\u" are being passed over is counted
// twice and closed once, so such groups add up even side by side.
class CRtfTrimmer
{
public:
    explicit CRtfTrimmer(const std::string& rtf) : m_in(rtf) { m_out.reserve(rtf.size()); }

    BOOL Run()
    {
        while (m_pos < m_in.size()) {
            const char ch = m_in[m_pos];
            if (ch == '{')
                OpenGroup();
            else if (ch == '}')
                CloseGroup();
            else if (ch == '\\')
                Backslash();
            else if (ch == '\r' || ch == '\n' || ch == '\0')
                m_out += m_in[m_pos++];   // the control passes over them unseen
            else
                Text(1);
        }
        return m_bChanged;
    }

    std::string& Result() { return m_out; }

private:
    struct Group
    {
        BOOL bKept;
        int nOuterUnicodeSkip;   // the enclosing group's "\uc" value
    };

    void Drop() { m_bChanged = TRUE; }

    void OpenGroup()
    {
        const int nCount = m_nSkipAfterUnicode > 0 ? 2 : 1;
        const BOOL bKept = m_nTableTop + nCount <= kRichEditMaxGroupDepth;
        if (bKept) {
            m_nTableTop += nCount;
            m_nSkipAfterUnicode = 0;
            m_out += '{';
        } else {
            Drop();
        }
        m_groups.push_back({ bKept, m_nUnicodeSkip });
        m_bGroupStart = TRUE;
        m_nNameRun = 0;
        ++m_pos;
    }

    // A brace dropped is never seen by the control, so it leaves the
    // characters after a "\u" still to be passed over.
    void CloseGroup()
    {
        BOOL bKept = TRUE;
        if (!m_groups.empty()) {
            bKept = m_groups.back().bKept;
            m_nUnicodeSkip = m_groups.back().nOuterUnicodeSkip;
            if (static_cast<int>(m_groups.size()) == m_nTableLevel)
                m_nTableLevel = 0;
            m_groups.pop_back();
        }
        if (bKept) {
            m_out += '}';
            m_nSkipAfterUnicode = 0;
            if (m_nTableTop > 0)
                --m_nTableTop;
        } else {
            Drop();
        }
        m_bGroupStart = FALSE;
        m_nNameRun = 0;
        ++m_pos;
    }

    // A character of the text, nBytes long in the input (a hex or escaped
    // character takes more than one). Inside the font table or the style
    // sheet the control gathers a run of them up to a ";" as one name.
    void Text(size_t nBytes)
    {
        if (m_nTableLevel != 0 && nBytes == 1 && m_in[m_pos] == ';')
            m_nNameRun = 0;
        if (m_nTableLevel != 0 && ++m_nNameRun > kRichEditMaxTableName) {
            Drop();
        } else {
            m_out.append(m_in, m_pos, nBytes);
            if (m_nSkipAfterUnicode > 0)
                --m_nSkipAfterUnicode;
        }
        m_bGroupStart = FALSE;
        m_pos += nBytes;
    }

    void Backslash()
    {
        if (m_pos + 1 >= m_in.size()) {
            m_out += '\\';
            ++m_pos;
            return;
        }
        const char next = m_in[m_pos + 1];
        if (IsLetter(next)) {
            ControlWord();
        } else if (next == '\'') {
            // The control takes the two characters after it, whatever they are.
            Text(m_in.size() - m_pos < 4 ? m_in.size() - m_pos : 4);
        } else if (next == '{' || next == '}' || next == '\\' || next == ':') {
            Text(2);
        } else {
            // A control symbol; "\*" leaves the group's destination word to come.
            m_out.append(m_in, m_pos, 2);
            if (next != '*')
                m_bGroupStart = FALSE;
            m_nSkipAfterUnicode = 0;
            m_nNameRun = 0;
            m_pos += 2;
        }
    }

    // Appends up to nKeep characters of the run at m_pos that pred accepts
    // and passes over the rest.
    template <typename Pred>
    std::string TakeRun(Pred pred, size_t nKeep)
    {
        const size_t nStart = m_pos;
        while (m_pos < m_in.size() && pred(m_in[m_pos]))
            ++m_pos;
        const size_t nRun = m_pos - nStart;
        if (nRun > nKeep)
            Drop();
        std::string kept = m_in.substr(nStart, nRun < nKeep ? nRun : nKeep);
        m_out += kept;
        return kept;
    }

    void ControlWord()
    {
        m_out += '\\';
        ++m_pos;
        const std::string word = TakeRun(IsLetter, kRichEditMaxControlWord);
        BOOL bNegative = FALSE;
        if (m_pos < m_in.size() && m_in[m_pos] == '-') {
            m_out += '-';
            ++m_pos;
            bNegative = TRUE;
        }
        const std::string digits = TakeRun(IsDigit, kRichEditMaxParameter);
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') {
            m_out += ' ';
            ++m_pos;
        }
        m_nSkipAfterUnicode = 0;
        if (word == "u")
            m_nSkipAfterUnicode = m_nUnicodeSkip;
        else if (word == "uc")
            m_nUnicodeSkip = bNegative || digits.empty() ? 0 : atoi(digits.c_str());
        if (m_bGroupStart && m_nTableLevel == 0 && (word == "fonttbl" || word == "stylesheet"))
            m_nTableLevel = static_cast<int>(m_groups.size());
        m_bGroupStart = FALSE;
        m_nNameRun = 0;
    }

    const std::string& m_in;
    std::string m_out;
    size_t m_pos = 0;
    std::vector<Group> m_groups;   // the groups open in the text
    int m_nTableTop = 0;           // entries of the control's group table in use
    int m_nUnicodeSkip = 1;        // characters passed over after a "\u" ("\uc")
    int m_nSkipAfterUnicode = 0;   // of those, still to come
    int m_nTableLevel = 0;         // nesting of the open font table or style sheet, 0 outside
    int m_nNameRun = 0;            // text characters of the table's current name
    BOOL m_bGroupStart = FALSE;    // nothing but "\*" since the last "{"
    BOOL m_bChanged = FALSE;
};

} // namespace

BOOL AfxIsRichEditRtf(const char* pText, size_t nLength)
{
    return (nLength >= 5 && memcmp(pText, "{\\rtf", 5) == 0) || (nLength >= 6 && memcmp(pText, "{\\urtf", 6) == 0);
}

BOOL AfxMakeRtfSafeForRichEdit(std::string& rtf)
{
    if (!AfxIsRichEditRtf(rtf.data(), rtf.size()))
        return FALSE;
    CRtfTrimmer trimmer(rtf);
    if (!trimmer.Run())
        return FALSE;
    rtf.swap(trimmer.Result());
    return TRUE;
}

LRESULT AfxStreamInSafely(HWND hWnd, std::string text, int nFormat)
{
    if (nFormat & SF_RTF)
        AfxMakeRtfSafeForRichEdit(text);
    std::pair<const std::string*, size_t> source(&text, 0);
    EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&source), 0, StringStreamIn };
    return ::SendMessageA(hWnd, EM_STREAMIN, static_cast<WPARAM>(nFormat), reinterpret_cast<LPARAM>(&es));
}

std::string AfxReadRestOfArchive(CArchive& ar)
{
    std::string text;
    char buffer[4096];
    UINT nRead;
    while ((nRead = ar.Read(buffer, sizeof(buffer))) > 0)
        text.append(buffer, nRead);
    return text;
}
