#include "toolkit/commandbars/MenuSoundPlayer.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <string>
#include <vector>

namespace {

const DWORD kMenuSoundFlags = SND_ALIAS | SND_NODEFAULT | SND_NOWAIT;
// A guard against a hung test, never a pause for timing.
const DWORD kGuardMs = 5000;

struct SoundCall
{
    std::string strSound; // "" for no sound
    HMODULE hModule;
    DWORD fdwSound;
    DWORD dwThreadId;
    int nPriority;
};

// Stands in for the sound device: records every call, counts it on a
// semaphore, and holds named sounds while its gate is closed.
class SoundRecorder
{
public:
    SoundRecorder()
        : m_hPlayed(::CreateSemaphoreA(nullptr, 0, 1000, nullptr))
        , m_hGate(::CreateEventA(nullptr, TRUE, TRUE, nullptr))
        , m_hWorker(nullptr)
    {
        ::InitializeCriticalSection(&m_cs);
    }
    ~SoundRecorder()
    {
        ::SetEvent(m_hGate);
        if (m_hWorker)
            ::CloseHandle(m_hWorker);
        ::CloseHandle(m_hGate);
        ::CloseHandle(m_hPlayed);
        ::DeleteCriticalSection(&m_cs);
    }

    void Record(LPCSTR pszSound, HMODULE hModule, DWORD fdwSound)
    {
        ::EnterCriticalSection(&m_cs);
        m_calls.push_back({pszSound ? pszSound : "", hModule, fdwSound, ::GetCurrentThreadId(),
                           ::GetThreadPriority(::GetCurrentThread())});
        if (!m_hWorker)
            ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(),
                              &m_hWorker, SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0);
        ::LeaveCriticalSection(&m_cs);
        ::ReleaseSemaphore(m_hPlayed, 1, nullptr);
        if (pszSound)
            ::WaitForSingleObject(m_hGate, INFINITE);
    }

    // Waits until the next call has been recorded.
    bool WaitPlayed() { return ::WaitForSingleObject(m_hPlayed, kGuardMs) == WAIT_OBJECT_0; }
    void CloseGate() { ::ResetEvent(m_hGate); }
    void OpenGate() { ::SetEvent(m_hGate); }

    std::vector<SoundCall> Calls()
    {
        ::EnterCriticalSection(&m_cs);
        std::vector<SoundCall> calls = m_calls;
        ::LeaveCriticalSection(&m_cs);
        return calls;
    }
    std::vector<std::string> Sounds()
    {
        std::vector<std::string> sounds;
        for (const SoundCall& call : Calls())
            sounds.push_back(call.strSound);
        return sounds;
    }
    HANDLE FirstWorker() const { return m_hWorker; }

private:
    CRITICAL_SECTION m_cs;
    std::vector<SoundCall> m_calls;
    HANDLE m_hPlayed;
    HANDLE m_hGate;
    HANDLE m_hWorker;
};

SoundRecorder* g_pRecorder = nullptr;

BOOL WINAPI RecordPlaySound(LPCSTR pszSound, HMODULE hModule, DWORD fdwSound)
{
    g_pRecorder->Record(pszSound, hModule, fdwSound);
    return TRUE;
}

class MenuSoundPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_pRecorder = &m_recorder;
        m_player.SetPlaySoundProc(&RecordPlaySound);
    }
    void TearDown() override
    {
        m_recorder.OpenGate();
        m_player.Stop();
        g_pRecorder = nullptr;
    }

    SoundRecorder m_recorder;
    MenuSoundPlayer m_player;
};

