#include "toolkit/controls/ControlComboBox.h"

#include "framework/core/Archive.h"
#include "framework/ui/Dc.h"
#include "framework/ui/RichEditCtrl.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/AutoComplete.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"

IMPLEMENT_SERIAL(CXTPControlComboBox, CXTPControlPopup, 18)

// --- The edit window ----------------------------------------------------------------------

CXTPControlComboBoxEditCtrl::CXTPControlComboBoxEditCtrl(CXTPControlComboBox* pCombo)
    : CXTPControlFieldEditCtrl(pCombo)
{
}

LRESULT CXTPControlComboBoxEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_XTP_SHELLAUTOCOMPLETESTART)
    {
        CXTPControl* pCombo = GetFieldControl();
        if (pCombo && pCombo->IsPopupOpen() && pCombo->GetParent())
            pCombo->GetParent()->OpenControlPopup(-1);
        return 0;
    }
    return CXTPControlFieldEditCtrl::WindowProc(message, wParam, lParam);
}

// --- The control --------------------------------------------------------------------------

CXTPControlComboBox::CXTPControlComboBox()
    : CXTPControlField<CXTPControlPopup>(XTP_CBN_SETFOCUS, XTP_CBN_KILLFOCUS), m_bPopupOpen(FALSE),
      m_pEdit(nullptr), m_bDropDown(FALSE), m_nComboStyle(0), m_nSavedSel(-1), m_nButtonWidth(0),
      m_bAutoComplete(FALSE), m_bNoComplete(FALSE), m_nEditIconId(0), m_bExecuted(FALSE),
      m_nDropDownItemCount(12), m_nCurSel(-1), m_bInSelChange(FALSE)
{
    m_controlType = xtpControlComboBox;
    m_nWidth = 100;
    CXTPControlComboBoxList* pList = CXTPControlComboBoxList::CreateComboBoxList(nullptr);
    SetCommandBar(pList);
    pList->InternalRelease();
}

CXTPControlComboBox::~CXTPControlComboBox()
{
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
    SetDropDown(FALSE);
}

CXTPControlComboBoxPopupBar* CXTPControlComboBox::GetComboPopupBar() const
{
    return dynamic_cast<CXTPControlComboBoxPopupBar*>(m_pCommandBar);
}

HWND CXTPControlComboBox::GetListWindow() const
{
    auto* pList = dynamic_cast<CXTPControlComboBoxList*>(m_pCommandBar);
    return pList ? pList->GetSafeHwnd() : nullptr;
}

int CXTPControlComboBox::AddString(LPCSTR lpszText)
{
    auto* pList = dynamic_cast<CXTPControlComboBoxList*>(m_pCommandBar);
    if (!pList || !pList->CreateListBox())
        return -1;
    return static_cast<int>(pList->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszText)));
}

int CXTPControlComboBox::GetCount() const
{
    HWND hWndList = GetListWindow();
    return hWndList ? static_cast<int>(::SendMessageA(hWndList, LB_GETCOUNT, 0, 0)) : 0;
}

void CXTPControlComboBox::ResetContent()
{
    if (HWND hWndList = GetListWindow())
        ::SendMessageA(hWndList, LB_RESETCONTENT, 0, 0);
}

BOOL CXTPControlComboBox::IsImeComposing() const
{
    return IsEditWindow() && m_pEdit->IsImeComposing();
}

// --- Selection ------------------------------------------------------------------------------

int CXTPControlComboBox::GetCurSel() const
{
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    return pList ? pList->GetCurSel() : m_nCurSel;
}

void CXTPControlComboBox::SetCurSel(int nIndex)
{
    if (nIndex == m_nCurSel && nIndex == GetCurSel())
        return;
    m_nCurSel = nIndex;
    if (CXTPControlComboBoxPopupBar* pList = GetComboPopupBar())
        pList->SetCurSel(nIndex);
    OnSelChanged();
}

BOOL CXTPControlComboBox::IsDroppedDown() const
{
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    return pList && pList->GetTrackingMode() && pList->GetComboBox() == this;
}

