// The rank letters of Kolvar's cards (A, 2 ... 10, J, Q, K) as filled
// outlines, drawn from the DejaVu Serif Bold letters kept in
// rank_outlines.h, sized to an exact cap height so their flat tops and
// baselines fall on pixel edges and stay sharp.
#pragma once

#include <QPainterPath>
#include <QString>

class QPainter;

namespace kolvar::artwork {

// The letters of a rank, by the game's rank codes (game/card.h): "A",
// "2" ... "10", "J", "Q", "K".
QString rankText(int rank);

// The outline of `text` whose capital letters are `capHeight` tall, standing
// on the baseline `baselineY` and centred on `centreX`. The letters are
// narrowed a little, as on printed card indexes, and squeezed further if
// needed so the ink is at most `maxWidth` wide ("10" is the one that needs it).
QPainterPath rankPath(const QString& text, qreal centreX, qreal baselineY, qreal capHeight,
                      qreal maxWidth);

// rankPath for drawing with `painter`: the baseline and the line of the
// capitals' tops moved to the nearest edges between its rows of device
// pixels, so that the letters stand sharp at every scale.
QPainterPath rankPathOnPixels(const QPainter& painter, const QString& text, qreal centreX,
                              qreal baselineY, qreal capHeight, qreal maxWidth);

} // namespace kolvar::artwork
