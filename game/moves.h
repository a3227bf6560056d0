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
enum class SuitRule {
    Keep,         // CurrentSuit stays as it is
    LaidCardSuit, // the laid card's suit becomes current
    BestSuit,     // the suit the computer holds most of, the laid card counted
    NamedLater,   // a seven of the human's: he names the suit with the buttons
};

// Lays card `index` of the side's hand: it becomes the top card and goes
// into the ring, the suit to follow changes by `rule`, the draw counters by
// its rank, and the turn passes unless it is an ace. The caller has checked
// that it may be laid (MayLay; the computer's ladder picks only such cards).
void LayCard(Table& t, Host& host, Side side, int16_t index, SuitRule rule);

// Takes the side's due from the stock (fewer if the hand fills up or the
// stock runs out); the opponent is then to move and take 1.
void TakeCards(Table& t, Host& host, Side side);

} // namespace kolvar
