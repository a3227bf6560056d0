// A private X display for the end-to-end tests: Xvfb started for the run,
// the real game launched on it, real X input sent with xdotool and the
// screen read back with ImageMagick's import.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

namespace kolvar::e2e {

class XDisplay {
public:
    // Starts Xvfb on a free display number, its one screen `size` large.
    explicit XDisplay(QSize size = {1280, 800});
    ~XDisplay();
    bool ok() const { return !name_.isEmpty(); }
    QString name() const { return name_; }
    QSize size() const { return size_; }

    // Runs a command on the display and returns its standard output.
    QString run(const QString& program, const QStringList& args, int timeoutMs = 10000) const;
    QImage screenshot() const;
    // The screen once it has stopped changing (no card in flight): the
    // first of two screenshots in a row that are alike, or after
    // `timeoutMs` the last one taken.
    QImage stillScreenshot(int timeoutMs = 3000) const;
    void click(QPoint at, int button = 1) const;
    void key(const QString& key, const QString& window = {}) const;
    // The ids of visible windows whose title matches the regular expression.
    QStringList windows(const QString& titleRegex) const;
    // Gives the keyboard focus to a window (there is no window manager).
    void focus(const QString& window) const;
    // The window that has the keyboard focus.
    QString focused() const;
    // A window's client area on the screen, inside any frame that a window
    // manager puts round it; empty when there is no such window.
    QRect clientGeometry(const QString& window) const;
    // A property of a window ("root": the root window) as xprop prints its
    // value, e.g. "0, 0, 1920, 1032"; empty when the window does not have it.
    QString property(const QString& window, const QString& name) const;

private:
    std::unique_ptr<QProcess> xvfb_;
    QSize size_;
    QString name_;
};

// The game running on a display.
class Game {
public:
    // `environment`: variables set for the game, e.g. "QT_SCALE_FACTOR=2".
    Game(const XDisplay& display, const QString& executable, const QStringList& environment = {});
    ~Game();
    bool started() const { return !window_.isEmpty(); }
    QString window() const { return window_; }
    QProcess& process() { return *process_; }
    void focus() const { display_.focus(window_); }

private:
    const XDisplay& display_;
    std::unique_ptr<QProcess> process_;
    QString window_;
};

// Polls `done` until it holds or `timeoutMs` passes; returns whether it held.
bool WaitFor(const std::function<bool()>& done, int timeoutMs, int pollMs = 50);

} // namespace kolvar::e2e
