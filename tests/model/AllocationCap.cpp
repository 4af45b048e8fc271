// The model tests' own global operator new and delete: plain malloc and free,
// counted only while a cap is set. _msize gives the size of a freed block.
#include "AllocationCap.h"

#include <malloc.h>
#include <stdlib.h>

#include <atomic>
#include <new>

namespace {

std::atomic<bool> g_bCapped(false);
std::atomic<long long> g_nInUse(0);
long long g_nLimit = 0;
std::atomic<bool> g_bRefused(false);

} // namespace

void* operator new(size_t nBytes)
{
    if (g_bCapped.load(std::memory_order_relaxed)) {
        if (g_nInUse.load() + static_cast<long long>(nBytes) > g_nLimit) {
            g_bRefused = true;
            throw std::bad_alloc();
        }
    }
    void* p = malloc(nBytes ? nBytes : 1);
    if (!p)
        throw std::bad_alloc();
    if (g_bCapped.load(std::memory_order_relaxed))
        g_nInUse += static_cast<long long>(_msize(p));
    return p;
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    if (g_bCapped.load(std::memory_order_relaxed))
        g_nInUse -= static_cast<long long>(_msize(p));
    free(p);
}

void operator delete(void* p, size_t) noexcept
{
    ::operator delete(p);
}

namespace qivtest {

CAllocationCap::CAllocationCap(size_t nLimit)
{
    g_nLimit = static_cast<long long>(nLimit);
    g_nInUse = 0;
    g_bRefused = false;
    g_bCapped = true;
}

CAllocationCap::~CAllocationCap()
{
    g_bCapped = false;
}

bool CAllocationCap::Refused() const
{
    return g_bRefused;
}

} // namespace qivtest
