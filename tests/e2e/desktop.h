// A desktop on a test display: a real window manager (xfwm4, its compositor
// off) and a panel along the bottom that reserves its strip, as a player's
// desktop has them. With it the game's window gets a frame, a work area that
// leaves the panel free, and the window manager's maximize, restore, resize,
// tiling and full screen, each asked for the way a desktop's own tools ask
// (wmctrl, xdotool, the window manager's keys) and waited on until the
// window's client area is what was asked.
#pragma once

#include "x_display.h"

#include <QMargins>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace kolvar::e2e {

class Desktop {
public:
    // Starts the window manager on `display`, waits until it manages
    // windows, then maps the panel (`panelHeight` pixels, full width) and
    // waits until the work area leaves it free.
    explicit Desktop(const XDisplay& display, int panelHeight = 48);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    bool ok() const { return failure_.isEmpty(); }
    // What did not come up, for the test's message.
    QString failure() const { return failure_; }

    // The part of the screen the window manager gives to windows.
    QRect workArea() const;
    // The panel's strip of the screen.
    QRect panel() const { return panel_; }
    // The window manager's _NET_WM_STATE names of a window, e.g.
    // "_NET_WM_STATE_FULLSCREEN".
    QStringList states(const QString& window) const;
    bool isMaximized(const QString& window) const;
    // The frame round a window's client area: left, top, right, bottom.
    QMargins frame(const QString& window) const;

    void activate(const QString& window) const;
    void setMaximized(const QString& window, bool on) const;
    // Places the window's frame at the work area's top-left corner with a
    // client area `client` large.
    void resize(const QString& window, QSize client) const;
    // The window manager's own tiling to the left half of the work area.
    void tileLeft(const QString& window) const;

    // Polls the window's client area until `wanted` accepts it or
    // `timeoutMs` passes; the last one seen goes to `seen`.
    bool waitForClient(const QString& window, const std::function<bool(QRect)>& wanted,
                       int timeoutMs = 5000, QRect* seen = nullptr) const;

private:
    bool startWindowManager();
    bool tryWindowManager();
    bool startPanel(int height);

    const XDisplay& display_;
    QTemporaryDir home_; // the window manager's settings, away from the user's
    std::unique_ptr<QProcess> bus_;
    std::unique_ptr<QProcess> windowManager_;
    std::unique_ptr<QProcess> panelProcess_;
    QRect panel_;
    QString failure_;
};

} // namespace kolvar::e2e
