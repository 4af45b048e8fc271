#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Serializable classes of these tests; outside the anonymous namespace, as
// the archive operators IMPLEMENT_SERIAL defines are external.

// A serializable leaf with one value.
class CArchiveLeaf : public CObject
{
    DECLARE_SERIAL(CArchiveLeaf)
public:
    WORD m_value = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
};
IMPLEMENT_SERIAL(CArchiveLeaf, CObject, 3)

class CArchiveOtherLeaf : public CArchiveLeaf
{
    DECLARE_SERIAL(CArchiveOtherLeaf)
};
IMPLEMENT_SERIAL(CArchiveOtherLeaf, CArchiveLeaf, 3)

// A node that owns its successor and counts its instances, to see that a
// failed read frees what it made.
class CArchiveChain : public CObject
{
    DECLARE_SERIAL(CArchiveChain)
public:
    static int s_alive;
    CArchiveChain() { ++s_alive; }
    ~CArchiveChain() override { --s_alive; delete m_pNext; }
    CString m_title;
    CArchiveChain* m_pNext = nullptr;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_title << m_pNext;
        } else {
            ar >> m_title;
            m_pNext = static_cast<CArchiveChain*>(ar.ReadObject(RUNTIME_CLASS(CArchiveChain)));
        }
    }
};
int CArchiveChain::s_alive = 0;
IMPLEMENT_SERIAL(CArchiveChain, CObject, 0)

// Creatable, but not serializable.
class CArchiveNotSerial : public CObject
{
    DECLARE_DYNCREATE(CArchiveNotSerial)
};
IMPLEMENT_DYNCREATE(CArchiveNotSerial, CObject)

namespace {

using Bytes = std::vector<BYTE>;

// A file that reads like a pipe: it cannot tell its length or position.
class CStreamLikeFile : public CMemFile
{
public:
    ULONGLONG GetLength() const override { AfxThrowNotSupportedException(); }
    ULONGLONG GetPosition() const override { AfxThrowNotSupportedException(); }
};

Bytes Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    ULONGLONG n = file.GetLength();
    BYTE* p = file.Detach();
    Bytes bytes(p, p + n);
    free(p);
    return bytes;
}

void Load(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// The cause of the archive exception the action raises, or -1.
int ArchiveCause(const std::function<void()>& action)
{
    try {
        action();
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

int LoadCause(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    return ArchiveCause([&] { Load(bytes, read); });
}

Bytes Cat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Text(const char* s)
{
    return Bytes(s, s + strlen(s));
}

Bytes Word(WORD w)
{
    return { static_cast<BYTE>(w), static_cast<BYTE>(w >> 8) };
}

Bytes Dword(DWORD dw)
{
    return Cat(Word(static_cast<WORD>(dw)), Word(static_cast<WORD>(dw >> 16)));
}

Bytes NewClassTag(WORD schema, const char* name)
{
    return Cat(Cat(Cat(Word(0xFFFF), Word(schema)), Word(static_cast<WORD>(strlen(name)))), Text(name));
}

} // namespace

TEST(ArchiveTest, FixedSizeValuesAreLittleEndianAndReadBack)
{
    Bytes bytes = Store([](CArchive& ar) {
        ar << static_cast<BYTE>(0x12) << static_cast<WORD>(0x3456) << static_cast<DWORD>(0x789ABCDE)
           << static_cast<LONG>(-2) << 7 << 8u << static_cast<short>(-3) << 'x'
           << 1.5f << 2.25 << static_cast<LONGLONG>(-5) << static_cast<ULONGLONG>(0x0102030405060708ull);
    });
    Bytes expectedStart = { 0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF, 0xFF, 0xFF,
                            7, 0, 0, 0, 8, 0, 0, 0, 0xFD, 0xFF, 'x' };
    ASSERT_EQ(bytes.size(), 22u + 4 + 8 + 8 + 8);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 22), expectedStart);

    Load(bytes, [](CArchive& ar) {
        BYTE by; WORD w; DWORD dw; LONG l; int i; UINT u; short s; char ch;
        float f; double d; LONGLONG ll; ULONGLONG ull;
        ar >> by >> w >> dw >> l >> i >> u >> s >> ch >> f >> d >> ll >> ull;
        EXPECT_EQ(by, 0x12); EXPECT_EQ(w, 0x3456); EXPECT_EQ(dw, 0x789ABCDEu); EXPECT_EQ(l, -2);
        EXPECT_EQ(i, 7); EXPECT_EQ(u, 8u); EXPECT_EQ(s, -3); EXPECT_EQ(ch, 'x');
        EXPECT_EQ(f, 1.5f); EXPECT_EQ(d, 2.25); EXPECT_EQ(ll, -5); EXPECT_EQ(ull, 0x0102030405060708ull);
    });
}

