// Ending a game.
#include "game/end_game.h"

namespace kolvar {

void EndGame(Table& t, Host& host, bool humanWon)
{
    t.GameInProgress = false;
    host.ShowMessage(humanWon ? kWinText : kLossText, kEndTitle);
    host.SetTimerEnabled(false);
    host.SetOptionsItemEnabled(true);
}

} // namespace kolvar
