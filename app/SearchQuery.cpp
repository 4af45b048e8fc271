#include "app/SearchQuery.h"

#include "model/ItemWalk.h"
#include "model/QivItem.h"

#include <string_view>

namespace {

// Lower case of every code-page byte, as the system's lower-casing gives it
// (umlauts included), built once: the search lower-cases every note.
const unsigned char* LowerCaseTable()
{
    static unsigned char s_table[256];
    static bool s_bBuilt = false;
    if (!s_bBuilt) {
        char chars[256];
        for (int i = 0; i < 256; ++i)
            chars[i] = static_cast<char>(i);
        ::CharLowerBuffA(chars + 1, 255);
        s_table[0] = 0;
        for (int i = 1; i < 256; ++i)
            s_table[i] = static_cast<unsigned char>(chars[i]);
        s_bBuilt = true;
    }
    return s_table;
}

void AssignLower(std::string& out, const char* p, size_t n)
{
    const unsigned char* pTable = LowerCaseTable();
    out.resize(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<char>(pTable[static_cast<unsigned char>(p[i])]);
}

bool Contains(const std::string& haystack, const std::string& needle)
{
    return std::string_view(haystack).find(needle) != std::string_view::npos;
}

} // namespace

CQivSearchQuery::CQivSearchQuery() : m_lstTerms(10)
{
}

CString CQivSearchQuery::EscapeGermanLetters(const CString& strTerm)
{
    CString strEscaped;
    for (int i = 0; i < strTerm.GetLength(); ++i) {
        unsigned char ch = static_cast<unsigned char>(strTerm[i]);
        switch (ch) {
        case 0xC4: case 0xD6: case 0xDC: case 0xDF: case 0xE4: case 0xF6: case 0xFC: {
            CString strHex;
            strHex.Format("\\'%02x", ch);
            strEscaped += strHex;
            break;
        }
        default:
            strEscaped += static_cast<char>(ch);
        }
    }
    return strEscaped;
}

void CQivSearchQuery::Parse(const CString& strText)
{
    m_lstTerms.RemoveAll();
    m_needles.clear();
    const int nLength = strText.GetLength();
    int i = 0;
    while (i < nLength) {
        while (i < nLength && strText[i] == ' ')
            ++i;
        if (i >= nLength)
            break;
        // A character right before an opening quote is the quoted term's
        // mark when it is '+' or '-', and dropped in any case.
        CString strMark;
        if (i + 1 < nLength && strText[i + 1] == '"') {
            if (strText[i] == '+' || strText[i] == '-')
                strMark = CString(strText[i]);
            ++i;
        }
        char chEnd = ' ';
        if (strText[i] == '"') {
            chEnd = '"';
            ++i;
        }
        int nStart = i;
        while (i < nLength && strText[i] != chEnd)
            ++i;
        CString strTerm = strText.Mid(nStart, i - nStart);
        if (!strTerm.IsEmpty()) {
            strTerm = strMark + strTerm;
            m_lstTerms.AddTail(strTerm);
            m_lstTerms.AddTail(EscapeGermanLetters(strTerm));
        }
        ++i;    // the closing quote or the space
    }

    for (POSITION pos = m_lstTerms.GetHeadPosition(); pos;) {
        const CString& strTerm = m_lstTerms.GetNext(pos);
        Needle needle;
        needle.mark = 0;
        int nSkip = 0;
        if (!strTerm.IsEmpty() && (strTerm[0] == '+' || strTerm[0] == '-')) {
            needle.mark = strTerm[0];
            nSkip = 1;
        }
        AssignLower(needle.text, strTerm.GetString() + nSkip, strTerm.GetLength() - nSkip);
        m_needles.push_back(std::move(needle));
    }
}

CString CQivSearchQuery::GetFirstTerm() const
{
    if (m_lstTerms.IsEmpty())
        return CString();
    CString strTerm = m_lstTerms.GetHead();
    if (!strTerm.IsEmpty() && strTerm[0] == '+')
        strTerm = strTerm.Mid(1);
    return strTerm;
}

BOOL CQivSearchQuery::Matches(const C_QivItem* pItem) const
{
    if (m_needles.empty())
        return TRUE;
    AssignLower(m_title, pItem->m_strTitle.GetString(), pItem->m_strTitle.GetLength());
    m_text.clear();
    if (const C_QivEntry* pEntry = QivAsEntry(const_cast<C_QivItem*>(pItem))) {
        // The note less its last byte (the NUL that plain notes carry).
        if (pEntry->m_pText && pEntry->m_nTextLength > 0)
            AssignLower(m_text, reinterpret_cast<const char*>(pEntry->m_pText), pEntry->m_nTextLength - 1);
    }
    BOOL bMarked = FALSE;
    for (const Needle& needle : m_needles) {
        bool bFound = Contains(m_title, needle.text) || Contains(m_text, needle.text);
        if (needle.mark == '-' && bFound)
            return FALSE;
        if (needle.mark == '+' && !bFound)
            return FALSE;
        if (bFound && needle.mark != '-')
            bMarked = TRUE;
    }
    return bMarked;
}
