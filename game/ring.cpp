// Drawing from and laying back into the deck ring.
#include "game/ring.h"

#include <limits>

namespace kolvar {

void AdvanceRingPos(int16_t& pos)
{
    pos = static_cast<int16_t>((pos + 1) % kDeckSize);
}

int StockCount(const Table& t)
{
    return kDeckSize - t.HumanCount - t.ComputerCount;
}

bool TakeFromStock(Table& t, std::array<Card, kHandCapacity>& hand, int16_t& count)
{
    if (count >= kHandCapacity || StockCount(t) <= 0)
        return false;
    copyFace(hand[count], t.Deck[t.DrawPos]);
    ++count;
    AdvanceRingPos(t.DrawPos);
    return true;
}

void StoreTopCardInRing(Table& t)
{
    Card& entry = t.Deck[t.DiscardPos];
    entry.Rank = t.TopRank;
    entry.Suit = t.TopSuit;
    AdvanceRingPos(t.DiscardPos);
}

void CountLay(Table& t)
{
    if (t.PlayedCount < std::numeric_limits<int16_t>::max())
        ++t.PlayedCount;
}

} // namespace kolvar
