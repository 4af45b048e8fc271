// CXTPDockBar: one of the four edge windows of a frame that hold docked
// bars in rows. The bars are one list in which a null entry ends a row; a
// new dock bar holds one row end. The dock bar answers the frame's layout
// (WM_SIZEPARENT) with its thickness and places the bars of every row
// (DockBarLayout.h), paints its background through the paint manager and
// opens the toolbars menu on a right click.
#pragma once

#include "framework/core/Array.h"
#include "framework/ui/Wnd.h"

#include <vector>

class CXTPCommandBar;
class CXTPCommandBars;
struct AFX_SIZEPARENTPARAMS;

// Control ids of the four dock bars.
const UINT XTP_ID_DOCKBAR_TOP = 59419;
const UINT XTP_ID_DOCKBAR_BOTTOM = 59422;
const UINT XTP_ID_DOCKBAR_LEFT = 59420;
const UINT XTP_ID_DOCKBAR_RIGHT = 59421;

// The control id of the dock bar at the side (0 top, 1 bottom, 2 left,
// 3 right; others count as the top), and the side of an id (-1: none).
UINT XTPDockBarId(int nPosition);
int XTPDockBarPosition(UINT nId);

// Dock-bar styles: the side (alignment) and the border bits.
const DWORD XTP_DOCKBAR_STYLE_TOP = 0x2800;
const DWORD XTP_DOCKBAR_STYLE_BOTTOM = 0x8200;
const DWORD XTP_DOCKBAR_STYLE_LEFT = 0x1400;
const DWORD XTP_DOCKBAR_STYLE_RIGHT = 0x4100;

class CXTPDockBar : public CWnd
{
    DECLARE_DYNCREATE(CXTPDockBar)
public:
    CXTPDockBar();

    // A child of the parent with an empty rectangle, named after its side.
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID);

    // 0 top, 1 bottom, 2 left, 3 right.
    int GetDockPosition() const;
    BOOL IsHorizontal() const { return (m_dwStyle & 0xA000) != 0; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }

    // Docks the bar at the rectangle (screen coordinates; null: a new last
    // row) and has the frame laid out again.
    void DockCommandBar(CXTPCommandBar* pBar, LPCRECT lpRect = nullptr);
    // Makes the bar this dock bar's (window child of it, dock bar and side
    // this one's) without touching the list.
    void AttachBar(CXTPCommandBar* pBar);
    // Takes the bar's entry out (not the one at nKeepIndex); a row left
    // empty goes too. The frame is laid out again later.
    void RemoveCommandBar(CXTPCommandBar* pBar, int nKeepIndex = -1);
    // The index of the bar's entry other than nSkipIndex, or -1.
    int FindBar(CXTPCommandBar* pBar, int nSkipIndex = -1) const;
    // The bars of the row holding the entry at the index: all of them as
    // listed, or only the visible ones in their order on screen.
    void GetRowBars(int nIndex, std::vector<CXTPCommandBar*>& bars) const;
    void GetRowBarsInOrder(int nIndex, std::vector<CXTPCommandBar*>& bars) const;
    // The list: bars, null entries ending rows.
    int GetEntryCount() const { return static_cast<int>(m_arrBars.size()); }
    CXTPCommandBar* GetEntry(int nIndex) const;
    // Inserts an entry (a bar or a row end) at the index as stored layouts
    // are restored; out of range appends.
    void InsertEntry(int nIndex, CXTPCommandBar* pBar);
    // Bar ids of the list, 0 for row ends, as the profile keeps them.
    std::vector<UINT> GetEntryIds() const;

    // Thickness of the rows for the length and mode; with a deferred-position
    // handle the bars are moved there.
    CSize CalcDockBarSize(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pParams);

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    // The entry index a bar dropped with its centre at the point gets.
    int InsertBarAtPoint(CXTPCommandBar* pBar, CPoint ptCenter);
    // Every stretched bar gets a row of its own.
    void SeparateStretchedBars();
    // Lays one row of visible bars out at the offset; returns its thickness.
    int LayoutRow(const std::vector<CXTPCommandBar*>& bars, int nOffset, int nLength, DWORD dwMode,
                  AFX_SIZEPARENTPARAMS* pParams);
    // The layout mode for the bar in this dock bar.
    DWORD GetBarMode(CXTPCommandBar* pBar, DWORD dwMode) const;
    // The frame the dock bar lies on lays its bars out again.
    void RecalcFrameLayout(BOOL bDelay);
    void OnSizeParent(AFX_SIZEPARENTPARAMS* pParams);
    void OnPaint();

    DWORD m_dwStyle;
    std::vector<CXTPCommandBar*> m_arrBars;
    CXTPCommandBars* m_pCommandBars;
};
