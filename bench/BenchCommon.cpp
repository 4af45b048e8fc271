#include "bench/BenchCommon.h"

#include <psapi.h>
#include <stdio.h>

namespace bench {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

SIZE_T PeakMemory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakWorkingSetSize;
}

void Report(const char* name, double value, const char* unit, double baseline)
{
    printf("%-48s %12.3f %-6s (%.2fx baseline)\n", name, value, unit,
           baseline > 0 ? value / baseline : 0.0);
    fflush(stdout);
}

} // namespace bench
