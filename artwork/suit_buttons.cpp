// Draws a suit button: a near-white face with a soft grey edge and the same
// suit outline as on the cards, filling the button but for a small margin.
#include "suit_buttons.h"

#include "palette.h"

#include <QPainter>

namespace kolvar::artwork {

QImage renderSuitButton(Suit suit)
{
    QImage image(kButtonWidth, kButtonHeight, QImage::Format_RGB32);
    image.fill(kButtonWhite);
    QPainter p(&image);
    const QColor edge(168, 168, 168);
    p.fillRect(QRect(0, 0, kButtonWidth, 1), edge);
    p.fillRect(QRect(0, kButtonHeight - 1, kButtonWidth, 1), edge);
    p.fillRect(QRect(0, 0, 1, kButtonHeight), edge);
    p.fillRect(QRect(kButtonWidth - 1, 0, 1, kButtonHeight), edge);
    drawSuit(p, suit, QPointF(kButtonWidth / 2.0, kButtonHeight / 2.0), 26);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace kolvar::artwork
