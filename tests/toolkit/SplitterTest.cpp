// The themed splitter driven by sent messages: its theme styles and colours,
// the parts it draws, bar sizes after a drag with the inverted tracker, the
// clip styles taken off while tracking, inert bars, split cursors, hidden and
// restored columns and rows, and views and windows put into panes. Dragging
// by real mouse input, with and without full-window drag, is in
// tests/toolkit/input/SplitterDragTest.cpp.
#include "toolkit/extras/Splitter.h"
#include "toolkit/extras/SplitterTheme.h"

#include "framework/ui/CreateContext.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/View.h"
#include "toolkit/draw/AuxData.h"
#include "toolkit/draw/ColorManager.h"

#include "TestDib.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

int g_nViewsDeleted = 0;

class CPaneView : public CView
{
    DECLARE_DYNCREATE(CPaneView)
public:
    ~CPaneView() override { ++g_nViewsDeleted; }
    int m_nInitialUpdates = 0;
    void OnInitialUpdate() override { ++m_nInitialUpdates; }
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CPaneView, CView)

class COtherView : public CPaneView
{
    DECLARE_DYNCREATE(COtherView)
};
IMPLEMENT_DYNCREATE(COtherView, CPaneView)

// Its window never comes to exist.
class CNoWindowView : public CPaneView
{
    DECLARE_DYNCREATE(CNoWindowView)
protected:
    BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
};
IMPLEMENT_DYNCREATE(CNoWindowView, CPaneView)

// Its window comes to exist and refuses its creation.
class CFailingView : public CPaneView
{
    DECLARE_DYNCREATE(CFailingView)
protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CFailingView, CPaneView)
BEGIN_MESSAGE_MAP(CFailingView, CPaneView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class CTestSplitter : public CXTSplitterWnd
{
public:
    int ColumnWidth(int col) const { return m_pColInfo[col].nCurSize; }
    int RowHeight(int row) const { return m_pRowInfo[row].nCurSize; }
    int BarSize() const { return m_cxSplitter; }
    int Gap() const { return m_cxSplitterGap; }
};

class XTSplitterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Top-most, away from where most test windows go: the tracker test
        // reads the window's pixels back.
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Teiler", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(600, 560, 1240, 980)));
        m_pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }

    // A splitter over the frame's client area; every column but the last
    // and every row but the last asks for sizeFirst.
    void CreateSplitter(CTestSplitter& splitter, int nRows, int nCols, SIZE sizeFirst,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE)
    {
        ASSERT_TRUE(splitter.CreateStatic(m_pFrame, nRows, nCols, dwStyle));
        // Tracking with the inverted band whatever the system's setting.
        splitter.SetStyleFlags(XT_SPLIT_NOFULLDRAG);
        for (int row = 0; row < nRows; ++row)
        {
            for (int col = 0; col < nCols; ++col)
            {
                CCreateContext context;
                ASSERT_TRUE(splitter.CreateView(row, col, RUNTIME_CLASS(CPaneView), sizeFirst,
                                                &context));
            }
        }
        m_pFrame->RecalcLayout();
        splitter.UpdateWindow();
    }

    static void Drag(CWnd& wnd, CPoint ptFrom, CPoint ptTo)
    {
        wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptFrom.x, ptFrom.y));
        wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptTo.x, ptTo.y));
        wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTo.x, ptTo.y));
    }

    static COLORREF ScreenPixel(CWnd& wnd, int x, int y)
    {
        CWindowDC dc(&wnd);
        return dc.GetPixel(x, y);
    }

    CFrameWnd* m_pFrame = nullptr;
};

// ---- theme ------------------------------------------------------------------

BOOL SchemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor);
const wchar_t* g_pszSchemeColor = L"";

BOOL SchemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor)
{
    lstrcpynW(pszFile, L"luna.msstyles", cchFile);
    lstrcpynW(pszColor, g_pszSchemeColor, cchColor);
    return TRUE;
}

