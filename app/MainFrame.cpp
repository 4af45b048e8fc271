#include "app/MainFrame.h"

#include "app/AutoSave.h"
#include "app/ContentsView.h"
#include "app/FramePlacement.h"
#include "app/QivTheme.h"
#include "app/Settings.h"
#include "app/SoundEvents.h"
#include "app/TextView.h"
#include "app/TreeView.h"
#include "app/WindowVisibility.h"
#include "app/AttachmentView.h"
#include "app/SearchDialog.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/WinApp.h"
#include "model/QivDoc.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/ShortcutManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/AuxData.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "model/QivItem.h"

namespace {

// Status-bar panes: the message pane and the two key indicators.
const UINT kStatusPanes[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
const DWORD kStatusBarStyle = 0x50008200;

UINT s_nTaskbarCreated = CQivTrayIcon::TaskbarCreatedMessage();

// Where the toolkit keeps its options and shortcuts in the profile.
const char kCommandBarsSection[] = "CommandBars";

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CXTPFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CXTPFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_SYSCOMMAND()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_EXITSIZEMOVE, OnExitSizeMove)
    ON_MESSAGE(CQivTrayIcon::kCallbackMessage, OnTrayNotify)
    ON_REGISTERED_MESSAGE(s_nTaskbarCreated, OnTaskbarCreated)
    ON_MESSAGE(WM_XTP_BEFORECREATECONTROL, OnCreateControl)
    ON_COMMAND(ID_VIEW_NORMAL, OnNormalView)
    ON_COMMAND(ID_VIEW_TEXT_ONLY, OnTextOnly)
    ON_COMMAND(ID_VIEW_TREE_ONLY, OnTreeOnly)
    ON_COMMAND(ID_VIEW_ATTACHMENTS, OnAttachmentsPane)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ATTACHMENTS, OnUpdateAttachmentsPane)
    ON_COMMAND(ID_VIEW_BANNER, OnBanner)
    ON_UPDATE_COMMAND_UI(ID_VIEW_BANNER, OnUpdateBanner)
    ON_COMMAND(ID_HIDE_RESTORE, OnHideRestore)
    ON_UPDATE_COMMAND_UI(ID_HIDE_RESTORE, OnUpdateHideRestore)
    ON_COMMAND(ID_CHARACTER_MAP, OnCharacterMap)
    ON_COMMAND(ID_OPTIONS, OnOptions)
    ON_COMMAND(ID_WEB_HOME, OnWebHome)
    ON_COMMAND(ID_WEB_SHOP, OnWebShop)
    ON_COMMAND(ID_EXIT, OnExit)
    ON_COMMAND(ID_NEW_CATEGORY, OnNewCategory)
    ON_COMMAND(ID_NEW_ENTRY, OnNewEntry)
    ON_COMMAND_RANGE(ID_RENAME, ID_RENAME, OnTreeCommand)
    ON_COMMAND_RANGE(ID_COLLAPSE_ALL, ID_COLLAPSE_ALL, OnTreeCommand)
    ON_COMMAND_RANGE(ID_EXPAND_ALL, ID_EXPAND_ALL, OnTreeCommand)
    ON_COMMAND_RANGE(ID_PARENT_CATEGORY, ID_PARENT_CATEGORY, OnTreeCommand)
    ON_COMMAND(ID_SORT, OnSort)
    ON_COMMAND(ID_BACKGROUND_COLOR, OnBackgroundColor)
    ON_COMMAND(ID_SWITCH_PANE, OnSwitchPane)
    ON_COMMAND_RANGE(ID_FIRST_ENTRY, ID_LAST_ENTRY, OnSibling)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FIRST_ENTRY, ID_LAST_ENTRY, OnUpdateSibling)
    ON_COMMAND(ID_BACK, OnBack)
    ON_COMMAND(ID_FORWARD, OnForward)
    ON_UPDATE_COMMAND_UI(ID_BACK, OnUpdateBack)
    ON_UPDATE_COMMAND_UI(ID_FORWARD, OnUpdateForward)
    ON_COMMAND(ID_ADD_ATTACHMENT, OnAddAttachment)
    ON_UPDATE_COMMAND_UI(ID_NEW_CATEGORY, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_NEW_ENTRY, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_SORT, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_BACKGROUND_COLOR, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_SWITCH_PANE, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_ADD_ATTACHMENT, OnUpdateAlways)
    ON_COMMAND(ID_QUICKNOTE, OnQuickNote)
    ON_COMMAND(ID_SEARCH, OnSearch)
    ON_UPDATE_COMMAND_UI(ID_SEARCH, OnUpdateSearch)
    ON_COMMAND(ID_GOTO, OnGoTo)
    ON_COMMAND(ID_CREATE_SHORTCUT, OnShortcut)
    ON_UPDATE_COMMAND_UI(ID_CREATE_SHORTCUT, OnUpdateShortcut)
    ON_COMMAND(ID_DEFAULT_FONT, OnDefaultFont)
    ON_COMMAND(ID_WORD_WRAP, OnWordWrap)
    ON_UPDATE_COMMAND_UI(ID_WORD_WRAP, OnUpdateWordWrap)
    ON_COMMAND_RANGE(ID_PAGE_SETUP, ID_PAGE_SETUP, OnTextViewCommand)
    ON_COMMAND_RANGE(ID_FILE_PRINT, ID_FILE_PRINT, OnTextViewCommand)
    ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, OnTextViewCommand)
    ON_UPDATE_COMMAND_UI(ID_PAGE_SETUP, OnUpdatePageSetup)
    // The character dialog from the menu while another pane has the focus.
    ON_COMMAND_RANGE(ID_FORMAT_FONT, ID_FORMAT_FONT, OnTextViewCommand)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_FONT, OnUpdatePrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdatePrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdatePrint)
    ON_COMMAND_RANGE(ID_IMPORT_TEXT, ID_IMPORT_TEXT, OnExchange)
    ON_COMMAND_RANGE(ID_IMPORT_CSV, ID_IMPORT_CSV, OnExchange)
    ON_COMMAND_RANGE(ID_IMPORT_VAULT, ID_IMPORT_VAULT, OnExchange)
    ON_COMMAND_RANGE(ID_IMPORT_CARDFILE, ID_IMPORT_CARDFILE, OnExchange)
    ON_COMMAND_RANGE(ID_EXPORT_TEXT, ID_EXPORT_TEXT, OnExchange)
    ON_COMMAND_RANGE(ID_EXPORT_HTML, ID_EXPORT_HTML, OnExchange)
    ON_COMMAND_RANGE(ID_EXPORT_CARDFILE, ID_EXPORT_CARDFILE, OnExchange)
    ON_COMMAND_RANGE(ID_EXPORT_DHTML, ID_EXPORT_DHTML, OnExchange)
    ON_UPDATE_COMMAND_UI(ID_EXPORT_TEXT, OnUpdateExportText)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_showEntry(*this)
{
}

