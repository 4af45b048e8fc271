// CXTPControlFieldText: the text of a command-bar field that edits in a
// toolkit edit window (combo boxes and edit controls). The text is cached
// for the times the window does not exist, and a grey hint stands in the
// window while the field is empty and unfocused; GetText never answers the
// hint.
#pragma once

#include "framework/core/String.h"

class CXTPControl;
class CXTPEdit;

class CXTPControlFieldText
{
public:
    // The control the field belongs to.
    virtual CXTPControl* GetFieldControl() = 0;
    // Called by the field's window.
    virtual void OnEditSetFocus(HWND hWndOld) = 0;
    virtual void OnEditKillFocus() = 0;
    // The window's text changed (the reflected EN_CHANGE).
    virtual void OnEditChange() = 0;
    // The window is being destroyed: its text is kept.
    void OnEditDestroy() { KeepWindowText(); }

    // The window's text (read again after a change), else the cache.
    CString GetEditText() const;
    // Shows the text (emptied first, so that caret and scroll start again);
    // the site hears only of changes the user makes.
    void SetEditText(const CString& strText);
    // "" while the field shows the hint.
    CString GetText() const;
    // An empty text shows the hint.
    void SetText(const CString& strText);
    CString GetEditHint() const { return m_strEditHint; }
    // A field showing the old hint is emptied; an empty unfocused field
    // then shows the new one.
    void SetEditHint(LPCSTR lpszHint);

    // The rich edit draws every change at once; while the outermost of these
    // lives the window is not drawn, and it is invalidated once at its end
    // (the window paints when the thread next has nothing else to do).
    class CPaintOnce
    {
    public:
        explicit CPaintOnce(CXTPControlFieldText* pField);
        ~CPaintOnce();
        CPaintOnce(const CPaintOnce&) = delete;
        CPaintOnce& operator=(const CPaintOnce&) = delete;

    private:
        CXTPControlFieldText* m_pField;
    };

protected:
    CXTPControlFieldText() = default;
    virtual ~CXTPControlFieldText() = default;

    // The field's edit window object; null when there is none.
    virtual CXTPEdit* GetFieldWindow() const = 0;
    virtual BOOL IsFieldFocused() const = 0;
    // Text colours after the text or the state changed.
    virtual void UpdateEditFormat() = 0;

    BOOL HasFieldWindow() const;
    BOOL ShowsHint() const;
    // The window is going away: its text stays in the cache.
    void KeepWindowText();
    // The window reported a change: its text is read once into the cache.
    // TRUE when it differs from what the cache held, i.e. the user changed
    // it (a change the field makes itself is not read and answers FALSE).
    BOOL TakeChangedText();
    // Replaces the window's text in one setting, for a completion whose
    // caret and scrolling are placed right afterwards.
    void ReplaceEditText(const CString& strText);

    mutable CString m_strTextCache;
    mutable BOOL m_bTextDirty = TRUE;
    CString m_strEditHint;
    BOOL m_bSettingText = FALSE;

private:
    int m_nPaintHeld = 0;
    BOOL m_bRedrawOff = FALSE;
};
