// Per-thread maps from a Win32 handle to the framework object that wraps it.
//
// Every wrapper family (windows, device contexts, menus, GDI objects) keeps
// one map per thread with two halves:
//   - permanent entries: objects that own or have attached their handle
//     (SetPermanent when attaching, RemoveHandle when detaching);
//   - temporary entries: wrappers that FromHandle makes on demand for a
//     handle nobody attached. A temporary wrapper borrows its handle: it
//     never closes or destroys it. Idle processing frees all temporary
//     wrappers of the thread (AfxDeleteTempMaps), so a pointer returned by
//     FromHandle is good until the thread next goes idle.
//
// A wrapper family describes how its temporaries are made and let go with a
// traits class:
//
//     struct CWndHandleTraits
//     {
//         static CWnd* NewTemporary(HWND h);      // a wrapper borrowing h
//         static void DeleteTemporary(CWnd* p);   // drop h without closing it, free p
//     };
//     using CWndHandleMap = CHandleMap<HWND, CWnd, CWndHandleTraits>;
//     CWnd* p = CWndHandleMap::ForThread().FromHandle(hWnd);
//
// Each map registers itself with its thread's list on first use, so one call
// (AfxDeleteTempMaps) frees the temporaries of every family.
#pragma once

#include "framework/core/AfxWin.h"

#include <unordered_map>
#include <vector>

// The part of a handle map the idle code sees.
class CHandleMapBase
{
public:
    virtual ~CHandleMapBase();
    // Frees every temporary wrapper of this map.
    virtual void DeleteTemp() = 0;

protected:
    CHandleMapBase();
    CHandleMapBase(const CHandleMapBase&) = delete;
    CHandleMapBase& operator=(const CHandleMapBase&) = delete;
};

// Frees the temporary wrappers of every handle map of the calling thread.
void AFXAPI AfxDeleteTempMaps();

template <class HANDLE_T, class OBJECT_T, class TRAITS>
class CHandleMap : public CHandleMapBase
{
public:
    // The calling thread's map. It lives until the process ends (no thread
    // but the user-interface thread keeps wrappers, and freeing at exit would
    // race with static destructors that still detach their handles).
    static CHandleMap& ForThread()
    {
        static thread_local CHandleMap* s_pMap = nullptr;
        if (s_pMap == nullptr)
            s_pMap = new CHandleMap;
        return *s_pMap;
    }

    // The permanent object of h, else a temporary one made now; null for a
    // null handle.
    OBJECT_T* FromHandle(HANDLE_T h)
    {
        if (h == nullptr)
            return nullptr;
        if (OBJECT_T* p = LookupPermanent(h))
            return p;
        if (OBJECT_T* p = LookupTemporary(h))
            return p;
        OBJECT_T* pTemp = TRAITS::NewTemporary(h);
        m_temporary[h] = pTemp;
        return pTemp;
    }

    OBJECT_T* LookupPermanent(HANDLE_T h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    OBJECT_T* LookupTemporary(HANDLE_T h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }

    void SetPermanent(HANDLE_T h, OBJECT_T* p)
    {
        ASSERT(h != nullptr && p != nullptr);
        m_permanent[h] = p;
    }

    // Forgets the permanent entry of h (the object detached or destroyed its
    // handle). A temporary wrapper of h stays until idle time.
    void RemoveHandle(HANDLE_T h)
    {
        m_permanent.erase(h);
    }

    void DeleteTemp() override
    {
        // A wrapper's clean-up may ask for wrappers again: free a detached
        // batch until none is left.
        while (!m_temporary.empty())
        {
            std::unordered_map<HANDLE_T, OBJECT_T*> batch;
            batch.swap(m_temporary);
            for (auto& entry : batch)
                TRAITS::DeleteTemporary(entry.second);
        }
    }

    size_t GetPermanentCount() const { return m_permanent.size(); }
    size_t GetTemporaryCount() const { return m_temporary.size(); }

private:
    CHandleMap() = default;

    std::unordered_map<HANDLE_T, OBJECT_T*> m_permanent;
    std::unordered_map<HANDLE_T, OBJECT_T*> m_temporary;
};
