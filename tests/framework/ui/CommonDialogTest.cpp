// The common dialogs: answered through their test seam, and for colour and
// font also as real system dialogs attached to their objects; print and
// page setup on a machine without a printer.
#include "TestApp.h"

#include "framework/ui/ColorDialog.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/FileDialog.h"
#include "framework/ui/FontDialog.h"
#include "framework/ui/PageSetupDialog.h"
#include "framework/ui/PrintDialog.h"
#include "framework/ui/TestSeams.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Seam = CTestSeamScope<AFX_COMMONDIALOG_REQUEST>;

// Answers every common dialog with IDOK and a fixed choice, and keeps what
// each dialog asked.
struct Chooser
{
    AFX_COMMONDIALOG_ANSWER answer;
    std::vector<AFX_COMMONDIALOG_REQUEST> requests;
    int nResult = IDOK;

    Seam Install()
    {
        return Seam([this](const AFX_COMMONDIALOG_REQUEST& request) {
            requests.push_back(request);
            *request.pAnswer = answer;
            return nResult;
        });
    }
};

// The filter as the system gets it: strings up to the double zero.
std::vector<std::string> FilterStrings(LPCSTR lpstrFilter)
{
    std::vector<std::string> strings;
    for (LPCSTR p = lpstrFilter; p != nullptr && *p != '\0'; p += strlen(p) + 1)
        strings.emplace_back(p);
    return strings;
}

TEST(FileDialogTest, ChosenPathAndItsParts)
{
    struct Case { LPCSTR pszPath; LPCSTR pszName; LPCSTR pszExt; LPCSTR pszTitle; };
    const Case cases[] = {
        {"C:\\Ablage\\Notiz.alt.txt", "Notiz.alt.txt", "txt", "Notiz.alt"},
        {"C:\\Ordner.v2\\Datei", "Datei", "", "Datei"},
        {"C:\\Ablage\\Name.", "Name.", "", "Name"},
        {"D:\\x\\.profil", ".profil", "profil", ""},
        {"\\\\server\\freigabe\\Bericht.RTF", "Bericht.RTF", "RTF", "Bericht"},
        {"C:Übersicht.csv", "Übersicht.csv", "csv", "Übersicht"},
        {"relativ.vlt", "relativ.vlt", "vlt", "relativ"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszPath);
        CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                        "Alle Dateien (*.*)|*.*||");
        Chooser chooser;
        chooser.answer.strPath = c.pszPath;
        Seam seam = chooser.Install();
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetPathName(), c.pszPath);
        EXPECT_EQ(dlg.GetFileName(), c.pszName);
        EXPECT_EQ(dlg.GetFileExt(), c.pszExt);
        EXPECT_EQ(dlg.GetFileTitle(), c.pszTitle);
    }
}

