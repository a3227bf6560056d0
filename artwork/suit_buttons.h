// The four suit buttons the player clicks to name a suit.
#pragma once

#include "suit_shapes.h"

#include <QImage>

namespace kolvar::artwork {

inline constexpr int kButtonWidth = 35;
inline constexpr int kButtonHeight = 34;

// A 35 x 34 button face: the suit symbol, large and centred, on near-white.
QImage renderSuitButton(Suit suit);

} // namespace kolvar::artwork
