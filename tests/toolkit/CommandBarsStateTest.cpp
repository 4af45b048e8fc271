// The bars' stored arrangement and option set: the values written to the
// real registry, read back with the registry calls (names, types, bytes);
// round trips through the profile and an archive; and a table of damaged
// stored states, each of which must read as defaults or as its good parts.
#include "toolkit/commandbars/CommandBarsState.h"

#include "TestProfile.h"
#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/draw/DefaultTheme.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const char kBase[] = "CommandBars";
const CSize kScreen(1024, 768);
const CSize kIcon(32, 32);

std::string Dword(int nValue)
{
    return std::string(reinterpret_cast<const char*>(&nValue), 4);
}

int DwordOf(const CTestProfileScope::RawValue& value)
{
    int nValue = 0;
    if (value.data.size() == 4)
        memcpy(&nValue, value.data.data(), 4);
    return nValue;
}

struct ReleaseTarget
{
    void operator()(CCmdTarget* p) const { p->InternalRelease(); }
};
using CommandBarsPtr = std::unique_ptr<CXTPCommandBars, ReleaseTarget>;

// A manager with a paint manager of its own, so that the icon options the
// archive form keeps are not the process's.
CommandBarsPtr NewCommandBars()
{
    CommandBarsPtr pCommandBars(new CXTPCommandBars);
    CXTPPaintManager* pTheme = new CXTPDefaultTheme;
    pCommandBars->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    return pCommandBars;
}

XTP_BAR_STATE Bar(UINT nId)
{
    XTP_BAR_STATE bar;
    bar.nBarID = nId;
    return bar;
}

// --- Options -------------------------------------------------------------------------------

TEST(CommandBarsOptionsState, ProfileHoldsTheShortFormWithDefaultsWritten)
{
    CTestProfileScope profile;
    CommandBarsPtr pWriter = NewCommandBars();
    CXTPCommandBarsOptions* pOptions = pWriter->GetCommandBarsOptions();
    pOptions->bLargeIcons = TRUE;
    pOptions->bAlwaysShowFullMenus = FALSE;
    pOptions->nAnimationType = 3;
    pOptions->bDblClickFloat = TRUE;   // not part of the profile's form
    pOptions->m_mapUsedCommands.SetAt(0xE100, TRUE);
    pWriter->WriteOptionsToProfile(kBase);

    const struct
    {
        const char* pszName;
        int nValue;
    } kValues[] = {{"Schema", 18},           {"AlwaysShowFullMenus", 0}, {"ShowFullAfterDelay", 1},
                   {"ToolBarScreenTips", 1}, {"ToolBarAccelTips", 0},    {"LargeIcons", 1},
                   {"Animation", 3}};
    for (const auto& expected : kValues)
    {
        CTestProfileScope::RawValue value = profile.Read("CommandBars-Options", expected.pszName);
        ASSERT_TRUE(value.bExists) << expected.pszName;
        EXPECT_EQ(DWORD(REG_DWORD), value.dwType) << expected.pszName;
        EXPECT_EQ(expected.nValue, DwordOf(value)) << expected.pszName;
    }
    EXPECT_FALSE(profile.Read("CommandBars-Options", "DblClickFloat").bExists);
    CTestProfileScope::RawValue used = profile.Read("CommandBars-Options", "UsedCommands");
    ASSERT_TRUE(used.bExists);
    EXPECT_EQ(DWORD(REG_BINARY), used.dwType);

    CommandBarsPtr pReader = NewCommandBars();
    pReader->ReadOptionsFromProfile(kBase);
    CXTPCommandBarsOptions* pRead = pReader->GetCommandBarsOptions();
    EXPECT_TRUE(pRead->bLargeIcons);
    EXPECT_FALSE(pRead->bAlwaysShowFullMenus);
    EXPECT_EQ(3, pRead->nAnimationType);
    EXPECT_FALSE(pRead->bDblClickFloat);
    BOOL bUsed = FALSE;
    EXPECT_TRUE(pRead->m_mapUsedCommands.Lookup(0xE100, bUsed));
    EXPECT_EQ(1, pRead->m_mapUsedCommands.GetCount());
}

