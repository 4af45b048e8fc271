#include "toolkit/draw/Office2007StyleResources.h"

#include "framework/core/Module.h"
#include "office2007/StyleModules.h"
#include "toolkit/draw/Office2007Image.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kNoColor = 0xFFFFFFFF;

BOOL IsModuleLoaded(const CString& strPath)
{
    return ::GetModuleHandleA(strPath) != nullptr;
}

TEST(Office2007StyleResources, WithoutStyleModuleEverythingAnswersNone)
{
    // Nothing beside the test program: its own resources are searched.
    CXTPOffice2007StyleResources resources;
    EXPECT_FALSE(resources.IsLoaded());
    EXPECT_EQ(AfxGetInstanceHandle(), resources.GetModule());
    EXPECT_TRUE(resources.GetModulePath().IsEmpty());
    EXPECT_EQ(kNoColor, resources.LookupColor("Ribbon", "RibbonFace"));
    EXPECT_TRUE(resources.GetValue("Images", "Frame").IsEmpty());
    EXPECT_EQ(nullptr, resources.GetImage("NINE_BMP"));
    EXPECT_EQ(nullptr, resources.GetImage("NINE_BMP"));

    resources.LoadStyleModule(StyleModulePath("NoSuchStyle.dll"));
    EXPECT_FALSE(resources.IsLoaded());
    EXPECT_EQ(AfxGetInstanceHandle(), resources.GetModule());
    EXPECT_TRUE(resources.GetModulePath().IsEmpty());

    CXTPOffice2007StyleResources* pShared = GetOffice2007StyleResources();
    ASSERT_NE(nullptr, pShared);
    EXPECT_EQ(pShared, GetOffice2007StyleResources());
    EXPECT_FALSE(pShared->IsLoaded());
    EXPECT_EQ(kNoColor, pShared->LookupColor("Ribbon", "RibbonFace"));
}

TEST(Office2007StyleResources, ModuleIsHeldAndReleased)
{
    CString strPath = StyleModulePath("StyleModule.dll");
    {
        CXTPOffice2007StyleResources resources;
        resources.LoadStyleModule(strPath);
        ASSERT_TRUE(resources.IsLoaded());
        EXPECT_EQ(strPath, resources.GetModulePath());
        EXPECT_NE(AfxGetInstanceHandle(), resources.GetModule());
        EXPECT_TRUE(IsModuleLoaded(strPath));

        // Switching to another module lets go of the first.
        EXPECT_FALSE(resources.SetHandle(AfxGetInstanceHandle(), nullptr, FALSE));
        EXPECT_FALSE(IsModuleLoaded(strPath));
        resources.LoadStyleModule(strPath);
        EXPECT_TRUE(resources.IsLoaded());
    }
    EXPECT_FALSE(IsModuleLoaded(strPath));
}

struct ValueCase
{
    const char* pszSection;
    const char* pszKey;
    const char* pszValue;
    COLORREF clr;
};

TEST(Office2007StyleResources, ValuesAndColoursBySectionAndKey)
{
    CXTPOffice2007StyleResources resources;
    resources.LoadStyleModule(StyleModulePath("StyleModule.dll"));
    ASSERT_TRUE(resources.IsLoaded());

    const ValueCase cases[] = {
        {"Ribbon", "RibbonFace", "1 2 3", RGB(1, 2, 3)},  // the first of two entries
        {"rIBBON", "ribbonface", "1 2 3", RGB(1, 2, 3)},
        {"Ribbon", "Numbers", "0X10 010 16", RGB(16, 8, 16)},  // hex, octal, decimal
        {"Ribbon", "Partial", "7", RGB(7, 0, 0)},
        {"Ribbon", "Junk", "ABC 5", RGB(0, 0, 0)},
        {"Ribbon", "Wrap", "257 -1 0X1FF", RGB(1, 255, 255)},  // low 8 bits
        {"Ribbon", "Spaced Key", "4 5 6", RGB(4, 5, 6)},
        {"Ribbon", "gr\xFCn", "0 255 0", RGB(0, 255, 0)},  // upper case beyond ASCII
        {"Ribbon", "Lf", "1 2 3\nHIDDEN = 4 5 6", RGB(1, 2, 3)},  // a line feed ends no line
        {"Ribbon", "Hidden", "", kNoColor},
        {"Ribbon", "", "", kNoColor},        // "=" in the first column makes no entry
        {"Ribbon", "Second", "", kNoColor},  // only the first section of a name counts
        {"Ribbon", "X", "", kNoColor},
        {"Other", "X", "1 1 1", RGB(1, 1, 1)},
        {"Other", "Second", "", kNoColor},  // the next header ends the section
        {"Images", "Frame", "NINE.BMP", RGB(0, 0, 0)},  // header with a comment behind it
        {"Blank", "InBlank", "", kNoColor},  // a blank after "]" stays part of the name
        {"Blank]", "InBlank", "1 2 3", RGB(1, 2, 3)},
        {"Tail", "Last", "", kNoColor},  // no carriage return after the last line
        {"Nowhere", "RibbonFace", "", kNoColor},
        {nullptr, nullptr, "", kNoColor},
    };
    for (const ValueCase& c : cases)
    {
        SCOPED_TRACE(CString(c.pszSection ? c.pszSection : "(null)") + " / " +
                     (c.pszKey ? c.pszKey : "(null)"));
        EXPECT_STREQ(c.pszValue, resources.GetValue(c.pszSection, c.pszKey));
        EXPECT_EQ(c.clr, resources.LookupColor(c.pszSection, c.pszKey));
    }
}

