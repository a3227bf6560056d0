// The rules shared by the human's and the computer's moves.
#include "game/rules.h"

namespace kolvar {

CardSet AdmittedCards(const Table& t, Side side)
{
    const CardSet sameRank = t.PlayedCount > 0 ? CardSet::ofRank(t.TopRank) : CardSet();
    const CardSet following = CardSet::ofRank(kSeven) | CardSet::ofSuit(t.CurrentSuit) | sameRank;
    return PenaltyPending(DrawDue(t, side)) ? following & CardSet::ofRank(kJack) : following;
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
