// Dealing the unseen cards of an observation at random.
#include "computer/world.h"

#include <algorithm>

namespace kolvar {
namespace {

// The cards the seat cannot place, from which a deal draws without putting back.
class Pool {
public:
    explicit Pool(CardSet cards)
    {
        for (Face f : cards)
            cards_[size_++] = f;
    }
    int size() const { return size_; }

    // A card of the pool, none of `avoid` if it holds any other.
    Face draw(RandomStream& random, CardSet avoid = {})
    {
        int pick = random.below(size_);
        int others = 0;
        if (!avoid.empty())
            for (int k = 0; k < size_; ++k)
                if (!avoid.has(cards_[k]) && random.below(++others) == 0)
                    pick = k;
        const Face f = cards_[pick];
        cards_[pick] = cards_[--size_];
        return f;
    }

private:
    std::array<Face, kDeckSize> cards_{};
    int size_ = 0;
};

// The opponent's hand: the cards the seat saw going to him, then cards of
// the pool. His cards are counted oldest first: note i of what his moves
// showed speaks of the oldest `held` of them, which lack what it and every
// later note say he lacks.
int dealOpponent(const Observation& o, Pool& pool, bool trusted, RandomStream& random,
                 std::array<Face, kDeckSize>& hand)
{
    int held = 0;
    for (Face f : o.opponentKnown)
        if (held < o.opponentCount)
            hand[held++] = f;
    const HandNotes& notes = o.opponentShown;
    std::array<int, HandNotes::kKept> oldest{};
    int spokenOf = o.opponentCount - held;
    for (int i = notes.count() - 1; i >= 0; --i)
        spokenOf = oldest[i] = std::min<int>(notes[i].held, spokenOf);
    for (int i = 0, dealt = 0; trusted && i < notes.count(); ++i) {
        CardSet lacking;
        for (int j = i; j < notes.count(); ++j)
            lacking = lacking | notes[j].lacking;
        for (; dealt < oldest[i] && pool.size() > 0; ++dealt)
            hand[held++] = pool.draw(random, lacking);
    }
    while (held < o.opponentCount && pool.size() > 0)
        hand[held++] = pool.draw(random);
    random.shuffle(hand.data(), held);
    return held;
}

void setHand(Table& w, Side side, const Face* cards, int count)
{
    auto& hand = HandCards(w, side);
    for (int i = 0; i < count; ++i)
        hand[i] = Card{cards[i], static_cast<int16_t>(i)};
    HandCount(w, side) = static_cast<int16_t>(count);
}

// The public part of the table: the pile, the suit, the counters, the turn.
void setPile(Table& w, const Observation& o)
{
    w.setTopCard(o.top);
    w.setPrevCard(o.prev);
    w.PlayedCount = o.played;
    w.CurrentSuit = o.currentSuit;
    w.RaisedSuit = o.suitNamed ? o.currentSuit : int16_t{-1};
    DrawDue(w, o.seat) = o.ownDue;
    DrawDue(w, Opponent(o.seat)) = o.opponentDue;
    w.ComputerToMove = (o.toMove ? o.seat : Opponent(o.seat)) == Side::Computer;
    w.GameInProgress = true;
}

// The stock from ring entry 0: the rest of the pool, then the laid part as
// it lies.
void setStock(Table& w, const Observation& o, Pool& pool, RandomStream& random)
{
    int k = 0;
    while (pool.size() > 0 && k < kDeckSize)
        w.Deck[k++] = Card{pool.draw(random), -1};
    for (int i = 0; i < o.laidStockCount && k < kDeckSize; ++i)
        w.Deck[k++] = Card{o.laidStock[i], -1};
    w.DrawPos = 0;
    w.DiscardPos = static_cast<int16_t>(k % kDeckSize);
    w.LaidCards = o.laidStockCards() | o.opponentKnown;
}

} // namespace

Table SampleWorld(const Observation& o, RandomStream& random, double trustShown)
{
    Pool pool(o.unseen());
    const bool trusted = random.unit() < trustShown;
    std::array<Face, kDeckSize> opponent{};
    const int held = dealOpponent(o, pool, trusted, random, opponent);

    Table w;
    setHand(w, o.seat, o.hand.data(), o.handCount);
    setHand(w, Opponent(o.seat), opponent.data(), held);
    setPile(w, o);
    setStock(w, o, pool, random);
    return w;
}

} // namespace kolvar
