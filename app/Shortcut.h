// Shortcut files on the desktop or among the favourites that start the
// program with a card file and, optionally, the path of an item to select.
#pragma once

#include "framework/core/String.h"

class C_QivCategory;
class C_QivItem;

// "<card file>" in quotes, then for an item below the root a blank, a quote
// and the item's path (no closing quote: the command line takes the rest).
CString QivShortcutArguments(const CString& strCardFile, const CString& strItemPath);

// A title as a file name: characters no file name may hold become "_"; an
// empty title gives strFallback.
CString QivShortcutFileName(const CString& strTitle, const CString& strFallback);

struct QIV_SHORTCUT_REQUEST
{
    BOOL bFavorites;          // else the desktop
    C_QivCategory* pRoot;
    C_QivItem* pItem;         // null: a shortcut to the card file itself
    CString strCardFile;      // the card file's full path
    CString strDocTitle;      // the document's title
    CString strProgram;       // the program's own file name
};

// Writes the shortcut and answers its path; empty when the folder is not
// known. A failing shell call is not reported: the file is just not written.
CString QivCreateShortcut(const QIV_SHORTCUT_REQUEST& request);
