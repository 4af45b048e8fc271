// Printing a note on the default printer through the print command, as the
// user does it, the print dialog answered as the user would (the printer
// it proposes, every page). Runs only where a script has set up a real
// printer and reads the result back (print_to_pdf.sh); skipped elsewhere.
#include "TextViewFixture.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/Dc.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/Document.h"
#include "framework/ui/PrintDialog.h"
#include "framework/ui/WinAppDocuments.h"
#include "model/QivDoc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

using PrinterTest = TextViewTest;

TEST_F(PrinterTest, TheNotesPagesGoToTheDefaultPrinter)
{
    const char* pszTitle = getenv("QIV_PRINT_TITLE");
    const char* pszPagesFile = getenv("QIV_PRINT_PAGES");
    char szPrinter[256] = {};
    DWORD nPrinter = sizeof(szPrinter);
    if (pszTitle == nullptr || pszPagesFile == nullptr || !::GetDefaultPrinterA(szPrinter, &nPrinter))
        GTEST_SKIP() << "no printer set up for this run";

    CString strText;
    for (int i = 1; i <= 70; ++i)
    {
        CString strLine;
        strLine.Format("Zeile %d der Notiz mit Umlauten: äöü ÄÖÜ ß.\r\n", i);
        strText += strLine;
    }
    m_pView->SetWindowText(strText);
    m_pDoc->SetTitle(pszTitle);

    // The pages as the preview counts them on this printer.
    CDC dcPrinter;
    ASSERT_TRUE(AfxGetAppDocuments()->CreatePrinterDC(dcPrinter));
    m_pView->OnPrinterChanged(dcPrinter);
    const UINT nPages = m_pView->CountPages(&dcPrinter);
    ASSERT_GE(nPages, 2u);

    int nDialogs = 0;
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer([&](const AFX_COMMONDIALOG_REQUEST& r) {
        ++nDialogs;
        EXPECT_EQ(CommonDialogKind::print, r.kind);
        auto* pDialog = static_cast<CPrintDialog*>(r.pDialog);
        // OK on the printer the dialog proposes: its DC made as the system
        // dialog makes it.
        EXPECT_NE(pDialog->m_pd.hDevNames, nullptr);
        if (pDialog->m_pd.hDC == nullptr)
            pDialog->CreatePrinterDC();
        return IDOK;
    });
    Command(ID_FILE_PRINT);
    EXPECT_EQ(1, nDialogs);

    FILE* pFile = fopen(pszPagesFile, "w");
    ASSERT_NE(pFile, nullptr);
    fprintf(pFile, "%u\n", nPages);
    fclose(pFile);
}

} // namespace
