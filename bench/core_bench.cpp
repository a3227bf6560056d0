// The rules alone: whole games between the seeded random player and the
// computer, with the FakeHost as the window. Reports moves (lays and takes by
// either side) per second. And one decision of the expert computer in the
// middle of a game, which must stay far inside the computer's pause.
#include "computer/expert.h"
#include "random_player.h"
#include "split_mix.h"

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

// Five cards against six, a suit to follow, the stock's laid part known.
void BM_ExpertDecision(benchmark::State& state)
{
    Observation o;
    std::string error;
    if (!ParseObservation("seat=computer to-move=yes hand=9h,Kc,7s,Ad,Jh top=Th prev=Ts "
                          "played=6 suit=h named=yes due=1/0 opponent=6 unseen=15 "
                          "laid-stock=8s,Qs,Ks,9s,Ts,Th",
                          o, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    testing::SplitMix random(1);
    testing::FakeHost host;
    host.randomSource = [&] { return random.unit(); };
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseExpertPlay(o, host));
}
BENCHMARK(BM_ExpertDecision)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kolvar::bench

BENCHMARK_MAIN();
