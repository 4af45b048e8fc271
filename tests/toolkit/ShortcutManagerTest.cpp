// The shortcut manager: shortcut texts and key names (with the keyboard
// calls replaced, since the test machine has X key names and one layout),
// the choice of a command's shortcut, translation and its suspension, and
// the stored forms: the profile value "Accelerators" read back from the
// registry, damaged values, and both kinds of property exchange.
#include "toolkit/commandbars/ShortcutManager.h"

#include "TestProfile.h"
#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/commandbars/PropExchangeIniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Found by argument lookup from inside the test framework's templates.
bool operator==(const ACCEL& a, const ACCEL& b)
{
    return a.fVirt == b.fVirt && a.key == b.key && a.cmd == b.cmd;
}

std::ostream& operator<<(std::ostream& os, const ACCEL& a)
{
    return os << "{" << int(a.fVirt) << "," << a.key << "," << a.cmd << "}";
}

namespace {

const UINT IDR_TEST_ACCEL = 7350;   // ShortcutTestRes.rc
const WORD ID_NEW = 0xE100, ID_OPEN = 0xE101, ID_REFRESH = 0xE102;

using Accels = std::vector<ACCEL>;

ACCEL Accel(BYTE fVirt, WORD key, WORD cmd)
{
    ACCEL accel = {};
    accel.fVirt = fVirt;
    accel.key = key;
    accel.cmd = cmd;
    return accel;
}

const Accels kResourceTable = {
    Accel(FVIRTKEY | FCONTROL, 'N', ID_NEW),
    Accel(FVIRTKEY | FCONTROL, 'O', ID_OPEN),
    Accel(FVIRTKEY, VK_F5, ID_REFRESH),
};

// Key names as a keyboard layout of the tests gives them, upper case, so
// that the manager's own case rule shows.
int WINAPI FakeKeyNameText(LONG lParam, LPSTR lpString, int cchSize)
{
    const char* pszName = "";
    switch ((lParam >> 16) & 0xFF)
    {
    case 0x49: pszName = "PAGE UP"; break;
    case 0x1D: pszName = "STRG"; break;
    case 0x27: pszName = "\xD6"; break;   // a German layout's key right of L
    }
    lstrcpynA(lpString, pszName, cchSize);
    return lstrlenA(lpString);
}

LONG g_lLastKeyNameParam = 0;
int WINAPI RecordingKeyNameText(LONG lParam, LPSTR lpString, int cchSize)
{
    g_lLastKeyNameParam = lParam;
    return FakeKeyNameText(lParam, lpString, cchSize);
}

// Scan codes of a standard keyboard for the keys the tests name.
UINT WINAPI FakeMapVirtualKeyEx(UINT uCode, UINT uMapType, HKL)
{
    if (uMapType != 0)
        return 0;
    switch (uCode)
    {
    case VK_PRIOR: return 0x49;
    case VK_CONTROL: return 0x1D;
    case VK_OEM_3: return 0x27;
    case 'D': return 0x20;
    }
    return 0;
}

class ShortcutManagerTest : public testing::Test
{
protected:
    void SetUp() override { m_savedCalls = CXTPShortcutManager::GetKeyboardCalls(); }
    void TearDown() override { CXTPShortcutManager::GetKeyboardCalls() = m_savedCalls; }

    static void UseFakeKeyNames()
    {
        CXTPShortcutManager::KeyboardCalls& calls = CXTPShortcutManager::GetKeyboardCalls();
        calls.pfnGetKeyNameText = &RecordingKeyNameText;
        calls.pfnMapVirtualKeyEx = &FakeMapVirtualKeyEx;
    }

    static Accels Current(const CXTPShortcutManager& manager)
    {
        return CXTPShortcutManager::CopyAccelerators(manager.GetAccelTable());
    }

