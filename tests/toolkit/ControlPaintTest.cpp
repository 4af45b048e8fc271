// Controls drawn and measured through the classic theme: toolbar sizes,
// popup items, edit and combo fields and the glyph buttons.
#include "toolkit/draw/DefaultTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "TestImages.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const COLORREF ICON = RGB(250, 0, 250);
const int ID_WITH_ICON = 101;
const int ID_WITHOUT_ICON = 102;

class ControlPaintTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pImages = new CXTPImageManager;
        for (int nSize : {16, 32})
        {
            HICON hIcon = MakeTestIcon(nSize, nSize, [](int, int) { return TestPixel{ICON, 255}; });
            m_pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), ID_WITH_ICON, nSize);
            ::DestroyIcon(hIcon);
        }
        for (CTestBar* pBar : {&m_toolbar, &m_menuBar, &m_popup, &m_vertical})
        {
            pBar->SetPaintManager(&m_theme);
            pBar->SetImageManager(m_pImages);
        }
        m_popup.CreateHidden(200, 200);
        m_toolbar.CreateHidden(200, 40);
    }
    void TearDown() override { m_pImages->InternalRelease(); }

    COLORREF C(int nIndex) const { return m_theme.ResolveColor(nIndex); }

    CXTPControl* Add(CTestBar& bar, int nType, int nId, LPCSTR lpszCaption, int nStyle = 0)
    {
        CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, nId);
        pControl->SetType(nType);
        pControl->SetCaption(lpszCaption);
        pControl->SetStyle(nStyle);
        return pControl;
    }
    // The caption's width in the regular font (or another one).
    int TextWidth(LPCSTR lpszText, CFont* pFont = nullptr)
    {
        CTestDib dib(4, 4);
        CXTPFontDC font(&dib.DC(), pFont ? pFont : m_theme.GetRegularFont());
        return dib->GetTextExtent(lpszText, lstrlenA(lpszText)).cx;
    }
    int TextHeight()
    {
        CTestDib dib(4, 4);
        CXTPFontDC font(&dib.DC(), m_theme.GetRegularFont());
        return dib->GetTextExtent(" ", 1).cy;
    }
    int CountColor(CTestDib& dib, const CRect& rc, COLORREF clr)
    {
        int nCount = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nCount += dib.Pixel(x, y) == clr;
        return nCount;
    }

    CDistinctSysColors m_colors;
    CTestTheme m_theme;
    CXTPImageManager* m_pImages = nullptr;
    CTestBar m_toolbar{xtpBarTypeNormal, xtpBarTop};
    CTestBar m_menuBar{xtpBarTypeMenuBar, xtpBarTop};
    CTestBar m_popup{xtpBarTypePopup, xtpBarPopup};
    CTestBar m_vertical{xtpBarTypeNormal, xtpBarLeft};
};

TEST_F(ControlPaintTest, ToolbarSizes)
{
    CTestDib dib(10, 10);
    int cyText = TextHeight();
    struct
    {
        const char* pszName;
        CTestBar* pBar;
        int nType, nId, nStyle;
        const char* pszCaption;
        CSize szExpected;
    } cases[] = {
        // A large button with a 32 × 32 image: 32 + 34 high.
        {"large", &m_toolbar, 1, ID_WITH_ICON, 4, "Neu", CSize(std::max(42, TextWidth("Neu") + 6), 66)},
        // A menu-bar item without image: caption + 16 wide (room for an arrow).
        {"menu item", &m_menuBar, 2, 0, 0, "&Datei", CSize(TextWidth("Datei") + 16, cyText + 6)},
        // Without an image the caption line takes a 22 × 22 button.
        {"caption only", &m_toolbar, 1, ID_WITHOUT_ICON, 0, "Text", CSize(7 + TextWidth("Text"), 22)},
        {"icon and caption", &m_toolbar, 1, ID_WITH_ICON, 3, "Neu", CSize(22 + 3 + TextWidth("Neu"), 22)},
        {"icon only", &m_toolbar, 1, ID_WITH_ICON, 0, "Neu", CSize(22, 22)},
        {"icon popup", &m_toolbar, 2, ID_WITH_ICON, 2, "Farbe", CSize(29, 22)},
        {"split, no caption", &m_toolbar, 4, ID_WITH_ICON, 2, "Farbe", CSize(22 + 11, 22)},
        {"vertical caption", &m_vertical, 1, ID_WITHOUT_ICON, 1, "Text",
         CSize(22, 7 + TextWidth("Text", m_theme.GetControlFont(&m_vertical, FALSE)))},
        {"label", &m_toolbar, 8, 0, 0, "Name:", CSize(7 + TextWidth("Name:"), 22)},
        {"custom", &m_toolbar, 7, 0, 0, "", CSize(0, 0)},
    };
    for (auto& c : cases)
    {
        CXTPControl* pControl = Add(*c.pBar, c.nType, c.nId, c.pszCaption, c.nStyle);
        EXPECT_EQ(c.szExpected, pControl->GetSize(&dib.DC())) << c.pszName;
    }
}

