// What the system itself writes on the setup's windows is German, as on the
// German Windows our users run: property-sheet and message-box buttons. The
// 8-bit code page stays Windows-1252 all the same.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A button's text without its mnemonic ampersand.
std::string ButtonText(HWND hDlg, int nID)
{
    char szText[64] = {};
    ::GetDlgItemTextA(hDlg, nID, szText, sizeof(szText));
    std::string text;
    for (const char* p = szText; *p; ++p)
        if (*p != '&')
            text += *p;
    return text;
}

// Reads the buttons of the message box as it comes up, then answers "No".
struct MessageBoxReader
{
    static MessageBoxReader* s_pActive;
    HHOOK hHook = nullptr;
    std::string yes, no;

    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        MessageBoxReader* pThis = s_pActive;
        if (nCode == HCBT_ACTIVATE && pThis->yes.empty()) {
            HWND hBox = reinterpret_cast<HWND>(wParam);
            pThis->yes = ButtonText(hBox, IDYES);
            pThis->no = ButtonText(hBox, IDNO);
            ::PostMessageA(hBox, WM_COMMAND, IDNO, 0);
        }
        return ::CallNextHookEx(pThis->hHook, nCode, wParam, lParam);
    }
};
MessageBoxReader* MessageBoxReader::s_pActive = nullptr;

} // namespace

TEST(SystemTexts, AnsiCodePageIsWindows1252)
{
    EXPECT_EQ(1252u, ::GetACP());
    wchar_t wch[2] = {};
    ASSERT_EQ(1, ::MultiByteToWideChar(CP_ACP, 0, "\xE4", 1, wch, 2));
    EXPECT_EQ(0xE4, wch[0]);
    char ch[2] = {};
    ASSERT_EQ(1, ::WideCharToMultiByte(CP_ACP, 0, wch, 1, ch, 2, nullptr, nullptr));
    EXPECT_EQ('\xE4', ch[0]);
}

TEST(SystemTexts, MessageBoxButtonsAreGerman)
{
    MessageBoxReader reader;
    MessageBoxReader::s_pActive = &reader;
    reader.hHook = ::SetWindowsHookExA(WH_CBT, MessageBoxReader::CbtProc, nullptr,
                                       ::GetCurrentThreadId());
    ASSERT_NE(nullptr, reader.hHook);
    int nAnswer = ::MessageBoxA(nullptr, "Wirklich?", "Frage", MB_YESNO | MB_ICONQUESTION);
    ::UnhookWindowsHookEx(reader.hHook);
    MessageBoxReader::s_pActive = nullptr;
    EXPECT_EQ(IDNO, nAnswer);
    EXPECT_EQ("Ja", reader.yes);
    EXPECT_EQ("Nein", reader.no);
}
