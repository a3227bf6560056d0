// A seeded random player who plays whole games against the computer in a
// Session (session.h), with the fake host as the window: it names a
// suit when one is due, lays a random card that the rules admit or now and
// then takes from the stock instead, and lets the computer's second pass
// between turns. Between games it sometimes switches who opens.
//
// It counts what happened, so that the core benchmark can report moves per
// second and the signature (core.Signature) can show any change of the
// rules' behaviour.
#pragma once

#include "game/table.h"
#include "session.h"
#include "split_mix.h"

#include <cstdint>

namespace kolvar::testing {

struct GameTally {
    long games = 0; // games dealt
    long moves = 0; // lays and takes, by either side
    long humanWins = 0;
    long computerWins = 0;
    long abandoned = 0;  // games stopped after kMoveLimit moves
    long cardsDrawn = 0; // cards taken from the stock, by either side
};

// A game still going after this many moves is abandoned: with both hands
// full or the stock empty, two sides that cannot lay could take for ever.
inline constexpr int kMoveLimit = 2000;

class RandomPlayer {
public:
    // Against the computer at `level`.
    explicit RandomPlayer(uint64_t seed, ComputerLevel level = ComputerLevel::Clasic);

    // Deals a new game and plays it to its end, adding to `tally`.
    void playGame(GameTally& tally);

    const Session& session() const { return session_; }
    const Table& table() const { return session_.table(); }

private:
    // One event: a suit button, a click on the table or a timer tick.
    void step();
    void humanTurn();
    void countStep(int redrawsBefore, int cardsBefore, GameTally& tally);

    SplitMix rng_;
    Session session_;
};

} // namespace kolvar::testing
