#include "framework/ui/RichEditView.h"

#include "framework/core/Archive.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FontDialog.h"
#include "framework/ui/RichEditDoc.h"
#include "framework/ui/RichEditSafeRtf.h"
#include "framework/ui/WinAppDocuments.h"

#include <algorithm>
#include <string>
#include <utility>

IMPLEMENT_DYNCREATE(CRichEditView, CCtrlView)

namespace {

// Registered when the program starts, so every view and the shell agree on
// its number.
const UINT g_nMsgPrinterChanged = ::RegisterWindowMessageA(AFX_PRINTER_CHANGED_MESSAGE);

// Longest text the control takes (the default would be 32 KB).
const long kMaxTextSize = 0x0FFFFFFF;

LPCSTR RichEditClass()
{
    LPCSTR lpszClass = CRichEditCtrl::GetWindowClassName();
    return lpszClass != nullptr ? lpszClass : RICHEDIT_CLASSA;
}

// The archive of one streaming run and the first error it met: an exception
// must not unwind through the control.
struct StreamCookie
{
    CArchive* pArchive;
    CException* pError;
};

DWORD CALLBACK StringStreamOut(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    reinterpret_cast<std::string*>(dwCookie)->append(reinterpret_cast<char*>(pbBuff),
                                                     static_cast<size_t>(cb));
    *pcb = cb;
    return 0;
}

DWORD CALLBACK EditStreamCallback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    auto* pCookie = reinterpret_cast<StreamCookie*>(dwCookie);
    *pcb = 0;
    if (pCookie->pError != nullptr)
        return 1;
    try
    {
        if (pCookie->pArchive->IsStoring())
        {
            pCookie->pArchive->Write(pbBuff, static_cast<UINT>(cb));
            *pcb = cb;
        }
        else
        {
            *pcb = static_cast<LONG>(pCookie->pArchive->Read(pbBuff, static_cast<UINT>(cb)));
        }
    }
    catch (CException* e)
    {
        pCookie->pError = e;
        return 1;
    }
    return 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CRichEditView, CCtrlView)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(g_nMsgPrinterChanged, OnPrinterChangedMessage)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_PASTE, OnPasteMessage)
    ON_MESSAGE(EM_PASTESPECIAL, OnPasteMessage)
    ON_WM_MBUTTONDOWN()
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_COMMAND(ID_FORMAT_FONT, OnFormatFont)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateNeedClip)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateNeedText)
END_MESSAGE_MAP()

CRichEditView::CRichEditView()
    : CCtrlView(RichEditClass(), AFX_WS_DEFAULT_VIEW | WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL
                                     | ES_AUTOVSCROLL | ES_MULTILINE | ES_NOHIDESEL | ES_SAVESEL
                                     | ES_SELECTIONBAR),
      m_rectMargin(1800, 1440, 1800, 1440),
      m_sizePaper(11906, 16838),   // A4 until a printer says otherwise
      m_xRichEditOleCallback(this)
{
    m_charformat = {};
    m_charformat.cbSize = sizeof(CHARFORMAT2A);
    m_paraformat = {};
    m_paraformat.cbSize = sizeof(PARAFORMAT2);
}

CRichEditView::~CRichEditView() = default;

UINT CRichEditView::GetPrinterChangedMessage()
{
    return g_nMsgPrinterChanged;
}

CRichEditCtrl& CRichEditView::GetRichEditCtrl() const
{
    static_assert(sizeof(CRichEditCtrl) == sizeof(CWnd), "CRichEditCtrl must not add data to CWnd");
    return *reinterpret_cast<CRichEditCtrl*>(const_cast<CRichEditView*>(this));
}

CRichEditDoc* CRichEditView::GetDocument() const
{
    return static_cast<CRichEditDoc*>(m_pDocument);
}

BOOL CRichEditView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CCtrlView::PreCreateWindow(cs))
        return FALSE;
    // A selection bar in a window of no size confuses the control.
    if (cs.cx == 0 && cs.cy == 0)
    {
        cs.cx = 100;
        cs.cy = 100;
    }
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CRichEditView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCtrlView::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    ctrl.LimitText(kMaxTextSize);
    ctrl.SetEventMask(ENM_SELCHANGE | ENM_CHANGE | ENM_SCROLL);
    ctrl.SetOLECallback(&m_xRichEditOleCallback);
    return 0;
}

