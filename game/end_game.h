// The end of a game: the two rules that end one, and what ending it does
// (the result message, the stopped timer, the unlocked options item).
#pragma once

#include "game/host.h"
#include "game/side.h"
#include "game/table.h"

namespace kolvar {

// The side has laid its last card and won: unless that card was an ace
// (the side keeps the turn with an empty hand and must take) or a jack (the
// opponent may still answer it).
bool WinsByLastCard(const Table& t, Side s);

// The opponent went out on a jack and this side, owing the penalty, holds
// no jack to answer it with: the opponent has won.
bool CannotAnswerLastJack(const Table& t, Side s);

// Announces the result and stops the game. The game is marked over before
// the message opens, so nothing that runs while it is open (a timer tick)
// can make a move in it.
void EndGame(Table& t, Host& host, bool humanWon);

} // namespace kolvar
