// The card art at the table's drawing scale s: the card sheet, the card
// back and the faces of the suit buttons, as the artwork library draws them
// for exactly s, so that the table shows them pixel for pixel. At s = 1 they
// are the pictures the game ships with, which are the library's pictures at
// 1; at any other s they are what `kolvar-artwork --scale s` writes.
//
// Nothing is drawn or decoded before it is needed: a face is drawn into its
// cell of the sheet the first time it is shown (at s = 1 the shipped sheet
// is decoded then), the back when it is first asked for (the window asks
// once its first frame is up); so the window comes up as fast at any scale.
#pragma once

#include "artwork/card_face.h"

#include <QImage>
#include <array>
#include <cstdint>

namespace kolvar {

// The face of a suit button at scale s, round(35 s) x round(34 s) device
// pixels: the shipped icon at 1.
QImage SuitButtonFace(int suit, double scale);

class CardArt {
public:
    explicit CardArt(double scale);

    double scale() const { return scale_; }
    // One card in device pixels (artwork::cardSize).
    QSize cardSize() const { return cardSize_; }

    // The sheet, and the place of the face of (rank, suit) in it: the cell
    // (column, suit), drawn by now. Ranks 1..14 as the game codes them; the
    // cell of a suit outside 0..3 lies outside the sheet.
    const QImage& sheet() const { return sheet_; }
    QPoint face(int16_t rank, int16_t suit);

    // The card back as the table shows it, one card large.
    const QImage& back();

private:
    double scale_;
    QSize cardSize_;
    QImage sheet_;                                         // Picture1, filled cell by cell
    std::array<bool, artwork::kSheetColumns * 4> drawn_{}; // the cells drawn so far
    QImage back_;                                          // Picture2, stretched to card size
};

} // namespace kolvar
