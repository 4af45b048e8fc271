// Split buttons and the joined buttons of a ribbon group as the ribbon theme
// draws them: each part's image and frame from the control's state.
#include "toolkit/draw/RibbonTheme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/Office2007Image.h"
#include "toolkit/extras/RibbonGroup.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const CRect kMargins2(2, 2, 2, 2);
const int kNone = -1;
// The height of one frame of the joined buttons' images.
const int kJoinedFrameHeight = 22;
// The height of a large split button's drop-down part.
const int kLargeDropDownHeight = 27;

BOOL IsKeyboardValue(int nValue)
{
    return nValue == 2 || nValue == 3;
}

CXTPRibbonGroup* JoiningGroup(CXTPControl* pControl)
{
    CXTPRibbonGroup* pGroup = pControl->GetRibbonGroup();
    return pGroup && pGroup->IsControlsGrouping() ? pGroup : nullptr;
}

// The visible neighbour of a control in its collection (nStep 1 or -1);
// null when none lies that way.
CXTPControl* VisibleNeighbour(CXTPControl* pControl, int nStep)
{
    CXTPControls* pControls = pControl->GetControls();
    if (!pControls)
        return nullptr;
    const int nIndex = pControl->GetIndex();
    const int nOther = pControls->GetNextVisibleIndex(nIndex, nStep, FALSE);
    // The walk wraps around the collection's ends.
    if (nOther < 0 || (nStep > 0 ? nOther <= nIndex : nOther >= nIndex))
        return nullptr;
    return pControls->GetAt(nOther);
}

BOOL StartsRun(const CXTPControl* pControl)
{
    return pControl->GetBeginGroup() || pControl->GetWrap();
}

// Where a joined control stands in its run. A run also ends at the edge of
// its ribbon group: the ribbon keeps every group's controls in one
// collection, and a strip must not reach into the next group.
struct RunPlace
{
    BOOL bFirst;
    BOOL bLast;
};

RunPlace PlaceInRun(CXTPControl* pControl)
{
    CXTPControl* pPrevious = VisibleNeighbour(pControl, -1);
    CXTPControl* pNext = VisibleNeighbour(pControl, 1);
    RunPlace place;
    place.bFirst = StartsRun(pControl) || !pPrevious || pPrevious->GetRibbonGroup() != pControl->GetRibbonGroup();
    place.bLast = !pNext || StartsRun(pNext) || pNext->GetRibbonGroup() != pControl->GetRibbonGroup();
    return place;
}

// The state a split button's parts are drawn in: E the enabled value, S
// the selection (3 over the command part, 4 over the arrow), P pressed,
// K checked, O popup open.
struct SplitState
{
    int E, S, P;
    BOOL K, O;
};

int SplitCommandFrame(const SplitState& s)
{
    if (s.E == xtpSplitArrowOnly && (s.S || s.P || s.O))
        return 4;
    if (s.E == 0)
        return IsKeyboardValue(s.S) ? 5 : kNone;
    if (s.K)
    {
        if (s.O)
            return 2;
        if (s.P == 0)
            return s.S ? 3 : 2;
        if (IsKeyboardValue(s.P))
            return 1;
        return s.S == 0 ? 2 : 1;
    }
    if (s.O)
        return 3;
    if (IsKeyboardValue(s.P))
        return 1;
    if (s.S == 0)
        return s.P == 0 ? kNone : 5;
    if (s.P)
        return 1;
    return s.S == 3 ? 0 : 5;
}

int SplitDropDownFrame(const SplitState& s)
{
    if (s.E == xtpSplitCommandOnly && (s.S || s.P || s.O))
        return 3;
    if (s.E == 0)
        return IsKeyboardValue(s.S) ? 4 : kNone;
    if (s.O)
        return 2;
    if (IsKeyboardValue(s.P))
        return 0;
    if (s.S)
        return s.P || s.S == 4 ? 0 : 4;
    return s.K || s.P ? 4 : kNone;
}

} // namespace