TEST(ArchiveTest, StringLengthsTakeTheirPrefixesAndReadBack)
{
    struct Case { int length; Bytes prefix; };
    const Case cases[] = {
        { 0, { 0x00 } },
        { 254, { 0xFE } },
        { 255, { 0xFF, 0xFF, 0x00 } },
        { 65533, { 0xFF, 0xFD, 0xFF } },
        { 65534, { 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 } },
        { 70000, { 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        CString text;
        for (int i = 0; i < c.length; ++i)
            text += static_cast<char>('a' + i % 26);
        Bytes bytes = Store([&](CArchive& ar) { ar << text << static_cast<BYTE>(0x5A); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length + 1);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix);
        Load(bytes, [&](CArchive& ar) {
            CString back;
            BYTE marker = 0;
            ar >> back >> marker;
            EXPECT_TRUE(back == text);
            EXPECT_EQ(marker, 0x5A);
        });
    }
}

TEST(ArchiveTest, Utf16StringsAreReadInTheAnsiCodePage)
{
    // "äb" as two UTF-16 characters, with the short and the word length form.
    const Bytes shortForm = { 0xFF, 0xFE, 0xFF, 0x02, 0xE4, 0x00, 0x62, 0x00 };
    const Bytes wordForm = { 0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00, 0xE4, 0x00, 0x62, 0x00 };
    for (const Bytes& bytes : { shortForm, wordForm }) {
        Load(bytes, [](CArchive& ar) {
            CString s;
            ar >> s;
            EXPECT_STREQ(s, "äb");
        });
    }
}

TEST(ArchiveTest, CountsUseTheWordOrTheEscapedDwordForm)
{
    Bytes bytes = Store([](CArchive& ar) { ar.WriteCount(0xFFFE); ar.WriteCount(0xFFFF); ar.WriteCount(3); });
    EXPECT_EQ(bytes, Cat(Cat(Word(0xFFFE), Cat(Word(0xFFFF), Dword(0xFFFF))), Word(3)));
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadCount(), 0xFFFEu);
        EXPECT_EQ(ar.ReadCount(), 0xFFFFu);
        EXPECT_EQ(ar.ReadCount(), 3u);
    });
}

TEST(ArchiveTest, ObjectsWriteClassOnceThenClassAndObjectIndices)
{
    CArchiveLeaf first, second;
    first.m_value = 0x1111;
    second.m_value = 0x2222;
    Bytes bytes = Store([&](CArchive& ar) {
        ar << &first << &second << &first << static_cast<CObject*>(nullptr);
    });
    // Class "CArchiveLeaf" takes index 1, the objects 2 and 3.
    Bytes expected = Cat(NewClassTag(3, "CArchiveLeaf"), Word(0x1111));
    expected = Cat(expected, Cat(Word(0x8001), Word(0x2222)));
    expected = Cat(expected, Cat(Word(2), Word(0)));
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        CObject* a = ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf));
        CObject* b = ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf));
        CObject* again = ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf));
        CObject* null = ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->GetRuntimeClass(), RUNTIME_CLASS(CArchiveLeaf));
        EXPECT_EQ(static_cast<CArchiveLeaf*>(a)->m_value, 0x1111);
        EXPECT_EQ(static_cast<CArchiveLeaf*>(b)->m_value, 0x2222);
        EXPECT_EQ(again, a);
        EXPECT_EQ(null, nullptr);
        delete a;
        delete b;
    });
}

