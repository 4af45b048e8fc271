// A bar as accessibility clients see it through oleacc in this process: one
// child per control with its name, role, state and place, the bar's own
// role by type, hit tests, foreign child ids refused; without oleacc the
// bar answers WM_GETOBJECT with E_FAIL and keeps working. Another process
// reads the bar too: this program starts itself a second time as the
// client, which reads the bar's window through oleacc's proxy and writes
// what it learnt to a file that the first process checks. A bar that
// tracks the keyboard sends focus events with the control's index + 1.
#include "toolkit/commandbars/CommandBar.h"

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include "AccessibleTestSupport.h"
#include "BarTestSupport.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

namespace {

const char CLIENT_WINDOW_VARIABLE[] = "QIV_ACC_CLIENT_HWND";
const char CLIENT_OUTPUT_VARIABLE[] = "QIV_ACC_CLIENT_OUT";

// A UTF-16 name as UTF-8 for the report file.
std::string Utf8(BSTR bstr)
{
    if (bstr == nullptr)
        return "(null)";
    int cb = ::WideCharToMultiByte(CP_UTF8, 0, bstr, -1, nullptr, 0, nullptr, nullptr);
    std::string str(static_cast<size_t>(cb > 0 ? cb : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, bstr, -1, &str[0], cb, nullptr, nullptr);
    str.resize(strlen(str.c_str()));
    ::SysFreeString(bstr);
    return str;
}

std::string ReadWholeFile(const char* pszPath)
{
    std::string str;
    if (FILE* pFile = fopen(pszPath, "rb"))
    {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof(buf), pFile)) > 0)
            str.append(buf, n);
        fclose(pFile);
    }
    return str;
}

// Runs this program again with the filter, the variables set for it, and
// pumps this thread's messages meanwhile: the client's calls arrive here as
// messages. Answers the exit code (-1: it did not start or end in time).
int RunClient(const char* pszFilter, HWND hWnd, const char* pszOutput)
{
    char szExe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string strCommand = std::string("\"") + szExe + "\" --gtest_filter=" + pszFilter;
    char szWindow[32];
    sprintf(szWindow, "%llu", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hWnd)));
    ::SetEnvironmentVariableA(CLIENT_WINDOW_VARIABLE, szWindow);
    ::SetEnvironmentVariableA(CLIENT_OUTPUT_VARIABLE, pszOutput);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back('\0');
    BOOL bStarted = ::CreateProcessA(szExe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableA(CLIENT_WINDOW_VARIABLE, nullptr);
    ::SetEnvironmentVariableA(CLIENT_OUTPUT_VARIABLE, nullptr);
    if (!bStarted)
        return -1;
    DWORD dwStart = ::GetTickCount();
    int nExit = -1;
    while (::GetTickCount() - dwStart < 60000)
    {
        DWORD dw = ::MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 100, QS_ALLINPUT);
        if (dw == WAIT_OBJECT_0)
        {
            DWORD dwExit = 0;
            ::GetExitCodeProcess(pi.hProcess, &dwExit);
            nExit = static_cast<int>(dwExit);
            break;
        }
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    if (nExit == -1)
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return nExit;
}

std::vector<long> g_focusChildren;

void CALLBACK RecordFocus(HWINEVENTHOOK, DWORD dwEvent, HWND, LONG idObject, LONG idChild, DWORD, DWORD)
{
    if (dwEvent == EVENT_OBJECT_FOCUS && idObject == OBJID_MENU)
        g_focusChildren.push_back(idChild);
}

class CommandBarAccessibleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        m_bar.SetTitle("Standard");
        ASSERT_TRUE(m_bar.CreateHidden(300, 30));
        const struct
        {
            const char* pszCaption;
            const char* pszShortcut;
            CRect rc;
        } controls[] = {{"&Neu", "", CRect(2, 2, 50, 26)},
                        {"\xD6&ffnen", "Strg+O", CRect(50, 2, 110, 26)},
                        {"Drucken && Senden", "", CRect(110, 2, 200, 26)}};
        for (const auto& c : controls)
        {
            CXTPControl* pControl = m_bar.GetControls()->Add(xtpControlButton, 100 + m_bar.GetControlCount());
            pControl->SetCaption(c.pszCaption);
            pControl->SetShortcutText(c.pszShortcut);
            pControl->SetRect(c.rc);
        }
    }
    void TearDown() override
    {
        if (m_pAcc != nullptr)
            m_pAcc->Release();
        m_bar.DestroyWindow();
        ::CoUninitialize();
    }

    CTestBar m_bar;
    IAccessible* m_pAcc = nullptr;
};

} // namespace

