// CXTPStatusBarPane: one pane of the status bar: its command id, text,
// width, style bits, colours, font, icon, padding, alignment, tooltip and an
// optional child window placed over it. The status bar lays the panes out
// and hands each to the paint manager to draw; a pane also stands alone (the
// paint manager's tests draw one without a bar).
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"
#include "framework/ui/Gdi.h"

class CDC;
class CWnd;
class CXTPImageManagerIcon;
class CXTPStatusBar;

// Pane style bits; the low word also goes to the control with the text.
const UINT XTP_SBPS_NOBORDERS = 0x100;
const UINT XTP_SBPS_POPOUT = 0x200;
const UINT XTP_SBPS_DISABLED = 0x04000000;
const UINT XTP_SBPS_STRETCH = 0x08000000;

class CXTPStatusBarPane : public CCmdTarget
{
public:
    CXTPStatusBarPane();
    ~CXTPStatusBarPane() override;

    UINT GetID() const { return m_nID; }
    void SetID(UINT nID) { m_nID = nID; }
    // Width of the text area in pixels (the bar adds its own margins).
    int GetWidth() const { return m_cxText; }
    void SetWidth(int cxText);
    UINT GetStyle() const { return m_nStyle; }
    void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    BOOL IsEnabled() const { return (m_nStyle & XTP_SBPS_DISABLED) == 0; }
    BOOL IsVisible() const { return m_bVisible; }
    // A hidden pane keeps its text and gives its place to the others.
    void SetVisible(BOOL bVisible);
    // -1: none.
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    void SetBackgroundColor(COLORREF clr) { m_clrBackground = clr; }
    // -1: the paint manager's status text colour.
    COLORREF GetTextColor() const { return m_clrText; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    // The pane's own font when it has one, else the bar's; null for a pane
    // without either (the DC's font stays).
    virtual CFont* GetTextFont();
    // The pane takes a copy of the font.
    void SetTextFont(CFont* pFont);
    void SetTextFont(const LOGFONTA* pLogFont);
    // The icon of the icon id from the bar's image manager; null without one.
    virtual CXTPImageManagerIcon* GetIcon();
    CXTPImageManagerIcon* GetImage() { return GetIcon(); }
    int GetIconId() const { return m_nIconId; }
    void SetIconId(int nIconId) { m_nIconId = nIconId; }
    // Margins between the pane's rectangle and its icon and text.
    CRect GetPadding() const { return m_rcPadding; }
    void SetPadding(const CRect& rcPadding) { m_rcPadding = rcPadding; }
    // 0 left, 1 centre, 2 right.
    int GetTextAlignment() const { return m_nAlignment; }
    void SetTextAlignment(int nAlignment) { m_nAlignment = nAlignment; }
    CString GetText() const { return m_strText; }
    // Sets the text and hands it on at once through the bar when the pane
    // has one; else only stores it.
    void SetText(LPCSTR lpszText);
    CString GetTooltip() const { return m_strToolTip; }
    void SetTooltip(LPCSTR lpszToolTip) { m_strToolTip = lpszToolTip; }
    // A window placed over the pane; with bAutoDelete the pane also deletes
    // the window object when it goes.
    CWnd* GetChild() const { return m_pChild; }
    void SetChild(CWnd* pChild, BOOL bAutoDelete = FALSE);
    // Position in the bar's list and among its visible panes (-1 until laid out).
    int GetIndex() const { return m_nIndex; }
    int GetVisibleIndex() const { return m_nVisibleIndex; }

    virtual void Draw(CDC* pDC, CRect rc);

    CXTPStatusBar* GetStatusBar() const { return m_pStatusBar; }
    void SetStatusBar(CXTPStatusBar* pStatusBar) { m_pStatusBar = pStatusBar; }
    // TRUE when the text of the pane shows while it is disabled: the bar's
    // setting, or the pane's own without a bar.
    BOOL IsDisabledTextShown() const;
    void SetDisabledTextShown(BOOL bShow) { m_bShowDisabledText = bShow; }

private:
    friend class CXTPStatusBar;
    enum StateFlags { textPending = 1 };

    UINT m_nID;
    int m_cxText;
    UINT m_nStyle;
    UINT m_nFlags;
    CString m_strText;
    BOOL m_bVisible;
    COLORREF m_clrText;
    COLORREF m_clrBackground;
    CString m_strToolTip;
    CWnd* m_pChild;
    BOOL m_bAutoDeleteChild;
    int m_nAlignment;
    CXTPStatusBar* m_pStatusBar;
    int m_nIndex;
    int m_nVisibleIndex;
    CFont m_font;
    int m_nIconId;
    CRect m_rcPadding;
    BOOL m_bShowDisabledText;
};
