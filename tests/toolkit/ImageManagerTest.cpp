#include "toolkit/draw/ImageManager.h"

#include "ImageTestRes.h"
#include "TestDib.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/core/Module.h"
#include "toolkit/commandbars/PropExchangeIniFile.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"

#include <gtest/gtest.h>

#include <shlwapi.h>
#include <string>
#include <utility>
#include <vector>

namespace {

HICON SolidIcon(int cx, COLORREF clr)
{
    return MakeTestIcon(cx, cx, [clr, cx](int x, int y) {
        BOOL bBorder = x == 0 || y == 0 || x == cx - 1 || y == cx - 1;
        return TestPixel{clr, static_cast<BYTE>(bBorder ? 0 : 255)};
    });
}

// The colour the icon shows in the middle when drawn at its own size.
COLORREF CentreColor(CXTPImageManagerIcon* pIcon)
{
    CTestDib dib(64, 64, RGB(0, 128, 128));
    pIcon->Draw(&dib.DC(), CPoint(0, 0), pIcon->GetNormalImage());
    return dib.Pixel(pIcon->GetWidth() / 2, pIcon->GetHeight() / 2);
}

TEST(ImageManager, IconsByCommandAndWidth)
{
    CXTPImageManager manager;
    HICON hRed16 = SolidIcon(16, RGB(255, 0, 0));
    HICON hBlue32 = SolidIcon(32, RGB(0, 0, 255));
    // Width 0: the image's own.
    EXPECT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hRed16), 100));
    EXPECT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hBlue32), 100, 32));
    // Other states need an icon set first.
    EXPECT_FALSE(manager.SetIcon(CXTPImageManagerIconHandle(hRed16), 200, 16, xtpImageHot));
    EXPECT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hBlue32), 100, 16, xtpImageHot));
    EXPECT_FALSE(manager.SetIcon(CXTPImageManagerIconHandle(), 100, 16));
    EXPECT_EQ(nullptr, manager.LookupIcon(200, 16));

    CXTPImageManagerIcon* p16 = manager.LookupIcon(100, 16);
    CXTPImageManagerIcon* p32 = manager.LookupIcon(100, 32);
    ASSERT_TRUE(p16 && p32);
    EXPECT_EQ(RGB(255, 0, 0), CentreColor(p16));
    EXPECT_EQ(RGB(0, 0, 255), CentreColor(p32));
    EXPECT_FALSE(p16->GetHotImage().IsEmpty());
    EXPECT_EQ(p16, manager.LookupIcon(100, 0));   // the smallest
    EXPECT_EQ(p32, manager.LookupIcon(100, 1));   // the largest

    // 24 lies as near to 16 as to 32: the one met first in the set (16)
    // gives the scaled copy, made once and kept.
    CXTPImageManagerIcon* p24 = manager.LookupIcon(100, 24);
    ASSERT_NE(nullptr, p24);
    EXPECT_TRUE(p24->IsScaled());
    EXPECT_EQ(24, p24->GetWidth());
    EXPECT_EQ(RGB(255, 0, 0), CentreColor(p24));
    EXPECT_EQ(p24, manager.LookupIcon(100, 24));
    EXPECT_FALSE(manager.IsIconAvailable(100, 24));
    EXPECT_TRUE(manager.IsIconAvailable(100, 16));
    EXPECT_TRUE(manager.IsIconAvailable(100, 0));
    EXPECT_FALSE(manager.IsIconAvailable(200, 16));

    // 28 is nearest to the scaled 24, but copies come only from given icons.
    CXTPImageManagerIcon* p28 = manager.LookupIcon(100, 28);
    ASSERT_NE(nullptr, p28);
    EXPECT_EQ(RGB(0, 0, 255), CentreColor(p28));

    // Refreshing drops the scaled copies.
    manager.RefreshIcons();
    EXPECT_EQ(nullptr, manager.GetIconSet(100)->GetIcon(24, FALSE));
    EXPECT_EQ(p16, manager.GetIconSet(100)->GetIcon(16, FALSE));
    ::DestroyIcon(hRed16);
    ::DestroyIcon(hBlue32);
}