TEST_F(CommandBarAccessibleTest, ClientsReadTheBarThroughOleacc)
{
    HRESULT hr = CXTPAccessible::AccessibleObjectFromWindowBound(
        m_bar.m_hWnd, static_cast<DWORD>(OBJID_CLIENT), XTP_IID_IAccessible, reinterpret_cast<void**>(&m_pAcc));
    if (OleaccMissing())
    {
        EXPECT_EQ(E_FAIL, hr);
        EXPECT_EQ(E_FAIL, m_bar.SendMessage(WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)));
        // The bar goes on working.
        EXPECT_TRUE(m_bar.SetSelected(1, 1));
        return;
    }
    ASSERT_EQ(S_OK, hr);
    ASSERT_NE(nullptr, m_pAcc);

    long nCount = 0;
    EXPECT_EQ(S_OK, m_pAcc->get_accChildCount(&nCount));
    EXPECT_EQ(3, nCount);
    const wchar_t* const names[] = {L"Standard", L"Neu", L"\u00d6ffnen\tStrg+O", L"Drucken & Senden"};
    for (long i = 0; i <= 3; ++i)
    {
        BSTR bstr = nullptr;
        EXPECT_EQ(S_OK, m_pAcc->get_accName(ChildVariant(i), &bstr)) << i;
        EXPECT_EQ(std::wstring(names[i]), TakeBstr(bstr)) << i;
    }
    BSTR bstr = nullptr;
    EXPECT_EQ(S_OK, m_pAcc->get_accKeyboardShortcut(ChildVariant(2), &bstr));
    EXPECT_EQ(std::wstring(L"Alt+f"), TakeBstr(bstr));
    bstr = nullptr;
    EXPECT_EQ(S_FALSE, m_pAcc->get_accKeyboardShortcut(ChildVariant(3), &bstr));

    VARIANT var;
    EXPECT_EQ(S_OK, m_pAcc->get_accRole(ChildVariant(0), &var));
    EXPECT_EQ(ROLE_SYSTEM_TOOLBAR, var.lVal);
    EXPECT_EQ(S_OK, m_pAcc->get_accRole(ChildVariant(1), &var));
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, var.lVal);
    for (long nChild : {4L, -1L})
    {
        EXPECT_EQ(E_INVALIDARG, m_pAcc->get_accRole(ChildVariant(nChild), &var)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pAcc->get_accName(ChildVariant(nChild), &bstr)) << nChild;
    }

    // The selected child is focused, hot and selected; the others focusable.
    m_bar.SetSelected(1, 1);
    EXPECT_EQ(S_OK, m_pAcc->get_accState(ChildVariant(2), &var));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSED
                  | STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_SELECTED,
              var.lVal & ~STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(S_OK, m_pAcc->get_accState(ChildVariant(1), &var));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE, var.lVal & ~STATE_SYSTEM_INVISIBLE);

    // Places on the screen and what lies there.
    CPoint ptOrigin(0, 0);
    m_bar.ClientToScreen(&ptOrigin);
    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(S_OK, m_pAcc->accLocation(&x, &y, &cx, &cy, ChildVariant(2)));
    EXPECT_EQ(CRect(ptOrigin.x + 50, ptOrigin.y + 2, ptOrigin.x + 110, ptOrigin.y + 26), CRect(x, y, x + cx, y + cy));
    EXPECT_EQ(S_OK, m_pAcc->accHitTest(ptOrigin.x + 60, ptOrigin.y + 10, &var));
    ASSERT_EQ(VT_DISPATCH, var.vt);
    EXPECT_EQ(static_cast<IDispatch*>(m_bar.GetControl(1)->GetAccessible()), var.pdispVal);
    ::VariantClear(&var);
    EXPECT_EQ(S_OK, m_pAcc->accHitTest(ptOrigin.x + 250, ptOrigin.y + 10, &var));
    EXPECT_EQ(VT_I4, var.vt);
    EXPECT_EQ(CHILDID_SELF, var.lVal);
    EXPECT_EQ(S_FALSE, m_pAcc->accHitTest(ptOrigin.x - 20, ptOrigin.y + 10, &var));

    // A control by its command id.
    IAccessible* pControl = nullptr;
    ASSERT_EQ(S_OK, CXTPAccessible::AccessibleObjectFromWindowBound(m_bar.m_hWnd, 102, XTP_IID_IAccessible,
                                                                    reinterpret_cast<void**>(&pControl)));
    EXPECT_EQ(S_OK, pControl->get_accName(ChildVariant(0), &bstr));
    EXPECT_EQ(std::wstring(L"Drucken & Senden"), TakeBstr(bstr));
    pControl->Release();
}


