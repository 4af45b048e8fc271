#include "framework/core/ProcessLocal.h"

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

// Per-thread objects live in fiber-local storage where the system has it:
// its callback frees a thread's object when the thread ends. (Thread-local
// C++ objects with destructors are not used: this toolchain may run their
// destructors after their storage is gone.) Without it (before Vista) plain
// thread-local storage holds them, and only the main thread's object is
// freed, with its holder.
using FlsCallback = VOID(WINAPI*)(PVOID);
struct FlsFunctions
{
    DWORD(WINAPI* pfnAlloc)(FlsCallback) = nullptr;
    PVOID(WINAPI* pfnGetValue)(DWORD) = nullptr;
    BOOL(WINAPI* pfnSetValue)(DWORD, PVOID) = nullptr;
    BOOL(WINAPI* pfnFree)(DWORD) = nullptr;
};

template <class PFN>
void Bind(PFN& pfn, HMODULE hModule, LPCSTR lpszName)
{
    pfn = reinterpret_cast<PFN>(reinterpret_cast<void*>(::GetProcAddress(hModule, lpszName)));
}

const FlsFunctions& Fls()
{
    static const FlsFunctions functions = [] {
        FlsFunctions f;
        HMODULE hKernel = ::GetModuleHandleA("kernel32.dll");
        if (!hKernel)
            return f;
        Bind(f.pfnAlloc, hKernel, "FlsAlloc");
        Bind(f.pfnGetValue, hKernel, "FlsGetValue");
        Bind(f.pfnSetValue, hKernel, "FlsSetValue");
        Bind(f.pfnFree, hKernel, "FlsFree");
        if (!f.pfnAlloc || !f.pfnGetValue || !f.pfnSetValue || !f.pfnFree)
            f = FlsFunctions();
        return f;
    }();
    return functions;
}

VOID WINAPI DeleteThreadObject(PVOID pObject)
{
    delete static_cast<CNoTrackObject*>(pObject);
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
    : m_bFiberLocal(Fls().pfnAlloc != nullptr)
    , m_dwSlot(m_bFiberLocal ? Fls().pfnAlloc(&DeleteThreadObject) : ::TlsAlloc())
{
}

CThreadLocalObject::~CThreadLocalObject()
{
    if (m_dwSlot == TLS_OUT_OF_INDEXES)
        return;
    if (m_bFiberLocal) {
        // Frees every thread's object through the callback.
        Fls().pfnFree(m_dwSlot);
    } else {
        delete GetDataNA();
        ::TlsFree(m_dwSlot);
    }
}

CNoTrackObject* CThreadLocalObject::GetData(CNoTrackObject* (*pfnCreate)())
{
    if (m_dwSlot == TLS_OUT_OF_INDEXES)
        return nullptr;
    CNoTrackObject* pObject = GetDataNA();
    if (!pObject) {
        pObject = pfnCreate();
        if (m_bFiberLocal)
            Fls().pfnSetValue(m_dwSlot, pObject);
        else
            ::TlsSetValue(m_dwSlot, pObject);
    }
    return pObject;
}

CNoTrackObject* CThreadLocalObject::GetDataNA() const
{
    if (m_dwSlot == TLS_OUT_OF_INDEXES)
        return nullptr;
    PVOID pValue = m_bFiberLocal ? Fls().pfnGetValue(m_dwSlot) : ::TlsGetValue(m_dwSlot);
    return static_cast<CNoTrackObject*>(pValue);
}
