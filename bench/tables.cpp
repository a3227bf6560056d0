// Building the worst table for the redraw.
#include "tables.h"

namespace kolvar::bench {

Table WorstTable()
{
    Table t;
    for (int i = 0; i < kHandCapacity; ++i) {
        t.HumanHand[i] = Card{BuiltFace(i), static_cast<int16_t>(i)};
        t.ComputerHand[i] = Card{BuiltFace((i + kHandCapacity) % kDeckSize), 0};
    }
    t.HumanCount = kHandCapacity;
    t.ComputerCount = kHandCapacity;
    t.PlayedCount = 2;
    t.TopRank = kKing;
    t.TopSuit = kClubs;
    t.PrevRank = kQueen;
    t.PrevSuit = kHearts;
    t.CurrentSuit = kClubs;
    t.GameInProgress = true;
    return t;
}

} // namespace kolvar::bench
