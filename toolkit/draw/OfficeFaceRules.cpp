#include "toolkit/draw/OfficeFaceRules.h"

BOOL MatchesFaceCondition(XTPFaceCondition condition, const XTPFaceState& s)
{
    BOOL bKeyboardSelected = s.nSelected == 2 || s.nSelected == 3;
    BOOL bIdle = !s.nSelected && !s.nPressed;
    switch (condition)
    {
    case xtpFaceAny:
        return TRUE;
    case xtpFaceKeyboardSelected:
        return bKeyboardSelected;
    case xtpFaceKeyboardSelectedChecked:
        return bKeyboardSelected && s.nChecked;
    case xtpFaceChecked:
        return s.nChecked != 0;
    case xtpFacePopped:
        return s.bPopuped;
    case xtpFaceIndeterminateIdle:
        return s.nChecked == 2 && bIdle;
    case xtpFaceCheckedIdle:
        return s.nChecked && bIdle;
    case xtpFaceCheckedHot:
        return s.nChecked && s.nSelected && !s.nPressed;
    case xtpFaceKeyboardPressed:
        return s.nPressed == 2 || s.nPressed == 3;
    case xtpFaceSelectedAndPressed:
        return s.nSelected && s.nPressed;
    case xtpFaceSelectedOrPressed:
        return s.nSelected || s.nPressed;
    }
    return FALSE;
}