TEST_F(ControlPaintTest, PopupItemWidthAndHeight)
{
    CTestDib dib(10, 10);
    CXTPControl* pControl = Add(m_popup, 1, ID_WITHOUT_ICON, "&Speichern\tStrg+S");
    int nGutter = std::max(m_theme.GetLineHeight(), 20);
    int nExpected = 4 + TextWidth("Strg+S") + TextWidth("Speichern") + nGutter + 32;
    EXPECT_EQ(CSize(nExpected, std::max(m_theme.GetLineHeight(), 20)), pControl->GetSize(&dib.DC()));
    m_popup.SetDoubleGripper(TRUE);
    EXPECT_EQ(nExpected + nGutter, pControl->GetSize(&dib.DC()).cx);
}

TEST_F(ControlPaintTest, PopupItems)
{
    int nHeight = std::max(m_theme.GetLineHeight(), 20);
    int nGutter = nHeight;
    CRect rcItem(3, 3, 183, 3 + nHeight);
    CPoint ptCentre((rcItem.left + rcItem.left + nGutter) / 2, rcItem.CenterPoint().y);
    CPoint ptMark(ptCentre.x - 4, ptCentre.y - 1);   // first pixel of the check mark

    // Selected: the highlight bar right of the icon column.
    CXTPControl* pControl = Add(m_popup, 1, ID_WITHOUT_ICON, "Speichern");
    pControl->SetRect(rcItem);
    pControl->OnSetSelected(1);
    CTestDib dib(200, 40, MARK);
    pControl->Draw(&dib.DC());
    EXPECT_EQ(C(13), dib.Pixel(rcItem.right - 2, rcItem.top + 1));
    EXPECT_EQ(C(13), dib.Pixel(rcItem.left + nGutter + 1, rcItem.top));
    EXPECT_EQ(MARK, dib.Pixel(rcItem.left + 2, rcItem.top + 2));
    EXPECT_GT(CountColor(dib, rcItem, C(14)), 10);   // the text in highlight-text colour

    // Full-row highlight covers the icon column too.
    m_theme.m_bSelectImageInPopupBar = TRUE;
    dib.Fill(MARK);
    pControl->Draw(&dib.DC());
    EXPECT_EQ(C(13), dib.Pixel(rcItem.left + 2, rcItem.top + 2));
    m_theme.m_bSelectImageInPopupBar = FALSE;

    // Disabled, not selected: the text twice, colour 20 below right of colour 17.
    pControl->OnSetSelected(0);
    pControl->SetEnabled(FALSE);
    dib.Fill(MARK);
    pControl->Draw(&dib.DC());
    EXPECT_GT(CountColor(dib, rcItem, C(20)), 10);
    EXPECT_GT(CountColor(dib, rcItem, C(17)), 10);
    int nBelowRight = 0;
    for (int y = rcItem.top; y < rcItem.bottom - 1; ++y)
        for (int x = rcItem.left; x < rcItem.right - 1; ++x)
            if (dib.Pixel(x, y) == C(17) && dib.Pixel(x + 1, y + 1) == C(20))
                ++nBelowRight;
    EXPECT_GT(nBelowRight, 5);
    pControl->SetEnabled(TRUE);

    // Checked without an icon: the check mark in the normal text colour.
    pControl->SetChecked(TRUE);
    dib.Fill(MARK);
    pControl->Draw(&dib.DC());
    EXPECT_EQ(C(18), dib.Pixel(ptMark.x, ptMark.y));
    EXPECT_EQ(C(16), dib.Pixel(rcItem.left, rcItem.top));   // the sunken icon column
}

