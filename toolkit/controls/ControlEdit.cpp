#include "toolkit/controls/ControlEdit.h"

#include "framework/core/Archive.h"
#include "framework/ui/ControlBar.h"
#include "framework/ui/RichEditCtrl.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/AutoComplete.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/ToolTipContext.h"

IMPLEMENT_SERIAL(CXTPControlEdit, CXTPControl, 18)

// --- Shared field rules ----------------------------------------------------------------

void XTPField::ApplyFormat(CXTPEdit* pEdit, CXTPControl* pControl, BOOL bShowsHint)
{
    if (!pEdit || !pEdit->GetSafeHwnd())
        return;
    BOOL bGrey = bShowsHint || !pControl->GetEnabled();
    pEdit->SetDefaultColors(GetColorManager()->ResolveColor(bGrey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT),
                            pControl->GetPaintManager()->GetControlBackColor(pControl));
}

void XTPField::UpdateDockHideFlag(CXTPControl* pControl, DWORD dwLayoutMode)
{
    DWORD dwFlags = pControl->GetHideFlags();
    pControl->SetHideFlags((dwLayoutMode & LM_VERTDOCK) ? dwFlags | xtpHideDockingPosition
                                                         : dwFlags & ~xtpHideDockingPosition);
}

void XTPField::ShowFieldWindow(CXTPEdit* pEdit, CXTPControl* pControl)
{
    if (!pEdit || !pEdit->GetSafeHwnd())
        return;
    CXTPControlAction* pAction = pControl->GetAction();
    BOOL bShow = (!pAction || pAction->IsVisible()) && pControl->GetHideFlags() == 0;
    ::SetWindowPos(pEdit->GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE
                       | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

CXTPControlComboBoxAutoCompleteWnd* XTPField::AttachAutoComplete(CXTPEdit* pEdit, DWORD dwFlags)
{
    if (!pEdit || !pEdit->GetSafeHwnd() || dwFlags == 0)
        return nullptr;
    auto* pAutoComplete = new CXTPControlComboBoxAutoCompleteWnd;
    if (SUCCEEDED(pAutoComplete->Attach(pEdit->GetSafeHwnd(), dwFlags)))
        return pAutoComplete;
    delete pAutoComplete;
    return nullptr;
}

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

// --- The edit window ----------------------------------------------------------------------

BOOL CXTPControlEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_pControl)
    {
        m_pControl->OnEditChange();
        if (pResult)
            *pResult = 0;
        return TRUE;
    }
    return CXTPEdit::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CXTPControlEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CXTPCommandBar* pBar = m_pControl ? m_pControl->GetParent() : nullptr;
    BOOL bCustomize = pBar && pBar->IsCustomizeMode();
    // The field's tips are its bar's: the bar's context sees every message.
    if (pBar && pBar->GetToolTipContext())
        pBar->GetToolTipContext()->RelayWindowMessage(pBar, message, wParam, lParam);
    switch (message)
    {
    case WM_XTP_ISTOOLKITEDIT:
        return TRUE;
    case WM_SETFOCUS:
    {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (m_pControl)
            m_pControl->OnEditSetFocus(reinterpret_cast<HWND>(wParam));
        return lResult;
    }
    case WM_KILLFOCUS:
    {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (m_pControl)
            m_pControl->OnEditKillFocus();
        return lResult;
    }
    case WM_MOUSEMOVE:
    {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (pBar && pBar->GetSafeHwnd())
        {
            CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            ::MapWindowPoints(m_hWnd, pBar->GetSafeHwnd(), &pt, 1);
            pBar->SendMessage(WM_MOUSEMOVE, wParam, MAKELPARAM(pt.x, pt.y));
        }
        return lResult;
    }
    case WM_LBUTTONDOWN:
        if (bCustomize)
        {
            m_pControl->OnClick(FALSE, m_pControl->GetRect().TopLeft());
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
        if (m_pControl)
        {
            m_pControl->SetFocused(TRUE);
            if (ShowContextMenu(m_pControl, pt))
                return 0;
        }
        break;
    }
    case WM_DESTROY:
        if (m_pControl)
            m_pControl->OnEditDestroy();
        break;
    default:
        break;
    }
    return CXTPEdit::WindowProc(message, wParam, lParam);
}

// --- The control --------------------------------------------------------------------------

CXTPControlEdit::CXTPControlEdit()
    : m_pEdit(nullptr), m_bHasLabel(FALSE), m_bReadOnly(FALSE), m_bPlaceAgain(FALSE),
      m_bRecreateEdit(FALSE), m_bFocused(FALSE), m_pAutoCompleteWnd(nullptr),
      m_dwShellAutoCompleteFlags(0), m_dwEditStyle(0)
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
        pEdit->SetControl(nullptr);
        if (pEdit->GetSafeHwnd())
            pEdit->DestroyWindow();
        delete pEdit;
    }
}

BOOL CXTPControlEdit::IsEditWindow() const
{
    return m_pEdit && m_pEdit->GetSafeHwnd();
}

// --- Texts ---------------------------------------------------------------------------------

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

void CXTPControlEdit::SetEditStyle(DWORD dwStyle)
{
    m_dwEditStyle = dwStyle;
    m_bRecreateEdit = TRUE;
    DelayLayoutParent();
}

void CXTPControlEdit::SetShellAutoCompleteFlags(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = XTPField::AttachAutoComplete(m_pEdit, dwFlags);
}

// --- State ---------------------------------------------------------------------------------

