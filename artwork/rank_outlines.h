// The letters of the rank indexes as outlines: the DejaVu Serif Bold letters
// taken at 200 pixels by `kolvar-artwork --rank-outlines` and kept in
// rank_letters.cpp, so that the cards are drawn the same everywhere, and
// without a font.
#pragma once

#include <QChar>
#include <QPainterPath>
#include <vector>

namespace kolvar::artwork {

// The pixel size the outlines were taken at.
inline constexpr qreal kOutlinePixelSize = 200;

// The letters kept: those of the ranks, and "H", whose height is the
// capitals' height.
inline constexpr char kOutlineLetters[] = "0123456789AHJKQ";

// A letter's outline as the elements of its path: their kinds, one letter
// each, a move (M), a line (L), or a curve given as its first control point
// (C) followed by its second one and its end (c, c); and their points, x and
// y in turn.
struct LetterOutline {
    char letter;
    Qt::FillRule fillRule;
    const char* kinds;
    std::vector<double> points;
};

// The letters as written out (rank_letters.cpp).
const std::vector<LetterOutline>& letterOutlines();

// A letter's outline standing on the baseline y = 0 at the pen position
// x = 0, as the font sets it; empty for a letter not kept.
QPainterPath rankLetterOutline(QChar letter);

} // namespace kolvar::artwork
