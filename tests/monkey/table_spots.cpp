// The table's spots on the screen, worked out as the end-to-end reader works
// them out: the table widget is the client area under the menu bar, its
// zoom the fitted one, the table's own size the widget's in whole table
// pixels, and the game's layout on that.
#include "table_spots.h"

#include "table_reader.h"
#include "ui/table_colour.h"
#include "view/table_surface.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kolvar::monkey {
namespace {

int tablePixels(int logical, double zoom)
{
    return static_cast<int>(std::floor(logical / zoom + 1e-9));
}

// The middle of each run of pixels unlike `background`, runs closer than
// `gap` joined: the titles of a menu bar along one row of it.
std::vector<int> runs(const std::vector<uint32_t>& row, uint32_t background, int gap)
{
    std::vector<int> middles;
    int start = -1, last = -1;
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
        if (row[i] == background)
            continue;
        if (start >= 0 && i - last > gap) {
            middles.push_back((start + last) / 2);
            start = -1;
        }
        if (start < 0)
            start = i;
        last = i;
    }
    if (start >= 0)
        middles.push_back((start + last) / 2);
    return middles;
}

} // namespace

std::optional<MenuBar> MeasureMenuBar(const XClient& x, const Box& client)
{
    const int depth = std::min(client.height, 150);
    const std::vector<uint32_t> column = x.pixels({client.x + 2, client.y, 1, depth});
    const auto table = std::find(column.begin(), column.end(), kTableRgb);
    if (table == column.end() || table == column.begin())
        return std::nullopt;
    MenuBar bar;
    bar.height = static_cast<int>(table - column.begin());
    // "File" and "Help" lie well within the bar's first 300 pixels; its end
    // is bare.
    const int width = std::min(client.width, 300);
    const std::vector<uint32_t> row = x.pixels({client.x, client.y + bar.height / 2, width, 1});
    if (row.empty())
        return std::nullopt;
    const std::vector<int> titles = runs(row, row.back(), 6);
    if (titles.size() < 2)
        return std::nullopt;
    bar.fileX = titles[0];
    bar.helpX = titles[1];
    return bar;
}

TableSpots::TableSpots(const Box& client, const MenuBar& menuBar)
    : client_(client), menuBar_(menuBar), table_{client.x, client.y + menuBar.height, client.width,
                                                 client.height - menuBar.height}
{
    zoom_ = e2e::FittedZoom(table_.width, table_.height);
    const int width = tablePixels(table_.width, zoom_);
    const int height = tablePixels(table_.height, zoom_);
    layout_ = LayOutTable(width, height);
    buttons_ = PlaceSuitButtons(width, height, kSuitButtonWidth, kSuitButtonHeight);
}

Point TableSpots::onScreen(int x, int y) const
{
    e2e::ReadScale scale;
    scale.zoom = zoom_;
    return {table_.x + scale.toDevice(x), table_.y + scale.toDevice(y)};
}

Point TableSpots::hand(int slot) const
{
    const SlotPos& at = layout_.HumanSlotPos[static_cast<size_t>(slot)];
    return onScreen(at.X + kCardWidth / 4, at.Y + kCardHeight / 2);
}

Point TableSpots::stock() const
{
    const TableRect r = StockRect(layout_);
    return onScreen(r.x + r.width / 2, r.y + r.height / 2);
}

Point TableSpots::suit(int suit) const
{
    return onScreen(buttons_.left + kSuitButtonWidth / 2,
                    buttons_.top[static_cast<size_t>(suit)] + kSuitButtonHeight / 2);
}

Point TableSpots::pile() const
{
    return onScreen(layout_.TopCardX + kCardWidth / 2, layout_.TopCardY + kCardHeight / 2);
}

Point TableSpots::anywhere(int x, int y) const
{
    return {client_.x + x * client_.width / 1000, client_.y + y * client_.height / 1000};
}

Point TableSpots::menuTitle(const std::string& menu) const
{
    return {client_.x + (menu == "Help" ? menuBar_.helpX : menuBar_.fileX),
            client_.y + menuBar_.height / 2};
}

bool TableSpots::inMenuBar(Point p) const
{
    return Box{client_.x, client_.y, client_.width, menuBar_.height}.contains(p.x, p.y);
}

int TableSpots::cardsIn(const XClient& x, const std::array<SlotPos, kHandCapacity>& row) const
{
    int cards = 0;
    for (const SlotPos& slot : row) {
        const Point top = onScreen(slot.X + 3 * kCardWidth / 4, slot.Y + kCardHeight / 3);
        const Point bottom = onScreen(slot.X + 3 * kCardWidth / 4, slot.Y + 2 * kCardHeight / 3);
        const std::vector<uint32_t> seen = x.pixels({top.x, top.y, 1, bottom.y - top.y + 1});
        const bool card =
            std::any_of(seen.begin(), seen.end(), [](uint32_t rgb) { return rgb != kTableRgb; });
        if (!card)
            break;
        ++cards;
    }
    return cards;
}

int TableSpots::humanCards(const XClient& x) const
{
    return cardsIn(x, layout_.HumanSlotPos);
}

int TableSpots::computerCards(const XClient& x) const
{
    return cardsIn(x, layout_.ComputerSlotPos);
}

size_t TableSpots::humanRowPrint(const XClient& x) const
{
    // The first eight slots: where the dealt hand and most hands lie.
    const SlotPos& first = layout_.HumanSlotPos[0];
    const SlotPos& last = layout_.HumanSlotPos[7];
    const Point from = onScreen(first.X, first.Y);
    const Point to = onScreen(last.X + kCardWidth, last.Y + kCardHeight);
    const std::vector<uint32_t> seen = x.pixels({from.x, from.y, to.x - from.x, to.y - from.y});
    return std::hash<std::string_view>()(std::string_view(
        reinterpret_cast<const char*>(seen.data()), seen.size() * sizeof(uint32_t)));
}

Point InWindow(const Box& window, const Event& click)
{
    switch (click.spot) {
    case Spot::OptionsBox: // the boxes stand at (24, 24) and (24, 64), 105 x 25
        return {window.x + 40, window.y + (click.index == 2 ? 76 : 36)};
    case Spot::BoxButton: // the OK button, at the box's bottom right
        return {window.x + window.width - 50, window.y + window.height - 26};
    default:
        return {window.x + click.x * window.width / 1000,
                window.y + click.y * window.height / 1000};
    }
}

} // namespace kolvar::monkey