TEST_F(ControlPaintTest, CheckedItemWithIconInOneAndTwoColumns)
{
    int nHeight = std::max(m_theme.GetLineHeight(), 20);
    int nGutter = nHeight;
    CRect rcItem(3, 3, 183, 3 + nHeight);
    CPoint ptCentre(rcItem.left + nGutter / 2, rcItem.CenterPoint().y);
    CPoint ptMark(ptCentre.x - 4, ptCentre.y - 1);

    CXTPControl* pControl = Add(m_popup, 1, ID_WITH_ICON, "Neu");
    pControl->SetRect(rcItem);
    pControl->SetChecked(TRUE);
    CTestDib dib(200, 40, MARK);
    pControl->Draw(&dib.DC());
    // One column: the sunken icon and no check mark over it.
    EXPECT_EQ(ICON, dib.Pixel(ptMark.x, ptMark.y));
    EXPECT_EQ(C(16), dib.Pixel(rcItem.left, rcItem.top));

    // Two columns: the mark in the first, the icon in the second.
    m_popup.SetDoubleGripper(TRUE);
    dib.Fill(MARK);
    pControl->Draw(&dib.DC());
    EXPECT_EQ(C(18), dib.Pixel(ptMark.x, ptMark.y));
    EXPECT_EQ(ICON, dib.Pixel(ptCentre.x + nGutter + 1, ptCentre.y));

    // Without an icon the mark stands in the first column in both layouts,
    // and in two columns nothing fills the second.
    CXTPControl* pPlain = Add(m_popup, 1, ID_WITHOUT_ICON, "Lineal");
    pPlain->SetRect(rcItem);
    pPlain->SetChecked(TRUE);
    for (BOOL bDouble : {FALSE, TRUE})
    {
        m_popup.SetDoubleGripper(bDouble);
        dib.Fill(MARK);
        pPlain->Draw(&dib.DC());
        EXPECT_EQ(C(18), dib.Pixel(ptMark.x, ptMark.y)) << bDouble;
        EXPECT_EQ(C(18), dib.Pixel(ptMark.x + 6, ptMark.y - 2)) << bDouble;
        EXPECT_NE(C(18), dib.Pixel(ptMark.x, ptMark.y + 2)) << bDouble;
        if (bDouble)
        {
            EXPECT_EQ(0, CountColor(dib, CRect(ptCentre.x + nGutter - 4, rcItem.top + 2,
                                               ptCentre.x + nGutter + 4, rcItem.bottom - 2), C(18)));
        }
    }
    m_popup.SetDoubleGripper(FALSE);
}

TEST_F(ControlPaintTest, PopupArrowsAndSplitDivider)
{
    int nHeight = std::max(m_theme.GetLineHeight(), 20);
    CRect rcItem(3, 3, 183, 3 + nHeight);
    int yMid = rcItem.CenterPoint().y;

    CXTPControl* pPopup = Add(m_popup, xtpControlPopup, 0, "Zuletzt");
    pPopup->SetRect(rcItem);
    CTestDib dib(200, 40, MARK);
    pPopup->Draw(&dib.DC());
    EXPECT_EQ(C(18), dib.Pixel(rcItem.right - 10, yMid));
    EXPECT_EQ(MARK, dib.Pixel(rcItem.right - 20, rcItem.top + 1));

    CXTPControl* pSplit = Add(m_popup, xtpControlSplitButtonPopup, 0, "Farbe");
    pSplit->SetRect(rcItem);
    dib.Fill(MARK);
    pSplit->Draw(&dib.DC());
    EXPECT_EQ(C(18), dib.Pixel(rcItem.right - 20, yMid));
    pSplit->OnSetSelected(1);
    dib.Fill(MARK);
    pSplit->Draw(&dib.DC());
    EXPECT_EQ(C(16), dib.Pixel(rcItem.right - 20, yMid));
    EXPECT_EQ(C(13), dib.Pixel(rcItem.right - 2, rcItem.top + 1));
    EXPECT_EQ(C(14), dib.Pixel(rcItem.right - 10, yMid));
}

