// Message maps: static tables from window messages, commands and
// notifications to member functions, each chained to its base class's table.
//
//     // in the class:            DECLARE_MESSAGE_MAP()
//     // in the .cpp:
//     BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//         ON_WM_SIZE()
//         ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
//     END_MESSAGE_MAP()
//
// Every entry holds a small adapter (a captureless lambda made by the macro)
// that unpacks the message and calls the handler with its exact signature; a
// handler of the wrong type does not compile. The signature each macro wants
// stands beside its definition.
//
// Adapters share one shape, AFX_PMSG(pTarget, wParam, lParam):
//   - window messages: the message's wParam/lParam; returns the result;
//   - commands and notifications (matched by OnCmdMsg): wParam = command id,
//     lParam = OnCmdMsg's pExtra (CCmdUI* for updates, AFX_NOTIFY* for
//     notifications); returns TRUE when handled (only _EX handlers decline).
//
// A window-message adapter names CWnd, and the CDC/CMenu adapters call
// AfxWrapDC/AfxWrapMenu: the file holding a window's map includes Wnd.h.
#pragma once

#include "framework/core/AfxWin.h"

#include <commctrl.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CPoint;

// Reflected messages travel to the child as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00

// Command codes of OnCmdMsg. Any other code is MAKELONG(notification code,
// message) with message 0 meaning WM_COMMAND; a low word of 0xFFFF asks the
// update handlers of that message (0xBD11FFFF: reflected update handlers).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

using AFX_PMSG = LRESULT (*)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

enum AfxEntryKind : UINT
{
    AfxEntry_End = 0,
    AfxEntry_Message,     // window message nMessage
    AfxEntry_Registered,  // window message *pnRegistered
    AfxEntry_Command,     // OnCmdMsg: nMessage, nCode, nID..nLastID
    AfxEntry_Update,      // OnCmdMsg with code 0xFFFF: pExtra is a CCmdUI*
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    UINT nKind;                  // AfxEntryKind
    const UINT* pnRegistered;    // AfxEntry_Registered only
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// OnCmdMsg's pExtra for WM_NOTIFY routing.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// OnCmdMsg's probe: a non-null record asks who would handle a command.
// OnCmdMsg fills it and returns TRUE without calling the handler;
// pmf(pTarget, nID, (LPARAM)pExtra) would run it.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// lParam of a WM_CTLCOLOR entry: the WM_CTLCOLORxxx message folded into one.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;   // CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC
};

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Handlers are marked afx_msg in class declarations, as a hint to readers.
#define afx_msg

// Wrappers an adapter hands to handlers (defined beside the window class).
CDC* AFXAPI AfxWrapDC(HDC hDC);
CMenu* AFXAPI AfxWrapMenu(HMENU hMenu);
CWnd* AFXAPI AfxWrapWnd(HWND hWnd);

// Calls a handler of class T through a member pointer whose type must be
// exactly Sig (the handler may live in a base class of T).
template <class T, class Sig, class C, class... Args>
inline auto AfxCallHandler(CCmdTarget* pTarget, Sig C::*pmf, Args... args)
{
    T* pThis = static_cast<T*>(pTarget);
    return (pThis->*pmf)(args...);
}

// ---------------------------------------------------------------------------
// The map itself

#define DECLARE_MESSAGE_MAP()                                \
protected:                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();            \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const                 \
    { return GetThisMessageMap(); }                                   \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                   \
    {                                                                 \
        using ThisClass [[maybe_unused]] = theClass;                  \
        using TheBaseClass = baseClass;                               \
        static const AFX_MSGMAP_ENTRY s_entries[] = {

#define END_MESSAGE_MAP()                                             \
            { 0, 0, 0, 0, AfxEntry_End, nullptr, nullptr } };         \
        static const AFX_MSGMAP s_map =                               \
            { &TheBaseClass::GetThisMessageMap, &s_entries[0] };      \
        return &s_map;                                                \
    }

