// Plays the decoded events on one game, through the tests' Session: each
// event becomes a tick, a click, a suit button, a play key, a move the game
// offers, a new game or an option switched. A message box takes one more
// byte of the input for the number of timer ticks that run while it is
// open, as a real one runs the timer in its own event loop.
//
// Beside the session's own check it watches two promises that no single
// table shows: a play key that lays or takes does exactly what a click on
// the selected card or on the stock does from the same table, and a card
// the computer lays on the pile is one that the rules admit.
#pragma once

#include "event_decoder.h"

#include "session.h"

#include <string>

namespace kolvar::fuzz {

class EventPlayer {
public:
    explicit EventPlayer(EventDecoder& decoder);

    void apply(const Event& e);

    // Empty while the table is sound, the window agrees with it and the
    // promises above hold; otherwise the first thing found wrong.
    std::string check() const { return broken_.empty() ? session_.check() : broken_; }

    Table& table() { return session_.table(); }
    const Table& table() const { return session_.table(); }
    testing::FakeHost& host() { return session_.host(); }
    const testing::Session& session() const { return session_; }

private:
    void act(const Event& e);
    void clickCard(const Event& e);
    void newGame(uint32_t seed, int kind);
    void pressKey(int key, int suit);
    void layLegal(int k, bool byKeys);
    void take(bool byKeys);
    void compareKeyWithClick(const Event& e);
    void checkComputerLay(const Table& before);

    EventDecoder& decoder_;
    testing::Session session_;
    uint32_t random_ = 1;
    std::string broken_;
};

} // namespace kolvar::fuzz
