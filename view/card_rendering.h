// Drawing the table from what it shows (table_view.h). Every change of the
// table is shown by one full redraw: the human's hand face up from slot 0
// upward, the card under the top card, the top card, the computer's hand
// face down and the stock. A face-up card is composed from the card art into
// a one-card buffer and copied from there onto the table; a face-down card
// is the card back. Each card goes to the device pixel where its table
// position lands (TableScale::toDevice), one card's size at the drawing
// scale large, and is copied pixel for pixel.
//
// The renderer owns the card art. When the drawing scale changes, the art
// made for the old scale stands in, stretched to the new card size, until
// the window asks for art made for the new one (the art takes longer to make
// than a frame lasts, while a window is dragged to a new size).
#pragma once

#include "view/card_art.h"
#include "view/table_view.h"

#include <QColor>
#include <QImage>
#include <memory>

namespace kolvar {

class PictureBox;

// The outline of the card the play keys act on: a strong blue that reads on
// the orange table and on a white card alike.
inline const QColor kSelectionOutline(20, 60, 200);

class CardRenderer {
public:
    // `surface` is the table's drawing surface, its image in device pixels.
    CardRenderer(const TableView& view, PictureBox& surface);

    // Puts the face of (rank, suit) into the buffer; a rank outside 1..14
    // leaves the buffer as it was.
    void ComposeCardFace(int16_t rank, int16_t suit);
    void DrawHumanCard(int16_t slot, int16_t rank, int16_t suit);
    // Selector 0 draws at the top card's place, 1 at the place of the card
    // under it; any other selector draws nothing.
    void DrawDiscardCard(int16_t selector, int16_t rank, int16_t suit);
    void RedrawTable();

    // Whether the art is made for the table's drawing scale.
    bool artIsCrisp() const { return art_->scale() == view_.scale.s(); }
    // Makes the art for the table's drawing scale (nothing is drawn yet).
    void makeCrispArt();
    CardArt& art() { return *art_; }

private:
    void copyCard(const QImage& card, int x, int y);
    void drawSelection();

    const TableView& view_;
    PictureBox& surface_;
    std::unique_ptr<CardArt> art_;
    QImage face_; // the composition buffer for one face
};

} // namespace kolvar