TEST_F(XTSplitterTest, FactoryMakesOneStyleForTheThemeWithItsColours)
{
    CXTSplitterWndThemeFactory factory;
    struct Case
    {
        int nTheme;
        const std::type_info& type;
    };
    const Case cases[] = {
        { 0, typeid(CXTSplitterWndTheme) },
        { 1, typeid(CXTSplitterWndThemeOfficeXP) },
        { 2, typeid(CXTSplitterWndThemeOffice2003) },
        { 7, typeid(CXTSplitterWndTheme) },
    };
    for (const Case& c : cases)
    {
        CXTThemeManagerStyle* pStyle = factory.MakeStyle(c.nTheme);
        ASSERT_NE(nullptr, pStyle);
        EXPECT_TRUE(typeid(*pStyle) == c.type) << c.nTheme;
        delete pStyle;
    }

    // The 2003 look takes the colour scheme's face and border.
    struct SchemeCase
    {
        const wchar_t* pszColor;
        COLORREF clrFace;
        COLORREF clrBorder;
    };
    const SchemeCase schemes[] = {
        { L"normalcolor", 0xFCE7D8, 0xF5BE9E },
        { L"homestead", 0xBFE7E2, 0x8AC0AB },
        { L"metallic", 0xEADFDF, 0xC3B0B1 },
        { L"", GetColorManager()->ResolveColor(COLOR_BTNFACE),
          GetColorManager()->ResolveColor(COLOR_BTNSHADOW) },
    };
    CXTSplitterWndThemeOffice2003 style2003;
    CXTSplitterWndTheme styleClassic;
    for (const SchemeCase& c : schemes)
    {
        g_pszSchemeColor = c.pszColor;
        CXTPColorManager::SetThemeNameSource(SchemeNames);
        RefreshSystemColors();
        style2003.RefreshColors();
        styleClassic.RefreshColors();
        EXPECT_EQ(c.clrFace, style2003.m_clrSplitterFace);
        EXPECT_EQ(c.clrBorder, style2003.m_clrSplitterBorder);
        EXPECT_EQ(GetColorManager()->ResolveColor(COLOR_BTNFACE), styleClassic.m_clrSplitterFace);
        EXPECT_EQ(GetColorManager()->ResolveColor(COLOR_BTNSHADOW),
                  styleClassic.m_clrSplitterBorder);
    }
    CXTPColorManager::SetThemeNameSource(nullptr);
    RefreshSystemColors();
}

TEST_F(XTSplitterTest, SplittersShareTheFactoryAndItsStyle)
{
    CXTThemeManager* pManager = GetThemeManager();
    CXTThemeManagerStyleFactory* pFactory =
        pManager->GetFactory(RUNTIME_CLASS(CXTSplitterWndThemeFactory));
    ASSERT_NE(nullptr, pFactory);
    EXPECT_EQ(pFactory, pManager->GetFactory(RUNTIME_CLASS(CXTSplitterWndThemeFactory)));
    EXPECT_EQ(nullptr, pManager->GetFactory(RUNTIME_CLASS(CPaneView)));   // no factory class

    CTestSplitter first;
    CTestSplitter second;
    EXPECT_EQ(pFactory, first.GetSharedFactory());
    ASSERT_NE(nullptr, first.GetTheme());
    EXPECT_EQ(first.GetTheme(), second.GetTheme());
    EXPECT_EQ(pFactory, first.GetTheme()->GetFactory());
    EXPECT_EQ(0, first.GetTheme()->GetThemeId());

    // A private factory stands in for the shared one and goes with its host.
    auto* pPrivate = new CXTSplitterWndThemeFactory;
    first.SetPrivateFactory(pPrivate, TRUE);
    EXPECT_EQ(pPrivate, first.GetTheme()->GetFactory());
    EXPECT_EQ(pFactory, second.GetTheme()->GetFactory());
}

// ---- drawing ----------------------------------------------------------------

