// The Office 2007 gallery painter's backgrounds and label rows: the style
// module's gallery colours on toolbars (normal, selected, border), the popup
// colour in menus with the grey line above a following control, and the base
// painter's colours without a module.
#include "toolkit/draw/GalleryOffice2007Theme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/controls/ControlGalleryItems.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/Office2007Theme.h"

#include <gtest/gtest.h>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const COLORREF LINE = RGB(0xc5, 0xc5, 0xc5);

class GalleryOffice2007BackgroundTest : public testing::TestWithParam<bool>
{
protected:
    GalleryOffice2007BackgroundTest() : m_colors(g_classicSysColors), m_style(GetParam())
    {
        m_theme.RefreshMetrics();
        m_pPainter = static_cast<CXTPControlGalleryOffice2007Theme*>(m_theme.GetGalleryPaintManager());
    }
    COLORREF Key(const char* pszKey, COLORREF clrWithout)
    {
        return GetParam() ? GetOffice2007StyleResources()->LookupColor("Toolbar", pszKey) : clrWithout;
    }

    CThemeColorScope m_colors;
    CThemeStyleScope m_style;
    CXTPOffice2007Theme m_theme;
    CXTPControlGalleryOffice2007Theme* m_pPainter = nullptr;
};

TEST_P(GalleryOffice2007BackgroundTest, ToolbarAndPopupBackgrounds)
{
    const COLORREF clrNormal = Key("ControlGalleryNormal", m_theme.ResolveColor(41));
    const COLORREF clrSelected = Key("ControlGallerySelected", clrNormal);
    const COLORREF clrBorder = Key("ControlGalleryBorder", m_theme.ResolveColor(52));
    const struct
    {
        const char* pszCase;
        int nBarType;
        int nSelected;
        BOOL bNext;
        COLORREF clrBack;
    } cases[] = {
        {"toolbar", xtpBarTypeNormal, 0, FALSE, clrNormal},
        {"selected on a toolbar", xtpBarTypeNormal, 1, FALSE, clrSelected},
        {"menu", xtpBarTypePopup, 1, FALSE, m_theme.ResolveColor(41)},
        {"menu with an item below", xtpBarTypePopup, 0, TRUE, m_theme.ResolveColor(41)},
    };
    for (const auto& c : cases)
    {
        CTestBar bar(c.nBarType, c.nBarType == xtpBarTypePopup ? xtpBarPopup : xtpBarTop);
        ASSERT_TRUE(bar.CreateHidden(200, 100));
        auto* pGallery = dynamic_cast<CXTPControlGallery*>(bar.GetControls()->Add(xtpControlGallery, 0));
        ASSERT_NE(nullptr, pGallery);
        if (c.bNext)
            bar.GetControls()->Add(xtpControlButton, 1);
        pGallery->ShowBorders(TRUE);
        pGallery->OnSetSelected(c.nSelected);
        CTestDib dib(120, 60, MARK);
        m_pPainter->FillControl(&dib.DC(), pGallery, CRect(0, 0, 120, 60));
        EXPECT_EQ(c.clrBack, dib.Pixel(60, 30)) << c.pszCase;
        EXPECT_EQ(clrBorder, dib.Pixel(0, 0)) << c.pszCase;
        EXPECT_EQ(clrBorder, dib.Pixel(119, 30)) << c.pszCase;
        EXPECT_EQ(c.bNext ? LINE : c.clrBack, dib.Pixel(60, 58)) << c.pszCase;
        bar.GetControls()->RemoveAll();
    }
}

TEST_P(GalleryOffice2007BackgroundTest, LabelRowWithGreyLine)
{
    CXTPControlGalleryItems items;
    CXTPControlGalleryItem* pLabel = items.AddLabel("Farben");
    CTestDib dib(120, 20, MARK);
    m_pPainter->DrawLabel(&dib.DC(), pLabel, CRect(0, 0, 120, 20));
    EXPECT_EQ(m_theme.ResolveColor(56), dib.Pixel(115, 5));
    EXPECT_EQ(LINE, dib.Pixel(60, 19));
}

TEST_P(GalleryOffice2007BackgroundTest, PopupButtonsFromTheModuleImages)
{
    CTestBar bar(xtpBarTypeNormal, xtpBarTop);
    ASSERT_TRUE(bar.CreateHidden(200, 100));
    bar.SetPaintManager(&m_theme);
    auto* pGallery = dynamic_cast<CXTPControlGallery*>(bar.GetControls()->Add(xtpControlGallery, 0));
    ASSERT_NE(nullptr, pGallery);
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(nullptr);
    pGallery->SetCommandBar(pPopup);
    pPopup->InternalRelease();
    pGallery->ShowScrollBar(TRUE);
    pGallery->SetRect(CRect(0, 0, 120, 64));
    CRect rcBar;
    pGallery->GetScrollBarRect(rcBar);
    ASSERT_EQ(15, rcBar.Width());
    for (int nSelected : {0, 1})
    {
        pGallery->OnSetSelected(nSelected);
        CTestDib dib(120, 64, MARK);
        m_pPainter->DrawPopupScrollBar(&dib.DC(), pGallery);
        if (GetParam())
        {
            // Nothing to scroll: both arrows disabled; the popup button
            // shows whether the gallery is hot.
            EXPECT_EQ(ThemeImageColor("CONTROLGALLERYUP", 4), dib.Pixel(rcBar.left + 1, rcBar.top + 1));
            EXPECT_EQ(ThemeImageColor("CONTROLGALLERYDOWN", 4), dib.Pixel(rcBar.left + 1, rcBar.top + 22));
            EXPECT_EQ(ThemeImageColor("CONTROLGALLERYPOPUP", nSelected), dib.Pixel(rcBar.left + 1, rcBar.top + 45));
        }
        else
        {
            CXTPControlGalleryPaintManager base(&m_theme);
            base.RefreshMetrics();
            base.m_cyPopupUp = m_pPainter->m_cyPopupUp;
            CTestDib expected(120, 64, MARK);
            base.DrawPopupScrollBar(&expected.DC(), pGallery);
            EXPECT_EQ("", FirstDifference(expected, dib));
        }
    }
    bar.GetControls()->RemoveAll();
    bar.SetPaintManager(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Module, GalleryOffice2007BackgroundTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "WithModule" : "WithoutModule");
                         });

} // namespace
