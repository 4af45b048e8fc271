// CPrintInfo: one print or preview run: the print dialog with the chosen
// printer and page range, the page being printed, and where on the page the
// view may draw.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"

class CPrintDialog;

struct CPrintInfo
{
    CPrintInfo();
    // Deletes the printer DC the dialog made.
    ~CPrintInfo();

    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;
    BOOL m_bDirect = FALSE;           // print without the dialog
    BOOL m_bPreview = FALSE;          // the run draws the preview
    BOOL m_bContinuePrinting = TRUE;  // FALSE ends the run after this page
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 0;      // 0: the preview decides
    CString m_strPageDesc;            // "Seite %u\nSeiten %u-%u"
    LPVOID m_lpUserData = nullptr;
    CRect m_rectDraw;                 // the page's printable area, logical units
    int m_nJobNumber = 0;

    // The document's pages (0xFFFF: not known yet).
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The range chosen in the dialog (all pages unless a range was chosen).
    UINT GetFromPage() const;
    UINT GetToPage() const;
};
