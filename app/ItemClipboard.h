// Whole items (an entry, or a category with its subtree) as blocks of the
// card file's own item encoding, for the clipboard and for dragging: the
// clipboard carries the item as an archived object (class tag, schema and
// name, then its record), a drag the record alone. Either way the item is
// written alone, its following siblings left out, in the current layout.
//
// Blocks that come from the clipboard or a drop are untrusted: a block that
// does not read as a whole item of the expected class gives no item (and
// leaks none), and the failure is reported once.
#pragma once

#include "framework/core/AfxWin.h"
#include "framework/ui/TestSeams.h"

#include <ole2.h>

struct CRuntimeClass;
class COleDataObject;
class COleDataSource;
class C_QivItem;

// The registered formats "Qivnotes Eintrag", "Qivnotes Kategorie" and
// "Rich Text Format".
CLIPFORMAT QivEntryClipFormat();
CLIPFORMAT QivCategoryClipFormat();
CLIPFORMAT QivRichTextClipFormat();

// A new shareable block (GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT) that
// holds pItem alone: as an archived object (bAsObject) or as its record.
// Null when it could not be written.
HGLOBAL QivWriteItemBlock(C_QivItem* pItem, BOOL bAsObject);

// A new block of the bytes followed by one NUL.
HGLOBAL QivTextBlock(const void* pBytes, size_t nLength);

// The item a block holds, of pClass (C_QivEntry or C_QivCategory); the
// block's size bounds the read. Null (after one message) when the block
// does not hold such an item.
C_QivItem* QivReadItemBlock(HGLOBAL hBlock, CRuntimeClass* pClass, BOOL bAsObject);

// The item the data offers in "Qivnotes Eintrag", else "Qivnotes
// Kategorie"; null when it offers neither or the block is unreadable.
C_QivItem* QivReadOfferedItem(COleDataObject& data, BOOL bAsObject);

// A drag of items about to run. Tests answer it in place of the system's
// drag loop (the handler may drop the source's data on a view) with the
// effect the drag ended with.
struct QIV_DRAG_REQUEST
{
    COleDataSource* pSource;
};
using CItemDragSeam = CTestSeam<QIV_DRAG_REQUEST>;
