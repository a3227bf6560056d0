// The cues as a player hears them: played through the game's own player into
// a private PulseAudio server's null sink, whose monitor is recorded. A paplay
// of a cue at a known time calibrates the recording's clock, so that each
// cue's place in the recording tells when it reached the sink.
#include "bursts.h"
#include "game/cues.h"
#include "platform/wave_player.h"
#include "pulse_server.h"
#include "ui/cue_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

namespace kolvar::sound {
namespace {

constexpr int kRate = PulseServer::kRate;

// A step of a scenario: at `atMs` after the start, `act` runs.
struct Step {
    int atMs;
    std::function<void()> act;
};

struct RealSound : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(server.ok()) << "pulseaudio did not start";
        qputenv("PULSE_SERVER", server.address().toLocal8Bit());
        ASSERT_TRUE(server.startRecording());
        // The recorder is live once samples arrive.
        ASSERT_TRUE(waitUntil([&] { return server.recording().size() > kRate / 5; }, 10000));
    }
    void TearDown() override { qunsetenv("PULSE_SERVER"); }

    // Runs the event loop until `done` holds or `boundMs` passes.
    static bool waitUntil(const std::function<bool()>& done, int boundMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > boundMs)
                return false;
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return true;
    }

    // Runs the steps at their times; returns the milliseconds, on one clock,
    // at which each ran. Then waits until the recording holds `sounds`
    // bursts and half a second of silence after the last.
    std::vector<double> play(const std::vector<Step>& steps, size_t sounds)
    {
        QElapsedTimer clock;
        clock.start();
        std::vector<double> ranAt(steps.size(), -1);
        for (size_t i = 0; i < steps.size(); ++i)
            QTimer::singleShot(steps[i].atMs, Qt::PreciseTimer, [&, i] {
                ranAt[i] = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                steps[i].act();
            });
        const bool heard = waitUntil(
            [&] {
                if (ranAt.back() < 0)
                    return false;
                const auto samples = server.recording();
                const auto found = FindBursts(samples, kRate);
                return found.size() >= sounds &&
                       static_cast<int64_t>(samples.size()) - found.back().end > kRate / 2;
            },
            15000);
        bursts = FindBursts(server.recording(), kRate);
        EXPECT_TRUE(heard) << bursts.size() << " sounds heard, " << sounds << " expected";
        return ranAt;
    }

    static double lengthMs(std::string_view cue)
    {
        const auto own = FindBursts(WaveSamples(CuePath(cue)), kRate);
        return own.empty() ? 0 : own.front().lengthMs(kRate);
    }

    PulseServer server;
    Options options;
    CuePlayer cues{options};
    std::vector<Burst> bursts;
};

TEST_F(RealSound, EachCueIsHeardWithItsMove)
{
    cues.prepare(); // as the game does at its first deal
    const std::vector<Step> steps = {
        {200, [&] { server.paplay(CuePath(kHumanLayCue)); }}, // the known time
        {900, [&] { cues.PlaySoundCue(kHumanLayCue); }},
        {1500, [&] { cues.PlaySoundCue(kHumanTakeCue); }},
        {2100, [&] { cues.PlaySoundCue(kComputerLayCue); }},
        {2700, [&] { cues.PlaySoundCue(kComputerTakeCue); }},
    };
    const std::vector<double> at = play(steps, 5);
    ASSERT_EQ(bursts.size(), 5u);
    for (int i = 1; i <= 4; ++i) {
        const double heardMs =
            1000.0 * static_cast<double>(bursts[i].start - bursts[0].start) / kRate;
        const double latencyMs = heardMs - (at[i] - at[0]);
        std::printf("%-10s reached the sink %6.1f ms after its move, against paplay\n",
                    kCueFiles[i - 1].data(), latencyMs);
        // With its move, not with the next one (moves are 600 ms apart).
        EXPECT_GT(latencyMs, -100) << kCueFiles[i - 1];
        EXPECT_LT(latencyMs, 300) << kCueFiles[i - 1];
    }
    // Each its own file: the short click, then the long laser.
    EXPECT_LT(bursts[1].lengthMs(kRate), 100);
    EXPECT_GT(bursts[2].lengthMs(kRate), 150);
}

TEST_F(RealSound, NothingIsHeardWhileSoundIsOff)
{
    options.OptSound = false;
    const std::vector<Step> steps = {
        {200, [&] { server.paplay(CuePath(kComputerLayCue)); }}, // the recording works
        {800,
         [&] {
             for (std::string_view cue : kCueFiles)
                 cues.PlaySoundCue(cue);
         }},
        {1600, [] {}},
    };
    play(steps, 1);
    EXPECT_EQ(bursts.size(), 1u);
}

