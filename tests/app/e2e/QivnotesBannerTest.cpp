// The banner of the real program, read from the screen: after the frame's
// panes changed (the print preview closed, the status bar hidden) it shows
// what a whole repaint of it shows, and its margins are in its own colour,
// with no piece of what stood there before.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "app/res/resource.h"
#include "common/MemoryDib.h"
#include "framework/ui/AfxRes.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

class QivnotesBanner : public e2e::QivnotesTest
{
};

// The pixels of a window as the screen shows them, frame included.
struct ScreenPixels
{
    RECT rc = {};
    std::vector<DWORD> bits;

    bool operator==(const ScreenPixels& other) const
    {
        return ::EqualRect(&rc, &other.rc) && bits == other.bits;
    }
};

ScreenPixels Capture(HWND hWnd)
{
    ScreenPixels shot;
    ::GetWindowRect(hWnd, &shot.rc);
    const int cx = shot.rc.right - shot.rc.left;
    const int cy = shot.rc.bottom - shot.rc.top;
    if (cx <= 0 || cy <= 0)
        return shot;
    CMemoryDib dib(cx, cy);
    if (!dib.IsValid())
        return shot;
    dib.CopyScreen(shot.rc.left, shot.rc.top);
    const DWORD* pFirst = dib.Pixels();
    shot.bits.assign(pFirst, pFirst + cx * cy);
    return shot;
}

// The window once what the screen shows of it holds still: two shots a
// tenth of a second apart agree (at most three seconds).
ScreenPixels CaptureWhenSettled(HWND hWnd)
{
    ScreenPixels shot = Capture(hWnd);
    for (int i = 0; i < 30; ++i) {
        ::Sleep(100);
        ScreenPixels next = Capture(hWnd);
        if (next == shot)
            break;
        shot = std::move(next);
    }
    return shot;
}

// The banner's colour below its picture ("banner.jpg" stands beside the
// program), as a 32-bit DIB holds it.
const DWORD kBannerBlue = 0x000060;

// How many pixels of the margins around the banner's client area are not
// in the banner's colour; the bar's borders (two pixels at its edges) are
// left out.
size_t ForeignMarginPixels(HWND hBanner, const ScreenPixels& shot)
{
    RECT rcClient = {};
    ::GetClientRect(hBanner, &rcClient);
    ::MapWindowPoints(hBanner, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    const int cx = shot.rc.right - shot.rc.left;
    const int cy = shot.rc.bottom - shot.rc.top;
    const int kBorder = 2;
    size_t n = 0;
    for (int y = kBorder; y < cy - kBorder; ++y) {
        for (int x = kBorder; x < cx - kBorder; ++x) {
            const POINT pt = {shot.rc.left + x, shot.rc.top + y};
            if (!::PtInRect(&rcClient, pt) && (shot.bits[y * cx + x] & 0xFFFFFF) != kBannerBlue)
                ++n;
        }
    }
    return n;
}

// How many pixels differ between two shots of the same place.
size_t Differences(const ScreenPixels& a, const ScreenPixels& b)
{
    if (!::EqualRect(&a.rc, &b.rc) || a.bits.size() != b.bits.size())
        return static_cast<size_t>(-1);
    size_t n = 0;
    for (size_t i = 0; i < a.bits.size(); ++i)
        n += (a.bits[i] & 0xFFFFFF) != (b.bits[i] & 0xFFFFFF) ? 1 : 0;
    return n;
}

} // namespace

TEST_F(QivnotesBanner, AfterThePanesChangeTheBannerShowsWhatAWholeRepaintShows)
{
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, WriteSample("banner"), "Küche\\Suppe"));
    HWND hMain = program.MainWindow();
    HWND hBanner = ::GetDlgItem(hMain, 777);
    ASSERT_NE(nullptr, hBanner);

    // Each change of the frame's panes: what the user does, then closes.
    struct Change
    {
        const char* pszName;
        std::vector<UINT> commands;
    };
    const Change changes[] = {
        {"print preview opened and closed", {ID_FILE_PRINT_PREVIEW, AFX_ID_PREVIEW_CLOSE}},
        {"status bar hidden", {AFX_IDW_STATUS_BAR}},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.pszName);
        for (UINT nCommand : change.commands) {
            program.PostCommand(nCommand);
            ASSERT_TRUE(program.WaitUntilIdle());
        }
        ASSERT_TRUE(program.WaitUntilIdle());
        const ScreenPixels after = CaptureWhenSettled(hBanner);
        ASSERT_FALSE(after.bits.empty());
        EXPECT_EQ(0u, ForeignMarginPixels(hBanner, after));
        // The same banner repainted whole, frame and all.
        ::RedrawWindow(hBanner, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
        ASSERT_TRUE(program.WaitUntilIdle());
        const ScreenPixels whole = CaptureWhenSettled(hBanner);
        ASSERT_FALSE(whole.bits.empty());
        EXPECT_EQ(0u, Differences(after, whole));
    }
    EXPECT_EQ(0, program.Close());
}
