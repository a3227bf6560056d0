// The decorative back shown on face-down Kolvar cards.
#pragma once

#include <QImage>

namespace kolvar::artwork {

inline constexpr int kBackWidth = 70;
inline constexpr int kBackHeight = 96;

// The back at scale s: round(70 s) x round(96 s) pixels, a thin dark border,
// white margin, and a deep blue panel carrying a diagonal lattice and a
// central medallion. At scale 1 it is the 70 x 96 back the game ships with.
QImage renderCardBack(qreal scale);

// The back as the table shows it, card-sized (cardSize(scale)): the 96 rows
// of the design stretched to the card's 100. At scale 1 the 70 x 96 back is
// stretched by repeating rows (it has no thin horizontal stripes whose
// doubling would show); at any other scale the stretch is part of the
// drawing.
QImage renderTableBack(qreal scale);

} // namespace kolvar::artwork
