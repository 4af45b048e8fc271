#include "toolkit/controls/ControlField.h"

#include "framework/ui/ControlBar.h"
#include "framework/ui/RichEditCtrl.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/AutoComplete.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/ToolTipContext.h"

// --- The edit window ----------------------------------------------------------------------

BOOL CXTPControlFieldEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                                            LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_pField)
    {
        m_pField->OnEditChange();
        if (pResult)
            *pResult = 0;
        return TRUE;
    }
    return CXTPEdit::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CXTPControlFieldEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CXTPControl* pControl = GetFieldControl();
    CXTPCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    const BOOL bCustomize = pBar && pBar->IsCustomizeMode();
    // The field's tips are its bar's: the bar's context sees every message.
    if (pBar && pBar->GetToolTipContext())
        pBar->GetToolTipContext()->RelayWindowMessage(pBar, message, wParam, lParam);
    switch (message)
    {
    case WM_XTP_ISTOOLKITEDIT:
        return TRUE;
    case WM_CHAR:
    case EM_SETSEL:
        if (m_pField)
        {
            // The rich edit would draw a typed character or a new selection
            // at once, and the field's answer to a character (a completion)
            // again: all of it is drawn together when the thread is next
            // idle, as a plain edit window does.
            CXTPControlFieldText::CPaintOnce paintOnce(m_pField);
            return CXTPEdit::WindowProc(message, wParam, lParam);
        }
        break;
    case WM_SETFOCUS:
    {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (m_pField && !bCustomize)
            m_pField->OnEditSetFocus(reinterpret_cast<HWND>(wParam));
        return lResult;
    }
    case WM_KILLFOCUS:
    {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (m_pField)
            m_pField->OnEditKillFocus();
        return lResult;
    }
    case WM_LBUTTONDOWN:
        if (bCustomize)
        {
            pControl->OnClick(FALSE, pControl->GetRect().TopLeft());
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
        if (pControl)
        {
            if (pControl->IsPopupOpen() && pBar)
                pBar->OpenControlPopup(-1);
            pControl->SetFocused(TRUE);
            if (ShowContextMenu(pControl, pt))
                return 0;
        }
        break;
    }
    case WM_DESTROY:
        if (m_pField)
            m_pField->OnEditDestroy();
        break;
    default:
        break;
    }
    return CXTPEdit::WindowProc(message, wParam, lParam);
}

// --- Shared field rules ----------------------------------------------------------------

BOOL XTPField::IsCaptionVisible(const CXTPControl* pControl, BOOL bLabel)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        return TRUE;
    if (pControl->GetCaption().IsEmpty())
        return FALSE;
    const int nStyle = pControl->GetStyle();
    if (nStyle == xtpButtonCaption || nStyle == xtpButtonIconAndCaption
        || nStyle == xtpButtonIconAndCaptionBelow)
        return TRUE;
    return bLabel;
}

template <class Base>
CXTPControlField<Base>::CXTPControlField(UINT nSetFocusCode, UINT nKillFocusCode)
    : m_nSetFocusCode(nSetFocusCode), m_nKillFocusCode(nKillFocusCode)
{
}

template <class Base>
CXTPControlField<Base>::~CXTPControlField()
{
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
}

template <class Base>
void CXTPControlField<Base>::SetShellAutoCompleteFlags(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
    if (!IsEditWindow() || dwFlags == 0)
        return;
    auto* pAutoComplete = new CXTPControlComboBoxAutoCompleteWnd;
    if (SUCCEEDED(pAutoComplete->Attach(GetFieldWindow()->GetSafeHwnd(), dwFlags)))
        m_pAutoCompleteWnd = pAutoComplete;
    else
        delete pAutoComplete;
}

template <class Base>
void CXTPControlField<Base>::SetEditStyle(DWORD dwStyle)
{
    m_dwEditStyle = dwStyle;
    m_bRecreateEdit = TRUE;
    this->DelayLayoutParent();
}

