// The combo drop-downs. The list form's window is a system list box
// subclassed by the bar: the list box draws, scrolls and moves its
// selection itself; the bar adds the frame, hot tracking by the mouse, the
// click that accepts an item and the keys of an open list. Its window lives
// on hidden between openings, holding the items.
#include "toolkit/controls/ControlComboBoxList.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PopupBarPlacement.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/SystemInfo.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPControlComboBoxPopupBar, CXTPPopupBar)
IMPLEMENT_DYNCREATE(CXTPControlComboBoxList, CXTPControlComboBoxPopupBar)

namespace {

BOOL IsAltDown()
{
    return (::GetKeyState(VK_MENU) & 0x8000) != 0;
}

BOOL IsListMoveKey(UINT nChar)
{
    return nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_UP || nChar == VK_DOWN;
}

// With an edit window the list takes only its moving keys without Alt;
// without one every key but those that open and close the list.
BOOL IsRefusedListKey(CXTPControlComboBox* pCombo, UINT nChar)
{
    if (pCombo->GetEditCtrl() && pCombo->GetEditCtrl()->GetSafeHwnd())
        return IsAltDown() || !IsListMoveKey(nChar);
    return ((nChar == VK_UP || nChar == VK_DOWN) && IsAltDown()) || (nChar == VK_F4 && !IsAltDown());
}

// The paint manager's frame colour of lists.
const UINT kListFrameColor = 43;

} // namespace

// --- The drop-down base ---------------------------------------------------------------------

BOOL CXTPControlComboBoxPopupBar::ProcessListKey(CXTPControlComboBox* pCombo, UINT nChar,
                                                 UINT /*nFlags*/)
{
    if (IsRefusedListKey(pCombo, nChar))
        return FALSE;
    const int nOldSel = GetCurSel();
    CXTPPopupBar::OnHookKeyDown(nChar, 0);
    OnListSelChanged(pCombo, nOldSel);
    return TRUE;
}

void CXTPControlComboBoxPopupBar::OnListSelChanged(CXTPControlComboBox* pCombo, int nOldSel)
{
    if (GetCurSel() == nOldSel)
        return;
    pCombo->OnSelChanged();
    pCombo->SelectWholeField();
}

// --- The list form --------------------------------------------------------------------------

CXTPControlComboBoxList::CXTPControlComboBoxList()
    : m_nListWidth(0)
{
}

CXTPControlComboBoxList* CXTPControlComboBoxList::CreateComboBoxList(CXTPCommandBars* pCommandBars)
{
    CXTPControlComboBoxList* pBar = new CXTPControlComboBoxList;
    pBar->SetCommandBars(pCommandBars);
    pBar->EnableShadow(FALSE);
    return pBar;
}

BOOL CXTPControlComboBoxList::CreateListWindow(DWORD dwExStyle, DWORD dwStyle)
{
    if (m_hWnd)
        return TRUE;
    CWnd* pSite = GetSite();
    return CreateEx(dwExStyle, "LISTBOX", "", dwStyle, CRect(0, 0, 0, 0),
                    pSite && pSite->GetSafeHwnd() ? pSite : nullptr, 0);
}

BOOL CXTPControlComboBoxList::CreateListBox()
{
    return CreateListWindow(WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE,
                            m_dwStyle | WS_POPUP | WS_CLIPCHILDREN | WS_VSCROLL);
}

int CXTPControlComboBoxList::GetCurSel() const
{
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)) : -1;
}

int CXTPControlComboBoxList::FindString(int nStartAfter, LPCSTR lpszText) const
{
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                                                    reinterpret_cast<LPARAM>(lpszText)))
                  : -1;
}

int CXTPControlComboBoxList::FindStringExact(int nStartAfter, LPCSTR lpszText) const
{
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, LB_FINDSTRINGEXACT,
                                                    static_cast<WPARAM>(nStartAfter),
                                                    reinterpret_cast<LPARAM>(lpszText)))
                  : -1;
}

int CXTPControlComboBoxList::SetTopIndex(int nIndex)
{
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, LB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0))
                  : -1;
}

void CXTPControlComboBoxList::SetCurSel(int nIndex)
{
    if (m_hWnd)
        ::SendMessageA(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
}

void CXTPControlComboBoxList::GetItemText(int nIndex, CString& strText) const
{
    strText.Empty();
    if (!m_hWnd)
        return;
    const int nLength = static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
    if (nLength <= 0)
        return;
    LPSTR pszBuffer = strText.GetBuffer(nLength + 1);
    const int nRead = static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                                                      reinterpret_cast<LPARAM>(pszBuffer)));
    strText.ReleaseBuffer(std::max(0, std::min(nRead, nLength)));
}

BOOL CXTPControlComboBoxList::ProcessListKey(CXTPControlComboBox* pCombo, UINT nChar, UINT /*nFlags*/)
{
    if (!m_hWnd)
        return FALSE;
    if (IsRefusedListKey(pCombo, nChar))
        return FALSE;
    const int nOldSel = GetCurSel();
    // The list box moves its selection by its own key handling.
    ::SendMessageA(m_hWnd, WM_KEYDOWN, nChar, 0);
    OnListSelChanged(pCombo, nOldSel);
    return TRUE;
}

