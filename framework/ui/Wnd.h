// CWnd: the wrapper of one window. A CWnd that created, attached or
// subclassed its window is the window's permanent object on this thread and
// receives its messages through the message map; every other window can be
// reached through a temporary CWnd from FromHandle that borrows the handle
// until the thread next goes idle.
//
// Messages reach a permanent CWnd through its window procedure, which is
// replaced at creation (a thread CBT hook catches the window before
// WM_NCCREATE) or by SubclassWindow; Default and DefWindowProc pass them to
// the procedure that was there before. A parent reflects control
// notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLORxxx, WM_DRAWITEM,
// WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM, WM_HSCROLL/WM_VSCROLL from
// a control) to the control's own CWnd first and acts only when it declines.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"
#include "framework/ui/HandleMap.h"

#include <commctrl.h>

class CWnd;
class CDC;
class CFont;
class CMenu;
class CRgn;
class CScrollBar;
class CFrameWnd;
class CDataExchange;
struct CCreateContext;

// Private framework messages.
#define WM_SIZEPARENT       0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI  0x0363
#define WM_INITIALUPDATE    0x0364
#define WM_HELPHITTEST      0x0366
#define WM_KICKIDLE         0x036A
#define WM_FLOATSTATUS      0x036D
#define WM_POPMESSAGESTRING 0x0375

// How the window handle map makes and lets go of temporary wrappers.
struct CWndHandleTraits
{
    static CWnd* NewTemporary(HWND hWnd);
    static void DeleteTemporary(CWnd* pWnd);
};
using CWndHandleMap = CHandleMap<HWND, CWnd, CWndHandleTraits>;

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    // The owner set by SetOwner (null: the window's parent or owner).
    HWND m_hWndOwner = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const;
    bool operator==(const CWnd& wnd) const { return m_hWnd == wnd.m_hWnd; }
    bool operator!=(const CWnd& wnd) const { return m_hWnd != wnd.m_hWnd; }

    // Insert-after values for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // ---- handle maps ----
    // The permanent CWnd of hWnd, else a temporary one freed at idle time.
    static CWnd* FromHandle(HWND hWnd);
    // The permanent CWnd of hWnd on this thread, else null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    // Makes this the permanent CWnd of hWnd without subclassing it (FALSE
    // when hWnd already has one).
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    // ---- creation and destruction ----
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight,
                          HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                  DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                  LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    // Adjusts the creation parameters; FALSE cancels the creation.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // Routes an existing window's messages through this CWnd.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Gives the window its original procedure back and detaches.
    HWND UnsubclassWindow();
    virtual void PreSubclassWindow();
    // Called after the window is gone (WM_NCDESTROY); windows that are
    // allocated per window (views, frames) delete themselves here.
    virtual void PostNcDestroy();

    // ---- message dispatch ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the current message.
    LRESULT Default();
    // The message being processed on this thread (writable: hooks that run
    // window procedures themselves record their message here).
    static MSG* GetCurrentMessage();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to PreTranslateMessage of each permanent CWnd from
    // pMsg->hwnd up through its parents, up to hWndStop; TRUE when one took it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message the parent reflects to this control; TRUE: handled here.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Hands a message of the parent to the permanent CWnd of hWndChild.
    static BOOL ReflectMsgToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                                  LRESULT* pResult);
    // Reflects the current message to hWndChild.
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE) const;
    static void SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         BOOL bDeep, BOOL bOnlyPerm);

    // ---- styles ----
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // nFlags != 0: SetWindowPos with these flags (plus no move/size/z-order)
    // so the frame is redrawn.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // ---- relatives ----
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    // The nearest ancestor or owner that is not a child window.
    CWnd* GetParentOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    // The nearest parent that is a frame window, null when none.
    CFrameWnd* GetParentFrame() const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    // A descendant with the control id nID, depth first (bOnlyPerm: only
    // windows with a permanent CWnd).
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    static CWnd* GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm);
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetTopWindow() const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsChild(const CWnd* pWnd) const;
    static CWnd* FindWindow(LPCSTR lpszClassName, LPCSTR lpszWindowName);
    static CWnd* GetDesktopWindow();
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* GetForegroundWindow();
    BOOL SetForegroundWindow();
    void BringWindowToTop();

    // ---- focus, capture, caret ----
    static CWnd* GetFocus();
    CWnd* SetFocus();
    static CWnd* GetCapture();
    CWnd* SetCapture();
    static BOOL ReleaseCapture();
    void HideCaret();
    void ShowCaret();

    // ---- geometry ----
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // Centres over the owner (or pAlternateOwner), else over the work area,
    // and keeps the window on the screen.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    // The window takes ownership of hRgn.
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
    // The child window under a client point, skipping hidden ones.
    CWnd* ChildWindowFromPoint(POINT point, UINT nFlags = CWP_SKIPINVISIBLE) const;
    static CWnd* WindowFromPoint(POINT point);

    // ---- painting and visibility ----
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void UpdateWindow();
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void DragAcceptFiles(BOOL bAccept = TRUE);

    // ---- text, font, icon, menu ----
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    CMenu* GetSystemMenu(BOOL bRevert) const;
    void DrawMenuBar();

    // ---- timers ----
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // ---- scrolling ----
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);

    // ---- message boxes, help, tooltips, data exchange ----
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    // The child window under point as a tool (TTF_IDISHWND): its id, or -1.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // Moves data between the controls and the members through
    // DoDataExchange; FALSE when a field fails validation. Both bodies live
    // beside CDataExchange (DataExchange.cpp).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

protected:
    // The procedure that Default and DefWindowProc call: the one this CWnd
    // replaced when it subclassed the window (null: ::DefWindowProc).
    WNDPROC m_pfnSuper = nullptr;

    enum { WF_TOOLTIPS = 0x0001 };
    DWORD m_nFlags = 0;
    // Shows the tooltip of the tool under the mouse (EnableToolTips).
    void FilterToolTipMessage(MSG* pMsg);

    // Default handlers: each passes the message on to Default().
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnClose();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    afx_msg void OnDevModeChange(LPSTR lpDeviceName);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnFontChange();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMove(int x, int y);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    // Also forgets the handle and calls PostNcDestroy.
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg BOOL OnQueryEndSession();
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT nSide, LPRECT lpRect);
    afx_msg void OnSysColorChange();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnTimeChange();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);

    DECLARE_MESSAGE_MAP()

private:
    explicit CWnd(HWND hWndStatic);
    friend struct CWndHandleTraits;
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
    friend LRESULT AFXAPI AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    // Forgets the handle once the window is gone, then PostNcDestroy.
    void FinishNcDestroy();
};

// The window procedure of every permanent CWnd.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The thread's CBT hook while a CWnd creates its window.
LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
// pWnd becomes the object of the next window created on this thread, before
// that window's first message: CreateEx uses it, and so do dialogs whose
// windows the system creates (CreateDialogIndirect, the common dialogs).
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
// Removes the hook; TRUE when it attached a window since AfxHookWindowCreate.
BOOL AFXAPI AfxUnhookWindowCreate();
// Calls pWnd->WindowProc with the thread's current message recorded.
LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The nearest ancestor or owner of hWnd that is not a child window.
HWND AFXAPI AfxGetParentOwner(HWND hWnd);
