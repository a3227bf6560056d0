// Drawing the table from the Table. Every change of the table is shown by
// one full redraw: the human's hand face up from slot 0 upward, the card
// under the top card, the top card, the computer's hand face down and the
// stock. A face-up card is composed from the card sheet into a one-card
// buffer and copied from there onto the table; a face-down card is the card
// back stretched to card size.
#pragma once

#include "game/table.h"

#include <QImage>

namespace kolvar {

class PictureBox;

// The pictures the drawing works with.
struct TablePictures {
    PictureBox& table; // the main window's drawing surface
    PictureBox& sheet; // Picture1: 13 x 4 card faces
    PictureBox& back;  // Picture2: the card back, 70 x 96
    PictureBox& face;  // Picture3: the composition buffer for one face
};

class CardRenderer {
public:
    CardRenderer(const Table& t, TablePictures pictures) : t_(t), pic_(pictures) {}

    // Puts the face of (rank, suit) into the buffer; a rank outside 1..14
    // leaves the buffer as it was.
    void ComposeCardFace(int16_t rank, int16_t suit);
    void DrawHumanCard(int16_t slot, int16_t rank, int16_t suit);
    // Selector 0 draws at the top card's place, 1 at the place of the card
    // under it; any other selector draws nothing.
    void DrawDiscardCard(int16_t selector, int16_t rank, int16_t suit);
    void RedrawTable();

private:
    void copyFaceTo(int x, int y);
    void drawCardBack(int x, int y);

    const Table& t_;
    TablePictures pic_;
    // The card back stretched to card size, made once per back picture: every
    // face-down card is then a plain copy of it.
    QImage stretchedBack_;
    qint64 stretchedFrom_ = 0;
};

// The sheet column of a rank: the ace first, then 2 .. 10, jack, queen, king.
int SheetColumn(int16_t rank);

} // namespace kolvar
