// The text view: showing and storing an entry's text, the format commands
// as they reach the stored rich text, their checked states, the colours,
// the font boxes' codes, the context menu and the addresses opened by a
// double-click.
#include "TextViewFixture.h"

#include "CardTreeFixture.h"
#include "ViewTestFrame.h"

#include "app/ColorMenu.h"
#include "app/DefaultFont.h"
#include "app/FontDialog.h"
#include "framework/ui/FrameWnd.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/FontDialog.h"
#include "framework/ui/Menu.h"
#include "model/CardFileStore.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/ControlSizeComboBox.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/extras/HyperlinkShell.h"
#include "tests/toolkit/TestDib.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kRich[] = "{\\RTF1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Fett{\\b gedruckt}\\par}";

TEST_F(TextViewTest, ShowsRichAndPlainTextsWithoutMarkingThemModified)
{
    struct Case
    {
        std::string bytes;
        const char* pszShown;
    };
    const Case cases[] = {
        { kRich, "Fettgedruckt" },
        // Rich text only with the five bytes "{\rtf"; shorter is plain.
        { "{\\rt", "{\\rt" },
        { std::string("Zeile eins\0Rest", 15), "Zeile eins" },
        { "ohne NUL", "ohne NUL" },
        { "", "" },
    };
    for (const Case& c : cases)
    {
        m_pView->ShowText(reinterpret_cast<const BYTE*>(c.bytes.data()), static_cast<DWORD>(c.bytes.size()),
                          RGB(200, 220, 240));
        CString strShown;
        m_pView->GetWindowText(strShown);
        strShown.Remove('\r');
        strShown.Remove('\n');
        EXPECT_STREQ(c.pszShown, strShown) << c.bytes;
        EXPECT_FALSE(m_pView->GetRichEditCtrl().GetModify());
        EXPECT_TRUE(m_pView->IsWindowEnabled());
        EXPECT_EQ(RGB(200, 220, 240), m_pView->m_crBackground);
    }
    m_pView->ShowText(nullptr, 0, RGB(255, 255, 255));
    CString strEmpty;
    m_pView->GetWindowText(strEmpty);
    EXPECT_TRUE(strEmpty.IsEmpty());
}

TEST_F(TextViewTest, StoredTextIsTheWholeRichTextReadBackAlike)
{
    SetText("Erste Zeile\r\nZweite Zeile");
    m_pView->GetRichEditCtrl().SetSel(0, 5);
    Command(ID_FORMAT_BOLD);
    C_QivEntry entry("Notiz");
    m_pView->StoreText(&entry);
    ASSERT_NE(entry.m_pText, nullptr);
    const std::string stored(reinterpret_cast<const char*>(entry.m_pText), entry.m_nTextLength);
    EXPECT_EQ(0, stored.compare(0, 5, "{\\rtf"));
    EXPECT_EQ(stored, StoredRichText());

    m_pView->ShowText(entry.m_pText, entry.m_nTextLength, RGB(255, 255, 255));
    CString strText;
    m_pView->GetWindowText(strText);
    EXPECT_EQ(0, strText.Find("Erste Zeile"));
    EXPECT_GT(strText.Find("Zweite Zeile"), 0);
    m_pView->GetRichEditCtrl().SetSel(0, 5);
    EXPECT_EQ(1, Update(ID_FORMAT_BOLD).nCheck);
}

TEST_F(TextViewTest, CharacterEffectsReachTheStoredTextAndShowTheirState)
{
    struct Effect
    {
        UINT nID;
        const char* pszWord;
    };
    const Effect effects[] = {
        { ID_FORMAT_BOLD, "b" },
        { ID_FORMAT_ITALIC, "i" },
        { ID_FORMAT_UNDERLINE, "ul" },
        { ID_FORMAT_STRIKEOUT, "strike" },
    };
    for (const Effect& e : effects)
    {
        SCOPED_TRACE(e.pszWord);
        SetText("eins zwei");
        CRichEditCtrl& ctrl = m_pView->GetRichEditCtrl();
        ctrl.SetSel(0, 4);
        EXPECT_EQ(0, Update(e.nID).nCheck);
        EXPECT_TRUE(Update(e.nID).bEnabled);
        Command(e.nID);
        EXPECT_EQ(1, Update(e.nID).nCheck);
        EXPECT_TRUE(RtfHas(RtfControlWords(StoredRichText()), e.pszWord));
        // Half of the selection has it: indeterminate.
        ctrl.SetSel(2, 7);
        EXPECT_EQ(2, Update(e.nID).nCheck);
        // Toggled twice it is gone again.
        ctrl.SetSel(0, 4);
        Command(e.nID);
        EXPECT_FALSE(RtfHas(RtfControlWords(StoredRichText()), e.pszWord));
    }
    // A disabled window disables the commands.
    m_pView->EnableWindow(FALSE);
    EXPECT_FALSE(Update(ID_FORMAT_BOLD).bEnabled);
    EXPECT_FALSE(Update(ID_FONT_BIGGER).bEnabled);
    EXPECT_TRUE(Update(ID_COLOR_BLACK).bEnabled);
}

