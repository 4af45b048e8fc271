// What every benchmark shares: a wall clock, the peak working set, and one
// line of output per figure, printed beside the baseline of the same run.
#pragma once

#include <windows.h>

namespace bench {

// Seconds since an arbitrary origin, from the performance counter.
double Now();

// The process's peak working set in bytes.
SIZE_T PeakMemory();

// Prints "name: value unit (ratio x baseline)" with the ratio value / baseline.
void Report(const char* name, double value, const char* unit, double baseline);

} // namespace bench
