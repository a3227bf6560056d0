// One game session driven by decoded events: the table, the options and the
// FakeHost as the window, started as the main window starts them. Each event
// goes to the rules through the entry point the window would call; a message
// box that opens meanwhile stays open for a number of timer ticks that the
// input chooses, as a real one runs the timer in its own event loop.
#pragma once

#include "event_decoder.h"

#include "fake_host.h"
#include "game/options.h"
#include "game/table.h"

#include <string>

namespace kolvar::fuzz {

// The client area the session lays the table out on.
inline constexpr int kClientWidth = 1000;
inline constexpr int kClientHeight = 700;

class Session {
public:
    explicit Session(EventDecoder& decoder);

    void apply(const Event& e);

    // Empty while the table is sound and the window agrees with it;
    // otherwise the first thing found wrong.
    std::string check() const;

    Table& table() { return t_; }
    const Table& table() const { return t_; }
    testing::FakeHost& host() { return host_; }

private:
    void tick(uint32_t ms);
    void click(float x, float y);
    void newGame(uint32_t seed, int kind);
    void whileMessageOpen();

    EventDecoder& decoder_;
    Table t_;
    Options options_;
    testing::FakeHost host_;
    uint32_t random_ = 1;
    int messageDepth_ = 0;
};

} // namespace kolvar::fuzz
