// The INI back end. What it writes is read back with the profile calls here,
// and, when QIV_INI_DUMP_DIR is set, left in that folder for ini_check.py,
// which reads it with Python's configparser.
#include "toolkit/commandbars/PropExchangeIniFile.h"

#include "TestFiles.h"
#include "framework/core/OleVariant.h"
#include "toolkit/commandbars/PropExchangeText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

// One file per test program: several may run at once.
CString TempIniPath(LPCSTR pszName)
{
    char szPath[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szPath);
    CString strPath;
    strPath.Format("%s%lu-%s", szPath, ::GetCurrentProcessId(), pszName);
    return strPath;
}

CString RawText(LPCSTR pszFile, LPCSTR pszSection, LPCSTR pszKey)
{
    std::vector<char> buffer(300000);
    ::GetPrivateProfileStringA(pszSection, pszKey, "<fehlt>", buffer.data(),
                               static_cast<DWORD>(buffer.size()), pszFile);
    return CString(buffer.data());
}

// The file's section names, sorted.
std::vector<std::string> SectionNames(LPCSTR pszFile)
{
    char szNames[4000] = {};
    DWORD nLength = ::GetPrivateProfileSectionNamesA(szNames, sizeof(szNames), pszFile);
    std::vector<std::string> names;
    for (const char* psz = szNames; psz < szNames + nLength && *psz; psz += strlen(psz) + 1)
        names.push_back(psz);
    std::sort(names.begin(), names.end());
    return names;
}

BOOL FileExists(LPCSTR pszFile)
{
    return ::GetFileAttributesA(pszFile) != INVALID_FILE_ATTRIBUTES;
}

// Stores the table of values whose text forms ini_check.py checks too.
void StoreValueForms(LPCSTR pszFile)
{
    CXTPPropExchangeIniFile px(FALSE, nullptr, "Werte");
    px.AssignFile(pszFile);
    EXPECT_FALSE(px.HasNativeBinary());
    EXPECT_TRUE(px.CanOmitValues());

    int n = -5;
    short sh = -1;
    BYTE by = 200;
    BOOL b = TRUE;
    CString str("C:\\Pfad\nZeile2\rx\ty");
    CRect rc(1, 2, 3, 4);
    CSize sz(5, 6);
    double d = 2.5;
    COleDateTime date(2005, 12, 31, 0, 0, 0);
    COleDateTime time;
    time.m_dt = 8.5 / 24;
    time.SetStatus(COleDateTime::valid);
    COleDateTime dateTime(2005, 12, 31, 8, 30, 15);
    COleVariant var("Hallo Welt");
    COleVariant varDate(COleDateTime(2006, 1, 2, 0, 0, 0));
    BYTE one[1] = {0x3C};
    BYTE four[4] = {0x00, 0xFF, 0x3C, 0x12};

    EXPECT_TRUE(ExchangeIntProperty(&px, "Int", n, 0));
    EXPECT_TRUE(ExchangeShortProperty(&px, "Short", sh, 0));
    EXPECT_TRUE(ExchangeByteProperty(&px, "Byte", by, 0));
    EXPECT_TRUE(ExchangeBoolProperty(&px, "Bool", b, FALSE));
    EXPECT_TRUE(ExchangeStringProperty(&px, "Text", str, ""));
    EXPECT_TRUE(ExchangeRectProperty(&px, "Rect", rc, CRect(0, 0, 0, 0)));
    EXPECT_TRUE(ExchangeSizeProperty(&px, "Size", sz, 0, 0));
    EXPECT_TRUE(px.ExchangeValue("Double", VT_R8, &d, nullptr));
    EXPECT_TRUE(px.ExchangeValue("Date", VT_DATE, &date, nullptr));
    EXPECT_TRUE(px.ExchangeValue("Time", VT_DATE, &time, nullptr));
    EXPECT_TRUE(px.ExchangeValue("DateTime", VT_DATE, &dateTime, nullptr));
    EXPECT_TRUE(px.ExchangeValue("Variant", VT_VARIANT, &var, nullptr));
    EXPECT_TRUE(px.ExchangeValue("VariantDate", VT_VARIANT, &varDate, nullptr));
    BYTE* p = one;
    DWORD nBytes = 1;
    EXPECT_TRUE(ExchangeBlobProperty(&px, "Blob1", p, nBytes));
    p = four;
    nBytes = 4;
    EXPECT_TRUE(ExchangeBlobProperty(&px, "Blob4", p, nBytes));
    // No text form for single floats and currency.
    float f = 1.5f;
    EXPECT_FALSE(px.ExchangeValue("Float", VT_R4, &f, nullptr));
    CY cy = {};
    EXPECT_FALSE(px.ExchangeValue("Currency", VT_CY, &cy, nullptr));
    // Equal to its default: not written.
    int nDefault = 4;
    EXPECT_TRUE(ExchangeIntProperty(&px, "Default", nDefault, 4));

    CXTPPropExchange* pInner = px.GetSection("Innen");
    CString strInner("tief");
    EXPECT_TRUE(ExchangeStringProperty(pInner, "Text", strInner, ""));
    pInner->InternalRelease();
}

