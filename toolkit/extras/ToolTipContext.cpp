// The context's side of the tooltips: which tool is under the mouse, the
// one tip window, and relaying. The kept last tool holds no text: its
// copies are freed once the tip window has taken them.
#include "toolkit/extras/ToolTipContext.h"

#include "framework/ui/RichEditCtrl.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/extras/ToolTipWnd.h"

#include <cstring>

namespace {

// The layout without the padded border, which every Windows version fills.
const UINT NONCLIENTMETRICS_SIZE = CCSIZEOF_STRUCT(NONCLIENTMETRICSA, lfMessageFont);
const DWORD COMCTL_580 = 0x50050;   // titles in the system's tips

// A heap copy of a text; the callback marker and resource ids pass as
// they are.
LPSTR HeapCopy(LPCSTR lpszText)
{
    if (lpszText == nullptr || lpszText == LPSTR_TEXTCALLBACKA || IS_INTRESOURCE(lpszText))
        return const_cast<LPSTR>(lpszText);
    size_t nLength = std::strlen(lpszText);
    auto* pCopy = new char[nLength + 1];
    std::memcpy(pCopy, lpszText, nLength + 1);
    return pCopy;
}

bool IsOwnCopy(LPCSTR lpszText, HINSTANCE hInst)
{
    // A callback marker or a resource id with its module is no copy.
    return lpszText != nullptr && lpszText != LPSTR_TEXTCALLBACKA && hInst == nullptr
           && !IS_INTRESOURCE(lpszText);
}

bool IsHideMessage(UINT message)
{
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
        return true;
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool IsHoverMessage(UINT message)
{
    return message == WM_NCMOUSEMOVE || message == WM_MOUSEMOVE || message == WM_LBUTTONUP
           || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

bool AnyButtonDown()
{
    return ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 || ::GetKeyState(VK_MBUTTON) < 0;
}

XTP_TOOLTIP_TOOLINFO_EX* Extension(const TOOLINFOA* pToolInfo)
{
    if (pToolInfo->cbSize < CXTPToolTipContext::TOOLINFO_SIZE_EX)
        return nullptr;
    return reinterpret_cast<XTP_TOOLTIP_TOOLINFO_EX*>(pToolInfo->lParam);
}

} // namespace

IMPLEMENT_DYNAMIC(CXTPToolTipContext, CCmdTarget)

CXTPToolTipContext::CXTPToolTipContext()
    : m_bShowTitleAndDescription(FALSE)
    , m_bShowImage(FALSE)
    , m_nImageBase(0)
    , m_nStyle(xtpToolTipStandard)
    , m_dwComCtlVersion(GetComCtl32Version())
    , m_nTitleIcon(1)
    , m_nMaxTipWidth(::GetSystemMetrics(SM_CXSCREEN) / 2)
    , m_dwTipStyle(TTS_NOPREFIX)
    , m_rcMargin(0, 0, 0, 0)
    , m_nDelayInitial(-1)
    , m_nDelayReshow(-1)
    , m_nDelayAutoPop(-1)
    , m_pToolTip(nullptr)
    , m_lastInfo()
    , m_clrTipBack(static_cast<COLORREF>(-1))
    , m_clrTipText(static_cast<COLORREF>(-1))
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = NONCLIENTMETRICS_SIZE;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, NONCLIENTMETRICS_SIZE, &ncm, 0);
    ncm.lfStatusFont.lfWeight = FW_NORMAL;
    m_fntToolTip.CreateFontIndirect(&ncm.lfStatusFont);
    ncm.lfStatusFont.lfWeight = FW_BOLD;
    m_fntToolTipBold.CreateFontIndirect(&ncm.lfStatusFont);
    // Rich-text tips need the rich-edit library.
    AfxInitRichEdit();
}

CXTPToolTipContext::~CXTPToolTipContext()
{
    DestroyToolTip();
}

void CXTPToolTipContext::SetStyle(int nStyle)
{
    if (nStyle == m_nStyle)
        return;
    m_nStyle = nStyle;
    DestroyToolTip();
}

void CXTPToolTipContext::ShowTitleAndDescription(BOOL bShow, int nTitleIcon)
{
    m_bShowTitleAndDescription = bShow;
    m_nTitleIcon = nTitleIcon;
}

