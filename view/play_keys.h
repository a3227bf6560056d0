// The keyboard's play keys and the table keys they press: Left, Right, Home
// and End move the selection along the hand; Enter or Space lays the
// selected card; Down or T takes from the stock; 1, 2, 3 and 4 press the
// suit buttons in their order on screen (diamonds, spades, hearts, clubs);
// H asks for a hint.
#pragma once

#include "human/table_keys.h"

#include <optional>

class QKeyEvent;

namespace kolvar {

struct PlayKey {
    TableKey key;
    int16_t suit = 0; // for TableKey::Suit
};

// The play key of a key press, or none: the key with a Ctrl, Alt or Meta
// modifier is no play key (it may be a shortcut).
std::optional<PlayKey> PlayKeyFor(const QKeyEvent& event);

} // namespace kolvar
