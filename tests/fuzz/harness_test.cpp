// The fuzz harness itself: what each opcode decodes to, that short inputs
// are still valid, that the player hands events to the rules as the window
// would, and that its check does catch a broken table.
#include "event_decoder.h"
#include "event_player.h"
#include "run_input.h"

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
    EXPECT_EQ(only({0x04, 51}).ms, 1020u);
    EXPECT_EQ(only({0x05, 0xff, 0xff, 0xff, 0xff}).ms, 0xffffffffu);
    EXPECT_EQ(only({0x05, 0x01}).kind, EventKind::Tick);
}

TEST(EventDecoder, ClicksCarryTheirTargetAndOffsets)
{
    const Event card = only({0x07, 3, 9, 200});
    EXPECT_EQ(card.kind, EventKind::ClickCard);
    EXPECT_EQ(card.index, 3);
    EXPECT_EQ(card.dx, 9);
    EXPECT_EQ(card.dy, 200);
    EXPECT_EQ(only({0x09, 1, 2}).kind, EventKind::ClickStock);
    const Event anywhere = only({0x0a, 0x00, 0x00, 0x10, 0x00});
    EXPECT_EQ(anywhere.x, -100);
    EXPECT_EQ(anywhere.y, -84);
    const Event far = only({0x0b, 0xff, 0xff, 0xff, 0x7f, 0x00, 0x00, 0x00, 0x80});
    EXPECT_EQ(far.kind, EventKind::ClickFarOff);
    EXPECT_EQ(far.x, 2147483647);
    EXPECT_EQ(far.y, -2147483647 - 1);
}

TEST(EventDecoder, TheOtherEventsAndTheHighBitsOfTheOpcode)
{
    EXPECT_EQ(only({0x1c, 6}).index, 2);
    const Event deal = only({0x0d, 1, 2, 0, 0, 7});
    EXPECT_EQ(deal.kind, EventKind::NewGame);
    EXPECT_EQ(deal.seed, 0x0201u);
    EXPECT_EQ(deal.index, 3);
    EXPECT_EQ(only({0xee}).kind, EventKind::ToggleHumanFirst);
    EXPECT_EQ(only({0x0f}).kind, EventKind::ToggleSound);
}

TEST(EventDecoder, EveryKindOfEventHasAnOpcode)
{
    std::set<EventKind> kinds;
    for (int op = 0; op < 256; ++op)
        kinds.insert(only({static_cast<uint8_t>(op)}).kind);
    EXPECT_EQ(kinds.size(), 9u);
}

TEST(EventDecoder, OperandsPastTheEndReadAsZero)
{
    const Event card = only({0x06});
    EXPECT_EQ(card.kind, EventKind::ClickCard);
    EXPECT_EQ(card.index, 0);
    EXPECT_EQ(card.dx, 0);
}

// New game, diamonds named, a click in the middle of the stock.
const std::vector<uint8_t> kDealNameTake = {
    0x0d, 1, 0, 0, 0, 0, 0x0c, 0, 0x09, kOffsetBefore + 35, kOffsetBefore + 50};

TEST(EventPlayer, ANewGameASuitAndAClickOnTheStockTakeACard)
{
    EventDecoder d(kDealNameTake.data(), kDealNameTake.size());
    EventPlayer s(d);
    Event e;
    while (d.next(e))
        s.apply(e);
    EXPECT_TRUE(s.table().GameInProgress);
    EXPECT_EQ(s.table().HumanCount, 6);
    EXPECT_TRUE(s.table().ComputerToMove);
    EXPECT_EQ(s.check(), "");
}

TEST(EventPlayer, TheComputerMovesOnATickMoreThanASecondLater)
{
    std::vector<uint8_t> bytes = kDealNameTake;
    bytes.insert(bytes.end(), {0x04, 40, 0x04, 11});
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
    const std::vector<uint8_t> bytes = {0x0d, 1, 0, 0, 0, 0, 0x0a, 0, 0, 0, 0, 5, 0x0e};
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
        Event e;
        while (d.next(e))
            s.apply(e);
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
    Event e;
    while (d.next(e))
        s.apply(e);
    const MoveGuard running(s.host().moves);
    EXPECT_EQ(s.check(), "a move is still marked as running");
}

TEST(RunInput, ReportsNothingForASoundPlay)
{
    EXPECT_EQ(RunInput(kDealNameTake.data(), kDealNameTake.size()), "");
    EXPECT_EQ(RunInput(nullptr, 0), "");
}

} // namespace
} // namespace kolvar::fuzz
