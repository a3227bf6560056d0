// The real game started where something outside it is wrong, and what the
// player gets from it: the window and a move played as a player plays it, the
// lines on standard error and the way the program ended.
#pragma once

#include "table_reader.h"
#include "x_display.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace kolvar::e2e {

// How the game is started. Each run has a HOME and an XDG_RUNTIME_DIR of its
// own, and a PULSE_SERVER that leads nowhere; `environment` then sets
// ("NAME=value") or removes ("NAME") variables over them.
struct Setting {
    QStringList environment;
    QString executable = KOLVAR_BINARY;
    // Run as a user whom file permissions bind: as nobody when the tests run
    // as root, who may write anywhere.
    bool unprivileged = false;
    // HOME may be read but not written.
    bool readOnlyHome = false;
};

class GameRun {
public:
    // `display`: the X display named in DISPLAY, or none.
    GameRun(const XDisplay* display, const Setting& setting);
    ~GameRun();
    GameRun(const GameRun&) = delete;
    GameRun& operator=(const GameRun&) = delete;

    // Waits for the main window; false when the program ended first.
    bool windowUp();
    QString window() const { return window_; }
    QString home() const { return dir_.filePath("home"); }
    // What is left in its TMPDIR, but for the runtime folder that Qt makes
    // and keeps there when the session names none.
    QStringList leftInTemp() const;

    // Waits up to `timeoutMs` for the program to end.
    bool ended(int timeoutMs = 10000);
    // Ended by a signal: an abort, a crash, a core dump.
    bool crashed() const;
    int exitCode() const { return process_.exitCode(); }
    // What it wrote to standard error so far.
    std::string errors();
    // The processes still running with this run's HOME, the game's own and
    // any it started (a daemon outlives the program that launched it), as
    // "pid name" each.
    QStringList processes() const;

private:
    const XDisplay* display_;
    QTemporaryDir dir_;
    QProcess process_;
    QString window_;
    QByteArray errors_;
};

// Everything in `folder` at any depth, links not followed, as sorted paths
// relative to it.
QStringList Contents(const QString& folder);

// Deals, names diamonds and takes a card with the keys, with the sound on,
// each step seen on the screen. Returns what did not happen, or nothing.
std::string DealAndTake(const XDisplay& display, const QString& window, TableReader& reader);

// Quits with F4: the program ends by itself with status 0.
void Quit(const XDisplay& display, GameRun& game);
// Waits for the window, deals and takes as above, and quits.
void PlayAndQuit(const XDisplay& display, GameRun& game,
                 TableReader reader = TableReader(KOLVAR_ASSETS));

// Tests that share one X display, each with a game of its own. A client
// stays connected all along: Xvfb resets when its last client leaves and
// refuses connections meanwhile, and the next game may be starting just then.
struct OnDisplay : ::testing::Test {
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override { ASSERT_TRUE(display->ok()) << "Xvfb did not start"; }

    static inline XDisplay* display = nullptr;
    static inline QProcess* stayingClient = nullptr;
};

} // namespace kolvar::e2e