// An icon handed over to keep is kept as it is, with the size its maker
// stated; a borrowed one is copied and stays the caller's; other states are
// copied either way, as the normal image alone is taken over.
TEST(ImageManager, OwnedIconsAreTakenOverAndBorrowedOnesCopied)
{
    CXTPImageManager manager;
    HICON hRed = SolidIcon(16, RGB(255, 0, 0));
    CXTPImageManagerIconHandle owned;
    owned.AttachIcon(hRed, CSize(16, 16));
    EXPECT_EQ(CSize(16, 16), owned.GetExtent());
    ASSERT_TRUE(manager.SetIcon(std::move(owned), 100));
    EXPECT_TRUE(owned.IsEmpty());
    CXTPImageManagerIcon* pIcon = manager.LookupIcon(100, 16);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(hRed, pIcon->GetNormalImage().GetIcon());
    EXPECT_EQ(16, pIcon->GetHeight());
    EXPECT_EQ(RGB(255, 0, 0), CentreColor(pIcon));

    HICON hBlue = SolidIcon(16, RGB(0, 0, 255));
    ASSERT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hBlue), 100));
    EXPECT_NE(hBlue, pIcon->GetNormalImage().GetIcon());
    EXPECT_EQ(RGB(0, 0, 255), CentreColor(pIcon));
    // The caller's icon is still whole after the manager let go of its copy.
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hBlue, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    CXTPImageManagerIconHandle hot;
    hot.AttachIcon(SolidIcon(16, RGB(0, 255, 0)), CSize(16, 16));
    HICON hGreen = hot.GetIcon();
    ASSERT_TRUE(manager.SetIcon(std::move(hot), 100, 16, xtpImageHot));
    EXPECT_EQ(hGreen, hot.GetIcon());
    EXPECT_FALSE(pIcon->GetHotImage().IsEmpty());
    EXPECT_NE(hGreen, pIcon->GetHotImage().GetIcon());
    ::DestroyIcon(hBlue);
}

TEST(ImageManager, AlphaIconsAreNeverScaled)
{
    CXTPImageManager manager;
    HBITMAP hBitmap = MakeAlphaBitmap(16, 16, [](int, int) { return TestPixel{RGB(1, 2, 3), 200}; });
    EXPECT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hBitmap), 300));
    ::DeleteObject(hBitmap);
    CXTPImageManagerIcon* pIcon = manager.LookupIcon(300, 20);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(16, pIcon->GetWidth());
    EXPECT_FALSE(pIcon->IsScaled());
    EXPECT_EQ(pIcon, manager.LookupIcon(300, 16));
}

// The toolbar strip of the test resources: four 16 × 15 images with red,
// green, blue and yellow squares on magenta (the mask colour).
const COLORREF s_squares[4] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

COLORREF SquareColor(CXTPImageManager& manager, UINT nCommand)
{
    CXTPImageManagerIcon* pIcon = manager.LookupIcon(nCommand, 16);
    return pIcon ? CentreColor(pIcon) : RGB(1, 1, 1);
}

TEST(ImageManager, ToolbarResourceWithSeparators)
{
    CXTPImageManager manager;
    ASSERT_TRUE(manager.AddToolBarIcons(IDR_TEST_TOOLBAR, IDB_TEST_TOOLBAR));
    const UINT commands[4] = {100, 101, 102, 103};
    for (int i = 0; i < 4; ++i)
    {
        CXTPImageManagerIcon* pIcon = manager.LookupIcon(commands[i], 16);
        ASSERT_NE(nullptr, pIcon) << commands[i];
        EXPECT_EQ(15, pIcon->GetHeight());
        EXPECT_EQ(s_squares[i], SquareColor(manager, commands[i])) << commands[i];
        // The mask colour is transparent, the black pixel at (1, 1) is not.
        CTestDib dib(16, 15, RGB(0, 128, 128));
        pIcon->DrawNormal(&dib.DC(), CPoint(0, 0));
        EXPECT_EQ(RGB(0, 128, 128), dib.Pixel(0, 0));
        EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(1, 1));
    }
    EXPECT_EQ(nullptr, manager.LookupIcon(0, 16));
    EXPECT_FALSE(manager.AddToolBarIcons(IDB_TEST_MISSING, IDB_TEST_TOOLBAR));
}

