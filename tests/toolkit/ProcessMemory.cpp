#include "ProcessMemory.h"

#include <psapi.h>

ProcessMemory QueryProcessMemory()
{
    // Looked up at run time: the program targets systems whose kernel does
    // not carry the call itself.
    using GetInfoFn = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static GetInfoFn pfnGetInfo = [] {
        HMODULE hPsapi = ::LoadLibraryA("psapi.dll");
        return hPsapi ? reinterpret_cast<GetInfoFn>(
                            reinterpret_cast<void*>(::GetProcAddress(hPsapi, "GetProcessMemoryInfo")))
                      : nullptr;
    }();
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!pfnGetInfo || !pfnGetInfo(::GetCurrentProcess(), &counters, sizeof(counters)))
        return ProcessMemory{0, 0};
    return ProcessMemory{counters.PagefileUsage, counters.PeakWorkingSetSize};
}
