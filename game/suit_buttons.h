// The four suit buttons. Their raised-or-flat look is the record of whether a
// suit is named: one raised button shows CurrentSuit; all four flat means the
// human has still to name one, and meanwhile the computer waits. The look
// lives in the buttons themselves and is read and set through the Host. Both
// sides' moves and the new game show the suit on them; the human names one
// with a click.
#pragma once

#include "game/host.h"
#include "game/table.h"

namespace kolvar {

void FlattenSuitButtons(Host& host);

// Raises the button of CurrentSuit and flattens the others; a CurrentSuit
// outside 0..3 leaves all four flat.
void ShowCurrentSuit(const Table& t, Host& host);

// How many buttons are raised: 0 means no suit is named.
int RaisedSuitButtons(const Host& host);

// A click on the button of the given suit. While SuitPickOpen is set it
// toggles that button, flattens the others and, if it is now raised, names
// its suit; otherwise it does nothing.
void ClickSuitButton(Table& t, Host& host, int16_t suit);

} // namespace kolvar
