// Toolbar layout of a collection: each control is measured, the controls are
// broken into rows (columns on a vertically docked bar) for a length, a good
// width is searched where the bar may choose one, each control is centred in
// its row, right-aligned controls go to the far end and stretched ones share
// the free length. Work happens on records; the controls are written only
// when the mode commits.
#include "toolkit/controls/Controls.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>
#include <vector>

namespace {

const DWORD LM_STRETCH = 0x01;
const DWORD LM_MRUWIDTH = 0x04;
const DWORD LM_HORZDOCK = 0x08;
const DWORD LM_VERTDOCK = 0x10;
const DWORD LM_LENGTHY = 0x20;
const DWORD LM_COMMIT = 0x40;
const DWORD LM_HIDEWRAP = 0x80;
const DWORD LM_POPUP = 0x100;
const int MAX_WRAP_LENGTH = 0x7FFF;

struct LayoutRecord
{
    CRect rc;
    CRect rcRow;
    CSize size;
    BOOL bVisible;
    BOOL bWrap;
    BOOL bHidden;
    BOOL bBeginGroup;
    int nStyle;
    CXTPControl* pControl;

    BOOL IsPlaced() const { return bVisible && !bHidden; }
    DWORD Flags() const { return pControl->GetFlags(); }
};

class LayoutPass
{
public:
    LayoutPass(CXTPControls* pControls, CDC* pDC, DWORD dwMode, CSize szGap, BOOL bVert)
        : m_pControls(pControls), m_pDC(pDC), m_dwMode(dwMode), m_szGap(szGap), m_bVert(bVert)
    {
        for (int i = 0; i < pControls->GetCount(); ++i)
        {
            CXTPControl* pControl = pControls->GetAt(i);
            LayoutRecord r = {};
            r.pControl = pControl;
            r.rc = pControl->GetRect();
            r.bVisible = pControl->IsVisibleExcept(xtpHideWrap);
            r.bBeginGroup = pControl->GetBeginGroup();
            r.nStyle = pControl->GetStyle();
            r.size = r.bVisible ? pControl->GetSize(pDC) : CSize(0, 0);
            m_records.push_back(r);
        }
    }

    DWORD Mode() const { return m_dwMode; }
    std::vector<LayoutRecord>& Records() { return m_records; }

    // Breaks the records into rows for the length; the number of rows.
    int Wrap(int nLength);
    // Places the records that show; the extent reached on each axis.
    CSize Place();
    CSize WrapAndPlace(int nLength)
    {
        Wrap(nLength);
        return Place();
    }
    // Popup shape: the narrowest width that is not narrower than it is tall.
    void Balance();
    // Floating: the layout for a length along the free axis.
    void Fit(int nLength);
    void CentreRows(CSize szBar, const CRect& rcBorder, BOOL bCentre);
    void AlignAndStretch(CSize szBar, const CRect& rcBorder);
    void Commit();

private:
    int Extent(const LayoutRecord& r) const { return m_bVert ? r.size.cy : r.size.cx; }
    int GapExtent() const { return m_bVert ? m_szGap.cy : m_szGap.cx; }

