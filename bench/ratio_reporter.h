// The console report of Google Benchmark, plus a closing line that sets one
// benchmark against another: the median real time per iteration of each,
// over the repetitions asked for, and their ratio. With only the aggregates
// reported, the median aggregate stands in for the runs.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace kolvar::bench {

// The times of the runs reported so far, by benchmark name.
class RunTimes {
public:
    void record(const std::vector<benchmark::BenchmarkReporter::Run>& runs);

    // "label: A us / B us = R (...)", or empty unless both benchmarks ran.
    std::string ratioLine(const std::string& label, const std::string& numerator,
                          const std::string& denominator) const;

private:
    // Seconds per iteration of every plain run, and of the median
    // aggregates.
    std::map<std::string, std::vector<double>> seconds_;
    std::map<std::string, std::vector<double>> medians_;
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        times_.record(runs);
        ConsoleReporter::ReportRuns(runs);
    }

    const RunTimes& times() const { return times_; }

private:
    RunTimes times_;
};

} // namespace kolvar::bench
