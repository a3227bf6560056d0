// Reads the game off a screenshot the way a player does: the cards of the
// hand by the strip of each that shows, the pile, the computer's card backs,
// and which suit button is raised. The table is found under the menu bar and
// read at the zoom the game takes for it and the screen's pixel ratio, its
// cards compared with the generator's art at that scale (at scale 1 the
// shipped card sheet).
#pragma once

#include "game/layout.h"
#include "game/table.h"
#include "view/table_zoom.h"

#include <QImage>
#include <QPoint>
#include <optional>
#include <vector>

namespace kolvar::e2e {

struct SeenTable {
    std::vector<Face> hand;
    int computerCards = 0;
    std::optional<Face> top;
    std::optional<Face> underTop;
    int raisedSuit = -1; // -1: none raised
    bool stockShown = false;
};

// The card sheet kolvar-artwork draws at a scale (made once per scale).
QImage GeneratedSheet(double scale);

class TableReader {
public:
    // `ratio`: the screen's device pixels per logical pixel (the Qt scale).
    explicit TableReader(const QString& assetsDir, double ratio = 1);

    // Finds the table under the menu bar; false when no table is on screen.
    bool locate(const QImage& screen);
    SeenTable read(const QImage& screen) const;

    const TableScale& scale() const { return scale_; }
    QSize cardSize() const { return card_; }
    const TableGeometry& layout() const { return layout_; }
    // A table position as a pixel of the screen.
    QPoint onScreen(int x, int y) const;

    QPoint handCard(int slot) const; // the middle of a card's visible strip
    QPoint stock() const;
    QPoint suitButton(int suit) const;

private:
    std::optional<Face> identify(const QImage& screen, QPoint at, QRect part) const;
    QImage region(const QImage& screen, QPoint at, QSize size) const;
    int stripWidth(const std::array<SlotPos, kHandCapacity>& row, int i) const;
    QPoint buttonCorner(int suit) const;

    QString assets_;
    QImage sheet_;
    TableScale scale_;
    QSize card_;
    int top_ = 0; // the table's first row on screen
    TableGeometry layout_;
    SuitButtonPlacement buttons_;
};

} // namespace kolvar::e2e
