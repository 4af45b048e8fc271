#include "framework/core/Archive.h"
#include "framework/core/Map.h"
#include "framework/core/MemFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using CUIntBoolMap = CMap<UINT, UINT, BOOL, BOOL>;
using Bytes = std::vector<BYTE>;

// Keys chosen so that several share a bucket in every table size used.
const UINT kKeys[] = {57600, 35001, 100, 0, 16, 272, 32774, 4352, 59393, 17};

std::vector<UINT> IterationOrder(const CUIntBoolMap& map)
{
    std::vector<UINT> keys;
    UINT key;
    BOOL value;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

Bytes StoredMap(CUIntBoolMap& map)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    map.Serialize(ar);
    ar.Close();
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void LoadMap(CUIntBoolMap& map, const Bytes& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    map.Serialize(ar);
    ar.Close();
}

} // namespace

// Expected orders worked out by hand: bucket = (key >> 4) % size, buckets
// ascending, newest entry first within a bucket.
TEST(MapTest, IterationFollowsTheBucketsForEveryTableSize)
{
    struct Case
    {
        UINT nTableSize;
        std::vector<UINT> order;
    };
    const Case cases[] = {
        {10, {0, 57600, 17, 16, 59393, 4352, 100, 272, 35001, 32774}},
        {17, {4352, 272, 0, 17, 16, 59393, 100, 32774, 35001, 57600}},
        {127, {0, 17, 16, 100, 32774, 272, 4352, 35001, 59393, 57600}},
        {199, {0, 17, 16, 100, 272, 57600, 32774, 4352, 59393, 35001}},
    };
    for (const Case& c : cases) {
        CUIntBoolMap map;
        if (c.nTableSize != 17)
            map.InitHashTable(c.nTableSize);
        for (UINT key : kKeys)
            map.SetAt(key, TRUE);
        EXPECT_EQ(map.GetHashTableSize(), c.nTableSize);
        EXPECT_EQ(map.GetCount(), 10);
        EXPECT_EQ(IterationOrder(map), c.order) << "table size " << c.nTableSize;
    }
}

TEST(MapTest, UpdatesKeepTheirPlaceAndReinsertedKeysMoveToTheFrontOfTheirBucket)
{
    CUIntBoolMap map;
    for (UINT key : {0u, 272u, 4352u})      // all in bucket 0 of 17
        map[key] = TRUE;
    EXPECT_EQ(IterationOrder(map), (std::vector<UINT>{4352, 272, 0}));

    map.SetAt(0, FALSE);
    EXPECT_EQ(IterationOrder(map), (std::vector<UINT>{4352, 272, 0}));
    BOOL value = TRUE;
    EXPECT_TRUE(map.Lookup(0, value));
    EXPECT_FALSE(value);

    EXPECT_TRUE(map.RemoveKey(272));
    EXPECT_FALSE(map.RemoveKey(272));
    EXPECT_FALSE(map.Lookup(272, value));
    map.SetAt(272, TRUE);
    EXPECT_EQ(IterationOrder(map), (std::vector<UINT>{272, 4352, 0}));

    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    EXPECT_EQ(map.GetHashTableSize(), 17u);
    // operator[] makes a missing entry with a zero value.
    EXPECT_FALSE(map[5]);
    EXPECT_EQ(map.GetCount(), 1);
}

TEST(MapTest, StringKeysHashTheirSignedCharacters)
{
    EXPECT_EQ(AfxHashString("cf"), 99u * 33 + 102);
    // 'ö' and 'ß' count as negative characters.
    EXPECT_EQ(AfxHashString("Größe"), 88285331u);

    CMapStringToPtr map;
    map.InitHashTable(199, FALSE);
    EXPECT_EQ(map.GetHashTableSize(), 199u);
    EXPECT_EQ(map.GetStartPosition(), nullptr);

    CMapStringToPtr small;
    int values[5] = {};
    const char* names[5] = {"Settings", "Frame", "Tip", "cf", "Größe"};
    for (int i = 0; i < 5; ++i)
        small.SetAt(names[i], &values[i]);
    // Buckets of 17: cf 3, Tip 6, Frame 11, Settings 13, Größe 13 (newer).
    std::vector<CString> order;
    CString key;
    void* value;
    for (POSITION pos = small.GetStartPosition(); pos;) {
        small.GetNextAssoc(pos, key, value);
        order.push_back(key);
    }
    EXPECT_EQ(order, (std::vector<CString>{"cf", "Tip", "Frame", "Größe", "Settings"}));
    EXPECT_TRUE(small.Lookup("Tip", value));
    EXPECT_EQ(value, &values[2]);
    EXPECT_FALSE(small.Lookup("tip", value));
}

TEST(MapTest, SerializesCountThenKeyAndValueInIterationOrder)
{
    CUIntBoolMap map;
    map.InitHashTable(10);
    map.SetAt(35001, TRUE);   // bucket 7
    map.SetAt(57600, TRUE);   // bucket 0
    map.SetAt(100, FALSE);    // bucket 6
    const Bytes expected = {
        0x03, 0x00,
        0x00, 0xE1, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
        0x64, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0xB9, 0x88, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
    };
    const Bytes stored = StoredMap(map);
    EXPECT_EQ(stored, expected);

    CUIntBoolMap loaded;
    loaded.InitHashTable(10);
    LoadMap(loaded, stored);
    EXPECT_EQ(IterationOrder(loaded), (std::vector<UINT>{57600, 100, 35001}));
    BOOL value = TRUE;
    EXPECT_TRUE(loaded.Lookup(100, value));
    EXPECT_FALSE(value);

    CUIntBoolMap cut;
    try {
        LoadMap(cut, Bytes(expected.begin(), expected.end() - 1));
        ADD_FAILURE() << "a cut-off map loaded";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        e->Delete();
    }
}
