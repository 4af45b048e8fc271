// The DynamicHTML export: a frame set made from the template beside the
// program, whose script draws the tree from generated tree-data lines; the
// template's support files in a folder beside the page; and in that folder
// a data page with every node's note under numbered anchors.
#pragma once

#include "framework/core/String.h"

class CStdioFile;
class C_QivCategory;
class C_QivItem;

// The files the export copies from the program's folder.
extern const char* const QIV_DHTML_TEMPLATE;
extern const char* const QIV_DHTML_SUPPORT_FILES[14];

// Writes one script line per node of pItem's subtree (not its following
// siblings), numbered in pre-order from nCounter, each naming its parent's
// number; pItem's parent is nParent. The root line (bRoot) is written for
// pItem itself.
void QivWriteDhtmlTreeData(CStdioFile& file, C_QivItem* pItem, int& nCounter, int nParent,
                           const CString& strDataFolder, BOOL bRoot);

// Writes the page of pCategory to lpszPath from the template in
// lpszProgramFolder (which ends in a backslash), copies the support files
// into the folder "<page title>-Dateien" beside the page and writes its
// "data.htm". A missing template and file errors raise CFileException;
// support files that cannot be copied are left out silently.
void QivExportDynamicHtml(C_QivCategory* pCategory, LPCSTR lpszPath, LPCSTR lpszProgramFolder);