TEST_F(RealSound, ANewCueCutsTheOneStillPlayingShort)
{
    const std::vector<Step> steps = {
        {200, [&] { cues.PlaySoundCue(kHumanTakeCue); }},
        {300, [&] { cues.PlaySoundCue(kHumanLayCue); }},
    };
    play(steps, 1);
    ASSERT_EQ(bursts.size(), 1u);
    // The laser's first 100 ms, then the click: far shorter than the laser.
    EXPECT_LT(bursts[0].lengthMs(kRate), lengthMs(kHumanTakeCue) - 100);
    EXPECT_GT(bursts[0].lengthMs(kRate), lengthMs(kHumanLayCue));
}

// The player in a process of its own: what it prints, how it ends.
struct PlayerRun {
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
};

PlayerRun runPlayer(const QStringList& files, const QProcessEnvironment& env,
                    const QStringList& prefix = {})
{
    QProcess p;
    p.setProcessEnvironment(env);
    const QStringList command = prefix + QStringList{KOLVAR_PLAY_CUE} + files;
    p.start(command.first(), command.mid(1));
    PlayerRun run;
    run.finished = p.waitForFinished(10000);
    if (!run.finished)
        p.kill();
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(p.readAllStandardError());
    return run;
}

TEST_F(RealSound, BadFilesPlayTheAlertOrNothingAndNeverCrashBlockOrChatter)
{
    QTemporaryDir dir;
    auto make = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    QFile good(CuePath(kHumanLayCue));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray wave = good.readAll();
    const QString missing = dir.filePath("missing.wav");
    const QString empty = make("empty.wav", {});
    const QString notWave = make("text.wav", "this is not a wave file\n");
    const QString truncated = make("truncated.wav", wave.left(60));
    const QString directory = dir.filePath("click.wav"); // a folder named as a cue
    ASSERT_TRUE(QDir().mkdir(directory));
    const QString unreadable = make("unreadable.wav", wave);
    QFile::setPermissions(unreadable, QFile::WriteOwner);

    for (const QString& file : {missing, empty, notWave, directory}) {
        const PlayerRun run = runPlayer({file}, server.clientEnvironment());
        EXPECT_TRUE(run.finished) << file.toStdString();
        EXPECT_EQ(run.exitCode, 0) << file.toStdString();
        EXPECT_TRUE(run.out.contains("alert " + file))
            << file.toStdString() << ": " << run.out.toStdString();
        EXPECT_LE(run.err.count('\n'), 1) << run.err.toStdString();
    }
    // A cut-off wave plays what there is, or the alert.
    const PlayerRun cut = runPlayer({truncated}, server.clientEnvironment());
    EXPECT_TRUE(cut.finished && cut.exitCode == 0);
    EXPECT_LE(cut.err.count('\n'), 1) << cut.err.toStdString();

    // A file the player may not read; root reads everything, so then the
    // player runs as nobody, who cannot reach this server either: silence.
    const QStringList asNobody = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    const PlayerRun locked = runPlayer({unreadable}, server.clientEnvironment(),
                                       geteuid() == 0 ? asNobody : QStringList{});
    EXPECT_TRUE(locked.finished && locked.exitCode == 0) << locked.err.toStdString();
    EXPECT_LE(locked.err.count('\n'), 1) << locked.err.toStdString();
    if (geteuid() != 0) {
        EXPECT_TRUE(locked.out.contains("alert " + unreadable)) << locked.out.toStdString();
    }
}

TEST(NoSoundServer, CuesAreSilentReturnAtOnceAndPrintNothing)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QTemporaryDir nowhere;
    env.insert("PULSE_SERVER", "unix:" + nowhere.filePath("no-server"));
    env.insert("XDG_RUNTIME_DIR", nowhere.path());
    QStringList files;
    for (int i = 0; i < 50; ++i)
        files << CuePath(kCueFiles[i % kCueFiles.size()]) << nowhere.filePath("missing.wav");
    const PlayerRun run = runPlayer(files, env);
    ASSERT_TRUE(run.finished) << "the cues blocked";
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains("alert"))
        << "without a device nothing is heard, not even the alert";
    std::printf("without a server: %s", qPrintable(run.out));
}

} // namespace
} // namespace kolvar::sound

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
