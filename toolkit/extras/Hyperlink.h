// CXTHyperLink: a static text control that shows a link. It draws its text
// underlined in the link colour, in the hover colour while the mouse is over
// the text and in the visited colour once followed, shows the hand cursor
// and a tooltip with the target, and opens the target through the shell
// when clicked. Icon and bitmap statics keep their own drawing and pass
// their clicks on to the parent.
#pragma once

#include "framework/ui/Gdi.h"
#include "framework/ui/Static.h"
#include "framework/ui/ToolTipCtrl.h"

class CXTHyperLink : public CStatic
{
    DECLARE_DYNAMIC(CXTHyperLink)
public:
    CXTHyperLink();
    ~CXTHyperLink() override;

    virtual void SetTarget(LPCSTR lpszTarget);
    virtual CString GetTarget() const;
    // Stores the three colours and redraws.
    virtual void SetLinkColors(COLORREF clrLink, COLORREF clrVisited, COLORREF clrHover);
    virtual COLORREF GetLinkColor() const;
    virtual COLORREF GetVisitedColor() const;
    virtual COLORREF GetHoverColor() const;
    virtual void SetVisited(bool bVisited);
    virtual BOOL IsVisited() const;
    virtual void SetLinkCursor(HCURSOR hCursor);
    virtual HCURSOR GetLinkCursor() const;
    virtual void SetUnderline(bool bUnderline);
    virtual BOOL GetUnderline() const;
    // -1 stands for the toolkit's button-face colour.
    virtual void SetBackColor(COLORREF clrBack);
    virtual COLORREF GetBackColor() const;
    // Opens lpszLink (the target when null) with the shell's "open" verb;
    // a failure is reported to the user and answers FALSE.
    virtual BOOL OpenLink(LPCSTR lpszLink = nullptr, int nShowCmd = SW_SHOW,
                          LPCSTR lpszParams = nullptr, LPCSTR lpszDir = nullptr);
    // TRUE for left, centred and right aligned text statics.
    virtual BOOL IsTextStatic() const;
    virtual BOOL IsCursorOverText() const;
    // Tells the user why the shell could not open the link (its error code).
    virtual void ReportOpenError(int nError);
    virtual void InitLink();
    virtual BOOL ApplyLinkFont();
    // The window's font (else the status-bar font) with the underline flag
    // replaced, made into pFont; FALSE leaves pFont as it was.
    virtual BOOL MakeLinkFont(CFont* pFont, bool bUnderline);

    void ActivateTip(BOOL bActivate);
    // Follow on click off: a click only marks the link visited.
    void SetFollowOnClick(bool bFollow) { m_bFollowOnClick = bFollow; }
    BOOL GetHover() const { return m_bHover; }
    CToolTipCtrl& GetToolTip() { return m_wndToolTip; }

    // Paints the client area as WM_PAINT does: the background colour, then
    // the static's own drawing, through an off-screen bitmap into pDC.
    void PaintLink(CDC* pDC);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The mouse position in screen coordinates; a test stands in its own.
    virtual CPoint GetCursorPoint() const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnClicked();

    DECLARE_MESSAGE_MAP()

private:
    void Redraw();

    bool m_bFollowOnClick;
    bool m_bInitOnSubclass;
    bool m_bUnderline;
    bool m_bHover;
    bool m_bVisited;
    bool m_bTipActive;
    CFont m_fontLink;
    CString m_strTarget;
    CString m_strTipText;
    HCURSOR m_hcurLink;
    COLORREF m_clrLink;
    COLORREF m_clrHover;
    COLORREF m_clrVisited;
    COLORREF m_clrBack;
    CToolTipCtrl m_wndToolTip;
};