TEST(FileDialogTest, SeamSeesTitleFilterAndFlags)
{
    CFileDialog dlg(FALSE, "qiv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Qivnotes-Datenbank (*.qiv)|*.qiv||");
    dlg.m_ofn.lpstrTitle = "Kategorie 'Projekte' exportieren";
    Chooser chooser;
    chooser.answer.strPath = "C:\\Export\\Projekte";
    Seam seam = chooser.Install();

    ASSERT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(chooser.requests.size(), 1u);
    const AFX_COMMONDIALOG_REQUEST& request = chooser.requests.front();
    EXPECT_EQ(request.kind, CommonDialogKind::fileSave);
    EXPECT_EQ(request.strTitle, "Kategorie 'Projekte' exportieren");
    EXPECT_EQ(request.strFilter, "Qivnotes-Datenbank (*.qiv)|*.qiv||");
    EXPECT_EQ(request.dwFlags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
              static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(request.pDialog, &dlg);
    // A name typed without an extension gets the default one.
    EXPECT_EQ(dlg.GetPathName(), "C:\\Export\\Projekte.qiv");
    EXPECT_EQ(dlg.GetFileExt(), "qiv");
    EXPECT_EQ(dlg.GetFileTitle(), "Projekte");
}

TEST(FileDialogTest, FilterBecomesTheSystemsList)
{
    CFileDialog dlg(FALSE, nullptr, "Eintrag", OFN_HIDEREADONLY,
                    "RichText-Format (*.rtf)|*.rtf|Word Dokument, als RichText (*.doc)|*.doc|"
                    "Textdatei (*.txt)|*.txt||");
    EXPECT_EQ(FilterStrings(dlg.m_ofn.lpstrFilter),
              (std::vector<std::string>{"RichText-Format (*.rtf)", "*.rtf",
                                        "Word Dokument, als RichText (*.doc)", "*.doc",
                                        "Textdatei (*.txt)", "*.txt"}));
    // Without the closing "||" the list still ends.
    CFileDialog open(TRUE, nullptr, nullptr, 0, "Textdatei (*.txt)|*.txt");
    EXPECT_EQ(FilterStrings(open.m_ofn.lpstrFilter),
              (std::vector<std::string>{"Textdatei (*.txt)", "*.txt"}));
    CFileDialog none(TRUE);
    EXPECT_EQ(none.m_ofn.lpstrFilter, nullptr);

    // A path the buffer cannot hold is no choice.
    Chooser tooLong;
    tooLong.answer.strPath = "C:\\" + CString('x', MAX_PATH);
    {
        Seam longSeam = tooLong.Install();
        EXPECT_EQ(none.DoModal(), IDCANCEL);
    }
    EXPECT_TRUE(none.GetPathName().IsEmpty());

    // Cancel leaves the initial name.
    Chooser chooser;
    chooser.nResult = IDCANCEL;
    Seam seam = chooser.Install();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.GetPathName(), "Eintrag");
    EXPECT_EQ(chooser.requests.front().kind, CommonDialogKind::fileSave);
}

// ---- colour ---------------------------------------------------------------------

TEST(ColorDialogTest, SeamChoosesTheColour)
{
    COLORREF custom[16] = {};
    custom[3] = RGB(1, 2, 3);
    CColorDialog dlg(RGB(0, 0, 0), CC_FULLOPEN | CC_ANYCOLOR);
    // The dialog's own custom colours until the program gives its own.
    EXPECT_EQ(dlg.m_cc.lpCustColors[15], RGB(255, 255, 255));
    dlg.m_cc.lpCustColors = custom;
    // Black is a start colour like any other.
    EXPECT_TRUE(dlg.m_cc.Flags & CC_RGBINIT);

    Chooser chooser;
    chooser.answer.color = RGB(0x80, 0x40, 0x20);
    Seam seam = chooser.Install();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetColor(), RGB(0x80, 0x40, 0x20));
    EXPECT_EQ(chooser.requests.front().kind, CommonDialogKind::color);
    EXPECT_EQ(chooser.requests.front().dwFlags & (CC_FULLOPEN | CC_ANYCOLOR),
              static_cast<DWORD>(CC_FULLOPEN | CC_ANYCOLOR));

    chooser.nResult = IDCANCEL;
    chooser.answer.color = RGB(9, 9, 9);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.GetColor(), RGB(0x80, 0x40, 0x20));
}

// A real system dialog, attached to its object: OnInitDialog runs with the
// window in place and ends the dialog through the message map.
template <class BASE>
class CClosingDialog : public BASE
{
public:
    using BASE::BASE;

    int m_nInitCalls = 0;
    bool m_bAttached = false;
    UINT m_nEndWith = IDOK;

    BOOL OnInitDialog() override
    {
        ++m_nInitCalls;
        m_bAttached = this->m_hWnd != nullptr && CWnd::FromHandlePermanent(this->m_hWnd) == this;
        const BOOL bResult = BASE::OnInitDialog();
        this->PostMessage(WM_COMMAND, MAKEWPARAM(m_nEndWith, BN_CLICKED),
                          reinterpret_cast<LPARAM>(::GetDlgItem(this->m_hWnd, m_nEndWith)));
        return bResult;
    }
};

