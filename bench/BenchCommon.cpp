#include "bench/BenchCommon.h"

#include <psapi.h>
#include <stdio.h>

#include <algorithm>

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

void Rounds::Add(double seconds)
{
    m_times.push_back(seconds);
}

double Rounds::Min() const
{
    return m_times.empty() ? 0 : *std::min_element(m_times.begin(), m_times.end());
}

double Rounds::Max() const
{
    return m_times.empty() ? 0 : *std::max_element(m_times.begin(), m_times.end());
}

double Rounds::Median() const
{
    if (m_times.empty())
        return 0;
    std::vector<double> sorted = m_times;
    std::sort(sorted.begin(), sorted.end());
    size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double Rounds::Spread() const
{
    return Min() > 0 ? Max() / Min() : 0;
}

double ReportAgainst(const char* name, const Rounds& measured, const char* baselineName,
                     const Rounds& baseline)
{
    printf("%-44s min %8.3f  median %8.3f  max %8.3f s\n", name, measured.Min(), measured.Median(),
           measured.Max());
    printf("%-44s min %8.3f  median %8.3f  max %8.3f s  (spread %.2fx)\n", baselineName,
           baseline.Min(), baseline.Median(), baseline.Max(), baseline.Spread());
    double ratio = 0;
    if (baseline.Spread() > kMaxBaselineSpread || baseline.Median() <= 0) {
        printf("%-44s UNSTABLE BASELINE (spread above %.1fx): no ratio\n", name, kMaxBaselineSpread);
    } else {
        ratio = measured.Median() / baseline.Median();
        printf("%-44s %.2fx the baseline (medians)\n", name, ratio);
    }
    fflush(stdout);
    return ratio;
}

HICON MakeIcon16()
{
    BYTE andMask[16 * 16 / 8] = {};
    DWORD colour[16 * 16];
    for (int i = 0; i < 16 * 16; ++i)
        colour[i] = 0x00C04020 + (i % 16) * 0x0101;
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = ::CreateBitmap(16, 16, 1, 1, andMask);
    info.hbmColor = ::CreateBitmap(16, 16, 1, 32, colour);
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return hIcon;
}

} // namespace bench