void CXTPToolTipContext::ShowImage(BOOL bShow, int nImageBase)
{
    m_bShowImage = bShow;
    m_nImageBase = nImageBase;
}

void CXTPToolTipContext::SetDelayTime(DWORD dwDuration, int nTime)
{
    if (dwDuration == TTDT_INITIAL)
        m_nDelayInitial = nTime;
    else if (dwDuration == TTDT_RESHOW)
        m_nDelayReshow = nTime;
    else if (dwDuration == TTDT_AUTOPOP)
        m_nDelayAutoPop = nTime;
}

COLORREF CXTPToolTipContext::GetTipBkColor() const
{
    return m_clrTipBack != static_cast<COLORREF>(-1) ? m_clrTipBack
                                                     : GetColorManager()->ResolveColor(COLOR_INFOBK);
}

COLORREF CXTPToolTipContext::GetTipTextColor() const
{
    if (m_clrTipText != static_cast<COLORREF>(-1))
        return m_clrTipText;
    return m_nStyle == xtpToolTipOffice2007 ? RGB(76, 76, 76)
                                            : GetColorManager()->ResolveColor(COLOR_INFOTEXT);
}

void CXTPToolTipContext::ModifyTipStyle(DWORD dwRemove, DWORD dwAdd)
{
    DWORD dwStyle = (m_dwTipStyle | dwAdd) & ~dwRemove;
    if (dwStyle == m_dwTipStyle)
        return;
    m_dwTipStyle = dwStyle;
    DestroyToolTip();
}

void CXTPToolTipContext::DestroyToolTip()
{
    if (m_pToolTip != nullptr)
    {
        if (m_pToolTip->m_hWnd != nullptr)
            m_pToolTip->DestroyWindow();
        delete m_pToolTip;
        m_pToolTip = nullptr;
    }
    ClearLastTool();
}

void CXTPToolTipContext::ClearLastTool()
{
    std::memset(&m_lastInfo, 0, sizeof(m_lastInfo));
}

void CXTPToolTipContext::HideToolTip()
{
    if (m_pToolTip != nullptr && m_pToolTip->m_hWnd != nullptr)
        m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

// ---- hit-test records ---------------------------------------------------------------

void CXTPToolTipContext::FillToolInfo(TOOLINFOA* pToolInfo, HWND hWnd, const CRect& rect,
                                      UINT_PTR nId, LPCSTR lpszText)
{
    if (pToolInfo == nullptr || pToolInfo->cbSize < TOOLINFO_SIZE)
        return;
    pToolInfo->hwnd = hWnd;
    pToolInfo->rect = rect;
    pToolInfo->uId = nId;
    pToolInfo->lpszText = HeapCopy(lpszText);
}

void CXTPToolTipContext::FillToolInfoEx(TOOLINFOA* pToolInfo, HWND hWnd, const CRect& rect,
                                        UINT_PTR nId, LPCSTR lpszText, LPCSTR lpszTitle,
                                        LPCSTR lpszBody, CXTPImageManager* pImageManager)
{
    FillToolInfo(pToolInfo, hWnd, rect, nId, lpszText);
    if (pToolInfo == nullptr || pToolInfo->cbSize < TOOLINFO_SIZE_EX)
        return;
    auto* pExtension = new XTP_TOOLTIP_TOOLINFO_EX{};
    // Title and description come as a pair or not at all.
    if (lpszTitle != nullptr && *lpszTitle != '\0' && lpszBody != nullptr && *lpszBody != '\0')
    {
        pExtension->lpszTitle = HeapCopy(lpszTitle);
        pExtension->lpszBody = HeapCopy(lpszBody);
    }
    pExtension->pImageManager = pImageManager;
    pToolInfo->lParam = reinterpret_cast<LPARAM>(pExtension);
}

void CXTPToolTipContext::FreeToolInfoCopies(TOOLINFOA* pToolInfo)
{
    if (IsOwnCopy(pToolInfo->lpszText, pToolInfo->hinst))
        delete[] pToolInfo->lpszText;
    pToolInfo->lpszText = nullptr;
    if (XTP_TOOLTIP_TOOLINFO_EX* pExtension = Extension(pToolInfo))
    {
        delete[] pExtension->lpszTitle;
        delete[] pExtension->lpszBody;
        delete pExtension;
    }
    pToolInfo->lParam = 0;
}

HWND CXTPToolTipContext::ToolWindowFromPoint(HWND hWnd)
{
    if (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)
        && ::SendMessageA(hWnd, XTP_TTM_ISTRANSPARENTCHILD, 0, 0) == 1)
        return ::GetParent(hWnd);
    return hWnd;
}

