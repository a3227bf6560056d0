// The monkey's own tests, where a fault of the monkey would hide a fault of
// the game or send a replay astray: a seed gives the same events every time
// and its log gives them back; the stream holds every key the game knows,
// its bursts and its rare exits; the clicks land on the card, stock and
// buttons they name, at any size; the liveness probe reports a stopped game;
// a line the game should not print fails the run; and each way a game can
// go wrong, played by a stand-in, fails it with its own account.
#include "desktop_play.h"
#include "events.h"
#include "input.h"
#include "liveness.h"
#include "monkey.h"
#include "table_spots.h"
#include "x_client.h"

#include <QTemporaryDir>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace kolvar::monkey {

// An event in a failure's message as the log writes it.
void PrintTo(const Event& e, std::ostream* out)
{
    *out << "+" << e.delayMs << "ms " << Describe(e);
}

namespace {

std::vector<Event> firstEvents(uint64_t seed, int count)
{
    SeededEvents source(seed);
    std::vector<Event> out;
    for (int i = 0; i < count; ++i)
        out.push_back(*source.next());
    return out;
}

// --- The events --------------------------------------------------------------

TEST(MonkeyEvents, ASeedGivesTheSameEventsEveryTimeAndAnotherSeedOthers)
{
    const std::vector<Event> once = firstEvents(20240611, 5000);
    EXPECT_EQ(once, firstEvents(20240611, 5000));
    const std::vector<Event> other = firstEvents(20240612, 5000);
    EXPECT_NE(std::vector<Event>(once.begin(), once.begin() + 10),
              std::vector<Event>(other.begin(), other.begin() + 10));
}

// A log as a run writes it: its header, notes between the events (some with
// numbers in them), and after each event what it met.
TEST(MonkeyEvents, ALogGivesBackItsEventsInOrderWithTheirPausesAndItsSeed)
{
    const std::vector<Event> sent = firstEvents(99, 3000);
    std::stringstream log;
    log << "# kolvar monkey, seed 99\n# game build-asan/kolvar, screen 1920x1080\n";
    const char* met[] = {"812,960", "nothing: no such window", "focus on \"Kolvar Americana\"", ""};
    for (size_t i = 0; i < sent.size(); ++i) {
        log << LogLine(0.25 * static_cast<double>(i), static_cast<long>(i + 1), sent[i], met[i % 4])
            << "\n";
        if (i % 97 == 0)
            log << "#    12.345 game: 3 +12ms click hand 2 button 1\n";
    }
    ReplayedEvents replayed(log);
    EXPECT_EQ(replayed.seed(), 99u);
    std::vector<Event> back;
    while (const std::optional<Event> e = replayed.next())
        back.push_back(*e);
    EXPECT_EQ(back, sent);
}

TEST(MonkeyEvents, TheStreamHoldsEveryKeyOfTheGameTenEventBurstsAndRareExits)
{
    const std::vector<Event> events = firstEvents(5, 20000);
    std::set<std::string> keys;
    std::set<Action> actions;
    std::set<Spot> spots;
    std::map<int, int> burstLengths; // events after a burst's first, by count
    int exits = 0, run = 0;
    for (const Event& e : events) {
        actions.insert(e.action);
        if (e.action == Action::Key)
            keys.insert(e.key);
        if (e.action == Action::Click)
            spots.insert(e.spot);
        if ((e.action == Action::Key && (e.key == "F4" || e.key == "alt+F4")) ||
            (e.action == Action::Menu && e.item == "Exit"))
            ++exits;
        if (e.delayMs == kBurstStepMs) {
            EXPECT_TRUE(IsQuick(e)) << Describe(e);
            ++run;
        } else if (run > 0) {
            ++burstLengths[run];
            run = 0;
        }
    }
    for (const char* key : {"F1",   "F2",  "F3",     "F4",       "F11",    "Left", "Right",
                            "Home", "End", "Return", "KP_Enter", "space",  "Down", "t",
                            "1",    "2",   "3",      "4",        "Escape", "Tab",  "alt+F4"})
        EXPECT_TRUE(keys.count(key)) << "no " << key << " in 20000 events";
    EXPECT_EQ(actions.size(), 9u);
    EXPECT_EQ(spots.size(), 8u);
    // Nine 5 ms steps after the burst's first event: ten events in 45 ms.
    ASSERT_FALSE(burstLengths.empty());
    EXPECT_EQ(burstLengths.begin()->first, kBurstLength - 1);
    EXPECT_EQ(burstLengths.rbegin()->first, kBurstLength - 1);
    EXPECT_LE((kBurstLength - 1) * kBurstStepMs, kBurstSpanMs);
    EXPECT_GT(exits, 0);
    EXPECT_LT(exits, 20000 / 100) << "an exit in fewer than a hundred events is not rare";
}

// --- On a desktop: the spots, the menus and the probe ----------------------

struct OnTheMonkeysDesktop : e2e::OnADesktop {
    static void SetUpTestSuite() { startDesktop({1920, 1080}); }

