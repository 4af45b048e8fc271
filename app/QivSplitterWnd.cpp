#include "app/QivSplitterWnd.h"

BOOL CQivSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (!CXTSplitterWnd::CreateStatic(pParentWnd, nRows, nCols, dwStyle, nID))
        return FALSE;
    ModifyStyle(0, WS_CLIPCHILDREN);
    return TRUE;
}
