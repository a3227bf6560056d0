// The playout policy's preferences, each a score; the best card is laid.
#include "computer/playout_policy.h"

#include "game/rules.h"

#include <array>

namespace kolvar {
namespace {

using SuitTally = std::array<int, kSuitCount>;

SuitTally tally(const Table& w, Side side)
{
    SuitTally n{};
    for (int i = 0; i < HandCount(w, side); ++i)
        ++n[HandCards(w, side)[i].Suit];
    return n;
}

// The suit to name after a seven: the one held most of, the seven not counted.
int16_t suitToName(SuitTally n, Face seven, RandomStream& random)
{
    --n[seven.Suit];
    int16_t best = static_cast<int16_t>(random.below(kSuitCount));
    for (int16_t s = 0; s < kSuitCount; ++s)
        if (n[s] > n[best])
            best = s;
    return best;
}

// How much the policy likes laying a card. The last card wins unless it is
// an ace (the turn stays, with nothing to lay) or a jack (it may be
// answered); a seven is kept for when nothing else goes, but with two cards
// left it lets the last one follow; an ace is a free move, a jack three
// cards for the opponent; any other card is better the more of its suit
// stays in hand.
double cardScore(Face f, int handCount, const SuitTally& n)
{
    if (handCount == 1)
        return f.Rank == kAce ? -50 : f.Rank == kJack ? 5 : 1000;
    switch (f.Rank) {
    case kSeven:
        return handCount == 2 ? 60 : -5;
    case kAce:
        return 30;
    case kJack:
        return 20;
    default:
        return 10 + 2 * n[f.Suit];
    }
}

Play layOrTake(const Table& w, Side side, int16_t index, const SuitTally& n, RandomStream& random)
{
    if (index < 0)
        return Play::take();
    const Face f = HandCards(w, side)[index];
    if (f.Rank == kSeven)
        return Play::lay(index, SuitRule::named(suitToName(n, f, random)));
    return Play::lay(index, SuitRule::LaidCardSuit);
}

} // namespace

Play PolicyPlay(const Table& w, RandomStream& random, double anyCardChance)
{
    const Side side = SideToMove(w);
    const auto& hand = HandCards(w, side);
    const int count = HandCount(w, side);
    const SuitTally n = tally(w, side);
    const bool anyCard = random.unit() < anyCardChance;
    const CardSet admittedCards = AdmittedCards(w, side);

    int16_t best = -1;
    double bestScore = 0;
    for (int16_t i = 0; i < count; ++i) {
        if (!admittedCards.has(hand[i]))
            continue;
        const double score = anyCard ? random.unit() : cardScore(hand[i], count, n) + random.unit();
        if (best < 0 || score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return layOrTake(w, side, best, n, random);
}

Score Playout(Table& w, Side perspective, RandomStream& random, double anyCardChance, int limit,
              int& moves)
{
    QuietHost quiet;
    for (int m = 0; m < limit; ++m) {
        if (TurnLost(w))
            return SideToMove(w) == perspective ? 0.0 : 1.0;
        const auto winner = MakeSimulatedPlay(w, quiet, PolicyPlay(w, random, anyCardChance));
        ++moves;
        if (winner)
            return *winner == perspective ? 1.0 : 0.0;
    }
    return 0.5;
}

} // namespace kolvar
