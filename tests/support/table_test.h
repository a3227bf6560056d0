// The fixture of the rules' tests: a table written in the one-line notation,
// played against the fake host, with the player's clicks and the timer's
// ticks made as the window makes them.
#pragma once

#include "computer/computer_turn.h"
#include "fake_host.h"
#include "game/invariants.h"
#include "game/timing.h"
#include "table_text.h"
#include "test_client.h"

#include <gtest/gtest.h>

namespace kolvar::testing {

// The first tick count on which the computer is due, counted from the move
// that handed it the turn: strictly more than its pause.
inline constexpr uint32_t kJustPastThePause = kComputerPauseMs + 1;

struct TableTest : ::testing::Test {
    // The table of `line`, which must be sound.
    void play(std::string_view line)
    {
        t = TableFrom(line);
        ASSERT_EQ(CheckInvariants(t), "") << line;
    }
    void click(int x, int y) { ClickAt(t, host, x, y); }
    void clickCard(int i) { ClickCard(t, host, i); }
    void clickStock() { ClickStockMiddle(t, host); }
    // The timer's tick once the computer's pause is over: it moves then.
    void tickPastThePause()
    {
        host.now = static_cast<int32_t>(static_cast<uint32_t>(t.LastMoveTick) + kJustPastThePause);
        ComputerTick(t, host);
    }

    Table t;
    FakeHost host;
};

} // namespace kolvar::testing
