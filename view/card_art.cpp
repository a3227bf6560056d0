// The card art, made on first use: the shipped pictures at scale 1, drawn by
// the artwork library at any other.
#include "view/card_art.h"

#include "artwork/card_back.h"
#include "artwork/card_face.h"
#include "artwork/pixel_grid.h"
#include "artwork/suit_faces.h"
#include "game/card.h"
#include "platform/blit.h"

namespace kolvar {
namespace {

const char* const kSuitIcons[kSuitCount] = {":/suit_diamonds.png", ":/suit_spades.png",
                                            ":/suit_hearts.png", ":/suit_clubs.png"};

bool shipped(double scale)
{
    return scale == 1;
}

} // namespace

CardArt::CardArt(double scale) : scale_(scale), cardSize_(artwork::cardSize(scale)) {}

QPoint CardArt::face(int16_t rank, int16_t suit)
{
    const int column = artwork::SheetColumn(rank);
    const QPoint cell(column * cardSize_.width(), suit * cardSize_.height());
    if (shipped(scale_)) {
        if (sheet_.isNull())
            sheet_ = QImage(":/cards.png").convertToFormat(QImage::Format_RGB32);
        return cell;
    }
    if (sheet_.isNull())
        sheet_ = artwork::emptySheet(scale_);
    if (suit < 0 || suit >= kSuitCount || column < 0 || column >= artwork::kSheetColumns)
        return cell;
    bool& drawn = drawn_[suit * artwork::kSheetColumns + column];
    if (!drawn)
        artwork::drawSheetCell(sheet_, rank, static_cast<Suit>(suit), scale_);
    drawn = true;
    return cell;
}

const QImage& CardArt::back()
{
    if (!back_.isNull())
        return back_;
    if (shipped(scale_)) {
        const QImage back = QImage(":/back.png").convertToFormat(QImage::Format_RGB32);
        back_ = QImage(cardSize_, QImage::Format_RGB32);
        StretchBlt(back_, 0, 0, cardSize_.width(), cardSize_.height(), back, 0, 0, back.width(),
                   back.height());
    } else {
        back_ = artwork::renderTableBack(scale_);
    }
    return back_;
}

QImage SuitButtonFace(int suit, double scale)
{
    if (shipped(scale))
        return QImage(kSuitIcons[suit]).convertToFormat(QImage::Format_RGB32);
    return artwork::renderSuitFace(static_cast<Suit>(suit), scale);
}

} // namespace kolvar
