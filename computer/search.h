// The expert's search: for each play the seat may make, the share of games
// it wins from there, over many deals drawn from what the seat has seen.
// The same deals serve every play, so the plays are compared on equal cards.
#pragma once

#include "computer/random_stream.h"
#include "computer/simulation.h"
#include "game/table.h"

#include <functional>

namespace kolvar {

// How one decision is searched. Its thinking is counted in moves played in
// simulation rather than in time, so that a seeded game is played the same
// on every machine; the default keeps a decision well inside the pause
// before the computer's move (docs/performance.md). The playouts lay a card
// at random `anyCardChance` of the time (playout_policy.h).
struct SearchSettings {
    int moves = 200000;
    double anyCardChance = 0.1;
};

// Draws one deal the seat cannot tell from the real one.
using DealSource = std::function<Table(RandomStream&)>;

// The best play for the side to move in the deals of `deals`, and the share
// of games it wins.
struct SearchResult {
    Play play;
    double value = 0;
};
SearchResult SearchPlay(const DealSource& deals, RandomStream& random,
                        const SearchSettings& settings = {});

} // namespace kolvar