TEST(ColorDialogTest, SystemDialogIsAttachedAndEndsThroughItsOwnOk)
{
    CClosingDialog<CColorDialog> dlg(RGB(0x12, 0x34, 0x56), CC_FULLOPEN | CC_ANYCOLOR);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nInitCalls, 1);
    EXPECT_TRUE(dlg.m_bAttached);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dlg.GetColor(), RGB(0x12, 0x34, 0x56));

    CClosingDialog<CColorDialog> cancelled(RGB(1, 1, 1));
    cancelled.m_nEndWith = IDCANCEL;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.m_nInitCalls, 1);
}

// ---- font -----------------------------------------------------------------------

LOGFONTA MakeFont(LPCSTR pszFace, int nHeight, int nWeight, BYTE bItalic)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfCharSet = ANSI_CHARSET;
    lstrcpynA(lf.lfFaceName, pszFace, LF_FACESIZE);
    return lf;
}

TEST(FontDialogTest, SeamChoosesAFontThatBecomesACharFormat)
{
    LOGFONTA lfStart = MakeFont("Tahoma", -11, FW_NORMAL, FALSE);
    CFontDialog dlg(&lfStart, CF_SCREENFONTS | CF_EFFECTS);
    EXPECT_TRUE(dlg.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
    EXPECT_EQ(dlg.GetFaceName(), "Tahoma");

    Chooser chooser;
    chooser.answer.font = MakeFont("Arial", -16, FW_BOLD, TRUE);
    chooser.answer.font.lfUnderline = TRUE;
    chooser.answer.nPointSize = 120;
    chooser.answer.color = RGB(0, 0, 0x80);
    Seam seam = chooser.Install();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(chooser.requests.front().kind, CommonDialogKind::font);
    EXPECT_EQ(dlg.GetFaceName(), "Arial");
    EXPECT_EQ(dlg.GetSize(), 120);
    EXPECT_TRUE(dlg.IsBold());
    EXPECT_TRUE(dlg.IsItalic());
    EXPECT_TRUE(dlg.IsUnderline());
    EXPECT_FALSE(dlg.IsStrikeOut());
    EXPECT_EQ(dlg.GetColor(), RGB(0, 0, 0x80));
    LOGFONTA lf = {};
    dlg.GetCurrentFont(&lf);
    EXPECT_STREQ(lf.lfFaceName, "Arial");

    CHARFORMATA cf = {};
    cf.cbSize = sizeof(cf);
    dlg.GetCharFormat(cf);
    const DWORD dwAll = CFM_BOLD | CFM_ITALIC | CFM_SIZE | CFM_FACE | CFM_UNDERLINE
                        | CFM_STRIKEOUT | CFM_COLOR | CFM_CHARSET;
    EXPECT_EQ(cf.dwMask, dwAll);
    EXPECT_EQ(cf.dwEffects, static_cast<DWORD>(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE));
    EXPECT_EQ(cf.yHeight, 240);
    EXPECT_STREQ(cf.szFaceName, "Arial");
    EXPECT_EQ(cf.crTextColor, RGB(0, 0, 0x80));
}

TEST(FontDialogTest, CharFormatStartLeavesMixedAttributesOpen)
{
    // A selection of mixed weight and size in one face.
    CHARFORMATA cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_FACE | CFM_ITALIC | CFM_CHARSET | CFM_COLOR;
    cf.dwEffects = CFE_ITALIC;
    cf.bCharSet = ANSI_CHARSET;
    cf.crTextColor = RGB(0x80, 0, 0);
    lstrcpyA(cf.szFaceName, "Times New Roman");
    CFontDialog dlg(cf, CF_SCREENFONTS);
    const DWORD dwFlags = dlg.m_cf.Flags;
    EXPECT_TRUE(dwFlags & CF_NOSTYLESEL);
    EXPECT_TRUE(dwFlags & CF_NOSIZESEL);
    EXPECT_FALSE(dwFlags & CF_NOFACESEL);
    EXPECT_FALSE(dwFlags & CF_NOSCRIPTSEL);
    // Underline and strike-out are not known: no effects part.
    EXPECT_FALSE(dwFlags & CF_EFFECTS);
    EXPECT_STREQ(dlg.m_lf.lfFaceName, "Times New Roman");
    EXPECT_EQ(dlg.GetColor(), RGB(0x80, 0, 0));

    // Cancelled: the open parts stay out of the format.
    Chooser chooser;
    chooser.nResult = IDCANCEL;
    Seam seam = chooser.Install();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    CHARFORMATA back = {};
    back.cbSize = sizeof(back);
    dlg.GetCharFormat(back);
    EXPECT_EQ(back.dwMask, static_cast<DWORD>(CFM_FACE | CFM_CHARSET));

    // A full format: the size becomes a pixel height of the screen.
    CHARFORMATA full = cf;
    full.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT
                  | CFM_COLOR | CFM_CHARSET;
    full.dwEffects = CFE_BOLD | CFE_STRIKEOUT;
    full.yHeight = 240;
    CFontDialog fullDlg(full, CF_SCREENFONTS);
    HDC hDC = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    EXPECT_EQ(fullDlg.m_lf.lfHeight, -::MulDiv(240, nDpi, 1440));
    EXPECT_EQ(fullDlg.m_lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(fullDlg.m_lf.lfStrikeOut);
    EXPECT_TRUE(fullDlg.m_cf.Flags & CF_EFFECTS);
    EXPECT_FALSE(fullDlg.m_cf.Flags & (CF_NOSTYLESEL | CF_NOSIZESEL | CF_NOFACESEL));
}

TEST(FontDialogTest, SystemDialogIsAttached)
{
    LOGFONTA lf = MakeFont("Tahoma", -13, FW_NORMAL, FALSE);
    CClosingDialog<CFontDialog> dlg(&lf, CF_SCREENFONTS | CF_EFFECTS);
    dlg.m_nEndWith = IDCANCEL;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nInitCalls, 1);
    EXPECT_TRUE(dlg.m_bAttached);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

// ---- printing -------------------------------------------------------------------

// The real printing dialogs are tried only where no printer is installed
// (the test machines): there they end at once; the setups of page and
// printer first tell the user why, the print leaves that to its caller.
TEST(PrintDialogTest, WithoutAPrinterEverythingAnswersCancelAndTheSetupsSayWhy)
{
    if (AfxHasDefaultPrinter())
        GTEST_SKIP() << "a printer is installed";
    std::vector<std::string> told;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> messages([&](const AFX_MESSAGEBOX_REQUEST& box) {
        told.push_back(static_cast<LPCSTR>(box.strText));
        return IDOK;
    });

    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, TestWndClass(), "Besitzer", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                               nullptr, nullptr));

    CClosingDialog<CPageSetupDialog> pageSetup(
        PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS, &owner);
    pageSetup.m_psd.rtMargin = CRect(2000, 2500, 2000, 2500);
    EXPECT_EQ(pageSetup.DoModal(), IDCANCEL);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("kein Drucker installiert"), std::string::npos) << told[0];
    EXPECT_EQ(pageSetup.m_nInitCalls, 0);
    EXPECT_EQ(pageSetup.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(owner.IsWindowEnabled());
    CRect margins;
    pageSetup.GetMarginRect(&margins);
    EXPECT_EQ(margins, CRect(2000, 2500, 2000, 2500));
    EXPECT_EQ(pageSetup.GetDevMode(), nullptr);
    EXPECT_TRUE(pageSetup.GetDeviceName().IsEmpty());
    EXPECT_EQ(pageSetup.CreatePrinterDC(), nullptr);

    CPrintDialog print(FALSE, PD_ALLPAGES, &owner);
    EXPECT_EQ(print.DoModal(), IDCANCEL);
    EXPECT_EQ(told.size(), 1u);
    CPrintDialog printerSetup(TRUE, 0, &owner);
    EXPECT_EQ(printerSetup.DoModal(), IDCANCEL);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1], told[0]);
    CPrintDialog setup(TRUE, PD_NOWARNING);
    EXPECT_FALSE(setup.GetDefaults());
    EXPECT_EQ(setup.m_pd.hDevNames, nullptr);
    EXPECT_EQ(setup.CreatePrinterDC(), nullptr);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

