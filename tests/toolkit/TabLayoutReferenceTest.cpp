// The layout of every header-based appearance set, at each position, in the
// automatic, size-to-fit, fixed and compressed modes, over strips of 40 to
// 1000 pixels, against a reference that places the tabs again from their
// measured lengths: the header band and its margins, the arrows (shown,
// enabled, the room they take), tab and client rectangles, and the scroll
// offset after the last tab was brought into view and the strip widened.
#include "TabTestSupport.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabNavigateButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const char* const s_captions[] = {"Datei", "Bearbeiten", "Ansicht", "Einfügen", "Format"};
const int TAB_COUNT = 5;

// Header margins for a top header, by appearance; th is the text height.
CRect HeaderMargin(int nAppearance, int th)
{
    switch (nAppearance)
    {
    case 2: case 6: return CRect(2, 2, 4, 0);
    case 3: return CRect(2 + th, 3, 6, 0);
    case 4: return CRect(2, 2, 4, 2);
    case 5: return CRect(4, 2, 4, 0);
    case 7: return CRect(2 + th / 2, 3, 2 + th / 2, 0);
    case 9: return CRect(2 + th / 2, 3, 6, 0);
    default: return CRect(2, 3, 6, 0);
    }
}

// Lengths of size-to-fit: the longest tabs lowered together, the rest of
// an uneven share a pixel each to the first of them.
std::vector<int> Shrink(std::vector<int> arr, int nAvailable)
{
    int nTotal = std::accumulate(arr.begin(), arr.end(), 0);
    if (nTotal <= nAvailable)
        return arr;
    nAvailable = std::max(nAvailable, 0);
    if (arr.size() == 1)
        return {nAvailable};
    // Repeatedly take one pixel from the longest tab (the first of equals in
    // length order): the same result, reached the slow way.
    std::vector<size_t> order(arr.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return arr[a] > arr[b]; });
    for (int nExcess = nTotal - nAvailable; nExcess > 0; --nExcess)
    {
        size_t nPick = order[0];
        for (size_t i : order)
        {
            if (arr[i] > arr[nPick])
                nPick = i;
        }
        // Among the longest, the one latest in length order loses first, so
        // that leftovers stay with the first ones.
        for (auto it = order.rbegin(); it != order.rend(); ++it)
        {
            if (arr[*it] == arr[nPick])
            {
                nPick = *it;
                break;
            }
        }
        --arr[nPick];
    }
    return arr;
}

struct Along
{
    BOOL bHorizontal;
    int Start(const CRect& rc) const { return bHorizontal ? rc.left : rc.top; }
    int End(const CRect& rc) const { return bHorizontal ? rc.right : rc.bottom; }
    int Length(const CRect& rc) const { return End(rc) - Start(rc); }
};

} // namespace

