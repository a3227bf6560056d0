// Whether the game still answers, asked the way a window manager asks: a
// _NET_WM_PING client message to its window, which Qt answers from the UI
// thread's event loop by sending the message back to the root window. A game
// stuck in a loop, deadlocked or stopped does not answer; one that is busy
// drawing or has a message box open does, as soon as its loop runs. The
// window manager gives up on a window after a few seconds and offers to kill
// it; the monkey gives it `boundMs`.
#pragma once

#include "x_client.h"

#include <chrono>
#include <cstdint>

namespace kolvar::monkey {

class Liveness {
public:
    using Clock = std::chrono::steady_clock;

    Liveness(XClient& x, unsigned long window, int boundMs, int intervalMs = 1000);

    // Reads the answers that came, and pings again once the last ping was
    // answered `intervalMs` ago. False when a ping has gone unanswered for
    // longer than the bound.
    bool poll(Clock::time_point now = Clock::now());
    // How long the ping now waiting has waited; 0 when none waits.
    int waitingMs(Clock::time_point now = Clock::now()) const;
    long answered() const { return answered_; }

private:
    XClient& x_;
    unsigned long window_;
    int boundMs_;
    int intervalMs_;
    uint32_t stamp_ = 0;
    bool waiting_ = false;
    Clock::time_point sent_{};
    Clock::time_point lastAnswer_{};
    long answered_ = 0;
};

} // namespace kolvar::monkey