void CRichEditView::OnInitialUpdate()
{
    CCtrlView::OnInitialUpdate();
    WrapChanged();
}

long CRichEditView::GetTextLength() const
{
    GETTEXTLENGTHEX textLen = { GTL_NUMCHARS | GTL_PRECISE, 1200 };
    return static_cast<long>(::SendMessageA(m_hWnd, EM_GETTEXTLENGTHEX,
                                            reinterpret_cast<WPARAM>(&textLen), 0));
}

void CRichEditView::DeleteContents()
{
    CWaitCursor wait;
    m_objectKeeper.Clear();
    SetWindowText("");
    GetRichEditCtrl().EmptyUndoBuffer();
}

// ---------------------------------------------------------------------------
// Streaming

void CRichEditView::Stream(CArchive& ar, BOOL bSelection)
{
    CRichEditDoc* pDoc = GetDocument();
    int nFormat = pDoc != nullptr ? pDoc->GetStreamFormat() : SF_RTF;
    if (!bSelection && nFormat == SF_RTF && CRichEditObjectKeeper::ControlDropsObjects())
    {
        StreamKeepingObjects(ar);
        // The control does not always tell of the objects it dropped: their
        // items go once the whole text has been written or replaced.
        if (pDoc != nullptr)
            pDoc->DeleteUnusedItems();
        return;
    }

    StreamCookie cookie = { &ar, nullptr };
    EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&cookie), 0, EditStreamCallback };
    if (bSelection)
        nFormat |= SFF_SELECTION;

    if (ar.IsStoring())
    {
        GetRichEditCtrl().StreamOut(nFormat, es);
    }
    else if (nFormat & SF_RTF)
    {
        AfxStreamInSafely(GetRichEditCtrl().m_hWnd, AfxReadRestOfArchive(ar), nFormat);
        Invalidate();
    }
    else
    {
        GetRichEditCtrl().StreamIn(nFormat, es);
        Invalidate();
    }
    if (cookie.pError != nullptr)
        throw cookie.pError;
    if (!bSelection && pDoc != nullptr)
        pDoc->DeleteUnusedItems();
}

// The whole rich text passes through memory, so the object groups the
// control cannot hold are taken out before it reads and put back after it
// wrote.
void CRichEditView::StreamKeepingObjects(CArchive& ar)
{
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    if (ar.IsStoring())
    {
        std::string rtf;
        EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&rtf), 0, StringStreamOut };
        ctrl.StreamOut(SF_RTF, es);
        rtf = m_objectKeeper.RestoreObjects(ctrl, rtf);
        ar.Write(rtf.data(), static_cast<UINT>(rtf.size()));
        return;
    }

    AfxStreamInSafely(ctrl.m_hWnd, m_objectKeeper.PrepareLoad(AfxReadRestOfArchive(ar)), SF_RTF);
    m_objectKeeper.FinishLoad(ctrl);
    Invalidate();
}

void CRichEditView::Serialize(CArchive& ar)
{
    Stream(ar, FALSE);
}

// ---------------------------------------------------------------------------
// Formats

CHARFORMAT2A& CRichEditView::GetCharFormatSelection()
{
    m_charformat = {};
    m_charformat.cbSize = sizeof(CHARFORMAT2A);
    GetRichEditCtrl().GetSelectionCharFormat(m_charformat);
    return m_charformat;
}

PARAFORMAT2& CRichEditView::GetParaFormatSelection()
{
    m_paraformat = {};
    m_paraformat.cbSize = sizeof(PARAFORMAT2);
    GetRichEditCtrl().GetParaFormat(m_paraformat);
    return m_paraformat;
}

// A format change is an edit of the text. Some rich-edit controls do not
// flag a change of the paragraph format (or of characters) as a
// modification, so the view flags it itself.
void CRichEditView::SetCharFormat(CHARFORMAT2A cf)
{
    CWaitCursor wait;
    cf.cbSize = sizeof(CHARFORMAT2A);
    if (GetRichEditCtrl().SetSelectionCharFormat(cf))
        GetRichEditCtrl().SetModify(TRUE);
}

