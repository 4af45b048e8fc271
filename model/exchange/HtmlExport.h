// The HTML export: one page with a table of contents (for a category) and
// every node's title and note below numbered anchors. The DynamicHTML
// export writes its data page with the same writer.
#pragma once

#include "framework/core/AfxWin.h"

class CStdioFile;
class C_QivItem;

// Writes pItem and, for a category, its subtree (not its following
// siblings) for one pass of a page. The contents pass writes numbered links,
// the body pass the anchors, headings and notes. The counter numbers the
// nodes in pre-order from the value the caller sets for pItem. Nested lists
// (not flat) or one flat run with level-2 headings and rules (flat).
void QivWriteHtml(CStdioFile& file, C_QivItem* pItem, int& nCounter, BOOL bContents,
                  int nLevel, BOOL bFlat);

// Writes the page of pItem to lpszPath (created or truncated, text mode).
// File errors raise CFileException.
void QivExportHtml(C_QivItem* pItem, LPCSTR lpszPath);
