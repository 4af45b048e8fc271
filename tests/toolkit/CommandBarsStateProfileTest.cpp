// The command bars' whole state through the real registry: what storing
// writes (names, types, bytes, read back with the registry calls), a second
// frame taking the stored places, visibility and customised controls, the
// question about a toolbar whose resource changed, and damaged stored
// states that leave the bars as they were made.
#include "toolkit/commandbars/CommandBars.h"

#include "BarTestSupport.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/ui/TestSeams.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/ControlsBlob.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/FrameWnd.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kBase[] = "CommandBars";
const UINT kStandardId = 200;
const UINT kFormatId = 201;
const UINT kViewId = 202;
const UINT kStandardItems[] = {57600, 57601, 0, 57603, 57607};

std::string Dword(int nValue)
{
    return std::string(reinterpret_cast<const char*>(&nValue), 4);
}

int DwordOf(const CTestProfileScope::RawValue& value)
{
    int nValue = -12345;
    if (value.data.size() == 4)
        memcpy(&nValue, value.data.data(), 4);
    return nValue;
}

// A frame whose command bars see a customize command (or not).
class CStateFrame : public CXTPFrameWnd
{
public:
    explicit CStateFrame(BOOL bCustomize) : m_bCustomize(bCustomize) {}
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (m_bCustomize && nID == XTP_ID_CUSTOMIZE && nCode == CN_COMMAND)
            return TRUE;
        return CXTPFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    BOOL m_bCustomize;
};

// The program's bars as every run makes them: a standard toolbar from its
// items (the made set is the original one), a format toolbar with a menu
// button, a view toolbar.
class CStateWindow
{
public:
    // nExtra: commands the standard and view toolbars' resources gained.
    explicit CStateWindow(BOOL bCustomize = TRUE, int nExtra = 0)
    {
        m_pFrame = new CStateFrame(bCustomize);
        if (!m_pFrame->Create(nullptr, "Zustand", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440)))
            return;
        m_pFrame->InitCommandBars();
        CXTPCommandBars* pCommandBars = m_pFrame->GetCommandBars();
        std::vector<UINT> items(std::begin(kStandardItems), std::end(kStandardItems));
        std::vector<UINT> viewItems = {57665};
        for (int i = 0; i < nExtra; ++i)
        {
            items.push_back(57664 + i);
            viewItems.push_back(57664 + i);
        }
        m_pStandard = MakeBar(pCommandBars, "Standard", kStandardId, items);
        m_pFormat = MakeBar(pCommandBars, "Format", kFormatId, {57636});
        m_pView = MakeBar(pCommandBars, "Ansicht", kViewId, viewItems);

        // The format bar's menu button opens a popup bar of two commands.
        CXTPControl* pMenu = m_pFormat->GetControls()->Add(xtpControlPopup, 33000);
        pMenu->SetCaption("&Farben");
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
        pPopup->GetControls()->Add(xtpControlButton, 33001)->SetCaption("Rot");
        pPopup->GetControls()->Add(xtpControlButton, 33002)->SetCaption("Blau");
        static_cast<CXTPControlPopup*>(pMenu)->SetCommandBar(pPopup);
        pPopup->InternalRelease();
        m_pFormat->GetControls()->CreateOriginalControls();
        m_pFrame->RecalcLayout();
    }
    ~CStateWindow()
    {
        if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }
    CStateWindow(const CStateWindow&) = delete;
    CStateWindow& operator=(const CStateWindow&) = delete;

    CXTPCommandBars* Bars() const { return m_pFrame->GetCommandBars(); }
    bool IsMade() const { return m_pView != nullptr; }

    CStateFrame* m_pFrame = nullptr;
    CXTPToolBar* m_pStandard = nullptr;
    CXTPToolBar* m_pFormat = nullptr;
    CXTPToolBar* m_pView = nullptr;

private:
    static CXTPToolBar* MakeBar(CXTPCommandBars* pCommandBars, LPCSTR lpszTitle, UINT nId,
                                const std::vector<UINT>& items)
    {
        CXTPToolBar* pBar = pCommandBars->CreateToolBar(lpszTitle, xtpBarTop);
        if (!pBar)
            return nullptr;
        pBar->SetBarID(nId);
        pBar->LoadToolBarItems(items.data(), static_cast<int>(items.size()));
        pBar->GetControls()->CreateOriginalControls();
        return pBar;
    }
};

