#include "toolkit/extras/TabClientWnd.h"

#include "framework/ui/Dc.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/WndClass.h"
#include "toolkit/draw/BufferDC.h"
#include "toolkit/extras/TabPaintManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPTabClientWnd, CWnd)

BEGIN_MESSAGE_MAP(CXTPTabClientWnd, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CXTPTabClientWnd::CWorkspace, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Workspaces

CXTPTabClientWnd::CWorkspace::CWorkspace(CXTPTabClientWnd* pClient)
    : m_pClient(pClient)
{
    pClient->GetPaintManager()->AddAtom(this);
}

CXTPTabClientWnd::CWorkspace::~CWorkspace()
{
    if (GetSafeHwnd())
        DestroyWindow();
    DeleteAllItems();
}

void CXTPTabClientWnd::CWorkspace::Reposition()
{
    if (!GetSafeHwnd())
        return;
    CRect rc;
    CWnd::GetClientRect(&rc);
    CClientDC dc(this);
    GetPaintManager()->RepositionTabControl(this, &dc, rc);
    RedrawRect(nullptr, FALSE);
}

CXTPTabPaintManager* CXTPTabClientWnd::CWorkspace::GetPaintManager() const
{
    return m_pClient->GetPaintManager();
}

void CXTPTabClientWnd::CWorkspace::RedrawRect(LPCRECT lpRect, BOOL bErase)
{
    if (GetSafeHwnd())
        ::InvalidateRect(GetSafeHwnd(), lpRect, bErase);
}

// Children show their captions only.
BOOL CXTPTabClientWnd::CWorkspace::DrawItemIcon(CDC*, CPoint, CXTPTabManagerItem*, BOOL, CSize&)
{
    return FALSE;
}

void CXTPTabClientWnd::CWorkspace::OnSelectItem(CXTPTabManagerItem* pItem)
{
    CXTPTabManager::OnSelectItem(pItem);
    CMDIFrameWnd* pFrame = m_pClient->GetFrame();
    HWND hWndChild = pItem ? reinterpret_cast<HWND>(pItem->GetData()) : nullptr;
    if (pFrame && pFrame->m_hWndMDIClient && hWndChild && ::IsWindow(hWndChild))
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIACTIVATE,
                       reinterpret_cast<WPARAM>(hWndChild), 0);
}

void CXTPTabClientWnd::CWorkspace::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rc;
    CWnd::GetClientRect(&rc);
    CXTPBufferDC dc(dcPaint.GetSafeHdc(), rc);
    GetPaintManager()->DrawTabControl(this, &dc, rc);
}

BOOL CXTPTabClientWnd::CWorkspace::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPTabClientWnd::CWorkspace::OnLButtonDown(UINT, CPoint point)
{
    PerformClick(this, point);
}

// The tab client

CXTPTabClientWnd::CXTPTabClientWnd()
    : m_pPaintManager(new CXTPTabPaintManager())
{
}

CXTPTabClientWnd::~CXTPTabClientWnd()
{
    Detach();
    m_pPaintManager->InternalRelease();
}

BOOL CXTPTabClientWnd::Attach(CMDIFrameWnd* pFrame, const CRect& rc, BOOL bEnableGroups)
{
    if (!pFrame || !pFrame->GetSafeHwnd() || !pFrame->m_hWndMDIClient || m_pFrame)
        return FALSE;
    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                  rc.left, rc.top, rc.Width(), rc.Height(), pFrame->GetSafeHwnd(), nullptr))
        return FALSE;
    m_pFrame = pFrame;
    m_bEnableGroups = bEnableGroups;
    AddWorkspace();
    Refresh(FALSE);
    return TRUE;
}

void CXTPTabClientWnd::Detach()
{
    while (!m_arrWorkspaces.empty())
        RemoveWorkspace(GetWorkspaceCount() - 1);
    if (GetSafeHwnd())
        DestroyWindow();
    m_pFrame = nullptr;
}

CXTPTabClientWnd::CWorkspace* CXTPTabClientWnd::GetWorkspace(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetWorkspaceCount())
        return nullptr;
    return m_arrWorkspaces[static_cast<size_t>(nIndex)];
}

