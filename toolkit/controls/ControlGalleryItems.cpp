#include "toolkit/controls/ControlGalleryItems.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/draw/ControlGalleryPaintManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"

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

void CXTPControlGalleryItem::Draw(CDC* pDC, CXTPControlGallery* pGallery, CRect rc, BOOL bEnabled,
                                  BOOL bSelected, BOOL bPressed, BOOL bChecked)
{
    CXTPPaintManager* pPaintManager = pGallery->GetPaintManager();
    if (m_bLabel)
    {
        pPaintManager->GetGalleryPaintManager()->DrawLabel(pDC, this, rc);
        return;
    }
    pPaintManager->DrawButtonFace(pDC, rc, bSelected, bPressed, bEnabled, bChecked, FALSE,
                                  xtpBarTypePopup, xtpBarPopup);
    CXTPFontDC font(pDC, pPaintManager->GetRegularFont());
    pDC->SetTextColor(pPaintManager->GetControlTextColor(bSelected, bPressed, bEnabled, bChecked,
                                                         FALSE, xtpBarTypePopup, xtpBarPopup));
    pDC->SetBkMode(TRANSPARENT);
    rc.DeflateRect(2, 0);
    pDC->DrawText(m_strCaption, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
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
