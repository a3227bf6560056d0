// The expert: deals drawn from the observation, searched.
#include "computer/expert.h"

#include "computer/world.h"

#include <algorithm>
#include <array>

namespace kolvar {
namespace {

SearchResult search(const Observation& o, RandomStream& random, const ExpertSettings& settings,
                    SearchSettings budget)
{
    return SearchPlay([&](RandomStream& r) { return SampleWorld(o, r, settings.trustShown); },
                      random, budget);
}

// The suit held most of, the lowest on a tie, as the classic computer opens.
int16_t mostHeld(const Observation& o)
{
    std::array<int, kSuitCount> n{};
    for (int i = 0; i < o.handCount; ++i)
        ++n[o.hand[i].Suit];
    return static_cast<int16_t>(std::max_element(n.begin(), n.end()) - n.begin());
}

Observation named(Observation o, int16_t suit)
{
    o.currentSuit = suit;
    o.suitNamed = true;
    return o;
}

} // namespace

Play ChooseExpertPlay(const Observation& o, Host& host, const ExpertSettings& settings)
{
    RandomStream random = RandomStream::from(host);
    return search(o, random, settings, settings.search).play;
}

// Each suit is searched with a quarter of a decision's moves, so that the
// opening takes no longer than any other decision.
ExpertOpening ChooseExpertOpening(const Observation& o, Host& host, const ExpertSettings& settings)
{
    RandomStream random = RandomStream::from(host);
    SearchSettings quarter = settings.search;
    quarter.moves /= kSuitCount;
    if (!settings.searchOpening) {
        const int16_t suit = mostHeld(o);
        return {suit, search(named(o, suit), random, settings, quarter).play};
    }
    ExpertOpening best;
    double bestValue = -1;
    for (int16_t s = 0; s < kSuitCount; ++s) {
        const SearchResult r = search(named(o, s), random, settings, quarter);
        if (r.value > bestValue) {
            best = {s, r.play};
            bestValue = r.value;
        }
    }
    return best;
}

} // namespace kolvar