CXTPTabClientWnd::CWorkspace* CXTPTabClientWnd::AddWorkspace()
{
    if (!GetSafeHwnd() || (!m_bEnableGroups && !m_arrWorkspaces.empty()))
        return nullptr;
    CWorkspace* pWorkspace = new CWorkspace(this);
    if (!pWorkspace->CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "", WS_CHILD | WS_VISIBLE, 0, 0,
                              1, 1, GetSafeHwnd(), nullptr))
    {
        delete pWorkspace;
        return nullptr;
    }
    m_arrWorkspaces.push_back(pWorkspace);
    RepositionWorkspaces();
    return pWorkspace;
}

void CXTPTabClientWnd::RemoveWorkspace(int nIndex)
{
    CWorkspace* pWorkspace = GetWorkspace(nIndex);
    if (!pWorkspace)
        return;
    m_arrWorkspaces.erase(m_arrWorkspaces.begin() + nIndex);
    delete pWorkspace;
    RepositionWorkspaces();
}

void CXTPTabClientWnd::MoveItem(CXTPTabManagerItem* pItem, CWorkspace* pTo)
{
    CXTPTabManager* pFrom = pItem ? pItem->GetTabManager() : nullptr;
    if (!pFrom || !pTo || pFrom == pTo)
        return;
    pItem->InternalAddRef();
    pFrom->DeleteItem(pItem->GetIndex());
    pTo->InsertItem(-1, pItem);
    pTo->SetSelectedItem(pItem);
    for (int i = 0; i < GetWorkspaceCount(); ++i)
    {
        if (GetWorkspace(i)->GetItemCount() == 0)
        {
            RemoveWorkspace(i);
            break;
        }
    }
}

void CXTPTabClientWnd::SetHorizontalGroups(BOOL bHorizontal)
{
    m_bHorizSplitting = bHorizontal;
    RepositionWorkspaces();
}

void CXTPTabClientWnd::RepositionWorkspaces()
{
    if (!GetSafeHwnd() || m_arrWorkspaces.empty())
        return;
    CRect rc;
    GetClientRect(&rc);
    int nCount = GetWorkspaceCount();
    for (int i = 0; i < nCount; ++i)
    {
        CRect rcPart = rc;
        if (m_bHorizSplitting)
        {
            rcPart.top = rc.top + rc.Height() * i / nCount;
            rcPart.bottom = rc.top + rc.Height() * (i + 1) / nCount;
        }
        else
        {
            rcPart.left = rc.left + rc.Width() * i / nCount;
            rcPart.right = rc.left + rc.Width() * (i + 1) / nCount;
        }
        GetWorkspace(i)->MoveWindow(rcPart, TRUE);
        GetWorkspace(i)->Reposition();
    }
}

HWND CXTPTabClientWnd::GetActiveChild() const
{
    if (!m_pFrame || !m_pFrame->m_hWndMDIClient)
        return nullptr;
    return reinterpret_cast<HWND>(::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
}

void CXTPTabClientWnd::UpdateItems()
{
    if (m_arrWorkspaces.empty())
        return;
    HWND hWndClient = m_pFrame->m_hWndMDIClient;
    HWND hWndActive = GetActiveChild();

    // Tabs of children that are gone, or that are no longer children.
    for (CWorkspace* pWorkspace : m_arrWorkspaces)
    {
        for (int i = pWorkspace->GetItemCount() - 1; i >= 0; --i)
        {
            HWND hWnd = reinterpret_cast<HWND>(pWorkspace->GetItem(i)->GetData());
            if (!::IsWindow(hWnd) || ::GetParent(hWnd) != hWndClient)
                pWorkspace->DeleteItem(i);
        }
    }
    CXTPTabManagerItem* pActiveItem = hWndActive ? FindItem(hWndActive) : nullptr;
    CWorkspace* pTarget = pActiveItem ? static_cast<CWorkspace*>(pActiveItem->GetTabManager())
                                      : m_arrWorkspaces.front();
    for (HWND hWnd = ::GetWindow(hWndClient, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (::GetWindow(hWnd, GW_OWNER))
            continue;   // icon titles of minimised children
        char szTitle[256] = {};
        ::GetWindowTextA(hWnd, szTitle, static_cast<int>(sizeof(szTitle)));
        CXTPTabManagerItem* pItem = FindItem(hWnd);
        if (!pItem)
        {
            pItem = new CXTPTabManagerItem();
            pItem->SetData(reinterpret_cast<DWORD_PTR>(hWnd));
            pItem->SetCaption(szTitle);
            pTarget->InsertItem(-1, pItem);
        }
        else
        {
            pItem->SetCaption(szTitle);
        }
    }
    // Workspaces left without tabs go, except the last one.
    for (int i = GetWorkspaceCount() - 1; i >= 0 && GetWorkspaceCount() > 1; --i)
    {
        if (GetWorkspace(i)->GetItemCount() == 0)
            RemoveWorkspace(i);
    }
    if (hWndActive)
    {
        if (CXTPTabManagerItem* pItem = FindItem(hWndActive))
            pItem->GetTabManager()->SetSelectedItem(pItem);
    }
}

void CXTPTabClientWnd::RecalcFrameLayout()
{
    if (m_pFrame && m_pFrame->GetSafeHwnd())
        m_pFrame->RecalcLayout();
}

void CXTPTabClientWnd::Refresh(BOOL bRecalcFrame)
{
    if (!m_pFrame || m_bRefreshing)
        return;
    m_bRefreshing = TRUE;
    UpdateItems();
    if (!m_arrWorkspaces.empty())
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(pt);
        if (m_bEnableGroups)
            OnMouseMove(0, pt);
        else
            m_arrWorkspaces.front()->PerformMouseMove(m_arrWorkspaces.front(), pt);
    }
    if (GetSafeHwnd())
        ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
    if (bRecalcFrame && m_bEnableGroups && GetSafeHwnd())
    {
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER);
        RecalcFrameLayout();
    }
    m_bRefreshing = FALSE;
}

