// The records of the card file's object graph. A node's record holds its
// next sibling's record, and a category's record its first child's, so the
// bytes nest one level per sibling and per tree level; these functions read
// and write that nesting with an explicit stack instead of recursion.
#pragma once

#include "framework/core/AfxWin.h"

class CArchive;
class C_QivItem;

// TRUE when records of the given format version carry colour, attachment
// list and expanded flag (1.30 and later).
BOOL QivVersionHasItemTail(WORD wVersion);

// Reads or writes pItem's record, everything nested in it included. The
// archive has already handled pItem's own class tag and object index.
// Reading follows the archive's format version; writing is always current.
void QivSerializeRecord(CArchive& ar, C_QivItem* pItem);