TEST_F(XTSplitterTest, DrawsBarsBoxesAndBordersInTheThemeColours)
{
    CTestSplitter splitter;
    ASSERT_NE(nullptr, splitter.GetTheme());
    const COLORREF F = splitter.GetTheme()->m_clrSplitterFace;
    const COLORREF B = splitter.GetTheme()->m_clrSplitterBorder;
    const COLORREF H = GetColorManager()->ResolveColor(COLOR_BTNHIGHLIGHT);
    const COLORREF W = GetColorManager()->ResolveColor(COLOR_WINDOWFRAME);
    const COLORREF X = RGB(1, 2, 3);   // left as it was
    struct Case
    {
        BOOL bFlat;
        DWORD dwStyle;
        CSplitterWnd::ESplitType nType;
        // Pixels along the diagonal from the top-left corner, and the
        // bottom-right corner pixel and the one inside it.
        COLORREF clrDiagonal[3];
        COLORREF clrBottomRight[2];
    };
    const Case cases[] = {
        { TRUE, 0, CSplitterWnd::splitBar, { F, F, F }, { F, F } },
        { TRUE, 0, CSplitterWnd::splitIntersection, { F, F, F }, { F, F } },
        { TRUE, 0, CSplitterWnd::splitBox, { F, H, F }, { F, B } },
        { FALSE, 0, CSplitterWnd::splitBox, { F, H, F }, { W, B } },
        { FALSE, 0, CSplitterWnd::splitBorder, { B, W, X }, { H, F } },
        { TRUE, 0, CSplitterWnd::splitBorder, { F, B, X }, { F, H } },
        { TRUE, XT_SPLIT_NOBORDER, CSplitterWnd::splitBorder, { F, F, X }, { F, F } },
    };
    for (const Case& c : cases)
    {
        splitter.SetFlatLook(c.bFlat);
        splitter.SetStyleFlags(c.dwStyle);
        CTestDib dib(20, 20, X);
        splitter.OnDrawSplitter(&dib.DC(), c.nType, CRect(2, 2, 18, 18));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.clrDiagonal[i], dib.Pixel(2 + i, 2 + i)) << c.nType << " flat " << c.bFlat << " " << i;
        EXPECT_EQ(c.clrBottomRight[0], dib.Pixel(17, 17)) << c.nType << " flat " << c.bFlat;
        EXPECT_EQ(c.clrBottomRight[1], dib.Pixel(16, 16)) << c.nType << " flat " << c.bFlat;
        EXPECT_EQ(X, dib.Pixel(1, 1));
        EXPECT_EQ(X, dib.Pixel(18, 18));
    }
    splitter.SetFlatLook(FALSE);
    EXPECT_EQ(7, splitter.BarSize());
    EXPECT_EQ(7, splitter.Gap());
    splitter.SetFlatLook(TRUE);
    EXPECT_EQ(6, splitter.BarSize());
    EXPECT_EQ(6, splitter.Gap());
}

// ---- dragging with the tracker ----------------------------------------------

// The bar's new place: the tracker (bar less its border, 4 wide) follows the
// mouse with its centre, so a column dragged to client x gets x - 5 pixels
// (border 2, one pixel of the tracker's offset, half the tracker).
TEST_F(XTSplitterTest, DraggedBarsSizeTheirColumnAndRow)
{
    for (BOOL bFlat : { TRUE, FALSE })
    {
        CTestSplitter splitter;
        CreateSplitter(splitter, 2, 2, CSize(200, 150));
        splitter.SetFlatLook(bFlat);
        ASSERT_EQ(200, splitter.ColumnWidth(0));
        ASSERT_EQ(150, splitter.RowHeight(0));
        const int xBar = 2 + 200 + 3;
        const int yBar = 2 + 150 + 3;

        Drag(splitter, CPoint(xBar, 60), CPoint(265, 60));
        EXPECT_EQ(260, splitter.ColumnWidth(0)) << bFlat;
        Drag(splitter, CPoint(60, yBar), CPoint(60, 125));
        EXPECT_EQ(120, splitter.RowHeight(0)) << bFlat;
        // A crossing moves both.
        Drag(splitter, CPoint(263, 123), CPoint(305, 205));
        EXPECT_EQ(300, splitter.ColumnWidth(0)) << bFlat;
        EXPECT_EQ(200, splitter.RowHeight(0)) << bFlat;
        // Pressed in the bar's middle and let go there: nothing moves.
        Drag(splitter, CPoint(2 + 300 + 3, 60), CPoint(2 + 300 + 3, 60));
        EXPECT_EQ(300, splitter.ColumnWidth(0)) << bFlat;
        EXPECT_EQ(nullptr, CWnd::GetCapture());

        CRect rectPane;
        splitter.GetPane(0, 1)->GetWindowRect(&rectPane);
        splitter.ScreenToClient(&rectPane);
        EXPECT_EQ(2 + 300 + splitter.Gap(), rectPane.left) << bFlat;
        splitter.DestroyWindow();
    }
}

