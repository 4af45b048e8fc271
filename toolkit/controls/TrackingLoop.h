// The one modal mouse loop of the controls: pumps the thread's messages while
// a window holds the mouse capture and shows each message to a handler
// first. Used by the button press and the customize resize.
#pragma once

#include "framework/core/AfxWin.h"

#include <functional>

enum XTPTrackAnswer
{
    xtpTrackDispatch = 0, // let the message go to its window
    xtpTrackHandled = 1,  // the handler took it
    xtpTrackEnd = 2,      // the handler took it and the loop ends
};

// TRUE when the handler ended the loop. FALSE when the window lost the
// capture, the queue failed, or WM_QUIT arrived (it is posted again for the
// outer loop).
BOOL RunTrackingLoop(HWND hWndCapture, const std::function<XTPTrackAnswer(MSG&)>& handler);
