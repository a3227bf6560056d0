// The hand queries: first-match searches, counts and the best-suit choice.
#include "computer/hand_queries.h"

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

template <typename Match>
int16_t countIn(const std::array<Card, kHandCapacity>& hand, int16_t count, Match matches)
{
    int16_t n = 0;
    for (int16_t i = 0; i < count; ++i)
        n = static_cast<int16_t>(n + BoolToCount(matches(hand[i])));
    return n;
}

bool isJack(const Card& c)
{
    return c.Rank == kJack;
}

} // namespace

int16_t FindJack(const Table& t)
{
    return findInComputerHand(t, isJack);
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

int16_t CountSuitInComputerHand(const Table& t, int16_t suit)
{
    return countIn(t.ComputerHand, t.ComputerCount, [=](const Card& c) { return c.Suit == suit; });
}

int16_t CountComputerJacks(const Table& t)
{
    return countIn(t.ComputerHand, t.ComputerCount, isJack);
}

int16_t CountHumanJacks(const Table& t)
{
    return countIn(t.HumanHand, t.HumanCount, isJack);
}

void TallyComputerSuits(Table& t)
{
    for (int16_t s = 0; s < kSuitCount; ++s)
        t.SuitTally[s] = CountSuitInComputerHand(t, s);
}

void PickBestSuit(Table& t)
{
    TallyComputerSuits(t);
    int16_t m = MaxOfTwo(t.SuitTally[0], t.SuitTally[1]);
    m = MaxOfTwo(m, t.SuitTally[2]);
    m = MaxOfTwo(m, t.SuitTally[3]);
    for (int16_t s = 0; s < kSuitCount; ++s) {
        if (t.SuitTally[s] == m) {
            t.CurrentSuit = s;
            return;
        }
    }
}

} // namespace kolvar