TEST(ArchiveTest, IndicesBeyond32766UseTheDwordForms)
{
    const int kLeaves = 40000;
    std::vector<CArchiveLeaf> leaves(kLeaves);
    CArchiveOtherLeaf lateA, lateB;
    Bytes bytes = Store([&](CArchive& ar) {
        for (CArchiveLeaf& leaf : leaves)
            ar << &leaf;
        ar << &lateA << &lateB;           // class index 40002, objects 40003 and 40004
        ar << &leaves[0] << &lateB;       // an early and a late reference
    });
    // The tail: lateB's class as 0x7FFF + 0x80000000|40002, then the two references.
    Bytes tail = Cat(Cat(Word(0x7FFF), Dword(0x80000000u | 40002)), Word(0));
    tail = Cat(tail, Cat(Word(2), Cat(Word(0x7FFF), Dword(40004))));
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(Bytes(bytes.end() - tail.size(), bytes.end()), tail);

    Load(bytes, [&](CArchive& ar) {
        std::vector<CObject*> read;
        for (int i = 0; i < kLeaves + 4; ++i)
            read.push_back(ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf)));
        EXPECT_EQ(read[kLeaves + 1]->GetRuntimeClass(), RUNTIME_CLASS(CArchiveOtherLeaf));
        EXPECT_EQ(read[kLeaves + 2], read[0]);
        EXPECT_EQ(read[kLeaves + 3], read[kLeaves + 1]);
        for (int i = 0; i < kLeaves + 2; ++i)
            delete read[i];
    });
}

TEST(ArchiveTest, BadClassesSchemasAndIndicesAreRefused)
{
    const Bytes leaf = Cat(NewClassTag(3, "CArchiveLeaf"), Word(1));
    struct Case { const char* what; Bytes bytes; const CRuntimeClass* requested; int cause; };
    const Case cases[] = {
        { "unknown class", Cat(NewClassTag(0, "CNoSuchClass"), Word(1)), nullptr, CArchiveException::badClass },
        { "not serializable", NewClassTag(0xFFFF, "CArchiveNotSerial"), nullptr, CArchiveException::badClass },
        { "not derived from the requested class", Cat(NewClassTag(3, "CArchiveLeaf"), Word(1)),
          RUNTIME_CLASS(CArchiveOtherLeaf),
          CArchiveException::badClass },
        { "wrong schema", Cat(NewClassTag(4, "CArchiveLeaf"), Word(1)), nullptr, CArchiveException::badSchema },
        { "class index unknown", Cat(Word(0x8005), Word(1)), nullptr, CArchiveException::badIndex },
        { "object index unknown", Word(7), nullptr, CArchiveException::badIndex },
        { "big class index unknown", Cat(Word(0x7FFF), Dword(0x80000009u)), nullptr, CArchiveException::badIndex },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LoadCause(c.bytes, [&](CArchive& ar) { delete ar.ReadObject(c.requested); }), c.cause);
    }

    // References to an index of the other kind: a class tag naming the first
    // object (index 2), an object tag naming the class (index 1).
    EXPECT_EQ(LoadCause(Cat(leaf, Cat(Word(0x8002), Word(1))), [](CArchive& ar) {
                  std::unique_ptr<CObject> first(ar.ReadObject(nullptr));
                  delete ar.ReadObject(nullptr);
              }), CArchiveException::badIndex);
    EXPECT_EQ(LoadCause(Cat(leaf, Word(1)), [](CArchive& ar) {
                  std::unique_ptr<CObject> first(ar.ReadObject(nullptr));
                  delete ar.ReadObject(nullptr);
              }), CArchiveException::badIndex);
    // A known object read back where another class is asked for.
    EXPECT_EQ(LoadCause(Cat(leaf, Word(2)), [](CArchive& ar) {
                  std::unique_ptr<CObject> first(ar.ReadObject(nullptr));
                  ar.ReadObject(RUNTIME_CLASS(CArchiveOtherLeaf));
              }), CArchiveException::badClass);
    // A class name with a NUL in it names no class.
    Bytes nul = Cat(Cat(Cat(Word(0xFFFF), Word(3)), Word(13)), Text("CArchiveLeaf"));
    nul.push_back(0);
    EXPECT_EQ(LoadCause(Cat(nul, Word(1)), [](CArchive& ar) { delete ar.ReadObject(nullptr); }),
              CArchiveException::badClass);
}

TEST(ArchiveTest, AFailedReadFreesTheObjectsItMade)
{
    CArchiveChain* head = new CArchiveChain;
    head->m_title = "a";
    head->m_pNext = new CArchiveChain;
    head->m_pNext->m_title = "b";
    Bytes bytes = Store([&](CArchive& ar) { ar << head; });
    delete head;
    ASSERT_EQ(CArchiveChain::s_alive, 0);

    // Cut inside the second node's title: both nodes were made, none survives.
    bytes.resize(bytes.size() - 2);
    EXPECT_EQ(LoadCause(bytes, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CArchiveChain)); }),
              CArchiveException::endOfFile);
    EXPECT_EQ(CArchiveChain::s_alive, 0);
}