BOOL CRichEditView::SetParaFormat(PARAFORMAT2& pf)
{
    CWaitCursor wait;
    pf.cbSize = sizeof(PARAFORMAT2);
    if (!GetRichEditCtrl().SetParaFormat(pf))
        return FALSE;
    GetRichEditCtrl().SetModify(TRUE);
    return TRUE;
}

void CRichEditView::OnCharEffect(DWORD dwMask, DWORD dwEffect)
{
    CHARFORMAT2A cf = GetCharFormatSelection();
    if ((cf.dwMask & dwMask) && (cf.dwEffects & dwEffect))
        cf.dwEffects &= ~dwEffect;
    else
        cf.dwEffects |= dwEffect;
    cf.dwMask = dwMask;
    SetCharFormat(cf);
}

void CRichEditView::OnUpdateCharEffect(CCmdUI* pCmdUI, DWORD dwMask, DWORD dwEffect)
{
    const CHARFORMAT2A& cf = GetCharFormatSelection();
    pCmdUI->SetCheck((cf.dwMask & dwMask) ? ((cf.dwEffects & dwEffect) ? 1 : 0) : 2);
}

void CRichEditView::OnParaAlign(WORD wAlign)
{
    PARAFORMAT2 pf = GetParaFormatSelection();
    pf.dwMask = PFM_ALIGNMENT;
    pf.wAlignment = wAlign;
    SetParaFormat(pf);
}

void CRichEditView::OnUpdateParaAlign(CCmdUI* pCmdUI, WORD wAlign)
{
    const PARAFORMAT2& pf = GetParaFormatSelection();
    pCmdUI->SetCheck((pf.dwMask & PFM_ALIGNMENT) ? (pf.wAlignment == wAlign ? 1 : 0) : 2);
}

// ---------------------------------------------------------------------------
// Finding, wrapping, pasting

namespace {

BOOL IsWordCharacter(char ch)
{
    return ::IsCharAlphaNumericA(ch) || ch == '_';
}

// The first (bDown) or last occurrence of find that lies wholly within
// [nLow, nHigh) of text; -1 when there is none.
long FindWithin(const CString& text, const CString& find, long nLow, long nHigh, BOOL bWord, BOOL bDown)
{
    const long nFind = find.GetLength();
    const long nText = text.GetLength();
    nLow = std::max(nLow, 0L);
    nHigh = std::min(nHigh, nText);
    long nHit = -1;
    for (long n = nLow; n + nFind <= nHigh; ++n) {
        if (memcmp(text.GetString() + n, find.GetString(), static_cast<size_t>(nFind)) != 0)
            continue;
        if (bWord && ((n > 0 && IsWordCharacter(text[n - 1]))
                      || (n + nFind < nText && IsWordCharacter(text[n + nFind]))))
            continue;
        nHit = n;
        if (bDown)
            break;
    }
    return nHit;
}

} // namespace

// The control's own find, without regard to case, folds only the ASCII
// letters on some systems ("KÄSE" misses "Käse"); that search runs here
// on the text folded by the code page's rules. Positions are those of the
// control because the code page has one byte per character.
BOOL CRichEditView::FindText(LPCSTR lpszFind, BOOL bCase, BOOL bWord, BOOL bNext)
{
    if (lpszFind == nullptr || *lpszFind == '\0')
        return FALSE;
    if (bCase)
        return FindTextByControl(lpszFind, bWord, bNext);
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    CWaitCursor wait;
    CHARRANGE sel = {};
    ctrl.GetSel(sel);
    CString text = ctrl.GetTextRange(0, -1);
    CString find = lpszFind;
    text.MakeLower();
    find.MakeLower();
    const long nFind = find.GetLength();
    const long nText = text.GetLength();
    long nHit;
    if (bNext) {
        // From the selection (past a hit that is selected already) to the
        // end, then from the start.
        nHit = FindWithin(text, find, sel.cpMin != sel.cpMax ? sel.cpMin + 1 : sel.cpMin, nText, bWord, TRUE);
        if (nHit < 0)
            nHit = FindWithin(text, find, 0, sel.cpMin + nFind, bWord, TRUE);
    } else {
        nHit = FindWithin(text, find, 0, sel.cpMin, bWord, FALSE);
        if (nHit < 0)
            nHit = FindWithin(text, find, sel.cpMin, nText, bWord, FALSE);
    }
    if (nHit < 0)
        return FALSE;
    ctrl.SetSel(nHit, nHit + nFind);
    return TRUE;
}

