// Drawing the art at any scale. Every picture is designed in the table's own
// pixels (a card is 70 x 100) and drawn for a scale s of device pixels per
// table pixel, by a painter that maps the design onto the device pixels.
// Shapes scale freely; what must stay sharp (the one-pixel border of a card,
// the frame of a court panel, the flat feet and tops of the rank letters) is
// put on whole device pixels with the functions here. At s = 1 each of them
// leaves the design as it is, so the art comes out as it always has.
#pragma once

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;

namespace kolvar::artwork {

// The whole pixel nearest to v, half-way values going up (right and down):
// how every table position and length lands on device pixels.
int nearestPixel(qreal v);

// A design length in whole device pixels at scale s: round(length * s).
int deviceLength(int length, qreal scale);

// One card at scale s: ceil(70 s) x ceil(100 s) device pixels. A card is
// drawn from the device pixel where its table position lands; at this size
// it covers every device pixel of its 70 x 100 table pixels wherever it
// lies (their span is round((x + 70) s) - round(x s), never more), so every
// pixel that a click finds the card by shows the card. What it covers
// beyond them is its outline's, on which a click finds nothing.
QSize cardSize(qreal scale);

// Maps a picture designed `design` table pixels large onto the `device`
// pixels at the painter's origin. Each axis is scaled on its own, so the
// design's edges fall on the picture's edges.
void scaleDesignTo(QPainter& p, QSizeF design, QSize device);

// The device pixels a rectangle of the painter's units covers, its edges
// moved to the nearest pixel edges.
QRect devicePixels(const QPainter& p, const QRectF& r);
// A rectangle of device pixels, in the painter's units.
QRectF fromDevice(const QPainter& p, const QRect& device);
// A rectangle of the painter's units with its edges moved onto pixel edges.
QRectF onPixels(const QPainter& p, const QRectF& r);
// The y of the painter's units nearest to `y` (at `x`) that lies on an edge
// between two rows of device pixels.
qreal onPixelRow(const QPainter& p, qreal x, qreal y);

// Fills a rectangle of device pixels, whatever the painter's units.
void fillDevice(QPainter& p, const QRect& device, const QColor& colour);
// Fills the ring one device pixel wide just inside a rectangle of device
// pixels: a hairline border that stays one pixel at every scale.
void fillHairline(QPainter& p, const QRect& device, const QColor& colour);
// Clips the painter to a rectangle of device pixels.
void clipToDevice(QPainter& p, const QRect& device);

} // namespace kolvar::artwork
