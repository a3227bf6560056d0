// Draws a suit button: a near-white face with a soft grey edge and the same
// suit outline as on the cards, filling the button but for a small margin.
#include "artwork/suit_faces.h"

#include "artwork/palette.h"
#include "artwork/pixel_grid.h"

#include <QPainter>

namespace kolvar::artwork {

QImage renderSuitFace(Suit suit, qreal scale)
{
    QImage image(deviceLength(kSuitFaceWidth, scale), deviceLength(kSuitFaceHeight, scale),
                 QImage::Format_RGB32);
    image.fill(kButtonWhite);
    QPainter p(&image);
    fillHairline(p, image.rect(), QColor(168, 168, 168));
    scaleDesignTo(p, QSizeF(kSuitFaceWidth, kSuitFaceHeight), image.size());
    drawSuit(p, suit, QPointF(kSuitFaceWidth / 2.0, kSuitFaceHeight / 2.0), 26);
    return image;
}

} // namespace kolvar::artwork
