// The deck ring as stock and pile at once: wrapping cursors, laid cards coming
// round again, and draws bounded by the hand and by the stock.
#include "computer/computer_turn.h"
#include "fake_host.h"
#include "game/invariants.h"
#include "game/new_game.h"
#include "game/ring.h"
#include "game/suit_buttons.h"
#include "human/table_click.h"
#include "table_test.h"

namespace kolvar::testing {
namespace {

TEST(TheRing, The23rdCardDrawnAfterADealIsTheFirstCardLaid)
{
    Table t;
    Options options;
    FakeHost host;
    PrepareTable(t, options, host);
    DealNewGame(t, options, host); // built order: the human holds 7d,7s,7h,7c,8d
    ClickSuitButton(t, host, kDiamonds);
    ClickCard(t, host, 4);
    ASSERT_EQ(FormatCard(t.Deck[0]), "8d");

    for (int n = 0; n < 22; ++n) {
        const bool human = n < 17;
        ASSERT_TRUE(TakeFromStock(t, human ? Side::Human : Side::Computer));
    }
    EXPECT_EQ(t.DrawPos, 0);     // wrapped from 31
    EXPECT_EQ(StockCount(t), 1); // only the top card is left
    ASSERT_TRUE(TakeFromStock(t, Side::Computer));
    EXPECT_EQ(FormatCard(t.ComputerHand[t.ComputerCount - 1]), "8d");
}

TEST(TheRing, CursorsMoveOnFromPosition31To0)
{
    FakeHost host;
    Table t = TableFrom("human=8d,9d computer=Kc stock=As,... draw=31 top=Kd raised=d");
    ClickStockMiddle(t, host);
    EXPECT_EQ(FormatCard(t.HumanHand[2]), "As");
    EXPECT_EQ(t.DrawPos, 0);

    t = TableFrom("human=8d,9d computer=Kc draw=2 top=Kd raised=d");
    ASSERT_EQ(t.DiscardPos, 31);
    ClickCard(t, host, 0);
    EXPECT_EQ(FormatCard(t.Deck[31]), "8d");
    EXPECT_EQ(t.DiscardPos, 0);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST(TheRing, AFullHandTakesNoMoreAndTheRestStayInTheStock)
{
    FakeHost host;
    Table t = TableFrom("human=7d,7s,7h,7c,8d,8s,8h,8c,9d,9s,9h,9c,Td,Ts,Th,Tc,Ad,As,Ah,Ac "
                        "computer=Kh top=Jc suit=s raised=s due=3/0");
    ClickStockMiddle(t, host);
    EXPECT_EQ(t.HumanCount, 21);
    EXPECT_EQ(StockCount(t), 10);
    EXPECT_EQ(t.HumanDrawDue, 0);
    EXPECT_EQ(t.ComputerDrawDue, 1);
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_EQ(host.cues, Cues({kHumanTakeCue}));
    EXPECT_EQ(CheckInvariants(t), "");

    // The computer under a chain of five with room for one card.
    t = TableFrom("human=Kh computer=7d,7s,7h,7c,8d,8s,8h,8c,9d,9s,9h,9c,Td,Ts,Th,Tc,Ad,As,Ah,Ac "
                  "top=Jc suit=c raised=c due=0/5 turn=computer");
    host.cues.clear();
    host.now = t.LastMoveTick + kJustPastThePause;
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 21);
    EXPECT_EQ(host.cues, Cues({kComputerTakeCue}));
    EXPECT_EQ(t.HumanDrawDue, 1);
    EXPECT_EQ(t.ComputerDrawDue, 0);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST(TheRing, AnEmptyStockGivesNothingAndTheTurnStillPasses)
{
    FakeHost host;
    // One card is left in the stock, the top card; the computer holds no
    // heart, no eight and no seven, so it cannot lay on it.
    Table t = TableFrom("human=7d,7s,7h,7c,8d,8s,8c,9h,Th,Ah,Jh,Qh,Kd,Ks,Kh,Kc "
                        "computer=9d,9s,9c,Td,Ts,Tc,Ad,As,Ac,Jd,Js,Jc,Qd,Qs,Qc "
                        "stock=8h top=8h raised=h");
    ClickStockMiddle(t, host);
    ASSERT_EQ(t.HumanCount, 17);
    ASSERT_EQ(StockCount(t), 0);

    host.cues.clear();
    host.now = t.LastMoveTick + kJustPastThePause;
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 15);
    EXPECT_TRUE(host.cues.empty()); // no card, no cue
    EXPECT_FALSE(t.ComputerToMove);
    EXPECT_EQ(t.HumanDrawDue, 1);
    EXPECT_EQ(CheckInvariants(t), "");

    ClickStockMiddle(t, host);
    EXPECT_EQ(t.HumanCount, 17);
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_EQ(t.ComputerDrawDue, 1);
    EXPECT_EQ(CheckInvariants(t), "");
}

} // namespace
} // namespace kolvar::testing
