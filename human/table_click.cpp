// The human's clicks on the table: each becomes a take, a lay, the reminder
// to name a suit, or nothing.
#include "human/table_click.h"

#include "game/end_game.h"
#include "game/move_guard.h"
#include "game/moves.h"
#include "game/rules.h"
#include "game/suit_buttons.h"

namespace kolvar {
namespace {

// The table takes the human's clicks only in a game, on his turn, and never
// inside another move (a message box that a move opened).
bool takesClicks(const Table& t, Host& host)
{
    return t.GameInProgress && !host.Moves().held() && !t.ComputerToMove;
}

void layIfAdmitted(Table& t, Host& host, int16_t index)
{
    if (index < 0 || index >= t.HumanCount || !MayLay(t, Side::Human, t.HumanHand[index]))
        return;
    // After his seven the human names the suit with the suit buttons.
    const bool seven = t.HumanHand[index].Rank == kSeven;
    LayCard(t, host, Side::Human, index, seven ? SuitRule::NamedLater : SuitRule::LaidCardSuit);
    host.RedrawTable();
    if (WinsByLastCard(t, Side::Human))
        EndGame(t, host, true);
}

} // namespace

void ClickStock(Table& t, Host& host)
{
    if (!takesClicks(t, host))
        return;
    const MoveGuard guard(host.Moves());
    if (CannotAnswerLastJack(t, Side::Human)) {
        EndGame(t, host, false);
        return;
    }
    TakeCards(t, host, Side::Human);
    host.RedrawTable();
}

void ClickHandCard(Table& t, Host& host, int16_t index)
{
    if (!takesClicks(t, host))
        return;
    const MoveGuard guard(host.Moves());
    if (!t.suitNamed())
        host.ShowMessage(Notice::PickSuit);
    else
        layIfAdmitted(t, host, index);
}

int16_t HitTestHand(const Table& t, const TableGeometry& g, int x, int y)
{
    for (int i = 0; i < t.HumanCount; ++i)
        if (HandStrip(g, t.HumanCount, i).strictlyContains(x, y))
            return static_cast<int16_t>(i);
    return -1;
}

void ClickTable(Table& t, const TableGeometry& g, Host& host, int x, int y)
{
    if (StockRect(g).strictlyContains(x, y))
        ClickStock(t, host);
    else
        ClickHandCard(t, host, HitTestHand(t, g, x, y));
}

} // namespace kolvar
