// Builds a letter's outline again from its elements, element for element, so
// that it is the very path the font gave.
#include "artwork/rank_outlines.h"

namespace kolvar::artwork {
namespace {

QPainterPath build(const LetterOutline& letter)
{
    QPainterPath path;
    path.setFillRule(letter.fillRule);
    const std::vector<OutlineElement>& e = letter.elements;
    for (size_t i = 0; i < e.size(); ++i) {
        const QPointF at(e[i].x, e[i].y);
        if (e[i].type == 'M') {
            path.moveTo(at);
        } else if (e[i].type == 'L') {
            path.lineTo(at);
        } else if (e[i].type == 'C' && i + 2 < e.size()) {
            path.cubicTo(at, QPointF(e[i + 1].x, e[i + 1].y), QPointF(e[i + 2].x, e[i + 2].y));
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
