// A tab strip for the tests: a child window that embeds a tab manager with
// a paint manager of its own, lays it out over its client area and paints
// it. Tabs whose image index is not -1 show a 16 x 16 square in a colour
// of their own. Selection notifications are counted. The strip can also
// be used without a window (layout into a rectangle, drawing into a DIB).
#pragma once

#include "framework/ui/Wnd.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabManager.h"
#include "toolkit/extras/TabPaintManager.h"

#include <functional>
#include <vector>

class CDC;

// The square an icon tab shows.
const COLORREF TEST_TAB_ICON_COLOR = RGB(0, 160, 0);

class CTestTabStrip : public CWnd, public CXTPTabManager
{
public:
    CTestTabStrip();
    ~CTestTabStrip() override;

    // A visible child of a new top-level parent, rc in the parent's client.
    BOOL CreateStrip(const CRect& rc);
    void DestroyStrip();

    CXTPTabManagerItem* AddTab(LPCSTR lpszCaption, int nImage = -1);

    // Layout without a window uses this rectangle (and a screen DC).
    void SetLayoutRect(const CRect& rc) { m_rcLayout = rc; }
    // The strip drawn into the DC over the layout rectangle.
    void DrawInto(CDC* pDC);

    void Reposition() override;
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawRect(LPCRECT lpRect, BOOL bErase) override;
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                      CSize& szIcon) override;
    void OnSelectItem(CXTPTabManagerItem* pItem) override;
    void OnNavigateButtonClick(int nID) override;
    BOOL IsFocused() const override { return m_bFocused; }

    CXTPTabPaintManager* m_pPaintManager;
    int m_nSelectNotifications = 0;
    int m_nRepositions = 0;
    std::vector<int> m_arrButtonClicks;
    BOOL m_bFocused = FALSE;
    // Runs when the window is sent or dispatched WM_APP (the loops' tests
    // post it to act in the middle of a loop).
    std::function<void(WPARAM)> m_onAppMessage;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CWnd m_parent;
    CRect m_rcLayout;
};

// An appearance set whose tabs are as long as their data value, so that
// layouts can be checked against lengths the test chooses.
class CFixedLengthAppearance : public CXTPTabPaintManager::CAppearanceSetPropertyPage
{
public:
    int GetItemLength(CDC*, CXTPTabManagerItem* pItem) override
    {
        return static_cast<int>(pItem->GetData());
    }
};