CString CXTPControlComboBox::GetListText() const
{
    CString strText;
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    const int nSel = pList ? pList->GetCurSel() : -1;
    if (nSel != -1)
        pList->GetItemText(nSel, strText);
    return strText;
}

void CXTPControlComboBox::OnSelChanged()
{
    m_bInSelChange = TRUE;
    SetEditText(GetListText());
    m_bInSelChange = FALSE;
    RedrawParent(FALSE);
    NotifySite(XTP_CBN_SELCHANGE);
}

void CXTPControlComboBox::SynchronizeList()
{
    SynchronizeList(kNotSearched);
}

void CXTPControlComboBox::SynchronizeList(int nExact)
{
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    if (m_bInSelChange || !pList)
        return;
    const CString strText = GetText();
    if (nExact == kNotSearched)
        nExact = pList->FindStringExact(-1, strText);
    if (nExact != -1)
    {
        pList->SetCurSel(nExact);
        return;
    }
    const int nFirst = strText.IsEmpty() ? -1 : pList->FindString(-1, strText);
    if (nFirst != -1)
        pList->SetTopIndex(nFirst);
    pList->SetCurSel(-1);
}

// --- Texts ---------------------------------------------------------------------------------

void CXTPControlComboBox::SelectWholeField()
{
    if (!IsEditWindow())
        return;
    m_pEdit->SendMessage(EM_SETSEL, 0, -1);
    m_pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
}

// --- Configuration --------------------------------------------------------------------------

void CXTPControlComboBox::SetDropDown(BOOL bDropDown)
{
    m_bDropDown = bDropDown;
    if (bDropDown)
    {
        if (!m_pEdit)
            m_pEdit = CreateEditCtrl();
        m_pEdit->SetField(this);
        return;
    }
    if (!m_pEdit)
        return;
    // The window may live: unlinked first, so that its destruction reports
    // to nobody, then destroyed, then deleted.
    CXTPControlComboBoxEditCtrl* pEdit = m_pEdit;
    if (pEdit->GetSafeHwnd())
    {
        pEdit->GetWindowText(m_strTextCache);
        m_bTextDirty = FALSE;
    }
    m_pEdit = nullptr;
    pEdit->SetField(nullptr);
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
    if (pEdit->GetSafeHwnd())
        pEdit->DestroyWindow();
    delete pEdit;
}

BOOL CXTPControlComboBox::IsIconVisible() const
{
    if (!GetImage())
        return FALSE;
    if (m_pParent && m_pParent->GetType() == xtpBarTypePopup)
        return TRUE;
    const int nStyle = GetStyle();
    return nStyle == xtpButtonIcon || nStyle == xtpButtonIconAndCaption;
}

BOOL CXTPControlComboBox::IsUserBusy() const
{
    return m_bFocused || IsDroppedDown() || XTPMouseManager()->IsTrackingPopups();
}

// --- State ---------------------------------------------------------------------------------

void CXTPControlComboBox::OnFieldFocusChange(BOOL bFocused)
{
    if (bFocused)
    {
        m_nSavedSel = GetCurSel();
        m_bExecuted = FALSE;
    }
    else if (!m_bExecuted && !m_bDropDown && !IsPopupOpen())
    {
        SetCurSel(m_nSavedSel);
        NotifySite(XTP_CBN_SELENDCANCEL);
    }
}

void CXTPControlComboBox::OnEditSetFocus(HWND hWndOld)
{
    m_bNoComplete = TRUE;
    SynchronizeList();
    TakeFieldFocus(hWndOld, !IsPopupOpen());
}

void CXTPControlComboBox::OnEditKillFocus()
{
    LeaveFieldFocus();
    if (IsPopupOpen() && m_pParent)
        m_pParent->OpenControlPopup(-1);
}

void CXTPControlComboBox::OnEditChange()
{
    if (!IsEditWindow())
        return;
    // Only what the user changed counts: a change report that comes late
    // for a text set here finds the text it was set to.
    if (TakeChangedText() && ::GetFocus() == m_pEdit->GetSafeHwnd())
        OnEditChanged();
    ResetFieldLook();
}

