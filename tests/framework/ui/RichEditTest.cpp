// The rich-edit view and its document: the text streamed out and back in,
// the document's modified state, finding text, formatting the selection,
// and embedded objects.
#include "TestApp.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/OleClientItem.h"
#include "framework/ui/RichEditDoc.h"
#include "framework/ui/RichEditView.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class CNoteDoc : public CRichEditDoc
{
public:
    CRichEditCntrItem* CreateClientItem(REOBJECT* preo) const override
    {
        return new CRichEditCntrItem(preo, const_cast<CNoteDoc*>(this));
    }
};

class CNoteView : public CRichEditView
{
    DECLARE_DYNCREATE(CNoteView)
};

IMPLEMENT_DYNCREATE(CNoteView, CRichEditView)

// Records the check state an update handler gives.
class CCheckState : public CCmdUI
{
public:
    int m_nCheck = -1;
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
};

std::string StreamOut(CRichEditView& view)
{
    CMemFile file(1024 * 1024);
    {
        CArchive ar(&file, CArchive::store);
        view.Stream(ar, FALSE);
        ar.Close();
    }
    ULONGLONG nLength = file.GetLength();
    BYTE* pData = file.Detach();
    std::string bytes(reinterpret_cast<char*>(pData), static_cast<size_t>(nLength));
    free(pData);
    return bytes;
}

void StreamIn(CRichEditView& view, const std::string& bytes)
{
    CMemFile file(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                  static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    view.Stream(ar, FALSE);
    ar.Close();
}

class RichEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pDoc = new CNoteDoc;
        m_pDoc->m_bAutoDelete = FALSE;
        m_pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CNoteView);
        context.m_pCurrentDoc = m_pDoc;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Notiz", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400),
                                     nullptr, nullptr, 0, &context));
        m_pView = static_cast<CNoteView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(m_pView, nullptr);
        m_pFrame->InitialUpdateFrame(m_pDoc, FALSE);

        // The control's own default font is the bold system font: notes
        // start in a plain one, as the program's do.
        CHARFORMAT2A cf = {};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_CHARSET;
        cf.yHeight = 200;
        cf.bCharSet = ANSI_CHARSET;
        lstrcpyA(cf.szFaceName, "Arial");
        Ctrl().SetDefaultCharFormat(cf);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        delete m_pDoc;
    }

    CRichEditCtrl& Ctrl() { return m_pView->GetRichEditCtrl(); }

    CNoteDoc* m_pDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CNoteView* m_pView = nullptr;
};

