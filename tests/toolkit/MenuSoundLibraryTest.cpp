#include "toolkit/commandbars/MenuSoundLibrary.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

namespace {

TEST(MenuSoundLibrary, BindsTheSystemSoundEntry)
{
    MenuSoundLibrary library;
    MenuSoundLibrary::PlaySoundProc pfnPlaySound = library.GetPlaySound();
    ASSERT_NE(nullptr, pfnPlaySound);
    HMODULE hLoaded = ::GetModuleHandleA("WINMM.DLL");
    ASSERT_NE(nullptr, hLoaded);
    EXPECT_EQ(reinterpret_cast<void*>(::GetProcAddress(hLoaded, "PlaySoundA")),
              reinterpret_cast<void*>(pfnPlaySound));
    EXPECT_EQ(pfnPlaySound, library.GetPlaySound());
    // Purging needs no sound device.
    EXPECT_TRUE(library.Play(nullptr, SND_PURGE));
}

// A module that nothing else in the tests loads shows when loading happens.
TEST(MenuSoundLibrary, LoadsTheModuleOnFirstUseAndFreesItAtTheEnd)
{
    const char* const pszModule = "DCIMAN32.DLL";
    if (::GetModuleHandleA(pszModule))
        GTEST_SKIP() << pszModule << " is already loaded in this process";
    {
        MenuSoundLibrary library(pszModule, "DCIOpenProvider");
        EXPECT_EQ(nullptr, ::GetModuleHandleA(pszModule));
        EXPECT_NE(nullptr, library.GetPlaySound());
        EXPECT_NE(nullptr, ::GetModuleHandleA(pszModule));
    }
    EXPECT_EQ(nullptr, ::GetModuleHandleA(pszModule));
}

TEST(MenuSoundLibrary, MissingModuleOrEntryLeavesItSilent)
{
    struct Case
    {
        const char* pszModule;
        const char* pszEntry;
    };
    const Case cases[] = {
        {"qivnotes-fehlt.dll", "PlaySoundA"}, // no such module
        {"KERNEL32.DLL", "PlaySoundA"},       // module without the entry
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszModule);
        MenuSoundLibrary library(c.pszModule, c.pszEntry);
        EXPECT_EQ(nullptr, library.GetPlaySound());
        EXPECT_EQ(nullptr, library.GetPlaySound());
        EXPECT_FALSE(library.Play("MenuPopup", SND_ALIAS | SND_NODEFAULT | SND_NOWAIT));
    }
}

TEST(MenuSoundLibrary, ModuleWithoutTheEntryIsNotKeptLoaded)
{
    if (::GetModuleHandleA("DCIMAN32.DLL"))
        GTEST_SKIP() << "the probe module is already loaded in this process";
    MenuSoundLibrary library("DCIMAN32.DLL", "PlaySoundA");
    EXPECT_EQ(nullptr, library.GetPlaySound());
    EXPECT_EQ(nullptr, ::GetModuleHandleA("DCIMAN32.DLL"));
}

} // namespace
