#include "toolkit/controls/ControlGalleryPopupBar.h"

#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/ControlGallery.h"

IMPLEMENT_DYNCREATE(CXTPControlComboBoxGalleryPopupBar, CXTPControlComboBoxPopupBar)

CXTPControlComboBoxGalleryPopupBar* CXTPControlComboBoxGalleryPopupBar::CreateComboBoxGalleryPopupBar(
    CXTPCommandBars* pCommandBars)
{
    auto* pBar = new CXTPControlComboBoxGalleryPopupBar;
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

CXTPControlGallery* CXTPControlComboBoxGalleryPopupBar::GetGallery() const
{
    return GetControlCount() > 0 ? dynamic_cast<CXTPControlGallery*>(GetControl(0)) : nullptr;
}

int CXTPControlComboBoxGalleryPopupBar::GetCurSel() const
{
    CXTPControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->GetSelectedItem() : -1;
}

void CXTPControlComboBoxGalleryPopupBar::SetCurSel(int nIndex)
{
    if (CXTPControlGallery* pGallery = GetGallery())
        pGallery->SetSelectedItem(nIndex);
}

int CXTPControlComboBoxGalleryPopupBar::SetTopIndex(int nIndex)
{
    CXTPControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->ScrollToItem(nIndex) : -1;
}

int CXTPControlComboBoxGalleryPopupBar::FindString(int nStartAfter, LPCSTR lpszText) const
{
    CXTPControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->FindItem(nStartAfter, lpszText, FALSE) : -1;
}

int CXTPControlComboBoxGalleryPopupBar::FindStringExact(int nStartAfter, LPCSTR lpszText) const
{
    CXTPControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->FindItem(nStartAfter, lpszText, TRUE) : -1;
}

void CXTPControlComboBoxGalleryPopupBar::GetItemText(int nIndex, CString& strText) const
{
    CXTPControlGallery* pGallery = GetGallery();
    strText = pGallery ? pGallery->GetItemText(nIndex) : CString();
}

BOOL CXTPControlComboBoxGalleryPopupBar::Popup(CXTPControlPopup* pControlPopup, BOOL bKeyboard)
{
    m_pComboBox = dynamic_cast<CXTPControlComboBox*>(pControlPopup);
    return CXTPPopupBar::Popup(pControlPopup, bKeyboard);
}

BOOL CXTPControlComboBoxGalleryPopupBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    CXTPControlComboBox* pCombo = m_pComboBox;
    if (!CXTPPopupBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard))
        return FALSE;
    if (nMode)
    {
        SetSelected(GetControlCount() > 0 ? 0 : -1);
        if (pCombo)
        {
            pCombo->SynchronizeList();
            pCombo->NotifySite(XTP_CBN_DROPDOWN);
        }
        return TRUE;
    }
    if (pCombo)
        pCombo->NotifySite(XTP_CBN_CLOSEUP);
    m_pComboBox = nullptr;
    return TRUE;
}

int CXTPControlComboBoxGalleryPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    CXTPControlComboBox* pCombo = m_pComboBox;
    if (!pCombo)
        return CXTPPopupBar::OnHookKeyDown(nChar, lParam);
    switch (nChar)
    {
    case VK_TAB:
        return hookNext;
    case VK_RETURN:
        if (GetGallery() && GetControl(m_nSelected) == GetGallery())
        {
            pCombo->OnExecute();
            return hookHandled;
        }
        break;
    case VK_ESCAPE:
        if (pCombo->IsFocused())
            return hookNext;
        break;
    default:
        break;
    }
    if (ProcessListKey(pCombo, nChar, static_cast<UINT>(HIWORD(lParam))))
        return hookHandled;
    return CXTPPopupBar::OnHookKeyDown(nChar, lParam);
}

LRESULT CXTPControlComboBoxGalleryPopupBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A click released over the gallery accepts its item.
    if (message == WM_LBUTTONUP && m_pComboBox)
    {
        CXTPControlGallery* pGallery = GetGallery();
        const CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (pGallery && pGallery->GetRect().PtInRect(pt) && pGallery->HitTestItem(pt) != -1)
        {
            CXTPControlComboBox* pCombo = m_pComboBox;
            pCombo->InternalAddRef();
            pCombo->OnSelChanged();
            pCombo->OnExecute();
            pCombo->InternalRelease();
            return 0;
        }
    }
    return CXTPPopupBar::WindowProc(message, wParam, lParam);
}
