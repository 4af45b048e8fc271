// What the control wrappers share: each member sends one message to its own
// control, which must exist, often with a pointer or a string as LPARAM.
#pragma once

#include "framework/core/AfxWin.h"

namespace afx_control {

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// A pointer or a string as a message's LPARAM.
template <class T>
LPARAM Ptr(T* p)
{
    return reinterpret_cast<LPARAM>(p);
}

} // namespace afx_control
