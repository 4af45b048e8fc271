// The process's memory as the system counts it, for tests that show a load
// keeps (or never takes) memory out of proportion to what it reads.
#pragma once

#include "framework/core/AfxWin.h"

struct ProcessMemory
{
    SIZE_T nCommitted;        // private memory now
    SIZE_T nPeakWorkingSet;   // the most ever resident
};

// Zeroes when the counters cannot be read.
ProcessMemory QueryProcessMemory();