std::vector<int> ControlIds(CXTPCommandBar* pBar)
{
    std::vector<int> ids;
    for (int i = 0; i < pBar->GetControlCount(); ++i)
        if (!pBar->GetControl(i)->IsTemporary())
            ids.push_back(pBar->GetControl(i)->GetID());
    return ids;
}

class CommandBarsStateProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strSideFile = GetControlsSideFilePath(kBase);
        RemoveSideFile();
    }
    void TearDown() override { RemoveSideFile(); }
    void RemoveSideFile()
    {
        ::SetFileAttributesA(m_strSideFile, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(m_strSideFile);
    }

    CTestProfileScope m_profile;
    CString m_strSideFile;
};

// Storing writes each bar's record, the summary and the controls value: a
// packed blob whose inner bytes are what an archive exchange of the bars
// gives, each popup bar numbered from 0x1000000 and named by its control.
TEST_F(CommandBarsStateProfileTest, StoringWritesRecordsSummaryAndThePackedControls)
{
    CStateWindow window;
    ASSERT_TRUE(window.IsMade());
    ASSERT_TRUE(window.Bars()->IsCustomizableControls());
    window.m_pView->SetVisible(FALSE);
    window.Bars()->GetCommandBarsOptions()->bDirty = TRUE;
    window.Bars()->StoreStateToProfile(kBase);
    EXPECT_FALSE(window.Bars()->GetCommandBarsOptions()->bDirty);

    const struct
    {
        const char* pszSection;
        const char* pszName;
        int nValue;
    } kDwords[] = {
        {"CommandBars-Summary", "Bars", 3},
        {"CommandBars-Summary", "ScreenCX", ::GetSystemMetrics(SM_CXSCREEN)},
        {"CommandBars-Summary", "ScreenCY", ::GetSystemMetrics(SM_CYSCREEN)},
        {"CommandBars-Bar0", "BarID", static_cast<int>(kStandardId)},
        {"CommandBars-Bar1", "BarID", static_cast<int>(kFormatId)},
        {"CommandBars-Bar2", "BarID", static_cast<int>(kViewId)},
        {"CommandBars-Bar2", "Visible", 0},
        {"CommandBars-Bar0", "DialogBar", 0},
        {"CommandBars-Controls", "LoadFromFile", 0},
    };
    for (const auto& expected : kDwords)
    {
        CTestProfileScope::RawValue value = m_profile.Read(expected.pszSection, expected.pszName);
        ASSERT_TRUE(value.bExists) << expected.pszSection << " " << expected.pszName;
        EXPECT_EQ(DWORD(REG_DWORD), value.dwType) << expected.pszName;
        EXPECT_EQ(expected.nValue, DwordOf(value)) << expected.pszSection << " " << expected.pszName;
    }
    // A shown bar writes no "Visible"; a bar that never floated no "Floating".
    EXPECT_FALSE(m_profile.Read("CommandBars-Bar0", "Visible").bExists);
    EXPECT_FALSE(m_profile.Read("CommandBars-Bar0", "Floating").bExists);

    CTestProfileScope::RawValue controls = m_profile.Read("CommandBars-Controls", "Controls");
    ASSERT_TRUE(controls.bExists);
    ASSERT_EQ(DWORD(REG_BINARY), controls.dwType);
    ASSERT_GE(controls.data.size(), 12u);
    EXPECT_EQ("ZIP!", controls.data.substr(0, 4));
    std::vector<BYTE> data;
    ASSERT_TRUE(DecompressControlsBlob(reinterpret_cast<const BYTE*>(controls.data.data()),
                                       controls.data.size(), data));

    // The same bars through an archive exchange of our own.
    std::vector<CXTPCommandBar*> bars;
    window.Bars()->CollectBars(bars, nullptr);
    ASSERT_EQ(4u, bars.size());
    EXPECT_EQ(window.m_pFormat, bars[1]);
    EXPECT_EQ(0x1000000u, bars[2]->GetBarID());
    EXPECT_EQ(window.m_pFormat->GetControls()->FindControl(33000)->GetCommandBar(), bars[2]);
    EXPECT_EQ(window.m_pView, bars[3]);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
        params.pCommandBars = window.Bars();
        px.SetContext(&params);
        ASSERT_TRUE(ExchangeBarsOut(&px, bars));
        ar.Close();
    }
    for (CXTPCommandBar* pBar : bars)
        pBar->InternalRelease();
    const ULONGLONG nLength = file.GetLength();
    BYTE* pExpected = file.Detach();
    EXPECT_EQ(std::vector<BYTE>(pExpected, pExpected + nLength), data);
    free(pExpected);

    CString strDumps = EnvironmentFolder("QIV_BLOB_DUMP_DIR");
    if (!strDumps.IsEmpty())
    {
        ::CreateDirectoryA(strDumps, nullptr);
        EXPECT_TRUE(WriteWholeFile(strDumps + "bars.value", controls.data.data(), controls.data.size()));
        EXPECT_TRUE(WriteWholeFile(strDumps + "bars.data", data.data(), data.size()));
    }
}