    CXTPControls* m_pControls;
    CDC* m_pDC;
    DWORD m_dwMode;
    CSize m_szGap;
    BOOL m_bVert;
    std::vector<LayoutRecord> m_records;
};

int LayoutPass::Wrap(int nLength)
{
    for (LayoutRecord& r : m_records)
        r.bWrap = r.bHidden = FALSE;
    int nCount = static_cast<int>(m_records.size());
    int nRows = 1;
    int nRowStart = -1;
    int x = 0;
    for (int i = 0; i < nCount;)
    {
        LayoutRecord& r = m_records[i];
        if (!r.bVisible)
        {
            ++i;
            continue;
        }
        if (nRowStart < 0)
        {
            nRowStart = i;
            x = Extent(r);
            ++i;
            continue;
        }
        BOOL bForced = (r.Flags() & xtpFlagWrapRow) != 0;
        int nGap = r.bBeginGroup ? GapExtent() : 0;
        BOOL bBreak = bForced || x + nGap + Extent(r) > nLength
                      || ((m_dwMode & LM_POPUP) && r.bBeginGroup);
        if (!bBreak)
        {
            x += nGap + Extent(r);
            ++i;
            continue;
        }
        if (bForced)
        {
            r.bWrap = TRUE;
            ++nRows;
            nRowStart = i;
            x = Extent(r);
            ++i;
            continue;
        }
        if (m_dwMode & LM_HIDEWRAP)
        {
            // Hidden up to the next control that always begins a row.
            int j = i;
            while (j < nCount && !(m_records[j].Flags() & xtpFlagWrapRow))
                m_records[j++].bHidden = TRUE;
            m_dwMode |= LM_STRETCH;
            if (j >= nCount)
                break;
            i = j;
            continue;
        }
        // Back to a visible group start of this row, never to the row's own
        // first record (the same break again would never end).
        int k = i;
        for (int j = i; j > nRowStart; --j)
            if (m_records[j].bVisible && m_records[j].bBeginGroup)
            {
                k = j;
                break;
            }
        m_records[k].bWrap = TRUE;
        ++nRows;
        nRowStart = k;
        x = Extent(m_records[k]);
        i = k + 1;
        m_dwMode |= LM_STRETCH;
    }
    return nRows;
}

CSize LayoutPass::Place()
{
    if (!m_bVert)
    {
        int x = 0, y = 0, nRowHeight = 0, nMaxX = 0;
        BOOL bFirst = TRUE;
        for (LayoutRecord& r : m_records)
        {
            if (!r.IsPlaced())
                continue;
            if (!bFirst && r.bWrap)
            {
                y += nRowHeight + (r.bBeginGroup ? m_szGap.cy : 0);
                x = 0;
                nRowHeight = 0;
            }
            else if (!bFirst && r.bBeginGroup)
            {
                x += m_szGap.cx;
            }
            r.rc = CRect(x, y, x + r.size.cx, y + r.size.cy);
            x += r.size.cx;
            nRowHeight = std::max(nRowHeight, static_cast<int>(r.size.cy));
            nMaxX = std::max(nMaxX, x);
            bFirst = FALSE;
        }
        return CSize(nMaxX, y + nRowHeight);
    }

    // Columns run downwards; the first column is the rightmost.
    std::vector<int> columnWidths;
    std::vector<int> columnGaps;
    std::vector<int> columnOf(m_records.size(), 0);
    int y = 0, nMaxY = 0;
    BOOL bFirst = TRUE;
    for (size_t i = 0; i < m_records.size(); ++i)
    {
        LayoutRecord& r = m_records[i];
        if (!r.IsPlaced())
            continue;
        if (bFirst || r.bWrap)
        {
            columnWidths.push_back(0);
            columnGaps.push_back(!bFirst && r.bBeginGroup ? m_szGap.cx : 0);
            y = 0;
        }
        else if (r.bBeginGroup)
        {
            y += m_szGap.cy;
        }
        columnOf[i] = static_cast<int>(columnWidths.size()) - 1;
        r.rc = CRect(0, y, r.size.cx, y + r.size.cy);
        y += r.size.cy;
        nMaxY = std::max(nMaxY, y);
        columnWidths.back() = std::max(columnWidths.back(), static_cast<int>(r.size.cx));
        bFirst = FALSE;
    }
    int nTotal = 0;
    for (size_t c = 0; c < columnWidths.size(); ++c)
        nTotal += columnWidths[c] + columnGaps[c];
    std::vector<int> columnLeft(columnWidths.size(), 0);
    int nRight = nTotal;
    for (size_t c = 0; c < columnWidths.size(); ++c)
    {
        nRight -= columnGaps[c];
        columnLeft[c] = nRight - columnWidths[c];
        nRight = columnLeft[c];
    }
    for (size_t i = 0; i < m_records.size(); ++i)
        if (m_records[i].IsPlaced())
            m_records[i].rc.OffsetRect(columnLeft[columnOf[i]], 0);
    return CSize(nTotal, nMaxY);
}

void LayoutPass::Balance()
{
    int nLow = WrapAndPlace(0).cx;
    int nHigh = WrapAndPlace(MAX_WRAP_LENGTH).cx;
    while (nLow < nHigh)
    {
        int nMid = (nLow + nHigh) / 2;
        CSize size = WrapAndPlace(nMid);
        if (size.cx < size.cy)
            nLow = nMid + 1;
        else
            nHigh = nMid;
    }
    WrapAndPlace(nHigh);
}

void LayoutPass::Fit(int nLength)
{
    DWORD dwMode = m_dwMode;
    if (m_dwMode & LM_LENGTHY)
    {
        int nLow = 0, nHigh = MAX_WRAP_LENGTH;
        while (nLow < nHigh)
        {
            int nMid = (nLow + nHigh) / 2;
            if (WrapAndPlace(nMid).cy <= nLength)
                nHigh = nMid;
            else
                nLow = nMid + 1;
        }
        m_dwMode = dwMode;
        WrapAndPlace(nLow);
        return;
    }
    int nTarget = Wrap(nLength);
    if (nLength > 0 && Wrap(0) != nTarget)
    {
        int nLow = 0, nHigh = nLength;
        while (nLow < nHigh)
        {
            int nMid = (nLow + nHigh) / 2;
            if (Wrap(nMid) <= nTarget)
                nHigh = nMid;
            else
                nLow = nMid + 1;
        }
        nLength = nLow;
    }
    m_dwMode = dwMode;
    CSize size = WrapAndPlace(nLength);
    WrapAndPlace(size.cx);
}

void LayoutPass::CentreRows(CSize szBar, const CRect& rcBorder, BOOL bCentre)
{
    // Rows (columns) are runs of placed records split by the wrap flag.
    std::vector<std::vector<LayoutRecord*>> rows;
    for (LayoutRecord& r : m_records)
    {
        if (!r.IsPlaced())
            continue;
        r.rc.OffsetRect(rcBorder.left, rcBorder.top);
        if (rows.empty() || r.bWrap)
            rows.emplace_back();
        rows.back().push_back(&r);
    }
    for (auto& row : rows)
    {
        int nThickness = 0;
        int nStart = INT_MAX;
        for (LayoutRecord* r : row)
        {
            nThickness = std::max(nThickness, static_cast<int>(m_bVert ? r->size.cx : r->size.cy));
            nStart = std::min(nStart, static_cast<int>(m_bVert ? r->rc.left : r->rc.top));
        }
        if (rows.size() == 1)
        {
            nThickness = m_bVert ? szBar.cx : szBar.cy;
            nStart = m_bVert ? rcBorder.left : rcBorder.top;
        }
        for (LayoutRecord* r : row)
        {
            if (m_bVert)
            {
                r->rcRow = CRect(nStart, rcBorder.top, nStart + nThickness, rcBorder.top + szBar.cy);
                if (bCentre)
                    r->rc.OffsetRect(nStart - r->rc.left + (nThickness - r->size.cx) / 2, 0);
            }
            else
            {
                r->rcRow = CRect(rcBorder.left, nStart, rcBorder.left + szBar.cx, nStart + nThickness);
                if (bCentre)
                    r->rc.OffsetRect(0, nStart - r->rc.top + (nThickness - r->size.cy) / 2);
            }
        }
    }
}

void LayoutPass::AlignAndStretch(CSize szBar, const CRect& rcBorder)
{
    auto farEdge = [&](const CRect& rc) { return static_cast<int>(m_bVert ? rc.bottom : rc.right); };
    auto nearEdge = [&](const CRect& rc) { return static_cast<int>(m_bVert ? rc.top : rc.left); };
    auto shift = [&](CRect& rc, int d) { m_bVert ? rc.OffsetRect(0, d) : rc.OffsetRect(d, 0); };
    int nFar = static_cast<int>(m_bVert ? szBar.cy - rcBorder.bottom : szBar.cx - rcBorder.right);

    // (a) Right-aligned records at the end go to the far end, in order.
    int nBlockStart = INT_MAX;
    int nEnd = nFar;
    for (int i = static_cast<int>(m_records.size()) - 1; i >= 0; --i)
    {
        LayoutRecord& r = m_records[i];
        if (!r.IsPlaced())
            continue;
        if (!(r.Flags() & xtpFlagRightAlign))
            break;
        int nSize = Extent(r);
        int nNewStart = nEnd - nSize;
        if (nNewStart < std::max(nearEdge(r.rc), static_cast<int>(m_bVert ? rcBorder.top : rcBorder.left)))
            break;
        shift(r.rc, nNewStart - nearEdge(r.rc));
        nEnd = nNewStart;
        nBlockStart = nNewStart;
        if (r.bWrap)
            break;
    }

    // (b) Stretched records of each row share the row's free length.
    size_t nIndex = 0;
    while (nIndex < m_records.size())
    {
        std::vector<LayoutRecord*> row;
        for (; nIndex < m_records.size(); ++nIndex)
        {
            LayoutRecord& r = m_records[nIndex];
            if (!r.IsPlaced())
                continue;
            if (r.bWrap && !row.empty())
                break;
            row.push_back(&r);
        }
        int nRowEnd = nFar;
        int nLast = 0;
        int nStretched = 0;
        for (LayoutRecord* r : row)
        {
            if ((r->Flags() & xtpFlagRightAlign) && nearEdge(r->rc) >= nBlockStart)
                nRowEnd = std::min(nRowEnd, nearEdge(r->rc));
            else
                nLast = std::max(nLast, farEdge(r->rc));
            if (r->Flags() & xtpFlagControlStretched)
                ++nStretched;
        }
        int nFree = nRowEnd - nLast;
        if (nStretched == 0 || nFree <= 0)
            continue;
        int nShift = 0;
        for (LayoutRecord* r : row)
        {
            if ((r->Flags() & xtpFlagRightAlign) && nearEdge(r->rc) >= nBlockStart)
                continue;
            shift(r->rc, nShift);
            if (r->Flags() & xtpFlagControlStretched)
            {
                int nShare = nFree / nStretched--;
                nFree -= nShare;
                (m_bVert ? r->rc.bottom : r->rc.right) += nShare;
                nShift += nShare;
            }
        }
    }
}

void LayoutPass::Commit()
{
    for (LayoutRecord& r : m_records)
    {
        CXTPControl* pControl = r.pControl;
        if (!r.bVisible)
            continue;
        DWORD dwHide = pControl->GetHideFlags();
        DWORD dwNewHide = r.bHidden ? dwHide | xtpHideWrap : dwHide & ~xtpHideWrap;
        if (dwNewHide != dwHide)
            pControl->SetHideFlags(dwNewHide);
        pControl->SetRowRect(r.rcRow);
        if (!r.bHidden)
            pControl->SetRect(r.rc);
        pControl->SetWrap(r.bWrap);
    }
}

// The shrink-by-style layout: large buttons (icon above caption) become
// small ones stacked in columns of three, then icon-only ones, until the bar
// fits its length.
class ShrinkByStyle
{
public:
    ShrinkByStyle(std::vector<LayoutRecord>& records, CDC* pDC, CXTPCommandBar* pBar)
        : m_records(records), m_pDC(pDC), m_pBar(pBar),
          m_nColumnHeight(static_cast<int>(pBar->GetLargeIconSize().cy) + 34)
    {
    }

