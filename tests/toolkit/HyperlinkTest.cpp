// The hyperlink control on a hidden parent window: its target and tooltip,
// its colours as painted into a memory bitmap, the cursor, hover tracking
// driven by its timer, clicks opening through the shell seam, and the
// messages for the shell's errors.
#include "toolkit/extras/Hyperlink.h"
#include "toolkit/extras/HyperlinkShell.h"

#include "framework/ui/Dc.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/WndClass.h"
#include "toolkit/draw/AuxData.h"
#include "toolkit/draw/ColorManager.h"

#include "TestDib.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT ID_LINK = 1001;
const char URL[] = "http://www.qivnotes.de";
const COLORREF ABOUT_LINK = RGB(0, 0, 0x80);
const COLORREF ABOUT_HOVER = RGB(0, 0, 0xC0);

// The mouse stands where the test puts it: the real one is shared with
// every other test run on the same display.
class CTestLink : public CXTHyperLink
{
public:
    CPoint m_ptMouse = CPoint(-10000, -10000);

protected:
    CPoint GetCursorPoint() const override { return m_ptMouse; }
};

// Counts the click notifications that reach it.
class CLinkParent : public CWnd
{
public:
    int m_nClicks = 0;

protected:
    afx_msg void OnLinkClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLinkParent, CWnd)
    ON_CONTROL(STN_CLICKED, ID_LINK, OnLinkClicked)
END_MESSAGE_MAP()

class HyperlinkTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Verweise", WS_OVERLAPPEDWINDOW,
                                      100, 100, 500, 200, nullptr, nullptr));
    }

    void TearDown() override { m_parent.DestroyWindow(); }

    void CreateLink(CTestLink& link, LPCSTR lpszText, DWORD dwType = SS_LEFT)
    {
        ASSERT_TRUE(link.Create(lpszText, WS_CHILD | WS_VISIBLE | dwType, CRect(10, 10, 310, 40),
                                &m_parent, ID_LINK));
    }

    // Puts the mouse at an offset from the control's top-left corner.
    static void PointAt(CTestLink& link, int dx, int dy = 5)
    {
        CRect rc;
        link.GetWindowRect(&rc);
        link.m_ptMouse = CPoint(rc.left + dx, rc.top + dy);
    }

    // The width of the control's text in its own font.
    static int TextWidth(CTestLink& link)
    {
        CString strText;
        link.GetWindowText(strText);
        CClientDC dc(&link);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), link.GetFont()->GetSafeHandle());
        int cx = dc.GetTextExtent(strText, strText.GetLength()).cx;
        ::SelectObject(dc.GetSafeHdc(), hOld);
        return cx;
    }

    static void Click(CTestLink& link)
    {
        ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }

    static int CountPixels(CTestDib& dib, COLORREF clr)
    {
        int n = 0;
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x)
                n += dib.Pixel(x, y) == clr;
        return n;
    }

    CLinkParent m_parent;
};

// Records what the shell would open and answers with m_nAnswer.
struct ShellRecorder
{
    std::vector<XT_SHELLOPEN_REQUEST> requests;
    int nAnswer = 42;
    CTestSeamScope<XT_SHELLOPEN_REQUEST> scope{[this](const XT_SHELLOPEN_REQUEST& request) {
        requests.push_back(request);
        return nAnswer;
    }};
};

struct MessageRecorder
{
    std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> scope{[this](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box);
        return IDOK;
    }};
};

CString ToolTipText(CTestLink& link)
{
    CString str;
    link.GetToolTip().GetText(str, &link);
    return str;
}

LOGFONTA LinkFont(CTestLink& link)
{
    LOGFONTA lf = {};
    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(::SendMessageA(link, WM_GETFONT, 0, 0));
    EXPECT_NE(nullptr, hFont);
    ::GetObjectA(hFont, sizeof(lf), &lf);
    return lf;
}

// ---- set-up -----------------------------------------------------------------

TEST_F(HyperlinkTest, CreatedLinkTakesItsTextAsTargetAndTooltip)
{
    CTestLink link;
    CreateLink(link, URL);

    EXPECT_STREQ(URL, link.GetTarget());
    EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
    ASSERT_NE(nullptr, link.GetToolTip().GetSafeHwnd());
    EXPECT_STREQ(URL, ToolTipText(link));
    EXPECT_TRUE(LinkFont(link).lfUnderline);

    link.SetTarget("mailto:post@qivnotes.de");
    EXPECT_STREQ("mailto:post@qivnotes.de", link.GetTarget());
    EXPECT_STREQ("mailto:post@qivnotes.de", ToolTipText(link));

    link.SetUnderline(false);
    EXPECT_FALSE(link.GetUnderline());
    EXPECT_FALSE(LinkFont(link).lfUnderline);
    link.SetUnderline(true);
    EXPECT_TRUE(LinkFont(link).lfUnderline);
}

