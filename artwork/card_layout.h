// Where things sit on a Kolvar card face, in pixels of the 70 x 100 card.
// On the table the cards of a row overlap so that only their left 35-pixel
// strip shows, so the top-left index (rank and pip) is kept inside that strip
// and is made large; the same index turned half round sits at the bottom right.
// Every position is symmetric about the card's centre (35, 50).
#pragma once

#include "game/table.h"

#include <QRect>

namespace kolvar::artwork {

// The corner index: rank letters `kIndexCap` tall on the baseline, a suit
// pip below them, both centred on kIndexCentreX.
inline constexpr qreal kIndexCentreX = 9.5;
inline constexpr qreal kIndexBaseline = 17;
inline constexpr qreal kIndexCap = 13;
inline constexpr qreal kIndexMaxWidth = 14;
inline constexpr qreal kIndexPipCentreY = 25.5;
inline constexpr qreal kIndexPipHeight = 10;

// The pips of the number cards: three columns and the rows between the top
// and bottom pip centres.
inline constexpr qreal kPipHeight = 12.5;
inline constexpr qreal kPipLeft = 24;
inline constexpr qreal kPipCentre = 35;
inline constexpr qreal kPipRight = 46;
inline constexpr qreal kPipTop = 16;
inline constexpr qreal kPipBottom = 84;

// The single pip of an ace; the ace of spades carries a bigger one.
inline constexpr qreal kAcePipHeight = 32;
inline constexpr qreal kAceOfSpadesHeight = 42;

// The frame of a court card's figure panel, as the pixels its 1-pixel line
// covers; it starts just right of the corner index.
inline constexpr QRect kCourtFrame{17, 4, 36, 92};

} // namespace kolvar::artwork