TEST(CommandBarsOptionsState, MissingOrMistypedValuesLeaveTheOptionAsItIs)
{
    CTestProfileScope profile;
    ASSERT_TRUE(profile.Write("CommandBars-Options", "LargeIcons", REG_SZ, "1"));
    ASSERT_TRUE(profile.Write("CommandBars-Options", "Animation", REG_DWORD, Dword(2)));
    CommandBarsPtr pReader = NewCommandBars();
    CXTPCommandBarsOptions* pOptions = pReader->GetCommandBarsOptions();
    pOptions->bToolBarAccelTips = TRUE;
    pReader->ReadOptionsFromProfile(kBase);
    EXPECT_FALSE(pOptions->bLargeIcons);
    EXPECT_TRUE(pOptions->bToolBarAccelTips);
    EXPECT_TRUE(pOptions->bAlwaysShowFullMenus);
    EXPECT_EQ(2, pOptions->nAnimationType);
}

TEST(CommandBarsOptionsState, ArchiveKeepsEveryOption)
{
    CommandBarsPtr pWriter = NewCommandBars();
    CXTPCommandBarsOptions* pOptions = pWriter->GetCommandBarsOptions();
    pOptions->bSyncFloatingBars = FALSE;
    pOptions->bShowExpandButtonAlways = FALSE;
    pOptions->bDblClickFloat = TRUE;
    pOptions->bShowTextBelowIcons = TRUE;
    pOptions->bAltDragCustomization = FALSE;
    pOptions->bAutoHideUnusedPopups = FALSE;
    pOptions->szIcons = CSize(20, 20);
    pOptions->szLargeIcons = CSize(40, 40);
    pOptions->szPopupIcons = CSize(24, 24);
    pOptions->keyboardCuesUse = 2;
    pOptions->keyboardCuesShow = 1;
    pOptions->m_mapHiddenCommands.SetAt(200, TRUE);
    pOptions->m_mapHiddenCommands.SetAt(201, TRUE);
    pWriter->GetPaintManager()->GetIconOptions()->bShadowUnderHot = TRUE;
    pWriter->GetPaintManager()->GetIconOptions()->bFadedInactive = FALSE;

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pOptions->Serialize(ar);
        ar.Close();
    }
    file.Seek(0, CFile::begin);
    CommandBarsPtr pReader = NewCommandBars();
    {
        CArchive ar(&file, CArchive::load);
        pReader->GetCommandBarsOptions()->Serialize(ar);
    }
    EXPECT_EQ(file.GetLength(), file.GetPosition());
    CXTPCommandBarsOptions* pRead = pReader->GetCommandBarsOptions();
    EXPECT_FALSE(pRead->bSyncFloatingBars);
    EXPECT_FALSE(pRead->bShowExpandButtonAlways);
    EXPECT_TRUE(pRead->bDblClickFloat);
    EXPECT_TRUE(pRead->bShowTextBelowIcons);
    EXPECT_FALSE(pRead->bAltDragCustomization);
    EXPECT_FALSE(pRead->bAutoHideUnusedPopups);
    EXPECT_EQ(CSize(20, 20), pRead->szIcons);
    EXPECT_EQ(CSize(40, 40), pRead->szLargeIcons);
    EXPECT_EQ(CSize(24, 24), pRead->szPopupIcons);
    EXPECT_EQ(2, pRead->keyboardCuesUse);
    EXPECT_EQ(1, pRead->keyboardCuesShow);
    // Mode 1 never shows the underlines.
    EXPECT_FALSE(pReader->IsAccessKeysShown());
    EXPECT_EQ(2, pRead->m_mapHiddenCommands.GetCount());
    EXPECT_TRUE(pReader->GetPaintManager()->GetIconOptions()->bShadowUnderHot);
    EXPECT_FALSE(pReader->GetPaintManager()->GetIconOptions()->bFadedInactive);
}

// --- Arrangement ---------------------------------------------------------------------------