TEST_F(TextViewTest, AlignmentsAndBulletsReachTheStoredText)
{
    struct Case
    {
        UINT nID;
        const char* pszWord;
    };
    const Case cases[] = {
        { ID_FORMAT_ALIGN_CENTER, "qc" },
        { ID_FORMAT_ALIGN_RIGHT, "qr" },
    };
    for (const Case& c : cases)
    {
        SetText("Absatz");
        Command(c.nID);
        EXPECT_EQ(1, Update(c.nID).nCheck);
        EXPECT_EQ(0, Update(ID_FORMAT_ALIGN_LEFT).nCheck);
        EXPECT_TRUE(RtfHas(RtfControlWords(StoredRichText()), c.pszWord)) << c.pszWord;
        Command(ID_FORMAT_ALIGN_LEFT);
        EXPECT_EQ(1, Update(ID_FORMAT_ALIGN_LEFT).nCheck);
        EXPECT_FALSE(RtfHas(RtfControlWords(StoredRichText()), c.pszWord)) << c.pszWord;
    }

    SetText("Punkt");
    EXPECT_EQ(0, Update(ID_FORMAT_BULLETS).nCheck);
    Command(ID_FORMAT_BULLETS);
    EXPECT_EQ(1, Update(ID_FORMAT_BULLETS).nCheck);
    const auto words = RtfControlWords(StoredRichText());
    EXPECT_TRUE(RtfHas(words, "pnlvlblt") || RtfHas(words, "pntext")) << StoredRichText();
    Command(ID_FORMAT_BULLETS);
    EXPECT_EQ(0, Update(ID_FORMAT_BULLETS).nCheck);
}

TEST_F(TextViewTest, FontHeightGrowsBy40AndShrinksTo180AtLeast)
{
    struct Case
    {
        UINT nID;
        LONG nBefore;
        LONG nAfter;
    };
    const Case cases[] = {
        { ID_FONT_BIGGER, 240, 280 },
        { ID_FONT_SMALLER, 240, 200 },
        { ID_FONT_SMALLER, 200, 180 },
        { ID_FONT_SMALLER, 160, 180 },
    };
    for (const Case& c : cases)
    {
        SetText("Text");
        CRichEditCtrl& ctrl = m_pView->GetRichEditCtrl();
        ctrl.SetSel(0, -1);
        CHARFORMAT2A cf = {};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_SIZE;
        cf.yHeight = c.nBefore;
        ctrl.SetSelectionCharFormat(cf);
        Command(c.nID);
        CHARFORMAT2A after = {};
        after.cbSize = sizeof(after);
        ctrl.GetSelectionCharFormat(after);
        EXPECT_EQ(c.nAfter, after.yHeight) << c.nBefore;
        // The stored text carries the half points.
        EXPECT_TRUE(RtfHas(RtfControlWords(StoredRichText()), "fs" + std::to_string(c.nAfter / 10)));
    }
}

TEST_F(TextViewTest, EveryColourCommandColoursTheSelection)
{
    const int kPalette[] = { 0, 1, 2, 3, 4, 5, 6, 12, 7, 13, 14, 15, 16, 17, 18, 19 };
    auto hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    for (UINT nID = ID_COLOR_BLACK; nID <= ID_COLOR_AUTOMATIC; ++nID)
    {
        COLORREF crExpected = ::GetSysColor(COLOR_WINDOWTEXT);
        if (nID != ID_COLOR_AUTOMATIC)
        {
            PALETTEENTRY entry = {};
            ASSERT_EQ(1u, ::GetPaletteEntries(hPalette, kPalette[nID - ID_COLOR_BLACK], 1, &entry));
            crExpected = RGB(entry.peRed, entry.peGreen, entry.peBlue);
        }
        EXPECT_EQ(crExpected, ColorOfCommand(nID)) << nID;
        SetText("bunt");
        m_pView->GetRichEditCtrl().SetSel(0, 4);
        Command(nID);
        CHARFORMAT2A cf = {};
        cf.cbSize = sizeof(cf);
        m_pView->GetRichEditCtrl().GetSelectionCharFormat(cf);
        EXPECT_EQ(crExpected, cf.crTextColor) << nID;
        EXPECT_EQ(0u, cf.dwEffects & CFE_AUTOCOLOR) << nID;
    }
    // "Grau" is palette entry 12: (128, 128, 128) in the default palette.
    EXPECT_EQ(RGB(128, 128, 128), ColorOfCommand(32907));
}