    void SetUp() override
    {
        e2e::OnADesktop::SetUp();
        x = std::make_unique<XClient>(display->name().toStdString());
        ASSERT_TRUE(x->ok());
    }
    Box area() const
    {
        const QRect c = client();
        return {c.x(), c.y(), c.width(), c.height()};
    }
    void expectSpotsOn(const TableSpots& spots, const std::string& where);

    std::unique_ptr<XClient> x;
};

bool inside(QRect r, Point p)
{
    return r.contains(p.x, p.y);
}

// Each spot on the very thing the table reader finds there: a card of the
// hand in the strip of it that shows, the stock, the four buttons; and the
// cards each row shows counted as the reader counts them.
void OnTheMonkeysDesktop::expectSpotsOn(const TableSpots& spots, const std::string& where)
{
    EXPECT_EQ(spots.table().y, reader.table().top()) << where << ": the menu bar's height";
    for (int k = 0; k < static_cast<int>(seen.hand.size()); ++k) {
        const Point p = spots.hand(k);
        EXPECT_TRUE(inside(reader.handCardRect(k), p)) << where << ": hand " << k;
        if (k + 1 < static_cast<int>(seen.hand.size())) {
            EXPECT_FALSE(inside(reader.handCardRect(k + 1), p))
                << where << ": hand " << k << " lies under the next card";
        }
    }
    EXPECT_TRUE(inside(reader.stockRect(), spots.stock())) << where;
    EXPECT_TRUE(inside(reader.pileRect(), spots.pile())) << where;
    for (int s = 0; s < kSuitCount; ++s)
        EXPECT_TRUE(inside(seen.suitButtons[static_cast<size_t>(s)], spots.suit(s)))
            << where << ": suit button " << s;
    EXPECT_TRUE(lookUntil([&](const e2e::SeenTable& t) {
        return spots.humanCards(*x) == static_cast<int>(t.hand.size()) &&
               spots.computerCards(*x) == t.computerCards;
    })) << where
        << ": the monkey counts " << spots.humanCards(*x) << " and " << spots.computerCards(*x)
        << " cards, the reader " << seen.hand.size() << " and " << seen.computerCards;
}

TEST_F(OnTheMonkeysDesktop, ClicksLandOnTheCardStockAndButtonTheyNameAtEverySize)
{
    ASSERT_TRUE(
        desktop->waitForClient(window, [&](QRect) { return desktop->isMaximized(window); }));
    dealAndOpen();
    ASSERT_FALSE(HasFailure());
    const std::optional<MenuBar> bar = MeasureMenuBar(*x, area());
    ASSERT_TRUE(bar) << "no menu bar measured";
    expectSpotsOn(TableSpots(area(), *bar), "maximized");

    for (const QSize size : {QSize(1100, 750), QSize(640, 480)}) {
        const std::string where =
            std::to_string(size.width()) + "x" + std::to_string(size.height());
        desktop->setMaximized(window, false);
        ASSERT_TRUE(
            desktop->waitForClient(window, [&](QRect) { return !desktop->isMaximized(window); }));
        desktop->resize(window, size);
        ASSERT_TRUE(desktop->waitForClient(window, [&](QRect c) { return c.size() == size; }));
        dealAgainIfOver();
        ASSERT_TRUE(lookUntil([](const e2e::SeenTable& t) { return t.handWhole; })) << where;
        expectSpotsOn(TableSpots(area(), *bar), where);
    }
}

// The menus are opened where the measured titles are: Help's first item is
// the About box, its last the rules window.
TEST_F(OnTheMonkeysDesktop, AMenuEventOpensTheMenuItNamesAndChoosesItsItem)
{
    std::optional<MenuBar> bar;
    ASSERT_TRUE(e2e::WaitFor([&] { return (bar = MeasureMenuBar(*x, area())).has_value(); }, 5000));
    const long pid = game->process().processId();
    Input input(*display, *x);
    auto choose = [&](const char* menu, const char* item) {
        Event e;
        e.action = Action::Menu;
        e.menu = menu;
        e.item = item;
        std::vector<bool> inMenuBar;
        input.send({e}, GameWindows::Of(*x, pid), TableSpots(area(), *bar), inMenuBar);
    };
    choose("Help", "Despre");
    EXPECT_TRUE(
        e2e::WaitFor([&] { return GameWindows::Of(*x, pid).boxTitle == "Kolvar v.01"; }, 5000))
        << "Help > Despre showed no About box";
    answer("^Kolvar v.01$");
    choose("Help", "Reguli");
    EXPECT_TRUE(e2e::WaitFor([&] { return GameWindows::Of(*x, pid).rules != 0; }, 5000))
        << "Help > Reguli de joc showed no rules window";
}

TEST_F(OnTheMonkeysDesktop, AStoppedGameLeavesThePingUnansweredAndAnswersOnceContinued)
{
    Liveness probe(*x, window.toULong(), 1500, 100);
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            probe.poll();
            return probe.answered() >= 3;
        },
        10000, 20))
        << "the running game answered " << probe.answered() << " pings";

    const pid_t pid = static_cast<pid_t>(game->process().processId());
    ASSERT_EQ(kill(pid, SIGSTOP), 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !probe.poll(); }, 10000, 20))
        << "the stopped game seemed to answer";
    const long answered = probe.answered();
    ASSERT_EQ(kill(pid, SIGCONT), 0);
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            probe.poll();
            return probe.answered() > answered;
        },
        10000, 20))
        << "the game continued and answered no ping";
}

