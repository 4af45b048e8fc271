#include "toolkit/commandbars/PropExchangeArchive.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "framework/core/OleVariant.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string>
#include <vector>

// Small classes for the object and class exchanges.
class CTestShape : public CObject
{
    DECLARE_SERIAL(CTestShape)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nCorners;
        else
            ar >> m_nCorners;
    }
    int m_nCorners = 0;
};
IMPLEMENT_SERIAL(CTestShape, CObject, 1)

class CTestOther : public CObject
{
    DECLARE_DYNCREATE(CTestOther)
};
IMPLEMENT_DYNCREATE(CTestOther, CObject)

namespace {

using Bytes = std::vector<BYTE>;

// Runs fn on a storing archive exchange and answers the bytes written.
template <class Fn>
Bytes Store(Fn fn)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        fn(&px);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.Seek(0, CFile::begin);
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// Runs fn on a loading archive exchange over the bytes; answers how many
// bytes fn left unread.
template <class Fn>
size_t Load(Bytes bytes, Fn fn)
{
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    fn(&px);
    ar.Flush();
    return static_cast<size_t>(file.GetLength() - file.GetPosition());
}

TEST(PropExchangeArchive, SchemaMarker)
{
    Bytes bytes = Store([](CXTPPropExchange* px) { px->ExchangeSchemaNumber(); });
    EXPECT_EQ((Bytes{0xBF, 0xAD, 0xF0, 0x0F, 18, 0, 0, 0}), bytes);

    Load(bytes, [](CXTPPropExchange* px) {
        px->SetSchema(5);
        px->ExchangeSchemaNumber();
        EXPECT_EQ(18u, px->GetSchema());
    });

    // Without the marker nothing is consumed and the schema is 17.
    size_t nLeft = Load(Bytes{1, 0, 0, 0, 7, 0, 0, 0}, [](CXTPPropExchange* px) {
        px->ExchangeSchemaNumber();
        EXPECT_EQ(17u, px->GetSchema());
        int n = 0;
        ExchangeIntProperty(px, "Wert", n, 0);
        EXPECT_EQ(1, n);
    });
    EXPECT_EQ(4u, nLeft);

    // At the very end, or with fewer than four bytes left: no marker either.
    for (const Bytes& tail : {Bytes{}, Bytes{0xBF, 0xAD, 0xF0}})
    {
        Load(tail, [](CXTPPropExchange* px) {
            px->ExchangeSchemaNumber();
            EXPECT_EQ(17u, px->GetSchema());
        });
    }
}

TEST(PropExchangeArchive, EveryValueInOrderDefaultsIncluded)
{
    Bytes bytes = Store([](CXTPPropExchange* px) {
        EXPECT_FALSE(px->CanOmitValues());
        EXPECT_TRUE(px->HasNativeBinary());
        BYTE by = 0xAB;
        short sh = -1;
        int n = 0x01020304;
        BOOL b = TRUE;
        CString str("Bar");
        CSize sz(5, 6);
        CRect rc(1, 2, 3, 4);
        int nDefault = 7;
        ExchangeByteProperty(px, "Byte", by, 0);
        ExchangeShortProperty(px, "Short", sh, 0);
        ExchangeIntProperty(px, "Int", n, 0);
        ExchangeBoolProperty(px, "Bool", b, TRUE);         // equal to its default
        ExchangeStringProperty(px, "Text", str, "");
        ExchangeSizeProperty(px, "Size", sz, CSize(0, 0));
        ExchangeRectProperty(px, "Rect", rc, CRect(0, 0, 0, 0));
        ExchangeIntProperty(px, "Default", nDefault, 7);   // written anyway
        BSTR bstr = ::SysAllocString(L"nie");
        px->ExchangeValue("Wide", VT_BSTR, &bstr, nullptr);   // wide strings are skipped
        ::SysFreeString(bstr);
    });
    const Bytes expected = {
        0xAB,                               // byte
        0xFF, 0xFF,                         // short
        0x04, 0x03, 0x02, 0x01,             // int
        1, 0, 0, 0,                         // BOOL
        3, 'B', 'a', 'r',                   // string
        5, 0, 0, 0, 6, 0, 0, 0,             // size
        1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0,   // rectangle
        7, 0, 0, 0,                         // the default value
    };
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CXTPPropExchange* px) {
        BYTE by = 0;
        short sh = 0;
        int n = 0;
        BOOL b = FALSE;
        CString str;
        CSize sz;
        CRect rc;
        int nDefault = 0;
        ExchangeByteProperty(px, "Byte", by, 0);
        ExchangeShortProperty(px, "Short", sh, 0);
        ExchangeIntProperty(px, "Int", n, 0);
        ExchangeBoolProperty(px, "Bool", b, FALSE);
        ExchangeStringProperty(px, "Text", str, "");
        ExchangeSizeProperty(px, "Size", sz, 0, 0);
        ExchangeRectProperty(px, "Rect", rc, CRect());
        ExchangeIntProperty(px, "Default", nDefault, 0);
        EXPECT_EQ(0xAB, by);
        EXPECT_EQ(-1, sh);
        EXPECT_EQ(0x01020304, n);
        EXPECT_TRUE(b);
        EXPECT_STREQ("Bar", str);
        EXPECT_EQ(CSize(5, 6), sz);
        EXPECT_EQ(CRect(1, 2, 3, 4), rc);
        EXPECT_EQ(7, nDefault);
    });
}

