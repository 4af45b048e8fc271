// CReBarCtrl: a rebar of the common-controls class "ReBarWindow32".
//
// REBARBANDINFOA travels with cbSize 80, the size every common-controls
// version accepts; the calls set it themselves.
#pragma once

#include "framework/ui/Wnd.h"

class CReBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    // The band record of the common controls of this era, up to and with
    // cxHeader: 80 bytes in 32-bit code (the chevron fields came later).
    static constexpr UINT bandInfoSize = offsetof(REBARBANDINFOA, cxHeader) + sizeof(UINT);

    CReBarCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    UINT GetBandCount() const;
    // uIndex -1 appends the band.
    BOOL InsertBand(UINT uIndex, REBARBANDINFOA* prbbi);
    BOOL DeleteBand(UINT uBand);
    BOOL GetBandInfo(UINT uBand, REBARBANDINFOA* prbbi) const;
    BOOL SetBandInfo(UINT uBand, REBARBANDINFOA* prbbi);
    BOOL ShowBand(UINT uBand, BOOL fShow = TRUE);
    // The index of the band with the id, -1 when none.
    int IDToIndex(UINT uBandID) const;
    BOOL GetRect(UINT uBand, LPRECT prc) const;
    void MinimizeBand(UINT uBand);
    void MaximizeBand(UINT uBand);
    UINT GetBarHeight() const;
    UINT GetRowCount() const;
    UINT GetRowHeight(UINT uRow) const;
    BOOL SizeToRect(CRect& rect);
};
