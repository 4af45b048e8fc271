#include "framework/ui/ToolBar.h"

#include "framework/core/Module.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Dc.h"
#include "framework/ui/WndClass.h"

#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

namespace {

// The layout of a toolbar resource.
struct ToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    // WORD aItems[wItemCount] follows
};

const int kRtToolBar = 241;

// The state of one button as the update handlers set it.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        auto* pBar = static_cast<CToolBar*>(m_pOther);
        pBar->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELPARAM(bOn ? TRUE : FALSE, 0));
    }
    void SetCheck(int nCheck) override
    {
        auto* pBar = static_cast<CToolBar*>(m_pOther);
        pBar->SendMessage(TB_CHECKBUTTON, m_nID, MAKELPARAM(nCheck == 1, 0));
        pBar->SendMessage(TB_INDETERMINATE, m_nID, MAKELPARAM(nCheck == 2, 0));
    }
    void SetText(LPCSTR) override {}
};

} // namespace

CToolBar::CToolBar()
    : m_sizeButton(23, 22), m_sizeImage(16, 15)
{
    m_cxLeftBorder = 4;
    m_cxRightBorder = 4;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 2;
}

CToolBar::~CToolBar()
{
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle,
                    CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID)
{
    m_cxLeftBorder = rcBorders.left;
    m_cyTopBorder = rcBorders.top;
    m_cxRightBorder = rcBorders.right;
    m_cyBottomBorder = rcBorders.bottom;
    m_dwStyle = dwStyle & CBRS_ALL;
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG))
        return FALSE;

    // The control keeps out of the frame's layout: the bar places itself.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY
                       | CCS_NODIVIDER | CCS_NORESIZE;
    if (m_dwStyle & CBRS_TOOLTIPS)
        dwWndStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    return LoadToolBar(MAKEINTRESOURCEA(nIDResource));
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(kRtToolBar));
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(kRtToolBar));
    if (hRsrc == nullptr)
        return FALSE;
    DWORD nSize = ::SizeofResource(hInst, hRsrc);
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const auto* pData = static_cast<const ToolBarResource*>(::LockResource(hGlobal));
    if (pData == nullptr || nSize < sizeof(ToolBarResource) || pData->wVersion != 1
        || nSize < sizeof(ToolBarResource) + pData->wItemCount * sizeof(WORD))
        return FALSE;

    const auto* pItems = reinterpret_cast<const WORD*>(pData + 1);
    std::vector<UINT> ids(pItems, pItems + pData->wItemCount);
    if (!LoadBitmap(lpszResourceName))
        return FALSE;
    // A button is seven pixels larger than its image.
    SetSizes(CSize(pData->wWidth + 7, pData->wHeight + 7), CSize(pData->wWidth, pData->wHeight));
    return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(2));   // RT_BITMAP
    // The grey of the images takes the user's 3-D colours.
    auto hBitmap = static_cast<HBITMAP>(
        ::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (hBitmap == nullptr)
        return FALSE;
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hBitmap;
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    TBADDBITMAP tbab = { nullptr, reinterpret_cast<UINT_PTR>(hBitmap) };
    return m_hWnd == nullptr
           || SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&tbab)) != -1;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (SendMessage(TB_DELETEBUTTON, 0) != 0)
    {
    }
    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
    int nImage = 0;
    for (int i = 0; i < nIDCount; ++i)
    {
        TBBUTTON& button = buttons[static_cast<size_t>(i)];
        button = TBBUTTON();
        button.idCommand = static_cast<int>(lpIDArray[i]);
        button.fsState = TBSTATE_ENABLED;
        if (lpIDArray[i] == ID_SEPARATOR)
        {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = 6;   // the gap's width
        }
        else
        {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = nImage++;
        }
    }
    if (nIDCount > 0
        && !SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(nIDCount),
                        reinterpret_cast<LPARAM>(buttons.data())))
        return FALSE;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    return TRUE;
}

int CToolBar::GetCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return button.fsStyle;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE | TBIF_BYINDEX;
    info.fsStyle = static_cast<BYTE>(nStyle);
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

// ---------------------------------------------------------------------------
// Layout

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The buttons side by side (or one above the other), inside the borders.
    CSize sizeButtons(0, 0);
    int nCount = m_hWnd != nullptr ? GetCount() : 0;
    for (int i = 0; i < nCount; ++i)
    {
        CRect rect;
        GetItemRect(i, &rect);
        if (bHorz)
        {
            sizeButtons.cx += rect.Width();
            sizeButtons.cy = rect.Height() > sizeButtons.cy ? rect.Height() : sizeButtons.cy;
        }
        else
        {
            sizeButtons.cy += rect.Height();
            sizeButtons.cx = rect.Width() > sizeButtons.cx ? rect.Width() : sizeButtons.cx;
        }
    }
    if (nCount == 0)
        sizeButtons = bHorz ? CSize(0, m_sizeButton.cy) : CSize(m_sizeButton.cx, 0);

    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    CSize size(sizeButtons.cx - rect.Width(), sizeButtons.cy - rect.Height());
    if (bStretch && bHorz)
        size.cx = 32767;
    else if (bStretch)
        size.cy = 32767;
    return size;
}

CSize CToolBar::CalcDynamicLayout(int, DWORD dwMode)
{
    BOOL bHorz = (dwMode & (LM_HORZ | LM_HORZDOCK)) != 0 && !(dwMode & LM_VERTDOCK);
    return CalcFixedLayout(dwMode & LM_STRETCH, bHorz);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, state.m_nIndex, reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (m_hWnd == nullptr)
        return;
    if ((dwOldStyle ^ dwNewStyle) & CBRS_TOOLTIPS)
        ModifyStyle(dwNewStyle & CBRS_TOOLTIPS ? 0 : TBSTYLE_TOOLTIPS,
                    dwNewStyle & CBRS_TOOLTIPS ? TBSTYLE_TOOLTIPS : 0);
    if ((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The bar's borders are its non-client area.
void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CToolBar::OnNcPaint()
{
    EraseNonClient();
}
