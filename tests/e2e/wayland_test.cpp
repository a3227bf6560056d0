// The game as a Wayland client of weston, headless: it must come up and draw
// its table on the compositor's output, show a dealt table as the generator's
// art, and close through its own menu with exit status 0 and nothing on its
// error output. Weston's headless output has no seat, so the menu is reached
// through the desktop's accessibility (AT-SPI), the way a screen reader's
// user chooses an item; the output is read with weston's screenshooter.
// Without weston or Qt's Wayland plugin the tests are skipped.
#include "table_reader.h"
#include "weston.h"
#include "x_display.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace kolvar::e2e {
namespace {

constexpr QRgb kTableRgb = 0xFFC080;

// The game in a D-Bus session of its own whose accessibility bus is up
// before it starts, as on a desktop with a screen reader: Qt's bridge to
// AT-SPI switches on only when it finds that bus.
class WaylandGame {
public:
    explicit WaylandGame(const Weston& weston)
    {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QByteArray address;
        WaitFor(
            [&] {
                bus_.waitForReadyRead(100);
                address += bus_.readAllStandardOutput();
                return address.contains('\n') || bus_.state() == QProcess::NotRunning;
            },
            10000);
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromLocal8Bit(address.trimmed()));
        for (const QString& variable : weston.clientEnvironment())
            env_.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QProcess a11y;
        a11y.setProcessEnvironment(env_);
        a11y.start("dbus-send", {"--session", "--print-reply", "--dest=org.a11y.Bus",
                                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"});
        if (!a11y.waitForFinished(10000) || a11y.exitCode() != 0)
            return;

        QProcessEnvironment gameEnv = env_;
        gameEnv.insert("QT_QPA_PLATFORM", "wayland");
        gameEnv.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        gameEnv.insert("HOME", home_.path());
        for (const char* unset : {"DISPLAY", "QT_SCALE_FACTOR", "KOLVAR_ZOOM"})
            gameEnv.remove(unset);
        game_.setProcessEnvironment(gameEnv);
        game_.start(KOLVAR_BINARY, {});
        game_.waitForStarted(5000);
    }
    ~WaylandGame()
    {
        for (QProcess* p : {&game_, &bus_})
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
    }

    bool started() const { return game_.state() == QProcess::Running; }
    QProcess& process() { return game_; }
    // Carries out a menu item's action ("Joc Nou", "Exit") through AT-SPI.
    bool press(const QString& item)
    {
        QProcess chooser;
        chooser.setProcessEnvironment(env_);
        chooser.setProcessChannelMode(QProcess::ForwardedChannels);
        chooser.start("/usr/bin/python3",
                      {KOLVAR_ATSPI_PRESS, QString::number(game_.processId()), item});
        return chooser.waitForFinished(30000) && chooser.exitCode() == 0;
    }

private:
    QTemporaryDir home_;
    QProcess bus_;
    QProcess game_;
    QProcessEnvironment env_;
};

// The table on the output: the first row with 500 pixels of table colour
// side by side, and the rows below it that are table colour at both its ends.
// The smallest table the window makes is 500 x 325.
QRect tableOn(const QImage& shot)
{
    for (int y = 0; y < shot.height(); ++y) {
        int run = 0;
        for (int x = 0; x < shot.width(); ++x) {
            run = (shot.pixel(x, y) & 0xFFFFFF) == kTableRgb ? run + 1 : 0;
            if (run < 500 ||
                (x + 1 < shot.width() && (shot.pixel(x + 1, y) & 0xFFFFFF) == kTableRgb))
                continue;
            const int left = x + 1 - run;
            int h = 0;
            while (y + h < shot.height() && (shot.pixel(left, y + h) & 0xFFFFFF) == kTableRgb &&
                   (shot.pixel(x, y + h) & 0xFFFFFF) == kTableRgb)
                ++h;
            if (h >= 325)
                return QRect(left, y, run, h);
        }
    }
    return {};
}

struct OnWeston : ::testing::Test {
    void SetUp() override
    {
        const QString plugin =
            QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so";
        if (QStandardPaths::findExecutable("weston").isEmpty() || !QFileInfo::exists(plugin))
            GTEST_SKIP() << "weston or Qt's Wayland plugin (qt6-wayland) is not installed";
        weston = std::make_unique<Weston>();
        ASSERT_TRUE(weston->ok()) << weston->failure().toStdString();
        game = std::make_unique<WaylandGame>(*weston);
        ASSERT_TRUE(game->started()) << "the game did not start";
    }

    // Waits until the output shows the game's table.
    bool tableShown()
    {
        return WaitFor(
                   [&] {
                       shot = weston->screenshot();
                       return !tableOn(shot).isEmpty() ||
                              game->process().state() != QProcess::Running;
                   },
                   20000, 200) &&
               game->process().state() == QProcess::Running;
    }

    // Chooses Exit and expects the program to end as a closed program does.
    void exitCleanly()
    {
        ASSERT_TRUE(game->press("Exit")) << "no Exit in the game's accessible menu";
        ASSERT_TRUE(game->process().waitForFinished(5000)) << "Exit did not end the game";
        EXPECT_EQ(game->process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game->process().exitCode(), 0);
        EXPECT_EQ(game->process().readAllStandardError().toStdString(), "");
    }

    std::unique_ptr<Weston> weston;
    std::unique_ptr<WaylandGame> game;
    QImage shot;
};

TEST_F(OnWeston, TheGameComesUpShowsItsTableAndExitsWithStatusZeroSilently)
{
    ASSERT_TRUE(tableShown()) << "no table on the output";
    exitCleanly();
}

TEST_F(OnWeston, TheDealtTableFitsTheOutputAndReadsAsTheGeneratorsArt)
{
    ASSERT_TRUE(tableShown()) << "no table on the output";
    ASSERT_TRUE(game->press("Joc Nou"));
    TableReader reader(KOLVAR_ASSETS);
    SeenTable seen;
    const bool dealt = WaitFor(
        [&] {
            shot = weston->screenshot();
            const QRect table = tableOn(shot);
            seen = reader.locate(shot, table) ? reader.read(shot) : SeenTable{};
            return seen.hand.size() == 5 && seen.handWhole && seen.computerCards == 5;
        },
        10000, 200);
    QDir().mkpath(KOLVAR_SCREENSHOTS);
    shot.save(KOLVAR_SCREENSHOTS "/wayland-1280x800.png");
    EXPECT_TRUE(dealt) << "the dealt table did not read at zoom " << reader.scale().zoom
                       << " in the table found at " << reader.table().x() << ","
                       << reader.table().y() << " " << reader.table().width() << "x"
                       << reader.table().height();
    exitCleanly();
}

} // namespace
} // namespace kolvar::e2e