// Building blocks of the entry macros.
#define AFX_ADAPTER(...) \
    [](CCmdTarget* pT_, [[maybe_unused]] WPARAM wP_, [[maybe_unused]] LPARAM lP_) -> LRESULT \
    { __VA_ARGS__ }
#define AFX_WM_ENTRY(msg, ...) \
    { (UINT)(msg), 0, 0, 0, AfxEntry_Message, nullptr, AFX_ADAPTER(__VA_ARGS__) },
#define AFX_CMD_ENTRY(msg, code, id, lastId, ...)                                \
    { (UINT)(msg), (UINT)(WORD)(code), (UINT)(id), (UINT)(lastId), AfxEntry_Command, \
      nullptr, AFX_ADAPTER(__VA_ARGS__) },
#define AFX_UPDATE_ENTRY(msg, id, lastId, memberFxn)                                  \
    { (UINT)(msg), 0xFFFF, (UINT)(id), (UINT)(lastId), AfxEntry_Update, nullptr,       \
      AFX_ADAPTER(AFX_CALL(void(CCmdUI*), memberFxn, reinterpret_cast<CCmdUI*>(lP_)); return TRUE;) },
#define AFX_CALL(sig, fn, ...) AfxCallHandler<ThisClass, sig>(pT_, &ThisClass::fn, ##__VA_ARGS__)
#define AFX_PT_ CPoint((int)(short)LOWORD(lP_), (int)(short)HIWORD(lP_))
#define AFX_NOTIFY_ (reinterpret_cast<AFX_NOTIFY*>(lP_))

// ---------------------------------------------------------------------------
// Commands and command updates

// void memberFxn()
#define ON_COMMAND(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AFX_CALL(void(), memberFxn); return TRUE;)
// BOOL memberFxn(UINT nID): FALSE lets routing go on
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, return AFX_CALL(BOOL(UINT), memberFxn, (UINT)wP_);)
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AFX_CALL(void(UINT), memberFxn, (UINT)wP_); return TRUE;)
// BOOL memberFxn(UINT nID)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, return AFX_CALL(BOOL(UINT), memberFxn, (UINT)wP_);)
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) AFX_UPDATE_ENTRY(WM_COMMAND, id, id, memberFxn)
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    AFX_UPDATE_ENTRY(WM_COMMAND, id, idLast, memberFxn)
// void memberFxn(CCmdUI* pCmdUI): the broadcast OnCmdMsg(0, 0xBD11FFFF, pCmdUI)
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
    AFX_UPDATE_ENTRY(WM_REFLECT_BASE + WM_COMMAND, 0, 0, memberFxn)

// ---------------------------------------------------------------------------
// Control notifications (WM_COMMAND from a child control)

// void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, id, AFX_CALL(void(), memberFxn); return TRUE;)
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, idLast, AFX_CALL(void(UINT), memberFxn, (UINT)wP_); return TRUE;)
// void memberFxn(), in the control's own map
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, AFX_CALL(void(), memberFxn); return TRUE;)
// BOOL memberFxn(): FALSE lets the parent act too
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, return AFX_CALL(BOOL(), memberFxn);)

// void memberFxn() for each of these
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)

// ---------------------------------------------------------------------------
// WM_NOTIFY

// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, \
        AFX_CALL(void(NMHDR*, LRESULT*), memberFxn, AFX_NOTIFY_->pNMHDR, AFX_NOTIFY_->pResult); return TRUE;)
// void memberFxn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, \
        AFX_CALL(void(UINT, NMHDR*, LRESULT*), memberFxn, (UINT)wP_, AFX_NOTIFY_->pNMHDR, \
                 AFX_NOTIFY_->pResult); return TRUE;)
// BOOL memberFxn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult): FALSE routes on
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, \
        return AFX_CALL(BOOL(UINT, NMHDR*, LRESULT*), memberFxn, (UINT)wP_, AFX_NOTIFY_->pNMHDR, \
                        AFX_NOTIFY_->pResult);)
// BOOL memberFxn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, \
        return AFX_CALL(BOOL(UINT, NMHDR*, LRESULT*), memberFxn, (UINT)wP_, AFX_NOTIFY_->pNMHDR, \
                        AFX_NOTIFY_->pResult);)
// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult), in the control's own map
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, \
        AFX_CALL(void(NMHDR*, LRESULT*), memberFxn, AFX_NOTIFY_->pNMHDR, AFX_NOTIFY_->pResult); return TRUE;)
// BOOL memberFxn(NMHDR* pNMHDR, LRESULT* pResult): FALSE lets the parent act too
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, \
        return AFX_CALL(BOOL(NMHDR*, LRESULT*), memberFxn, AFX_NOTIFY_->pNMHDR, AFX_NOTIFY_->pResult);)

// ---------------------------------------------------------------------------
// Any message

// LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn) \
    AFX_WM_ENTRY(message, return AFX_CALL(LRESULT(WPARAM, LPARAM), memberFxn, wP_, lP_);)
// LRESULT memberFxn(WPARAM wParam, LPARAM lParam); nMessageVariable holds
// the number RegisterWindowMessage gave
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                           \
    { 0, 0, 0, 0, AfxEntry_Registered, &nMessageVariable,                           \
      AFX_ADAPTER(return AFX_CALL(LRESULT(WPARAM, LPARAM), memberFxn, wP_, lP_);) },

// ---------------------------------------------------------------------------
// Window messages, each to its fixed handler name

// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, AFX_CALL(void(UINT, CWnd*, BOOL), OnActivate, \
    (UINT)LOWORD(wP_), AfxWrapWnd((HWND)lP_), (BOOL)HIWORD(wP_)); return 0;)
// void OnActivateApp(BOOL bActive, DWORD dwThreadID)
#define ON_WM_ACTIVATEAPP() AFX_WM_ENTRY(WM_ACTIVATEAPP, AFX_CALL(void(BOOL, DWORD), OnActivateApp, \
    (BOOL)wP_, (DWORD)lP_); return 0;)
// void OnCancelMode()
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AFX_CALL(void(), OnCancelMode); return 0;)
// void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, \
    AFX_CALL(void(CWnd*), OnCaptureChanged, AfxWrapWnd((HWND)lP_)); return 0;)
// void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AFX_CALL(void(UINT, UINT, UINT), OnChar, \
    (UINT)wP_, (UINT)LOWORD(lP_), (UINT)HIWORD(lP_)); return 0;)
// void OnClose()
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AFX_CALL(void(), OnClose); return 0;)
// void OnContextMenu(CWnd* pWnd, CPoint pos)   (pos -1,-1 from the keyboard)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AFX_CALL(void(CWnd*, CPoint), OnContextMenu, \
    AfxWrapWnd((HWND)wP_), AFX_PT_); return 0;)
// int OnCreate(LPCREATESTRUCT lpCreateStruct): -1 fails the creation
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, \
    return (LRESULT)AFX_CALL(int(LPCREATESTRUCT), OnCreate, (LPCREATESTRUCT)lP_);)
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)   (every WM_CTLCOLORxxx)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, \
    const AFX_CTLCOLOR* pCtl_ = reinterpret_cast<const AFX_CTLCOLOR*>(lP_); \
    return (LRESULT)AFX_CALL(HBRUSH(CDC*, CWnd*, UINT), OnCtlColor, AfxWrapDC(pCtl_->hDC), \
        AfxWrapWnd(pCtl_->hWnd), pCtl_->nCtlType);)
// void OnDestroy()
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AFX_CALL(void(), OnDestroy); return 0;)
// void OnDevModeChange(LPSTR lpDeviceName)
#define ON_WM_DEVMODECHANGE() AFX_WM_ENTRY(WM_DEVMODECHANGE, \
    AFX_CALL(void(LPSTR), OnDevModeChange, (LPSTR)lP_); return 0;)
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AFX_CALL(void(int, LPDRAWITEMSTRUCT), OnDrawItem, \
    (int)wP_, (LPDRAWITEMSTRUCT)lP_); return TRUE;)
