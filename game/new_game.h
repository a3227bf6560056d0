// Starting up and dealing a new game.
#pragma once

#include "game/host.h"
#include "game/options.h"
#include "game/table.h"

namespace kolvar {

// The game's part of loading the main window: the suit buttons flat, the
// deck built in order, the timer off and both options on. No cards are dealt
// until the first new game.
void PrepareTable(Table& t, Options& options, Host& host);

// The 32 cards in code order: the four sevens (diamonds, spades, hearts,
// clubs), then the eights, and so on up to the kings. Slot is left alone.
void BuildDeck(Table& t);

// 101 passes, each exchanging entry 0 with entry floor(r * 32) for a fresh
// random r; a pass that picks entry 0 changes nothing.
void ShuffleDeck(Table& t, Host& host);

// The human gets ring entries 0..4, the computer 5..9; the stock is the rest.
void DealHands(Table& t, Host& host);

// How the computer names the suit it opens with, from the dealt table.
using OpeningSuitChoice = int16_t (*)(const Table& t, Host& host);

// The classic computer's opening suit: the suit it holds most of (BestSuit).
int16_t MostHeldSuit(const Table& t, Host& host);

// "Joc Nou": a fresh deal, at any time, also in the middle of a game, played
// at the options' level. When the computer opens, it names its suit by
// `opening` (the computer's own, computer/computer_turn.h, in the game) and
// is to move.
void DealNewGame(Table& t, const Options& options, Host& host,
                 OpeningSuitChoice opening = MostHeldSuit);

} // namespace kolvar
