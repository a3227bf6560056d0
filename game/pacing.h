// The timer that paces the computer runs only while the computer has a move
// due: in a game, on its turn, with a suit named (after the human's seven
// the computer waits for him to name one). So a table that waits for the
// human, a game over and a message box that ends a game cost no timer
// wake-ups. Every move that changes one of the three calls PaceComputer.
#pragma once

#include "game/host.h"
#include "game/table.h"

namespace kolvar {

bool ComputerHasAMoveDue(const Table& t);

// Starts the timer when the computer has a move due, stops it when not. A
// running timer keeps its pace: the computer moves on the first tick more
// than its pause after the move that handed it the turn.
void PaceComputer(const Table& t, Host& host);

} // namespace kolvar
