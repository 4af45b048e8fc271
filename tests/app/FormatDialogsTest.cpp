// The paragraph and superscript dialogs: what they read from and write into
// the selection's formats, and their fields on the real templates.
#include "app/ParagraphDialog.h"
#include "app/SuperSubDialog.h"
#include "app/LinkDialog.h"
#include "app/res/resource.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/TestSeams.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <string.h>

namespace {

PARAFORMAT2 Format(DWORD dwMask, WORD wAlignment, WORD wNumbering, LONG start, LONG right, LONG offset)
{
    PARAFORMAT2 pf;
    memset(&pf, 0, sizeof pf);
    pf.cbSize = sizeof pf;
    pf.dwMask = dwMask;
    pf.wAlignment = wAlignment;
    pf.wNumbering = wNumbering;
    pf.dxStartIndent = start;
    pf.dxRightIndent = right;
    pf.dxOffset = offset;
    return pf;
}

CString ItemText(CDialog* pDialog, int nID)
{
    CString strText;
    pDialog->GetDlgItemText(nID, strText);
    return strText;
}

const DWORD kAll = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT | PFM_NUMBERING;

} // namespace

TEST(ParagraphDialog, ReadsAndWritesTheParagraphFormat)
{
    struct {
        PARAFORMAT2 pf;
        int alignment, bullets, left, right, first;
    } const cases[] = {
        { Format(kAll, PFA_LEFT, PFN_BULLET, 855, 570, -285), 0, 1, 570, 570, 285 },
        { Format(kAll, PFA_RIGHT, 0, 0, 0, 0), 1, 0, 0, 0, 0 },
        { Format(kAll, PFA_CENTER, 0, 1140, 0, 570), 2, 0, 1710, 0, -570 },
        // Mixed alignment and numbering are not in the mask.
        { Format(PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET, PFA_CENTER, PFN_BULLET, 570, 0, 0), -1, 2, 570, 0, 0 },
        // Without both indents in the mask neither is read.
        { Format(PFM_STARTINDENT | PFM_RIGHTINDENT, PFA_LEFT, 0, 570, 285, 0), -1, 2, 0, 285, 0 },
    };
    for (const auto& c : cases) {
        CAbsatzDlg dialog(nullptr, c.pf);
        EXPECT_EQ(c.alignment, dialog.m_nAlignment);
        EXPECT_EQ(c.bullets, dialog.m_nBullets);
        EXPECT_EQ(c.left, dialog.m_nLeft);
        EXPECT_EQ(c.right, dialog.m_nRight);
        EXPECT_EQ(c.first, dialog.m_nFirstLine);

        dialog.SaveToFormat();
        DWORD dwMask = kAll;
        if (c.alignment < 0)
            dwMask &= ~PFM_ALIGNMENT;
        if (c.bullets == 2)
            dwMask &= ~PFM_NUMBERING;
        EXPECT_EQ(dwMask, dialog.m_pf.dwMask);
        EXPECT_EQ(c.left + c.first, dialog.m_pf.dxStartIndent);
        EXPECT_EQ(c.right, dialog.m_pf.dxRightIndent);
        EXPECT_EQ(-c.first, dialog.m_pf.dxOffset);
        if (c.alignment >= 0) {
            EXPECT_EQ(c.pf.wAlignment, dialog.m_pf.wAlignment);
        }
        if (c.bullets != 2) {
            EXPECT_EQ(c.bullets ? PFN_BULLET : 0, dialog.m_pf.wNumbering);
        }
    }
}

