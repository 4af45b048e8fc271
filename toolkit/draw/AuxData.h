// CXTAuxData: what the toolkit's own windows share: a snapshot of system and
// toolkit colours, a few system metrics, the Windows version class, the
// common-controls version, seven cursors and ten fonts derived from the
// system's menu, icon-title, status and message fonts. One per process.
#pragma once

#include "framework/ui/Gdi.h"

// The system's version, read once when the program starts.
const OSVERSIONINFOA& XTPSystemVersion();

// The version classes of a version record (by default the system's).
BOOL IsWin95(const OSVERSIONINFOA& version = XTPSystemVersion());
BOOL IsWin98(const OSVERSIONINFOA& version = XTPSystemVersion());
BOOL IsWinNT4(const OSVERSIONINFOA& version = XTPSystemVersion());
BOOL IsWin2000(const OSVERSIONINFOA& version = XTPSystemVersion());
BOOL IsWinXP(const OSVERSIONINFOA& version = XTPSystemVersion());

class CXTAuxData
{
public:
    CXTAuxData();
    virtual ~CXTAuxData();

    // Refreshes the colour manager, then takes every colour again.
    void UpdateSysColors();
    void UpdateSysMetrics();
    // FALSE at the first cursor that cannot be loaded.
    BOOL LoadSysCursors();
    // Makes all ten fonts again; a face that is not installed is ignored.
    // FALSE when one cannot be made (those made before stay).
    BOOL CreateSysFonts(LPCSTR lpszFaceName = nullptr, LPCSTR lpszVertFaceName = nullptr);
    BOOL FontExists(LPCSTR lpszFaceName);
    // major << 16 | minor of COMCTL32, asked once; 0 when unknown.
    DWORD GetComCtlVersion();

    // System colours.
    COLORREF clr3DFace;
    COLORREF clr3DShadow;
    COLORREF clr3DDkShadow;
    COLORREF clr3DHilight;
    COLORREF clr3DLight;
    COLORREF clrBtnText;
    COLORREF clrGrayText;
    COLORREF clrHighlight;
    COLORREF clrHighlightText;
    COLORREF clrMenu;
    COLORREF clrMenuText;
    COLORREF clrWindow;
    COLORREF clrWindowFrame;
    COLORREF clrWindowText;
    COLORREF clrActiveCaption;
    COLORREF clrInActiveCaption;
    COLORREF clrGradActiveCapt;
    COLORREF clrGradInActiveCapt;
    COLORREF clrActiveCaptText;
    COLORREF clrInactiveCaptText;
    // The toolkit's colours 30 to 49, by index − 30.
    COLORREF clrToolkit[20];

    // Cursors (the program's cursor resources unless noted).
    HCURSOR hcurDragNone;      // 9011
    HCURSOR hcurDragCopy;      // 9008
    HCURSOR hcurDragMove;      // 9009
    HCURSOR hcurHand;          // the system's hand, else 9973
    HCURSOR hcurHSplitBar;     // 9970
    HCURSOR hcurVSplitBar;     // 9971
    HCURSOR hcurMove;          // the system's four-way arrow

    // Metrics.
    int cxSmIcon;
    int cySmIcon;
    int cxSize;
    int cySize;
    int cxHThumb;
    int cyVThumb;
    int cyMenuItem;

    CFont font;
    CFont fontBold;
    CFont fontULine;
    CFont fontVert;
    CFont fontVertBold;
    CFont fontIconTitle;
    CFont fontIconTitleBold;
    CFont fontMarlett;
    CFont fontStatus;
    CFont fontMessage;

    BOOL bWin95;
    BOOL bWin98;
    BOOL bWinNT4;
    BOOL bWin2K;
    BOOL bWinXP;

    // Tahoma as the face of the fonts where the character set allows it.
    BOOL bPreferTahoma;

private:
    CXTAuxData(const CXTAuxData&) = delete;
    CXTAuxData& operator=(const CXTAuxData&) = delete;

    void DeleteSysFonts();

    LONG m_nComCtlVersion;
};

// The process-wide record, made on first call.
CXTAuxData* GetAuxData();
