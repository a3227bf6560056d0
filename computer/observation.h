// What one seat at the table may know, and nothing more: the expert's only
// input. Built from the Table in one place, Observe(), for either seat, so
// that the computer decides from what it could see across a real table and
// the player's hint from what the player sees.
//
// A seat sees its own hand; the top card, the card under it and the suit
// named; both draw counters; how many cards the opponent and the stock hold.
// It has seen every card laid and where it went in the ring, so it knows the
// stock's laid part, which comes round last in the order it was laid; the
// cards before it are the deal's, in an order nobody knows. A laid card that
// is neither in its hand nor in the stock any more, the opponent took.
// Everything else (the rest of the opponent's hand, the unseen stock) is
// one pool of cards it cannot tell apart.
#pragma once

#include "game/card_set.h"
#include "game/hand_notes.h"
#include "game/side.h"
#include "game/table.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kolvar {

struct Observation {
    Side seat = Side::Computer;
    bool toMove = false; // the seat is to move

    std::array<Face, kHandCapacity> hand{}; // in the order a play's index counts
    int16_t handCount = 0;

    Face top, prev;
    int16_t played = 0;      // cards laid this game, as Table::PlayedCount
    int16_t currentSuit = 0; // the suit to follow
    bool suitNamed = false;  // a suit button is raised
    int16_t ownDue = 0;
    int16_t opponentDue = 0;

    int16_t opponentCount = 0;
    CardSet opponentKnown;   // the opponent's cards this seat saw him take
    HandNotes opponentShown; // what his moves showed of his hand

    // The stock in draw order: `unseenStock` cards of the deal, then the
    // laid part, known card by card.
    int16_t unseenStock = 0;
    std::array<Face, kDeckSize> laidStock{};
    int16_t laidStockCount = 0;

    int stockCount() const { return unseenStock + laidStockCount; }
    CardSet ownCards() const { return CardSet::of(hand, handCount); }
    CardSet laidStockCards() const { return CardSet::of(laidStock, laidStockCount); }
    // The cards this seat cannot place: each is in the opponent's hand or
    // in the unseen stock.
    CardSet unseen() const
    {
        return CardSet::wholeDeck() - ownCards() - laidStockCards() - opponentKnown;
    }

    bool operator==(const Observation&) const = default;
};

// An observation as one line, and read back (tests write them so):
//
//   seat=computer to-move=yes hand=7d,Ks top=Kd prev=9d played=5 suit=h
//   named=yes due=1/0 opponent=6 opponent-known=Jc opponent-shown=8h,9h/3
//   unseen=14 laid-stock=9h,Td
//
// `due` is the seat's own counter, then the opponent's; `unseen` the stock's
// cards of the deal, `laid-stock` its laid part in draw order. Cards and
// notes as card_text.h writes them; fields left out keep their defaults.
std::string FormatObservation(const Observation& o);
bool ParseObservation(std::string_view line, Observation& into, std::string& error);

// What `seat` may know of the table. The only function that reads a Table for
// the expert; it reads the opponent's hand and the stock's deal part for
// nothing but their sizes.
Observation Observe(const Table& t, Side seat);

} // namespace kolvar
