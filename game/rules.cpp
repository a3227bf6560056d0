// The rules shared by the human's and the computer's moves.
#include "game/rules.h"

namespace kolvar {

bool FollowsSuitOrRank(const Table& t, const Card& c)
{
    if (c.Rank == kSeven || c.Suit == t.CurrentSuit)
        return true;
    return t.PlayedCount > 0 && c.Rank == t.TopRank;
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
