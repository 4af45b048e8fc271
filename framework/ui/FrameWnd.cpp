// Creation, views and documents, title, command routing and closing of the
// frame window. Layout and the message bar live in FrameWndLayout.cpp and
// FrameWndMessages.cpp.
#include "framework/ui/FrameWnd.h"

#include "framework/core/Module.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/Document.h"
#include "framework/ui/View.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/WinAppDocuments.h"
#include "framework/ui/WndClass.h"

#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ENABLE()
    ON_WM_ERASEBKGND()
    ON_WM_MENUSELECT()
    ON_WM_INITMENUPOPUP()
    ON_WM_DROPFILES()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, OnToolTipText)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_KANA, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST,
                               OnUpdateControlBarMenu)
    ON_COMMAND_EX_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnBarCheck)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() = default;

// ---------------------------------------------------------------------------
// Creation

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
    {
        if (!AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG))
            return FALSE;
        cs.lpszClass = AFX_WNDFRAMEORVIEW;
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    m_strTitle = lpszWindowName;
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, MAKEINTRESOURCEA(4));   // RT_MENU
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
    }
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                  hMenu, pContext))
    {
        if (hMenu != nullptr && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

LPCSTR CFrameWnd::GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(14));   // RT_GROUP_ICON
    HICON hIcon = ::LoadIconA(hInst, lpszName);
    if (hIcon == nullptr)
        return nullptr;
    CREATESTRUCT cs = {};
    cs.style = dwDefaultStyle;
    PreCreateWindow(cs);
    if (cs.lpszClass != nullptr && lstrcmpA(cs.lpszClass, AFX_WNDFRAMEORVIEW) != 0)
        return cs.lpszClass;   // the frame chose a class of its own
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
    {
        int nEnd = strFull.Find('\n');
        m_strTitle = nEnd < 0 ? strFull : strFull.Left(nEnd);
    }

    if (!AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG))
        return FALSE;
    LPCSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CString strTitle = m_strTitle;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                MAKEINTRESOURCEA(nIDResource), 0, pContext))
        return FALSE;

    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName)
{
    if (m_hAccelTable != nullptr)
        return FALSE;   // one table per frame
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(9));   // RT_ACCELERATOR
    m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResourceName);
    return m_hAccelTable != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (!OnCreateClient(lpCreateStruct, pContext))
        return -1;
    // The message bar shows the idle text once the frame is up.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    auto* pView = static_cast<CWnd*>(pContext->m_pNewViewClass->CreateObject());
    if (pView == nullptr)
        return nullptr;
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID,
                       pContext))
        return nullptr;   // a view whose window came to exist deleted itself
    // A view with its own sunken edge makes the frame's redundant.
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

// The default menu goes with the window while it is the window's menu; a
// menu something else took over (a menu bar of its own) is not put back, so
// it stays its new owner's.
void CFrameWnd::OnDestroy()
{
    if (m_hAccelTable != nullptr)
    {
        ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = nullptr;
    }
    m_listControlBars.RemoveAll();
    CWnd::OnDestroy();
}

// ---------------------------------------------------------------------------
// Views and documents

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

