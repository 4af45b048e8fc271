// CXTPControlEdit (type 6): a single-line text box on a command bar, with
// its caption as an optional label at the left, a grey hint while the field
// is empty, read-only mode and the shell's auto-complete. The text lives in
// a child edit window (CXTPControlEditCtrl) made at the first placement and
// placed again whenever the control moves.
//
// The site hears of focus and text changes by notifications whose codes are
// the edit notification codes: 256 focus gained, 512 focus lost, 768 text
// changed.
#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlFieldText.h"
#include "toolkit/controls/EditWnd.h"

class CXTPControlComboBoxAutoCompleteWnd;
class CXTPControlEdit;

// The notification codes of the edit control.
const UINT XTP_EN_SETFOCUS = 0x100;
const UINT XTP_EN_KILLFOCUS = 0x200;
const UINT XTP_EN_CHANGE = 0x300;

// Colours, hint and focus rules shared by the combo box's and the edit
// control's fields.
namespace XTPField {
// Applies the field's default character format: window text, or grey text
// while disabled or showing the hint, on the control's back colour.
void ApplyFormat(CXTPEdit* pEdit, CXTPControl* pControl, BOOL bShowsHint);
// The layout mode's vertical-dock bit sets hide flag 4, any other mode
// clears it.
void UpdateDockHideFlag(CXTPControl* pControl, DWORD dwLayoutMode);
// Shows or hides the field window by the action and the hide flags.
void ShowFieldWindow(CXTPEdit* pEdit, CXTPControl* pControl);
// A new auto-complete object attached to the field window with the shell's
// flags; null without a window, for flags 0, or when the shell refuses.
CXTPControlComboBoxAutoCompleteWnd* AttachAutoComplete(CXTPEdit* pEdit, DWORD dwFlags);
// A field's caption shows on popup bars, never when empty, by the caption
// styles, else when the control asks for its label.
BOOL IsCaptionVisible(const CXTPControl* pControl, BOOL bLabel);
} // namespace XTPField

// The edit window of an edit control.
class CXTPControlEditCtrl : public CXTPEdit
{
public:
    explicit CXTPControlEditCtrl(CXTPControlEdit* pControl = nullptr) : m_pControl(pControl) {}
    CXTPControlEdit* GetControl() const { return m_pControl; }
    void SetControl(CXTPControlEdit* pControl) { m_pControl = pControl; }

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CXTPControlEdit* m_pControl;
};

class CXTPControlEdit : public CXTPControl, public CXTPControlFieldText
{
    DECLARE_SERIAL(CXTPControlEdit)
public:
    CXTPControlEdit();
    ~CXTPControlEdit() override;

    BOOL GetReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL HasLabel() const { return m_bHasLabel; }
    void ShowLabel(BOOL bShow = TRUE);
    DWORD GetEditStyle() const { return m_dwEditStyle; }
    void SetEditStyle(DWORD dwStyle);
    DWORD GetShellAutoCompleteFlags() const { return m_dwShellAutoCompleteFlags; }
    void SetShellAutoCompleteFlags(DWORD dwFlags);
    CXTPControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_pAutoCompleteWnd; }
    CXTPControlEditCtrl* GetEditCtrl() const { return m_pEdit; }
    // The next placement destroys the window and makes it again.
    void RecreateEditCtrl() { m_bRecreateEdit = TRUE; }

    void SetEnabled(int nEnabled) override;
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override { return m_bFocused; }
    void SetRect(CRect rcControl) override;
    BOOL IsCaptionVisible() const override;
    BOOL IsEqual(CXTPControl* pOther) const override;
    void SetHideFlags(DWORD dwFlags) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    void OnKeyboardActivate() override { SetFocused(TRUE); }
    void DoPropExchange(CXTPPropExchange* pPX) override;
    int ProcessFocusedKey(UINT nChar, UINT nFlags) override;
    void SetParent(CXTPCommandBar* pParent) override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    BOOL OnSetSelected(int nSelected) override;
    BOOL IsCustomizeResizeAllowed() const override { return TRUE; }
    int GetCustomizeMinWidth() const override { return m_nLabelWidth + 10; }
    void SetWidth(int nWidth) override;

    // Called by the edit window.
    virtual CXTPControlEditCtrl* CreateEditCtrl() { return new CXTPControlEditCtrl(this); }
    virtual void OnEditSetFocus(HWND hWndOld);
    virtual void OnEditKillFocus();
    virtual void OnEditChanged() { NotifySite(XTP_EN_CHANGE); }
    // The reflected EN_CHANGE of the window.
    void OnEditChange();
    // The window is being destroyed: its text is kept.
    void OnEditDestroy() { KeepWindowText(); }

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlEdit; }
    CXTPEdit* GetFieldWindow() const override { return m_pEdit; }
    BOOL IsFieldFocused() const override { return m_bFocused; }
    void UpdateEditFormat() override;
    BOOL IsEditWindow() const;
    void DestroyEditWindow();
    void CreateEditWindow();

    CXTPControlEditCtrl* m_pEdit;
    BOOL m_bHasLabel;
    BOOL m_bReadOnly;
    BOOL m_bPlaceAgain;
    BOOL m_bRecreateEdit;
    BOOL m_bFocused;
    CString m_strTextOnFocus;
    CXTPControlComboBoxAutoCompleteWnd* m_pAutoCompleteWnd;
    DWORD m_dwShellAutoCompleteFlags;
    DWORD m_dwEditStyle;
};
