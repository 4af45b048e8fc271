// What the list placeholders share. A placeholder is a button that stands in
// a menu for a list that changes at run time (recent files, MDI windows,
// toolbars, OLE verbs, tab-group commands): at every layout of its bar it
// removes the items it inserted last time and, outside customize mode,
// hides itself and inserts one temporary control per list item after itself.
//
// Those insertions happen inside the bar's layout pass. The collection would
// mark the bar for another layout and forget its selection at each one, so
// the next idle pass would lay the bar out again, and again: the layout
// scope puts the bar's selection and dirty bits back when the rebuild ends.
#pragma once

#include "framework/core/String.h"

#include <functional>

class CXTPCommandBar;
class CXTPControl;

// The caption of a numbered list item: every "&" of the text doubled, then
// number 0 gives the text alone, 10 gives "1&0 text", a number above 9
// "n text" and any other "&n text".
CString FormatMenuItemCaption(LPCSTR lpszText, int nNumber);

// Keeps a bar's selection and dirty bits across a rebuild of list items. A
// selected (or open) control that was removed and put back as an equal item
// at the same place (same command id) stays selected.
class CXTPLayoutChangeScope
{
public:
    explicit CXTPLayoutChangeScope(CXTPCommandBar* pBar);
    ~CXTPLayoutChangeScope();
    CXTPLayoutChangeScope(const CXTPLayoutChangeScope&) = delete;
    CXTPLayoutChangeScope& operator=(const CXTPLayoutChangeScope&) = delete;

private:
    struct Kept
    {
        CXTPControl* pControl;   // one reference held while the scope lives
        int nIndex;
        int nId;
    };
    void Keep(Kept& kept, int nIndex);
    int Restore(const Kept& kept) const;

    CXTPCommandBar* m_pBar;
    Kept m_selected;
    Kept m_popuped;
    DWORD m_dwDirty;
};

// Removes the temporary controls directly after the placeholder that the
// test recognises as its items, up to the first one it does not; answers
// how many went.
int RemoveListItems(CXTPControl* pPlaceholder, const std::function<BOOL(CXTPControl*)>& isItem);

// Inserts a temporary button of the id and caption at the index of the
// placeholder's collection, with Flags 8 (no idle update) so the frame's
// handlers do not disable it.
CXTPControl* InsertListItem(CXTPControl* pPlaceholder, int nIndex, int nId, LPCSTR lpszCaption,
                            LPCSTR lpszParameter = nullptr);

// TRUE when the placeholder's bar belongs to command bars in customize mode.
BOOL IsPlaceholderCustomizing(const CXTPControl* pPlaceholder);