TEST(ImageManager, SetIconsSkipsZeroIdsOnlyWhenCountsDiffer)
{
    HBITMAP hStrip = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_TEST_TOOLBAR));
    ASSERT_NE(nullptr, hStrip);
    {
        // Five ids, four images: the 0 is a separator.
        CXTPImageManager manager;
        const UINT commands[5] = {10, 0, 11, 12, 13};
        ASSERT_TRUE(manager.SetIcons(hStrip, commands, 5, CSize(16, 15)));
        EXPECT_EQ(nullptr, manager.GetIconSet(0));
        EXPECT_EQ(s_squares[0], SquareColor(manager, 10));
        EXPECT_EQ(s_squares[1], SquareColor(manager, 11));
        EXPECT_EQ(s_squares[3], SquareColor(manager, 13));
    }
    {
        // Four ids, four images: id 0 gets its image too.
        CXTPImageManager manager;
        const UINT commands[4] = {10, 0, 11, 12};
        ASSERT_TRUE(manager.SetIcons(hStrip, commands, 4, CSize(0, 0)));
        EXPECT_EQ(s_squares[1], SquareColor(manager, 0));
        EXPECT_EQ(s_squares[3], SquareColor(manager, 12));
    }
    {
        // No id list: image i for id i; the width from the count.
        CXTPImageManager manager;
        ASSERT_TRUE(manager.SetIcons(hStrip, nullptr, 0, CSize(16, 15)));
        EXPECT_EQ(s_squares[2], SquareColor(manager, 2));
        // An explicit mask colour: magenta stays visible, green goes.
        CXTPImageManager masked;
        masked.SetMaskColor(RGB(0, 160, 0));
        ASSERT_TRUE(masked.SetIcons(hStrip, nullptr, 4, CSize(16, 15)));
        CTestDib dib(16, 15, RGB(0, 128, 128));
        masked.LookupIcon(1, 16)->DrawNormal(&dib.DC(), CPoint(0, 0));
        EXPECT_EQ(RGB(255, 0, 255), dib.Pixel(0, 0));
        EXPECT_EQ(RGB(0, 128, 128), dib.Pixel(8, 8));
    }
    CXTPImageManager manager;
    EXPECT_FALSE(manager.SetIcons(hStrip, nullptr, 0, CSize(0, 0)));
    ::DeleteObject(hStrip);
}

TEST(ImageManager, AlphaStripsFromPngAndBitmapResources)
{
    for (UINT nID : {IDB_TEST_PNG, IDB_TEST_ALPHA})
    {
        CXTPImageManager manager;
        const UINT commands[2] = {40, 41};
        ASSERT_TRUE(manager.AddIconsFromBitmap(nID, commands, 2, CSize(16, 16))) << nID;
        CXTPImageManagerIcon* pIcon = manager.LookupIcon(41, 16);
        ASSERT_NE(nullptr, pIcon);
        EXPECT_TRUE(pIcon->GetNormalImage().IsAlpha());
        std::vector<DWORD> pixels = PixelsOf(pIcon->GetNormalImage().GetBitmap());
        ASSERT_EQ(256u, pixels.size());
        EXPECT_EQ(RGB(0, 0, 255), ColorOf(pixels[5 * 16 + 5]));
        EXPECT_EQ(0, AlphaOf(pixels[0]));
        // A width that does not divide the strip is refused.
        EXPECT_FALSE(manager.AddIconsFromBitmap(nID, commands, 2, CSize(12, 16)));
    }
    // A PNG whose signature is wrong past its first bytes stores nothing.
    CXTPImageManager manager;
    const UINT commands[2] = {50, 51};
    EXPECT_FALSE(manager.AddIconsFromBitmap(IDB_TEST_PNG_BADSIG, commands, 2, CSize(16, 16)));
    EXPECT_EQ(nullptr, manager.GetIconSet(50));
}

