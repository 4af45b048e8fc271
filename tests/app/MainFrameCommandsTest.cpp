// The main frame's own commands run as the user runs them, through their
// entries in the menu bar, and its keys through the frame's key handling:
// view modes and pane sizes across a restart, the attachments pane, the
// banner, hiding, the shell's character map and web pages, the options,
// leaving with an unsaved card file, and the bars' state kept only when it
// changed.
#include "MainFrameFixture.h"

#include "CardTreeFixture.h"

#include "app/AttachmentView.h"
#include "app/AutoSave.h"
#include "app/Settings.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/PropertySheet.h"
#include "model/CardFileStore.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"
// Before the bars: the popup bar declares an id the toolbar's resource
// header defines as a macro.
#include "toolkit/controls/ControlFontComboBox.h"
#include "toolkit/controls/ControlSizeComboBox.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/extras/HyperlinkShell.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace
{
using apptest::MainFrameTest;

class MainFrameCommands : public MainFrameTest
{
protected:
    BOOL AttachmentsActive() const
    {
        return m_pFrame->GetActiveView() == reinterpret_cast<CView*>(m_pFrame->GetAttachmentsView());
    }
    BOOL HasSettingsSection(LPCSTR lpszSection) const
    {
        HKEY hKey = nullptr;
        const CString strKey = AppTestSettingsKey() + "\\" + lpszSection;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return FALSE;
        ::RegCloseKey(hKey);
        return TRUE;
    }
    // WM_CLOSE as the window's close box sends it.
    void CloseFrame()
    {
        m_pFrame->SendMessage(WM_CLOSE);
        PumpAppMessages();
        m_pFrame = nullptr;
    }
};

TEST_F(MainFrameCommands, ViewModesKeepTheNormalWidthAcrossARestart)
{
    ASSERT_TRUE(m_pFrame->IsNormalView());
    EXPECT_EQ(QivSettings::kDefaultTreeWidth, TreeWidth());

    // Text only is left for the normal view at the next start.
    RunFromMenu(ID_VIEW_TEXT_ONLY);
    EXPECT_FALSE(m_pFrame->IsNormalView());
    EXPECT_EQ(0, TreeWidth());
    DestroyFrame();
    EXPECT_EQ(QivSettings::kTextOnlyWidth, QivSettings::Get(QivSettings::Splitter));
    CreateFrame();
    EXPECT_TRUE(m_pFrame->IsNormalView());
    EXPECT_EQ(QivSettings::kDefaultTreeWidth, TreeWidth());

    // A width of the user's own survives tree only and a restart there.
    m_pFrame->GetOuterSplitter().SetColumnInfo(0, 300, 0);
    m_pFrame->GetOuterSplitter().RecalcLayout();
    RunFromMenu(ID_VIEW_TREE_ONLY);
    EXPECT_FALSE(m_pFrame->IsNormalView());
    EXPECT_EQ(300, QivSettings::Get(QivSettings::SplitterNormal));
    DestroyFrame();
    EXPECT_EQ(QivSettings::kTreeOnlyWidth, QivSettings::Get(QivSettings::Splitter));
    CreateFrame();
    EXPECT_FALSE(m_pFrame->IsNormalView());
    EXPECT_GT(TreeWidth(), 300);
    RunFromMenu(ID_VIEW_NORMAL);
    EXPECT_TRUE(m_pFrame->IsNormalView());
    EXPECT_EQ(300, TreeWidth());
}

TEST_F(MainFrameCommands, AttachmentsPaneOpensHidesAndOpensAgainAtItsStoredHeight)
{
    ASSERT_FALSE(m_pFrame->IsAttachmentsPaneVisible());
    EXPECT_EQ(0, StateOf(ID_VIEW_ATTACHMENTS).nCheck);

    RunFromMenu(ID_VIEW_ATTACHMENTS);
    EXPECT_TRUE(m_pFrame->IsAttachmentsPaneVisible());
    EXPECT_TRUE(AttachmentsActive());
    EXPECT_EQ(1, StateOf(ID_VIEW_ATTACHMENTS).nCheck);
    EXPECT_EQ(100, UpperRightHeight());

    m_pFrame->GetInnerSplitter().SetRowInfo(0, 140, 0);
    m_pFrame->GetInnerSplitter().RecalcLayout();
    RunFromMenu(ID_VIEW_ATTACHMENTS);
    EXPECT_FALSE(m_pFrame->IsAttachmentsPaneVisible());
    EXPECT_EQ(reinterpret_cast<CView*>(m_pFrame->GetTreeView()), m_pFrame->GetActiveView());
    EXPECT_EQ(140, QivSettings::Get(QivSettings::Splitter2Pos));

    RunFromMenu(ID_VIEW_ATTACHMENTS);
    EXPECT_TRUE(m_pFrame->IsAttachmentsPaneVisible());
    EXPECT_EQ(140, UpperRightHeight());

    // Any view mode closes it again.
    RunFromMenu(ID_VIEW_TEXT_ONLY);
    EXPECT_FALSE(m_pFrame->IsAttachmentsPaneVisible());
}

TEST_F(MainFrameCommands, BannerAndHidingFollowTheirCommands)
{
    ASSERT_TRUE(m_pFrame->GetBanner().IsWindowVisible());
    EXPECT_EQ(1, StateOf(ID_VIEW_BANNER).nCheck);
    RunFromMenu(ID_VIEW_BANNER);
    EXPECT_FALSE(m_pFrame->GetBanner().IsWindowVisible());
    EXPECT_EQ(0, StateOf(ID_VIEW_BANNER).nCheck);
    EXPECT_EQ(0, QivSettings::Get(QivSettings::Banner));
    DestroyFrame();
    CreateFrame();
    EXPECT_FALSE(m_pFrame->GetBanner().IsWindowVisible());
    RunFromMenu(ID_VIEW_BANNER);
    EXPECT_TRUE(m_pFrame->GetBanner().IsWindowVisible());
    EXPECT_EQ(1, QivSettings::Get(QivSettings::Banner));

    // Hiding sits in the notification-area menu, not in the menu bar.
    EXPECT_EQ(nullptr, MenuControl(ID_HIDE_RESTORE));
    EXPECT_STREQ("&Verstecken", StateOf(ID_HIDE_RESTORE).strText);
    m_pFrame->SendMessage(WM_COMMAND, ID_HIDE_RESTORE);
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    EXPECT_STREQ("&Wiederherstellen", StateOf(ID_HIDE_RESTORE).strText);
    m_pFrame->SendMessage(WM_COMMAND, ID_HIDE_RESTORE);
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
    EXPECT_STREQ("&Verstecken", StateOf(ID_HIDE_RESTORE).strText);
}

TEST_F(MainFrameCommands, ShellCommandsOpenTheirTargets)
{
    char szWindows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(szWindows, MAX_PATH);
    struct Case
    {
        UINT nID;
        CString strFile;
    };
    const Case cases[] = {
        {ID_CHARACTER_MAP, CString(szWindows) + "\\charmap.exe"},
        {ID_WEB_HOME, "http://www.qivnotes.example/"},
        {ID_WEB_SHOP, "http://www.papeterie-kernig.example/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        std::vector<CString> opened;
        CTestSeamScope<XT_SHELLOPEN_REQUEST> shell([&](const XT_SHELLOPEN_REQUEST& r) {
            opened.push_back(r.strFile);
            return 42;
        });
        RunFromMenu(c.nID);
        ASSERT_EQ(1u, opened.size());
        EXPECT_STREQ(c.strFile, opened[0]);
    }
}

TEST_F(MainFrameCommands, OptionsWriteTheirValuesOnOkOnly)
{
    int nAsked = 0;
    {
        CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> cancel([&](const AFX_PROPERTYSHEET_REQUEST&) {
            ++nAsked;
            return PSBTN_CANCEL;
        });
        RunFromMenu(ID_OPTIONS);
    }
    EXPECT_EQ(1, nAsked);
    EXPECT_EQ(0u, StoredType("Settings", "AutoSave"));
    EXPECT_EQ(0u, StoredType("Settings", "AutoSaveIntervall"));
    {
        CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> ok([&](const AFX_PROPERTYSHEET_REQUEST&) {
            ++nAsked;
            return PSBTN_OK;
        });
        RunFromMenu(ID_OPTIONS);
    }
    EXPECT_EQ(2, nAsked);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), StoredType("Settings", "AutoSave"));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), StoredType("Settings", "AutoSaveIntervall"));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), StoredType("Settings", "BannerText"));
}

