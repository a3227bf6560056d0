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
