// Turns rank letters into outlines. The letters are taken one by one from the
// font at a large size and set side by side with a fixed small gap between
// their inks, ignoring the font's own spacing: the wide side bearings of the
// digit "1" would otherwise push "10" out of the card's corner.
#include "rank_glyphs.h"

#include <QFont>
#include <QFontDatabase>
#include <QTransform>

namespace kolvar::artwork {
namespace {

constexpr qreal kDesignSize = 200; // pixel size the outlines are taken at
constexpr qreal kInkGap = 0.05;    // gap between letters, in ems
constexpr qreal kCondense = 0.86;  // horizontal narrowing of every index

QFont indexFont()
{
    // The face is loaded from its file so that the same outlines are used
    // whatever fontconfig would pick for the family name.
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("DejaVu Serif") : families.first();
    }();
    QFont font(family);
    font.setPixelSize(static_cast<int>(kDesignSize));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QPainterPath letterPath(const QFont& font, QChar c)
{
    QPainterPath p;
    p.addText(0, 0, font, QString(c));
    return p;
}

} // namespace

QString rankText(int rank)
{
    switch (rank) {
    case kSheetAce:
        return QStringLiteral("A");
    case kSheetJack:
        return QStringLiteral("J");
    case kSheetQueen:
        return QStringLiteral("Q");
    case kSheetKing:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

QPainterPath rankPath(const QString& text, qreal centreX, qreal baselineY, qreal capHeight,
                      qreal maxWidth)
{
    const QFont font = indexFont();
    const qreal designCap = letterPath(font, QLatin1Char('H')).boundingRect().height();

    // Set the letters with their baseline at y = 0, inks kInkGap ems apart.
    QPainterPath line;
    qreal penX = 0;
    for (const QChar c : text) {
        const QPainterPath letter = letterPath(font, c);
        const QRectF ink = letter.boundingRect();
        line.addPath(letter.translated(penX - ink.left(), 0));
        penX += ink.width() + kInkGap * kDesignSize;
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

} // namespace kolvar::artwork
