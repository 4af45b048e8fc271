// A field's edit window as the screen shows it after the ordinary paint,
// against the same window repainted whole: what typing left behind.
#pragma once

#include "framework/core/AfxWin.h"

struct FieldLook
{
    // Pixels that differ from the full repaint, the caret's columns aside
    // (it blinks).
    int nDiffering;
    // Pixels in the selection's highlight colour.
    int nHighlight;
    // Pixels that are not the background (text or highlight).
    int nInk;
    // The caret, in client coordinates.
    POINT ptCaret;
};

// Captures the window's client area as shown, repaints the window whole,
// captures again and compares. Call after the window's queued paint ran.
FieldLook CompareWithFullRepaint(HWND hWndField);

// The client x of the place before the character, by EM_POSFROMCHAR in the
// form the window's kind (rich or plain edit) takes.
int CharPlaceX(HWND hWndField, int nChar);
