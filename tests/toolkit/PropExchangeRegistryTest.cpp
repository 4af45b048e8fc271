// Checked through the real registry: what the exchange writes is read back
// with the registry calls themselves, and hand-written values are loaded.
#include "toolkit/commandbars/PropExchangeRegistry.h"

#include "framework/core/Archive.h"
#include "framework/core/OleDateTime.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <stdlib.h>
#include <string>
#include <vector>

// A small serializable object stored as one value.
class CTestCounter : public CObject
{
    DECLARE_SERIAL(CTestCounter)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nValue << m_strName;
        else
            ar >> m_nValue >> m_strName;
    }
    int m_nValue = 0;
    CString m_strName;
};
IMPLEMENT_SERIAL(CTestCounter, CObject, 1)

namespace {

// One key per test program: several may run at once in the same session.
CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\PropExchange-%lu", ::GetCurrentProcessId());
    return strKey;
}

class PropExchangeRegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, TestKey(), &m_hRoot));
    }
    void TearDown() override
    {
        ::RegCloseKey(m_hRoot);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    }

    struct RawValue
    {
        bool bExists = false;
        DWORD dwType = 0;
        std::string data;
    };

    RawValue Raw(LPCSTR pszSubKey, LPCSTR pszName)
    {
        RawValue value;
        HKEY hKey = m_hRoot;
        if (*pszSubKey && ::RegOpenKeyA(m_hRoot, pszSubKey, &hKey) != ERROR_SUCCESS)
            return value;
        DWORD nSize = 0;
        if (::RegQueryValueExA(hKey, pszName, nullptr, &value.dwType, nullptr, &nSize)
            == ERROR_SUCCESS)
        {
            value.data.resize(nSize);
            ::RegQueryValueExA(hKey, pszName, nullptr, &value.dwType,
                               reinterpret_cast<BYTE*>(&value.data[0]), &nSize);
            value.bExists = true;
        }
        if (hKey != m_hRoot)
            ::RegCloseKey(hKey);
        return value;
    }

    void SetRaw(LPCSTR pszSubKey, LPCSTR pszName, DWORD dwType, const std::string& data)
    {
        HKEY hKey = m_hRoot;
        if (*pszSubKey)
        {
            ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(m_hRoot, pszSubKey, &hKey));
        }
        ::RegSetValueExA(hKey, pszName, 0, dwType, reinterpret_cast<const BYTE*>(data.data()),
                         static_cast<DWORD>(data.size()));
        if (hKey != m_hRoot)
            ::RegCloseKey(hKey);
    }

    static std::string Dword(DWORD dw)
    {
        return std::string(reinterpret_cast<const char*>(&dw), 4);
    }

    HKEY m_hRoot = nullptr;
};

