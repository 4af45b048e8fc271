#include "framework/core/ProcessLocal.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

struct Counted : CNoTrackObject
{
    static int s_nLive;
    static int s_nMade;
    Counted() { ++s_nLive; ++s_nMade; }
    ~Counted() override { --s_nLive; }
    int value = 0;
};
int Counted::s_nLive = 0;
int Counted::s_nMade = 0;

} // namespace

TEST(ProcessLocalTest, OneObjectMadeOnFirstUseAndFreedWithItsHolder)
{
    int before = Counted::s_nLive;
    {
        CProcessLocal<Counted> holder;
        EXPECT_EQ(Counted::s_nLive, before);
        holder->value = 7;
        Counted* p = holder;
        EXPECT_EQ(p->value, 7);
        EXPECT_EQ(holder.GetData(), p);
        std::thread([&] { EXPECT_EQ(holder.GetData(), p); }).join();
        EXPECT_EQ(Counted::s_nLive, before + 1);
    }
    EXPECT_EQ(Counted::s_nLive, before);
}

TEST(ThreadLocalTest, EachThreadHasItsOwnObjectFreedWhenTheThreadEnds)
{
    CThreadLocal<Counted> holder;
    holder->value = 1;
    Counted* mine = holder.GetData();
    int live = Counted::s_nLive;

    Counted* theirs = nullptr;
    std::thread([&] {
        EXPECT_EQ(holder.GetDataNA(), nullptr);
        theirs = holder.GetData();
        theirs->value = 2;
        EXPECT_EQ(Counted::s_nLive, live + 1);
    }).join();

    EXPECT_NE(theirs, mine);
    EXPECT_EQ(Counted::s_nLive, live);   // freed with its thread
    EXPECT_EQ(holder->value, 1);
}

TEST(ThreadLocalTest, TheHolderFreesTheObjectsOfLiveThreads)
{
    int before = Counted::s_nLive;
    {
        CThreadLocal<Counted> holder;
        holder->value = 3;
        EXPECT_EQ(Counted::s_nLive, before + 1);
    }
    EXPECT_EQ(Counted::s_nLive, before);
}

// Many short threads each make and free their object: nothing is left and
// nothing is freed twice.
TEST(ThreadLocalTest, ShortThreadsLeaveNothingBehind)
{
    CThreadLocal<Counted> holder;
    int before = Counted::s_nLive;
    for (int i = 0; i < 200; ++i)
        std::thread([&] { holder->value = i; }).join();
    EXPECT_EQ(Counted::s_nLive, before);
}

TEST(GlobalsLockTest, LocksAreReentrantForTheOwningThread)
{
    CGlobalsLock outer(CRIT_TOOLKIT);
    CGlobalsLock inner(CRIT_TOOLKIT);
    SUCCEED();
}
