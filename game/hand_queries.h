// The counts over the hands that the moves of both sides and the end rules
// rest on, and the best-suit choice that the computer makes when it opens a
// game or lays a seven. A count visits exactly the cards held.
#pragma once

#include "game/side.h"
#include "game/table.h"

#include <array>

namespace kolvar {

int16_t CountJacks(const Table& t, Side s);
inline int16_t CountHumanJacks(const Table& t)
{
    return CountJacks(t, Side::Human);
}
inline int16_t CountComputerJacks(const Table& t)
{
    return CountJacks(t, Side::Computer);
}

int16_t CountSuitInComputerHand(const Table& t, int16_t suit);

// The number of the computer's cards of each suit.
std::array<int16_t, kSuitCount> TallyComputerSuits(const Table& t);

inline int16_t BoolToCount(bool flag)
{
    return flag ? 1 : 0;
}
inline int16_t MaxOfTwo(int16_t a, int16_t b)
{
    return a > b ? a : b;
}

// The suit the computer holds most of; a tie goes to the lowest code
// (diamonds, spades, hearts, clubs).
int16_t BestSuit(const Table& t);

// Names that suit: sets CurrentSuit.
inline void PickBestSuit(Table& t)
{
    t.CurrentSuit = BestSuit(t);
}

} // namespace kolvar