TEST_F(ControlPaintTest, EditAndComboFields)
{
    CTestDib dib(120, 22, MARK);
    CRect rc(0, 0, 120, 22);
    struct
    {
        int nType;
        BOOL bEnabled;
        int nSelected;
        int nOuter, nRing, nInside;
    } cases[] = {
        {xtpControlEdit, TRUE, 0, -1, 15, 5},
        {xtpControlEdit, TRUE, 1, 16, 15, 5},
        {xtpControlEdit, FALSE, 0, -1, 20, -1},
        {xtpControlEdit, FALSE, 2, -1, 16, -1},
        {xtpControlComboBox, TRUE, 0, -1, 15, 5},
    };
    for (auto& c : cases)
    {
        CXTPControl* pControl = Add(m_toolbar, c.nType, 0, "");
        pControl->SetWidth(120);
        pControl->SetRect(rc);
        pControl->SetEnabled(c.bEnabled);
        pControl->OnSetSelected(c.nSelected);
        dib.Fill(MARK);
        pControl->Draw(&dib.DC());
        auto color = [&](int n) { return n < 0 ? MARK : C(n); };
        EXPECT_EQ(color(c.nOuter), dib.Pixel(0, 0)) << c.nType << c.bEnabled << c.nSelected;
        EXPECT_EQ(color(c.nRing), dib.Pixel(1, 1)) << c.nType << c.bEnabled << c.nSelected;
        EXPECT_EQ(color(c.nInside), dib.Pixel(40, 11)) << c.nType << c.bEnabled << c.nSelected;
    }

    // The combo's button: a face with light edges and the arrow in colour 18.
    CTestDib fontDib(4, 4);
    CXTPFontDC font(&fontDib.DC(), m_theme.GetIconFont());
    TEXTMETRICA tm = {};
    fontDib->GetTextMetrics(&tm);
    int nButton = std::max(2 * static_cast<int>(tm.tmAveCharWidth) + 4, 15);
    CRect rcButton(120 - nButton + 1, 2, 118, 20);
    EXPECT_EQ(C(20), dib.Pixel(rcButton.left, rcButton.top));
    EXPECT_EQ(C(15), dib.Pixel(rcButton.left + 2, rcButton.top + 2));
    EXPECT_GT(CountColor(dib, rcButton, C(18)), 3);
}

TEST_F(ControlPaintTest, GlyphButtons)
{
    CXTPControl* pControl = Add(m_toolbar, 1, 0, "");
    // Measuring the expand button places it at the bar's far end.
    m_theme.DrawControlGlyph(nullptr, xtpGlyphExpand, pControl, &m_toolbar, FALSE, MAKELPARAM(200, 40));
    EXPECT_EQ(CRect(187, 2, 198, 38), pControl->GetRect());
    m_theme.DrawControlGlyph(nullptr, xtpGlyphExpand, pControl, &m_vertical, FALSE, MAKELPARAM(40, 200));
    EXPECT_EQ(CRect(2, 187, 38, 198), pControl->GetRect());

    CRect rc(0, 0, 11, 20);
    pControl->SetRect(rc);
    CTestDib dib(20, 20, MARK);
    struct
    {
        LPARAM bHidden;
        CPoint ptTriangle;
        BOOL bChevron;
    } expands[] = {{FALSE, CPoint(5, 14), FALSE}, {TRUE, CPoint(5, 14), TRUE}};
    for (auto& e : expands)
    {
        dib.Fill(MARK);
        m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphExpand, pControl, &m_toolbar, TRUE, e.bHidden);
        EXPECT_EQ(C(18), dib.Pixel(e.ptTriangle.x, e.ptTriangle.y));
        EXPECT_EQ(e.bChevron ? C(18) : MARK, dib.Pixel(2, 4));
    }
    dib.Fill(MARK);
    m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphExpand, pControl, &m_vertical, TRUE, FALSE);
    EXPECT_EQ(C(18), dib.Pixel(5, 5));

    // The chevron of popups: black, 12 high whether drawn or not.
    EXPECT_EQ(CSize(0, 12), m_theme.DrawControlGlyph(nullptr, xtpGlyphExpandChevron, pControl, &m_popup, FALSE, 0));
    dib.Fill(MARK);
    EXPECT_EQ(CSize(0, 12), m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphExpandChevron, pControl, &m_popup, TRUE, 0));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(3, 2));

    // The drop-down triangle in the caption text colour (9), on colour 15 when hot.
    rc = CRect(0, 0, 16, 16);
    pControl->SetRect(rc);
    dib.Fill(MARK);
    m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphDropDown, pControl, &m_toolbar, TRUE, 0);
    EXPECT_EQ(C(9), dib.Pixel(8, 7));
    EXPECT_EQ(MARK, dib.Pixel(2, 2));
    pControl->OnSetSelected(1);
    dib.Fill(MARK);
    m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphDropDown, pControl, &m_toolbar, TRUE, 0);
    EXPECT_EQ(C(18), dib.Pixel(8, 7));
    EXPECT_EQ(C(15), dib.Pixel(8, 12));

    // The close button: Marlett's "r" in the caption text colour.
    pControl->OnSetSelected(0);
    dib.Fill(MARK);
    m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphClose, pControl, &m_toolbar, TRUE, 0);
    EXPECT_GT(CountColor(dib, rc, C(9)), 4);
}

