// The end rules and ending a game.
#include "game/end_game.h"

#include "game/hand_queries.h"
#include "game/pacing.h"
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
    PaceComputer(t, host); // no tick while the message is open, nor after
    host.ShowMessage(humanWon ? Notice::HumanWon : Notice::HumanLost);
    host.SetOptionsItemEnabled(true);
}

} // namespace kolvar