CMainFrame::~CMainFrame() = default;

// ---------------------------------------------------------------- creation

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    CRect rcWindow;
    int nShow = AfxGetApp()->m_nCmdShow;
    if (ComputeFramePlacement(ReadStoredPlacement(), GetScreenMetrics(), nShow, &rcWindow, &nShow)) {
        AfxGetApp()->m_nCmdShow = nShow;
        cs.x = rcWindow.left;
        cs.y = rcWindow.top;
        cs.cx = rcWindow.Width();
        cs.cy = rcWindow.Height();
    }
    return CXTPFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTPFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR)
        || !m_wndStatusBar.SetPanesFromIds(kStatusPanes, static_cast<int>(std::size(kStatusPanes))))
        return -1;
    if (!CreateCommandBars())
        return -1;

    if (!m_wndBanner.CreateBanner(this))
        return -1;
    m_wndBanner.SetBarStyle(m_wndBanner.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    m_wndBanner.SetWindowText(QivSettings::Get(QivSettings::BannerText));
    if (QivSettings::Get(QivSettings::Banner) == 0)
        ShowControlBar(&m_wndBanner, FALSE, FALSE);

    // Double clicks only: no redraw of the whole frame at every resize.
    ::SetClassLongPtrA(GetSafeHwnd(), GCL_STYLE, CS_DBLCLKS);

    m_pCommandBars->GetCommandBarsOptions()->SetAccessKeyUnderlineMode(2);
    m_trayIcon.Add(this);
    QivRestartAutoSave(this);
    QivApplyTopMost(this);
    return 0;
}

