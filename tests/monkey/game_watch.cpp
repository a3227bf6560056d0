// The watch on the game: starting it and waiting for its window and table,
// every line it prints, how it ends (and whether the monkey asked it to),
// whether its window is still there and still answers the window manager's
// ping, the window's new sizes, and the deals it shows.
#include "run.h"

#include <algorithm>
#include <poll.h>
#include <sstream>

namespace kolvar::monkey {
namespace {

std::string hex(unsigned long window)
{
    std::ostringstream out;
    out << "0x" << std::hex << window;
    return out.str();
}

} // namespace

void MonkeyRun::startGame()
{
    if (++games_ > 1)
        ++tally_.restarts;
    game_ = std::make_unique<GameProcess>(options_.game, gameEnvironment());
    if (!game_->started()) {
        fail("could not start " + options_.game);
        return;
    }
    const long pid = game_->pid();
    note("game started, pid " + std::to_string(pid));
    GameWindows windows;
    const bool shown = service(Clock::now() + milliseconds(kStartBoundMs), [&] {
        windows = GameWindows::Of(*x_, pid);
        return windows.table && x_->clientArea(windows.table);
    });
    if (!tally_.failure.empty() || !game_)
        return;
    if (!shown) {
        fail("the game's window did not show in " + std::to_string(kStartBoundMs / 1000) + " s");
        return;
    }
    window_ = windows.table;
    const bool measured = service(Clock::now() + milliseconds(kTableBoundMs), [&] {
        if (const std::optional<Box> area = x_->clientArea(window_))
            menuBar_ = MeasureMenuBar(*x_, *area);
        return menuBar_.has_value();
    });
    if (!tally_.failure.empty() || !game_)
        return;
    if (!measured) {
        fail("no table under a menu bar in the game's window");
        return;
    }
    liveness_ = std::make_unique<Liveness>(*x_, window_, options_.answerBoundMs);
    const Box area = x_->clientArea(window_).value_or(Box{});
    std::ostringstream shownAt;
    shownAt << "window " << hex(window_) << ", client " << area.width << "x" << area.height
            << " at " << area.x << "," << area.y << ", menu bar " << menuBar_->height
            << " high, File at " << menuBar_->fileX << ", Help at " << menuBar_->helpX;
    note(shownAt.str());
}

// The end of a run that passed: the game's window closed as its close button
// closes it (message boxes answered first: a window under a modal box
// refuses to close), and the game must exit cleanly, LeakSanitizer's pass
// included.
void MonkeyRun::closeGame()
{
    for (int round = 0; round < 3 && game_ && tally_.failure.empty(); ++round) {
        const GameWindows windows = GameWindows::Of(*x_, game_->pid());
        note("closing the game's window" +
             (windows.box ? ", after answering \"" + windows.boxTitle + "\"" : std::string()));
        if (windows.box) {
            std::vector<bool> inMenuBar;
            input_->send({Plain(Action::Answer)}, windows, std::nullopt, inMenuBar);
        }
        lastMayExit_ = Clock::now();
        input_->close(window_);
        service(Clock::now() + milliseconds(kExitBoundMs / 3), [&] { return !game_; });
    }
    if (game_ && tally_.failure.empty())
        fail("the game did not exit when its window was closed");
}

// Waits until `until` (or until `done` holds), watching the game all the
// while; false when it stopped for a failure or `done` never held.
bool MonkeyRun::service(Clock::time_point until, const std::function<bool()>& done)
{
    for (;;) {
        readOutput();
        checkEnding();
        const Clock::time_point now = Clock::now();
        if (badOutput_ && (!game_ || now - badSince_ > milliseconds(kMoreOutputMs)))
            fail(*badOutput_);
        if (liveness_ && !liveness_->poll(now))
            fail("the game's window left the window manager's ping unanswered for " +
                 std::to_string(liveness_->waitingMs(now) / 1000) + " s");
        if (!liveness_)
            x_->pongs(0); // nothing waits for them
        if (!tally_.failure.empty() || stopAsked)
            return false;
        if (now - lastWatch_ >= milliseconds(kWatchEveryMs)) {
            lastWatch_ = now;
            watch(now);
        }
        if (done && done())
            return true;
        if (now >= until)
            return !done;
        pollfd fds[2] = {{x_->fd(), POLLIN, 0}, {game_ ? game_->outputFd() : -1, POLLIN, 0}};
        const auto left = std::chrono::duration_cast<milliseconds>(until - now).count();
        poll(fds, 2, static_cast<int>(std::clamp<long long>(left, 1, 50)));
    }
}

void MonkeyRun::readOutput()
{
    if (!game_)
        return;
    for (const std::string& line : game_->lines()) {
        output_.push_back(line);
        if (output_.size() > kOutputKept)
            output_.pop_front();
        note("game: " + line);
        const Verdict v = Judge(line);
        // The first line of a report may be its rule of '='; the line that
        // names the sanitizer or the rule says more, and its account wins.
        const bool saysMore =
            !badOutput_ || (badVerdict_ == Verdict::Unexpected && v != Verdict::Unexpected);
        if (v == Verdict::Expected || !saysMore)
            continue;
        if (!badOutput_)
            badSince_ = Clock::now();
        badVerdict_ = v;
        badOutput_ = v == Verdict::Sanitizer    ? "a sanitizer's report: " + line
                     : v == Verdict::BrokenRule ? "the state checker stopped the game: " + line
                                                : "an unexpected line from the game: " + line;
    }
}

void MonkeyRun::checkEnding()
{
    if (!game_)
        return;
    const std::optional<Ending> end = game_->ending();
    if (!end)
        return;
    // What it printed last, to the end of its output.
    e2e::WaitFor(
        [&] {
            readOutput();
            return game_->outputFd() < 0;
        },
        2000, 20);
    note("game " + Describe(*end));
    dropLiveness();
    const bool asked = lastMayExit_ && Clock::now() - *lastMayExit_ < milliseconds(kAskedExitMs);
    if (badOutput_)
        fail(*badOutput_ + " (the game " + Describe(*end) + ")");
    else if (!end->clean())
        fail("the game " + Describe(*end));
    else if (!asked)
        fail("the game exited (status 0) though nothing asked it to");
    game_.reset();
    window_ = 0;
    client_.reset();
    windowGone_.reset();
    deal_.reset();
    menuBar_.reset();
}

// Every tenth of a second: the window's size, whether it is still there,
// and whether the deal asked for shows.
void MonkeyRun::watch(Clock::time_point now)
{
    if (!game_ || !window_)
        return;
    const std::optional<Box> area = x_->clientArea(window_);
    if (!area) {
        dropLiveness();
        if (!windowGone_)
            windowGone_ = now;
        else if (now - *windowGone_ > milliseconds(options_.answerBoundMs))
            fail("the game's window went away and the game did not exit in " +
                 std::to_string(options_.answerBoundMs / 1000) + " s");
        return;
    }
    windowGone_.reset();
    if (!liveness_)
        liveness_ = std::make_unique<Liveness>(*x_, window_, options_.answerBoundMs);
    // Counted from the game's first event on: a window that opens maximized
    // may be seen at its first size before that.
    if (client_) {
        if (area->width != client_->width || area->height != client_->height)
            ++tally_.resizes;
        client_ = area;
    }
    watchDeal(now, *area);
}

void MonkeyRun::watchDeal(Clock::time_point now, const Box& area)
{
    if (!deal_ || !menuBar_)
        return;
    const TableSpots spots(area, *menuBar_);
    if (now > deal_->until) {
        deal_.reset();
    } else if (spots.humanCards(*x_) == 5 && spots.computerCards(*x_) == 5 &&
               spots.humanRowPrint(*x_) != deal_->rowBefore) {
        ++tally_.deals;
        deal_.reset();
    }
}

void MonkeyRun::dropLiveness()
{
    if (liveness_)
        pings_ += liveness_->answered();
    liveness_.reset();
}

} // namespace kolvar::monkey
