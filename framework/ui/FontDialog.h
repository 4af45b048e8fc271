// CFontDialog: the system's font dialog, started from a LOGFONT or from a
// rich-edit CHARFORMAT (whose attributes that are not the same over the
// selection leave the matching part of the dialog empty).
#pragma once

#include "framework/ui/CommonDialog.h"

#include <richedit.h>

class CDC;

class CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    // A null LOGFONT starts without a font chosen. pdcPrinter adds the
    // printer's fonts.
    explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr,
                         DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, CDC* pdcPrinter = nullptr,
                         CWnd* pParentWnd = nullptr);
    CFontDialog(const CHARFORMATA& charformat, DWORD dwFlags = CF_SCREENFONTS,
                CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;

    INT_PTR DoModal() override;

    void GetCurrentFont(LPLOGFONTA lplf) const;
    CString GetFaceName() const;
    CString GetStyleName() const;
    // In tenths of a point.
    int GetSize() const;
    COLORREF GetColor() const;
    int GetWeight() const;
    BOOL IsStrikeOut() const;
    BOOL IsUnderline() const;
    BOOL IsBold() const;
    BOOL IsItalic() const;
    // The chosen font as a CHARFORMAT whose mask covers what the dialog let
    // the user choose.
    void GetCharFormat(CHARFORMATA& cf) const;

private:
    void Init(DWORD dwFlags, CDC* pdcPrinter);
    // The dialog's start font from a CHARFORMAT; returns the CF_NO...SEL
    // flags for the attributes the format leaves open.
    DWORD FillInLogFont(const CHARFORMATA& cf);

    char m_szStyleName[64];
};