TEST(TabLayoutReference, HeaderLayoutsMatchTheReference)
{
    const int widths[] = {40, 120, 300, 1000};
    const int modes[] = {xtpTabLayoutAutoSize, xtpTabLayoutSizeToFit, xtpTabLayoutFixed,
                         xtpTabLayoutCompressed};
    const int appearances[] = {0, 1, 2, 3, 4, 5, 6, 7, 9};
    int nChecked = 0;
    for (int nAppearance : appearances)
    {
        CTestTabStrip strip;
        CXTPTabPaintManager* pPaint = strip.m_pPaintManager;
        pPaint->SetAppearance(nAppearance);
        for (const char* pszCaption : s_captions)
            strip.AddTab(pszCaption);
        strip.SetCurSel(0);
        int th = pPaint->GetAppearanceSet()->GetTextHeight();
        CRect m = HeaderMargin(nAppearance, th);
        int h = std::max(th, 16 + 4);
        int nRowSpacing = nAppearance == 4 ? 0 : -2;
        EXPECT_EQ(nRowSpacing, pPaint->GetAppearanceSet()->GetRowMargin());

        for (int nPosition = 0; nPosition < 4; ++nPosition)
        {
            pPaint->SetPosition(nPosition);
            Along along{nPosition == xtpTabPositionTop || nPosition == xtpTabPositionBottom};
            for (int nMode : modes)
            {
                pPaint->SetLayoutMode(nMode);
                for (int nWidth : widths)
                {
                    SCOPED_TRACE(testing::Message() << "appearance " << nAppearance << " position "
                                                    << nPosition << " mode " << nMode << " length "
                                                    << nWidth);
                    CRect rcControl = along.bHorizontal ? CRect(0, 0, nWidth, 150)
                                                        : CRect(0, 0, 150, nWidth);
                    strip.SetLayoutRect(rcControl);
                    strip.SetScrollOffset(0);
                    strip.Reposition();

                    // The measured lengths the reference starts from.
                    std::vector<int> arrFull;
                    for (int i = 0; i < TAB_COUNT; ++i)
                        arrFull.push_back(strip.GetItem(i)->GetFullLength());
                    int nTotalFull = std::accumulate(arrFull.begin(), arrFull.end(), 0);

                    // The header band at the position, its far end one pixel in.
                    int nThick = h + m.top + m.bottom;
                    CRect rcBand = rcControl;
                    switch (nPosition)
                    {
                    case 0: rcBand.bottom = nThick; break;
                    case 1: rcBand.right = nThick; break;
                    case 2: rcBand.top = rcControl.bottom - nThick; break;
                    case 3: rcBand.left = rcControl.right - nThick; break;
                    }
                    CRect rcHeader = rcBand;
                    (along.bHorizontal ? rcHeader.right : rcHeader.bottom) -= 1;
                    int L = along.Length(rcHeader);
                    BOOL bArrows = nMode != xtpTabLayoutSizeToFit &&
                                   L - m.left - m.right < nTotalFull - m.left - 1;
                    BOOL bRightEnabled = L - m.left - m.right - 28 < nTotalFull;
                    // The arrows are 14 long on a horizontal header, 15 on a
                    // vertical one; the enabled rule counts 28 either way.
                    int nArrowsRoom = along.bHorizontal ? 28 : 30;
                    if (bArrows)
                        (along.bHorizontal ? rcHeader.right : rcHeader.bottom) -= nArrowsRoom;
                    EXPECT_EQ(rcHeader, strip.GetHeaderRect());
                    auto* pLeft = strip.FindNavigateButton(xtpTabNavigateButtonLeft);
                    auto* pRight = strip.FindNavigateButton(xtpTabNavigateButtonRight);
                    EXPECT_EQ(bArrows, pLeft->IsVisible());
                    EXPECT_EQ(bArrows, pRight->IsVisible());
                    EXPECT_FALSE(pLeft->IsEnabled());
                    EXPECT_EQ(bRightEnabled, pRight->IsEnabled());
                    EXPECT_FALSE(strip.FindNavigateButton(xtpTabNavigateButtonClose)->IsVisible());

                    std::vector<int> arrLength = arrFull;
                    if (nMode == xtpTabLayoutSizeToFit)
                        arrLength = Shrink(arrFull, along.Length(rcControl) - m.left - m.right);
                    int nPos = along.Start(rcHeader) + m.left;
                    for (int i = 0; i < TAB_COUNT; ++i)
                    {
                        CRect rcTab;
                        switch (nPosition)
                        {
                        case 0: rcTab.SetRect(nPos, m.top, nPos + arrLength[i], m.top + h); break;
                        case 1: rcTab.SetRect(m.top, nPos, m.top + h, nPos + arrLength[i]); break;
                        case 2:
                            rcTab.SetRect(nPos, rcControl.bottom - m.top - h, nPos + arrLength[i],
                                          rcControl.bottom - m.top);
                            break;
                        case 3:
                            rcTab.SetRect(rcControl.right - m.top - h, nPos, rcControl.right - m.top,
                                          nPos + arrLength[i]);
                            break;
                        }
                        EXPECT_EQ(rcTab, strip.GetItem(i)->GetRect()) << "tab " << i;
                        nPos += arrLength[i];
                    }

                    // The client area overlaps the band by one pixel; the
                    // full client frame takes two pixels on every side.
                    CRect rcClient = rcControl;
                    switch (nPosition)
                    {
                    case 0: rcClient.top = rcBand.bottom - 1; break;
                    case 1: rcClient.left = rcBand.right - 1; break;
                    case 2: rcClient.bottom = rcBand.top + 1; break;
                    case 3: rcClient.right = rcBand.left + 1; break;
                    }
                    rcClient.DeflateRect(2, 2);
                    EXPECT_EQ(rcClient, strip.CXTPTabManager::GetClientRect());

                    // The last tab brought into view ends at the header's end;
                    // 200 pixels wider, the offset is pulled back so that no
                    // room is left after it (or to 0 when all fits).
                    if (bArrows)
                    {
                        strip.EnsureVisible(strip.GetItem(TAB_COUNT - 1));
                        int nOffset = strip.GetScrollOffset();
                        int nLastEnd = along.Start(rcHeader) + m.left + nTotalFull;
                        EXPECT_EQ(std::min(0, along.End(rcHeader) - nLastEnd), nOffset);
                        CRect rcWide = rcControl;
                        (along.bHorizontal ? rcWide.right : rcWide.bottom) += 200;
                        strip.SetLayoutRect(rcWide);
                        strip.Reposition();
                        int nExpected = nOffset;
                        int nRoom = along.Length(rcWide) - 1 - nArrowsRoom - m.left - m.right;
                        if (nOffset < 0 && nTotalFull + nOffset < nRoom)
                            nExpected = nRoom - nTotalFull < 1 ? nRoom - nTotalFull : 0;
                        EXPECT_EQ(nExpected, strip.GetScrollOffset());
                    }
                    ++nChecked;
                }
            }
        }
    }
    EXPECT_EQ(9 * 4 * 4 * 4, nChecked);
}

