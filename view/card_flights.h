// Which cards move when the table changes, worked out from the table before
// and the table after: a lay flies from its hand to the pile, a take from
// the stock to the hand one card after another, the deal from the stock to
// both hands in turn. Anything else (a suit named, a selection moved, a table
// set whole) shows at once. The move itself is already made: the flights
// only draw the change, and the cards drawn at rest under them are `under`,
// the table after with the flying cards not yet in place. Plain values, so
// the choice is tested without a window.
#pragma once

#include "game/table.h"

#include <vector>

namespace kolvar {

// A card's place on the table: a slot of a hand, the stock or the pile.
struct CardPlace {
    enum Kind { HumanSlot, ComputerSlot, Stock, Pile } kind = Stock;
    int slot = 0;
};

// How a card shows on its way.
enum class FlightFace {
    Up,         // the human's lay: face up all the way
    Down,       // a card the computer takes: a back all the way
    TurnsUp,    // a card the human takes: turned over on the way
    TurnsUpLate // the computer's lay: turned over as it reaches the pile
};

struct Flight {
    Face face;
    CardPlace from, to;
    FlightFace look = FlightFace::Up;
    int startMs = 0; // after the move
};

struct Motion {
    std::vector<Flight> flights; // in the order they start; later ones lie on top
    Table under;                 // what lies at rest when they start
};

// The flights that show the change from `before` to `after`; none when the
// change is not one move or the deal.
Motion MotionBetween(const Table& before, const Table& after);

// Whether the two tables show the same cards in the same places.
bool SameCardsShown(const Table& a, const Table& b);

// What the cards at rest gain when `flight` lands: its place in the hand, or
// the pile of `after`.
void Land(const Flight& flight, Table& under, const Table& after);

} // namespace kolvar
