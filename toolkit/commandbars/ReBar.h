// CXTPReBar: a rebar whose bands carry toolbars, each band with its
// toolbar's bar id as band id.
#pragma once

#include "framework/ui/ReBar.h"

class CXTPCommandBar;

// The band style the command bars add their toolbars with: a new row and a
// gripper always shown.
const DWORD XTP_REBAR_BAND_STYLE = RBBS_BREAK | RBBS_GRIPPERALWAYS;

class CXTPReBar : public CReBar
{
    DECLARE_DYNCREATE(CXTPReBar)
public:
    // The toolbar, sized for a long horizontal row, becomes the child of a
    // new last band; a toolbar held by a dock bar leaves it first and shows
    // no gripper of its own.
    BOOL AddToolBar(CXTPCommandBar* pToolBar, DWORD dwStyle = XTP_REBAR_BAND_STYLE);
    // The toolbar a band carries, null for other children.
    CXTPCommandBar* GetBandToolBar(int nBand) const;
    // The band carrying the toolbar (the last one when several do), or -1.
    int FindBand(CXTPCommandBar* pToolBar) const;
};
