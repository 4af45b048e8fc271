// The tooltip windows of CXTPToolTipContext. CStandardToolTip is the
// system's tooltip; CXTPToolTipContextToolTip draws itself (a solid tip with
// a frame) and is the base of the gradient tips (Luna, Office 2007) and the
// rich-text tip. The self-drawn tips keep a list of tools as the system's
// does, wait 500 ms on the toolkit's clock before a tip shows (none within
// 200 ms of the last show or hide), and watch the mouse through a
// thread-wide hook while a tip is shown.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/String.h"
#include "framework/ui/ToolTipCtrl.h"
#include "toolkit/extras/ToolTipContext.h"

class CXTPImageManagerIcon;

// One tool of a self-drawn tip.
struct TOOLITEM
{
    CString strText;
    BOOL bTextCallback = FALSE;   // the text is asked for when shown
    UINT uFlags = 0;
    CRect rect;                   // client coordinates of hWnd
    HINSTANCE hInst = nullptr;
    HWND hWnd = nullptr;
    UINT_PTR uId = static_cast<UINT_PTR>(-1);

    BOOL IsSameTool(const TOOLITEM& other) const { return hWnd == other.hWnd && uId == other.uId; }
    BOOL IsNone() const { return hWnd == nullptr && uId == static_cast<UINT_PTR>(-1); }
    void Clear();
};

class CXTPToolTipContext::CStandardToolTip : public CToolTipCtrl
{
protected:
    afx_msg LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CXTPToolTipContextToolTip : public CWnd
{
public:
    explicit CXTPToolTipContextToolTip(CXTPToolTipContext* pContext);
    ~CXTPToolTipContextToolTip() override;

    // A popup owned by pOwner with the tip style bits.
    BOOL Create(CWnd* pOwner, DWORD dwStyle);

    // The size of the tip for the tool; 0 by 0 shows no tip.
    virtual CSize CalcTipSize(TOOLITEM& tool);
    virtual void DrawContent(CDC* pDC, TOOLITEM& tool, CRect rect);
    virtual void DrawBackground(CDC* pDC, TOOLITEM& tool, CRect rect);

    // A relayed mouse message (TTM_RELAYEVENT).
    void RelayEvent(const MSG* pMsg);
    // Shows the tool's tip at the cursor, or hides it (null).
    void ShowTool(const TOOLITEM* pTool);
    // The first tool under the cursor, or null.
    TOOLITEM* ToolFromCursor();
    // The tool's text, asked from the parent for callback tools.
    CString GetToolText(TOOLITEM& tool);

    const TOOLITEM& GetShownTool() const { return m_toolShown; }
    // TRUE while this tip holds the thread's mouse hook.
    BOOL HoldsMouseHook() const;
    const TOOLITEM& GetPendingTool() const { return m_toolPending; }
    BOOL IsActive() const { return m_bActive; }
    INT_PTR GetToolCount() const { return m_arrTools.GetSize(); }
    const CString& GetTitle() const { return m_strTitle; }
    CXTPImageManagerIcon* GetTitleIcon() const { return m_pTitleIcon; }

    // The height of the cursor below its hot spot (21 when unknown).
    static int GetCursorHeightBelowHotSpot(HCURSOR hCursor);

    enum
    {
        TIMER_PENDING = 1,
        INITIAL_DELAY = 500,
        RESHOW_WINDOW = 200
    };

protected:
    // The cursor position in screen coordinates, and the window there.
    virtual CPoint GetCursorPoint() const;
    virtual HWND WindowUnderCursor(CPoint pt) const;
    void PostNcDestroy() override;

    afx_msg LRESULT OnAddTool(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDelTool(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUpdateTipText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTitle(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayEvent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTitleIcon(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CXTPToolTipContext* m_pContext;
    CString m_strTitle;
    CXTPImageManagerIcon* m_pTitleIcon;

private:
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    void InstallHook();
    void RemoveHook();
    void KillPendingTimer();
    INT_PTR FindTool(HWND hWnd, UINT_PTR uId) const;
    // The tool's rectangle on the screen.
    BOOL GetToolScreenRect(const TOOLITEM& tool, CRect& rect) const;

    CArray<TOOLITEM*, TOOLITEM*> m_arrTools;
    BOOL m_bActive;
    TOOLITEM m_toolShown;
    TOOLITEM m_toolClicked;
    TOOLITEM m_toolPending;
    UINT_PTR m_nPendingTimer;
    DWORD m_dwLastShowHide;
    HWND m_hWndTextParent;
};

class CXTPToolTipContext::CLunaToolTip : public CXTPToolTipContextToolTip
{
public:
    using CXTPToolTipContextToolTip::CXTPToolTipContextToolTip;
    void DrawBackground(CDC* pDC, TOOLITEM& tool, CRect rect) override;
};

class CXTPToolTipContext::COffice2007ToolTip : public CXTPToolTipContextToolTip
{
public:
    using CXTPToolTipContextToolTip::CXTPToolTipContextToolTip;
    void DrawBackground(CDC* pDC, TOOLITEM& tool, CRect rect) override;
};

class CXTPToolTipContext::CRichEditToolTip : public CXTPToolTipContextToolTip
{
public:
    using CXTPToolTipContextToolTip::CXTPToolTipContextToolTip;
    CSize CalcTipSize(TOOLITEM& tool) override;
    void DrawContent(CDC* pDC, TOOLITEM& tool, CRect rect) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

private:
    // The size the rich-edit child needs at a width.
    CSize RequestSize(int nWidth);

    CWnd m_wndRichEdit;
    CSize m_sizeRequested;
};
