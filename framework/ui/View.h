// CView: a window that shows a document. A view joins its document when it
// is created from a creation context, leaves it when it is destroyed, gets
// its first update through WM_INITIALUPDATE and later ones from the
// document (OnUpdate), takes commands before its document does, and deletes
// itself when its window is gone.
//
// Printing: OnFilePrint runs the print loop (prepare, begin, one OnPrint per
// page, end) on the printer's DC; OnFilePrintPreview shows the same pages in
// the frame's print preview.
#pragma once

#include "framework/ui/DropEffect.h"
#include "framework/ui/Wnd.h"

class CDC;
class COleDataObject;
class COleDropTarget;
class CDocument;
class CPrintDialog;
class CPreviewView;
struct CPrintInfo;
struct CPrintPreviewState;

// The style of a view the frame creates: a child with the sunken edge.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const;

    // ---- updates and activation ----
    virtual void OnInitialUpdate();
    // The document changed (lHint and pHint say what); by default the whole
    // view is redrawn.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual BOOL IsSelected(const CObject* pDocItem) const;

    // Draws the document, on the screen (OnPaint), the printer or the
    // preview.
    virtual void OnDraw(CDC* pDC);

    // ---- printing ----
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // Fills pInfo before the print dialog; usually calls DoPreparePrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
    // The print dialog (or, for direct printing and preview, the default
    // printer); makes the printer DC in pInfo->m_pPD. FALSE: cancelled or no
    // printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    // Prints every page of pInfo's range on pDC: OnBeginPrinting, per page
    // OnPrepareDC and OnPrint, then OnEndPrinting. A printer's DC gets the
    // print job around it (StartDoc, StartPage, EndPage, EndDoc); a DC
    // standing in for a printer gets the pages drawn straight on it. FALSE
    // when the printer refused the job.
    BOOL PrintDocument(CDC* pDC, CPrintInfo* pInfo, LPCSTR lpszDocName);
    // Shows the print preview of pPrintView in this view's frame.
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                        CPrintPreviewState* pState);

    // ---- dropping (through a COleDropTarget registered for the view) ----
    // Points are client coordinates; the defaults take nothing.
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1 leaves the drop to OnDrop.
    virtual DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    // The registered drop target, revoked when the window goes.
    COleDropTarget* m_pDropTarget = nullptr;

    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    CView();

    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

    CDocument* m_pDocument = nullptr;

    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
