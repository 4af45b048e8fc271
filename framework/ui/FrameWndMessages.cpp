// The frame's message bar (prompts of menu items and commands, the idle
// text), tooltip texts of its bars, key indicators, the command state of
// its menus, help hit tests and the switch to and from print preview.
#include "framework/ui/FrameWnd.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/ControlBar.h"
#include "framework/ui/Menu.h"

// ---------------------------------------------------------------------------
// Message bar

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString strFull;
    if (nID == 0 || !strFull.LoadString(nID))
    {
        rMessage.Empty();
        return;
    }
    int nEnd = strFull.Find('\n');
    rMessage = nEnd < 0 ? strFull : strFull.Left(nEnd);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, static_cast<WPARAM>(nID));
}

// wParam: a string id whose prompt is shown; lParam: the text itself.
// Answers the id shown before.
LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);

    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar == nullptr)
        return nIDLast;
    CString strMessage;
    LPCSTR lpsz = nullptr;
    if (lParam != 0)
    {
        lpsz = reinterpret_cast<LPCSTR>(lParam);
    }
    else if (wParam != 0)
    {
        GetMessageString(static_cast<UINT>(wParam), strMessage);
        lpsz = strMessage;
    }
    pMessageBar->SetWindowText(lpsz != nullptr ? lpsz : "");
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    if (wParam == 0 && lParam == 0)
        wParam = AFX_IDS_IDLEMESSAGE;
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == nullptr)
    {
        // The menu closed.
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    }
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
    {
        m_nIDTracking = 0;
    }
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
    {
        // System commands have their prompts in a block of their own.
        m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4);
    }
    else
    {
        m_nIDTracking = nItemID;
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

// ---------------------------------------------------------------------------
// Menu command state

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pMenu == nullptr)
        return;
    // The system menu opened from the caption's context menu arrives without
    // its flag: known by its handle, its entries keep the state they have.
    if (pMenu->m_hMenu == ::GetSystemMenu(m_hWnd, FALSE))
        return;

    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = static_cast<UINT>(pMenu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue;   // separator
        if (state.m_nID == static_cast<UINT>(-1))
        {
            // A popup: its first item's handler decides; popups are never
            // disabled for lack of a handler.
            state.m_pSubMenu = pMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (state.m_pSubMenu == nullptr)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(this, FALSE);
        }
        else
        {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }

        // A handler may have added or removed items (the recent files).
        UINT nCount = static_cast<UINT>(pMenu->GetMenuItemCount());
        if (nCount < state.m_nIndexMax)
        {
            state.m_nIndex -= state.m_nIndexMax - nCount;
            while (state.m_nIndex < nCount
                   && pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}

// ---------------------------------------------------------------------------
// Tooltips, indicators, help

// The tooltip of a command is its string's text after "\n".
BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pTTTA = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    auto* pTTTW = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    BOOL bAnsi = pNMHDR->code == TTN_GETDISPINFOA;
    UINT uFlags = bAnsi ? pTTTA->uFlags : pTTTW->uFlags;
    UINT_PTR nID = pNMHDR->idFrom;
    if (uFlags & TTF_IDISHWND)
        nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));

    CString strTipText;
    if (nID != 0)
    {
        CString strFull;
        if (!strFull.LoadString(static_cast<UINT>(nID)))
            return FALSE;
        int nStart = strFull.Find('\n');
        if (nStart >= 0)
            strTipText = strFull.Mid(nStart + 1);
    }
    if (bAnsi)
    {
        lstrcpynA(pTTTA->szText, strTipText, static_cast<int>(sizeof(pTTTA->szText)));
    }
    else
    {
        int nChars = static_cast<int>(sizeof(pTTTW->szText) / sizeof(WCHAR));
        if (::MultiByteToWideChar(CP_ACP, 0, strTipText, -1, pTTTW->szText, nChars) == 0)
            pTTTW->szText[nChars - 1] = L'\0';
    }
    *pResult = 0;
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVK = 0;
    switch (pCmdUI->m_nID)
    {
    case ID_INDICATOR_CAPS:
        nVK = VK_CAPITAL;
        break;
    case ID_INDICATOR_NUM:
        nVK = VK_NUMLOCK;
        break;
    case ID_INDICATOR_SCRL:
        nVK = VK_SCROLL;
        break;
    case ID_INDICATOR_KANA:
        nVK = VK_KANA;
        break;
    default:
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->Enable((::GetKeyState(nVK) & 1) != 0);
}

LRESULT CFrameWnd::OnHelpHitTest(WPARAM, LPARAM)
{
    return m_nIDHelp != 0 ? static_cast<LRESULT>(HID_BASE_RESOURCE + m_nIDHelp) : 0;
}

// ---------------------------------------------------------------------------
// Print preview

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    // The frame's own bars (ids 0xE800..0xE81F) are hidden for the preview
    // and come back as they were.
    DWORD dwOldStates = 0;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr)
    {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd == nullptr)
            continue;
        UINT nID = static_cast<UINT>(pBar->GetDlgCtrlID());
        if (nID < AFX_IDW_CONTROLBAR_FIRST || nID > AFX_IDW_CONTROLBAR_FIRST + 31)
            continue;
        DWORD dwMask = 1UL << (nID - AFX_IDW_CONTROLBAR_FIRST);
        if (pBar->IsVisible())
            dwOldStates |= dwMask;
        ShowControlBar(pBar, (pState->dwStates & dwMask) != 0, TRUE);
    }
    pState->dwStates = dwOldStates;

    if (bPreview)
    {
        m_lpfnCloseProc = pState->lpfnCloseProc;
        if (HWND hWndPane = ::GetDlgItem(m_hWnd, static_cast<int>(pState->nIDMainPane)))
            ::ShowWindow(hWndPane, SW_HIDE);
        pState->hMenu = ::GetMenu(m_hWnd);
        if (pState->hMenu != nullptr)
        {
            Invalidate();
            ::SetMenu(m_hWnd, nullptr);
            m_nIdleFlags &= ~idleMenu;
        }
        pState->hAccelTable = m_hAccelTable;
        m_hAccelTable = nullptr;
        // The preview's own pane takes the main pane's id.
        if (HWND hWndPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
            ::SetWindowLongA(hWndPane, GWL_ID, AFX_IDW_PANE_SAVE);
        pState->pViewActiveOld = m_pViewActive;
    }
    else
    {
        m_lpfnCloseProc = nullptr;
        if (HWND hWndSaved = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_SAVE))
        {
            if (HWND hWndPreview = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
                ::SetWindowLongA(hWndPreview, GWL_ID, AFX_IDW_PANE_SAVE);
            ::SetWindowLongA(hWndSaved, GWL_ID, AFX_IDW_PANE_FIRST);
        }
        if (pState->hMenu != nullptr)
        {
            Invalidate();
            ::SetMenu(m_hWnd, pState->hMenu);
        }
        RecalcLayout();
        if (HWND hWndPane = ::GetDlgItem(m_hWnd, static_cast<int>(pState->nIDMainPane)))
            ::ShowWindow(hWndPane, SW_SHOW);
        m_hAccelTable = pState->hAccelTable;
    }
}