// --- Opening and closing --------------------------------------------------------------------

BOOL CXTPControlComboBoxList::Popup(CXTPControlPopup* pControlPopup, BOOL bKeyboard)
{
    auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pControlPopup);
    if (!pCombo || !CreateListBox())
        return FALSE;
    m_pControlPopup = pControlPopup;
    m_pComboBox = pCombo;
    CFont* pFont = GetPaintManager()->GetRegularFont();
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), FALSE);
    if (CWnd* pOwner = GetOwnerSite())
        if (pOwner->GetSafeHwnd())
            pOwner->SendMessage(XTP_WM_POPUPOPENED, 0, reinterpret_cast<LPARAM>(this));
    // The site may have closed the list or taken the combo away meanwhile.
    if (m_pComboBox != pCombo || !m_hWnd)
        return FALSE;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    const BOOL bRTL = pCommandBars && pCommandBars->IsLayoutRTL();
    ModifyStyleEx(bRTL ? 0 : WS_EX_LAYOUTRTL | WS_EX_RTLREADING | WS_EX_RIGHT,
                  bRTL ? WS_EX_LAYOUTRTL | WS_EX_RTLREADING | WS_EX_RIGHT : 0);

    SetTrackingMode(1, FALSE, bKeyboard);

    const int nCount = static_cast<int>(SendMessage(LB_GETCOUNT, 0, 0));
    const int nRows = std::max(1, std::min(pCombo->GetDropDownItemCount(), nCount));
    const int nItemHeight = static_cast<int>(SendMessage(LB_GETITEMHEIGHT, 0, 0));
    const int cx = m_nListWidth > 0 ? m_nListWidth : pCombo->GetRect().Width();
    UpdateAnchor();
    XTP_POPUP_PLACEMENT placement;
    placement.rcWork = GetMonitorAreaOfRect(m_rcExclude);
    placement.ptPosition = m_ptPopup;
    placement.rcExclude = m_rcExclude;
    placement.dwFlags = m_dwPopupFlags;
    placement.size = CSize(cx, nItemHeight * nRows + 4);
    placement.bCanScroll = FALSE;
    const XTP_POPUP_PLACED placed = XTPCalcPopupPlacement(placement);
    m_dwPopupFlags = placed.dwFlags;
    SetWindowPos(&CWnd::wndTopMost, placed.rc.left, placed.rc.top, placed.rc.Width(),
                 placed.rc.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    EnableWindow(TRUE);
    return TRUE;
}

BOOL CXTPControlComboBoxList::SetTrackingMode(int nMode, BOOL /*bSelectFirst*/, BOOL bKeyboard)
{
    // The bar's own tracking, not the popup bar's: the window outlives the
    // opening.
    if (!CXTPCommandBar::SetTrackingMode(nMode, FALSE, bKeyboard))
        return FALSE;
    CXTPControlComboBox* pCombo = m_pComboBox;
    if (nMode)
    {
        XTPMouseManager()->AddTrackedElement();
        if (pCombo)
        {
            pCombo->SynchronizeList();
            pCombo->NotifySite(XTP_CBN_DROPDOWN);
        }
        return TRUE;
    }
    if (pCombo)
        pCombo->NotifySite(XTP_CBN_CLOSEUP);
    XTPMouseManager()->RemoveTrackedElement();
    if (m_hWnd)
        ShowWindow(SW_HIDE);
    if (pCombo)
        if (CXTPCommandBar* pParent = pCombo->GetParent())
            if (pParent->GetPopupIndex() != -1 && pParent->GetControl(pParent->GetPopupIndex()) == pCombo)
                pParent->OpenControlPopup(-1);
    m_pComboBox = nullptr;
    m_pControlPopup = nullptr;
    return TRUE;
}

BOOL CXTPControlComboBoxList::IsVisible() const
{
    return m_hWnd && ::IsWindowVisible(m_hWnd);
}

int CXTPControlComboBoxList::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    CXTPControlComboBox* pCombo = m_pComboBox;
    if (!pCombo)
        return CXTPPopupBar::OnHookKeyDown(nChar, lParam);
    switch (nChar)
    {
    case VK_RETURN:
        pCombo->OnExecute();
        return hookHandled;
    case VK_TAB:
        return hookNext;
    case VK_ESCAPE:
        if (pCombo->IsFocused())
            return hookNext;
        pCombo->GetParent()->OpenControlPopup(-1);
        return hookHandled;
    default:
        break;
    }
    // A focused combo's bar offers the keys to the combo, which gives the
    // list its keys and the edit window the rest.
    if (pCombo->IsFocused())
        return hookNext;
    ProcessListKey(pCombo, nChar, static_cast<UINT>(HIWORD(lParam)));
    return hookHandled;
}

