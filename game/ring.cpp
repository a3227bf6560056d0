// Drawing from and laying back into the deck ring.
#include "game/ring.h"

#include <algorithm>
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

int LaidStockCount(const Table& t)
{
    // Laid cards are written one after another just behind DiscardPos.
    return std::clamp<int>(t.PlayedCount, 0, std::min(StockCount(t), kDeckSize));
}

bool TakeFromStock(Table& t, Side side)
{
    auto& hand = HandCards(t, side);
    int16_t& count = HandCount(t, side);
    if (count >= kHandCapacity || StockCount(t) <= 0)
        return false;
    hand[count].face() = t.Deck[t.DrawPos];
    if (side == Side::Human)
        hand[count].Slot = count;
    ++count;
    AdvanceRingPos(t.DrawPos);
    return true;
}

void StoreTopCardInRing(Table& t)
{
    t.Deck[t.DiscardPos].face() = t.topCard();
    AdvanceRingPos(t.DiscardPos);
}

void CountLay(Table& t)
{
    if (t.PlayedCount < std::numeric_limits<int16_t>::max())
        ++t.PlayedCount;
}

} // namespace kolvar
