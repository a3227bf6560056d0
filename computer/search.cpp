// Flat Monte Carlo over the root plays, each deal played out once per play.
#include "computer/search.h"

#include "computer/playout_policy.h"

#include <array>

namespace kolvar {
namespace {

constexpr int kPlayoutLimit = 400;

Score playFrom(Table w, Play play, Side seat, RandomStream& random, double anyCardChance,
               int& moves)
{
    QuietHost quiet;
    ++moves;
    if (const auto winner = MakeSimulatedPlay(w, quiet, play))
        return *winner == seat ? 1.0 : 0.0;
    return Playout(w, seat, random, anyCardChance, kPlayoutLimit, moves);
}

} // namespace

SearchResult SearchPlay(const DealSource& deals, RandomStream& random,
                        const SearchSettings& settings)
{
    Table w = deals(random);
    const Side seat = SideToMove(w);
    const Plays plays = AdmittedPlays(w);
    if (plays.count == 1)
        return {plays.list[0], 0.5};
    std::array<double, kHandCapacity + 4> total{};
    int moves = 0;
    int round = 0;
    for (; moves < settings.moves; ++round) {
        if (round > 0)
            w = deals(random);
        for (int i = 0; i < plays.count; ++i)
            total[i] += playFrom(w, plays.list[i], seat, random, settings.anyCardChance, moves);
    }
    int best = 0;
    for (int i = 1; i < plays.count; ++i)
        if (total[i] > total[best])
            best = i;
    return {plays.list[best], total[best] / round};
}

} // namespace kolvar