// A site without the customize command keeps no controls.
TEST_F(CommandBarsStateProfileTest, WithoutCustomizingNoControlsAreKept)
{
    CStateWindow window(FALSE);
    ASSERT_TRUE(window.IsMade());
    EXPECT_FALSE(window.Bars()->IsCustomizableControls());
    window.Bars()->StoreStateToProfile(kBase);
    EXPECT_TRUE(m_profile.Read("CommandBars-Bar0", "BarID").bExists);
    EXPECT_FALSE(m_profile.SectionExists("CommandBars-Controls"));
}

// A second frame takes floating, position, visibility and the customised
// controls; its popup menu comes back under the format bar's menu button.
TEST_F(CommandBarsStateProfileTest, ASecondFrameTakesTheStoredState)
{
    {
        CStateWindow stored;
        ASSERT_TRUE(stored.IsMade());
        stored.m_pFormat->SetPosition(xtpBarFloating);
        stored.m_pFormat->SetWindowPos(nullptr, 300, 200, 0, 0,
                                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        stored.m_pView->SetVisible(FALSE);
        // The user took "Öffnen" off and renamed "Neu".
        stored.m_pStandard->GetControls()->Remove(stored.m_pStandard->GetControl(1));
        stored.m_pStandard->GetControl(0)->SetCaption("&Leer");
        stored.Bars()->StoreStateToProfile(kBase);
    }
    EXPECT_EQ(1, DwordOf(m_profile.Read("CommandBars-Bar1", "Floating")));
    EXPECT_EQ(300, DwordOf(m_profile.Read("CommandBars-Bar1", "XPos")));

    CStateWindow window;
    ASSERT_TRUE(window.IsMade());
    window.Bars()->RestoreStateFromProfile(kBase, TRUE);
    ASSERT_EQ(3, window.Bars()->GetCount());

    EXPECT_EQ(xtpBarFloating, window.m_pFormat->GetPosition());
    EXPECT_TRUE(window.m_pFormat->GetStyle() & WS_POPUP);
    EXPECT_EQ(CPoint(300, 200), WindowRect(window.m_pFormat).TopLeft());
    EXPECT_FALSE(window.m_pView->IsVisible());
    EXPECT_FALSE(window.m_pView->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(window.m_pStandard->IsVisible());

    EXPECT_EQ((std::vector<int>{57600, 57603, 57607}), ControlIds(window.m_pStandard));
    EXPECT_STREQ("&Leer", window.m_pStandard->GetControl(0)->GetCaption());
    EXPECT_TRUE(window.m_pStandard->GetControl(1)->GetBeginGroup());
    CXTPCommandBar* pPopup = window.m_pFormat->GetControl(1)->GetCommandBar();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ((std::vector<int>{33001, 33002}), ControlIds(pPopup));
    EXPECT_EQ(window.Bars(), pPopup->GetCommandBars());
}

// A stored screen twice as wide halves the stored x.
TEST_F(CommandBarsStateProfileTest, AWiderStoredScreenScalesPositions)
{
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    {
        CStateWindow stored;
        ASSERT_TRUE(stored.IsMade());
        stored.m_pFormat->SetPosition(xtpBarFloating);
        stored.Bars()->StoreStateToProfile(kBase);
    }
    ASSERT_TRUE(m_profile.Write("CommandBars-Summary", "ScreenCX", REG_DWORD, Dword(2 * cxScreen)));
    ASSERT_TRUE(m_profile.Write("CommandBars-Bar1", "XPos", REG_DWORD, Dword(600)));
    ASSERT_TRUE(m_profile.Write("CommandBars-Bar1", "YPos", REG_DWORD, Dword(150)));

    CStateWindow window;
    ASSERT_TRUE(window.IsMade());
    window.Bars()->RestoreStateFromProfile(kBase, TRUE);
    ASSERT_EQ(xtpBarFloating, window.m_pFormat->GetPosition());
    EXPECT_EQ(CPoint(300, 150), WindowRect(window.m_pFormat).TopLeft());
    ASSERT_EQ(cyScreen, ::GetSystemMetrics(SM_CYSCREEN));
}

// Controls too large for the profile go to the side file and come back.
TEST_F(CommandBarsStateProfileTest, LargeControlsTravelThroughTheSideFile)
{
    {
        CStateWindow stored;
        ASSERT_TRUE(stored.IsMade());
        // Captions that hardly pack: hundreds of them.
        UINT nSeed = 12345;
        for (int i = 0; i < 800; ++i)
        {
            CString strCaption;
            for (int c = 0; c < 48; ++c)
            {
                nSeed = nSeed * 1103515245 + 12345;
                strCaption += static_cast<char>('A' + (nSeed >> 16) % 26);
            }
            stored.m_pView->GetControls()->Add(xtpControlButton, 40000 + i)->SetCaption(strCaption);
        }
        stored.Bars()->StoreStateToProfile(kBase);
    }
    EXPECT_EQ(1, DwordOf(m_profile.Read("CommandBars-Controls", "LoadFromFile")));
    CTestProfileScope::RawValue path = m_profile.Read("CommandBars-Controls", "Controls");
    ASSERT_EQ(DWORD(REG_SZ), path.dwType);
    EXPECT_STREQ(m_strSideFile, path.data.c_str());
    std::vector<BYTE> blob;
    ASSERT_TRUE(ReadControlsSideFile(m_strSideFile, blob));
    EXPECT_GT(blob.size(), XTP_CONTROLS_PROFILE_LIMIT);

    CStateWindow window;
    ASSERT_TRUE(window.IsMade());
    window.Bars()->RestoreStateFromProfile(kBase, TRUE);
    ASSERT_EQ(801, static_cast<int>(ControlIds(window.m_pView).size()));
    EXPECT_EQ(40799, ControlIds(window.m_pView).back());
}

// The standard toolbar's resource gained a button after the user
// customised it: a loud restore asks once; Yes keeps the new buttons, No
// the customised ones; a silent restore keeps the new buttons unasked. The
// view toolbar's resource changed too, but the user never customised it:
// nobody is asked about it and it shows the new buttons.
TEST_F(CommandBarsStateProfileTest, AChangedResourceIsAskedAboutOnce)
{
    {
        CStateWindow stored;
        ASSERT_TRUE(stored.IsMade());
        stored.m_pStandard->GetControls()->Remove(stored.m_pStandard->GetControl(3));
        stored.Bars()->StoreStateToProfile(kBase);
    }
    const struct
    {
        const char* pszName;
        BOOL bSilent;
        int nAnswer;
        size_t nAsked;
        std::vector<int> ids;
    } kCases[] = {
        {"answered yes", FALSE, IDYES, 1, {57600, 57601, 57603, 57607, 57664}},
        {"answered no", FALSE, IDNO, 1, {57600, 57601, 57603}},
        {"silent", TRUE, IDNO, 0, {57600, 57601, 57603, 57607, 57664}},
    };
    for (const auto& c : kCases)
    {
        std::vector<CString> asked;
        CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
            asked.push_back(box.strText);
            EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), box.nType & 0xFF);
            return c.nAnswer;
        });
        CStateWindow window(TRUE, 1);
        ASSERT_TRUE(window.IsMade());
        window.Bars()->RestoreStateFromProfile(kBase, c.bSilent);
        ASSERT_EQ(c.nAsked, asked.size()) << c.pszName;
        if (c.nAsked)
        {
            EXPECT_STREQ("Aufgrund eines Software-Updates hat sich die Symbolleiste 'Standard' "
                         "ge\xE4ndert. M\xF6" "chten Sie die ge\xE4nderte Symbolleiste "
                         "zur\xFC" "cksetzen und die neue laden?",
                         asked[0])
                << c.pszName;
        }
        EXPECT_EQ(c.ids, ControlIds(window.m_pStandard)) << c.pszName;
        EXPECT_EQ((std::vector<int>{57665, 57664}), ControlIds(window.m_pView)) << c.pszName;
    }
}

