// Plays the decoded events on one game, through the tests' Session: each
// event becomes a tick, a click, a suit button, a new game or an option
// switched. A message box takes one more byte of the input for the number of
// timer ticks that run while it is open, as a real one runs the timer in its
// own event loop.
#pragma once

#include "event_decoder.h"

#include "session.h"

#include <string>

namespace kolvar::fuzz {

class EventPlayer {
public:
    explicit EventPlayer(EventDecoder& decoder);

    void apply(const Event& e);

    // Empty while the table is sound and the window agrees with it;
    // otherwise the first thing found wrong.
    std::string check() const { return session_.check(); }

    Table& table() { return session_.table(); }
    const Table& table() const { return session_.table(); }
    testing::FakeHost& host() { return session_.host(); }

private:
    void clickCard(const Event& e);
    void newGame(uint32_t seed, int kind);

    EventDecoder& decoder_;
    testing::Session session_;
    uint32_t random_ = 1;
};

} // namespace kolvar::fuzz
