// Keys typed into the real program: Ctrl+D and F5 type the date in the
// stored format into the note, which reaches the saved card file.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "framework/ui/AfxRes.h"
#include "model/QivItem.h"
#include "toolkit/input/InputTestSupport.h"

#include <stdio.h>

#include <vector>

namespace {

using e2e::CQivnotesProcess;

class QivnotesKeys : public e2e::QivnotesTest
{
};

// Read across the processes; a program that stopped answering gives "".
std::string WindowText(HWND hWnd)
{
    DWORD_PTR nLength = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 30000, &nLength))
        return std::string();
    std::vector<char> text(static_cast<size_t>(nLength) + 1);
    DWORD_PTR nCopied = 0;
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 30000,
                          &nCopied);
    return text.data();
}

std::string LongDate()
{
    char sz[128] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, sz, sizeof(sz));
    return sz;
}

// Rich text writes the letters above 127 as \'xx.
std::string RtfEscaped(const std::string& text)
{
    std::string escaped;
    for (unsigned char ch : text) {
        if (ch < 0x80) {
            escaped += static_cast<char>(ch);
        } else {
            char sz[8];
            snprintf(sz, sizeof(sz), "\\'%02x", ch);
            escaped += sz;
        }
    }
    return escaped;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + part.size()))
        ++n;
    return n;
}

} // namespace

TEST_F(QivnotesKeys, CtrlDAndF5TypeTheStoredDateIntoTheNote)
{
    // Position 0: the locale's first long date.
    SetSettingInt("TimeAndDate", "Default", 0);
    const CString strFile = WriteSample("keys");
    CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
    ASSERT_EQ("Suppe", program.WaitForSelectedTreeText("Suppe"));
    HWND hNote = program.FindChild("RichEdit20A");
    ASSERT_NE(nullptr, hNote);
    ASSERT_TRUE(program.WaitUntilIdle());
    MakeForeground(program.MainWindow());

    // A click behind the note's first line puts the caret at its end.
    RECT rc;
    ::GetWindowRect(hNote, &rc);
    ASSERT_TRUE(MoveMouseTo(POINT{ rc.right - 30, rc.top + 8 }));
    PressLeftButton();
    ReleaseLeftButton();
    const std::string before = LongDate();
    TapKeyWith(VK_CONTROL, 'D');
    TapKey(VK_F5);
    ASSERT_TRUE(program.WaitUntilIdle());
    const std::string after = LongDate();

    const std::string text = WindowText(hNote);
    EXPECT_EQ(0u, text.find("Linsen, Möhren")) << text;
    EXPECT_TRUE(Count(text, before) == 2 || Count(text, after) == 2) << text;

    ASSERT_TRUE(program.SendCommand(program.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, program.Close());
    std::unique_ptr<C_QivCategory> saved = ReadCardFile(strFile);
    ASSERT_TRUE(saved);
    const C_QivEntry* pSoup = static_cast<const C_QivEntry*>(
        static_cast<const C_QivCategory*>(saved->m_pFirstChild)->m_pFirstChild->m_pNext);
    const std::string rtf(reinterpret_cast<const char*>(pSoup->m_pText), pSoup->m_nTextLength);
    EXPECT_EQ(0u, rtf.find("{\\rtf")) << rtf;
    EXPECT_TRUE(Count(rtf, RtfEscaped(before)) == 2 || Count(rtf, RtfEscaped(after)) == 2) << rtf;
}
