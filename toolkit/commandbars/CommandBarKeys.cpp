// Keyboard navigation of a tracking bar. The keyboard manager hands every
// key going down to the tracking bars, the last one to start first; a bar
// maps arrows, Home/End, Return, Escape and Tab to navigation actions and
// other keys to access letters. Arrows act by the bar's orientation: along
// a horizontal bar Left/Right move and Down opens; down a vertical one
// Up/Down move and Right opens. Right-to-left windows swap Left and Right.
#include "toolkit/commandbars/CommandBar.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ShortcutManager.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/SystemInfo.h"

namespace {

BOOL IsPopupControl(const CXTPControl* pControl)
{
    const int nType = pControl->GetType();
    return nType == xtpControlPopup || nType == xtpControlButtonPopup
           || nType == xtpControlSplitButtonPopup;
}

} // namespace

// The access letter of a caption: the character after the first single
// ampersand ("&&" is a literal ampersand, a trailing one marks nothing),
// else 0 with bFallback set and the caption's first character returned.
UINT XTPAccessLetterOf(const CString& strCaption, BOOL& bFallback)
{
    bFallback = FALSE;
    LPCSTR psz = strCaption;
    while (*psz)
    {
        if (*psz == '&')
        {
            if (psz[1] == '&')
            {
                psz += 2;
                continue;
            }
            if (psz[1])
                return static_cast<BYTE>(psz[1]);
            break;
        }
        psz = ::CharNextA(psz);
    }
    bFallback = TRUE;
    return static_cast<BYTE>(strCaption[0]);
}

int CXTPCommandBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                  LRESULT& /*lResult*/)
{
    if (!hWnd && nMessage == WM_KEYDOWN)
        return OnHookKeyDown(static_cast<UINT>(wParam), lParam);
    // The wheel of a tracking bar belongs to its selected control (a focused
    // field, a hovered gallery).
    if (!hWnd && nMessage == WM_MOUSEWHEEL)
    {
        CXTPControl* pSelected = GetControl(m_nSelected);
        if (pSelected && pSelected->OnHookMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)))
            return hookHandled;
    }
    return hookNext;
}

int CXTPCommandBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (IsCustomizeMode() || IsHelpMode())
        return hookPassOn;
    if (m_nLockCount > 0)
        return hookHandled;
    if (CWnd* pSite = GetSite())
    {
        if (pSite->GetSafeHwnd())
        {
            XTP_BARKEYDOWN key = {nChar, lParam};
            pSite->SendMessage(XTP_WM_BARKEYDOWN, reinterpret_cast<WPARAM>(&key),
                               reinterpret_cast<LPARAM>(this));
        }
    }
    CXTPControl* pSelected = GetControl(m_nSelected);
    if (pSelected && pSelected->IsFocused())
    {
        int nResult = pSelected->ProcessFocusedKey(nChar, static_cast<UINT>(HIWORD(lParam)));
        if (nResult == hookHandled || nResult == hookPassOn)
            return nResult;
    }
    if (!m_hWnd)
        return hookHandled;

    const BOOL bShift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (nChar)
    {
    case VK_TAB:
    {
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (bCtrl && pCommandBars && GetRootParent()->GetType() == xtpBarTypeNormal
            && pCommandBars->ActivateBar(GetRootParent(), bShift ? -1 : +1))
            return hookHandled;
        ProcessSpecialKey(bShift ? xtpKeyPrev : xtpKeyNext);
        return hookHandled;
    }
    case VK_RETURN:
        ProcessSpecialKey(xtpKeyReturn);
        return hookHandled;
    case VK_ESCAPE:
        ProcessSpecialKey(xtpKeyEscape);
        return hookHandled;
    case VK_SPACE:
        if (m_barType == xtpBarTypeMenuBar)
        {
            if (CXTPCommandBars* pCommandBars = GetCommandBars())
                pCommandBars->ShowAccessKeyUnderlines(FALSE);
            // The system menu runs its own loop: the bar lets the keyboard
            // go first, or its hook would take the keys meant for that menu.
            CWnd* pSite = GetSite();
            SetTrackingMode(0);
            if (pSite)
                pSite->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
            return hookHandled;
        }
        break;
    default:
        break;
    }

    HWND hFocus = ::GetFocus();
    if (hFocus && ::IsChild(m_hWnd, hFocus))
        return hookPassOn;

    const BOOL bHorizontal = m_barPosition == xtpBarTop || m_barPosition == xtpBarBottom
                             || m_barPosition == xtpBarFloating
                             || (m_barPosition == xtpBarPopup && m_barType == xtpBarTypeNormal);
    switch (MirrorArrowKey(m_hWnd, nChar))
    {
    case VK_LEFT:
        ProcessSpecialKey(bHorizontal ? xtpKeyPrev : xtpKeyBack);
        return hookHandled;
    case VK_RIGHT:
        ProcessSpecialKey(bHorizontal ? xtpKeyNext : xtpKeyPopup);
        return hookHandled;
    case VK_UP:
        ProcessSpecialKey(bHorizontal ? xtpKeyBack : xtpKeyPrev);
        return hookHandled;
    case VK_DOWN:
        ProcessSpecialKey(bHorizontal ? xtpKeyPopup : xtpKeyNext);
        return hookHandled;
    case VK_HOME:
        ProcessSpecialKey(xtpKeyHome);
        return hookHandled;
    case VK_END:
        ProcessSpecialKey(xtpKeyEnd);
        return hookHandled;
    default:
        break;
    }

    // Access letters.
    if (::MapVirtualKeyA(nChar, 2) == 0)
        return hookHandled;
    if (m_barType == xtpBarTypeNormal)
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            if (pCommandBars->HandleAccessKey(this, nChar))
                return hookHandled;
    if (!bCtrl)
    {
        BOOL bAmbiguous = FALSE;
        int nIndex = FindAccessKey(nChar, bAmbiguous);
        if (nIndex != -1)
        {
            SetSelected(nIndex, 2);
            if (!bAmbiguous)
                if (CXTPControl* pControl = GetControl(nIndex))
                {
                    pControl->InternalAddRef();
                    pControl->OnKeyboardActivate();
                    pControl->InternalRelease();
                }
            return hookHandled;
        }
    }
    if (nChar != VK_SHIFT && nChar != VK_CONTROL)
        ::MessageBeep(0);
    return hookHandled;
}

int CXTPCommandBar::FindAccessKey(UINT nChar, BOOL& bAmbiguous) const
{
    bAmbiguous = FALSE;
    const int nFirst = m_pControls->GetNext(m_nSelected, +1);
    if (nFirst == -1)
        return -1;
    int nAmpersand = -1;
    int nFallback = -1;
    int nIndex = nFirst;
    do
    {
        CXTPControl* pControl = GetControl(nIndex);
        CString strCaption = pControl ? pControl->GetCaption() : CString();
        if (pControl && pControl->GetEnabled() && !strCaption.IsEmpty())
        {
            BOOL bFallback = FALSE;
            UINT nLetter = XTPAccessLetterOf(strCaption, bFallback);
            if (nLetter && CXTPShortcutManager::VirtualKeyMatchesChar(nLetter, nChar))
            {
                if (!bFallback)
                {
                    if (nAmpersand != -1)
                    {
                        bAmbiguous = TRUE;
                        return nAmpersand;
                    }
                    nAmpersand = nIndex;
                }
                else if (nFallback == -1)
                {
                    nFallback = nIndex;
                }
                else
                {
                    bAmbiguous = TRUE;
                }
            }
        }
        nIndex = m_pControls->GetNext(nIndex, +1);
    } while (nIndex != -1 && nIndex != nFirst);
    return nAmpersand != -1 ? nAmpersand : nFallback;
}

