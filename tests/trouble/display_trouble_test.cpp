// The display: none named, one named that does not answer, and the X server
// or the Wayland compositor going away under a game in progress. Each ends
// the program with one line on standard error and a non-zero status, by
// itself: no abort, no core dump. The line for a display that goes away is
// Qt's own.
#include "game_run.h"
#include "weston.h"

#include <QFileInfo>
#include <algorithm>

namespace kolvar::e2e {
namespace {

TEST(NoDisplay, IsSaidInOneLineAndTheGameEnds)
{
    GameRun game(nullptr, {});
    ASSERT_TRUE(game.ended());
    EXPECT_FALSE(game.crashed());
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_EQ(game.errors(), "kolvar: no display to show the game on (DISPLAY is not set)\n");
}

// A display number that no X server on this machine has taken.
QString unusedDisplay()
{
    for (int n = 899;; --n)
        if (!QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
            return QString(":%1").arg(n);
}

struct DisplayNamed {
    const char* name;
    QString variable;
};

std::ostream& operator<<(std::ostream& out, const DisplayNamed& d)
{
    return out << d.variable.toStdString();
}

struct DisplayNotAnswering : ::testing::TestWithParam<DisplayNamed> {};

TEST_P(DisplayNotAnswering, IsSaidInOneLineAndTheGameEnds)
{
    GameRun game(nullptr, {{GetParam().variable}});
    ASSERT_TRUE(game.ended());
    EXPECT_FALSE(game.crashed()) << "it aborted";
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_EQ(game.errors(), "kolvar: no display to show the game on (cannot connect to " +
                                 GetParam().variable.toStdString() + ")\n");
}

INSTANTIATE_TEST_SUITE_P(Named, DisplayNotAnswering,
                         ::testing::Values(DisplayNamed{"X11", "DISPLAY=" + unusedDisplay()},
                                           DisplayNamed{"Wayland",
                                                        "WAYLAND_DISPLAY=kolvar-no-compositor"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The game, gone with its display: one line that names the window system,
// and nothing left in TMPDIR.
void expectEndedInOneLineNaming(GameRun& game, const char* windowSystem)
{
    ASSERT_TRUE(game.ended()) << "the game went on without its display";
    EXPECT_FALSE(game.crashed()) << "it aborted or crashed";
    EXPECT_NE(game.exitCode(), 0);
    const std::string said = game.errors();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(windowSystem), std::string::npos) << said;
    EXPECT_EQ(game.leftInTemp().join(' ').toStdString(), "");
}

// The X server ends under a game in progress, at the table or with a message
// box open (a nested event loop): the reminder to name the opening suit,
// which a card laid before it brings up.
struct XServerGoingAway : ::testing::TestWithParam<bool> {};

TEST_P(XServerGoingAway, EndsTheGameWithOneLineAndANonZeroStatus)
{
    auto display = std::make_unique<XDisplay>();
    ASSERT_TRUE(display->ok()) << "Xvfb did not start";
    GameRun game(display.get(), {});
    ASSERT_TRUE(game.windowUp());
    TableReader reader(KOLVAR_ASSETS);
    ASSERT_EQ(DealAndTake(*display, game.window(), reader), "");
    if (GetParam()) {
        display->key("F2", game.window());
        ASSERT_TRUE(WaitFor(
            [&] {
                const SeenTable seen = reader.read(display->screenshot());
                return seen.hand.size() == 5 && seen.raisedSuit == -1;
            },
            5000));
        display->key("Return", game.window());
        ASSERT_TRUE(WaitFor([&] { return !display->windows("^Kolvar$").isEmpty(); }, 3000));
    }
    display.reset();
    expectEndedInOneLineNaming(game, "X11");
}

INSTANTIATE_TEST_SUITE_P(Dealt, XServerGoingAway, ::testing::Values(false, true),
                         [](const auto& info) {
                             return std::string(info.param ? "WithAMessageBoxOpen" : "AtTheTable");
                         });

// Most of weston's output in the table's colour: the game's window is drawn.
bool showsTable(const QImage& output)
{
    int table = 0, all = 0;
    for (int y = 0; y < output.height(); y += 10)
        for (int x = 0; x < output.width(); x += 10, ++all)
            table += (output.pixel(x, y) & 0xffffff) == 0xFFC080;
    return all > 0 && table > all / 2;
}

TEST(WaylandCompositorGoingAway, EndsTheGameWithOneLineAndANonZeroStatus)
{
    auto weston = std::make_unique<Weston>();
    if (!weston->ok())
        GTEST_SKIP() << weston->failure().toStdString();
    GameRun game(nullptr, {weston->clientEnvironment() << "QT_QPA_PLATFORM=wayland"});
    ASSERT_TRUE(WaitFor([&] { return showsTable(weston->screenshot()); }, 20000))
        << "the table was not drawn: " << game.errors();
    weston.reset();
    expectEndedInOneLineNaming(game, "Wayland");
}

} // namespace
} // namespace kolvar::e2e