    // Lays the records out for the available length; the size reached.
    CSize Run(int nLength, BOOL bHideWrap)
    {
        CXTPImageManager* pImages = m_pBar->GetImageManager();
        int cxLarge = m_pBar->GetLargeIconSize().cx;
        for (LayoutRecord& r : m_records)
            if (r.bVisible)
                SetStyle(r, pImages->IsIconAvailable(static_cast<UINT>(r.pControl->GetIconId()),
                                                     static_cast<UINT>(cxLarge))
                                ? xtpButtonIconAndCaptionBelow
                                : xtpButtonIconAndCaption);
        CSize size = Columns();
        while (size.cx > nLength && Reduce())
            size = Columns();
        if (bHideWrap && size.cx > nLength)
        {
            BOOL bFirst = TRUE;
            for (LayoutRecord& r : m_records)
            {
                if (!r.bVisible)
                    continue;
                if (!bFirst && r.rc.right > nLength)
                {
                    SetStyle(r, xtpButtonIcon);
                    r.bHidden = TRUE;
                }
                bFirst = FALSE;
            }
            size = Columns();
        }
        return size;
    }

private:
    void SetStyle(LayoutRecord& r, int nStyle)
    {
        if (r.nStyle == nStyle)
            return;
        r.nStyle = nStyle;
        r.pControl->SetFallbackStyle(nStyle);
        r.size = r.pControl->GetSize(m_pDC);
    }

