// The state tables of the Office themes' button faces: each row names a
// state of the control (enabled or not, a condition on its selected,
// pressed, checked and popped states, and the bar position) and the face it
// gets; the first row that matches decides.
#pragma once

#include "framework/core/AfxWin.h"

#include <cstddef>

enum XTPFaceCondition
{
    xtpFaceAny,
    xtpFaceKeyboardSelected,         // selected by the keyboard (2 or 3)
    xtpFaceKeyboardSelectedChecked,  // the same, checked
    xtpFaceChecked,
    xtpFacePopped,
    xtpFaceIndeterminateIdle,        // checked 2, neither selected nor pressed
    xtpFaceCheckedIdle,              // checked, neither selected nor pressed
    xtpFaceCheckedHot,               // checked, selected, not pressed
    xtpFaceKeyboardPressed,          // pressed by the keyboard (2 or 3)
    xtpFaceSelectedAndPressed,
    xtpFaceSelectedOrPressed,
};

enum XTPFacePosition
{
    xtpFaceAnyPosition,
    xtpFacePopupPosition,   // the bar position is popup (5)
};

// The states a face is drawn for.
struct XTPFaceState
{
    int nSelected;
    int nPressed;
    BOOL bEnabled;
    int nChecked;
    BOOL bPopuped;
    int nPosition;
};

template <class Face>
struct XTPFaceRule
{
    BOOL bEnabled;
    XTPFaceCondition condition;
    XTPFacePosition position;
    Face face;
};

BOOL MatchesFaceCondition(XTPFaceCondition condition, const XTPFaceState& state);

// The first rule that matches; null when none does.
template <class Face, std::size_t N>
const XTPFaceRule<Face>* FindFaceRule(const XTPFaceRule<Face> (&rules)[N], const XTPFaceState& state)
{
    for (const XTPFaceRule<Face>& rule : rules)
    {
        if (rule.bEnabled != (state.bEnabled ? TRUE : FALSE))
            continue;
        if (rule.position == xtpFacePopupPosition && state.nPosition != 5)
            continue;
        if (MatchesFaceCondition(rule.condition, state))
            return &rule;
    }
    return nullptr;
}
