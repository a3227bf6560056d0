// Draws the card back. The blue panel stands out strongly against the light
// orange table; its lattice runs at 45 degrees, so a repeated row only shifts
// a line by a pixel instead of thickening it, and the medallion in the middle
// holds a compass rose on a cream ground.
#include "artwork/card_back.h"

#include "artwork/palette.h"
#include "artwork/pixel_grid.h"
#include "game/table.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace kolvar::artwork {
namespace {

const QRect kPanel{4, 4, kBackWidth - 8, kBackHeight - 8};
constexpr qreal kLatticePitch = 8; // horizontal distance between parallel lines

void drawLattice(QPainter& p)
{
    const QRectF area = QRectF(kPanel).adjusted(2, 2, -2, -2);
    p.save();
    clipToDevice(p, devicePixels(p, area));
    const QPointF c = QRectF(kPanel).center();
    // Lines through points spaced kLatticePitch apart along the row through
    // the panel's centre, so the lattice is symmetric about the centre. Of
    // them, those that cross the area are drawn.
    p.setPen(QPen(kBackBlueLight, 1.1));
    const int lines = static_cast<int>((area.width() + area.height()) / 2 / kLatticePitch) + 1;
    // Each line only as long as the area it crosses (and a little beyond, so
    // that its ends lie outside the clip): a line's cost is its length.
    const QRectF span = area.adjusted(-2, -2, 2, 2);
    const auto segment = [&](qreal x, qreal down) {
        const qreal from =
            std::max(span.left() - x, (down > 0 ? span.top() - c.y() : c.y() - span.bottom()));
        const qreal to =
            std::min(span.right() - x, (down > 0 ? span.bottom() - c.y() : c.y() - span.top()));
        if (from < to)
            p.drawLine(QPointF(x + from, c.y() + down * from), QPointF(x + to, c.y() + down * to));
    };
    for (int i = -lines; i <= lines; ++i) {
        const qreal x = c.x() + i * kLatticePitch;
        segment(x, 1);
        segment(x, -1);
    }
    // A small light dot in the middle of every lattice diamond.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 212, 240));
    const qreal half = kLatticePitch / 2;
    for (int i = -12; i <= 12; ++i)
        for (int j = -12; j <= 12; ++j)
            if ((i + j) % 2 != 0)
                p.drawEllipse(QPointF(c.x() + i * half, c.y() + j * half), 0.9, 0.9);
    p.restore();
}

void drawMedallion(QPainter& p)
{
    const QPointF c = QRectF(kPanel).center();
    const qreal rx = 16, ry = 21;
    p.setPen(Qt::NoPen);
    p.setBrush(kBackBlue);
    p.drawEllipse(c, rx + 3, ry + 3);
    p.setBrush(kGold);
    p.drawEllipse(c, rx + 1.2, ry + 1.2);
    p.setBrush(kPanelCream);
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(kBackBlue, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx - 2.5, ry - 2.5);

    // A compass rose: four long red points on the axes, four short blue ones
    // between them, and a gold boss in the middle.
    const auto star = [&c](qreal outer, qreal inner, qreal startDeg, qreal squeeze) {
        QPainterPath s;
        for (int i = 0; i < 8; ++i) {
            const qreal a = (startDeg + i * 45) * 3.14159265358979 / 180;
            const qreal r = i % 2 == 0 ? outer : inner;
            const QPointF pt = c + QPointF(squeeze * r * std::sin(a), -r * std::cos(a));
            if (i == 0)
                s.moveTo(pt);
            else
                s.lineTo(pt);
        }
        s.closeSubpath();
        return s;
    };
    p.setPen(QPen(kGoldDark, 0.6));
    p.setBrush(kRoyalBlue);
    p.drawPath(star(11, 4.8, 45, 1));
    p.setBrush(kSuitRed);
    p.drawPath(star(16, 5.2, 0, 0.78));
    p.setPen(QPen(kGoldDark, 0.6));
    p.setBrush(kGold);
    p.drawEllipse(c, 3.4, 3.4);
}

// The back drawn over the whole image, the design's 70 x 96 mapped onto it,
// with a hairline border round the edge.
void paintBack(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    scaleDesignTo(p, QSizeF(kBackWidth, kBackHeight), image.size());
    fillDevice(p, image.rect(), kFaceWhite);
    fillHairline(p, image.rect(), kBorderGrey);
    p.fillRect(onPixels(p, kPanel), kBackBlue);
    drawLattice(p);
    drawMedallion(p);
}

} // namespace

QImage renderCardBack(qreal scale)
{
    QImage image(deviceLength(kBackWidth, scale), deviceLength(kBackHeight, scale),
                 QImage::Format_RGB32);
    paintBack(image);
    return image;
}

QImage renderTableBack(qreal scale)
{
    QImage image(cardSize(scale), QImage::Format_RGB32);
    if (scale == 1) {
        // As the game has always shown it: the 96 rows stretched to 100 by
        // repeating rows.
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(image.rect(), renderCardBack(1));
        return image;
    }
    paintBack(image);
    return image;
}

} // namespace kolvar::artwork