BOOL CRichEditView::FindTextByControl(LPCSTR lpszFind, BOOL bWord, BOOL bNext)
{
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    CWaitCursor wait;
    CHARRANGE sel = {};
    ctrl.GetSel(sel);
    DWORD dwFlags = FR_MATCHCASE | (bWord ? FR_WHOLEWORD : 0) | (bNext ? FR_DOWN : 0);

    FINDTEXTEXA ft = {};
    ft.lpstrText = lpszFind;
    // Forward: from the selection (past a hit that is selected already) to
    // the end, then from the start. Backward: towards the start, then from
    // the end.
    if (bNext)
    {
        ft.chrg.cpMin = sel.cpMin != sel.cpMax ? sel.cpMin + 1 : sel.cpMin;
        ft.chrg.cpMax = -1;
    }
    else
    {
        ft.chrg.cpMin = sel.cpMin;
        ft.chrg.cpMax = 0;
    }
    long nHit = ctrl.FindText(dwFlags, &ft);
    if (nHit < 0)
    {
        if (bNext)
        {
            ft.chrg.cpMin = 0;
            ft.chrg.cpMax = sel.cpMin + lstrlenA(lpszFind);
        }
        else
        {
            ft.chrg.cpMin = GetTextLength();
            ft.chrg.cpMax = sel.cpMin;
        }
        nHit = ctrl.FindText(dwFlags, &ft);
    }
    if (nHit < 0)
        return FALSE;
    ctrl.SetSel(ft.chrgText);
    return TRUE;
}

BOOL CRichEditView::CanPaste() const
{
    return GetRichEditCtrl().CanPaste(0);
}

// ---------------------------------------------------------------------------
// Edit commands

void CRichEditView::OnEditUndo()
{
    GetRichEditCtrl().Undo();
}

void CRichEditView::OnEditClear()
{
    GetRichEditCtrl().Clear();
}

void CRichEditView::OnEditCut()
{
    GetRichEditCtrl().Cut();
}

void CRichEditView::OnEditCopy()
{
    GetRichEditCtrl().Copy();
}

void CRichEditView::OnEditPaste()
{
    GetRichEditCtrl().Paste();
}

void CRichEditView::OnEditSelectAll()
{
    GetRichEditCtrl().SetSel(0, -1);
}

// The font dialog on the selection's format: what the selection has in
// common is filled in, the rest left open.
void CRichEditView::OnFormatFont()
{
    const CHARFORMAT2A& cf2 = GetCharFormatSelection();
    CHARFORMATA cf;
    memcpy(&cf, &cf2, sizeof(cf));
    cf.cbSize = sizeof(CHARFORMATA);
    // The printer's fonts beside the screen's when there is a printer; the
    // screen's alone otherwise (the printer fonts need the printer's DC).
    CDC dcPrinter;
    CWinAppDocuments* pApp = AfxGetAppDocuments();
    const BOOL bPrinter = pApp != nullptr && pApp->CreatePrinterDC(dcPrinter);
    CFontDialog dlg(cf, CF_SCREENFONTS | CF_NOOEMFONTS, bPrinter ? &dcPrinter : nullptr);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.GetCharFormat(cf);
    CHARFORMAT2A cfNew = {};
    memcpy(&cfNew, &cf, sizeof(cf));
    cfNew.cbSize = sizeof(CHARFORMAT2A);
    SetCharFormat(cfNew);
}

void CRichEditView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetRichEditCtrl().CanUndo());
}

void CRichEditView::OnUpdateNeedSel(CCmdUI* pCmdUI)
{
    long nStart = 0;
    long nEnd = 0;
    GetRichEditCtrl().GetSel(nStart, nEnd);
    pCmdUI->Enable(nStart != nEnd);
}

void CRichEditView::OnUpdateNeedClip(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanPaste());
}

void CRichEditView::OnUpdateNeedText(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetTextLength() != 0);
}