// ---- the tip window -----------------------------------------------------------------

CWnd* CXTPToolTipContext::CreateTipWindow(CWnd* pOwner)
{
    DWORD dwStyle = m_dwTipStyle | TTS_ALWAYSTIP;
    CXTPToolTipContextToolTip* pSelfDrawn = nullptr;
    switch (m_nStyle)
    {
    case xtpToolTipOffice:
        pSelfDrawn = new CXTPToolTipContextToolTip(this);
        break;
    case xtpToolTipRTF:
        pSelfDrawn = new CRichEditToolTip(this);
        break;
    case xtpToolTipLuna:
        pSelfDrawn = new CLunaToolTip(this);
        break;
    case xtpToolTipOffice2007:
        pSelfDrawn = new COffice2007ToolTip(this);
        break;
    default:
    {
        auto* pStandard = new CStandardToolTip;
        if (m_nStyle == xtpToolTipBalloon)
            dwStyle |= TTS_BALLOON;
        if (!pStandard->Create(pOwner, dwStyle))
        {
            delete pStandard;
            return nullptr;
        }
        return pStandard;
    }
    }
    if (!pSelfDrawn->Create(pOwner, dwStyle))
    {
        delete pSelfDrawn;
        return nullptr;
    }
    return pSelfDrawn;
}

BOOL CXTPToolTipContext::IsOwnerActive(CWnd* pOwner) const
{
    return IsTopLevelOwnerActive(pOwner->m_hWnd);
}

