// CXTPToolTipContext: the tooltip engine of the toolkit's windows. The
// owner (command bars, status bar) hands every window message to
// RelayWindowMessage; the context asks the window's tool hit test
// (CWnd::OnToolHitTest) which tool lies under the mouse, keeps one tooltip
// window per context, registers the current tool with it and relays the
// mouse messages to it. The tooltip window is the system's (styles 0 and 1)
// or one the toolkit draws itself (styles 2 to 5, ToolTipWnd.h); both speak
// the common-controls tooltip messages.
//
// A hit test fills a TOOLINFO of TOOLINFO_SIZE, or of TOOLINFO_SIZE_EX when
// titles or images are shown; then its lParam points to an
// XTP_TOOLTIP_TOOLINFO_EX. Texts in a hit test's TOOLINFO are heap copies
// (FillToolInfo) that the context frees.
#pragma once

#include "framework/ui/CmdTarget.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/Wnd.h"

#include <commctrl.h>

#include <cstddef>

class CXTPImageManager;

// Tooltip styles.
enum XTPToolTipStyle
{
    xtpToolTipStandard = 0,
    xtpToolTipBalloon = 1,
    xtpToolTipOffice = 2,
    xtpToolTipRTF = 3,
    xtpToolTipLuna = 4,
    xtpToolTipOffice2007 = 5,
};

// Tool flags of the toolkit (cleared before a tool reaches a tip window).
const UINT XTP_TTF_SHOWINACTIVE = 0x40000000;   // shown even when the application is inactive
const UINT XTP_TTF_RESERVED = 0x80000000;

// Private messages of the tooltips.
const UINT XTP_TTM_ISTRANSPARENTCHILD = 0x2A48;   // a child answers 1: its parent is the tool window
const UINT XTP_TTM_SETTITLEICON = 0x2A49;         // lParam: CXTPImageManagerIcon* or null

// The extension of a tool with title, description and image.
struct XTP_TOOLTIP_TOOLINFO_EX
{
    LPSTR lpszBody;                    // heap copy of the description
    LPSTR lpszTitle;                   // heap copy of the title
    CXTPImageManager* pImageManager;   // where the tool's icon comes from
};

class CXTPToolTipContext : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPToolTipContext)
public:
    // TOOLINFO sizes without and with lParam (40 and 44 bytes in 32-bit
    // programs); set explicitly, as older common controls refuse larger ones.
    static constexpr UINT TOOLINFO_SIZE = offsetof(TOOLINFOA, lParam);
    static constexpr UINT TOOLINFO_SIZE_EX = offsetof(TOOLINFOA, lParam) + sizeof(LPARAM);

    class CStandardToolTip;
    class CRichEditToolTip;
    class CLunaToolTip;
    class COffice2007ToolTip;

    CXTPToolTipContext();
    ~CXTPToolTipContext() override;

    // A message of the owner's window procedure.
    void RelayWindowMessage(CWnd* pOwner, UINT message, WPARAM wParam, LPARAM lParam);
    // The message with the cursor position in msg.pt (screen).
    void ProcessMouseMessage(CWnd* pOwner, MSG* pMsg);
    void HideToolTip();
    // new = (old | dwAdd) & ~dwRemove; a change drops the tip window.
    void ModifyTipStyle(DWORD dwRemove, DWORD dwAdd);

    // Fill a hit test's TOOLINFO (cbSize set by the caller): window,
    // rectangle, id and a heap copy of the text; the extended form also the
    // title, body and image manager when cbSize has room for lParam.
    static void FillToolInfo(TOOLINFOA* pToolInfo, HWND hWnd, const CRect& rect, UINT_PTR nId,
                             LPCSTR lpszText);
    static void FillToolInfoEx(TOOLINFOA* pToolInfo, HWND hWnd, const CRect& rect, UINT_PTR nId,
                               LPCSTR lpszText, LPCSTR lpszTitle, LPCSTR lpszBody,
                               CXTPImageManager* pImageManager);
    // Frees what a hit test put into the TOOLINFO.
    static void FreeToolInfoCopies(TOOLINFOA* pToolInfo);
    // The transparent-child rule: a child that answers
    // XTP_TTM_ISTRANSPARENTCHILD with 1 stands for its parent.
    static HWND ToolWindowFromPoint(HWND hWnd);

    // A new style takes effect with a new tip window at the next hover.
    void SetStyle(int nStyle);
    int GetStyle() const { return m_nStyle; }
    void ShowTitleAndDescription(BOOL bShow, int nTitleIcon = 1);
    void ShowImage(BOOL bShow, int nImageBase = 0);
    void SetMaxTipWidth(int nWidth) { m_nMaxTipWidth = nWidth; }
    int GetMaxTipWidth() const { return m_nMaxTipWidth; }
    void SetMargin(const CRect& rcMargin) { m_rcMargin = rcMargin; }
    const CRect& GetMargin() const { return m_rcMargin; }
    void SetDelayTime(DWORD dwDuration, int nTime);
    void SetTipBkColor(COLORREF clr) { m_clrTipBack = clr; }
    void SetTipTextColor(COLORREF clr) { m_clrTipText = clr; }
    // The colours in use: the set ones, else the information colours
    // (text RGB(76, 76, 76) in the Office 2007 style).
    COLORREF GetTipBkColor() const;
    COLORREF GetTipTextColor() const;
    DWORD GetTipStyle() const { return m_dwTipStyle; }
    CFont* GetFont() { return &m_fntToolTip; }
    CFont* GetBoldFont() { return &m_fntToolTipBold; }
    // The tip window made last (null before the first hover).
    CWnd* GetToolTip() const { return m_pToolTip; }
    const TOOLINFOA& GetLastToolInfo() const { return m_lastInfo; }

protected:
    // A new tip window of the current style owned by pOwner; null when it
    // can't be made.
    virtual CWnd* CreateTipWindow(CWnd* pOwner);
    // TRUE while the owner's application is in front.
    virtual BOOL IsOwnerActive(CWnd* pOwner) const;

private:
    void DestroyToolTip();
    void InitTipWindow();
    void RelayToTip(MSG* pMsg);
    void ClearLastTool();

    BOOL m_bShowTitleAndDescription;
    BOOL m_bShowImage;
    int m_nImageBase;
    int m_nStyle;
    DWORD m_dwComCtlVersion;
    int m_nTitleIcon;
    int m_nMaxTipWidth;
    DWORD m_dwTipStyle;
    CRect m_rcMargin;
    int m_nDelayInitial;
    int m_nDelayReshow;
    int m_nDelayAutoPop;
    CWnd* m_pToolTip;
    TOOLINFOA m_lastInfo;
    COLORREF m_clrTipBack;
    COLORREF m_clrTipText;
    CFont m_fntToolTip;
    CFont m_fntToolTipBold;
};

#ifndef _WIN64
static_assert(CXTPToolTipContext::TOOLINFO_SIZE == 40, "TOOLINFO without lParam");
static_assert(CXTPToolTipContext::TOOLINFO_SIZE_EX == 44, "TOOLINFO with lParam");
#endif