// --- Whole runs, on this build's game ---------------------------------------

MonkeyOptions shortRun(const QTemporaryDir& logs)
{
    MonkeyOptions options;
    options.game = KOLVAR_BINARY;
    options.seed = 424242;
    options.seconds = 120;
    options.logDir = logs.path().toStdString();
    options.quiet = true;
    return options;
}

std::vector<Event> eventsOf(const std::string& logPath)
{
    std::ifstream in(logPath);
    ReplayedEvents replayed(in);
    std::vector<Event> out;
    while (const std::optional<Event> e = replayed.next())
        out.push_back(*e);
    return out;
}

TEST(MonkeyRun, ARunsLogReplaysAsTheSameEvents)
{
    QTemporaryDir logs;
    MonkeyOptions options = shortRun(logs);
    options.maxEvents = 25;
    const MonkeyTally first = RunMonkey(options);
    ASSERT_EQ(first.failure, "");
    ASSERT_EQ(first.events, 25);

    MonkeyOptions again = shortRun(logs);
    again.replay = first.logPath;
    const MonkeyTally replayed = RunMonkey(again);
    EXPECT_EQ(replayed.failure, "");
    EXPECT_EQ(replayed.seed, first.seed);
    EXPECT_NE(replayed.logPath, first.logPath);
    EXPECT_EQ(eventsOf(replayed.logPath), eventsOf(first.logPath));
}

// Qt's plugin loader talks on standard error when asked to: lines a healthy
// game does not print.
TEST(MonkeyRun, ALineTheGameShouldNotPrintFailsTheRunAndIsNamed)
{
    QTemporaryDir logs;
    MonkeyOptions options = shortRun(logs);
    options.gameEnvironment = {"QT_DEBUG_PLUGINS=1"};
    const MonkeyTally tally = RunMonkey(options);
    EXPECT_NE(tally.failure.find("an unexpected line from the game: "), std::string::npos)
        << "the run ended: " << (tally.failure.empty() ? "passed" : tally.failure);
}

// --- What the monkey watches, on a stand-in that misbehaves ------------------

Event after(int delayMs, Event e)
{
    e.delayMs = delayMs;
    return e;
}

// Quiet events: clicks on the pile, a second and a half apart, none of which
// may end a game.
std::vector<Event> quiet(int count)
{
    return std::vector<Event>(static_cast<size_t>(count), after(1500, ClickOn(Spot::Pile)));
}

