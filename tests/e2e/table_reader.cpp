// Recognising cards on screen by exact comparison with the card sheet.
#include "table_reader.h"

#include "artwork/pixel_grid.h"
#include "view/card_art.h"
#include "view/card_rendering.h"
#include "view/table_surface.h"

#include <QColor>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>

namespace kolvar::e2e {
namespace {

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

bool isTable(const QImage& screen, QPoint at)
{
    return screen.rect().contains(at) && QColor(screen.pixel(at)) == kTableColour;
}

int nearest(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// The table's own whole pixels in `logical` pixels of the widget; the
// epsilon keeps an exact quotient whole when the zoom is not a binary fraction.
int tablePixels(int logical, double zoom)
{
    return static_cast<int>(std::floor(logical / zoom + 1e-9));
}

} // namespace

double FittedZoom(int width, int height)
{
    return std::clamp(std::min(width / 1000.0, height / 650.0), 0.5, 4.0);
}

ZoomRule FixedZoom(double zoom)
{
    return [zoom](int, int) { return zoom; };
}

int ReadScale::toDevice(int tablePosition) const
{
    return nearest(tablePosition * s());
}

int ReadScale::toLogical(int tablePosition) const
{
    return nearest(tablePosition * zoom);
}

QImage GeneratedSheet(double scale)
{
    static std::map<double, QImage> sheets;
    QImage& sheet = sheets[scale];
    if (sheet.isNull()) {
        QTemporaryDir dir;
        // Every digit of the scale, so the art is drawn for exactly this one.
        QProcess::execute(KOLVAR_ARTWORK, {"--scale", QString::number(scale, 'g', 17), dir.path()});
        sheet = QImage(dir.filePath("cards.png")).convertToFormat(QImage::Format_RGB32);
    }
    return sheet;
}

TableReader::TableReader(const QString& assetsDir, double ratio, ZoomRule zoom)
    : assets_(assetsDir), zoomRule_(std::move(zoom))
{
    scale_.ratio = ratio;
}

bool TableReader::locate(const QImage& screen, const QRect& client)
{
    // The table starts under the menu bar, whose first row is not table colour.
    const int x = client.left() + 2;
    const int first = std::max(client.top(), 0);
    const int last = std::min(client.bottom(), screen.height() - 1);
    int y = first;
    while (y <= last && !isTable(screen, {x, y}))
        ++y;
    if (y > last)
        return false;
    table_ = QRect(client.left(), y, client.width(), client.bottom() + 1 - y);
    const int w = std::lround(table_.width() / scale_.ratio);
    const int h = std::lround(table_.height() / scale_.ratio);
    scale_.zoom = zoomRule_(w, h);
    tableSize_ = QSize(tablePixels(w, scale_.zoom), tablePixels(h, scale_.zoom));
    layout_ = LayOutTable(tableSize_.width(), tableSize_.height());
    buttons_ = PlaceSuitButtons(tableSize_.width(), tableSize_.height(), kSuitButtonWidth,
                                kSuitButtonHeight);
    card_ = artwork::cardSize(scale_.s());
    sheet_ = scale_.s() == 1 ? QImage(assets_ + "/cards.png").convertToFormat(QImage::Format_RGB32)
                             : GeneratedSheet(scale_.s());
    return !sheet_.isNull();
}

QPoint TableReader::onScreen(int x, int y) const
{
    return table_.topLeft() + QPoint(scale_.toDevice(x), scale_.toDevice(y));
}

QImage TableReader::region(const QImage& screen, QPoint at, QSize size) const
{
    return screen.copy(QRect(at, size));
}

std::optional<Face> TableReader::identify(const QImage& screen, QPoint at, QRect part) const
{
    if (!screen.rect().contains(QRect(at + part.topLeft(), part.size())))
        return std::nullopt;
    const QImage seen = region(screen, at + part.topLeft(), part.size());
    for (int i = 0; i < kDeckSize; ++i) {
        const Face f = BuiltFace(i);
        const QPoint cell(card_.width() * artwork::SheetColumn(f.Rank), card_.height() * f.Suit);
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

// Each card by the strip of it that shows, then the last one whole.
void TableReader::readHand(const QImage& screen, SeenTable& seen) const
{
    const auto& hand = layout_.HumanSlotPos;
    for (int i = 0; i < kHandCapacity; ++i) {
        const int width = i + 1 < kHandCapacity ? stripWidth(hand, i) : card_.width() / 2;
        const QRect strip(0, 0, width, card_.height());
        auto card = identify(screen, onScreen(hand[i].X, hand[i].Y), strip);
        if (!card)
            break;
        seen.hand.push_back(*card);
    }
    if (!seen.hand.empty()) {
        const SlotPos& last = hand[seen.hand.size() - 1];
        seen.handWhole =
            identify(screen, onScreen(last.X, last.Y), QRect({0, 0}, card_)) == seen.hand.back();
    }
}

// A button's box runs from its corner to the table colour round it; its
// raised bevel shows a white top edge.
void TableReader::readSuitButtons(const QImage& screen, SeenTable& seen) const
{
    const int designed = scale_.toDevice(kSuitButtonWidth);
    for (int suit = 0; suit < kSuitCount; ++suit) {
        // Where a logical pixel is a fraction of device pixels (Qt scale
        // 1.25), the button's first device pixel may lie one off the corner
        // reckoned from the table's: the button starts where its pixels do,
        // at the one pixel near there with the table above it and left of it.
        QPoint corner = buttonCorner(suit);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p = buttonCorner(suit) + QPoint(dx, dy);
                if (!isTable(screen, p) && isTable(screen, p - QPoint(1, 0)) &&
                    isTable(screen, p - QPoint(0, 1)))
                    corner = p;
            }
        int w = 0, h = 0;
        while (w < 2 * designed && !isTable(screen, corner + QPoint(w, 0)) &&
               screen.rect().contains(corner + QPoint(w, 0)))
            ++w;
        while (h < 2 * designed && !isTable(screen, corner + QPoint(0, h)) &&
               screen.rect().contains(corner + QPoint(0, h)))
            ++h;
        // Anything smaller than most of a button is not one.
        if (w < designed * 3 / 4 || h < scale_.toDevice(kSuitButtonHeight) * 3 / 4)
            continue;
        seen.suitButtons[suit] = QRect(corner, QSize(w, h));
        if (QColor(screen.pixel(corner + QPoint(w / 2, 0))) == QColor(Qt::white))
            seen.raisedSuit = seen.raisedSuit < 0 ? suit : -2;
    }
}

SeenTable TableReader::read(const QImage& screen) const
{
    SeenTable seen;
    readHand(screen, seen);
    const TableGeometry& g = layout_;
    const QPoint top = onScreen(g.TopCardX, g.TopCardY);
    const QPoint under = onScreen(g.PrevCardX, g.PrevCardY);
    seen.top = identify(screen, top, QRect({0, 0}, card_));
    const int covered = top.x() + card_.width() - under.x();
    seen.underTop =
        identify(screen, under, QRect(covered, 0, card_.width() - covered, card_.height()));

    // Every card back on the table is the same picture as the stock's.
    const int strip = scale_.toDevice(kCardWidth / 2) - 1;
    const QPoint stockAt = onScreen(g.StockX, g.StockY);
    if (screen.rect().contains(QRect(stockAt, card_))) {
        const QImage stock = region(screen, stockAt, {strip, card_.height()});
        seen.stockShown =
            QColor(stock.pixel(card_.width() / 7, card_.height() / 2)) != kTableColour;
        for (int j = 0; j < kHandCapacity; ++j) {
            const SlotPos& s = g.ComputerSlotPos[j];
            if (!samePixels(region(screen, onScreen(s.X, s.Y), stock.size()), stock))
                break;
            ++seen.computerCards;
        }
    }
    readSuitButtons(screen, seen);
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

QRect TableReader::handCardRect(int slot) const
{
    const SlotPos& s = layout_.HumanSlotPos[slot];
    return QRect(onScreen(s.X, s.Y), card_);
}

QRect TableReader::computerCardRect(int slot) const
{
    const SlotPos& s = layout_.ComputerSlotPos[slot];
    return QRect(onScreen(s.X, s.Y), card_);
}

QRect TableReader::pileRect() const
{
    const TableGeometry& g = layout_;
    return QRect(onScreen(g.TopCardX, g.TopCardY), card_) |
           QRect(onScreen(g.PrevCardX, g.PrevCardY), card_);
}

QRect TableReader::stockRect() const
{
    return QRect(onScreen(layout_.StockX, layout_.StockY), card_);
}

// The buttons stand z times as far from the table's corner as the rules
// place them; the screen shows a logical pixel as `ratio` device pixels.
QPoint TableReader::buttonCorner(int suit) const
{
    const QPoint logical(scale_.toLogical(buttons_.left), scale_.toLogical(buttons_.top[suit]));
    return (QPointF(logical) * scale_.ratio).toPoint() + table_.topLeft();
}

QPoint TableReader::suitButton(int suit) const
{
    return buttonCorner(suit) +
           QPoint(scale_.toDevice(kSuitButtonWidth) / 2, scale_.toDevice(kSuitButtonHeight) / 2);
}

} // namespace kolvar::e2e
