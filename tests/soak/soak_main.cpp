// The long soak: plays at least MOVES moves of the rules (a lay or a take by
// either side) with the soak player from one seed, checking everything after
// every event, then prints the moves per second and the tally. On the first
// broken rule it stops with the seed, the event and the table in one line on
// standard error, and fails.
//
//   kolvar_soak [--seed S] [--moves N] [--expert E]
//
// (defaults: seed 1, 10^8 moves, no expert). With --expert E about one game
// in E is played against the expert computer. `make soak SEED=S MOVES=N
// EXPERT=E` builds it optimised and runs it.
#include "soak_player.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr long long kProgressEvery = 10'000'000;

bool parse(int argc, char** argv, unsigned long long& seed, long long& moves, long& expertEvery)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 == argc)
            return false;
        char* end = nullptr;
        const char* value = argv[++i];
        if (arg == "--seed")
            seed = std::strtoull(value, &end, 10);
        else if (arg == "--moves")
            moves = std::strtoll(value, &end, 10);
        else if (arg == "--expert")
            expertEvery = std::strtol(value, &end, 10);
        else
            return false;
        if (end == value || *end != '\0')
            return false;
    }
    return moves > 0 && expertEvery >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    unsigned long long seed = 1;
    long long moves = 100'000'000;
    long expertEvery = 0;
    if (!parse(argc, argv, seed, moves, expertEvery)) {
        std::fprintf(stderr, "usage: kolvar_soak [--seed S] [--moves N] [--expert E]\n");
        return 2;
    }
    kolvar::testing::SoakPlayer player(seed, static_cast<int>(expertEvery));
    const auto start = std::chrono::steady_clock::now();
    long long nextReport = kProgressEvery;
    while (player.tally().moves < moves) {
        if (const std::string broken = player.step(); !broken.empty()) {
            std::fprintf(stderr, "kolvar_soak: %s\n", broken.c_str());
            return 1;
        }
        if (player.tally().moves >= nextReport) {
            std::fprintf(stderr, "%lld moves\n", player.tally().moves);
            nextReport += kProgressEvery;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const kolvar::testing::SoakTally& t = player.tally();
    std::printf("soak: seed %llu games %lld moves %lld human-wins %lld computer-wins %lld "
                "abandoned %lld cards-drawn %lld events %lld expert-games %lld\n",
                seed, t.games, t.moves, t.humanWins, t.computerWins, t.abandoned, t.cardsDrawn,
                t.events, t.expertGames);
    std::printf("%.1f s, %.0f moves/s, %.0f events/s\n", seconds,
                static_cast<double>(t.moves) / seconds, static_cast<double>(t.events) / seconds);
    return 0;
}
