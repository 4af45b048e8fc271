// CXTPStatusBarPane: one pane of the status bar as the paint manager draws
// it: style bits, colours, font, icon, padding, alignment and text.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

class CFont;
class CXTPImageManagerIcon;
class CXTPStatusBar;

// Pane style bits the painter reads.
const UINT XTP_SBPS_NOBORDERS = 0x100;
const UINT XTP_SBPS_DISABLED = 0x04000000;

class CXTPStatusBarPane : public CCmdTarget
{
public:
    CXTPStatusBarPane();

    UINT GetStyle() const { return m_nStyle; }
    void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    BOOL IsEnabled() const { return (m_nStyle & XTP_SBPS_DISABLED) == 0; }
    // -1: none.
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    void SetBackgroundColor(COLORREF clr) { m_clrBackground = clr; }
    COLORREF GetTextColor() const { return m_clrText; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    // Null: the DC's font stays.
    CFont* GetTextFont() const { return m_pFont; }
    void SetTextFont(CFont* pFont) { m_pFont = pFont; }
    // Null when the pane shows no icon; not owned.
    CXTPImageManagerIcon* GetImage() const { return m_pIcon; }
    void SetImage(CXTPImageManagerIcon* pIcon) { m_pIcon = pIcon; }
    // Margins between the pane's rectangle and its icon and text.
    CRect GetPadding() const { return m_rcPadding; }
    void SetPadding(const CRect& rcPadding) { m_rcPadding = rcPadding; }
    // 0 left, 1 centre, 2 right.
    int GetTextAlignment() const { return m_nAlignment; }
    void SetTextAlignment(int nAlignment) { m_nAlignment = nAlignment; }
    CString GetText() const { return m_strText; }
    void SetText(LPCSTR lpszText) { m_strText = lpszText; }

    CXTPStatusBar* GetStatusBar() const { return m_pStatusBar; }
    void SetStatusBar(CXTPStatusBar* pStatusBar) { m_pStatusBar = pStatusBar; }
    // TRUE when the status bar shows the text of disabled panes.
    BOOL IsDisabledTextShown() const { return m_bShowDisabledText; }
    void SetDisabledTextShown(BOOL bShow) { m_bShowDisabledText = bShow; }

private:
    UINT m_nStyle;
    COLORREF m_clrBackground;
    COLORREF m_clrText;
    CFont* m_pFont;
    CXTPImageManagerIcon* m_pIcon;
    CRect m_rcPadding;
    int m_nAlignment;
    CString m_strText;
    CXTPStatusBar* m_pStatusBar;
    BOOL m_bShowDisabledText;
};
