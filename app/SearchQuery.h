// The search window's query: terms typed with spaces between them, phrases
// in double quotes, '+' for a term that must occur and '-' for one that
// must not. Each term is kept twice, plain and with the German letters
// escaped as rich text writes them, so a note stored as RTF is found by
// the umlauts it shows.
//
// Titles and notes are bytes with a length: a note may hold NULs or lack
// its terminating one, so nothing here reads them as C strings.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringList.h"

#include <string>
#include <vector>

class C_QivItem;

class CQivSearchQuery
{
public:
    CQivSearchQuery();

    // Replaces the terms by those of strText.
    void Parse(const CString& strText);

    // The terms in order, each followed by its escaped form, a mark ('+'
    // or '-') kept in front.
    const CStringList& GetTerms() const { return m_lstTerms; }
    BOOL IsEmpty() const { return m_lstTerms.IsEmpty(); }
    // The first term without a leading '+' (what an opened hit looks for
    // in its note); empty when there is none.
    CString GetFirstTerm() const;

    // TRUE when the item is a hit: with no terms every item is; otherwise
    // no excluded term occurs, every required one does, and at least one
    // term occurs in the title or (for an entry) the note less its last
    // byte, all without regard to case.
    BOOL Matches(const C_QivItem* pItem) const;

    // The term with Ä Ö Ü ß ä ö ü written as \'c4 \'d6 \'dc \'df \'e4 \'f6 \'fc.
    static CString EscapeGermanLetters(const CString& strTerm);

private:
    CStringList m_lstTerms;
    // The terms lower-cased and without their marks, in list order.
    struct Needle
    {
        std::string text;
        char mark;    // '+', '-' or 0
    };
    std::vector<Needle> m_needles;
    // Scratch space for the lower-cased title and note of the item tested.
    mutable std::string m_title;
    mutable std::string m_text;
};
