// Where the monkey's clicks land: the table's cards, stock and suit buttons
// found on the screen from the window's client area alone, by the game's
// own layout at the zoom the window fits the table at (no screenshot, so
// after every resize the spots are where the game draws them), and the menu
// bar's titles, measured once per game from a few of the screen's pixels.
// Also the sign that a deal happened: both hands of five cards on screen.
#pragma once

#include "events.h"
#include "x_client.h"

#include "game/layout.h"

#include <optional>
#include <string>

namespace kolvar::monkey {

struct Point {
    int x = 0, y = 0;
};

// The menu bar of the table's window, relative to its client area.
struct MenuBar {
    int height = 0;
    int fileX = 0, helpX = 0; // the middle of each title
};

// Measures the menu bar of a window whose table shows (its first row of
// table colour under the menu bar); nothing while it does not.
std::optional<MenuBar> MeasureMenuBar(const XClient& x, const Box& client);

class TableSpots {
public:
    TableSpots(const Box& client, const MenuBar& menuBar);

    const Box& client() const { return client_; }
    const Box& table() const { return table_; }
    double zoom() const { return zoom_; }

    // A table position on the screen.
    Point onScreen(int x, int y) const;
    Point hand(int slot) const; // the left half of the slot: the card there shows it
    Point stock() const;
    Point suit(int suit) const;
    Point pile() const;
    // (x, y) in thousandths of the client area.
    Point anywhere(int x, int y) const;
    Point menuTitle(const std::string& menu) const;
    bool inMenuBar(Point p) const;

    // The cards each row shows: the slots whose own right half is not table
    // colour (a card's left half lies under the next card's).
    int humanCards(const XClient& x) const;
    int computerCards(const XClient& x) const;
    // A fingerprint of the human's row as the screen shows it.
    size_t humanRowPrint(const XClient& x) const;

private:
    int cardsIn(const XClient& x, const std::array<SlotPos, kHandCapacity>& row) const;

    Box client_;
    MenuBar menuBar_;
    Box table_;
    double zoom_ = 1;
    TableGeometry layout_;
    SuitButtonPlacement buttons_;
};

// A spot in another window of the game: a check box of the options window,
// the OK button of a message box, or (x, y) thousandths of the rules window.
Point InWindow(const Box& window, const Event& click);

} // namespace kolvar::monkey
