// The computer's turn: its pacing by the timer and its ladder, rung by rung.
#include "computer/computer_turn.h"
#include "fake_host.h"
#include "game/invariants.h"
#include "game/suit_buttons.h"
#include "table_test.h"

namespace kolvar::testing {
namespace {

struct ComputerTurn : TableTest {
    // One computer move, as the timer makes it once the pause is over.
    void move() { tickPastThePause(); }
    std::string top() const { return FormatCard(t.topCard()); }
};

// --- Pacing -------------------------------------------------------------

TEST_F(ComputerTurn, MovesOnlyStrictlyMoreThanASecondAfterTheHandOver)
{
    play("human=8d computer=9c,Kc top=Qc turn=computer tick=20000 raised=c");
    host.now = 21000;
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 2);
    host.now = 20000 + kJustPastThePause;
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 1);
    EXPECT_FALSE(t.ComputerToMove);
}

TEST_F(ComputerTurn, WaitsAsLongAsNoSuitIsNamedThenMovesAtTheNextTick)
{
    play("human=8d computer=9c,Kc top=7h suit=h turn=computer pick=yes tick=0");
    for (host.now = 0; host.now < 60000; host.now += 50)
        ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 2);
    t.RaisedSuit = t.CurrentSuit = kClubs;
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 1);
    EXPECT_FALSE(t.SuitPickOpen);
}

TEST_F(ComputerTurn, TheTickCountWrappingNeitherStallsNorHurriesTheComputer)
{
    play("human=8d computer=9c,Kc top=Qc turn=computer tick=2147483000 raised=c");
    host.now = static_cast<int32_t>(2147483000u + 1000u); // wraps past the largest int32
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 2);
    host.now = static_cast<int32_t>(2147483000u + kJustPastThePause);
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 1);

    play("human=8d computer=9c,Kc top=Qc turn=computer tick=-200 raised=c");
    host.now = 800; // through zero in unsigned terms: 4294967096 -> 800
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 2);
    host.now = 801;
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 1);
}

TEST_F(ComputerTurn, NoTickMovesWhileAMoveRunsOrAfterTheGameEnded)
{
    play("human=8d computer=9c,Kc top=Qc turn=computer raised=c");
    {
        const MoveGuard running(host.moves);
        move();
        EXPECT_EQ(t.ComputerCount, 2);
    }
    t.GameInProgress = false;
    move();
    EXPECT_EQ(t.ComputerCount, 2);
}

// The timer runs only while the computer has a move due, so that a table
// waiting for the human makes no wake-ups.
TEST_F(ComputerTurn, TheTimerRunsOnlyWhileTheComputerHasAMoveDue)
{
    play("human=8d,7h,Ks computer=9d,Qc,Qs top=Kd game=on raised=d");
    host.timerEnabled = false;
    clickCard(0);
    EXPECT_TRUE(host.timerEnabled) << "the turn passed to the computer";
    tickPastThePause();
    ASSERT_FALSE(t.ComputerToMove);
    EXPECT_FALSE(host.timerEnabled) << "the human's turn";

    clickCard(0); // his seven: the computer waits for a suit
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_FALSE(host.timerEnabled);
    ClickSuitButton(t, host, kSpades);
    EXPECT_TRUE(host.timerEnabled) << "a suit named, the computer's move is due";
    ClickSuitButton(t, host, kSpades); // and withdrawn
    EXPECT_FALSE(host.timerEnabled);
}

TEST_F(ComputerTurn, NoTickWhileTheEndOfTheGameIsShown)
{
    play("human=8d computer=9c top=Qc turn=computer game=on raised=c");
    host.timerEnabled = true;
    bool tickingWhileShown = true;
    host.onMessage = [&] { tickingWhileShown = host.timerEnabled; };
    tickPastThePause(); // the computer lays its last card and wins
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(tickingWhileShown);
    EXPECT_FALSE(host.timerEnabled);
}

// --- The ladder ---------------------------------------------------------

