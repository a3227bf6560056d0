// Building a seat's observation from the table.
#include "computer/observation.h"

#include "game/ring.h"

namespace kolvar {

Observation Observe(const Table& t, Side seat)
{
    Observation o;
    o.seat = seat;
    o.toMove = t.ComputerToMove == (seat == Side::Computer);
    o.handCount = HandCount(t, seat);
    for (int i = 0; i < o.handCount; ++i)
        o.hand[i] = HandCards(t, seat)[i];
    o.top = t.topCard();
    o.prev = t.prevCard();
    o.played = t.PlayedCount;
    o.currentSuit = t.CurrentSuit;
    o.suitNamed = t.suitNamed();
    o.ownDue = DrawDue(t, seat);
    o.opponentDue = DrawDue(t, Opponent(seat));
    o.opponentCount = HandCount(t, Opponent(seat));

    const int stock = StockCount(t);
    o.laidStockCount = static_cast<int16_t>(LaidStockCount(t));
    o.unseenStock = static_cast<int16_t>(stock - o.laidStockCount);
    for (int k = 0; k < o.laidStockCount; ++k)
        o.laidStock[k] = StockCard(t, o.unseenStock + k);
    o.opponentKnown = t.LaidCards - o.ownCards() - o.laidStockCards();
    o.opponentShown = ShownBy(t, Opponent(seat));
    return o;
}

} // namespace kolvar
