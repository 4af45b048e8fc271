#include "framework/ui/ImageList.h"

#include "framework/core/Module.h"
#include "framework/ui/Dc.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList* CImageListHandleTraits::NewTemporary(HIMAGELIST hImageList)
{
    CImageList* pImageList = new CImageList;
    pImageList->m_hImageList = hImageList;
    return pImageList;
}

void CImageListHandleTraits::DeleteTemporary(CImageList* pImageList)
{
    pImageList->m_hImageList = nullptr;   // borrowed: not ours to destroy
    delete pImageList;
}

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return CImageListHandleMap::ForThread().FromHandle(hImageList);
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    ASSERT(m_hImageList == nullptr);
    if (hImageList == nullptr)
        return FALSE;
    m_hImageList = hImageList;
    CImageListHandleMap::ForThread().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
    {
        CImageListHandleMap& map = CImageListHandleMap::ForThread();
        if (map.LookupPermanent(hImageList) == this)
            map.RemoveHandle(hImageList);
    }
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    // As a DIB section the list takes the bitmap's colour depth; a device
    // bitmap would make it a 16-colour list.
    return Attach(::ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP,
                                         LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    ASSERT(pImageList != nullptr);
    return Attach(::ImageList_Duplicate(pImageList->m_hImageList));
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const
{
    ASSERT(m_hImageList != nullptr);
    return ::ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    ASSERT(m_hImageList != nullptr && pImageInfo != nullptr);
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    ASSERT(m_hImageList != nullptr);
    return ::ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    ASSERT(m_hImageList != nullptr);
    return ::ImageList_GetBkColor(m_hImageList);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    ASSERT(m_hImageList != nullptr && pbmImage != nullptr);
    HBITMAP hMask = pbmMask != nullptr ? static_cast<HBITMAP>(pbmMask->m_hObject) : nullptr;
    return ::ImageList_Add(m_hImageList, *pbmImage, hMask);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    ASSERT(m_hImageList != nullptr && pbmImage != nullptr);
    return ::ImageList_AddMasked(m_hImageList, *pbmImage, crMask);
}

int CImageList::Add(HICON hIcon)
{
    ASSERT(m_hImageList != nullptr);
    return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    ASSERT(m_hImageList != nullptr && pbmImage != nullptr);
    HBITMAP hMask = pbmMask != nullptr ? static_cast<HBITMAP>(pbmMask->m_hObject) : nullptr;
    return ::ImageList_Replace(m_hImageList, nImage, *pbmImage, hMask);
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    ASSERT(m_hImageList != nullptr);
    return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    ASSERT(m_hImageList != nullptr);
    return ::ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    ASSERT(m_hImageList != nullptr && pDC != nullptr);
    return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

HICON CImageList::ExtractIcon(int nImage)
{
    ASSERT(m_hImageList != nullptr);
    return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}
