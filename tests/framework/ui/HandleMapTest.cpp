// The per-thread handle map behind every wrapper family: permanent entries
// win, a foreign handle gets one temporary wrapper until the idle pass
// frees the temporaries of every family at once.
#include "framework/ui/HandleMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CFakeObject
{
    HANDLE m_h = nullptr;
    bool m_bTemporary = false;
};

std::vector<HANDLE> g_released;

template <int nFamily>
struct CFakeTraits
{
    static CFakeObject* NewTemporary(HANDLE h)
    {
        auto* p = new CFakeObject;
        p->m_h = h;
        p->m_bTemporary = true;
        return p;
    }
    static void DeleteTemporary(CFakeObject* p)
    {
        g_released.push_back(p->m_h);
        delete p;
    }
};

using CFirstMap = CHandleMap<HANDLE, CFakeObject, CFakeTraits<1>>;
using CSecondMap = CHandleMap<HANDLE, CFakeObject, CFakeTraits<2>>;

HANDLE Fake(UINT_PTR n)
{
    return reinterpret_cast<HANDLE>(n);
}

TEST(HandleMapTest, PermanentBeforeTemporaryAndOneTemporaryPerHandle)
{
    CFirstMap& map = CFirstMap::ForThread();
    CFakeObject owner;
    map.SetPermanent(Fake(0x10), &owner);
    EXPECT_EQ(&owner, map.FromHandle(Fake(0x10)));

    CFakeObject* pTemp = map.FromHandle(Fake(0x20));
    ASSERT_NE(nullptr, pTemp);
    EXPECT_TRUE(pTemp->m_bTemporary);
    EXPECT_EQ(pTemp, map.FromHandle(Fake(0x20)));
    EXPECT_EQ(nullptr, map.LookupPermanent(Fake(0x20)));
    EXPECT_EQ(nullptr, map.FromHandle(nullptr));

    map.RemoveHandle(Fake(0x10));
    EXPECT_EQ(nullptr, map.LookupPermanent(Fake(0x10)));
    AfxDeleteTempMaps();
}

TEST(HandleMapTest, IdleFreesTheTemporariesOfEveryFamily)
{
    g_released.clear();
    CFirstMap::ForThread().FromHandle(Fake(0x30));
    CSecondMap::ForThread().FromHandle(Fake(0x40));
    CFakeObject owner;
    CSecondMap::ForThread().SetPermanent(Fake(0x50), &owner);

    AfxDeleteTempMaps();
    EXPECT_EQ(2u, g_released.size());
    EXPECT_EQ(0u, CFirstMap::ForThread().GetTemporaryCount());
    EXPECT_EQ(0u, CSecondMap::ForThread().GetTemporaryCount());
    EXPECT_EQ(&owner, CSecondMap::ForThread().LookupPermanent(Fake(0x50)));
    CSecondMap::ForThread().RemoveHandle(Fake(0x50));
}

} // namespace
