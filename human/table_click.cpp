// The human's clicks on the table: each becomes a take, a lay, the reminder
// to name a suit, or nothing.
#include "human/table_click.h"

#include "game/end_game.h"
#include "game/move_guard.h"
#include "game/moves.h"
#include "game/rules.h"
#include "game/suit_buttons.h"

#include <cmath>
#include <limits>

namespace kolvar {
namespace {

bool onStock(const TableGeometry& g, float x, float y)
{
    return g.StockX < x && x < g.StockX + kCardWidth && g.StockY < y && y < g.StockY + kCardHeight;
}

// The whole pixel a click lies in; positions off any 16-bit pixel (or not a
// number) land outside every card.
int16_t wholePixel(float v)
{
    constexpr float lo = std::numeric_limits<int16_t>::min();
    constexpr float hi = std::numeric_limits<int16_t>::max();
    if (!(v >= lo && v <= hi))
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(std::floor(v));
}

void clickStock(Table& t, Host& host)
{
    if (CannotAnswerLastJack(t, Side::Human)) {
        EndGame(t, host, false);
        return;
    }
    TakeCards(t, host, Side::Human);
    host.RedrawTable();
}

void clickHand(Table& t, Host& host, int16_t x, int16_t y)
{
    const int16_t index = HitTestHand(t, x, y);
    if (index < 0 || !MayLay(t, Side::Human, t.HumanHand[index]))
        return;
    // After his seven the human names the suit with the suit buttons.
    const bool seven = t.HumanHand[index].Rank == kSeven;
    LayCard(t, host, Side::Human, index, seven ? SuitRule::NamedLater : SuitRule::LaidCardSuit);
    host.RedrawTable();
    if (WinsByLastCard(t, Side::Human))
        EndGame(t, host, true);
}

} // namespace

int16_t HitTestHand(const Table& t, int16_t x, int16_t y)
{
    const auto& slots = t.Geometry.HumanSlotPos;
    const int n = t.HumanCount;
    if (n == 0)
        return -1;
    auto inRow = [&](int i) { return slots[i].Y < y && y < slots[i].Y + kCardHeight; };
    for (int i = 0; i + 1 < n; ++i)
        if (slots[i].X < x && x < slots[i + 1].X && inRow(i))
            return static_cast<int16_t>(i);
    const int last = n - 1;
    if (slots[last].X < x && x < slots[last].X + kCardWidth && inRow(last))
        return static_cast<int16_t>(last);
    return -1;
}

void Form_MouseDown(Table& t, Host& host, float x, float y)
{
    if (!t.GameInProgress || t.NestedMovesBlocked || t.ComputerToMove)
        return;
    const MoveGuard guard(t);

    const bool stockClicked = onStock(t.Geometry, x, y);
    if (stockClicked)
        clickStock(t, host);
    else if (RaisedSuitButtons(host) == 0)
        host.ShowMessage(kPickSuitText, kPickSuitTitle);
    else
        clickHand(t, host, wholePixel(x), wholePixel(y));
}

} // namespace kolvar
