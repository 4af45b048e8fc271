#include "framework/ui/OleDocument.h"

#include "framework/ui/OleClientItem.h"
#include "framework/ui/View.h"

IMPLEMENT_DYNAMIC(CDocItem, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDocument, CDocument)
IMPLEMENT_DYNAMIC(COleServerDoc, COleDocument)

// ---------------------------------------------------------------------------
// CDocItem

CDocItem::CDocItem() = default;

CDocItem::~CDocItem()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveItem(this);
}

COleDocument* CDocItem::GetDocument() const
{
    return m_pDocument;
}

BOOL CDocItem::IsBlank() const
{
    return FALSE;
}

// ---------------------------------------------------------------------------
// COleDocument

COleDocument::COleDocument() = default;

COleDocument::~COleDocument()
{
    DeleteContents();
}

void COleDocument::AddItem(CDocItem* pItem)
{
    ASSERT(pItem->m_pDocument == nullptr);
    m_docItemList.AddTail(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(CDocItem* pItem)
{
    POSITION pos = m_docItemList.Find(pItem);
    if (pos == nullptr)
        return;
    m_docItemList.RemoveAt(pos);
    pItem->m_pDocument = nullptr;
}

POSITION COleDocument::GetStartPosition() const
{
    return m_docItemList.GetHeadPosition();
}

CDocItem* COleDocument::GetNextItem(POSITION& rPosition) const
{
    return static_cast<CDocItem*>(m_docItemList.GetNext(rPosition));
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& rPosition) const
{
    while (rPosition != nullptr)
    {
        CDocItem* pItem = GetNextItem(rPosition);
        if (pItem->IsKindOf(RUNTIME_CLASS(COleClientItem)))
            return static_cast<COleClientItem*>(pItem);
    }
    return nullptr;
}

COleClientItem* COleDocument::GetPrimarySelectedItem(CView* pView)
{
    COleClientItem* pSelected = nullptr;
    POSITION pos = GetStartPosition();
    while (COleClientItem* pItem = GetNextClientItem(pos))
    {
        if (pView->IsSelected(pItem))
        {
            if (pSelected != nullptr)
                return nullptr;   // more than one
            pSelected = pItem;
        }
    }
    return pSelected;
}

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd*)
{
    return nullptr;
}

void COleDocument::DeleteContents()
{
    while (!m_docItemList.IsEmpty())
    {
        auto* pItem = static_cast<CDocItem*>(m_docItemList.GetHead());
        RemoveItem(pItem);
        delete pItem;
    }
}

// ---------------------------------------------------------------------------
// COleServerDoc

COleServerDoc::COleServerDoc() = default;

COleServerDoc::~COleServerDoc() = default;
