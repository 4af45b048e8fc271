#include "framework/core/ProcessLocal.h"

#include <utility>
#include <vector>

namespace {

CRITICAL_SECTION* GlobalLocks()
{
    // Made before main by the static below, and never destroyed: objects
    // destroyed at exit may still take a lock.
    static CRITICAL_SECTION* locks = [] {
        auto* cs = new CRITICAL_SECTION[CRIT_MAX];
        for (int i = 0; i < CRIT_MAX; ++i)
            ::InitializeCriticalSection(&cs[i]);
        return cs;
    }();
    return locks;
}

const bool g_locksReady = (GlobalLocks(), true);

// The objects a thread made through CThreadLocal, freed when the thread ends.
// Each slot is cleared first, so a late lookup makes a new object instead of
// reaching a freed one.
struct ThreadObjects
{
    std::vector<std::pair<DWORD, CNoTrackObject*>> objects;

    ~ThreadObjects()
    {
        for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
            ::TlsSetValue(it->first, nullptr);
            delete it->second;
        }
    }
};

ThreadObjects& CurrentThreadObjects()
{
    thread_local ThreadObjects objects;
    return objects;
}

} // namespace

void AFXAPI AfxLockGlobals(int nLockType)
{
    ASSERT(nLockType >= 0 && nLockType < CRIT_MAX);
    ::EnterCriticalSection(&GlobalLocks()[nLockType]);
}

void AFXAPI AfxUnlockGlobals(int nLockType)
{
    ASSERT(nLockType >= 0 && nLockType < CRIT_MAX);
    ::LeaveCriticalSection(&GlobalLocks()[nLockType]);
}

CProcessLocalObject::~CProcessLocalObject()
{
    delete m_pObject;
    m_pObject = nullptr;
}

CNoTrackObject* CProcessLocalObject::GetData(CNoTrackObject* (*pfnCreate)())
{
    if (!m_pObject) {
        CGlobalsLock lock(CRIT_PROCESSLOCAL);
        if (!m_pObject)
            m_pObject = pfnCreate();
    }
    return m_pObject;
}

CThreadLocalObject::CThreadLocalObject()
    : m_dwSlot(::TlsAlloc())
{
}

CThreadLocalObject::~CThreadLocalObject()
{
    // Objects of live threads are freed by their threads; the slot goes.
    if (m_dwSlot != TLS_OUT_OF_INDEXES)
        ::TlsFree(m_dwSlot);
}

CNoTrackObject* CThreadLocalObject::GetData(CNoTrackObject* (*pfnCreate)())
{
    if (m_dwSlot == TLS_OUT_OF_INDEXES)
        return nullptr;
    auto* pObject = static_cast<CNoTrackObject*>(::TlsGetValue(m_dwSlot));
    if (!pObject) {
        pObject = pfnCreate();
        CurrentThreadObjects().objects.emplace_back(m_dwSlot, pObject);
        ::TlsSetValue(m_dwSlot, pObject);
    }
    return pObject;
}

CNoTrackObject* CThreadLocalObject::GetDataNA() const
{
    if (m_dwSlot == TLS_OUT_OF_INDEXES)
        return nullptr;
    return static_cast<CNoTrackObject*>(::TlsGetValue(m_dwSlot));
}