void CXTPToolTipContext::InitTipWindow()
{
    m_pToolTip->SendMessage(TTM_SETMAXTIPWIDTH, 0, m_nMaxTipWidth);
    m_pToolTip->SendMessage(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(static_cast<LPRECT>(&m_rcMargin)));
    if (m_clrTipBack != static_cast<COLORREF>(-1))
        m_pToolTip->SendMessage(TTM_SETTIPBKCOLOR, m_clrTipBack);
    if (m_clrTipText != static_cast<COLORREF>(-1))
        m_pToolTip->SendMessage(TTM_SETTIPTEXTCOLOR, m_clrTipText);
    const struct
    {
        DWORD dwDuration;
        int nTime;
    } delays[] = { { TTDT_RESHOW, m_nDelayReshow },
                   { TTDT_INITIAL, m_nDelayInitial },
                   { TTDT_AUTOPOP, m_nDelayAutoPop } };
    for (const auto& delay : delays)
    {
        if (delay.nTime != -1)
            m_pToolTip->SendMessage(TTM_SETDELAYTIME, delay.dwDuration, MAKELPARAM(delay.nTime, 0));
    }
    m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

// ---- the mouse ----------------------------------------------------------------------

void CXTPToolTipContext::RelayWindowMessage(CWnd* pOwner, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {};
    msg.hwnd = pOwner->GetSafeHwnd();
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    ::GetCursorPos(&msg.pt);
    ProcessMouseMessage(pOwner, &msg);
}

void CXTPToolTipContext::ProcessMouseMessage(CWnd* pOwner, MSG* pMsg)
{
    if (pOwner == nullptr || !::IsWindow(pOwner->m_hWnd))
        return;
    if (!IsHoverMessage(pMsg->message))
    {
        if (IsHideMessage(pMsg->message))
            HideToolTip();
        return;
    }
    if (AnyButtonDown())
        return;

    BOOL bActive = IsOwnerActive(pOwner);
    if (m_pToolTip != nullptr && m_pToolTip->m_hWnd != nullptr && m_pToolTip->IsWindowVisible() && !bActive)
    {
        m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        return;
    }

    CWnd* pParentOwner = pOwner->GetParentOwner();
    if (pParentOwner == nullptr)
        pParentOwner = pOwner;
    if (m_pToolTip != nullptr && ::GetWindow(m_pToolTip->m_hWnd, GW_OWNER) != pParentOwner->m_hWnd)
        DestroyToolTip();
    if (m_pToolTip == nullptr)
    {
        m_pToolTip = CreateTipWindow(pParentOwner);
        if (m_pToolTip == nullptr || m_pToolTip->m_hWnd == nullptr)
        {
            delete m_pToolTip;
            m_pToolTip = nullptr;
            return;
        }
        InitTipWindow();
    }

    CPoint pt = pMsg->pt;
    pOwner->ScreenToClient(&pt);
    TOOLINFOA ti = {};
    ti.cbSize = (m_bShowTitleAndDescription || m_bShowImage) ? TOOLINFO_SIZE_EX : TOOLINFO_SIZE;
    INT_PTR nHit = pOwner->OnToolHitTest(pt, &ti);

    const bool bSameTool = ti.hwnd == m_lastInfo.hwnd && ti.uId == m_lastInfo.uId;
    if (bSameTool && ::EqualRect(&ti.rect, &m_lastInfo.rect))
    {
        if (nHit != -1)
            RelayToTip(pMsg);
        FreeToolInfoCopies(&ti);
        return;
    }
    if (bSameTool && m_lastInfo.cbSize >= TOOLINFO_SIZE)
        m_pToolTip->SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&m_lastInfo));

    if (nHit == -1)
    {
        m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
    }
    else
    {
        TOOLINFOA tiAdd = ti;
        tiAdd.uFlags &= ~(XTP_TTF_SHOWINACTIVE | XTP_TTF_RESERVED);
        XTP_TOOLTIP_TOOLINFO_EX* pExtension = Extension(&ti);
        const bool bTitle = pExtension != nullptr && pExtension->lpszTitle != nullptr
                            && pExtension->lpszBody != nullptr;
        if (bTitle)
            tiAdd.lpszText = pExtension->lpszBody;
        m_pToolTip->SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tiAdd));

        const bool bTitles = m_nStyle != xtpToolTipRTF
                             && (m_nStyle != xtpToolTipStandard || m_dwComCtlVersion >= COMCTL_580);
        if (bTitles)
        {
            if (m_bShowTitleAndDescription && bTitle)
                m_pToolTip->SendMessage(TTM_SETTITLEA, m_nTitleIcon,
                                        reinterpret_cast<LPARAM>(pExtension->lpszTitle));
            else
                m_pToolTip->SendMessage(TTM_SETTITLEA, 0, 0);
        }
        if (m_bShowImage && pExtension != nullptr && pExtension->pImageManager != nullptr)
        {
            CXTPImageManagerIcon* pIcon =
                pExtension->pImageManager->LookupIcon(static_cast<UINT>(m_nImageBase + ti.uId), 1);
            m_pToolTip->SendMessage(XTP_TTM_SETTITLEICON, 0, reinterpret_cast<LPARAM>(pIcon));
        }
        if ((ti.uFlags & XTP_TTF_SHOWINACTIVE) || bActive)
        {
            m_pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
            m_pToolTip->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                                     SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
        }
    }
    RelayToTip(pMsg);

    if (!bSameTool && m_lastInfo.cbSize >= TOOLINFO_SIZE && m_lastInfo.hwnd != nullptr)
        m_pToolTip->SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&m_lastInfo));
    FreeToolInfoCopies(&ti);
    // Kept to recognise the tool, without the texts just freed.
    m_lastInfo = ti;
}

void CXTPToolTipContext::RelayToTip(MSG* pMsg)
{
    MSG msg = *pMsg;
    POINT pt = msg.pt;
    HWND hWndTarget = reinterpret_cast<HWND>(
        m_pToolTip->SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&pt)));
    if (hWndTarget == nullptr)
        hWndTarget = msg.hwnd;
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
    {
        ::ScreenToClient(hWndTarget, &pt);
        msg.lParam = MAKELPARAM(pt.x, pt.y);
    }
    msg.hwnd = hWndTarget;
    m_pToolTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