TEST_F(XTSplitterTest, TrackerInvertsAFourPixelBandWithoutClippingThePanes)
{
    CTestSplitter splitter;
    CreateSplitter(splitter, 1, 2, CSize(200, 0), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
    const int xBar = 2 + 200 + 3;
    const int y = 100;
    // The band follows the mouse over the pane on the right.
    const int xMouse = 320;
    splitter.RedrawWindow(nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    COLORREF clrBefore[6];
    for (int i = 0; i < 6; ++i)
        clrBefore[i] = ScreenPixel(splitter, xMouse - 3 + i, y);

    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xBar, y));
    EXPECT_EQ(0u, splitter.CWnd::GetStyle() & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(xMouse, y));
    // Tracker columns xMouse - 2 .. xMouse + 1.
    for (int i = 0; i < 6; ++i)
    {
        bool bInside = i >= 1 && i <= 4;
        COLORREF clrExpected = bInside ? (clrBefore[i] ^ 0xFFFFFF) : clrBefore[i];
        EXPECT_EQ(clrExpected, ScreenPixel(splitter, xMouse - 3 + i, y)) << i;
    }

    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(xMouse, y));
    EXPECT_EQ(DWORD(WS_CLIPCHILDREN | WS_CLIPSIBLINGS),
              splitter.CWnd::GetStyle() & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS));
    EXPECT_EQ(xMouse - 5, splitter.ColumnWidth(0));
}

TEST_F(XTSplitterTest, InertBarsAndSplitCursors)
{
    CTestSplitter splitter;
    CreateSplitter(splitter, 2, 2, CSize(200, 150));
    CRect rectWindow;
    splitter.GetWindowRect(&rectWindow);
    LPARAM lCentre = MAKELPARAM(rectWindow.left + 205, rectWindow.top + 60);
    EXPECT_EQ(HTCLIENT, splitter.SendMessage(WM_NCHITTEST, 0, lCentre));
    splitter.SetStyleFlags(XT_SPLIT_NOFULLDRAG | XT_SPLIT_NOSIZE);
    EXPECT_EQ(HTBORDER, splitter.SendMessage(WM_NCHITTEST, 0, lCentre));
    splitter.SetStyleFlags(XT_SPLIT_NOFULLDRAG);

    CXTAuxData* pAux = GetAuxData();
    ASSERT_NE(nullptr, pAux->hcurHSplitBar);
    ASSERT_NE(nullptr, pAux->hcurVSplitBar);
    struct Case
    {
        int x;
        int y;
        HCURSOR hCursor;
    };
    const Case cases[] = {
        { 205, 60, pAux->hcurHSplitBar },   // column bar
        { 60, 155, pAux->hcurVSplitBar },   // row bar
    };
    for (const Case& c : cases)
    {
        ::SetCursor(nullptr);
        splitter.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
        EXPECT_EQ(c.hCursor, ::GetCursor()) << c.x << "," << c.y;
    }
}

// ---- hidden rows and columns ------------------------------------------------

struct PaneIds
{
    int a;
    int b;
    int c;
};

