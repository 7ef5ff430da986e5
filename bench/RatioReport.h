// Benchmarks that report ratios: each measured benchmark is compared with a
// baseline benchmark run in the same process, so that the machine's speed
// cancels out, and each ratio is judged against its target.
//
//   int main(int argc, char** argv)
//   {
//       return runRatioBenchmarks(argc, argv, {{"label", "measured", "baseline", "x baseline", 2.0}}, {});
//   }
//
// Google Benchmark's own table goes to the standard error stream; the
// standard output gets one line per ratio, e.g.
// "label: 1.30x baseline (target <= 2x) HOLDS".
#ifndef KFA_BENCH_RATIO_REPORT_H
#define KFA_BENCH_RATIO_REPORT_H

#include <string>
#include <vector>

// The fastest repetition of `measured` over the fastest of `baseline`,
// judged against an upper bound, or with `atLeast` a lower one (a rate:
// the baseline's time over a measured time is the measured rate over the
// baseline's rate when both do the same work).
struct TimeRatio {
    std::string label;
    std::string measured;
    std::string baseline;
    std::string unit;
    double target;
    bool atLeast = false;
};

// A counter that `benchmark` sets, its smallest value over the repetitions,
// judged against an upper bound.
struct CounterBound {
    std::string label;
    std::string benchmark;
    std::string counter;
    std::string unit;
    double target;
};

// Runs the registered benchmarks and prints the ratios and counters.
// Returns 1 when a benchmark named by them did not run or failed, else 0
// (a target that does not hold is reported, not an error).
int runRatioBenchmarks(int argc, char** argv, const std::vector<TimeRatio>& ratios,
                       const std::vector<CounterBound>& bounds);

#endif
