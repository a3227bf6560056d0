// A monkey run from the inside, shared by its two halves: the run's frame
// (monkey.cpp: the desktop, the events in their order, the log and the
// account) and the watch on the game (game_watch.cpp: starting it, its
// output, its ending, its window and its answers to the window manager).
#pragma once

#include "desktop.h"
#include "events.h"
#include "game_process.h"
#include "input.h"
#include "liveness.h"
#include "monkey.h"
#include "table_spots.h"
#include "x_client.h"
#include "x_display.h"

#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kolvar::monkey {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

inline std::atomic<bool> stopAsked{false};

inline constexpr int kStartBoundMs = 60000; // the sanitizers' build starts slowly
inline constexpr int kTableBoundMs = 20000; // from the window to its first table
inline constexpr int kExitBoundMs = 20000;  // an exit, LeakSanitizer's pass included
inline constexpr int kAskedExitMs = 20000;  // how long after an F4 an exit counts as asked for
inline constexpr int kDealBoundMs = 3000;   // from an F2 to the dealt table on screen
inline constexpr int kWatchEveryMs = 100;   // the window's size, its being there, the deal
inline constexpr int kMoreOutputMs = 5000;  // a report's further lines gathered after its first
inline constexpr size_t kRecentEvents = 20; // in a failure's account
inline constexpr size_t kOutputKept = 400;  // the game's lines kept for the account

class MonkeyRun {
public:
    explicit MonkeyRun(const MonkeyOptions& options) : options_(options) {}
    ~MonkeyRun();
    MonkeyTally go();

private:
    bool openSource();
    bool setUpDesktop();
    void loop();
    void startGame();
    void closeGame();
    bool service(Clock::time_point until, const std::function<bool()>& done = {});
    void readOutput();
    void checkEnding();
    void watch(Clock::time_point now);
    void watchDeal(Clock::time_point now, const Box& area);
    void send(const std::vector<Event>& group);
    std::vector<std::string> gameEnvironment() const;
    void dropLiveness();
    void fail(const std::string& reason);
    void note(const std::string& text);
    void say(const std::string& text) const;
    double elapsed() const;
    void report();

    const MonkeyOptions& options_;
    MonkeyTally tally_;
    std::unique_ptr<EventSource> source_;
    std::ofstream log_;
    Clock::time_point start_ = Clock::now();

    std::unique_ptr<e2e::XDisplay> display_;
    std::unique_ptr<e2e::Desktop> desktop_;
    std::unique_ptr<XClient> x_;
    std::unique_ptr<Input> input_;
    QProcess bus_;
    QString busAddress_;
    QTemporaryDir home_;

    std::unique_ptr<GameProcess> game_;
    long games_ = 0;
    unsigned long window_ = 0;
    std::optional<MenuBar> menuBar_;
    std::unique_ptr<Liveness> liveness_;
    long pings_ = 0; // answered, by the games before this one's liveness
    std::optional<Box> client_;
    std::optional<Clock::time_point> windowGone_;
    Clock::time_point lastWatch_{};
    std::optional<Clock::time_point> lastMayExit_;
    struct PendingDeal {
        Clock::time_point until;
        size_t rowBefore;
    };
    std::optional<PendingDeal> deal_;
    std::optional<std::string> badOutput_;
    Verdict badVerdict_ = Verdict::Expected;
    Clock::time_point badSince_{};
    std::deque<std::string> recent_;
    std::deque<std::string> output_;
};

} // namespace kolvar::monkey
