// One face of a Kolvar card and the sheet of all 52 faces the game cuts its
// cards from.
#pragma once

#include "suit_shapes.h"

#include <QImage>

class QPainter;

namespace kolvar::artwork {

// Draws the face of the card of `rank` (1 = ace ... 13 = king) and `suit`
// with its top-left corner at the painter's origin, kCardWidth x kCardHeight.
void drawCardFace(QPainter& painter, int rank, Suit suit);

// The 911 x 401 sheet: 13 columns (ace, 2 ... 10, jack, queen, king) by
// 4 rows (diamonds, spades, hearts, clubs) of 70 x 100 cells. The last pixel
// column and row lie outside every cell and are left neutral grey.
QImage renderCardSheet();

} // namespace kolvar::artwork