// void OnDropFiles(HDROP hDropInfo)
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, AFX_CALL(void(HDROP), OnDropFiles, (HDROP)wP_); return 0;)
// void OnEnable(BOOL bEnable)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AFX_CALL(void(BOOL), OnEnable, (BOOL)wP_); return 0;)
// void OnEndSession(BOOL bEnding)
#define ON_WM_ENDSESSION() AFX_WM_ENTRY(WM_ENDSESSION, AFX_CALL(void(BOOL), OnEndSession, (BOOL)wP_); return 0;)
// BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, \
    return AFX_CALL(BOOL(CDC*), OnEraseBkgnd, AfxWrapDC((HDC)wP_));)
// void OnFontChange()
#define ON_WM_FONTCHANGE() AFX_WM_ENTRY(WM_FONTCHANGE, AFX_CALL(void(), OnFontChange); return 0;)
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, return (LRESULT)AFX_CALL(UINT(), OnGetDlgCode);)
// void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, \
    AFX_CALL(void(MINMAXINFO*), OnGetMinMaxInfo, (MINMAXINFO*)lP_); return 0;)
// BOOL OnHelpInfo(HELPINFO* pHelpInfo)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELP, return AFX_CALL(BOOL(HELPINFO*), OnHelpInfo, (HELPINFO*)lP_);)
// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AFX_CALL(void(UINT, UINT, CScrollBar*), OnHScroll, \
    (UINT)LOWORD(wP_), (UINT)(short)HIWORD(wP_), reinterpret_cast<CScrollBar*>(AfxWrapWnd((HWND)lP_))); return 0;)
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, AFX_CALL(void(CMenu*, UINT, BOOL), \
    OnInitMenuPopup, AfxWrapMenu((HMENU)wP_), (UINT)LOWORD(lP_), (BOOL)HIWORD(lP_)); return 0;)
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AFX_CALL(void(UINT, UINT, UINT), OnKeyDown, \
    (UINT)wP_, (UINT)LOWORD(lP_), (UINT)HIWORD(lP_)); return 0;)
// void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AFX_CALL(void(UINT, UINT, UINT), OnKeyUp, \
    (UINT)wP_, (UINT)LOWORD(lP_), (UINT)HIWORD(lP_)); return 0;)
// void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, \
    AFX_CALL(void(CWnd*), OnKillFocus, AfxWrapWnd((HWND)wP_)); return 0;)
// void OnLButtonDblClk(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, \
    AFX_CALL(void(UINT, CPoint), OnLButtonDblClk, (UINT)wP_, AFX_PT_); return 0;)
// void OnLButtonDown(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, \
    AFX_CALL(void(UINT, CPoint), OnLButtonDown, (UINT)wP_, AFX_PT_); return 0;)
// void OnLButtonUp(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, \
    AFX_CALL(void(UINT, CPoint), OnLButtonUp, (UINT)wP_, AFX_PT_); return 0;)
// void OnMButtonDown(UINT nFlags, CPoint point)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, \
    AFX_CALL(void(UINT, CPoint), OnMButtonDown, (UINT)wP_, AFX_PT_); return 0;)
// void OnMButtonUp(UINT nFlags, CPoint point)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, \
    AFX_CALL(void(UINT, CPoint), OnMButtonUp, (UINT)wP_, AFX_PT_); return 0;)
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, AFX_CALL(void(int, LPMEASUREITEMSTRUCT), \
    OnMeasureItem, (int)wP_, (LPMEASUREITEMSTRUCT)lP_); return TRUE;)
// void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
#define ON_WM_MENUSELECT() AFX_WM_ENTRY(WM_MENUSELECT, AFX_CALL(void(UINT, UINT, HMENU), OnMenuSelect, \
    (UINT)LOWORD(wP_), (UINT)HIWORD(wP_), (HMENU)lP_); return 0;)
// int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, \
    return (LRESULT)AFX_CALL(int(CWnd*, UINT, UINT), OnMouseActivate, AfxWrapWnd((HWND)wP_), \
        (UINT)LOWORD(lP_), (UINT)HIWORD(lP_));)
