// The item blocks, and the tree view's Copy, Cut and Paste.
#include "app/ItemClipboard.h"

#include "app/QivShell.h"
#include "app/SoundEvents.h"
#include "app/TreeView.h"
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/OleDataObject.h"
#include "framework/ui/OleDataSource.h"
#include "model/ItemWalk.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"

#include <string>

namespace {

const UINT kBlockFlags = GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT;
static_assert(kBlockFlags == 0x2042, "the blocks' allocation flags");
const UINT kBlockGrowth = 4096;
const UINT kArchiveBuffer = 4096;

CLIPFORMAT RegisterOnce(LPCSTR lpszName, CLIPFORMAT& cf)
{
    if (!cf)
        cf = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA(lpszName));
    return cf;
}

} // namespace

CLIPFORMAT QivEntryClipFormat()
{
    static CLIPFORMAT s_cf = 0;
    return RegisterOnce("Qivnotes Eintrag", s_cf);
}

CLIPFORMAT QivCategoryClipFormat()
{
    static CLIPFORMAT s_cf = 0;
    return RegisterOnce("Qivnotes Kategorie", s_cf);
}

CLIPFORMAT QivRichTextClipFormat()
{
    static CLIPFORMAT s_cf = 0;
    return RegisterOnce("Rich Text Format", s_cf);
}

HGLOBAL QivWriteItemBlock(C_QivItem* pItem, BOOL bAsObject)
{
    C_QivItem* pNext = pItem->m_pNext;
    pItem->m_pNext = nullptr;
    HGLOBAL hBlock = nullptr;
    try {
        CSharedFile file(kBlockFlags, kBlockGrowth);
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        if (bAsObject)
            ar.WriteObject(pItem);
        else
            pItem->Serialize(ar);
        ar.Close();
        hBlock = file.Detach();
    } catch (CException* e) {
        e->Delete();
    }
    pItem->m_pNext = pNext;
    return hBlock;
}

HGLOBAL QivTextBlock(const void* pBytes, size_t nLength)
{
    HGLOBAL hBlock = ::GlobalAlloc(kBlockFlags, nLength + 1);
    if (!hBlock)
        return nullptr;
    if (void* p = ::GlobalLock(hBlock)) {
        if (nLength)
            memcpy(p, pBytes, nLength);
        ::GlobalUnlock(hBlock);
    }
    return hBlock;
}

C_QivItem* QivReadItemBlock(HGLOBAL hBlock, CRuntimeClass* pClass, BOOL bAsObject)
{
    const SIZE_T nSize = hBlock ? ::GlobalSize(hBlock) : 0;
    BYTE* pBytes = nSize ? static_cast<BYTE*>(::GlobalLock(hBlock)) : nullptr;
    if (!pBytes)
        return nullptr;
    C_QivItem* pItem = nullptr;
    try {
        CMemFile file(pBytes, static_cast<UINT>(nSize));
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        if (bAsObject) {
            pItem = static_cast<C_QivItem*>(ar.ReadObject(pClass));
        } else {
            pItem = static_cast<C_QivItem*>(pClass->CreateObject());
            pItem->Serialize(ar);
        }
        ar.Close();
        if (!pItem || !pItem->IsKindOf(pClass))
            AfxThrowArchiveException(CArchiveException::badClass);
    } catch (CException* e) {
        // The item owns whatever of its subtree was read before the failure.
        delete pItem;
        pItem = nullptr;
        e->ReportError();
        e->Delete();
    }
    ::GlobalUnlock(hBlock);
    return pItem;
}

C_QivItem* QivReadOfferedItem(COleDataObject& data, BOOL bAsObject)
{
    CLIPFORMAT cf = 0;
    CRuntimeClass* pClass = nullptr;
    if (data.IsDataAvailable(QivEntryClipFormat())) {
        cf = QivEntryClipFormat();
        pClass = RUNTIME_CLASS(C_QivEntry);
    } else if (data.IsDataAvailable(QivCategoryClipFormat())) {
        cf = QivCategoryClipFormat();
        pClass = RUNTIME_CLASS(C_QivCategory);
    } else {
        return nullptr;
    }
    HGLOBAL hBlock = data.GetGlobalData(cf);
    if (!hBlock)
        return nullptr;
    C_QivItem* pItem = QivReadItemBlock(hBlock, pClass, bAsObject);
    ::GlobalFree(hBlock);
    return pItem;
}

// ---- the tree view's commands ----

