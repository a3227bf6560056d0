// The seeded player: the same seed plays the same games, games end one way
// or the other, and what it counts agrees with the table.
#include "random_player.h"

#include <gtest/gtest.h>

namespace kolvar::testing {
namespace {

GameTally play(uint64_t seed, int games)
{
    RandomPlayer player(seed);
    GameTally tally;
    for (int g = 0; g < games; ++g) {
        player.playGame(tally);
        const std::string broken = player.session().check();
        EXPECT_EQ(broken, "") << "seed " << seed << ", game " << g;
    }
    return tally;
}

bool same(const GameTally& a, const GameTally& b)
{
    return a.games == b.games && a.moves == b.moves && a.humanWins == b.humanWins &&
           a.computerWins == b.computerWins && a.abandoned == b.abandoned &&
           a.cardsDrawn == b.cardsDrawn;
}

TEST(RandomPlayer, TheSameSeedPlaysTheSameGames)
{
    EXPECT_TRUE(same(play(1, 200), play(1, 200)));
    EXPECT_FALSE(same(play(1, 200), play(2, 200)));
}

TEST(RandomPlayer, EveryGameIsWonLostOrAbandonedAndBothSidesWinSome)
{
    const GameTally t = play(3, 300);
    EXPECT_EQ(t.games, 300);
    EXPECT_EQ(t.humanWins + t.computerWins + t.abandoned, t.games);
    EXPECT_GT(t.humanWins, 0);
    EXPECT_GT(t.computerWins, 0);
}

TEST(RandomPlayer, EveryGameHasMovesAndTheHandsGrowOnlyByTakes)
{
    const GameTally t = play(4, 100);
    // A game takes at least one lay per card dealt to the winner.
    EXPECT_GE(t.moves, 5 * (t.humanWins + t.computerWins));
    // Cards are drawn, and no take draws more than a hand holds.
    EXPECT_GT(t.cardsDrawn, 0);
    EXPECT_LT(t.cardsDrawn, t.moves * kHandCapacity);
}

} // namespace
} // namespace kolvar::testing
