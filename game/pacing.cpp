// When the computer's timer runs.
#include "game/pacing.h"

namespace kolvar {
namespace {

// A raised button is the named suit.
bool suitNamed(const Host& host)
{
    for (int s = 0; s < kSuitCount; ++s)
        if (host.SuitLook(s) == kRaised)
            return true;
    return false;
}

} // namespace

bool ComputerHasAMoveDue(const Table& t, const Host& host)
{
    return t.GameInProgress && t.ComputerToMove && suitNamed(host);
}

void PaceComputer(const Table& t, Host& host)
{
    host.SetTimerEnabled(ComputerHasAMoveDue(t, host));
}

} // namespace kolvar