TEST(PropExchangeIniFile, ValueForms)
{
    CString strDumps = EnvironmentFolder("QIV_INI_DUMP_DIR");
    if (!strDumps.IsEmpty())
        ::CreateDirectoryA(strDumps, nullptr);
    CString strFile = strDumps.IsEmpty() ? TempIniPath("qiv-propexchange.ini")
                                         : strDumps + "propexchange.ini";
    ::DeleteFileA(strFile);
    StoreValueForms(strFile);

    const char* const forms[][2] = {
        {"Int", "-5"},
        {"Short", "65535"},
        {"Byte", "200"},
        {"Bool", "1"},
        {"Text", "C:\\\\Pfad\\nZeile2\\rx\\ty"},
        {"Rect", "1, 2, 3, 4"},
        {"Size", "5, 6"},
        {"Double", "2.500000"},
        {"Date", "2005-31-12"},
        {"Time", "08:30:00"},
        {"DateTime", "2005-31-12T08:30:15"},
        {"Variant", "Hallo Welt"},
        {"VariantDate", "2006-02-01"},
        {"Blob1", "MD"},
        {"Blob4", "AAPPMDCB"},
        {"Float", "<fehlt>"},
        {"Currency", "<fehlt>"},
        {"Default", "<fehlt>"},
    };
    for (const auto& form : forms)
        EXPECT_STREQ(form[1], RawText(strFile, "Werte", form[0])) << form[0];
    EXPECT_STREQ("tief", RawText(strFile, "Werte\\Innen", "Text"));

    CXTPPropExchangeIniFile px(TRUE, nullptr, "Werte");
    px.AssignFile(strFile);
    int n = 0;
    short sh = 0;
    BYTE by = 0;
    BOOL b = FALSE;
    CString str;
    CRect rc;
    CSize sz;
    double d = 0;
    COleDateTime date, time, dateTime;
    COleVariant var, varDate;
    EXPECT_TRUE(ExchangeIntProperty(&px, "Int", n, 0));
    EXPECT_TRUE(ExchangeShortProperty(&px, "Short", sh, 0));
    EXPECT_TRUE(ExchangeByteProperty(&px, "Byte", by, 0));
    EXPECT_TRUE(ExchangeBoolProperty(&px, "Bool", b, FALSE));
    EXPECT_TRUE(ExchangeStringProperty(&px, "Text", str, ""));
    EXPECT_TRUE(ExchangeRectProperty(&px, "Rect", rc, CRect(0, 0, 0, 0)));
    EXPECT_TRUE(ExchangeSizeProperty(&px, "Size", sz, 0, 0));
    EXPECT_TRUE(px.ExchangeValue("Double", VT_R8, &d, nullptr));
    EXPECT_TRUE(px.ExchangeValue("Date", VT_DATE, &date, nullptr));
    EXPECT_TRUE(px.ExchangeValue("Time", VT_DATE, &time, nullptr));
    EXPECT_TRUE(px.ExchangeValue("DateTime", VT_DATE, &dateTime, nullptr));
    EXPECT_TRUE(px.ExchangeValue("Variant", VT_VARIANT, &var, nullptr));
    EXPECT_TRUE(px.ExchangeValue("VariantDate", VT_VARIANT, &varDate, nullptr));
    EXPECT_EQ(-5, n);
    EXPECT_EQ(-1, sh);
    EXPECT_EQ(200, by);
    EXPECT_TRUE(b);
    EXPECT_STREQ("C:\\Pfad\nZeile2\rx\ty", str);
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_EQ(CSize(5, 6), sz);
    EXPECT_EQ(2.5, d);
    EXPECT_TRUE(date == COleDateTime(2005, 12, 31, 0, 0, 0));
    EXPECT_NEAR(8.5 / 24, time.m_dt, 1e-9);
    EXPECT_TRUE(dateTime == COleDateTime(2005, 12, 31, 8, 30, 15));
    EXPECT_TRUE(var == COleVariant("Hallo Welt"));
    EXPECT_EQ(VT_DATE, varDate.vt);
    BYTE* p = nullptr;
    DWORD nBytes = 0;
    ASSERT_TRUE(ExchangeBlobProperty(&px, "Blob4", p, nBytes));
    ASSERT_EQ(4u, nBytes);
    EXPECT_EQ(0, memcmp(p, "\x00\xFF\x3C\x12", 4));
    free(p);

    if (strDumps.IsEmpty())
        ::DeleteFileA(strFile);
}

