// The rungs of the ladder, climbed from the top; the first that finds a card
// lays it.
#include "computer/ladder.h"

#include "computer/hand_searches.h"
#include "game/hand_queries.h"
#include "game/rules.h"

namespace kolvar {
namespace {

Play chooseBelowTheChain(const Table& t, bool moreJacks)
{
    const int16_t jack = FindJackOfCurrentSuit(t);
    if (jack >= 0 && moreJacks)
        return Play::lay(jack, SuitRule::Keep);
    const int16_t seven = FindSeven(t);
    if (seven >= 0 && FindNonSevenOfCurrentSuit(t) < 0)
        return Play::lay(seven, SuitRule::BestSuit);
    const int16_t sameRank = FindTopRankCard(t);
    if (sameRank >= 0 && CountSuitInComputerHand(t, t.ComputerHand[sameRank].Suit) >
                             CountSuitInComputerHand(t, t.CurrentSuit))
        return Play::lay(sameRank, SuitRule::LaidCardSuit);
    const int16_t follow = FindNonSevenOfCurrentSuit(t);
    if (follow >= 0)
        return Play::lay(follow, SuitRule::Keep);
    return Play::take();
}

} // namespace

Play ChooseByLadder(const Table& t)
{
    const bool moreJacks = CountHumanJacks(t) < CountComputerJacks(t);
    if (!PenaltyPending(t.ComputerDrawDue))
        return chooseBelowTheChain(t, moreJacks);
    return moreJacks ? Play::lay(FindJack(t), SuitRule::LaidCardSuit) : Play::take();
}

} // namespace kolvar
