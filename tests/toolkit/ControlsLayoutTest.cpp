// Toolbar layout of fixed-size controls: rows and columns for a length,
// breaks at group starts, forced rows, hiding what does not fit, the
// popup balance, the floating fit, centring, right alignment and stretch.
#include "toolkit/controls/Controls.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "TestImages.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/controls/ControlButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A button of a size set by the test.
class CFixedControl : public CXTPControlButton
{
public:
    explicit CFixedControl(CSize size) : m_size(size) {}
    CSize GetSize(CDC* /*pDC*/) override { return m_size; }
    CSize m_size;
};

struct ControlCase
{
    DWORD dwFlags;
    BOOL bBeginGroup;
    BOOL bHidden;
};

struct LayoutCase
{
    const char* pszName;
    DWORD dwMode;
    int nLength;
    int nMinLength;
    int nMRUWidth;
    std::vector<ControlCase> controls;
    CSize szExpected;
    std::vector<CRect> rects;   // committed rectangles, for the modes that commit
    std::vector<int> hiddenByLayout;
};

const ControlCase N = {0, FALSE, FALSE};

const LayoutCase s_cases[] = {
    {"nothing visible", 0x48, 100, 0, 32767, {{0, FALSE, TRUE}}, CSize(27, 26), {}, {}},
    {"nothing visible, docked minimum", 0x08, 100, 40, 32767, {{0, FALSE, TRUE}}, CSize(27, 40), {}, {}},
    {"nothing visible, minimum", 0x00, 100, 40, 32767, {{0, FALSE, TRUE}}, CSize(40, 26), {}, {}},
    {"one row", 0x48, 100, 0, 32767, {N, N, N}, CSize(64, 24),
     {CRect(2, 2, 22, 22), CRect(22, 2, 42, 22), CRect(42, 2, 62, 22)}, {}},
    {"minimum height centres the row", 0x48, 100, 40, 32767, {N, N, N}, CSize(64, 40),
     {CRect(2, 10, 22, 30), CRect(22, 10, 42, 30), CRect(42, 10, 62, 30)}, {}},
    {"wrap stretches to the length", 0x48, 50, 0, 32767, {N, N, N}, CSize(50, 44),
     {CRect(2, 2, 22, 22), CRect(22, 2, 42, 22), CRect(2, 22, 22, 42)}, {}},
    {"break moves back to the group start", 0x48, 50, 0, 32767, {N, {0, TRUE, FALSE}, N},
     CSize(50, 50), {CRect(2, 2, 22, 22), CRect(2, 28, 22, 48), CRect(22, 28, 42, 48)}, {}},
    {"a group start beginning the row", 0x48, 30, 0, 32767, {{0, TRUE, FALSE}, {0, TRUE, FALSE}, N},
     CSize(30, 70), {CRect(2, 2, 22, 22), CRect(2, 28, 22, 48), CRect(2, 48, 22, 68)}, {}},
    {"always a new row", 0x48, 200, 0, 32767, {N, {0x80, FALSE, FALSE}, N}, CSize(44, 44),
     {CRect(2, 2, 22, 22), CRect(2, 22, 22, 42), CRect(22, 22, 42, 42)}, {}},
    {"hide what does not fit", 0xC8, 50, 0, 32767, {N, N, N, {0x80, FALSE, FALSE}}, CSize(50, 44),
     {CRect(2, 2, 22, 22), CRect(22, 2, 42, 22), CRect(), CRect(2, 22, 22, 42)}, {2}},
    {"right-aligned pair", 0x49, 200, 0, 32767, {N, {0x01, FALSE, FALSE}, {0x01, FALSE, FALSE}},
     CSize(200, 24), {CRect(2, 2, 22, 22), CRect(158, 2, 178, 22), CRect(178, 2, 198, 22)}, {}},
    {"stretched control", 0x49, 200, 0, 32767, {N, {0x20, FALSE, FALSE}, N}, CSize(200, 24),
     {CRect(2, 2, 22, 22), CRect(22, 2, 178, 22), CRect(178, 2, 198, 22)}, {}},
    {"vertical columns", 0x50, 50, 0, 32767, {N, N, N}, CSize(44, 50),
     {CRect(22, 2, 42, 22), CRect(22, 22, 42, 42), CRect(2, 2, 22, 22)}, {}},
    {"popup balance", 0x140, 0, 0, 0, {N, N, N, N, N, N, N, N, N, N}, CSize(84, 64),
     {CRect(2, 2, 22, 22), CRect(22, 2, 42, 22), CRect(42, 2, 62, 22), CRect(62, 2, 82, 22),
      CRect(2, 22, 22, 42)}, {}},
    {"floating fit", 0x40, 50, 0, 32767, {N, N, N}, CSize(50, 44),
     {CRect(2, 2, 22, 22), CRect(22, 2, 42, 22), CRect(2, 22, 22, 42)}, {}},
    {"measuring leaves the controls", 0x08, 50, 0, 32767, {N, N, N}, CSize(50, 44),
     {CRect(), CRect(), CRect()}, {}},
};