TEST(PropExchangeIniFile, ValuesOfAnyLength)
{
    CString strFile = TempIniPath("qiv-propexchange-long.ini");
    ::DeleteFileA(strFile);
    CString strLong;
    for (int i = 0; i < 100000; ++i)
        strLong += static_cast<char>('a' + i % 26);
    std::vector<BYTE> blob(40000);
    for (size_t i = 0; i < blob.size(); ++i)
        blob[i] = static_cast<BYTE>(i * 13 + 1);
    {
        CXTPPropExchangeIniFile px(FALSE, nullptr, "Lang");
        px.AssignFile(strFile);
        EXPECT_TRUE(ExchangeStringProperty(&px, "Text", strLong, ""));
        BYTE* p = blob.data();
        DWORD n = static_cast<DWORD>(blob.size());
        EXPECT_TRUE(ExchangeBlobProperty(&px, "Blob", p, n));
    }
    CXTPPropExchangeIniFile px(TRUE, nullptr, "Lang");
    px.AssignFile(strFile);
    CString str;
    EXPECT_TRUE(ExchangeStringProperty(&px, "Text", str, ""));
    EXPECT_EQ(strLong.GetLength(), str.GetLength());
    EXPECT_TRUE(str == strLong);
    BYTE* p = nullptr;
    DWORD n = 0;
    ASSERT_TRUE(ExchangeBlobProperty(&px, "Blob", p, n));
    ASSERT_EQ(blob.size(), n);
    EXPECT_EQ(0, memcmp(p, blob.data(), n));
    free(p);
    ::DeleteFileA(strFile);
}

TEST(PropExchangeIniFile, UntrustedTextFallsBackOrFails)
{
    CString strFile = TempIniPath("qiv-propexchange-bad.ini");
    ::DeleteFileA(strFile);
    ::WritePrivateProfileStringA("Fremd", "Rect3", "1, 2, 3", strFile);
    ::WritePrivateProfileStringA("Fremd", "BlobOdd", "ABC", strFile);
    ::WritePrivateProfileStringA("Fremd", "BlobBad", "AZ", strFile);
    ::WritePrivateProfileStringA("Fremd", "Date", "kein Datum", strFile);
    ::WritePrivateProfileStringA("Fremd", "Escapes", "a\\\\nb\\x", strFile);

    CXTPPropExchangeIniFile px(TRUE, nullptr, "Fremd");
    px.AssignFile(strFile);
    CRect rc;
    EXPECT_TRUE(ExchangeRectProperty(&px, "Rect3", rc, CRect(7, 7, 7, 7)));
    EXPECT_EQ(CRect(7, 7, 7, 7), rc);
    EXPECT_FALSE(px.ExchangeValue("Rect3", XTP_VT_RECT, &rc, nullptr));
    BYTE* p = nullptr;
    DWORD n = 0;
    EXPECT_FALSE(ExchangeBlobProperty(&px, "BlobOdd", p, n));
    EXPECT_FALSE(ExchangeBlobProperty(&px, "BlobBad", p, n));
    EXPECT_FALSE(ExchangeBlobProperty(&px, "Fehlt", p, n));
    EXPECT_EQ(nullptr, p);
    COleDateTime date(2000, 1, 1, 0, 0, 0);
    EXPECT_FALSE(px.ExchangeValue("Date", VT_DATE, &date, nullptr));
    EXPECT_TRUE(date == COleDateTime(2000, 1, 1, 0, 0, 0));
    // An escaped backslash stays a backslash; an unknown escape stays as it is.
    CString str;
    EXPECT_TRUE(ExchangeStringProperty(&px, "Escapes", str, ""));
    EXPECT_STREQ("a\\nb\\x", str);
    ::DeleteFileA(strFile);
}