    // Stacks the records in columns; the width and height they take.
    CSize Columns()
    {
        int x = 0, y = 0, nColumnWidth = 0;
        BOOL bFirst = TRUE;
        for (LayoutRecord& r : m_records)
        {
            r.bWrap = FALSE;
            if (!r.IsPlaced())
                continue;
            BOOL bNewColumn = !bFirst
                              && (r.nStyle == xtpButtonIconAndCaptionBelow || r.bBeginGroup
                                  || y + r.size.cy > m_nColumnHeight);
            if (bNewColumn)
            {
                x += nColumnWidth + (r.bBeginGroup ? 6 : 0);
                y = 0;
                nColumnWidth = 0;
                r.bWrap = TRUE;
            }
            r.rc = CRect(x, y, x + r.size.cx, y + r.size.cy);
            y += r.size.cy;
            nColumnWidth = std::max(nColumnWidth, static_cast<int>(r.size.cx));
            bFirst = FALSE;
        }
        return CSize(x + nColumnWidth, m_nColumnHeight);
    }

    // One reduction from the end of the bar; FALSE when none is left.
    BOOL Reduce()
    {
        std::vector<LayoutRecord*> visible;
        for (LayoutRecord& r : m_records)
            if (r.IsPlaced())
                visible.push_back(&r);
        auto triple = [&](auto test) -> int {
            for (int i = static_cast<int>(visible.size()) - 3; i >= 0; --i)
                if (!visible[i + 1]->bBeginGroup && !visible[i + 2]->bBeginGroup
                    && test(visible[i], visible[i + 1], visible[i + 2]))
                    return i;
            return -1;
        };
        auto isLarge = [](LayoutRecord* r) { return r->nStyle == xtpButtonIconAndCaptionBelow; };
        int i = triple([&](LayoutRecord* a, LayoutRecord* b, LayoutRecord* c) {
            return isLarge(a) && isLarge(b) && isLarge(c);
        });
        if (i < 0)
            i = triple([&](LayoutRecord* a, LayoutRecord* b, LayoutRecord* c) {
                return isLarge(a) || isLarge(b) || isLarge(c);
            });
        int nNewStyle = xtpButtonIconAndCaption;
        if (i < 0)
        {
            auto isSmall = [](LayoutRecord* r) { return r->nStyle == xtpButtonIconAndCaption; };
            i = triple([&](LayoutRecord* a, LayoutRecord* b, LayoutRecord* c) {
                return isSmall(a) && isSmall(b) && isSmall(c) && a->rc.left == b->rc.left
                       && b->rc.left == c->rc.left;
            });
            nNewStyle = xtpButtonIcon;
        }
        if (i < 0)
            return FALSE;
        for (int k = 0; k < 3; ++k)
            SetStyle(*visible[i + k], nNewStyle);
        return TRUE;
    }