void CXTPRibbonTheme::DrawControlFace(CDC* pDC, CXTPControl* pControl)
{
    if (!JoiningGroup(pControl))
    {
        CXTPOffice2007Theme::DrawControlFace(pDC, pControl);
        return;
    }
    const RunPlace place = PlaceInRun(pControl);
    LPCSTR pszImage = place.bFirst ? (place.bLast ? "TOOLBARBUTTONSSPECIALSINGLE" : "TOOLBARBUTTONSSPECIALLEFT")
                                   : (place.bLast ? "TOOLBARBUTTONSSPECIALRIGHT" : "TOOLBARBUTTONSSPECIALCENTER");
    CXTPOffice2007Image* pImage = GetImage(pszImage);
    if (!pImage)
    {
        CXTPOffice2007Theme::DrawControlFace(pDC, pControl);
        return;
    }
    const int nFrames = pImage->GetHeight() / kJoinedFrameHeight;
    const int nFrame = GetToolbarFaceFrame(pControl->GetSelected(), pControl->GetPressed(), pControl->GetEnabled(),
                                           pControl->GetChecked(), pControl->IsPopupOpen())
                       + 1;
    // An image shorter than the frame asked for has nothing to show for it.
    if (nFrame >= nFrames)
        return;
    pImage->DrawImage(pDC, pControl->GetRect(), pImage->GetSource(nFrame, nFrames), kMargins2, kMagenta);
}

void CXTPRibbonTheme::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc)
{
    const BOOL bJoined = JoiningGroup(pControl) != nullptr;
    const BOOL bLarge = !bJoined && pControl->GetStyle() == xtpButtonIconAndCaptionBelow;
    LPCSTR pszCommand = bLarge ? "TOOLBARBUTTONSSPLIT50" : "TOOLBARBUTTONSSPLIT22";
    LPCSTR pszDropDown = bLarge ? "TOOLBARBUTTONSSPLITDROPDOWN50" : "TOOLBARBUTTONSSPLITDROPDOWN22";
    if (bJoined)
    {
        const RunPlace place = PlaceInRun(pControl);
        pszCommand = place.bFirst ? "TOOLBARBUTTONSSPECIALSPLITLEFT" : "TOOLBARBUTTONSSPECIALSPLITCENTER";
        pszDropDown = place.bLast ? "TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT"
                                  : "TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER";
    }
    CXTPOffice2007Image* pCommand = GetImage(pszCommand);
    CXTPOffice2007Image* pDropDown = GetImage(pszDropDown);
    // Without the pair the Office look draws the button (its faces come
    // from DrawButtonFace, its arrow from DrawPopupArrow).
    if (!pCommand || !pDropDown)
    {
        CXTPOffice2007Theme::DrawSplitButtonFrame(pDC, pControl, rc);
        return;
    }

    CRect rcCommand(rc), rcDropDown(rc);
    if (bLarge)
    {
        rcCommand.bottom = rc.bottom - kLargeDropDownHeight;
        rcDropDown.top = rcCommand.bottom;
    }
    else
    {
        rcCommand.right = rc.right - m_nSplitButtonDropDownWidth;
        rcDropDown.left = rcCommand.right;
    }

    const SplitState state = {pControl->GetEnabledValue(), pControl->GetSelected(), pControl->GetPressed(),
                              pControl->GetChecked(), pControl->IsPopupOpen()};
    // A joined group's images hold the idle look as an extra first frame.
    const int nShift = bJoined ? 1 : 0;
    const struct
    {
        CXTPOffice2007Image* pImage;
        CRect rcPart;
        int nFrame;
        int nFrames;
    } parts[] = {{pCommand, rcCommand, SplitCommandFrame(state), 6 + nShift},
                 {pDropDown, rcDropDown, SplitDropDownFrame(state), 5 + nShift}};
    for (const auto& part : parts)
    {
        const int nFrame = part.nFrame == kNone ? (bJoined ? 0 : kNone) : part.nFrame + nShift;
        if (nFrame != kNone && !part.rcPart.IsRectEmpty())
            part.pImage->DrawImage(pDC, part.rcPart, part.pImage->GetSource(nFrame, part.nFrames), kMargins2,
                                   kMagenta);
    }

    pDC->SetTextColor(pControl->GetEnabled() ? RGB(21, 66, 139) : RGB(141, 141, 141));
    pDC->SetBkMode(TRANSPARENT);
    if (!bLarge)
        DrawPopupArrow(pDC, rc.right - 6, rc.CenterPoint().y, pControl->GetSelected(), pControl->IsPopupOpen(),
                       pControl->GetEnabled() && pControl->GetEnabledValue() != xtpSplitCommandOnly, FALSE);
}
