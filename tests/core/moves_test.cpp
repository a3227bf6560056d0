// The moves as both sides make them: whose counter the penalty filter reads,
// and the one step in which the two sides' lays differ on purpose.
#include "fake_host.h"
#include "game/invariants.h"
#include "game/moves.h"
#include "game/rules.h"
#include "table_text.h"

namespace kolvar::testing {
namespace {

Face card(std::string_view text)
{
    return TableFrom("human=" + std::string(text)).HumanHand[0];
}

TEST(MayLay, EachSideIsFilteredByItsOwnDrawCounter)
{
    // A chain of one jack stands against the computer, not the human.
    const Table t = TableFrom("human=Kd computer=Qd,Js top=Jd due=0/3 turn=computer");
    EXPECT_FALSE(MayLay(t, Side::Computer, card("Qd"))); // follows suit, but a jack is owed
    EXPECT_TRUE(MayLay(t, Side::Computer, card("Js")));
    EXPECT_TRUE(MayLay(t, Side::Human, card("Qd")));
    EXPECT_FALSE(MayLay(t, Side::Human, card("Qh")));
    EXPECT_TRUE(MayLay(t, Side::Human, card("7h"))); // a seven goes on anything
}

TEST(MayLay, TheFirstCardOfAGameIsNotAdmittedByRank)
{
    const Table t = TableFrom("human=Ks,Kc,7h computer=9c top=Ks played=0 suit=c");
    EXPECT_FALSE(MayLay(t, Side::Human, card("Kh")));
    EXPECT_TRUE(MayLay(t, Side::Human, card("Kc")));
    EXPECT_TRUE(MayLay(t, Side::Human, card("7h")));
}

TEST(LayCard, OnlyTheComputersFirstCardPutsTheLastGamesTopCardUnderIt)
{
    FakeHost host;
    Table t = TableFrom("human=8d computer=9d top=Ks prev=Qs played=0 suit=d");
    LayCard(t, host, Side::Human, 0, SuitRule::LaidCardSuit);
    EXPECT_EQ(FormatCard(t.topCard()), "8d");
    EXPECT_EQ(FormatCard(t.prevCard()), "Qs");

    t = TableFrom("human=8d computer=9d top=Ks prev=Qs played=0 suit=d turn=computer");
    LayCard(t, host, Side::Computer, 0, SuitRule::Keep);
    EXPECT_EQ(FormatCard(t.topCard()), "9d");
    EXPECT_EQ(FormatCard(t.prevCard()), "Ks");
    EXPECT_EQ(CheckInvariants(t), "");
}

} // namespace
} // namespace kolvar::testing