TEST(CommandBarsLayoutState, WritesTheStoredFormsValueByValue)
{
    CTestProfileScope profile;
    XTP_COMMANDBARS_LAYOUT layout;
    layout.szScreen = kScreen;
    XTP_BAR_STATE shown = Bar(1);
    shown.ptPosition = CPoint(0, 0);
    shown.nMRUDockID = 59419;
    shown.rcMRUDockPos = CRect(1, 2, 3, 4);
    XTP_BAR_STATE hidden = Bar(7);
    hidden.bVisible = FALSE;
    hidden.bFloating = TRUE;
    hidden.nMRUWidth = 120;
    hidden.ptMRUFloatPos = CPoint(300, 200);
    XTP_BAR_STATE dialog = Bar(9);
    dialog.bDialogBar = TRUE;
    dialog.szFloatingClient = CSize(250, 90);
    layout.bars = {shown, hidden, dialog};
    layout.dockRows[0] = {0, 1, 0, 0, 0, 7, 0};
    layout.dockRows[2] = {9};
    layout.nStatusBarHidden = 1;
    WriteLayoutToProfile(kBase, layout);

    const struct
    {
        const char* pszSection;
        const char* pszName;
        int nValue;   // -99: the value must not exist
    } kValues[] = {
        {"CommandBars-Summary", "Bars", 3},
        {"CommandBars-Summary", "ScreenCX", 1024},
        {"CommandBars-Summary", "ScreenCY", 768},
        {"CommandBars-Bar0", "BarID", 1},
        {"CommandBars-Bar0", "Visible", -99},
        {"CommandBars-Bar0", "Floating", -99},
        {"CommandBars-Bar0", "XPos", 0},
        {"CommandBars-Bar0", "MRUWidth", -99},
        {"CommandBars-Bar0", "MRUDockID", 59419},
        {"CommandBars-Bar0", "MRUDockBottomPos", 4},
        {"CommandBars-Bar0", "DialogBar", 0},
        {"CommandBars-Bar0", "DialogBarDockingClientCx", -99},
        {"CommandBars-Bar1", "Visible", 0},
        {"CommandBars-Bar1", "Floating", 1},
        {"CommandBars-Bar1", "XPos", -99},
        {"CommandBars-Bar1", "MRUWidth", 120},
        {"CommandBars-Bar1", "MRUFloatYPos", 200},
        {"CommandBars-Bar2", "DialogBar", 1},
        {"CommandBars-Bar2", "DialogBarDockingClientCx", 200},
        {"CommandBars-Bar2", "DialogBarFloatingClientCy", 90},
        // Runs of row breaks collapse into one; the leading one stays.
        {"CommandBars-DockBar0", "Bars", 5},
        {"CommandBars-DockBar0", "Bar#0", 0},
        {"CommandBars-DockBar0", "Bar#1", 1},
        {"CommandBars-DockBar0", "Bar#2", 0},
        {"CommandBars-DockBar0", "Bar#3", 7},
        {"CommandBars-DockBar0", "Bar#4", 0},
        {"CommandBars-DockBar0", "Bar#5", -99},
        // A dock bar of one entry keeps no values.
        {"CommandBars-DockBar2", "Bars", -99},
        {"CommandBars-DockBar2", "Bar#0", -99},
        {"CommandBars", "StatusBar", 0},
    };
    for (const auto& expected : kValues)
    {
        CTestProfileScope::RawValue value = profile.Read(expected.pszSection, expected.pszName);
        if (expected.nValue == -99)
        {
            EXPECT_FALSE(value.bExists) << expected.pszSection << " " << expected.pszName;
            continue;
        }
        ASSERT_TRUE(value.bExists) << expected.pszSection << " " << expected.pszName;
        EXPECT_EQ(DWORD(REG_DWORD), value.dwType) << expected.pszName;
        EXPECT_EQ(expected.nValue, DwordOf(value)) << expected.pszSection << " " << expected.pszName;
    }

    // Written again with the status bar shown and fewer rows, the old values go.
    layout.nStatusBarHidden = 0;
    layout.dockRows[0] = {1, 0};
    WriteLayoutToProfile(kBase, layout);
    EXPECT_FALSE(profile.Read("CommandBars", "StatusBar").bExists);
    EXPECT_FALSE(profile.Read("CommandBars-DockBar0", "Bar#2").bExists);
    EXPECT_EQ(2, DwordOf(profile.Read("CommandBars-DockBar0", "Bars")));
}

