// The human's clicks: what the table takes, what it refuses, and what each
// card laid does.
#include "fake_host.h"
#include "game/invariants.h"
#include "game/suit_buttons.h"
#include "human/table_click.h"
#include "table_test.h"

namespace kolvar::testing {
namespace {

struct TableClick : TableTest {
    int16_t hit(int x, int y) const { return HitTestHand(t, TestGeometry(), x, y); }
};

// --- The turn, the stock and the reminder -------------------------------

TEST_F(TableClick, DuringTheComputersTurnNothingIsTakenNotEvenTheStock)
{
    play("human=8d,9d computer=Kc top=Kd turn=computer raised=d");
    const std::string before = FormatTable(t);
    clickCard(0);
    clickStock();
    EXPECT_EQ(FormatTable(t), before);
    EXPECT_EQ(host.redraws, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TableClick, TheStockTakesAllTheCardsDueWithOneCue)
{
    play("human=8d computer=Kc stock=9h,Qs,As,... top=Kh due=3/0 raised=h");
    host.now = 777;
    clickStock();
    EXPECT_EQ(HumanHandText(t), "8d,9h,Qs,As");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t.HumanHand[i].Slot, i);
    EXPECT_EQ(host.cues, Cues({kHumanTakeCue}));
    EXPECT_EQ(t.HumanDrawDue, 0);
    EXPECT_EQ(t.ComputerDrawDue, 1);
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_EQ(t.LastMoveTick, 777);
    EXPECT_EQ(host.redraws, 1);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST_F(TableClick, TheStocksBorderPixelsAreOffTheStock)
{
    play("human=8d computer=Kc top=Kh raised=h");
    for (auto [x, y] : {std::pair{220, 350}, {290, 350}, {250, 300}, {250, 400}}) {
        click(x, y);
        EXPECT_EQ(t.HumanCount, 1) << x << "," << y;
    }
    click(221, 301); // the first pixel inside
    EXPECT_EQ(t.HumanCount, 2);
}

TEST_F(TableClick, WhileNoSuitIsNamedEveryClickOffTheStockBringsTheReminder)
{
    play("human=7d,8d computer=Kc pick=yes");
    clickCard(0); // a seven too
    click(5, 5);
    EXPECT_EQ(host.messages, (std::vector<Notice>{Notice::PickSuit, Notice::PickSuit}));
    EXPECT_EQ(t.HumanCount, 2);
    EXPECT_EQ(host.redraws, 0);

    // The stock still takes its card, and the computer then waits for a suit.
    clickStock();
    EXPECT_EQ(t.HumanCount, 3);
    EXPECT_TRUE(t.ComputerToMove);
}

TEST_F(TableClick, OutsideAGameTheTableIgnoresClicks)
{
    play("human= computer= game=off due=0/0");
    clickStock();
    click(500, 500);
    EXPECT_FALSE(t.ComputerToMove);
    EXPECT_TRUE(host.cues.empty());
    EXPECT_TRUE(host.messages.empty());

    // After a loss the human cannot go on to "win" by emptying his hand.
    play("human=8d computer= top=Kd game=off raised=d");
    clickCard(0);
    EXPECT_EQ(t.HumanCount, 1);
    EXPECT_TRUE(host.messages.empty());
}

// --- Which card a click finds -------------------------------------------

TEST_F(TableClick, HitTestEdgesAreExclusiveAndOverlapsBelongToTheLaterCard)
{
    play("human=8d,9d,Td computer=Kc top=Kd");
    EXPECT_EQ(hit(221, 551), 0);
    EXPECT_EQ(hit(220, 551), -1); // left edge
    EXPECT_EQ(hit(221, 550), -1); // top edge
    EXPECT_EQ(hit(221, 650), -1); // bottom edge
    EXPECT_EQ(hit(254, 600), 0);
    EXPECT_EQ(hit(255, 600), -1); // exactly on the next slot's x
    EXPECT_EQ(hit(256, 600), 1);  // overlap: the card drawn on top
    EXPECT_EQ(hit(359, 600), 2);  // the last card shows its full width
    EXPECT_EQ(hit(360, 600), -1);
    t.HumanCount = 0;
    EXPECT_EQ(hit(221, 551), -1);
}

TEST_F(TableClick, AFullHandOfTwentyOneCardsCanBeHitEverywhere)
{
    play("human=7d,7s,7h,8d,8s,8h,8c,9d,9s,9h,9c,Td,Ts,Th,Tc,Ad,As,Ah,Ac,Jd,Js computer=Kc "
         "top=Kd");
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(hit(HumanCardX(i), 600), i) << i;
    EXPECT_EQ(hit(10, 10), -1); // nothing lies in the table's corner
}

// --- What may be laid ---------------------------------------------------

TEST_F(TableClick, UnderAJackPenaltyOnlyAJackIsTaken)
{
    play("human=Kd,9c,Jh computer=Qc top=Jd due=3/0 raised=d");
    clickCard(0); // follows suit, but a penalty stands
    clickCard(1);
    EXPECT_EQ(t.HumanCount, 3);
    clickCard(2);
    EXPECT_EQ(t.HumanCount, 2);
    EXPECT_EQ(t.ComputerDrawDue, 5);
    EXPECT_EQ(t.HumanDrawDue, 0);
    EXPECT_EQ(t.CurrentSuit, kHearts);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST_F(TableClick, TheFirstCardFollowsTheNamedSuitOrIsASevenRankDoesNotCount)
{
    // The previous game's top card is a king of spades; no card lies yet.
    play("human=Kd,8c,7h computer=Qc top=Ks played=0 suit=c pick=yes raised=c");
    clickCard(0);
    EXPECT_EQ(t.HumanCount, 3);
    clickCard(1);
    EXPECT_EQ(HumanHandText(t), "Kd,7h");
    EXPECT_EQ(t.PlayedCount, 1);
}

TEST_F(TableClick, LaterCardsFollowSuitOrRankAndASevenGoesOnAnything)
{
    play("human=Ks,Qh,9d,7c computer=Qc top=Kd raised=d");
    clickCard(1); // neither suit nor rank
    EXPECT_EQ(t.HumanCount, 4);
    clickCard(0); // rank
    EXPECT_EQ(t.CurrentSuit, kSpades);
    t.ComputerToMove = false;
    t.HumanDrawDue = 1;
    t.ComputerDrawDue = 0;
    clickCard(1); // 9d on Ks: refused
    EXPECT_EQ(HumanHandText(t), "Qh,9d,7c");
    clickCard(2); // the seven of clubs
    EXPECT_EQ(t.TopRank, kSeven);
    EXPECT_EQ(t.TopSuit, kClubs);
    EXPECT_EQ(t.CurrentSuit, kSpades); // named afterwards with a suit button
}

// --- What a lay does ----------------------------------------------------

TEST_F(TableClick, APlainCardPassesTheTurnAndOneCardToTake)
{
    play("human=8d,Qd,9s computer=Kc top=Kd prev=Ts played=2 raised=d");
    host.now = 4242;
    clickCard(1);
    EXPECT_EQ(HumanHandText(t), "8d,9s");
    EXPECT_EQ(t.HumanHand[1].Slot, 1);           // the card right of the gap moved one slot left
    EXPECT_EQ(FormatCard(t.HumanHand[2]), "9s"); // the stale entry past the hand keeps its contents
    EXPECT_EQ(FormatCard(t.prevCard()), "Kd");
    EXPECT_EQ(FormatCard(t.topCard()), "Qd");
    EXPECT_EQ(t.PlayedCount, 3);
    EXPECT_EQ(t.ComputerDrawDue, 1);
    EXPECT_EQ(t.HumanDrawDue, 0);
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_FALSE(t.SuitPickOpen);
    EXPECT_EQ(t.LastMoveTick, 4242);
    EXPECT_EQ(t.RaisedSuit, kDiamonds);
    EXPECT_EQ(host.cues, Cues({kHumanLayCue}));
    EXPECT_EQ(host.redraws, 1);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST_F(TableClick, ASevenFlattensTheButtonsAndOpensTheSuitChoice)
{
    play("human=7h,9s computer=Kc top=Kd raised=d");
    clickCard(0);
    EXPECT_FALSE(t.suitNamed());
    EXPECT_TRUE(t.SuitPickOpen);
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_EQ(t.CurrentSuit, kDiamonds);
    EXPECT_EQ(t.ComputerDrawDue, 1);
    EXPECT_EQ(t.HumanDrawDue, 0);
}

TEST_F(TableClick, AJackGivesTheComputerThreeInOrdinaryPlay)
{
    play("human=Jd,9s computer=Kc top=Kd raised=d");
    clickCard(0);
    EXPECT_EQ(t.ComputerDrawDue, 3);
    EXPECT_EQ(t.HumanDrawDue, 0);
    EXPECT_TRUE(t.ComputerToMove);
}

TEST_F(TableClick, AnAceKeepsTheTurnAndBothCountersAndPlaysItsCue)
{
    play("human=Ad,Kd,9s computer=Kc top=Qd raised=d");
    host.now = 100;
    clickCard(0);
    EXPECT_FALSE(t.ComputerToMove);
    EXPECT_EQ(t.HumanDrawDue, 1);
    EXPECT_EQ(t.ComputerDrawDue, 0);
    EXPECT_EQ(t.LastMoveTick, 100);
    EXPECT_EQ(host.cues, Cues({kHumanLayCue}));
    clickCard(0); // the king, handled at once
    EXPECT_EQ(HumanHandText(t), "9s");
    EXPECT_TRUE(t.ComputerToMove);
}

} // namespace
} // namespace kolvar::testing
