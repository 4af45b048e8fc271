// What the docking tests share: a bar of one size that keeps its dock bar
// and dock context, made as a small child window.
#pragma once

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/DockContext.h"

// Docks at one size along a horizontal dock bar, turned on a vertical one.
class CFixedDockBar : public CXTPCommandBar
{
public:
    CFixedDockBar(UINT nId, CSize size, DWORD dwFlags = 0);
    ~CFixedDockBar() override;

    BOOL CreateIn(CWnd* pParent);
    CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth) override;
    BOOL IsVisible() const override { return m_bShown; }
    // Shows or hides the window with the flag.
    void SetVisible(BOOL bVisible) override;
    BOOL IsRibbonBar() const override { return m_bRibbon; }
    CXTPDockBar* GetDockBar() const override { return m_pDockBar; }
    void SetDockBar(CXTPDockBar* pDockBar) override { m_pDockBar = pDockBar; }
    CXTPDockContext* GetDockContext() const override;

    BOOL m_bShown = TRUE;
    BOOL m_bRibbon = FALSE;
    CXTPDockContext m_context;

private:
    CSize m_size;
    CXTPDockBar* m_pDockBar = nullptr;
};