    CXTPShortcutManager::KeyboardCalls m_savedCalls = {};
};

TEST_F(ShortcutManagerTest, FormatAccelWithTheBuiltInNames)
{
    UseFakeKeyNames();
    struct Case
    {
        ACCEL accel;
        const char* pszText;
        int nPriority;
    };
    const Case cases[] = {
        {Accel(FVIRTKEY | FCONTROL | FSHIFT, VK_F5, 1), "Ctrl+Shift+F5", 3},
        {Accel(FVIRTKEY | FCONTROL, VK_CANCEL, 1), "Ctrl+Break", 3},
        {Accel(FVIRTKEY | FSHIFT | FALT | FCONTROL, 'X', 1), "Ctrl+Shift+Alt+X", 3},
        {Accel(FVIRTKEY | FALT, VK_F4, 1), "Alt+F4", 2},
        {Accel(FVIRTKEY | FSHIFT, VK_DELETE, 1), "Shift+Del", 1},
        {Accel(FVIRTKEY, VK_NUMPAD5, 1), "Num 5", 4},
        {Accel(FVIRTKEY, '7', 1), "7", 4},
        {Accel(FVIRTKEY, VK_PRIOR, 1), "Page Up", 4},
        // Character accelerators: the character itself, except Tab and Esc.
        {Accel(FSHIFT, 'a', 1), "Shift+a", 1},
        {Accel(FCONTROL, VK_TAB, 1), "Ctrl+", 3},
        {Accel(FALT, VK_ESCAPE, 1), "Alt+", 2},
        // No key: the modifiers alone.
        {Accel(FVIRTKEY | FCONTROL | FSHIFT, 0, 1), "Ctrl+Shift", 3},
        {Accel(FVIRTKEY, 0, 1), "", 4},
        // No built-in name: the layout's, in the manager's case.
        {Accel(FVIRTKEY | FCONTROL, VK_OEM_3, 1), "Ctrl+\xD6", 3},
    };
    CXTPShortcutManager manager;
    for (const Case& c : cases)
    {
        CString strText = "alt";
        int nPriority = 0;
        manager.FormatAccel(strText, c.accel, &nPriority);
        EXPECT_STREQ(c.pszText, strText) << c.accel;
        EXPECT_EQ(c.nPriority, nPriority) << c.accel;
    }
}

TEST_F(ShortcutManagerTest, SystemKeyNamesComeFirstWhenAskedFor)
{
    UseFakeKeyNames();
    CXTPShortcutManager manager;
    manager.SetUseSystemKeyNameText(TRUE);
    EXPECT_STREQ("Page up", manager.GetKeyName(VK_PRIOR));
    // Page Up to Help carry the extended-key bit; the repeat count is 1.
    EXPECT_EQ(0x01490001, g_lLastKeyNameParam);
    EXPECT_STREQ("Strg", manager.GetKeyName(VK_CONTROL));
    EXPECT_EQ(0x001D0001, g_lLastKeyNameParam);
    // The layout has no name: the built-in one. Ctrl+Break never asks.
    EXPECT_STREQ("F9", manager.GetKeyName(VK_F9));
    g_lLastKeyNameParam = 0;
    EXPECT_STREQ("Ctrl+Break", manager.GetKeyName(VK_CANCEL));
    EXPECT_EQ(0, g_lLastKeyNameParam);

    CString strText;
    manager.FormatAccel(strText, Accel(FVIRTKEY | FCONTROL, VK_PRIOR, 1));
    EXPECT_STREQ("Strg+Page up", strText);
}

TEST_F(ShortcutManagerTest, FindDefaultAcceleratorPrefersThePlainKeyAndKeepsAKnownText)
{
    UseFakeKeyNames();
    const Accels table = {
        Accel(FVIRTKEY | FCONTROL, 'N', ID_NEW),   Accel(FVIRTKEY, 'N', ID_NEW),
        Accel(FVIRTKEY | FALT, VK_F4, 0xE200),     Accel(FVIRTKEY | FCONTROL, 'W', 0xE200),
        Accel(FVIRTKEY | FCONTROL, 'Q', 0xE201),   Accel(FVIRTKEY | FCONTROL, 'X', 0xE201),
        Accel(FVIRTKEY | FSHIFT, VK_F1, 0xE202),
    };
    struct Case
    {
        UINT nCmd;
        const char* pszPassed;
        BOOL bResult;
        const char* pszText;
    };
    const Case cases[] = {
        {ID_NEW, "", TRUE, "N"},
        {ID_NEW, "Ctrl+N", TRUE, "Ctrl+N"},
        {ID_NEW, "Ctrl+O", TRUE, "N"},
        {0xE200, "", TRUE, "Ctrl+W"},
        {0xE200, "Alt+F4", TRUE, "Alt+F4"},
        {0xE201, "", TRUE, "Ctrl+Q"},   // equal priority: the earlier one
        {0xE202, "", TRUE, "Shift+F1"},
        {0xE2FF, "Alt", FALSE, ""},
    };
    CXTPShortcutManager manager;
    manager.SetAccelTable(table.data(), static_cast<int>(table.size()));
    for (const Case& c : cases)
    {
        CString strText = c.pszPassed;
        EXPECT_EQ(c.bResult, manager.FindDefaultAccelerator(c.nCmd, strText)) << c.nCmd;
        EXPECT_STREQ(c.pszText, strText) << c.nCmd << " " << c.pszPassed;
    }
}

TEST_F(ShortcutManagerTest, WithoutTablesTheFramesOwnTableAnswers)
{
    UseFakeKeyNames();
    CFrameWnd frame;
    const Accels table = {Accel(FVIRTKEY | FCONTROL, 'S', 0xE103)};
    frame.m_hAccelTable = ::CreateAcceleratorTableA(const_cast<ACCEL*>(table.data()), 1);
    CXTPShortcutManager manager;
    CString strText;
    EXPECT_FALSE(manager.FindDefaultAccelerator(0xE103, strText));
    manager.SetSite(&frame);
    EXPECT_TRUE(manager.FindDefaultAccelerator(0xE103, strText));
    EXPECT_STREQ("Ctrl+S", strText);
    // A table of the manager's own hides the frame's.
    ASSERT_TRUE(manager.LoadAcceleratorResource(IDR_TEST_ACCEL));
    EXPECT_FALSE(manager.FindDefaultAccelerator(0xE103, strText));
    ::DestroyAcceleratorTable(frame.m_hAccelTable);
    frame.m_hAccelTable = nullptr;
}

TEST_F(ShortcutManagerTest, ResourceTablesAreIndependentCopies)
{
    CXTPShortcutManager manager;
    EXPECT_FALSE(manager.LoadAcceleratorResource(7351));
    EXPECT_EQ(nullptr, manager.GetAccelTable());
    EXPECT_EQ(nullptr, manager.GetOriginalAccelTable());

    ASSERT_TRUE(manager.LoadAcceleratorResource(IDR_TEST_ACCEL));
    EXPECT_EQ(kResourceTable, Current(manager));
    EXPECT_NE(manager.GetAccelTable(), manager.GetOriginalAccelTable());

    const ACCEL changed = Accel(FVIRTKEY | FALT, 'N', ID_NEW);
    manager.SetAccelTable(&changed, 1);
    EXPECT_EQ(Accels{changed}, Current(manager));
    EXPECT_EQ(kResourceTable,
              CXTPShortcutManager::CopyAccelerators(manager.GetOriginalAccelTable()));
    manager.Reset();
    EXPECT_EQ(kResourceTable, Current(manager));
}

TEST_F(ShortcutManagerTest, SuspendedTranslationNestsAndNeverGoesBelowZero)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(hWnd);
    CXTPShortcutManager manager;
    ASSERT_TRUE(manager.LoadAcceleratorResource(IDR_TEST_ACCEL));
    BYTE keys[256] = {};
    ::SetKeyboardState(keys);   // no modifier down
    MSG msg = {hWnd, WM_KEYDOWN, VK_F5, 0x003F0001, 0, {0, 0}};
    auto translates = [&] { return manager.TranslateAccelerator(hWnd, &msg); };