TEST(ImageManager, SystemImageLists)
{
    HIMAGELIST hList = ::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
    for (COLORREF clr : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)})
    {
        HICON hIcon = SolidIcon(16, clr);
        ::ImageList_ReplaceIcon(hList, -1, hIcon);
        ::DestroyIcon(hIcon);
    }
    CXTPImageManager manager;
    manager.AddImageList(hList, 500, TRUE);
    EXPECT_TRUE(manager.IsIconAvailable(501, 0));
    EXPECT_TRUE(manager.IsIconAvailable(501, 16));
    EXPECT_FALSE(manager.IsIconAvailable(501, 24));
    EXPECT_FALSE(manager.IsIconAvailable(503, 16));
    EXPECT_EQ(nullptr, manager.LookupIcon(499, 16));
    CXTPImageManagerIcon* pIcon = manager.LookupIcon(502, 16);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(pIcon, manager.LookupIcon(502, 24));
    EXPECT_EQ(16, pIcon->GetWidth());
    EXPECT_EQ(RGB(0, 0, 255), CentreColor(pIcon));
    manager.RefreshIcons();
    EXPECT_EQ(RGB(0, 255, 0), CentreColor(manager.LookupIcon(501, 16)));
}

// --- Stored icons -------------------------------------------------------------

void FillManager(CXTPImageManager& manager)
{
    HICON hRed = SolidIcon(16, RGB(255, 0, 0));
    HICON hBlue = SolidIcon(24, RGB(0, 0, 255));
    HICON hHot = SolidIcon(16, RGB(0, 255, 0));
    HBITMAP hAlpha = MakeAlphaBitmap(16, 16, [](int x, int) { return TestPixel{RGB(9, 8, 7), BYTE(x * 16)}; });
    manager.SetIcon(CXTPImageManagerIconHandle(hRed), 100);
    manager.SetIcon(CXTPImageManagerIconHandle(hBlue), 100);
    manager.SetIcon(CXTPImageManagerIconHandle(hHot), 100, 16, xtpImageHot);
    manager.SetIcon(CXTPImageManagerIconHandle(hAlpha), 70000);
    manager.LookupIcon(100, 32);   // a scaled copy: never stored
    ::DestroyIcon(hRed);
    ::DestroyIcon(hBlue);
    ::DestroyIcon(hHot);
    ::DeleteObject(hAlpha);
}

void ExpectFilled(CXTPImageManager& manager)
{
    CXTPImageManagerIconSet* pSet = manager.GetIconSet(100);
    ASSERT_NE(nullptr, pSet);
    EXPECT_EQ(2, pSet->GetIcons().GetCount());
    EXPECT_EQ(RGB(255, 0, 0), CentreColor(manager.LookupIcon(100, 16)));
    EXPECT_EQ(RGB(0, 0, 255), CentreColor(manager.LookupIcon(100, 24)));
    CXTPImageManagerIcon* pIcon = manager.LookupIcon(100, 16);
    CTestDib dib(16, 16, RGB(0, 128, 128));
    pIcon->Draw(&dib.DC(), CPoint(0, 0), pIcon->GetHotImage());
    EXPECT_EQ(RGB(0, 255, 0), dib.Pixel(8, 8));
    CXTPImageManagerIcon* pAlpha = manager.LookupIcon(70000, 16);
    ASSERT_NE(nullptr, pAlpha);
    ASSERT_TRUE(pAlpha->GetNormalImage().IsAlpha());
    EXPECT_EQ(5 * 16, AlphaOf(PixelsOf(pAlpha->GetNormalImage().GetBitmap())[5]));
    EXPECT_EQ(70000u, manager.GetHighestCommand());
}

