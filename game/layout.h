// The table geometry: where each hand slot, the discard pile, the stock and
// the suit buttons lie on a table of a given size, in the table's own pixels,
// and which part of each card of the hand shows. The window lays the table
// out again whenever its client area changes; the game's state never depends
// on it. Plain arithmetic, so it is tested without a window.
#pragma once

#include "game/table.h"

#include <array>
#include <cstdint>

namespace kolvar {

// The top-left corner of a card position in table pixels; Z is kept for the
// layout's shape and read by nothing.
struct SlotPos {
    int16_t X = 0;
    int16_t Y = 0;
    int16_t Z = 0;
};

// Where the table shows each card, read by the drawing, by the hit test of a
// click and by the accessible table.
struct TableGeometry {
    std::array<SlotPos, kHandCapacity> HumanSlotPos{};
    std::array<SlotPos, kHandCapacity> ComputerSlotPos{};
    int16_t TopCardX = 0;
    int16_t TopCardY = 0;
    int16_t PrevCardX = 0;
    int16_t PrevCardY = 0;
    int16_t StockX = 0;
    int16_t StockY = 0;
};

// A rectangle of the table: its left and top edges and its size.
struct TableRect {
    int x = 0, y = 0, width = 0, height = 0;

    // Whether the pixel lies inside, on none of the four edges: a click on a
    // card's outline hits nothing.
    bool strictlyContains(int px, int py) const
    {
        return x < px && px < x + width && y < py && py < y + height;
    }
    bool operator==(const TableRect&) const = default;
};

// The part of card `index` of a hand of `count` cards that shows: from its
// slot to the next one, where the next card covers it; the last card whole.
TableRect HandStrip(const TableGeometry& g, int count, int index);

// The stock, one card large.
TableRect StockRect(const TableGeometry& g);

// Suit buttons stand in a column 50 pixels in from the right edge, 25 pixels
// apart, diamonds at the top, the column centred 50 pixels above the middle.
struct SuitButtonPlacement {
    int left = 0;
    std::array<int, kSuitCount> top{};
};

SuitButtonPlacement PlaceSuitButtons(int tableWidth, int tableHeight, int buttonWidth,
                                     int buttonHeight);

// The hand slots, the two discard-pile places and the stock place. Each hand
// is a row of cards overlapping by half, its first sixteen slots centred on
// the table, the rest continuing the row to the right. The computer's row
// lies along the top, the human's along the bottom (its top 150 pixels above
// the bottom edge), and the pile and the stock halfway down between them.
TableGeometry LayOutTable(int tableWidth, int tableHeight);

} // namespace kolvar
