// CRichEditView: a view that is a rich-edit control ("RichEdit20A", else
// "RICHEDIT"). It carries the text of a CRichEditDoc: its whole contents
// stream out to and in from an archive (rich text or plain text), it formats
// the selection (character effects, paragraph alignment, font dialog), runs
// the edit commands, finds text, wraps lines to the window or the paper,
// prints page by page on the printer's DC (EM_FORMATRANGE) and answers the
// control's questions about embedded objects (IRichEditOleCallback: storage
// for new objects, which data to accept, the context menu).
//
// Page layout is in twips: the paper size comes from the printer (A4 when
// there is none), the margins are the view's own.
#pragma once

#include "framework/core/Array.h"
#include "framework/ui/CtrlView.h"
#include "framework/ui/RichEditCtrl.h"
#include "framework/ui/RichEditObjectKeeper.h"
#include "framework/ui/RichEditPageLayout.h"

class CArchive;
class CCmdUI;
class CRichEditCntrItem;
class CRichEditDoc;

// The registered message that tells views the printer changed.
#define AFX_PRINTER_CHANGED_MESSAGE "WordPadPrinterChanged"

class CRichEditView : public CCtrlView
{
    DECLARE_DYNCREATE(CRichEditView)
public:
    CRichEditView();
    ~CRichEditView() override;

    enum WordWrapType
    {
        WrapNone = 0,
        WrapToWindow = 1,
        WrapToTargetDevice = 2
    };
    int m_nWordWrap = WrapToWindow;
    int m_nBulletIndent = 720;
    // Page margins (twips).
    CRect m_rectMargin;
    // Paper size (twips).
    CSize m_sizePaper;
    // First character of each page found so far while printing.
    CDWordArray m_aPageStart;

    // The view itself seen as its control.
    CRichEditCtrl& GetRichEditCtrl() const;
    CRichEditDoc* GetDocument() const;
    // The embedded object the selection consists of, null when the
    // selection is text.
    CRichEditCntrItem* GetSelectedItem() const;
    BOOL IsSelected(const CObject* pDocItem) const override;
    long GetTextLength() const;
    virtual void DeleteContents();

    // ---- streaming ----
    // Stores or loads the whole text (bSelection: only the selection)
    // through the archive, in the document's format (rich or plain text).
    // Embedded objects the control cannot hold are kept aside and written
    // back where they stood.
    void Stream(CArchive& ar, BOOL bSelection);
    void Serialize(CArchive& ar) override;

    // ---- formats ----
    // The selection's formats, asked of the control each time (dwMask says
    // which attributes are the same over the whole selection).
    CHARFORMAT2A& GetCharFormatSelection();
    PARAFORMAT2& GetParaFormatSelection();
    // Apply a format to the selection; the text then counts as modified.
    void SetCharFormat(CHARFORMAT2A cf);
    BOOL SetParaFormat(PARAFORMAT2& pf);
    // Switches the effect on for the selection, or off when the whole
    // selection has it.
    void OnCharEffect(DWORD dwMask, DWORD dwEffect);
    void OnParaAlign(WORD wAlign);
    // Checked 1 when the whole selection has the effect, 0 when none of it,
    // 2 when it is mixed.
    void OnUpdateCharEffect(CCmdUI* pCmdUI, DWORD dwMask, DWORD dwEffect);
    void OnUpdateParaAlign(CCmdUI* pCmdUI, WORD wAlign);

    // ---- finding, wrapping, pasting ----
    // Finds lpszFind from the selection on (after its first character when
    // the selection is not empty), then from the start up to the
    // selection; selects the hit. FALSE when there is none. Without bCase
    // every letter of the code page is matched in either case.
    BOOL FindText(LPCSTR lpszFind, BOOL bCase = TRUE, BOOL bWord = TRUE, BOOL bNext = TRUE);
    // Applies m_nWordWrap to the control.
    virtual void WrapChanged();
    BOOL CanPaste() const;

