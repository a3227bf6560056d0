// The table geometry, computed once when the main window loads, from the
// client area's size. Plain arithmetic, so it is tested without a window.
#pragma once

#include "game/table.h"

#include <array>

namespace kolvar {

// Suit buttons stand in a column 50 pixels in from the right edge, 25 pixels
// apart, diamonds at the top, the column centred 50 pixels above the middle.
struct SuitButtonPlacement {
    int left = 0;
    std::array<int, kSuitCount> top{};
};

SuitButtonPlacement PlaceSuitButtons(int clientWidth, int clientHeight, int buttonWidth,
                                     int buttonHeight);

// The hand slots, the two discard-pile places and the stock place. Each hand
// is a row of cards overlapping by half, its first sixteen slots centred on
// the table, the rest continuing the row to the right. The computer's row
// lies along the top, the human's along the bottom (its top 150 pixels above
// the bottom edge), and the pile and the stock halfway down between them.
TableGeometry LayOutTable(int clientWidth, int clientHeight);

} // namespace kolvar
