#include "toolkit/controls/ControlComboBox.h"

#include "framework/core/Archive.h"
#include "framework/ui/Dc.h"
#include "framework/ui/RichEditCtrl.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/AutoComplete.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlEdit.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/ToolTipContext.h"

IMPLEMENT_SERIAL(CXTPControlComboBox, CXTPControlPopup, 18)

// --- The edit window ----------------------------------------------------------------------

BOOL CXTPControlComboBoxEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                                                LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_pCombo)
    {
        m_pCombo->OnEditChange();
        if (pResult)
            *pResult = 0;
        return TRUE;
    }
    return CXTPEdit::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CXTPControlComboBoxEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CXTPCommandBar* pBar = m_pCombo ? m_pCombo->GetParent() : nullptr;
    const BOOL bCustomize = pBar && pBar->IsCustomizeMode();
    // The field's tips are its bar's: the bar's context sees every message.
    if (pBar && pBar->GetToolTipContext())
        pBar->GetToolTipContext()->RelayWindowMessage(pBar, message, wParam, lParam);
    switch (message)
    {
    case WM_XTP_ISTOOLKITEDIT:
        return TRUE;
    case WM_XTP_SHELLAUTOCOMPLETESTART:
        if (m_pCombo && m_pCombo->IsPopupOpen() && pBar)
            pBar->OpenControlPopup(-1);
        return 0;
    case WM_SETFOCUS:
    {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (m_pCombo && !bCustomize)
            m_pCombo->OnEditSetFocus(reinterpret_cast<HWND>(wParam));
        return lResult;
    }
    case WM_KILLFOCUS:
    {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (m_pCombo)
            m_pCombo->OnEditKillFocus();
        return lResult;
    }
    case WM_LBUTTONDOWN:
        if (bCustomize)
        {
            m_pCombo->OnClick(FALSE, m_pCombo->GetRect().TopLeft());
            return 0;
        }
        break;
    case WM_RBUTTONDOWN:
    {
        CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (bCustomize)
        {
            ::MapWindowPoints(m_hWnd, pBar->GetSafeHwnd(), &pt, 1);
            pBar->SendMessage(WM_RBUTTONDOWN, wParam, MAKELPARAM(pt.x, pt.y));
            return 0;
        }
        if (m_pCombo)
        {
            if (m_pCombo->IsPopupOpen() && pBar)
                pBar->OpenControlPopup(-1);
            m_pCombo->SetFocused(TRUE);
            if (ShowContextMenu(m_pCombo, pt))
                return 0;
        }
        break;
    }
    case WM_DESTROY:
        if (m_pCombo)
            m_pCombo->OnEditDestroy();
        break;
    default:
        break;
    }
    return CXTPEdit::WindowProc(message, wParam, lParam);
}

// --- The control --------------------------------------------------------------------------

CXTPControlComboBox::CXTPControlComboBox()
    : m_bPopupOpen(FALSE), m_pEdit(nullptr), m_bDropDown(FALSE), m_nComboStyle(0),
      m_nSavedSel(-1), m_bRecreateEdit(FALSE), m_bPlaceAgain(FALSE), m_nButtonWidth(0),
      m_bAutoComplete(FALSE), m_bNoComplete(FALSE), m_dwShellAutoCompleteFlags(0),
      m_bFocused(FALSE), m_nEditIconId(0), m_bExecuted(FALSE), m_nDropDownItemCount(12),
      m_pAutoCompleteWnd(nullptr), m_dwEditStyle(0), m_nCurSel(-1), m_bInSelChange(FALSE)
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

BOOL CXTPControlComboBox::IsEditWindow() const
{
    return m_pEdit && m_pEdit->GetSafeHwnd();
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
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    if (m_bInSelChange || !pList)
        return;
    const CString strText = GetText();
    const int nExact = pList->FindStringExact(-1, strText);
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
        m_pEdit->SetComboBox(this);
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
    pEdit->SetComboBox(nullptr);
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
    if (pEdit->GetSafeHwnd())
        pEdit->DestroyWindow();
    delete pEdit;
}

void CXTPControlComboBox::SetWidth(int nWidth)
{
    if (nWidth == m_nWidth)
        return;
    m_nWidth = nWidth;
    DelayLayoutParent();
}

void CXTPControlComboBox::SetEditStyle(DWORD dwStyle)
{
    m_dwEditStyle = dwStyle;
    m_bRecreateEdit = TRUE;
    DelayLayoutParent();
}

