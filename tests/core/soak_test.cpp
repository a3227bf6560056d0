// Whole games played through the public entry points only, by a random
// player who clicks anywhere, lays legal and illegal cards, takes from the
// stock, works the suit buttons, starts new games mid-game and lets the
// timer tick, also while a message box is open. After every event the table
// must be sound. A failure names the seed and the event; the random numbers
// come from our own generator, so a seed replays the same events everywhere.
#include "computer/computer_turn.h"
#include "fake_host.h"
#include "game/invariants.h"
#include "game/new_game.h"
#include "game/notation.h"
#include "game/rules.h"
#include "game/suit_buttons.h"
#include "human/table_click.h"
#include "split_mix.h"
#include "table_text.h"

#include <iostream>

namespace kolvar::testing {
namespace {

struct Tally {
    long games = 0, humanWins = 0, computerWins = 0, lays = 0, cardsTaken = 0;
};

class SoakRun {
public:
    explicit SoakRun(uint32_t seed) : seed_(seed), rng_(seed)
    {
        host_.randomSource = [this] { return rng_.unit(); };
        host_.onMessage = [this] { whileMessageOpen(); };
        Form_Load(t_, options_, host_, kClientWidth, kClientHeight);
    }

    // Plays `events` events; returns an empty string or what went wrong.
    std::string play(int events, Tally& sig)
    {
        for (event_ = 0; event_ < events; ++event_) {
            const size_t cuesBefore = host_.cues.size();
            const size_t messagesBefore = host_.messages.size();
            act();
            tally(cuesBefore, messagesBefore, sig);
            if (auto e = check(); !e.empty())
                return "seed " + std::to_string(seed_) + ", event " + std::to_string(event_) +
                       ": " + e + "\n  " + FormatTable(t_);
        }
        return {};
    }

private:
    int roll(int n) { return rng_.below(n); }

    void act()
    {
        const int what = roll(100);
        if (what < 40) {
            tick(50);
        } else if (what < 45) {
            tick(roll(3000));
        } else if (what < 70 && t_.HumanCount > 0) {
            const int i = pickCard();
            Form_MouseDown(t_, host_, HumanCardX(t_, i), HumanCardY(t_, i));
        } else if (what < 80) {
            const float x = t_.Geometry.StockX + 1.0f + roll(69);
            Form_MouseDown(t_, host_, x, t_.Geometry.StockY + 1.0f + roll(99));
        } else if (what < 88) {
            ClickSuitButton(t_, host_, static_cast<int16_t>(roll(kSuitCount)));
        } else if (what < 97) {
            const float x = roll(kClientWidth * 10) / 10.0f;
            Form_MouseDown(t_, host_, x, roll(kClientHeight * 10) / 10.0f);
        } else if (what < 98 || !t_.GameInProgress) {
            newGame();
        }
    }

    // Any card of the hand; half the time a card the rules admit, if any, so
    // that the human plays well enough to win some games too.
    int pickCard()
    {
        const int any = roll(t_.HumanCount);
        if (roll(2) == 0)
            return any;
        for (int k = 0; k < t_.HumanCount; ++k) {
            const int i = (any + k) % t_.HumanCount;
            const Card& c = t_.HumanHand[i];
            if (FollowsSuitOrRank(t_, c) && (!PenaltyPending(t_.HumanDrawDue) || c.Rank == kJack))
                return i;
        }
        return any;
    }

    void newGame()
    {
        if (host_.optionsItemEnabled && roll(2) == 0)
            options_.OptHumanFirst = !options_.OptHumanFirst;
        JocNou_Click(t_, options_, host_);
        laysSinceDeal_ = 0;
    }

    void tick(int ms)
    {
        host_.now += ms;
        if (host_.timerEnabled)
            Timer1_Timer(t_, host_);
    }

    // A real message box runs its own event loop, and the timer ticks in it.
    void whileMessageOpen()
    {
        for (int i = roll(40); i > 0; --i)
            tick(50);
    }

    void tally(size_t cuesBefore, size_t messagesBefore, Tally& sig)
    {
        for (size_t i = cuesBefore; i < host_.cues.size(); ++i) {
            const std::string& cue = host_.cues[i];
            if (cue == kHumanLayCue || cue == kComputerLayCue) {
                ++laysSinceDeal_;
                ++sig.lays;
            } else if (cue == kComputerTakeCue) {
                ++sig.cardsTaken;
            }
        }
        for (size_t i = messagesBefore; i < host_.messages.size(); ++i) {
            if (host_.messages[i].title != "Kolvar Americana")
                continue;
            ++sig.games;
            ++(host_.messages[i].text.starts_with("Felicitari") ? sig.humanWins : sig.computerWins);
        }
    }

    std::string check() const
    {
        if (auto e = CheckInvariants(t_, host_); !e.empty())
            return e;
        if (t_.PlayedCount != laysSinceDeal_)
            return "PlayedCount " + std::to_string(t_.PlayedCount) + " after " +
                   std::to_string(laysSinceDeal_) + " lays";
        if (t_.GameInProgress != host_.timerEnabled)
            return "the timer runs exactly while a game is in progress";
        if (t_.GameInProgress == host_.optionsItemEnabled)
            return "the options item is locked exactly while a game is in progress";
        if (t_.NestedMovesBlocked)
            return "a move is still marked as running";
        return {};
    }

    uint32_t seed_;
    SplitMix rng_;
    Table t_;
    Options options_;
    FakeHost host_;
    int event_ = 0;
    int laysSinceDeal_ = 0;
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
    std::cout << "soak: games " << sig.games << ", human wins " << sig.humanWins
              << ", computer wins " << sig.computerWins << ", lays " << sig.lays
              << ", cards taken by the computer " << sig.cardsTaken << "\n";
    // The random player must really have played: games ended both ways.
    EXPECT_GT(sig.humanWins, 10);
    EXPECT_GT(sig.computerWins, 10);
    EXPECT_GT(sig.lays, 10000);
}

} // namespace
} // namespace kolvar::testing
