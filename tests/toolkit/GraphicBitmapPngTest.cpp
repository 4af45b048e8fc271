// The PNG loader on the PNG test suite that ships with libpng's sources. The
// pixels are compared with an independent decoder by pngsuite_check.py: when
// QIV_PNG_DUMP_DIR is set, the suite test writes what it decoded there.
#include "toolkit/draw/GraphicBitmapPng.h"

#include "ImageTestRes.h"
#include "ProcessMemory.h"
#include "TestFiles.h"
#include "framework/core/Module.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <malloc.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace {

std::vector<CString> SuiteFiles(const CString& strFolder)
{
    std::vector<CString> files;
    for (const char* pszSub : {"", "interlaced\\"})
    {
        WIN32_FIND_DATAA fd = {};
        HANDLE hFind = ::FindFirstFileA(strFolder + pszSub + "*.png", &fd);
        if (hFind == INVALID_HANDLE_VALUE)
            continue;
        do
            files.push_back(CString(pszSub) + fd.cFileName);
        while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    return files;
}

struct DibInfo
{
    DIBSECTION ds;
    const BYTE* pBits;
};

DibInfo Describe(const CBitmap& bitmap)
{
    DibInfo info = {};
    EXPECT_EQ(int(sizeof(DIBSECTION)),
              ::GetObjectA(bitmap.GetSafeHandle(), sizeof(DIBSECTION), &info.ds));
    info.pBits = static_cast<const BYTE*>(info.ds.dsBm.bmBits);
    return info;
}

TEST(GraphicBitmapPng, PngSuiteDecodes)
{
    CString strSuite = EnvironmentFolder("QIV_SOURCE_DIR", "third_party/libpng-src/contrib/pngsuite");
    ASSERT_FALSE(strSuite.IsEmpty()) << "QIV_SOURCE_DIR is not set";
    std::vector<CString> files = SuiteFiles(strSuite);
    ASSERT_GE(files.size(), 50u) << strSuite.GetString();

    CString strDumps = EnvironmentFolder("QIV_PNG_DUMP_DIR");
    if (!strDumps.IsEmpty())
        ::CreateDirectoryA(strDumps, nullptr);

    for (const CString& strFile : files)
    {
        std::string data = ReadWholeFile(strSuite + strFile);
        ASSERT_FALSE(data.empty()) << strFile.GetString();
        CXTPGraphicBitmapPng png;
        ASSERT_TRUE(png.LoadFromMemory(data.data(), UINT(data.size()))) << strFile.GetString();

        DibInfo info = Describe(png);
        EXPECT_EQ(32, info.ds.dsBmih.biBitCount);
        EXPECT_EQ(32, info.ds.dsBmih.biWidth);
        EXPECT_EQ(32, abs(info.ds.dsBmih.biHeight));
        ASSERT_NE(nullptr, info.pBits);

        if (!strDumps.IsEmpty())
        {
            CString strName = strFile;
            strName.Replace('\\', '_');
            CString strHeader;
            strHeader.Format("%d %d %d\n", 32, 32, png.IsAlpha() ? 1 : 0);
            std::string dump(strHeader.GetString());
            dump.append(reinterpret_cast<const char*>(info.pBits), 32 * 32 * 4);
            ASSERT_TRUE(WriteWholeFile(strDumps + strName + ".dump", dump.data(), dump.size()));
        }
    }
}

TEST(GraphicBitmapPng, AlphaFlagFollowsTheChannels)
{
    CString strSuite = EnvironmentFolder("QIV_SOURCE_DIR", "third_party/libpng-src/contrib/pngsuite");
    struct Case
    {
        const char* pszFile;
        BOOL bAlpha;
    };
    const Case cases[] = {
        {"basn6a08.png", TRUE},   // RGBA
        {"basn4a08.png", TRUE},   // grey with alpha
        {"ftp1n3p08.png", TRUE},  // palette with a transparency chunk
        {"basn3p08.png", FALSE},  // palette without one
        {"basn0g08.png", FALSE},  // grey
        {"ftbbn3p08.png", FALSE}, // transparency drawn over the background chunk
    };
    for (const Case& c : cases)
    {
        std::string data = ReadWholeFile(strSuite + c.pszFile);
        CXTPGraphicBitmapPng png;
        ASSERT_TRUE(png.LoadFromMemory(data.data(), UINT(data.size()))) << c.pszFile;
        EXPECT_EQ(c.bAlpha, png.IsAlpha()) << c.pszFile;
        if (!c.bAlpha)
        {
            DibInfo info = Describe(png);
            for (int i = 0; i < 32 * 32; ++i)
                ASSERT_EQ(0, info.pBits[i * 4 + 3]) << c.pszFile << " pixel " << i;
        }
    }
}

HRSRC FindPng(UINT nID)
{
    return ::FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID), "PNG");
}

TEST(GraphicBitmapPng, ResourceWithAlpha)
{
    CXTPGraphicBitmapPng png;
    ASSERT_TRUE(png.LoadFromResource(AfxGetResourceHandle(), FindPng(IDB_TEST_PNG)));
    EXPECT_TRUE(png.IsAlpha());
    DibInfo info = Describe(png);
    EXPECT_EQ(32, info.ds.dsBmih.biWidth);
    EXPECT_EQ(16, abs(info.ds.dsBmih.biHeight));
    // Top row, column 3: brown (200, 100, 50) with alpha 48, bytes B G R A.
    const BYTE* p = info.pBits + 3 * 4;
    EXPECT_EQ(50, p[0]);
    EXPECT_EQ(100, p[1]);
    EXPECT_EQ(200, p[2]);
    EXPECT_EQ(48, p[3]);
    // Second image, inside its border: opaque blue.
    p = info.pBits + (5 * 32 + 20) * 4;
    EXPECT_EQ(255, p[0]);
    EXPECT_EQ(255, p[3]);
}

