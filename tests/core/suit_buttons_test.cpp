// The suit buttons: the one raised both shows and names the suit.
#include "fake_host.h"
#include "game/suit_buttons.h"
#include "table_text.h"

namespace kolvar::testing {
namespace {

TEST(SuitButtons, ClosedToClicksDuringTheOrdinaryTurn)
{
    Table t = TableFrom("human=8c computer=9c top=Kd suit=d raised=d pick=no");
    FakeHost host;
    for (int16_t s = 0; s < 4; ++s)
        ClickSuitButton(t, host, s);
    EXPECT_EQ(t.RaisedSuit, kDiamonds);
    EXPECT_EQ(t.CurrentSuit, kDiamonds);
}

TEST(SuitButtons, AClickRaisesTheSecondFlattensAndAnotherMovesTheChoice)
{
    Table t = TableFrom("human=8c computer=9c top=7d suit=d pick=yes turn=computer");
    FakeHost host;
    ClickSuitButton(t, host, kHearts);
    EXPECT_EQ(t.RaisedSuit, kHearts);
    EXPECT_EQ(t.CurrentSuit, kHearts);

    ClickSuitButton(t, host, kHearts);
    EXPECT_FALSE(t.suitNamed());
    EXPECT_EQ(t.CurrentSuit, kHearts); // withdrawn, but the suit last chosen stays

    ClickSuitButton(t, host, kHearts);
    ClickSuitButton(t, host, kSpades);
    EXPECT_EQ(t.RaisedSuit, kSpades);
    EXPECT_EQ(t.CurrentSuit, kSpades);
}

TEST(SuitButtons, ShowCurrentSuitRaisesOnlyThatSuit)
{
    Table t = TableFrom("human=8c computer=9c suit=c raised=c");
    FlattenSuitButtons(t);
    EXPECT_FALSE(t.suitNamed());
    ShowCurrentSuit(t);
    EXPECT_EQ(t.RaisedSuit, kClubs);
    t.CurrentSuit = 4;
    ShowCurrentSuit(t);
    EXPECT_FALSE(t.suitNamed());
}

} // namespace
} // namespace kolvar::testing
