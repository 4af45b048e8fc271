#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/core/StringList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Stored(CStringList& list)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(CStringList& list, const Bytes& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    list.Serialize(ar);
    ar.Close();
}

std::vector<CString> Items(const CStringList& list)
{
    std::vector<CString> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(list.GetNext(pos));
    return items;
}

} // namespace

TEST(StringListTest, SerializesTheCountThenEachStringInOrder)
{
    CStringList list;
    list.AddTail("C:\\Anlage.txt");
    list.AddTail("");
    list.AddTail(CString('x', 255));

    Bytes expected = {0x03, 0x00,
                      13, 'C', ':', '\\', 'A', 'n', 'l', 'a', 'g', 'e', '.', 't', 'x', 't',
                      0x00,
                      0xFF, 0xFF, 0x00};
    expected.resize(expected.size() + 255, 'x');
    const Bytes stored = Stored(list);
    EXPECT_EQ(stored, expected);

    // Loading appends to what the list already holds.
    CStringList loaded;
    loaded.AddTail("vorher");
    Load(loaded, stored);
    EXPECT_EQ(Items(loaded),
              (std::vector<CString>{"vorher", "C:\\Anlage.txt", "", CString('x', 255)}));
}

TEST(StringListTest, AnEmptyListIsOneZeroCount)
{
    CStringList list;
    EXPECT_EQ(Stored(list), (Bytes{0x00, 0x00}));
    CStringList loaded;
    Load(loaded, Bytes{0x00, 0x00});
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST(StringListTest, ACountBeyondTheDataFailsWithEndOfFile)
{
    CStringList list;
    try {
        Load(list, Bytes{0x02, 0x00, 0x01, 'a'});
        ADD_FAILURE() << "a short list loaded";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        e->Delete();
    }
}
