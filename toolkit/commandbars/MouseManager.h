// CXTPMouseManager: the thread's mouse services for the command bars. This
// part holds what does not need the bars: the lock count of modal mouse
// loops, the trusted windows (clicks in them do not end popup tracking),
// the flag that swallows the left button-up after a popup starts tracking,
// the thread's mouse hook, and the mouse-leave watch (a 50 ms timer that
// posts WM_MOUSELEAVE when the cursor has left the watched window), the
// bars being tracked (in the order they started) and the hot bar, the one
// bar of the thread that shows a selected control.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/ProcessLocal.h"

class CXTPCommandBar;

class CXTPMouseManager : public CNoTrackObject
{
public:
    // The id of the mouse-leave timer.
    enum { idMouseLeaveTimer = 113341 };

    // Installs the thread's mouse hook and links the keyboard manager's Alt
    // and deactivation handling to the tracked bars.
    CXTPMouseManager();
    // Removes the hook and stops the mouse-leave watch.
    ~CXTPMouseManager() override;
    CXTPMouseManager(const CXTPMouseManager&) = delete;
    CXTPMouseManager& operator=(const CXTPMouseManager&) = delete;

    // The lock count of modal mouse loops; never below 0.
    void LockTracking(BOOL bLock);
    int GetLockCount() const { return m_nLock; }

    void AddTrustedWindow(HWND hWnd);
    void RemoveTrustedWindow(HWND hWnd);
    // TRUE when the screen point lies in a trusted window that exists and is
    // visible.
    BOOL IsTrustedPoint(POINT ptScreen) const;

    // The next left button-up is eaten (a popup starts tracking).
    void SetSwallowButtonUp(BOOL bSwallow) { m_bSwallowButtonUp = bSwallow; }
    BOOL IsSwallowButtonUp() const { return m_bSwallowButtonUp; }
    BOOL IsMouseHooked() const { return m_hHookMouse != nullptr; }

    // Watches the window until the cursor leaves it; the window watched
    // before gets WM_MOUSELEAVE at once.
    void TrackMouseLeave(HWND hWnd);
    HWND GetMouseLeaveWindow() const { return m_hWndLeaveTrack; }

    // The tracked bars. The first bar to be tracked clears the selection
    // of the hot bar when that is another bar; the last one out posts a
    // fresh mouse move (the cursor set to where it is).
    void SetTrack(CXTPCommandBar* pBar);
    void RemoveTrack(CXTPCommandBar* pBar);
    BOOL IsTracked(const CXTPCommandBar* pBar) const;
    INT_PTR GetTrackCount() const { return m_arrTracked.GetSize(); }
    CXTPCommandBar* GetTrackAt(INT_PTR nIndex) const { return m_arrTracked[nIndex]; }
    // Every tracked bar leaves tracking, the first one first; a bar that
    // does not remove itself is dropped.
    void SendTrackLost();
    // TRUE while bars are tracked and the bar is null, locked or not tracked.
    BOOL IsTrackingBlocked(const CXTPCommandBar* pBar) const;
    // The bar with the hot control (null: none).
    void SetSelected(CXTPCommandBar* pBar) { m_pSelected = pBar; }
    CXTPCommandBar* GetSelected() const { return m_pSelected; }
    // Once one menu was expanded to show every command, later menus open
    // expanded until no bar tracks any more.
    BOOL IsMenusExpanded() const { return m_bMenusExpanded; }
    void SetMenusExpanded(BOOL bExpanded) { m_bMenusExpanded = bExpanded; }
    // The bars left tracking when the first tracked bar is locked (a modal
    // loop runs in it): every tracked bar that is not locked leaves.
    void SendTrackLostRecurse();
    // Raises (or lowers) the lock count of every tracked bar.
    void LockTrackRecurse(BOOL bLock);
    // Elements that track the keyboard or mouse beside the bars (a combo
    // box or edit with the focus, an open combo list): while there are any,
    // other bars treat the thread as tracking popups. Never below 0.
    void AddTrackedElement() { ++m_nTrackedElements; }
    void RemoveTrackedElement() { m_nTrackedElements -= m_nTrackedElements > 0 ? 1 : 0; }
    int GetTrackedElementCount() const { return m_nTrackedElements; }
    BOOL IsTrackingPopups() const { return !m_arrTracked.IsEmpty() || m_nTrackedElements > 0; }
    // A mouse message the hook saw while bars track (screen point): a press
    // outside every tracked bar and trusted window closes them, a move
    // reaches the bars that are not locked.
    void OnTrackedMouseMessage(UINT nMessage, POINT ptScreen);
    // A bar going away forgets itself.
    void RemoveBar(CXTPCommandBar* pBar);

    // The hook and timer procedures, called by the system for this thread.
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
    static VOID CALLBACK MouseLeaveTimerProc(HWND hWnd, UINT nMessage, UINT_PTR nIDEvent,
                                             DWORD dwTime);

private:
    // One tick of the watch on the window.
    void CheckMouseLeave(HWND hWnd, UINT_PTR nIDEvent);

    int m_nLock;
    BOOL m_bSwallowButtonUp;
    HHOOK m_hHookMouse;
    HWND m_hWndLeaveTrack;
    CArray<HWND, HWND> m_arrTrusted;
    CArray<CXTPCommandBar*, CXTPCommandBar*> m_arrTracked;
    CXTPCommandBar* m_pSelected;
    BOOL m_bMenusExpanded;
    int m_nTrackedElements;
    // The last point the hook saw, for all threads.
    static POINT s_ptLastMouse;
};

// The calling thread's mouse manager, made on first use.
CXTPMouseManager* AFXAPI XTPMouseManager();
