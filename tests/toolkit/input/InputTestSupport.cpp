#include "InputTestSupport.h"

#include "framework/ui/WinThread.h"

namespace {

// The normalised coordinate whose pixel (coordinate × size / 65536, rounded
// down) is the wanted one.
LONG Normalise(LONG nPixel, int nSize)
{
    return static_cast<LONG>((static_cast<LONGLONG>(nPixel) * 65536 + nSize - 1) / nSize);
}

void SendMouse(DWORD dwFlags, LONG dx = 0, LONG dy = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof(input));
}

} // namespace

void InjectMouseMove(POINT ptScreen)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN);
    int cy = ::GetSystemMetrics(SM_CYSCREEN);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalise(ptScreen.x, cx),
              Normalise(ptScreen.y, cy));
}

void InjectMouseButton(DWORD dwFlags)
{
    SendMouse(dwFlags);
}

void InjectKey(WORD wVirtualKey, BOOL bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVirtualKey;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
}

void InjectWheel(int nDelta)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = static_cast<DWORD>(nDelta);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    ::SendInput(1, &input, sizeof(input));
}

void PumpTranslated()
{
    for (int nRound = 0; nRound < 4; ++nRound)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            if (!AfxPreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void PumpInputMessages()
{
    // A few rounds: dispatching may post more.
    for (int nRound = 0; nRound < 4; ++nRound)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

BOOL MoveMouseTo(POINT ptScreen)
{
    InjectMouseMove(ptScreen);
    PumpInputMessages();
    POINT pt;
    ::GetCursorPos(&pt);
    return pt.x == ptScreen.x && pt.y == ptScreen.y;
}

void PressLeftButton()
{
    InjectMouseButton(MOUSEEVENTF_LEFTDOWN);
    PumpInputMessages();
}

void ReleaseLeftButton()
{
    InjectMouseButton(MOUSEEVENTF_LEFTUP);
    PumpInputMessages();
}

BOOL ClickAt(POINT ptScreen)
{
    if (!MoveMouseTo(ptScreen))
        return FALSE;
    PressLeftButton();
    ReleaseLeftButton();
    return TRUE;
}

void TapKey(WORD wVirtualKey)
{
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = wVirtualKey;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    PumpInputMessages();
}

void ClickAndReleaseAt(POINT ptRelease)
{
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dx = Normalise(ptRelease.x, ::GetSystemMetrics(SM_CXSCREEN));
    inputs[1].mi.dy = Normalise(ptRelease.y, ::GetSystemMetrics(SM_CYSCREEN));
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(3, inputs, sizeof(INPUT));
    PumpInputMessages();
}

void TapKeyWith(WORD wModifier, WORD wVirtualKey)
{
    INPUT inputs[4] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = wModifier;
    inputs[1].ki.wVk = wVirtualKey;
    inputs[2].ki.wVk = wVirtualKey;
    inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[3].ki.wVk = wModifier;
    inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(4, inputs, sizeof(INPUT));
    PumpInputMessages();
}

void TapTranslated(WORD wVirtualKey, WORD wModifier)
{
    if (wModifier)
        InjectKey(wModifier, FALSE);
    InjectKey(wVirtualKey, FALSE);
    InjectKey(wVirtualKey, TRUE);
    if (wModifier)
        InjectKey(wModifier, TRUE);
    PumpTranslated();
}

void InjectCharWithAlt(char ch)
{
    const SHORT nScan = ::VkKeyScanA(ch);
    const WORD wKey = LOBYTE(nScan);
    const bool bShift = (HIBYTE(nScan) & 1) != 0;
    InjectKey(VK_MENU, FALSE);
    if (bShift)
        InjectKey(VK_SHIFT, FALSE);
    InjectKey(wKey, FALSE);
    InjectKey(wKey, TRUE);
    if (bShift)
        InjectKey(VK_SHIFT, TRUE);
    InjectKey(VK_MENU, TRUE);
}

BOOL MakeForeground(HWND hWnd)
{
    ::ShowWindow(hWnd, SW_SHOW);
    ::SetForegroundWindow(hWnd);
    PumpInputMessages();
    return ::GetForegroundWindow() == hWnd;
}

CFullDragSettingScope::CFullDragSettingScope(BOOL bFullDrag)
    : m_bOld(FALSE)
{
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &m_bOld, 0);
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, bFullDrag, nullptr, 0);
}

CFullDragSettingScope::~CFullDragSettingScope()
{
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, m_bOld, nullptr, 0);
}
