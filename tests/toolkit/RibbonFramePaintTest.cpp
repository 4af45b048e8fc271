// The caption of a skinned frame as the ribbon draws it into a memory DIB:
// with the test style module each piece, caption button face and glyph and
// the context header come from their images, in the frame of the frame's
// active state and the buttons' states; without it the caption is the plain
// one of the Office 2007 frame with Marlett glyphs. The title keeps to its
// place in either.
#include "RibbonTestSupport.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

#include <algorithm>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const int kWidth = 600;

class RibbonFramePaintTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        RibbonTestBase::SetUp();
        AddButton(m_pRibbon->AddTab("Start")->AddGroup("Notizen", 1), 100, xtpButtonIconAndCaptionBelow);
        CXTPRibbonTab* pTable = m_pRibbon->AddTab("Tabelle");
        pTable->SetContextColor(xtpRibbonTabContextColorGreen);
        pTable->SetContextCaption("Tabellentools");
        AddButton(pTable->AddGroup("Zeilen", 2), 200, xtpButtonIconAndCaptionBelow);
        m_pRibbon->SelectTab(0);
        m_pFrame->SetWindowText("Titel");
    }
    void TearDown() override
    {
        RibbonTestBase::TearDown();
        SetPaintTheme(xtpThemeOffice2000);
    }
    // The ribbon theme made current under the module (or none), the frame
    // skinned and the ribbon laid out.
    CXTPRibbonTheme* Start()
    {
        CXTPRibbonTheme* pTheme = new CXTPRibbonTheme;
        SetCurrentPaintManager(pTheme);
        m_pRibbon->EnableFrameTheme(TRUE);
        LayoutAt(kWidth);
        return pTheme;
    }
    void SetFrameActive(BOOL bActive)
    {
        m_pFrame->SendMessage(WM_NCACTIVATE, bActive, 0);
        ASSERT_EQ(bActive, m_pRibbon->GetFrameHook()->IsFrameActive());
    }
    void Draw(CTestDib& dib)
    {
        dib.Fill(MARK);
        m_pRibbon->DrawCommandBar(&dib.DC(), CRect(0, 0, dib.Width(), dib.Height()));
    }
    CRect ButtonRect(int nCommand) const
    {
        CXTPControl* pButton = m_pRibbon->GetCaptionButton(nCommand);
        return pButton ? pButton->GetRect() : CRect();
    }
    // The pixels of the rectangle that differ from the colour.
    static int CountOther(const CTestDib& dib, const CRect& rc, COLORREF clr)
    {
        int nCount = 0;
        for (int y = std::max(0, static_cast<int>(rc.top)); y < std::min(dib.Height(), static_cast<int>(rc.bottom)); ++y)
            for (int x = std::max(0, static_cast<int>(rc.left)); x < std::min(dib.Width(), static_cast<int>(rc.right)); ++x)
                nCount += dib.Pixel(x, y) != clr;
        return nCount;
    }
    // A point of the caption clear of the title, headers and buttons.
    CPoint FreePoint() const
    {
        const CRect rcText = m_pRibbon->GetCaptionTextRect();
        return CPoint(rcText.right - 3, rcText.CenterPoint().y);
    }
};

