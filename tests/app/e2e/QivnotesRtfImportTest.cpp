// Hostile rich-text files imported through the menu into the real program:
// it lives, the editor shows the text as far as it can read it, the user is
// told where it could not, and the saved card file holds each file whole.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "model/QivItem.h"
#include "toolkit/input/InputTestSupport.h"

#include <string.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

void WriteFile(const CString& strPath, const std::string& bytes)
{
    std::ofstream(strPath.GetString(), std::ios::binary) << bytes;
}

std::string Repeat(const std::string& part, int nTimes)
{
    std::string text;
    for (int i = 0; i < nTimes; ++i)
        text += part;
    return text;
}

// Groups nested nDepth deep, the outermost one counted, around the text.
std::string Nested(int nDepth, const std::string& text)
{
    return "{\\rtf1\\ansi Tief " + std::string(nDepth - 1, '{') + text + std::string(nDepth - 1, '}') + "}";
}

struct HostileRtf
{
    const char* pszName;
    std::string bytes;
    const char* pszShown;   // what the editor's text begins with
    bool bMessage;          // the user is told the editor simplifies it
};

class QivnotesRtfImport : public e2e::QivnotesTest
{
};

TEST_F(QivnotesRtfImport, HostileFilesAreImportedWholeAndShownAsFarAsTheEditorReadsThem)
{
    const std::vector<HostileRtf> files = {
        { "Offen", "{\\rtf1\\ansi Tief " + std::string(5000, '{'), "Tief", true },
        { "Geschlossen", Nested(5001, "Innen"), "Tief Innen", true },
        { "Zweiunddreissig", Nested(32, "Innen"), "Tief Innen", false },
        { "Dreiunddreissig", Nested(33, "Innen"), "Tief Innen", true },
        { "Wort", "{\\rtf1\\ansi Lang \\" + std::string(5000, 'x') + " Text}", "Lang Text", true },
        { "Zahl", "{\\rtf1\\ansi Lang \\fs" + std::string(5000, '4') + " Text}", "Lang Text", true },
        { "Schrift", "{\\rtf1\\ansi{\\fonttbl{\\f0 " + std::string(5000, 'A') + ";}}\\f0 Schrift}", "Schrift",
          true },
        { "Vorlage", "{\\rtf1\\ansi{\\stylesheet{\\snext0 " + std::string(5000, 'B') + ";}}Vorlage\\par}", "Vorlage", true },
        // The editor counts a group right after a "\u" twice but closes it
        // once: side by side such groups add up as if nested.
        { "Unicode", "{\\rtf1\\ansi Zeichen " + Repeat("\\u65{x}", 40) + "}", "Zeichen AxAx", true },
        // Escaped braces are text, not groups: nothing to simplify.
        { "Klammern", "{\\rtf1\\ansi " + Repeat("\\{", 3000) + "}", "{{{", false },
    };
    const CString strFile = WriteSample("rtf-import");
    const CString strFolder = e2e::ScratchFolder("rtf-import");

    CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
    ASSERT_EQ("Suppe", program.WaitForSelectedTreeText("Suppe"));
    for (const HostileRtf& file : files) {
        const CString strRtf = strFolder + "\\" + file.pszName + ".rtf";
        WriteFile(strRtf, file.bytes);
        ASSERT_TRUE(program.ChooseFileFor(ID_IMPORT_TEXT, strRtf)) << file.pszName;
        ASSERT_TRUE(program.WaitUntilIdle()) << file.pszName << ": the program ended";
        HWND hBox = program.CurrentDialog();
        EXPECT_EQ(file.bMessage, hBox != nullptr) << file.pszName;
        if (hBox) {
            EXPECT_NE(std::string::npos, program.DialogText(hBox).find("Der Editor kann die Formatierung von \""
                                                                       + std::string(file.pszName) + ".rtf\""))
                << program.DialogText(hBox);
            ASSERT_TRUE(program.PressButton(hBox, IDOK));
        }
        EXPECT_EQ(file.pszName, program.WaitForSelectedTreeText(file.pszName));
        const std::string shown = CQivnotesProcess::TextOf(program.FindChild("RichEdit20A"));
        EXPECT_EQ(0u, shown.find(file.pszShown)) << file.pszName << ": " << shown.substr(0, 80);
    }
    ASSERT_TRUE(program.SendCommand(program.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, program.Close());

    // Each entry holds its file as it was, with the NUL an import adds.
    std::unique_ptr<C_QivCategory> saved = ReadCardFile(strFile);
    ASSERT_TRUE(saved);
    const C_QivItem* pItem = static_cast<const C_QivCategory*>(saved->m_pFirstChild)->m_pFirstChild;
    for (auto file = files.rbegin(); file != files.rend(); ++file, pItem = pItem->m_pNext) {
        ASSERT_NE(nullptr, pItem);
        ASSERT_STREQ(file->pszName, pItem->m_strTitle.GetString());
        const C_QivEntry* pEntry = static_cast<const C_QivEntry*>(pItem);
        EXPECT_EQ(file->bytes + '\0', std::string(reinterpret_cast<const char*>(pEntry->m_pText),
                                                  pEntry->m_nTextLength))
            << file->pszName;
    }
    EXPECT_EQ("Brot", std::string(pItem->m_strTitle.GetString()));
}

// Rich text another program put on the clipboard reaches the note by Ctrl+V
// as far as the editor can read it.
TEST_F(QivnotesRtfImport, DeeplyNestedRichTextPastedByCtrlVIsTakenAsFarAsTheEditorReadsIt)
{
    const std::string rtf = "{\\rtf1\\ansi Eingef\\'fcgt " + std::string(5000, '{');
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, rtf.size() + 1);
    memcpy(::GlobalLock(hData), rtf.c_str(), rtf.size() + 1);
    ::GlobalUnlock(hData);
    ::SetClipboardData(::RegisterClipboardFormatA("Rich Text Format"), hData);
    ::CloseClipboard();

    const CString strFile = WriteSample("rtf-paste");
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile, "Küche\\Brot"));
    HWND hNote = ClickIntoNote(program);
    ASSERT_NE(nullptr, hNote);
    // A middle click pastes nothing: some rich-edit controls paste on it
    // straight from the clipboard.
    POINT ptNote = {};
    ::ClientToScreen(hNote, &ptNote);
    ASSERT_TRUE(MoveMouseTo(POINT{ ptNote.x + 20, ptNote.y + 10 }));
    InjectMouseButton(MOUSEEVENTF_MIDDLEDOWN);
    InjectMouseButton(MOUSEEVENTF_MIDDLEUP);
    ASSERT_TRUE(program.WaitUntilIdle()) << "the program ended";
    EXPECT_EQ(std::string::npos, CQivnotesProcess::TextOf(hNote).find("Eingef"));
    TapKeyWith(VK_CONTROL, 'V');
    ASSERT_TRUE(program.WaitUntilIdle()) << "the program ended";
    EXPECT_NE(0u, CQivnotesProcess::WaitForAnswer(hNote, WM_GETTEXTLENGTH));
    EXPECT_EQ(0u, CQivnotesProcess::TextOf(hNote).find("Eingefügt"));

    ASSERT_TRUE(program.SendCommand(program.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, program.Close());
    std::unique_ptr<C_QivCategory> saved = ReadCardFile(strFile);
    ASSERT_TRUE(saved);
    const C_QivEntry* pBread =
        static_cast<const C_QivEntry*>(static_cast<const C_QivCategory*>(saved->m_pFirstChild)->m_pFirstChild);
    const std::string note(reinterpret_cast<const char*>(pBread->m_pText), pBread->m_nTextLength);
    EXPECT_NE(std::string::npos, note.find("Eingef\\'fcgt")) << note.substr(0, 300);
}

} // namespace
