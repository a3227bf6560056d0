// The game's pacing, in one place.
#pragma once

#include <cstdint>

namespace kolvar {

// The computer moves on the first timer tick strictly more than this long
// after the move that handed it the turn.
inline constexpr uint32_t kComputerPauseMs = 1000;

// How often Timer1 asks whether the computer is due.
inline constexpr int kTimerIntervalMs = 50;

} // namespace kolvar
