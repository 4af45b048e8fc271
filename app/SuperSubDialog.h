// The superscript/subscript dialog: the baseline offset of the selection in
// twips, set by its buttons from the font height or typed; after OK the
// caller applies it with a height that fits the offset.
#pragma once

#include "app/QivDialog.h"

#include <richedit.h>

#ifndef _WIN64
static_assert(sizeof(CHARFORMAT2A) == 84, "CHARFORMAT2 is 84 bytes in 32-bit code");
#endif

class C_HochTiefDlg : public CQivDialog
{
public:
    explicit C_HochTiefDlg(CWnd* pParentWnd = nullptr);

    // Sets yOffset to the offset and the height to one that fits it; an
    // offset of 0 (or too small to give a height) keeps the height.
    static void ApplyOffset(int nOffset, CHARFORMAT2A& cf);

    int m_nOffset = 0;    // twips
    int m_nHeight = 0;    // the selection's font height, twips

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnSuperscript();
    afx_msg void OnSubscript();
    afx_msg void OnNormal();
    afx_msg void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void ShowOffset(int nOffset);
};
