// The rules that both sides play by: which card may be laid now, and what a
// lay or a take does to the draw counters.
#pragma once

#include "game/side.h"
#include "game/table.h"

namespace kolvar {

// A card may be laid when it is a seven, follows CurrentSuit, or matches the
// top card's rank; the rank match does not count for the first card of a game.
bool FollowsSuitOrRank(const Table& t, Face f);

// A jack penalty stands: only a jack may be laid, or the cards taken.
inline bool PenaltyPending(int16_t due)
{
    return due > 1;
}

// Whether the side may lay this card now: while a jack penalty stands
// against it only a jack, and any card only if it follows suit or rank.
bool MayLay(const Table& t, Side side, Face f);

// A lay other than an ace gives the opponent 1 card to take, or, for a jack,
// the layer's own counter + 2; the layer's counter becomes 0. An ace changes
// neither counter.
void ApplyLayPenalty(int16_t rank, int16_t& layerDue, int16_t& opponentDue);

// After a take the taker owes nothing and the opponent is to take 1.
void ApplyTakePenalty(int16_t& takerDue, int16_t& opponentDue);

} // namespace kolvar
