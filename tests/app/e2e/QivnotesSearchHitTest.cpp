// The search window of the real program: a hit opened with "Gehe zu" shows
// its entry with the first term's first occurrence selected, in plain and
// rich-text notes, umlauts and case as the user typed them.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "app/res/resource.h"
#include "toolkit/input/InputTestSupport.h"

#include <richedit.h>

#include <string>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

struct SearchHit
{
    const char* pszQuery;
    const char* pszEntry;   // the one hit
    int nStart;             // the selection in the shown note
    int nEnd;
};

class QivnotesSearchHit : public e2e::QivnotesTest
{
};

void ClickOn(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ASSERT_TRUE(ClickAt(POINT{ (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 }));
}

// The note's selection once it is not 0-0 any more, or 0-0 after 3 s.
std::pair<int, int> WaitForSelection(HWND hNote)
{
    const DWORD_PTR dwSel = CQivnotesProcess::WaitForAnswer(hNote, EM_GETSEL);
    return { LOWORD(dwSel), HIWORD(dwSel) };
}

TEST_F(QivnotesSearchHit, GoToSelectsTheFirstOccurrenceOfTheFirstTerm)
{
    const std::vector<std::pair<std::string, std::string>> notes = {
        { "Plan", "Erst Dienstag, dann Montag und wieder Montag" },
        { "Einkauf", "Der Käse vom Markt" },
        { "Brief", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}Liebe {\\b Gr\\'fc\\'dfe} und nochmals "
                   "Gr\\'fc\\'dfe\\par}" },
        { "Termin", "{\\rtf1\\ansi Am {\\i Montag} um acht, am Montag um neun\\par}" },
    };
    // Each hit in another entry than the one before it, so that a list
    // still showing the last search is told apart.
    const std::vector<SearchHit> hits = {
        { "+Dienstag Montag", "Plan", 5, 13 },
        { "KÄSE", "Einkauf", 4, 8 },
        { "+\"und wieder\" Montag", "Plan", 27, 37 },
        { "grüße", "Brief", 6, 11 },
        { "acht", "Termin", 13, 17 },
    };
    const CString strFile = WriteCategory("search-hit", "Post.qiv", "Post", notes);
    CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Post"));
    ASSERT_EQ("Post", program.WaitForSelectedTreeText("Post"));
    program.PostCommand(ID_SEARCH);
    HWND hSearch = program.WaitForWindow("Einträge suchen");
    ASSERT_NE(nullptr, hSearch);

    for (const SearchHit& hit : hits) {
        ASSERT_TRUE(MakeForeground(hSearch));
        ::SendMessageA(::GetDlgItem(hSearch, IDC_SEARCH_TERMS), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(hit.pszQuery));
        ClickOn(::GetDlgItem(hSearch, IDC_SEARCH_START));
        // The click arrives as input, after any message sent now: the
        // search has run once its hit stands in the list.
        HWND hResults = ::GetDlgItem(hSearch, IDC_SEARCH_RESULTS);
        for (int i = 0; i < 300 && program.ListCellText(hResults, 0, 0) != hit.pszEntry; ++i)
            ::Sleep(10);
        ASSERT_TRUE(program.WaitUntilIdle());
        ASSERT_EQ(1, ::SendMessageA(hResults, LVM_GETITEMCOUNT, 0, 0)) << hit.pszQuery;
        ASSERT_EQ(hit.pszEntry, program.ListCellText(hResults, 0, 0)) << hit.pszQuery;
        HWND hGoTo = ::GetDlgItem(hSearch, IDC_SEARCH_GOTO);
        ClickOn(hGoTo);
        ASSERT_EQ(hit.pszEntry, program.WaitForSelectedTreeText(hit.pszEntry)) << hit.pszQuery;
        HWND hNote = program.FindChild("RichEdit20A");
        ASSERT_NE(nullptr, hNote);
        EXPECT_EQ(std::make_pair(hit.nStart, hit.nEnd), WaitForSelection(hNote)) << hit.pszQuery;
    }
    EXPECT_EQ(0, program.Close());
}

} // namespace
