// Collecting the runs' times and writing the ratio.
#include "ratio_reporter.h"

#include <algorithm>
#include <cstdio>

namespace kolvar::bench {
namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

void RunTimes::record(const std::vector<benchmark::BenchmarkReporter::Run>& runs)
{
    using Run = benchmark::BenchmarkReporter::Run;
    for (const Run& run : runs) {
        if (run.error_occurred || run.iterations <= 0)
            continue;
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        if (run.run_type == Run::RT_Iteration)
            seconds_[run.run_name.str()].push_back(seconds);
        else if (run.aggregate_name == "median")
            medians_[run.run_name.str()].push_back(seconds);
    }
}

std::string RunTimes::ratioLine(const std::string& label, const std::string& numerator,
                                const std::string& denominator) const
{
    const auto& times = seconds_.empty() ? medians_ : seconds_;
    const auto a = times.find(numerator);
    const auto b = times.find(denominator);
    if (a == times.end() || b == times.end())
        return {};
    const double top = median(a->second), bottom = median(b->second);
    const std::string over = &times == &seconds_
                                 ? "median of " + std::to_string(a->second.size()) + " runs"
                                 : std::string("median aggregates");
    char line[256];
    std::snprintf(line, sizeof line, "%s: %.1f us / %.1f us = %.3f (%s)", label.c_str(), top * 1e6,
                  bottom * 1e6, top / bottom, over.c_str());
    return line;
}

} // namespace kolvar::bench
