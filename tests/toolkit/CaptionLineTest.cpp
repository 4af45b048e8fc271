// Access-key underlines on the pixels of popup items, in the classic and the
// Office look: the underline stands under the ink of its own letter however
// far into the caption the letter is, and the line drawn without marks is
// the same text at the same place.
#include "toolkit/draw/CaptionLine.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF BACKGROUND = RGB(1, 2, 3);
const CRect ITEM(0, 0, 260, 22);

// A popup bar whose access-key underlines a test switches.
class CCueBar : public CTestBar
{
public:
    CCueBar() : CTestBar(xtpBarTypePopup, xtpBarPopup) {}
    BOOL IsAccessKeyUnderlineVisible() const override { return m_bCues; }
    BOOL m_bCues = TRUE;
};

// The columns, left to right, whose pixels differ between the two drawings.
struct Columns
{
    int nFirst = -1;
    int nLast = -1;
};

Columns DifferingColumns(CTestDib& a, CTestDib& b)
{
    Columns columns;
    for (int x = 0; x < a.Width(); ++x)
        for (int y = 0; y < a.Height(); ++y)
            if (a.Pixel(x, y) != b.Pixel(x, y))
            {
                if (columns.nFirst < 0)
                    columns.nFirst = x;
                columns.nLast = x;
                break;
            }
    return columns;
}

// The rows whose pixels differ between the two drawings.
int DifferingRows(CTestDib& a, CTestDib& b)
{
    int nRows = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
            {
                ++nRows;
                break;
            }
    return nRows;
}

class CaptionLineTest : public testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        m_pTheme = GetParam() == xtpThemeOffice2000 ? new CTestTheme : CreatePaintTheme(GetParam());
        m_pTheme->RefreshMetrics();
        m_bar.SetPaintManager(m_pTheme);
        m_bar.CreateHidden(ITEM.Width(), ITEM.Height());
        m_pItem = m_bar.GetControls()->Add(xtpControlButton, 0);
        m_pItem->SetRect(ITEM);
    }
    void TearDown() override { m_pTheme->InternalRelease(); }

    // The item with the caption drawn on a plain background.
    void Draw(CTestDib& dib, const char* pszCaption, BOOL bCues)
    {
        m_pItem->SetCaption(pszCaption);
        m_bar.m_bCues = bCues;
        dib.Fill(BACKGROUND);
        m_pItem->Draw(&dib.DC());
    }

    CDistinctSysColors m_colors;
    CXTPPaintManager* m_pTheme = nullptr;
    CCueBar m_bar;
    CXTPControl* m_pItem = nullptr;
};

TEST_P(CaptionLineTest, UnderlineStandsUnderItsOwnLetter)
{
    // Caption, the caption cut after its marked letter, and cut before it.
    const struct
    {
        const char* pszCaption;
        const char* pszToLetter;
        const char* pszBeforeLetter;
    } kCases[] = {
        {"&Neu", "N", ""},
        {"\xD6&ffnen...", "\xD6" "f", "\xD6"},
        {"Speichern &unter...", "Speichern u", "Speichern "},
        {"Seite ein&richten...", "Seite einr", "Seite ein"},
        {"Seitenansic&ht", "Seitenansich", "Seitenansic"},
        {"Druckeri&nstallation...", "Druckerin", "Druckeri"},
        {"Tipps && &Tricks", "Tipps && T", "Tipps && "},
    };
    for (const auto& c : kCases)
    {
        CTestDib marked(ITEM.Width(), ITEM.Height()), plain(ITEM.Width(), ITEM.Height());
        Draw(marked, c.pszCaption, TRUE);
        Draw(plain, c.pszCaption, FALSE);
        // With and without the underline the text is the same: only the
        // underline's one row differs.
        EXPECT_EQ(1, DifferingRows(marked, plain)) << c.pszCaption;
        const Columns underline = DifferingColumns(marked, plain);
        ASSERT_GE(underline.nLast - underline.nFirst, 1) << c.pszCaption;

        // The letter's ink: what the text up to it has beyond the text before it.
        CTestDib toLetter(ITEM.Width(), ITEM.Height()), beforeLetter(ITEM.Width(), ITEM.Height());
        Draw(toLetter, c.pszToLetter, FALSE);
        Draw(beforeLetter, c.pszBeforeLetter, FALSE);
        const Columns letter = DifferingColumns(toLetter, beforeLetter);
        ASSERT_GE(letter.nFirst, 0) << c.pszCaption;
        const int nMiddle = (underline.nFirst + underline.nLast) / 2;
        EXPECT_GE(nMiddle, letter.nFirst) << c.pszCaption << ": underline " << underline.nFirst << ".."
                                          << underline.nLast << ", letter " << letter.nFirst << ".." << letter.nLast;
        EXPECT_LE(nMiddle, letter.nLast) << c.pszCaption << ": underline " << underline.nFirst << ".."
                                         << underline.nLast << ", letter " << letter.nFirst << ".." << letter.nLast;
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, CaptionLineTest, testing::Values(xtpThemeOffice2000, xtpThemeOfficeXP),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == xtpThemeOffice2000 ? "Classic" : "Office");
                         });

// The line's own rules: placed in the rectangle as the system places a
// single line, and an ellipsis that takes the underline with the letter it
// cut away.
TEST(CaptionLine, PlacesTheLineAsTheSystemDoesAndCutsTheUnderlineWithItsLetter)
{
    CTestTheme theme;
    CTestDib mine(200, 30), system(200, 30);
    CXTPFontDC mineFont(&mine.DC(), theme.GetRegularFont());
    CXTPFontDC systemFont(&system.DC(), theme.GetRegularFont());
    const UINT kFormats[] = {DT_VCENTER, DT_VCENTER | DT_CENTER, DT_VCENTER | DT_RIGHT, DT_BOTTOM | DT_RIGHT, 0};
    for (UINT nFormat : kFormats)
    {
        mine.Fill(BACKGROUND);
        system.Fill(BACKGROUND);
        CRect rc(10, 2, 190, 28);
        XTPDrawCaptionLine(&mine.DC(), "i", rc, nFormat | DT_NOPREFIX);
        system->DrawText("i", 1, &rc, nFormat | DT_NOPREFIX | DT_SINGLELINE);
        // One letter has no advance to disagree on: the same pixels.
        EXPECT_EQ(-1, DifferingColumns(mine, system).nFirst) << nFormat;
    }

    // Cut to "Seite e..." the marked "r" is gone, and its underline with it.
    SIZE size = {};
    ::GetTextExtentPoint32A(mine->GetSafeHdc(), "Seite e...", 10, &size);
    const CRect rcNarrow(0, 0, size.cx, 30);
    mine.Fill(BACKGROUND);
    system.Fill(BACKGROUND);
    XTPDrawCaptionLine(&mine.DC(), "Seite ein&richten...", rcNarrow, DT_END_ELLIPSIS);
    XTPDrawCaptionLine(&system.DC(), "Seite e...", rcNarrow, DT_NOPREFIX);
    EXPECT_EQ(-1, DifferingColumns(mine, system).nFirst);
}

} // namespace
