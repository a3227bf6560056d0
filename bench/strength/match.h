// One seeded game of the strength benchmark, driven through the game's own
// entry points with the tests' fake host as the window: the player's seat
// clicks, the computer's seat moves on its timer's tick.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kolvar::bench {

struct MatchTally {
    long games = 0;
    long playerWins = 0;
    long computerWins = 0;
    long unfinished = 0; // stopped at the move limit
    long moves = 0;
    std::vector<double> decisionMs; // each expert decision's time, either seat

    void add(const MatchTally& o);
};

bool ValidMatch(const std::string& player, const std::string& computer);

// Game `game` of the run from `seed`; the player opens the even ones.
void PlayMatchGame(const std::string& player, const std::string& computer, uint64_t seed, long game,
                   MatchTally& tally);

} // namespace kolvar::bench