    // ---- page layout and printing ----
    CSize GetPaperSize() const;
    void SetPaperSize(CSize sizePaper);
    CRect GetMargins() const;
    void SetMargins(const CRect& rectMargin);
    // The printed area on the paper, and the paper, in twips.
    CRect GetPrintRect() const;
    CRect GetPageRect() const;
    int GetPrintWidth() const;
    // The paper of the new printer (dcPrinter may be empty: A4).
    virtual void OnPrinterChanged(const CDC& dcPrinter);
    // Lays out (and draws) the text from nIndexStart on one page of pDC;
    // answers the first character that did not fit.
    long PrintPage(CDC* pDC, long nIndexStart, long nIndexStop);
    // The same without drawing when bOutput is FALSE.
    long LayoutPage(CDC* pDC, long nIndexStart, long nIndexStop, BOOL bOutput);
    // Lays out the text in rectLayout (twips) of pDC, drawing it when
    // bOutput; answers the first character that did not fit.
    long PrintInsideRect(CDC* pDC, RECT& rectLayout, long nIndexStart, long nIndexStop,
                         BOOL bOutput);
    // Lays out the pages before pInfo's current one; FALSE when the text
    // ends earlier.
    BOOL PaginateTo(CDC* pDC, CPrintInfo* pInfo);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    // ---- embedded objects ----
    // The menu the control shows for a right click (the control owns it
    // while it is open); null shows none.
    virtual HMENU GetContextMenu(WORD seltype, LPOLEOBJECT lpoleobj, CHARRANGE* lpchrg);
    // Whether the control may take data being pasted or dropped; S_OK
    // lets it choose the format itself.
    virtual HRESULT QueryAcceptData(LPDATAOBJECT lpdataobj, CLIPFORMAT* lpcfFormat, DWORD dwReco,
                                    BOOL bReally, HGLOBAL hMetaPict);

    static UINT GetPrinterChangedMessage();

    // ---- commands ----
    afx_msg void OnEditUndo();
    afx_msg void OnEditClear();
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    // The pastes the control does itself (Ctrl+V, WM_PASTE,
    // EM_PASTESPECIAL) first look at the clipboard's rich text.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnPasteMessage(WPARAM wParam, LPARAM lParam);
    // A middle click only takes the focus, as the control does on Windows:
    // some rich-edit controls paste on it, past the look at the clipboard.
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnEditSelectAll();
    afx_msg void OnFormatFont();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedSel(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedClip(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedText(CCmdUI* pCmdUI);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;

    // Stream of the whole rich text for a control that drops objects.
    void StreamKeepingObjects(CArchive& ar);
    // Pastes the clipboard's rich text itself, trimmed, when the control
    // could not read it safely (AfxMakeRtfSafeForRichEdit); FALSE when the
    // control's own paste may go ahead.
    BOOL PasteTrimmedRichText();
    // FindText with matching case, by the control's own find.
    BOOL FindTextByControl(LPCSTR lpszFind, BOOL bWord, BOOL bNext);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnPrinterChangedMessage(WPARAM wParam, LPARAM lParam);

    CHARFORMAT2A m_charformat;
    PARAFORMAT2 m_paraformat;
    CRichEditObjectKeeper m_objectKeeper;
    // Pages laid out by a copy of the control, where the control does not
    // lay out pages itself.
    CRichEditPageLayout m_pageLayout;

    // The control's questions about embedded objects; lives as long as the
    // view, so its reference count is only nominal.
    class XRichEditOleCallback : public IRichEditOleCallback
    {
    public:
        explicit XRichEditOleCallback(CRichEditView* pView) : m_pView(pView) {}

        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(GetNewStorage)(LPSTORAGE* ppStg) override;
        STDMETHOD(GetInPlaceContext)(LPOLEINPLACEFRAME* lplpFrame, LPOLEINPLACEUIWINDOW* lplpDoc,
                                     LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
        STDMETHOD(ShowContainerUI)(BOOL fShow) override;
        STDMETHOD(QueryInsertObject)(LPCLSID lpclsid, LPSTORAGE lpstg, LONG cp) override;
        STDMETHOD(DeleteObject)(LPOLEOBJECT lpoleobj) override;
        STDMETHOD(QueryAcceptData)(LPDATAOBJECT lpdataobj, CLIPFORMAT* lpcfFormat, DWORD reco,
                                   BOOL fReally, HGLOBAL hMetaPict) override;
        STDMETHOD(ContextSensitiveHelp)(BOOL fEnterMode) override;
        STDMETHOD(GetClipboardData)(CHARRANGE* lpchrg, DWORD reco,
                                    LPDATAOBJECT* lplpdataobj) override;
        STDMETHOD(GetDragDropEffect)(BOOL fDrag, DWORD grfKeyState, LPDWORD pdwEffect) override;
        STDMETHOD(GetContextMenu)(WORD seltype, LPOLEOBJECT lpoleobj, CHARRANGE* lpchrg,
                                  HMENU* lphmenu) override;

    private:
        CRichEditView* m_pView;
        LONG m_nRef = 1;
    };
    XRichEditOleCallback m_xRichEditOleCallback;

    friend class XRichEditOleCallback;

    DECLARE_MESSAGE_MAP()
};