TEST_F(HyperlinkTest, TooltipGoesWithTheLink)
{
    HWND hTip = nullptr;
    {
        CTestLink link;
        CreateLink(link, URL);
        hTip = link.GetToolTip().GetSafeHwnd();
        ASSERT_TRUE(::IsWindow(hTip));
    }
    EXPECT_FALSE(::IsWindow(hTip));
}

TEST_F(HyperlinkTest, SubclassedStaticBecomesALinkWithItsOwnFont)
{
    HWND hStatic = ::CreateWindowExA(0, "STATIC", URL, WS_CHILD | SS_LEFT, 10, 10, 300, 30,
                                     m_parent, reinterpret_cast<HMENU>(ID_LINK), nullptr, nullptr);
    ASSERT_NE(nullptr, hStatic);
    LOGFONTA lfWanted = {};
    lfWanted.lfHeight = -17;
    lstrcpyA(lfWanted.lfFaceName, "Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lfWanted));
    ::SendMessageA(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), FALSE);

    CTestLink link;
    ASSERT_TRUE(link.SubclassWindow(hStatic));
    EXPECT_STREQ(URL, link.GetTarget());
    EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
    LOGFONTA lf = LinkFont(link);
    EXPECT_EQ(-17, lf.lfHeight);
    EXPECT_STREQ("Tahoma", lf.lfFaceName);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_NE(font.GetSafeHandle(), reinterpret_cast<HGDIOBJ>(::SendMessageA(hStatic, WM_GETFONT, 0, 0)));
    link.DestroyWindow();
}

TEST_F(HyperlinkTest, TargetSetBeforeCreationIsKept)
{
    CTestLink link;
    link.SetTarget(URL);
    CreateLink(link, "Zur Startseite");
    EXPECT_STREQ(URL, link.GetTarget());
    ASSERT_NE(nullptr, link.GetToolTip().GetSafeHwnd());
    EXPECT_STREQ(URL, ToolTipText(link));
}

// ---- colours ----------------------------------------------------------------

TEST_F(HyperlinkTest, PaintsTextInLinkVisitedAndHoverColourOnItsBackground)
{
    CTestLink link;
    CreateLink(link, URL);
    EXPECT_EQ(RGB(0, 0, 255), link.GetLinkColor());
    EXPECT_EQ(RGB(255, 0, 0), link.GetHoverColor());
    EXPECT_EQ(RGB(128, 0, 128), link.GetVisitedColor());
    EXPECT_EQ(GetColorManager()->ResolveColor(COLOR_BTNFACE), link.GetBackColor());

    const COLORREF clrBack = RGB(250, 240, 200);
    link.SetBackColor(clrBack);
    link.SetLinkColors(ABOUT_LINK, RGB(0x40, 0, 0x40), ABOUT_HOVER);
    int cxText = TextWidth(link);
    ASSERT_GT(cxText, 20);
    ASSERT_LT(cxText, 290);

    struct Case
    {
        bool bVisited;
        bool bHover;
        COLORREF clrText;
    };
    const Case cases[] = {
        { false, false, ABOUT_LINK },
        { true, false, RGB(0x40, 0, 0x40) },
        { true, true, ABOUT_HOVER },
        { false, true, ABOUT_HOVER },
    };
    const COLORREF others[] = { ABOUT_LINK, RGB(0x40, 0, 0x40), ABOUT_HOVER };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "visited " << c.bVisited << ", hover " << c.bHover);
        link.SetVisited(c.bVisited);
        PointAt(link, c.bHover ? 3 : cxText + 20);
        ::SendMessageA(link, WM_TIMER, 1, 0);
        EXPECT_EQ(c.bHover, link.GetHover() != FALSE);

        CTestDib dib(300, 30, RGB(0, 255, 0));
        link.PaintLink(&dib.DC());
        // The underline alone gives a solid run in the text colour.
        EXPECT_GT(CountPixels(dib, c.clrText), cxText / 2);
        for (COLORREF clrOther : others)
        {
            if (clrOther != c.clrText)
            {
                EXPECT_EQ(0, CountPixels(dib, clrOther));
            }
        }
        // Beyond the text only the background shows.
        for (int y = 0; y < 30; ++y)
            EXPECT_EQ(clrBack, dib.Pixel(cxText + 5, y));
        EXPECT_EQ(0, CountPixels(dib, RGB(0, 255, 0)));
    }
}

