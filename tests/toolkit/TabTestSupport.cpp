#include "TabTestSupport.h"

#include "framework/ui/Dc.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/WndClass.h"

BEGIN_MESSAGE_MAP(CTestTabStrip, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CTestTabStrip::CTestTabStrip()
    : m_pPaintManager(new CXTPTabPaintManager())
    , m_rcLayout(0, 0, 300, 200)
{
    m_pPaintManager->AddAtom(this);
}

CTestTabStrip::~CTestTabStrip()
{
    DestroyStrip();
    DeleteAllItems();
    m_pPaintManager->InternalRelease();
}

BOOL CTestTabStrip::CreateStrip(const CRect& rc)
{
    if (!m_parent.CreateEx(0, AfxRegisterWndClass(0), "Registerkarten", WS_OVERLAPPEDWINDOW, 50,
                           50, rc.right + 40, rc.bottom + 60, nullptr, nullptr))
        return FALSE;
    m_rcLayout = CRect(0, 0, rc.Width(), rc.Height());
    return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "", WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                    rc.Width(), rc.Height(), m_parent.GetSafeHwnd(), nullptr);
}

void CTestTabStrip::DestroyStrip()
{
    if (GetSafeHwnd())
        DestroyWindow();
    if (m_parent.GetSafeHwnd())
        m_parent.DestroyWindow();
}

CXTPTabManagerItem* CTestTabStrip::AddTab(LPCSTR lpszCaption, int nImage)
{
    CXTPTabManagerItem* pItem = new CXTPTabManagerItem();
    pItem->SetCaption(lpszCaption);
    pItem->SetImageIndex(nImage);
    return InsertItem(-1, pItem);
}

void CTestTabStrip::Reposition()
{
    ++m_nRepositions;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    m_pPaintManager->RepositionTabControl(this, &dc, m_rcLayout);
    RedrawRect(nullptr, FALSE);
}

void CTestTabStrip::DrawInto(CDC* pDC)
{
    m_pPaintManager->DrawTabControl(this, pDC, m_rcLayout);
}

void CTestTabStrip::RedrawRect(LPCRECT lpRect, BOOL bErase)
{
    if (GetSafeHwnd())
        ::InvalidateRect(GetSafeHwnd(), lpRect, bErase);
}

BOOL CTestTabStrip::DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                                 CSize& szIcon)
{
    if (!pItem)
        return TRUE;
    if (pItem->GetImageIndex() == -1)
        return FALSE;
    szIcon = CSize(16, 16);
    if (bDraw)
        pDC->FillSolidRect(pt.x, pt.y, 16, 16, TEST_TAB_ICON_COLOR);
    return TRUE;
}

void CTestTabStrip::OnSelectItem(CXTPTabManagerItem* pItem)
{
    ++m_nSelectNotifications;
    CXTPTabManager::OnSelectItem(pItem);
}

void CTestTabStrip::OnNavigateButtonClick(int nID)
{
    m_arrButtonClicks.push_back(nID);
}

void CTestTabStrip::OnPaint()
{
    CPaintDC dc(this);
    DrawInto(&dc);
}

LRESULT CTestTabStrip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
    {
        if (m_onAppMessage)
            m_onAppMessage(wParam);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
