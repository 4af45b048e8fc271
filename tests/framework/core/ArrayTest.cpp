#include "framework/core/Array.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<DWORD> Values(const CDWordArray& array)
{
    std::vector<DWORD> values;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        values.push_back(array[i]);
    return values;
}

} // namespace

TEST(ArrayTest, InsertAtBeyondTheEndGrowsWithNullsAndZeros)
{
    int a = 0;
    CPtrArray pointers;
    pointers.Add(&a);
    pointers.InsertAt(4, &a);
    ASSERT_EQ(pointers.GetSize(), 5);
    EXPECT_EQ(pointers[0], &a);
    for (INT_PTR i = 1; i < 4; ++i)
        EXPECT_EQ(pointers[i], nullptr) << i;
    EXPECT_EQ(pointers[4], &a);

    CDWordArray numbers;
    numbers.InsertAt(2, 7, 3);
    EXPECT_EQ(Values(numbers), (std::vector<DWORD>{0, 0, 7, 7, 7}));
    numbers.InsertAt(1, 9, 2);
    EXPECT_EQ(Values(numbers), (std::vector<DWORD>{0, 9, 9, 0, 7, 7, 7}));
    numbers.SetAtGrow(9, 5);
    EXPECT_EQ(Values(numbers), (std::vector<DWORD>{0, 9, 9, 0, 7, 7, 7, 0, 0, 5}));
}

TEST(ArrayTest, RemoveSetSizeAppendAndCopy)
{
    CDWordArray numbers;
    for (DWORD i = 0; i < 6; ++i)
        EXPECT_EQ(numbers.Add(i), static_cast<INT_PTR>(i));
    numbers.RemoveAt(1, 2);
    EXPECT_EQ(Values(numbers), (std::vector<DWORD>{0, 3, 4, 5}));
    numbers.RemoveAt(3);
    EXPECT_EQ(numbers.GetUpperBound(), 2);

    numbers.SetSize(5);
    EXPECT_EQ(Values(numbers), (std::vector<DWORD>{0, 3, 4, 0, 0}));
    numbers.SetSize(2);
    EXPECT_EQ(Values(numbers), (std::vector<DWORD>{0, 3}));

    EXPECT_EQ(numbers.Append(numbers), 2);
    EXPECT_EQ(Values(numbers), (std::vector<DWORD>{0, 3, 0, 3}));

    CDWordArray copy;
    copy.Add(99);
    copy.Copy(numbers);
    EXPECT_EQ(Values(copy), Values(numbers));
    copy.ElementAt(0) = 11;
    copy.GetData()[1] = 12;
    EXPECT_EQ(copy[0], 11u);
    EXPECT_EQ(copy.GetAt(1), 12u);
    EXPECT_EQ(numbers[0], 0u);

    CDWordArray inserted;
    inserted.Add(1);
    inserted.InsertAt(3, &copy);
    EXPECT_EQ(Values(inserted), (std::vector<DWORD>{1, 0, 0, 11, 12, 0, 3}));

    numbers.RemoveAll();
    EXPECT_TRUE(numbers.IsEmpty());
    EXPECT_EQ(numbers.GetData(), nullptr);
}

TEST(ArrayTest, InsertingAnElementOfTheSameArrayCopiesItFirst)
{
    CStringArray strings;
    strings.Add("eins");
    strings.Add("zwei");
    // The argument refers into the array, which moves while it grows.
    for (int i = 0; i < 40; ++i)
        strings.InsertAt(0, strings[strings.GetUpperBound()]);
    EXPECT_EQ(strings.GetSize(), 42);
    for (INT_PTR i = 0; i < 40; ++i)
        EXPECT_EQ(strings[i], "zwei") << i;
    EXPECT_EQ(strings[41], "zwei");
    EXPECT_EQ(strings[40], "eins");
}
