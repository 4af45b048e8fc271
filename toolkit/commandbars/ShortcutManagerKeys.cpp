// Key names and shortcut texts of the shortcut manager, and the matching of
// access keys against keyboard layouts.
#include "toolkit/commandbars/ShortcutManager.h"

namespace {

struct KeyName
{
    UINT nVirtKey;
    const char* pszName;
};

// Keys other than digits, letters, F1 to F12 and the number pad's digits.
const KeyName kKeyNames[] = {
    {0x01, "Left Button"}, {0x02, "Right Button"}, {0x03, "Ctrl+Break"},
    {0x04, "Middle Button"}, {0x08, "Backspace"}, {0x09, "Tab"}, {0x0C, "Clear"},
    {0x0D, "Enter"}, {0x10, "Shift"}, {0x11, "Ctrl"}, {0x12, "Alt"}, {0x13, "Pause"},
    {0x14, "Caps Lock"}, {0x1B, "Esc"}, {0x20, "Space"}, {0x21, "Page Up"},
    {0x22, "Page Down"}, {0x23, "End"}, {0x24, "Home"}, {0x25, "Left Arrow"},
    {0x26, "Up Arrow"}, {0x27, "Right Arrow"}, {0x28, "Down Arrow"}, {0x29, "Select"},
    {0x2A, "Print"}, {0x2B, "Execute"}, {0x2C, "Snapshot"}, {0x2D, "Ins"}, {0x2E, "Del"},
    {0x2F, "Help"}, {0x5B, "Left Windows"}, {0x5C, "Right Windows"}, {0x5D, "Application"},
    {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6C, "Separator"}, {0x6D, "Num -"}, {0x6E, "Num ."},
    {0x6F, "Num /"}, {0x90, "Num Lock"}, {0x91, "Scrl Lock"}, {0xF6, "Attn"}, {0xF7, "Crsel"},
    {0xF8, "Exsel"}, {0xF9, "Ereof"}, {0xFA, "Play"}, {0xFB, "Zoom"}, {0xFC, "No Name"},
    {0xFD, "Pa1"}, {0xFE, "Oem Clear"},
};

// The keys whose scan codes need the extended bit: Page Up to Help.
bool IsExtendedKey(UINT nVirtKey)
{
    return nVirtKey >= VK_PRIOR && nVirtKey <= VK_HELP;
}

char UpperChar(char ch)
{
    return static_cast<char>(reinterpret_cast<UINT_PTR>(
        ::CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<BYTE>(ch))))));
}

} // namespace

CXTPShortcutManager::KeyboardCalls& CXTPShortcutManager::GetKeyboardCalls()
{
    static KeyboardCalls calls = GetSystemKeyboardCalls();
    return calls;
}

const CXTPShortcutManager::KeyboardCalls& CXTPShortcutManager::GetSystemKeyboardCalls()
{
    static const KeyboardCalls calls = {
        &::GetKeyNameTextA,     &::MapVirtualKeyA,   &::MapVirtualKeyExA, &::GetKeyboardLayout,
        &::GetKeyboardLayoutList, &::GetKeyboardState, &::ToAsciiEx,
    };
    return calls;
}

void CXTPShortcutManager::InitKeyNames()
{
    m_mapKeyNames.InitHashTable(10);
    for (char ch = '0'; ch <= '9'; ++ch)
        m_mapKeyNames.SetAt(static_cast<UINT>(ch), CString(ch));
    for (char ch = 'A'; ch <= 'Z'; ++ch)
        m_mapKeyNames.SetAt(static_cast<UINT>(ch), CString(ch));
    for (int i = 0; i < 12; ++i)
    {
        CString strName;
        strName.Format("F%d", i + 1);
        m_mapKeyNames.SetAt(VK_F1 + i, strName);
    }
    for (int i = 0; i < 10; ++i)
    {
        CString strName;
        strName.Format("Num %d", i);
        m_mapKeyNames.SetAt(VK_NUMPAD0 + i, strName);
    }
    for (const KeyName& key : kKeyNames)
        m_mapKeyNames.SetAt(key.nVirtKey, key.pszName);
}

