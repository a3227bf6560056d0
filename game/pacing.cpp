// When the computer's timer runs.
#include "game/pacing.h"

namespace kolvar {

bool ComputerHasAMoveDue(const Table& t)
{
    return t.GameInProgress && t.ComputerToMove && t.suitNamed();
}

void PaceComputer(const Table& t, Host& host)
{
    host.SetTimerEnabled(ComputerHasAMoveDue(t));
}

} // namespace kolvar