TEST_F(ControlPaintTest, ToolbarButtonDrawsFaceImageAndCaption)
{
    CXTPControl* pControl = Add(m_toolbar, 1, ID_WITH_ICON, "Neu", xtpButtonIconAndCaption);
    CTestDib sizeDib(4, 4);
    CSize size = pControl->GetSize(&sizeDib.DC());
    pControl->SetRect(CRect(CPoint(0, 0), size));
    pControl->OnSetSelected(1);
    CTestDib dib(size.cx, size.cy, MARK);
    pControl->Draw(&dib.DC());
    EXPECT_EQ(C(20), dib.Pixel(0, 0));                    // raised while hot
    EXPECT_EQ(ICON, dib.Pixel(3 + 8, size.cy / 2));      // the image at left + 3
    EXPECT_GT(CountColor(dib, CRect(22, 0, size.cx, size.cy), C(18)), 5);

    // Disabled: embossed shape in 20 and 16 instead of the image.
    pControl->OnSetSelected(0);
    pControl->SetEnabled(FALSE);
    dib.Fill(MARK);
    pControl->Draw(&dib.DC());
    EXPECT_EQ(C(16), dib.Pixel(3 + 8, size.cy / 2));
    EXPECT_EQ(C(20), dib.Pixel(3 + 16, size.cy / 2));
}

TEST_F(ControlPaintTest, GdiObjectsAreGivenBack)
{
    CXTPControl* pButton = Add(m_toolbar, 1, ID_WITH_ICON, "Neu", xtpButtonIconAndCaption);
    CXTPControl* pChecked = Add(m_toolbar, 1, ID_WITH_ICON, "Fett", xtpButtonIcon);
    pChecked->SetChecked(TRUE);
    CXTPControl* pItem = Add(m_popup, 1, ID_WITH_ICON, "Öffnen\tStrg+O");
    pItem->SetChecked(TRUE);
    CXTPControl* pCombo = Add(m_toolbar, xtpControlComboBox, 0, "");
    CRect rc(0, 0, 60, 24);
    for (CXTPControl* pControl : {pButton, pChecked, pItem, pCombo})
    {
        pControl->SetWidth(60);
        pControl->SetRect(rc);
    }
    CTestDib dib(60, 24, MARK);
    CTestDib source(60, 24, RGB(9, 9, 9));
    m_theme.SetAnimationDelay(2, 0);
    DWORD nBefore = GdiObjectCount();
    for (int i = 0; i < 10000; ++i)
    {
        for (CXTPControl* pControl : {pButton, pChecked, pItem, pCombo})
            pControl->Draw(&dib.DC());
        m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphClose, pButton, &m_toolbar, TRUE, 0);
        m_theme.DrawCheckedPattern(&dib.DC(), rc);
        m_theme.FillCommandBar(&dib.DC(), &m_toolbar);
        m_theme.DrawMenuCheckMark(&dib.DC(), rc, RGB(0, 0, 0));
        if (i % 100 == 0)
            m_theme.AnimatePopupBar(&dib.DC(), &source.DC(), rc, xtpAnimateFade);
    }
    EXPECT_EQ(nBefore, GdiObjectCount());
}

} // namespace
