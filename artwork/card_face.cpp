// Draws card faces: a white card with square corners and a 1-pixel dark
// border (square, because the cards overlap on the table and are copied
// without transparency), the corner index at the top left and turned round
// at the bottom right, and then the pips of a number card, the single large
// pip of an ace or the figure panel of a court card.
#include "card_face.h"

#include "card_layout.h"
#include "court_figure.h"
#include "palette.h"
#include "pip_layout.h"
#include "rank_glyphs.h"

#include <QPainter>

namespace kolvar::artwork {
namespace {

void drawBorder(QPainter& p)
{
    p.fillRect(QRect(0, 0, kCardWidth, kCardHeight), kFaceWhite);
    p.fillRect(QRect(0, 0, kCardWidth, 1), kBorderGrey);
    p.fillRect(QRect(0, kCardHeight - 1, kCardWidth, 1), kBorderGrey);
    p.fillRect(QRect(0, 0, 1, kCardHeight), kBorderGrey);
    p.fillRect(QRect(kCardWidth - 1, 0, 1, kCardHeight), kBorderGrey);
}

void drawIndex(QPainter& p, int rank, Suit suit)
{
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(rankPath(rankText(rank), kIndexCentreX, kIndexBaseline, kIndexCap, kIndexMaxWidth));
    drawSuit(p, suit, QPointF(kIndexCentreX, kIndexPipCentreY), kIndexPipHeight);
}

void drawAce(QPainter& p, Suit suit)
{
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    // The ace of spades traditionally carries a bigger pip than the others.
    drawSuit(p, suit, centre, suit == kSpades ? kAceOfSpadesHeight : kAcePipHeight);
}

} // namespace

void drawCardFace(QPainter& p, int rank, Suit suit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    drawBorder(p);

    if (rank >= kSheetJack)
        drawCourtPanel(p, rank, suit);
    else if (rank == kSheetAce)
        drawAce(p, suit);
    else
        for (const PipPlace& pip : pipPlaces(rank))
            drawSuit(p, suit, pip.centre, kPipHeight, pip.upsideDown);

    drawIndex(p, rank, suit);
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180);
    drawIndex(p, rank, suit);
    p.restore();
}

QImage renderCardSheet()
{
    QImage sheet(kSheetKing * kCardWidth + 1, kSuitCount * kCardHeight + 1, QImage::Format_RGB32);
    sheet.fill(kOutsideGrey);
    QPainter p(&sheet);
    for (int row = 0; row < kSuitCount; ++row) {
        for (int column = 0; column < kSheetKing; ++column) {
            p.save();
            p.translate(column * kCardWidth, row * kCardHeight);
            p.setClipRect(QRect(0, 0, kCardWidth, kCardHeight));
            drawCardFace(p, column + 1, static_cast<Suit>(row));
            p.restore();
        }
    }
    p.end();
    return sheet.convertToFormat(QImage::Format_RGB888);
}

} // namespace kolvar::artwork
