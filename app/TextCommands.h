// The frame's commands that concern the note editor, as functions the main
// frame calls with its own state: whether each is enabled (and checked),
// and opening the search window.
#pragma once

#include <memory>

class C_QivCategory;
class CCmdUI;
class CDocument;
class CFrameWnd;
class CQivTextView;
class CStringList;
class CSuchenDlg;
class CView;
class CWnd;

// Word wrap (32881): enabled with a text view; checked while it wraps, and
// without one while the stored setting is 1.
void QivUpdateWordWrapCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView);
// Page setup (32863): enabled with a text view. Print and preview (57607,
// 57609): with a text view whose window is enabled.
void QivUpdatePageSetupCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView);
void QivUpdatePrintCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView);
// Font colour (32856): with a text view that is the active view.
void QivUpdateFontColorCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView, const CView* pActiveView);
// Search (32816): while the root category has a child.
void QivUpdateSearchCommand(CCmdUI* pCmdUI, const C_QivCategory* pRoot);
// Shortcut (32850): while the card file has a path (a link to an untitled
// card file would open nothing).
void QivUpdateShortcutCommand(CCmdUI* pCmdUI, const CDocument* pDoc);

// Search (32816): restores the window when it exists, giving it the
// current root; otherwise makes a new one (a stale object is dropped
// first), owned by the frame, and shows it.
CSuchenDlg* QivShowSearchWindow(std::unique_ptr<CSuchenDlg>& window, C_QivCategory* pRoot, CWnd* pTreeView,
                                CFrameWnd* pFrame, CStringList* pHistory);
