// Every way of formatting a note in the real program, each alone on its own
// entry: the note counts as modified at once, the format goes into the
// entry when another one is selected, and the saved card file holds it.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "model/QivItem.h"
#include "toolkit/input/InputTestSupport.h"

#include <commctrl.h>
#include <richedit.h>

#include <ctype.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

// How the user gives the format: a menu or toolbar command, a command whose
// dialog is then answered, or a key.
struct FormatWay
{
    const char* pszTitle;
    std::function<void(const CQivnotesProcess&)> apply;
    const char* pszRtf;   // the control word the saved note then holds before its text
};

// Clicks the dialog's button without waiting for the dialog to close.
void ClickInDialog(HWND hDialog, int nID)
{
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

// Whether the control word (with its parameter, if one is given) stands in
// the rich text before nEnd as a word of its own: "\b" is not the start of
// "\blue", "\cf1" not of "\cf12", and "\b0" switches bold off.
bool HoldsControlWord(const std::string& rtf, size_t nEnd, const std::string& word)
{
    const bool bParameterGiven = isdigit(static_cast<unsigned char>(word.back())) != 0;
    for (size_t nAt = rtf.find(word); nAt < nEnd; nAt = rtf.find(word, nAt + 1)) {
        const char next = nAt + word.size() < rtf.size() ? rtf[nAt + word.size()] : ' ';
        if (isalpha(static_cast<unsigned char>(next)))
            continue;
        if (isdigit(static_cast<unsigned char>(next)) && (bParameterGiven || next == '0'))
            continue;
        return true;
    }
    return false;
}

// A command handled whole before this returns.
void Command(const CQivnotesProcess& program, UINT nID)
{
    program.SendCommand(program.MainWindow(), nID);
}

class QivnotesFormat : public e2e::QivnotesTest
{
};

TEST_F(QivnotesFormat, EachFormatAloneMarksTheNoteModifiedAndReachesTheSavedFile)
{
    const std::vector<FormatWay> ways = {
        { "Zentriert", [](const CQivnotesProcess& p) { Command(p, ID_FORMAT_ALIGN_CENTER); }, "\\qc" },
        { "Rechts", [](const CQivnotesProcess& p) { Command(p, ID_FORMAT_ALIGN_RIGHT); }, "\\qr" },
        { "Aufzählung", [](const CQivnotesProcess& p) { Command(p, ID_FORMAT_BULLETS); }, "\\pn" },
        { "Absatz",
          [](const CQivnotesProcess& p) {
              p.PostCommand(ID_FORMAT_PARAGRAPH);
              HWND hDialog = p.WaitForDialog();
              ASSERT_NE(nullptr, hDialog);
              ::SendMessageA(::GetDlgItem(hDialog, IDC_PARA_INDENT_RIGHT), WM_SETTEXT, 0,
                             reinterpret_cast<LPARAM>("1 cm"));
              ASSERT_TRUE(p.PressButton(hDialog, IDOK));
          },
          "\\ri570" },
        { "Fett", [](const CQivnotesProcess& p) { Command(p, ID_FORMAT_BOLD); }, "\\b" },
        { "Rot", [](const CQivnotesProcess& p) { Command(p, ID_COLOR_BLACK + 9); }, "\\cf1" },
        { "Hoch",
          [](const CQivnotesProcess& p) {
              p.PostCommand(ID_FORMAT_SUPERSUB);
              HWND hDialog = p.WaitForDialog();
              ASSERT_NE(nullptr, hDialog);
              ClickInDialog(hDialog, IDC_SUPERSCRIPT);
              ASSERT_TRUE(p.PressButton(hDialog, IDOK));
          },
          "\\up" },
        // 40 twips more than the default 219: 12.95 points.
        { "Größer", [](const CQivnotesProcess&) { TapKeyWith(VK_CONTROL, '9'); }, "\\fs25" },
    };
    std::vector<std::pair<std::string, std::string>> entries;
    for (const FormatWay& way : ways)
        entries.push_back({ way.pszTitle, "Montag bis Freitag" });
    const CString strFile = WriteCategory("format", "Woche.qiv", "Woche", entries);
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile, std::string("Woche\\") + ways.front().pszTitle));
    std::vector<HTREEITEM> handles;
    const std::vector<CQivnotesProcess::TreeRow> rows = program.TreeRows(&handles);
    ASSERT_EQ(ways.size() + 2, rows.size());

    for (size_t i = 0; i < ways.size(); ++i) {
        const FormatWay& way = ways[i];
        ASSERT_TRUE(program.SelectTreeItem(handles[i + 2]));
        ASSERT_EQ(way.pszTitle, program.WaitForSelectedTreeText(way.pszTitle));
        // A click into the note makes it the view the commands go to; the
        // whole note is then selected.
        HWND hNote = ClickIntoNote(program);
        ASSERT_NE(nullptr, hNote);
        ASSERT_TRUE(program.WaitUntilIdle());
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(hNote, EM_SETSEL, 0, -1, SMTO_NORMAL, 30000, &dwResult);
        ::SendMessageTimeoutA(hNote, EM_GETMODIFY, 0, 0, SMTO_NORMAL, 30000, &dwResult);
        ASSERT_EQ(0u, dwResult) << way.pszTitle << ": modified before the format";

        way.apply(program);
        ASSERT_TRUE(program.WaitUntilIdle()) << way.pszTitle;
        EXPECT_NE(0u, CQivnotesProcess::WaitForAnswer(hNote, EM_GETMODIFY)) << way.pszTitle << ": the format did not count as an edit";
    }
    // The last one goes into its entry when the category is selected.
    ASSERT_TRUE(program.SelectTreeItem(handles[1]));
    ASSERT_EQ("Woche", program.WaitForSelectedTreeText("Woche"));
    ASSERT_TRUE(program.SendCommand(program.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, program.Close());

    std::unique_ptr<C_QivCategory> saved = ReadCardFile(strFile);
    ASSERT_TRUE(saved);
    const C_QivItem* pItem = static_cast<const C_QivCategory*>(saved->m_pFirstChild)->m_pFirstChild;
    for (const FormatWay& way : ways) {
        ASSERT_NE(nullptr, pItem);
        const C_QivEntry* pEntry = static_cast<const C_QivEntry*>(pItem);
        const std::string rtf(reinterpret_cast<const char*>(pEntry->m_pText), pEntry->m_nTextLength);
        EXPECT_EQ(0u, rtf.find("{\\rtf")) << way.pszTitle << ": " << rtf;
        const size_t nText = rtf.find("Montag bis Freitag");
        EXPECT_NE(std::string::npos, nText) << way.pszTitle << ": " << rtf;
        EXPECT_TRUE(HoldsControlWord(rtf, nText, way.pszRtf)) << way.pszTitle << ": " << rtf;
        pItem = pItem->m_pNext;
    }
}

} // namespace
