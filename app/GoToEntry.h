// Going to an item by its path: the titles below the root joined by "\",
// each looked up without regard to case among the children of the one
// before. The go-to dialog, shortcuts and the command line use it.
#pragma once

#include "framework/core/String.h"

#include <commctrl.h>

class C_QivItem;
class C_QivCategory;

// The first child of pCategory, in chain order, whose title equals
// strTitle without regard to case (umlauts too); null when none does.
C_QivItem* FindChildByTitle(C_QivCategory* pCategory, const CString& strTitle);

// The item the path names: a category segment at the end of the path (with
// or without its trailing "\") or any entry, whatever follows it. Null when
// a segment names nothing, and for an empty path.
C_QivItem* ResolveItemPath(C_QivCategory* pRoot, const CString& strPath);

// Selects the item the path names in the tree control, silently; a path
// naming nothing is reported ("existiert nicht") and leaves the selection.
// An empty path does nothing.
void GoToEntry(HWND hTree, C_QivCategory* pRoot, const CString& strPath);
