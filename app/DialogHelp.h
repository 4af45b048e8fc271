// What every dialog of the shell does alike: context pop-up help for the
// control under a help request, and moving the dialog when its free area is
// dragged.
#pragma once

#include "framework/core/Geometry.h"

#include <initializer_list>

class CWnd;

// The context help id of a control: the top bit, the dialog's resource id
// in bits 16 to 30, the control id in bits 0 to 15. OK, Cancel and Help
// take their ids from resource 150 in every dialog.
DWORD QivHelpId(UINT nIDDialog, UINT nIDControl);

// A control whose help is that of another one (the first of its group).
struct QivHelpAlias
{
    UINT nIDControl;
    UINT nIDHelpAs;
};

// Shows the pop-up help of the help request's control when it is one of
// the listed controls (or OK, Cancel, Help); FALSE leaves the request to
// the default handling.
BOOL QivShowContextHelp(const HELPINFO* pHelpInfo, UINT nIDDialog,
                        std::initializer_list<UINT> controls,
                        std::initializer_list<QivHelpAlias> aliases = {});

// Starts moving the top-level window of pWnd (the dialog itself, or the
// sheet around a page) as if its caption had been pressed at the point of
// pWnd's client area.
void QivDragByCaption(CWnd* pWnd, CPoint ptClient);

class CPropertyPage;

// Plays "PlySelect" when the user turns to another page of a sheet that is
// shown already (not for the first page the sheet opens with).
void QivPlayPageSwitchSound(CPropertyPage* pPage);
