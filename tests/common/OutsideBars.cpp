#include "OutsideBars.h"

#include "common/MemoryDib.h"

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace outside {

namespace {

const char kToolBarClass[] = "XTPToolBar";
// The other program handles one input step before the next comes.
const DWORD kStepPause = 40;
const int kDragSteps = 8;
// What a whole press or drag may take before the frame is asked again.
const DWORD kSettle = 300;
// More floating bar records than any test frame has.
const int kMaxBarRecords = 16;

struct BarSearch
{
    DWORD dwProcessId;
    BarPlaces* pPlaces;
};

// FNV-1a over the screen's pixels in the rectangle.
unsigned ScreenHash(const RECT& rc)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return 0;
    CMemoryDib dib(cx, cy);
    unsigned nHash = 2166136261u;
    if (dib.IsValid())
    {
        dib.CopyScreen(rc.left, rc.top);
        const DWORD* pPixels = dib.Pixels();
        for (int i = 0; i < cx * cy; ++i)
            nHash = (nHash ^ (pPixels[i] & 0xFFFFFF)) * 16777619u;
    }
    return nHash;
}

void AddIfToolBar(HWND hWnd, bool bFloating, BarPlaces& places)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (strcmp(szClass, kToolBarClass) != 0)
        return;
    char szTitle[256] = {};
    ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    BarPlace place = {szTitle, hWnd, bFloating, ::IsWindowVisible(hWnd) != FALSE, {}, 0};
    ::GetWindowRect(hWnd, &place.rc);
    if (place.bFloating && place.bVisible)
        place.nScreenHash = ScreenHash(place.rc);
    places.push_back(place);
}

BOOL CALLBACK AddFloatingBar(HWND hWnd, LPARAM lParam)
{
    BarSearch* pSearch = reinterpret_cast<BarSearch*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == pSearch->dwProcessId)
        AddIfToolBar(hWnd, true, *pSearch->pPlaces);
    return TRUE;
}

BOOL CALLBACK AddDockedBar(HWND hWnd, LPARAM lParam)
{
    AddIfToolBar(hWnd, false, *reinterpret_cast<BarPlaces*>(lParam));
    return TRUE;
}

void SendMouse(DWORD dwFlags, POINT pt)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // The normalised coordinate whose pixel is the wanted one.
    const LONGLONG cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((pt.x * 65536LL + cx - 1) / cx);
    input.mi.dy = static_cast<LONG>((pt.y * 65536LL + cy - 1) / cy);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
    ::Sleep(kStepPause);
}

} // namespace

BarPlaces ReadBars(DWORD dwProcessId, HWND hFrame)
{
    BarPlaces places;
    BarSearch search = {dwProcessId, &places};
    ::EnumWindows(AddFloatingBar, reinterpret_cast<LPARAM>(&search));
    if (hFrame)
        ::EnumChildWindows(hFrame, AddDockedBar, reinterpret_cast<LPARAM>(&places));
    std::sort(places.begin(), places.end(),
              [](const BarPlace& a, const BarPlace& b) { return a.strTitle < b.strTitle; });
    return places;
}

const BarPlace* FindBar(const BarPlaces& places, const char* pszTitle)
{
    for (const BarPlace& place : places)
        if (place.strTitle == pszTitle)
            return &place;
    return nullptr;
}

BarPlaces WithoutLooks(BarPlaces places)
{
    for (BarPlace& place : places)
        place.nScreenHash = 0;
    return places;
}

std::string Describe(const BarPlaces& places)
{
    std::string strText;
    for (const BarPlace& place : places)
    {
        char szLine[256];
        snprintf(szLine, sizeof(szLine), "  %s: %s%s [%ld,%ld,%ld,%ld] %08x\n", place.strTitle.c_str(),
                 place.bFloating ? "floating" : "docked", place.bVisible ? "" : ", hidden", place.rc.left,
                 place.rc.top, place.rc.right, place.rc.bottom, place.nScreenHash);
        strText += szLine;
    }
    return strText;
}

POINT GripperPoint(const BarPlace& place)
{
    const RECT& rc = place.rc;
    if (rc.bottom - rc.top > rc.right - rc.left)
        return {(rc.left + rc.right) / 2, rc.top + 4};
    return {rc.left + 4, (rc.top + rc.bottom) / 2};
}

void PressAt(POINT pt)
{
    SendMouse(0, pt);
    SendMouse(MOUSEEVENTF_LEFTDOWN, pt);
    SendMouse(MOUSEEVENTF_LEFTUP, pt);
}

void DragBy(POINT ptFrom, int dx, int dy)
{
    SendMouse(0, ptFrom);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    POINT pt = ptFrom;
    for (int i = 1; i <= kDragSteps; ++i)
    {
        pt = {ptFrom.x + dx * i / kDragSteps, ptFrom.y + dy * i / kDragSteps};
        SendMouse(0, pt);
    }
    SendMouse(MOUSEEVENTF_LEFTUP, pt);
}

