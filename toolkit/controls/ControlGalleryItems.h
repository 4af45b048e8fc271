// The items a gallery control shows and the collection that holds them. A
// gallery does not own its items: the collection travels with the gallery's
// action, and several galleries of one command share it.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

class CDC;
class CXTPControlGallery;
class CXTPControlGalleryItems;

// One item: a picture with a caption and a tooltip, or a label (a heading
// row that is never selected). A width of 0 takes the whole row.
class CXTPControlGalleryItem
{
public:
    CXTPControlGalleryItem();
    virtual ~CXTPControlGalleryItem() = default;
    CXTPControlGalleryItem(const CXTPControlGalleryItem&) = delete;
    CXTPControlGalleryItem& operator=(const CXTPControlGalleryItem&) = delete;

    int GetID() const { return m_nId; }
    void SetID(int nId) { m_nId = nId; }
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCSTR lpszCaption) { m_strCaption = lpszCaption ? lpszCaption : ""; }
    CString GetToolTip() const { return m_strToolTip; }
    void SetToolTip(LPCSTR lpszToolTip) { m_strToolTip = lpszToolTip ? lpszToolTip : ""; }
    int GetImageIndex() const { return m_nImage; }
    void SetImageIndex(int nImage) { m_nImage = nImage; }
    BOOL IsLabel() const { return m_bLabel; }
    // The collection's default size unless the item has one of its own.
    CSize GetSize() const;
    void SetSize(CSize szItem) { m_szItem = szItem; }

    // Draws the item in its rectangle: a label row through the gallery
    // paint manager, else a button face for the state and the caption.
    virtual void Draw(CDC* pDC, CXTPControlGallery* pGallery, CRect rc, BOOL bEnabled,
                      BOOL bSelected, BOOL bPressed, BOOL bChecked);

protected:
    friend class CXTPControlGalleryItems;

    CXTPControlGalleryItems* m_pItems;
    int m_nId;
    int m_nImage;
    CString m_strCaption;
    CString m_strToolTip;
    BOOL m_bLabel;
    CSize m_szItem;   // (0, 0): the collection's default
};

// The collection: owns its items, reference counted.
class CXTPControlGalleryItems : public CCmdTarget
{
public:
    CXTPControlGalleryItems();
    ~CXTPControlGalleryItems() override;

    int GetItemCount() const { return static_cast<int>(m_arrItems.GetSize()); }
    // Null outside 0..count-1.
    CXTPControlGalleryItem* GetItem(int nIndex) const;
    CXTPControlGalleryItem* AddItem(int nId, LPCSTR lpszCaption, int nImage = -1);
    CXTPControlGalleryItem* AddLabel(LPCSTR lpszCaption);
    void RemoveAll();

    CSize GetItemSize() const { return m_szItem; }
    void SetItemSize(CSize szItem) { m_szItem = szItem; }
    // TRUE: a gallery redraws only the items whose state changed.
    BOOL IsItemRedraw() const { return m_bItemRedraw; }
    void SetItemRedraw(BOOL bItemRedraw) { m_bItemRedraw = bItemRedraw; }
    // Asked before an item draws itself: TRUE when the collection drew it.
    virtual BOOL PreDrawItem(CDC* /*pDC*/, CXTPControlGallery* /*pGallery*/,
                             CXTPControlGalleryItem* /*pItem*/, CRect /*rc*/, BOOL /*bEnabled*/,
                             BOOL /*bSelected*/, BOOL /*bPressed*/, BOOL /*bChecked*/)
    {
        return FALSE;
    }

protected:
    CXTPControlGalleryItem* Add(CXTPControlGalleryItem* pItem);

    CArray<CXTPControlGalleryItem*, CXTPControlGalleryItem*> m_arrItems;
    CSize m_szItem;
    BOOL m_bItemRedraw;
};