BOOL CMainFrame::CreateCommandBars()
{
    if (!InitCommandBars())
        return FALSE;
    CXTAuxData* pAux = GetAuxData();
    pAux->hcurHSplitBar = ::LoadCursor(nullptr, IDC_SIZEWE);
    pAux->hcurVSplitBar = ::LoadCursor(nullptr, IDC_SIZENS);

    // The theme's bar colours come from the colour table: build it first.
    RefreshSystemColors();
    CQivTheme* pTheme = new CQivTheme;
    pTheme->RefreshMetrics();
    SetCurrentPaintManager(pTheme);

    CString strTitle;
    strTitle.LoadString(IDS_BAR_MENU);
    if (!m_pCommandBars->CreateMenuBar(strTitle, IDR_MAINFRAME))
        return FALSE;
    struct BarRow
    {
        UINT nIDTitle;
        UINT nIDToolBar;
        CXTPToolBar** ppBar;
    };
    const BarRow bars[] = {
        {IDS_BAR_STANDARD, IDR_TOOLBAR_STANDARD, &m_pStandardBar},
        {IDS_BAR_FORMAT, IDR_TOOLBAR_FORMAT, &m_pFormatBar},
        {IDS_BAR_VIEW, IDR_TOOLBAR_VIEW, &m_pViewBar},
    };
    for (const BarRow& row : bars) {
        strTitle.LoadString(row.nIDTitle);
        CXTPToolBar* pBar = m_pCommandBars->CreateToolBar(strTitle, xtpBarTop);
        if (!pBar || !pBar->LoadToolBar(row.nIDToolBar))
            return FALSE;
        *row.ppBar = pBar;
    }
    m_pCommandBars->GetImageManager()->AddToolBarIcons(IDR_TOOLBAR_ICONS, IDR_TOOLBAR_ICONS);

    CXTPShortcutManager* pShortcuts = m_pCommandBars->GetShortcutManager();
    pShortcuts->LoadAcceleratorResource(IDR_MAINFRAME);
    pShortcuts->SetUseSystemKeyNameText(TRUE);

    m_pCommandBars->ReadOptionsFromProfile(kCommandBarsSection);
    m_pCommandBars->RestoreStateFromProfile(kCommandBarsSection, FALSE);
    pShortcuts->ReadAcceleratorsFromProfile(kCommandBarsSection);
    return TRUE;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return CreateClientPanes(pContext);
}

BOOL CMainFrame::CreateClientPanes(CCreateContext* pContext)
{
    // Splitter style bit 2 would draw the splitters' own border.
    const DWORD kNoBorderFlag = 0x04;
    if (!m_wndOuterSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    if (m_wndOuterSplitter.GetStyleFlags() & kNoBorderFlag)
        m_wndOuterSplitter.SetStyleFlags(m_wndOuterSplitter.GetStyleFlags() & ~kNoBorderFlag);
    if (!m_wndOuterSplitter.CreateView(0, 0, RUNTIME_CLASS(CQivTreeView), CSize(QivSettings::kDefaultTreeWidth, 0),
                                       pContext))
        return FALSE;
    if (!m_wndInnerSplitter.CreateStatic(&m_wndOuterSplitter, 2, 1, WS_CHILD | WS_VISIBLE,
                                         m_wndOuterSplitter.IdFromRowCol(0, 1)))
        return FALSE;
    if (m_wndInnerSplitter.GetStyleFlags() & kNoBorderFlag)
        m_wndInnerSplitter.SetStyleFlags(m_wndInnerSplitter.GetStyleFlags() & ~kNoBorderFlag);
    if (!m_wndInnerSplitter.CreateView(0, 0, RUNTIME_CLASS(C_InhaltView), CSize(0, 10000), pContext)
        || !m_wndInnerSplitter.CreateView(1, 0, RUNTIME_CLASS(C_AnlagenView), CSize(0, 0), pContext))
        return FALSE;

    m_pTreeView = static_cast<CQivTreeView*>(m_wndOuterSplitter.GetPane(0, 0));
    m_pContentsView = static_cast<C_InhaltView*>(m_wndInnerSplitter.GetPane(0, 0));
    m_pAttachmentsView = static_cast<C_AnlagenView*>(m_wndInnerSplitter.GetPane(1, 0));
    m_pTextView = nullptr;

    const int nWidth = QivSettings::Get(QivSettings::Splitter);
    m_bNormalView = (nWidth != QivSettings::kTextOnlyWidth && nWidth != QivSettings::kTreeOnlyWidth) ? 1 : 0;
    SetTreeWidth(nWidth);
    // Leaving in text-only mode comes back in the normal view; tree-only
    // stays.
    if (nWidth == QivSettings::kTextOnlyWidth)
        ShowNormalView();
    return TRUE;
}

// ---------------------------------------------------------------- title

void CMainFrame::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CString strTitle = "Qivnotes";
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument)
        strTitle += " - " + pDocument->GetTitle();
    SetWindowText(strTitle);
    m_trayIcon.SetTip(strTitle);
}

