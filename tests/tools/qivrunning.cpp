// Stands in for a running Qivnotes: a program with a main window titled
// "Qivnotes" that runs until the window is closed. The uninstaller tests
// start it from the installation folder under the name qivnotes.exe.
#include <windows.h>

namespace {

LRESULT CALLBACK MainWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

int main()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "QivnotesStandIn";
    ::RegisterClassA(&wc);
    ::CreateWindowA("QivnotesStandIn", "Qivnotes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                    nullptr, nullptr, wc.hInstance, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}
