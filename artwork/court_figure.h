// The framed figure panel of Kolvar's jacks, queens and kings.
#pragma once

#include "artwork/suit_shapes.h"

class QPainter;

namespace kolvar::artwork {

// Draws the panel of a court card of the given rank (kJack, kQueen, kKing)
// onto a card whose top-left corner is the painter's origin: a framed cream
// panel holding a double-headed figure robed in the suit's colour, with the
// rank letter and a pip in the panel's corner.
void drawCourtPanel(QPainter& painter, int rank, Suit suit);

} // namespace kolvar::artwork
