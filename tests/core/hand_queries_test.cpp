// The searches and tallies the computer decides by: scan order, tie rules and
// exactly the cards held.
#include "computer/hand_searches.h"
#include "game/hand_queries.h"
#include "table_text.h"

namespace kolvar::testing {
namespace {

TEST(HandQueries, AnEmptyHandFindsNothingCountsNothingAndNamesDiamonds)
{
    Table t = TableFrom("human=7d computer= suit=h top=Kh");
    EXPECT_EQ(FindJack(t), -1);
    EXPECT_EQ(FindJackOfCurrentSuit(t), -1);
    EXPECT_EQ(FindSeven(t), -1);
    EXPECT_EQ(FindNonSevenOfCurrentSuit(t), -1);
    EXPECT_EQ(FindTopRankCard(t), -1);
    EXPECT_EQ(CountComputerJacks(t), 0);
    EXPECT_EQ(CountSuitInComputerHand(t, kHearts), 0);
    EXPECT_EQ(TallyComputerSuits(t), (std::array<int16_t, 4>{0, 0, 0, 0}));
    PickBestSuit(t);
    EXPECT_EQ(t.CurrentSuit, kDiamonds);
}

TEST(HandQueries, SearchesReturnTheLowestMatchingIndex)
{
    Table t = TableFrom("human=8c computer=Kd,Js,7h,Jh,7c,Qh top=Qs suit=h");
    EXPECT_EQ(FindJack(t), 1);
    EXPECT_EQ(FindJackOfCurrentSuit(t), 3);
    EXPECT_EQ(FindSeven(t), 2);
    EXPECT_EQ(FindNonSevenOfCurrentSuit(t), 3); // skips the seven of hearts, takes the jack
    EXPECT_EQ(FindTopRankCard(t), 5);           // queen of hearts: any suit matches the rank
}

TEST(HandQueries, TopRankSearchMayFindSevensAcesAndJacks)
{
    Table t = TableFrom("human=8c computer=Kd,7s,As top=7d suit=c");
    EXPECT_EQ(FindTopRankCard(t), 1);
    t.TopRank = kAce;
    EXPECT_EQ(FindTopRankCard(t), 2);
}

TEST(HandQueries, CountsCoverOnlyTheCardsHeld)
{
    Table t = TableFrom("human=Jd,8c,Js computer=Jc,Kc,Jh top=9c");
    // A card just laid stays in the entry past the count; it must not count.
    t.ComputerCount = 2;
    EXPECT_EQ(CountComputerJacks(t), 1);
    EXPECT_EQ(CountSuitInComputerHand(t, kClubs), 2);
    EXPECT_EQ(CountSuitInComputerHand(t, kHearts), 0);
    EXPECT_EQ(CountHumanJacks(t), 2);
    t.HumanCount = 1;
    EXPECT_EQ(CountHumanJacks(t), 1);
}

TEST(HandQueries, BestSuitTiesGoToTheLowestSuitCode)
{
    // Tallies 2, 2, 1, 0: diamonds.
    Table t = TableFrom("human=8c computer=Kd,Ks,7d,9s,Qh");
    EXPECT_EQ(TallyComputerSuits(t), (std::array<int16_t, 4>{2, 2, 1, 0}));
    PickBestSuit(t);
    EXPECT_EQ(t.CurrentSuit, kDiamonds);
    // Tallies 0, 1, 3, 3: hearts.
    t = TableFrom("human=8d computer=Ks,7h,8h,9h,7c,8c,9c");
    EXPECT_EQ(TallyComputerSuits(t), (std::array<int16_t, 4>{0, 1, 3, 3}));
    PickBestSuit(t);
    EXPECT_EQ(t.CurrentSuit, kHearts);
}

} // namespace
} // namespace kolvar::testing
