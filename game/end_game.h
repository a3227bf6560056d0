// The end of a game: the result message, the stopped timer, the unlocked
// options item.
#pragma once

#include "game/host.h"
#include "game/table.h"

namespace kolvar {

inline constexpr std::string_view kEndTitle = "Kolvar Americana";
inline constexpr std::string_view kWinText = "Felicitari, ati castigat! Sunteti un norocos!!!!!";
inline constexpr std::string_view kLossText = "Imi pare rau!. Ati pierdut, mai studiati!";

// Announces the result and stops the game. The game is marked over before
// the message opens, so nothing that runs while it is open (a timer tick)
// can make a move in it.
void EndGame(Table& t, Host& host, bool humanWon);

} // namespace kolvar
