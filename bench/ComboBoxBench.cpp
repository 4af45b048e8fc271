// Typing into an auto-complete combo box of 10,000 items: 500 keystrokes
// into the combo's focused field (each completes from the list, selects the
// completed part and follows the list) beside the same number of
// LB_FINDSTRING, WM_SETTEXT and EM_SETSEL calls on a plain list box and a
// plain edit window holding the same items. Both sides start a word the
// same way, by selecting the whole field. Rounds of both alternate in one
// run; the combo should take at most three times the plain windows' time.
// Neither side draws inside the timed loop (both windows draw when the
// thread is idle), so a second pair of rounds draws every keystroke at once
// on both sides, to show what the drawing adds.
#include "bench/BenchCommon.h"

#include "framework/ui/Wnd.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/Controls.h"

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int ITEMS = 10000;
const int KEYSTROKES = 500;
const int ROUNDS = 10;

// Item texts of pseudo-random lower-case letters, the same every run.
std::vector<std::string> MakeItems()
{
    std::vector<std::string> items;
    unsigned int nSeed = 12345;
    for (int i = 0; i < ITEMS; ++i)
    {
        std::string strItem;
        for (int c = 0; c < 8; ++c)
        {
            nSeed = nSeed * 1103515245u + 12345u;
            strItem += static_cast<char>('a' + (nSeed >> 16) % 26);
        }
        items.push_back(strItem);
    }
    return items;
}

// The keys typed: the first four letters of items spread over the list,
// each word started afresh.
std::string MakeKeys(const std::vector<std::string>& items)
{
    std::string strKeys;
    for (int i = 0; static_cast<int>(strKeys.size()) < KEYSTROKES; ++i)
        strKeys += items[(i * 7919) % ITEMS].substr(0, 4);
    strKeys.resize(KEYSTROKES);
    return strKeys;
}

// Each round's ratio of the two sides, measured right after one another,
// so that a change of the machine's load between rounds cancels out.
double MedianRatio(const std::vector<double>& measured, const std::vector<double>& baseline)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < measured.size() && i < baseline.size(); ++i)
        if (baseline[i] > 0)
            ratios.push_back(measured[i] / baseline[i]);
    if (ratios.empty())
        return 0;
    std::sort(ratios.begin(), ratios.end());
    const size_t n = ratios.size();
    return n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
}

class CTyping
{
public:
    CTyping(CXTPControlComboBox* pCombo, HWND hWndList, HWND hWndEdit, const std::string& strKeys)
        : m_pCombo(pCombo), m_hWndField(pCombo->GetEditCtrl()->GetSafeHwnd()), m_hWndList(hWndList),
          m_hWndEdit(hWndEdit), m_strKeys(strKeys)
    {
    }

    // The keystrokes into the combo's field; bDraw draws each at once.
    double Combo(BOOL bDraw)
    {
        // The field reports typing only while it has the focus.
        ::SetFocus(m_hWndField);
        if (!m_pCombo->IsFocused())
            fprintf(stderr, "the combo did not get the focus\n");
        const double dStart = bench::Now();
        for (int i = 0; i < KEYSTROKES; ++i)
        {
            if (i % 4 == 0)
                ::SendMessageA(m_hWndField, EM_SETSEL, 0, -1);
            // As the bar does: the focused combo sees the key first and
            // leaves it to its field.
            const UINT nKey = static_cast<UINT>(::VkKeyScanA(m_strKeys[i]) & 0xFF);
            m_pCombo->ProcessFocusedKey(nKey, 0);
            ::SendMessageA(m_hWndField, WM_CHAR, static_cast<BYTE>(m_strKeys[i]), 1);
            if (bDraw)
                ::UpdateWindow(m_hWndField);
        }
        return bench::Now() - dStart;
    }

    // The same search, text and selection on the plain windows.
    double Plain(BOOL bDraw)
    {
        const double dStart = bench::Now();
        std::string strTyped;
        char szFound[64] = {};
        for (int i = 0; i < KEYSTROKES; ++i)
        {
            if (i % 4 == 0)
            {
                ::SendMessageA(m_hWndEdit, EM_SETSEL, 0, -1);
                strTyped.clear();
            }
            strTyped += m_strKeys[i];
            const LRESULT nFound = ::SendMessageA(m_hWndList, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(strTyped.c_str()));
            if (nFound >= 0)
                ::SendMessageA(m_hWndList, LB_GETTEXT, nFound, reinterpret_cast<LPARAM>(szFound));
            LPCSTR pszShown = nFound >= 0 ? szFound : strTyped.c_str();
            ::SendMessageA(m_hWndEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pszShown));
            ::SendMessageA(m_hWndEdit, EM_SETSEL, static_cast<WPARAM>(lstrlenA(pszShown)),
                           static_cast<LPARAM>(strTyped.size()));
            if (bDraw)
                ::UpdateWindow(m_hWndEdit);
        }
        return bench::Now() - dStart;
    }

