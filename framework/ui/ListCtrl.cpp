#include "framework/ui/ListCtrl.h"

#include "framework/ui/ControlMessage.h"
#include "framework/ui/Edit.h"
#include "framework/ui/ImageList.h"
#include "framework/ui/WndClass.h"

#include <vector>

using afx_control::Ptr;
using afx_control::Send;

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

// A selected item's POSITION is its index + 1, so index 0 is not null.
POSITION IndexToPosition(int nIndex)
{
    return nIndex < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<INT_PTR>(nIndex) + 1);
}

} // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_LISTVIEW_REG))
        return FALSE;
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- look ----------------------------------------------------------------------

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(Send(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return static_cast<DWORD>(Send(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
}

COLORREF CListCtrl::GetBkColor() const
{
    return static_cast<COLORREF>(Send(m_hWnd, LVM_GETBKCOLOR));
}

BOOL CListCtrl::SetBkColor(COLORREF cr)
{
    return Send(m_hWnd, LVM_SETBKCOLOR, 0, cr) != 0;
}

COLORREF CListCtrl::GetTextColor() const
{
    return static_cast<COLORREF>(Send(m_hWnd, LVM_GETTEXTCOLOR));
}

BOOL CListCtrl::SetTextColor(COLORREF cr)
{
    return Send(m_hWnd, LVM_SETTEXTCOLOR, 0, cr) != 0;
}

COLORREF CListCtrl::GetTextBkColor() const
{
    return static_cast<COLORREF>(Send(m_hWnd, LVM_GETTEXTBKCOLOR));
}

BOOL CListCtrl::SetTextBkColor(COLORREF cr)
{
    return Send(m_hWnd, LVM_SETTEXTBKCOLOR, 0, cr) != 0;
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageList)
{
    HIMAGELIST hList = pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr;
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(Send(m_hWnd, LVM_SETIMAGELIST, nImageList, Ptr(hList))));
}

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(Send(m_hWnd, LVM_GETIMAGELIST, nImageList)));
}

// ---- columns -------------------------------------------------------------------

int CListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn)
{
    return static_cast<int>(Send(m_hWnd, LVM_INSERTCOLUMNA, nCol, Ptr(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    return Send(m_hWnd, LVM_DELETECOLUMN, nCol) != 0;
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMNA* pColumn) const
{
    return Send(m_hWnd, LVM_GETCOLUMNA, nCol, Ptr(pColumn)) != 0;
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMNA* pColumn)
{
    return Send(m_hWnd, LVM_SETCOLUMNA, nCol, Ptr(pColumn)) != 0;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return static_cast<int>(Send(m_hWnd, LVM_GETCOLUMNWIDTH, nCol));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return Send(m_hWnd, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)) != 0;
}

// ---- items ---------------------------------------------------------------------

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(Send(m_hWnd, LVM_GETITEMCOUNT));
}

void CListCtrl::SetItemCount(int nItems)
{
    Send(m_hWnd, LVM_SETITEMCOUNT, nItems);
}

int CListCtrl::InsertItem(const LVITEMA* pItem)
{
    return static_cast<int>(Send(m_hWnd, LVM_INSERTITEMA, 0, Ptr(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam)
{
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return Send(m_hWnd, LVM_DELETEITEM, nItem) != 0;
}

BOOL CListCtrl::DeleteAllItems()
{
    return Send(m_hWnd, LVM_DELETEALLITEMS) != 0;
}

BOOL CListCtrl::GetItem(LVITEMA* pItem) const
{
    return Send(m_hWnd, LVM_GETITEMA, 0, Ptr(pItem)) != 0;
}

BOOL CListCtrl::SetItem(const LVITEMA* pItem)
{
    return Send(m_hWnd, LVM_SETITEMA, 0, Ptr(pItem)) != 0;
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control tells how much it copied, not how long the text is: grow
    // the buffer until the text fits with room to spare.
    std::vector<char> buffer(256);
    for (;;)
    {
        LVITEMA item = {};
        item.iSubItem = nSubItem;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const int nCopied = static_cast<int>(Send(m_hWnd, LVM_GETITEMTEXTA, nItem, Ptr(&item)));
        if (nCopied < static_cast<int>(buffer.size()) - 1)
            return CString(item.pszText, nCopied);
        buffer.resize(buffer.size() * 2);
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const
{
    if (lpszText == nullptr || nLen <= 0)
        return 0;
    // The whole text first: the controls differ in how they cut a text that
    // does not fit (some leave it unterminated).
    const CString strText = GetItemText(nItem, nSubItem);
    lstrcpynA(lpszText, strText, nLen);
    return lstrlenA(lpszText);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return Send(m_hWnd, LVM_SETITEMTEXTA, nItem, Ptr(&item)) != 0;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return static_cast<UINT>(Send(m_hWnd, LVM_GETITEMSTATE, nItem, nMask));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.state = nState;
    item.stateMask = nMask;
    return Send(m_hWnd, LVM_SETITEMSTATE, nItem, Ptr(&item)) != 0;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = static_cast<LONG>(nCode);
    return Send(m_hWnd, LVM_GETITEMRECT, nItem, Ptr(lpRect)) != 0;
}

BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const
{
    return Send(m_hWnd, LVM_GETITEMPOSITION, nItem, Ptr(lpPoint)) != 0;
}

// ---- selection and navigation ----------------------------------------------------

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return static_cast<int>(Send(m_hWnd, LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)));
}

UINT CListCtrl::GetSelectedCount() const
{
    return static_cast<UINT>(Send(m_hWnd, LVM_GETSELECTEDCOUNT));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    return IndexToPosition(GetNextItem(-1, LVNI_SELECTED));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    ASSERT(pos != nullptr);
    const int nItem = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
    pos = IndexToPosition(GetNextItem(nItem, LVNI_SELECTED));
    return nItem;
}

int CListCtrl::GetTopIndex() const
{
    return static_cast<int>(Send(m_hWnd, LVM_GETTOPINDEX));
}

int CListCtrl::GetCountPerPage() const
{
    return static_cast<int>(Send(m_hWnd, LVM_GETCOUNTPERPAGE));
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    return static_cast<int>(Send(m_hWnd, LVM_HITTEST, 0, Ptr(pHitTestInfo)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info = {};
    info.pt = pt;
    const int nItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return nItem;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return Send(m_hWnd, LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0)) != 0;
}

BOOL CListCtrl::Scroll(CSize size)
{
    return Send(m_hWnd, LVM_SCROLL, size.cx, size.cy) != 0;
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    return Send(m_hWnd, LVM_REDRAWITEMS, nFirst, nLast) != 0;
}

BOOL CListCtrl::Update(int nItem)
{
    return Send(m_hWnd, LVM_UPDATE, nItem) != 0;
}

BOOL CListCtrl::Arrange(UINT nCode)
{
    return Send(m_hWnd, LVM_ARRANGE, nCode) != 0;
}

int CListCtrl::FindItem(LVFINDINFOA* pFindInfo, int nStart) const
{
    return static_cast<int>(Send(m_hWnd, LVM_FINDITEMA, nStart, Ptr(pFindInfo)));
}

int CListCtrl::GetStringWidth(LPCSTR lpsz) const
{
    return static_cast<int>(Send(m_hWnd, LVM_GETSTRINGWIDTHA, 0, Ptr(lpsz)));
}

// ---- editing and sorting -----------------------------------------------------------

CEdit* CListCtrl::EditLabel(int nItem)
{
    HWND hEdit = reinterpret_cast<HWND>(Send(m_hWnd, LVM_EDITLABELA, nItem));
    return static_cast<CEdit*>(CWnd::FromHandle(hEdit));
}

CEdit* CListCtrl::GetEditControl() const
{
    HWND hEdit = reinterpret_cast<HWND>(Send(m_hWnd, LVM_GETEDITCONTROL));
    return static_cast<CEdit*>(CWnd::FromHandle(hEdit));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return Send(m_hWnd, LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare)) != 0;
}