const std::vector<POINT>& OffScreenPlaces()
{
    static const std::vector<POINT> places = {{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, {-5000, 300}, {300, 50000}};
    return places;
}

void StoreFloatingPlace(const std::string& strAppKey, int x, int y)
{
    for (int i = 0; i < kMaxBarRecords; ++i)
    {
        const std::string strKey = strAppKey + "\\CommandBars-Bar" + std::to_string(i);
        DWORD dwFloating = 0, cb = sizeof(dwFloating);
        if (::SHGetValueA(HKEY_CURRENT_USER, strKey.c_str(), "Floating", nullptr, &dwFloating, &cb) != ERROR_SUCCESS
            || dwFloating != 1)
            continue;
        for (const char* pszName : {"XPos", "MRUFloatXPos"})
            ::SHSetValueA(HKEY_CURRENT_USER, strKey.c_str(), pszName, REG_DWORD, &x, sizeof(DWORD));
        for (const char* pszName : {"YPos", "MRUFloatYPos"})
            ::SHSetValueA(HKEY_CURRENT_USER, strKey.c_str(), pszName, REG_DWORD, &y, sizeof(DWORD));
    }
}

bool CBarsFromOutside::FrameKeepsTheForeground() const
{
    HWND hForeground = ::GetForegroundWindow();
    for (const BarPlace& place : Bars())
        if (place.hWnd == hForeground)
            return false;
    return hForeground == m_hFrame;
}

void CBarsFromOutside::Float(const char* pszTitle, int dx, int dy) const
{
    const BarPlaces before = Bars();
    const BarPlace* pBar = FindBar(before, pszTitle);
    ASSERT_NE(nullptr, pBar) << pszTitle << "\n" << Describe(before);
    ASSERT_FALSE(pBar->bFloating) << pszTitle;
    const POINT ptFrom = GripperPoint(*pBar);
    DragBy(ptFrom, dx, dy);
    ::Sleep(kSettle);
    ASSERT_TRUE(windows::Answers(m_hFrame)) << "after floating " << pszTitle;
    const BarPlaces after = Bars();
    const BarPlace* pFloated = FindBar(after, pszTitle);
    ASSERT_NE(nullptr, pFloated) << pszTitle;
    const POINT ptTo = {ptFrom.x + dx, ptFrom.y + dy};
    EXPECT_TRUE(pFloated->bFloating && pFloated->bVisible && ::PtInRect(&pFloated->rc, ptTo))
        << pszTitle << "\n" << Describe(after);
    EXPECT_TRUE(FrameKeepsTheForeground()) << "after floating " << pszTitle;
    // The others: docked ones may close up the row left behind.
    BarPlaces others = before, othersAfter = after;
    auto isFloated = [pszTitle](const BarPlace& place) { return place.strTitle == pszTitle; };
    others.erase(std::remove_if(others.begin(), others.end(), isFloated), others.end());
    othersAfter.erase(std::remove_if(othersAfter.begin(), othersAfter.end(), isFloated), othersAfter.end());
    ExpectSamePlaces(others, othersAfter, false, std::string("floating ") + pszTitle);
}

void CBarsFromOutside::PressGrippers(std::initializer_list<const char*> titles) const
{
    for (const char* pszTitle : titles)
    {
        const BarPlaces before = Bars();
        const BarPlace* pBar = FindBar(before, pszTitle);
        ASSERT_NE(nullptr, pBar) << pszTitle << "\n" << Describe(before);
        if (pBar->bFloating)
            continue;
        PressAt(GripperPoint(*pBar));
        ::Sleep(kSettle);
        const std::string strStep = std::string("pressing the gripper of ") + pszTitle;
        ASSERT_TRUE(windows::Answers(m_hFrame)) << "after " << strStep;
        ExpectSamePlaces(before, Bars(), true, strStep);
        EXPECT_TRUE(FrameKeepsTheForeground()) << strStep;
    }
}

void CBarsFromOutside::ExpectStartedFrom(const BarPlaces& left, const std::string& strCase) const
{
    const BarPlaces now = Bars();
    const RECT rcScreen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ASSERT_EQ(left.size(), now.size()) << strCase << "\n" << Describe(now);
    for (size_t i = 0; i < now.size(); ++i)
    {
        const BarPlace& bar = now[i];
        EXPECT_EQ(left[i].strTitle, bar.strTitle) << strCase;
        EXPECT_EQ(left[i].bFloating, bar.bFloating) << strCase << " " << bar.strTitle;
        EXPECT_TRUE(bar.bVisible) << strCase << " " << bar.strTitle;
        RECT rcShown = {};
        ::IntersectRect(&rcShown, &bar.rc, &rcScreen);
        const bool bPlaced = bar.bFloating
                                 ? rcShown.right - rcShown.left >= std::min<LONG>(::GetSystemMetrics(SM_CXICON),
                                                                                   bar.rc.right - bar.rc.left)
                                       && rcShown.bottom - rcShown.top
                                              >= std::min<LONG>(::GetSystemMetrics(SM_CYICON),
                                                                bar.rc.bottom - bar.rc.top)
                                 : ::EqualRect(&bar.rc, &left[i].rc) != FALSE;
        EXPECT_TRUE(bPlaced) << strCase << " " << bar.strTitle << "\n" << Describe(now);
    }
    EXPECT_TRUE(FrameKeepsTheForeground()) << strCase;
}

void ExpectSamePlaces(const BarPlaces& expected, const BarPlaces& actual, bool bDockedToo,
                      const std::string& strStep)
{
    const std::string strBoth = "expected:\n" + Describe(expected) + "actual:\n" + Describe(actual);
    ASSERT_EQ(expected.size(), actual.size()) << strStep << "\n" << strBoth;
    for (size_t i = 0; i < expected.size(); ++i)
    {
        const BarPlace& e = expected[i];
        const BarPlace& a = actual[i];
        const bool bSameRect = !(e.bFloating || bDockedToo) || ::EqualRect(&e.rc, &a.rc);
        EXPECT_TRUE(e.strTitle == a.strTitle && e.bFloating == a.bFloating && e.bVisible == a.bVisible && bSameRect)
            << strStep << ": " << e.strTitle << "\n" << strBoth;
        EXPECT_EQ(e.nScreenHash, a.nScreenHash) << strStep << ": " << e.strTitle << " looks different on the screen";
    }
}

} // namespace outside