TEST_F(HyperlinkTest, HoverEndsWithItsTimerWhenTheMouseLeavesTheText)
{
    CTestLink link;
    CreateLink(link, URL);
    PointAt(link, 3);
    ::SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
    ::SendMessageA(link, WM_TIMER, 1, 0);
    EXPECT_TRUE(link.GetHover());

    PointAt(link, TextWidth(link) + 10);
    ::SendMessageA(link, WM_TIMER, 1, 0);
    EXPECT_FALSE(link.GetHover());
    // The timer is gone: killing it again fails.
    EXPECT_FALSE(::KillTimer(link, 1));
}

// ---- cursor and hit test ----------------------------------------------------

TEST_F(HyperlinkTest, ShowsTheHandCursorOnlyOverTheText)
{
    CTestLink link;
    CreateLink(link, URL);
    ASSERT_NE(nullptr, link.GetLinkCursor());
    EXPECT_EQ(GetAuxData()->hcurHand, link.GetLinkCursor());

    HCURSOR hArrow = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));   // IDC_ARROW
    ::SetCursor(hArrow);
    PointAt(link, TextWidth(link) + 20);
    ::SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link.GetSafeHwnd()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(link.GetLinkCursor(), ::GetCursor());

    PointAt(link, 3);
    EXPECT_TRUE(::SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link.GetSafeHwnd()),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(link.GetLinkCursor(), ::GetCursor());
}

TEST_F(HyperlinkTest, TextAreaFollowsTheAlignment)
{
    struct Case
    {
        DWORD dwType;
        LPCSTR lpszName;
    };
    const Case cases[] = {
        { SS_LEFT, "links" },
        { SS_LEFT | SS_NOPREFIX, "links ohne Präfix" },
        { SS_CENTER, "zentriert" },
        { SS_RIGHT, "rechts" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.lpszName);
        CTestLink link;
        CreateLink(link, URL, c.dwType);
        EXPECT_TRUE(link.IsTextStatic());
        int cxText = TextWidth(link);
        int nSpare = 300 - cxText;
        int nLeft = (c.dwType & SS_TYPEMASK) == SS_CENTER  ? nSpare / 2
                    : (c.dwType & SS_TYPEMASK) == SS_RIGHT ? nSpare
                                                            : 0;
        int nRight = nLeft + cxText;
        PointAt(link, nLeft);
        EXPECT_TRUE(link.IsCursorOverText());
        PointAt(link, nRight - 1);
        EXPECT_TRUE(link.IsCursorOverText());
        if (nLeft > 0)
        {
            PointAt(link, nLeft - 1);
            EXPECT_FALSE(link.IsCursorOverText());
        }
        if (nRight < 300)
        {
            PointAt(link, nRight);
            EXPECT_FALSE(link.IsCursorOverText());
        }
        link.DestroyWindow();
    }
}

TEST_F(HyperlinkTest, TextLongerThanTheWindowIsHitOnlyInsideIt)
{
    CString strLong;
    for (int i = 0; i < 20; ++i)
        strLong += "http://www.qivnotes.de/";
    for (DWORD dwType : { DWORD(SS_LEFT), DWORD(SS_CENTER), DWORD(SS_RIGHT) })
    {
        SCOPED_TRACE(testing::Message() << "type " << dwType);
        CTestLink link;
        CreateLink(link, strLong, dwType);
        EXPECT_STREQ(strLong, link.GetTarget());
        ASSERT_GT(TextWidth(link), 300);
        PointAt(link, 0);
        EXPECT_TRUE(link.IsCursorOverText());
        PointAt(link, 299);
        EXPECT_TRUE(link.IsCursorOverText());
        PointAt(link, -1);
        EXPECT_FALSE(link.IsCursorOverText());
        PointAt(link, 300);
        EXPECT_FALSE(link.IsCursorOverText());
        link.DestroyWindow();
    }
}

// ---- clicks -----------------------------------------------------------------

TEST_F(HyperlinkTest, ClickOnTheTextOpensTheTargetAndMarksItVisited)
{
    CTestLink link;
    CreateLink(link, URL);
    ShellRecorder shell;
    PointAt(link, 3);
    Click(link);

    ASSERT_EQ(1u, shell.requests.size());
    EXPECT_STREQ(URL, shell.requests[0].strFile);
    EXPECT_EQ(SW_SHOW, shell.requests[0].nShowCmd);
    EXPECT_TRUE(shell.requests[0].strParameters.IsEmpty());
    EXPECT_TRUE(shell.requests[0].strDirectory.IsEmpty());
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(0, m_parent.m_nClicks);   // a text link keeps its clicks

    // Beside the text a click does nothing.
    link.SetVisited(false);
    PointAt(link, TextWidth(link) + 20);
    Click(link);
    EXPECT_EQ(1u, shell.requests.size());
    EXPECT_FALSE(link.IsVisited());
}