TEST_F(RichEditTest, TheViewIsTheDocumentsRichEditControl)
{
    EXPECT_EQ(m_pDoc->GetView(), m_pView);
    char szClass[32];
    ::GetClassNameA(m_pView->m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ(szClass, "RichEdit20A");
    // Notes are longer than the control's default limit of 32 KB.
    EXPECT_GT(Ctrl().GetLimitText(), 1000000);
}

TEST_F(RichEditTest, RichTextStreamedOutAndInKeepsTextAndFormatting)
{
    Ctrl().SetWindowText("Eins fett zwei");
    Ctrl().SetSel(5, 9);
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_BOLD;
    cf.dwEffects = CFE_BOLD;
    m_pView->SetCharFormat(cf);

    std::string rtf = StreamOut(*m_pView);
    ASSERT_EQ(rtf.compare(0, 5, "{\\rtf"), 0) << rtf;

    m_pView->DeleteContents();
    EXPECT_EQ(m_pView->GetTextLength(), 0);
    StreamIn(*m_pView, rtf);

    CString strText;
    m_pView->GetWindowText(strText);
    EXPECT_EQ(strText, "Eins fett zwei");
    struct Run
    {
        long nStart;
        long nEnd;
        int nCheck;   // of the bold state
    };
    const Run runs[] = { { 0, 4, 0 }, { 5, 9, 1 }, { 10, 14, 0 }, { 3, 7, 2 } };
    for (const Run& run : runs)
    {
        Ctrl().SetSel(run.nStart, run.nEnd);
        CCheckState state;
        m_pView->OnUpdateCharEffect(&state, CFM_BOLD, CFE_BOLD);
        EXPECT_EQ(state.m_nCheck, run.nCheck) << run.nStart << ".." << run.nEnd;
    }

    // The same bytes again: reading and writing change nothing.
    EXPECT_EQ(StreamOut(*m_pView), rtf);
}

TEST_F(RichEditTest, TheDocumentIsModifiedWhileTheViewHoldsUnsavedEdits)
{
    EXPECT_FALSE(m_pDoc->IsModified());
    Ctrl().SetSel(0, 0);
    Ctrl().ReplaceSel("getippt", TRUE);
    EXPECT_TRUE(m_pDoc->IsModified());
    m_pDoc->SetModifiedFlag(FALSE);
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_FALSE(Ctrl().GetModify());

    // The document's own flag counts as well.
    m_pDoc->SetModifiedFlag(TRUE);
    EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(RichEditTest, CharacterEffectsToggleOverTheSelection)
{
    Ctrl().SetWindowText("kursiv oder nicht");
    Ctrl().SetSel(0, 6);
    m_pView->OnCharEffect(CFM_ITALIC, CFE_ITALIC);
    CCheckState state;
    m_pView->OnUpdateCharEffect(&state, CFM_ITALIC, CFE_ITALIC);
    EXPECT_EQ(state.m_nCheck, 1);
    // Applied to a selection that has it, the effect goes.
    m_pView->OnCharEffect(CFM_ITALIC, CFE_ITALIC);
    m_pView->OnUpdateCharEffect(&state, CFM_ITALIC, CFE_ITALIC);
    EXPECT_EQ(state.m_nCheck, 0);

    Ctrl().SetSel(0, 4);
    m_pView->OnParaAlign(PFA_CENTER);
    m_pView->OnUpdateParaAlign(&state, PFA_CENTER);
    EXPECT_EQ(state.m_nCheck, 1);
    m_pView->OnUpdateParaAlign(&state, PFA_LEFT);
    EXPECT_EQ(state.m_nCheck, 0);
}

// The control may leave its modified flag alone for a format: the view's
// format functions set it, so the change is never lost as unmodified.
TEST_F(RichEditTest, EveryFormatAloneCountsAsAnEdit)
{
    const std::function<void()> formats[] = {
        [this] { m_pView->OnParaAlign(PFA_RIGHT); },
        [this] {
            PARAFORMAT2 pf = {};
            pf.dwMask = PFM_STARTINDENT;
            pf.dxStartIndent = 570;
            m_pView->SetParaFormat(pf);
        },
        [this] { m_pView->OnCharEffect(CFM_BOLD, CFE_BOLD); },
    };
    for (const auto& format : formats) {
        Ctrl().SetWindowText("Montag bis Freitag");
        Ctrl().SetSel(0, 6);
        Ctrl().SetModify(FALSE);
        format();
        EXPECT_TRUE(Ctrl().GetModify());
    }
}

TEST_F(RichEditTest, FindTextSelectsTheNextHitAndWrapsAround)
{
    Ctrl().SetWindowText("Apfel Birne apfelig Apfel");
    Ctrl().SetSel(0, 0);
    struct Step
    {
        LPCSTR lpszFind;
        BOOL bCase;
        BOOL bWord;
        BOOL bFound;
        long nStart;
    };
    const Step steps[] = {
        { "Apfel", TRUE, TRUE, TRUE, 0 },
        { "Apfel", TRUE, TRUE, TRUE, 20 },    // past the selected hit; "apfelig" is not a word hit
        { "Apfel", TRUE, TRUE, TRUE, 0 },     // wraps to the start
        { "apfel", TRUE, FALSE, TRUE, 12 },   // matching case, part of a word
        { "Birne", FALSE, TRUE, TRUE, 6 },
        { "Kirsche", FALSE, FALSE, FALSE, 6 },   // no hit: the selection stays
    };
    for (const Step& step : steps)
    {
        EXPECT_EQ(m_pView->FindText(step.lpszFind, step.bCase, step.bWord), step.bFound)
            << step.lpszFind;
        long nStart = 0;
        long nEnd = 0;
        Ctrl().GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, step.nStart) << step.lpszFind;
    }
}

TEST_F(RichEditTest, FindTextWithoutCaseMatchesEveryLetterOfTheCodePage)
{
    Ctrl().SetWindowText("Die KÄSEREI, der Käse\rund KÄSE");
    Ctrl().SetSel(0, 0);
    struct Step
    {
        LPCSTR lpszFind;
        BOOL bWord;
        BOOL bNext;
        long nStart;
    };
    const Step steps[] = {
        { "käse", FALSE, TRUE, 4 },
        { "käse", TRUE, TRUE, 17 },    // a word, after the paragraph's end counted as one
        { "KÄSE", TRUE, TRUE, 26 },
        { "käse", TRUE, TRUE, 17 },    // wraps to the start
        { "käse", FALSE, FALSE, 4 },   // backwards
        { "käse", FALSE, FALSE, 26 },  // wraps to the end
    };
    for (const Step& step : steps)
    {
        EXPECT_TRUE(m_pView->FindText(step.lpszFind, FALSE, step.bWord, step.bNext)) << step.nStart;
        long nStart = 0;
        long nEnd = 0;
        Ctrl().GetSel(nStart, nEnd);
        EXPECT_EQ(step.nStart, nStart);
        EXPECT_EQ(step.nStart + 4, nEnd);
    }
}

// An object the control cannot hold (a drawing of a program that is not
// installed, say) is shown by its result picture, or a stand-in without
// one, and comes back byte for byte when the text is written out, also
// after the text around it was edited.
TEST_F(RichEditTest, EmbeddedObjectsSurviveALoadAndSave)
{
    const std::string drawing =
        "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw2000\\objh1000"
        "{\\*\\objdata 0105000002000000}"
        "{\\result {\\pict\\wmetafile8\\picw100\\pich100 0100090000031100000000000000}}}";
    const std::string sheet =
        "{\\object\\objemb{\\*\\objclass Rechnen.Blatt}{\\*\\objdata 01050000aabbcc}}";
    const std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard Vorher "
                            + drawing + " Mitte " + sheet + " nachher\\par}";
    StreamIn(*m_pView, rtf);
    Ctrl().SetModify(FALSE);

    std::string out = StreamOut(*m_pView);
    EXPECT_NE(out.find(drawing), std::string::npos) << out;
    EXPECT_NE(out.find(sheet), std::string::npos) << out;
    EXPECT_LT(out.find("Vorher"), out.find(drawing));
    EXPECT_LT(out.find(drawing), out.find("Mitte"));
    EXPECT_LT(out.find(sheet), out.find("nachher"));
    // Taking the objects out of the way leaves no trace in the text.
    EXPECT_FALSE(Ctrl().GetModify());
    EXPECT_FALSE(Ctrl().CanUndo());

    // Typing before the objects moves them, it does not lose them.
    Ctrl().SetSel(0, 0);
    Ctrl().ReplaceSel("Neu: ", TRUE);
    out = StreamOut(*m_pView);
    EXPECT_NE(out.find(drawing), std::string::npos) << out;
    EXPECT_NE(out.find(sheet), std::string::npos) << out;
    EXPECT_LT(out.find("Neu:"), out.find(drawing));

    // Loaded again from its own output, the text is the same.
    StreamIn(*m_pView, out);
    EXPECT_EQ(StreamOut(*m_pView), out);

    // A deleted object is gone for good.
    CString strText;
    m_pView->GetWindowText(strText);
    long nSheet = strText.Find("Mitte") + 6;
    Ctrl().SetSel(nSheet, nSheet + 1);
    Ctrl().ReplaceSel("", TRUE);
    out = StreamOut(*m_pView);
    EXPECT_NE(out.find(drawing), std::string::npos) << out;
    EXPECT_EQ(out.find(sheet), std::string::npos) << out;
}

int ItemCount(CRichEditDoc& doc)
{
    int nItems = 0;
    POSITION pos = doc.GetStartPosition();
    while (pos != nullptr)
    {
        doc.GetNextItem(pos);
        ++nItems;
    }
    return nItems;
}

// A picture pasted into the text is an object the control keeps in a
// storage of the view's; selected, it is the document's item; it is
// written with the text, and its item goes once the object is deleted.
TEST_F(RichEditTest, APastedPictureIsTheDocumentsItemWhileInTheText)
{
    HDC hdcMeta = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hdcMeta, nullptr);
    ::Rectangle(hdcMeta, 0, 0, 40, 30);
    HENHMETAFILE hMeta = ::CloseEnhMetaFile(hdcMeta);
    ASSERT_TRUE(::OpenClipboard(m_pView->m_hWnd));
    ::EmptyClipboard();
    ASSERT_NE(::SetClipboardData(CF_ENHMETAFILE, hMeta), nullptr);
    ::CloseClipboard();

    Ctrl().SetWindowText("ab");
    Ctrl().SetSel(1, 1);
    m_pView->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(Ctrl().GetTextLength(), 3);

    // Text selected: no item.
    Ctrl().SetSel(0, 1);
    EXPECT_EQ(m_pView->GetSelectedItem(), nullptr);
    Ctrl().SetSel(1, 2);
    CRichEditCntrItem* pItem = m_pView->GetSelectedItem();
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->GetType(), OT_STATIC);
    EXPECT_EQ(pItem->GetDocument(), m_pDoc);
    EXPECT_TRUE(m_pView->IsSelected(pItem));
    EXPECT_EQ(m_pView->GetSelectedItem(), pItem);
    EXPECT_EQ(ItemCount(*m_pDoc), 1);

    // Written in its place and read back as an object again.
    std::string out = StreamOut(*m_pView);
    const size_t nPicture = out.find("\\pict");
    ASSERT_NE(nPicture, std::string::npos) << out;
    EXPECT_LT(out.find(" a"), nPicture);
    EXPECT_GT(out.find("b\\par"), nPicture);
    StreamIn(*m_pView, out);
    EXPECT_EQ(Ctrl().GetTextLength(), 3);
    EXPECT_EQ(ItemCount(*m_pDoc), 0);
    Ctrl().SetSel(1, 2);
    EXPECT_NE(m_pView->GetSelectedItem(), nullptr);
    EXPECT_EQ(ItemCount(*m_pDoc), 1);

    // Deleted: neither in the text nor among the items once written.
    Ctrl().ReplaceSel("", TRUE);
    out = StreamOut(*m_pView);
    EXPECT_EQ(out.find("\\pict"), std::string::npos) << out;
    EXPECT_EQ(ItemCount(*m_pDoc), 0);
}

} // namespace
