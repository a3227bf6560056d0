// Recognising cards on screen by exact comparison with the card sheet.
#include "table_reader.h"

#include "artwork/pixel_grid.h"
#include "view/card_rendering.h"
#include "view/table_colour.h"

#include <QColor>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <map>

namespace kolvar::e2e {
namespace {

const QColor kTableColour = QColor::fromRgb(kTableRgb);
constexpr int kButtonWidth = 39, kButtonHeight = 38;

// Pixel for pixel; QImage's own == also compares colour spaces, and a
// screenshot's differs from the sheet's. Pixels of `seen` in the colour
// `unseen` are not compared: the selection's outline lies over the edges of
// the selected card, and the card is still read by the rest of its strip.
bool samePixels(const QImage& expected, const QImage& seen, std::optional<QRgb> unseen = {})
{
    if (expected.size() != seen.size())
        return false;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            const QRgb on = seen.pixel(x, y);
            const bool differs = ((expected.pixel(x, y) ^ on) & 0xffffff) != 0;
            const bool hidden = unseen && ((on ^ *unseen) & 0xffffff) == 0;
            if (differs && !hidden)
                return false;
        }
    return true;
}

} // namespace

QImage GeneratedSheet(double scale)
{
    static std::map<double, QImage> sheets;
    QImage& sheet = sheets[scale];
    if (sheet.isNull()) {
        QTemporaryDir dir;
        QProcess::execute(KOLVAR_ARTWORK, {"--scale", QString::number(scale), dir.path()});
        sheet = QImage(dir.filePath("cards.png")).convertToFormat(QImage::Format_RGB32);
    }
    return sheet;
}

TableReader::TableReader(const QString& assetsDir, double ratio) : assets_(assetsDir)
{
    scale_.ratio = ratio;
}

bool TableReader::locate(const QImage& screen)
{
    // The table starts under the menu bar, whose first row is not table colour.
    for (int y = 1; y < screen.height(); ++y) {
        if (QColor(screen.pixel(2, y)) == kTableColour) {
            top_ = y;
            const int w = std::lround(screen.width() / scale_.ratio);
            const int h = std::lround((screen.height() - y) / scale_.ratio);
            scale_.zoom = ChooseZoom(w, h);
            const int tw = TablePixels(w, scale_.zoom), th = TablePixels(h, scale_.zoom);
            layout_ = LayOutTable(tw, th);
            buttons_ = PlaceSuitButtons(tw, th, kButtonWidth, kButtonHeight);
            card_ = artwork::cardSize(scale_.s());
            sheet_ = scale_.s() == 1
                         ? QImage(assets_ + "/cards.png").convertToFormat(QImage::Format_RGB32)
                         : GeneratedSheet(scale_.s());
            return !sheet_.isNull();
        }
    }
    return false;
}

QPoint TableReader::onScreen(int x, int y) const
{
    return {scale_.toDevice(x), scale_.toDevice(y) + top_};
}

QImage TableReader::region(const QImage& screen, QPoint at, QSize size) const
{
    return screen.copy(QRect(at, size));
}

std::optional<Face> TableReader::identify(const QImage& screen, QPoint at, QRect part) const
{
    const QImage seen = region(screen, at + part.topLeft(), part.size());
    for (int i = 0; i < kDeckSize; ++i) {
        const Face f = BuiltFace(i);
        const QPoint cell(card_.width() * SheetColumn(f.Rank), card_.height() * f.Suit);
        const QImage expected = sheet_.copy(QRect(cell + part.topLeft(), part.size()));
        if (samePixels(expected, seen, kSelectionOutline.rgb()))
            return f;
    }
    return std::nullopt;
}

// The device columns of card i of a row that show: up to the next card.
int TableReader::stripWidth(const std::array<SlotPos, kHandCapacity>& row, int i) const
{
    return scale_.toDevice(row[i + 1].X) - scale_.toDevice(row[i].X);
}

SeenTable TableReader::read(const QImage& screen) const
{
    SeenTable seen;
    const auto& hand = layout_.HumanSlotPos;
    for (int i = 0; i < kHandCapacity; ++i) {
        const int width = i + 1 < kHandCapacity ? stripWidth(hand, i) : card_.width() / 2;
        const QRect strip(0, 0, width, card_.height());
        auto card = identify(screen, onScreen(hand[i].X, hand[i].Y), strip);
        if (!card)
            break;
        seen.hand.push_back(*card);
    }
    const TableGeometry& g = layout_;
    const QPoint top = onScreen(g.TopCardX, g.TopCardY);
    const QPoint under = onScreen(g.PrevCardX, g.PrevCardY);
    seen.top = identify(screen, top, QRect({0, 0}, card_));
    const int covered = top.x() + card_.width() - under.x();
    seen.underTop =
        identify(screen, under, QRect(covered, 0, card_.width() - covered, card_.height()));

    // Every card back on the table is the same picture as the stock's.
    const int strip = scale_.toDevice(kCardWidth / 2) - 1;
    const QImage stock = region(screen, onScreen(g.StockX, g.StockY), {strip, card_.height()});
    seen.stockShown = QColor(stock.pixel(card_.width() / 7, card_.height() / 2)) != kTableColour;
    for (int j = 0; j < kHandCapacity; ++j) {
        const SlotPos& s = g.ComputerSlotPos[j];
        if (!samePixels(region(screen, onScreen(s.X, s.Y), stock.size()), stock))
            break;
        ++seen.computerCards;
    }
    for (int suit = 0; suit < kSuitCount; ++suit) {
        // The raised bevel's light top edge.
        const QPoint bevel = buttonCorner(suit) + QPoint(scale_.toDevice(kButtonWidth) / 2, 0);
        if (QColor(screen.pixel(bevel)) == QColor(Qt::white))
            seen.raisedSuit = seen.raisedSuit < 0 ? suit : -2;
    }
    return seen;
}

QPoint TableReader::handCard(int slot) const
{
    const SlotPos& s = layout_.HumanSlotPos[slot];
    return onScreen(s.X, s.Y) + QPoint(scale_.toDevice(kCardWidth / 4), card_.height() / 2);
}

QPoint TableReader::stock() const
{
    return onScreen(layout_.StockX, layout_.StockY) + QPoint(card_.width() / 2, card_.height() / 2);
}

// The buttons stand z times as far from the table's corner as the rules
// place them; the screen shows a logical pixel as `ratio` device pixels.
QPoint TableReader::buttonCorner(int suit) const
{
    const QPoint logical(scale_.toLogical(buttons_.left), scale_.toLogical(buttons_.top[suit]));
    return (QPointF(logical) * scale_.ratio).toPoint() + QPoint(0, top_);
}

QPoint TableReader::suitButton(int suit) const
{
    return buttonCorner(suit) +
           QPoint(scale_.toDevice(kButtonWidth) / 2, scale_.toDevice(kButtonHeight) / 2);
}

} // namespace kolvar::e2e
