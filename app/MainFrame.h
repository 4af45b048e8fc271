// CMainFrame: the program's one top-level window. It holds the command bars
// (menu bar and three toolbars), the status bar, the banner on the left
// edge, and two splitters with the four views: the category tree on the
// left; on the right either the text of the selected entry or the contents
// of the selected category, above the attachments list. It remembers its
// place, size and pane sizes between runs and switches between three view
// modes: normal, text only and tree only.
//
// The views reach the frame through IQivShell; the card-file model reaches
// it through the application's shell services.
#pragma once

#include "app/Banner.h"
#include "app/History.h"
#include "app/QivShell.h"
#include "app/QivSplitterWnd.h"
#include "app/ShowEntry.h"
#include "app/TrayIcon.h"
#include "framework/core/StringList.h"
#include "toolkit/commandbars/FrameWnd.h"
#include "toolkit/extras/StatusBar.h"

#include <memory>

class CQivDoc;
class CXTPToolBar;
class CQivTextView;
class CQivTreeView;
class CSuchenDlg;
class C_AnlagenView;
class C_InhaltView;

class CMainFrame : public CXTPFrameWnd, public IQivShell
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    // ---- IQivShell ----
    CQivTreeView* GetTreeView() override { return m_pTreeView; }
    CView* GetTextView() override;
    C_InhaltView* GetContentsView() override { return m_pContentsView; }
    void ActivateView(CView* pView) override;
    CView* GetActivePaneView() override;
    void StoreCurrentEntryText() override;
    CQivHistory& GetHistory() override { return m_history; }
    void SuspendShortcuts(BOOL bSuspend) override;
    CView* ShowTextView() override;
    C_InhaltView* ShowContentsView() override;
    void ShowEntryText(const BYTE* pText, DWORD nLength, COLORREF crBackground) override;
    void StoreEntryText(C_QivEntry* pEntry) override;
    void ShowAttachments(C_QivItem* pItem) override;

    // ---- panes ----
    CQivTextView* GetQivTextView() const { return m_pTextView; }
    C_AnlagenView* GetAttachmentsView() const { return m_pAttachmentsView; }
    CSuchenDlg* GetSearchWindow() const { return m_pSearchWindow.get(); }
    CQivDoc* GetQivDocument();
    // Closes the search window (its results point into the tree).
    void CloseSearchWindow();
    CXTPStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CXTPToolBar* GetStandardBar() const { return m_pStandardBar; }
    CXTPToolBar* GetFormatBar() const { return m_pFormatBar; }
    CXTPToolBar* GetViewBar() const { return m_pViewBar; }
    CBanner& GetBanner() { return m_wndBanner; }
    CQivSplitterWnd& GetOuterSplitter() { return m_wndOuterSplitter; }
    CQivSplitterWnd& GetInnerSplitter() { return m_wndInnerSplitter; }

    // ---- view modes ----
    void ShowNormalView();
    void ShowTextOnly();
    void ShowTreeOnly();
    BOOL IsNormalView() const { return m_bNormalView != 0; }
    BOOL IsAttachmentsPaneVisible() const;
    // F4: opens the attachments pane (and activates it), hides it when it
    // is the active view, else only activates it.
    void ToggleAttachmentsPane();
    void OpenAttachmentsPane();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The status bar, found by itself: the menu bar's window may carry the
    // status bar's id.
    CWnd* GetMessageBar() override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg LRESULT OnExitSizeMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    // The toolkit asks before it makes a bar's control (MainFrameControls.cpp).
    afx_msg LRESULT OnCreateControl(WPARAM wParam, LPARAM lParam);

    // Commands (MainFrameCommands.cpp).
    afx_msg void OnNormalView();
    afx_msg void OnTextOnly();
    afx_msg void OnTreeOnly();
    afx_msg void OnAttachmentsPane();
    afx_msg void OnUpdateAttachmentsPane(CCmdUI* pCmdUI);
    afx_msg void OnBanner();
    afx_msg void OnUpdateBanner(CCmdUI* pCmdUI);
    afx_msg void OnHideRestore();
    afx_msg void OnUpdateHideRestore(CCmdUI* pCmdUI);
    afx_msg void OnCharacterMap();
    afx_msg void OnOptions();
    afx_msg void OnWebHome();
    afx_msg void OnWebShop();
    afx_msg void OnExit();
    // The tree's and the panes' commands.
    afx_msg void OnNewCategory();
    afx_msg void OnNewEntry();
    afx_msg void OnTreeCommand(UINT nID);
    afx_msg void OnSort();
    afx_msg void OnBackgroundColor();
    afx_msg void OnSwitchPane();
    afx_msg void OnSibling(UINT nID);
    afx_msg void OnUpdateSibling(CCmdUI* pCmdUI);
    afx_msg void OnBack();
    afx_msg void OnForward();
    afx_msg void OnUpdateBack(CCmdUI* pCmdUI);
    afx_msg void OnUpdateForward(CCmdUI* pCmdUI);
    afx_msg void OnAddAttachment();
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    // Dialogs, the editor and the card file's exchanges.
    afx_msg void OnQuickNote();
    afx_msg void OnSearch();
    afx_msg void OnUpdateSearch(CCmdUI* pCmdUI);
    afx_msg void OnGoTo();
    afx_msg void OnShortcut();
    afx_msg void OnUpdateShortcut(CCmdUI* pCmdUI);
    afx_msg void OnDefaultFont();
    afx_msg void OnWordWrap();
    afx_msg void OnUpdateWordWrap(CCmdUI* pCmdUI);
    afx_msg void OnTextViewCommand(UINT nID);
    afx_msg void OnUpdatePageSetup(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrint(CCmdUI* pCmdUI);
    afx_msg void OnExchange(UINT nID);
    afx_msg void OnUpdateExportText(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateClientPanes(CCreateContext* pContext);
    // The menu bar, the three toolbars, their icons and shortcuts, and the
    // options and shortcuts stored at the last exit.
    BOOL CreateCommandBars();
    // Sets column 0 of the outer splitter (and column 1 to fill the rest).
    void SetTreeWidth(int cx);
    int GetTreeWidth() const;
    int GetClientWidth() const;
    // Stores the normal tree width and leaves the normal mode.
    void LeaveNormalView();
    void HideAttachmentsRow();
    void StoreFrameState();

    CQivSplitterWnd m_wndOuterSplitter;
    CQivSplitterWnd m_wndInnerSplitter;
    BYTE m_bNormalView = 1;
    C_InhaltView* m_pContentsView = nullptr;
    CQivTextView* m_pTextView = nullptr;
    CQivTreeView* m_pTreeView = nullptr;
    C_AnlagenView* m_pAttachmentsView = nullptr;
    std::unique_ptr<CSuchenDlg> m_pSearchWindow;
    CStringList m_searchHistory;
    CQivHistory m_history;
    CQivShowEntry m_showEntry;
    CBanner m_wndBanner;
    CXTPStatusBar m_wndStatusBar;
    CQivTrayIcon m_trayIcon;
    CXTPToolBar* m_pStandardBar = nullptr;
    CXTPToolBar* m_pViewBar = nullptr;
    CXTPToolBar* m_pFormatBar = nullptr;
};