TEST_F(MainFrameCommands, ExitAsksToSaveAModifiedCardFile)
{
    m_pDoc->SetModifiedFlag(TRUE);
    std::vector<UINT> types;
    int nAnswer = IDCANCEL;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        types.push_back(box.nType & 0x0F);
        return nAnswer;
    });
    RunFromMenu(ID_EXIT);
    ASSERT_EQ(1u, types.size());
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), types[0]);
    ASSERT_TRUE(::IsWindow(m_pFrame->GetSafeHwnd())) << "Cancel keeps the program";

    nAnswer = IDNO;
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    RunFromMenu(ID_EXIT);
    EXPECT_EQ(2u, types.size());
    EXPECT_FALSE(::IsWindow(hFrame));
    m_pFrame = nullptr;
}

TEST_F(MainFrameCommands, FrameCommandsAreOnAndTheTextsCommandsGreyWithoutAText)
{
    // With the root selected no text view stands: printing, page set-up
    // and the export of the current entry have nothing to work on.
    struct Case
    {
        UINT nID;
        BOOL bEnabled;
    };
    const Case cases[] = {
        {ID_VIEW_NORMAL, TRUE},     {ID_VIEW_TEXT_ONLY, TRUE}, {ID_VIEW_TREE_ONLY, TRUE},
        {ID_VIEW_ATTACHMENTS, TRUE}, {ID_VIEW_BANNER, TRUE},   {ID_CHARACTER_MAP, TRUE},
        {ID_OPTIONS, TRUE},          {ID_WEB_HOME, TRUE},      {ID_WEB_SHOP, TRUE},
        {ID_EXIT, TRUE},             {ID_FILE_PRINT, FALSE},   {ID_FILE_PRINT_PREVIEW, FALSE},
        {ID_PAGE_SETUP, FALSE},      {ID_EXPORT_TEXT, FALSE},
    };
    for (const Case& c : cases) {
        EXPECT_NE(nullptr, MenuControl(c.nID)) << c.nID;
        EXPECT_EQ(c.bEnabled, StateOf(c.nID).bEnabled) << c.nID;
    }
}

