// The four end tests, each at its point in the moves, and what follows them.
#include "computer/computer_turn.h"
#include "fake_host.h"
#include "game/end_game.h"
#include "game/invariants.h"
#include "human/table_click.h"
#include "table_test.h"

namespace kolvar::testing {
namespace {

constexpr Notice kWon = Notice::HumanWon;
constexpr Notice kLost = Notice::HumanLost;

// A game in progress: the timer runs and the options item is locked.
struct EndOfGame : TableTest {
    void play(std::string_view line)
    {
        TableTest::play(line);
        host.timerEnabled = true;
        host.optionsItemEnabled = false;
    }
    // A real message box runs its own event loop, and the timer ticks in it.
    void keepTickingWhileAMessageIsOpen()
    {
        host.onMessage = [this] {
            for (int i = 0; i < 100; ++i) {
                host.now += 50;
                ComputerTick(t, host);
            }
        };
    }
    void expectEnded(Notice m)
    {
        EXPECT_EQ(host.messages, std::vector<Notice>{m});
        EXPECT_FALSE(host.timerEnabled);
        EXPECT_TRUE(host.optionsItemEnabled);
        EXPECT_FALSE(t.GameInProgress);
    }
};

TEST_F(EndOfGame, Test1HumanWinsWithALastPlainCardAfterTheRedraw)
{
    play("human=Kd computer=9c top=Qd raised=d");
    int redrawsWhenShown = -1;
    host.onMessage = [&] { redrawsWhenShown = host.redraws; };
    clickCard(0);
    EXPECT_EQ(redrawsWhenShown, 1);
    expectEnded(kWon);
    // The computer never moves again, and the table takes no more clicks.
    tickPastThePause();
    EXPECT_EQ(t.ComputerCount, 1);
    clickStock();
    EXPECT_EQ(t.HumanCount, 0);
}

TEST_F(EndOfGame, ALastAceKeepsTheTurnAndTheHumanMustTake)
{
    play("human=Ad computer=9c top=Qd raised=d");
    clickCard(0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(t.ComputerToMove);
    clickCard(0); // nothing left to lay
    EXPECT_EQ(t.HumanCount, 0);
    clickStock();
    EXPECT_EQ(t.HumanCount, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(EndOfGame, Test3ALastJackTheComputerCannotAnswerWinsAtItsTurn)
{
    play("human=Jd computer=9c,Kc top=Qd raised=d");
    clickCard(0);
    EXPECT_TRUE(host.messages.empty());
    const int redraws = host.redraws;
    tickPastThePause();
    expectEnded(kWon);
    EXPECT_EQ(host.redraws, redraws); // no lay, no take, no redraw
    EXPECT_EQ(t.ComputerCount, 2);
    EXPECT_TRUE(t.ComputerToMove);
}

TEST_F(EndOfGame, ALastJackTheComputerCanAnswerGoesOn)
{
    play("human=Jd computer=9c,Jc top=Qd raised=d");
    clickCard(0);
    tickPastThePause();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(t.TopRank, kJack);
    EXPECT_EQ(t.HumanDrawDue, 5);
}

TEST_F(EndOfGame, BothHandsEmptyAtTheComputersTurnIsAHumanWin)
{
    // The computer went out on a jack, the human answered with his last jack.
    play("human= computer= top=Jd prev=Jc due=0/5 turn=computer raised=d");
    tickPastThePause();
    expectEnded(kWon);
}

TEST_F(EndOfGame, Test2TheComputersLastJackIsALossWhenTheHumanClicksTheStock)
{
    play("human=8d,9s computer= top=Jd due=3/0 raised=d");
    clickCard(0); // only a jack may be laid
    EXPECT_TRUE(host.messages.empty());
    clickStock();
    expectEnded(kLost);
    EXPECT_EQ(t.HumanCount, 2); // no card taken
    EXPECT_TRUE(host.cues.empty());
    EXPECT_EQ(host.redraws, 0);
}

TEST_F(EndOfGame, HoldingAJackTheHumanMayStillTakeThePenalty)
{
    play("human=8d,Js computer= top=Jd due=3/0 raised=d");
    clickStock();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(t.HumanCount, 5);
}

TEST_F(EndOfGame, Test4TheComputerWinsWithALastSevenAfterTheRedraw)
{
    play("human=8d computer=7h top=Kc turn=computer raised=c");
    int redrawsWhenShown = -1;
    host.onMessage = [&] { redrawsWhenShown = host.redraws; };
    tickPastThePause();
    EXPECT_EQ(redrawsWhenShown, 1);
    expectEnded(kLost);
    // The human cannot go on playing a game that is over.
    clickCard(0);
    EXPECT_EQ(t.HumanCount, 1);
}

TEST_F(EndOfGame, TheComputersLastAceKeepsItsTurnAndItTakesASecondLater)
{
    play("human=8d computer=Ac top=Kc turn=computer raised=c");
    tickPastThePause();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(t.ComputerCount, 0);
    EXPECT_TRUE(t.ComputerToMove);
    tickPastThePause();
    EXPECT_EQ(t.ComputerCount, 1);
    EXPECT_TRUE(host.messages.empty()); // taking with an empty hand does not win
}

TEST_F(EndOfGame, TicksWhileTheEndMessageIsOpenStartNoMove)
{
    // The human wins; the message box's own event loop keeps the timer ticking.
    play("human=Kd computer=9d top=Qd raised=d");
    keepTickingWhileAMessageIsOpen();
    clickCard(0);
    EXPECT_EQ(t.ComputerCount, 1);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(EndOfGame, TicksDuringTheComputersOwnEndMessageStartNoMove)
{
    play("human= computer=9c,Kc top=Jd due=0/3 turn=computer raised=d");
    keepTickingWhileAMessageIsOpen();
    tickPastThePause();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(t.ComputerCount, 2);
}

} // namespace
} // namespace kolvar::testing