TEST(CommandBarsLayoutState, ReadsBackWhatWasWritten)
{
    CTestProfileScope profile;
    XTP_COMMANDBARS_LAYOUT layout;
    layout.szScreen = kScreen;
    XTP_BAR_STATE floating = Bar(3);
    floating.bFloating = TRUE;
    floating.ptPosition = CPoint(400, 300);
    floating.ptMRUFloatPos = CPoint(400, 300);
    floating.rcMRUDockPos = CRect(10, 0, 110, 26);
    floating.nMRUDockID = 59420;
    floating.nMRUWidth = 0;
    XTP_BAR_STATE dialog = Bar(4);
    dialog.bDialogBar = TRUE;
    dialog.szDockingClient = CSize(180, 60);
    layout.bars = {Bar(1), floating, dialog};
    layout.dockRows[0] = {1, 0, 4, 0};
    WriteLayoutToProfile(kBase, layout);

    XTP_COMMANDBARS_LAYOUT read;
    ReadLayoutFromProfile(kBase, read, kScreen, kIcon);
    ASSERT_EQ(3u, read.bars.size());
    EXPECT_EQ(kScreen, read.szScreen);
    EXPECT_EQ(1u, read.bars[0].nBarID);
    EXPECT_EQ(CPoint(-1, -1), read.bars[0].ptPosition);
    EXPECT_TRUE(read.bars[1].bFloating);
    EXPECT_EQ(CPoint(400, 300), read.bars[1].ptPosition);
    EXPECT_EQ(CRect(10, 0, 110, 26), read.bars[1].rcMRUDockPos);
    EXPECT_EQ(59420, read.bars[1].nMRUDockID);
    EXPECT_EQ(0, read.bars[1].nMRUWidth);
    EXPECT_TRUE(read.bars[2].bDialogBar);
    EXPECT_EQ(CSize(180, 60), read.bars[2].szDockingClient);
    EXPECT_EQ(CSize(200, 200), read.bars[2].szFloatingClient);
    EXPECT_EQ((std::vector<UINT>{1, 0, 4, 0}), read.dockRows[0]);
    EXPECT_TRUE(read.dockRows[1].empty());
    EXPECT_EQ(0, read.nStatusBarHidden);
}

TEST(CommandBarsLayoutState, PositionsFollowTheScreenSize)
{
    const struct
    {
        CPoint pt;
        CSize szStored;
        CPoint expected;
    } kCases[] = {
        {CPoint(600, 400), CSize(2048, 768), CPoint(300, 400)},    // twice as wide: x halves
        {CPoint(600, 400), CSize(1024, 384), CPoint(600, 736)},    // y doubles, then kept on screen
        {CPoint(600, 400), CSize(0, 0), CPoint(600, 400)},         // no stored size: as it is
        {CPoint(600, 400), CSize(-5, 768), CPoint(600, 400)},
        {CPoint(5000, 5000), CSize(1024, 768), CPoint(992, 736)},  // beyond the screen
        {CPoint(-300, -20), CSize(1024, 768), CPoint(0, 0)},       // before it
        {CPoint(-1, -1), CSize(2048, 768), CPoint(-1, -1)},        // not set
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.expected, ScaleStoredPoint(c.pt, c.szStored, kScreen, kIcon))
            << c.pt.x << "," << c.pt.y << " from " << c.szStored.cx << "x" << c.szStored.cy;
    EXPECT_EQ(CRect(992, 10, 1092, 36),
              ScaleStoredRect(CRect(2000, 10, 2100, 36), CSize(1024, 768), kScreen, kIcon));
    EXPECT_EQ(CRect(50, 10, 150, 36),
              ScaleStoredRect(CRect(100, 10, 200, 36), CSize(2048, 768), kScreen, kIcon));
}

