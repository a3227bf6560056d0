// The two moves, each written once for either side: laying a card of one's
// hand on the pile, and taking the cards due from the stock. The human's
// click (human/) and the computer's ladder (computer/) choose the move; what
// the move does to the table is here. Neither redraws the table or tests
// for the end of the game: the side's turn does that once the move is made.
#pragma once

#include "game/host.h"
#include "game/side.h"
#include "game/table.h"

namespace kolvar {

// What a lay does to the suit to follow.
struct SuitRule {
    enum Kind : int8_t {
        Keep,         // CurrentSuit stays as it is
        LaidCardSuit, // the laid card's suit becomes current
        BestSuit,     // the suit the computer holds most of, the laid card counted
        NamedLater,   // a seven of the human's: he names the suit with the buttons
        Named,        // a seven, and the suit named with it (the expert's, a simulated player's)
    };
    constexpr SuitRule(Kind k) : kind(k) {}
    static constexpr SuitRule named(int16_t suit)
    {
        SuitRule r(Named);
        r.suit = suit;
        return r;
    }

    Kind kind;
    int16_t suit = -1; // for Named
};

// A move chosen and not yet made: card `index` of the hand laid under
// `rule`, or, with index -1, the cards due taken.
struct Play {
    int16_t index = -1;
    SuitRule rule = SuitRule::Keep;

    static constexpr Play take() { return {}; }
    static constexpr Play lay(int16_t index, SuitRule rule) { return {index, rule}; }
    constexpr bool isTake() const { return index < 0; }
    constexpr bool operator==(const Play& o) const
    {
        return index == o.index && rule.kind == o.rule.kind && rule.suit == o.rule.suit;
    }
};

// Lays card `index` of the side's hand: it becomes the top card and goes
// into the ring, the suit to follow changes by `rule`, the draw counters by
// its rank, and the turn passes unless it is an ace. The caller has checked
// that it may be laid (MayLay; the computer's ladder picks only such cards).
void LayCard(Table& t, Host& host, Side side, int16_t index, SuitRule rule);

// Takes the side's due from the stock (fewer if the hand fills up or the
// stock runs out); the opponent is then to move and take 1.
void TakeCards(Table& t, Host& host, Side side);

// The lay or the take the play stands for.
void MakePlay(Table& t, Host& host, Side side, Play play);

} // namespace kolvar
