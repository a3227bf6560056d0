// One face of a Kolvar card and the sheet of all 52 faces the game cuts its
// cards from, at any scale.
#pragma once

#include "artwork/suit_shapes.h"

#include <QImage>

class QPainter;

namespace kolvar::artwork {

// Draws the face of the card of `rank` and `suit` with its top-left corner at
// the painter's origin, in the card's own units (70 x 100); the painter maps
// them onto device pixels (see pixel_grid.h). Ranks are the game's codes
// (game/card.h): 7 ... 10, kAce, kJack, kQueen, kKing, and 2 ... 6 for the
// pip cards the deck leaves out but the sheet still shows.
void drawCardFace(QPainter& painter, int rank, Suit suit);

// The sheet: 13 columns (ace, 2 ... 10, jack, queen, king) by 4 rows
// (diamonds, spades, hearts, clubs) of faces, cell (c, r) at (c w, r h) for
// a card of w x h = cardSize(scale). One more pixel column and row lie
// outside every cell and are left neutral grey. At scale 1 it is the
// 911 x 401 sheet the game ships with.
inline constexpr int kSheetColumns = 13;
// The column of a rank; rank 1 is the ace's column too.
int SheetColumn(int rank);
// The rank a column shows.
int SheetRank(int column);
QSize sheetSize(qreal scale);
QImage renderCardSheet(qreal scale);

// The sheet's image before any cell is drawn into it: only the pixel column
// and row outside every cell are drawn (the cells' memory is left untouched
// until a cell is drawn).
QImage emptySheet(qreal scale);

// Draws one cell of the sheet into `sheet`, an image of sheetSize(scale),
// leaving the rest of it alone: the face of the card of `rank` and `suit`
// in its column. A face drawn so is the sheet's cell to the last pixel (a
// face drawn elsewhere may differ in a few pixels' last bit), so the game
// draws its faces this way too.
void drawSheetCell(QImage& sheet, int rank, Suit suit, qreal scale);

} // namespace kolvar::artwork
