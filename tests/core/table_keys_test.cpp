// The play keys: each does exactly what the click it stands for does, from
// the same tables as the click tests; and the selection keeps to the hand.
#include "fake_host.h"
#include "game/suit_buttons.h"
#include "human/table_click.h"
#include "human/table_keys.h"
#include "table_text.h"

#include <set>

namespace kolvar::testing {
namespace {

// A table and what the window saw of it, after a click or after a key.
struct Played {
    Table t;
    FakeHost host;

    explicit Played(std::string_view line) : t(TableFrom(line)) {}
    std::string seen() const
    {
        std::string out = FormatTable(t);
        for (Notice m : host.messages)
            out += " | " + std::string(NoticeName(m));
        for (const std::string& cue : host.cues)
            out += " | " + cue;
        return out + " | redraws " + std::to_string(host.redraws);
    }
};

// The tables of the click tests: a legal lay, a refused card, a jack owed,
// the stock, no suit named, the computer to move, a game over.
const char* const kTables[] = {
    "human=8d,Qd,9s computer=Kc top=Kd prev=Ts played=2 raised=d",
    "human=Ks,Qh,9d,7c computer=Qc top=Kd raised=d",
    "human=Kd,9c,Jh computer=Qc top=Jd due=3/0 raised=d",
    "human=8d computer=Kc stock=9h,Qs,As,... top=Kh due=3/0 raised=h",
    "human=7d,8d computer=Kc pick=yes",
    "human=Kd,8c,7h computer=Qc top=Ks played=0 suit=c pick=yes raised=c",
    "human=Ad,Kd,9s computer=Kc top=Qd raised=d",
    "human=8d,9d computer=Kc top=Kd turn=computer raised=d",
    "human=Jd computer= top=Jc due=3/0 raised=c",
    "human=8d computer= top=Kd game=off raised=d",
    // Won by a seven: the suit is still open to be named.
    "human= computer=Kc top=7d game=off pick=yes",
};

TEST(TableKeys, EnterLaysTheSelectedCardExactlyAsAClickOnIt)
{
    for (const char* line : kTables) {
        const int cards = TableFrom(line).HumanCount;
        for (int i = 0; i < cards; ++i) {
            Played byClick(line), byKey(line);
            ClickCard(byClick.t, byClick.host, i);
            HandSelection selection{static_cast<int16_t>(i), true};
            PressTableKey(byKey.t, byKey.host, selection, TableKey::Lay);
            EXPECT_EQ(byKey.seen(), byClick.seen()) << line << ", card " << i;
        }
    }
}

TEST(TableKeys, DownTakesExactlyAsAClickOnTheStock)
{
    for (const char* line : kTables) {
        Played byClick(line), byKey(line);
        ClickStockMiddle(byClick.t, byClick.host);
        HandSelection selection{0, true};
        PressTableKey(byKey.t, byKey.host, selection, TableKey::Take);
        EXPECT_EQ(byKey.seen(), byClick.seen()) << line;
    }
}

TEST(TableKeys, DigitsPressTheSuitButtonsAsClicksDo)
{
    for (const char* line : kTables)
        for (int16_t s = 0; s < kSuitCount; ++s) {
            Played byClick(line), byKey(line);
            ClickSuitButton(byClick.t, byClick.host, s);
            HandSelection selection{0, true};
            PressTableKey(byKey.t, byKey.host, selection, TableKey::Suit, s);
            EXPECT_EQ(byKey.seen(), byClick.seen()) << line << ", suit " << s;
        }
}

TEST(TableKeys, OutsideAGameNoKeyButADigitDoesAnything)
{
    Played p("human=8d,9d computer= top=Kd game=off pick=yes");
    const std::string before = p.seen();
    HandSelection selection;
    for (TableKey key : {TableKey::Next, TableKey::Last, TableKey::Lay, TableKey::Take})
        PressTableKey(p.t, p.host, selection, key);
    EXPECT_EQ(p.seen(), before);
    EXPECT_EQ(selection.index, 0);
    EXPECT_FALSE(selection.shown);
}

TEST(TableKeys, TheSelectionMovesAlongTheHandAndStopsAtItsEnds)
{
    Played p("human=8d,9d,Td,Jd computer=Kc top=Kd raised=d");
    HandSelection selection;
    auto press = [&](TableKey key) {
        PressTableKey(p.t, p.host, selection, key);
        return selection.index;
    };
    EXPECT_EQ(press(TableKey::Previous), 0);
    EXPECT_TRUE(selection.shown);
    EXPECT_EQ(press(TableKey::Next), 1);
    EXPECT_EQ(press(TableKey::Last), 3);
    EXPECT_EQ(press(TableKey::Next), 3);
    EXPECT_EQ(press(TableKey::First), 0);
    EXPECT_EQ(p.host.redraws, 0); // no move: the window draws the outline
    EXPECT_EQ(HumanHandText(p.t), "8d,9d,Td,Jd");

    p.t.ComputerToMove = true; // the computer's turn: the selection stays
    EXPECT_EQ(press(TableKey::Last), 0);
}

TEST(TableKeys, AfterALayTheCardThatSlidIntoItsPlaceIsSelected)
{
    Played p("human=8d,Qd,9s computer=Kc top=Kd raised=d");
    HandSelection selection{1, true};
    PressTableKey(p.t, p.host, selection, TableKey::Lay); // the queen
    EXPECT_EQ(HumanHandText(p.t), "8d,9s");
    EXPECT_EQ(selection.index, 1); // the nine, slid left

    Played q("human=8d,Qd computer=Kc top=Kd raised=d");
    selection = {1, true};
    PressTableKey(q.t, q.host, selection, TableKey::Lay); // the last card
    EXPECT_EQ(HumanHandText(q.t), "8d");
    EXPECT_EQ(selection.index, 0);
}

TEST(TableKeys, AfterATakeTheSameCardStaysSelected)
{
    Played p("human=8d,9c computer=Kc stock=9h,Qs,... top=Kh due=2/0 raised=h");
    HandSelection selection{1, true};
    PressTableKey(p.t, p.host, selection, TableKey::Take);
    EXPECT_EQ(HumanHandText(p.t), "8d,9c,9h,Qs");
    EXPECT_EQ(selection.index, 1);
}

} // namespace
} // namespace kolvar::testing
