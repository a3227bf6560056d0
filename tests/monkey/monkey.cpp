// A monkey run's frame: the desktop and the game's private home and D-Bus
// session, the events in their order (a burst's together) at their pace,
// each sent and logged, the game's environment, and the account at the end.
#include "run.h"

#include <QDir>
#include <QProcessEnvironment>
#include <algorithm>
#include <iostream>
#include <sstream>

namespace kolvar::monkey {
namespace {

bool isDeal(const Event& e)
{
    return (e.action == Action::Key && e.key == "F2") ||
           (e.action == Action::Menu && e.item == "JocNou");
}

uint64_t clockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
               std::chrono::duration_cast<std::chrono::microseconds>(now).count()) %
           1000000000u;
}

} // namespace

MonkeyRun::~MonkeyRun()
{
    game_.reset();
    if (bus_.state() != QProcess::NotRunning) {
        bus_.terminate();
        bus_.waitForFinished(3000);
    }
}

MonkeyTally MonkeyRun::go()
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

bool MonkeyRun::openSource()
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
bool MonkeyRun::setUpDesktop()
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
void MonkeyRun::loop()
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

void MonkeyRun::send(const std::vector<Event>& group)
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
std::vector<std::string> MonkeyRun::gameEnvironment() const
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

void MonkeyRun::fail(const std::string& reason)
{
    if (tally_.failure.empty())
        tally_.failure = reason;
}

void MonkeyRun::note(const std::string& text)
{
    char at[32];
    std::snprintf(at, sizeof at, "# %9.3f ", elapsed());
    if (log_.is_open())
        log_ << at << text << "\n";
}

void MonkeyRun::say(const std::string& text) const
{
    if (!options_.quiet)
        std::cout << "monkey: " << text << std::endl;
}

double MonkeyRun::elapsed() const
{
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

// A failure's account, on standard error and in the log: what failed, how to
// send the same events again, the last events and what the game printed.
void MonkeyRun::report()
{
    tally_.seconds = elapsed();
    if (!tally_.failure.empty()) {
        std::ostringstream account;
        account << "monkey: FAILED: " << tally_.failure << "\n"
                << "monkey: seed " << tally_.seed << ", " << tally_.events << " events, "
                << static_cast<int>(tally_.seconds) << " s; log " << tally_.logPath << "\n"
                << "monkey: the same events again: make monkey SEED=" << tally_.seed
                << " SECONDS=" << static_cast<int>(tally_.seconds) + 1
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
    return MonkeyRun(options).go();
}

void StopMonkey()
{
    stopAsked = true;
}

} // namespace kolvar::monkey
