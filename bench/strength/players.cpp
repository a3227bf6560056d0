// The player's seat, played by the ladder, at random, by the playout policy,
// by the expert, or by the expert's search seeing cards a player cannot.
#include "players.h"

#include "computer/expert.h"
#include "computer/ladder.h"
#include "computer/observation.h"
#include "computer/playout_policy.h"
#include "computer/world.h"
#include "game/hand_queries.h"
#include "game/rules.h"

#include <cstdlib>
#include <sstream>
#include <utility>

namespace kolvar::bench {
namespace {

// The table seen from the other side: the player's hand is the computer's.
Table mirrored(const Table& t)
{
    Table m = t;
    std::swap(m.HumanHand, m.ComputerHand);
    std::swap(m.HumanCount, m.ComputerCount);
    std::swap(m.HumanDrawDue, m.ComputerDrawDue);
    m.ComputerToMove = !t.ComputerToMove;
    return m;
}

int16_t mostHeld(const Table& t, Host&)
{
    return BestSuit(mirrored(t));
}

// A play whose seven names the suit the player holds most of.
Play namingMostHeld(Play p, const Table& t, Host& host)
{
    if (p.rule.kind == SuitRule::BestSuit)
        p.rule = SuitRule::named(mostHeld(t, host));
    return p;
}

SeatPlayer clasic()
{
    return {[](const Table& t, Host& host) {
                return namingMostHeld(ChooseByLadder(mirrored(t)), t, host);
            },
            mostHeld};
}

SeatPlayer random()
{
    return {[](const Table& t, Host& host) {
                RandomStream r = RandomStream::from(host);
                int16_t admitted[kHandCapacity];
                int n = 0;
                for (int16_t i = 0; i < t.HumanCount; ++i)
                    if (MayLay(t, Side::Human, t.HumanHand[i]))
                        admitted[n++] = i;
                if (n == 0)
                    return Play::take();
                return Play::lay(admitted[r.below(n)],
                                 SuitRule::named(static_cast<int16_t>(r.below(kSuitCount))));
            },
            [](const Table&, Host& host) {
                return static_cast<int16_t>(RandomStream::from(host).below(kSuitCount));
            }};
}

SeatPlayer policy(ExpertSettings s)
{
    return {[s](const Table& t, Host& host) {
                RandomStream r = RandomStream::from(host);
                return PolicyPlay(t, r, s.search.anyCardChance);
            },
            mostHeld};
}

SeatPlayer expert(ExpertSettings s)
{
    return {[s](const Table& t, Host& host) {
                return ChooseExpertPlay(Observe(t, Side::Human), host, s);
            },
            [s](const Table& t, Host& host) {
                return ChooseExpertOpening(Observe(t, Side::Human), host, s).suit;
            }};
}

// The expert's search over deals that keep the computer's real hand and
// deal only the stock's unseen part at random.
SeatPlayer handSeer(ExpertSettings s)
{
    return {[s](const Table& t, Host& host) {
                RandomStream r = RandomStream::from(host);
                Observation o = Observe(t, Side::Human);
                o.opponentKnown = CardSet::of(t.ComputerHand, t.ComputerCount);
                return SearchPlay([&](RandomStream& rr) { return SampleWorld(o, rr, 0); }, r,
                                  s.search)
                    .play;
            },
            mostHeld};
}

SeatPlayer omniscient(ExpertSettings s)
{
    return {[s](const Table& t, Host& host) {
                RandomStream r = RandomStream::from(host);
                return SearchPlay([&](RandomStream&) { return t; }, r, s.search).play;
            },
            mostHeld};
}

// The settings after the name: moves=N, anycard=P, trust=P, opening=held.
std::optional<ExpertSettings> settingsFrom(std::istringstream& rest)
{
    ExpertSettings s;
    for (std::string item; std::getline(rest, item, ',');) {
        const auto eq = item.find('=');
        const std::string key = item.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : item.substr(eq + 1);
        if (key == "moves")
            s.search.moves = std::atoi(value.c_str());
        else if (key == "anycard")
            s.search.anyCardChance = std::atof(value.c_str());
        else if (key == "trust")
            s.trustShown = std::atof(value.c_str());
        else if (key == "opening" && value == "held")
            s.searchOpening = false;
        else
            return std::nullopt;
    }
    return s;
}

} // namespace

std::optional<SeatPlayer> PlayerNamed(const std::string& description)
{
    std::istringstream rest(description);
    std::string name;
    std::getline(rest, name, ',');
    const std::optional<ExpertSettings> s = settingsFrom(rest);
    if (!s)
        return std::nullopt;
    if (name == "clasic")
        return clasic();
    if (name == "random")
        return random();
    if (name == "policy")
        return policy(*s);
    if (name == "expert")
        return expert(*s);
    if (name == "handseer")
        return handSeer(*s);
    if (name == "omniscient")
        return omniscient(*s);
    return std::nullopt;
}

} // namespace kolvar::bench