    EXPECT_TRUE(translates());
    manager.Suspend(TRUE);
    manager.Suspend(TRUE);
    manager.Suspend(FALSE);
    EXPECT_FALSE(translates());
    manager.Suspend(FALSE);
    EXPECT_TRUE(translates());
    manager.Suspend(FALSE);   // one too many: stays at zero
    manager.Suspend(TRUE);
    EXPECT_FALSE(translates());
    manager.Suspend(FALSE);
    EXPECT_TRUE(translates());
    ::DestroyWindow(hWnd);
}

TEST_F(ShortcutManagerTest, IsAllowedShortcutRefusesOnlyAPlainEsc)
{
    CXTPShortcutManager manager;
    EXPECT_FALSE(manager.IsAllowedShortcut(Accel(FVIRTKEY, VK_ESCAPE, 1)));
    EXPECT_TRUE(manager.IsAllowedShortcut(Accel(FVIRTKEY | FSHIFT, VK_ESCAPE, 1)));
    EXPECT_TRUE(manager.IsAllowedShortcut(Accel(0, VK_ESCAPE, 1)));
    EXPECT_TRUE(manager.IsAllowedShortcut(Accel(FVIRTKEY, VK_F1, 1)));
    manager.SetAllowEscapeShortcut(TRUE);
    EXPECT_TRUE(manager.IsAllowedShortcut(Accel(FVIRTKEY, VK_ESCAPE, 1)));
}