void CXTPControlComboBox::OnEditChanged()
{
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    int nExact = kNotSearched;
    if (m_bAutoComplete && !m_bNoComplete && IsEditWindow() && pList && !m_bInSelChange)
    {
        const CString strTyped = GetEditText();
        DWORD dwStart = 0, dwEnd = 0;
        m_pEdit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        const DWORD dwLength = static_cast<DWORD>(strTyped.GetLength());
        if (dwLength > 0 && dwStart == dwLength && dwEnd == dwLength)
        {
            const int nFound = pList->FindString(-1, strTyped);
            if (nFound != -1)
            {
                CString strItem;
                pList->GetItemText(nFound, strItem);
                // Text, selection and scrolling drawn once, not after each.
                CPaintOnce paintOnce(this);
                ReplaceEditText(strItem);
                m_pEdit->SendMessage(EM_SETSEL, static_cast<WPARAM>(strItem.GetLength()),
                                     static_cast<LPARAM>(dwLength));
                m_pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
                // The first item that starts with the typed text is also the
                // first one equal to the completed text: no second search.
                if (GetText() == strItem)
                    nExact = nFound;
            }
        }
        m_bNoComplete = TRUE;
    }
    SynchronizeList(nExact);
    NotifySite(XTP_CBN_EDITCHANGE);
}

// --- Opening, clicking, executing -----------------------------------------------------------

BOOL CXTPControlComboBox::SetPopupOpen(BOOL bOpen)
{
    if (bOpen)
    {
        m_bExecuted = FALSE;
        m_nSavedSel = GetCurSel();
        if (m_pAutoCompleteWnd)
            m_pAutoCompleteWnd->HideDropDown();
    }
    else if (m_bPopupOpen && !m_bExecuted)
    {
        if (!m_bDropDown && !m_bFocused)
            SetCurSel(m_nSavedSel);
        NotifySite(XTP_CBN_SELENDCANCEL);
    }
    m_bPopupOpen = bOpen;
    if (bOpen && IsEditWindow() && ::GetFocus() != m_pEdit->GetSafeHwnd())
        m_pEdit->SetFocus();
    const BOOL bResult = CXTPControlPopup::SetPopupOpen(bOpen);
    if (bOpen && !bResult)
        m_bPopupOpen = FALSE;
    return bResult;
}

void CXTPControlComboBox::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (IsImeComposing())
        return;
    if (m_pParent && m_pParent->IsCustomizeMode())
    {
        CustomizeClick(pt);
        return;
    }
    if (bKeyboard && GetEnabled())
    {
        if (m_bFocused)
            OnExecute();
        else
            SetFocused(TRUE);
        return;
    }
    if (IsPopupOpen() && m_bFocused && m_pParent)
    {
        m_pParent->OpenControlPopup(-1);
        return;
    }
    CXTPControlPopup::OnClick(bKeyboard, pt);
}

void CXTPControlComboBox::OnExecute()
{
    const int nSel = GetCurSel();
    if (nSel != -1 && (IsPopupOpen() || (!m_bDropDown && m_bFocused)))
        NotifySite(XTP_CBN_SELENDOK);
    m_bExecuted = TRUE;
    m_nSavedSel = nSel;
    // The site hears of the command while the list is still open; the
    // list and the focus end afterwards.
    const BOOL bClose = m_bCloseSubMenuOnClick;
    m_bCloseSubMenuOnClick = FALSE;
    InternalAddRef();
    CXTPControlPopup::OnExecute();
    m_bCloseSubMenuOnClick = bClose;
    CXTPCommandBar* pRoot = m_pParent ? m_pParent->GetRootParent() : nullptr;
    if (bClose && pRoot && pRoot->GetTrackingMode())
        pRoot->SetTrackingMode(0);
    else if (bClose && IsPopupOpen() && m_pParent)
        m_pParent->OpenControlPopup(-1);
    InternalRelease();
}