void CXTPControlComboBox::SetShellAutoCompleteFlags(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = XTPField::AttachAutoComplete(m_pEdit, dwFlags);
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

void CXTPControlComboBox::UpdateEditFormat()
{
    if (IsEditWindow())
        XTPField::ApplyFormat(m_pEdit, this, ShowsHint());
}

void CXTPControlComboBox::SetEnabled(int nEnabled)
{
    if (nEnabled == m_bEnabled)
        return;
    m_bEnabled = nEnabled;
    if (IsEditWindow())
    {
        m_pEdit->EnableWindow(GetEnabled());
        UpdateEditFormat();
    }
    RedrawParent(FALSE);
}

void CXTPControlComboBox::SetFocused(BOOL bFocused)
{
    if (bFocused == m_bFocused)
        return;
    m_bFocused = bFocused;
    if (bFocused)
    {
        m_nSavedSel = GetCurSel();
        m_bExecuted = FALSE;
        if (IsEditWindow() && ::GetFocus() != m_pEdit->GetSafeHwnd())
            m_pEdit->SetFocus();
        if (m_pParent)
        {
            m_pParent->SetTrackingMode(1);
            m_pParent->SetSelected(m_nIndex);
        }
        XTPMouseManager()->AddTrackedElement();
        NotifySite(XTP_CBN_SETFOCUS);
    }
    else
    {
        if (!m_bExecuted && !m_bDropDown && !IsPopupOpen())
        {
            SetCurSel(m_nSavedSel);
            NotifySite(XTP_CBN_SELENDCANCEL);
        }
        if (IsEditWindow() && ::GetFocus() == m_pEdit->GetSafeHwnd() && m_pParent)
        {
            HWND hWndReturn = m_pParent->GetFocusReturnWindow();
            m_pParent->SetFocusReturnWindow(nullptr);
            if (hWndReturn && ::IsWindow(hWndReturn))
                ::SetFocus(hWndReturn);
        }
        XTPMouseManager()->RemoveTrackedElement();
        NotifySite(XTP_CBN_KILLFOCUS);
    }
    RedrawParent(FALSE);
}

BOOL CXTPControlComboBox::OnSetSelected(int nSelected)
{
    // Not the popup's: selecting the field by the keyboard does not open
    // the list.
    BOOL bChanged = CXTPControl::OnSetSelected(nSelected);
    if (nSelected == 0)
        SetFocused(FALSE);
    UpdateEditFormat();
    return bChanged;
}

void CXTPControlComboBox::OnEditSetFocus(HWND hWndOld)
{
    if (ShowsHint())
        SetEditText("");
    m_strTextOnFocus = GetText();
    m_bNoComplete = TRUE;
    SynchronizeList();
    if (m_pParent)
    {
        if (!m_pParent->GetFocusReturnWindow())
        {
            CWnd* pSite = m_pParent->GetOwnerSite();
            m_pParent->SetFocusReturnWindow(hWndOld ? hWndOld : pSite ? pSite->GetSafeHwnd()
                                                                      : nullptr);
        }
        if (!IsPopupOpen())
            m_pParent->OpenControlPopup(-1);
    }
    SetFocused(TRUE);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHook(TRUE);
    if (IsEditWindow())
    {
        // A click leaves the whole text selected: the select-all comes after
        // the click's own caret placement.
        m_pEdit->SendMessage(EM_SETSEL, 0, 0);
        m_pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
        m_pEdit->PostMessage(EM_SETSEL, 0, -1);
    }
}

void CXTPControlComboBox::OnEditKillFocus()
{
    if (!m_strEditHint.IsEmpty() && GetEditText().IsEmpty())
        SetEditText(m_strEditHint);
    SetFocused(FALSE);
    if (IsPopupOpen() && m_pParent)
        m_pParent->OpenControlPopup(-1);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHook(FALSE);
}

void CXTPControlComboBox::OnEditChange()
{
    if (!IsEditWindow())
        return;
    // Only what the user changed counts: a change report that comes late
    // for a text set here finds the text it was set to.
    CString strShown;
    m_pEdit->GetWindowText(strShown);
    const BOOL bTyped = !m_bSettingText && strShown != m_strTextCache;
    m_bTextDirty = TRUE;
    if (bTyped && ::GetFocus() == m_pEdit->GetSafeHwnd())
        OnEditChanged();
    m_pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    UpdateEditFormat();
}

void CXTPControlComboBox::OnEditChanged()
{
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
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
                SetEditText(strItem);
                m_pEdit->SendMessage(EM_SETSEL, static_cast<WPARAM>(strItem.GetLength()),
                                     static_cast<LPARAM>(dwLength));
                m_pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
            }
        }
        m_bNoComplete = TRUE;
    }
    SynchronizeList();
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
        SetText(m_strTextOnFocus);
        SetFocused(FALSE);
        return m_pParent && m_pParent->GetType() == xtpBarTypePopup ? 1 : 0;
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

void CXTPControlComboBox::DestroyEditWindow()
{
    if (IsEditWindow())
        m_pEdit->DestroyWindow();
}

void CXTPControlComboBox::CreateEditWindow()
{
    if (!m_pEdit->Create(m_dwEditStyle | WS_CHILD | ES_AUTOHSCROLL, m_pParent))
        return;
    if (!GetEnabled())
        m_pEdit->EnableWindow(FALSE);
    if (m_dwShellAutoCompleteFlags != 0)
        SetShellAutoCompleteFlags(m_dwShellAutoCompleteFlags);
}

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
    HWND hWndBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (IsEditWindow())
    {
        const BOOL bWindowRTL = (m_pEdit->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
        if (m_bRecreateEdit || bWindowRTL || ::GetParent(m_pEdit->GetSafeHwnd()) != hWndBar)
            DestroyEditWindow();
    }
    m_bRecreateEdit = FALSE;
    if (rcControl == m_rcControl && IsEditWindow() && !m_bPlaceAgain)
        return;
    m_rcControl = rcControl;
    if (!hWndBar)
        return;
    if (!IsEditWindow())
    {
        CreateEditWindow();
        if (!IsEditWindow())
            return;
    }
    CFont* pFont = GetPaintManager()->GetRegularFont();
    m_pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), FALSE);
    m_pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    UpdateEditFormat();
    SetText(GetText());
    CRect rcField(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3,
                  rcControl.right - (m_nButtonWidth + 3), rcControl.bottom - 3);
    AdjustFieldRect(rcField);
    m_pEdit->MoveWindow(rcField, FALSE);
    XTPField::ShowFieldWindow(m_pEdit, this);
    m_bPlaceAgain = FALSE;
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

void CXTPControlComboBox::SetHideFlags(DWORD dwFlags)
{
    CXTPControl::SetHideFlags(dwFlags);
    XTPField::ShowFieldWindow(m_pEdit, this);
}

void CXTPControlComboBox::OnCalcDynamicSize(DWORD dwMode)
{
    XTPField::UpdateDockHideFlag(this, dwMode);
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
