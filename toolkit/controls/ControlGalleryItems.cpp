#include "toolkit/controls/ControlGalleryItems.h"

CXTPControlGalleryItem::CXTPControlGalleryItem()
    : m_pItems(nullptr), m_nId(0), m_nImage(-1), m_bLabel(FALSE), m_szItem(0, 0)
{
}

CSize CXTPControlGalleryItem::GetSize() const
{
    if ((m_szItem.cx != 0 || m_szItem.cy != 0) || !m_pItems)
        return m_szItem;
    return m_pItems->GetItemSize();
}

CXTPControlGalleryItems::CXTPControlGalleryItems()
    : m_szItem(20, 20), m_bItemRedraw(FALSE)
{
}

CXTPControlGalleryItems::~CXTPControlGalleryItems()
{
    RemoveAll();
}

CXTPControlGalleryItem* CXTPControlGalleryItems::GetItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return nullptr;
    return m_arrItems[nIndex];
}

CXTPControlGalleryItem* CXTPControlGalleryItems::Add(CXTPControlGalleryItem* pItem)
{
    pItem->m_pItems = this;
    m_arrItems.Add(pItem);
    return pItem;
}

CXTPControlGalleryItem* CXTPControlGalleryItems::AddItem(int nId, LPCSTR lpszCaption, int nImage)
{
    auto* pItem = new CXTPControlGalleryItem;
    pItem->SetID(nId);
    pItem->SetCaption(lpszCaption);
    pItem->SetImageIndex(nImage);
    return Add(pItem);
}

CXTPControlGalleryItem* CXTPControlGalleryItems::AddLabel(LPCSTR lpszCaption)
{
    auto* pItem = new CXTPControlGalleryItem;
    pItem->SetCaption(lpszCaption);
    pItem->m_bLabel = TRUE;
    return Add(pItem);
}

void CXTPControlGalleryItems::RemoveAll()
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
        delete m_arrItems[i];
    m_arrItems.RemoveAll();
}
