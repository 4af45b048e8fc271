// Documents that hold embedded OLE objects. COleDocument keeps the list of
// its items (CDocItem, usually COleClientItem) and deletes them with its
// contents; COleServerDoc is the base of documents that could also serve
// their data to other programs (this program serves none, so it adds
// nothing but its place in the class chain).
#pragma once

#include "framework/ui/Document.h"

#include <ole2.h>

class CView;
class CWnd;
class COleClientItem;
class COleDocument;

class CDocItem : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocItem)
public:
    ~CDocItem() override;

    COleDocument* GetDocument() const;
    virtual BOOL IsBlank() const;

protected:
    CDocItem();

    COleDocument* m_pDocument = nullptr;

    friend class COleDocument;
};

class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    ~COleDocument() override;

    // ---- items ----
    // The document takes ownership of the item.
    virtual void AddItem(CDocItem* pItem);
    virtual void RemoveItem(CDocItem* pItem);
    POSITION GetStartPosition() const;
    CDocItem* GetNextItem(POSITION& rPosition) const;
    COleClientItem* GetNextClientItem(POSITION& rPosition) const;
    // The one item selected in pView, null when none or several are.
    virtual COleClientItem* GetPrimarySelectedItem(CView* pView);
    // The item active in place in pWnd; this program activates none.
    virtual COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);

    // Deletes every item.
    void DeleteContents() override;

protected:
    CPtrList m_docItemList;
};

class COleServerDoc : public COleDocument
{
    DECLARE_DYNAMIC(COleServerDoc)
public:
    COleServerDoc();
    ~COleServerDoc() override;
};
