// Reads the game off a screenshot the way a player does: the cards of the
// hand by the strip of each that shows, the pile, the computer's card backs,
// the stock and the suit buttons. The table is found in the window's client
// area, wherever the window is: its first row of table colour under the menu
// bar, and the rest of the client area below it. From the table widget's
// size the reader works out the zoom, the table's own size and the drawing
// scale, lays the table out with the game's own formulas, and compares each
// card with the generator's art at that scale (at scale 1 the shipped card
// sheet).
#pragma once

#include "game/layout.h"
#include "game/table.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace kolvar::e2e {

struct SeenTable {
    std::vector<Face> hand;
    bool handWhole = false; // the hand's last card shows whole, to its right edge
    int computerCards = 0;
    std::optional<Face> top;
    std::optional<Face> underTop;
    int raisedSuit = -1; // -1: none raised, -2: more than one
    // Each suit button's box as the screen shows it, from its corner to the
    // table colour round it; empty when no button is at its place.
    std::array<QRect, kSuitCount> suitButtons{};
    bool stockShown = false;
};

// The zoom a window takes for a table widget `width` x `height` logical
// pixels large.
using ZoomRule = std::function<double(int width, int height)>;
// The table fitted to the widget: min(width / 1000, height / 650), kept
// within 0.5 and 4.
double FittedZoom(int width, int height);
// One zoom for every size, as KOLVAR_ZOOM sets it.
ZoomRule FixedZoom(double zoom);

// Table pixels onto the screen: a table position p lands on the device pixel
// round(p s), s = zoom x ratio, halves rounding up.
struct ReadScale {
    double zoom = 1;
    double ratio = 1; // device pixels per logical pixel of the window

    double s() const { return zoom * ratio; }
    int toDevice(int tablePosition) const;
    int toLogical(int tablePosition) const;
};

// The card sheet kolvar-artwork draws at a scale (made once per scale).
QImage GeneratedSheet(double scale);

class TableReader {
public:
    // `ratio`: the screen's device pixels per logical pixel (the Qt scale).
    explicit TableReader(const QString& assetsDir, double ratio = 1, ZoomRule zoom = FittedZoom);

    // Finds the table in a window whose client area covers `client` of the
    // screen; false when no table is there.
    bool locate(const QImage& screen, const QRect& client);
    // The same for a window that covers the screen from its top-left corner.
    bool locate(const QImage& screen) { return locate(screen, screen.rect()); }
    SeenTable read(const QImage& screen) const;

    const ReadScale& scale() const { return scale_; }
    QSize cardSize() const { return card_; }
    const TableGeometry& layout() const { return layout_; }
    // The table widget on screen, and the table's own size in table pixels.
    QRect table() const { return table_; }
    QSize tableSize() const { return tableSize_; }
    // A table position as a pixel of the screen.
    QPoint onScreen(int x, int y) const;

    QPoint handCard(int slot) const; // the middle of a card's visible strip
    QPoint stock() const;
    QPoint suitButton(int suit) const;

    // Where things lie on screen, whole.
    QRect handCardRect(int slot) const;
    QRect computerCardRect(int slot) const;
    QRect pileRect() const; // the top card and the one under it
    QRect stockRect() const;

private:
    std::optional<Face> identify(const QImage& screen, QPoint at, QRect part) const;
    QImage region(const QImage& screen, QPoint at, QSize size) const;
    int stripWidth(const std::array<SlotPos, kHandCapacity>& row, int i) const;
    void readHand(const QImage& screen, SeenTable& seen) const;
    void readSuitButtons(const QImage& screen, SeenTable& seen) const;
    QPoint buttonCorner(int suit) const;

    QString assets_;
    ZoomRule zoomRule_;
    QImage sheet_;
    ReadScale scale_;
    QSize card_;
    QRect table_;
    QSize tableSize_;
    TableGeometry layout_;
    SuitButtonPlacement buttons_;
};

} // namespace kolvar::e2e