// ---------------------------------------------------------------- closing

void CMainFrame::OnClose()
{
    // The toolkit's state is stored only when it changed during the run.
    CXTPMenuBar* pMenuBar = m_pCommandBars ? m_pCommandBars->GetMenuBar() : nullptr;
    if (pMenuBar && pMenuBar->IsVisible() && m_pCommandBars->GetCommandBarsOptions()->bDirty) {
        m_pCommandBars->WriteOptionsToProfile(kCommandBarsSection);
        m_pCommandBars->StoreStateToProfile(kCommandBarsSection, TRUE);
        m_pCommandBars->GetShortcutManager()->WriteAcceleratorsToProfile(kCommandBarsSection);
    }
    CXTPFrameWnd::OnClose();
}

void CMainFrame::OnExit()
{
    CXTPFrameWnd::OnClose();
}

BOOL CMainFrame::DestroyWindow()
{
    m_trayIcon.Remove();
    return CXTPFrameWnd::DestroyWindow();
}

void CMainFrame::OnDestroy()
{
    StoreFrameState();
    CXTPFrameWnd::OnDestroy();
}

void CMainFrame::StoreFrameState()
{
    if (::IsWindow(m_wndOuterSplitter.GetSafeHwnd())) {
        const int nWidth = GetTreeWidth();
        if (m_bNormalView) {
            QivSettings::Set(QivSettings::Splitter, nWidth);
            QivSettings::Set(QivSettings::SplitterNormal, nWidth);
        } else {
            QivSettings::Set(QivSettings::Splitter,
                             nWidth > 0 ? QivSettings::kTreeOnlyWidth : QivSettings::kTextOnlyWidth);
        }
        if (IsAttachmentsPaneVisible()) {
            int cyCur = 0;
            int cyMin = 0;
            m_wndInnerSplitter.GetRowInfo(0, cyCur, cyMin);
            QivSettings::Set(QivSettings::Splitter2Pos, cyCur);
        }
    }
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (GetWindowPlacement(&wp)) {
        QivSettings::Set(QivSettings::FrameStatus, static_cast<int>(wp.showCmd));
        QivSettings::Set(QivSettings::FrameTop, wp.rcNormalPosition.top);
        QivSettings::Set(QivSettings::FrameLeft, wp.rcNormalPosition.left);
        QivSettings::Set(QivSettings::FrameBottom, wp.rcNormalPosition.bottom);
        QivSettings::Set(QivSettings::FrameRight, wp.rcNormalPosition.right);
    }
}

// ---------------------------------------------------------------- messages

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAutoSaveTimerId) {
        QivOnAutoSaveTimer(this, GetActiveDocument());
        return;
    }
    CXTPFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (QivHandleSysCommand(this, nID, m_trayIcon.IsAdded()))
        return;
    CXTPFrameWnd::OnSysCommand(nID, lParam);
}