TEST(PropExchangeArchive, FloatingPointDatesVariantsCurrency)
{
    Bytes bytes = Store([](CXTPPropExchange* px) {
        float f = 1.5f;
        double d = -2.25;
        CY cy;
        cy.Lo = 0x11223344;
        cy.Hi = -2;
        COleDateTime date(2005, 12, 31, 8, 30, 0);
        COleVariant var(42L);
        px->ExchangeValue("F", VT_R4, &f, nullptr);
        px->ExchangeValue("D", VT_R8, &d, nullptr);
        px->ExchangeValue("C", VT_CY, &cy, nullptr);
        px->ExchangeValue("T", VT_DATE, &date, nullptr);
        px->ExchangeValue("V", VT_VARIANT, &var, nullptr);
    });
    ASSERT_GE(bytes.size(), 4u + 8 + 8 + 12 + 16);
    EXPECT_EQ((Bytes{0x00, 0x00, 0xC0, 0x3F}), Bytes(bytes.begin(), bytes.begin() + 4));
    EXPECT_EQ((Bytes{0x44, 0x33, 0x22, 0x11, 0xFE, 0xFF, 0xFF, 0xFF}),
              Bytes(bytes.begin() + 12, bytes.begin() + 20));
    Load(bytes, [](CXTPPropExchange* px) {
        float f = 0;
        double d = 0;
        CY cy = {};
        COleDateTime date;
        COleVariant var;
        px->ExchangeValue("F", VT_R4, &f, nullptr);
        px->ExchangeValue("D", VT_R8, &d, nullptr);
        px->ExchangeValue("C", VT_CY, &cy, nullptr);
        px->ExchangeValue("T", VT_DATE, &date, nullptr);
        px->ExchangeValue("V", VT_VARIANT, &var, nullptr);
        EXPECT_EQ(1.5f, f);
        EXPECT_EQ(-2.25, d);
        EXPECT_EQ(0x11223344u, cy.Lo);
        EXPECT_EQ(-2, cy.Hi);
        EXPECT_TRUE(date == COleDateTime(2005, 12, 31, 8, 30, 0));
        EXPECT_TRUE(var == COleVariant(42L));
    });
}

