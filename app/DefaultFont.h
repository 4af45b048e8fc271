// The default font of new and plain texts: the stored character format
// (section "cf") edited through the font dialog.
#pragma once

#include <richedit.h>

class CWnd;

// The stored default character format exactly as stored (height 20 x the
// pixel height).
CHARFORMATA QivReadStoredCharFormat();
void QivWriteStoredCharFormat(const CHARFORMATA& cf);

// Shows the font dialog on the stored default and stores the choice; FALSE
// when it was cancelled. Texts shown afterwards use the new default.
BOOL QivChooseDefaultFont(CWnd* pParentWnd);
