// The main window's splitters: the toolkit's themed splitter, keeping its
// panes out of its own painting.
#pragma once

#include "toolkit/extras/Splitter.h"

class CQivSplitterWnd : public CXTSplitterWnd
{
public:
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST) override;
};
