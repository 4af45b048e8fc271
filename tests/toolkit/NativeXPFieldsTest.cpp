// The native look's fields and menu-bar items: the combo button and the
// field border from the "COMBOBOX" style, the floating caption from
// "WINDOW", and menu-bar items in the highlight colours with flat menus;
// classic results when the styles are not in force.
#include "toolkit/draw/NativeXPTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ScopedDC.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const COLORREF MARK = RGB(1, 2, 3);

class NativeXPFieldsTest : public testing::Test
{
protected:
    NativeXPFieldsTest() : m_colors(g_classicSysColors)
    {
        CXTPNativeXPTheme::SetFlatMenuOverride(1);
        m_native.RefreshMetrics();
        m_classic.RefreshMetrics();
        m_combo.OpenThemeData(nullptr, L"COMBOBOX");
        m_window.OpenThemeData(nullptr, L"WINDOW");
    }
    ~NativeXPFieldsTest() override { CXTPNativeXPTheme::SetFlatMenuOverride(-1); }

    CThemeColorScope m_colors;
    CXTPNativeXPTheme m_native;
    CXTPDefaultTheme m_classic;
    CXTPWinThemeWrapper m_combo;
    CXTPWinThemeWrapper m_window;
};

TEST_F(NativeXPFieldsTest, ComboButtonAndBorder)
{
    struct
    {
        BOOL bEnabled;
        int nSelected;
        BOOL bDropped;
        int nState;
    } cases[] = {{TRUE, 0, FALSE, 1}, {TRUE, 1, FALSE, 2}, {TRUE, 1, TRUE, 3}, {FALSE, 0, FALSE, 4}};
    for (auto& c : cases)
    {
        CRect rc(4, 0, 22, 22);
        CTestDib native(24, 22, MARK), reference(24, 22, MARK);
        m_native.DrawComboBoxButton(&native.DC(), rc, c.bEnabled, c.nSelected, c.bDropped);
        if (ThemeStylesOn())
        {
            CRect rcPart(rc.left - 2, rc.top + 1, rc.right - 1, rc.bottom - 1);
            m_combo.DrawThemeBackground(reference->GetSafeHdc(), 1, c.nState, &rcPart, nullptr);
        }
        else
        {
            m_classic.DrawComboBoxButton(&reference.DC(), rc, c.bEnabled, c.nSelected, c.bDropped);
        }
        EXPECT_EQ("", FirstDifference(native, reference)) << c.nState;

        native.Fill(MARK);
        reference.Fill(MARK);
        m_native.DrawControlBorder(&native.DC(), CRect(0, 0, 24, 22), c.bEnabled, c.nSelected);
        if (ThemeStylesOn())
        {
            COLORREF clr = 0;
            if (FAILED(m_combo.GetThemeColor(1, c.bEnabled ? 1 : 4, 3801, &clr)))
                clr = m_native.ResolveColor(COLOR_3DSHADOW);
            reference->Draw3dRect(0, 0, 24, 22, clr, clr);
        }
        else
        {
            m_classic.DrawControlBorder(&reference.DC(), CRect(0, 0, 24, 22), c.bEnabled,
                                        c.nSelected);
        }
        EXPECT_EQ("", FirstDifference(native, reference)) << c.nState;
    }
}

TEST_F(NativeXPFieldsTest, MenuBarItemsWithFlatMenus)
{
    CTestBar menuBar(xtpBarTypeMenuBar, xtpBarTop);
    CXTPControl* pItem = menuBar.GetControls()->Add(xtpControlPopup, 1);
    pItem->SetRect(CRect(0, 0, 40, 20));
    CTestDib native(40, 20, MARK), reference(40, 20, MARK);
    m_native.DrawControlFace(&native.DC(), pItem);
    EXPECT_EQ(MARK, native.Pixel(20, 10));

    pItem->OnSetSelected(1);
    m_native.DrawControlFace(&native.DC(), pItem);
    if (ThemeStylesOn())
    {
        EXPECT_EQ(m_native.ResolveColor(COLOR_HIGHLIGHT), native.Pixel(0, 0));
        EXPECT_EQ(m_native.ResolveColor(COLOR_HIGHLIGHT), native.Pixel(39, 19));
        EXPECT_EQ(m_native.ResolveColor(COLOR_HIGHLIGHTTEXT), m_native.GetTextColorForControl(pItem));
    }
    else
    {
        m_classic.DrawControlFace(&reference.DC(), pItem);
        EXPECT_EQ("", FirstDifference(native, reference));
        EXPECT_EQ(m_classic.GetTextColorForControl(pItem), m_native.GetTextColorForControl(pItem));
    }
    menuBar.GetControls()->RemoveAll();
}

TEST_F(NativeXPFieldsTest, FloatingCaption)
{
    CTestBar floating(xtpBarTypeNormal, xtpBarFloating);
    ASSERT_TRUE(floating.CreateHidden(120, 60));
    floating.SetTitle("Format");
    CTestDib native(120, 60, MARK), reference(120, 60, MARK);
    CSize szNative = m_native.DrawCommandBarGripper(&native.DC(), &floating, TRUE);
    if (!ThemeStylesOn())
    {
        EXPECT_EQ(m_classic.DrawCommandBarGripper(&reference.DC(), &floating, TRUE), szNative);
        EXPECT_EQ("", FirstDifference(native, reference));
        return;
    }
    int nHeight;
    {
        CXTPFontDC font(&reference.DC(), m_native.GetSmCaptionFont());
        nHeight = std::max(static_cast<int>(reference->GetTextExtent(" ", 1).cy), 15);
    }
    EXPECT_EQ(CSize(120, nHeight), szNative);
    CRect rcCaption(0, 0, 120, nHeight + 3);
    m_window.DrawThemeBackground(reference->GetSafeHdc(), 2, 1, &rcCaption, nullptr);
    // Same caption background right of the title text.
    EXPECT_EQ(reference.Pixel(110, 2), native.Pixel(110, 2));
    EXPECT_EQ(MARK, native.Pixel(60, nHeight + 4));
}

} // namespace
