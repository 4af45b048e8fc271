// Sound events through the sound seam: which file of the user's scheme is
// played with which flags, and when the program stays silent.
#include "AppTestSupport.h"

#include "app/SoundEvents.h"

#include <vector>

namespace
{
struct Played
{
    CString strEvent;
    CString strFile;
    DWORD fdwSound;
};

class SoundEvents : public AppSettingsTest
{
protected:
    SoundEvents()
        : m_seam([this](const QIV_SOUND_REQUEST& r) {
              m_played.push_back({r.strEvent, r.strFile, r.fdwSound});
              return 0;
          })
    {
    }

    std::vector<Played> m_played;
    CTestSeamScope<QIV_SOUND_REQUEST> m_seam;
};

TEST_F(SoundEvents, PlaysTheSchemeFileAsynchronouslyWithoutDefaultSound)
{
    RegisterSoundEvent("ModeSwitch", "C:\\Klaenge\\modus.wav");
    PlaySoundEvent("ModeSwitch");
    ASSERT_EQ(1u, m_played.size());
    EXPECT_STREQ("ModeSwitch", m_played[0].strEvent);
    EXPECT_STREQ("C:\\Klaenge\\modus.wav", m_played[0].strFile);
    // SND_FILENAME | SND_NODEFAULT | SND_ASYNC
    EXPECT_EQ(0x20003u, m_played[0].fdwSound);
}

TEST_F(SoundEvents, AudioSettingSilencesAllButExactlyOne)
{
    RegisterSoundEvent("Sort", "sort.wav");
    struct Case
    {
        LPCSTR pszAudio;  // null: not stored
        size_t nPlayed;
    };
    const Case cases[] = {{nullptr, 1}, {"1", 1}, {"0", 0}, {"2", 0}, {"", 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszAudio ? c.pszAudio : "(missing)");
        WriteSettingString("settings", "Audio", c.pszAudio);
        m_played.clear();
        PlaySoundEvent("Sort");
        EXPECT_EQ(c.nPlayed, m_played.size());
    }
}

// With Audio "0" the scheme is not even looked at: a missing event key
// does not switch the sounds off for the run.
TEST_F(SoundEvents, SilencedAudioLooksUpNoScheme)
{
    WriteSettingString("Settings", "Audio", "0");
    PlaySoundEvent("Fehlt");
    EXPECT_TRUE(AreSoundEventsOn());
}

TEST_F(SoundEvents, MissingEventKeySilencesTheRestOfTheRun)
{
    RegisterSoundEvent("Drop", "drop.wav");
    PlaySoundEvent("Drag");
    EXPECT_FALSE(AreSoundEventsOn());
    PlaySoundEvent("Drop");
    EXPECT_TRUE(m_played.empty());
}

TEST_F(SoundEvents, EmptyPathPlaysNothingAndKeepsSoundsOn)
{
    RegisterSoundEvent("Delete", "");
    PlaySoundEvent("Delete");
    EXPECT_TRUE(m_played.empty());
    EXPECT_TRUE(AreSoundEventsOn());
}

TEST_F(SoundEvents, LongPathsArePlayedWhole)
{
    const CString strFile = "C:\\" + CString('x', 400) + ".wav";
    RegisterSoundEvent("InsertRow", strFile);
    PlaySoundEvent("InsertRow");
    ASSERT_EQ(1u, m_played.size());
    EXPECT_STREQ(strFile, m_played[0].strFile);
}

TEST_F(SoundEvents, QuietScopeMutesAndRestores)
{
    RegisterSoundEvent("NewItem", "neu.wav");
    {
        CQuietSoundEvents quiet;
        PlaySoundEvent("NewItem");
        EXPECT_TRUE(m_played.empty());
    }
    PlaySoundEvent("NewItem");
    EXPECT_EQ(1u, m_played.size());

    SetSoundEventsOn(false);
    {
        CQuietSoundEvents quiet;
    }
    EXPECT_FALSE(AreSoundEventsOn());
}
}