TEST(PrintDialogTest, SeamAnswersPageSetupAndPrint)
{
    Chooser chooser;
    Seam seam = chooser.Install();
    CPageSetupDialog pageSetup(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS);
    EXPECT_EQ(pageSetup.DoModal(), IDOK);
    CPrintDialog print(FALSE);
    chooser.nResult = IDCANCEL;
    EXPECT_EQ(print.DoModal(), IDCANCEL);
    ASSERT_EQ(chooser.requests.size(), 2u);
    EXPECT_EQ(chooser.requests[0].kind, CommonDialogKind::pageSetup);
    // The hook is always on, so a derived dialog can rearrange the controls.
    EXPECT_EQ(chooser.requests[0].dwFlags & (PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS
                                             | PSD_ENABLEPAGESETUPHOOK),
              static_cast<DWORD>(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_ENABLEPAGESETUPHOOK));
    EXPECT_EQ(chooser.requests[1].kind, CommonDialogKind::print);
}

// A DEVNAMES block as the printing dialogs hand it out.
HGLOBAL MakeDevNames(LPCSTR pszDriver, LPCSTR pszDevice, LPCSTR pszPort)
{
    const size_t nSize = sizeof(DEVNAMES) + strlen(pszDriver) + strlen(pszDevice) + strlen(pszPort) + 3;
    HGLOBAL hDevNames = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    auto* pDevNames = static_cast<DEVNAMES*>(::GlobalLock(hDevNames));
    char* p = reinterpret_cast<char*>(pDevNames);
    WORD wOffset = sizeof(DEVNAMES);
    for (auto [pszText, pwOffset] : {std::make_pair(pszDriver, &pDevNames->wDriverOffset),
                                     std::make_pair(pszDevice, &pDevNames->wDeviceOffset),
                                     std::make_pair(pszPort, &pDevNames->wOutputOffset)})
    {
        *pwOffset = wOffset;
        strcpy(p + wOffset, pszText);
        wOffset = static_cast<WORD>(wOffset + strlen(pszText) + 1);
    }
    ::GlobalUnlock(hDevNames);
    return hDevNames;
}

