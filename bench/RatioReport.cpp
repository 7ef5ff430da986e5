#include "RatioReport.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>

namespace {

// Keeps, per benchmark, the time of its fastest repetition and the smallest
// value of each counter, while the console table (without colours, for a
// log file) goes on as usual.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    CollectingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            keepSmallest(fastest_, name, run.GetAdjustedRealTime());
            for (const auto& [counter, value] : run.counters)
                keepSmallest(counters_[name], counter, value.value);
        }
    }

    const double* time(const std::string& name) const
    {
        const auto found = fastest_.find(name);
        return found == fastest_.end() ? nullptr : &found->second;
    }

    const double* counter(const std::string& name, const std::string& counter) const
    {
        const auto found = counters_.find(name);
        if (found == counters_.end())
            return nullptr;
        const auto value = found->second.find(counter);
        return value == found->second.end() ? nullptr : &value->second;
    }

private:
    static void keepSmallest(std::map<std::string, double>& values, const std::string& name, double value)
    {
        const auto found = values.find(name);
        if (found == values.end() || value < found->second)
            values[name] = value;
    }

    std::map<std::string, double> fastest_;
    std::map<std::string, std::map<std::string, double>> counters_;
};

// One line: "label: value unit (target <= t) HOLDS" (">=" with `atLeast`);
// false when not measured.
bool printJudged(const std::string& label, const double* value, int decimals, const std::string& suffix,
                 const std::string& unit, double target, bool atLeast = false)
{
    if (value == nullptr) {
        std::printf("%s: not measured\n", label.c_str());
        return false;
    }
    // Judged as shown: the heap's rounding of a block must not fail a bound
    // that the printed value meets.
    const double scale = std::pow(10.0, decimals);
    const double shown = std::round(*value * scale);
    const double bound = std::round(target * scale);
    const bool holds = atLeast ? shown >= bound : shown <= bound;
    std::printf("%s: %.*f%s %s (target %s %g%s) %s\n", label.c_str(), decimals, *value, suffix.c_str(), unit.c_str(),
                atLeast ? ">=" : "<=", target, suffix.c_str(), holds ? "HOLDS" : "DOES NOT HOLD");
    return true;
}

}  // namespace

int runRatioBenchmarks(int argc, char** argv, const std::vector<TimeRatio>& ratios,
                       const std::vector<CounterBound>& bounds)
{
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool complete = true;
    for (const TimeRatio& ratio : ratios) {
        const double* measured = reporter.time(ratio.measured);
        const double* baseline = reporter.time(ratio.baseline);
        std::optional<double> quotient;
        if (measured != nullptr && baseline != nullptr && *baseline > 0.0)
            quotient = *measured / *baseline;
        complete &=
            printJudged(ratio.label, quotient ? &*quotient : nullptr, 2, "x", ratio.unit, ratio.target, ratio.atLeast);
    }
    for (const CounterBound& bound : bounds)
        complete &=
            printJudged(bound.label, reporter.counter(bound.benchmark, bound.counter), 2, "", bound.unit, bound.target);
    std::fflush(stdout);
    return complete ? 0 : 1;
}
