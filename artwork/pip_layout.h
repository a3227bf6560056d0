// The traditional arrangement of pips on the number cards 2 to 10.
#pragma once

#include <QList>
#include <QPointF>

namespace kolvar::artwork {

struct PipPlace {
    QPointF centre;
    bool upsideDown; // pips below the card's middle are printed turned round
};

// The pips of a number card of the given rank (2..10); empty otherwise.
QList<PipPlace> pipPlaces(int rank);

} // namespace kolvar::artwork
