// Dragging items out of the tree and dropping items and files on it.
//
// A drag that ends as a move deletes the dragged item only when this tree's
// own drop inserted the copy during that drag: a move that ends in another
// program (an editor given a category's title) leaves the item in place.
#include "app/ItemClipboard.h"
#include "app/ItemSort.h"
#include "app/QivShell.h"
#include "app/SoundEvents.h"
#include "app/TreeView.h"
#include "framework/core/Exceptions.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/OleDataObject.h"
#include "framework/ui/OleDataSource.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"
#include "model/exchange/ExchangeCommands.h"
#include "model/exchange/ExchangeContext.h"

#include <shellapi.h>

#include <vector>

namespace {

// The strip a drop target's insertion line covers: across the client area,
// one pixel above to one below the bottom edge of the item.
CRect InsertionStrip(CTreeCtrl& tree, HTREEITEM hItem)
{
    CRect rectItem;
    CRect rectClient;
    tree.GetClientRect(&rectClient);
    if (!tree.GetItemRect(hItem, &rectItem, FALSE))
        return CRect();
    return CRect(rectClient.left, rectItem.bottom - 1, rectClient.right, rectItem.bottom + 1);
}

} // namespace

CQivExchangeContext CQivTreeView::MakeExchangeContext()
{
    CQivExchangeContext ctx;
    ctx.pOwner = this;
    ctx.hTree = m_hWnd;
    ctx.pRoot = GetRoot();
    ctx.setModified = [this] { MarkModified(); };
    ctx.pfnCompareItems = CompareItemsForSort;
    return ctx;
}

