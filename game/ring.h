// The deck ring: one circular buffer of 32 cards that is the stock and the
// discard pile at once. Cards are drawn at DrawPos; a laid card is written at
// DiscardPos, straight back behind the stock, so the stock is never reshuffled
// and the cards laid come round again in the order in which they were laid.
#pragma once

#include "game/side.h"
#include "game/table.h"

namespace kolvar {

// Moves a ring cursor on by one, from 31 back to 0.
void AdvanceRingPos(int16_t& pos);

// Cards in the stock: every card that is in neither hand. Once a card has
// been laid, the last of them is the top card of the pile.
int StockCount(const Table& t);

// How many of the stock's cards, counted from its end, were laid in this
// game: the laid cards come round last, in the order they were laid, and
// the cards before them are the deal's, which nobody has seen.
int LaidStockCount(const Table& t);

// The stock's card `k` in draw order (0: the next card taken).
inline const Card& StockCard(const Table& t, int k)
{
    return t.Deck[(t.DrawPos + k) % kDeckSize];
}

// Takes the card at DrawPos into the next free entry of the side's hand; in
// the human's hand it is drawn at the slot of that index. A hand holds at
// most 21 cards and an empty stock gives nothing: then nothing moves and the
// result is false.
bool TakeFromStock(Table& t, Side side);

// Writes the top card into the ring at DiscardPos and moves DiscardPos on.
void StoreTopCardInRing(Table& t);

// Counts one more card laid in this game. The count matters only as 0, 1
// and "2 or more", so it stops at its largest value instead of wrapping.
void CountLay(Table& t);

} // namespace kolvar