TEST_F(RibbonFramePaintTest, WithTheModuleThePiecesAndButtonsComeFromTheirImagesByState)
{
    CThemeStyleScope style(true);
    Start();
    const int nCaption = m_pRibbon->GetCaptionRect().Height();
    CTestDib dib(kWidth, nCaption + 10, MARK);
    const int nGlyph = CXTPOffice2007Theme::GetCaptionGlyphSize(ButtonRect(SC_CLOSE).Width());
    CString strClose, strMaximize, strMinimize;
    strClose.Format("FRAMECAPTIONCLOSE%d", nGlyph);
    strMaximize.Format("FRAMECAPTIONMAXIMIZE%d", nGlyph);
    strMinimize.Format("FRAMECAPTIONMINIMIZE%d", nGlyph);

    const struct
    {
        BOOL bActive;
        int nPiece;   // frame of 2
        int nGlyph;   // frame of 5
    } states[] = {{TRUE, 0, 0}, {FALSE, 1, 3}};
    for (const auto& state : states)
    {
        SCOPED_TRACE(state.bActive ? "active" : "inactive");
        SetFrameActive(state.bActive);
        Draw(dib);
        // The left piece over the frame's border, the right one to the
        // frame's right edge, the centre between.
        EXPECT_EQ(ThemeImageColor("FRAMETOPLEFT", state.nPiece), dib.Pixel(0, nCaption / 2));
        EXPECT_EQ(ThemeImageColor("FRAMETOPRIGHT", state.nPiece), dib.Pixel(kWidth - 1, 1));
        EXPECT_EQ(ThemeImageColor("FRAMETOPCENTER", state.nPiece), dib.Pixel(FreePoint().x, FreePoint().y));
        EXPECT_EQ(ThemeImageColor("FRAMETOPCENTER", state.nPiece), dib.Pixel(kWidth / 2, 1));
        for (const auto& glyph : {std::make_pair(SC_CLOSE, strClose), std::make_pair(SC_MAXIMIZE, strMaximize),
                                  std::make_pair(SC_MINIMIZE, strMinimize)})
        {
            const CRect rc = ButtonRect(glyph.first);
            EXPECT_EQ(ThemeImageColor(glyph.second, state.nGlyph), dib.Pixel(rc.CenterPoint().x, rc.CenterPoint().y))
                << glyph.second;
            // No face while the button is neither hot nor pressed.
            EXPECT_EQ(ThemeImageColor("FRAMETOPCENTER", state.nPiece), dib.Pixel(rc.left, rc.top)) << glyph.second;
        }
    }

    // The hot close button of the active frame: the button face, and the
    // glyph of the hot state.
    SetFrameActive(TRUE);
    CXTPControl* pClose = m_pRibbon->GetCaptionButton(SC_CLOSE);
    m_pRibbon->SetSelected(pClose->GetIndex());
    ASSERT_TRUE(pClose->GetSelected());
    Draw(dib);
    const CRect rcClose = pClose->GetRect();
    EXPECT_EQ(ThemeImageColor("FRAMECAPTIONBUTTON", 0), dib.Pixel(rcClose.left, rcClose.top));
    EXPECT_EQ(ThemeImageColor(strClose, 1), dib.Pixel(rcClose.CenterPoint().x, rcClose.CenterPoint().y));
    m_pRibbon->SetSelected(-1);
}

TEST_F(RibbonFramePaintTest, WithTheModuleTheGripperLiesUnderTheQuickAccessRow)
{
    CThemeStyleScope style(true);
    Start();
    CTestDib dib(kWidth, m_pRibbon->GetCaptionRect().Height() + 10, MARK);
    const int xCaption = m_pRibbon->GetCaptionRect().left;
    for (BOOL bBelow : {FALSE, TRUE})
    {
        SCOPED_TRACE(bBelow ? "row below" : "row in the caption");
        m_pRibbon->SetShowQuickAccessBelow(bBelow);
        LayoutAt(kWidth);
        // From 30 pixels in to 12 after the row, or to 70 pixels in.
        const int xEnd = bBelow ? xCaption + 70 : m_pRibbon->GetControlQuickAccess()->GetRect().right + 12;
        for (BOOL bActive : {TRUE, FALSE})
        {
            SetFrameActive(bActive);
            Draw(dib);
            const int nFrame = bActive ? 0 : 1;
            EXPECT_EQ(ThemeImageColor("FRAMEGRIPPER", nFrame), dib.Pixel(xCaption + 30, 1));
            EXPECT_EQ(ThemeImageColor("FRAMEGRIPPER", nFrame), dib.Pixel(xEnd - 1, 1));
            EXPECT_EQ(ThemeImageColor("FRAMETOPCENTER", nFrame), dib.Pixel(xEnd, 1));
        }
    }
}

// A system button whose popup is open while the test says so.
class CSystemButton : public CXTPControlButton
{
public:
    BOOL IsPopupOpen() const override { return m_bOpen; }
    BOOL m_bOpen = FALSE;
};

TEST_F(RibbonFramePaintTest, TheSystemButtonsFaceByState)
{
    CSystemButton* pButton = new CSystemButton;
    pButton->SetID(300);
    m_pRibbon->SetSystemButton(pButton);
    for (bool bModule : {true, false})
    {
        SCOPED_TRACE(bModule ? "module" : "no module");
        CThemeStyleScope style(bModule);
        CXTPRibbonTheme* pTheme = Start();
        SetFrameActive(TRUE);
        CTestDib dib(kWidth, 60, MARK);
        const CRect rc = pButton->GetRect();
        ASSERT_EQ(CRect(0, 3, 46, 48), rc);
        const struct
        {
            BOOL bSelected;
            BOOL bOpen;
            int nFrame;   // of 3
        } states[] = {{FALSE, FALSE, 0}, {TRUE, FALSE, 1}, {TRUE, TRUE, 2}, {FALSE, TRUE, 2}};
        for (const auto& state : states)
        {
            SCOPED_TRACE(state.nFrame);
            m_pRibbon->SetSelected(state.bSelected ? pButton->GetIndex() : -1);
            pButton->m_bOpen = state.bOpen;
            Draw(dib);
            // Without images only the hot and open states get a face.
            const COLORREF clrExpected = bModule ? ThemeImageColor("FRAMESYSTEMBUTTON", state.nFrame)
                                         : state.nFrame ? pTheme->m_clrRibbonGroupBorder
                                                        : dib.Pixel(rc.right + 2, rc.top);
            EXPECT_EQ(clrExpected, dib.Pixel(rc.left, rc.top + 1));
            if (bModule || state.nFrame)
            {
                EXPECT_EQ(clrExpected, dib.Pixel(rc.right - 1, rc.bottom - 1));
            }
        }
        pButton->m_bOpen = FALSE;
        m_pRibbon->SetSelected(-1);
        m_pRibbon->EnableFrameTheme(FALSE);
    }
}