TEST_F(PropExchangeRegistryTest, ValueForms)
{
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "Werte");
        EXPECT_TRUE(px.CanOmitValues());
        EXPECT_TRUE(px.HasNativeBinary());
        short sh = -1;
        BYTE by = 200;
        int n = -5;
        BOOL b = TRUE;
        CString str("Men\xFC");
        CRect rc(1, 2, 3, 4);
        CSize sz(-5, 6);
        float f = 1.5f;
        double d = 2.5;
        EXPECT_TRUE(ExchangeShortProperty(&px, "Short", sh, 0));
        EXPECT_TRUE(ExchangeByteProperty(&px, "Byte", by, 0));
        EXPECT_TRUE(ExchangeIntProperty(&px, "Int", n, 0));
        EXPECT_TRUE(ExchangeBoolProperty(&px, "Bool", b, FALSE));
        EXPECT_TRUE(ExchangeStringProperty(&px, "Text", str, ""));
        EXPECT_TRUE(ExchangeRectProperty(&px, "Rect", rc, CRect(0, 0, 0, 0)));
        EXPECT_TRUE(ExchangeSizeProperty(&px, "Size", sz, 0, 0));
        EXPECT_TRUE(px.ExchangeValue("Float", VT_R4, &f, nullptr));
        EXPECT_TRUE(px.ExchangeValue("Double", VT_R8, &d, nullptr));
        COleDateTime date(2005, 12, 31, 0, 0, 0);
        EXPECT_FALSE(px.ExchangeValue("Date", VT_DATE, &date, nullptr));
    }
    struct Expected
    {
        const char* pszName;
        DWORD dwType;
        std::string data;
    };
    const Expected expected[] = {
        {"Short", REG_DWORD, Dword(0x0000FFFF)},
        {"Byte", REG_DWORD, Dword(200)},
        {"Int", REG_DWORD, Dword(0xFFFFFFFB)},
        {"Bool", REG_DWORD, Dword(1)},
        {"Text", REG_SZ, std::string("Men\xFC", 5)},
        {"Rect", REG_SZ, std::string("1, 2, 3, 4", 11)},
        {"Size", REG_SZ, std::string("-5, 6", 6)},
        {"Float", REG_BINARY, std::string("\x00\x00\xC0\x3F", 4)},
        {"Double", REG_BINARY, std::string("\x00\x00\x00\x00\x00\x00\x04\x40", 8)},
    };
    for (const Expected& e : expected)
    {
        RawValue raw = Raw("Werte", e.pszName);
        ASSERT_TRUE(raw.bExists) << e.pszName;
        EXPECT_EQ(e.dwType, raw.dwType) << e.pszName;
        EXPECT_EQ(e.data, raw.data) << e.pszName;
    }
    EXPECT_FALSE(Raw("Werte", "Date").bExists);

    CXTPPropExchangeRegistry px(TRUE, m_hRoot, "Werte");
    short sh = 0;
    BYTE by = 0;
    int n = 0;
    BOOL b = FALSE;
    CString str;
    CRect rc;
    CSize sz;
    EXPECT_TRUE(ExchangeShortProperty(&px, "Short", sh, 0));
    EXPECT_TRUE(ExchangeByteProperty(&px, "Byte", by, 0));
    EXPECT_TRUE(ExchangeIntProperty(&px, "Int", n, 0));
    EXPECT_TRUE(ExchangeBoolProperty(&px, "Bool", b, FALSE));
    EXPECT_TRUE(ExchangeStringProperty(&px, "Text", str, ""));
    EXPECT_TRUE(ExchangeRectProperty(&px, "Rect", rc, CRect(0, 0, 0, 0)));
    EXPECT_TRUE(ExchangeSizeProperty(&px, "Size", sz, 0, 0));
    EXPECT_EQ(-1, sh);
    EXPECT_EQ(200, by);
    EXPECT_EQ(-5, n);
    EXPECT_TRUE(b);
    EXPECT_STREQ("Men\xFC", str);
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_EQ(CSize(-5, 6), sz);
    // Floating-point values are written but not read back.
    float f = 7.0f;
    EXPECT_FALSE(px.ExchangeValue("Float", VT_R4, &f, nullptr));
    EXPECT_EQ(7.0f, f);
}

TEST_F(PropExchangeRegistryTest, DefaultsAreNotWrittenAndOldValuesGo)
{
    SetRaw("Standard", "Int", REG_DWORD, Dword(5));
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "Standard");
        int n = 3;
        CString str("x");
        EXPECT_TRUE(ExchangeIntProperty(&px, "Int", n, 3));
        EXPECT_TRUE(ExchangeStringProperty(&px, "Text", str, "x"));
    }
    EXPECT_FALSE(Raw("Standard", "Int").bExists);
    EXPECT_FALSE(Raw("Standard", "Text").bExists);

    // With the default switched off for storing, the value is written.
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "Standard");
        px.UseDefaultOnSave(FALSE);
        int n = 3;
        EXPECT_TRUE(ExchangeIntProperty(&px, "Int", n, 3));
    }
    EXPECT_EQ(Dword(3), Raw("Standard", "Int").data);

    // Missing values load their default; without one the variable stays.
    CXTPPropExchangeRegistry px(TRUE, m_hRoot, "Standard");
    int nMissing = 11;
    EXPECT_TRUE(ExchangeIntProperty(&px, "Fehlt", nMissing, 42));
    EXPECT_EQ(42, nMissing);
    EXPECT_FALSE(ExchangeIntPropertyNoDefault(&px, "Fehlt", nMissing));
    EXPECT_EQ(42, nMissing);
    px.UseDefaultOnLoad(FALSE);
    EXPECT_FALSE(ExchangeIntProperty(&px, "Fehlt", nMissing, 1));
    EXPECT_EQ(42, nMissing);
}

