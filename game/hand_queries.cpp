// The counts over the hands and the best-suit choice.
#include "game/hand_queries.h"

namespace kolvar {
namespace {

template <typename Match>
int16_t countIn(const std::array<Card, kHandCapacity>& hand, int16_t count, Match matches)
{
    int16_t n = 0;
    for (int16_t i = 0; i < count; ++i)
        n = static_cast<int16_t>(n + BoolToCount(matches(hand[i])));
    return n;
}

} // namespace

int16_t CountJacks(const Table& t, Side s)
{
    return countIn(HandCards(t, s), HandCount(t, s), [](const Card& c) { return c.Rank == kJack; });
}

int16_t CountSuitInComputerHand(const Table& t, int16_t suit)
{
    return countIn(t.ComputerHand, t.ComputerCount, [=](const Card& c) { return c.Suit == suit; });
}

std::array<int16_t, kSuitCount> TallyComputerSuits(const Table& t)
{
    std::array<int16_t, kSuitCount> tally{};
    for (int16_t s = 0; s < kSuitCount; ++s)
        tally[s] = CountSuitInComputerHand(t, s);
    return tally;
}

int16_t BestSuit(const Table& t)
{
    const std::array<int16_t, kSuitCount> tally = TallyComputerSuits(t);
    int16_t m = MaxOfTwo(tally[0], tally[1]);
    m = MaxOfTwo(m, tally[2]);
    m = MaxOfTwo(m, tally[3]);
    for (int16_t s = 0; s < kSuitCount; ++s) {
        if (tally[s] == m)
            return s;
    }
    return 0; // not reached: m is one of the tallies
}

} // namespace kolvar
