// A playing card of the 32-card deck, and the codes its fields hold.
//
// What a card is, its rank and suit, is its Face; where it lies is not. The
// deck, both hands and the ring all store Cards, and moving a card between
// them copies its face only, because Slot belongs to the place the card sits
// in, not to the card.
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
inline constexpr int kDeckSize = 32;

// Every card on the table, face up or down, occupies this rectangle of
// table pixels.
inline constexpr int kCardWidth = 70;
inline constexpr int kCardHeight = 100;

// A card's rank and suit, compared, copied and swapped whole.
struct Face {
    int16_t Rank = 0;
    int16_t Suit = 0;

    bool operator==(const Face&) const = default;
};

// Card i (0..31) of the deck built in code order: the four sevens (diamonds,
// spades, hearts, clubs), then the eights, and so on up to the kings.
constexpr Face BuiltFace(int i)
{
    return {static_cast<int16_t>(i / kSuitCount + kLowestRank),
            static_cast<int16_t>(i % kSuitCount)};
}

// Whether a face is one of the 32 cards of the deck.
constexpr bool InDeck(Face f)
{
    return f.Rank >= kLowestRank && f.Rank <= kHighestRank && f.Suit >= 0 && f.Suit < kSuitCount;
}

// The place of a card of the deck in built order: BuiltFace(BuiltIndex(f)) == f.
constexpr int BuiltIndex(Face f)
{
    return (f.Rank - kLowestRank) * kSuitCount + f.Suit;
}

struct Card : Face {
    // In HumanHand: the screen slot the card is drawn at, equal to its index.
    // In Deck: -1. In ComputerHand: unused.
    int16_t Slot = 0;

    Face& face() { return *this; }
    const Face& face() const { return *this; }
};

} // namespace kolvar
