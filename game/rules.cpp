// The rules shared by the human's and the computer's moves.
#include "game/rules.h"

namespace kolvar {

bool FollowsSuitOrRank(const Table& t, Face f)
{
    if (f.Rank == kSeven || f.Suit == t.CurrentSuit)
        return true;
    return t.PlayedCount > 0 && f.Rank == t.TopRank;
}

bool MayLay(const Table& t, Side side, Face f)
{
    if (PenaltyPending(DrawDue(t, side)) && f.Rank != kJack)
        return false;
    return FollowsSuitOrRank(t, f);
}

void ApplyLayPenalty(int16_t rank, int16_t& layerDue, int16_t& opponentDue)
{
    if (rank == kAce)
        return;
    opponentDue = rank == kJack ? static_cast<int16_t>(layerDue + 2) : int16_t{1};
    layerDue = 0;
}

void ApplyTakePenalty(int16_t& takerDue, int16_t& opponentDue)
{
    takerDue = 0;
    opponentDue = 1;
}

} // namespace kolvar
