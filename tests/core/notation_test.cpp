// The one-line table notation reads back what it writes, and the state
// checker names what is wrong with a broken table.
#include "fake_host.h"
#include "game/invariants.h"
#include "game/new_game.h"
#include "game/notation.h"
#include "table_text.h"

namespace kolvar::testing {
namespace {

TEST(Notation, APrintedTableReadsBackToTheSameState)
{
    Table t;
    Options options;
    FakeHost host;
    PrepareTable(t, options, host);
    for (int i = 0; i < 101; ++i)
        host.randoms.push_back((i * 13 % 32 + 0.5) / 32);
    DealNewGame(t, options, host);
    t.TopRank = kJack;
    t.TopSuit = kClubs;
    t.LastMoveTick = -12345;
    const std::string line = FormatTable(t);

    Table back;
    std::string error;
    ASSERT_TRUE(ParseTable(line, back, error)) << error;
    EXPECT_EQ(FormatTable(back), line);
    EXPECT_EQ(back.HumanHand[3].Slot, 3);
    EXPECT_EQ(back.Deck[7].Slot, -1);
}

TEST(Notation, MalformedLinesAreRefusedWithAReason)
{
    Table t;
    std::string error;
    EXPECT_FALSE(ParseTable("human=7d,Xq", t, error));
    EXPECT_NE(error.find("human"), std::string::npos);
    EXPECT_FALSE(ParseTable("colour=red", t, error));
    EXPECT_NE(error.find("colour"), std::string::npos);
    EXPECT_FALSE(ParseTable("ring=7d,7s", t, error));
    EXPECT_FALSE(ParseTable("turn=maybe", t, error));
    EXPECT_FALSE(ParseTable("due=3", t, error));
}

TEST(Invariants, EachBrokenRuleIsNamed)
{
    auto broken = [](std::string_view line, auto&& breakIt) {
        Table t = TableFrom(line);
        EXPECT_EQ(CheckInvariants(t), "") << line;
        breakIt(t);
        return CheckInvariants(t);
    };
    const std::string sound = "human=8d,9d computer=Kc,Qs top=Kd";
    EXPECT_NE(broken(sound, [](Table& t) { t.HumanHand[1].Slot = 0; }).find("Slot"),
              std::string::npos);
    EXPECT_NE(broken(sound, [](Table& t) { t.HumanHand[1].face() = t.ComputerHand[0]; }).find("Kc"),
              std::string::npos);
    EXPECT_NE(broken(sound, [](Table& t) { ++t.DrawPos; }).find("DrawPos"), std::string::npos);
    EXPECT_NE(broken(sound, [](Table& t) { t.ComputerDrawDue = 1; }).find("owe"),
              std::string::npos);
    EXPECT_NE(broken(sound, [](Table& t) { t.HumanDrawDue = 2; }).find("odd"), std::string::npos);
    EXPECT_NE(broken(sound, [](Table& t) { t.TopSuit = kSpades; }).find("top card"),
              std::string::npos);
    EXPECT_NE(broken(sound, [](Table& t) { t.HumanCount = 22; }).find("HumanCount"),
              std::string::npos);
    EXPECT_NE(broken(sound, [](Table& t) { t.RaisedSuit = kSpades; }).find("raised"),
              std::string::npos);
}

} // namespace
} // namespace kolvar::testing
