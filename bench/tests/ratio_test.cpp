// The closing ratio line: medians over the plain runs, the median aggregate
// when only aggregates were reported, nothing when a benchmark is missing.
#include "ratio_reporter.h"

#include <gtest/gtest.h>

namespace kolvar::bench {
namespace {

using BenchRun = benchmark::BenchmarkReporter::Run;

BenchRun run(const std::string& name, double seconds, int iterations,
             const std::string& aggregate = "")
{
    BenchRun r;
    r.run_name.function_name = name;
    r.iterations = iterations;
    r.real_accumulated_time = seconds;
    r.run_type = aggregate.empty() ? BenchRun::RT_Iteration : BenchRun::RT_Aggregate;
    r.aggregate_name = aggregate;
    return r;
}

TEST(RunTimes, TheRatioIsOfTheMediansPerIteration)
{
    RunTimes t;
    // 300, 100 and 200 us per iteration: the median is 200 us.
    t.record({run("BM_A", 0.003, 10), run("BM_A", 0.001, 10), run("BM_A", 0.004, 20)});
    t.record({run("BM_B", 0.0008, 10)});
    EXPECT_EQ(t.ratioLine("a vs b", "BM_A", "BM_B"),
              "a vs b: 200.0 us / 80.0 us = 2.500 (median of 3 runs)");
}

TEST(RunTimes, OnlyAggregatesGiveTheMedianAggregate)
{
    RunTimes t;
    t.record({run("BM_A", 0.005, 10, "mean"), run("BM_A", 0.002, 10, "median")});
    t.record({run("BM_B", 0.004, 10, "median"), run("BM_B", 0.001, 10, "stddev")});
    EXPECT_EQ(t.ratioLine("a vs b", "BM_A", "BM_B"),
              "a vs b: 200.0 us / 400.0 us = 0.500 (median aggregates)");
}

TEST(RunTimes, AMissingOrFailedBenchmarkGivesNoLine)
{
    RunTimes t;
    BenchRun failed = run("BM_B", 0.001, 10);
    failed.error_occurred = true;
    t.record({run("BM_A", 0.001, 10), failed});
    EXPECT_EQ(t.ratioLine("a vs b", "BM_A", "BM_B"), "");
}

} // namespace
} // namespace kolvar::bench