TEST_F(MenuSoundPlayerTest, FirstRequestStartsTheWorkerAndLaterOnesReuseIt)
{
    EXPECT_FALSE(m_player.IsWorkerRunning());

    m_player.Request(MenuSoundPlayer::soundPopup);
    EXPECT_TRUE(m_player.IsWorkerRunning());
    ASSERT_TRUE(m_recorder.WaitPlayed());
    m_player.Request(MenuSoundPlayer::soundCommand);
    ASSERT_TRUE(m_recorder.WaitPlayed());

    EXPECT_TRUE(m_player.Stop());
    EXPECT_FALSE(m_player.IsWorkerRunning());
    EXPECT_FALSE(m_player.Stop());
    ASSERT_TRUE(m_recorder.WaitPlayed()); // the purge

    std::vector<SoundCall> calls = m_recorder.Calls();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ("MenuPopup", calls[0].strSound);
    EXPECT_EQ("MenuCommand", calls[1].strSound);
    EXPECT_EQ("", calls[2].strSound);
    EXPECT_EQ(DWORD(SND_PURGE), calls[2].fdwSound);
    for (const SoundCall& call : calls)
    {
        EXPECT_EQ(nullptr, call.hModule);
        EXPECT_NE(::GetCurrentThreadId(), call.dwThreadId);
        EXPECT_EQ(calls[0].dwThreadId, call.dwThreadId);
        EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, call.nPriority);
    }
    EXPECT_EQ(kMenuSoundFlags, calls[0].fdwSound);
    EXPECT_EQ(kMenuSoundFlags, calls[1].fdwSound);

    // The worker ended by itself, and a new request starts another one.
    ASSERT_NE(nullptr, m_recorder.FirstWorker());
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_recorder.FirstWorker(), 0));
    m_player.Request(MenuSoundPlayer::soundCommand);
    EXPECT_TRUE(m_player.IsWorkerRunning());
    ASSERT_TRUE(m_recorder.WaitPlayed());
    EXPECT_EQ("MenuCommand", m_recorder.Calls().back().strSound);
}

TEST_F(MenuSoundPlayerTest, NothingRunsWithoutAValidRequest)
{
    EXPECT_FALSE(m_player.Stop());
    for (int nKind : {int(MenuSoundPlayer::soundNone), 3, -1})
    {
        m_player.Request(nKind);
        EXPECT_FALSE(m_player.IsWorkerRunning()) << nKind;
    }
    EXPECT_FALSE(m_player.Stop());
    EXPECT_TRUE(m_recorder.Calls().empty());
}

TEST_F(MenuSoundPlayerTest, RequestsDuringASoundCollapseIntoTheNewest)
{
    struct Case
    {
        std::vector<int> requests;
        const char* pszPlayedNext;
    };
    const Case cases[] = {
        {{MenuSoundPlayer::soundCommand}, "MenuCommand"},
        {{MenuSoundPlayer::soundCommand, MenuSoundPlayer::soundPopup}, "MenuPopup"},
        {{MenuSoundPlayer::soundPopup, MenuSoundPlayer::soundCommand, MenuSoundPlayer::soundPopup,
          MenuSoundPlayer::soundCommand},
         "MenuCommand"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszPlayedNext);
        SoundRecorder recorder;
        g_pRecorder = &recorder;
        recorder.CloseGate();
        m_player.Request(MenuSoundPlayer::soundPopup);
        ASSERT_TRUE(recorder.WaitPlayed()); // the worker now holds in the first sound
        for (int nKind : c.requests)
            m_player.Request(nKind);
        recorder.OpenGate();
        ASSERT_TRUE(recorder.WaitPlayed());
        EXPECT_TRUE(m_player.Stop());
        EXPECT_EQ((std::vector<std::string>{"MenuPopup", c.pszPlayedNext, ""}), recorder.Sounds());
    }
    g_pRecorder = &m_recorder;
}

TEST_F(MenuSoundPlayerTest, StopEndsAWorkerStuckInASoundByForce)
{
    m_recorder.CloseGate();
    m_player.Request(MenuSoundPlayer::soundCommand);
    ASSERT_TRUE(m_recorder.WaitPlayed());

    DWORD dwStart = ::GetTickCount();
    EXPECT_TRUE(m_player.Stop());
    DWORD dwElapsed = ::GetTickCount() - dwStart;
    EXPECT_GE(dwElapsed, 900u);
    EXPECT_LT(dwElapsed, 4000u);
    EXPECT_FALSE(m_player.IsWorkerRunning());

    HANDLE hWorker = m_recorder.FirstWorker();
    ASSERT_NE(nullptr, hWorker);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWorker, 0));
    // Ended where it stood: no purge was reached.
    EXPECT_EQ((std::vector<std::string>{"MenuCommand"}), m_recorder.Sounds());
}

TEST(MenuSoundPlayer, PlaysThroughTheSystemLibraryWithoutASoundDevice)
{
    MenuSoundPlayer& player = GetMenuSoundPlayer();
    EXPECT_EQ(&player, &GetMenuSoundPlayer());
    player.Request(MenuSoundPlayer::soundPopup);
    player.Request(MenuSoundPlayer::soundCommand);
    EXPECT_TRUE(player.IsWorkerRunning());
    EXPECT_TRUE(player.Stop());
    EXPECT_FALSE(player.IsWorkerRunning());
}

} // namespace