// A nested read fails after an inner object was read whole: the outer and
// the inner object are both freed, so references to either resolve to null
// afterwards instead of to freed memory.
TEST(ArchiveTest, AFailedNestedReadForgetsEveryObjectItMade)
{
    // Class 1, object "a" 2 and its successor "b" 3, whose own successor
    // names a class index that does not exist; then references to 2 and 3.
    Bytes bytes = Cat(Cat(NewClassTag(0, "CArchiveChain"), Cat(Bytes{1}, Text("a"))),
                      Cat(Cat(Word(0x8001), Cat(Bytes{1}, Text("b"))), Word(0x8009)));
    bytes = Cat(Cat(bytes, Word(2)), Word(3));

    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ArchiveCause([&] { ar.ReadObject(RUNTIME_CLASS(CArchiveChain)); }),
                  CArchiveException::badIndex);
        EXPECT_EQ(CArchiveChain::s_alive, 0);
        EXPECT_EQ(ar.ReadObject(nullptr), nullptr);
        EXPECT_EQ(ar.ReadObject(nullptr), nullptr);
    });
}

TEST(ArchiveTest, TruncatedDataNeverYieldsHalfValues)
{
    struct Case { const char* what; Bytes bytes; std::function<void(CArchive&)> read; };
    const Case cases[] = {
        { "word", { 0x01 }, [](CArchive& ar) { WORD w = 0xAAAA; ar >> w; EXPECT_EQ(w, 0xAAAA); } },
        { "dword", { 1, 2, 3 }, [](CArchive& ar) { DWORD d = 7; ar >> d; EXPECT_EQ(d, 7u); } },
        { "double", { 1, 2, 3, 4, 5, 6, 7 }, [](CArchive& ar) { double d = 1; ar >> d; EXPECT_EQ(d, 1); } },
        { "string", { 5, 'a', 'b', 'c' }, [](CArchive& ar) { CString s("x"); ar >> s; EXPECT_STREQ(s, "x"); } },
        { "string prefix", { 0xFF, 0x00 }, [](CArchive& ar) { CString s("x"); ar >> s; EXPECT_STREQ(s, "x"); } },
        { "count", { 0xFF, 0xFF, 1 }, [](CArchive& ar) { ar.ReadCount(); } },
        { "class name", Cat(Cat(Word(0xFFFF), Word(3)), Cat(Word(12), Text("CArch"))),
          [](CArchive& ar) { ar.ReadObject(nullptr); } },
        { "object record", Cat(NewClassTag(3, "CArchiveLeaf"), { 1 }), [](CArchive& ar) { ar.ReadObject(nullptr); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LoadCause(c.bytes, c.read), CArchiveException::endOfFile);
    }
}

TEST(ArchiveTest, LengthsBeyondTheDataAreRefusedWithoutAllocating)
{
    // Claims of nearly 4 GB: allocating them would fail with something else
    // than the archive's end-of-file exception.
    const Bytes narrow = Cat(Cat(Bytes{ 0xFF }, Word(0xFFFF)), Cat(Dword(0xFFFFFFF0u), Text("abc")));
    const Bytes wide = Cat(Cat(Bytes{ 0xFF }, Word(0xFFFE)), Cat(Cat(Bytes{ 0xFF }, Word(0xFFFF)),
                                                                 Cat(Dword(0xFFFFFFF0u), Text("abcd"))));
    for (const Bytes& bytes : { narrow, wide }) {
        EXPECT_EQ(LoadCause(bytes, [](CArchive& ar) { CString s; ar >> s; }), CArchiveException::endOfFile);

        // The same through a file that cannot tell how much is left.
        EXPECT_EQ(ArchiveCause([&] {
                      CStreamLikeFile file;
                      file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
                      file.SeekToBegin();
                      CArchive ar(&file, CArchive::load);
                      CString s;
                      ar >> s;
                  }), CArchiveException::endOfFile);
    }

    // Callers check lengths of their own blocks the same way.
    Load(Bytes(100, 0), [](CArchive& ar) {
        BYTE b;
        ar >> b;
        ar.CheckAvailable(99);
        EXPECT_EQ(ArchiveCause([&] { ar.CheckAvailable(100); }), CArchiveException::endOfFile);
    });
}

TEST(ArchiveTest, ReadAnswersShortAtTheEndAndPeekDoesNotConsume)
{
    Load({ 1, 2, 3, 4, 5, 6 }, [](CArchive& ar) {
        DWORD peeked = 0, value = 0;
        ASSERT_TRUE(ar.PeekDWORD(peeked));
        ar >> value;
        EXPECT_EQ(peeked, 0x04030201u);
        EXPECT_EQ(value, peeked);
        EXPECT_FALSE(ar.PeekDWORD(peeked));    // two bytes left: nothing there
        BYTE rest[10] = {};
        EXPECT_EQ(ar.Read(rest, sizeof rest), 2u);
        EXPECT_EQ(rest[0], 5);
        EXPECT_EQ(rest[1], 6);
        EXPECT_EQ(ar.Read(rest, sizeof rest), 0u);
    });
}

TEST(ArchiveTest, LargeBlocksAroundSmallValuesKeepTheirOrder)
{
    // Blocks smaller and larger than the buffer, at odd offsets.
    std::vector<UINT> sizes = { 1, 4095, 4096, 4097, 100000 };
    std::vector<Bytes> blocks;
    for (UINT n : sizes) {
        Bytes block(n);
        for (UINT i = 0; i < n; ++i)
            block[i] = static_cast<BYTE>(i * 7 + n);
        blocks.push_back(block);
    }
    Bytes bytes = Store([&](CArchive& ar) {
        for (const Bytes& block : blocks) {
            ar << static_cast<BYTE>(0xA5);
            ar.Write(block.data(), static_cast<UINT>(block.size()));
        }
        ar << static_cast<WORD>(0xBEEF);
    });
    Load(bytes, [&](CArchive& ar) {
        for (const Bytes& block : blocks) {
            BYTE marker = 0;
            ar >> marker;
            EXPECT_EQ(marker, 0xA5);
            Bytes back(block.size());
            EXPECT_EQ(ar.Read(back.data(), static_cast<UINT>(back.size())), block.size());
            EXPECT_EQ(back, block);
        }
        WORD end = 0;
        ar >> end;
        EXPECT_EQ(end, 0xBEEF);
    });
}

TEST(ArchiveTest, WrongDirectionIsReported)
{
    EXPECT_EQ(LoadCause({ 0, 0 }, [](CArchive& ar) { ar << static_cast<WORD>(1); }),
              CArchiveException::readOnly);
    EXPECT_EQ(ArchiveCause([] {
                  Store([](CArchive& ar) { WORD w; ar >> w; });
              }), CArchiveException::writeOnly);
}

TEST(ArchiveTest, MappedObjectsAreReferencedByIndex)
{
    CArchiveLeaf outside;
    Bytes bytes = Store([&](CArchive& ar) {
        ar.MapObject(&outside);          // index 1
        ar << &outside;
    });
    EXPECT_EQ(bytes, Word(1));
    Load(bytes, [&](CArchive& ar) {
        ar.MapObject(&outside);
        EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf)), &outside);
    });
}

