// The rules that both sides play by: which card may be laid, what a lay or a
// take does to the draw counters, and which last card wins the game.
#pragma once

#include "game/table.h"

namespace kolvar {

// A card may be laid when it is a seven, follows CurrentSuit, or matches the
// top card's rank; the rank match does not count for the first card of a game.
bool FollowsSuitOrRank(const Table& t, const Card& c);

// A lay other than an ace gives the opponent 1 card to take, or, for a jack,
// the layer's own counter + 2; the layer's counter becomes 0. An ace changes
// neither counter.
void ApplyLayPenalty(int16_t rank, int16_t& layerDue, int16_t& opponentDue);

// After a take the taker owes nothing and the opponent is to take 1.
void ApplyTakePenalty(int16_t& takerDue, int16_t& opponentDue);

// A jack penalty stands: only a jack may be laid, or the cards taken.
inline bool PenaltyPending(int16_t due)
{
    return due > 1;
}

// Laying the last card wins unless it is an ace or a jack.
inline bool LastCardWins(int16_t rank)
{
    return rank != kAce && rank != kJack;
}

} // namespace kolvar
