// A monkey run: the desktop, the game started (and started again after each
// exit the monkey asked for), the events sent at their pace, and between
// them the watch: every line the game prints, how it ends, whether its
// window answers the window manager's ping, whether it went away, and the
// counts of the summary (the client area's new sizes, the deals seen).
#include "monkey.h"

#include "desktop.h"
#include "events.h"
#include "game_process.h"
#include "input.h"
#include "liveness.h"
#include "table_spots.h"
#include "x_client.h"
#include "x_display.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <deque>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <poll.h>
#include <sstream>

namespace kolvar::monkey {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

std::atomic<bool> stopAsked{false};

constexpr int kStartBoundMs = 60000; // the sanitizers' build starts slowly
constexpr int kTableBoundMs = 20000; // from the window to its first table
constexpr int kExitBoundMs = 20000;  // an exit, LeakSanitizer's pass included
constexpr int kAskedExitMs = 20000;  // how long after an F4 an exit counts as asked for
constexpr int kDealBoundMs = 3000;   // from an F2 to the dealt table on screen
constexpr int kWatchEveryMs = 100;   // the window's size, its being there, the deal
constexpr int kMoreOutputMs = 5000;  // a report's further lines gathered after its first
constexpr size_t kRecentEvents = 20; // in a failure's account
constexpr size_t kOutputKept = 400;  // the game's lines kept for the account

bool isDeal(const Event& e)
{
    return (e.action == Action::Key && e.key == "F2") ||
           (e.action == Action::Menu && e.item == "JocNou");
}

std::string hex(unsigned long window)
{
    std::ostringstream out;
    out << "0x" << std::hex << window;
    return out.str();
}

uint64_t clockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
               std::chrono::duration_cast<std::chrono::microseconds>(now).count()) %
           1000000000u;
}

