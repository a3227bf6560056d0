// The computer's turn, paced by the timer: on the first tick more than a
// second after the move that handed it the turn, and only while a suit is
// named, the computer chooses its move at the game's level (the classic
// ladder or the expert's search) and lays one card or takes cards.
#pragma once

#include "game/host.h"
#include "game/moves.h"
#include "game/table.h"

namespace kolvar {

// One tick of the computer's timer: its move, if it is due.
void ComputerTick(Table& t, Host& host);

// One computer move: a lay or a take, the redraw, the end test.
void ComputerMove(Table& t, Host& host);

// The suit the computer opens a game with, at the game's level: the suit it
// holds most of, or the expert's choice. For DealNewGame.
int16_t ComputerOpeningSuit(const Table& t, Host& host);

// The computer's lay and take, under the game's names for them.
inline void LayComputerCard(Table& t, Host& host, int16_t index, SuitRule rule)
{
    LayCard(t, host, Side::Computer, index, rule);
}
inline void ComputerDrawCards(Table& t, Host& host)
{
    TakeCards(t, host, Side::Computer);
}

} // namespace kolvar