// Damaged stored states: the bars stay as the program made them, or take
// the good parts.
TEST_F(CommandBarsStateProfileTest, DamagedStatesKeepTheMadeBars)
{
    const std::string kHugeLength = std::string("ZIP!") + Dword(0x7FFFFFFF) + std::string(8, 'x');
    const std::string kShortLength = std::string("ZIP!") + Dword(3) + std::string(20, '\x78');
    const struct
    {
        const char* pszName;
        const char* pszSection;
        const char* pszEntry;
        DWORD dwType;
        std::string data;
        bool bStandardHidden;
    } kCases[] = {
        {"huge bar count", "CommandBars-Summary", "Bars", REG_DWORD, Dword(0x7FFFFFFF), true},
        {"zero screen", "CommandBars-Summary", "ScreenCX", REG_DWORD, Dword(0), true},
        {"unknown bar id", "CommandBars-Bar0", "BarID", REG_DWORD, Dword(4711), false},
        {"bar count as text", "CommandBars-Summary", "Bars", REG_SZ, "3", false},
        {"huge unpacked length", "CommandBars-Controls", "Controls", REG_BINARY, kHugeLength, true},
        {"short unpacked length", "CommandBars-Controls", "Controls", REG_BINARY, kShortLength, true},
        {"garbage controls", "CommandBars-Controls", "Controls", REG_BINARY, std::string(64, '\xFF'), true},
        {"controls as text", "CommandBars-Controls", "Controls", REG_SZ, "ZIP!", true},
        {"missing side file", "CommandBars-Controls", "LoadFromFile", REG_DWORD, Dword(1), true},
    };
    for (const auto& c : kCases)
    {
        {
            CStateWindow stored;
            ASSERT_TRUE(stored.IsMade());
            stored.m_pStandard->SetVisible(FALSE);
            stored.m_pView->GetControls()->RemoveAll();
            stored.Bars()->StoreStateToProfile(kBase);
        }
        ASSERT_TRUE(m_profile.Write(c.pszSection, c.pszEntry, c.dwType, c.data)) << c.pszName;
        CStateWindow window;
        ASSERT_TRUE(window.IsMade());
        window.Bars()->RestoreStateFromProfile(kBase, TRUE);
        EXPECT_EQ(3, window.Bars()->GetCount()) << c.pszName;
        EXPECT_EQ(c.bStandardHidden, !window.m_pStandard->IsVisible()) << c.pszName;
        EXPECT_EQ((std::vector<int>{57600, 57601, 57603, 57607}), ControlIds(window.m_pStandard))
            << c.pszName;
        // The view bar's emptied controls come back only from a whole blob.
        const bool bControlsDamaged = strcmp(c.pszSection, "CommandBars-Controls") == 0;
        EXPECT_EQ(bControlsDamaged ? 1u : 0u, ControlIds(window.m_pView).size()) << c.pszName;
        EXPECT_TRUE(window.m_pFormat->IsVisible()) << c.pszName;
    }
}

} // namespace

