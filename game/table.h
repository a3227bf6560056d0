// The whole state of the card table: the deck ring, both hands, the last two
// cards laid, the suit to follow and whether it is named, whose turn it is
// and the draw counters.
// Where the table shows its cards is not game state: it lives beside the
// Table (layout.h). One Table is owned by the main window and handed by
// reference to the rules; it holds plain values only, so a test can build any
// state it likes (see notation.h) and check it (see invariants.h).
#pragma once

#include "game/card.h"
#include "game/card_set.h"
#include "game/computer_level.h"
#include "game/hand_notes.h"

#include <array>
#include <cstdint>

namespace kolvar {

inline constexpr int kHandCapacity = 21;
inline constexpr int kDealSize = 5;

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

    int16_t PlayedCount = 0; // cards laid in this game by both sides
    int16_t CurrentSuit = 0; // the suit the next card must follow
    // The suit button raised, which is the record of whether a suit is
    // named: -1 while none is (before the opening suit, after the human's
    // seven), and then the computer waits; else the suit to follow.
    int16_t RaisedSuit = -1;
    bool SuitPickOpen = false; // the suit buttons take clicks
    bool ComputerToMove = false;

    // Cards each side takes when it does not lay: 1 in ordinary play, 2k + 1
    // under a chain of k jacks, 0 for the side that is not to move.
    int16_t HumanDrawDue = 0;
    int16_t ComputerDrawDue = 0;

    // Every card laid in this game, as both players saw it laid. The ring
    // shows where the recent ones lie; one that it no longer shows, and that
    // a player does not hold, is in his opponent's hand.
    CardSet LaidCards;
    // What each side's moves have shown of its hand (human, computer).
    std::array<HandNotes, 2> Shown{};

    // Tick count of the move that last handed the computer the turn.
    int32_t LastMoveTick = 0;

    // How the computer plays this game: the options' level at its deal.
    ComputerLevel Level = ComputerLevel::Clasic;

    // Between a deal and the end of its game. Before the first deal and after
    // a game has ended, the table takes no clicks and the computer no turn.
    bool GameInProgress = false;

    bool suitNamed() const { return RaisedSuit >= 0; }
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