TEST_F(CommandBarAccessibleTest, AnotherProcessReadsTheBar)
{
    if (OleaccMissing())
        GTEST_SKIP() << "oleacc switched off";
    char szTemp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, szTemp);
    char szOutput[MAX_PATH] = "";
    ::GetTempFileNameA(szTemp, "acc", 0, szOutput);
    int nExit = RunClient("CommandBarAccessibleClient.ReadsTheBarOfTheFirstProcess", m_bar.m_hWnd, szOutput);
    std::string strReport = ReadWholeFile(szOutput);
    ::DeleteFileA(szOutput);
    ASSERT_EQ(0, nExit) << strReport;

    CPoint ptOrigin(0, 0);
    m_bar.ClientToScreen(&ptOrigin);
    char szExpected[1024];
    sprintf(szExpected,
            "count 3\n"
            "name 0 Standard\nname 1 Neu\nname 2 \xC3\x96" "ffnen\tStrg+O\nname 3 Drucken & Senden\n"
            "role 0 22\nrole 1 12\nrole 2 12\nrole 3 12\n"
            "shortcut 2 Alt+f\n"
            "location 2 %ld %ld 60 24\n"
            "hit 1\n"
            "invalid 4 %08lx\n",
            ptOrigin.x + 50, ptOrigin.y + 2, static_cast<unsigned long>(E_INVALIDARG));
    EXPECT_EQ(std::string(szExpected), strReport);
}

// The client's half: skipped unless the first process started it.
TEST(CommandBarAccessibleClient, ReadsTheBarOfTheFirstProcess)
{
    const char* pszWindow = getenv(CLIENT_WINDOW_VARIABLE);
    const char* pszOutput = getenv(CLIENT_OUTPUT_VARIABLE);
    if (pszWindow == nullptr || pszOutput == nullptr)
        GTEST_SKIP() << "runs as the client of AnotherProcessReadsTheBar";
    HWND hWnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(strtoull(pszWindow, nullptr, 10)));
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    IAccessible* pAcc = nullptr;
    ASSERT_EQ(S_OK, CXTPAccessible::AccessibleObjectFromWindowBound(
                        hWnd, static_cast<DWORD>(OBJID_CLIENT), XTP_IID_IAccessible, reinterpret_cast<void**>(&pAcc)));
    ASSERT_NE(nullptr, pAcc);
    FILE* pFile = fopen(pszOutput, "wb");
    ASSERT_NE(nullptr, pFile);
    long nCount = 0;
    pAcc->get_accChildCount(&nCount);
    fprintf(pFile, "count %ld\n", nCount);
    for (long i = 0; i <= nCount; ++i)
    {
        BSTR bstr = nullptr;
        pAcc->get_accName(ChildVariant(i), &bstr);
        fprintf(pFile, "name %ld %s\n", i, Utf8(bstr).c_str());
    }
    for (long i = 0; i <= nCount; ++i)
    {
        VARIANT var;
        ::VariantInit(&var);
        pAcc->get_accRole(ChildVariant(i), &var);
        fprintf(pFile, "role %ld %ld\n", i, var.vt == VT_I4 ? var.lVal : -1L);
    }
    BSTR bstr = nullptr;
    pAcc->get_accKeyboardShortcut(ChildVariant(2), &bstr);
    fprintf(pFile, "shortcut 2 %s\n", Utf8(bstr).c_str());
    long x = 0, y = 0, cx = 0, cy = 0;
    pAcc->accLocation(&x, &y, &cx, &cy, ChildVariant(2));
    fprintf(pFile, "location 2 %ld %ld %ld %ld\n", x, y, cx, cy);
    VARIANT var;
    ::VariantInit(&var);
    // Over the first control: the child comes back as an object or an id.
    HRESULT hr = pAcc->accHitTest(x - 50 + 10, y + 5, &var);
    long nHit = -1;
    if (hr == S_OK && var.vt == VT_I4)
        nHit = var.lVal;
    else if (hr == S_OK && var.vt == VT_DISPATCH)
        nHit = 1;
    ::VariantClear(&var);
    fprintf(pFile, "hit %ld\n", nHit);
    bstr = nullptr;
    hr = pAcc->get_accName(ChildVariant(nCount + 1), &bstr);
    ::SysFreeString(bstr);
    fprintf(pFile, "invalid %ld %08lx\n", nCount + 1, static_cast<unsigned long>(hr));
    fclose(pFile);
    pAcc->Release();
    ::CoUninitialize();
}

TEST_F(CommandBarAccessibleTest, KeyboardSelectionSendsFocusEventsWithIndexPlusOne)
{
    g_focusChildren.clear();
    HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &RecordFocus,
                                            ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hHook);
    // Selection outside tracking mode sends nothing.
    m_bar.SetSelected(0, 1);
    ASSERT_TRUE(m_bar.SetTrackingMode(1, FALSE, TRUE));
    m_bar.SetSelected(2, 1);
    m_bar.SetSelected(1, 1);
    // Out-of-context events arrive through this thread's message queue.
    for (int i = 0; i < 300 && g_focusChildren.size() < 2; ++i)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        if (g_focusChildren.size() < 2)
            ::Sleep(10);
    }
    m_bar.SetTrackingMode(0);
    ::UnhookWinEvent(hHook);
    EXPECT_EQ((std::vector<long>{3, 2}), g_focusChildren);
}
