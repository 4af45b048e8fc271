// The toolbars of another program, read and moved from outside as a person
// moves them: found by their window class, pressed and dragged by their
// grippers with the real mouse (SendInput), and the frame asked after each
// step whether it still answers. Used by the tests that drive the screenshot
// program's test frame and the real qivnotes.exe.
#pragma once

#include "common/WindowSearch.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace outside {

// Where one toolbar of the program stands: docked (a child window) or
// floating (a top-level window), shown or hidden, and its screen rectangle.
struct BarPlace
{
    std::string strTitle;
    HWND hWnd;
    bool bFloating;
    bool bVisible;
    RECT rc;
    // A floating bar's look: a hash of the screen's pixels over it (0 for
    // docked and hidden bars). Another window over it shows as a change.
    unsigned nScreenHash;
};
typedef std::vector<BarPlace> BarPlaces;

// Every toolbar window of the process (the menu bar included), in the
// order of their titles. hFrame is the frame the docked ones live in.
BarPlaces ReadBars(DWORD dwProcessId, HWND hFrame);
// The bar of the title, or null.
const BarPlace* FindBar(const BarPlaces& places, const char* pszTitle);
// The same places without their looks (every screen hash 0).
BarPlaces WithoutLooks(BarPlaces places);
// One line per bar, for the messages of failed expectations.
std::string Describe(const BarPlaces& places);

// Whether the frame answers within a time (a second unless told).
using windows::Answers;

// A point on a docked bar's gripper: its left band, or its top band when
// the bar stands upright.
POINT GripperPoint(const BarPlace& place);
// Presses the left button at the point and releases it there.
void PressAt(POINT pt);
// Presses the left button at the point, moves the pointer in steps by the
// offset and releases it there; each step is given time to be handled.
void DragBy(POINT ptFrom, int dx, int dy);

// Stored floating places that no monitor shows: beyond every edge, far
// left, far below.
const std::vector<POINT>& OffScreenPlaces();

// Writes the place into every floating bar's stored record ("Floating" 1)
// of the command bars' state under the registry key (below the current
// user), as its window place and as its remembered floating place.
void StoreFloatingPlace(const std::string& strAppKey, int x, int y);

// The gtest steps of the tests: a frame of the process, driven from outside.
class CBarsFromOutside
{
public:
    CBarsFromOutside(DWORD dwProcessId, HWND hFrame)
        : m_dwProcessId(dwProcessId), m_hFrame(hFrame)
    {
    }

    BarPlaces Bars() const { return ReadBars(m_dwProcessId, m_hFrame); }
    // Whether the foreground window is the frame (and no toolbar).
    bool FrameKeepsTheForeground() const;

    // Floats the docked bar by dragging its gripper by the offset. Expects
    // the frame to answer and keep the foreground, the bar to float shown
    // under the pointer, and every other bar to stay as it was.
    void Float(const char* pszTitle, int dx, int dy) const;
    // Presses the gripper of each of the bars that is docked: after each
    // press the frame answers and keeps the foreground, and nothing moved.
    void PressGrippers(std::initializer_list<const char*> titles) const;
    // Expects a frame started from stored places: the docked bars as they
    // were left, every bar shown, floating or docked as left, and each
    // floating one showing at least an icon's size on the screen.
    void ExpectStartedFrom(const BarPlaces& left, const std::string& strCase) const;

private:
    DWORD m_dwProcessId;
    HWND m_hFrame;
};

// The same bars, each floating or docked and shown as before; floating ones
// (and with bDockedToo the docked ones) at the same rectangle, and floating
// ones looking the same on the screen.
void ExpectSamePlaces(const BarPlaces& expected, const BarPlaces& actual, bool bDockedToo,
                      const std::string& strStep);

} // namespace outside
