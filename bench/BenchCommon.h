// What every benchmark shares: a wall clock, the peak working set, and one
// line of output per figure, printed beside the baseline of the same run.
#pragma once

#include <windows.h>

#include <vector>

namespace bench {

// Seconds since an arbitrary origin, from the performance counter.
double Now();

// The process's peak working set in bytes.
SIZE_T PeakMemory();

// Prints "name: value unit (ratio x baseline)" with the ratio value / baseline.
void Report(const char* name, double value, const char* unit, double baseline);

// The times of one operation over several rounds.
class Rounds
{
public:
    void Add(double seconds);
    double Min() const;
    double Median() const;
    double Max() const;
    // Max over min: how far apart the slowest and the fastest round are.
    double Spread() const;

private:
    std::vector<double> m_times;
};

// A baseline whose rounds lie further apart than this says more about the
// machine's load than about the code; no ratio is taken from it.
const double kMaxBaselineSpread = 2.0;

// Prints a measured operation and its baseline, each as min/median/max over
// their rounds, and the ratio of the medians, or a warning in its place
// when the baseline's spread exceeds kMaxBaselineSpread. Answers the ratio
// (0 for a flagged baseline).
double ReportAgainst(const char* name, const Rounds& measured, const char* baselineName,
                     const Rounds& baseline);

// A 16 x 16 icon of coloured stripes for the painting benchmarks; the caller
// destroys it.
HICON MakeIcon16();

} // namespace bench