BOOL CXTPCommandBar::ProcessSpecialKey(XTPSpecialKey key)
{
    const BOOL bPopupToolBar = m_barPosition == xtpBarPopup && m_barType == xtpBarTypeNormal;
    CXTPControl* pSelected = GetControl(m_nSelected);
    if (bPopupToolBar && pSelected && m_nPopuped == m_nSelected && m_nPopuped != -1)
    {
        if (key == xtpKeyNext)
            return FALSE;
        if (key == xtpKeyPrev)
            key = xtpKeyBack;
    }
    const BOOL bSelectedOpens = pSelected && IsPopupControl(pSelected) && pSelected->GetEnabled();
    if (key == xtpKeyBack && m_nPopuped == -1 && pSelected
        && (bPopupToolBar || !GetParentCommandBar()) && bSelectedOpens)
        key = xtpKeyPopup;
    if ((key == xtpKeyBack || key == xtpKeyPopup) && m_nPopuped == -1
        && (bPopupToolBar || m_barPosition == xtpBarFloating) && !bSelectedOpens)
        return ProcessRowKey(key == xtpKeyPopup);

    switch (key)
    {
    case xtpKeyNext:
        return SetSelected(m_pControls->GetNext(m_nSelected, +1), 2);
    case xtpKeyPrev:
        return SetSelected(m_pControls->GetNext(m_nSelected, -1), 3);
    case xtpKeyHome:
        return SetSelected(m_pControls->GetNext(-1, +1), 2);
    case xtpKeyEnd:
        return SetSelected(m_pControls->GetNext(GetControlCount(), -1), 3);
    case xtpKeyBack:
        if (m_nPopuped == -1)
            return FALSE;
        OpenControlPopup(-1);
        SetTrackingMode(1);
        return TRUE;
    case xtpKeyPopup:
        if (!pSelected || m_nSelected == m_nPopuped)
            return FALSE;
        pSelected->OnSetSelected(2);
        return OpenControlPopup(m_nSelected, FALSE);
    case xtpKeyEscape:
        if (CXTPCommandBar* pParent = GetParentCommandBar())
            pParent->SetTrackingMode(1);
        SetTrackingMode(0, TRUE);
        return TRUE;
    case xtpKeyReturn:
        if (!pSelected)
            return FALSE;
        pSelected->InternalAddRef();
        pSelected->OnSetSelected(2);
        pSelected->OnClick(TRUE);
        pSelected->InternalRelease();
        return TRUE;
    }
    return FALSE;
}

BOOL CXTPCommandBar::ProcessRowKey(BOOL bDown)
{
    if (m_nSelected == -1)
        return SetSelected(bDown ? m_pControls->GetNext(-1, +1)
                                 : m_pControls->GetNext(GetControlCount(), -1), 2);
    CXTPControl* pStart = GetControl(m_nSelected);
    const CRect rcStartRow = pStart->GetRowRect();
    const int nLeft = pStart->GetRect().left;
    const int nStep = bDown ? +1 : -1;

    // The first control met in another row.
    int nIndex = m_pControls->GetNext(m_nSelected, nStep);
    while (nIndex != -1 && nIndex != m_nSelected)
    {
        CRect rcRow = GetControl(nIndex)->GetRowRect();
        if (!rcRow.IsRectEmpty() && rcRow != rcStartRow)
            break;
        nIndex = m_pControls->GetNext(nIndex, nStep);
    }
    if (nIndex == -1 || nIndex == m_nSelected)
        return FALSE;

    // In that row, the control above or below the start: the right-most
    // one whose left edge is not right of the start's, else the row's first.
    const CRect rcRow = GetControl(nIndex)->GetRowRect();
    int nChosen = -1;
    int nFirstInRow = -1;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || pControl->GetRowRect() != rcRow)
            continue;
        if (nFirstInRow == -1 || pControl->GetRect().left < GetControl(nFirstInRow)->GetRect().left)
            nFirstInRow = i;
        if (pControl->GetRect().left <= nLeft
            && (nChosen == -1 || pControl->GetRect().left > GetControl(nChosen)->GetRect().left))
            nChosen = i;
    }
    return SetSelected(nChosen != -1 ? nChosen : nFirstInRow, 2);
}
