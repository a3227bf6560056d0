// The four suit symbols of Kolvar's deck as vector outlines. Every place that
// shows a suit (the pips on the card faces, the corner indexes, the court
// panels, the suit buttons and the program icon) draws it through these
// functions, so a heart is the same heart everywhere. The suits are the
// game's suit codes, which are also the rows of the card sheet.
#pragma once

#include "game/card.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace kolvar::artwork {

// The outline of a suit symbol whose height is 1, centred on the origin,
// pointing the usual way up (y grows downwards, as on screen).
QPainterPath suitPath(Suit suit);

// Red for diamonds and hearts, black for spades and clubs.
QColor suitColour(Suit suit);
bool isRed(Suit suit);

// Fills one suit symbol of the given height centred on `centre`, turned by
// 180 degrees when `upsideDown` (as the pips on the lower half of a card are).
void drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown = false);

} // namespace kolvar::artwork
