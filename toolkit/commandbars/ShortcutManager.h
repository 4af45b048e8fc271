// CXTPShortcutManager: the keyboard accelerators of one command-bars
// manager. It keeps the table as the resource defined it (the baseline) and
// the table the user may change (the current one), translates key messages
// through the current table, formats shortcut texts for menus and tooltips,
// and stores the current table as the binary profile value "Accelerators",
// 6 bytes a record (flags, a zero pad byte, key, command).
//
// What the profile or an exchange holds is read as untrusted input: only
// whole records count, the pad byte is written as 0, and unknown flag bits
// are dropped.
//
// The keyboard-layout calls behind key names and access-key matching go
// through KeyboardCalls, which tests replace: the test machine has one
// layout and its own key names.
#pragma once

#include "framework/core/Map.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

#include <vector>

class CWnd;
class CXTPCommandBars;
class CXTPPropExchange;

class CXTPShortcutManager : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPShortcutManager)
public:
    // The system calls used for key names and access keys.
    struct KeyboardCalls
    {
        int(WINAPI* pfnGetKeyNameText)(LONG lParam, LPSTR lpString, int cchSize);
        UINT(WINAPI* pfnMapVirtualKey)(UINT uCode, UINT uMapType);
        UINT(WINAPI* pfnMapVirtualKeyEx)(UINT uCode, UINT uMapType, HKL hkl);
        HKL(WINAPI* pfnGetKeyboardLayout)(DWORD idThread);
        int(WINAPI* pfnGetKeyboardLayoutList)(int nBuff, HKL* lpList);
        BOOL(WINAPI* pfnGetKeyboardState)(PBYTE lpKeyState);
        int(WINAPI* pfnToAsciiEx)(UINT uVirtKey, UINT uScanCode, const BYTE* lpKeyState,
                                  LPWORD lpChar, UINT uFlags, HKL hkl);
    };
    // The process's calls; a test may replace members and put them back.
    static KeyboardCalls& GetKeyboardCalls();
    static const KeyboardCalls& GetSystemKeyboardCalls();

    explicit CXTPShortcutManager(CXTPCommandBars* pCommandBars = nullptr);
    ~CXTPShortcutManager() override;
    CXTPShortcutManager(const CXTPShortcutManager&) = delete;
    CXTPShortcutManager& operator=(const CXTPShortcutManager&) = delete;

    // The shortcut text of the command into strShortcut. When a text that
    // the command's accelerators give is passed in, it is kept; otherwise
    // the text of highest priority (plain key, Ctrl, Alt, Shift) replaces it.
    // FALSE, with an empty text, when no accelerator runs the command.
    virtual BOOL FindDefaultAccelerator(UINT nCmd, CString& strShortcut);
    // The text of one accelerator ("Ctrl+Shift+F5") and its priority: 4 no
    // modifier, 3 Ctrl, 2 Alt, 1 Shift.
    virtual void FormatAccel(CString& strText, const ACCEL& accel, int* pnPriority = nullptr);
    virtual CString GetKeyName(UINT nVirtKey);
    // FALSE only for a plain Esc while Esc shortcuts are not allowed.
    virtual BOOL IsAllowedShortcut(const ACCEL& accel);
    // Asked before a customisation adds or removes a shortcut; a derived
    // manager answers TRUE when it took care of (or refuses) the change.
    virtual BOOL OnBeforeAdd(ACCEL* pAccel);
    virtual BOOL OnBeforeRemove(ACCEL* pAccel);
    // The current table through a property exchange: "Count" and the binary
    // "Data" where the exchange stores binary values, else numbered "Accel"
    // sections of "Id", "virt" and "key".
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual HACCEL GetAccelTable() const;
    // The current table becomes a copy of the baseline table.
    virtual HACCEL Reset();

    // Loads the accelerator resource as baseline and current table. FALSE,
    // with both tables null, when there is no such resource.
    BOOL LoadAcceleratorResource(UINT nIDResource);
    // A new current table of the records (null when there are none or the
    // system refuses them).
    void SetAccelTable(const ACCEL* pAccels, int nCount);
    HACCEL GetOriginalAccelTable() const { return m_hOriginalAccelTable; }
    // Translates a key message for the window through the current table
    // unless translation is suspended; TRUE when it did.
    BOOL TranslateAccelerator(HWND hWnd, LPMSG lpMsg);
    // Suspends translation (nests; print preview uses it).
    void Suspend(BOOL bSuspend);
    BOOL IsSuspended() const { return m_nSuspendCount > 0; }

    // The current table as the binary value "Accelerators" of the section.
    // Nothing happens without a baseline table.
    void WriteAcceleratorsToProfile(LPCSTR lpszSection);
    void ReadAcceleratorsFromProfile(LPCSTR lpszSection);

    // TRUE when the key types the character (case-insensitive) in the
    // current or any installed keyboard layout.
    static BOOL VirtualKeyMatchesChar(UINT nChar, UINT nVirtKey);

    // The records of a table, pad bytes zeroed; empty for a null table.
    static std::vector<ACCEL> CopyAccelerators(HACCEL hAccel);

    // The window whose commands the accelerators run; when it is a frame,
    // its own table stands in while this manager has none.
    void SetSite(CWnd* pSite) { m_pSite = pSite; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

    void SetAllowEscapeShortcut(BOOL bAllow) { m_bAllowEscapeShortcut = bAllow; }
    void SetUseSystemKeyNameText(BOOL bUse) { m_bUseSystemKeyNameText = bUse; }

protected:
    // The name the keyboard layout gives the key, in the form "Page up".
    CString GetSystemKeyName(UINT nVirtKey) const;
    // Takes stored records: whole records only, within the table size limit,
    // known flag bits only.
    void SetAccelTableFromBytes(const BYTE* pData, size_t nRecords);
    void DestroyTables();
    // The built-in English key names.
    void InitKeyNames();

    BOOL m_bAllowEscapeShortcut;
    BOOL m_bUseSystemKeyNameText;
    int m_nSuspendCount;
    CXTPCommandBars* m_pCommandBars;
    HACCEL m_hAccelTable;
    HACCEL m_hOriginalAccelTable;
    CMap<UINT, UINT, CString, LPCSTR> m_mapKeyNames;
    CWnd* m_pSite;
};