// The stored value, byte for byte, and a new manager reading it.
TEST_F(ShortcutManagerTest, ProfileValueRoundTrip)
{
    CTestProfileScope profile;
    CXTPShortcutManager manager;
    manager.WriteAcceleratorsToProfile("CommandBars");   // no baseline: nothing
    EXPECT_FALSE(profile.Read("CommandBars", "Accelerators").bExists);

    ASSERT_TRUE(manager.LoadAcceleratorResource(IDR_TEST_ACCEL));
    // A pad byte the caller left set is stored as 0.
    ACCEL records[2] = {Accel(FVIRTKEY | FCONTROL, 'N', ID_NEW), Accel(FVIRTKEY, VK_F5, 0x1234)};
    reinterpret_cast<BYTE*>(&records[0])[1] = 0xAB;
    manager.SetAccelTable(records, 2);
    manager.WriteAcceleratorsToProfile("CommandBars");

    CTestProfileScope::RawValue value = profile.Read("CommandBars", "Accelerators");
    ASSERT_TRUE(value.bExists);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), value.dwType);
    EXPECT_EQ(std::string("\x09\x00\x4E\x00\x00\xE1"
                          "\x01\x00\x74\x00\x34\x12", 12),
              value.data);

    CXTPShortcutManager reader;
    ASSERT_TRUE(reader.LoadAcceleratorResource(IDR_TEST_ACCEL));
    reader.ReadAcceleratorsFromProfile("CommandBars");
    EXPECT_EQ((Accels{Accel(0x09, 'N', ID_NEW), Accel(FVIRTKEY, VK_F5, 0x1234)}),
              Current(reader));

    // Without a baseline table the value is not read.
    CXTPShortcutManager bare;
    bare.ReadAcceleratorsFromProfile("CommandBars");
    EXPECT_EQ(nullptr, bare.GetAccelTable());
}

TEST_F(ShortcutManagerTest, DamagedProfileValues)
{
    const std::string ctrlN("\x09\x00\x4E\x00\x00\xE1", 6);
    const std::string f5("\x01\x00\x74\x00\x02\xE1", 6);
    struct Case
    {
        const char* pszWhat;
        DWORD dwType;
        std::string data;
        Accels expected;
    };
    const Case cases[] = {
        {"13 bytes: the two whole records", REG_BINARY, ctrlN + f5 + "\x11",
         {Accel(0x09, 'N', ID_NEW), Accel(FVIRTKEY, VK_F5, ID_REFRESH)}},
        {"0 bytes: an emptied table", REG_BINARY, "", {}},
        {"4 bytes: no record, the table stays", REG_BINARY, std::string("\x09\x00\x4E\x00", 4),
         kResourceTable},
        {"a string: read as missing", REG_SZ, std::string("abcdef", 6), kResourceTable},
        {"unknown flag bits and a pad byte", REG_BINARY,
         std::string("\xE9\x77\x4E\x00\x00\xE1", 6), {Accel(0x09, 'N', ID_NEW)}},
    };
    for (const Case& c : cases)
    {
        CTestProfileScope profile;
        ASSERT_TRUE(profile.Write("CommandBars", "Accelerators", c.dwType, c.data));
        CXTPShortcutManager manager;
        ASSERT_TRUE(manager.LoadAcceleratorResource(IDR_TEST_ACCEL));
        manager.ReadAcceleratorsFromProfile("CommandBars");
        EXPECT_EQ(c.expected, Current(manager)) << c.pszWhat;
    }
}

