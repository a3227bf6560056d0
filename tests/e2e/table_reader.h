// Reads the game off a screenshot the way a player does: the cards of the
// hand by the strip of each that shows, the pile, the computer's card backs,
// and which suit button is raised.
#pragma once

#include "game/layout.h"
#include "game/table.h"

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

class TableReader {
public:
    explicit TableReader(const QString& assetsDir);

    // Finds the table under the menu bar; false when no table is on screen.
    bool locate(const QImage& screen);
    SeenTable read(const QImage& screen) const;

    QPoint handCard(int slot) const; // the middle of a card's visible strip
    QPoint stock() const;
    QPoint suitButton(int suit) const;

private:
    std::optional<Face> identify(const QImage& screen, QPoint at, QRect part) const;
    QImage region(const QImage& screen, QPoint at, QSize size) const;

    QImage sheet_;
    int top_ = 0; // the table's first row on screen
    TableGeometry layout_;
    SuitButtonPlacement buttons_;
};

} // namespace kolvar::e2e