TEST_F(PropExchangeRegistryTest, UntrustedValuesFallBackToTheDefault)
{
    SetRaw("Fremd", "Rect3", REG_SZ, std::string("1, 2, 3", 8));
    SetRaw("Fremd", "IntAsText", REG_SZ, std::string("12", 3));
    SetRaw("Fremd", "TextAsInt", REG_DWORD, Dword(0x41414141));
    SetRaw("Fremd", "ShortBinary", REG_BINARY, std::string("\x01\x02", 2));
    // Text stored without its terminator still ends where it should.
    SetRaw("Fremd", "Unterminated", REG_SZ, std::string("abc", 3));

    CXTPPropExchangeRegistry px(TRUE, m_hRoot, "Fremd");
    CRect rc(0, 0, 0, 0);
    EXPECT_TRUE(ExchangeRectProperty(&px, "Rect3", rc, CRect(9, 9, 9, 9)));
    EXPECT_EQ(CRect(9, 9, 9, 9), rc);
    int n = 0;
    EXPECT_TRUE(ExchangeIntProperty(&px, "IntAsText", n, 77));
    EXPECT_EQ(77, n);
    EXPECT_TRUE(ExchangeIntProperty(&px, "ShortBinary", n, 78));
    EXPECT_EQ(78, n);
    CString str;
    EXPECT_TRUE(ExchangeStringProperty(&px, "TextAsInt", str, "Standard"));
    EXPECT_STREQ("Standard", str);
    EXPECT_TRUE(ExchangeStringProperty(&px, "Unterminated", str, ""));
    EXPECT_STREQ("abc", str);
    EXPECT_EQ(3, str.GetLength());
}

TEST_F(PropExchangeRegistryTest, BlobsAreBinaryValues)
{
    std::vector<BYTE> blob(70000);
    for (size_t i = 0; i < blob.size(); ++i)
        blob[i] = static_cast<BYTE>(i * 7);
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "Blob");
        BYTE* p = blob.data();
        DWORD n = static_cast<DWORD>(blob.size());
        EXPECT_TRUE(ExchangeBlobProperty(&px, "Data", p, n));
    }
    RawValue raw = Raw("Blob", "Data");
    EXPECT_EQ(DWORD(REG_BINARY), raw.dwType);
    EXPECT_EQ(std::string(blob.begin(), blob.end()), raw.data);

    CXTPPropExchangeRegistry px(TRUE, m_hRoot, "Blob");
    BYTE* p = nullptr;
    DWORD n = 0;
    ASSERT_TRUE(ExchangeBlobProperty(&px, "Data", p, n));
    EXPECT_EQ(blob.size(), n);
    EXPECT_TRUE(memcmp(p, blob.data(), n) == 0);
    free(p);
    BYTE small[10];
    p = small;
    n = 10;
    EXPECT_FALSE(ExchangeBlobProperty(&px, "Data", p, n));
    p = nullptr;
    EXPECT_FALSE(ExchangeBlobProperty(&px, "Fehlt", p, n));
}

TEST_F(PropExchangeRegistryTest, SectionsEnumeratorsAndClearing)
{
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "Leisten");
        px.ExchangeSchemaNumber();
        CXTPPropExchangeEnumerator* pEnum = px.GetEnumerator("Bar");
        POSITION pos = pEnum->GetPosition(2);
        int i = 0;
        while (pos)
        {
            CXTPPropExchange* pSection = pEnum->GetNext(pos);
            int n = 100 + i++;
            ExchangeIntProperty(pSection, "Id", n, 0);
            CXTPPropExchange* pInner = pSection->GetSection("Innen");
            CString str("tief");
            ExchangeStringProperty(pInner, "Text", str, "");
            pInner->InternalRelease();
            pSection->InternalRelease();
        }
        delete pEnum;
    }
    EXPECT_EQ(Dword(2), Raw("Leisten", "Count").data);
    EXPECT_FALSE(Raw("Leisten", "Schema").bExists);   // 18 is the default
    EXPECT_EQ(Dword(100), Raw("Leisten\\Bar0", "Id").data);
    EXPECT_EQ(Dword(101), Raw("Leisten\\Bar1", "Id").data);
    EXPECT_EQ(std::string("tief", 5), Raw("Leisten\\Bar1\\Innen", "Text").data);

    {
        CXTPPropExchangeRegistry px(TRUE, m_hRoot, "Leisten");
        CXTPPropExchangeEnumerator* pEnum = px.GetEnumerator("Bar");
        POSITION pos = pEnum->GetPosition();
        std::vector<int> ids;
        while (pos)
        {
            CXTPPropExchange* pSection = pEnum->GetNext(pos);
            int n = 0;
            ExchangeIntProperty(pSection, "Id", n, 0);
            ids.push_back(n);
            pSection->InternalRelease();
        }
        delete pEnum;
        EXPECT_EQ((std::vector<int>{100, 101}), ids);
    }

    // Clearing deletes the key and its sub-keys; values equal to their
    // default are then simply not written.
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "Leisten");
        int nOld = 5;
        ExchangeIntProperty(&px, "Alt", nOld, 0);
        px.ClearSection();
        int nDefault = 0;
        EXPECT_TRUE(ExchangeIntProperty(&px, "Alt", nDefault, 0));
        int nNew = 8;
        EXPECT_TRUE(ExchangeIntProperty(&px, "Neu", nNew, 0));
    }
    EXPECT_FALSE(Raw("Leisten\\Bar0", "Id").bExists);
    EXPECT_FALSE(Raw("Leisten", "Alt").bExists);
    EXPECT_EQ(Dword(8), Raw("Leisten", "Neu").data);
}

