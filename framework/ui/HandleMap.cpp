// The per-thread list of handle maps that idle processing empties.
#include "framework/ui/HandleMap.h"

#include <algorithm>

namespace {

// The calling thread's maps. Plain pointer storage: the maps live until the
// process ends, so the list needs no destructor.
std::vector<CHandleMapBase*>& ThreadMaps()
{
    static thread_local std::vector<CHandleMapBase*>* s_pMaps = nullptr;
    if (s_pMaps == nullptr)
        s_pMaps = new std::vector<CHandleMapBase*>;
    return *s_pMaps;
}

} // namespace

CHandleMapBase::CHandleMapBase()
{
    ThreadMaps().push_back(this);
}

CHandleMapBase::~CHandleMapBase()
{
    std::vector<CHandleMapBase*>& maps = ThreadMaps();
    maps.erase(std::remove(maps.begin(), maps.end(), this), maps.end());
}

void AFXAPI AfxDeleteTempMaps()
{
    // Copy: deleting a wrapper may make the first map of a new family.
    std::vector<CHandleMapBase*> maps = ThreadMaps();
    for (CHandleMapBase* pMap : maps)
        pMap->DeleteTemp();
}
