// The four suit buttons. The one raised is the named suit (Table::RaisedSuit);
// all four flat means the human has still to name one, and meanwhile the
// computer waits. Both sides' moves and the new game show the suit on them;
// the human names one with a click. The window draws the buttons from the
// table, as it draws the cards.
#pragma once

#include "game/host.h"
#include "game/table.h"

namespace kolvar {

void FlattenSuitButtons(Table& t);

// Raises the button of CurrentSuit and flattens the others; a CurrentSuit
// outside 0..3 leaves all four flat.
void ShowCurrentSuit(Table& t);

// A click on the button of the given suit. While SuitPickOpen is set it
// toggles that button, flattens the others and, if it is now raised, names
// its suit; otherwise it does nothing.
void ClickSuitButton(Table& t, Host& host, int16_t suit);

} // namespace kolvar