// Each case writes raw registry values over a good stored state and reads it.
struct DamagedCase
{
    const char* pszName;
    std::function<void(CTestProfileScope&)> damage;
    std::function<void(const XTP_COMMANDBARS_LAYOUT&)> check;
};

void WriteGoodState()
{
    XTP_COMMANDBARS_LAYOUT layout;
    layout.szScreen = kScreen;
    XTP_BAR_STATE second = Bar(2);
    second.ptPosition = CPoint(100, 0);
    layout.bars = {Bar(1), second};
    layout.dockRows[0] = {1, 2, 0};
    WriteLayoutToProfile(kBase, layout);
}

TEST(CommandBarsLayoutState, DamagedStatesReadAsDefaultsOrTheirGoodParts)
{
    const DamagedCase kCases[] = {
        {"huge bar count",
         [](CTestProfileScope& p) { p.Write("CommandBars-Summary", "Bars", REG_DWORD, Dword(0x7FFFFFFF)); },
         [](const XTP_COMMANDBARS_LAYOUT& l) { EXPECT_EQ(2u, l.bars.size()); }},
        {"negative bar count",
         [](CTestProfileScope& p) { p.Write("CommandBars-Summary", "Bars", REG_DWORD, Dword(-3)); },
         [](const XTP_COMMANDBARS_LAYOUT& l) { EXPECT_TRUE(l.bars.empty()); }},
        {"bar count as text",
         [](CTestProfileScope& p) { p.Write("CommandBars-Summary", "Bars", REG_SZ, "2"); },
         [](const XTP_COMMANDBARS_LAYOUT& l) { EXPECT_TRUE(l.bars.empty()); }},
        {"record missing in the middle",
         [](CTestProfileScope& p) {
             p.Write("CommandBars-Summary", "Bars", REG_DWORD, Dword(3));
             p.Write("CommandBars-Bar2", "BarID", REG_DWORD, Dword(5));
             p.Write("CommandBars-Bar1", "BarID", REG_BINARY, Dword(2));
         },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             ASSERT_EQ(1u, l.bars.size());
             EXPECT_EQ(1u, l.bars[0].nBarID);
         }},
        {"zero screen size",
         [](CTestProfileScope& p) {
             p.Write("CommandBars-Summary", "ScreenCX", REG_DWORD, Dword(0));
             p.Write("CommandBars-Summary", "ScreenCY", REG_DWORD, Dword(0));
         },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             ASSERT_EQ(2u, l.bars.size());
             EXPECT_EQ(CPoint(100, 0), l.bars[1].ptPosition);
         }},
        {"one bar id recorded twice",
         [](CTestProfileScope& p) { p.Write("CommandBars-Bar1", "BarID", REG_DWORD, Dword(1)); },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             ASSERT_EQ(1u, l.bars.size());
             EXPECT_EQ(CPoint(-1, -1), l.bars[0].ptPosition);
         }},
        {"one bar id placed twice and in two dock bars",
         [](CTestProfileScope& p) {
             p.Write("CommandBars-DockBar0", "Bar#1", REG_DWORD, Dword(1));
             p.Write("CommandBars-DockBar1", "Bars", REG_DWORD, Dword(2));
             p.Write("CommandBars-DockBar1", "Bar#0", REG_DWORD, Dword(1));
             p.Write("CommandBars-DockBar1", "Bar#1", REG_DWORD, Dword(0));
         },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             EXPECT_EQ((std::vector<UINT>{1, 0}), l.dockRows[0]);
             EXPECT_EQ((std::vector<UINT>{0}), l.dockRows[1]);
         }},
        {"unknown id in a row",
         [](CTestProfileScope& p) { p.Write("CommandBars-DockBar0", "Bar#1", REG_DWORD, Dword(4711)); },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             EXPECT_EQ((std::vector<UINT>{1, 4711, 0}), l.dockRows[0]);
         }},
        {"huge dock count, entries stop at the first gap",
         [](CTestProfileScope& p) { p.Write("CommandBars-DockBar0", "Bars", REG_DWORD, Dword(0x7FFFFFFF)); },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             EXPECT_EQ((std::vector<UINT>{1, 2, 0}), l.dockRows[0]);
         }},
        {"entry of the wrong type",
         [](CTestProfileScope& p) { p.Write("CommandBars-DockBar0", "Bar#1", REG_SZ, "2"); },
         [](const XTP_COMMANDBARS_LAYOUT& l) { EXPECT_EQ((std::vector<UINT>{1}), l.dockRows[0]); }},
        {"widths and sizes out of range",
         [](CTestProfileScope& p) {
             p.Write("CommandBars-Bar0", "MRUWidth", REG_DWORD, Dword(-40));
             p.Write("CommandBars-Bar1", "MRUWidth", REG_DWORD, Dword(1000000));
             p.Write("CommandBars-Bar1", "DialogBar", REG_DWORD, Dword(1));
             p.Write("CommandBars-Bar1", "DialogBarDockingClientCx", REG_DWORD, Dword(-7));
             p.Write("CommandBars-Bar1", "DialogBarFloatingClientCy", REG_DWORD, Dword(49));
         },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             ASSERT_EQ(2u, l.bars.size());
             EXPECT_EQ(0, l.bars[0].nMRUWidth);
             EXPECT_EQ(32767, l.bars[1].nMRUWidth);
             EXPECT_EQ(CSize(50, 200), l.bars[1].szDockingClient);
             EXPECT_EQ(CSize(200, 50), l.bars[1].szFloatingClient);
         }},
        {"positions far off screen",
         [](CTestProfileScope& p) {
             p.Write("CommandBars-Bar1", "Floating", REG_DWORD, Dword(1));
             p.Write("CommandBars-Bar1", "XPos", REG_DWORD, Dword(-32000));
             p.Write("CommandBars-Bar1", "YPos", REG_DWORD, Dword(90000));
             p.Write("CommandBars-Bar1", "MRUFloatXPos", REG_DWORD, Dword(0x7FFFFFFF));
         },
         [](const XTP_COMMANDBARS_LAYOUT& l) {
             ASSERT_EQ(2u, l.bars.size());
             EXPECT_EQ(CPoint(0, 736), l.bars[1].ptPosition);
             EXPECT_EQ(992, l.bars[1].ptMRUFloatPos.x);
         }},
        {"status bar value of the wrong type",
         [](CTestProfileScope& p) { p.Write("CommandBars", "StatusBar", REG_SZ, "0"); },
         [](const XTP_COMMANDBARS_LAYOUT& l) { EXPECT_EQ(0, l.nStatusBarHidden); }},
    };
    for (const DamagedCase& c : kCases)
    {
        SCOPED_TRACE(c.pszName);
        CTestProfileScope profile;
        WriteGoodState();
        c.damage(profile);
        XTP_COMMANDBARS_LAYOUT layout;
        ReadLayoutFromProfile(kBase, layout, kScreen, kIcon);
        c.check(layout);
    }
}

TEST(CommandBarsLayoutState, NothingStoredReadsAsNothing)
{
    CTestProfileScope profile;
    XTP_COMMANDBARS_LAYOUT layout;
    layout.bars.push_back(Bar(1));
    ReadLayoutFromProfile(kBase, layout, kScreen, kIcon);
    EXPECT_TRUE(layout.bars.empty());
    for (const auto& rows : layout.dockRows)
        EXPECT_TRUE(rows.empty());
    EXPECT_EQ(0, layout.nStatusBarHidden);
}

TEST(CommandBarsLayoutState, SectionNamesAreCutAt255)
{
    CString strLong('x', 300);
    EXPECT_EQ(255, FormatStateSection(strLong, "%s-Bar%d", 3).GetLength());
    EXPECT_STREQ("Base-DockBar2", FormatStateSection("Base", "%s-DockBar%d", 2));
    EXPECT_STREQ("Base-Summary", FormatStateSection("Base", "%s-Summary"));
}

} // namespace
