// CXTPTabClientWnd: the child windows of a multiple-document frame shown as
// tabs, optionally split into tab groups (workspaces) that each hold one tab
// manager. Every tab stands for one MDI child and carries its window handle
// as the tab's data.
//
// The program itself makes no tab client. This one attaches to a frame
// whose MDI client window (m_hWndMDIClient) exists, keeps one tab per MDI
// child up to date (UpdateItems) and answers the command states of the
// tab-group commands. Workspaces are windows side by side inside the tab
// client; new children join the workspace of the active child.
#pragma once

#include "framework/ui/Wnd.h"
#include "toolkit/extras/TabManager.h"

#include <vector>

class CMDIFrameWnd;
class CXTPTabPaintManager;

// Tab-group commands.
const UINT XTP_ID_WORKSPACE_MOVEPREVIOUS = 9420;
const UINT XTP_ID_WORKSPACE_MOVENEXT = 9421;
const UINT XTP_ID_WORKSPACE_NEWHORIZONTAL = 9422;
const UINT XTP_ID_WORKSPACE_NEWVERTICAL = 9423;

class CXTPTabClientWnd : public CWnd
{
    DECLARE_DYNCREATE(CXTPTabClientWnd)
public:
    // One tab group: a window with the tab manager of its tabs.
    class CWorkspace : public CWnd, public CXTPTabManager
    {
    public:
        explicit CWorkspace(CXTPTabClientWnd* pClient);
        ~CWorkspace() override;

        void Reposition() override;
        CXTPTabPaintManager* GetPaintManager() const override;
        void RedrawRect(LPCRECT lpRect, BOOL bErase) override;
        BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                          CSize& szIcon) override;
        // Activates the tab's MDI child.
        void OnSelectItem(CXTPTabManagerItem* pItem) override;

    protected:
        afx_msg void OnPaint();
        afx_msg BOOL OnEraseBkgnd(CDC* pDC);
        afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
        DECLARE_MESSAGE_MAP()

    private:
        CXTPTabClientWnd* m_pClient;
    };

    CXTPTabClientWnd();
    ~CXTPTabClientWnd() override;

    // Creates the tab client as a child of the frame over rc (frame client
    // coordinates) with one workspace, and fills it from the MDI children.
    BOOL Attach(CMDIFrameWnd* pFrame, const CRect& rc, BOOL bEnableGroups = FALSE);
    void Detach();

    // Brings the tabs up to date with the frame's children, redoes the hot
    // tracking at the cursor and repaints; with bRecalcFrame the frame is
    // laid out again. Nothing while a refresh runs.
    void Refresh(BOOL bRecalcFrame = FALSE);
    // Whether a tab-group command is enabled for the active child; its tab
    // through pItem. Other command ids are always enabled.
    BOOL GetTabGroupCommandState(UINT nID, CXTPTabManagerItem** ppItem) const;

    // The tab standing for the child window, over all workspaces; null when none.
    CXTPTabManagerItem* FindItem(HWND hWndChild) const;
    int FindWorkspaceIndex(const CWorkspace* pWorkspace) const;
    int GetWorkspaceCount() const { return static_cast<int>(m_arrWorkspaces.size()); }
    CWorkspace* GetWorkspace(int nIndex) const;
    // A new empty workspace after the last one (groups only).
    CWorkspace* AddWorkspace();
    // Moves the tab into another workspace; an emptied workspace is removed.
    void MoveItem(CXTPTabManagerItem* pItem, CWorkspace* pTo);
    void ScreenToClient(CPoint& point) const;

    BOOL IsGroupsEnabled() const { return m_bEnableGroups; }
    BOOL IsHorizontalGroups() const { return m_bHorizSplitting; }
    void SetHorizontalGroups(BOOL bHorizontal);
    CXTPTabPaintManager* GetPaintManager() const { return m_pPaintManager; }
    CMDIFrameWnd* GetFrame() const { return m_pFrame; }

protected:
    // One tab per MDI child; tabs of closed children go; the active child's
    // tab is selected. Called by Refresh.
    virtual void UpdateItems();
    // The frame's layout after a refresh that asks for it.
    virtual void RecalcFrameLayout();
    // Places the workspaces side by side (stacked with horizontal groups).
    void RepositionWorkspaces();
    HWND GetActiveChild() const;

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void RemoveWorkspace(int nIndex);

    std::vector<CWorkspace*> m_arrWorkspaces;
    CMDIFrameWnd* m_pFrame = nullptr;
    BOOL m_bRefreshing = FALSE;
    BOOL m_bHorizSplitting = FALSE;
    BOOL m_bEnableGroups = FALSE;
    CXTPTabPaintManager* m_pPaintManager;
};
