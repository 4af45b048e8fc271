// The screenshot program's test frame (barshots --frame --state) run as a
// program of its own and driven from outside with the real mouse, as a
// person uses it: toolbars floated by their grippers, every other gripper
// pressed, the frame closed and started again from its stored state, and
// started from stored floating places far off the screen. After every step
// the frame still answers within a second, no floating bar has taken the
// foreground, and every bar stands where it was left.
#include "common/OutsideBars.h"

#include "framework/core/String.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <vector>

using namespace outside;

namespace {

const char kCompany[] = "QivTest";
const char kApp[] = "FloatingBars";
const char kAppKey[] = "Software\\QivTest\\FloatingBars";
const char kFrameTitle[] = "Andocken";

CString BarshotsPath()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    ::PathRemoveFileSpecA(szPath);
    return CString(szPath) + "\\barshots.exe";
}

// The test frame as a process of its own, ended at the latest with the object.
class CTestFrameProcess
{
public:
    ~CTestFrameProcess() { End(); }

    // Starts it and waits until its frame stands and answers.
    bool Start()
    {
        End();
        CString strCommand = "\"" + BarshotsPath() + "\" --frame --state " + kCompany + " " + kApp;
        std::vector<char> command(strCommand.GetString(), strCommand.GetString() + strCommand.GetLength() + 1);
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi))
            return false;
        for (int i = 0; i < 300 && !m_hFrame; ++i)
        {
            HWND hWnd = ::FindWindowA(nullptr, kFrameTitle);
            DWORD dwProcessId = 0;
            ::GetWindowThreadProcessId(hWnd, &dwProcessId);
            if (hWnd && dwProcessId == m_pi.dwProcessId && ::IsWindowVisible(hWnd))
                m_hFrame = hWnd;
            else
                ::Sleep(100);
        }
        // The frame stands before its first idle layout.
        ::Sleep(300);
        return m_hFrame && Answers(m_hFrame);
    }
    // Closes the frame as its close button does; false when the program
    // has not ended 10 s later.
    bool Close()
    {
        if (!m_pi.hProcess)
            return true;
        ::PostMessageA(m_hFrame, WM_SYSCOMMAND, SC_CLOSE, 0);
        const bool bEnded = ::WaitForSingleObject(m_pi.hProcess, 10000) == WAIT_OBJECT_0;
        End();
        return bEnded;
    }
    CBarsFromOutside Bars() const { return CBarsFromOutside(m_pi.dwProcessId, m_hFrame); }

private:
    void End()
    {
        if (m_pi.hProcess)
        {
            if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(m_pi.hProcess, 1);
            ::WaitForSingleObject(m_pi.hProcess, 5000);
            ::CloseHandle(m_pi.hProcess);
            ::CloseHandle(m_pi.hThread);
        }
        m_pi = {};
        m_hFrame = nullptr;
    }

    PROCESS_INFORMATION m_pi = {};
    HWND m_hFrame = nullptr;
};

class FloatingBarsFrameTest : public testing::Test
{
protected:
    void SetUp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kAppKey); }
    void TearDown() override
    {
        m_frame.Close();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kAppKey);
    }
    void PressEveryDockedGripper() const
    {
        m_frame.Bars().PressGrippers({"Standard", "Format", "Ansicht", "Zeichnen", "Suchen"});
    }

    CTestFrameProcess m_frame;
};

} // namespace

TEST_F(FloatingBarsFrameTest, FloatedBarsKeepTheFrameAnsweringThroughARestart)
{
    // The frame starts with one floating bar of its own ("Tabelle").
    ASSERT_TRUE(m_frame.Start());
    ASSERT_NO_FATAL_FAILURE(m_frame.Bars().Float("Standard", 300, 300));
    ASSERT_NO_FATAL_FAILURE(PressEveryDockedGripper());
    ASSERT_NO_FATAL_FAILURE(m_frame.Bars().Float("Ansicht", 180, 120));
    ASSERT_NO_FATAL_FAILURE(PressEveryDockedGripper());
    const BarPlaces left = m_frame.Bars().Bars();

    ASSERT_TRUE(m_frame.Close()) << "the frame did not close";
    ASSERT_TRUE(m_frame.Start()) << "the frame did not answer after its start";
    ExpectSamePlaces(left, m_frame.Bars().Bars(), true, "started again");
    EXPECT_TRUE(m_frame.Bars().FrameKeepsTheForeground());
    PressEveryDockedGripper();
}

TEST_F(FloatingBarsFrameTest, StoredFloatingPlacesOffTheScreenComeBackOntoIt)
{
    // A session that floated the standard bar stores its state.
    ASSERT_TRUE(m_frame.Start());
    ASSERT_NO_FATAL_FAILURE(m_frame.Bars().Float("Standard", 300, 300));
    const BarPlaces left = m_frame.Bars().Bars();
    ASSERT_TRUE(m_frame.Close());

    for (const POINT& place : OffScreenPlaces())
    {
        StoreFloatingPlace(kAppKey, place.x, place.y);
        const std::string strCase = std::to_string(place.x) + "," + std::to_string(place.y);
        ASSERT_TRUE(m_frame.Start()) << strCase;
        m_frame.Bars().ExpectStartedFrom(left, strCase);
        ASSERT_NO_FATAL_FAILURE(m_frame.Bars().PressGrippers({"Format"})) << strCase;
        ASSERT_TRUE(m_frame.Close()) << strCase;
    }
}