CView* CFrameWnd::GetActiveView() const
{
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;
    if (pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    // The old view may have chosen another view meanwhile.
    if (m_pViewActive != nullptr)
        return;
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

// The active view's document; without an active view, the document of the
// first view in the frame.
CDocument* CFrameWnd::GetActiveDocument()
{
    if (CView* pView = GetActiveView())
        return pView->GetDocument();
    CDocument* pFound = nullptr;
    struct Finder
    {
        static BOOL CALLBACK Visit(HWND hWnd, LPARAM lParam)
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
            {
                CDocument* pDoc = static_cast<CView*>(pWnd)->GetDocument();
                if (pDoc != nullptr)
                {
                    *reinterpret_cast<CDocument**>(lParam) = pDoc;
                    return FALSE;
                }
            }
            return TRUE;
        }
    };
    if (m_hWnd != nullptr)
        ::EnumChildWindows(m_hWnd, &Finder::Visit, reinterpret_cast<LPARAM>(&pFound));
    return pFound;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
    {
        ShowWindow(nCmdShow);
        if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINIMIZED
            && nCmdShow != SW_SHOWMINNOACTIVE)
            BringWindowToTop();
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = nullptr;
    if (GetActiveView() == nullptr)
    {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        {
            pView = static_cast<CView*>(pWnd);
            SetActiveView(pView, FALSE);
        }
    }

    if (bMakeVisible)
    {
        // Every view's first update, then the frame's title.
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this)
        {
            // The main window's first show follows the program's start.
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    OnUpdateFrameTitle(TRUE);
    (void)pDoc;
}

// ---------------------------------------------------------------------------
// Title

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName)
{
    CString strText;
    if (GetStyle() & FWS_PREFIXTITLE)
    {
        if (lpszDocName != nullptr)
        {
            strText += lpszDocName;
            strText += " - ";
        }
        strText += m_strTitle;
    }
    else
    {
        strText += m_strTitle;
        if (lpszDocName != nullptr)
        {
            strText += " - ";
            strText += lpszDocName;
        }
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

CString CFrameWnd::GetTitle() const
{
    return m_strTitle;
}

void CFrameWnd::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
}

void CFrameWnd::DelayUpdateFrameTitle()
{
    m_nIdleFlags |= idleTitle;
}

// ---------------------------------------------------------------------------
// Routing and keyboard

BOOL CFrameWnd::OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view (and through it its document) first.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    // In help mode a command asks for its help instead of running.
    if (m_bHelpMode && lParam == 0 && nID != 0)
    {
        m_bHelpMode = FALSE;
        if (CWinApp* pApp = AfxGetApp())
            pApp->WinHelp(HID_BASE_COMMAND + nID);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

// ---------------------------------------------------------------------------
// Activation and focus

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);

    // The frame keeps looking active while a popup of its own that follows
    // its activation takes the focus.
    CWnd* pActive = nState == WA_INACTIVE ? pWndOther : this;
    BOOL bStayActive = FALSE;
    if (pActive != nullptr && pActive->m_hWnd != nullptr)
    {
        bStayActive = pActive->m_hWnd == m_hWnd
                      || ((pActive->GetStyle() & MFS_SYNCACTIVE) != 0
                          && ::GetWindow(pActive->m_hWnd, GW_OWNER) == m_hWnd
                          && pActive->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0);
    }
    m_bStayActive = bStayActive;
    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);

    CView* pActiveView = GetActiveView();
    if (pActiveView != nullptr)
    {
        if (nState != WA_INACTIVE && !bMinimized)
            pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
        pActiveView->OnActivateFrame(nState, this);
    }
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    if (m_bStayActive)
        bActive = TRUE;
    if (!IsWindowEnabled())
        bActive = FALSE;
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    if (m_hWnd == nullptr)
        return;
    // Top-level windows owned (directly or through other popups) by this
    // frame that ask to follow it. They are listed before any is told: a
    // window that shows itself may rise to the top of the z-order, and a
    // walk along the live order would then meet it again and again.
    std::vector<HWND> floating;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd == m_hWnd || (::GetWindowLongA(hWnd, GWL_STYLE) & MFS_SYNCACTIVE) == 0)
            continue;
        for (HWND hOwner = ::GetWindow(hWnd, GW_OWNER); hOwner != nullptr;
             hOwner = ::GetWindow(hOwner, GW_OWNER))
        {
            if (hOwner == m_hWnd)
            {
                floating.push_back(hWnd);
                break;
            }
        }
    }
    // One may go away while another is told.
    for (HWND hWnd : floating)
        if (::IsWindow(hWnd))
            ::SendMessageA(hWnd, WM_FLOATSTATUS, dwFlags, 0);
}

LRESULT CFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // A frame asked whether it follows its owner's activation: it does when
    // it has the style.
    if (wParam & FS_SYNCACTIVE)
        return (GetStyle() & MFS_SYNCACTIVE) != 0;
    return 0;
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // A view filling the client area paints it itself.
    CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pPane != nullptr && pPane->IsWindowVisible())
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    SetActiveWindow();
    UINT nFiles = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    if (CWinAppDocuments* pApp = AfxGetAppDocuments())
    {
        for (UINT i = 0; i < nFiles; ++i)
        {
            char szFileName[MAX_PATH];
            ::DragQueryFileA(hDropInfo, i, szFileName, MAX_PATH);
            pApp->OpenDocumentFile(szFileName);
        }
    }
    ::DragFinish(hDropInfo);
}

// ---------------------------------------------------------------------------
// Closing

void CFrameWnd::OnClose()
{
    // A print preview ends first.
    if (m_lpfnCloseProc != nullptr)
    {
        (*m_lpfnCloseProc)(this);
        return;
    }

    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;

    CWinApp* pApp = AfxGetApp();
    CWinAppDocuments* pDocs = AfxGetAppDocuments();
    if (pApp != nullptr && pApp->m_pMainWnd == this && pDocs != nullptr)
    {
        if (pDocument == nullptr && !pDocs->SaveAllModified())
            return;
        // Closing the documents may destroy this window.
        pDocs->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == nullptr)
            return;
    }

    if (pDocument != nullptr && pDocument->m_bAutoDelete)
    {
        BOOL bOtherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != nullptr)
        {
            if (pDocument->GetNextView(pos)->GetParentFrame() != this)
            {
                bOtherFrame = TRUE;
                break;
            }
        }
        if (!bOtherFrame)
        {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

BOOL CFrameWnd::OnQueryEndSession()
{
    CWinApp* pApp = AfxGetApp();
    CWinAppDocuments* pDocs = AfxGetAppDocuments();
    if (pApp != nullptr && pApp->m_pMainWnd == this && pDocs != nullptr)
        return pDocs->SaveAllModified();
    return TRUE;
}

void CFrameWnd::OnEndSession(BOOL bEnding)
{
    if (!bEnding)
        return;
    CWinApp* pApp = AfxGetApp();
    CWinAppDocuments* pDocs = AfxGetAppDocuments();
    if (pApp != nullptr && pApp->m_pMainWnd == this && pDocs != nullptr)
        pDocs->CloseAllDocuments(TRUE);
}
