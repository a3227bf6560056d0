// Outlines of the four suit symbols. Each is built in a box one unit high
// centred on the origin: the diamond as a rhombus with slightly hollow sides,
// the heart from two round lobes meeting in a point, the spade as an upturned
// heart standing on a flared stem, and the club as three balls on the same
// kind of stem.
#include "artwork/suit_shapes.h"

#include "artwork/palette.h"

#include <QPainter>
#include <QTransform>

namespace kolvar::artwork {
namespace {

QPainterPath diamondPath()
{
    // The sides bow inwards a little: each control point lies 12 % nearer
    // the centre than the midpoint of the straight side.
    const qreal w = 0.4;
    const qreal pull = 0.88;
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(pull * w / 2, pull * -0.25, w, 0);
    p.quadTo(pull * w / 2, pull * 0.25, 0, 0.5);
    p.quadTo(pull * -w / 2, pull * 0.25, -w, 0);
    p.quadTo(pull * -w / 2, pull * -0.25, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath heartPath()
{
    // From the cleft between the lobes, round the left lobe, down to the
    // point, and back up the mirror image.
    QPainterPath p;
    p.moveTo(0, -0.27);
    p.cubicTo(-0.02, -0.43, -0.11, -0.5, -0.235, -0.5);
    p.cubicTo(-0.39, -0.5, -0.485, -0.38, -0.485, -0.21);
    p.cubicTo(-0.485, 0.03, -0.25, 0.2, 0, 0.5);
    p.cubicTo(0.25, 0.2, 0.485, 0.03, 0.485, -0.21);
    p.cubicTo(0.485, -0.38, 0.39, -0.5, 0.235, -0.5);
    p.cubicTo(0.11, -0.5, 0.02, -0.43, 0, -0.27);
    p.closeSubpath();
    return p;
}

// The flared stem that spades and clubs stand on: narrow where it meets the
// symbol at `top`, widening in concave curves to a flat foot at y = 0.5.
QPainterPath stemPath(qreal top, qreal neck, qreal foot)
{
    QPainterPath p;
    p.moveTo(-neck, top);
    p.cubicTo(-neck, top + 0.16, -foot * 0.45, 0.47, -foot, 0.5);
    p.lineTo(foot, 0.5);
    p.cubicTo(foot * 0.45, 0.47, neck, top + 0.16, neck, top);
    p.closeSubpath();
    return p;
}

QPainterPath spadePath()
{
    // An upturned heart whose lobes end at y = 0.3, on a stem.
    QPainterPath body;
    body.moveTo(0, -0.5);
    body.cubicTo(-0.2, -0.25, -0.5, -0.12, -0.5, 0.1);
    body.cubicTo(-0.5, 0.23, -0.4, 0.31, -0.28, 0.31);
    body.cubicTo(-0.15, 0.31, -0.06, 0.25, -0.02, 0.16);
    body.lineTo(0.02, 0.16);
    body.cubicTo(0.06, 0.25, 0.15, 0.31, 0.28, 0.31);
    body.cubicTo(0.4, 0.31, 0.5, 0.23, 0.5, 0.1);
    body.cubicTo(0.5, -0.12, 0.2, -0.25, 0, -0.5);
    body.closeSubpath();
    return body.united(stemPath(0.14, 0.035, 0.2)).simplified();
}

QPainterPath clubPath()
{
    // Three balls of radius r joined by a filled centre, on a stem. The
    // pieces are merged one by one so the outline has no overlaps or holes.
    const qreal r = 0.225;
    const auto ball = [r](qreal x, qreal y) {
        QPainterPath b;
        b.addEllipse(QPointF(x, y), r, r);
        return b;
    };
    QPainterPath centre;
    centre.moveTo(0, -0.2);
    centre.lineTo(-0.17, 0.1);
    centre.lineTo(0.17, 0.1);
    centre.closeSubpath();
    return ball(0, -0.5 + r)
        .united(ball(-0.5 + r, 0.06))
        .united(ball(0.5 - r, 0.06))
        .united(centre)
        .united(stemPath(0.05, 0.04, 0.2))
        .simplified();
}

} // namespace

QPainterPath suitPath(Suit suit)
{
    // Built once per suit; the outlines never change.
    static const QPainterPath paths[] = {diamondPath(), spadePath(), heartPath(), clubPath()};
    return paths[suit];
}

bool isRed(Suit suit)
{
    return suit == kDiamonds || suit == kHearts;
}

QColor suitColour(Suit suit)
{
    return isRed(suit) ? kSuitRed : kSuitBlack;
}

void drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    if (upsideDown)
        t.rotate(180);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(t.map(suitPath(suit)));
    painter.restore();
}

} // namespace kolvar::artwork