class Run {
public:
    explicit Run(const MonkeyOptions& options) : options_(options) {}
    ~Run();
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

Run::~Run()
{
    game_.reset();
    if (bus_.state() != QProcess::NotRunning) {
        bus_.terminate();
        bus_.waitForFinished(3000);
    }
}

MonkeyTally Run::go()
{
    if (openSource() && setUpDesktop()) {
        loop();
        if (tally_.failure.empty() && !stopAsked)
            closeGame();
    }
    if (game_)
        game_->kill();
    report();
    return tally_;
}

bool Run::openSource()
{
    if (!options_.replay.empty()) {
        std::ifstream in(options_.replay);
        auto replayed = std::make_unique<ReplayedEvents>(in);
        tally_.seed = replayed->seed().value_or(0);
        const bool any = replayed->size() > 0;
        source_ = std::move(replayed);
        if (!any) {
            tally_.failure = "no events to replay in " + options_.replay;
            return false;
        }
    } else {
        tally_.seed = options_.seed.value_or(clockSeed());
        source_ = std::make_unique<SeededEvents>(tally_.seed);
    }
    QDir().mkpath(QString::fromStdString(options_.logDir));
    tally_.logPath = options_.logDir + "/monkey-" + std::to_string(tally_.seed) +
                     (options_.replay.empty() ? "" : "-replay") + ".log";
    log_.open(tally_.logPath);
    log_ << "# kolvar monkey, seed " << tally_.seed << "\n"
         << "# game " << options_.game << ", screen " << options_.screen.width() << "x"
         << options_.screen.height() << ", KOLVAR_CHECK=1\n"
         << "# the game shuffles from its clock: a replay sends the same events, not the "
            "same deals\n";
    if (!options_.replay.empty())
        log_ << "# replaying " << options_.replay << "\n";
    say("seed " + std::to_string(tally_.seed) + ", log " + tally_.logPath);
    return true;
}

// The desktop, the monkey's own X connection, and the game's private home
// and D-Bus session.
bool Run::setUpDesktop()
{
    // xfwm4 now and then does not come up on a busy machine; a second
    // desktop, on a display of its own, does.
    for (int attempt = 0; attempt < 2; ++attempt) {
        desktop_.reset();
        display_ = std::make_unique<e2e::XDisplay>(options_.screen);
        if (!display_->ok())
            continue;
        desktop_ = std::make_unique<e2e::Desktop>(*display_);
        if (desktop_->ok())
            break;
        note("no desktop: " + desktop_->failure().toStdString());
    }
    if (!desktop_ || !desktop_->ok()) {
        fail("no desktop: " +
             (desktop_ ? desktop_->failure().toStdString() : "Xvfb did not start"));
        return false;
    }
    x_ = std::make_unique<XClient>(display_->name().toStdString());
    input_ = std::make_unique<Input>(*display_, *x_);
    bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QByteArray address;
    e2e::WaitFor(
        [&] {
            bus_.waitForReadyRead(100);
            address += bus_.readAllStandardOutput();
            return address.contains('\n') || bus_.state() == QProcess::NotRunning;
        },
        10000);
    busAddress_ = QString::fromLocal8Bit(address.trimmed());
    const bool homes =
        QDir(home_.path()).mkpath("home") && QDir(home_.path()).mkpath("runtime") &&
        QFile::setPermissions(home_.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!x_->ok() || busAddress_.isEmpty() || !homes) {
        fail("no X connection, D-Bus session or home for the game");
        return false;
    }
    note("desktop on " + display_->name().toStdString());
    return true;
}

// The events in their order, a burst's quick events together; the game
// started again before the next event when the last one exited.
void Run::loop()
{
    std::optional<Event> next = source_->next();
    const bool replaying = !options_.replay.empty();
    while (next && tally_.failure.empty() && !stopAsked) {
        if (!replaying && elapsed() >= options_.seconds)
            break;
        if (options_.maxEvents >= 0 && tally_.events >= options_.maxEvents)
            break;
        std::vector<Event> group = {*next};
        next = source_->next();
        while (next && IsQuick(group.front()) && IsQuick(*next) && next->delayMs <= kBurstStepMs) {
            group.push_back(*next);
            next = source_->next();
        }
        if (!game_)
            startGame();
        if (tally_.failure.empty())
            service(Clock::now() + milliseconds(group.front().delayMs));
        if (!tally_.failure.empty() || stopAsked)
            break;
        if (!game_)
            startGame();
        if (tally_.failure.empty())
            send(group);
    }
    if (tally_.failure.empty())
        service(Clock::now() + milliseconds(500));
}

void Run::startGame()
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
void Run::closeGame()
{
    for (int round = 0; round < 3 && game_ && tally_.failure.empty(); ++round) {
        const GameWindows windows = GameWindows::Of(*x_, game_->pid());
        note("closing the game's window" +
             (windows.box ? ", after answering \"" + windows.boxTitle + "\"" : std::string()));
        if (windows.box) {
            Event answer;
            answer.action = Action::Answer;
            std::vector<bool> inMenuBar;
            input_->send({answer}, windows, std::nullopt, inMenuBar);
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
bool Run::service(Clock::time_point until, const std::function<bool()>& done)
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

void Run::readOutput()
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

void Run::checkEnding()
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
void Run::watch(Clock::time_point now)
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

void Run::watchDeal(Clock::time_point now, const Box& area)
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

void Run::send(const std::vector<Event>& group)
{
    const GameWindows windows = GameWindows::Of(*x_, game_->pid());
    std::optional<TableSpots> spots;
    const std::optional<Box> area =
        windows.table && menuBar_ ? x_->clientArea(windows.table) : std::nullopt;
    if (area)
        spots.emplace(*area, *menuBar_);
    if (area && !client_)
        client_ = area;
    const bool deals = std::any_of(group.begin(), group.end(), isDeal);
    const size_t rowBefore = spots && deals ? spots->humanRowPrint(*x_) : 0;
    const double at = elapsed();
    std::vector<bool> inMenuBar;
    const std::vector<std::string> met = input_->send(group, windows, spots, inMenuBar);
    const Clock::time_point now = Clock::now();
    for (size_t i = 0; i < group.size(); ++i) {
        const std::string line = LogLine(at, ++tally_.events, group[i], met[i]);
        log_ << line << "\n";
        recent_.push_back(line);
        if (recent_.size() > kRecentEvents)
            recent_.pop_front();
        if (MayExit(group[i], inMenuBar[i]))
            lastMayExit_ = now;
        if (isDeal(group[i]) && spots)
            deal_ = PendingDeal{now + milliseconds(kDealBoundMs), rowBefore};
    }
    log_.flush();
}

// The game's environment: the monkey's own, less what would change how the
// game runs, with a home, a runtime directory and a D-Bus session of its
// own, the state checker on and the sanitizers stopping at the first report
// (LeakSanitizer at exit).
std::vector<std::string> Run::gameEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys())
        if (name.startsWith("QT_") || name.startsWith("XDG_") || name.startsWith("KOLVAR_") ||
            name.endsWith("SAN_OPTIONS") || name == "SESSION_MANAGER" || name == "WAYLAND_DISPLAY")
            env.remove(name);
    env.insert("DISPLAY", display_->name());
    env.insert("HOME", home_.filePath("home"));
    env.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
    env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress_);
    env.insert("KOLVAR_CHECK", "1");
    env.insert("ASAN_OPTIONS", "halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1");
    env.insert("UBSAN_OPTIONS", "halt_on_error=1:print_stacktrace=1");
    for (const std::string& variable : options_.gameEnvironment) {
        const QString v = QString::fromStdString(variable);
        env.insert(v.section('=', 0, 0), v.section('=', 1));
    }
    std::vector<std::string> out;
    for (const QString& variable : env.toStringList())
        out.push_back(variable.toStdString());
    return out;
}

void Run::dropLiveness()
{
    if (liveness_)
        pings_ += liveness_->answered();
    liveness_.reset();
}

void Run::fail(const std::string& reason)
{
    if (tally_.failure.empty())
        tally_.failure = reason;
}

void Run::note(const std::string& text)
{
    char at[32];
    std::snprintf(at, sizeof at, "# %9.3f ", elapsed());
    if (log_.is_open())
        log_ << at << text << "\n";
}

void Run::say(const std::string& text) const
{
    if (!options_.quiet)
        std::cout << "monkey: " << text << std::endl;
}

double Run::elapsed() const
{
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

// A failure's account, on standard error and in the log: what failed, how to
// send the same events again, the last events and what the game printed.
void Run::report()
{
    tally_.seconds = elapsed();
    if (!tally_.failure.empty()) {
        std::ostringstream account;
        account << "monkey: FAILED: " << tally_.failure << "\n"
                << "monkey: seed " << tally_.seed << ", " << tally_.events << " events, "
                << static_cast<int>(tally_.seconds) << " s; log " << tally_.logPath << "\n"
                << "monkey: the same events again: make monkey SEED=" << tally_.seed
                << "   or: make monkey REPLAY=" << tally_.logPath << "\n"
                << "monkey: the last events:\n";
        for (const std::string& line : recent_)
            account << "  " << line << "\n";
        if (!output_.empty()) {
            account << "monkey: what the game printed:\n";
            for (const std::string& line : output_)
                account << "  | " << line << "\n";
        }
        std::cerr << account.str();
        note("FAILED: " + tally_.failure);
    }
    dropLiveness();
    note("pings answered: " + std::to_string(pings_));
    note(tally_.summary());
    std::cout << tally_.summary() << std::endl;
}

} // namespace

std::string MonkeyTally::summary() const
{
    std::ostringstream out;
    out << "monkey: seed " << seed << " events " << events << " deals " << deals << " resizes "
        << resizes << " restarts " << restarts << " seconds " << static_cast<int>(seconds)
        << " result " << (failure.empty() ? "ok" : "FAILED");
    return out.str();
}

MonkeyTally RunMonkey(const MonkeyOptions& options)
{
    stopAsked = false;
    return Run(options).go();
}

void StopMonkey()
{
    stopAsked = true;
}

} // namespace kolvar::monkey
