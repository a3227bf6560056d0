// The fuzz harness itself: what each opcode decodes to, that short inputs
// are still valid, that the player hands events to the rules as the window
// would, and that its check does catch a broken table.
#include "event_decoder.h"
#include "event_player.h"
#include "run_input.h"

#include "game/notation.h"
#include "game/timing.h"
#include "human/table_keys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace kolvar::fuzz {
namespace {

std::vector<Event> decode(const std::vector<uint8_t>& bytes)
{
    EventDecoder d(bytes.data(), bytes.size());
    std::vector<Event> out;
    Event e;
    while (d.next(e))
        out.push_back(e);
    return out;
}

Event only(const std::vector<uint8_t>& bytes)
{
    const auto events = decode(bytes);
    EXPECT_EQ(events.size(), 1u);
    return events.empty() ? Event{} : events.front();
}

TEST(EventDecoder, AnEmptyInputHasNoEvents)
{
    EXPECT_TRUE(decode({}).empty());
}

TEST(EventDecoder, TicksComeAtTheTimersPaceOrAfterAnyWait)
{
    EXPECT_EQ(only({0x03}).ms, 50u);
    EXPECT_EQ(only({0x06, 51}).ms, 1020u);
    EXPECT_EQ(only({0x07, 0xff, 0xff, 0xff, 0xff}).ms, 0xffffffffu);
    EXPECT_EQ(only({0x07, 0x01}).kind, EventKind::Tick);
    EXPECT_EQ(only({0x08}).ms, kComputerPauseMs + 1);
}

TEST(EventDecoder, ClicksCarryTheirTargetAndOffsets)
{
    const Event card = only({0x0a, 3, 9, 200});
    EXPECT_EQ(card.kind, EventKind::ClickCard);
    EXPECT_EQ(card.index, 3);
    EXPECT_EQ(card.dx, 9);
    EXPECT_EQ(card.dy, 200);
    EXPECT_EQ(only({0x0c, 1, 2}).kind, EventKind::ClickStock);
    const Event anywhere = only({0x0d, 0x00, 0x00, 0x10, 0x00});
    EXPECT_EQ(anywhere.x, -100);
    EXPECT_EQ(anywhere.y, -84);
    const Event far = only({0x0e, 0xff, 0xff, 0xff, 0x7f, 0x00, 0x00, 0x00, 0x80});
    EXPECT_EQ(far.kind, EventKind::ClickFarOff);
    EXPECT_EQ(far.x, 2147483647);
    EXPECT_EQ(far.y, -2147483647 - 1);
}

TEST(EventDecoder, TheOtherEventsAndTheHighBitsOfTheOpcode)
{
    EXPECT_EQ(only({0x2f, 6}).index, 2);
    const Event deal = only({0x11, 1, 2, 0, 0, 7});
    EXPECT_EQ(deal.kind, EventKind::NewGame);
    EXPECT_EQ(deal.seed, 0x0201u);
    EXPECT_EQ(deal.index, 3);
    EXPECT_EQ(only({0xf2}).kind, EventKind::ToggleHumanFirst);
    EXPECT_EQ(only({0x13}).kind, EventKind::ToggleSound);
}

TEST(EventDecoder, PlayKeysAndTheMovesTheGameOffers)
{
    const Event left = only({0x14, 0});
    EXPECT_EQ(left.kind, EventKind::PlayKey);
    EXPECT_EQ(static_cast<TableKey>(left.index), TableKey::Previous);
    const Event digit = only({0x17, 6 + 7 * 2});
    EXPECT_EQ(static_cast<TableKey>(digit.index), TableKey::Suit);
    EXPECT_EQ(digit.suit, 2);
    const Event lay = only({0x18, 2 * 5 + 1});
    EXPECT_EQ(lay.kind, EventKind::LayLegal);
    EXPECT_EQ(lay.index, 5);
    EXPECT_TRUE(lay.byKeys);
    const Event take = only({0x1d, 0});
    EXPECT_EQ(take.kind, EventKind::Take);
    EXPECT_FALSE(take.byKeys);
}

TEST(EventDecoder, EveryKindOfEventHasAnOpcode)
{
    std::set<EventKind> kinds;
    std::set<int> keys;
    for (int op = 0; op < 256; ++op) {
        const Event e = decode({static_cast<uint8_t>(op), static_cast<uint8_t>(op)}).front();
        kinds.insert(e.kind);
        if (e.kind == EventKind::PlayKey)
            keys.insert(e.index);
    }
    EXPECT_EQ(kinds.size(), static_cast<size_t>(kEventKinds));
    EXPECT_EQ(keys.size(), static_cast<size_t>(kTableKeys));
}

TEST(EventDecoder, OperandsPastTheEndReadAsZero)
{
    const Event card = only({0x0a});
    EXPECT_EQ(card.kind, EventKind::ClickCard);
    EXPECT_EQ(card.index, 0);
    EXPECT_EQ(card.dx, 0);
}

// New game, diamonds named, a click in the middle of the stock.
const std::vector<uint8_t> kDealNameTake = {
    0x11, 1, 0, 0, 0, 0, 0x0f, 0, 0x0c, kOffsetBefore + 35, kOffsetBefore + 50};

// Plays the whole input; the player is left as the last event left it.
void playAll(EventDecoder& d, EventPlayer& s)
{
    Event e;
    while (d.next(e))
        s.apply(e);
}

TEST(EventPlayer, ANewGameASuitAndAClickOnTheStockTakeACard)
{
    EventDecoder d(kDealNameTake.data(), kDealNameTake.size());
    EventPlayer s(d);
    playAll(d, s);
    EXPECT_TRUE(s.table().GameInProgress);
    EXPECT_EQ(s.table().HumanCount, 6);
    EXPECT_TRUE(s.table().ComputerToMove);
    EXPECT_EQ(s.check(), "");
}

TEST(EventPlayer, TheComputerMovesOnATickMoreThanASecondLater)
{
    std::vector<uint8_t> bytes = kDealNameTake;
    bytes.insert(bytes.end(), {0x06, 40, 0x06, 11});
    EventDecoder d(bytes.data(), bytes.size());
    EventPlayer s(d);
    Event e;
    for (int n = 0; n < 4; ++n) {
        ASSERT_TRUE(d.next(e));
        s.apply(e);
    }
    EXPECT_TRUE(s.table().ComputerToMove); // 800 ms: not yet
    ASSERT_TRUE(d.next(e));
    s.apply(e);
    EXPECT_TRUE(!s.table().ComputerToMove || s.table().TopRank == kAce);
    EXPECT_EQ(s.check(), "");
}

TEST(EventPlayer, AMessageBoxTakesOneByteForTheTicksWhileItIsOpen)
{
    // No suit named yet: a click off the stock brings the reminder, which
    // takes the byte 5 (five ticks) before the next opcode, "switch who opens".
    const std::vector<uint8_t> bytes = {0x11, 1, 0, 0, 0, 0, 0x0d, 0, 0, 0, 0, 5, 0x12};
    EventDecoder d(bytes.data(), bytes.size());
    EventPlayer s(d);
    Event e;
    ASSERT_TRUE(d.next(e));
    s.apply(e);
    ASSERT_TRUE(d.next(e));
    const int32_t before = s.host().now;
    s.apply(e);
    EXPECT_EQ(s.host().now - before, 5 * 50);
    ASSERT_TRUE(d.next(e));
    EXPECT_EQ(e.kind, EventKind::ToggleHumanFirst);
}

TEST(EventPlayer, TheCheckNamesABrokenRule)
{
    auto played = [](auto breakIt) {
        EventDecoder d(kDealNameTake.data(), kDealNameTake.size());
        EventPlayer s(d);
        playAll(d, s);
        breakIt(s);
        return s.check();
    };
    EXPECT_NE(played([](EventPlayer& s) {
                  s.table().HumanHand[0].face() = s.table().HumanHand[1];
              }).find("more than one place"),
              std::string::npos);
    EXPECT_NE(played([](EventPlayer& s) { s.host().timerEnabled = false; }), "");
    EXPECT_EQ(played([](EventPlayer&) {}), "");
}

TEST(EventPlayer, TheCheckNamesAMoveStillRunning)
{
    EventDecoder d(kDealNameTake.data(), kDealNameTake.size());
    EventPlayer s(d);
    playAll(d, s);
    const MoveGuard running(s.host().moves);
    EXPECT_EQ(s.check(), "a move is still marked as running");
}

// The same game played twice, the human's moves once by mouse and once by
// keys: the k-th card the rules admit, the stock when none is, and the
// computer's turns between. Both must end on the same table.
std::string playedWith(bool byKeys)
{
    std::vector<uint8_t> bytes = {0x11, 7, 0, 0, 0, 0, 0x0f, 2};
    for (int turn = 0; turn < 12; ++turn) {
        bytes.insert(bytes.end(), {0x18, static_cast<uint8_t>(2 * turn + byKeys), 0x08, 0x08});
        bytes.insert(bytes.end(), {0x0f, static_cast<uint8_t>(turn % 4), 0x1d, byKeys, 0x08});
    }
    EventDecoder d(bytes.data(), bytes.size());
    EventPlayer s(d);
    playAll(d, s);
    EXPECT_EQ(s.check(), "");
    return FormatTable(s.table());
}

TEST(EventPlayer, TheKeysPlayTheGameTheMousePlays)
{
    const std::string byMouse = playedWith(false);
    EXPECT_EQ(playedWith(true), byMouse);
    EXPECT_NE(byMouse.find("played="), std::string::npos);
    EXPECT_EQ(byMouse.find("played=0 "), std::string::npos); // cards were laid
}

TEST(EventPlayer, ArrowKeysWalkTheSelectionAndAClickHidesIt)
{
    // New game, diamonds named, End, Left, Left: the selection on card 2.
    const std::vector<uint8_t> bytes = {0x11, 1, 0, 0, 0, 0, 0x0f, 0, 0x14, 3, 0x14, 0, 0x14, 0};
    EventDecoder d(bytes.data(), bytes.size());
    EventPlayer s(d);
    playAll(d, s);
    EXPECT_EQ(s.session().selection().index, 2);
    EXPECT_TRUE(s.session().selection().shown);
    Event click;
    click.kind = EventKind::ClickAnywhere;
    s.apply(click);
    EXPECT_FALSE(s.session().selection().shown);
    EXPECT_EQ(s.check(), "");
}

TEST(RunInput, ReportsNothingForASoundPlay)
{
    EXPECT_EQ(RunInput(kDealNameTake.data(), kDealNameTake.size()), "");
    EXPECT_EQ(RunInput(nullptr, 0), "");
}

} // namespace
} // namespace kolvar::fuzz