TEST(ParagraphDialog, FieldsShowCentimetresAndEmptyOnesKeepTheirValue)
{
    CAbsatzDlg dialog(nullptr, Format(kAll, PFA_LEFT, 0, 855, 1000, 0));
    std::vector<std::string> shown;
    std::vector<CString> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxes([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText);
        return IDOK;
    });
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
        CDialog* pDlg = request.pDialog;
        if (request.nCall == 0) {
            for (int nID : { IDC_PARA_INDENT_LEFT, IDC_PARA_INDENT_RIGHT, IDC_PARA_INDENT_FIRST })
                shown.push_back(ItemText(pDlg, nID).GetString());
            pDlg->SetDlgItemText(IDC_PARA_INDENT_LEFT, "1,5 mm");
            return IDOK;    // refused: the dialog stays
        }
        pDlg->SetDlgItemText(IDC_PARA_INDENT_LEFT, " 2 CM");
        pDlg->SetDlgItemText(IDC_PARA_INDENT_RIGHT, "");
        pDlg->SetDlgItemText(IDC_PARA_INDENT_FIRST, "0,5");
        return IDOK;
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{ "1,5 cm", "1,75 cm", "0 cm" }), shown);
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Geben Sie bitte ein gültiges Maß ein.", messages[0].GetString());
    EXPECT_EQ(1140, dialog.m_nLeft);
    EXPECT_EQ(1000, dialog.m_nRight);     // the empty field kept its value
    EXPECT_EQ(285, dialog.m_nFirstLine);
    EXPECT_EQ(1140 + 285, dialog.m_pf.dxStartIndent);
    EXPECT_EQ(-285, dialog.m_pf.dxOffset);
}

TEST(SuperSubDialog, ButtonsSetTheOffsetAndOkTheHeight)
{
    struct { int button; int offset; LONG height; DWORD mask; } const cases[] = {
        { IDC_SUPERSCRIPT, 120, 160, CFM_OFFSET | CFM_SIZE },
        { IDC_SUBSCRIPT, -48, 140, CFM_OFFSET | CFM_SIZE },
        { IDC_SUPERSUB_NORMAL, 0, 240, CFM_OFFSET },    // the height stays
    };
    for (const auto& c : cases) {
        C_HochTiefDlg dialog;
        dialog.m_nOffset = 30;
        dialog.m_nHeight = 240;
        CString strShown;
        CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
            request.pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED),
                                         reinterpret_cast<LPARAM>(::GetDlgItem(request.pDialog->m_hWnd, c.button)));
            request.pDialog->GetDlgItemText(IDC_SUPERSUB_OFFSET, strShown);
            return IDOK;
        });
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(c.offset, dialog.m_nOffset);
        EXPECT_EQ(c.offset, atoi(strShown));

        CHARFORMAT2A cf;
        memset(&cf, 0, sizeof cf);
        cf.cbSize = sizeof cf;
        cf.yHeight = 240;
        C_HochTiefDlg::ApplyOffset(dialog.m_nOffset, cf);
        EXPECT_EQ(c.offset, cf.yOffset);
        EXPECT_EQ(c.height, cf.yHeight);
        EXPECT_EQ(c.mask, cf.dwMask);
    }
}

TEST(FormatDialogs, ContextHelpIds)
{
    CAbsatzDlg paragraph(nullptr, Format(0, 0, 0, 0, 0, 0));
    C_HochTiefDlg superSub;
    C_LinkDlg link;
    struct { const CQivDialog* dialog; UINT control; DWORD id; } const cases[] = {
        { &paragraph, IDOK, 0x80960001 },
        { &paragraph, IDC_PARA_ALIGN_CENTER, 0x809603EF },
        { &paragraph, IDC_PARA_INDENT_FIRST, 0x809603F8 },
        { &paragraph, IDC_PARA_BULLETS, 0 },
        { &superSub, IDCANCEL, 0x80960002 },
        { &superSub, IDC_SUPERSUB_SPIN, 0x80BA0433 },
        { &superSub, IDC_SUPERSCRIPT, 0 },
        { &link, 0xE146, 0x8096E146 },
        { &link, IDC_LINK_ITEM, 0x80BF041A },
        { &link, IDC_LINK_FAVORITES, 0x80BF041B },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.id, c.dialog->GetHelpContext(c.control)) << c.control;
}