// Text that has no conversion to the value's type is refused, default or
// not: the variable keeps what it held. Only a missing or empty value takes
// the default.
TEST(PropExchangeIniFile, UnconvertibleTextIsRefused)
{
    CString strFile = TempIniPath("qiv-propexchange-refused.ini");
    ::DeleteFileA(strFile);
    CXTPPropExchangeIniFile px(TRUE, nullptr, "Fremd");
    px.AssignFile(strFile);

    float f = 1.5f;
    const float fDefault = 2.5f;
    CY cy = {};
    cy.int64 = 5;
    CY cyDefault = {};
    cyDefault.int64 = 7;
    BSTR bstr = ::SysAllocString(L"alt");
    BSTR bstrDefault = ::SysAllocString(L"neu");
    BSTR bstrBefore = bstr;
    COleDateTime date(2000, 1, 1, 0, 0, 0);
    const COleDateTime dateDefault(2010, 5, 5, 0, 0, 0);

    struct Case
    {
        const char* text;
        int nType;
        void* pValue;
        const void* pDefault;
    } cases[] = {
        {"1.25", VT_R4, &f, &fDefault},
        {"12345", VT_CY, &cy, &cyDefault},
        {"Text", VT_BSTR, &bstr, &bstrDefault},
        {"kein Datum", VT_DATE, &date, &dateDefault},
        {"2005-40-40", VT_DATE, &date, &dateDefault},
        {"2005-12", VT_DATE, &date, &dateDefault},
        {"31.12.2005", VT_DATE, &date, &dateDefault},
        {"Mittag", VT_DATE, &date, nullptr},
    };
    for (const Case& c : cases)
    {
        ::WritePrivateProfileStringA("Fremd", "Wert", c.text, strFile);
        EXPECT_FALSE(px.ExchangeValue("Wert", c.nType, c.pValue, c.pDefault))
            << c.text << " as type " << c.nType;
    }
    EXPECT_EQ(1.5f, f);
    EXPECT_EQ(5, cy.int64);
    EXPECT_EQ(bstrBefore, bstr);
    EXPECT_STREQ(L"alt", bstr);
    EXPECT_TRUE(date == COleDateTime(2000, 1, 1, 0, 0, 0));

    // Missing or empty: the default.
    ::WritePrivateProfileStringA("Fremd", "Leer", "", strFile);
    for (LPCSTR pszName : {"Fehlt", "Leer"})
    {
        date = COleDateTime(2000, 1, 1, 0, 0, 0);
        EXPECT_TRUE(px.ExchangeValue(pszName, VT_DATE, &date, &dateDefault)) << pszName;
        EXPECT_TRUE(date == dateDefault) << pszName;
    }
    ::SysFreeString(bstr);
    ::SysFreeString(bstrDefault);
    ::DeleteFileA(strFile);
}

TEST(PropExchangeIniFile, ClearingTakesTheSectionAndItsChildren)
{
    CString strFile = TempIniPath("qiv-propexchange-clear.ini");
    ::DeleteFileA(strFile);
    for (LPCSTR pszSection : {"Leiste", "Leiste\\Bar0", "Leiste\\Bar1\\Innen", "LeisteAndere",
                              "Anders"})
        ::WritePrivateProfileStringA(pszSection, "Wert", "1", strFile);

    {
        CXTPPropExchangeIniFile px(FALSE, nullptr, "Leiste");
        px.AssignFile(strFile);
        px.ClearSection();
        // After clearing, a value equal to its default deletes nothing.
        int n = 0;
        EXPECT_TRUE(ExchangeIntProperty(&px, "Neu", n, 0));
        n = 3;
        EXPECT_TRUE(ExchangeIntProperty(&px, "Neu", n, 0));
    }
    EXPECT_EQ((std::vector<std::string>{"Anders", "Leiste", "LeisteAndere"}), SectionNames(strFile));
    EXPECT_STREQ("<fehlt>", RawText(strFile, "Leiste", "Wert"));
    EXPECT_STREQ("3", RawText(strFile, "Leiste", "Neu"));
    ::DeleteFileA(strFile);
}

