// Real mouse and keyboard input for the serial input tests: SendInput moves
// the shared pointer and presses its buttons, so these tests run one at a
// time in their own executable, with their window in the foreground.
#pragma once

#include "framework/core/AfxWin.h"

// Moves the pointer to a screen point (absolute input) and dispatches what
// the move caused. FALSE when the pointer did not arrive there.
BOOL MoveMouseTo(POINT ptScreen);
// Presses or releases the left button where the pointer is, then
// dispatches what it caused.
void PressLeftButton();
void ReleaseLeftButton();
// Moves the pointer to a screen point and clicks the left button there.
// FALSE (and no click) when the pointer did not arrive there.
BOOL ClickAt(POINT ptScreen);
// Presses the left button where the pointer is, moves it to the point and
// releases it there, all queued at once: a modal loop that the press starts
// finds the rest waiting.
void ClickAndReleaseAt(POINT ptRelease);
// Presses and releases one key.
void TapKey(WORD wVirtualKey);
// The same input without dispatching anything, for scripts that run while
// a modal loop takes the messages itself.
void InjectMouseMove(POINT ptScreen);
void InjectMouseButton(DWORD dwFlags);
void InjectKey(WORD wVirtualKey, BOOL bUp);
// Presses a key while a modifier (VK_MENU, VK_CONTROL, VK_SHIFT) is held.
void TapKeyWith(WORD wModifier, WORD wVirtualKey);
// Presses and releases a key, with the modifier held when one is given,
// then dispatches through the thread's pre-translation.
void TapTranslated(WORD wVirtualKey, WORD wModifier = 0);
// Presses the key that types the character while Alt is held, with Shift
// too where the keyboard needs it for the character ("?"), without
// dispatching anything.
void InjectCharWithAlt(char ch);
// Turns the wheel by a delta (120 a notch; negative towards the user)
// without dispatching anything.
void InjectWheel(int nDelta);
// Dispatches every message waiting in the thread's queue.
void PumpInputMessages();
// The same, each message through the thread's pre-translation first, as
// the application's own loop does.
void PumpTranslated();
// Brings a top-level window to the foreground; FALSE when it did not get
// there.
BOOL MakeForeground(HWND hWnd);

// Sets the system's full-window-drag setting for its lifetime and puts the
// old one back at the end (the setting is seen by every process).
class CFullDragSettingScope
{
public:
    explicit CFullDragSettingScope(BOOL bFullDrag);
    ~CFullDragSettingScope();
    CFullDragSettingScope(const CFullDragSettingScope&) = delete;
    CFullDragSettingScope& operator=(const CFullDragSettingScope&) = delete;

private:
    BOOL m_bOld;
};
