// A band of a rich-edit page recorded in an enhanced metafile of screen
// pixels, to be played onto a device that records what it is given: a
// metafile (the preview's pages) or a printer that spools its pages as
// metafiles.
//
// The control draws its runs with x and y advances in pairs (ETO_PDY).
// Some systems' metafile recording keeps only the first half of such an
// array; played back, the run loses letters and the rest lands displaced.
// Where a probe finds that fault, each text record that lost its pairs is
// written again with the x advances of its characters, measured with the
// record's own font at the resolution the text was laid out in.
#pragma once

#include <windows.h>

class CRichEditPageRecord
{
public:
    CRichEditPageRecord() = default;
    ~CRichEditPageRecord();

    CRichEditPageRecord(const CRichEditPageRecord&) = delete;
    CRichEditPageRecord& operator=(const CRichEditPageRecord&) = delete;

    // TRUE when text recorded with advance pairs keeps them all (found out
    // once, with a metafile in memory).
    static BOOL MetafilesKeepAdvancePairs();

    // Records what hWnd paints of its client area, cx by cy pixels of the
    // screen, through WM_PRINTCLIENT; text records that lost their
    // advances are mended.
    BOOL Record(HWND hWnd, int cx, int cy);
    // Plays the record onto hDC: one pixel of the band is one logical unit,
    // the band's corner at the logical origin.
    BOOL Play(HDC hDC) const;

    // A copy of hMeta whose text records that lost their advance pairs
    // carry x advances measured on hdcMeasure instead; null when hMeta
    // cannot be read. Records that are whole are copied as they are.
    static HENHMETAFILE MendAdvances(HENHMETAFILE hMeta, HDC hdcMeasure);

private:
    HENHMETAFILE m_hMeta = nullptr;
    int m_cx = 0;
    int m_cy = 0;
};