    std::vector<LayoutRecord>& m_records;
    CDC* m_pDC;
    CXTPCommandBar* m_pBar;
    int m_nColumnHeight;
};

} // namespace

CSize CXTPControls::CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, const CRect& rcBorder,
                                    int nMinLength)
{
    CXTPCommandBar* pBar = m_pParent;
    CXTPPaintManager* pPaintManager = pBar ? pBar->GetPaintManager() : XTPPaintManager();
    CXTPFontDC font(pDC, pPaintManager->GetControlFont(pBar, FALSE));

    for (int i = GetCount() - 1; i >= 0; --i)
        m_arrControls[i]->OnCalcDynamicSize(dwMode);

    int cxBorders = rcBorder.left + rcBorder.right;
    int cyBorders = rcBorder.top + rcBorder.bottom;
    if (GetVisibleCount(FALSE) == 0)
    {
        CSize size(cxBorders + 23, cyBorders + 22);
        if (dwMode & LM_HORZDOCK)
            size.cy = std::max(static_cast<int>(size.cy), nMinLength);
        else
            size.cx = std::max(static_cast<int>(size.cx), nMinLength);
        return size;
    }

    CSize szGap = pBar ? pPaintManager->DrawCommandBarSeparator(pDC, pBar, nullptr, FALSE)
                       : CSize(6, 6);
    BOOL bVert = (dwMode & LM_VERTDOCK) != 0;
    LayoutPass pass(this, pDC, dwMode, szGap, bVert);
    int nMRUWidth = pBar ? pBar->GetMRUWidth() : 32767;
    int nLayoutLength = (dwMode & LM_MRUWIDTH) ? nMRUWidth : nLength;

    BOOL bShrinkByStyle = pBar && (pBar->GetFlags() & xtpFlagShrinkByStyle);
    CSize size;
    if (bShrinkByStyle)
    {
        int nBorders = bVert ? cyBorders : cxBorders;
        size = ShrinkByStyle(pass.Records(), pDC, pBar).Run(nLayoutLength - nBorders,
                                                             (dwMode & LM_HIDEWRAP) != 0);
    }
    else if (dwMode & LM_POPUP)
    {
        CSize size = pass.WrapAndPlace(nMRUWidth);
        BOOL bRemembered = nMRUWidth > 0 && nMRUWidth < 32767;
        if (size.cx * 3 < size.cy && !bRemembered)
            pass.Balance();
        else
            pass.Wrap(size.cx);
    }
    else if (dwMode & LM_HORZDOCK)
        pass.Wrap(nLayoutLength - cxBorders);
    else if (dwMode & LM_VERTDOCK)
        pass.Wrap(nLayoutLength - cyBorders);
    else
        pass.Fit(nLayoutLength - ((dwMode & LM_LENGTHY) ? cyBorders : cxBorders));
    if (!bShrinkByStyle)
    {
        size = pass.Place();
        dwMode = pass.Mode();
    }

    if (nMinLength > 0)
    {
        if (dwMode & LM_HORZDOCK)
            size.cy = std::max(static_cast<int>(size.cy), nMinLength - cyBorders);
        else
            size.cx = std::max(static_cast<int>(size.cx), nMinLength - cxBorders);
    }
    if (dwMode & LM_STRETCH)
    {
        if (bVert)
            size.cy = std::max(static_cast<int>(size.cy), nLayoutLength - cyBorders);
        else
            size.cx = std::max(static_cast<int>(size.cx), nLayoutLength - cxBorders);
    }

    if (dwMode & LM_COMMIT)
        pass.CentreRows(size, rcBorder, !bShrinkByStyle);
    size.cx += cxBorders;
    size.cy += cyBorders;
    if (dwMode & LM_COMMIT)
    {
        if (!bShrinkByStyle)
            pass.AlignAndStretch(size, rcBorder);
        pass.Commit();
    }
    return size;
}
