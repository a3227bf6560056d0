// Draws the icon. Up to 32 pixels the two cards stand upright and overlap,
// with borders on whole pixels, because a tilted 1-pixel border would blur;
// from 48 pixels up, and in the scalable icon, they fan out, tilted about a
// point below them, and carry an "A" in the corner and a soft shadow.
#include "icons.h"

#include "palette.h"
#include "rank_glyphs.h"
#include "suit_shapes.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace kolvar::artwork {
namespace {

// A card of the small icons, as the pixels it covers, with its border on
// whole pixels and its pip centred on `pip`.
void drawUprightCard(QPainter& p, const QRect& r, Suit suit, QPointF pip, qreal pipHeight)
{
    p.fillRect(r, kBorderGrey);
    p.fillRect(r.adjusted(1, 1, -1, -1), kFaceWhite);
    drawSuit(p, suit, pip, pipHeight);
}

// The small icons (up to 32 pixels): the heart card behind and to the left,
// its pip in the part the spade card in front leaves uncovered. The layout is
// made for 16 and 32 pixels and scaled to whole pixels for the sizes between.
QImage uprightIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (size <= 16) {
        drawUprightCard(p, QRect(0, 0, 9, 13), kHearts, QPointF(4, 5), 6);
        drawUprightCard(p, QRect(7, 3, 9, 13), kSpades, QPointF(11.5, 9.5), 7);
        return image;
    }
    const qreal k = size / 32.0;
    const auto px = [k](qreal v) { return qRound(v * k); };
    const QRect back(px(1), px(1), px(18), px(25));
    const QRect front(px(12), px(6), size - px(1) - px(12), px(25));
    drawUprightCard(p, back, kHearts, QPointF(6.5 * k, 10 * k), 8.5 * k);
    drawUprightCard(p, front, kSpades, QPointF(21.5 * k, 18.5 * k), 13 * k);
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

// The larger icons: both cards turn about a point below the icon, so they
// fan like a hand. Drawn in paths only, so it serves the scalable icon too.
void paintFannedIcon(QPainter& p, qreal s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal w = s * 0.52, h = s * 0.72;
    const QPointF pivot(s * 0.5, s * 1.15);
    const struct {
        Suit suit;
        qreal angle;
        qreal dx;
    } cards[] = {{kHearts, -13, -0.04}, {kSpades, 11, 0.04}};
    for (const auto& c : cards) {
        p.save();
        p.translate(pivot);
        p.rotate(c.angle);
        p.translate(c.dx * s, -(pivot.y() - s * 0.5));
        drawFannedCard(p, w, h, c.suit, s);
        p.restore();
    }
}

QImage fannedIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintFannedIcon(p, size);
    return image;
}

} // namespace

QImage renderIcon(int size)
{
    return size <= 32 ? uprightIcon(size) : fannedIcon(size);
}

QByteArray renderScalableIcon()
{
    constexpr int kViewBox = 256;
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(kViewBox, kViewBox));
    generator.setViewBox(QRect(0, 0, kViewBox, kViewBox));
    generator.setTitle(QStringLiteral("Kolvar"));
    generator.setDescription(QStringLiteral("Two fanned playing cards, a heart and a spade"));
    QPainter p(&generator);
    paintFannedIcon(p, kViewBox);
    p.end();
    // The generator gives the size in millimetres; an icon is sized in pixels.
    QString text = QString::fromUtf8(svg.data());
    text.replace(QRegularExpression(QStringLiteral(R"((width|height)="[0-9.]+mm")")),
                 QStringLiteral(R"(\1="%1")").arg(kViewBox));
    return text.toUtf8();
}

} // namespace kolvar::artwork
