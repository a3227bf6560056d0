// Draws the icon. At 16 and 32 pixels the two cards stand upright and
// overlap, with borders on whole pixels, because a tilted 1-pixel border would
// blur; at 256 pixels they fan out, tilted about a point below them, and carry
// an "A" in the corner and a soft shadow.
#include "icons.h"

#include "palette.h"
#include "rank_glyphs.h"
#include "suit_shapes.h"

#include <QPainter>
#include <QPainterPath>

namespace artwork
{
namespace
{

// A card of the small icons, as the pixels it covers, with its border on
// whole pixels and its pip centred on `pip`.
void drawUprightCard(QPainter& p, const QRect& r, Suit suit, QPointF pip, qreal pipHeight)
{
    p.fillRect(r, kBorderGrey);
    p.fillRect(r.adjusted(1, 1, -1, -1), kFaceWhite);
    drawSuit(p, suit, pip, pipHeight);
}

// The 16 and 32 pixel icons: the heart card behind and to the left, its pip
// in the part the spade card in front leaves uncovered.
QImage uprightIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (size <= 16) {
        drawUprightCard(p, QRect(0, 0, 9, 13), Suit::Hearts, QPointF(4, 5), 6);
        drawUprightCard(p, QRect(7, 3, 9, 13), Suit::Spades, QPointF(11.5, 9.5), 7);
    } else {
        drawUprightCard(p, QRect(1, 1, 18, 25), Suit::Hearts, QPointF(6.5, 10), 8.5);
        drawUprightCard(p, QRect(12, 6, 19, 25), Suit::Spades, QPointF(21.5, 18.5), 13);
    }
    return image;
}

// One tilted card of the larger icons, drawn in a coordinate system where the
// card spans (-w/2, -h/2) .. (w/2, h/2).
void drawFannedCard(QPainter& p, qreal w, qreal h, Suit suit, qreal size)
{
    const QRectF r(-w / 2, -h / 2, w, h);
    const qreal radius = w * 0.09;
    const qreal border = size >= 64 ? size / 90 : 1;
    if (size >= 64) {
        // A soft shadow under the card, a few steps of faint dark.
        for (int i = 3; i >= 1; --i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 22));
            p.drawRoundedRect(r.translated(size * 0.006 * i, size * 0.01 * i), radius, radius);
        }
    }
    p.setPen(QPen(kBorderGrey, border));
    p.setBrush(kFaceWhite);
    p.drawRoundedRect(r.adjusted(border / 2, border / 2, -border / 2, -border / 2), radius, radius);
    drawSuit(p, suit, QPointF(0, size >= 64 ? h * 0.06 : 0), w * 0.62);
    if (size >= 64) {
        p.setPen(Qt::NoPen);
        p.setBrush(suitColour(suit));
        const qreal cap = h * 0.16;
        const QPointF corner(-w / 2 + w * 0.17, -h / 2 + h * 0.06 + cap);
        p.drawPath(rankPath(QStringLiteral("A"), corner.x(), corner.y(), cap, w * 0.3));
    }
}

QImage fannedIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = size;
    const qreal w = s * 0.52, h = s * 0.72;
    // Both cards turn about a point below the icon, so they fan like a hand.
    const QPointF pivot(s * 0.5, s * 1.15);
    const struct {
        Suit suit;
        qreal angle;
        qreal dx;
    } cards[] = {{Suit::Hearts, -13, -0.04}, {Suit::Spades, 11, 0.04}};
    for (const auto& c : cards) {
        p.save();
        p.translate(pivot);
        p.rotate(c.angle);
        p.translate(c.dx * s, -(pivot.y() - s * 0.5));
        drawFannedCard(p, w, h, c.suit, s);
        p.restore();
    }
    return image;
}

} // namespace

QImage renderIcon(int size)
{
    return size <= 32 ? uprightIcon(size) : fannedIcon(size);
}

} // namespace artwork
