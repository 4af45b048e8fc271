// What the combo box's and the edit control's fields share: the edit
// window that holds their text (CXTPControlFieldEditCtrl, the base of both
// kinds' windows) and, on top of either control base, the window's life
// (made at the placement, made again for another bar, reading direction or
// style), enabling, the focus with the bar's keyboard tracking, the hint's
// colours, the shell's auto-complete and the hiding on a vertical dock
// (CXTPControlField). Base is CXTPControl or CXTPControlPopup; both kinds
// are instantiated in ControlField.cpp.
#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlFieldText.h"
#include "toolkit/controls/EditWnd.h"

class CXTPControlComboBoxAutoCompleteWnd;

// The edit window of a field: its focus, text changes and destruction go to
// the field; a right click shows the edit context menu; in customize mode
// clicks act on the control.
class CXTPControlFieldEditCtrl : public CXTPEdit
{
public:
    explicit CXTPControlFieldEditCtrl(CXTPControlFieldText* pField) : m_pField(pField) {}
    CXTPControlFieldText* GetField() const { return m_pField; }
    void SetField(CXTPControlFieldText* pField) { m_pField = pField; }

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The field's control; null once unlinked.
    CXTPControl* GetFieldControl() const { return m_pField ? m_pField->GetFieldControl() : nullptr; }

    CXTPControlFieldText* m_pField;
};

template <class Base>
class CXTPControlField : public Base, public CXTPControlFieldText
{
public:
    DWORD GetShellAutoCompleteFlags() const { return m_dwShellAutoCompleteFlags; }
    // A new auto-complete object for the window with the shell's flags
    // (none for flags 0 or when the shell refuses).
    void SetShellAutoCompleteFlags(DWORD dwFlags);
    CXTPControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_pAutoCompleteWnd; }
    DWORD GetEditStyle() const { return m_dwEditStyle; }
    // The window is made again with the style at the next placement.
    void SetEditStyle(DWORD dwStyle);
    // The next placement destroys the edit window and makes it again.
    void RecreateEditCtrl() { m_bRecreateEdit = TRUE; }

    void SetEnabled(int nEnabled) override;
    // Gaining: the window takes the focus, the bar tracks the keyboard with
    // this control selected; the site hears of either change.
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override { return m_bFocused; }
    // Losing the selection ends the focus.
    BOOL OnSetSelected(int nSelected) override;
    void SetHideFlags(DWORD dwFlags) override;
    // Hidden (flag 4) while the bar is docked vertically.
    void OnCalcDynamicSize(DWORD dwMode) override;
    void OnKeyboardActivate() override { SetFocused(TRUE); }
    BOOL IsCustomizeResizeAllowed() const override { return TRUE; }
    void SetWidth(int nWidth) override;
    CXTPControl* GetFieldControl() override { return this; }
    // The window takes the new font and colours at its next placement.
    void OnThemeChanged() override { m_bPlaceAgain = TRUE; }

protected:
    CXTPControlField(UINT nSetFocusCode, UINT nKillFocusCode);
    ~CXTPControlField() override;

    BOOL IsFieldFocused() const override { return m_bFocused; }
    void UpdateEditFormat() override;
    BOOL IsEditWindow() const { return HasFieldWindow(); }
    void DestroyEditWindow();
    // Steps of the kind right after the focus flag changed, before the
    // window, the bar and the site follow.
    virtual void OnFieldFocusChange(BOOL /*bFocused*/) {}

    // Placement: a window of another bar, of the other reading direction
    // or awaiting another style is destroyed; FALSE when nothing more is to
    // be done (unchanged, or no bar), else the window exists and the
    // rectangle is stored.
    BOOL PrepareFieldWindow(const CRect& rcControl);
    // Font, margins, text and colours, then the window moved to rcField
    // and shown by the action and hide flags.
    void PlaceFieldWindow(const CRect& rcField);

    // The window took the focus: a hint goes, the text is kept for Esc, the
    // bar remembers where the focus returns (and closes its popup when
    // asked), the field is focused and the auto-complete hooked; a click
    // leaves the whole text selected.
    void TakeFieldFocus(HWND hWndOld, BOOL bClosePopup);
    // The window lost the focus: an empty field shows the hint, the focus
    // ends, the auto-complete is unhooked.
    void LeaveFieldFocus();
    // The window's text changed: margins and colours again.
    void ResetFieldLook();
    // Esc: the text the focus found comes back and the focus ends; 1 on a
    // popup bar (the key is used), else 0.
    int CancelFieldFocus();

    BOOL m_bFocused = FALSE;
    CString m_strTextOnFocus;
    BOOL m_bRecreateEdit = FALSE;
    BOOL m_bPlaceAgain = FALSE;
    CXTPControlComboBoxAutoCompleteWnd* m_pAutoCompleteWnd = nullptr;
    DWORD m_dwShellAutoCompleteFlags = 0;
    DWORD m_dwEditStyle = 0;

private:
    void CreateEditWindow();
    // Shown while the action is visible (or absent) and nothing hides it.
    void ShowFieldWindow();

    UINT m_nSetFocusCode;
    UINT m_nKillFocusCode;
};

namespace XTPField {
// A field's caption shows on popup bars, never when empty, by the caption
// styles, else when the control asks for its label.
BOOL IsCaptionVisible(const CXTPControl* pControl, BOOL bLabel);
} // namespace XTPField
