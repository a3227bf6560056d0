// Telling the move from the tables before and after it.
#include "view/card_flights.h"

#include "game/side.h"
#include "view/motion_timing.h"

#include <algorithm>

namespace kolvar {
namespace {

bool samePile(const Table& a, const Table& b)
{
    return a.PlayedCount == b.PlayedCount && a.topCard() == b.topCard() &&
           a.prevCard() == b.prevCard();
}

void copyPile(Table& into, const Table& from)
{
    into.PlayedCount = from.PlayedCount;
    into.setTopCard(from.topCard());
    into.setPrevCard(from.prevCard());
}

// The cards of the side's hand in `after` from `first` on, flying in from
// the stock one after another.
void takeFlights(Motion& m, const Table& after, Side side, int first, int startMs, int gapMs)
{
    const bool human = side == Side::Human;
    for (int i = first; i < HandCount(after, side); ++i)
        m.flights.push_back({HandCards(after, side)[i],
                             {CardPlace::Stock},
                             {human ? CardPlace::HumanSlot : CardPlace::ComputerSlot, i},
                             human ? FlightFace::TurnsUp : FlightFace::Down,
                             startMs + (i - first) * gapMs});
    HandCount(m.under, side) = static_cast<int16_t>(first);
}

bool sameCards(const Table& a, const Table& b, Side side, int count)
{
    return std::equal(HandCards(a, side).begin(), HandCards(a, side).begin() + count,
                      HandCards(b, side).begin(),
                      [](const Card& x, const Card& y) { return x.face() == y.face(); });
}

// The human's lay: his hand closed up over one gap, the card at the gap laid.
int humanLaid(const Table& before, const Table& after)
{
    if (after.HumanCount != before.HumanCount - 1)
        return -1;
    int gap = 0;
    while (gap < after.HumanCount && after.HumanHand[gap].face() == before.HumanHand[gap].face())
        ++gap;
    for (int i = gap; i < after.HumanCount; ++i)
        if (after.HumanHand[i].face() != before.HumanHand[i + 1].face())
            return -1;
    return before.HumanHand[gap].face() == after.topCard() ? gap : -1;
}

void layFlight(Motion& m, const Table& before, const Table& after)
{
    const int gap = humanLaid(before, after);
    if (gap >= 0 && after.ComputerCount == before.ComputerCount)
        m.flights.push_back({after.topCard(), {CardPlace::HumanSlot, gap}, {CardPlace::Pile}});
    // The computer's backs are alike: its card leaves from the end of its row.
    else if (after.ComputerCount == before.ComputerCount - 1 &&
             after.HumanCount == before.HumanCount)
        m.flights.push_back({after.topCard(),
                             {CardPlace::ComputerSlot, after.ComputerCount},
                             {CardPlace::Pile},
                             FlightFace::TurnsUpLate});
    else
        return;
    copyPile(m.under, before);
}

} // namespace

bool SameCardsShown(const Table& a, const Table& b)
{
    return samePile(a, b) && a.HumanCount == b.HumanCount && a.ComputerCount == b.ComputerCount &&
           sameCards(a, b, Side::Human, a.HumanCount);
}

Motion MotionBetween(const Table& before, const Table& after)
{
    Motion m{{}, after};
    if (before.HumanCount == 0 && before.ComputerCount == 0 && after.PlayedCount == 0) {
        // The deal: a card to the human, one to the computer, and so on.
        takeFlights(m, after, Side::Human, 0, 0, 2 * kDealStaggerMs);
        takeFlights(m, after, Side::Computer, 0, kDealStaggerMs, 2 * kDealStaggerMs);
        std::stable_sort(m.flights.begin(), m.flights.end(),
                         [](const Flight& a, const Flight& b) { return a.startMs < b.startMs; });
    } else if (after.PlayedCount == before.PlayedCount + 1) {
        layFlight(m, before, after);
    } else if (samePile(before, after)) {
        for (Side side : {Side::Human, Side::Computer}) {
            const int had = HandCount(before, side);
            const bool onlyThisSide =
                HandCount(after, Opponent(side)) == HandCount(before, Opponent(side));
            if (HandCount(after, side) > had && onlyThisSide && sameCards(before, after, side, had))
                takeFlights(m, after, side, had, 0, kTakeStaggerMs);
        }
    }
    return m;
}

void Land(const Flight& flight, Table& under, const Table& after)
{
    switch (flight.to.kind) {
    case CardPlace::HumanSlot:
        under.HumanCount =
            static_cast<int16_t>(std::max<int>(under.HumanCount, flight.to.slot + 1));
        break;
    case CardPlace::ComputerSlot:
        under.ComputerCount =
            static_cast<int16_t>(std::max<int>(under.ComputerCount, flight.to.slot + 1));
        break;
    case CardPlace::Pile:
        copyPile(under, after);
        break;
    case CardPlace::Stock:
        break;
    }
}

} // namespace kolvar
