// The faces of the four suit buttons the player clicks to name a suit.
#pragma once

#include "artwork/suit_shapes.h"

#include <QImage>

namespace kolvar::artwork {

inline constexpr int kSuitFaceWidth = 35;
inline constexpr int kSuitFaceHeight = 34;

// A button face at scale s, round(35 s) x round(34 s) pixels: the suit
// symbol, large and centred, on near-white, within a hairline grey edge. At
// scale 1 it is the 35 x 34 face the game ships with.
QImage renderSuitFace(Suit suit, qreal scale);

} // namespace kolvar::artwork