TEST_F(TextViewTest, ColourMenuMeasuresAndDrawsItsEntries)
{
    CColorMenu menu;
    ASSERT_TRUE(menu.CreateColorMenu());
    ASSERT_EQ(17, menu.GetMenuItemCount());
    EXPECT_EQ(32900u, menu.GetMenuItemID(0));
    EXPECT_EQ(32916u, menu.GetMenuItemID(16));

    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = 32912;
    mis.itemData = 32912;
    menu.MeasureItem(&mis);
    CDisplayIC dc;
    CSize size = dc.GetTextExtent("Blau", 4);
    EXPECT_EQ(static_cast<UINT>(size.cx + 50), mis.itemWidth);
    EXPECT_EQ(static_cast<UINT>(size.cy), mis.itemHeight);

    // Drawn into a white bitmap: the swatch in its colour, the highlight
    // behind the name when selected.
    const int cx = 120, cy = 20;
    CTestDib dib(cx, cy);
    CDC& dcMem = dib.DC();
    ASSERT_TRUE(dcMem.GetSafeHdc() != nullptr);
    for (UINT nState : { 0u, static_cast<UINT>(ODS_SELECTED) })
    {
        dcMem.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
        dcMem.SetBkColor(RGB(255, 255, 255));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = 32912;
        dis.itemData = 32912;
        dis.itemState = nState;
        dis.hDC = dcMem.GetSafeHdc();
        dis.rcItem = { 0, 0, cx, cy };
        menu.DrawItem(&dis);
        EXPECT_EQ(ColorOfCommand(32912), dcMem.GetPixel(15, 10));
        EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), dcMem.GetPixel(4, 2));
        const COLORREF crBack = nState ? ::GetSysColor(COLOR_HIGHLIGHT) : RGB(255, 255, 255);
        EXPECT_EQ(crBack, dcMem.GetPixel(cx - 2, cy - 2)) << nState;
        EXPECT_EQ(nState ? ::GetSysColor(COLOR_BTNHIGHLIGHT) : ::GetSysColor(COLOR_BTNFACE),
                  dcMem.GetPixel(2, 0 + 5)) << nState;
    }
}

