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

// One element of an outline: a move (M), a line (L), or a curve given as
// its first control point (C) followed by its second one and its end (c, c).
struct OutlineElement {
    char type;
    double x;
    double y;
};

struct LetterOutline {
    char letter;
    Qt::FillRule fillRule;
    std::vector<OutlineElement> elements;
};

// The letters as written out (rank_letters.cpp).
const std::vector<LetterOutline>& letterOutlines();

// A letter's outline standing on the baseline y = 0 at the pen position
// x = 0, as the font sets it; empty for a letter not kept.
QPainterPath rankLetterOutline(QChar letter);

} // namespace kolvar::artwork
