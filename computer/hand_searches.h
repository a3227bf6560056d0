// The searches over the computer's hand that its ladder of preferences
// climbs. Each scans the hand from index 0 upward and returns the lowest
// matching index, or -1.
#pragma once

#include "game/table.h"

namespace kolvar {

int16_t FindJack(const Table& t);                  // any jack
int16_t FindJackOfCurrentSuit(const Table& t);     // a jack of CurrentSuit
int16_t FindSeven(const Table& t);                 // any seven
int16_t FindNonSevenOfCurrentSuit(const Table& t); // CurrentSuit, skipping only sevens
int16_t FindTopRankCard(const Table& t);           // TopRank, any suit

} // namespace kolvar
