// The first-match searches over the computer's hand.
#include "computer/hand_searches.h"

namespace kolvar {
namespace {

template <typename Match>
int16_t findInComputerHand(const Table& t, Match matches)
{
    for (int16_t i = 0; i < t.ComputerCount; ++i)
        if (matches(t.ComputerHand[i]))
            return i;
    return -1;
}

} // namespace

int16_t FindJack(const Table& t)
{
    return findInComputerHand(t, [](const Card& c) { return c.Rank == kJack; });
}

int16_t FindJackOfCurrentSuit(const Table& t)
{
    return findInComputerHand(
        t, [&](const Card& c) { return c.Rank == kJack && c.Suit == t.CurrentSuit; });
}

int16_t FindSeven(const Table& t)
{
    return findInComputerHand(t, [](const Card& c) { return c.Rank == kSeven; });
}

int16_t FindNonSevenOfCurrentSuit(const Table& t)
{
    return findInComputerHand(
        t, [&](const Card& c) { return c.Suit == t.CurrentSuit && c.Rank != kSeven; });
}

int16_t FindTopRankCard(const Table& t)
{
    return findInComputerHand(t, [&](const Card& c) { return c.Rank == t.TopRank; });
}

} // namespace kolvar