// void OnMouseMove(UINT nFlags, CPoint point)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, \
    AFX_CALL(void(UINT, CPoint), OnMouseMove, (UINT)wP_, AFX_PT_); return 0;)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)   (pt in screen coordinates)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, return AFX_CALL(BOOL(UINT, short, CPoint), \
    OnMouseWheel, (UINT)LOWORD(wP_), (short)HIWORD(wP_), AFX_PT_);)
// void OnMove(int x, int y)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AFX_CALL(void(int, int), OnMove, \
    (int)(short)LOWORD(lP_), (int)(short)HIWORD(lP_)); return 0;)
// BOOL OnNcActivate(BOOL bActive)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, return AFX_CALL(BOOL(BOOL), OnNcActivate, (BOOL)wP_);)
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, AFX_CALL(void(BOOL, NCCALCSIZE_PARAMS*), \
    OnNcCalcSize, (BOOL)wP_, (NCCALCSIZE_PARAMS*)lP_); return 0;)
// BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct)
#define ON_WM_NCCREATE() AFX_WM_ENTRY(WM_NCCREATE, \
    return AFX_CALL(BOOL(LPCREATESTRUCT), OnNcCreate, (LPCREATESTRUCT)lP_);)
// void OnNcDestroy()
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AFX_CALL(void(), OnNcDestroy); return 0;)
// LRESULT OnNcHitTest(CPoint point)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, return AFX_CALL(LRESULT(CPoint), OnNcHitTest, AFX_PT_);)
// void OnNcLButtonDblClk(UINT nHitTest, CPoint point)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, \
    AFX_CALL(void(UINT, CPoint), OnNcLButtonDblClk, (UINT)wP_, AFX_PT_); return 0;)
// void OnNcLButtonDown(UINT nHitTest, CPoint point)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, \
    AFX_CALL(void(UINT, CPoint), OnNcLButtonDown, (UINT)wP_, AFX_PT_); return 0;)
// void OnNcLButtonUp(UINT nHitTest, CPoint point)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, \
    AFX_CALL(void(UINT, CPoint), OnNcLButtonUp, (UINT)wP_, AFX_PT_); return 0;)
// void OnNcMouseMove(UINT nHitTest, CPoint point)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, \
    AFX_CALL(void(UINT, CPoint), OnNcMouseMove, (UINT)wP_, AFX_PT_); return 0;)
// void OnNcRButtonDown(UINT nHitTest, CPoint point)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_ENTRY(WM_NCRBUTTONDOWN, \
    AFX_CALL(void(UINT, CPoint), OnNcRButtonDown, (UINT)wP_, AFX_PT_); return 0;)
// void OnNcPaint()
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AFX_CALL(void(), OnNcPaint); return 0;)
// void OnPaint()
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AFX_CALL(void(), OnPaint); return 0;)
// void OnPaletteChanged(CWnd* pFocusWnd)
#define ON_WM_PALETTECHANGED() AFX_WM_ENTRY(WM_PALETTECHANGED, \
    AFX_CALL(void(CWnd*), OnPaletteChanged, AfxWrapWnd((HWND)wP_)); return 0;)
// BOOL OnQueryEndSession()
#define ON_WM_QUERYENDSESSION() AFX_WM_ENTRY(WM_QUERYENDSESSION, return AFX_CALL(BOOL(), OnQueryEndSession);)
// BOOL OnQueryNewPalette()
#define ON_WM_QUERYNEWPALETTE() AFX_WM_ENTRY(WM_QUERYNEWPALETTE, return AFX_CALL(BOOL(), OnQueryNewPalette);)
// void OnRButtonDblClk(UINT nFlags, CPoint point)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, \
    AFX_CALL(void(UINT, CPoint), OnRButtonDblClk, (UINT)wP_, AFX_PT_); return 0;)
// void OnRButtonDown(UINT nFlags, CPoint point)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, \
    AFX_CALL(void(UINT, CPoint), OnRButtonDown, (UINT)wP_, AFX_PT_); return 0;)
