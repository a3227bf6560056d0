// A playing card of the 32-card deck, and the codes its fields hold.
//
// The deck, both hands and the ring all store this one record; moving a card
// between them copies Rank and Suit only, because Slot belongs to the place
// the card sits in, not to the card.
#pragma once

#include <cstdint>

namespace kolvar {

// Rank codes. 7..10 are the pip cards; the ace is 11 and the jack 12, so that
// the deck built in code order runs sevens, eights, ..., aces, jacks, ... kings.
enum Rank : int16_t {
    kSeven = 7,
    kEight = 8,
    kNine = 9,
    kTen = 10,
    kAce = 11,
    kJack = 12,
    kQueen = 13,
    kKing = 14,
};

// Suit codes; each is also the row of the card sheet and the index of its suit button.
enum Suit : int16_t {
    kDiamonds = 0,
    kSpades = 1,
    kHearts = 2,
    kClubs = 3,
};

inline constexpr int kSuitCount = 4;
inline constexpr int kLowestRank = kSeven;
inline constexpr int kHighestRank = kKing;

struct Card {
    int16_t Rank = 0;
    int16_t Suit = 0;
    // In HumanHand: the screen slot the card is drawn at, equal to its index.
    // In Deck: -1. In ComputerHand: unused.
    int16_t Slot = 0;

    bool sameFace(const Card& other) const { return Rank == other.Rank && Suit == other.Suit; }
};

// Copies what a card is, leaving the destination's Slot where it was.
inline void copyFace(Card& to, const Card& from)
{
    to.Rank = from.Rank;
    to.Suit = from.Suit;
}

} // namespace kolvar
