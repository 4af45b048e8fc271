// Typing into an auto-complete combo box of 10,000 items: 500 keystrokes
// into the combo's focused field (each completes from the list, selects the
// completed part and follows the list) beside the same number of
// LB_FINDSTRING, WM_SETTEXT and EM_SETSEL calls on a plain list box and a
// plain edit window holding the same items. Rounds of both alternate in one
// run; the combo should take at most three times the plain windows' time.
#include "bench/BenchCommon.h"

#include "framework/ui/Wnd.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/Controls.h"

#include <stdio.h>

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
    HWND hWndField = pCombo->GetEditCtrl()->GetSafeHwnd();

    HWND hWndList = ::CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, owner.m_hWnd,
                                      nullptr, nullptr, nullptr);
    HWND hWndEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 40, 200,
                                      24, owner.m_hWnd, nullptr, nullptr, nullptr);
    for (const std::string& strItem : items)
        ::SendMessageA(hWndList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strItem.c_str()));

    bench::Rounds comboRounds;
    bench::Rounds plainRounds;
    // Round 0 warms both up and is not counted.
    for (int nRound = 0; nRound <= ROUNDS; ++nRound)
    {
        // The field reports typing only while it has the focus.
        ::SetFocus(hWndField);
        if (!pCombo->IsFocused())
            fprintf(stderr, "the combo did not get the focus\n");
        double dStart = bench::Now();
        for (int i = 0; i < KEYSTROKES; ++i)
        {
            if (i % 4 == 0)
                ::SendMessageA(hWndField, EM_SETSEL, 0, -1);
            // As the bar does: the focused combo sees the key first and
            // leaves it to its field.
            const UINT nKey = static_cast<UINT>(::VkKeyScanA(strKeys[i]) & 0xFF);
            pCombo->ProcessFocusedKey(nKey, 0);
            ::SendMessageA(hWndField, WM_CHAR, static_cast<BYTE>(strKeys[i]), 1);
        }
        if (nRound > 0)
            comboRounds.Add(bench::Now() - dStart);

        dStart = bench::Now();
        std::string strTyped;
        char szFound[64] = {};
        for (int i = 0; i < KEYSTROKES; ++i)
        {
            if (i % 4 == 0)
                strTyped.clear();
            strTyped += strKeys[i];
            const LRESULT nFound = ::SendMessageA(hWndList, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(strTyped.c_str()));
            if (nFound >= 0)
                ::SendMessageA(hWndList, LB_GETTEXT, nFound, reinterpret_cast<LPARAM>(szFound));
            ::SendMessageA(hWndEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(nFound >= 0 ? szFound : strTyped.c_str()));
            ::SendMessageA(hWndEdit, EM_SETSEL, static_cast<WPARAM>(lstrlenA(szFound)), static_cast<LPARAM>(strTyped.size()));
        }
        if (nRound > 0)
            plainRounds.Add(bench::Now() - dStart);
    }
    const CString strCompleted = pCombo->GetText();
    printf("last completion: %s\n", static_cast<LPCSTR>(strCompleted));
    const double dRatio = bench::ReportAgainst("auto-complete combo, 500 keys into 10,000 items", comboRounds,
                                               "LB_FINDSTRING + WM_SETTEXT + EM_SETSEL", plainRounds);
    printf("ratio %.2f (target at most 3)\n", dRatio);

    bar.GetControls()->RemoveAll();
    ::DestroyWindow(hWndList);
    owner.DestroyWindow();
    return 0;
}
