// Starting the window manager and the panel, and asking the window manager
// for a window's size and state.
#include "desktop.h"

#include <QProcessEnvironment>

namespace kolvar::e2e {
namespace {

// The first four numbers of a property such as "0, 0, 1920, 1032, ...".
QList<int> numbers(const QString& value, int count)
{
    QList<int> out;
    for (const QString& part : value.split(',', Qt::SkipEmptyParts).mid(0, count))
        out << part.trimmed().toInt();
    return out.size() == count ? out : QList<int>();
}

void stop(std::unique_ptr<QProcess>& process)
{
    if (process && process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(3000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
}

} // namespace

Desktop::Desktop(const XDisplay& display, int panelHeight) : display_(display)
{
    if (!display.ok())
        failure_ = "no display";
    else if (startWindowManager())
        startPanel(panelHeight);
}

Desktop::~Desktop()
{
    stop(panelProcess_);
    stop(windowManager_);
    stop(bus_);
}

// Now and then, on a loaded machine, xfwm4 does not come up in time; a
// second start, on a fresh bus, does.
bool Desktop::startWindowManager()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (tryWindowManager())
            return true;
        stop(windowManager_);
        stop(bus_);
    }
    return false;
}

// xfwm4 keeps its settings in xfconf, a service it reaches over D-Bus: it
// gets a session bus of its own, and a home of its own for what it saves.
bool Desktop::tryWindowManager()
{
    bus_ = std::make_unique<QProcess>();
    bus_->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QByteArray address;
    WaitFor(
        [&] {
            bus_->waitForReadyRead(100);
            address += bus_->readAllStandardOutput();
            return address.contains('\n') || bus_->state() == QProcess::NotRunning;
        },
        10000);
    if (!address.contains('\n')) {
        failure_ = "no D-Bus session for the window manager";
        return false;
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_.name());
    env.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromLocal8Bit(address.trimmed()));
    env.insert("HOME", home_.path());
    env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    env.insert("XDG_CACHE_HOME", home_.filePath("cache"));
    env.insert("NO_AT_BRIDGE", "1"); // no accessibility bus for the window manager
    env.remove("SESSION_MANAGER");
    windowManager_ = std::make_unique<QProcess>();
    windowManager_->setProcessEnvironment(env);
    windowManager_->setProcessChannelMode(QProcess::MergedChannels);
    windowManager_->start("xfwm4", {"--compositor=off", "--sm-client-disable"});

    // A window manager announces itself with a check window that names
    // itself in _NET_SUPPORTING_WM_CHECK; then it manages new windows.
    const bool managing = WaitFor(
        [&] {
            const QString check = display_.property("root", "_NET_SUPPORTING_WM_CHECK");
            return (!check.isEmpty() &&
                    display_.property(check, "_NET_SUPPORTING_WM_CHECK") == check &&
                    !numbers(display_.property("root", "_NET_WORKAREA"), 4).isEmpty()) ||
                   windowManager_->state() == QProcess::NotRunning;
        },
        20000, 100);
    if (!managing || windowManager_->state() == QProcess::NotRunning) {
        failure_ = "xfwm4 did not come up: " + QString::fromLocal8Bit(windowManager_->readAll());
        return false;
    }
    return true;
}

bool Desktop::startPanel(int height)
{
    const QSize screen = display_.size();
    panel_ = QRect(0, screen.height() - height, screen.width(), height);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_.name());
    panelProcess_ = std::make_unique<QProcess>();
    panelProcess_->setProcessEnvironment(env);
    panelProcess_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    panelProcess_->start(KOLVAR_TEST_PANEL, {"--height", QString::number(height)});
    const QRect expected(0, 0, screen.width(), screen.height() - height);
    if (!WaitFor([&] { return workArea() == expected; }, 10000, 100)) {
        failure_ = QString("the work area stayed %1,%2 %3x%4 with the panel up")
                       .arg(workArea().x())
                       .arg(workArea().y())
                       .arg(workArea().width())
                       .arg(workArea().height());
        return false;
    }
    return true;
}

QRect Desktop::workArea() const
{
    const QList<int> n = numbers(display_.property("root", "_NET_WORKAREA"), 4);
    return n.isEmpty() ? QRect() : QRect(n[0], n[1], n[2], n[3]);
}

QStringList Desktop::states(const QString& window) const
{
    QStringList out;
    for (const QString& state : display_.property(window, "_NET_WM_STATE").split(','))
        if (!state.trimmed().isEmpty())
            out << state.trimmed();
    return out;
}

bool Desktop::isMaximized(const QString& window) const
{
    const QStringList s = states(window);
    return s.contains("_NET_WM_STATE_MAXIMIZED_VERT") && s.contains("_NET_WM_STATE_MAXIMIZED_HORZ");
}

QMargins Desktop::frame(const QString& window) const
{
    // _NET_FRAME_EXTENTS: left, right, top, bottom.
    const QList<int> n = numbers(display_.property(window, "_NET_FRAME_EXTENTS"), 4);
    return n.isEmpty() ? QMargins() : QMargins(n[0], n[2], n[1], n[3]);
}

void Desktop::activate(const QString& window) const
{
    display_.run("xdotool", {"windowactivate", "--sync", window});
}

void Desktop::setMaximized(const QString& window, bool on) const
{
    display_.run("wmctrl", {"-i", "-r", window, "-b",
                            QString(on ? "add" : "remove") + ",maximized_vert,maximized_horz"});
}

// _NET_MOVERESIZE_WINDOW, through wmctrl: the frame's corner and the client's
// size, in one request the window manager carries out whole.
void Desktop::resize(const QString& window, QSize client) const
{
    const QPoint corner = workArea().topLeft();
    display_.run("wmctrl", {"-i", "-r", window, "-e",
                            QString("0,%1,%2,%3,%4")
                                .arg(corner.x())
                                .arg(corner.y())
                                .arg(client.width())
                                .arg(client.height())});
}

// xfwm4's own key for it, as a player would press it.
void Desktop::tileLeft(const QString& window) const
{
    activate(window);
    display_.run("xdotool", {"key", "super+KP_Left"});
}

bool Desktop::waitForClient(const QString& window, const std::function<bool(QRect)>& wanted,
                            int timeoutMs, QRect* seen) const
{
    QRect last;
    const bool held = WaitFor(
        [&] {
            last = display_.clientGeometry(window);
            return wanted(last);
        },
        timeoutMs, 50);
    if (seen)
        *seen = last;
    return held;
}

} // namespace kolvar::e2e