namespace {

// The rows of a dock bar as bar ids, each row in its order on the screen.
std::vector<std::vector<UINT>> RowIds(CXTPDockBar* pDockBar)
{
    std::vector<std::vector<UINT>> rows;
    for (int i = 0; i < pDockBar->GetEntryCount(); ++i)
    {
        if (!pDockBar->GetEntry(i))
            continue;
        std::vector<CXTPCommandBar*> row;
        pDockBar->GetRowBarsInOrder(i, row);
        rows.emplace_back();
        for (CXTPCommandBar* pBar : row)
            rows.back().push_back(pBar->GetBarID());
        while (pDockBar->GetEntry(i + 1))
            ++i;
    }
    return rows;
}

} // namespace

// The toolbars live in the frame's dock bars: a second frame takes their
// rows (two bars sharing one), the side each is docked at and its place in
// its row.
TEST_F(CommandBarsStateProfileTest, ASecondFrameTakesTheRows)
{
    CRect rcFormat;
    {
        CStateWindow stored;
        ASSERT_TRUE(stored.IsMade());
        CXTPDockBar* pTop = stored.Bars()->GetDockBar(0);
        CRect rcStandard = WindowRect(stored.m_pStandard);
        CRect rcDrop(CPoint(rcStandard.right + 60, rcStandard.top), WindowRect(stored.m_pFormat).Size());
        ASSERT_TRUE(stored.Bars()->DockCommandBar(stored.m_pFormat, rcDrop, pTop));
        ASSERT_TRUE(stored.m_pView->SetPosition(xtpBarLeft));
        stored.m_pFrame->RecalcLayout();
        ASSERT_EQ((std::vector<std::vector<UINT>>{{kStandardId, kFormatId}}), RowIds(pTop));
        rcFormat = WindowRect(stored.m_pFormat);
        stored.m_pFrame->ScreenToClient(&rcFormat);
        stored.Bars()->StoreStateToProfile(kBase);
    }
    CStateWindow window;
    ASSERT_TRUE(window.IsMade());
    ASSERT_EQ((std::vector<std::vector<UINT>>{{kStandardId}, {kFormatId}, {kViewId}}),
              RowIds(window.Bars()->GetDockBar(0)));
    window.Bars()->RestoreStateFromProfile(kBase, TRUE);
    window.m_pFrame->RecalcLayout();
    EXPECT_EQ((std::vector<std::vector<UINT>>{{kStandardId, kFormatId}}),
              RowIds(window.Bars()->GetDockBar(0)));
    EXPECT_EQ((std::vector<std::vector<UINT>>{{kViewId}}), RowIds(window.Bars()->GetDockBar(2)));
    EXPECT_EQ(xtpBarLeft, window.m_pView->GetPosition());
    EXPECT_EQ(window.Bars()->GetDockBar(2), window.m_pView->GetParent());
    CRect rcRestored = WindowRect(window.m_pFormat);
    window.m_pFrame->ScreenToClient(&rcRestored);
    EXPECT_EQ(rcFormat, rcRestored);
}

