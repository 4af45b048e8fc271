// Embedded OLE objects of a document. COleClientItem holds one object (its
// IOleObject and the storage it lives in); CRichEditCntrItem is the item of
// an object the rich-edit control holds in its text, made from the
// control's REOBJECT description. The control keeps the objects themselves
// (they travel inside the rich text); the items let the document and the
// view name, select and release them.
#pragma once

#include "framework/ui/OleDocument.h"

#include <richedit.h>
#include <richole.h>

class CRichEditDoc;
class CRichEditView;

enum OLE_OBJTYPE
{
    OT_UNKNOWN = 0,
    OT_LINK = 1,
    OT_EMBEDDED = 2,
    OT_STATIC = 3
};

class COleClientItem : public CDocItem
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    // Added to pContainerDoc when one is given.
    explicit COleClientItem(COleDocument* pContainerDoc = nullptr);
    ~COleClientItem() override;

    enum ItemState
    {
        emptyState,
        loadedState,
        openState,
        activeState,
        activeUIState
    };
    UINT GetItemState() const;
    OLE_OBJTYPE GetType() const;
    // A blank item holds no object.
    BOOL IsBlank() const override;

    // Closes the object (dwCloseOption) and lets go of it and its storage.
    virtual void Release(OLECLOSE dwCloseOption = OLECLOSE_NOSAVE);
    // Makes an empty storage in memory for a new object; FALSE when the
    // system cannot.
    BOOL GetItemStorageFlat();
    // Runs the object's verb nVerb (OLEIVERB_PRIMARY: its default) with
    // pParent as the window it belongs to.
    BOOL DoVerb(LONG nVerb, CWnd* pParent, LPMSG lpMsg = nullptr);

    LPOLEOBJECT m_lpObject = nullptr;
    LPSTORAGE m_lpStorage = nullptr;
    LPOLECLIENTSITE m_lpClientSite = nullptr;
    ILockBytes* m_lpLockBytes = nullptr;
    DWORD m_dwDrawAspect = DVASPECT_CONTENT;

protected:
    UINT m_nItemState = emptyState;
};

class CRichEditCntrItem : public COleClientItem
{
    DECLARE_SERIAL(CRichEditCntrItem)
public:
    // With preo, the item takes a reference on the control's object, its
    // storage and its site, and joins pContainer's items.
    explicit CRichEditCntrItem(REOBJECT* preo = nullptr, CRichEditDoc* pContainer = nullptr);
    ~CRichEditCntrItem() override;

    CRichEditDoc* GetDocument() const;
    // The aspect and the object of reo become the item's.
    void SyncToRichEditObject(REOBJECT& reo);

    // Set while the view sweeps the items the control no longer holds.
    BOOL m_bMark = FALSE;
};

class CMenu;

// Makes item iMenuItem of pMenu the object's verb menu (commands nIDVerbMin
// to nIDVerbMax) through the system's OLE dialogs; without an object the
// item is disabled.
void AFXAPI AfxOleSetEditMenu(COleClientItem* pClient, CMenu* pMenu, UINT iMenuItem,
                              UINT nIDVerbMin, UINT nIDVerbMax = 0, UINT nIDConvert = 0);
