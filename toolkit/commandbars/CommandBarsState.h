// The arrangement of a frame's bars as the profile keeps it between runs:
// one record per toolbar ("<base>-Bar<n>"), the bar count and the screen
// size it was taken on ("<base>-Summary"), the rows of each dock bar
// ("<base>-DockBar<d>") and whether the status bar was hidden ("StatusBar"
// in the base section).
//
// What the profile holds is untrusted: counts stop at the first missing
// section or value and at XTP_STATE_MAX_ENTRIES, a value of the wrong type
// reads as missing, a bar id placed twice counts once, and every position
// read is brought back onto the current screen.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"

#include <vector>

class CWnd;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPDockBar;
class CXTPPropExchange;

// No count read from the profile goes beyond this.
const int XTP_STATE_MAX_ENTRIES = 1024;
// The smallest client size a dialog bar is restored with.
const int XTP_DIALOGBAR_MIN_SIZE = 50;

// One toolbar's placement: window position (floating: screen, docked: in
// its dock bar's client), the remembered width, dock bar, docked rectangle
// and floating position, and for dialog bars their client sizes.
struct XTP_BAR_STATE
{
    UINT nBarID = 0;
    BOOL bVisible = TRUE;
    BOOL bFloating = FALSE;
    CPoint ptPosition = CPoint(-1, -1);
    int nMRUWidth = 32767;
    int nMRUDockID = 0;
    CRect rcMRUDockPos = CRect(0, 0, 0, 0);
    CPoint ptMRUFloatPos = CPoint(0, 0);
    BOOL bDialogBar = FALSE;
    CSize szDockingClient = CSize(200, 200);
    CSize szFloatingClient = CSize(200, 200);
    // The bar the record was taken from or is applied to; never stored.
    CXTPCommandBar* pBar = nullptr;
};

// What every exchange of the customised controls carries (as the
// exchange's context) for the bars and controls to read.
struct XTP_COMMANDBARS_PROPEXCHANGE_PARAM
{
    // Only the toolbars that are not built in or were changed are collected.
    BOOL bCollectBaseline = FALSE;
    // The store argument of the caller (storing); 1 when loading.
    BOOL bStoreArgument = TRUE;
    // A changed toolbar resource is not reported to the user.
    BOOL bSilentLoad = FALSE;
    // Bars keep their original controls beside the customised ones.
    BOOL bSaveOriginalControls = TRUE;
    CXTPCommandBars* pCommandBars = nullptr;
};

// The parameters an exchange carries, null when it carries none.
XTP_COMMANDBARS_PROPEXCHANGE_PARAM* GetExchangeParams(CXTPPropExchange* pPX);

// The whole stored arrangement.
struct XTP_COMMANDBARS_LAYOUT
{
    CSize szScreen = CSize(0, 0);
    std::vector<XTP_BAR_STATE> bars;
    // Per dock bar (0 top, 1 bottom, 2 left, 3 right): bar ids in order, 0
    // ending a row.
    std::vector<UINT> dockRows[4];
    // -1: no status bar to store; 0 shown; 1 hidden.
    int nStatusBarHidden = -1;
};

// The profile exchange of a section: over the registry when the application
// has a registry key, else over its INI file. Null without an application.
// The caller releases it (InternalRelease).
CXTPPropExchange* CreateProfileExchange(BOOL bLoading, LPCSTR lpszSection);

// "<base><suffix>" with the number, cut to 255 characters as every profile
// section name of the bars is.
CString FormatStateSection(LPCSTR lpszBase, LPCSTR lpszFormat, int nNumber = -1);

// Writes the arrangement under the base section name.
void WriteLayoutToProfile(LPCSTR lpszBase, const XTP_COMMANDBARS_LAYOUT& layout);
// Reads the arrangement stored under the base name, scaled from the stored
// screen to szScreen and kept inside it (szIcon from its right and bottom).
// Missing or damaged parts read as their defaults.
void ReadLayoutFromProfile(LPCSTR lpszBase, XTP_COMMANDBARS_LAYOUT& layout, CSize szScreen,
                           CSize szIcon);

// The scaling and limits applied to every position read: a point (-1, -1)
// means "not set" and stays; others are scaled from szStored to szScreen
// (not when either has a side of 0 or less) and kept within 0 ..
// szScreen - szIcon. A rectangle moves with its top-left corner.
CPoint ScaleStoredPoint(CPoint pt, CSize szStored, CSize szScreen, CSize szIcon);
CRect ScaleStoredRect(const CRect& rc, CSize szStored, CSize szScreen, CSize szIcon);

// The arrangement as it stands: a record per toolbar of the list, the rows
// of the four dock bars (0 top, 1 bottom, 2 left, 3 right; null ones have
// none) and, on a frame site, whether its status bar is hidden.
void TakeLayoutSnapshot(XTP_COMMANDBARS_LAYOUT& layout, const std::vector<CXTPCommandBar*>& toolbars,
                        CXTPDockBar* const* ppDockBars, CWnd* pSite);

// The bars as the stream of the controls blob: section "CommandBars", an
// enumerator "CommandBar" and one section per bar ("Class", then its keys
// and controls). Out gives FALSE on an archive or OLE error. In makes each
// bar from its stored class (the caller releases them, InternalRelease) and
// gives FALSE, with no bars, when the stream breaks anywhere.
BOOL ExchangeBarsOut(CXTPPropExchange* pPX, const std::vector<CXTPCommandBar*>& bars);
BOOL ExchangeBarsIn(CXTPPropExchange* pPX, std::vector<CXTPCommandBar*>& bars);
// The same stream through an archive, in the packed form the profile keeps
// (ControlsBlob.h), and back.
BOOL StoreBarsToBlob(const std::vector<CXTPCommandBar*>& bars,
                     XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams, std::vector<BYTE>& blob);
BOOL LoadBarsFromBlob(const std::vector<BYTE>& blob, XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams,
                      std::vector<CXTPCommandBar*>& bars);
// Puts the toolbars where the layout says: the dock bars' rows, the status
// bar, then each record (floating or docked, remembered places, position
// and visibility). Bars the layout names but the list lacks are passed over.
void ApplyLayoutSnapshot(const XTP_COMMANDBARS_LAYOUT& layout,
                         const std::vector<CXTPCommandBar*>& toolbars, CXTPDockBar* const* ppDockBars,
                         CWnd* pSite);
