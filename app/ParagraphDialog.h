// The paragraph dialog: indents in centimetres, alignment and bullets of
// the selected paragraphs. It works on a copy of their PARAFORMAT2; what
// the selection leaves mixed (not in the mask) stays unchosen and, left
// so, unchanged.
#pragma once

#include "app/QivDialog.h"

#include <richedit.h>

#ifndef _WIN64
static_assert(sizeof(PARAFORMAT2) == 188, "PARAFORMAT2 is 188 bytes in 32-bit code");
#endif

class CAbsatzDlg : public CQivDialog
{
public:
    CAbsatzDlg(CWnd* pParentWnd, const PARAFORMAT2& pf);

    // The selection's format; after OK what is to be applied to it.
    PARAFORMAT2 m_pf;
    int m_nAlignment = -1;    // 0 left, 1 right, 2 centre, -1 none
    int m_nBullets = 2;       // 0, 1, 2 = mixed
    int m_nLeft = 0;          // twips
    int m_nRight = 0;
    int m_nFirstLine = 0;

    // m_pf to the fields, and back.
    void LoadFromFormat();
    void SaveToFormat();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnDeltaPos(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