// A tree writer promises never to write an object twice; the archive then
// only counts its objects, and the bytes stay those of the mapped form.
TEST(ArchiveTest, ObjectsWrittenOnceAreNumberedWithoutAMap)
{
    CArchiveLeaf first, second, outside;
    CArchiveOtherLeaf other;
    first.m_value = 0x1111;
    second.m_value = 0x2222;
    other.m_value = 0x3333;
    auto write = [&](CArchive& ar) {
        ar << &first << &second;
        ar.MapObject(&outside);
        ar << &other << static_cast<CObject*>(nullptr) << &first;
    };
    // Class 1, objects 2 and 3, the mapped object 4, class 5, object 6,
    // null; then the second class once more as a known class.
    Bytes objects = Cat(NewClassTag(3, "CArchiveLeaf"), Word(0x1111));
    objects = Cat(objects, Cat(Word(0x8001), Word(0x2222)));
    objects = Cat(objects, Cat(NewClassTag(3, "CArchiveOtherLeaf"), Word(0x3333)));
    objects = Cat(objects, Word(0));

    // Mapped: the last object is a reference to the first.
    EXPECT_EQ(Store(write), Cat(objects, Word(2)));
    // Written once: the caller broke its promise with the last object, and
    // it is written anew under index 7.
    Bytes once = Store([&](CArchive& ar) {
        ar.SetObjectsOnce(TRUE);
        EXPECT_TRUE(ar.GetObjectsOnce());
        write(ar);
    });
    EXPECT_EQ(once, Cat(objects, Cat(Word(0x8001), Word(0x1111))));
}