template <class Base>
void CXTPControlField<Base>::SetWidth(int nWidth)
{
    if (nWidth == this->m_nWidth)
        return;
    this->m_nWidth = nWidth;
    this->DelayLayoutParent();
}

// --- State ---------------------------------------------------------------------------------

template <class Base>
void CXTPControlField<Base>::UpdateEditFormat()
{
    if (!IsEditWindow())
        return;
    const BOOL bGrey = ShowsHint() || !this->GetEnabled();
    GetFieldWindow()->SetDefaultColors(
        GetColorManager()->ResolveColor(bGrey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT),
        this->GetPaintManager()->GetControlBackColor(this));
}

template <class Base>
void CXTPControlField<Base>::SetEnabled(int nEnabled)
{
    if (nEnabled == this->m_bEnabled)
        return;
    this->m_bEnabled = nEnabled;
    if (IsEditWindow())
    {
        GetFieldWindow()->EnableWindow(this->GetEnabled());
        UpdateEditFormat();
    }
    this->RedrawParent(FALSE);
}

template <class Base>
void CXTPControlField<Base>::SetFocused(BOOL bFocused)
{
    if (bFocused == m_bFocused)
        return;
    m_bFocused = bFocused;
    OnFieldFocusChange(bFocused);
    CXTPCommandBar* pBar = this->m_pParent;
    CXTPEdit* pEdit = GetFieldWindow();
    if (bFocused)
    {
        if (IsEditWindow() && ::GetFocus() != pEdit->GetSafeHwnd())
            pEdit->SetFocus();
        if (pBar)
        {
            pBar->SetTrackingMode(1);
            pBar->SetSelected(this->m_nIndex);
        }
        XTPMouseManager()->AddTrackedElement();
        this->NotifySite(m_nSetFocusCode);
    }
    else
    {
        if (IsEditWindow() && ::GetFocus() == pEdit->GetSafeHwnd() && pBar)
        {
            HWND hWndReturn = pBar->GetFocusReturnWindow();
            pBar->SetFocusReturnWindow(nullptr);
            if (hWndReturn && ::IsWindow(hWndReturn))
                ::SetFocus(hWndReturn);
        }
        XTPMouseManager()->RemoveTrackedElement();
        this->NotifySite(m_nKillFocusCode);
    }
    this->RedrawParent(FALSE);
}

template <class Base>
BOOL CXTPControlField<Base>::OnSetSelected(int nSelected)
{
    // Not the popup's: selecting a combo's field by the keyboard does not
    // open the list.
    BOOL bChanged = this->CXTPControl::OnSetSelected(nSelected);
    if (nSelected == 0)
        SetFocused(FALSE);
    UpdateEditFormat();
    return bChanged;
}

template <class Base>
void CXTPControlField<Base>::SetHideFlags(DWORD dwFlags)
{
    this->CXTPControl::SetHideFlags(dwFlags);
    ShowFieldWindow();
}