// --- Keys and wheel -------------------------------------------------------------------------

int CXTPControlComboBox::ProcessFocusedKey(UINT nChar, UINT nFlags)
{
    if (!m_bFocused)
        return 0;
    m_bNoComplete = nChar == VK_DELETE || nChar == VK_BACK;
    if (IsImeComposing())
        return 2;
    if (nChar == VK_TAB)
        return m_pAutoCompleteWnd && (m_dwShellAutoCompleteFlags & 0x8) ? 2 : 0;
    if (nChar == VK_RETURN)
        return 0;
    const BOOL bAlt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
    const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (nChar == VK_ESCAPE)
    {
        if (IsPopupOpen() && m_pParent)
            m_pParent->OpenControlPopup(-1);
        SetCurSel(m_nSavedSel);
        return CancelFieldFocus();
    }
    if (IsEditWindow() && bAlt && !bCtrl)
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            if (pCommandBars->HandleAccessKey(m_pParent, nChar))
                return 1;
    if (((nChar == VK_UP || nChar == VK_DOWN) && bAlt) || (nChar == VK_F4 && !bAlt))
    {
        OnClick(FALSE);
        return 1;
    }
    if (m_pAutoCompleteWnd && m_pAutoCompleteWnd->ProcessKey(nChar, nFlags))
        return 1;
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    if (IsEditWindow())
    {
        const BOOL bListKey = nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_UP || nChar == VK_DOWN;
        if (bListKey && !bAlt && pList)
        {
            pList->ProcessListKey(this, nChar, nFlags);
            return 1;
        }
        if (m_pEdit->ProcessDialogKey(nChar, nFlags))
            return 1;
        return 2;
    }
    if (pList)
        pList->ProcessListKey(this, nChar, nFlags);
    return 1;
}

BOOL CXTPControlComboBox::OnHookMouseWheel(short nDelta)
{
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    if (!m_bFocused || IsPopupOpen() || m_pAutoCompleteWnd || !pList)
        return FALSE;
    pList->ProcessListKey(this, nDelta < 1 ? VK_DOWN : VK_UP, 0);
    return TRUE;
}

// --- Placement and drawing -------------------------------------------------------------------

void CXTPControlComboBox::AdjustFieldRect(CRect& rc) const
{
    if (m_nEditIconId <= 0)
        return;
    if (CXTPImageManagerIcon* pIcon = GetImageManager()->LookupIcon(static_cast<UINT>(m_nEditIconId), 16))
        rc.left += pIcon->GetWidth() + 2;
}

void CXTPControlComboBox::SetRect(CRect rcControl)
{
    if (!m_pEdit)
    {
        m_rcControl = rcControl;
        return;
    }
    if (!PrepareFieldWindow(rcControl))
        return;
    CRect rcField(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3,
                  rcControl.right - (m_nButtonWidth + 3), rcControl.bottom - 3);
    AdjustFieldRect(rcField);
    PlaceFieldWindow(rcField);
}

void CXTPControlComboBox::DrawFieldText(CDC* pDC, CRect rcText)
{
    const BOOL bEnabled = GetEnabled();
    CXTPColorManager* pColors = GetColorManager();
    if (!IsEditWindow() && bEnabled && m_bFocused)
    {
        CRect rcFill(rcText.left + 1, rcText.top + 1, rcText.right - 1, rcText.bottom - 1);
        pDC->FillSolidRect(&rcFill, pColors->ResolveColor(COLOR_HIGHLIGHT));
    }
    if (m_nEditIconId > 0)
    {
        if (CXTPImageManagerIcon* pIcon = GetImageManager()->LookupIcon(static_cast<UINT>(m_nEditIconId), 16))
        {
            CSize szIcon(pIcon->GetWidth(), pIcon->GetHeight());
            CPoint pt(rcText.left, rcText.CenterPoint().y - szIcon.cy / 2);
            pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetNormalImage() : pIcon->GetDisabledImage(), szIcon.cx,
                        szIcon.cy);
            rcText.left += szIcon.cx + 2;
        }
    }
    if (IsEditWindow())
        return;
    CString strText = GetListText();
    COLORREF clrText = pColors->ResolveColor(!bEnabled ? COLOR_GRAYTEXT
                                             : m_bFocused ? COLOR_HIGHLIGHTTEXT
                                                          : COLOR_WINDOWTEXT);
    if (strText.IsEmpty() && bEnabled && !m_bFocused)
    {
        strText = m_strEditHint;
        clrText = pColors->ResolveColor(COLOR_GRAYTEXT);
    }
    pDC->SetTextColor(clrText);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rcText, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

