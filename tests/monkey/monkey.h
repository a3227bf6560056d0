// The monkey: the real game on a desktop of its own (Xvfb, xfwm4 and a
// panel), its state checker on, sent seeded random input for a while, and
// watched all the time: how it ends, every line it prints, and whether its
// window still answers the window manager. It fails on the first fault and
// says which, with the seed and the last events; the log holds every event,
// one line each, and replays.
#pragma once

#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kolvar::monkey {

struct MonkeyOptions {
    std::string game;             // the program
    std::optional<uint64_t> seed; // from the clock when not given
    std::string replay;           // a log whose events are sent instead, to its end
    double seconds = 60;          // how long the seed's events are sent
    long maxEvents = -1;          // or stop after this many (-1: no limit)
    std::string logDir = ".";
    QSize screen{1920, 1080};
    // More for the game's environment, "NAME=value" each.
    std::vector<std::string> gameEnvironment;
    int answerBoundMs = 10000; // how long the window may leave a ping unanswered
    bool quiet = false;        // no progress lines, the summary only
};

struct MonkeyTally {
    uint64_t seed = 0;
    long events = 0;
    long deals = 0;    // F2 or Joc Nou followed by a freshly dealt table
    long resizes = 0;  // the client area seen at a new size
    long restarts = 0; // games started again after an exit
    double seconds = 0;
    std::string failure; // empty when the run passed
    std::string logPath;

    std::string summary() const;
};

// Runs the monkey; the summary line goes to standard output, a failure's
// account to standard error and the log.
MonkeyTally RunMonkey(const MonkeyOptions& options);

// Asks a running monkey to stop after the event it is sending (SIGINT).
void StopMonkey();

} // namespace kolvar::monkey