// The profile calls take section names without regard to case, and so does
// clearing: sections of the same name in another case go too, whichever
// comes first in the file.
TEST(PropExchangeIniFile, ClearingIgnoresTheCaseOfSectionNames)
{
    CString strFile = TempIniPath("qiv-propexchange-case.ini");
    FILE* pFile = fopen(strFile, "wb");
    ASSERT_NE(nullptr, pFile);
    fputs("[commandbars]\r\nWert=klein\r\n"
          "[CommandBars]\r\nWert=alt\r\n"
          "[COMMANDBARS\\bar0]\r\nWert=1\r\n"
          "[CommandBarsAndere]\r\nWert=2\r\n"
          "[Anders]\r\nWert=3\r\n", pFile);
    fclose(pFile);

    {
        CXTPPropExchangeIniFile px(FALSE, nullptr, "CommandBars");
        px.AssignFile(strFile);
        px.ClearSection();
    }
    EXPECT_EQ((std::vector<std::string>{"Anders", "CommandBarsAndere"}), SectionNames(strFile));

    CXTPPropExchangeIniFile px(TRUE, nullptr, "CommandBars");
    px.AssignFile(strFile);
    CString str("leer");
    EXPECT_FALSE(ExchangeStringPropertyNoDefault(&px, "Wert", str));
    EXPECT_STREQ("leer", str);
    ::DeleteFileA(strFile);
}

TEST(PropExchangeIniFile, WithoutAFileATemporaryOneIsUsedAndRemoved)
{
    CString strTempFile;
    {
        CXTPPropExchangeIniFile px(FALSE, nullptr, "Temp");
        ASSERT_TRUE(px.Prepare());
        strTempFile = px.GetFileName();
        EXPECT_NE(-1, strTempFile.Find("xtp"));
        CXTPPropExchange* pSection = px.GetSection("Kind");
        CString str("x");
        EXPECT_TRUE(ExchangeStringProperty(pSection, "Text", str, ""));
        pSection->InternalRelease();
        // A section never deletes the file.
        EXPECT_TRUE(FileExists(strTempFile));
        EXPECT_STREQ("x", RawText(strTempFile, "Temp\\Kind", "Text"));

        CXTPPropExchangeEnumerator* pEnum = px.GetEnumerator("Item");
        EXPECT_EQ(nullptr, pEnum->GetPosition(0));
        delete pEnum;
        EXPECT_STREQ("<fehlt>", RawText(strTempFile, "Temp", "Count"));
    }
    EXPECT_FALSE(FileExists(strTempFile));
}

TEST(PropExchangeText, DatesBothWays)
{
    struct Case
    {
        COleDateTime date;
        const char* pszText;
    };
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    COleDateTime halfPastEight;
    halfPastEight.m_dt = 8.5 / 24;
    halfPastEight.SetStatus(COleDateTime::valid);
    const Case cases[] = {
        {COleDateTime(2005, 12, 31, 0, 0, 0), "2005-31-12"},
        {COleDateTime(1999, 1, 2, 23, 59, 58), "1999-02-01T23:59:58"},
        {halfPastEight, "08:30:00"},
        {nullDate, ""},
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.pszText, DateToText(c.date)) << c.pszText;
        if (*c.pszText)
        {
            COleDateTime parsed;
            ASSERT_TRUE(TextToDate(c.pszText, parsed)) << c.pszText;
            EXPECT_NEAR(c.date.m_dt, parsed.m_dt, 1e-7) << c.pszText;
        }
    }
    COleDateTime parsed;
    EXPECT_TRUE(TextToDate("2005-31-12T08:30", parsed));   // five fields
    EXPECT_TRUE(TextToDate("8:30", parsed));
    EXPECT_NEAR(8.5 / 24, parsed.m_dt, 1e-9);
    EXPECT_FALSE(TextToDate("2005-12", parsed));
    EXPECT_FALSE(TextToDate("2005-40-40", parsed));   // day 40 of month 40
    EXPECT_FALSE(TextToDate("", parsed));
}

} // namespace
