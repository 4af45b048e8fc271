// CToolTipCtrl: a tooltip window of the common-controls class
// "tooltips_class32". Tools are windows (TTF_IDISHWND) or rectangles of a
// window with an id. The owner relays its mouse messages (RelayEvent); the
// tooltip does not subclass the tools.
//
// TOOLINFOA travels with cbSize 44 (the version 2 layout every
// common-controls version accepts), never sizeof: the headers' structure is
// larger than older controls accept.
#pragma once

#include "framework/ui/Wnd.h"

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    // The TOOLINFO of the common controls of this era, up to lParam: 44 bytes
    // in 32-bit code; the headers' own structure is larger.
    static constexpr UINT toolInfoSize = offsetof(TOOLINFOA, lpReserved);

    CToolTipCtrl() = default;

    // A popup tooltip owned by pParentWnd; dwStyle adds TTS_ styles.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // nIDTool 0: the tool is pWnd itself; else the rectangle lpRectTool of
    // pWnd under that id. LPSTR_TEXTCALLBACK asks the parent for the text.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    // The text from the string resource nIDText.
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const;

    void Activate(BOOL bActivate);
    // Hands a mouse message of a tool window to the tooltip.
    void RelayEvent(LPMSG lpMsg);
    // Hides a shown tip.
    void Pop();
    int SetMaxTipWidth(int iWidth);
    // The initial delay; the others follow from it.
    void SetDelayTime(UINT nDelay);
    // dwDuration: TTDT_AUTOPOP, TTDT_INITIAL or TTDT_RESHOW.
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;

private:
    // A TOOLINFOA naming the tool of pWnd and nIDTool.
    static void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool);
};
