// CImageList: a common-controls image list. The object owns the list it
// created or was given by Attach and destroys it with itself; FromHandle
// hands out wrappers that only borrow (the owner on this thread, else a
// temporary the idle pass frees).
#pragma once

#include "framework/ui/Gdi.h"

#include <commctrl.h>

class CImageList;

// How the image-list handle map makes and lets go of temporary wrappers.
struct CImageListHandleTraits
{
    static CImageList* NewTemporary(HIMAGELIST hImageList);
    static void DeleteTemporary(CImageList* pImageList);
};
using CImageListHandleMap = CHandleMap<HIMAGELIST, CImageList, CImageListHandleTraits>;

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;

    HIMAGELIST m_hImageList = nullptr;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    static CImageList* FromHandle(HIMAGELIST hImageList);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();

    // An empty list of cx x cy images; nFlags e.g. ILC_COLOR24 | ILC_MASK.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A list cut from a bitmap resource into images cx wide, in the bitmap's
    // own colour depth; pixels of crMask are transparent (CLR_NONE: none).
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // A copy of another list.
    BOOL Create(CImageList* pImageList);
    BOOL DeleteImageList();

    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;

    // Each Add returns the index of the first image added, -1 on failure.
    // A bitmap wider than one image adds one image per image width.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    // The system turns the crMask pixels of pbmImage itself black.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    // Returns the index of the image, -1 on failure.
    int Replace(int nImage, HICON hIcon);
    // -1 removes all images.
    BOOL Remove(int nImage);

    // nStyle: ILD_NORMAL, ILD_TRANSPARENT, ILD_MASK, ILD_BLEND50 ...
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    // A new icon of the image; the caller destroys it (DestroyIcon).
    HICON ExtractIcon(int nImage);
};