// A run that replays `events` to the game from a log written for it.
MonkeyTally replay(const std::string& game, const std::vector<Event>& events,
                   const std::vector<std::string>& environment, int answerBoundMs = 10000)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("events.log").toStdString();
    std::ofstream log(path);
    log << "# kolvar monkey, seed 7\n";
    for (size_t i = 0; i < events.size(); ++i)
        log << LogLine(0, static_cast<long>(i + 1), events[i], "") << "\n";
    log.close();
    MonkeyOptions options;
    options.game = game;
    options.replay = path;
    options.logDir = dir.path().toStdString();
    options.quiet = true;
    options.answerBoundMs = answerBoundMs;
    options.gameEnvironment = environment;
    return RunMonkey(options);
}

MonkeyTally standIn(const std::string& misbehaviour, int answerBoundMs = 10000)
{
    return replay(KOLVAR_STAND_IN, quiet(4), {"MONKEY_STAND_IN=" + misbehaviour}, answerBoundMs);
}

bool says(const MonkeyTally& tally, const std::string& part)
{
    return tally.failure.find(part) != std::string::npos;
}

TEST(MonkeyWatch, AGameThatBehavesPassesAndExitsWhenItsWindowIsClosed)
{
    const MonkeyTally tally = standIn("");
    EXPECT_EQ(tally.failure, "");
    EXPECT_EQ(tally.events, 4);
}

TEST(MonkeyWatch, ACrashFailsTheRunWithItsSignal)
{
    const MonkeyTally tally = standIn("crash");
    EXPECT_TRUE(says(tally, "the game killed by signal 6")) << tally.failure;
}

TEST(MonkeyWatch, AnExitWithAStatusOtherThanZeroFailsTheRun)
{
    const MonkeyTally tally = standIn("exit:3");
    EXPECT_TRUE(says(tally, "the game exited with status 3")) << tally.failure;
}

TEST(MonkeyWatch, AnExitThatNothingAskedForFailsTheRun)
{
    const MonkeyTally tally = standIn("exit:0");
    EXPECT_TRUE(says(tally, "exited (status 0) though nothing asked it to")) << tally.failure;
}

TEST(MonkeyWatch, AWindowThatStopsAnsweringThePingFailsTheRun)
{
    const MonkeyTally tally = standIn("hang", 2000);
    EXPECT_TRUE(says(tally, "left the window manager's ping unanswered")) << tally.failure;
}

TEST(MonkeyWatch, AWindowThatGoesAwayWhileTheGameRunsOnFailsTheRun)
{
    const MonkeyTally tally = standIn("close", 2000);
    EXPECT_TRUE(says(tally, "the game's window went away and the game did not exit"))
        << tally.failure;
}

TEST(MonkeyWatch, AnExitTheMonkeyAskedForStartsTheGameAgain)
{
    std::vector<Event> events = quiet(2);
    events.push_back(after(1500, MenuItem("File", "Exit")));
    events.push_back(after(3000, ClickOn(Spot::Pile)));
    const MonkeyTally tally = replay(KOLVAR_STAND_IN, events, {});
    EXPECT_EQ(tally.failure, "");
    EXPECT_EQ(tally.restarts, 1);
}

// Restored, resized twice and maximized again: four sizes, each counted once
// however long the window keeps it.
TEST(MonkeyWatch, EachNewSizeOfTheWindowCountsOnce)
{
    Event smaller = Plain(Action::Resize);
    smaller.width = 1100;
    smaller.height = 750;
    Event smallest = smaller;
    smallest.width = 800;
    smallest.height = 600;
    const MonkeyTally tally =
        replay(KOLVAR_STAND_IN,
               {after(500, Plain(Action::Restore)), after(1500, smaller), after(1500, smallest),
                after(1500, Plain(Action::Maximize)), after(1500, ClickOn(Spot::Pile))},
               {});
    EXPECT_EQ(tally.failure, "");
    EXPECT_EQ(tally.resizes, 4);
}

// Two deals asked for with F2 are two deals seen; the last event only gives
// the second one time to show.
TEST(MonkeyRun, TheDealsCountedAreTheDealsTheTableShows)
{
    const MonkeyTally tally =
        replay(KOLVAR_BINARY,
               {after(500, KeyTo("F2", Recipient::Table)),
                after(1500, KeyTo("F2", Recipient::Table)), after(1500, Plain(Action::Maximize))},
               {});
    EXPECT_EQ(tally.failure, "");
    EXPECT_EQ(tally.deals, 2);
}

} // namespace
} // namespace kolvar::monkey
