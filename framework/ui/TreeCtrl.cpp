#include "framework/ui/TreeCtrl.h"

#include "framework/ui/ControlMessage.h"
#include "framework/ui/Edit.h"
#include "framework/ui/ImageList.h"
#include "framework/ui/WndClass.h"

#include <cstring>
#include <memory>
#include <vector>

using afx_control::Ptr;
using afx_control::Send;

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

HTREEITEM ToItem(LRESULT lResult)
{
    return reinterpret_cast<HTREEITEM>(lResult);
}

} // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_TREEVIEW_REG))
        return FALSE;
    return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- look ----------------------------------------------------------------------

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageList)
{
    HIMAGELIST hList = pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr;
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(Send(m_hWnd, TVM_SETIMAGELIST, nImageList, Ptr(hList))));
}

CImageList* CTreeCtrl::GetImageList(UINT nImageList) const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(Send(m_hWnd, TVM_GETIMAGELIST, nImageList)));
}

UINT CTreeCtrl::GetIndent() const
{
    return static_cast<UINT>(Send(m_hWnd, TVM_GETINDENT));
}

void CTreeCtrl::SetIndent(UINT nIndent)
{
    Send(m_hWnd, TVM_SETINDENT, nIndent);
}

// ---- inserting and deleting ----------------------------------------------------------

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCTA lpInsertStruct)
{
    return ToItem(Send(m_hWnd, TVM_INSERTITEMA, 0, Ptr(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
                                UINT nState, UINT nStateMask, LPARAM lParam, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = const_cast<LPSTR>(lpszItem);
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage,
                                HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage,
                      nSelectedImage, 0, 0, 0, hParent, hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    return Send(m_hWnd, TVM_DELETEITEM, 0, Ptr(hItem)) != 0;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return DeleteItem(TVI_ROOT);
}

// ---- item attributes --------------------------------------------------------------------

BOOL CTreeCtrl::GetItem(TVITEMA* pItem) const
{
    return Send(m_hWnd, TVM_GETITEMA, 0, Ptr(pItem)) != 0;
}

BOOL CTreeCtrl::SetItem(TVITEMA* pItem)
{
    return Send(m_hWnd, TVM_SETITEMA, 0, Ptr(pItem)) != 0;
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCSTR lpszItem, int nImage,
                        int nSelectedImage, UINT nState, UINT nStateMask, LPARAM lParam)
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    // The control does not tell the text's length: grow the buffer until
    // the text fits with room to spare.
    std::vector<char> buffer(256);
    for (;;)
    {
        TVITEMA item = {};
        item.hItem = hItem;
        item.mask = TVIF_TEXT;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        buffer[0] = '\0';
        if (!GetItem(&item))
            return CString();
        const size_t nLength = strlen(item.pszText);
        if (item.pszText != buffer.data() || nLength < buffer.size() - 1)
            return CString(item.pszText);
        buffer.resize(buffer.size() * 2);
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem)
{
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    const BOOL bResult = GetItem(&item);
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return bResult;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, nImage, nSelectedImage, 0, 0, 0);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    return static_cast<UINT>(Send(m_hWnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem),
                                  nStateMask));
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(dwData));
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    return GetItem(&item) && item.cChildren != 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    return Send(m_hWnd, TVM_GETITEMRECT, bTextOnly, Ptr(lpRect)) != 0;
}

UINT CTreeCtrl::GetCount() const
{
    return static_cast<UINT>(Send(m_hWnd, TVM_GETCOUNT));
}

UINT CTreeCtrl::GetVisibleCount() const
{
    return static_cast<UINT>(Send(m_hWnd, TVM_GETVISIBLECOUNT));
}

// ---- navigation -------------------------------------------------------------------------

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    return ToItem(Send(m_hWnd, TVM_GETNEXTITEM, nCode, Ptr(hItem)));
}

HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
HTREEITEM CTreeCtrl::GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO info = {};
    info.pt = pt;
    HTREEITEM hItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return hItem;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
    return ToItem(Send(m_hWnd, TVM_HITTEST, 0, Ptr(pHitTestInfo)));
}

// ---- selection and expansion ---------------------------------------------------------------

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode)
{
    return Send(m_hWnd, TVM_SELECTITEM, nCode, Ptr(hItem)) != 0;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
BOOL CTreeCtrl::SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    return Send(m_hWnd, TVM_EXPAND, nCode, Ptr(hItem)) != 0;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    return Send(m_hWnd, TVM_ENSUREVISIBLE, 0, Ptr(hItem)) != 0;
}

// ---- editing, sorting, dragging --------------------------------------------------------------

CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem)
{
    HWND hEdit = reinterpret_cast<HWND>(Send(m_hWnd, TVM_EDITLABELA, 0, Ptr(hItem)));
    return static_cast<CEdit*>(CWnd::FromHandle(hEdit));
}

CEdit* CTreeCtrl::GetEditControl() const
{
    HWND hEdit = reinterpret_cast<HWND>(Send(m_hWnd, TVM_GETEDITCONTROL));
    return static_cast<CEdit*>(CWnd::FromHandle(hEdit));
}

BOOL CTreeCtrl::EndEditLabelNow(BOOL bCancel)
{
    return Send(m_hWnd, TVM_ENDEDITLABELNOW, bCancel) != 0;
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem)
{
    return Send(m_hWnd, TVM_SORTCHILDREN, 0, Ptr(hItem)) != 0;
}

BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort)
{
    return Send(m_hWnd, TVM_SORTCHILDRENCB, 0, Ptr(pSort)) != 0;
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem)
{
    HIMAGELIST hList = reinterpret_cast<HIMAGELIST>(Send(m_hWnd, TVM_CREATEDRAGIMAGE, 0, Ptr(hItem)));
    if (hList == nullptr)
        return nullptr;
    std::unique_ptr<CImageList> pList(new CImageList);
    if (!pList->Attach(hList))
    {
        ImageList_Destroy(hList);
        return nullptr;
    }
    return pList.release();
}