std::vector<BYTE> StoreToArchive(CXTPImageManager& manager)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        manager.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.Seek(0, CFile::begin);
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void LoadFromArchive(CXTPImageManager& manager, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    manager.Serialize(ar);
}

TEST(ImageManager, StoredInAnArchiveByteForByte)
{
    CXTPImageManager original;
    FillManager(original);
    std::vector<BYTE> bytes = StoreToArchive(original);

    CXTPImageManager restored;
    HICON hOld = SolidIcon(16, RGB(1, 1, 1));
    restored.SetIcon(CXTPImageManagerIconHandle(hOld), 5);   // dropped by loading
    ::DestroyIcon(hOld);
    LoadFromArchive(restored, bytes);
    EXPECT_EQ(nullptr, restored.GetIconSet(5));
    ExpectFilled(restored);
    std::vector<BYTE> again = StoreToArchive(restored);
    EXPECT_TRUE(bytes == again) << bytes.size() << " and " << again.size() << " bytes";
}

TEST(ImageManager, WrongCheckSumFailsTheLoad)
{
    CXTPImageManager original;
    FillManager(original);
    std::vector<BYTE> bytes = StoreToArchive(original);
    // The first icon set: count, "Id", then the check text of 21 letters.
    std::string text(bytes.begin(), bytes.end());
    size_t nAt = text.find("CXTPImageManagerIcons");
    ASSERT_NE(std::string::npos, nAt);
    bytes[nAt] = 'X';
    CXTPImageManager restored;
    bool bThrown = false;
    try
    {
        LoadFromArchive(restored, bytes);
    }
    catch (CArchiveException* e)
    {
        bThrown = e->m_cause == CArchiveException::badClass;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}

// The archive ends inside the last icon: the load is refused as a whole,
// where dropping that icon quietly would report a load that lost data.
TEST(ImageManager, AnIconCutOffInAnArchiveFailsTheLoad)
{
    CXTPImageManager original;
    FillManager(original);
    std::vector<BYTE> bytes = StoreToArchive(original);
    bytes.resize(bytes.size() - 2);
    CXTPImageManager restored;
    int nCause = -1;
    try
    {
        LoadFromArchive(restored, bytes);
    }
    catch (CArchiveException* e)
    {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::endOfFile, nCause);
}

TEST(ImageManager, StoredInTheRegistryAndAnIniFile)
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\ImageManager-%lu", ::GetCurrentProcessId());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
    HKEY hRoot = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, strKey, &hRoot));

    CXTPImageManager original;
    FillManager(original);
    {
        CXTPPropExchangeRegistry px(FALSE, hRoot, "Icons");
        original.DoPropExchange(&px);
    }
    CXTPImageManager restored;
    {
        CXTPPropExchangeRegistry px(TRUE, hRoot, "Icons");
        restored.DoPropExchange(&px);
    }
    ExpectFilled(restored);

    // The restored manager stores the same bytes again.
    {
        CXTPPropExchangeRegistry px(FALSE, hRoot, "Again");
        restored.DoPropExchange(&px);
    }
    // Set 0 is command 100 (widths 16 and 24), set 1 command 70000.
    for (LPCSTR pszIcon : {"IconSet0\\Icon0", "IconSet0\\Icon1", "IconSet1\\Icon0"})
    {
        std::string data[2];
        int i = 0;
        for (LPCSTR pszRoot : {"Icons\\", "Again\\"})
        {
            HKEY hKey = nullptr;
            ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyA(hRoot, CString(pszRoot) + pszIcon, &hKey));
            DWORD nSize = 0, dwType = 0;
            ::RegQueryValueExA(hKey, "Data", nullptr, &dwType, nullptr, &nSize);
            EXPECT_EQ(DWORD(REG_BINARY), dwType);
            data[i].resize(nSize);
            ::RegQueryValueExA(hKey, "Data", nullptr, &dwType,
                               reinterpret_cast<BYTE*>(&data[i][0]), &nSize);
            ::RegCloseKey(hKey);
            ++i;
        }
        EXPECT_FALSE(data[0].empty());
        EXPECT_TRUE(data[0] == data[1]) << pszIcon << ": " << data[0].size() << " and "
                                        << data[1].size() << " bytes";
    }
    ::RegCloseKey(hRoot);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);

    // The same through an INI file, blobs as letter text.
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strFile;
    strFile.Format("%s%lu-images.ini", szTemp, ::GetCurrentProcessId());
    ::DeleteFileA(strFile);
    {
        CXTPPropExchangeIniFile px(FALSE, nullptr, "Icons");
        px.AssignFile(strFile);
        original.DoPropExchange(&px);
    }
    CXTPImageManager fromIni;
    {
        CXTPPropExchangeIniFile px(TRUE, nullptr, "Icons");
        px.AssignFile(strFile);
        fromIni.DoPropExchange(&px);
    }
    ExpectFilled(fromIni);
    ::DeleteFileA(strFile);
}

