// The rules alone: whole games between the seeded random player and the
// computer, with the FakeHost as the window. Reports moves (lays and takes by
// either side) per second.
#include "random_player.h"

#include <benchmark/benchmark.h>

namespace kolvar::bench {
namespace {

void BM_CoreWholeGames(benchmark::State& state)
{
    testing::RandomPlayer player(1);
    testing::GameTally tally;
    for (auto _ : state) {
        player.playGame(tally);
        benchmark::DoNotOptimize(player.table());
    }
    state.counters["moves/s"] =
        benchmark::Counter(static_cast<double>(tally.moves), benchmark::Counter::kIsRate);
    state.counters["moves/game"] =
        benchmark::Counter(static_cast<double>(tally.moves) / static_cast<double>(tally.games));
}
BENCHMARK(BM_CoreWholeGames)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kolvar::bench

BENCHMARK_MAIN();