TEST_F(XTSplitterTest, HiddenColumnsParkTheirPanesPastTheVisibleOnes)
{
    CTestSplitter splitter;
    CreateSplitter(splitter, 1, 3, CSize(100, 0));
    CWnd* pA = splitter.GetPane(0, 0);
    CWnd* pB = splitter.GetPane(0, 1);
    CWnd* pC = splitter.GetPane(0, 2);
    auto ids = [&] { return PaneIds{ pA->GetDlgCtrlID(), pB->GetDlgCtrlID(), pC->GetDlgCtrlID() }; };
    auto expectIds = [&](PaneIds expected, int nCols, int nHidden, const char* pszStep) {
        PaneIds actual = ids();
        EXPECT_EQ(expected.a, actual.a) << pszStep;
        EXPECT_EQ(expected.b, actual.b) << pszStep;
        EXPECT_EQ(expected.c, actual.c) << pszStep;
        EXPECT_EQ(nCols, splitter.GetColumnCount()) << pszStep;
        EXPECT_EQ(nHidden, splitter.GetHiddenColumn()) << pszStep;
    };

    // Nothing hidden: restoring changes nothing.
    splitter.RestorePaneColumn();
    expectIds({ 0xE900, 0xE901, 0xE902 }, 3, -1, "restore with none hidden");

    // Parked at (0, 3), past the three columns shown before.
    splitter.HidePaneColumn(1);
    expectIds({ 0xE900, 0xE903, 0xE901 }, 2, 1, "hide 1");
    EXPECT_FALSE(pB->IsWindowVisible());
    splitter.HidePaneColumn(1);
    expectIds({ 0xE900, 0xE903, 0xE901 }, 2, 1, "hide 1 again");

    // Hiding another first brings the hidden one back.
    splitter.HidePaneColumn(0);
    expectIds({ 0xE903, 0xE900, 0xE901 }, 2, 0, "hide 0");
    EXPECT_TRUE(pB->IsWindowVisible());
    EXPECT_FALSE(pA->IsWindowVisible());
    // Shown, B takes the hidden column's size.
    EXPECT_EQ(100, splitter.ColumnWidth(0));

    splitter.RestorePaneColumn();
    expectIds({ 0xE900, 0xE901, 0xE902 }, 3, -1, "restore");
    EXPECT_TRUE(pA->IsWindowVisible());
    EXPECT_EQ(100, splitter.ColumnWidth(0));
    EXPECT_EQ(100, splitter.ColumnWidth(1));

    // The active pane in the hidden column hands over to the next column,
    // from the last one to the first.
    splitter.SetActivePane(0, 2);
    splitter.HidePaneColumn(2);
    EXPECT_EQ(pA, m_pFrame->GetActiveView());
    splitter.RestorePaneColumn();
    splitter.SetActivePane(0, 1);
    splitter.HidePaneColumn(1);
    EXPECT_EQ(pC, m_pFrame->GetActiveView());
}

TEST_F(XTSplitterTest, HiddenRowsAndTheLastVisiblePane)
{
    CTestSplitter splitter;
    CreateSplitter(splitter, 2, 1, CSize(0, 120));
    CWnd* pTop = splitter.GetPane(0, 0);
    CWnd* pBottom = splitter.GetPane(1, 0);

    splitter.HidePaneRow(0);
    EXPECT_EQ(1, splitter.GetRowCount());
    EXPECT_EQ(0xE920, pTop->GetDlgCtrlID());   // past the two rows shown before
    EXPECT_EQ(0xE900, pBottom->GetDlgCtrlID());
    EXPECT_EQ(0, splitter.GetHiddenRow());
    splitter.RestorePaneRow();
    EXPECT_EQ(2, splitter.GetRowCount());
    EXPECT_EQ(0xE900, pTop->GetDlgCtrlID());
    EXPECT_EQ(0xE910, pBottom->GetDlgCtrlID());
    EXPECT_EQ(120, splitter.RowHeight(0));
    splitter.RestorePaneRow();
    EXPECT_EQ(2, splitter.GetRowCount());
    splitter.DestroyWindow();

    // A single row or column is never hidden.
    CTestSplitter single;
    CreateSplitter(single, 1, 1, CSize(0, 0));
    single.HidePaneColumn(0);
    single.HidePaneRow(0);
    EXPECT_EQ(1, single.GetColumnCount());
    EXPECT_EQ(1, single.GetRowCount());
    EXPECT_EQ(-1, single.GetHiddenColumn());
    EXPECT_EQ(-1, single.GetHiddenRow());
    EXPECT_TRUE(single.GetPane(0, 0)->IsWindowVisible());
}

