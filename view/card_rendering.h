// Drawing the table from what it shows (table_view.h): the human's hand face
// up from slot 0 upward, the selection's outline, the card under the top
// card, the top card, the computer's hand face down and the stock, in that
// order, each over the ones before. A face-up card is composed from the card
// art into a one-card buffer and copied from there onto the table; a
// face-down card is the card back. Each card goes to the device pixel where
// its table position lands (TableScale::toDevice), one card's size at the
// drawing scale large, and is copied pixel for pixel. The whole table is
// drawn after a change; a part of it, exactly as the whole would draw it
// there, where a flying card comes to rest. Flying cards are painted over
// the table's image, never into it.
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
#include <QRect>
#include <memory>
#include <optional>

class QPainter;

namespace kolvar {

class PictureBox;
struct FlyingCard;

// The outline of the card the play keys act on: a strong blue that reads on
// the orange table and on a white card alike.
inline const QColor kSelectionOutline(20, 60, 200);

class CardRenderer {
public:
    // `surface` is the table's drawing surface, its image in device pixels.
    CardRenderer(const TableView& view, PictureBox& surface);

    // The whole table drawn afresh into the surface's image, and shown.
    void drawWhole();
    // Draws the device pixels of `area` again, as drawWhole draws them.
    void redrawArea(const QRect& area);
    // Paints a card in flight with `p`, which paints device pixels with the
    // table image's first pixel at `origin`.
    void paintFlyingCard(QPainter& p, QPoint origin, const FlyingCard& card);

    // Whether the art is made for the table's drawing scale.
    bool artIsCrisp() const { return art_->scale() == view_.scale.s(); }
    // Makes the art for the table's drawing scale (nothing is drawn yet).
    void makeCrispArt();
    CardArt& art() { return *art_; }

private:
    // Puts the face of (rank, suit) into the buffer; a rank outside 1..14
    // leaves the buffer as it was.
    void ComposeCardFace(int16_t rank, int16_t suit);
    void DrawHumanCard(int16_t slot, int16_t rank, int16_t suit);
    enum class PilePlace { Top, Under };
    void DrawDiscardCard(PilePlace place, int16_t rank, int16_t suit);
    void drawCards();
    void copyCard(const QImage& card, int x, int y);
    void drawSelection();
    void drawRing(int left, int top, int right, int bottom, int width);

    const TableView& view_;
    PictureBox& surface_;
    std::unique_ptr<CardArt> art_;
    QImage face_;               // the composition buffer for one face
    QImage resized_;            // a card of art for another scale, at the card's size
    std::optional<QRect> clip_; // the device pixels being drawn, if not all
};

} // namespace kolvar