BOOL CXTPTabClientWnd::GetTabGroupCommandState(UINT nID, CXTPTabManagerItem** ppItem) const
{
    if (!m_bEnableGroups)
        return FALSE;
    HWND hWndActive = GetActiveChild();
    CXTPTabManagerItem* pItem = hWndActive ? FindItem(hWndActive) : nullptr;
    if (!pItem)
        return FALSE;
    if (ppItem)
        *ppItem = pItem;
    int n = GetWorkspaceCount();
    int w = FindWorkspaceIndex(static_cast<const CWorkspace*>(pItem->GetTabManager()));
    BOOL bSeveralTabs = pItem->GetTabManager()->GetItemCount() > 1;
    switch (nID)
    {
    case XTP_ID_WORKSPACE_MOVEPREVIOUS:
        return w != 0;
    case XTP_ID_WORKSPACE_MOVENEXT:
        return w + 1 != n;
    case XTP_ID_WORKSPACE_NEWHORIZONTAL:
        return (n == 1 || m_bHorizSplitting) && bSeveralTabs;
    case XTP_ID_WORKSPACE_NEWVERTICAL:
        return !(n != 1 && m_bHorizSplitting) && bSeveralTabs;
    }
    return TRUE;
}

CXTPTabManagerItem* CXTPTabClientWnd::FindItem(HWND hWndChild) const
{
    for (CWorkspace* pWorkspace : m_arrWorkspaces)
    {
        for (int i = 0; i < pWorkspace->GetItemCount(); ++i)
        {
            CXTPTabManagerItem* pItem = pWorkspace->GetItem(i);
            if (reinterpret_cast<HWND>(pItem->GetData()) == hWndChild)
                return pItem;
        }
    }
    return nullptr;
}

int CXTPTabClientWnd::FindWorkspaceIndex(const CWorkspace* pWorkspace) const
{
    auto it = std::find(m_arrWorkspaces.begin(), m_arrWorkspaces.end(), pWorkspace);
    return it == m_arrWorkspaces.end() ? -1 : static_cast<int>(it - m_arrWorkspaces.begin());
}

void CXTPTabClientWnd::ScreenToClient(CPoint& point) const
{
    if (m_bEnableGroups && GetSafeHwnd())
        ::ScreenToClient(GetSafeHwnd(), &point);
    else if (!m_arrWorkspaces.empty())
        ::ScreenToClient(m_arrWorkspaces.front()->GetSafeHwnd(), &point);
}

void CXTPTabClientWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bEnableGroups)
    {
        // Each workspace gets the point in its own client coordinates.
        for (CWorkspace* pWorkspace : m_arrWorkspaces)
        {
            CPoint pt = point;
            ::MapWindowPoints(GetSafeHwnd(), pWorkspace->GetSafeHwnd(), &pt, 1);
            pWorkspace->PerformMouseMove(pWorkspace, pt);
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CXTPTabClientWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RepositionWorkspaces();
}
