#include "toolkit/controls/TrackingLoop.h"

BOOL RunTrackingLoop(HWND hWndCapture, const std::function<XTPTrackAnswer(MSG&)>& handler)
{
    while (::GetCapture() == hWndCapture)
    {
        MSG msg;
        BOOL bResult = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bResult == -1)
            return FALSE;
        if (bResult == 0)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return FALSE;
        }
        switch (handler(msg))
        {
        case xtpTrackEnd:
            return TRUE;
        case xtpTrackHandled:
            break;
        case xtpTrackDispatch:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    return FALSE;
}
