// The computer's turn: the timer's pacing, and the move its level chooses.
#include "computer/computer_turn.h"

#include "computer/expert.h"
#include "computer/ladder.h"
#include "computer/observation.h"
#include "game/end_game.h"
#include "game/move_guard.h"
#include "game/new_game.h"
#include "game/pacing.h"
#include "game/timing.h"

namespace kolvar {
namespace {

// Time since the last move, correct across a wrap of the 32-bit tick count.
uint32_t elapsedSince(int32_t now, int32_t then)
{
    return static_cast<uint32_t>(now) - static_cast<uint32_t>(then);
}

} // namespace

void ComputerTick(Table& t, Host& host)
{
    if (!ComputerHasAMoveDue(t) || host.Moves().held())
        return;
    if (elapsedSince(host.TickCount(), t.LastMoveTick) <= kComputerPauseMs)
        return;
    const MoveGuard guard(host.Moves());
    ComputerMove(t, host);
}

void ComputerMove(Table& t, Host& host)
{
    // Once the computer moves, a suit is named: the buttons take no clicks
    // until the human lays a seven.
    t.SuitPickOpen = false;
    if (CannotAnswerLastJack(t, Side::Computer)) {
        EndGame(t, host, true);
        return;
    }
    const Play play = t.Level == ComputerLevel::Expert
                          ? ChooseExpertPlay(Observe(t, Side::Computer), host)
                          : ChooseByLadder(t);
    MakePlay(t, host, Side::Computer, play);
    host.RedrawTable();
    if (WinsByLastCard(t, Side::Computer))
        EndGame(t, host, false);
}

int16_t ComputerOpeningSuit(const Table& t, Host& host)
{
    if (t.Level == ComputerLevel::Expert)
        return ChooseExpertOpening(Observe(t, Side::Computer), host).suit;
    return MostHeldSuit(t, host);
}

} // namespace kolvar
