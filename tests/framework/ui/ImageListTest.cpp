#include "framework/ui/ImageList.h"

#include "framework/ui/Dc.h"
#include "framework/ui/GdiTestRes.h"

#include "DibPicture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const COLORREF clrWhite = RGB(255, 255, 255);
const COLORREF clrMask = RGB(0, 255, 0);
const COLORREF clrRed = RGB(255, 0, 0);
const COLORREF clrBlue = RGB(0, 0, 255);

// Pixels read back as letters: '.' white, 'R' red, 'B' blue, 'G' green
// (the mask colour), 'Y' yellow, '?' anything else.
const std::map<COLORREF, char> legend = { { clrWhite, '.' }, { clrRed, 'R' }, { clrBlue, 'B' },
                                          { clrMask, 'G' }, { RGB(255, 255, 0), 'Y' } };

using Picture = std::vector<std::string>;

// The strip resource drawn through a list without its green background:
// the red square of image 0, the blue column of image 1.
const Picture pictureStrip = {
    "........B.......",
    "........B.......",
    "..RRRR..B.......",
    "..RRRR..B.......",
    "..RRRR..B.......",
    "..RRRR..B.......",
    "........B.......",
    "........B.......",
};

// Draws the first two images of a list side by side on a fresh canvas.
Picture DrawTwo(CImageList& list, UINT nStyle)
{
    CTestDib canvas(16, 8);
    list.Draw(&canvas.DC(), 0, CPoint(0, 0), nStyle);
    list.Draw(&canvas.DC(), 1, CPoint(8, 0), nStyle);
    return PictureOf(canvas, legend);
}

} // namespace

