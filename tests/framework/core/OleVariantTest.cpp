#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/core/OleVariant.h"

#include <gtest/gtest.h>

#include <string.h>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Stored(const COleVariant& var)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << var;
    ar.Close();
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(const Bytes& bytes, COleVariant& var)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    ar >> var;
    ar.Close();
}

// The archive cause of what loading bytes throws; -1 when it loads.
int LoadFailure(const Bytes& bytes)
{
    COleVariant var;
    try {
        Load(bytes, var);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

Bytes Header(VARTYPE vt)
{
    return Bytes{static_cast<BYTE>(vt), static_cast<BYTE>(vt >> 8), 0, 0, 0, 0, 0, 0};
}

CY MakeCy(DWORD lo, LONG hi)
{
    CY cy;
    cy.Lo = lo;
    cy.Hi = hi;
    return cy;
}

} // namespace

TEST(OleVariantTest, FixedSizeValuesTakeSixteenBytesAndRoundTrip)
{
    COleDateTime date(2005, 12, 31, 12, 0, 0);
    const COleVariant values[] = {
        COleVariant(),
        COleVariant(static_cast<short>(-2)),
        COleVariant(static_cast<short>(1), VT_BOOL),
        COleVariant(static_cast<BYTE>(0xAB)),
        COleVariant(-123456L),
        COleVariant(static_cast<long>(E_FAIL), VT_ERROR),
        COleVariant(1.5f),
        COleVariant(-2.25),
        COleVariant(date),
        COleVariant(MakeCy(0x11223344, 0x55667788)),
    };
    for (const COleVariant& value : values) {
        Bytes stored = Stored(value);
        ASSERT_EQ(stored.size(), 16u) << "type " << value.vt;
        EXPECT_EQ(Bytes(stored.begin(), stored.begin() + 8), Header(value.vt));
        COleVariant loaded(3.0);
        Load(stored, loaded);
        EXPECT_EQ(loaded.vt, value.vt);
        EXPECT_TRUE(loaded == value) << "type " << value.vt;
    }

    // Values sit little-endian at byte 8, zero-padded; currency low half first.
    Bytes i2 = Header(VT_I2);
    i2.insert(i2.end(), {0xFE, 0xFF, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Stored(COleVariant(static_cast<short>(-2))), i2);
    Bytes cy = Header(VT_CY);
    cy.insert(cy.end(), {0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55});
    EXPECT_EQ(Stored(COleVariant(MakeCy(0x11223344, 0x55667788))), cy);
}

TEST(OleVariantTest, StringsCarryTheirLengthAndUtf16Characters)
{
    COleVariant text("Grüße");
    Bytes expected = Header(VT_BSTR);
    expected.insert(expected.end(), {5, 0, 0, 0, 0, 0, 0, 0});
    for (WCHAR ch : {L'G', L'r', L'\u00FC', L'\u00DF', L'e'}) {
        expected.push_back(static_cast<BYTE>(ch));
        expected.push_back(static_cast<BYTE>(ch >> 8));
    }
    EXPECT_EQ(Stored(text), expected);

    COleVariant loaded;
    Load(expected, loaded);
    ASSERT_EQ(loaded.vt, VT_BSTR);
    EXPECT_STREQ(loaded.bstrVal, L"Gr\u00FC\u00DFe");
    EXPECT_TRUE(loaded == text);

    // A null string stays null and an empty one stays empty.
    COleVariant nullString;
    nullString.vt = VT_BSTR;
    nullString.bstrVal = nullptr;
    Bytes nullBytes = Stored(nullString);
    ASSERT_EQ(nullBytes.size(), 16u);
    EXPECT_EQ(nullBytes[8], 0xFF);
    Load(nullBytes, loaded);
    EXPECT_EQ(loaded.vt, VT_BSTR);
    EXPECT_EQ(loaded.bstrVal, nullptr);

    Load(Stored(COleVariant("")), loaded);
    ASSERT_EQ(loaded.vt, VT_BSTR);
    ASSERT_NE(loaded.bstrVal, nullptr);
    EXPECT_EQ(::SysStringLen(loaded.bstrVal), 0u);
}

TEST(OleVariantTest, DamagedDataRaisesArchiveErrors)
{
    EXPECT_EQ(LoadFailure(Bytes{VT_I4, 0, 0}), CArchiveException::endOfFile);

    Bytes unknownType = Header(VT_UNKNOWN);
    unknownType.resize(16, 0);
    EXPECT_EQ(LoadFailure(unknownType), CArchiveException::badClass);

    Bytes shortString = Header(VT_BSTR);
    shortString.insert(shortString.end(), {3, 0, 0, 0, 0, 0, 0, 0, 'a', 0, 'b', 0});
    EXPECT_EQ(LoadFailure(shortString), CArchiveException::endOfFile);

    // A huge length in a small file fails before anything of that size is made.
    Bytes hugeString = Header(VT_BSTR);
    hugeString.insert(hugeString.end(), {0xFE, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 'a', 0});
    EXPECT_EQ(LoadFailure(hugeString), CArchiveException::endOfFile);

    // The variant keeps its value when loading fails.
    COleVariant kept(7L);
    try {
        Load(shortString, kept);
    } catch (CArchiveException* e) {
        e->Delete();
    }
    EXPECT_EQ(kept.vt, VT_I4);
    EXPECT_EQ(kept.lVal, 7);
}

TEST(OleVariantTest, TypesWithoutAnArchiveFormCannotBeStored)
{
    COleVariant var;
    var.vt = VT_UNKNOWN;
    var.punkVal = nullptr;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    try {
        ar << var;
        ADD_FAILURE() << "an interface pointer was stored";
    } catch (CNotSupportedException* e) {
        e->Delete();
    }
    ar.Close();
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(OleVariantTest, EqualityNeedsTheSameTypeAndValue)
{
    EXPECT_TRUE(COleVariant(1L) == COleVariant(1L));
    EXPECT_FALSE(COleVariant(1L) == COleVariant(static_cast<short>(1)));
    EXPECT_FALSE(COleVariant(1L) == COleVariant(2L));
    EXPECT_TRUE(COleVariant("abc") == COleVariant(CString("abc")));
    EXPECT_FALSE(COleVariant("abc") == COleVariant("abd"));
    EXPECT_FALSE(COleVariant("abc") == COleVariant("ab"));
    EXPECT_TRUE(COleVariant() == COleVariant());
    EXPECT_TRUE(COleVariant(MakeCy(1, 2)) != COleVariant(MakeCy(1, 3)));
    EXPECT_TRUE(COleVariant(COleDateTime(2.5)) == COleVariant(COleDateTime(2.5)));
    EXPECT_TRUE(COleVariant(COleDateTime(2.5)) != COleVariant(2.5));
}

TEST(OleVariantTest, ChangeTypeConvertsOrThrows)
{
    COleVariant number(42L);
    number.ChangeType(VT_BSTR);
    ASSERT_EQ(number.vt, VT_BSTR);
    EXPECT_STREQ(number.bstrVal, L"42");

    COleVariant target;
    COleVariant source(static_cast<short>(7));
    target.ChangeType(VT_R8, &source);
    EXPECT_EQ(target.vt, VT_R8);
    EXPECT_EQ(target.dblVal, 7.0);
    EXPECT_EQ(source.vt, VT_I2);

    COleVariant text("kein Datum");
    try {
        text.ChangeType(VT_I4);
        ADD_FAILURE() << "text became a number";
    } catch (COleException* e) {
        EXPECT_TRUE(FAILED(e->m_sc));
        e->Delete();
    }
    EXPECT_EQ(text.vt, VT_BSTR);
}

TEST(OleVariantTest, AssignmentAttachAndDetach)
{
    COleVariant flag(static_cast<short>(0), VT_BOOL);
    flag = static_cast<short>(5);
    EXPECT_EQ(flag.vt, VT_BOOL);
    EXPECT_EQ(flag.boolVal, VARIANT_TRUE);
    flag = 2.0;
    EXPECT_EQ(flag.vt, VT_R8);
    flag = "Text";
    EXPECT_EQ(flag.vt, VT_BSTR);
    flag = 3;
    EXPECT_EQ(flag.vt, VT_I4);

    VARIANT raw;
    ::VariantInit(&raw);
    raw.vt = VT_BSTR;
    raw.bstrVal = ::SysAllocString(L"owned");
    COleVariant holder;
    holder.Attach(raw);
    EXPECT_EQ(raw.vt, VT_EMPTY);
    EXPECT_STREQ(holder.bstrVal, L"owned");

    VARIANT out = holder.Detach();
    EXPECT_EQ(holder.vt, VT_EMPTY);
    EXPECT_STREQ(out.bstrVal, L"owned");
    ::VariantClear(&out);

    COleVariant copy(holder = COleVariant("kopie"));
    EXPECT_TRUE(copy == holder);
    EXPECT_NE(copy.bstrVal, holder.bstrVal);
}