TEST_F(ComputerTurn, Rung1UnderAChainTakesTheCardsWhenNotHoldingMoreJacks)
{
    play("human=Jd,8d computer=Js,9c stock=Ah,Kh,Qh,... top=Jc due=0/3 turn=computer raised=c");
    move();
    EXPECT_EQ(ComputerHandText(t), "Js,9c,Ah,Kh,Qh");
    EXPECT_EQ(host.cues, Cues({kComputerTakeCue, kComputerTakeCue, kComputerTakeCue}));
    EXPECT_EQ(t.ComputerDrawDue, 0);
    EXPECT_EQ(t.HumanDrawDue, 1);
    EXPECT_FALSE(t.ComputerToMove);
    EXPECT_EQ(t.CurrentSuit, kClubs);
    EXPECT_EQ(host.redraws, 1);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST_F(ComputerTurn, Rung2AnswersAChainWithItsFirstJackWhenHoldingMore)
{
    play("human=8d computer=9c,Jh,Js top=Jc due=0/3 turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "Jh");
    EXPECT_EQ(t.HumanDrawDue, 5);
    EXPECT_EQ(t.ComputerDrawDue, 0);
    EXPECT_EQ(t.CurrentSuit, kHearts);
    EXPECT_EQ(t.RaisedSuit, kHearts);
    EXPECT_EQ(ComputerHandText(t), "9c,Js"); // the last card took the jack's place
    EXPECT_EQ(host.cues, Cues({kComputerLayCue}));
}

TEST_F(ComputerTurn, Rung3LaysAJackOfTheSuitOnlyWhenHoldingMoreJacksThanTheHuman)
{
    play("human=8d computer=9c,Jc top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "Jc");
    EXPECT_EQ(t.HumanDrawDue, 3);

    // Equal jacks: the jack is not laid by rung 3, but rung 6 lays the first
    // card of the suit that is not a seven, which may be that jack.
    play("human=Jd computer=Jc,9c top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "Jc");
    play("human=Jd computer=9c,Jc top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "9c");
}

TEST_F(ComputerTurn, Rung4LaysTheFirstSevenOnlyWithoutAnotherCardOfTheSuit)
{
    // Hearts tally 2 with the seven itself, diamonds and spades 1: hearts.
    play("human=8d computer=Ks,7h,7d,9h top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "7h");
    EXPECT_EQ(t.CurrentSuit, kHearts);
    EXPECT_EQ(t.RaisedSuit, kHearts);
    EXPECT_EQ(t.HumanDrawDue, 1);

    // Equal tallies name the lowest suit code.
    play("human=8d computer=7h,Ks top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "7h");
    EXPECT_EQ(t.CurrentSuit, kSpades);

    // A plain card of the suit keeps the seven in hand.
    play("human=8d computer=7h,9c top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "9c");
}

TEST_F(ComputerTurn, Rung5SwitchesByRankOnlyToASuitItHoldsMoreOf)
{
    play("human=8d computer=9c,Kh,Qh top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "Kh");
    EXPECT_EQ(t.CurrentSuit, kHearts);
    EXPECT_EQ(t.RaisedSuit, kHearts);

    play(
        "human=8d computer=9c,Kh top=Kc turn=computer raised=c"); // 1 heart is not more than 1 club
    move();
    EXPECT_EQ(top(), "9c");

    // On a seven it may lay its own seven and take that seven's suit.
    play("human=8d computer=9c,7h,Qh top=7c turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "7h");
    EXPECT_EQ(t.CurrentSuit, kHearts);
}

TEST_F(ComputerTurn, Rung6FollowsSuitElseItTakesOneCard)
{
    play("human=8d computer=Qd,Ac,9c top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(top(), "Ac"); // the first non-seven of the suit, an ace included
    EXPECT_TRUE(t.ComputerToMove);

    play("human=8d computer=Qd,9s stock=Th,... top=Kc turn=computer raised=c");
    move();
    EXPECT_EQ(ComputerHandText(t), "Qd,9s,Th");
    EXPECT_EQ(host.cues.back(), kComputerTakeCue);
    EXPECT_EQ(t.HumanDrawDue, 1);
}

TEST_F(ComputerTurn, TheSwapChangesWhatLaterSearchesFind)
{
    // Laying 9c from index 0 brings Kc, the last card, to the front, so the
    // next move finds Kc before Qc.
    play("human=8c computer=9c,Qc,Kc top=Tc turn=computer raised=c");
    move();
    EXPECT_EQ(ComputerHandText(t), "Kc,Qc");
    t.ComputerToMove = true;
    t.ComputerDrawDue = 1;
    t.HumanDrawDue = 0;
    move();
    EXPECT_EQ(top(), "Kc");
}

TEST_F(ComputerTurn, AnAceKeepsTheTurnAndTheNextMoveComesASecondLater)
{
    play("human=8d computer=Ac,9d top=Kc turn=computer tick=0 raised=c");
    const int32_t aceLaid = kJustPastThePause;
    host.now = aceLaid;
    ComputerTick(t, host);
    EXPECT_EQ(top(), "Ac");
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_EQ(t.LastMoveTick, aceLaid);
    EXPECT_EQ(t.ComputerDrawDue, 1);
    host.now = aceLaid + kComputerPauseMs; // not yet: the pause counts from the ace
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 1);
    host.now = aceLaid + kJustPastThePause;
    ComputerTick(t, host);
    EXPECT_EQ(ComputerHandText(t), "9d,7d"); // no club: it takes the stock's first card
}

} // namespace
} // namespace kolvar::testing