// A tree reader makes the same promise: objects are only counted, classes
// still resolve by index after them, and a reference to an earlier object,
// which the archive no longer knows, is refused.
TEST(ArchiveTest, ObjectsReadOnceAreNumberedWithoutAMap)
{
    CArchiveLeaf outside;
    // Class 1 with object 2, the mapped object 3, class 4 with object 5,
    // then objects of the known classes 1 and 4 under the indices 6 and 7.
    Bytes bytes = Cat(NewClassTag(3, "CArchiveLeaf"), Word(0x1111));
    bytes = Cat(bytes, Cat(NewClassTag(3, "CArchiveOtherLeaf"), Word(0x3333)));
    bytes = Cat(bytes, Cat(Cat(Word(0x8001), Word(0x2222)), Cat(Word(0x8004), Word(0x4444))));
    auto readAll = [&](CArchive& ar, std::vector<WORD>& values) {
        for (int i = 0; i < 4; ++i) {
            if (i == 1)
                ar.MapObject(&outside);
            std::unique_ptr<CObject> pOb(ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf)));
            ASSERT_NE(nullptr, pOb);
            values.push_back(static_cast<CArchiveLeaf*>(pOb.get())->m_value);
        }
    };
    std::vector<WORD> values;
    Load(bytes, [&](CArchive& ar) {
        ar.SetObjectsOnce(TRUE);
        readAll(ar, values);
    });
    EXPECT_EQ(values, (std::vector<WORD>{ 0x1111, 0x3333, 0x2222, 0x4444 }));

    for (WORD wReference : { 2, 3 }) {
        std::vector<WORD> ignored;
        EXPECT_EQ(LoadCause(Cat(bytes, Word(wReference)), [&](CArchive& ar) {
                      ar.SetObjectsOnce(TRUE);
                      readAll(ar, ignored);
                      delete ar.ReadObject(nullptr);
                  }), CArchiveException::badIndex) << wReference;
    }
    // Once the promise is withdrawn, objects are kept again under their
    // own indices, after the ones only counted.
    Load(Cat(bytes, Cat(Cat(Word(0x8001), Word(0x5555)), Word(8))), [&](CArchive& ar) {
        std::vector<WORD> first;
        ar.SetObjectsOnce(TRUE);
        readAll(ar, first);
        ar.SetObjectsOnce(FALSE);
        std::unique_ptr<CObject> pOb(ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf)));
        EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CArchiveLeaf)), pOb.get());
    });
}

TEST(ArchiveTest, FileHeadersAreReadBeforeTheArchiveAndFlushRewindsUnreadBytes)
{
    char path[MAX_PATH];
    ::GetTempPathA(MAX_PATH, path);
    ::GetTempFileNameA(path, "qar", 0, path);
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("Qivnotes", 8);
        CArchive ar(&file, CArchive::store);
        ar << static_cast<WORD>(0x0A02) << CString("Notizen") << static_cast<DWORD>(42);
        ar.Close();
    }
    CFile file(path, CFile::modeRead | CFile::typeBinary);
    char magic[8];
    ASSERT_EQ(file.Read(magic, 8), 8u);
    file.Seek(0, CFile::begin);
    ASSERT_EQ(file.Read(magic, 8), 8u);
    {
        CArchive ar(&file, CArchive::load);
        WORD version = 0;
        CString title;
        ar >> version >> title;
        EXPECT_EQ(version, 0x0A02);
        EXPECT_STREQ(title, "Notizen");
        EXPECT_EQ(ar.GetFormatVersion(), CArchive::wCurrentFormatVersion);
        ar.Close();
    }
    // The archive read ahead, but closing it put the file where it stopped.
    DWORD value = 0;
    EXPECT_EQ(file.Read(&value, 4), 4u);
    EXPECT_EQ(value, 42u);
    file.Close();
    CFile::Remove(path);
}
