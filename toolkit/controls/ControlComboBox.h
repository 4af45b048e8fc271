// CXTPControlComboBox (type 5): a combo box on a command bar. Its field is
// either an edit window (editable, "DropDown") or drawn by the paint
// manager (list-only); its drop-down is a popup bar, by default one whose
// window is a system list box (CXTPControlComboBoxList).
//
// The site hears what happens through notifications with the combo box
// notification codes: 1 selection copied into the field, 3 focus gained,
// 4 focus lost, 5 text typed, 7 list opened, 8 list closed, 9 an item was
// accepted, 10 the list closed or the focus left without an item.
#pragma once

#include "toolkit/controls/ControlComboBoxList.h"
#include "toolkit/controls/ControlField.h"
#include "toolkit/controls/ControlPopup.h"

class CXTPControlComboBox;

// The notification codes of the combo box.
const UINT XTP_CBN_SELCHANGE = 1;
const UINT XTP_CBN_SETFOCUS = 3;
const UINT XTP_CBN_KILLFOCUS = 4;
const UINT XTP_CBN_EDITCHANGE = 5;
const UINT XTP_CBN_DROPDOWN = 7;
const UINT XTP_CBN_CLOSEUP = 8;
const UINT XTP_CBN_SELENDOK = 9;
const UINT XTP_CBN_SELENDCANCEL = 10;

// The edit window of an editable combo box: a right click closes the list
// first, the shell's auto-complete list opening closes it too.
class CXTPControlComboBoxEditCtrl : public CXTPControlFieldEditCtrl
{
public:
    explicit CXTPControlComboBoxEditCtrl(CXTPControlComboBox* pCombo = nullptr);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CXTPControlComboBox : public CXTPControlField<CXTPControlPopup>
{
    DECLARE_SERIAL(CXTPControlComboBox)
public:
    CXTPControlComboBox();
    ~CXTPControlComboBox() override;

    // The drop-down as a combo drop-down; null for another kind of sub-bar.
    CXTPControlComboBoxPopupBar* GetComboPopupBar() const;
    // The default drop-down's list window; null without one.
    HWND GetListWindow() const;
    // Adds a text to the default drop-down's list; its index, or -1.
    int AddString(LPCSTR lpszText);
    int GetCount() const;
    void ResetContent();

    // Selection.
    int GetCurSel() const;
    void SetCurSel(int nIndex);
    BOOL IsDroppedDown() const;

    // Configuration.
    BOOL GetDropDown() const { return m_bDropDown; }
    void SetDropDown(BOOL bDropDown);
    int GetComboStyle() const { return m_nComboStyle; }
    void SetComboStyle(int nStyle) { m_nComboStyle = nStyle; }
    BOOL IsAutoComplete() const { return m_bAutoComplete; }
    void EnableAutoComplete(BOOL bEnable = TRUE) { m_bAutoComplete = bEnable; }
    int GetEditIconId() const { return m_nEditIconId; }
    void SetEditIconId(int nId) { m_nEditIconId = nId; }
    int GetDropDownItemCount() const { return m_nDropDownItemCount; }
    void SetDropDownItemCount(int nCount) { m_nDropDownItemCount = nCount; }
    CXTPControlComboBoxEditCtrl* GetEditCtrl() const { return m_pEdit; }
    BOOL IsIconVisible() const;
    // TRUE while focused, while its list is open or while popups are
    // tracked: the field then ignores what the document says.
    BOOL IsUserBusy() const;
    // Set by the paint manager when it measures the field.
    int GetButtonWidth() const { return m_nButtonWidth; }
    void SetButtonWidth(int nWidth) { m_nButtonWidth = nWidth; }

    // The combo's own operations.
    virtual CString GetListText() const;
    virtual void DrawFieldText(CDC* pDC, CRect rcText);
    virtual void OnEditChanged();
    virtual void OnSelChanged();
    virtual CXTPControlComboBoxEditCtrl* CreateEditCtrl() { return new CXTPControlComboBoxEditCtrl(this); }
    void OnEditSetFocus(HWND hWndOld) override;
    void OnEditKillFocus() override;
    virtual void AdjustFieldRect(CRect& rc) const;

    // Overridden control operations.
    void SetRect(CRect rcControl) override;
    BOOL IsCaptionVisible() const override;
    BOOL IsEqual(CXTPControl* pOther) const override;
    void OnExecute() override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    int ProcessFocusedKey(UINT nChar, UINT nFlags) override;
    void SetParent(CXTPCommandBar* pParent) override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;
    BOOL SetPopupOpen(BOOL bOpen) override;
    // Open from the start of the opening on, so that the edit window taking
    // the focus while the list opens does not close it.
    BOOL IsPopupOpen() const override { return m_bPopupOpen; }
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint /*point*/) override {}
    void OnMouseMove(CPoint /*point*/) override {}
    int GetCustomizeMinWidth() const override { return m_nLabelWidth + m_nButtonWidth + 5; }
    // The wheel while focused with the list closed moves the selection.
    BOOL OnHookMouseWheel(short nDelta) override;

    // Called by the edit window.
    void OnEditChange() override;
    BOOL IsImeComposing() const;
    // Selects the list item equal to the field's text, or scrolls the first
    // one starting with it to the top.
    void SynchronizeList();
    // The whole field text selected, the caret scrolled into view.
    void SelectWholeField();

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlComboBox; }
    CXTPEdit* GetFieldWindow() const override { return m_pEdit; }
    // The list item equal to the field's text when the caller searched for
    // it already (kNotSearched: not yet).
    static const int kNotSearched = -2;
    void SynchronizeList(int nExact);
    // Gaining the focus keeps the selection for Esc; losing it without
    // execution puts a list-only combo's selection back and cancels.
    void OnFieldFocusChange(BOOL bFocused) override;

    BOOL m_bPopupOpen;
    CXTPControlComboBoxEditCtrl* m_pEdit;
    BOOL m_bDropDown;
    int m_nComboStyle;
    int m_nSavedSel;
    int m_nButtonWidth;
    BOOL m_bAutoComplete;
    BOOL m_bNoComplete;
    int m_nEditIconId;
    BOOL m_bExecuted;
    int m_nDropDownItemCount;
    int m_nCurSel;
    BOOL m_bInSelChange;
};