TEST_F(MainFrameCommands, EveryAcceleratorReachesTheFrameAsItsCommand)
{
    HACCEL hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hAccel);
    std::vector<ACCEL> table(static_cast<size_t>(::CopyAcceleratorTableA(hAccel, nullptr, 0)));
    ::CopyAcceleratorTableA(hAccel, table.data(), static_cast<int>(table.size()));
    ::DestroyAcceleratorTable(hAccel);
    ASSERT_FALSE(table.empty());

    HWND hTarget = m_pFrame->GetTreeView()->GetSafeHwnd();
    BYTE original[256] = {};
    ::GetKeyboardState(original);
    m_pFrame->m_bRecordOnly = TRUE;
    for (const ACCEL& accel : table) {
        SCOPED_TRACE(accel.cmd);
        BYTE keys[256] = {};
        if (accel.fVirt & FCONTROL)
            keys[VK_CONTROL] = 0x80;
        if (accel.fVirt & FSHIFT)
            keys[VK_SHIFT] = 0x80;
        if (accel.fVirt & FALT)
            keys[VK_MENU] = 0x80;
        ::SetKeyboardState(keys);
        MSG msg = {};
        msg.hwnd = hTarget;
        msg.message = (accel.fVirt & FALT) ? WM_SYSKEYDOWN : WM_KEYDOWN;
        msg.wParam = accel.key;
        msg.lParam = (accel.fVirt & FALT) ? 0x20000001 : 1;
        m_pFrame->m_commands.clear();
        EXPECT_TRUE(m_pFrame->PreTranslateMessage(&msg));
        EXPECT_EQ(std::vector<UINT>{accel.cmd}, m_pFrame->m_commands);
    }
    m_pFrame->m_bRecordOnly = FALSE;
    ::SetKeyboardState(original);
}

