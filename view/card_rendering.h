// Drawing the table from the Table. Every change of the table is shown by
// one full redraw: the human's hand face up from slot 0 upward, the card
// under the top card, the top card, the computer's hand face down and the
// stock. A face-up card is composed from the card art into a one-card
// buffer and copied from there onto the table; a face-down card is the card
// back. The table is drawn at the drawing scale s of its art: each card goes
// to the device pixel nearest to its table position times s, always one
// card's size at s large, and is copied pixel for pixel.
#pragma once

#include "game/table.h"
#include "human/table_keys.h"
#include "view/card_art.h"

#include <QColor>
#include <QImage>

namespace kolvar {

class PictureBox;

// The outline of the card the play keys act on: a strong blue that reads on
// the orange table and on a white card alike.
inline const QColor kSelectionOutline(20, 60, 200);

class CardRenderer {
public:
    // `table` is the main window's drawing surface, its image in device
    // pixels; `selection` is the card the play keys act on, outlined while
    // it is shown.
    CardRenderer(const Table& t, const HandSelection& selection, PictureBox& table, CardArt& art);

    // Puts the face of (rank, suit) into the buffer; a rank outside 1..14
    // leaves the buffer as it was.
    void ComposeCardFace(int16_t rank, int16_t suit);
    void DrawHumanCard(int16_t slot, int16_t rank, int16_t suit);
    // Selector 0 draws at the top card's place, 1 at the place of the card
    // under it; any other selector draws nothing.
    void DrawDiscardCard(int16_t selector, int16_t rank, int16_t suit);
    void RedrawTable();

    // Where a table position lands on the surface's image.
    QPoint onDevice(int x, int y) const;

private:
    void copyFaceTo(int x, int y);
    void drawCardBack(int x, int y);
    void drawSelection();

    const Table& t_;
    const HandSelection& selection_;
    PictureBox& table_;
    CardArt& art_;
    QImage face_; // the composition buffer for one face
};

} // namespace kolvar