void CXTPControlEdit::UpdateEditFormat()
{
    if (IsEditWindow())
        XTPField::ApplyFormat(m_pEdit, this, ShowsHint());
}

void CXTPControlEdit::SetEnabled(int nEnabled)
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

void CXTPControlEdit::SetFocused(BOOL bFocused)
{
    if (bFocused == m_bFocused)
        return;
    m_bFocused = bFocused;
    if (bFocused)
    {
        if (IsEditWindow() && ::GetFocus() != m_pEdit->GetSafeHwnd())
            m_pEdit->SetFocus();
        if (m_pParent)
        {
            m_pParent->SetTrackingMode(1);
            m_pParent->SetSelected(m_nIndex);
        }
        XTPMouseManager()->AddTrackedElement();
        NotifySite(XTP_EN_SETFOCUS);
    }
    else
    {
        if (IsEditWindow() && ::GetFocus() == m_pEdit->GetSafeHwnd() && m_pParent)
        {
            HWND hWndReturn = m_pParent->GetFocusReturnWindow();
            m_pParent->SetFocusReturnWindow(nullptr);
            if (hWndReturn && ::IsWindow(hWndReturn))
                ::SetFocus(hWndReturn);
        }
        XTPMouseManager()->RemoveTrackedElement();
        NotifySite(XTP_EN_KILLFOCUS);
    }
    RedrawParent(FALSE);
}

BOOL CXTPControlEdit::OnSetSelected(int nSelected)
{
    BOOL bChanged = CXTPControl::OnSetSelected(nSelected);
    if (nSelected == 0)
        SetFocused(FALSE);
    UpdateEditFormat();
    return bChanged;
}

void CXTPControlEdit::OnEditSetFocus(HWND hWndOld)
{
    if (m_pParent && m_pParent->IsCustomizeMode())
        return;
    if (ShowsHint())
        SetEditText("");
    m_strTextOnFocus = GetText();
    if (m_pParent)
    {
        if (!m_pParent->GetFocusReturnWindow())
        {
            CWnd* pSite = m_pParent->GetOwnerSite();
            m_pParent->SetFocusReturnWindow(hWndOld ? hWndOld : pSite ? pSite->GetSafeHwnd()
                                                                      : nullptr);
        }
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

void CXTPControlEdit::OnEditKillFocus()
{
    if (!m_strEditHint.IsEmpty() && GetEditText().IsEmpty())
        SetEditText(m_strEditHint);
    SetFocused(FALSE);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHook(FALSE);
}

void CXTPControlEdit::OnEditChange()
{
    m_bTextDirty = TRUE;
    if (!m_bSettingText && IsEditWindow() && ::GetFocus() == m_pEdit->GetSafeHwnd())
        OnEditChanged();
    if (IsEditWindow())
    {
        m_pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        UpdateEditFormat();
    }
}

// --- Placement ------------------------------------------------------------------------------

void CXTPControlEdit::DestroyEditWindow()
{
    if (IsEditWindow())
        m_pEdit->DestroyWindow();
}

void CXTPControlEdit::CreateEditWindow()
{
    if (!m_pEdit->Create(m_dwEditStyle | WS_CHILD | ES_AUTOHSCROLL, m_pParent))
        return;
    if (!GetEnabled())
        m_pEdit->EnableWindow(FALSE);
    if (m_dwShellAutoCompleteFlags != 0)
        SetShellAutoCompleteFlags(m_dwShellAutoCompleteFlags);
}

void CXTPControlEdit::SetRect(CRect rcControl)
{
    if (!m_pEdit)
        m_pEdit = CreateEditCtrl();
    m_pEdit->SetControl(this);
    HWND hWndBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (IsEditWindow())
    {
        // A window of the other reading direction than its bar, or of
        // another parent, is made again.
        BOOL bWindowRTL = (m_pEdit->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
        BOOL bBarRTL = hWndBar && (::GetWindowLongPtrA(hWndBar, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
        if (m_bRecreateEdit || bWindowRTL != bBarRTL || ::GetParent(m_pEdit->GetSafeHwnd()) != hWndBar)
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
    SetText(GetText());
    UpdateEditFormat();
    m_pEdit->SendMessage(EM_SETREADONLY, m_bReadOnly, 0);
    CRect rcWindow(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3, rcControl.right - 3,
                   rcControl.bottom - 3);
    m_pEdit->MoveWindow(rcWindow, FALSE);
    XTPField::ShowFieldWindow(m_pEdit, this);
    m_bPlaceAgain = FALSE;
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

void CXTPControlEdit::SetHideFlags(DWORD dwFlags)
{
    CXTPControl::SetHideFlags(dwFlags);
    XTPField::ShowFieldWindow(m_pEdit, this);
}

void CXTPControlEdit::OnCalcDynamicSize(DWORD dwMode)
{
    XTPField::UpdateDockHideFlag(this, dwMode);
}

void CXTPControlEdit::SetParent(CXTPCommandBar* pParent)
{
    CXTPControl::SetParent(pParent);
    if (!pParent)
        DestroyEditWindow();
}

void CXTPControlEdit::SetWidth(int nWidth)
{
    if (nWidth == m_nWidth)
        return;
    m_nWidth = nWidth;
    DelayLayoutParent();
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
    {
        SetText(m_strTextOnFocus);
        SetFocused(FALSE);
        return m_pParent && m_pParent->GetType() == xtpBarTypePopup ? 1 : 0;
    }
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