// More damaged states: a bar id placed twice, an archive stream cut short
// inside a well-packed blob, a side file of garbage. The bars start as made,
// or with the good parts of the stored state.
TEST_F(CommandBarsStateProfileTest, MoreDamagedStatesStartWithTheGoodParts)
{
    enum Damage { duplicateId, truncatedStream, garbageSideFile };
    const struct
    {
        const char* pszName;
        Damage damage;
        bool bStandardHidden;
        size_t nViewControls;
    } kCases[] = {
        {"duplicate bar id", duplicateId, true, 0},
        {"truncated stream", truncatedStream, true, 1},
        {"garbage side file", garbageSideFile, true, 1},
    };
    for (const auto& c : kCases)
    {
        {
            CStateWindow stored;
            ASSERT_TRUE(stored.IsMade());
            stored.m_pStandard->SetVisible(FALSE);
            stored.m_pView->GetControls()->RemoveAll();
            stored.Bars()->StoreStateToProfile(kBase);
        }
        switch (c.damage)
        {
        case duplicateId:
            // The format bar's record names the standard bar, shown.
            ASSERT_TRUE(m_profile.Write("CommandBars-Bar1", "BarID", REG_DWORD, Dword(kStandardId)));
            break;
        case truncatedStream:
        {
            CTestProfileScope::RawValue value = m_profile.Read("CommandBars-Controls", "Controls");
            std::vector<BYTE> data;
            ASSERT_TRUE(DecompressControlsBlob(reinterpret_cast<const BYTE*>(value.data.data()),
                                               value.data.size(), data));
            data.resize(data.size() * 2 / 3);
            std::vector<BYTE> blob = CompressControlsBlob(data.data(), data.size());
            ASSERT_TRUE(m_profile.Write("CommandBars-Controls", "Controls", REG_BINARY,
                                        std::string(blob.begin(), blob.end())));
            break;
        }
        case garbageSideFile:
        {
            const std::string garbage = std::string("ZIP!") + Dword(40) + std::string(300, '\xA5');
            ASSERT_TRUE(WriteWholeFile(m_strSideFile, garbage.data(), garbage.size()));
            ASSERT_TRUE(m_profile.Write("CommandBars-Controls", "LoadFromFile", REG_DWORD, Dword(1)));
            ASSERT_TRUE(m_profile.Write("CommandBars-Controls", "Controls", REG_SZ,
                                        std::string(static_cast<LPCSTR>(m_strSideFile)) + '\0'));
            break;
        }
        }
        CStateWindow window;
        ASSERT_TRUE(window.IsMade());
        window.Bars()->RestoreStateFromProfile(kBase, TRUE);
        EXPECT_EQ(3, window.Bars()->GetCount()) << c.pszName;
        EXPECT_EQ(c.bStandardHidden, !window.m_pStandard->IsVisible()) << c.pszName;
        EXPECT_EQ((std::vector<int>{57600, 57601, 57603, 57607}), ControlIds(window.m_pStandard))
            << c.pszName;
        EXPECT_EQ(c.nViewControls, ControlIds(window.m_pView).size()) << c.pszName;
        EXPECT_TRUE(window.m_pFormat->IsVisible()) << c.pszName;
        RemoveSideFile();
    }
}
