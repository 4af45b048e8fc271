// The frame's messages as the command bars see them first: WM_CLOSE waits
// while the bars are being customised, colour and setting changes refresh
// the drawing, leaving the application closes the popups, the idle pass
// reaches the floating bars; and the keyboard before the frame's own
// handling: underlines on Alt, Alt or F10 pressed alone handing the
// keyboard to the menu bar, accelerators through the shortcut manager.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/ShortcutManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/EditWnd.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/RibbonBar.h"

namespace {

// Alt held when the key went down (bit 29 of a key message's lParam).
const LPARAM kAltContext = 1 << 29;
// The key was already down: an auto-repeat (bit 30).
const LPARAM kPreviousDown = 1 << 30;

BOOL IsKeyMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

BOOL IsKeyOrButtonDown(UINT message)
{
    switch (message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCXBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL IsDown(int nVirtualKey)
{
    return ::GetKeyState(nVirtualKey) < 0;
}

// Alt with Alt's context, or F10, pressed with no Shift or Ctrl held (and
// F10 without Alt): the keys whose release alone starts menu mode.
BOOL IsMenuKeyAlone(UINT nKey, LPARAM lParam)
{
    if (IsDown(VK_SHIFT) || IsDown(VK_CONTROL))
        return FALSE;
    if (nKey == VK_MENU)
        return (lParam & kAltContext) != 0;
    return nKey == VK_F10 && !(lParam & kAltContext);
}

BOOL IsInFamilyOf(HWND hWnd, HWND hWndSite)
{
    return hWnd && (hWnd == hWndSite || ::IsChild(hWndSite, hWnd));
}

// The bars' edit field that has the focus, if one has.
CWnd* FocusedBarEdit()
{
    CWnd* pFocus = CWnd::GetFocus();
    return pFocus && pFocus->IsKindOf(RUNTIME_CLASS(CXTPEdit)) ? pFocus : nullptr;
}

// The wheel turned over the ribbon that serves as the menu bar steps its
// selected tab (forward when turned towards the user); FALSE elsewhere.
BOOL StepRibbonTabByWheel(CXTPMenuBar* pMenuBar, const MSG* pMsg)
{
    if (!pMenuBar || pMenuBar->GetType() != xtpBarTypeRibbon || !pMenuBar->GetSafeHwnd()
        || !pMenuBar->IsWindowVisible())
        return FALSE;
    CRect rcWindow;
    pMenuBar->GetWindowRect(&rcWindow);
    POINT ptCursor;
    if (!::GetCursorPos(&ptCursor) || !rcWindow.PtInRect(ptCursor))
        return FALSE;
    const short nDelta = static_cast<short>(HIWORD(pMsg->wParam));
    static_cast<CXTPRibbonBar*>(pMenuBar)->StepSelectedTab(nDelta <= 0);
    return TRUE;
}

} // namespace

CXTPShortcutManager* CXTPCommandBars::GetShortcutManager()
{
    if (!m_pShortcutManager)
    {
        m_pShortcutManager = new CXTPShortcutManager(this);
        m_pShortcutManager->SetSite(m_pSite);
    }
    return m_pShortcutManager;
}

void CXTPCommandBars::SetPreviewMode(BOOL bPreview)
{
    GetShortcutManager()->Suspend(bPreview);
    // The bars make room for the preview and come back as they were: a
    // button pressed meanwhile would act on the views the preview hides.
    for (int i = 0; i < GetCount(); ++i)
    {
        if (CXTPToolBar* pToolBar = GetAt(i))
            pToolBar->SetPreviewHidden(bPreview);
    }
    RecalcFrameLayout();
}

BOOL CXTPCommandBars::IsCustomizeRunning() const
{
    return m_hwndCustomize != nullptr || m_nCustomizeDragRunning > 0;
}

void CXTPCommandBars::SetCustomizeDragRunning(BOOL bRunning)
{
    if (bRunning)
        ++m_nCustomizeDragRunning;
    else if (m_nCustomizeDragRunning > 0)
        --m_nCustomizeDragRunning;
}

void CXTPCommandBars::UpdateFloatingBars(WPARAM wParam, LPARAM lParam)
{
    // Floating bars are no children of the frame: the idle pass over the
    // frame's descendants never reaches them.
    for (int i = 0; i < GetCount(); ++i)
    {
        CXTPToolBar* pToolBar = GetAt(i);
        if (pToolBar->GetPosition() == xtpBarFloating && pToolBar->GetSafeHwnd())
            pToolBar->OnIdleUpdateCmdUI(wParam, lParam);
    }
}

void CXTPCommandBars::RedrawSite()
{
    if (m_pSite && m_pSite->GetSafeHwnd())
        ::RedrawWindow(m_pSite->GetSafeHwnd(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BOOL CXTPCommandBars::IsKeyForFocusedEdit(const MSG* pMsg)
{
    if (!IsKeyMessage(pMsg->message) || !FocusedBarEdit())
        return FALSE;
    const WPARAM nKey = pMsg->wParam;
    return nKey != VK_RETURN && nKey != VK_TAB && nKey != VK_ESCAPE;
}

BOOL CXTPCommandBars::OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_CLOSE:
        // Closing the frame under an open customize window or a running
        // customise drag would pull the bars from under them.
        if (IsCustomizeRunning())
        {
            if (pResult)
                *pResult = 0;
            return TRUE;
        }
        return FALSE;
    case WM_SYSCOLORCHANGE:
        GetColorManager()->RefreshColors();
        GetPaintManager()->RefreshMetrics();
        GetImageManager()->RefreshIcons();
        RedrawSite();
        RedrawCommandBars();
        return FALSE;
    case WM_SETTINGCHANGE:
        GetPaintManager()->RefreshMetrics();
        RedrawSite();
        RedrawCommandBars();
        return FALSE;
    case WM_IDLEUPDATECMDUI:
        UpdateFloatingBars(wParam, lParam);
        return FALSE;
    case WM_ACTIVATEAPP:
        if (!wParam)
        {
            // The release of an Alt that left with the activation comes
            // to another application.
            m_nMenuKeyAlone = 0;
            CloseAllPopups();
        }
        return FALSE;
    case WM_COMMAND:
        // Menu and accelerator commands (cut, paste, ...) go to a focused
        // edit field of the bars first.
        if (lParam == 0)
            if (CWnd* pEdit = FocusedBarEdit())
                if (pEdit->OnCmdMsg(LOWORD(wParam), CN_COMMAND, nullptr, nullptr))
                {
                    if (pResult)
                        *pResult = 1;
                    return TRUE;
                }
        return FALSE;
    case WM_SYSCOMMAND:
        // The menu key and commands of the frame's own menu keep the popups.
        if (!IsCustomizeMode() && !(wParam != 0 && LOWORD(wParam) == 0)
            && (wParam & 0xFFF0) != SC_KEYMENU)
            CloseAllPopups();
        return FALSE;
    }
    return FALSE;
}

BOOL CXTPCommandBars::PreTranslateFrameMessage(MSG* pMsg)
{
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    const BOOL bTracked = pMouseManager->GetTrackCount() > 0;
    HWND hWndSite = m_pSite ? m_pSite->GetSafeHwnd() : nullptr;
    if (TakeMenuKeyAlone(pMsg, bTracked))
        return TRUE;
    if (pMsg->message == WM_SYSKEYDOWN && (pMsg->lParam & kAltContext) && !bTracked
        && pMouseManager->GetLockCount() == 0 && hWndSite
        && CXTPKeyboardManager::IsOwnerForeground(hWndSite))
    {
        if (pMsg->wParam == VK_MENU)
        {
            m_bAltKeyTaken = FALSE;
            ShowAccessKeyUnderlines(TRUE);
            return FALSE;
        }
        const BOOL bShiftPassesOn = m_bIgnoreShiftMenuKey && ::GetKeyState(VK_SHIFT) < 0;
        const UINT nChar = LOBYTE(pMsg->wParam);
        if (!bShiftPassesOn && nChar && HandleAccessKey(nullptr, nChar))
        {
            m_bAltKeyTaken = TRUE;
            return TRUE;
        }
    }
    // The Alt release after an access key belongs to it: the window must not
    // take it for Alt pressed alone and start its own menu mode.
    if ((pMsg->message == WM_KEYUP || pMsg->message == WM_SYSKEYUP) && pMsg->wParam == VK_MENU
        && m_bAltKeyTaken)
    {
        m_bAltKeyTaken = FALSE;
        return TRUE;
    }
    // With underlines following the keyboard, the next key-up takes them away.
    if ((pMsg->message == WM_SYSKEYUP || pMsg->message == WM_KEYUP) && IsAccessKeyTracking()
        && IsAccessKeysShown() && !bTracked)
        ShowAccessKeyUnderlines(FALSE);
    // A tracked popup takes the context-menu key and Alt's release itself.
    if ((pMsg->message == WM_CONTEXTMENU || pMsg->message == WM_SYSKEYUP) && bTracked)
    {
        XTPKeyboardManager()->ProcessKeyboardHooks(WM_CONTEXTMENU, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    if (pMsg->message == WM_MOUSEWHEEL)
    {
        if (XTPKeyboardManager()->GetHandlerCount() > 0)
            return XTPKeyboardManager()->ProcessKeyboardHooks(WM_MOUSEWHEEL, pMsg->wParam, pMsg->lParam);
        if (StepRibbonTabByWheel(GetMenuBar(), pMsg))
            return TRUE;
    }
    if (IsKeyMessage(pMsg->message) && hWndSite)
    {
        // A key that is a shortcut is no menu key.
        if (!GetShortcutManager()->TranslateAccelerator(hWndSite, pMsg))
            return FALSE;
        m_nMenuKeyAlone = 0;
        return TRUE;
    }
    return FALSE;
}

BOOL CXTPCommandBars::TakeMenuKeyAlone(const MSG* pMsg, BOOL bTracked)
{
    HWND hWndSite = m_pSite ? m_pSite->GetSafeHwnd() : nullptr;
    const UINT nKey = static_cast<UINT>(pMsg->wParam);
    if (IsKeyOrButtonDown(pMsg->message))
    {
        // The menu key's own auto-repeat keeps it alone; anything else
        // makes a chord.
        if (pMsg->message == WM_SYSKEYDOWN && m_nMenuKeyAlone && nKey == m_nMenuKeyAlone)
            return FALSE;
        m_nMenuKeyAlone = 0;
        if (pMsg->message == WM_SYSKEYDOWN && !(pMsg->lParam & kPreviousDown) && !bTracked
            && IsInFamilyOf(pMsg->hwnd, hWndSite) && IsMenuKeyAlone(nKey, pMsg->lParam))
            m_nMenuKeyAlone = nKey;
        return FALSE;
    }
    if ((pMsg->message != WM_SYSKEYUP && pMsg->message != WM_KEYUP) || !m_nMenuKeyAlone
        || nKey != m_nMenuKeyAlone)
        return FALSE;
    m_nMenuKeyAlone = 0;
    // Not every control lets the release reach the system, whose menu key
    // command would follow it: the frame sends that command itself, the
    // same whichever child has the focus, and keeps the release from the
    // control so that the command comes only once.
    if (bTracked || !IsInFamilyOf(pMsg->hwnd, hWndSite)
        || !CXTPKeyboardManager::IsOwnerForeground(hWndSite))
        return FALSE;
    if (IsAccessKeyTracking() && IsAccessKeysShown())
        ShowAccessKeyUnderlines(FALSE);
    ::SendMessageA(hWndSite, WM_SYSCOMMAND, SC_KEYMENU, 0);
    return TRUE;
}