TEST(PrintDialogTest, DevNamesPartsAndAMissingPrinter)
{
    HGLOBAL hDevNames = MakeDevNames("winspool", "Drucker im Flur", "LPT1:");
    EXPECT_EQ(AfxGetDevName(hDevNames, DevNamePart::driver), "winspool");
    EXPECT_EQ(AfxGetDevName(hDevNames, DevNamePart::device), "Drucker im Flur");
    EXPECT_EQ(AfxGetDevName(hDevNames, DevNamePart::port), "LPT1:");
    EXPECT_TRUE(AfxGetDevName(nullptr, DevNamePart::device).IsEmpty());
    // A printer that is not there gives no DC.
    EXPECT_EQ(AfxCreateDC(hDevNames, nullptr), nullptr);
    EXPECT_EQ(AfxCreateDC(nullptr, nullptr), nullptr);

    CPrintDialog dlg(TRUE);
    dlg.m_pd.hDevNames = hDevNames;
    EXPECT_EQ(dlg.GetDriverName(), "winspool");
    EXPECT_EQ(dlg.GetDeviceName(), "Drucker im Flur");
    EXPECT_EQ(dlg.GetPortName(), "LPT1:");
    // The program's handles stay the program's.
    dlg.m_pd.hDevNames = nullptr;
    EXPECT_EQ(::GlobalFree(hDevNames), nullptr);
}

} // namespace
