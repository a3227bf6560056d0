// Playing a world on: the rules' own moves (game/moves.h) on a copy of the
// table, with a host that shows and sounds nothing. The expert's search and
// its playouts move only through here, so they play by the very rules the
// game does.
#pragma once

#include "computer/random_stream.h"
#include "game/host.h"
#include "game/moves.h"
#include "game/side.h"
#include "game/table.h"

#include <array>
#include <optional>

namespace kolvar {

// The window of a simulated game: no drawing, no sound, no clock.
class QuietHost final : public Host {
public:
    void RedrawTable() override {}
    void ClearTable() override {}
    void ShowMessage(Notice) override {}
    void PlaySoundCue(std::string_view) override {}
    int32_t TickCount() override { return 0; }
    double NextRandom() override { return 0.0; }
    void SetTimerEnabled(bool) override {}
    void SetOptionsItemEnabled(bool) override {}
    MoveLock& Moves() override { return moves_; }

private:
    MoveLock moves_;
};

inline Side SideToMove(const Table& w)
{
    return w.ComputerToMove ? Side::Computer : Side::Human;
}

// The plays the rules give the side to move: each card it may lay (a seven
// once, with each suit it may name), and the take, always last.
struct Plays {
    std::array<Play, kHandCapacity + 4> list{};
    int count = 0;
};
Plays AdmittedPlays(const Table& w);

// The result of a game seen from one side: 1 won, 0 lost, 0.5 not decided.
using Score = double;

// The side to move makes the play. Returns the winner when it ends the game:
// a last card that is neither an ace nor a jack. A side whose turn comes
// after the opponent went out on a jack, and who holds no jack, has lost
// before it moves: TurnLost() tells.
std::optional<Side> MakeSimulatedPlay(Table& w, Host& quiet, Play play);
bool TurnLost(const Table& w);

} // namespace kolvar
