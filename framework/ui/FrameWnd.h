// CFrameWnd: the top-level window around a document's views. It is built
// from one resource id (menu, accelerators, icon and the title from the
// document string), creates its client panes, lays its control bars out
// around the main pane, routes commands (active view, its document, the
// frame, the application), keeps the status bar's message pane up to date,
// and switches to and from print preview.
//
// Layout: RecalcLayout hands the client area to the control bars child by
// child (WM_SIZEPARENT with an AFX_SIZEPARENTPARAMS record); each takes its
// strip and the rest goes to the pane with id AFX_IDW_PANE_FIRST. A layout
// asked for with DelayRecalcLayout runs at the next idle time.
#pragma once

#include "framework/core/List.h"
#include "framework/core/String.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Wnd.h"

class CControlBar;
class CDocument;
class CView;

// Frame window styles (low word of the window style).
#define FWS_ADDTOTITLE   0x00008000L
#define FWS_PREFIXTITLE  0x00004000L
#define FWS_SNAPTOBARS   0x00002000L

// WM_FLOATSTATUS flags, and the window style of popups that keep their
// owner frame looking active.
#define FS_SHOW          0x01
#define FS_HIDE          0x02
#define FS_ACTIVATE      0x04
#define FS_DEACTIVATE    0x08
#define FS_ENABLE        0x10
#define FS_DISABLE       0x20
#define FS_SYNCACTIVE    0x40
#define MFS_SYNCACTIVE   0x00000100L

// Help-context bases of WM_HELPHITTEST answers.
#define HID_BASE_COMMAND 0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL
#define HID_BASE_PROMPT  0x00030000UL
#define HID_BASE_NCAREAS 0x00040000UL
#define HID_BASE_CONTROL 0x00050000UL

// WM_SIZEPARENT's record: a bar takes its strip from rect (and adds its size
// to sizeTotal); it moves itself through hDWP only when hDWP is set (a
// query leaves it null).
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// What a frame keeps while it shows a print preview, to restore it after.
struct CPrintPreviewState
{
    UINT nIDMainPane = AFX_IDW_PANE_FIRST;
    HMENU hMenu = nullptr;
    // The frame's bars (a bit per id from AFX_IDW_CONTROLBAR_FIRST) shown
    // during the preview, then those to show again after it: the status
    // bar stays.
    DWORD dwStates = 1UL << (AFX_IDW_STATUS_BAR - AFX_IDW_CONTROLBAR_FIRST);
    CView* pViewActiveOld = nullptr;
    BOOL (*lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;
    HACCEL hAccelTable = nullptr;
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // CW_USEDEFAULT position and size.
    static const CRect rectDefault;

    // ---- creation ----
    // lpszMenuName: a menu resource to load (a missing menu gives none).
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);
    // Builds the frame from nIDResource: the title from the first field of
    // its string, its menu, icon and accelerators.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCSTR lpszResourceName);
    // Creates the view that pContext names as the child nID.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // ---- views and documents ----
    virtual CFrameWnd* GetActiveFrame();
    CView* GetActiveView() const;
    // Makes pViewNew the view that takes commands first; bNotify tells the
    // old and the new view (OnActivateView).
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // Shows the frame (nCmdShow -1: as suits its state) and brings it up.
    virtual void ActivateFrame(int nCmdShow = -1);
    // After the document was made or read: the first update of every view
    // (WM_INITIALUPDATE), then the frame is shown when bMakeVisible.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    // ---- title ----
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // "<title> - <document>" with FWS_PREFIXTITLE, else the other way round.
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    CString GetTitle() const;
    void SetTitle(LPCSTR lpszTitle);

    // ---- layout and control bars ----
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Asks for a layout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Lays the children with ids nIDFirst..nIDLast out as bars (WM_SIZEPARENT)
    // and gives the rest to nIDLeftOver. nFlag reposQuery only measures: the
    // free rectangle (bStretch) or the bars' total size comes back in
    // lpRectParam; reposExtra widens the left-over pane by lpRectParam.
    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2, reposNoPosLeftOver = 0x8000 };
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr,
                        BOOL bStretch = TRUE);
    // bDelay: the bar appears or goes at the next idle time.
    virtual void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

    // ---- message bar ----
    // The status bar (child AFX_IDW_STATUS_BAR), null when there is none.
    virtual CWnd* GetMessageBar();
    // The prompt of a command: its string's text before "\n".
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    // ---- print preview ----
    // Enters (bPreview) or leaves the preview: control bars, menu, main pane
    // and accelerators are put aside in pState and restored from it.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    // ---- menus and accelerators ----
    virtual HACCEL GetDefaultAccelerator();
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    void DelayUpdateFrameMenu(HMENU hMenuAlt);
    void DelayUpdateFrameTitle();

    // Sends WM_FLOATSTATUS (dwFlags) to the popups this frame owns that
    // follow its activation (MFS_SYNCACTIVE).
    void NotifyFloatingWindows(DWORD dwFlags);

    // Work left for idle time.
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags = 0;

    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccelTable = nullptr;
    BOOL m_bHelpMode = FALSE;
    BOOL m_bAutoMenuEnable = TRUE;
    UINT m_nIDHelp = 0;
    CPtrList m_listControlBars;
    // Set while a print preview replaces the frame's client: closing the
    // frame then ends the preview.
    BOOL (*m_lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;

    // ---- overrides ----
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Active view (and its document), then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // Makes the panes: by default the view of pContext.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void PostNcDestroy() override;
    // A window class with the icon of nIDResource (when there is one).
    LPCSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    UINT m_nIDTracking = 0;
    UINT m_nIDLastMessage = 0;
    HMENU m_hMenuAlt = nullptr;
    BOOL m_bInRecalcLayout = FALSE;
    BOOL m_bStayActive = FALSE;

    DECLARE_MESSAGE_MAP()
};

// Moves hWnd to *lpRect through the layout's deferred-position handle (or
// at once without a layout); nothing when it is there already. A query
// layout (no handle) moves nothing.
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
