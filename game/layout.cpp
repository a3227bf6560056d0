// Table geometry: where each hand slot, the discard pile, the stock and the
// suit buttons lie on a table of a given size, and the strip of each card of
// the hand that shows.
#include "game/layout.h"

namespace kolvar {
namespace {

// The human's row stays along the bottom: its top lies this far above the
// table's bottom edge (500 on the designed 650-pixel table).
constexpr int kHumanRowFromBottom = 150;
constexpr int kComputerRowY = 50;
constexpr int kSlotStep = kCardWidth / 2; // neighbours overlap by half a card
constexpr int kCentredSlots = 16;         // the row's span of 560 pixels is centred
constexpr int kButtonsFromRight = 50;
constexpr int kButtonGap = 25;

// Whole-pixel positions round down, also left of the window's edge.
constexpr int floorHalf(int v)
{
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

} // namespace

SuitButtonPlacement PlaceSuitButtons(int tableWidth, int tableHeight, int buttonWidth,
                                     int buttonHeight)
{
    SuitButtonPlacement p;
    p.left = tableWidth - kButtonsFromRight - buttonWidth;
    p.top[0] = floorHalf(tableHeight - kSuitCount * buttonHeight - kCardHeight);
    for (int s = 1; s < kSuitCount; ++s)
        p.top[s] = p.top[s - 1] + buttonHeight + kButtonGap;
    return p;
}

TableGeometry LayOutTable(int tableWidth, int tableHeight)
{
    TableGeometry g;
    const int rowLeft = floorHalf(tableWidth - kCentredSlots * kSlotStep);
    const auto humanRowY = static_cast<int16_t>(tableHeight - kHumanRowFromBottom);
    for (int i = 0; i < kHandCapacity; ++i) {
        const auto x = static_cast<int16_t>(kSlotStep * i + rowLeft);
        g.HumanSlotPos[i] = {x, humanRowY, 0};
        g.ComputerSlotPos[i] = {x, kComputerRowY, 0};
    }
    g.TopCardX = static_cast<int16_t>(floorHalf(tableWidth - kCardWidth));
    g.PrevCardX = static_cast<int16_t>(floorHalf(tableWidth));
    g.TopCardY = static_cast<int16_t>(floorHalf(tableHeight - kCardHeight));
    g.PrevCardY = g.TopCardY;
    g.StockX = g.HumanSlotPos[0].X;
    g.StockY = g.TopCardY;
    return g;
}

TableRect HandStrip(const TableGeometry& g, int count, int index)
{
    const SlotPos& at = g.HumanSlotPos[index];
    const bool last = index == count - 1;
    const int width = last ? kCardWidth : g.HumanSlotPos[index + 1].X - at.X;
    return {at.X, at.Y, width, kCardHeight};
}

TableRect StockRect(const TableGeometry& g)
{
    return {g.StockX, g.StockY, kCardWidth, kCardHeight};
}

} // namespace kolvar
