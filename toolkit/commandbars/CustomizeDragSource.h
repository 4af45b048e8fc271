// CustomizeDragSource: the modal drag of a control from one bar (or from the
// customize dialog's command list) onto another while the user customizes
// the bars. It holds the mouse capture, finds the registered bar under the
// pointer (the one registered last wins where bars overlap), lets it show
// and move its insertion marker, moves or, with Ctrl held, copies, shows
// one of three cursors, and hands the drop to the bar under the pointer.
//
// Bars register themselves while their windows exist; a bar that goes away
// during a drag leaves the list and is forgotten as the target, so the list
// is walked by index and checked at every step.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/DropEffect.h"

#include <vector>

class CWnd;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;

// Results of a drag: released over no bar, copied, moved, cancelled.
enum XTPCustomizeDropResult
{
    xtpDropNone = 0,
    xtpDropCopied = 1,
    xtpDropMoved = 2,
    xtpDropCancelled = 5,
};

class CustomizeDragSource
{
public:
    // Cursor resources: no drop, move, copy.
    static const UINT IDC_DRAG_NONE = 9303;
    static const UINT IDC_DRAG_MOVE = 9302;
    static const UINT IDC_DRAG_COPY = 9301;

    explicit CustomizeDragSource(CXTPCommandBars* pCommandBars);
    ~CustomizeDragSource();

    void AddDropTarget(CXTPCommandBar* pBar);
    // Removes every entry of the bar; a bar that is the current target is
    // forgotten.
    void RemoveDropTarget(CXTPCommandBar* pBar);
    int GetDropTargetCount() const { return static_cast<int>(m_arrTargets.size()); }

    // The window that holds the capture during a drag (the customize
    // dialog while it is open); null: the command bars' site.
    void SetSourceWindow(CWnd* pWnd) { m_pSourceWnd = pWnd; }
    CWnd* GetSourceWindow() const { return m_pSourceWnd; }

    // Runs the drag of the control and answers an XTPCustomizeDropResult
    // (the bar that takes the drop may change a move or copy result).
    // bCopyOnly shows the copy cursor whatever the Ctrl key says.
    int DoDragDrop(CXTPControl* pControl, BOOL bCopyOnly = FALSE);
    // TRUE while DoDragDrop runs: the frame must not close under it.
    BOOL IsDragRunning() const { return m_bDragRunning; }
    CXTPCommandBar* GetTarget() const { return m_pTarget; }

    HCURSOR GetNoDropCursor() const { return m_hcurNoDrop; }
    HCURSOR GetMoveCursor() const { return m_hcurMove; }
    HCURSOR GetCopyCursor() const { return m_hcurCopy; }

private:
    // The target bar follows the pointer (screen coordinates).
    void UpdateDropTarget(CPoint ptScreen);
    void LeaveTarget();
    void SetDragCursor();
    // Hands the drop to the current target, if any; answers the result.
    int Drop(CPoint ptScreen, int nResult);
    // The last registered visible bar under the point, or null.
    CXTPCommandBar* TargetFromPoint(CPoint ptScreen) const;

    HWND m_hWndCapture;
    CXTPControl* m_pControl;
    BOOL m_bMove;
    BOOL m_bCopyOnly;
    CXTPCommandBar* m_pTarget;
    CWnd* m_pSourceWnd;
    CPoint m_ptStart;
    std::vector<CXTPCommandBar*> m_arrTargets;
    CXTPCommandBars* m_pCommandBars;
    HCURSOR m_hcurNoDrop;
    HCURSOR m_hcurMove;
    HCURSOR m_hcurCopy;
    BOOL m_bDragRunning;

    CustomizeDragSource(const CustomizeDragSource&) = delete;
    CustomizeDragSource& operator=(const CustomizeDragSource&) = delete;
};
