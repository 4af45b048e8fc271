#include "framework/ui/ControlMessage.h"

namespace afx_control {

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ASSERT(::IsWindow(hWnd));
    return ::SendMessage(hWnd, message, wParam, lParam);
}

} // namespace afx_control
