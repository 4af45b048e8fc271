#include "framework/core/List.h"
#include "framework/core/String.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The list read head to tail, and tail to head reversed: the two must agree,
// or a link is broken.
template <class LIST>
std::vector<int> Forward(const LIST& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        values.push_back(list.GetNext(pos));
    std::vector<int> backward;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backward.insert(backward.begin(), list.GetPrev(pos));
    EXPECT_EQ(values, backward);
    EXPECT_EQ(static_cast<INT_PTR>(values.size()), list.GetCount());
    return values;
}

} // namespace

TEST(ListTest, PositionsStayValidWhileTheListChangesAroundThem)
{
    CList<int, int> list;
    POSITION p2 = list.AddTail(2);
    list.AddHead(1);
    POSITION p4 = list.AddTail(4);
    list.InsertAfter(p2, 3);
    list.InsertBefore(list.GetHeadPosition(), 0);
    list.InsertAfter(p4, 5);
    EXPECT_EQ(Forward(list), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    list.RemoveAt(list.Find(3));
    list.RemoveHead();
    EXPECT_EQ(list.RemoveTail(), 5);
    EXPECT_EQ(list.GetAt(p2), 2);
    EXPECT_EQ(list.GetAt(p4), 4);
    list.SetAt(p4, 40);
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 40}));
    EXPECT_EQ(list.GetHead(), 1);
    EXPECT_EQ(list.GetTail(), 40);

    // Null positions insert at the ends.
    list.InsertBefore(nullptr, -1);
    list.InsertAfter(nullptr, 99);
    EXPECT_EQ(Forward(list), (std::vector<int>{-1, 1, 2, 40, 99}));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(7);
    EXPECT_EQ(Forward(list), std::vector<int>{7});
}

TEST(ListTest, RemovingTheOnlyNodeFromEitherEndEmptiesTheList)
{
    CList<int, int> list;
    list.AddTail(1);
    EXPECT_EQ(list.RemoveHead(), 1);
    EXPECT_TRUE(list.IsEmpty());
    list.AddHead(2);
    EXPECT_EQ(list.RemoveTail(), 2);
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    list.AddTail(3);
    list.AddTail(4);
    list.RemoveAt(list.GetTailPosition());
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_EQ(Forward(list), std::vector<int>{});
}

TEST(ListTest, FindAndFindIndex)
{
    CList<CString> list;
    list.AddTail("a");
    POSITION firstB = list.AddTail("b");
    list.AddTail("c");
    POSITION secondB = list.AddTail("b");

    EXPECT_EQ(list.Find("b"), firstB);
    EXPECT_EQ(list.Find("b", firstB), secondB);
    EXPECT_EQ(list.Find("b", secondB), nullptr);
    EXPECT_EQ(list.Find("B"), nullptr);

    EXPECT_EQ(list.FindIndex(0), list.GetHeadPosition());
    EXPECT_EQ(list.FindIndex(3), secondB);
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(ListTest, PointerListsFindByIdentity)
{
    int a = 1, b = 1;
    CPtrList list;
    list.AddTail(&a);
    POSITION pb = list.AddTail(&b);
    EXPECT_EQ(list.Find(&b), pb);
    EXPECT_EQ(list.GetAt(pb), &b);
    EXPECT_EQ(list.Find(nullptr), nullptr);
}
