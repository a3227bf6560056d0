// The hint, from the player's observation.
#include "computer/hint.h"

#include "computer/expert.h"
#include "computer/observation.h"

namespace kolvar {

std::optional<Play> ExpertHint(const Table& t, Host& host)
{
    if (!t.GameInProgress || t.ComputerToMove || host.Moves().held())
        return std::nullopt;
    const Observation seen = Observe(t, Side::Human);
    if (t.suitNamed())
        return ChooseExpertPlay(seen, host);
    if (t.PlayedCount == 0)
        return ChooseExpertOpening(seen, host).play;
    return std::nullopt;
}

} // namespace kolvar
