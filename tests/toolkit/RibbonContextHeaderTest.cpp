// The context headers a ribbon on a skinned frame draws in the caption:
// adjacent tabs of one context share a header, a header is at least 40
// pixels wide and starts no further left than the previous one ends, the
// headers keep clear of the frame's title, and when they cannot fit none is
// shown and no tab keeps pointing at one.
#include "RibbonTestSupport.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const char kTables[] = "Tabellentools";
const char kPictures[] = "Bildtools";
const char kShortTitle[] = "Menüband";
const char kLongTitle[] = "Menüband mit den Werkzeugen für Tabellen, Bilder und Zeichnungen";

class RibbonContextHeaderTest : public RibbonTestBase
{
protected:
    struct TabDef
    {
        const char* pszCaption;
        int nColor;
        const char* pszContext;
    };

    void AddTabs(std::initializer_list<TabDef> tabs)
    {
        for (const TabDef& def : tabs)
        {
            CXTPRibbonTab* pTab = m_pRibbon->AddTab(def.pszCaption);
            pTab->SetContextColor(def.nColor);
            pTab->SetContextCaption(def.pszContext);
            pTab->AddGroup("Gruppe", m_pRibbon->GetTabCount());
        }
        m_pRibbon->SelectTab(0);
        m_pRibbon->EnableFrameTheme(TRUE);
        ASSERT_TRUE(m_pRibbon->IsFrameSkinned());
    }
    // The title's width as the caption measures it (its text + 20).
    int TitleWidth()
    {
        CString strTitle;
        m_pFrame->GetWindowText(strTitle);
        CClientDC dc(m_pRibbon);
        CXTPFontDC font(&dc, m_pRibbon->GetPaintManager()->GetSmCaptionFont());
        return dc.GetTextExtent(strTitle).cx + 20;
    }
    // First and last tab index of each header.
    std::vector<std::pair<int, int>> HeaderTabs() const
    {
        std::vector<std::pair<int, int>> result;
        for (int i = 0; i < m_pRibbon->GetContextHeaderCount(); ++i)
        {
            const CXTPRibbonTabContextHeader* pHeader = m_pRibbon->GetContextHeader(i);
            result.emplace_back(pHeader->m_pFirstTab->GetIndex(), pHeader->m_pLastTab->GetIndex());
        }
        return result;
    }
    // Each tab points at the header that covers it, the others at none.
    void ExpectTabsPointAtTheirHeaders() const
    {
        for (int nTab = 0; nTab < m_pRibbon->GetTabCount(); ++nTab)
        {
            CXTPRibbonTabContextHeader* pExpected = nullptr;
            for (int i = 0; i < m_pRibbon->GetContextHeaderCount(); ++i)
            {
                CXTPRibbonTabContextHeader* pHeader = m_pRibbon->GetContextHeader(i);
                if (pHeader->m_pFirstTab->GetIndex() <= nTab && nTab <= pHeader->m_pLastTab->GetIndex())
                    pExpected = pHeader;
            }
            EXPECT_EQ(pExpected, m_pRibbon->GetTab(nTab)->GetContextHeader()) << nTab;
        }
    }
};

TEST_F(RibbonContextHeaderTest, AdjacentTabsOfAContextShareAHeaderAtLeast40Wide)
{
    // "Format" belongs to the tables again, but after another context.
    AddTabs({{"Start", 0, ""},
             {"Einfügen", 0, ""},
             {"Entwurf", xtpRibbonTabContextColorBlue, kTables},
             {"Layout", xtpRibbonTabContextColorBlue, kTables},
             {"Bild", xtpRibbonTabContextColorGreen, kPictures},
             {"Format", xtpRibbonTabContextColorBlue, kTables}});
    m_pFrame->SetWindowText(kShortTitle);
    LayoutAt(800);
    ASSERT_EQ((std::vector<std::pair<int, int>>{{2, 3}, {4, 4}, {5, 5}}), HeaderTabs());
    ExpectTabsPointAtTheirHeaders();
    const CRect rcCaption = m_pRibbon->GetCaptionRect();
    int nPreviousRight = m_pRibbon->GetCaptionTextRect().left;
    for (int i = 0; i < m_pRibbon->GetContextHeaderCount(); ++i)
    {
        SCOPED_TRACE(i);
        const CXTPRibbonTabContextHeader* pHeader = m_pRibbon->GetContextHeader(i);
        EXPECT_EQ(kTables == CString(pHeader->m_strCaption) ? 1 : 3, pHeader->m_nColor);
        // Over its tabs, pushed right by the one before, at least 40 wide.
        const int nLeft = std::max(static_cast<int>(pHeader->m_pFirstTab->GetRect().left), nPreviousRight);
        const int nRight = std::max(static_cast<int>(pHeader->m_pLastTab->GetRect().right), nLeft + 40);
        EXPECT_EQ(CRect(nLeft, rcCaption.top + 4, nRight, rcCaption.bottom), pHeader->m_rcHeader);
        nPreviousRight = nRight;
    }
    // The picture tab is narrower than 40: its header is widened.
    ASSERT_LT(m_pRibbon->GetTab(4)->GetRect().Width(), 40);
    EXPECT_EQ(40, m_pRibbon->GetContextHeader(1)->m_rcHeader.Width());

    // Without the frame's skin there is no caption and no header.
    m_pRibbon->EnableFrameTheme(FALSE);
    EXPECT_EQ(0, m_pRibbon->GetContextHeaderCount());
    ExpectTabsPointAtTheirHeaders();
}

