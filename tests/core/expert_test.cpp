// The expert computer: what a seat may know of the table and nothing more,
// the choices it makes with it, the hint it gives the player, and a seeded
// game played again move for move.
#include "computer/computer_turn.h"
#include "computer/expert.h"
#include "computer/hint.h"
#include "computer/observation.h"
#include "game/rules.h"
#include "game/suit_buttons.h"
#include "random_player.h"
#include "table_test.h"

namespace kolvar::testing {
namespace {

// Twenty random values for the expert's generator, the same every time.
void scriptRandoms(FakeHost& host)
{
    for (int i = 0; i < 20; ++i)
        host.randoms.push_back((i * 7 % 20 + 0.5) / 20);
}

Observation ObservationFrom(std::string_view line)
{
    Observation o;
    std::string error;
    EXPECT_TRUE(ParseObservation(line, o, error)) << error << "\n  in: " << line;
    return o;
}

TEST(Observation, ASeatSeesItsHandThePileAndTheCountsAndNothingMore)
{
    const Table t =
        TableFrom("human=9h,Ac,Jd computer=Kc,8s top=Ks prev=Ts raised=s turn=computer");
    ASSERT_EQ(CheckInvariants(t), "");
    const std::string seen = FormatObservation(Observe(t, Side::Computer));
    EXPECT_EQ(seen, "seat=computer to-move=yes hand=Kc,8s top=Ks prev=Ts played=2 suit=s "
                    "named=yes due=1/0 opponent=3 opponent-known= opponent-shown= unseen=25 "
                    "laid-stock=Ts,Ks");
    EXPECT_EQ(FormatObservation(ObservationFrom(seen)), seen);

    // The player's seat, for his hint: the computer's two cards are two he
    // cannot tell from the stock's.
    EXPECT_EQ(FormatObservation(Observe(t, Side::Human)),
              "seat=human to-move=no hand=9h,Ac,Jd top=Ks prev=Ts played=2 suit=s named=yes "
              "due=0/1 opponent=2 opponent-known= opponent-shown= unseen=25 laid-stock=Ts,Ks");
}

// The fairness of the expert, from the table to its move: the human's hand
// and the stock's unseen part exchanged card for card give the computer the
// same observation, and so the same move under the same random numbers.
TEST(Observation, TablesThatDifferOnlyInWhatTheComputerCannotSeeGiveTheSameMove)
{
    const std::string common = " computer=Kh,8h,7c,Ah top=Qh raised=h turn=computer level=expert";
    const Table a = TableFrom("human=9h,Tc,Jd stock=Js,Jc,8d,..." + common);
    const Table b = TableFrom("human=Js,Jc,8d stock=9h,Tc,Jd,..." + common);
    ASSERT_EQ(CheckInvariants(a), "");
    ASSERT_EQ(CheckInvariants(b), "");
    EXPECT_EQ(Observe(a, Side::Computer), Observe(b, Side::Computer));

    std::string after[2];
    for (int i = 0; i < 2; ++i) {
        Table t = i == 0 ? a : b;
        FakeHost host;
        scriptRandoms(host);
        ComputerMove(t, host);
        after[i] =
            ComputerHandText(t) + " on " + FormatCard(t.topCard()) + " " + SuitText(t.CurrentSuit);
    }
    EXPECT_EQ(after[0], after[1]);

    // What it may see does change it: here, a card of its hand.
    const Table c = TableFrom("human=9h,Tc,Jd stock=Js,Jc,8h,... computer=Kh,8d,7c,Ah top=Qh "
                              "raised=h turn=computer level=expert");
    EXPECT_NE(Observe(a, Side::Computer), Observe(c, Side::Computer));
}

TEST(Observation, ACardTheHumanTakesFromTheLaidPartIsKnownToBeHis)
{
    // Late in a game every card of the stock has been laid once: the next
    // card taken is the Jh, and both players saw it laid.
    Table t = TableFrom("human=8c,9s computer=Kc,Qd stock=Jh,... top=Kh prev=Th played=40 "
                        "raised=h");
    ASSERT_EQ(CheckInvariants(t), "");
    FakeHost host;
    ClickStockMiddle(t, host);
    EXPECT_EQ(HumanHandText(t), "8c,9s,Jh");
    EXPECT_EQ(FormatCardSet(Observe(t, Side::Computer).opponentKnown), "Jh");
    EXPECT_EQ(Observe(t, Side::Human).opponentKnown, CardSet{});
}

// A take shows what the taker could have laid instead; a seven, the rest of
// the suit it left. A card laid since that was not ruled out may have been
// one of those held then.
TEST(HandNotes, ATakeAndASevenShowWhatTheSideProbablyLacks)
{
    Table t = TableFrom("human=8c,9s,7d computer=Kc,Qd top=Kh raised=h");
    FakeHost host;
    ClickStockMiddle(t, host);
    EXPECT_EQ(FormatHandNotes(ShownBy(t, Side::Human)),
              "7d,7s,7h,7c,8h,9h,Th,Ah,Jh,Qh,Kd,Ks,Kh,Kc/3");
    EXPECT_NE(FormatTable(t).find(" shown-human=7d,7s,7h,7c,8h"), std::string::npos);

    t = TableFrom("human=7d,9s,Qs computer=Kc top=Kh raised=h");
    ClickCard(t, host, 0); // the seven: he had no other heart
    ClickSuitButton(t, host, kSpades);
    EXPECT_EQ(FormatHandNotes(ShownBy(t, Side::Human)), "8h,9h,Th,Ah,Jh,Qh,Kh/2");
    t.ComputerToMove = false;
    t.HumanDrawDue = 1;
    t.ComputerDrawDue = 0;
    ClickCard(t, host, 0); // the 9s, which he may have held then
    EXPECT_EQ(FormatHandNotes(ShownBy(t, Side::Human)), "8h,9h,Th,Ah,Jh,Qh,Kh/1");
}

// --- The expert's choices -----------------------------------------------

TEST(Expert, LaysTheAceThatLetsItLayItsLastCardAtOnce)
{
    const Observation o = ObservationFrom("seat=computer to-move=yes hand=9h,Ah top=Kh prev=Qh "
                                          "played=2 suit=h named=yes due=1/0 opponent=4 unseen=24 "
                                          "laid-stock=Qh,Kh");
    FakeHost host;
    scriptRandoms(host);
    EXPECT_EQ(ChooseExpertPlay(o, host), Play::lay(1, SuitRule::LaidCardSuit));
}

TEST(Expert, NamesTheSuitOfItsLastCardAfterItsSeven)
{
    const Observation o = ObservationFrom("seat=computer to-move=yes hand=7c,9d top=Kh prev=Qh "
                                          "played=2 suit=h named=yes due=1/0 opponent=4 unseen=24 "
                                          "laid-stock=Qh,Kh");
    FakeHost host;
    scriptRandoms(host);
    EXPECT_EQ(ChooseExpertPlay(o, host), Play::lay(0, SuitRule::named(kDiamonds)));
}

TEST(Expert, OpensWithTheSuitThatLetsItGoOutAtOnce)
{
    // The ace of spades keeps the turn for the seven; the suit it holds
    // most of, by the lowest code on a tie, would be diamonds.
    const Observation o = ObservationFrom("seat=computer to-move=yes hand=As,7d top=Kc played=0 "
                                          "named=no due=1/0 opponent=5 unseen=25");
    FakeHost host;
    scriptRandoms(host);
    const ExpertOpening opening = ChooseExpertOpening(o, host);
    EXPECT_EQ(opening.suit, kSpades);
    EXPECT_EQ(opening.play, Play::lay(0, SuitRule::LaidCardSuit));
}

// A jack chain against it, the player one card from winning: taking the
// three would hand him his turn, a jack hands him five cards to take.
TEST(Expert, AnswersAJackChainRatherThanLetThePlayerGoOut)
{
    const Observation o = ObservationFrom("seat=computer to-move=yes hand=8c,Jd,Kh top=Js prev=9s "
                                          "played=2 suit=s named=yes due=3/0 opponent=1 unseen=26 "
                                          "laid-stock=9s,Js");
    FakeHost host;
    scriptRandoms(host);
    EXPECT_EQ(ChooseExpertPlay(o, host).index, 1);
}

TEST(Expert, ASeededGameIsPlayedAgainMoveForMove)
{
    std::string ends[2];
    for (std::string& end : ends) {
        RandomPlayer player(5, ComputerLevel::Expert);
        GameTally tally;
        player.playGame(tally);
        end = FormatTable(player.table()) + " moves " + std::to_string(tally.moves);
        EXPECT_EQ(player.table().Level, ComputerLevel::Expert);
    }
    EXPECT_EQ(ends[0], ends[1]);
}

// --- The player's hint --------------------------------------------------

TEST(Hint, PointsAtTheCardTheExpertWouldLayOrAtTheStockAndMovesNothing)
{
    Table t = TableFrom("human=Kc,9h,Ah computer=8c,8s,Qd top=Kh prev=Qh raised=h");
    FakeHost host;
    scriptRandoms(host);
    const std::string before = FormatTable(t);
    const std::optional<Play> lay = ExpertHint(t, host);
    ASSERT_TRUE(lay);
    EXPECT_TRUE(MayLay(t, Side::Human, t.HumanHand[lay->index]));
    EXPECT_EQ(FormatTable(t), before);
    EXPECT_EQ(host.redraws + host.cues.size() + host.messages.size(), 0u);

    t = TableFrom("human=8c,9s computer=8d top=Kh raised=h");
    const std::optional<Play> take = ExpertHint(t, host);
    ASSERT_TRUE(take);
    EXPECT_TRUE(take->isTake());

    t.ComputerToMove = true; // not his turn: no hint
    EXPECT_FALSE(ExpertHint(t, host));
}

} // namespace
} // namespace kolvar::testing