BOOL CQivTreeView::CacheItemBlocks(COleDataSource& source, C_QivItem* pItem, BOOL bAsObject)
{
    HGLOBAL hBlock = QivWriteItemBlock(pItem, bAsObject);
    if (!hBlock)
        return FALSE;
    C_QivEntry* pEntry = QivAsEntry(pItem);
    source.CacheGlobalData(pEntry ? QivEntryClipFormat() : QivCategoryClipFormat(), hBlock);
    IQivShell* pShell = QivShellOf(this);
    if (pEntry && pShell && pShell->GetTextView()) {
        // The text view's content as rich text, by way of an entry of its own.
        C_QivEntry rich;
        pShell->StoreEntryText(&rich);
        if (HGLOBAL hRich = QivTextBlock(rich.m_pText, rich.m_nTextLength))
            source.CacheGlobalData(QivRichTextClipFormat(), hRich);
        if (bAsObject) {
            HWND hEditor = QivTextEditorOf(pShell);
            std::string text(static_cast<size_t>(::GetWindowTextLengthA(hEditor)) + 1, '\0');
            text.resize(static_cast<size_t>(::GetWindowTextA(hEditor, &text[0], static_cast<int>(text.size()))));
            if (HGLOBAL hText = QivTextBlock(text.data(), text.size()))
                source.CacheGlobalData(CF_TEXT, hText);
        }
    } else if (!pEntry && !bAsObject) {
        if (HGLOBAL hTitle = QivTextBlock(pItem->m_strTitle.GetString(), pItem->m_strTitle.GetLength()))
            source.CacheGlobalData(CF_TEXT, hTitle);
    }
    return TRUE;
}

BOOL CQivTreeView::CopySelection()
{
    C_QivItem* pItem = GetSelectedItem();
    CQivDoc* pDoc = GetDocument();
    if (!pItem || !pDoc)
        return FALSE;
    const BOOL bModified = pDoc->CDocument::IsModified();
    QivStoreEditedEntryText(QivShellOf(this));
    COleDataSource* pSource = new COleDataSource;
    BOOL bCopied = CacheItemBlocks(*pSource, pItem, TRUE);
    if (bCopied) {
        m_bPasteAvailable = TRUE;
        try {
            pSource->SetClipboard();
            pSource = nullptr;
        } catch (CException* e) {
            bCopied = FALSE;
            e->ReportError();
            e->Delete();
        }
    }
    if (pSource)
        pSource->InternalRelease();
    pDoc->SetModifiedFlag(bModified);
    return bCopied;
}

void CQivTreeView::OnEditCopy()
{
    CopySelection();
}

void CQivTreeView::OnEditCut()
{
    CutSelection();
}

void CQivTreeView::CutSelection()
{
    PlaySoundEvent("DeleteRow");
    C_QivItem* pItem = GetSelectedItem();
    C_QivCategory* pRoot = GetRoot();
    if (!pItem || !pRoot)
        return;
    if (pItem == pRoot) {
        HWND hOwner = GetParentFrame() ? GetParentFrame()->GetSafeHwnd() : m_hWnd;
        AfxShowMessageBox(hOwner, "Die Wurzelkategorie kann nicht ausgeschnitten werden!", "Hinweis",
                          MB_OK | MB_ICONEXCLAMATION, 0);
        return;
    }
    C_QivCategory* pParent = pRoot->FindParentCategory(pItem);
    // Nothing leaves the card file unless it is on the clipboard.
    if (!pParent || !CopySelection())
        return;
    GetTreeCtrl().DeleteItem(pItem->m_hTreeItem);
    pParent->DeleteChild(pItem);
    GetTreeCtrl().SelectItem(pParent->m_hTreeItem);
    MarkModified();
    m_bPasteAvailable = TRUE;
}

void CQivTreeView::InsertReceivedItem(C_QivItem* pNew, C_QivItem* pTarget)
{
    C_QivCategory* pRoot = GetRoot();
    C_QivCategory* pCategory = QivAsCategory(pTarget);
    C_QivItem* pAfter = nullptr;
    if (!pCategory) {
        pCategory = pRoot->FindParentCategory(pTarget);
        pAfter = pTarget;
    }
    if (!pCategory) {
        delete pNew;
        return;
    }
    pCategory->InsertChild(pNew, pAfter);
    InsertAlone(pNew, pCategory->m_hTreeItem, pAfter ? pAfter->m_hTreeItem : TVI_FIRST);
    SelectItem(pNew);
    // Pasted and dropped items are changes of the card file like any other.
    MarkModified();
}

void CQivTreeView::OnEditPaste()
{
    C_QivItem* pTarget = GetSelectedItem();
    if (!pTarget || !GetRoot())
        return;
    COleDataObject data;
    if (!data.AttachClipboard())
        return;
    if (C_QivItem* pNew = QivReadOfferedItem(data, TRUE))
        InsertReceivedItem(pNew, pTarget);
}

void CQivTreeView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bLabelEditing);
}

void CQivTreeView::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    C_QivItem* pItem = GetSelectedItem();
    pCmdUI->Enable(!m_bLabelEditing && pItem && pItem != GetRoot());
}

void CQivTreeView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bLabelEditing && (::IsClipboardFormatAvailable(QivEntryClipFormat())
                                        || ::IsClipboardFormatAvailable(QivCategoryClipFormat())));
}
