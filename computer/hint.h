// The player's hint: the play the expert would make in his seat, worked out
// from his own observation (what he may see, never the computer's cards). It
// makes no move.
#pragma once

#include "game/host.h"
#include "game/moves.h"
#include "game/table.h"

#include <optional>

namespace kolvar {

// The card to lay, or the take, when it is the player's turn in a game: at
// the opening, before he names a suit, the card to open with (its suit to be
// named first). None while the computer is to move, while his seven waits
// for its suit, or outside a game.
std::optional<Play> ExpertHint(const Table& t, Host& host);

} // namespace kolvar