TEST_F(TextViewTest, FontBoxesSetAndAskTheSelectionsFormat)
{
    SetText("Schrift");
    CRichEditCtrl& ctrl = m_pView->GetRichEditCtrl();
    ctrl.SetSel(0, 7);

    // Code 4096 applies the record's format and answers 1.
    NMXTPCHARHDR notify = {};
    notify.hdr.hdr.code = XTP_FN_SETFORMAT;
    notify.hdr.hdr.idFrom = kFontNameBoxId;
    notify.cf.cbSize = sizeof(notify.cf);
    notify.cf.dwMask = CFM_FACE | CFM_CHARSET;
    notify.cf.bCharSet = ANSI_CHARSET;
    lstrcpyA(notify.cf.szFaceName, "Courier New");
    LRESULT lResult = 0;
    AFX_NOTIFY info = { &lResult, &notify.hdr.hdr };
    ASSERT_TRUE(m_pFrame->OnCmdMsg(kFontNameBoxId, MAKELONG(XTP_FN_SETFORMAT, WM_NOTIFY), &info, nullptr));
    EXPECT_EQ(1, lResult);

    // Code 4097 fills the record and answers 1.
    NMXTPCHARHDR ask = {};
    ask.hdr.hdr.code = XTP_FN_GETFORMAT;
    ask.hdr.hdr.idFrom = kFontSizeBoxId;
    lResult = 0;
    AFX_NOTIFY askInfo = { &lResult, &ask.hdr.hdr };
    ASSERT_TRUE(m_pFrame->OnCmdMsg(kFontSizeBoxId, MAKELONG(XTP_FN_GETFORMAT, WM_NOTIFY), &askInfo, nullptr));
    EXPECT_EQ(1, lResult);
    EXPECT_STREQ("Courier New", ask.cf.szFaceName);
    EXPECT_EQ(sizeof(CHARFORMATA), ask.cf.cbSize);

    // What the boxes show: the face, the size in twips, -1 when mixed; the
    // update pass hands both to the combo boxes of the bar that asks.
    CXTPCommandBar bar;
    auto* pNameBox = new CXTPControlFontComboBox;
    bar.GetControls()->Add(pNameBox, kFontNameBoxId);
    auto* pSizeBox = new CXTPControlSizeComboBox;
    bar.GetControls()->Add(pSizeBox, kFontSizeBoxId);
    struct Case
    {
        LONG nFirst;
        LONG nSecond;
        int nShown;
        LPCSTR pszShown;
    };
    const Case cases[] = { { 200, 200, 200, "10" }, { 210, 210, 210, "10.5" }, { 200, 240, -1, "" } };
    for (const Case& c : cases)
    {
        CHARFORMAT2A cf = {};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_SIZE;
        cf.yHeight = c.nFirst;
        ctrl.SetSel(0, 3);
        ctrl.SetSelectionCharFormat(cf);
        cf.yHeight = c.nSecond;
        ctrl.SetSel(3, 7);
        ctrl.SetSelectionCharFormat(cf);
        ctrl.SetSel(0, 7);
        QIV_FONTBOX_STATE state = m_pView->GetFontBoxState();
        EXPECT_EQ(c.nShown, state.nTwips);
        EXPECT_STREQ("Courier New", state.strFace);
        for (UINT nID : { kFontNameBoxId, kFontSizeBoxId })
        {
            apptest::CommandState answered = apptest::QueryCommand(m_pView, nID, &bar);
            EXPECT_EQ(1, answered.nEnabled) << nID;
        }
        EXPECT_STREQ("Courier New", pNameBox->GetText());
        EXPECT_STREQ(c.pszShown, pSizeBox->GetText()) << c.nFirst << "/" << c.nSecond;
    }
    bar.GetControls()->RemoveAll();
}

TEST_F(TextViewTest, ContextMenuGreysWhatTheSelectionCannotDo)
{
    SetText("Wort");
    if (::OpenClipboard(nullptr))
    {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
    struct Case
    {
        LONG nMin;
        LONG nMax;
        bool bCutCopy;
    };
    for (const Case& c : { Case{ 0, 0, false }, Case{ 0, 4, true } })
    {
        CHARRANGE range = { c.nMin, c.nMax };
        HMENU hMenu = m_pView->GetContextMenu(c.nMin == c.nMax ? SEL_EMPTY : SEL_TEXT, nullptr, &range);
        ASSERT_NE(hMenu, nullptr);
        EXPECT_EQ(12, ::GetMenuItemCount(hMenu));
        auto greyed = [&](UINT nID) { return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0; };
        EXPECT_EQ(!c.bCutCopy, greyed(ID_EDIT_CUT));
        EXPECT_EQ(!c.bCutCopy, greyed(ID_EDIT_COPY));
        EXPECT_EQ(!m_pView->CanPaste(), greyed(ID_EDIT_PASTE));
        EXPECT_FALSE(greyed(ID_FORMAT_PARAGRAPH));
        EXPECT_EQ(ID_ADD_ATTACHMENT, ::GetMenuItemID(hMenu, 11));
        // The popup belongs to no menu bar any more: the control destroys it.
        EXPECT_TRUE(::DestroyMenu(hMenu));
    }
}

TEST_F(TextViewTest, DoubleClickedAddressesOpenWhole)
{
    const std::string longWord = "www." + std::string(5000, 'x') + ".de";
    struct Case
    {
        std::string text;
        LONG nMin;    // the selection a double-click made
        LONG nMax;
        std::string opened;    // empty: nothing opens
        std::string selected;
    };
    const Case cases[] = {
        { "Siehe www.example.de heute", 8, 14, "http://www.example.de", "www.example.de" },
        { "Siehe www.example.de heute", 6, 21, "http://www.example.de", "www.example.de" },
        { "http://host/pfad", 0, 4, "http://host/pfad", "http://host/pfad" },
        { "an MAILTO:a@b.de", 5, 5, "MAILTO:a@b.de", "MAILTO:a@b.de" },
        { "Post an a@b bitte", 8, 11, "mailto:a@b", "a@b" },
        { "ein Wort hier", 4, 8, "", "Wort" },
        { "zwei\r\nZeilen www.x.de", 2, 10, "", "wei\r\nZei" },
        { "Lang " + longWord, 5, 9, "http://" + longWord, longWord },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text.substr(0, 30));
        SetText(c.text.c_str());
        CRichEditCtrl& ctrl = m_pView->GetRichEditCtrl();
        ctrl.SetSel(c.nMin, c.nMax);
        std::vector<XT_SHELLOPEN_REQUEST> opened;
        CTestSeamScope<XT_SHELLOPEN_REQUEST> seam([&](const XT_SHELLOPEN_REQUEST& r) {
            opened.push_back(r);
            return 42;
        });
        EXPECT_EQ(!c.opened.empty(), m_pView->FollowLinkAtSelection() != FALSE);
        if (c.opened.empty())
        {
            EXPECT_TRUE(opened.empty());
            continue;
        }
        ASSERT_EQ(1u, opened.size());
        EXPECT_EQ(c.opened, std::string(opened[0].strFile));
        EXPECT_EQ(SW_SHOW, opened[0].nShowCmd);
        CString strSelected = ctrl.GetSelText();
        EXPECT_EQ(c.selected, std::string(strSelected));
    }
}

