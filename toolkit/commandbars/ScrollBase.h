// CXTPScrollBase: the logic of a vertical scroll bar that a control draws
// inside its own window: where the arrows, the track and the thumb lie for a
// scroll range, which part a point hits, and which scroll position a thumb
// pixel stands for. The hosting control supplies the rectangle, the scroll
// values, the scrolling and the redraw.
//
// Stored or computed scroll values may be inconsistent (a page larger than
// the range, a position outside it): the page is clamped to the range and
// the position into the reachable part, so that the thumb never leaves the
// track; with no track to travel every pixel stands for the minimum.
#pragma once

#include "framework/core/Geometry.h"

class CDC;
class CWnd;
class CXTPControlGalleryPaintManager;

// Where the parts of a scroll bar lie, in client pixels of the host window.
struct SCROLLBARPOSINFO
{
    int posMin;
    int posMax;
    int page;            // clamped to the range
    int pos;
    int pxTop;
    int pxBottom;
    int pxLeft;
    int pxRight;
    int pxThumbLength;
    int pxUpArrow;       // end of the up arrow
    int pxDownArrow;     // start of the down arrow
    int pxStart;         // thumb top when a drag starts
    int pxThumbBottom;
    int pxThumbTop;
    int pxPopup;         // top of the host's own button below the track, 0 none
    int pxTravel;        // how far the thumb can move
    int pxLowestThumbTop;
    RECT rc;
    int nHitTest;        // the part pressed
};

// One mouse loop on the bar: what is pressed and how the loop goes.
struct SCROLLBARTRACKINFO
{
    BOOL bInside;         // the cursor is over the pressed part
    int nPart;            // SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN or SB_THUMBPOSITION
    UINT_PTR nTimer;      // the repeat timer while it runs
    int nDragOffset;      // thumb top - cursor y
    int pxLast;           // thumb top last shown
    int posCurrent;       // position before the drag (a cancel goes back there)
    int posNew;
    HWND hWndTrack;
    BOOL bTrackThumb;
    SCROLLBARPOSINFO* pInfo;
    RECT rcTrack;         // the pressed part, or the area a thumb drag holds
};

class CXTPScrollBase
{
public:
    // Hit codes of the parts.
    enum
    {
        hitNone = 0,
        hitUpArrow = 60,
        hitDownArrow = 61,
        hitPageUp = 62,
        hitPageDown = 63,
        hitThumb = 64,
        hitPopup = 65,
    };

    CXTPScrollBase();
    virtual ~CXTPScrollBase() = default;

    // The host's part.
    virtual BOOL IsScrollBarEnabled() const = 0;
    virtual CWnd* GetParentWindow() const = 0;
    virtual void GetScrollBarRect(CRect& rc) = 0;
    virtual void GetScrollInfo(SCROLLINFO* pScrollInfo) = 0;
    virtual void DoScroll(int nCommand, int nPosition) = 0;
    virtual void RedrawScrollBar() = 0;
    // The geometry of a standard vertical scroll bar; a host with another
    // form (more buttons, no arrows) replaces it.
    virtual void CalcScrollBarGeometry(LPCRECT lprcBar, SCROLLBARPOSINFO* pInfo,
                                       const SCROLLINFO* pScrollInfo);

    // Asks the host for its rectangle and scroll values and lays the bar out.
    void CalcScrollBarInfo();
    void CalcScrollBarInfo(LPCRECT lprcBar, SCROLLBARPOSINFO* pInfo, const SCROLLINFO* pScrollInfo)
    {
        CalcScrollBarGeometry(lprcBar, pInfo, pScrollInfo);
    }

    // The repeat timer of held arrows and page areas.
    enum { idRepeatTimer = 23345 };

    // Runs the mouse loop after a left-button press at the client point:
    // holds the capture, repeats arrows and page areas, drags the thumb
    // (at once under the cursor with bJump), and ends on button-up, capture
    // loss, WM_QUIT or the window's end. The thread's mouse manager is
    // locked meanwhile.
    void PerformTrackInit(HWND hWnd, CPoint point, SCROLLBARPOSINFO* pInfo, BOOL bJump);
    // The loop of the press, null when none runs.
    const SCROLLBARTRACKINFO* GetTrackInfo() const { return m_pTrack; }

    // How the bar looks: the explicit style, else 5 under the Office 2007
    // and ribbon themes, 3 under the others, 2 without a paint manager.
    int GetScrollStyle() const;
    // A line one pixel wide (bHorz: high) of the length; colour -1 draws nothing.
    static void DrawScrollLine(CDC* pDC, int x, int y, int nLength, BOOL bHorz, COLORREF clr);

    // The part of the bar under a client point (hit codes above).
    int HitTestScrollBar(POINT point) const;
    int HitTest(POINT point) const { return HitTestScrollBar(point); }
    // The scroll position that a thumb top at pixel y stands for.
    int PositionFromThumbPixel(int y) const;

    const SCROLLBARPOSINFO& GetScrollBarPosInfo() const { return m_spi; }
    SCROLLBARPOSINFO& GetScrollBarPosInfo() { return m_spi; }
    int GetHotPart() const { return m_nHotPart; }
    void SetHotPart(int nHitCode) { m_nHotPart = nHitCode; }
    // 0: the host's paint manager decides how the bar looks.
    int GetExplicitScrollStyle() const { return m_nScrollStyle; }
    void SetScrollStyle(int nStyle) { m_nScrollStyle = nStyle; }

    // The paint manager that draws the bar; null: none (plain look).
    virtual CXTPControlGalleryPaintManager* GetScrollBarPaintManager() const { return nullptr; }

    // The time between two repeats of a held part: the first after four
    // fifths of the double-click time, the others after a tenth of it.
    static UINT GetRepeatDelay(BOOL bFirst);

protected:
    // The height of each arrow button; the host answers its paint manager's.
    virtual int GetScrollBarArrowSize() const;

    SCROLLBARPOSINFO m_spi;
    SCROLLBARTRACKINFO* m_pTrack;
    int m_nHotPart;
    BOOL m_bHostFlag;   // starts at TRUE; its meaning is the host's
    int m_nScrollStyle;
};
