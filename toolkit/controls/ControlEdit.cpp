#include "toolkit/controls/ControlEdit.h"

#include "framework/core/Archive.h"
#include "framework/ui/RichEditCtrl.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/AutoComplete.h"

IMPLEMENT_SERIAL(CXTPControlEdit, CXTPControl, 18)

// --- The edit window ----------------------------------------------------------------------

CXTPControlEditCtrl::CXTPControlEditCtrl(CXTPControlEdit* pControl)
    : CXTPControlFieldEditCtrl(pControl)
{
}

LRESULT CXTPControlEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_MOUSEMOVE)
        return CXTPControlFieldEditCtrl::WindowProc(message, wParam, lParam);
    LRESULT lResult = CXTPControlFieldEditCtrl::WindowProc(message, wParam, lParam);
    CXTPControl* pControl = GetFieldControl();
    CXTPCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    if (pBar && pBar->GetSafeHwnd())
    {
        CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        ::MapWindowPoints(m_hWnd, pBar->GetSafeHwnd(), &pt, 1);
        pBar->SendMessage(WM_MOUSEMOVE, wParam, MAKELPARAM(pt.x, pt.y));
    }
    return lResult;
}

// --- The control --------------------------------------------------------------------------

CXTPControlEdit::CXTPControlEdit()
    : CXTPControlField<CXTPControl>(XTP_EN_SETFOCUS, XTP_EN_KILLFOCUS), m_pEdit(nullptr),
      m_bHasLabel(FALSE), m_bReadOnly(FALSE)
{
    m_controlType = xtpControlEdit;
    m_nWidth = 100;
}

CXTPControlEdit::~CXTPControlEdit()
{
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
    if (m_pEdit)
    {
        CXTPControlEditCtrl* pEdit = m_pEdit;
        m_pEdit = nullptr;
        pEdit->SetField(nullptr);
        if (pEdit->GetSafeHwnd())
            pEdit->DestroyWindow();
        delete pEdit;
    }
}

void CXTPControlEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (IsEditWindow())
        m_pEdit->SendMessage(EM_SETREADONLY, m_bReadOnly, 0);
}

void CXTPControlEdit::ShowLabel(BOOL bShow)
{
    if (m_bHasLabel == bShow)
        return;
    m_bHasLabel = bShow;
    DelayLayoutParent();
}

// --- The window's focus and text ----------------------------------------------------------

void CXTPControlEdit::OnEditSetFocus(HWND hWndOld)
{
    if (m_pParent && m_pParent->IsCustomizeMode())
        return;
    TakeFieldFocus(hWndOld, TRUE);
}

void CXTPControlEdit::OnEditChange()
{
    // Every change but the field's own is reported, also one that leaves
    // the same text.
    const BOOL bByUser = !m_bSettingText && IsEditWindow();
    TakeChangedText();
    if (bByUser && ::GetFocus() == m_pEdit->GetSafeHwnd())
        OnEditChanged();
    ResetFieldLook();
}

// --- Placement ------------------------------------------------------------------------------

void CXTPControlEdit::SetRect(CRect rcControl)
{
    if (!m_pEdit)
        m_pEdit = CreateEditCtrl();
    m_pEdit->SetField(this);
    if (!PrepareFieldWindow(rcControl))
        return;
    m_pEdit->SendMessage(EM_SETREADONLY, m_bReadOnly, 0);
    PlaceFieldWindow(CRect(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3, rcControl.right - 3,
                           rcControl.bottom - 3));
}

BOOL CXTPControlEdit::IsCaptionVisible() const
{
    return XTPField::IsCaptionVisible(this, m_bHasLabel);
}

BOOL CXTPControlEdit::IsEqual(CXTPControl* pOther) const
{
    auto* pEdit = dynamic_cast<CXTPControlEdit*>(pOther);
    return pEdit && CXTPControl::IsEqual(pOther) && pEdit->m_nWidth == m_nWidth;
}

void CXTPControlEdit::SetParent(CXTPCommandBar* pParent)
{
    CXTPControl::SetParent(pParent);
    if (!pParent)
        DestroyEditWindow();
}

// --- Mouse and keys -------------------------------------------------------------------------

void CXTPControlEdit::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_pParent && m_pParent->IsCustomizeMode())
    {
        CustomizeClick(pt);
        return;
    }
    if (!IsEditWindow())
        return;
    if (bKeyboard && ::GetFocus() == m_pEdit->GetSafeHwnd())
        OnExecute();
    else
        m_pEdit->SetFocus();
}

int CXTPControlEdit::ProcessFocusedKey(UINT nChar, UINT nFlags)
{
    if (!m_bFocused || !IsEditWindow())
        return 0;
    if (m_pEdit->IsImeComposing())
        return 2;
    if (nChar == VK_TAB || nChar == VK_RETURN)
        return 0;
    if (nChar == VK_ESCAPE)
        return CancelFieldFocus();
    if (m_pAutoCompleteWnd && m_pAutoCompleteWnd->ProcessKey(nChar, nFlags))
        return 1;
    if (m_pEdit->ProcessDialogKey(nChar, nFlags))
        return 1;
    return 2;
}

// --- Exchange and copy ---------------------------------------------------------------------

void CXTPControlEdit::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    UINT nSchema = pPX->GetSchema();
    if (nSchema > 5)
    {
        ExchangeBoolProperty(pPX, "HasLabel", m_bHasLabel, FALSE);
        ExchangeIntProperty(pPX, "Width", m_nWidth, 0);
    }
    if (nSchema > 7)
        ExchangeBoolProperty(pPX, "ReadOnly", m_bReadOnly, FALSE);
    int nAutoComplete = static_cast<int>(m_dwShellAutoCompleteFlags);
    int nEditStyle = static_cast<int>(m_dwEditStyle);
    if (nSchema > 8)
    {
        ExchangeStringProperty(pPX, "EditHint", m_strEditHint, "");
        ExchangeIntProperty(pPX, "ShellAutoCompleteFlags", nAutoComplete, 0);
    }
    if (nSchema > 16)
        ExchangeIntProperty(pPX, "EditStyle", nEditStyle, 0);
    if (pPX->IsLoading())
    {
        m_dwEditStyle = static_cast<DWORD>(nEditStyle);
        SetShellAutoCompleteFlags(static_cast<DWORD>(nAutoComplete));
    }
}

void CXTPControlEdit::Copy(CXTPControl* pSource, BOOL bRecursive)
{
    if (auto* pEdit = dynamic_cast<CXTPControlEdit*>(pSource))
    {
        m_dwEditStyle = pEdit->m_dwEditStyle;
        m_nWidth = pEdit->m_nWidth;
        SetEditText(pEdit->GetEditText());
        m_bHasLabel = pEdit->m_bHasLabel;
        SetReadOnly(pEdit->m_bReadOnly);
        m_strEditHint = pEdit->m_strEditHint;
        SetShellAutoCompleteFlags(pEdit->m_dwShellAutoCompleteFlags);
    }
    CXTPControl::Copy(pSource, bRecursive);
}
