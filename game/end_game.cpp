// The end rules and ending a game.
#include "game/end_game.h"

#include "game/hand_queries.h"
#include "game/rules.h"

namespace kolvar {

bool WinsByLastCard(const Table& t, Side s)
{
    return HandCount(t, s) == 0 && t.TopRank != kAce && t.TopRank != kJack;
}

bool CannotAnswerLastJack(const Table& t, Side s)
{
    return CountJacks(t, s) == 0 && HandCount(t, Opponent(s)) == 0 && PenaltyPending(DrawDue(t, s));
}

void EndGame(Table& t, Host& host, bool humanWon)
{
    t.GameInProgress = false;
    host.ShowMessage(humanWon ? kWinText : kLossText, kEndTitle);
    host.SetTimerEnabled(false);
    host.SetOptionsItemEnabled(true);
}

} // namespace kolvar
