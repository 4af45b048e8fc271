// The shell's settings: what a fresh user gets, the two forms of stored
// booleans, and the readings that keep stored values from locking the
// program into a state (the normal view's tree width, the save interval).
#include "AppTestSupport.h"

#include "app/Settings.h"

namespace
{
using AppSettings = AppSettingsTest;

TEST_F(AppSettings, FreshUserDefaults)
{
    struct IntCase
    {
        const QivIntSetting& setting;
        LPCSTR pszSection;
        LPCSTR pszKey;
        int nExpected;
    };
    const IntCase ints[] = {
        {QivSettings::AutoSaveIntervall, "Settings", "AutoSaveIntervall", 10},
        {QivSettings::TopMost, "Settings", "TopMost", 0},
        {QivSettings::WordWrap, "Settings", "WordWrap", 1},
        {QivSettings::Splitter, "Settings", "Splitter", 225},
        {QivSettings::SplitterNormal, "Settings", "SplitterNormal", 225},
        {QivSettings::Splitter2Pos, "Settings", "Splitter2Pos", 100},
        {QivSettings::Banner, "MainFrame", "Banner", 1},
        {QivSettings::FrameStatus, "Frame", "Status", -1},
        {QivSettings::FrameTop, "Frame", "Top", -1},
        {QivSettings::FrameLeft, "Frame", "Left", -1},
        {QivSettings::FrameBottom, "Frame", "Bottom", -1},
        {QivSettings::FrameRight, "Frame", "Right", -1},
        {QivSettings::MarginLeft, "rectMargin", "left", 1417},
        {QivSettings::MarginTop, "rectMargin", "top", 1417},
        {QivSettings::MarginRight, "rectMargin", "right", 1417},
        {QivSettings::MarginBottom, "rectMargin", "bottom", 1133},
        {QivSettings::CfSize, "cf", "cbSize", 60},
        {QivSettings::CfMask, "cf", "dwMask", static_cast<int>(0xF000001F)},
        {QivSettings::CfEffects, "cf", "dwEffects", 0x40000000},
        {QivSettings::CfHeight, "cf", "yHeight", 293},
        {QivSettings::CfOffset, "cf", "yOffset", 0},
        {QivSettings::CfTextColor, "cf", "crTextColor", 0},
        {QivSettings::CfCharSet, "cf", "bCharSet", 1},
        {QivSettings::CfPitchAndFamily, "cf", "bPitchAndFamily", 0},
        {QivSettings::DateTimeFormat, "TimeAndDate", "Default", 0},
        {QivSettings::TipStartUp, "Tip", "StartUp", 0},
        {QivSettings::TipFilePos, "Tip", "FilePos", 0},
    };
    for (const IntCase& c : ints)
    {
        SCOPED_TRACE(c.pszKey);
        EXPECT_STREQ(c.pszSection, c.setting.pszSection);
        EXPECT_STREQ(c.pszKey, c.setting.pszKey);
        EXPECT_EQ(c.nExpected, QivSettings::Get(c.setting));
    }

    struct StringCase
    {
        const QivStringSetting& setting;
        LPCSTR pszSection;
        LPCSTR pszKey;
        LPCSTR pszExpected;
    };
    const StringCase strings[] = {
        {QivSettings::ShowSplash, "Settings", "ShowSplash", "1"},
        {QivSettings::AutoOpen, "Settings", "AutoOpen", ""},
        {QivSettings::AutoSave, "Settings", "AutoSave", "0"},
        {QivSettings::Backup, "Settings", "Backup", "0"},
        {QivSettings::Audio, "Settings", "Audio", "1"},
        {QivSettings::AutoHide, "Settings", "AutoHide", "0"},
        {QivSettings::BannerText, "Settings", "BannerText", "Qivnotes2000"},
        {QivSettings::CfFaceName, "cf", "szFaceName", "Arial"},
        {QivSettings::TipTimeStamp, "Tip", "TimeStamp", ""},
    };
    for (const StringCase& c : strings)
    {
        SCOPED_TRACE(c.pszKey);
        EXPECT_STREQ(c.pszSection, c.setting.pszSection);
        EXPECT_STREQ(c.pszKey, c.setting.pszKey);
        EXPECT_STREQ(c.pszExpected, QivSettings::Get(c.setting));
    }

    // Splash on, nothing opened or saved automatically, the normal view.
    EXPECT_TRUE(QivSettings::IsSplashOn());
    EXPECT_FALSE(QivSettings::IsOn(QivSettings::AutoSave));
    EXPECT_EQ(225, QivSettings::GetNormalTreeWidth());
}

// Only "1" switches a string flag on; only "0" switches the splash off.
TEST_F(AppSettings, StringFlagsCountOnlyTheirExactValue)
{
    struct Case
    {
        LPCSTR pszStored;
        bool bAutoSave;
        bool bSplash;
    };
    const Case cases[] = {
        {"1", true, true},
        {"0", false, false},
        {"2", false, true},
        {"", false, true},
        {"1 ", false, true},
        {"ja", false, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszStored);
        WriteSettingString("Settings", "AutoSave", c.pszStored);
        WriteSettingString("Settings", "ShowSplash", c.pszStored);
        EXPECT_EQ(c.bAutoSave, QivSettings::IsOn(QivSettings::AutoSave));
        EXPECT_EQ(c.bSplash, QivSettings::IsSplashOn());
    }
}

TEST_F(AppSettings, FlagsAreStoredAsStringsAndNumbersAsIntegers)
{
    QivSettings::SetFlag(QivSettings::AutoHide, true);
    QivSettings::Set(QivSettings::TopMost, 1);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), StoredType("Settings", "AutoHide"));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), StoredType("Settings", "TopMost"));
    EXPECT_STREQ("1", QivSettings::Get(QivSettings::AutoHide));
    QivSettings::SetFlag(QivSettings::AutoHide, false);
    EXPECT_STREQ("0", QivSettings::Get(QivSettings::AutoHide));
}

// The text-only (0) and tree-only (10000) marks are no width of the normal
// view: from them the normal view would never bring the tree back.
TEST_F(AppSettings, NormalTreeWidthNeverReadsAViewModeMark)
{
    const std::pair<int, int> cases[] = {{0, 225}, {10000, 225}, {300, 300}, {1, 1}, {9999, 9999}};
    for (const auto& c : cases)
    {
        WriteSettingInt("Settings", "SplitterNormal", c.first);
        EXPECT_EQ(c.second, QivSettings::GetNormalTreeWidth()) << c.first;
    }
}

TEST_F(AppSettings, AutoSaveIntervalIsClampedToOneToHundredTwentyMinutes)
{
    const std::pair<int, UINT> cases[] = {
        {10, 600000}, {1, 60000}, {120, 7200000}, {0, 60000}, {-5, 60000}, {121, 7200000},
        {100000, 7200000},
    };
    for (const auto& c : cases)
    {
        WriteSettingInt("Settings", "AutoSaveIntervall", c.first);
        EXPECT_EQ(c.second, QivSettings::GetAutoSaveIntervalMs()) << c.first;
    }
}
}
