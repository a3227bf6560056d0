// Sets rank letters as outlines. The letters are set side by side with a
// fixed small gap between their inks, ignoring the font's own spacing: the
// wide side bearings of the digit "1" would otherwise push "10" out of the
// card's corner.
#include "artwork/rank_glyphs.h"

#include "artwork/pixel_grid.h"
#include "artwork/rank_outlines.h"
#include "game/card.h"

#include <QTransform>

namespace kolvar::artwork {
namespace {

constexpr qreal kInkGap = 0.05;   // gap between letters, in ems
constexpr qreal kCondense = 0.86; // horizontal narrowing of every index

} // namespace

QString rankText(int rank)
{
    switch (rank) {
    case kAce:
        return QStringLiteral("A");
    case kJack:
        return QStringLiteral("J");
    case kQueen:
        return QStringLiteral("Q");
    case kKing:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

QPainterPath rankPath(const QString& text, qreal centreX, qreal baselineY, qreal capHeight,
                      qreal maxWidth)
{
    static const qreal designCap = rankLetterOutline(QLatin1Char('H')).boundingRect().height();

    // Set the letters with their baseline at y = 0, inks kInkGap ems apart.
    QPainterPath line;
    qreal penX = 0;
    for (const QChar c : text) {
        const QPainterPath letter = rankLetterOutline(c);
        const QRectF ink = letter.boundingRect();
        line.addPath(letter.translated(penX - ink.left(), 0));
        penX += ink.width() + kInkGap * kOutlinePixelSize;
    }
    const QRectF ink = line.boundingRect();

    const qreal sy = capHeight / designCap;
    qreal sx = sy * kCondense;
    if (ink.width() * sx > maxWidth)
        sx = maxWidth / ink.width();

    QTransform t;
    t.translate(centreX, baselineY);
    t.scale(sx, sy);
    t.translate(-ink.center().x(), 0);
    return t.map(line);
}

QPainterPath rankPathOnPixels(const QPainter& painter, const QString& text, qreal centreX,
                              qreal baselineY, qreal capHeight, qreal maxWidth)
{
    const qreal baseline = onPixelRow(painter, centreX, baselineY);
    const qreal capLine = onPixelRow(painter, centreX, baselineY - capHeight);
    return rankPath(text, centreX, baseline, baseline - capLine, maxWidth);
}

} // namespace kolvar::artwork
