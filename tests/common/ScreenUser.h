// The user at the screen, played by a thread of the test while the code
// under test runs its windows on the test's main thread: it waits for
// dialogs, reads what they say, presses their buttons as a click does, and
// photographs windows as the screen shows them. Texts are read without
// sending a message, so a window that stopped answering is still read, and
// every wait is bounded.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace screen {

// A visible, enabled dialog window of the thread other than hExcept (a
// message box, while its owner is disabled), once one stands; null after
// dwTimeout milliseconds.
HWND WaitForDialog(DWORD dwThreadId, HWND hExcept, DWORD dwTimeout);
// The window's text in the 8-bit code page.
std::string WindowText(HWND hWnd);
// The texts of a dialog's static controls joined by "\n".
std::string DialogText(HWND hDialog);
// A button's text without its mnemonic ampersand.
std::string ButtonText(HWND hDialog, int nID);
// Presses the button as a click does (the window's thread handles it when
// it gets to it).
void Click(HWND hDialog, int nID);

// A window as the screen shows it: 32-bit top-down pixels (0x00RRGGBB).
struct Shot
{
    int cx = 0;
    int cy = 0;
    std::vector<DWORD> pixels;

    DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * cx + x]; }
    // The part of the shot inside rc.
    Shot Part(const RECT& rc) const;
};
// What `draw` paints into a cx by cy memory DIB.
Shot Draw(int cx, int cy, const std::function<void(HDC)>& draw);
// The whole window, frame and caption included, as the screen shows it now.
Shot ShootWindow(HWND hWnd);
// The same once the window's thread has drawn it whole (a dialog that just
// came up may not have been drawn yet).
Shot ShootWhenDrawn(HWND hWnd);
// Where rc (screen coordinates) lies in ShootWindow(hWnd)'s pixels.
RECT InShot(HWND hWnd, const RECT& rcScreen);
// Writes the shot as name.png into the folder QIV_SHOT_DIR names; nothing
// when it is not set.
void KeepShot(const Shot& shot, const char* pszName);

} // namespace screen