TEST(ControlsLayout, CalcDynamicSizeTable)
{
    CTestTheme theme;
    CTestDib dib(10, 10);
    for (const LayoutCase& c : s_cases)
    {
        CTestBar bar;
        bar.SetPaintManager(&theme);
        bar.SetMRUWidth(c.nMRUWidth);
        for (const ControlCase& control : c.controls)
        {
            CXTPControl* pControl = new CFixedControl(CSize(20, 20));
            bar.GetControls()->AddTail(pControl);
            pControl->SetFlags(control.dwFlags);
            pControl->SetBeginGroup(control.bBeginGroup);
            pControl->SetVisible(!control.bHidden);
        }
        CSize size = bar.GetControls()->CalcDynamicSize(&dib.DC(), c.nLength, c.dwMode,
                                                         CRect(2, 2, 2, 2), c.nMinLength);
        EXPECT_EQ(c.szExpected, size) << c.pszName;
        for (size_t i = 0; i < c.rects.size(); ++i)
        {
            CXTPControl* pControl = bar.GetControl(static_cast<int>(i));
            BOOL bHidden = std::find(c.hiddenByLayout.begin(), c.hiddenByLayout.end(),
                                     static_cast<int>(i)) != c.hiddenByLayout.end();
            EXPECT_EQ(bHidden, (pControl->GetHideFlags() & xtpHideWrap) != 0) << c.pszName << i;
            if (!bHidden)
            {
                EXPECT_EQ(c.rects[i], pControl->GetRect()) << c.pszName << " control " << i;
            }
        }
    }
}

TEST(ControlsLayout, RowsAndWrapFlagsAreWritten)
{
    CTestTheme theme;
    CTestDib dib(10, 10);
    CTestBar bar;
    bar.SetPaintManager(&theme);
    for (int i = 0; i < 3; ++i)
        bar.GetControls()->AddTail(new CFixedControl(CSize(20, 10 + 10 * i)));
    bar.GetControls()->CalcDynamicSize(&dib.DC(), 50, 0x48, CRect(2, 2, 2, 2), 0);
    // Row 1 holds heights 10 and 20 (thickness 20), row 2 the third (30).
    EXPECT_EQ(CRect(2, 7, 22, 17), bar.GetControl(0)->GetRect());
    EXPECT_EQ(CRect(2, 2, 48, 22), bar.GetControl(0)->GetRowRect());
    EXPECT_FALSE(bar.GetControl(1)->GetWrap());
    EXPECT_TRUE(bar.GetControl(2)->GetWrap());
    EXPECT_EQ(CRect(2, 22, 48, 52), bar.GetControl(2)->GetRowRect());

    // A wider length lays them out in one row again and clears the layout's hiding.
    bar.GetControl(2)->SetHideFlags(xtpHideWrap);
    CSize size = bar.GetControls()->CalcDynamicSize(&dib.DC(), 200, 0x48, CRect(2, 2, 2, 2), 0);
    EXPECT_EQ(CSize(64, 34), size);
    EXPECT_EQ(0u, bar.GetControl(2)->GetHideFlags());
    EXPECT_FALSE(bar.GetControl(2)->GetWrap());
}

TEST(ControlsLayout, ShrinkByStyle)
{
    CTestTheme theme;
    CXTPImageManager* pImages = new CXTPImageManager;
    for (int nSize : {16, 32})
    {
        HICON hIcon = MakeTestIcon(nSize, nSize, [](int, int) { return TestPixel{RGB(0, 0, 200), 255}; });
        for (int nId = 1; nId <= 3; ++nId)
            pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), nId, nSize);
        ::DestroyIcon(hIcon);
    }
    CTestDib dib(10, 10);
    struct
    {
        int nLength;
        int nStyle;
        BOOL bOneColumn;
    } cases[] = {
        {600, xtpButtonIconAndCaptionBelow, FALSE},   // room for three large buttons
        {80, xtpButtonIconAndCaption, TRUE},          // three small ones in one column first
        {26, xtpButtonIcon, TRUE},                    // then icons only
    };
    for (auto& c : cases)
    {
        CTestBar bar;
        bar.SetPaintManager(&theme);
        bar.SetImageManager(pImages);
        bar.SetFlags(xtpFlagShrinkByStyle);
        for (const char* pszCaption : {"Eins", "Zwei", "Drei"})
        {
            CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, bar.GetControlCount() + 1);
            pControl->SetCaption(pszCaption);
        }
        CSize size = bar.GetControls()->CalcDynamicSize(&dib.DC(), c.nLength, 0x48, CRect(2, 2, 2, 2), 0);
        EXPECT_EQ(32 + 34 + 4, size.cy) << c.nLength;
        EXPECT_LE(size.cx, std::max(c.nLength, 4 + 3 * 42)) << c.nLength;
        for (int i = 0; i < 3; ++i)
        {
            CXTPControl* pControl = bar.GetControl(i);
            EXPECT_EQ(c.nStyle, pControl->GetStyle()) << c.nLength << " " << i;
            if (c.bOneColumn)
            {
                EXPECT_EQ(2, pControl->GetRect().left) << c.nLength << " " << i;
            }
        }
        if (c.bOneColumn)
        {
            int nHeight = bar.GetControl(0)->GetRect().Height();
            EXPECT_EQ(2 + nHeight, bar.GetControl(1)->GetRect().top) << c.nLength;
            EXPECT_EQ(2 + 2 * nHeight, bar.GetControl(2)->GetRect().top) << c.nLength;
        }
        else
        {
            EXPECT_EQ(bar.GetControl(0)->GetRect().right, bar.GetControl(1)->GetRect().left);
        }
    }
    pImages->InternalRelease();
}

} // namespace