TEST(PropExchangeArchive, RectangleCutShortIsAnError)
{
    Bytes bytes = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
    bool bThrown = false;
    try
    {
        Load(bytes, [](CXTPPropExchange* px) {
            CRect rc;
            ExchangeRectProperty(px, "Rect", rc, CRect());
        });
    }
    catch (CArchiveException* e)
    {
        bThrown = e->m_cause == CArchiveException::endOfFile;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}

TEST(PropExchangeArchive, BlobsAndRefusedBlobsStayInStep)
{
    BYTE data[5] = {1, 2, 3, 4, 5};
    Bytes bytes = Store([&](CXTPPropExchange* px) {
        BYTE* p = data;
        DWORD n = 5;
        EXPECT_TRUE(ExchangeBlobProperty(px, "Blob", p, n));
        int nAfter = 99;
        ExchangeIntProperty(px, "Nach", nAfter, 0);
    });
    EXPECT_EQ((Bytes{5, 0, 1, 2, 3, 4, 5, 99, 0, 0, 0}), bytes);

    // Into a null buffer: allocated with the stored size.
    Load(bytes, [](CXTPPropExchange* px) {
        BYTE* p = nullptr;
        DWORD n = 0;
        EXPECT_TRUE(ExchangeBlobProperty(px, "Blob", p, n));
        ASSERT_EQ(5u, n);
        EXPECT_EQ(5, p[4]);
        free(p);
    });

    // A caller's buffer too small: refused, yet the next value still reads right.
    size_t nLeft = Load(bytes, [](CXTPPropExchange* px) {
        BYTE small[3] = {};
        BYTE* p = small;
        DWORD n = 3;
        EXPECT_FALSE(ExchangeBlobProperty(px, "Blob", p, n));
        int nAfter = 0;
        ExchangeIntProperty(px, "Nach", nAfter, 0);
        EXPECT_EQ(99, nAfter);
    });
    EXPECT_EQ(0u, nLeft);
}

TEST(PropExchangeArchive, SectionsShareTheArchiveAndCountsUseItsForm)
{
    Bytes bytes = Store([](CXTPPropExchange* px) {
        px->SetSchema(17);
        CXTPPropExchangeEnumerator* pEnum = px->GetEnumerator("Item");
        POSITION pos = pEnum->GetPosition(2);
        int i = 0;
        while (pos)
        {
            CXTPPropExchange* pSection = pEnum->GetNext(pos);
            EXPECT_TRUE(pSection->IsChild());
            EXPECT_EQ(17u, pSection->GetSchema());
            int n = 10 + i++;
            ExchangeIntProperty(pSection, "N", n, 0);
            pSection->InternalRelease();
        }
        delete pEnum;
        EXPECT_EQ(2, i);
    });
    EXPECT_EQ((Bytes{2, 0, 10, 0, 0, 0, 11, 0, 0, 0}), bytes);

    Load(bytes, [](CXTPPropExchange* px) {
        CXTPPropExchangeEnumerator* pEnum = px->GetEnumerator("Item");
        POSITION pos = pEnum->GetPosition();
        std::vector<int> values;
        while (pos)
        {
            CXTPPropExchange* pSection = pEnum->GetNext(pos);
            EXPECT_TRUE(pSection->IsLoading());
            int n = 0;
            ExchangeIntProperty(pSection, "N", n, 0);
            values.push_back(n);
            pSection->InternalRelease();
        }
        delete pEnum;
        EXPECT_EQ((std::vector<int>{10, 11}), values);
    });
}

TEST(PropExchangeArchive, ObjectsAndClasses)
{
    Bytes bytes = Store([](CXTPPropExchange* px) {
        CTestShape shape;
        shape.m_nCorners = 3;
        EXPECT_TRUE(ExchangeObjectProperty(px, "Data", &shape));
        CObject* pObject = &shape;
        EXPECT_TRUE(ExchangeRuntimeClass(px, pObject, RUNTIME_CLASS(CObject)));
    });
    // The object's own bytes, then the class name as a string.
    const Bytes expected = {3, 0, 0, 0, 10, 'C', 'T', 'e', 's', 't', 'S', 'h', 'a', 'p', 'e'};
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CXTPPropExchange* px) {
        CTestShape shape;
        EXPECT_TRUE(ExchangeObjectProperty(px, "Data", &shape));
        EXPECT_EQ(3, shape.m_nCorners);
        CObject* pObject = nullptr;
        ASSERT_TRUE(ExchangeRuntimeClass(px, pObject, RUNTIME_CLASS(CObject)));
        ASSERT_NE(nullptr, pObject);
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CTestShape)));
        delete pObject;
    });

    // A stored class that is not of the required kind is never made.
    Load(bytes, [](CXTPPropExchange* px) {
        CTestShape shape;
        ExchangeObjectProperty(px, "Data", &shape);
        CObject* pObject = nullptr;
        EXPECT_FALSE(ExchangeRuntimeClass(px, pObject, RUNTIME_CLASS(CTestOther)));
        EXPECT_EQ(nullptr, pObject);
    });

    // Data that ends inside the object: caught, FALSE.
    Load(Bytes{3, 0}, [](CXTPPropExchange* px) {
        CTestShape shape;
        EXPECT_FALSE(ExchangeObjectProperty(px, "Data", &shape));
    });
}

} // namespace
