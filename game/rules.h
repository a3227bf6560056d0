// The rules that both sides play by: which card may be laid now, and what a
// lay or a take does to the draw counters.
#pragma once

#include "game/card_set.h"
#include "game/side.h"
#include "game/table.h"

namespace kolvar {

// A jack penalty stands: only a jack may be laid, or the cards taken.
inline bool PenaltyPending(int16_t due)
{
    return due > 1;
}

// The cards the side may lay now, held or not: a seven, a card of
// CurrentSuit, or one of the top card's rank (the rank match does not count
// for the first card of a game); and while a jack penalty stands against the
// side, only a jack among them.
CardSet AdmittedCards(const Table& t, Side side);

// Whether the side may lay this card now.
inline bool MayLay(const Table& t, Side side, Face f)
{
    return AdmittedCards(t, side).has(f);
}

// A lay other than an ace gives the opponent 1 card to take, or, for a jack,
// the layer's own counter + 2; the layer's counter becomes 0. An ace changes
// neither counter.
void ApplyLayPenalty(int16_t rank, int16_t& layerDue, int16_t& opponentDue);

// After a take the taker owes nothing and the opponent is to take 1.
void ApplyTakePenalty(int16_t& takerDue, int16_t& opponentDue);

} // namespace kolvar
