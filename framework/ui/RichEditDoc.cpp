#include "framework/ui/RichEditDoc.h"

#include "framework/core/Archive.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Menu.h"
#include "framework/ui/OleClientItem.h"
#include "framework/ui/RichEditView.h"

#include <oledlg.h>

IMPLEMENT_DYNAMIC(CRichEditDoc, COleServerDoc)

BEGIN_MESSAGE_MAP(CRichEditDoc, COleServerDoc)
    ON_COMMAND(ID_OLE_EDIT_LINKS, OnEditLinks)
    ON_UPDATE_COMMAND_UI(ID_OLE_EDIT_LINKS, OnUpdateEditLinksMenu)
    ON_UPDATE_COMMAND_UI(ID_OLE_EDIT_CONVERT, OnUpdateEditConvertMenu)
    ON_UPDATE_COMMAND_UI(ID_OLE_VERB_FIRST, OnUpdateObjectVerbMenu)
END_MESSAGE_MAP()

CRichEditDoc::CRichEditDoc() = default;

CRichEditDoc::~CRichEditDoc() = default;

CRichEditView* CRichEditDoc::GetView() const
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        if (pView->IsKindOf(RUNTIME_CLASS(CRichEditView)))
            return static_cast<CRichEditView*>(pView);
    }
    return nullptr;
}

CRichEditCntrItem* CRichEditDoc::LookupItem(LPOLEOBJECT lpObject) const
{
    POSITION pos = GetStartPosition();
    while (pos != nullptr)
    {
        CDocItem* pItem = GetNextItem(pos);
        if (pItem->IsKindOf(RUNTIME_CLASS(CRichEditCntrItem))
            && static_cast<CRichEditCntrItem*>(pItem)->m_lpObject == lpObject)
            return static_cast<CRichEditCntrItem*>(pItem);
    }
    return nullptr;
}

CRichEditCntrItem* CRichEditDoc::GetItemFor(REOBJECT& reo)
{
    if (reo.poleobj == nullptr)
        return nullptr;
    if (CRichEditCntrItem* pItem = LookupItem(reo.poleobj))
    {
        pItem->SyncToRichEditObject(reo);
        return pItem;
    }
    CRichEditCntrItem* pItem = CreateClientItem(&reo);
    if (pItem != nullptr && pItem->GetDocument() == nullptr)
        AddItem(pItem);
    return pItem;
}

// Every item is marked, the control's objects clear their marks, and what
// stays marked is gone from the text.
void CRichEditDoc::DeleteUnusedItems()
{
    POSITION pos = GetStartPosition();
    while (pos != nullptr)
    {
        CDocItem* pItem = GetNextItem(pos);
        if (pItem->IsKindOf(RUNTIME_CLASS(CRichEditCntrItem)))
            static_cast<CRichEditCntrItem*>(pItem)->m_bMark = TRUE;
    }

    CRichEditView* pView = GetView();
    if (pView != nullptr && pView->m_hWnd != nullptr)
    {
        if (IRichEditOle* pOle = pView->GetRichEditCtrl().GetIRichEditOle())
        {
            LONG nCount = pOle->GetObjectCount();
            for (LONG i = 0; i < nCount; ++i)
            {
                REOBJECT reo = {};
                reo.cbStruct = sizeof(reo);
                if (SUCCEEDED(pOle->GetObject(i, &reo, REO_GETOBJ_POLEOBJ)) && reo.poleobj != nullptr)
                {
                    if (CRichEditCntrItem* pItem = LookupItem(reo.poleobj))
                        pItem->m_bMark = FALSE;
                    reo.poleobj->Release();
                }
            }
            pOle->Release();
        }
    }

    pos = GetStartPosition();
    while (pos != nullptr)
    {
        CDocItem* pItem = GetNextItem(pos);
        if (pItem->IsKindOf(RUNTIME_CLASS(CRichEditCntrItem))
            && static_cast<CRichEditCntrItem*>(pItem)->m_bMark)
            delete pItem;   // leaves the list itself
    }
}

int CRichEditDoc::GetStreamFormat() const
{
    return m_bRTF ? SF_RTF : SF_TEXT;
}

void CRichEditDoc::Serialize(CArchive& ar)
{
    // The objects travel inside the text: the items are not written.
    if (CRichEditView* pView = GetView())
        pView->Serialize(ar);
}

void CRichEditDoc::DeleteContents()
{
    COleServerDoc::DeleteContents();
    CRichEditView* pView = GetView();
    if (pView != nullptr && pView->m_hWnd != nullptr)
    {
        pView->DeleteContents();
        pView->GetRichEditCtrl().SetModify(FALSE);
    }
}

BOOL CRichEditDoc::OnNewDocument()
{
    return COleServerDoc::OnNewDocument();
}

BOOL CRichEditDoc::IsModified()
{
    if (COleServerDoc::IsModified())
        return TRUE;
    CRichEditView* pView = GetView();
    return pView != nullptr && pView->m_hWnd != nullptr && pView->GetRichEditCtrl().GetModify();
}

void CRichEditDoc::SetModifiedFlag(BOOL bModified)
{
    COleServerDoc::SetModifiedFlag(bModified);
    if (!bModified)
    {
        CRichEditView* pView = GetView();
        if (pView != nullptr && pView->m_hWnd != nullptr)
            pView->GetRichEditCtrl().SetModify(FALSE);
    }
}

// Linked objects come only from pasting a link, which the control of this
// program does not offer: the links command has nothing to show.
void CRichEditDoc::OnEditLinks()
{
}

void CRichEditDoc::OnUpdateEditLinksMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CRichEditDoc::OnUpdateEditConvertMenu(CCmdUI* pCmdUI)
{
    CRichEditView* pView = GetView();
    COleClientItem* pItem = pView != nullptr ? GetPrimarySelectedItem(pView) : nullptr;
    pCmdUI->Enable(pItem != nullptr && pItem->GetType() == OT_EMBEDDED);
}

void CRichEditDoc::OnUpdateObjectVerbMenu(CCmdUI* pCmdUI)
{
    CRichEditView* pView = GetView();
    COleClientItem* pItem = pView != nullptr ? GetPrimarySelectedItem(pView) : nullptr;
    if (pCmdUI->m_pMenu != nullptr)
    {
        AfxOleSetEditMenu(pItem, pCmdUI->m_pMenu, pCmdUI->m_nIndex, ID_OLE_VERB_FIRST,
                          ID_OLE_VERB_LAST);
        return;
    }
    pCmdUI->Enable(pItem != nullptr);
}
