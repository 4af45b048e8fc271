// One command image at one width with all its state images. Normal, hot,
// checked, pressed and disabled images are given; a faded, a shadow and a
// disabled image are made on first request and dropped whenever a given image
// changes. Each image is an icon or a 32-bit DIB section with alpha.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/CmdTarget.h"

class CDC;
class CXTPImageManager;
class CXTPImageManagerIconSet;
class CXTPImageManagerImageList;

// Image states of the setters and of GetImage.
enum XTPImageState
{
    xtpImageNormal = 0,
    xtpImageDisabled = 1,
    xtpImageHot = 2,
    xtpImageChecked = 3,
    xtpImagePressed = 4,
};

// One image: an icon or a 32-bit bitmap with alpha. Owned images are
// destroyed by Clear; a premultiplied copy for drawing is made once and
// always owned.
class CXTPImageManagerIconHandle
{
public:
    CXTPImageManagerIconHandle();
    // Borrowing wrappers: the handle stays the caller's.
    CXTPImageManagerIconHandle(HICON hIcon);
    CXTPImageManagerIconHandle(HBITMAP hBitmap);
    ~CXTPImageManagerIconHandle();

    // Makes this an owned copy of the other image (CopyIcon, or a new DIB
    // section with the same pixels).
    void CopyHandle(const CXTPImageManagerIconHandle& other);
    // Takes ownership of an icon or bitmap made elsewhere. A caller that
    // knows the icon's size says so, which spares asking the system for it
    // (it copies both of the icon's bitmaps to answer).
    void AttachIcon(HICON hIcon, CSize szKnown = CSize(0, 0));
    void AttachBitmap(HBITMAP hBitmap);
    // Takes the other's image over: its very handle when the other owns it
    // (the other is left empty), else a copy.
    void TakeHandle(CXTPImageManagerIconHandle& other);
    void Clear();

    BOOL IsEmpty() const { return !m_hIcon && !m_hBitmap; }
    BOOL IsAlpha() const { return m_hBitmap != nullptr; }
    HICON GetIcon() const { return m_hIcon; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    // The premultiplied copy the alpha blit draws from; made on first use.
    HBITMAP GetPremultipliedBitmap();
    CSize GetExtent() const;

private:
    CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle&) = delete;
    CXTPImageManagerIconHandle& operator=(const CXTPImageManagerIconHandle&) = delete;

    HICON m_hIcon;
    HBITMAP m_hBitmap;
    HBITMAP m_hPremultiplied;
    BOOL m_bOwned;
    // The icon's size as its maker stated it; 0 when unknown.
    CSize m_szKnown;
};

class CXTPImageManagerIcon : public CCmdTarget
{
public:
    CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight,
                         CXTPImageManagerIconSet* pIconSet = nullptr);
    // An icon that draws entry nID − first id of a system image list.
    CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerImageList* pImageList);
    ~CXTPImageManagerIcon() override;

    UINT GetID() const { return m_nID; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    CSize GetExtent() const { return CSize(m_nWidth, m_nHeight); }
    BOOL IsScaled() const { return m_bScaled; }
    CXTPImageManager* GetImageManager() const;

    CXTPImageManagerIconHandle& GetNormalImage() { return m_hIcon; }
    // The hot image, else the normal one.
    CXTPImageManagerIconHandle& GetHotImage();
    // The checked (pressed) image, else what GetHotImage answers.
    CXTPImageManagerIconHandle& GetCheckedImage();
    CXTPImageManagerIconHandle& GetPressedImage();
    // The given disabled image, else the generated one (made in grey when
    // bCreate asks for it).
    CXTPImageManagerIconHandle& GetDisabledImage(BOOL bCreate = TRUE);
    BOOL HasDisabledImage() const;
    CXTPImageManagerIconHandle& GetFadedImage();
    CXTPImageManagerIconHandle& GetShadowImage();
    // 1 disabled, 2 hot, 3 checked, 4 pressed, anything else normal.
    CXTPImageManagerIconHandle& GetImage(int nState);

    // Each stores a copy of the image; SetIcon takes an owned image over
    // instead when it is handed one to keep.
    void SetIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetIcon(CXTPImageManagerIconHandle&& hIcon);
    void SetHotIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetPressedIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon);
    // The generated disabled image from the normal one: between the two
    // colours by brightness, or grey when either is -1. Only when none exists.
    void CreateDisabledImage(COLORREF clrLight = static_cast<COLORREF>(-1),
                             COLORREF clrDark = static_cast<COLORREF>(-1));
    // Drops the faded, shadow and generated disabled images.
    void ClearGeneratedImages();
    // A new icon for the same command at another width, made of scaled
    // copies of the icons; null when the normal image is not an icon.
    CXTPImageManagerIcon* CreateScaledCopy(int nWidth);
    void SetScaled(BOOL bScaled) { m_bScaled = bScaled; }

    // Width 0: the icon's own; height 0: in proportion to the width.
    void Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, int nWidth = 0,
              int nHeight = 0);
    void DrawNormal(CDC* pDC, CPoint pt);
    // The icon's shape in one colour; alpha images draw nothing.
    void DrawMonochrome(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, COLORREF clr);

    // Height, version (18), then the normal, disabled, hot, checked and
    // pressed images as DIB records.
    void Serialize(CArchive& ar) override;

private:
    friend class CXTPImageManagerIconSet;

    void ClearAllImages();
    // The faded, shadow or disabled image made from an icon or alpha image.
    void MakeFaded(CXTPImageManagerIconHandle& hSource, CXTPImageManagerIconHandle& hResult);
    void MakeShadow(CXTPImageManagerIconHandle& hSource, CXTPImageManagerIconHandle& hResult);
    void MakeDisabled(CXTPImageManagerIconHandle& hSource, CXTPImageManagerIconHandle& hResult,
                      COLORREF clrLight, COLORREF clrDark);
    BOOL IsMirrored(CDC* pDC) const;

    UINT m_nID;
    int m_nWidth;
    int m_nHeight;
    CXTPImageManagerIconHandle m_hIcon;
    CXTPImageManagerIconHandle m_hFaded;
    CXTPImageManagerIconHandle m_hShadow;
    CXTPImageManagerIconHandle m_hHot;
    CXTPImageManagerIconHandle m_hChecked;
    CXTPImageManagerIconHandle m_hPressed;
    CXTPImageManagerIconHandle m_hDisabled;
    CXTPImageManagerIconHandle m_hDisabledAuto;
    BOOL m_bScaled;
    CXTPImageManagerIconSet* m_pIconSet;
    CXTPImageManagerImageList* m_pImageList;
};