void CMainFrame::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CXTPFrameWnd::OnSettingChange(uFlags, lpszSection);
    if (m_pCommandBars)
        m_pCommandBars->GetCommandBarsOptions()->SetAccessKeyUnderlineMode(2);
}

LRESULT CMainFrame::OnExitSizeMove(WPARAM, LPARAM)
{
    PlaySoundEvent("ToolbarDrop");
    return Default();
}

LRESULT CMainFrame::OnTrayNotify(WPARAM, LPARAM lParam)
{
    m_trayIcon.OnCallback(this, lParam, FALSE);
    return 0;
}

LRESULT CMainFrame::OnTaskbarCreated(WPARAM, LPARAM)
{
    m_trayIcon.Readd();
    return 0;
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Going to the next pane shows the tree and the text side by side first.
    if (LOWORD(wParam) == ID_NEXT_PANE)
        ShowNormalView();
    return CXTPFrameWnd::OnCommand(wParam, lParam);
}

BOOL CMainFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (m_pTreeView && pNMHDR->hwndFrom == m_pTreeView->GetSafeHwnd() && m_showEntry.OnTreeNotify(pNMHDR, pResult))
        return TRUE;
    return CXTPFrameWnd::OnNotify(wParam, lParam, pResult);
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    return CXTPFrameWnd::PreTranslateMessage(pMsg);
}

CWnd* CMainFrame::GetMessageBar()
{
    return m_wndStatusBar.GetSafeHwnd() ? &m_wndStatusBar : nullptr;
}

// ---------------------------------------------------------------- IQivShell

CView* CMainFrame::GetTextView()
{
    return m_pTextView;
}

void CMainFrame::ActivateView(CView* pView)
{
    SetActiveView(pView);
}

CView* CMainFrame::GetActivePaneView()
{
    return GetActiveView();
}

void CMainFrame::StoreCurrentEntryText()
{
    m_showEntry.StoreCurrentEntryText();
}

CView* CMainFrame::ShowTextView()
{
    if (!m_pTextView) {
        CDocument* pDocument = m_pTreeView ? m_pTreeView->GetDocument() : nullptr;
        m_pContentsView = nullptr;
        m_pTextView = static_cast<CQivTextView*>(
            QivReplacePaneView(m_wndInnerSplitter, 0, 0, RUNTIME_CLASS(CQivTextView), pDocument));
        if (m_pTextView)
            m_pTextView->ApplyStoredSettings();
    }
    return m_pTextView;
}

C_InhaltView* CMainFrame::ShowContentsView()
{
    if (!m_pContentsView) {
        CDocument* pDocument = m_pTreeView ? m_pTreeView->GetDocument() : nullptr;
        m_pTextView = nullptr;
        m_pContentsView = static_cast<C_InhaltView*>(
            QivReplacePaneView(m_wndInnerSplitter, 0, 0, RUNTIME_CLASS(C_InhaltView), pDocument));
    }
    return m_pContentsView;
}

void CMainFrame::ShowEntryText(const BYTE* pText, DWORD nLength, COLORREF crBackground)
{
    if (m_pTextView)
        m_pTextView->ShowText(pText, nLength, crBackground);
}

void CMainFrame::StoreEntryText(C_QivEntry* pEntry)
{
    if (m_pTextView)
        m_pTextView->StoreText(pEntry);
}

void CMainFrame::ShowAttachments(C_QivItem* pItem)
{
    if (m_pAttachmentsView)
        m_pAttachmentsView->ShowAttachments(pItem);
}

void CMainFrame::SuspendShortcuts(BOOL bSuspend)
{
    if (m_pCommandBars)
        m_pCommandBars->GetShortcutManager()->Suspend(bSuspend);
}

void CMainFrame::CloseSearchWindow()
{
    if (!m_pSearchWindow)
        return;
    if (::IsWindow(m_pSearchWindow->GetSafeHwnd())) {
        m_pSearchWindow->SendMessage(WM_CLOSE);
        m_pSearchWindow->DestroyWindow();
    }
    m_pSearchWindow.reset();
}