int CXTPControlComboBoxList::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam,
                                           LPARAM& lParam, LRESULT& lResult)
{
    if (!hWnd && nMessage == WM_MOUSEWHEEL && IsVisible())
    {
        CRect rcList;
        GetWindowRect(&rcList);
        const CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (rcList.PtInRect(pt))
        {
            DefWindowProc(WM_MOUSEWHEEL, wParam, lParam);
            return hookHandled;
        }
    }
    return CXTPControlComboBoxPopupBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

// --- The window -----------------------------------------------------------------------------

void CXTPControlComboBoxList::OnListMouseMove(CPoint pt)
{
    const LRESULT lHit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    if (HIWORD(lHit) != 0)
        return;
    const int nItem = static_cast<int>(LOWORD(lHit));
    if (nItem != GetCurSel())
        SetCurSel(nItem);
}

void CXTPControlComboBoxList::OnListLButtonUp()
{
    CXTPControlComboBox* pCombo = m_pComboBox;
    if (!pCombo)
        return;
    pCombo->InternalAddRef();
    pCombo->OnSelChanged();
    pCombo->OnExecute();
    pCombo->InternalRelease();
}

void CXTPControlComboBoxList::DrawListFrame()
{
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    dc.Draw3dRect(&rc, GetPaintManager()->ResolveColor(kListFrameColor),
                  GetPaintManager()->ResolveColor(kListFrameColor));
    rc.DeflateRect(1, 1);
    const COLORREF clrWindow = GetColorManager()->ResolveColor(COLOR_WINDOW);
    dc.Draw3dRect(&rc, clrWindow, clrWindow);
}

LRESULT CXTPControlComboBoxList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        OnListMouseMove(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return 0;
    // The list box would take the focus and the capture: the combo keeps
    // the focus, and the mouse manager tracks the list.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_LBUTTONUP:
        OnListLButtonUp();
        return 0;
    case WM_NCPAINT:
    {
        LRESULT lResult = DefWindowProc(message, wParam, lParam);
        DrawListFrame();
        return lResult;
    }
    case WM_ERASEBKGND:
    {
        CRect rc;
        GetClientRect(&rc);
        ::FillRect(reinterpret_cast<HDC>(wParam), &rc, ::GetSysColorBrush(COLOR_WINDOW));
        return TRUE;
    }
    case WM_DESTROY:
        if (m_nTrackingMode)
            SetTrackingMode(0);
        break;
    default:
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

// --- Copy and exchange ----------------------------------------------------------------------

void CXTPControlComboBoxList::Copy(CXTPCommandBar* pSource, BOOL bRecursive)
{
    CXTPPopupBar::Copy(pSource, bRecursive);
    auto* pList = dynamic_cast<CXTPControlComboBoxList*>(pSource);
    if (!pList)
        return;
    m_nListWidth = pList->m_nListWidth;
    if (!pList->m_hWnd || !CreateListBox())
        return;
    const int nCount = static_cast<int>(::SendMessageA(pList->m_hWnd, LB_GETCOUNT, 0, 0));
    CString strText;
    for (int i = 0; i < nCount; ++i)
    {
        pList->GetItemText(i, strText);
        SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
    }
}

void CXTPControlComboBoxList::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPopupBar::DoPropExchange(pPX);
    CXTPPropExchange* pSection = pPX->GetSection("Items");
    if (!pSection)
        return;
    try
    {
        if (pPX->IsLoading())
            LoadItems(pSection);
        else
            StoreItems(pSection);
    }
    catch (...)
    {
        pSection->InternalRelease();
        throw;
    }
    pSection->InternalRelease();
}

void CXTPControlComboBoxList::LoadItems(CXTPPropExchange* pSection)
{
    int nCount = 0;
    ExchangeIntProperty(pSection, "Count", nCount, 0);
    nCount = std::min(nCount, XTP_COMBO_MAX_STORED_ITEMS);
    if (!CreateListBox())
        return;
    SendMessage(LB_RESETCONTENT, 0, 0);
    CString strName;
    for (int i = 0; i < nCount; ++i)
    {
        CString strText;
        strName.Format("Item%i", i);
        // Stored data that ends early ends the list: items are read without
        // a default, so a missing one fails.
        try
        {
            if (!ExchangeStringPropertyNoDefault(pSection, strName, strText))
                break;
        }
        catch (CException* e)
        {
            e->Delete();
            break;
        }
        SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
    }
}

void CXTPControlComboBoxList::StoreItems(CXTPPropExchange* pSection)
{
    int nCount = m_hWnd ? static_cast<int>(SendMessage(LB_GETCOUNT, 0, 0)) : 0;
    ExchangeIntProperty(pSection, "Count", nCount, 0);
    CString strName;
    for (int i = 0; i < nCount; ++i)
    {
        CString strText;
        GetItemText(i, strText);
        strName.Format("Item%i", i);
        // Empty items are written too: reading stops at the first missing one.
        ExchangeStringPropertyNoDefault(pSection, strName, strText);
    }
}