TEST_F(HyperlinkTest, FailedOpenWarnsAndLeavesTheLinkUnvisited)
{
    CTestLink link;
    CreateLink(link, URL);
    link.SetVisited(true);
    ShellRecorder shell;
    shell.nAnswer = SE_ERR_FNF;
    MessageRecorder messages;
    PointAt(link, 3);
    Click(link);

    ASSERT_EQ(1u, shell.requests.size());
    EXPECT_FALSE(link.IsVisited());
    ASSERT_EQ(1u, messages.boxes.size());
    EXPECT_STREQ("Die angegebene Datei wurde nicht gefunden.", messages.boxes[0].strText);
    EXPECT_TRUE(messages.boxes[0].nType & MB_ICONEXCLAMATION);
}

TEST_F(HyperlinkTest, WithoutFollowingAClickOnlyMarksTheLinkVisited)
{
    CTestLink link;
    link.SetFollowOnClick(false);
    CreateLink(link, URL);
    ShellRecorder shell;
    PointAt(link, 3);
    Click(link);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_TRUE(link.IsVisited());
}

TEST_F(HyperlinkTest, EmptyLinkHasNoTooltipAndOpensNothing)
{
    CTestLink link;
    CreateLink(link, "");
    EXPECT_TRUE(link.GetTarget().IsEmpty());
    EXPECT_EQ(nullptr, link.GetToolTip().GetSafeHwnd());
    ShellRecorder shell;
    for (int dx : { 0, 3, 150 })
    {
        PointAt(link, dx);
        EXPECT_FALSE(link.IsCursorOverText());
        Click(link);
    }
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_FALSE(link.IsVisited());
}

TEST_F(HyperlinkTest, IconLinkOpensItsTargetAndPassesTheClickOn)
{
    CTestLink link;
    CreateLink(link, "", SS_ICON);
    link.SetIcon(::LoadIconA(nullptr, MAKEINTRESOURCEA(32516)));   // IDI_INFORMATION
    link.SetTarget(URL);
    EXPECT_FALSE(link.IsTextStatic());
    ShellRecorder shell;
    PointAt(link, 200);
    EXPECT_TRUE(link.IsCursorOverText());

    ::SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
    ::SendMessageA(link, WM_TIMER, 1, 0);
    EXPECT_FALSE(link.GetHover());
    EXPECT_FALSE(::KillTimer(link, 1));

    Click(link);
    ASSERT_EQ(1u, shell.requests.size());
    EXPECT_STREQ(URL, shell.requests[0].strFile);
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(1, m_parent.m_nClicks);
}

// ---- opening ----------------------------------------------------------------

TEST_F(HyperlinkTest, OpenLinkPassesEverythingToTheShell)
{
    CTestLink link;
    CreateLink(link, URL);
    ShellRecorder shell;
    EXPECT_TRUE(link.OpenLink("C:\\Notizen\\brief.txt", SW_SHOWMAXIMIZED, "/p", "C:\\Notizen"));
    EXPECT_TRUE(link.OpenLink());
    ASSERT_EQ(2u, shell.requests.size());
    EXPECT_STREQ("C:\\Notizen\\brief.txt", shell.requests[0].strFile);
    EXPECT_STREQ("/p", shell.requests[0].strParameters);
    EXPECT_STREQ("C:\\Notizen", shell.requests[0].strDirectory);
    EXPECT_EQ(SW_SHOWMAXIMIZED, shell.requests[0].nShowCmd);
    EXPECT_STREQ(URL, shell.requests[1].strFile);
    EXPECT_EQ(SW_SHOW, shell.requests[1].nShowCmd);
}

TEST_F(HyperlinkTest, ShellErrorsAreReportedInGerman)
{
    struct Case
    {
        int nAnswer;
        LPCSTR lpszText;
    };
    const Case cases[] = {
        { 0, "Das Betriebssystem hat keinen weiteren Speicher oder Resourcen mehr." },
        { SE_ERR_PNF, "Der angegebene Pfad wurde nicht gefunden." },
        { SE_ERR_NOASSOC, "Es wurde keine Applikationverknüpfung zur angegebenen "
                          "Dateierweiterung gefunden." },
        { SE_ERR_DLLNOTFOUND, "Die angegebene Dynamic-Link Library konnte nicht gefunden werden." },
        { 17, "Ein unbekannter Fehler  17 ist aufgetreten." },
    };
    CTestLink link;
    CreateLink(link, URL);
    ShellRecorder shell;
    MessageRecorder messages;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nAnswer);
        shell.nAnswer = c.nAnswer;
        messages.boxes.clear();
        EXPECT_FALSE(link.OpenLink());
        ASSERT_EQ(1u, messages.boxes.size());
        EXPECT_STREQ(c.lpszText, messages.boxes[0].strText);
    }
    shell.nAnswer = 33;
    messages.boxes.clear();
    EXPECT_TRUE(link.OpenLink());
    EXPECT_TRUE(messages.boxes.empty());
}

} // namespace
