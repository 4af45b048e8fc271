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

#include "toolkit/controls/ControlField.h"

class CXTPControlEdit;

// The notification codes of the edit control.
const UINT XTP_EN_SETFOCUS = 0x100;
const UINT XTP_EN_KILLFOCUS = 0x200;
const UINT XTP_EN_CHANGE = 0x300;

// The edit window of an edit control: it also shows its mouse moves to the
// bar.
class CXTPControlEditCtrl : public CXTPControlFieldEditCtrl
{
public:
    explicit CXTPControlEditCtrl(CXTPControlEdit* pControl = nullptr);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CXTPControlEdit : public CXTPControlField<CXTPControl>
{
    DECLARE_SERIAL(CXTPControlEdit)
public:
    CXTPControlEdit();
    ~CXTPControlEdit() override;

    BOOL GetReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL HasLabel() const { return m_bHasLabel; }
    void ShowLabel(BOOL bShow = TRUE);
    CXTPControlEditCtrl* GetEditCtrl() const { return m_pEdit; }

    void SetRect(CRect rcControl) override;
    BOOL IsCaptionVisible() const override;
    BOOL IsEqual(CXTPControl* pOther) const override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    int ProcessFocusedKey(UINT nChar, UINT nFlags) override;
    void SetParent(CXTPCommandBar* pParent) override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    int GetCustomizeMinWidth() const override { return m_nLabelWidth + 10; }

    // Called by the edit window.
    virtual CXTPControlEditCtrl* CreateEditCtrl() { return new CXTPControlEditCtrl(this); }
    void OnEditSetFocus(HWND hWndOld) override;
    void OnEditKillFocus() override { LeaveFieldFocus(); }
    virtual void OnEditChanged() { NotifySite(XTP_EN_CHANGE); }
    void OnEditChange() override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlEdit; }
    CXTPEdit* GetFieldWindow() const override { return m_pEdit; }

    CXTPControlEditCtrl* m_pEdit;
    BOOL m_bHasLabel;
    BOOL m_bReadOnly;
};