// ---- views and windows in panes ---------------------------------------------

TEST_F(XTSplitterTest, ReplacedViewTakesThePaneAndFailedViewsAreFreedOnce)
{
    CTestSplitter splitter;
    CreateSplitter(splitter, 1, 2, CSize(180, 0));
    CWnd* pOld = splitter.GetPane(0, 0);

    struct Case
    {
        CRuntimeClass* pClass;
        int nDeleted;
    };
    const Case failures[] = {
        { RUNTIME_CLASS(CPaneView), 0 },       // already that class: nothing made
        { RUNTIME_CLASS(CNoWindowView), 1 },   // freed here
        { RUNTIME_CLASS(CFailingView), 1 },    // freed by its window's end
    };
    for (const Case& c : failures)
    {
        g_nViewsDeleted = 0;
        EXPECT_EQ(nullptr, splitter.ReplacePaneView(0, 0, c.pClass)) << c.pClass->m_lpszClassName;
        EXPECT_EQ(c.nDeleted, g_nViewsDeleted) << c.pClass->m_lpszClassName;
        EXPECT_EQ(pOld, splitter.GetPane(0, 0));
        EXPECT_TRUE(pOld->IsWindowVisible());
    }

    CWnd* pTaken = splitter.ReplacePaneView(0, 0, RUNTIME_CLASS(COtherView));
    EXPECT_EQ(pOld, pTaken);
    auto* pNew = static_cast<COtherView*>(splitter.GetPane(0, 0));
    ASSERT_NE(nullptr, pNew);
    EXPECT_TRUE(pNew->IsKindOf(RUNTIME_CLASS(COtherView)));
    EXPECT_EQ(1, pNew->m_nInitialUpdates);
    EXPECT_EQ(0, pOld->GetDlgCtrlID());
    EXPECT_FALSE(pOld->IsWindowVisible());
    EXPECT_EQ(180, splitter.ColumnWidth(0));
    CRect rectNew;
    pNew->GetWindowRect(&rectNew);
    EXPECT_EQ(180, rectNew.Width());
    pOld->DestroyWindow();
}

TEST_F(XTSplitterTest, WindowsAndViewsChangePanes)
{
    CTestSplitter splitter;
    CreateSplitter(splitter, 1, 2, CSize(180, 0));
    CWnd* pLeft = splitter.GetPane(0, 0);
    CWnd* pRight = splitter.GetPane(0, 1);

    EXPECT_FALSE(splitter.ExchangePaneViews(0, 0, pLeft));
    EXPECT_TRUE(splitter.ExchangePaneViews(0, 0, pRight));
    EXPECT_EQ(pRight, splitter.GetPane(0, 0));
    EXPECT_EQ(pLeft, splitter.GetPane(0, 1));
    CRect rect;
    pRight->GetWindowRect(&rect);
    EXPECT_EQ(180, rect.Width());

    CWnd list;
    ASSERT_TRUE(list.Create("LISTBOX", nullptr, WS_CHILD, CRect(0, 0, 10, 10), &splitter, 4711));
    EXPECT_EQ(pRight, splitter.PutWindowInPane(0, 0, &list));
    EXPECT_EQ(&list, splitter.GetPane(0, 0));
    EXPECT_TRUE(list.IsWindowVisible());
    EXPECT_FALSE(pRight->IsWindowVisible());
    EXPECT_EQ(0, pRight->GetDlgCtrlID());
    list.GetWindowRect(&rect);
    EXPECT_EQ(180, rect.Width());
    EXPECT_EQ(nullptr, splitter.PutWindowInPane(0, 0, &list));
    pRight->DestroyWindow();
}

} // namespace
