// What the themes' menu-item layouts share: which items open a popup and
// which show their icon.
#pragma once

#include "toolkit/controls/Control.h"

namespace XTPPaintThemes {

inline BOOL IsPopupControlType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup
           || nType == xtpControlSplitButtonPopup;
}

// Popup items show their icon for styles 2 and 3, and for style 0 unless
// they open a popup.
inline BOOL IsPopupIconShown(const CXTPControl* pControl)
{
    int nStyle = pControl->GetStyle();
    return nStyle == xtpButtonIcon || nStyle == xtpButtonIconAndCaption
           || (nStyle == xtpButtonAutomatic && pControl->GetType() != xtpControlPopup);
}

} // namespace XTPPaintThemes