TEST_F(PropExchangeRegistryTest, ClearingAnEmptyPathNeverDeletesTheRoot)
{
    SetRaw("", "Wichtig", REG_DWORD, Dword(1));
    SetRaw("Teil", "Wert", REG_DWORD, Dword(2));
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "");
        px.ClearSection();
    }
    EXPECT_EQ(Dword(1), Raw("", "Wichtig").data);
    EXPECT_EQ(Dword(2), Raw("Teil", "Wert").data);
    HKEY hKey = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, ::RegOpenKeyA(HKEY_CURRENT_USER, TestKey(), &hKey));
    ::RegCloseKey(hKey);
}

TEST_F(PropExchangeRegistryTest, NoApplicationKeyMeansNothingStored)
{
    // The test program has no application object, so there is no key.
    CXTPPropExchangeRegistry store(FALSE, nullptr, "Irgendwo");
    int n = 5;
    EXPECT_FALSE(ExchangeIntProperty(&store, "Wert", n, 0));
    CXTPPropExchangeRegistry load(TRUE, nullptr, "Irgendwo");
    EXPECT_TRUE(ExchangeIntProperty(&load, "Wert", n, 9));
    EXPECT_EQ(9, n);
}

TEST_F(PropExchangeRegistryTest, ObjectsTravelAsOneBinaryValue)
{
    {
        CXTPPropExchangeRegistry px(FALSE, m_hRoot, "Objekte");
        CTestCounter counter;
        counter.m_nValue = 0x1234;
        counter.m_strName = "Zähler";
        EXPECT_TRUE(ExchangeObjectProperty(&px, "Data", &counter));
        CRuntimeClass* pClass = RUNTIME_CLASS(CTestCounter);
        EXPECT_TRUE(ExchangeClassProperty(&px, "Klasse", pClass, nullptr));
    }
    RawValue raw = Raw("Objekte", "Data");
    EXPECT_EQ(DWORD(REG_BINARY), raw.dwType);
    EXPECT_EQ(std::string("\x34\x12\x00\x00\x06Z\xE4hler", 11), raw.data);
    EXPECT_EQ(std::string("CTestCounter", 13), Raw("Objekte", "Klasse").data);

    CXTPPropExchangeRegistry px(TRUE, m_hRoot, "Objekte");
    CTestCounter counter;
    EXPECT_TRUE(ExchangeObjectProperty(&px, "Data", &counter));
    EXPECT_EQ(0x1234, counter.m_nValue);
    EXPECT_STREQ("Z\xE4hler", counter.m_strName);
    EXPECT_FALSE(ExchangeObjectProperty(&px, "Fehlt", &counter));
    CRuntimeClass* pClass = nullptr;
    EXPECT_TRUE(ExchangeClassProperty(&px, "Klasse", pClass, nullptr));
    EXPECT_EQ(RUNTIME_CLASS(CTestCounter), pClass);
    EXPECT_TRUE(ExchangeClassProperty(&px, "KeineKlasse", pClass, RUNTIME_CLASS(CObject)));
    EXPECT_EQ(RUNTIME_CLASS(CObject), pClass);
    SetRaw("Objekte", "Unbekannt", REG_SZ, std::string("CGibtEsNicht", 13));
    EXPECT_FALSE(ExchangeClassProperty(&px, "Unbekannt", pClass, nullptr));

    // A blob cut short inside the object: caught, FALSE.
    SetRaw("Objekte", "Kurz", REG_BINARY, std::string("\x34\x12", 2));
    EXPECT_FALSE(ExchangeObjectProperty(&px, "Kurz", &counter));
}

} // namespace
