// The floor for the redraw: the picture that CardRenderer::RedrawTable draws,
// written as bare QPainter calls. One painter in source mode fills the table
// and copies each visible card straight from the card sheet or the card
// back: no face buffer, no picture boxes, no repaint requests. Whatever the
// real redraw costs above this is the price of its structure.
#pragma once

#include "game/layout.h"
#include "game/table.h"

#include <QImage>

namespace kolvar::bench {

// `sheet` (13 x 4 faces) and `back` (one card) are the card art at the
// drawing scale `scale`, in the format of `target`; each card goes to the
// device pixel nearest to its table position times the scale.
void PaintTableFloor(QImage& target, const Table& t, const TableGeometry& g, const QImage& sheet,
                     const QImage& back, double scale);

} // namespace kolvar::bench
