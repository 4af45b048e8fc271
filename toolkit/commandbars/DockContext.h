// CXTPDockContext: moves a toolbar with the mouse between the dock bars and
// the floating state, resizes it by an edge, and toggles it between docked
// and floating on a double click. It remembers the dock bar side and
// rectangle the bar was last docked at (also the place its dock bar wants
// it at in its row) and the screen position it last floated at. Each
// dockable bar owns one.
#pragma once

#include "framework/core/Geometry.h"

class CXTPCommandBar;
class CXTPCommandBars;
class CXTPToolBar;

class CXTPDockContext
{
public:
    explicit CXTPDockContext(CXTPCommandBar* pBar);
    virtual ~CXTPDockContext() = default;
    CXTPDockContext(const CXTPDockContext&) = delete;
    CXTPDockContext& operator=(const CXTPDockContext&) = delete;

    CXTPCommandBar* GetBar() const { return m_pBar; }

    // Moves the bar with the mouse (screen point of the press) until the
    // left button goes up or Esc is pressed; Esc keeps the place reached.
    virtual void StartDrag(CPoint pt);
    // Resizes by the edge of the hit-test code (HTLEFT..HTBOTTOMRIGHT).
    virtual void StartResize(int nHitTest, CPoint pt);
    // A floating bar docks where it was last docked, a docked one floats
    // where it last floated; FALSE when the bar's flags or the options
    // do not allow it.
    virtual BOOL ToggleDocking();
    // The modal mouse loop of a drag or resize.
    virtual void Track();

    // Bringing a rectangle to a point: moved the least so that the point
    // lies on or within it.
    static void BringRectToPoint(CRect& rect, CPoint pt);
    // Keeps at least 10 pixels of the rectangle within the work area.
    static void KeepRectOnScreen(CRect& rect, const CRect& rcWork);

    // The side last docked at (0 top, 1 bottom, 2 left, 3 right) and the
    // rectangle there, in the dock bar's client coordinates.
    int m_uMRUDockPosition;
    CRect m_rectMRUDockPos;
    // The screen position last floated at; 0 or below: none yet.
    CPoint m_ptMRUFloatPos;

protected:
    // One mouse move of the loop (screen point).
    void Move(CPoint pt);
    void ResizeByLayout(CPoint pt);
    void ResizeFree(CPoint pt);
    // The toolbar the context moves; null for other bars.
    CXTPToolBar* GetToolBar() const;
    BOOL IsFloating() const;
    // The bar's size for the length and mode: floating or docked layout.
    CSize CalcLayoutSize(int nLength, unsigned long dwMode) const;
    void SetLayoutChanged() const;

    CXTPCommandBar* m_pBar;
    // 1 moving, else the hit-test code of the edge being dragged.
    int m_nMode;
    CPoint m_ptLast;
    CRect m_rectDragFrame;
    CRect m_rectFrame;
};