BOOL CXTPControlComboBox::IsCaptionVisible() const
{
    return XTPField::IsCaptionVisible(this, m_nComboStyle == 1);
}

BOOL CXTPControlComboBox::IsEqual(CXTPControl* pOther) const
{
    auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pOther);
    return pCombo && CXTPControlPopup::IsEqual(pOther) && pCombo->m_nWidth == m_nWidth;
}

void CXTPControlComboBox::SetParent(CXTPCommandBar* pParent)
{
    const BOOL bNewBar = pParent && pParent != m_pParent;
    CXTPControlPopup::SetParent(pParent);
    if (!pParent)
    {
        DestroyEditWindow();
        return;
    }
    if (!bNewBar)
        return;
    HWND hWndList = GetListWindow();
    CWnd* pSite = pParent->GetOwnerSite();
    if (hWndList && pSite && pSite->GetSafeHwnd())
        ::SetWindowLongPtrA(hWndList, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(pSite->GetSafeHwnd()));
}

// --- Exchange and copy ---------------------------------------------------------------------

void CXTPControlComboBox::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlPopup::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    BOOL bDropDown = m_bDropDown;
    ExchangeBoolProperty(pPX, "DropDown", bDropDown, TRUE);
    ExchangeIntProperty(pPX, "Width", m_nWidth, 0);
    ExchangeIntProperty(pPX, "ComboStyle", m_nComboStyle, 0);
    int nShellFlags = static_cast<int>(m_dwShellAutoCompleteFlags);
    int nEditStyle = static_cast<int>(m_dwEditStyle);
    if (nSchema > 8)
    {
        ExchangeStringProperty(pPX, "EditHint", m_strEditHint, "");
        ExchangeIntProperty(pPX, "ShellAutoCompleteFlags", nShellFlags, 0);
        ExchangeBoolProperty(pPX, "AutoComplete", m_bAutoComplete, FALSE);
        ExchangeIntProperty(pPX, "EditIconId", m_nEditIconId, 0);
        ExchangeIntProperty(pPX, "DropDownItemCount", m_nDropDownItemCount, 12);
    }
    if (nSchema > 16)
        ExchangeIntProperty(pPX, "EditStyle", nEditStyle, 0);
    if (pPX->IsLoading())
    {
        m_dwEditStyle = static_cast<DWORD>(nEditStyle);
        SetDropDown(bDropDown);
        SetShellAutoCompleteFlags(static_cast<DWORD>(nShellFlags));
    }
}

void CXTPControlComboBox::Copy(CXTPControl* pSource, BOOL bRecursive)
{
    if (auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pSource))
    {
        m_dwEditStyle = pCombo->m_dwEditStyle;
        m_nComboStyle = pCombo->m_nComboStyle;
        m_nWidth = pCombo->m_nWidth;
        SetEditText(pCombo->GetEditText());
        m_strEditHint = pCombo->m_strEditHint;
        SetDropDown(pCombo->m_pEdit != nullptr);
        m_bAutoComplete = pCombo->m_bAutoComplete;
        SetShellAutoCompleteFlags(pCombo->m_dwShellAutoCompleteFlags);
        m_nEditIconId = pCombo->m_nEditIconId;
        m_nDropDownItemCount = pCombo->m_nDropDownItemCount;
    }
    CXTPControlPopup::Copy(pSource, bRecursive);
}
