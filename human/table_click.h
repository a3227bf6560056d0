// The human's turn on the table. Taking from the stock takes the cards due;
// choosing a card of the hand lays it when the rules admit it; anything else
// does nothing, except that while no suit is named any choice but the stock
// brings the reminder to pick one. A mouse-down finds what it chose from
// where the table shows its cards; a key names its choice directly.
#pragma once

#include "game/host.h"
#include "game/layout.h"
#include "game/table.h"

namespace kolvar {

// A click on the stock.
void ClickStock(Table& t, Host& host);

// A click on card `index` of the hand; -1 is a click on the table where no
// card and no stock lies.
void ClickHandCard(Table& t, Host& host, int16_t index);

// A mouse-down on the table pixel (x, y). Every mouse button acts alike, so
// only the position is taken.
void ClickTable(Table& t, const TableGeometry& g, Host& host, int x, int y);

// The index in HumanHand of the card under the pixel, or -1: the card whose
// strip (layout.h) holds it, edges excluded.
int16_t HitTestHand(const Table& t, const TableGeometry& g, int x, int y);

} // namespace kolvar
