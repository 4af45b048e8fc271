#include "model/exchange/ExchangeContext.h"

#include "framework/ui/FileDialog.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/Wnd.h"
#include "model/QivItem.h"
#include "model/ShellServices.h"

C_QivItem* QivSelectedNode(const CQivExchangeContext& ctx)
{
    if (!ctx.hTree || !ctx.pRoot)
        return nullptr;
    HTREEITEM hSelected = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(ctx.hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    return hSelected ? ctx.pRoot->FindItem(hSelected) : nullptr;
}

C_QivCategory* QivTargetCategory(const CQivExchangeContext& ctx)
{
    C_QivItem* pNode = QivSelectedNode(ctx);
    if (!pNode)
        return ctx.pRoot;
    if (pNode->IsKindOf(RUNTIME_CLASS(C_QivCategory)))
        return static_cast<C_QivCategory*>(pNode);
    if (C_QivCategory* pParent = ctx.pRoot->FindParentCategory(pNode))
        return pParent;
    return ctx.pRoot;
}

void QivInsertFirstIntoTree(const CQivExchangeContext& ctx, C_QivItem* pItem, C_QivCategory* pParent)
{
    if (!ctx.hTree)
        return;
    C_QivItem* pNext = pItem->m_pNext;
    pItem->m_pNext = nullptr;
    pItem->InsertIntoTree(ctx.hTree, pParent->m_hTreeItem, TVI_FIRST);
    pItem->m_pNext = pNext;
}

void QivSelectInTree(const CQivExchangeContext& ctx, C_QivItem* pItem)
{
    if (ctx.hTree)
        ::SendMessageA(ctx.hTree, TVM_SELECTITEM, TVGN_CARET,
                       reinterpret_cast<LPARAM>(pItem->m_hTreeItem));
}

void QivMarkModified(const CQivExchangeContext& ctx)
{
    if (ctx.setModified)
        ctx.setModified();
}

CString QivChooseFile(const CQivExchangeContext& ctx, BOOL bOpen, LPCSTR lpszDefExt,
                      LPCSTR lpszFileName, DWORD dwFlags, LPCSTR lpszFilter, LPCSTR lpszTitle)
{
    CFileDialog dialog(bOpen, lpszDefExt, lpszFileName, dwFlags, lpszFilter, ctx.pOwner);
    dialog.m_ofn.lpstrTitle = lpszTitle;
    if (dialog.DoModal() != IDOK)
        return CString();
    return dialog.GetPathName();
}

int QivShowMessage(const CQivExchangeContext& ctx, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    HWND hOwner = ctx.pOwner ? ctx.pOwner->GetSafeHwnd() : ctx.hTree;
    return AfxShowMessageBox(hOwner, lpszText, lpszCaption, nType, 0);
}

void QivProcessComplete()
{
    QivGetShellServices().PlaySoundEvent("ProcessComplete");
}
