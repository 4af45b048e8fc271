// Holders for objects that exist once per process or once per thread, built
// on first use and destroyed at exit (process) or when their thread ends
// (thread). Process-wide singletons of the toolkit live in these, so their
// construction order never depends on static initialisation.
#pragma once

#include "framework/core/AfxWin.h"

// Base of every object kept in a CProcessLocal or CThreadLocal.
class CNoTrackObject
{
public:
    virtual ~CNoTrackObject() = default;
};

// The framework's global locks, one per kind of shared state.
enum
{
    CRIT_PROCESSLOCAL = 0,
    CRIT_THREADLOCAL,
    CRIT_TOOLKIT,
    CRIT_MAX
};
void AFXAPI AfxLockGlobals(int nLockType);
void AFXAPI AfxUnlockGlobals(int nLockType);

// RAII form of the two calls above.
class CGlobalsLock
{
public:
    explicit CGlobalsLock(int nLockType) : m_nLockType(nLockType) { AfxLockGlobals(nLockType); }
    ~CGlobalsLock() { AfxUnlockGlobals(m_nLockType); }
    CGlobalsLock(const CGlobalsLock&) = delete;
    CGlobalsLock& operator=(const CGlobalsLock&) = delete;

private:
    int m_nLockType;
};

class CProcessLocalObject
{
public:
    CProcessLocalObject() = default;
    ~CProcessLocalObject();
    CProcessLocalObject(const CProcessLocalObject&) = delete;
    CProcessLocalObject& operator=(const CProcessLocalObject&) = delete;

    // The object, made by pfnCreate on the first call.
    CNoTrackObject* GetData(CNoTrackObject* (*pfnCreate)());

private:
    CNoTrackObject* volatile m_pObject = nullptr;
};

template <class TYPE>
class CProcessLocal : public CProcessLocalObject
{
public:
    TYPE* GetData() { return static_cast<TYPE*>(CProcessLocalObject::GetData(&CreateObject)); }
    TYPE* operator->() { return GetData(); }
    operator TYPE*() { return GetData(); }

private:
    static CNoTrackObject* CreateObject() { return new TYPE; }
};

class CThreadLocalObject
{
public:
    CThreadLocalObject();
    // Frees the objects of every thread still holding one.
    ~CThreadLocalObject();
    CThreadLocalObject(const CThreadLocalObject&) = delete;
    CThreadLocalObject& operator=(const CThreadLocalObject&) = delete;

    // This thread's object, made by pfnCreate on the thread's first call.
    CNoTrackObject* GetData(CNoTrackObject* (*pfnCreate)());
    // This thread's object, or null when it has none yet.
    CNoTrackObject* GetDataNA() const;

private:
    BOOL m_bFiberLocal;   // fiber-local storage (frees at thread end), else TLS
    DWORD m_dwSlot;
};

template <class TYPE>
class CThreadLocal : public CThreadLocalObject
{
public:
    TYPE* GetData() { return static_cast<TYPE*>(CThreadLocalObject::GetData(&CreateObject)); }
    TYPE* GetDataNA() const { return static_cast<TYPE*>(CThreadLocalObject::GetDataNA()); }
    TYPE* operator->() { return GetData(); }
    operator TYPE*() { return GetData(); }

private:
    static CNoTrackObject* CreateObject() { return new TYPE; }
};
