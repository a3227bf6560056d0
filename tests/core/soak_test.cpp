// Whole games played through the public entry points only, by a random
// player who clicks anywhere, lays legal and illegal cards, takes from the
// stock, works the suit buttons, starts new games mid-game and lets the
// timer tick, also while a message box is open. After every event the table
// must be sound, and a card the computer laid on the pile one that the rules
// admit. A failure names the seed
// and the event; the random numbers come from our own generator, so a seed replays the same events
// everywhere.
#include "game/end_game.h"
#include "game/notation.h"
#include "game/rules.h"
#include "session.h"
#include "split_mix.h"
#include "test_client.h"

#include <gtest/gtest.h>

namespace kolvar::testing {
namespace {

struct Tally {
    long games = 0, humanWins = 0, computerWins = 0, lays = 0, cardsTaken = 0;
};

class SoakRun {
public:
    explicit SoakRun(uint32_t seed) : seed_(seed), rng_(seed)
    {
        s_.host().randomSource = [this] { return rng_.unit(); };
        // A real message box runs its own event loop, and the timer ticks in it.
        s_.whileMessageOpen = [this] {
            for (int i = roll(40); i > 0; --i)
                s_.tick(50);
        };
    }

    // Plays `events` events; returns an empty string or what went wrong.
    std::string play(int events, Tally& sig)
    {
        for (event_ = 0; event_ < events; ++event_) {
            const size_t cuesBefore = s_.host().cues.size();
            const size_t messagesBefore = s_.host().messages.size();
            const Table before = s_.table();
            act();
            tally(cuesBefore, messagesBefore, sig);
            if (auto e = check(before); !e.empty())
                return "seed " + std::to_string(seed_) + ", event " + std::to_string(event_) +
                       ": " + e + "\n  " + FormatTable(s_.table());
        }
        return {};
    }

private:
    int roll(int n) { return rng_.below(n); }

    void act()
    {
        const int what = roll(100);
        if (what < 40) {
            s_.tick(50);
        } else if (what < 45) {
            s_.tick(roll(3000));
        } else if (what < 70 && s_.table().HumanCount > 0) {
            s_.clickCard(pickCard());
        } else if (what < 80) {
            const int dx = 1 + roll(69);
            s_.clickStock(dx, 1 + roll(99));
        } else if (what < 88) {
            s_.clickSuitButton(roll(kSuitCount));
        } else if (what < 97) {
            const int x = roll(kClientWidth * 10) / 10;
            s_.click(x, roll(kClientHeight * 10) / 10);
        } else if (what < 98 || !s_.table().GameInProgress) {
            newGame();
        }
    }

    // Any card of the hand; half the time a card the rules admit, if any, so
    // that the human plays well enough to win some games too.
    int pickCard()
    {
        const Table& t = s_.table();
        const int any = roll(t.HumanCount);
        if (roll(2) == 0)
            return any;
        for (int k = 0; k < t.HumanCount; ++k) {
            const int i = (any + k) % t.HumanCount;
            if (MayLay(t, Side::Human, t.HumanHand[i]))
                return i;
        }
        return any;
    }

    void newGame()
    {
        if (s_.host().optionsItemEnabled && roll(2) == 0)
            s_.toggleHumanFirst();
        s_.newGame();
        laysSinceDeal_ = 0;
    }

    void tally(size_t cuesBefore, size_t messagesBefore, Tally& sig)
    {
        const FakeHost& host = s_.host();
        computerLaid_ = false;
        for (size_t i = cuesBefore; i < host.cues.size(); ++i) {
            const std::string& cue = host.cues[i];
            computerLaid_ = computerLaid_ || cue == kComputerLayCue;
            if (cue == kHumanLayCue || cue == kComputerLayCue) {
                ++laysSinceDeal_;
                ++sig.lays;
            } else if (cue == kComputerTakeCue) {
                ++sig.cardsTaken;
            }
        }
        for (size_t i = messagesBefore; i < host.messages.size(); ++i) {
            if (host.messages[i] == Notice::PickSuit)
                continue;
            ++sig.games;
            ++(host.messages[i] == Notice::HumanWon ? sig.humanWins : sig.computerWins);
        }
    }

    // An event makes at most one computer move, on the table as it was before.
    // Its ladder matches the top card's rank also before the first card of a
    // game, when that card is the last game's; once a card lies, every card
    // it lays must be one that the rules admit.
    std::string check(const Table& before) const
    {
        if (auto e = s_.check(); !e.empty())
            return e;
        if (computerLaid_ && before.PlayedCount > 0 &&
            !MayLay(before, Side::Computer, s_.table().topCard()))
            return "the computer laid " + FormatCard(s_.table().topCard()) +
                   ", which the rules do not admit on " + FormatTable(before);
        if (s_.table().PlayedCount != laysSinceDeal_)
            return "PlayedCount " + std::to_string(s_.table().PlayedCount) + " after " +
                   std::to_string(laysSinceDeal_) + " lays";
        return {};
    }

    uint32_t seed_;
    SplitMix rng_;
    Session s_;
    int event_ = 0;
    int laysSinceDeal_ = 0;
    bool computerLaid_ = false;
};

TEST(Soak, ManyWholeGamesKeepTheTableSoundAfterEveryEvent)
{
    constexpr int kSeeds = 8;
    constexpr int kEventsPerSeed = 50000;
    Tally sig;
    for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SoakRun run(seed);
        const std::string failure = run.play(kEventsPerSeed, sig);
        ASSERT_EQ(failure, "");
    }
    const std::string line =
        "games " + std::to_string(sig.games) + " human-wins " + std::to_string(sig.humanWins) +
        " computer-wins " + std::to_string(sig.computerWins) + " lays " + std::to_string(sig.lays) +
        " computer-cards-taken " + std::to_string(sig.cardsTaken);
    // The seeds fix every event, so the tally is the same on every machine; a
    // change in how the rules play changes it, as it changes the signature.
    EXPECT_EQ(line, "games 271 human-wins 17 computer-wins 254 lays 17244 "
                    "computer-cards-taken 4768");
}

} // namespace
} // namespace kolvar::testing
