// The human's turn from the keyboard, and the selection the keys move. A
// selection moves along the hand, and each play key stands for a click:
// laying is a click on the selected card, taking a click on the stock, a
// digit a click on a suit button. So a key goes the very same way through
// the rules as its click, with the same filters and the same reminder. The
// selection's outline shows from the first play key until the next mouse
// click on the table, and the selection stays on a card of the hand as the
// hand changes. Every rule of the selection is here; the window and the
// tests' driver call these.
#pragma once

#include "game/host.h"
#include "game/layout.h"
#include "game/moves.h"
#include "game/new_game.h"
#include "game/options.h"
#include "game/table.h"

#include <optional>

namespace kolvar {

// The card of the hand that the keys act on, and whether it is shown: from
// the first play key until the next mouse click on the table. A hint to take
// puts it on the stock instead, where Enter takes; a key that moves it
// brings it back to the hand.
struct HandSelection {
    int16_t index = 0;
    bool shown = false;
    bool onStock = false;
};

enum class TableKey {
    Previous, // Left
    Next,     // Right
    First,    // Home
    Last,     // End
    Lay,      // Enter, Space
    Take,     // Down, T
    Suit,     // 1..4: the suit buttons in their order on screen
    Hint,     // H: not pressed here; the window asks the expert (computer/hint.h)
              // and shows its answer with ShowHint
};

// Acts on one play key; `suit` is the suit button's suit for TableKey::Suit.
// Outside a game only a digit acts, as its suit button's click does; while
// the computer is to move the selection stays. A move redraws the table
// itself; the outline is the window's to draw, once the key is handled.
void PressTableKey(Table& t, Host& host, HandSelection& selection, TableKey key, int16_t suit = 0);

// The hint's play shown: the selection on its card, or on the stock for a
// take; no hint leaves it as it is. It moves nothing.
void ShowHint(HandSelection& selection, const std::optional<Play>& hint);

// The selection's card as the hand now stands: after a lay, the card that
// slid into its place (or the new last card); after a take, the same card.
int16_t SelectedInHand(const HandSelection& selection, const Table& t);

// Keeps the selection on that card once the hand has changed.
void KeepInHand(HandSelection& selection, const Table& t);

// A mouse-down on the table pixel (x, y): the mouse plays, so the outline
// hides; then the click.
void MouseDownOnTable(Table& t, const TableGeometry& g, Host& host, HandSelection& selection, int x,
                      int y);

// Joc Nou: a new deal, the selection on the first card of the new hand; the
// computer names its opening suit by `opening` (new_game.h).
void NewDeal(Table& t, const Options& options, Host& host, HandSelection& selection,
             OpeningSuitChoice opening = MostHeldSuit);

} // namespace kolvar