TEST(TabLayoutReference, MeasuredLengthsComeFromTheCaptionFont)
{
    CTestTabStrip strip;
    CXTPTabPaintManager* pPaint = strip.m_pPaintManager;
    strip.SetLayoutRect(CRect(0, 0, 1000, 100));
    strip.AddTab("Einfügen");
    strip.AddTab("&Datei");
    strip.AddTab("Bild", 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CXTPFontDC font(&dc, pPaint->GetNormalFont());
    auto width = [&](LPCSTR psz) { return static_cast<int>(dc.GetTextExtent(CString(psz)).cx); };
    // Text inset 6 on both sides; an icon adds its width; the ampersand is
    // shown (no prefix is on).
    EXPECT_EQ(12 + width("Einfügen"), strip.GetItem(0)->GetFullLength());
    EXPECT_EQ(12 + width("&Datei"), strip.GetItem(1)->GetFullLength());
    EXPECT_EQ(12 + 16 + width("Bild"), strip.GetItem(2)->GetFullLength());
    pPaint->SetDrawTextNoPrefix(FALSE);
    EXPECT_EQ(12 + width("Datei"), strip.GetItem(1)->GetFullLength());
    // Button margins add to the length; the extra item length only to the
    // tab's length, not to what it needs.
    pPaint->SetButtonMargin(CRect(4, 0, 5, 0));
    pPaint->SetItemExtraLength(10);
    EXPECT_EQ(12 + 9 + width("Einfügen"), strip.GetItem(0)->GetFullLength());
    EXPECT_EQ(12 + 9 + 10 + width("Einfügen"), strip.GetItem(0)->GetRect().Width());
}

TEST(TabLayoutReference, BarStackGathersTheTabsAfterTheSelection)
{
    CTestTabStrip strip;
    CXTPTabPaintManager* pPaint = strip.m_pPaintManager;
    pPaint->SetAppearance(8);
    EXPECT_EQ(1, pPaint->GetColor());
    strip.SetLayoutRect(CRect(0, 0, 200, 300));
    for (const char* pszCaption : {"Formen", "Linien", "Pfeile", "Text"})
        strip.AddTab(pszCaption);
    strip.SetCurSel(1);
    int h = pPaint->GetAppearanceSet()->GetButtonHeight(&strip);
    EXPECT_EQ(CRect(1, 1, 199, 1 + h), strip.GetItem(0)->GetRect());
    EXPECT_EQ(CRect(1, 1 + h, 199, 1 + 2 * h), strip.GetItem(1)->GetRect());
    EXPECT_EQ(CRect(1, 300 - 2 * h, 199, 300 - h), strip.GetItem(2)->GetRect());
    EXPECT_EQ(CRect(1, 300 - h, 199, 300), strip.GetItem(3)->GetRect());
    EXPECT_EQ(CRect(1, 1 + 2 * h, 199, 300 - 2 * h), strip.CXTPTabManager::GetClientRect());
    EXPECT_TRUE(strip.GetHeaderRect().IsRectEmpty());
    // With no header, the whole control is hit tested.
    CXTPTabManagerItem* pHit = strip.HitTest(CPoint(100, 300 - h / 2));
    EXPECT_EQ(3, pHit ? pHit->GetIndex() : -1);

    // The last tab selected: the page takes the rest, one pixel above the
    // frame; too little room keeps one row height for the page.
    strip.SetCurSel(3);
    EXPECT_EQ(CRect(1, 1 + 4 * h, 199, 299), strip.CXTPTabManager::GetClientRect());
    strip.SetLayoutRect(CRect(0, 0, 200, 3 * h));
    strip.SetCurSel(0);
    EXPECT_EQ(1 + 2 * h, strip.GetItem(1)->GetRect().top);
    pPaint->SetClientFrame(2);
    EXPECT_EQ(0, strip.GetItem(0)->GetRect().left);
}
