// Builds a letter's outline again from its elements, element for element, so
// that it is the very path the font gave.
#include "artwork/rank_outlines.h"

#include <string_view>

namespace kolvar::artwork {
namespace {

QPainterPath build(const LetterOutline& letter)
{
    QPainterPath path;
    path.setFillRule(letter.fillRule);
    const std::string_view kinds(letter.kinds);
    const auto point = [&letter](size_t i) {
        return QPointF(letter.points[2 * i], letter.points[2 * i + 1]);
    };
    for (size_t i = 0; i < kinds.size() && 2 * i + 1 < letter.points.size(); ++i) {
        if (kinds[i] == 'M') {
            path.moveTo(point(i));
        } else if (kinds[i] == 'L') {
            path.lineTo(point(i));
        } else if (kinds[i] == 'C' && 2 * i + 5 < letter.points.size()) {
            path.cubicTo(point(i), point(i + 1), point(i + 2));
            i += 2;
        }
    }
    return path;
}

} // namespace

QPainterPath rankLetterOutline(QChar letter)
{
    for (const LetterOutline& l : letterOutlines())
        if (QLatin1Char(l.letter) == letter)
            return build(l);
    return {};
}

} // namespace kolvar::artwork
