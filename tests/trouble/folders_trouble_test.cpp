// The player's folders when they are not as a desktop login makes them. The
// game writes nothing in HOME, leaves nothing in TMPDIR and starts nothing
// that outlives it, also where no session bus is named and the D-Bus library
// could launch one, or no runtime folder and the sound library would link one
// into HOME; a read-only HOME draws no word and one that does not exist is
// not made. An XDG_RUNTIME_DIR that is unset, missing, open to others or
// another user's draws Qt's own one line about it (the sound server's socket
// lives there too); the game says nothing more and plays.
#include "game_run.h"

#include <QDir>
#include <algorithm>
#include <functional>
#include <sys/stat.h>

namespace kolvar::e2e {
namespace {

using FolderTrouble = OnDisplay;

TEST_F(FolderTrouble, NothingIsWrittenInAHomeThatMayBeWrittenAndNothingIsLeftRunning)
{
    ASSERT_TRUE(QFileInfo::exists("/usr/bin/dbus-launch")) << "the test's premise: dbus-x11";
    GameRun game(display, {});
    PlayAndQuit(*display, game);
    EXPECT_EQ(game.errors(), "");
    EXPECT_EQ(Contents(game.home()).join(' ').toStdString(), "");
    EXPECT_EQ(game.leftInTemp().join(' ').toStdString(), "");
    EXPECT_EQ(game.processes().join(", ").toStdString(), "");
}

// With neither a runtime folder nor a sound server named, the PulseAudio
// library would link a folder of its own in /tmp into HOME to look for a
// server there.
TEST_F(FolderTrouble, WithoutARuntimeFolderOrASoundServerNamedNothingIsLeftInHomeOrTemp)
{
    GameRun game(display, {{"XDG_RUNTIME_DIR", "PULSE_SERVER"}});
    PlayAndQuit(*display, game);
    EXPECT_EQ(Contents(game.home()).join(' ').toStdString(), "");
    EXPECT_EQ(game.leftInTemp().join(' ').toStdString(), "");
}

TEST_F(FolderTrouble, AReadOnlyHomeDrawsNoWord)
{
    Setting setting;
    setting.unprivileged = true;
    setting.readOnlyHome = true;
    GameRun game(display, setting);
    PlayAndQuit(*display, game);
    EXPECT_EQ(game.errors(), "");
}

TEST_F(FolderTrouble, AHomeThatDoesNotExistIsNotMadeAndDrawsNoWord)
{
    QTemporaryDir scratch;
    const QString nowhere = scratch.filePath("nonexistent");
    GameRun game(display, {{"HOME=" + nowhere}}); // as the user running the tests, root too
    PlayAndQuit(*display, game);
    EXPECT_EQ(game.errors(), "");
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

// A runtime folder as it may be found, made in `scratch`, and the words of
// Qt's line about it.
struct RuntimeFolder {
    const char* name;
    std::function<Setting(const QString& scratch)> setting;
    const char* saying;
};

std::ostream& operator<<(std::ostream& out, const RuntimeFolder& f)
{
    return out << f.name;
}

Setting runtimeAt(const QString& folder, mode_t mode)
{
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), mode);
    return {{"XDG_RUNTIME_DIR=" + folder}};
}

struct RuntimeFolders : OnDisplay, ::testing::WithParamInterface<RuntimeFolder> {};

TEST_P(RuntimeFolders, QtSaysSoInOneLineAndTheGamePlays)
{
    QTemporaryDir scratch;
    GameRun game(display, GetParam().setting(scratch.path()));
    PlayAndQuit(*display, game);
    const std::string said = game.errors();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_TRUE(said.starts_with("QStandardPaths: ")) << said;
    EXPECT_NE(said.find(GetParam().saying), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(
    Runtime, RuntimeFolders,
    ::testing::Values(
        RuntimeFolder{"Unset", [](const QString&) { return Setting{{"XDG_RUNTIME_DIR"}}; },
                      "XDG_RUNTIME_DIR not set"},
        RuntimeFolder{"Missing",
                      [](const QString& scratch) {
                          return Setting{{"XDG_RUNTIME_DIR=" + scratch + "/missing/run"}};
                      },
                      "error creating runtime directory"},
        RuntimeFolder{"OpenToOthers",
                      [](const QString& scratch) { return runtimeAt(scratch + "/run", 0755); },
                      "wrong permissions"},
        RuntimeFolder{"ReadOnly",
                      [](const QString& scratch) { return runtimeAt(scratch + "/run", 0500); },
                      "wrong permissions"},
        // The root folder is root's: the game runs as nobody when the tests
        // run as root.
        RuntimeFolder{"AnotherUsers",
                      [](const QString&) {
                          Setting setting{{"XDG_RUNTIME_DIR=/"}};
                          setting.unprivileged = true;
                          return setting;
                      },
                      "is not owned by"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kolvar::e2e
