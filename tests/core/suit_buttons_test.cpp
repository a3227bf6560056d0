// The suit buttons: one look that both shows and names the suit.
#include "fake_host.h"
#include "game/suit_buttons.h"
#include "table_text.h"

namespace kolvar::testing {
namespace {

TEST(SuitButtons, ClosedToClicksDuringTheOrdinaryTurn)
{
    Table t = TableFrom("human=8c computer=9c top=Kd suit=d pick=no");
    FakeHost host;
    host.raise(kDiamonds);
    for (int16_t s = 0; s < 4; ++s)
        ClickSuitButton(t, host, s);
    EXPECT_EQ(host.raisedSuit(), kDiamonds);
    EXPECT_EQ(t.CurrentSuit, kDiamonds);
}

TEST(SuitButtons, AClickRaisesTheSecondFlattensAndAnotherMovesTheChoice)
{
    Table t = TableFrom("human=8c computer=9c top=7d suit=d pick=yes turn=computer");
    FakeHost host;
    ClickSuitButton(t, host, kHearts);
    EXPECT_EQ(host.raisedSuit(), kHearts);
    EXPECT_EQ(t.CurrentSuit, kHearts);

    ClickSuitButton(t, host, kHearts);
    EXPECT_EQ(RaisedSuitButtons(host), 0);
    EXPECT_EQ(t.CurrentSuit, kHearts); // withdrawn, but the suit last chosen stays

    ClickSuitButton(t, host, kHearts);
    ClickSuitButton(t, host, kSpades);
    EXPECT_EQ(host.looks, (std::array<int, 4>{0, 1, 0, 0}));
    EXPECT_EQ(t.CurrentSuit, kSpades);
}

TEST(SuitButtons, ShowCurrentSuitRaisesOnlyThatSuit)
{
    Table t = TableFrom("human=8c computer=9c suit=c");
    FakeHost host;
    host.looks = {1, 1, 1, 1};
    ShowCurrentSuit(t, host);
    EXPECT_EQ(host.looks, (std::array<int, 4>{0, 0, 0, 1}));
    t.CurrentSuit = 4;
    ShowCurrentSuit(t, host);
    EXPECT_EQ(RaisedSuitButtons(host), 0);
}

} // namespace
} // namespace kolvar::testing
