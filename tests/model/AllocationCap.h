// A cap on what operator new hands out in the model tests, so a test can
// show what a reader does when the process runs out of memory without
// making files of hundreds of megabytes.
#pragma once

#include <stddef.h>

namespace qivtest {

// While an object lives, an allocation that would take the bytes allocated
// since its start (less those freed) past the limit throws std::bad_alloc,
// as it would in a process whose address space is used up.
class CAllocationCap
{
public:
    explicit CAllocationCap(size_t nLimit);
    ~CAllocationCap();
    CAllocationCap(const CAllocationCap&) = delete;
    CAllocationCap& operator=(const CAllocationCap&) = delete;
    // Whether an allocation was refused.
    bool Refused() const;
};

} // namespace qivtest
