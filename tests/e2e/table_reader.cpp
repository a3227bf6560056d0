// Recognising cards on screen by exact comparison with the card sheet.
#include "table_reader.h"

#include "view/card_rendering.h"
#include "view/table_colour.h"

#include <QColor>

namespace kolvar::e2e {
namespace {

const QColor kTableColour = QColor::fromRgb(kTableRgb);
constexpr int kButtonWidth = 39, kButtonHeight = 38;

// Pixel for pixel; QImage's own == also compares colour spaces, and a
// screenshot's differs from the sheet's.
bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xffffff)
                return false;
    return true;
}

} // namespace

TableReader::TableReader(const QString& assetsDir)
    : sheet_(QImage(assetsDir + "/cards.png").convertToFormat(QImage::Format_RGB32))
{
}

bool TableReader::locate(const QImage& screen)
{
    // The table starts under the menu bar, whose first row is not table colour.
    for (int y = 1; y < screen.height(); ++y) {
        if (QColor(screen.pixel(2, y)) == kTableColour) {
            top_ = y;
            const int w = screen.width(), h = screen.height() - y;
            layout_ = LayOutTable(w, h);
            buttons_ = PlaceSuitButtons(w, h, kButtonWidth, kButtonHeight);
            return true;
        }
    }
    return false;
}

QImage TableReader::region(const QImage& screen, QPoint at, QSize size) const
{
    return screen.copy(QRect(at + QPoint(0, top_), size));
}

std::optional<Face> TableReader::identify(const QImage& screen, QPoint at, QRect part) const
{
    const QImage seen = region(screen, at, part.size());
    for (int i = 0; i < kDeckSize; ++i) {
        const Face f = BuiltFace(i);
        const QPoint cell(kCardWidth * SheetColumn(f.Rank), kCardHeight * f.Suit);
        if (samePixels(sheet_.copy(QRect(cell + part.topLeft(), part.size())), seen))
            return f;
    }
    return std::nullopt;
}

SeenTable TableReader::read(const QImage& screen) const
{
    SeenTable seen;
    const QRect strip(0, 0, kCardWidth / 2, kCardHeight);
    for (int i = 0; i < kHandCapacity; ++i) {
        const SlotPos& s = layout_.HumanSlotPos[i];
        auto card = identify(screen, {s.X, s.Y}, strip);
        if (!card)
            break;
        seen.hand.push_back(*card);
    }
    seen.top = identify(screen, {layout_.TopCardX, layout_.TopCardY},
                        QRect(0, 0, kCardWidth, kCardHeight));
    seen.underTop = identify(screen, {layout_.PrevCardX + kCardWidth / 2, layout_.PrevCardY},
                             QRect(kCardWidth / 2, 0, kCardWidth / 2, kCardHeight));

    // Every card back on the table is the same picture as the stock's.
    const QImage stock = region(screen, {layout_.StockX, layout_.StockY}, strip.size());
    seen.stockShown = QColor(stock.pixel(10, 50)) != kTableColour;
    for (int j = 0; j < kHandCapacity; ++j) {
        const SlotPos& s = layout_.ComputerSlotPos[j];
        if (!samePixels(region(screen, {s.X, s.Y}, strip.size()), stock))
            break;
        ++seen.computerCards;
    }
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const QPoint bevel(buttons_.left + 10, buttons_.top[suit] + top_);
        if (QColor(screen.pixel(bevel)) == QColor(Qt::white))
            seen.raisedSuit = seen.raisedSuit < 0 ? suit : -2;
    }
    return seen;
}

QPoint TableReader::handCard(int slot) const
{
    const SlotPos& s = layout_.HumanSlotPos[slot];
    return {s.X + kCardWidth / 4, s.Y + top_ + kCardHeight / 2};
}

QPoint TableReader::stock() const
{
    return {layout_.StockX + kCardWidth / 2, layout_.StockY + top_ + kCardHeight / 2};
}

QPoint TableReader::suitButton(int suit) const
{
    return {buttons_.left + kButtonWidth / 2, buttons_.top[suit] + top_ + kButtonHeight / 2};
}

} // namespace kolvar::e2e
