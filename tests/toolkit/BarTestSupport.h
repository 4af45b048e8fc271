// What the tests of bars, controls and their painting share: a bar whose
// type and position a test sets, with a hidden window of a chosen size, a
// scope that gives every system colour a distinct value of its own, and a
// gallery action with items.
#pragma once

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/draw/DefaultTheme.h"

#include <memory>
#include <vector>

// A counted toolkit object (bar, control, command bars) whose reference
// the test gives back at the end of the scope.
template <class T>
struct CReleased
{
    void operator()(T* p) const { p->InternalRelease(); }
};
template <class T>
using CRefPtr = std::unique_ptr<T, CReleased<T>>;

class CTestBar : public CXTPCommandBar
{
public:
    CTestBar(int nType = xtpBarTypeNormal, int nPosition = xtpBarTop);
    ~CTestBar() override;

    void SetBarType(int nType) { m_barType = nType; }
    void SetBarPosition(int nPosition) { m_barPosition = nPosition; }
    // A hidden popup window whose client area has the size.
    BOOL CreateHidden(int cx, int cy);
    // Counts the idle updates a command asks for.
    void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) override;
    int m_nIdleUpdates = 0;
};

// Every system colour gets a value no other one has, through the colour
// manager's hook; the previous source is restored at the end.
class CDistinctSysColors
{
public:
    CDistinctSysColors();
    ~CDistinctSysColors();
    CDistinctSysColors(const CDistinctSysColors&) = delete;
    CDistinctSysColors& operator=(const CDistinctSysColors&) = delete;

    static COLORREF ColorOf(int nIndex);
};

// A classic theme refreshed under distinct colours, for a test's bars.
class CTestTheme : public CXTPDefaultTheme
{
public:
    CTestTheme() { RefreshMetrics(); }
};

// Counts the GDI objects of the process.
DWORD GdiObjectCount();

// Dispatches every message waiting in the thread's queue.
void PumpMessages();

// The window's rectangle on the screen.
CRect WindowRect(CWnd* pWnd);

// The command ids of the bar's controls in their order (none for no bar).
std::vector<int> BarControlIds(CXTPCommandBar* pBar);

// A site window that records the codes of the control notifications it gets.
class CNotifyRecordingSite : public CWnd
{
public:
    std::vector<UINT> m_codes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CXTPControlGalleryAction;

// A gallery action of the id over nItems items of 40 x 20 pixels with the
// ids 100, 101, ... and the caption "F", after a heading "Farben" when asked.
CXTPControlGalleryAction* NewTestGalleryAction(int nId, int nItems, BOOL bHeading);
