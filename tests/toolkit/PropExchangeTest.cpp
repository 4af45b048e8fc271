// What every back end shares: type sizes, default comparison and copying,
// enumerators in both count forms, and the schema number.
#include "toolkit/commandbars/PropExchange.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/core/OleVariant.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"

#include <gtest/gtest.h>

#include <shlwapi.h>
#include <memory>
#include <vector>

namespace {

TEST(PropExchange, TypeSizes)
{
    const int sizes[][2] = {
        {VT_I2, 2}, {VT_I4, 4}, {VT_R4, 4}, {VT_R8, 8}, {VT_CY, 8}, {VT_DATE, 12},
        {VT_BSTR, 4}, {VT_BOOL, 4}, {VT_VARIANT, 16}, {VT_UI1, 1}, {XTP_VT_RECT, 16},
        {XTP_VT_SIZE, 8}, {VT_LPSTR, 0}, {VT_I8, 0}, {99, 0},
    };
    for (const auto& entry : sizes)
        EXPECT_EQ(entry[1], PropertyTypeSize(entry[0])) << entry[0];
}

TEST(PropExchange, DefaultComparison)
{
    int a = 5, b = 5, c = 6;
    EXPECT_TRUE(IsDefaultValue(VT_I4, &a, &b));
    EXPECT_FALSE(IsDefaultValue(VT_I4, &a, &c));
    EXPECT_TRUE(IsDefaultValue(VT_I4, &a, &a));
    EXPECT_FALSE(IsDefaultValue(VT_I4, &a, nullptr));
    EXPECT_TRUE(IsDefaultValue(VT_I4, nullptr, nullptr));   // the same pointer

    CString s1("Abc"), s2("Abc"), s3("abc");
    EXPECT_TRUE(IsDefaultValue(VT_LPSTR, &s1, &s2));
    EXPECT_FALSE(IsDefaultValue(VT_LPSTR, &s1, &s3));   // bytes, not case-folded

    COleDateTime d1(2005, 12, 31, 0, 0, 0), d2(2005, 12, 31, 0, 0, 0);
    COleDateTime invalid1, invalid2, null1, null2;
    invalid1.SetStatus(COleDateTime::invalid);
    invalid2.SetStatus(COleDateTime::invalid);
    null1.SetStatus(COleDateTime::null);
    null2.SetStatus(COleDateTime::null);
    EXPECT_TRUE(IsDefaultValue(VT_DATE, &d1, &d2));
    EXPECT_TRUE(IsDefaultValue(VT_DATE, &null1, &null2));
    EXPECT_FALSE(IsDefaultValue(VT_DATE, &invalid1, &invalid2));   // only null ones match
    EXPECT_FALSE(IsDefaultValue(VT_DATE, &d1, &null1));

    BSTR w1 = ::SysAllocString(L"x"), w2 = ::SysAllocString(L"x");
    BSTR wNull = nullptr;
    BSTR wEmpty = ::SysAllocString(L"");
    EXPECT_TRUE(IsDefaultValue(VT_BSTR, &w1, &w2));
    EXPECT_TRUE(IsDefaultValue(VT_BSTR, &wNull, &wEmpty));
    COleVariant v1(7L), v2(7L), v3(8L);
    EXPECT_TRUE(IsDefaultValue(VT_VARIANT, &v1, &v2));
    EXPECT_FALSE(IsDefaultValue(VT_VARIANT, &v1, &v3));
    CRect r1(1, 2, 3, 4), r2(1, 2, 3, 4);
    EXPECT_TRUE(IsDefaultValue(XTP_VT_RECT, &r1, &r2));
    EXPECT_FALSE(IsDefaultValue(99, &a, &b));

    // Copying a default.
    BSTR wCopy = nullptr;
    EXPECT_TRUE(CopyTypedValue(VT_BSTR, &wCopy, &w1));
    EXPECT_NE(w1, wCopy);
    EXPECT_STREQ(L"x", wCopy);
    EXPECT_FALSE(CopyTypedValue(VT_I4, &a, nullptr));
    EXPECT_FALSE(CopyTypedValue(99, &a, &c));
    EXPECT_TRUE(CopyTypedValue(VT_I4, &a, &c));
    EXPECT_EQ(6, a);
    for (BSTR w : {w1, w2, wEmpty, wCopy})
        ::SysFreeString(w);
}

std::vector<BYTE> StoreArchive(void (*fn)(CXTPPropExchange*))
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        fn(&px);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.Seek(0, CFile::begin);
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

TEST(PropExchange, EnumeratorCountForms)
{
    // Native: the archive's own count; otherwise the integer "Count".
    std::vector<BYTE> native = StoreArchive([](CXTPPropExchange* px) {
        CXTPPropExchangeEnumerator enumerator(px, "Item");
        enumerator.StartEnumeration(3, TRUE);
    });
    EXPECT_EQ((std::vector<BYTE>{3, 0}), native);
    std::vector<BYTE> plain = StoreArchive([](CXTPPropExchange* px) {
        CXTPPropExchangeEnumerator enumerator(px, "Item");
        enumerator.StartEnumeration(3, FALSE);
    });
    EXPECT_EQ((std::vector<BYTE>{3, 0, 0, 0}), plain);

    // Zero sections: no position at all.
    std::vector<BYTE> none = StoreArchive([](CXTPPropExchange* px) {
        CXTPPropExchangeEnumerator enumerator(px, "Item");
        EXPECT_EQ(nullptr, enumerator.StartEnumeration(0));
    });
    EXPECT_EQ((std::vector<BYTE>{0, 0}), none);
}

TEST(PropExchange, EnumeratorSectionNamesAndSchemaInTheRegistry)
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Enumerator-%lu", ::GetCurrentProcessId());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
    HKEY hRoot = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, strKey, &hRoot));
    {
        CXTPPropExchangeRegistry px(FALSE, hRoot, "Liste");
        px.SetSchema(17);
        px.ExchangeSchemaNumber();
        px.SetContext(&px);
        std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(px.GetEnumerator("Eintrag"));
        POSITION pos = pEnum->GetPosition(2, FALSE);
        while (pos)
        {
            CXTPPropExchange* pSection = pEnum->GetNext(pos);
            EXPECT_EQ(&px, pSection->GetContext());
            EXPECT_EQ(17u, pSection->GetSchema());
            // Keys are made when a section first stores something.
            int n = 1;
            ExchangeIntProperty(pSection, "N", n, 0);
            pSection->InternalRelease();
        }
    }
    for (LPCSTR pszSub : {"Liste\\Eintrag0", "Liste\\Eintrag1"})
    {
        HKEY hKey = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, ::RegOpenKeyA(hRoot, pszSub, &hKey)) << pszSub;
        ::RegCloseKey(hKey);
    }
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyA(hRoot, "Liste\\Eintrag2", &hKey));
    {
        CXTPPropExchangeRegistry px(TRUE, hRoot, "Liste");
        px.ExchangeSchemaNumber();
        EXPECT_EQ(17u, px.GetSchema());
        CXTPPropExchangeRegistry empty(TRUE, hRoot, "Leer");
        empty.ExchangeSchemaNumber();
        EXPECT_EQ(18u, empty.GetSchema());
    }
    ::RegCloseKey(hRoot);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
}

} // namespace