TEST_F(RibbonContextHeaderTest, HeadersMakeRoomForTheTitleOrAreDroppedByWidth)
{
    AddTabs({{"Start", 0, ""},
             {"Einfügen", 0, ""},
             {"Entwurf", xtpRibbonTabContextColorBlue, kTables},
             {"Layout", xtpRibbonTabContextColorBlue, kTables},
             {"Bild", xtpRibbonTabContextColorGreen, kPictures}});
    const struct
    {
        int nWidth;
        const char* pszTitle;
        int nHeaders;
    } kCases[] = {
        // Beside the centred title, left of it, right of it, no room.
        {1000, kShortTitle, 2}, {325, kShortTitle, 2}, {300, kShortTitle, 2}, {250, kShortTitle, 0},
        {1000, kLongTitle, 2},  {650, kLongTitle, 2},  {600, kLongTitle, 0},  {400, kLongTitle, 0},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.nWidth << " " << c.pszTitle);
        m_pFrame->SetWindowText(c.pszTitle);
        LayoutAt(c.nWidth);
        ASSERT_EQ(c.nHeaders, m_pRibbon->GetContextHeaderCount());
        ExpectTabsPointAtTheirHeaders();
        if (!c.nHeaders)
            continue;
        // Inside the caption's text area, in order, each at least 40 wide,
        // and clear of the title centred in the area or moved to one end.
        const CRect rcText = m_pRibbon->GetCaptionTextRect();
        const int nTitle = TitleWidth();
        const int nCentred = (rcText.left + rcText.right - nTitle) / 2;
        const CRect& rcFirst = m_pRibbon->GetContextHeader(0)->m_rcHeader;
        const CRect& rcSecond = m_pRibbon->GetContextHeader(1)->m_rcHeader;
        EXPECT_LE(rcText.left, rcFirst.left);
        EXPECT_LE(rcFirst.right, rcSecond.left);
        EXPECT_GE(rcFirst.Width(), 40);
        EXPECT_GE(rcSecond.Width(), 40);
        const BOOL bClearOfCentred = rcSecond.right <= nCentred || rcFirst.left >= nCentred + nTitle;
        const BOOL bClearOfRightEnd = rcSecond.right <= rcText.right - nTitle;
        const BOOL bClearOfLeftEnd = rcFirst.left >= rcText.left + nTitle;
        EXPECT_TRUE(bClearOfCentred || bClearOfRightEnd || bClearOfLeftEnd);
    }
}

TEST_F(RibbonContextHeaderTest, HeadersThatCannotAllBeFortyWideAreAllDropped)
{
    // Six one-tab contexts need 240 pixels of caption.
    const char* kContexts[] = {"Eins", "Zwei", "Drei", "Vier", "Fünf", "Sechs"};
    for (const char* pszContext : kContexts)
    {
        CXTPRibbonTab* pTab = m_pRibbon->AddTab("X");
        pTab->SetContextColor(xtpRibbonTabContextColorOrange);
        pTab->SetContextCaption(pszContext);
    }
    m_pRibbon->SelectTab(0);
    m_pRibbon->EnableFrameTheme(TRUE);
    m_pFrame->SetWindowText("");
    const struct
    {
        int nWidth;
        int nHeaders;
    } kCases[] = {{1000, 6}, {400, 6}, {300, 0}, {1000, 6}};
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.nWidth);
        LayoutAt(c.nWidth);
        EXPECT_EQ(c.nHeaders, m_pRibbon->GetContextHeaderCount());
        ExpectTabsPointAtTheirHeaders();
        for (int i = 0; i < m_pRibbon->GetContextHeaderCount(); ++i)
            EXPECT_GE(m_pRibbon->GetContextHeader(i)->m_rcHeader.Width(), 40) << i;
    }
}

} // namespace