TEST_F(RibbonFramePaintTest, WithTheModuleTheContextHeaderComesFromItsImage)
{
    CThemeStyleScope style(true);
    Start();
    ASSERT_EQ(1, m_pRibbon->GetContextHeaderCount());
    CTestDib dib(kWidth, m_pRibbon->GetCaptionRect().Height() + 10, MARK);
    SetFrameActive(TRUE);
    Draw(dib);
    const CRect rcHeader = m_pRibbon->GetContextHeader(0)->m_rcHeader;
    EXPECT_EQ(ThemeImageColor("ContextTabGREENHeader", 0), dib.Pixel(rcHeader.left + 2, rcHeader.top + 2));
    EXPECT_EQ(ThemeImageColor("ContextTabGREENHeader", 0), dib.Pixel(rcHeader.right - 3, rcHeader.bottom - 2));
}

TEST_F(RibbonFramePaintTest, WithoutTheModuleTheCaptionIsThePlainOneWithMarlettGlyphs)
{
    CDistinctSysColors colors;
    CThemeStyleScope style(false);
    CXTPRibbonTheme* pTheme = Start();
    const int nCaption = m_pRibbon->GetCaptionRect().Height();
    CTestDib dib(kWidth, nCaption + 10, MARK);
    for (BOOL bActive : {TRUE, FALSE})
    {
        SCOPED_TRACE(bActive ? "active" : "inactive");
        SetFrameActive(bActive);
        Draw(dib);
        const COLORREF* clrBorder = bActive ? pTheme->m_clrFrameBorderActive : pTheme->m_clrFrameBorderInactive;
        EXPECT_EQ(clrBorder[3], dib.Pixel(FreePoint().x, FreePoint().y));
        EXPECT_EQ(clrBorder[0], dib.Pixel(FreePoint().x, 0));
        EXPECT_EQ(clrBorder[3], dib.Pixel(kWidth - 1, 1));
        // Each button shows its glyph on the caption's fill.
        for (int nCommand : {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE})
        {
            const CRect rc = ButtonRect(nCommand);
            EXPECT_EQ(clrBorder[3], dib.Pixel(rc.left, rc.top)) << std::hex << nCommand;
            EXPECT_GT(CountOther(dib, rc, clrBorder[3]), 0) << std::hex << nCommand;
        }
    }
}

TEST_F(RibbonFramePaintTest, TheTitleAndTheIconKeepToTheirPlaces)
{
    CThemeStyleScope style(false);
    CXTPRibbonTheme* pTheme = Start();
    SetFrameActive(TRUE);
    const int nCaption = m_pRibbon->GetCaptionRect().Height();
    CTestDib dib(kWidth, nCaption + 10, MARK);
    Draw(dib);
    const COLORREF clrFill = pTheme->m_clrFrameBorderActive[3];

    // The title: drawn where the ribbon puts it, nothing else in the caption
    // text rect between the header and the buttons.
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    int nTitleWidth = 0;
    {
        CXTPFontDC font(&dib.DC(), &pTheme->m_fontFrameCaption);
        nTitleWidth = dib->GetTextExtent(strTitle).cx + 20;
    }
    const CRect rcTitle = m_pRibbon->GetCaptionTitleRect(nTitleWidth);
    EXPECT_GT(CountOther(dib, rcTitle, clrFill), 0);
    const CRect rcText = m_pRibbon->GetCaptionTextRect();
    ASSERT_EQ(1, m_pRibbon->GetContextHeaderCount());
    const CRect rcHeader = m_pRibbon->GetContextHeader(0)->m_rcHeader;
    const int nClearLeft = std::max(rcHeader.right, rcTitle.right);
    EXPECT_EQ(0, CountOther(dib, CRect(nClearLeft, rcText.top, rcText.right, rcText.bottom), clrFill));

    // The frame's small icon at 10 pixels from the caption's left end.
    const int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
    const CRect rcCaption = m_pRibbon->GetCaptionRect();
    const CRect rcIcon(CPoint(rcCaption.left + 10, (rcCaption.Height() - cyIcon) / 2), CSize(cxIcon, cyIcon));
    EXPECT_GT(CountOther(dib, rcIcon, clrFill), 0);
    EXPECT_EQ(clrFill, dib.Pixel(rcIcon.right, rcIcon.CenterPoint().y));
}

} // namespace
