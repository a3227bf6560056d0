// The human's turn: a mouse-down on the table. A click on the stock takes the
// cards due; a click on a card of the hand lays it when the rules admit it;
// anything else does nothing, except that while no suit is named a click off
// the stock brings the reminder to pick one.
#pragma once

#include "game/host.h"
#include "game/table.h"

namespace kolvar {

inline constexpr std::string_view kPickSuitText = "Selectati o culoare";
inline constexpr std::string_view kPickSuitTitle = "Kolvar";

// Every mouse button acts alike, so only the position is taken: client-area
// pixels as the window reports them.
void Form_MouseDown(Table& t, Host& host, float x, float y);

// The index in HumanHand of the card under the point, or -1. Each card but
// the last shows only the strip up to the next slot; all edges are exclusive.
int16_t HitTestHand(const Table& t, int16_t x, int16_t y);

} // namespace kolvar