TEST(ImageListTest, ABitmapResourceIsCutIntoMaskedImages)
{
    CImageList list;
    ASSERT_TRUE(list.Create(IDB_GDITEST_STRIP, 8, 1, clrMask));
    EXPECT_EQ(list.GetImageCount(), 2);
    IMAGEINFO info;
    ASSERT_TRUE(list.GetImageInfo(1, &info));
    EXPECT_EQ(CRect(info.rcImage).Width(), 8);
    EXPECT_EQ(CRect(info.rcImage).Height(), 8);
    EXPECT_NE(info.hbmMask, nullptr);

    EXPECT_EQ(DrawTwo(list, ILD_NORMAL), pictureStrip);

    // With a background colour the masked pixels take it.
    EXPECT_EQ(list.SetBkColor(RGB(255, 255, 0)), CLR_NONE);
    EXPECT_EQ(list.GetBkColor(), RGB(255, 255, 0));
    EXPECT_EQ(DrawTwo(list, ILD_NORMAL)[0], "YYYYYYYYBYYYYYYY");
    EXPECT_EQ(DrawTwo(list, ILD_TRANSPARENT)[0], "........B.......");

    CImageList missing;
    EXPECT_FALSE(missing.Create(IDB_GDITEST_STRIP + 50, 8, 1, clrMask));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

TEST(ImageListTest, BitmapsAreAddedWithAMaskColourOrAMaskBitmap)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDB_GDITEST_STRIP));

    CImageList masked;
    ASSERT_TRUE(masked.Create(8, 8, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(masked.Add(&strip, clrMask), 0);   // two images from one strip
    EXPECT_EQ(masked.GetImageCount(), 2);
    EXPECT_EQ(DrawTwo(masked, ILD_NORMAL)[3], "..RRRR..B.......");
    EXPECT_EQ(DrawTwo(masked, ILD_TRANSPARENT), pictureStrip);

    // Adding with a mask colour blackened those pixels of the bitmap itself
    // (the system does so): the next list gets a fresh copy.
    strip.DeleteObject();
    ASSERT_TRUE(strip.LoadBitmap(IDB_GDITEST_STRIP));

    // A mask bitmap: set bits are transparent. Only the left half of each
    // image shows.
    WORD rows[8];
    for (WORD& row : rows)
        row = 0x0F0F;   // bytes 0x0F: columns 4..7 of each image masked
    CBitmap mask;
    ASSERT_TRUE(mask.CreateBitmap(16, 8, 1, 1, rows));
    CImageList explicitMask;
    ASSERT_TRUE(explicitMask.Create(8, 8, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(explicitMask.Add(&strip, &mask), 0);
    EXPECT_EQ(DrawTwo(explicitMask, ILD_TRANSPARENT)[3], "GGRR....BGGG....");

    // Replace and Remove.
    EXPECT_TRUE(explicitMask.Replace(1, &strip, &mask));
    EXPECT_EQ(explicitMask.GetImageCount(), 2);
    EXPECT_TRUE(explicitMask.Remove(0));
    EXPECT_EQ(explicitMask.GetImageCount(), 1);
    EXPECT_TRUE(explicitMask.Remove(-1));
    EXPECT_EQ(explicitMask.GetImageCount(), 0);
}

TEST(ImageListTest, IconsGoInAndComeOutWithTheirTransparency)
{
    // An 8 x 8 icon: red left half opaque, right half transparent (mask
    // bits set, colour black).
    BYTE andBits[8 * 2];
    for (int y = 0; y < 8; y++)
    {
        andBits[y * 2] = 0x0F;   // columns 4..7 transparent
        andBits[y * 2 + 1] = 0;
    }
    CTestDib colour(8, 8);
    colour->FillSolidRect(0, 0, 4, 8, clrRed);
    colour->FillSolidRect(4, 0, 4, 8, RGB(0, 0, 0));
    CBitmap colourBitmap;
    ASSERT_TRUE(colourBitmap.CreateCompatibleBitmap(&colour.DC(), 8, 8));
    {
        CDC copyDC;
        copyDC.CreateCompatibleDC(&colour.DC());
        CBitmap* pOld = copyDC.SelectObject(&colourBitmap);
        copyDC.BitBlt(0, 0, 8, 8, &colour.DC(), 0, 0, SRCCOPY);
        copyDC.SelectObject(pOld);
    }
    CBitmap maskBitmap;
    ASSERT_TRUE(maskBitmap.CreateBitmap(8, 8, 1, 1, andBits));
    ICONINFO iconInfo = { TRUE, 0, 0, maskBitmap, colourBitmap };
    HICON hIcon = ::CreateIconIndirect(&iconInfo);
    ASSERT_NE(hIcon, nullptr);

    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
    EXPECT_EQ(list.Add(hIcon), 0);
    EXPECT_EQ(list.Add(hIcon), 1);
    ::DestroyIcon(hIcon);   // the list keeps its own copy
    EXPECT_EQ(DrawTwo(list, ILD_NORMAL)[4], "RRRR....RRRR....");

    // DrawIcon stretches to the system icon size: half of it is red.
    HICON hExtracted = list.ExtractIcon(1);
    ASSERT_NE(hExtracted, nullptr);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    CTestDib canvas(cxIcon, 2);
    EXPECT_TRUE(canvas->DrawIcon(0, 0, hExtracted));
    EXPECT_EQ(PictureOf(canvas, legend)[1], std::string(cxIcon / 2, 'R') + std::string(cxIcon / 2, '.'));
    ::DestroyIcon(hExtracted);

    EXPECT_EQ(list.Replace(0, ::LoadIcon(nullptr, IDI_APPLICATION)), 0);
    EXPECT_EQ(list.GetImageCount(), 2);
}

TEST(ImageListTest, ListsAreOwnedCopiedAndDetached)
{
    HIMAGELIST hCopy = nullptr;
    {
        CImageList original;
        ASSERT_TRUE(original.Create(IDB_GDITEST_STRIP, 8, 1, clrMask));
        CImageList copy;
        ASSERT_TRUE(copy.Create(&original));
        EXPECT_NE(copy.GetSafeHandle(), original.GetSafeHandle());
        EXPECT_TRUE(original.DeleteImageList());
        EXPECT_FALSE(original.DeleteImageList());
        EXPECT_EQ(copy.GetImageCount(), 2);   // the copy outlives the original
        hCopy = copy.Detach();
        EXPECT_EQ(static_cast<HIMAGELIST>(copy), nullptr);
    }
    // Detached: still alive after its object is gone.
    EXPECT_EQ(::ImageList_GetImageCount(hCopy), 2);
    CImageList adopted;
    ASSERT_TRUE(adopted.Attach(hCopy));
    EXPECT_EQ(adopted.GetImageCount(), 2);
}

// FromHandle gives a list's owner on this thread; a list nobody here owns
// gets a borrowing wrapper that the idle pass frees, leaving the list alive.
TEST(ImageListTest, FromHandleGivesTheOwnerElseABorrowingTemporary)
{
    AfxDeleteTempMaps();
    CImageListHandleMap& map = CImageListHandleMap::ForThread();
    CImageList owner;
    ASSERT_TRUE(owner.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    EXPECT_EQ(CImageList::FromHandle(owner), &owner);
    EXPECT_EQ(CImageList::FromHandle(nullptr), nullptr);

    HIMAGELIST hForeign = ::ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
    CImageList* pTemp = CImageList::FromHandle(hForeign);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->GetSafeHandle(), hForeign);
    EXPECT_EQ(CImageList::FromHandle(hForeign), pTemp);   // one wrapper per handle until idle

    // A detached list is its owner's no longer.
    HIMAGELIST hDetached = owner.Detach();
    CImageList* pDetached = CImageList::FromHandle(hDetached);
    EXPECT_NE(pDetached, &owner);
    EXPECT_EQ(pDetached->GetSafeHandle(), hDetached);
    EXPECT_EQ(map.GetTemporaryCount(), 2u);

    AfxDeleteTempMaps();
    EXPECT_EQ(map.GetTemporaryCount(), 0u);
    EXPECT_TRUE(::ImageList_Destroy(hForeign));   // borrowed lists are still there
    EXPECT_TRUE(::ImageList_Destroy(hDetached));
}
