// The whole state of the card table: the deck ring, both hands, the last two
// cards laid, the suit to follow, whose turn it is and the draw counters;
// beside them, in a struct of their own, the places where the table shows
// its cards. One Table is owned by the main window and handed by reference
// to the rules; it holds plain values only, so a test can build any state it
// likes (see notation.h) and check it (see invariants.h).
#pragma once

#include "game/card.h"

#include <array>
#include <cstdint>

namespace kolvar {

inline constexpr int kHandCapacity = 21;
inline constexpr int kDealSize = 5;

// Every card on the table, face up or down, occupies this rectangle.
inline constexpr int kCardWidth = 70;
inline constexpr int kCardHeight = 100;

// The top-left corner of a card position in client-area pixels; Z is kept
// for the layout's shape and read by nothing.
struct SlotPos {
    int16_t X = 0;
    int16_t Y = 0;
    int16_t Z = 0;
};

// Where the table shows each card, laid out once when the window loads
// (layout.h) and read by the drawing and by the hit test of a click.
struct TableGeometry {
    std::array<SlotPos, kHandCapacity> HumanSlotPos{};
    std::array<SlotPos, kHandCapacity> ComputerSlotPos{};
    int16_t TopCardX = 0;
    int16_t TopCardY = 0;
    int16_t PrevCardX = 0;
    int16_t PrevCardY = 0;
    int16_t StockX = 0;
    int16_t StockY = 0;
};

struct Table {
    // The ring: 32 entries serving as stock and discard pile at once. Cards are
    // drawn at DrawPos and laid cards written at DiscardPos; both wrap 31 -> 0.
    std::array<Card, kDeckSize> Deck{};
    int16_t DrawPos = 0;
    int16_t DiscardPos = 0;

    // Held cards are entries 0 .. count - 1; entries above are stale.
    std::array<Card, kHandCapacity> HumanHand{};
    std::array<Card, kHandCapacity> ComputerHand{};
    int16_t HumanCount = 0;
    int16_t ComputerCount = 0;

    // The card on top of the discard pile and the one under it. TopSuit is the
    // card's own suit, also for a seven; the suit to follow is CurrentSuit.
    int16_t TopRank = 0;
    int16_t TopSuit = 0;
    int16_t PrevRank = 0;
    int16_t PrevSuit = 0;

    int16_t PlayedCount = 0;   // cards laid in this game by both sides
    int16_t CurrentSuit = 0;   // the suit the next card must follow
    bool SuitPickOpen = false; // the suit buttons take clicks
    bool ComputerToMove = false;

    // Cards each side takes when it does not lay: 1 in ordinary play, 2k + 1
    // under a chain of k jacks, 0 for the side that is not to move.
    int16_t HumanDrawDue = 0;
    int16_t ComputerDrawDue = 0;

    // Tick count of the move that last handed the computer the turn.
    int32_t LastMoveTick = 0;

    // Between a deal and the end of its game. Before the first deal and after
    // a game has ended, the table takes no clicks and the computer no turn.
    bool GameInProgress = false;

    // Set while a move (a click or a computer turn) is handled, so that no
    // move starts inside it: a message box opened by the move runs its own
    // event loop, and a timer tick that arrives there must not move (see
    // move_guard.h).
    bool NestedMovesBlocked = false;

    TableGeometry Geometry;

    Face topCard() const { return {TopRank, TopSuit}; }
    Face prevCard() const { return {PrevRank, PrevSuit}; }
    void setTopCard(Face f)
    {
        TopRank = f.Rank;
        TopSuit = f.Suit;
    }
    void setPrevCard(Face f)
    {
        PrevRank = f.Rank;
        PrevSuit = f.Suit;
    }
};

} // namespace kolvar
