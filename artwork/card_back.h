// The decorative back shown on face-down Kolvar cards.
#pragma once

#include <QImage>

namespace kolvar::artwork {

inline constexpr int kBackWidth = 70;
inline constexpr int kBackHeight = 96;

// A 70 x 96 back: thin dark border, white margin, and a deep blue panel
// carrying a diagonal lattice and a central medallion. The game stretches it
// to 70 x 100 by repeating rows, so it has no thin horizontal stripes whose
// doubling would show.
QImage renderCardBack();

} // namespace kolvar::artwork