TEST_F(TextViewTest, UndoClearAndCutPlayTheirSounds)
{
    apptest::CSoundRecorder sounds({ "Undo", "Clear", "Cut&Clear" });
    SetText("abc");
    m_pView->GetRichEditCtrl().SetSel(0, 1);
    Command(ID_EDIT_CLEAR);
    Command(ID_EDIT_UNDO);
    m_pView->GetRichEditCtrl().SetSel(0, 1);
    Command(ID_EDIT_CUT);
    EXPECT_EQ((std::vector<std::string>{ "Clear", "Undo", "Cut&Clear" }), sounds.m_events);
}

TEST_F(TextViewTest, WordWrapTogglesAndIsStored)
{
    EXPECT_EQ(1, Update(ID_WORD_WRAP).nCheck);
    Command(ID_WORD_WRAP);
    EXPECT_EQ(0, Update(ID_WORD_WRAP).nCheck);
    EXPECT_EQ(0, static_cast<int>(AfxGetApp()->GetProfileInt("Settings", "WordWrap", -1)));
    Command(ID_WORD_WRAP);
    EXPECT_EQ(1, static_cast<int>(AfxGetApp()->GetProfileInt("Settings", "WordWrap", -1)));
}

} // namespace

namespace {

TEST_F(TextViewTest, DefaultFontIsChosenStoredAndAppliedToPlainTexts)
{
    // The stored default: 293 = 20 x 14.65 pixels, applied as 219 twips.
    EXPECT_EQ(219, CQivTextView::ReadDefaultCharFormat().yHeight);

    LOGFONTA lfShown = {};
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer([&](const AFX_COMMONDIALOG_REQUEST& r) {
        EXPECT_EQ(CommonDialogKind::font, r.kind);
        lfShown = *static_cast<CFontDialog*>(r.pDialog)->m_cf.lpLogFont;
        LOGFONTA lf = {};
        lf.lfHeight = -12;
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = ANSI_CHARSET;
        lstrcpyA(lf.lfFaceName, "Arial");
        r.pAnswer->font = lf;
        r.pAnswer->color = RGB(0, 0, 128);
        return IDOK;
    });
    ASSERT_TRUE(QivChooseDefaultFont(m_pView));
    EXPECT_EQ(-14, lfShown.lfHeight);
    EXPECT_STREQ("Arial", lfShown.lfFaceName);

    CWinApp* pApp = AfxGetApp();
    EXPECT_EQ(240u, pApp->GetProfileInt("cf", "yHeight", 0));
    EXPECT_EQ(1u, pApp->GetProfileInt("cf", "dwEffects", 0));
    EXPECT_EQ(0xF000000Fu, pApp->GetProfileInt("cf", "dwMask", 0));
    EXPECT_EQ(60u, pApp->GetProfileInt("cf", "cbSize", 0));
    EXPECT_EQ(static_cast<UINT>(RGB(0, 0, 128)), pApp->GetProfileInt("cf", "crTextColor", 0));

    // A plain text shown afterwards is in the new default: 180 twips, bold.
    SetText("neu");
    m_pView->GetRichEditCtrl().SetSel(0, 3);
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof(cf);
    m_pView->GetRichEditCtrl().GetSelectionCharFormat(cf);
    EXPECT_EQ(180, cf.yHeight);
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
    EXPECT_EQ(RGB(0, 0, 128), cf.crTextColor);
}

} // namespace