private:
    CXTPControlComboBox* m_pCombo;
    HWND m_hWndField;
    HWND m_hWndList;
    HWND m_hWndEdit;
    const std::string& m_strKeys;
};

// Prints both sides and the median of the rounds' ratios; flags either side
// whose rounds lie too far apart. Answers that ratio.
double Report(const char* pszName, const bench::Rounds& combo, const std::vector<double>& comboTimes,
              const bench::Rounds& plain, const std::vector<double>& plainTimes)
{
    const double dMedians = bench::ReportAgainst(pszName, combo, "LB_FINDSTRING + WM_SETTEXT + EM_SETSEL", plain);
    const double dRatio = MedianRatio(comboTimes, plainTimes);
    printf("%-44s spread %.2fx; median of the rounds' ratios %.2fx%s\n", pszName, combo.Spread(), dRatio,
           combo.Spread() > bench::kMaxBaselineSpread || dMedians == 0 ? " (UNSTABLE: machine busy)" : "");
    return dRatio;
}

} // namespace

int main()
{
    const std::vector<std::string> items = MakeItems();
    const std::string strKeys = MakeKeys(items);

    CWnd owner;
    if (!owner.CreateEx(0, AfxRegisterWndClass(0), "Kombinationsfeld", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        0, 0, 400, 200, nullptr, nullptr))
    {
        fprintf(stderr, "no owner window\n");
        return 1;
    }
    ::SetForegroundWindow(owner.m_hWnd);
    CXTPCommandBar bar;
    bar.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 380, 30), &owner, 1);
    bar.SetSite(&owner);
    auto* pCombo = static_cast<CXTPControlComboBox*>(bar.GetControls()->Add(xtpControlComboBox, 300));
    pCombo->SetDropDown(TRUE);
    pCombo->EnableAutoComplete(TRUE);
    for (const std::string& strItem : items)
        pCombo->AddString(strItem.c_str());
    pCombo->SetRect(CRect(10, 2, 200, 26));

    HWND hWndList = ::CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, owner.m_hWnd,
                                      nullptr, nullptr, nullptr);
    HWND hWndEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 40, 200,
                                      24, owner.m_hWnd, nullptr, nullptr, nullptr);
    for (const std::string& strItem : items)
        ::SendMessageA(hWndList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strItem.c_str()));

    CTyping typing(pCombo, hWndList, hWndEdit, strKeys);
    bench::Rounds combo, plain, comboDrawn, plainDrawn;
    std::vector<double> comboTimes, plainTimes, comboDrawnTimes, plainDrawnTimes;
    // Round 0 warms both up and is not counted.
    for (int nRound = 0; nRound <= ROUNDS; ++nRound)
    {
        const double dCombo = typing.Combo(FALSE);
        const double dPlain = typing.Plain(FALSE);
        const double dComboDrawn = typing.Combo(TRUE);
        const double dPlainDrawn = typing.Plain(TRUE);
        if (nRound == 0)
            continue;
        combo.Add(dCombo);
        comboTimes.push_back(dCombo);
        plain.Add(dPlain);
        plainTimes.push_back(dPlain);
        comboDrawn.Add(dComboDrawn);
        comboDrawnTimes.push_back(dComboDrawn);
        plainDrawn.Add(dPlainDrawn);
        plainDrawnTimes.push_back(dPlainDrawn);
    }
    const CString strCompleted = pCombo->GetText();
    printf("last completion: %s\n", static_cast<LPCSTR>(strCompleted));
    const double dRatio = Report("auto-complete combo, 500 keys into 10,000 items", combo, comboTimes, plain,
                                 plainTimes);
    printf("ratio %.2f (target at most 3)\n", dRatio);
    const double dDrawn = Report("the same, each keystroke drawn at once", comboDrawn, comboDrawnTimes,
                                 plainDrawn, plainDrawnTimes);
    printf("ratio with drawing %.2f (for information)\n", dDrawn);

    bar.GetControls()->RemoveAll();
    ::DestroyWindow(hWndList);
    owner.DestroyWindow();
    return 0;
}
