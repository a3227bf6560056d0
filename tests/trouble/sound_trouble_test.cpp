// The sound when there is nothing to play it on, or nothing to play: the game
// plays on and prints nothing. Without its wave files (the executable copied
// alone into a folder) each cue rings the desktop's bell from its sound
// theme, which a private PulseAudio server's sink records; without a theme
// either, the window system's bell, which the sound server never hears.
// Without a runtime folder the cues reach a server that is named, or one that
// the player's runtime link in HOME leads to, and nothing is made in HOME.
#include "bursts.h"
#include "game_run.h"
#include "pulse_server.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

namespace kolvar::e2e {
namespace {

using sound::FindBursts;
using sound::PulseServer;

struct SoundTrouble : OnDisplay {
    // The recorder is live once samples arrive.
    void listen()
    {
        ASSERT_TRUE(server.ok()) << "pulseaudio did not start";
        ASSERT_TRUE(server.startRecording());
        ASSERT_TRUE(WaitFor([&] { return server.recording().size() > kRate / 5; }, 10000));
    }
    size_t soundsHeard() const { return FindBursts(server.recording(), kRate).size(); }
    // Deals and takes, hears a cue, and quits.
    void playHeardAndQuit(GameRun& game)
    {
        ASSERT_TRUE(game.windowUp()) << game.errors();
        TableReader reader(KOLVAR_ASSETS);
        ASSERT_EQ(DealAndTake(*display, game.window(), reader), "");
        EXPECT_TRUE(WaitFor([&] { return soundsHeard() > 0; }, 5000)) << "no cue was heard";
        Quit(*display, game);
    }
    // The game's executable alone in an empty folder.
    QString copiedAlone()
    {
        const QString alone = folder.filePath("kolvar");
        EXPECT_TRUE(QFile::copy(KOLVAR_BINARY, alone));
        return alone;
    }

    static constexpr int kRate = PulseServer::kRate;
    PulseServer server;
    QTemporaryDir folder;
};

TEST_F(SoundTrouble, WithoutASoundServerTheGamePlaysSilentlyAndPrintsNothing)
{
    GameRun game(display, {}); // PULSE_SERVER names a socket that is not there
    PlayAndQuit(*display, game);
    EXPECT_EQ(game.errors(), "");
}

TEST_F(SoundTrouble, WithoutItsWaveFilesEachCueRingsTheDesktopsBell)
{
    listen();
    GameRun game(display, {{"PULSE_SERVER=" + server.address()}, copiedAlone()});
    ASSERT_TRUE(game.windowUp());
    EXPECT_EQ(soundsHeard(), 0u);
    TableReader reader(KOLVAR_ASSETS);
    ASSERT_EQ(DealAndTake(*display, game.window(), reader), "");
    EXPECT_TRUE(WaitFor([&] { return soundsHeard() > 0; }, 5000)) << "the take was not heard";
    Quit(*display, game);
    EXPECT_EQ(game.errors(), "");
}

TEST_F(SoundTrouble, WithoutWaveFilesOrASoundThemeTheServerHearsNothingAndNothingIsPrinted)
{
    listen();
    server.paplay(KOLVAR_ASSETS "/click.wav"); // the recording hears what is played
    ASSERT_TRUE(WaitFor([&] { return soundsHeard() == 1; }, 5000));
    const QString noThemes = folder.filePath("share");
    ASSERT_TRUE(QDir().mkpath(noThemes));
    GameRun game(display, {{"PULSE_SERVER=" + server.address(), "XDG_DATA_DIRS=" + noThemes},
                           copiedAlone()});
    ASSERT_TRUE(game.windowUp());
    TableReader reader(KOLVAR_ASSETS);
    ASSERT_EQ(DealAndTake(*display, game.window(), reader), "");
    // Half a second of the recording after the take, time for its cue.
    const size_t taken = server.recording().size();
    ASSERT_TRUE(WaitFor([&] { return server.recording().size() > taken + kRate / 2; }, 5000));
    EXPECT_EQ(soundsHeard(), 1u);
    Quit(*display, game);
    EXPECT_EQ(game.errors(), "");
}

// Without a runtime folder, a server that is named still hears the cues, and
// the cookie the PulseAudio library would make in HOME for a player who has
// none is kept nowhere.
TEST_F(SoundTrouble, WithoutARuntimeFolderANamedServerHearsTheCuesAndHomeStaysEmpty)
{
    listen();
    GameRun game(display, {{"PULSE_SERVER=" + server.address(), "XDG_RUNTIME_DIR"}});
    playHeardAndQuit(game);
    EXPECT_EQ(Contents(game.home()).join(' ').toStdString(), "");
    EXPECT_EQ(game.leftInTemp().join(' ').toStdString(), "");
}

// A per-user server started without a runtime folder is found by the link
// to its folder that the library keeps in HOME: it still hears the cues.
TEST_F(SoundTrouble, WithoutARuntimeFolderTheServerThatTheLinkInHomeLeadsToHearsTheCues)
{
    listen();
    const QString machine = QString::fromLatin1(QSysInfo::machineUniqueId());
    ASSERT_FALSE(machine.isEmpty()) << "the test's premise: /etc/machine-id";
    const QString home = folder.filePath("home"), link = ".config/pulse/" + machine + "-runtime";
    ASSERT_TRUE(QDir(home).mkpath(".config/pulse"));
    ASSERT_TRUE(QFile::link(server.runtimeFolder(), home + '/' + link));
    GameRun game(display, {{"HOME=" + home, "PULSE_SERVER", "XDG_RUNTIME_DIR"}});
    playHeardAndQuit(game);
    EXPECT_EQ(Contents(home).join(' ').toStdString(),
              (".config .config/pulse " + link).toStdString());
}

} // namespace
} // namespace kolvar::e2e
