// Pages of rich text for a rich-edit control that cannot lay them out
// itself. The normal way to print such text is EM_FORMATRANGE; where the
// control leaves that message unanswered, a hidden copy of the control,
// as wide as the printed area (in screen pixels), lays the text out in
// lines; pages end after the last line that fits, and a page is drawn by
// letting the copy paint that band of lines into the printer's DC, scaled
// from the screen's resolution to the device's.
#pragma once

#include "framework/core/Geometry.h"

class CDC;
class CRichEditCtrl;

class CRichEditPageLayout
{
public:
    CRichEditPageLayout() = default;
    ~CRichEditPageLayout();

    CRichEditPageLayout(const CRichEditPageLayout&) = delete;
    CRichEditPageLayout& operator=(const CRichEditPageLayout&) = delete;

    // TRUE when the controls of this process lay out pages themselves
    // (found out once, with a hidden control).
    static BOOL ControlFormatsRanges();

    // Copies the text of ctrl and lays it out for the printed area
    // rectPrint (twips, on the paper); FALSE when the copy cannot be made.
    BOOL Prepare(CRichEditCtrl& ctrl, const CRect& rectPrint);
    BOOL IsPrepared() const;
    // As EM_FORMATRANGE: the page that starts at character nStart, drawn on
    // pDC when bOutput; answers the first character of the next page (the
    // text's length after the last page).
    long FormatPage(CDC* pDC, long nStart, BOOL bOutput);
    void Release();

private:
    // Top of a line in the copy's layout (pixels from the text's start).
    int LineTop(int nLine) const;
    int LineBottom(int nLine, int nLines) const;
    int LineCount() const;
    long TextLength() const;

    HWND m_hWnd = nullptr;
    CRect m_rectPrint;      // twips
    CSize m_sizePage;       // the printed area in screen pixels
    CSize m_sizeScreenDpi;
};
