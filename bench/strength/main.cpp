// make strength: seeded games between two players, and how often each wins.
//
//   kolvar_strength [--games N] [--seed S] [--player P] [--computer C] [--jobs J]
//
// The computer's seat plays at level C (clasic, expert); the player's seat is
// played by P (clasic, expert, random, omniscient: players.h). Game g is
// dealt from seed S and g alone, and the opener alternates, so a run is the
// same on every machine and with any number of jobs. Prints each side's share
// of the games won with its 95 % interval (Wilson), the moves per game, the
// games that never end, and the expert's time per decision.
#include "match.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace kolvar::bench;

struct Args {
    long games = 10000;
    uint64_t seed = 1;
    std::string player = "expert";
    std::string computer = "clasic";
    int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
};

bool parse(int argc, char** argv, Args& a)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--games")
            a.games = std::strtol(value.c_str(), nullptr, 10);
        else if (key == "--seed")
            a.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (key == "--player")
            a.player = value;
        else if (key == "--computer")
            a.computer = value;
        else if (key == "--jobs")
            a.jobs = std::max(1, std::atoi(value.c_str()));
        else
            return false;
    }
    return argc % 2 == 1 && a.games > 0;
}

// The share p of n games with its 95 % Wilson interval, in per cent.
std::string share(long wins, long n)
{
    const double z = 1.959964, p = static_cast<double>(wins) / n;
    const double mid = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4.0 * n * n)) / (1 + z * z / n);
    char out[64];
    std::snprintf(out, sizeof out, "%5.1f %% [%4.1f, %4.1f]", 100 * p, 100 * (mid - half),
                  100 * (mid + half));
    return out;
}

double quantile(std::vector<double>& v, double q)
{
    if (v.empty())
        return 0;
    const size_t k = std::min(v.size() - 1, static_cast<size_t>(q * v.size()));
    std::nth_element(v.begin(), v.begin() + k, v.end());
    return v[k];
}

} // namespace

int main(int argc, char** argv)
{
    Args a;
    if (!parse(argc, argv, a) || !ValidMatch(a.player, a.computer)) {
        std::fprintf(stderr, "usage: kolvar_strength [--games N] [--seed S] [--player "
                             "clasic|expert|random|omniscient] [--computer clasic|expert] "
                             "[--jobs J]\n");
        return 2;
    }
    std::vector<MatchTally> tallies(a.jobs);
    std::vector<std::thread> workers;
    for (int j = 0; j < a.jobs; ++j)
        workers.emplace_back([&, j] {
            for (long g = j; g < a.games; g += a.jobs)
                PlayMatchGame(a.player, a.computer, a.seed, g, tallies[j]);
        });
    for (auto& w : workers)
        w.join();
    MatchTally all;
    for (const auto& t : tallies)
        all.add(t);

    const long decided = all.playerWins + all.computerWins;
    std::printf("%ld games, seed %llu, player %s against computer %s\n", all.games,
                static_cast<unsigned long long>(a.seed), a.player.c_str(), a.computer.c_str());
    std::printf("  player   (%-10s) wins %s\n", a.player.c_str(),
                share(all.playerWins, all.games).c_str());
    std::printf("  computer (%-10s) wins %s\n", a.computer.c_str(),
                share(all.computerWins, all.games).c_str());
    std::printf("  decided %ld, never ended %ld, moves per game %.1f\n", decided, all.unfinished,
                static_cast<double>(all.moves) / all.games);
    if (!all.decisionMs.empty()) {
        const double mx = *std::max_element(all.decisionMs.begin(), all.decisionMs.end());
        std::printf(
            "  expert decisions %zu: median %.2f ms, 99th percentile %.2f ms, max %.2f ms\n",
            all.decisionMs.size(), quantile(all.decisionMs, 0.5), quantile(all.decisionMs, 0.99),
            mx);
    }
    return 0;
}