// void OnRButtonUp(UINT nFlags, CPoint point)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, \
    AFX_CALL(void(UINT, CPoint), OnRButtonUp, (UINT)wP_, AFX_PT_); return 0;)
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, return AFX_CALL(BOOL(CWnd*, UINT, UINT), OnSetCursor, \
    AfxWrapWnd((HWND)wP_), (UINT)LOWORD(lP_), (UINT)HIWORD(lP_));)
// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, \
    AFX_CALL(void(CWnd*), OnSetFocus, AfxWrapWnd((HWND)wP_)); return 0;)
// void OnSettingChange(UINT uFlags, LPCSTR lpszSection)
#define ON_WM_SETTINGCHANGE() AFX_WM_ENTRY(WM_SETTINGCHANGE, \
    AFX_CALL(void(UINT, LPCSTR), OnSettingChange, (UINT)wP_, (LPCSTR)lP_); return 0;)
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, \
    AFX_CALL(void(BOOL, UINT), OnShowWindow, (BOOL)wP_, (UINT)lP_); return 0;)
// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AFX_CALL(void(UINT, int, int), OnSize, \
    (UINT)wP_, (int)(short)LOWORD(lP_), (int)(short)HIWORD(lP_)); return 0;)
// void OnSizing(UINT nSide, LPRECT lpRect)
#define ON_WM_SIZING() AFX_WM_ENTRY(WM_SIZING, \
    AFX_CALL(void(UINT, LPRECT), OnSizing, (UINT)wP_, (LPRECT)lP_); return TRUE;)
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AFX_CALL(void(), OnSysColorChange); return 0;)
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, \
    AFX_CALL(void(UINT, LPARAM), OnSysCommand, (UINT)wP_, lP_); return 0;)
// void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, AFX_CALL(void(UINT, UINT, UINT), OnSysKeyDown, \
    (UINT)wP_, (UINT)LOWORD(lP_), (UINT)HIWORD(lP_)); return 0;)
// void OnTimeChange()
#define ON_WM_TIMECHANGE() AFX_WM_ENTRY(WM_TIMECHANGE, AFX_CALL(void(), OnTimeChange); return 0;)
// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AFX_CALL(void(UINT_PTR), OnTimer, (UINT_PTR)wP_); return 0;)
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AFX_CALL(void(UINT, UINT, CScrollBar*), OnVScroll, \
    (UINT)LOWORD(wP_), (UINT)(short)HIWORD(wP_), reinterpret_cast<CScrollBar*>(AfxWrapWnd((HWND)lP_))); return 0;)
// void OnWindowPosChanged(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, \
    AFX_CALL(void(WINDOWPOS*), OnWindowPosChanged, (WINDOWPOS*)lP_); return 0;)
// void OnWindowPosChanging(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, \
    AFX_CALL(void(WINDOWPOS*), OnWindowPosChanging, (WINDOWPOS*)lP_); return 0;)

// ---------------------------------------------------------------------------
// Messages a parent reflects to the control that sent them (control's map)

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): null lets the parent answer
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, \
    const AFX_CTLCOLOR* pCtl_ = reinterpret_cast<const AFX_CTLCOLOR*>(lP_); \
    return (LRESULT)AFX_CALL(HBRUSH(CDC*, UINT), CtlColor, AfxWrapDC(pCtl_->hDC), pCtl_->nCtlType);)
// void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, \
    AFX_CALL(void(LPDRAWITEMSTRUCT), DrawItem, (LPDRAWITEMSTRUCT)lP_); return TRUE;)
// void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, \
    AFX_CALL(void(LPMEASUREITEMSTRUCT), MeasureItem, (LPMEASUREITEMSTRUCT)lP_); return TRUE;)
// void HScroll(UINT nSBCode, UINT nPos)
#define ON_WM_HSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, \
    AFX_CALL(void(UINT, UINT), HScroll, (UINT)LOWORD(wP_), (UINT)(short)HIWORD(wP_)); return 0;)
// void VScroll(UINT nSBCode, UINT nPos)
#define ON_WM_VSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, \
    AFX_CALL(void(UINT, UINT), VScroll, (UINT)LOWORD(wP_), (UINT)(short)HIWORD(wP_)); return 0;)
