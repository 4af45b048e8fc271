#include "toolkit/controls/ControlFieldText.h"

#include "toolkit/controls/EditWnd.h"

BOOL CXTPControlFieldText::HasFieldWindow() const
{
    CXTPEdit* pEdit = GetFieldWindow();
    return pEdit && pEdit->GetSafeHwnd();
}

CString CXTPControlFieldText::GetEditText() const
{
    if (m_bTextDirty && HasFieldWindow())
    {
        GetFieldWindow()->GetWindowText(m_strTextCache);
        m_bTextDirty = FALSE;
    }
    return m_strTextCache;
}

void CXTPControlFieldText::SetEditText(const CString& strText)
{
    if (HasFieldWindow())
    {
        CXTPEdit* pEdit = GetFieldWindow();
        CString strShown;
        pEdit->GetWindowText(strShown);
        if (strShown != strText)
        {
            // The empty text in between is never painted.
            CPaintOnce paintOnce(this);
            m_bSettingText = TRUE;
            pEdit->SetWindowText("");
            pEdit->SetWindowText(strText);
            m_bSettingText = FALSE;
        }
    }
    m_strTextCache = strText;
    m_bTextDirty = FALSE;
    UpdateEditFormat();
}

BOOL CXTPControlFieldText::ShowsHint() const
{
    return !m_strEditHint.IsEmpty() && GetEditText() == m_strEditHint;
}

CString CXTPControlFieldText::GetText() const
{
    return ShowsHint() ? CString() : GetEditText();
}

void CXTPControlFieldText::SetText(const CString& strText)
{
    SetEditText(strText.IsEmpty() ? m_strEditHint : strText);
}

void CXTPControlFieldText::SetEditHint(LPCSTR lpszHint)
{
    if (ShowsHint())
        SetEditText("");
    m_strEditHint = lpszHint ? lpszHint : "";
    if (GetEditText().IsEmpty() && !IsFieldFocused())
        SetEditText(m_strEditHint);
}

void CXTPControlFieldText::KeepWindowText()
{
    if (!HasFieldWindow())
        return;
    GetFieldWindow()->GetWindowText(m_strTextCache);
    m_bTextDirty = FALSE;
}

BOOL CXTPControlFieldText::TakeChangedText()
{
    if (m_bSettingText || !HasFieldWindow())
    {
        m_bTextDirty = TRUE;
        return FALSE;
    }
    CString strShown;
    GetFieldWindow()->GetWindowText(strShown);
    const BOOL bChanged = strShown != m_strTextCache;
    m_strTextCache = strShown;
    m_bTextDirty = FALSE;
    return bChanged;
}

void CXTPControlFieldText::ReplaceEditText(const CString& strText)
{
    if (HasFieldWindow())
    {
        m_bSettingText = TRUE;
        GetFieldWindow()->SetWindowText(strText);
        m_bSettingText = FALSE;
    }
    m_strTextCache = strText;
    m_bTextDirty = FALSE;
    UpdateEditFormat();
}

CXTPControlFieldText::CPaintOnce::CPaintOnce(CXTPControlFieldText* pField)
    : m_pField(pField)
{
    if (m_pField->m_nPaintHeld++ > 0 || !m_pField->HasFieldWindow())
        return;
    CXTPEdit* pEdit = m_pField->GetFieldWindow();
    // Only a shown window: turning the drawing on again shows it.
    m_pField->m_bRedrawOff = pEdit->IsWindowVisible();
    if (m_pField->m_bRedrawOff)
        pEdit->SetRedraw(FALSE);
}

CXTPControlFieldText::CPaintOnce::~CPaintOnce()
{
    if (--m_pField->m_nPaintHeld > 0 || !m_pField->m_bRedrawOff)
        return;
    m_pField->m_bRedrawOff = FALSE;
    if (!m_pField->HasFieldWindow())
        return;
    CXTPEdit* pEdit = m_pField->GetFieldWindow();
    pEdit->SetRedraw(TRUE);
    pEdit->Invalidate();
}
