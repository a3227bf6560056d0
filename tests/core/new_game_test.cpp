// Start-up and the deal: the shuffle as a function of its random values, the
// dealt table, and the opening for either side.
#include "computer/computer_turn.h"
#include "fake_host.h"
#include "game/invariants.h"
#include "game/new_game.h"
#include "game/suit_buttons.h"
#include "table_text.h"

namespace kolvar::testing {
namespace {

struct NewGame : ::testing::Test {
    NewGame() { PrepareTable(t, options, host); }
    Table t;
    Options options;
    FakeHost host;
};

TEST_F(NewGame, StartUpBuildsTheDeckInOrderAndDealsNothing)
{
    options = {false, false};
    PrepareTable(t, options, host);
    EXPECT_TRUE(options.OptHumanFirst);
    EXPECT_TRUE(options.OptSound);
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_FALSE(t.suitNamed());
    EXPECT_EQ(FormatCard(t.Deck[0]), "7d");
    EXPECT_EQ(FormatCard(t.Deck[16]), "Ad");
    EXPECT_EQ(FormatCard(t.Deck[20]), "Jd");
    EXPECT_EQ(FormatCard(t.Deck[31]), "Kc");
    for (const Card& c : t.Deck)
        EXPECT_EQ(c.Slot, -1);
    EXPECT_EQ(t.HumanCount + t.ComputerCount + t.PlayedCount, 0);
    EXPECT_FALSE(t.GameInProgress);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST(BuiltDeck, EveryCardHasOnePlaceAndNothingElseIsInTheDeck)
{
    for (int i = 0; i < kDeckSize; ++i) {
        EXPECT_TRUE(InDeck(BuiltFace(i))) << i;
        EXPECT_EQ(BuiltIndex(BuiltFace(i)), i);
    }
    EXPECT_EQ(FormatCard(BuiltFace(19)), "Ac");
    for (Face outside : {Face{6, 0}, Face{15, 0}, Face{7, -1}, Face{14, 4}, Face{}})
        EXPECT_FALSE(InDeck(outside)) << outside.Rank << "." << outside.Suit;
}

TEST_F(NewGame, AllZeroRandomsLeaveTheDeckInBuiltOrder)
{
    DealNewGame(t, options, host);
    EXPECT_EQ(HumanHandText(t), "7d,7s,7h,7c,8d");
    EXPECT_EQ(ComputerHandText(t), "8s,8h,8c,9d,9s");
}

TEST_F(NewGame, TheShuffleMakes101ExchangesWithEntryZero)
{
    // Pass 1 brings entry 5 (8s) to the front, pass 2 swaps it with entry 31
    // (Kc), pass 3 picks entry 0 and changes nothing; the rest pick 0 too.
    host.randoms = {5.0 / 32, 31.0 / 32 + 0.01, 0.0};
    BuildDeck(t);
    ShuffleDeck(t, host);
    EXPECT_EQ(FormatCard(t.Deck[0]), "Kc");
    EXPECT_EQ(FormatCard(t.Deck[5]), "7d");
    EXPECT_EQ(FormatCard(t.Deck[31]), "8s");

    // Exactly 101 values are drawn: a 102nd stays for the next caller.
    host.randoms.assign(102, 0.5);
    ShuffleDeck(t, host);
    EXPECT_EQ(host.randoms.size(), 1u);
}

TEST_F(NewGame, DealGivesFiveEachFromTheFrontOfTheRing)
{
    for (int i = 0; i < 101; ++i)
        host.randoms.push_back((i * 7 % 32) / 32.0);
    DealNewGame(t, options, host);
    EXPECT_EQ(t.HumanCount, 5);
    EXPECT_EQ(t.ComputerCount, 5);
    EXPECT_EQ(t.DrawPos, 10);
    EXPECT_EQ(t.DiscardPos, 0);
    EXPECT_EQ(t.PlayedCount, 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t.HumanHand[i].face(), t.Deck[i].face());
        EXPECT_EQ(t.ComputerHand[i].face(), t.Deck[i + 5].face());
        EXPECT_EQ(t.HumanHand[i].Slot, i);
    }
    EXPECT_EQ(host.clears, 1);
    EXPECT_EQ(host.redraws, 1);
    EXPECT_EQ(CheckInvariants(t), "");
}

TEST_F(NewGame, HumanOpensWithNoSuitNamed)
{
    t.CurrentSuit = kClubs;
    DealNewGame(t, options, host);
    EXPECT_FALSE(t.suitNamed());
    EXPECT_EQ(t.HumanDrawDue, 1);
    EXPECT_EQ(t.ComputerDrawDue, 0);
    EXPECT_FALSE(t.ComputerToMove);
    EXPECT_TRUE(t.SuitPickOpen);
    EXPECT_EQ(t.CurrentSuit, kClubs); // named by the human before his first card
    EXPECT_FALSE(host.timerEnabled) << "the table waits for the human: no ticks";
    EXPECT_FALSE(host.optionsItemEnabled);
    EXPECT_TRUE(host.cues.empty());
}

TEST_F(NewGame, ComputerOpensNamingTheSuitItHoldsMostOf)
{
    options.OptHumanFirst = false;
    // Built order deals the computer 8s, 8h, 8c, 9d, 9s: two spades.
    host.now = 5000;
    DealNewGame(t, options, host);
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_EQ(t.CurrentSuit, kSpades);
    EXPECT_EQ(t.RaisedSuit, kSpades);
    EXPECT_EQ(t.ComputerDrawDue, 1);
    EXPECT_EQ(t.HumanDrawDue, 0);
    EXPECT_EQ(t.LastMoveTick, 5000);
    EXPECT_TRUE(t.SuitPickOpen);
    EXPECT_EQ(CheckInvariants(t), "");

    // No move within the first second.
    host.now = 6000;
    ComputerTick(t, host);
    EXPECT_EQ(t.ComputerCount, 5);
    host.now = 6001;
    ComputerTick(t, host);
    EXPECT_FALSE(t.ComputerToMove);
    EXPECT_FALSE(t.SuitPickOpen);
}

// The random value that makes a shuffle pass pick ring entry j.
double picks(int j)
{
    return (j + 0.5) / 32;
}

TEST_F(NewGame, TiesForTheOpeningSuitGoToTheLowerSuitCode)
{
    options.OptHumanFirst = false;
    // Each pair of passes carries a card from the built deck into the
    // computer's entries 5..9 by way of entry 0.
    host.randoms = {picks(5), picks(4), picks(8), picks(2), picks(9)};
    DealNewGame(t, options, host);
    ASSERT_EQ(ComputerHandText(t), "7d,8h,8c,8d,7h"); // two diamonds, two hearts, a club
    EXPECT_EQ(t.CurrentSuit, kDiamonds);

    host.randoms = {picks(3), picks(8)};
    DealNewGame(t, options, host);
    ASSERT_EQ(ComputerHandText(t), "8s,8h,8c,7c,9s"); // two spades, two clubs, a heart
    EXPECT_EQ(t.CurrentSuit, kSpades);
    EXPECT_TRUE(host.timerEnabled) << "the computer has its first move due";
}

TEST_F(NewGame, NewGameMidGameDealsAfreshAndKeepsTheGameLocked)
{
    DealNewGame(t, options, host);
    t.RaisedSuit = t.CurrentSuit = kDiamonds;
    t.HumanCount = 9;
    t.PlayedCount = 4;
    DealNewGame(t, options, host);
    EXPECT_EQ(t.HumanCount, 5);
    EXPECT_EQ(t.PlayedCount, 0);
    EXPECT_FALSE(t.suitNamed());
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_FALSE(host.optionsItemEnabled);
    EXPECT_EQ(CheckInvariants(t), "");
}

} // namespace
} // namespace kolvar::testing