TEST_F(MainFrameCommands, BarStateIsStoredOnlyAfterAChangeAndComesBack)
{
    CXTPToolBar* pViewBar = m_pFrame->GetViewBar();
    ASSERT_TRUE(pViewBar->IsVisible());
    pViewBar->SetVisible(FALSE);
    CloseFrame();
    EXPECT_FALSE(HasSettingsSection("CommandBars-Summary"));
    EXPECT_FALSE(HasSettingsSection("CommandBars-Controls"));
    CreateFrame();
    EXPECT_TRUE(m_pFrame->GetViewBar()->IsVisible());

    // The toolkit records a change of the bars (a toolbar hidden or moved
    // by the user) in its options.
    m_pFrame->GetViewBar()->SetVisible(FALSE);
    m_pFrame->GetCommandBars()->GetCommandBarsOptions()->bDirty = TRUE;
    CloseFrame();
    EXPECT_TRUE(HasSettingsSection("CommandBars-Summary"));
    EXPECT_FALSE(HasSettingsSection("CommandBars-Controls"));
    CreateFrame();
    EXPECT_FALSE(m_pFrame->GetViewBar()->IsVisible());
    EXPECT_TRUE(m_pFrame->GetStandardBar()->IsVisible());
}

TEST_F(MainFrameCommands, AutoSaveWritesAModifiedCardFileOnly)
{
    QivSettings::Set(QivSettings::AutoSave, "1");
    DestroyFrame();
    CreateFrame();
    // The save command reaches the card file through the active view.
    m_pFrame->SetActiveView(reinterpret_cast<CView*>(m_pFrame->GetTreeView()));
    auto fileTime = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        ::GetFileAttributesExA(m_strFile, GetFileExInfoStandard, &data);
        return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32)
               | data.ftLastWriteTime.dwLowDateTime;
    };
    // Unmodified: the file stays as it is.
    FILETIME old = {};
    old.dwLowDateTime = 0x12345678;
    old.dwHighDateTime = 0x01C00000;
    HANDLE hFile = ::CreateFileA(m_strFile, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    ::SetFileTime(hFile, nullptr, nullptr, &old);
    ::CloseHandle(hFile);
    const ULONGLONG before = fileTime();
    m_pFrame->SendMessage(WM_TIMER, kAutoSaveTimerId);
    PumpAppMessages();
    EXPECT_EQ(before, fileTime());

    // Modified: saved, and the file holds the change.
    apptest::AddEntry(m_pDoc->GetRoot(), "Neu");
    m_pDoc->SetModifiedFlag(TRUE);
    m_pFrame->SendMessage(WM_TIMER, kAutoSaveTimerId);
    PumpAppMessages();
    EXPECT_NE(before, fileTime());
    EXPECT_FALSE(m_pDoc->IsModified());
    CQivCardFileStore store;
    ASSERT_TRUE(store.Open(m_strFile));
    C_QivItem* pItem = store.GetRoot()->m_pFirstChild;
    while (pItem && pItem->m_pNext)
        pItem = pItem->m_pNext;
    ASSERT_NE(nullptr, pItem);
    EXPECT_STREQ("Neu", pItem->m_strTitle);
}
} // namespace

namespace
{
TEST_F(MainFrameCommands, FormatBarHoldsEditableFontAndSizeBoxes)
{
    CXTPControls* pControls = m_pFrame->GetFormatBar()->GetControls();
    CXTPControl* pFont = pControls->FindControl(ID_FONT_NAME);
    CXTPControl* pSize = pControls->FindControl(ID_FONT_SIZE);
    ASSERT_NE(nullptr, pFont);
    ASSERT_NE(nullptr, pSize);
    ASSERT_TRUE(pFont->IsKindOf(RUNTIME_CLASS(CXTPControlFontComboBox)));
    ASSERT_TRUE(pSize->IsKindOf(RUNTIME_CLASS(CXTPControlSizeComboBox)));
    EXPECT_TRUE(static_cast<CXTPControlComboBox*>(pFont)->GetDropDown());
    EXPECT_TRUE(static_cast<CXTPControlComboBox*>(pSize)->GetDropDown());
    // The other toolbars keep plain buttons.
    EXPECT_EQ(nullptr, m_pFrame->GetStandardBar()->GetControls()->FindControl(ID_FONT_NAME));
}

TEST_F(MainFrameCommands, StatusBarShowsTheIdleTextOnceTheFrameStands)
{
    EXPECT_STREQ("Bereit", m_pFrame->GetStatusBar().GetPaneTextAt(0));
    EXPECT_EQ(&m_pFrame->GetStatusBar(), m_pFrame->GetMessageBar());
}
} // namespace