namespace {

TEST_F(TextViewTest, FormattedNoteReachesTheSavedCardFile)
{
    auto* pRoot = new C_QivCategory("Notizen");
    C_QivEntry* pEntry = apptest::AddEntry(pRoot, "Notiz");
    m_pDoc->ReplaceRoot(pRoot);

    SetText("fett kursiv unter durch\r\nmittig\r\nPunkt");
    CRichEditCtrl& ctrl = m_pView->GetRichEditCtrl();
    struct Step
    {
        LONG nMin;
        LONG nMax;
        UINT nID;
    };
    const Step steps[] = {
        { 0, 4, ID_FORMAT_BOLD },       { 5, 11, ID_FORMAT_ITALIC },       { 12, 17, ID_FORMAT_UNDERLINE },
        { 18, 23, ID_FORMAT_STRIKEOUT }, { 25, 25, ID_FORMAT_ALIGN_CENTER }, { 32, 32, ID_FORMAT_BULLETS },
    };
    for (const Step& s : steps)
    {
        ctrl.SetSel(s.nMin, s.nMax);
        Command(s.nID);
    }
    m_pView->StoreText(pEntry);

    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strPath;
    strPath.Format("%sqiv-notiz-%lu.qiv", szTemp, ::GetCurrentProcessId());
    ASSERT_TRUE(m_pDoc->OnSaveDocument(strPath));
    KeepSavedCardFile(strPath, m_pDoc->GetRoot());
    CQivCardFileStore store;
    ASSERT_TRUE(store.Open(strPath));
    std::unique_ptr<C_QivCategory> saved(store.DetachRoot());
    ::DeleteFileA(strPath);
    ASSERT_NE(saved, nullptr);
    auto* pSaved = static_cast<C_QivEntry*>(saved->m_pFirstChild);
    ASSERT_NE(pSaved, nullptr);
    ASSERT_TRUE(pSaved->IsKindOf(RUNTIME_CLASS(C_QivEntry)));
    const std::string rtf(reinterpret_cast<const char*>(pSaved->m_pText), pSaved->m_nTextLength);
    EXPECT_EQ(0, rtf.compare(0, 5, "{\\rtf"));
    const auto words = RtfControlWords(rtf);
    for (const char* pszWord : { "b", "i", "ul", "strike", "qc" })
        EXPECT_TRUE(RtfHas(words, pszWord)) << pszWord;
    EXPECT_TRUE(RtfHas(words, "pnlvlblt") || RtfHas(words, "pntext")) << rtf;
    EXPECT_NE(std::string::npos, rtf.find("mittig"));
}

} // namespace

namespace {

TEST_F(TextViewTest, AViewMadeLaterTakesTheStoredShowCommandWhateverWasChosen)
{
    CWinApp* pApp = AfxGetApp();
    const int nShowBefore = pApp->m_nCmdShow;
    for (const char* pszKey : { "Top", "Left", "Bottom", "Right" })
        WriteSettingInt("Frame", pszKey, 100);
    WriteSettingInt("Frame", "Right", 700);
    WriteSettingInt("Frame", "Bottom", 500);
    WriteSettingInt("Frame", "Status", SW_SHOWMAXIMIZED);
    pApp->m_nCmdShow = SW_MINIMIZE;

    CFrameWnd* pFrame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CQivTextView);
    context.m_pCurrentDoc = m_pDoc;
    ASSERT_TRUE(pFrame->Create(nullptr, "Zweite", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, nullptr, 0,
                               &context));
    EXPECT_EQ(SW_SHOWMAXIMIZED, pApp->m_nCmdShow);
    pFrame->DestroyWindow();

    // Without a complete stored placement nothing changes.
    WriteSettingInt("Frame", "Status", -1);
    pApp->m_nCmdShow = SW_MINIMIZE;
    pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Dritte", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, nullptr, 0,
                               &context));
    EXPECT_EQ(SW_MINIMIZE, pApp->m_nCmdShow);
    pFrame->DestroyWindow();
    pApp->m_nCmdShow = nShowBefore;
}

} // namespace
