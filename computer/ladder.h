// The classic computer's ladder of preferences, as it has always played: a
// pure choice from the table, which the computer's turn then makes.
//
// Under a jack chain it answers with its first jack only when it holds more
// jacks than the human; otherwise it takes. In ordinary play it prefers, in
// this order: a jack of the suit to follow (again only with more jacks); a
// seven, when it holds nothing else of the suit to follow, naming the suit it
// holds most of; a card of the top card's rank that moves play to a suit it
// holds more of; the first card of the suit to follow that is not a seven.
// When none applies, it takes.
#pragma once

#include "game/moves.h"
#include "game/table.h"

namespace kolvar {

Play ChooseByLadder(const Table& t);

} // namespace kolvar
