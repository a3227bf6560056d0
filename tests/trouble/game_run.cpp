// Starting the game in a chosen environment, playing its first move and
// reading how it ended.
#include "game_run.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcessEnvironment>
#include <sys/stat.h>
#include <unistd.h>

namespace kolvar::e2e {
namespace {

constexpr uid_t kNobody = 65534;

// What the shell, the desktop or the test runner may have set that would
// change the game: each run starts from the same clean environment.
constexpr const char* kCleared[] = {"DISPLAY",          "WAYLAND_DISPLAY",
                                    "QT_QPA_PLATFORM",  "QT_QPA_PLATFORMTHEME",
                                    "QT_SCALE_FACTOR",  "QT_STYLE_OVERRIDE",
                                    "QT_LOGGING_RULES", "QT_MESSAGE_PATTERN",
                                    "KOLVAR_ZOOM",      "KOLVAR_CHECK",
                                    "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP",
                                    "DESKTOP_SESSION",  "DBUS_SESSION_BUS_ADDRESS",
                                    "XDG_CONFIG_HOME",  "XDG_CACHE_HOME",
                                    "XDG_DATA_HOME"};

} // namespace

QStringList AsNobody()
{
    return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

GameRun::GameRun(const XDisplay* display, const Setting& setting) : display_(display)
{
    const bool asNobody = setting.unprivileged && geteuid() == 0;
    const QString runtime = dir_.filePath("runtime");
    for (const char* folder : {"home", "runtime", "tmp"})
        QDir(dir_.path()).mkdir(folder);
    ::chmod(QFile::encodeName(dir_.path()).constData(), 0755);
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    if (setting.readOnlyHome)
        ::chmod(QFile::encodeName(home()).constData(), 0555);
    if (asNobody)
        for (const QString& own : {home(), runtime, dir_.filePath("tmp")})
            if (::chown(QFile::encodeName(own).constData(), kNobody, kNobody) != 0)
                return;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : kCleared)
        env.remove(name);
    if (display)
        env.insert("DISPLAY", display->name());
    env.insert("HOME", home());
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("TMPDIR", dir_.filePath("tmp"));
    env.insert("PULSE_SERVER", "unix:" + dir_.filePath("no-sound-server"));
    for (const QString& variable : setting.environment) {
        if (variable.contains('='))
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        else
            env.remove(variable);
    }
    process_.setProcessEnvironment(env);
    const QStringList command = (asNobody ? AsNobody() : QStringList{}) << setting.executable;
    process_.start(command.first(), command.mid(1));
    process_.waitForStarted(5000);
}

GameRun::~GameRun()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool GameRun::windowUp()
{
    if (!display_ || process_.state() == QProcess::NotRunning)
        return false;
    // This process's own main window (setpriv runs the game in its own place).
    const QStringList mine = {
        "search", "--all",       "--onlyvisible", "--pid", QString::number(process_.processId()),
        "--name", "^Have fun!!$"};
    WaitFor(
        [&] {
            window_ = display_->run("xdotool", mine).section('\n', 0, 0).trimmed();
            return !window_.isEmpty() || process_.waitForFinished(0);
        },
        60000, 100);
    return !window_.isEmpty();
}

bool GameRun::ended(int timeoutMs)
{
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}

bool GameRun::crashed() const
{
    return process_.exitStatus() == QProcess::CrashExit;
}

std::string GameRun::errors()
{
    errors_ += process_.readAllStandardError();
    return errors_.toStdString();
}

QStringList GameRun::processes() const
{
    const QByteArray marker = "HOME=" + QFile::encodeName(home());
    QStringList found;
    for (const QString& pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
        QFile environ("/proc/" + pid + "/environ");
        if (!environ.open(QIODevice::ReadOnly) || !environ.readAll().split('\0').contains(marker))
            continue;
        QFile name("/proc/" + pid + "/comm");
        name.open(QIODevice::ReadOnly);
        found << pid + " " + QString::fromLocal8Bit(name.readAll().trimmed());
    }
    return found;
}

QStringList GameRun::leftInTemp() const
{
    QStringList left = Contents(dir_.filePath("tmp"));
    left.removeIf([](const QString& path) { return path.startsWith("runtime-"); });
    return left;
}

QStringList Contents(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

std::string DealAndTake(const XDisplay& display, const QString& window, TableReader& reader)
{
    const QRect client = display.clientGeometry(window);
    if (!WaitFor([&] { return reader.locate(display.screenshot(), client); }, 5000))
        return "no table under a menu bar on screen";
    auto look = [&] { return reader.read(display.stillScreenshot()); };
    display.key("F2", window);
    if (!WaitFor([&] { return look().hand.size() == 5; }, 5000))
        return "F2 dealt no hand of five cards that could be read";
    display.key("1", window);
    if (!WaitFor([&] { return look().raisedSuit == 0; }, 3000))
        return "1 named no suit";
    display.key("Down", window);
    if (!WaitFor([&] { return look().hand.size() == 6; }, 3000))
        return "Down took no card";
    return {};
}

void PlayAndQuit(const XDisplay& display, GameRun& game, TableReader reader)
{
    ASSERT_TRUE(game.windowUp()) << "no window; it said: " << game.errors();
    ASSERT_EQ(DealAndTake(display, game.window(), reader), "");
    Quit(display, game);
}

void Quit(const XDisplay& display, GameRun& game)
{
    display.key("F4", game.window());
    ASSERT_TRUE(game.ended()) << "F4 did not end the program";
    EXPECT_FALSE(game.crashed());
    EXPECT_EQ(game.exitCode(), 0);
}

void OnDisplay::SetUpTestSuite()
{
    display = new XDisplay;
    stayingClient = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display->name());
    stayingClient->setProcessEnvironment(env);
    stayingClient->setStandardOutputFile(QProcess::nullDevice());
    stayingClient->start("xprop", {"-root", "-spy"});
    stayingClient->waitForStarted(5000);
}

void OnDisplay::TearDownTestSuite()
{
    stayingClient->kill();
    stayingClient->waitForFinished(3000);
    delete stayingClient;
    delete display;
    display = nullptr;
}

} // namespace kolvar::e2e