TEST(GraphicBitmapPng, BrokenResourcesAreRefused)
{
    for (UINT nID : {IDB_TEST_PNG_TRUNCATED, IDB_TEST_PNG_NINE, IDB_TEST_PNG_BADSIG})
    {
        HRSRC hRes = FindPng(nID);
        ASSERT_NE(nullptr, hRes) << nID;
        CXTPGraphicBitmapPng png;
        // A bitmap from before is dropped by every load.
        ASSERT_TRUE(png.LoadFromResource(AfxGetResourceHandle(), FindPng(IDB_TEST_PNG)));
        EXPECT_FALSE(png.LoadFromResource(AfxGetResourceHandle(), hRes)) << nID;
        EXPECT_EQ(nullptr, png.GetSafeHandle());
        EXPECT_FALSE(png.IsAlpha());
    }
    EXPECT_EQ(9u, ::SizeofResource(AfxGetResourceHandle(), FindPng(IDB_TEST_PNG_NINE)));
    CXTPGraphicBitmapPng png;
    EXPECT_FALSE(png.LoadFromResource(AfxGetResourceHandle(), nullptr));
    EXPECT_FALSE(png.LoadFromMemory(nullptr, 100));
}

std::string Chunk(const char* pszType, const std::string& body)
{
    std::string chunk;
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk += static_cast<char>((body.size() >> shift) & 0xFF);
    std::string typed = std::string(pszType, 4) + body;
    chunk += typed;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()));
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk += static_cast<char>((crc >> shift) & 0xFF);
    return chunk;
}

// A header whose row size times height does not fit in memory's address
// range: refused before anything that large is allocated.
TEST(GraphicBitmapPng, HugeImagesAreRefused)
{
    std::string ihdr;
    for (unsigned value : {1000000u, 1000000u})
        for (int shift = 24; shift >= 0; shift -= 8)
            ihdr += static_cast<char>((value >> shift) & 0xFF);
    ihdr += std::string("\x08\x06\x00\x00\x00", 5);   // 8 bits, RGBA, no interlace
    std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", ihdr)
                      + Chunk("IDAT", std::string("\x78\x9c\x03\x00\x00\x00\x00\x01", 8))
                      + Chunk("IEND", "");
    CXTPGraphicBitmapPng bitmap;
    EXPECT_FALSE(bitmap.LoadFromMemory(png.data(), static_cast<UINT>(png.size())));
    EXPECT_EQ(nullptr, bitmap.GetSafeHandle());
}

// A text chunk that declares 256 MB in a file of a few dozen bytes: the
// loader refuses the file without ever taking memory of that size.
TEST(GraphicBitmapPng, DeclaredChunkLengthsTakeNoMemory)
{
    std::string ihdr("\x00\x00\x00\x02\x00\x00\x00\x02\x08\x06\x00\x00\x00", 13);
    std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", ihdr);
    png += std::string("\x10\x00\x00\x00zTXtKommentar", 17);
    SIZE_T nPeakBefore = QueryProcessMemory().nPeakWorkingSet;
    ASSERT_NE(0u, nPeakBefore);
    CXTPGraphicBitmapPng bitmap;
    EXPECT_FALSE(bitmap.LoadFromMemory(png.data(), static_cast<UINT>(png.size())));
    SIZE_T nPeakAfter = QueryProcessMemory().nPeakWorkingSet;
    EXPECT_LT(nPeakAfter, nPeakBefore + 64 * 1024 * 1024) << nPeakBefore << " -> " << nPeakAfter;
}

// Every refusal frees what the decoder allocated: thousands of failed loads
// leave the heap where it was.
TEST(GraphicBitmapPng, RefusalsDoNotLeak)
{
    HRSRC hRes = FindPng(IDB_TEST_PNG_TRUNCATED);
    DWORD nSize = ::SizeofResource(AfxGetResourceHandle(), hRes);
    const void* pData = ::LockResource(::LoadResource(AfxGetResourceHandle(), hRes));
    ASSERT_NE(nullptr, pData);

    auto heapInUse = [] {
        _HEAPINFO entry = {};
        size_t nUsed = 0;
        while (_heapwalk(&entry) == _HEAPOK)
            if (entry._useflag == _USEDENTRY)
                nUsed += entry._size;
        return nUsed;
    };
    for (int i = 0; i < 50; ++i)
    {
        CXTPGraphicBitmapPng png;
        png.LoadFromMemory(pData, nSize);
    }
    size_t nBefore = heapInUse();
    ASSERT_GT(nBefore, 0u) << "the heap cannot be walked";
    for (int i = 0; i < 2000; ++i)
    {
        CXTPGraphicBitmapPng png;
        ASSERT_FALSE(png.LoadFromMemory(pData, nSize));
    }
    size_t nAfter = heapInUse();
    EXPECT_LT(nAfter, nBefore + 4096) << nBefore << " -> " << nAfter;
}

} // namespace
