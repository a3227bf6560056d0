// Building the worst table for the redraw.
#include "tables.h"

#include "game/layout.h"

namespace kolvar::bench {
namespace {

// The n-th face of the deck in built order, wrapping round after 32.
Card face(int n)
{
    n %= kDeckSize;
    return Card{static_cast<int16_t>(kLowestRank + n / kSuitCount),
                static_cast<int16_t>(n % kSuitCount), 0};
}

} // namespace

Table WorstTable(int clientWidth, int clientHeight)
{
    Table t;
    LayOutTable(t, clientWidth, clientHeight);
    for (int i = 0; i < kHandCapacity; ++i) {
        t.HumanHand[i] = face(i);
        t.HumanHand[i].Slot = static_cast<int16_t>(i);
        t.ComputerHand[i] = face(i + kHandCapacity);
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