void CQivTreeView::EraseInsertionLine(HTREEITEM hItem)
{
    CRect strip = InsertionStrip(GetTreeCtrl(), hItem);
    if (!strip.IsRectEmpty())
        RedrawWindow(&strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CQivTreeView::DrawInsertionLine(HTREEITEM hItem)
{
    CRect rectItem;
    CRect rectClient;
    if (!GetTreeCtrl().GetItemRect(hItem, &rectItem, FALSE))
        return;
    GetClientRect(&rectClient);
    CClientDC dc(this);
    CPen pen;
    pen.CreatePen(PS_SOLID, 2, ::GetSysColor(COLOR_WINDOWTEXT));
    CPen* pOld = dc.SelectObject(&pen);
    dc.MoveTo(rectClient.left, rectItem.bottom);
    dc.LineTo(rectClient.right, rectItem.bottom);
    dc.SelectObject(pOld);
}

// ---- dragging out ----

void CQivTreeView::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTREEVIEWA* pNotify = reinterpret_cast<const NMTREEVIEWA*>(pNMHDR);
    HTREEITEM hDragged = pNotify->itemNew.hItem;
    C_QivItem* pItem = ItemOf(hDragged);
    if (!pItem)
        return;
    m_hDragSource = hDragged;
    m_hDropTarget = nullptr;
    m_bDroppedHere = FALSE;
    GetTreeCtrl().SelectItem(hDragged);
    QivStoreEditedEntryText(QivShellOf(this));

    COleDataSource* pSource = new COleDataSource;
    if (CacheItemBlocks(*pSource, pItem, FALSE)) {
        const DROPEFFECT effect = RunDrag(*pSource);
        C_QivCategory* pRoot = GetRoot();
        HTREEITEM hParent = GetTreeCtrl().GetParentItem(hDragged);
        if (effect == DROPEFFECT_MOVE && m_bDroppedHere && pItem != pRoot && hParent) {
            if (C_QivCategory* pParent = pRoot->FindParentCategory(pItem)) {
                GetTreeCtrl().DeleteItem(hDragged);
                pParent->DeleteChild(pItem);
                MarkModified();
            }
        }
        if (m_hDropTarget)
            EraseInsertionLine(m_hDropTarget);
    }
    pSource->InternalRelease();
    m_hDragSource = nullptr;
    m_bDroppedHere = FALSE;
}

DROPEFFECT CQivTreeView::RunDrag(COleDataSource& source)
{
    int nEffect = DROPEFFECT_NONE;
    if (CItemDragSeam::Answer(QIV_DRAG_REQUEST{ &source }, &nEffect))
        return static_cast<DROPEFFECT>(nEffect);
    return source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

// ---- dropping in ----

BOOL CQivTreeView::IsRefusedTarget(HTREEITEM hTarget) const
{
    if (!m_hDragSource)
        return FALSE;
    if (hTarget == m_hDragSource)
        return TRUE;
    C_QivItem* pSource = ItemOf(m_hDragSource);
    C_QivCategory* pCategory = pSource ? QivAsCategory(pSource) : nullptr;
    return pCategory && pCategory->ContainsItem(hTarget);
}

DROPEFFECT CQivTreeView::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CQivTreeView::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    HTREEITEM hHit = GetTreeCtrl().HitTest(point);
    if (m_hDropTarget && m_hDropTarget != hHit)
        EraseInsertionLine(m_hDropTarget);
    if (hHit && hHit != m_hDropTarget) {
        PlaySoundEvent("Drag");
        DrawInsertionLine(hHit);
    }
    m_hDropTarget = hHit;
    if (!hHit || IsRefusedTarget(hHit))
        return DROPEFFECT_NONE;
    if (pDataObject->IsDataAvailable(QivEntryClipFormat()) || pDataObject->IsDataAvailable(QivCategoryClipFormat()))
        return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    if (pDataObject->IsDataAvailable(CF_HDROP))
        return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

void CQivTreeView::OnDragLeave()
{
    GetTreeCtrl().SelectDropTarget(nullptr);
    if (m_hDropTarget)
        EraseInsertionLine(m_hDropTarget);
}

BOOL CQivTreeView::OnDrop(COleDataObject* pDataObject, DROPEFFECT, CPoint)
{
    PlaySoundEvent("Drop");
    C_QivCategory* pRoot = GetRoot();
    // The recorded target is looked up, not trusted, and the refusals of
    // the drag over hold here too.
    C_QivItem* pTarget = pRoot && m_hDropTarget ? pRoot->FindItem(m_hDropTarget) : nullptr;
    if (!pTarget || IsRefusedTarget(m_hDropTarget))
        return FALSE;
    SetRedraw(FALSE);
    GetTreeCtrl().SelectDropTarget(nullptr);
    BOOL bInserted = FALSE;
    if (pDataObject->IsDataAvailable(QivEntryClipFormat()) || pDataObject->IsDataAvailable(QivCategoryClipFormat())) {
        if (C_QivItem* pNew = QivReadOfferedItem(*pDataObject, FALSE)) {
            InsertReceivedItem(pNew, pTarget);
            m_bDroppedHere = m_hDragSource != nullptr;
            bInserted = TRUE;
        }
    } else if (pDataObject->IsDataAvailable(CF_HDROP)) {
        C_QivCategory* pCategory = QivAsCategory(pTarget);
        if (!pCategory)
            pCategory = pRoot->FindParentCategory(pTarget);
        if (pCategory) {
            ImportDroppedFiles(*pDataObject, pCategory);
            PlaySoundEvent("ProcessComplete");
            bInserted = TRUE;
        }
    }
    SetRedraw(TRUE);
    Invalidate();
    return bInserted;
}

void CQivTreeView::ImportDroppedFiles(COleDataObject& data, C_QivCategory* pCategory)
{
    HGLOBAL hDrop = data.GetGlobalData(CF_HDROP);
    if (!hDrop)
        return;
    const CQivExchangeContext ctx = MakeExchangeContext();
    HDROP hFiles = static_cast<HDROP>(hDrop);
    const UINT nFiles = ::DragQueryFileA(hFiles, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nFiles; ++i) {
        // Names of any length: asked for the length first.
        std::vector<char> name(::DragQueryFileA(hFiles, i, nullptr, 0) + 1, '\0');
        ::DragQueryFileA(hFiles, i, name.data(), static_cast<UINT>(name.size()));
        BOOL bImported = FALSE;
        try {
            bImported = QivImportFileAsEntry(ctx, name.data(), pCategory);
        } catch (CException* e) {
            e->Delete();
        }
        if (!bImported) {
            CString strMessage;
            strMessage.Format("'%s' kann nicht importiert werden.", name.data());
            AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
        }
    }
    ::GlobalFree(hDrop);
}
