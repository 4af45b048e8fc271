// What the import and export commands work on. The shell fills one from its
// views and document when a menu command comes, and hands it to the command
// (ExchangeCommands.h); the commands reach the card file, the tree control
// and the document only through it.
#pragma once

#include "framework/core/String.h"

#include <commctrl.h>

#include <functional>

class CWnd;
class C_QivCategory;
class C_QivItem;

struct CQivExchangeContext
{
    CWnd* pOwner = nullptr;            // owner of the dialogs (the view of the command)
    HWND hTree = nullptr;              // the tree-view control, items carrying their nodes
    C_QivCategory* pRoot = nullptr;    // the document's root category
    std::function<void()> setModified; // marks the document modified
    PFNTVCOMPARE pfnCompareItems = nullptr;   // the tree view's item order, for sorting
};

// The node of the tree's selected item, or null.
C_QivItem* QivSelectedNode(const CQivExchangeContext& ctx);
// Where imports go and what the category export writes: the selected node
// when it is a category, else the category holding it, else the root.
C_QivCategory* QivTargetCategory(const CQivExchangeContext& ctx);

// Inserts the node alone (its following siblings stay out) into the tree
// as the first item under pParent's item.
void QivInsertFirstIntoTree(const CQivExchangeContext& ctx, C_QivItem* pItem, C_QivCategory* pParent);
void QivSelectInTree(const CQivExchangeContext& ctx, C_QivItem* pItem);
void QivMarkModified(const CQivExchangeContext& ctx);

// The file the user chose in the open or save dialog, or an empty string
// when the dialog was cancelled.
CString QivChooseFile(const CQivExchangeContext& ctx, BOOL bOpen, LPCSTR lpszDefExt,
                      LPCSTR lpszFileName, DWORD dwFlags, LPCSTR lpszFilter, LPCSTR lpszTitle);

// A message box owned by the owner window, with a caption of its own.
int QivShowMessage(const CQivExchangeContext& ctx, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

// Plays "ProcessComplete" through the shell.
void QivProcessComplete();
