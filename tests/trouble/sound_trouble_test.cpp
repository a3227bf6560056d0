// The sound when there is nothing to play it on, or nothing to play: the game
// plays on and prints nothing. Without its wave files (the executable copied
// alone into a folder) each cue rings the desktop's bell from its sound
// theme, which a private PulseAudio server's sink records; without a theme
// either, the window system's bell, which the sound server never hears.
#include "bursts.h"
#include "game_run.h"
#include "pulse_server.h"

#include <QDir>
#include <QFile>

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

} // namespace
} // namespace kolvar::e2e