// The binary exchange: "Count" and "Data" in the archive, and a count that
// claims more records than the data holds.
TEST_F(ShortcutManagerTest, ArchiveExchange)
{
    CXTPShortcutManager writer;
    ASSERT_TRUE(writer.LoadAcceleratorResource(IDR_TEST_ACCEL));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        writer.DoPropExchange(&px);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.Seek(0, CFile::begin);
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    // Count 3 (32 bits), then the data's length (an archive count, 16 bits
    // here) and its 18 bytes.
    ASSERT_EQ(4u + 2u + 18u, bytes.size());
    EXPECT_EQ(3, bytes[0]);
    EXPECT_EQ(18, bytes[4]);
    EXPECT_EQ(0, bytes[5]);
    EXPECT_EQ(0x09, bytes[6]);

    auto load = [](std::vector<BYTE> data) {
        CXTPShortcutManager reader;
        reader.LoadAcceleratorResource(IDR_TEST_ACCEL);
        const ACCEL none = Accel(FVIRTKEY, VK_F12, 1);
        reader.SetAccelTable(&none, 1);
        CMemFile in(data.data(), static_cast<UINT>(data.size()));
        CArchive ar(&in, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        reader.DoPropExchange(&px);
        return Current(reader);
    };
    EXPECT_EQ(kResourceTable, load(bytes));

    std::vector<BYTE> overcounted = bytes;
    overcounted[0] = 200;
    EXPECT_EQ(kResourceTable, load(overcounted));
    std::vector<BYTE> undercounted = bytes;
    undercounted[0] = 1;
    EXPECT_EQ(Accels{kResourceTable[0]}, load(undercounted));
}

TEST_F(ShortcutManagerTest, IniExchangeUsesNumberedSections)
{
    char szPath[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szPath);
    // One file per test process: the toolkit tests run several at once.
    CString strFile;
    strFile.Format("%sqiv-shortcuts-%lu.ini", szPath, ::GetCurrentProcessId());
    ::DeleteFileA(strFile);
    {
        CXTPShortcutManager writer;
        ASSERT_TRUE(writer.LoadAcceleratorResource(IDR_TEST_ACCEL));
        CXTPPropExchangeIniFile px(FALSE, nullptr, "Shortcuts");
        px.AssignFile(strFile);
        writer.DoPropExchange(&px);
    }
    char szValue[64] = {};
    ::GetPrivateProfileStringA("Shortcuts\\Accel1", "Id", "", szValue, sizeof(szValue), strFile);
    EXPECT_STREQ("57601", szValue);
    ::GetPrivateProfileStringA("Shortcuts\\Accel2", "virt", "", szValue, sizeof(szValue), strFile);
    EXPECT_STREQ("1", szValue);

    CXTPShortcutManager reader;
    CXTPPropExchangeIniFile px(TRUE, nullptr, "Shortcuts");
    px.AssignFile(strFile);
    reader.DoPropExchange(&px);
    EXPECT_EQ(kResourceTable, Current(reader));
    ::DeleteFileA(strFile);
}

// Access keys: the key's own character, else what an installed layout types
// with it.
TEST_F(ShortcutManagerTest, VirtualKeyMatchesChar)
{
    struct Layouts
    {
        static UINT WINAPI MapVirtualKey(UINT uCode, UINT uMapType)
        {
            return uMapType == 2 && uCode != VK_F1 ? 'x' : 0;
        }
        static int WINAPI Two(int nBuff, HKL* lpList)
        {
            if (nBuff >= 2)
            {
                lpList[0] = reinterpret_cast<HKL>(0x04070407);
                lpList[1] = reinterpret_cast<HKL>(0x04090409);
            }
            return 2;
        }
        static int WINAPI One(int nBuff, HKL* lpList)
        {
            if (nBuff >= 1)
                lpList[0] = reinterpret_cast<HKL>(0x04070407);
            return 1;
        }
        // The German layout types an umlaut with the key right of L.
        static int WINAPI ToAscii(UINT uVirtKey, UINT, const BYTE*, LPWORD lpChar, UINT, HKL hkl)
        {
            if (uVirtKey == VK_OEM_3 && hkl == reinterpret_cast<HKL>(0x04070407))
            {
                *lpChar = 0xF6;
                return 1;
            }
            return 0;
        }
    };
    CXTPShortcutManager::KeyboardCalls& calls = CXTPShortcutManager::GetKeyboardCalls();
    calls.pfnMapVirtualKey = &Layouts::MapVirtualKey;
    calls.pfnMapVirtualKeyEx = &FakeMapVirtualKeyEx;
    calls.pfnToAsciiEx = &Layouts::ToAscii;
    calls.pfnGetKeyboardLayoutList = &Layouts::Two;

    EXPECT_TRUE(CXTPShortcutManager::VirtualKeyMatchesChar('d', 'D'));
    EXPECT_TRUE(CXTPShortcutManager::VirtualKeyMatchesChar('D', 'D'));
    EXPECT_FALSE(CXTPShortcutManager::VirtualKeyMatchesChar('e', 'D'));
    EXPECT_TRUE(CXTPShortcutManager::VirtualKeyMatchesChar(0xF6, VK_OEM_3));
    EXPECT_TRUE(CXTPShortcutManager::VirtualKeyMatchesChar(0xD6, VK_OEM_3));
    EXPECT_FALSE(CXTPShortcutManager::VirtualKeyMatchesChar(VK_F1, VK_F1));   // types nothing
    // The only layout answers as well.
    calls.pfnGetKeyboardLayoutList = &Layouts::One;
    EXPECT_TRUE(CXTPShortcutManager::VirtualKeyMatchesChar(0xF6, VK_OEM_3));
    EXPECT_TRUE(CXTPShortcutManager::VirtualKeyMatchesChar('d', 'D'));
}

} // namespace
