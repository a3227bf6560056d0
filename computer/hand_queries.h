// Searches, counts and the suit tally over the hands, on which the computer's
// choices rest. A search scans the computer's hand from index 0 upward and
// returns the lowest matching index, or -1; a count visits exactly the cards
// held.
#pragma once

#include "game/table.h"

namespace kolvar {

int16_t FindJack(const Table& t);                  // any jack
int16_t FindJackOfCurrentSuit(const Table& t);     // a jack of CurrentSuit
int16_t FindSeven(const Table& t);                 // any seven
int16_t FindNonSevenOfCurrentSuit(const Table& t); // CurrentSuit, skipping only sevens
int16_t FindTopRankCard(const Table& t);           // TopRank, any suit

int16_t CountSuitInComputerHand(const Table& t, int16_t suit);
int16_t CountComputerJacks(const Table& t);
int16_t CountHumanJacks(const Table& t);

// Fills SuitTally with the number of the computer's cards of each suit.
void TallyComputerSuits(Table& t);

inline int16_t BoolToCount(bool flag)
{
    return flag ? 1 : 0;
}
inline int16_t MaxOfTwo(int16_t a, int16_t b)
{
    return a > b ? a : b;
}

// Names the suit the computer holds most of; a tie goes to the lowest code
// (diamonds, spades, hearts, clubs). Refills SuitTally and sets CurrentSuit.
void PickBestSuit(Table& t);

} // namespace kolvar
