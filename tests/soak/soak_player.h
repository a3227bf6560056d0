// The long soak's player: whole games against the computer through the
// tests' Session, played the way people play them, with the mouse and with
// the keys, legal cards and refused ones, the stock, the suit buttons, clicks
// on empty table, a message box left open while the timer ticks, a new deal
// in the middle of a game and the options switched between games. After
// every event it checks the table and the session (Session::check), that a
// card the computer laid is one the rules admit, and that the pile counts
// every lay since the deal.
//
// Its tally counts moves as the random player's does: a lay or a take by
// either side, the take also when the hand is full or the stock empty.
#pragma once

#include "session.h"
#include "split_mix.h"

#include <cstdint>
#include <string>

namespace kolvar::testing {

struct SoakTally {
    long long events = 0;
    long long games = 0; // games dealt
    long long moves = 0; // lays and takes, by either side
    long long humanWins = 0;
    long long computerWins = 0;
    long long abandoned = 0;   // dealt again before the game ended
    long long cardsDrawn = 0;  // taken from the stock, by either side
    long long expertGames = 0; // dealt with the computer at the expert level
};

// A game still going after this many moves is dealt again: with both hands
// full or the stock empty, two sides that cannot lay may take for ever.
inline constexpr int kSoakMoveLimit = 2000;

class SoakPlayer {
public:
    // With `expertEvery` > 0, about one game in that many is dealt with the
    // computer at the expert level, chosen between games as the options
    // window chooses it.
    explicit SoakPlayer(uint64_t seed, int expertEvery = 0);

    // Plays one event and checks it. Empty while everything holds;
    // otherwise the event, what broke and the table in one line.
    std::string step();

    const SoakTally& tally() const { return tally_; }

private:
    // What the event was, kept cheap and described only on a failure.
    enum class Act {
        NewGame,
        Options,
        NameSuit,
        Tick,
        LayByMouse,
        LayByKeys,
        TakeByMouse,
        TakeByKey,
        AnyCard,
        ArrowKey,
        ClickTable,
        OutOfTurn,
    };

    int roll(int n) { return rng_.below(n); }
    Act choose();
    void act(Act a);
    void humanTurn();
    void layAdmitted(bool byKeys);
    void walkTo(int index);
    std::string describe(Act a) const;
    void count(const Table& before, int redrawsBefore);
    std::string check(const Table& before) const;

    uint64_t seed_;
    int expertEvery_;
    SplitMix rng_;
    Session s_;
    SoakTally tally_;
    Act last_ = Act::NewGame;
    int arg_ = 0;
    long long movesAtDeal_ = 0;
    int laysSinceDeal_ = 0;
    bool computerLaid_ = false;
};

} // namespace kolvar::testing