// Keys below hKey, counted through every level.
int CountKeys(HKEY hKey)
{
    int nKeys = 0;
    char szName[256];
    for (DWORD i = 0;; ++i)
    {
        DWORD nName = sizeof(szName);
        if (::RegEnumKeyExA(hKey, i, szName, &nName, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            break;
        HKEY hSub = nullptr;
        if (::RegOpenKeyExA(hKey, szName, 0, KEY_READ, &hSub) == ERROR_SUCCESS)
        {
            nKeys += 1 + CountKeys(hSub);
            ::RegCloseKey(hSub);
        }
    }
    return nKeys;
}

// Stored counts of 2^31 - 1 for the icon sets and for the icons of a set:
// loading takes the sections that are there and stops at the first missing
// one, at once, and creates no key on the way.
TEST(ImageManager, StoredCountsBeyondTheSectionsStopAtTheFirstMissingOne)
{
    const char szHuge[] = "2147483647";
    const LPCSTR counted[] = {"Icons", "Icons\\IconSet0"};
    CXTPImageManager original;
    FillManager(original);

    CString strKey;
    strKey.Format("Software\\QivnotesTests\\ImageCounts-%lu", ::GetCurrentProcessId());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
    HKEY hRoot = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, strKey, &hRoot));
    {
        CXTPPropExchangeRegistry px(FALSE, hRoot, "Icons");
        original.DoPropExchange(&px);
    }
    for (LPCSTR pszSection : counted)
    {
        DWORD dwHuge = 0x7FFFFFFF;
        ASSERT_EQ(ERROR_SUCCESS, ::SHSetValueA(hRoot, pszSection, "Count", REG_DWORD, &dwHuge, 4));
    }
    int nKeys = CountKeys(hRoot);
    CXTPImageManager fromRegistry;
    {
        CXTPPropExchangeRegistry px(TRUE, hRoot, "Icons");
        fromRegistry.DoPropExchange(&px);
    }
    ExpectFilled(fromRegistry);
    EXPECT_EQ(nKeys, CountKeys(hRoot));
    ::RegCloseKey(hRoot);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);

    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strFile;
    strFile.Format("%s%lu-counts.ini", szTemp, ::GetCurrentProcessId());
    ::DeleteFileA(strFile);
    {
        CXTPPropExchangeIniFile px(FALSE, nullptr, "Icons");
        px.AssignFile(strFile);
        original.DoPropExchange(&px);
    }
    for (LPCSTR pszSection : counted)
        ASSERT_TRUE(::WritePrivateProfileStringA(pszSection, "Count", szHuge, strFile));
    std::string before = ReadWholeFile(strFile);
    CXTPImageManager fromIni;
    {
        CXTPPropExchangeIniFile px(TRUE, nullptr, "Icons");
        px.AssignFile(strFile);
        fromIni.DoPropExchange(&px);
    }
    ExpectFilled(fromIni);
    EXPECT_EQ(before, ReadWholeFile(strFile));
    ::DeleteFileA(strFile);
}

} // namespace
