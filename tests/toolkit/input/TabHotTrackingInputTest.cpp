// Hot tracking of a tab strip under the real mouse: the tab and the
// navigate button under the pointer turn hot while the strip's window is in
// front, and lose it when the pointer leaves (the window's leave message).
#include "toolkit/extras/TabManager.h"
#include "toolkit/extras/TabNavigateButton.h"
#include "toolkit/extras/TabPaintManager.h"

#include "framework/ui/Dc.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/Wnd.h"
#include "framework/ui/WndClass.h"

#include "InputTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A top-level window that is one tab strip over its client area.
class CHotStrip : public CWnd, public CXTPTabManager
{
public:
    CHotStrip() : m_pPaintManager(new CXTPTabPaintManager())
    {
        m_pPaintManager->AddAtom(this);
        m_pPaintManager->SetHotTracking(TRUE);
    }
    ~CHotStrip() override
    {
        if (GetSafeHwnd())
            DestroyWindow();
        DeleteAllItems();
        m_pPaintManager->InternalRelease();
    }

    void Reposition() override
    {
        if (!GetSafeHwnd())
            return;
        CRect rc;
        CWnd::GetClientRect(&rc);
        CClientDC dc(this);
        m_pPaintManager->RepositionTabControl(this, &dc, rc);
        Invalidate(FALSE);
    }
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawRect(LPCRECT lpRect, BOOL bErase) override
    {
        if (GetSafeHwnd())
            ::InvalidateRect(GetSafeHwnd(), lpRect, bErase);
    }
    BOOL DrawItemIcon(CDC*, CPoint, CXTPTabManagerItem* pItem, BOOL, CSize&) override
    {
        return pItem == nullptr;
    }

    CXTPTabPaintManager* m_pPaintManager;

protected:
    afx_msg void OnMouseMove(UINT, CPoint point) { PerformMouseMove(this, point); }
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM)
    {
        PerformMouseMove(this, CPoint(-1, -1));
        return 0;
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        CWnd::GetClientRect(&rc);
        m_pPaintManager->DrawTabControl(this, &dc, rc);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHotStrip, CWnd)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(TabHotTrackingInput, TabsAndButtonsUnderTheMouseTurnHot)
{
    ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
    CHotStrip strip;
    ASSERT_TRUE(strip.CreateEx(0, AfxRegisterWndClass(0), "Registerkarten",
                               WS_POPUP | WS_VISIBLE | WS_BORDER, 200, 200, 160, 80, nullptr,
                               nullptr));
    for (int i = 0; i < 5; ++i)
        strip.InsertItem(-1, new CXTPTabManagerItem())->SetCaption("Karte");
    ASSERT_TRUE(MakeForeground(strip.GetSafeHwnd()));
    PumpInputMessages();

    auto toScreen = [&](CPoint pt) {
        strip.ClientToScreen(&pt);
        return pt;
    };
    CXTPTabManagerItem* pFirst = strip.GetItem(0);
    CXTPTabManagerItem* pSecond = strip.GetItem(1);
    ASSERT_TRUE(MoveMouseTo(toScreen(pFirst->GetRect().CenterPoint())));
    EXPECT_EQ(pFirst, strip.GetHighlightedItem());
    EXPECT_TRUE(pFirst->IsHighlighted());
    ASSERT_TRUE(MoveMouseTo(toScreen(pSecond->GetRect().CenterPoint())));
    EXPECT_EQ(pSecond, strip.GetHighlightedItem());

    // A disabled tab is not hot; the arrow under the mouse is.
    pSecond->SetEnabled(FALSE);
    ASSERT_TRUE(MoveMouseTo(toScreen(pSecond->GetRect().CenterPoint() + CPoint(1, 0))));
    EXPECT_EQ(nullptr, strip.GetHighlightedItem());
    CXTPTabManagerNavigateButton* pRight = strip.FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_TRUE(pRight->IsVisible());
    ASSERT_TRUE(MoveMouseTo(toScreen(pRight->GetRect().CenterPoint())));
    EXPECT_TRUE(pRight->IsHighlighted());

    // Leaving the window ends both. The system reports the leave from a
    // timer of its own: pump until it came (at most 2 seconds).
    ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
    DWORD dwStart = ::GetTickCount();
    while (pRight->IsHighlighted() && ::GetTickCount() - dwStart < 2000)
        PumpInputMessages();
    EXPECT_FALSE(pRight->IsHighlighted());
    EXPECT_EQ(nullptr, strip.GetHighlightedItem());
}