TEST(Office2007StyleResources, StyleTextUnderOtherNamesEndsWhereTheResourceEnds)
{
    CString strPath = StyleModulePath("AltStyleModule.dll");
    HMODULE hModule = ::LoadLibraryA(strPath);
    ASSERT_NE(nullptr, hModule);
    // The fixture must really end in half a character.
    HRSRC hText = ::FindResourceA(hModule, "ALTSTYLE", "TEXTFILE");
    ASSERT_NE(nullptr, hText);
    ASSERT_EQ(1u, ::SizeofResource(hModule, hText) % 2);

    CXTPOffice2007StyleResources resources;
    // No text of the default name: the first text resource serves. Its last
    // line lacks a whole carriage return and is never read.
    ASSERT_TRUE(resources.SetHandle(hModule, nullptr, TRUE));
    EXPECT_EQ(RGB(10, 20, 30), resources.LookupColor("A", "K"));
    EXPECT_EQ(kNoColor, resources.LookupColor("A", "N"));

    // The text ends at its first zero character.
    ::LoadLibraryA(strPath);
    ASSERT_TRUE(resources.SetHandle(hModule, "zero.ini", TRUE));
    EXPECT_EQ(RGB(1, 1, 1), resources.LookupColor("A", "K"));
    EXPECT_EQ(kNoColor, resources.LookupColor("A", "M"));

    // A named text that is missing is not replaced by another one; the
    // module stays held for its images.
    ::LoadLibraryA(strPath);
    EXPECT_FALSE(resources.SetHandle(hModule, "absent.ini", TRUE));
    EXPECT_FALSE(resources.IsLoaded());
    EXPECT_EQ(hModule, resources.GetModule());
    EXPECT_EQ(kNoColor, resources.LookupColor("A", "K"));
}

TEST(Office2007StyleResources, ImagesByNameAndAliasAreKept)
{
    CXTPOffice2007StyleResources resources;
    resources.LoadStyleModule(StyleModulePath("StyleModule.dll"));
    ASSERT_TRUE(resources.IsLoaded());

    // "Frame" is an alias of "nine.bmp" in the images section.
    CXTPOffice2007Image* pFrame = resources.GetImage("Frame");
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(CSize(6, 12), pFrame->GetExtent());
    EXPECT_FALSE(pFrame->IsAlphaImage());
    EXPECT_EQ(pFrame, resources.GetImage("Frame"));

    // Dots and backslashes become underscores; the cache keeps names as
    // they were asked for.
    CXTPOffice2007Image* pDotted = resources.GetImage("nine.bmp");
    ASSERT_NE(nullptr, pDotted);
    EXPECT_NE(pFrame, pDotted);
    EXPECT_NE(nullptr, resources.GetImage("NINE\\BMP"));

    CXTPOffice2007Image* pAlpha = resources.GetImage("alpha.png");
    ASSERT_NE(nullptr, pAlpha);
    EXPECT_TRUE(pAlpha->IsAlphaImage());
    EXPECT_EQ(CSize(4, 4), pAlpha->GetExtent());

    // Missing and damaged images answer null, every time.
    for (const char* pszName : {"Missing", "NoSuchImage", "broken.png", "huge.png"})
    {
        SCOPED_TRACE(pszName);
        EXPECT_EQ(nullptr, resources.GetImage(pszName));
        EXPECT_EQ(nullptr, resources.GetImage(pszName));
    }
    EXPECT_EQ(nullptr, resources.GetImage(nullptr));
}

} // namespace