CString CXTPShortcutManager::GetSystemKeyName(UINT nVirtKey) const
{
    if (nVirtKey == VK_CANCEL)
        return CString();
    const KeyboardCalls& calls = GetKeyboardCalls();
    UINT nScanCode = calls.pfnMapVirtualKeyEx(nVirtKey, 0, calls.pfnGetKeyboardLayout(0));
    LONG lParam = static_cast<LONG>(((nScanCode & 0xFF) << 16) | 1);
    if (IsExtendedKey(nVirtKey))
        lParam |= 1L << 24;
    char szName[50] = {};
    int nLength = calls.pfnGetKeyNameText(lParam, szName, static_cast<int>(sizeof(szName)));
    if (nLength <= 0)
        return CString();
    szName[sizeof(szName) - 1] = '\0';

    CString strName(szName);
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); ++i)
    {
        if (::IsCharLowerA(strName[i]))
        {
            strName.SetAt(i, UpperChar(strName[i]));
            break;
        }
    }
    return strName;
}

CString CXTPShortcutManager::GetKeyName(UINT nVirtKey)
{
    CString strName;
    if (m_bUseSystemKeyNameText)
        strName = GetSystemKeyName(nVirtKey);
    if (strName.IsEmpty())
        m_mapKeyNames.Lookup(nVirtKey, strName);
    if (strName.IsEmpty() && !m_bUseSystemKeyNameText)
        strName = GetSystemKeyName(nVirtKey);
    return strName;
}

void CXTPShortcutManager::FormatAccel(CString& strText, const ACCEL& accel, int* pnPriority)
{
    struct Modifier
    {
        BYTE nFlag;
        UINT nVirtKey;
    };
    static const Modifier modifiers[] = {
        {FCONTROL, VK_CONTROL},
        {FSHIFT, VK_SHIFT},
        {FALT, VK_MENU},
    };

    strText.Empty();
    if (accel.key != VK_CANCEL)
    {
        for (const Modifier& modifier : modifiers)
        {
            if (!(accel.fVirt & modifier.nFlag))
                continue;
            CString strName = GetKeyName(modifier.nVirtKey);
            if (!strName.IsEmpty())
                strText += strName + "+";
        }
    }
    if (accel.key != 0)
    {
        if (accel.fVirt & FVIRTKEY)
            strText += GetKeyName(accel.key);
        else if (accel.key != VK_ESCAPE && accel.key != VK_TAB)
            strText += static_cast<char>(LOBYTE(accel.key));
    }
    else if (!strText.IsEmpty() && strText.Right(1) == "+")
    {
        strText = strText.Left(strText.GetLength() - 1);
    }

    if (pnPriority)
    {
        if (accel.fVirt & FCONTROL)
            *pnPriority = 3;
        else if (accel.fVirt & FALT)
            *pnPriority = 2;
        else if (accel.fVirt & FSHIFT)
            *pnPriority = 1;
        else
            *pnPriority = 4;
    }
}

BOOL CXTPShortcutManager::VirtualKeyMatchesChar(UINT nChar, UINT nVirtKey)
{
    const KeyboardCalls& calls = GetKeyboardCalls();
    if (calls.pfnMapVirtualKey(nVirtKey, 2) == 0)
        return FALSE;
    const char ch = static_cast<char>(LOBYTE(nChar));
    const char chUpper = UpperChar(ch);
    if (nVirtKey == static_cast<BYTE>(ch) || nVirtKey == static_cast<BYTE>(chUpper))
        return TRUE;

    // What the key types in each installed layout, the only one too: a
    // character typed with Shift ("?") or on a key of its own ("ö" on a
    // German keyboard) has no key code of its own to compare.
    int nLayouts = calls.pfnGetKeyboardLayoutList(0, nullptr);
    if (nLayouts < 1)
        return FALSE;
    std::vector<HKL> layouts(static_cast<size_t>(nLayouts));
    nLayouts = calls.pfnGetKeyboardLayoutList(nLayouts, layouts.data());
    BYTE keyState[256] = {};
    calls.pfnGetKeyboardState(keyState);
    for (int i = 0; i < nLayouts && i < static_cast<int>(layouts.size()); ++i)
    {
        WORD wChar = 0;
        UINT nScanCode = calls.pfnMapVirtualKeyEx(nVirtKey, 0, layouts[i]);
        if (calls.pfnToAsciiEx(nVirtKey, nScanCode, keyState, &wChar, 0, layouts[i]) != 1)
            continue;
        const char typed = static_cast<char>(LOBYTE(wChar));
        if (typed == ch || UpperChar(typed) == chUpper)
            return TRUE;
    }
    return FALSE;
}