template <class Base>
void CXTPControlField<Base>::ShowFieldWindow()
{
    if (!IsEditWindow())
        return;
    CXTPControlAction* pAction = this->GetAction();
    const BOOL bShow = (!pAction || pAction->IsVisible()) && this->GetHideFlags() == 0;
    ::SetWindowPos(GetFieldWindow()->GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE
                       | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

template <class Base>
void CXTPControlField<Base>::OnCalcDynamicSize(DWORD dwMode)
{
    const DWORD dwFlags = this->GetHideFlags();
    SetHideFlags((dwMode & LM_VERTDOCK) ? dwFlags | xtpHideDockingPosition
                                        : dwFlags & ~xtpHideDockingPosition);
}

// --- Placement ------------------------------------------------------------------------------

template <class Base>
void CXTPControlField<Base>::DestroyEditWindow()
{
    if (IsEditWindow())
        GetFieldWindow()->DestroyWindow();
}

template <class Base>
void CXTPControlField<Base>::CreateEditWindow()
{
    CXTPEdit* pEdit = GetFieldWindow();
    if (!pEdit->Create(m_dwEditStyle | WS_CHILD | ES_AUTOHSCROLL, this->m_pParent))
        return;
    if (!this->GetEnabled())
        pEdit->EnableWindow(FALSE);
    if (m_dwShellAutoCompleteFlags != 0)
        SetShellAutoCompleteFlags(m_dwShellAutoCompleteFlags);
}

template <class Base>
BOOL CXTPControlField<Base>::PrepareFieldWindow(const CRect& rcControl)
{
    HWND hWndBar = this->m_pParent ? this->m_pParent->GetSafeHwnd() : nullptr;
    if (IsEditWindow())
    {
        HWND hWndEdit = GetFieldWindow()->GetSafeHwnd();
        const BOOL bWindowRTL = (::GetWindowLongPtrA(hWndEdit, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
        const BOOL bBarRTL = hWndBar && (::GetWindowLongPtrA(hWndBar, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
        if (m_bRecreateEdit || bWindowRTL != bBarRTL || ::GetParent(hWndEdit) != hWndBar)
            DestroyEditWindow();
    }
    m_bRecreateEdit = FALSE;
    if (rcControl == this->m_rcControl && IsEditWindow() && !m_bPlaceAgain)
        return FALSE;
    this->m_rcControl = rcControl;
    if (!hWndBar)
        return FALSE;
    if (!IsEditWindow())
        CreateEditWindow();
    return IsEditWindow();
}

template <class Base>
void CXTPControlField<Base>::PlaceFieldWindow(const CRect& rcField)
{
    CXTPEdit* pEdit = GetFieldWindow();
    CFont* pFont = this->GetPaintManager()->GetRegularFont();
    pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), FALSE);
    pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetText(GetText());
    UpdateEditFormat();
    pEdit->MoveWindow(rcField, FALSE);
    ShowFieldWindow();
    m_bPlaceAgain = FALSE;
}

// --- Focus of the window --------------------------------------------------------------------

template <class Base>
void CXTPControlField<Base>::TakeFieldFocus(HWND hWndOld, BOOL bClosePopup)
{
    if (ShowsHint())
        SetEditText("");
    m_strTextOnFocus = GetText();
    if (CXTPCommandBar* pBar = this->m_pParent)
    {
        if (!pBar->GetFocusReturnWindow())
        {
            CWnd* pSite = pBar->GetOwnerSite();
            pBar->SetFocusReturnWindow(hWndOld ? hWndOld : pSite ? pSite->GetSafeHwnd() : nullptr);
        }
        if (bClosePopup)
            pBar->OpenControlPopup(-1);
    }
    SetFocused(TRUE);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHook(TRUE);
    if (IsEditWindow())
    {
        // A click leaves the whole text selected: the select-all comes after
        // the click's own caret placement.
        CXTPEdit* pEdit = GetFieldWindow();
        pEdit->SendMessage(EM_SETSEL, 0, 0);
        pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
        pEdit->PostMessage(EM_SETSEL, 0, -1);
    }
}

template <class Base>
void CXTPControlField<Base>::LeaveFieldFocus()
{
    if (!m_strEditHint.IsEmpty() && GetEditText().IsEmpty())
        SetEditText(m_strEditHint);
    SetFocused(FALSE);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHook(FALSE);
}

template <class Base>
void CXTPControlField<Base>::ResetFieldLook()
{
    // The field's own text setting gives the colours itself when done.
    if (!IsEditWindow() || m_bSettingText)
        return;
    GetFieldWindow()->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    UpdateEditFormat();
}

template <class Base>
int CXTPControlField<Base>::CancelFieldFocus()
{
    SetText(m_strTextOnFocus);
    SetFocused(FALSE);
    return this->m_pParent && this->m_pParent->GetType() == xtpBarTypePopup ? 1 : 0;
}

template class CXTPControlField<CXTPControl>;
template class CXTPControlField<CXTPControlPopup>;
