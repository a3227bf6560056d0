// Starting Xvfb and the game, and driving them from outside.
#include "x_display.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <xcb/xcb.h>

namespace kolvar::e2e {

bool WaitFor(const std::function<bool()>& done, int timeoutMs, int pollMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(pollMs);
    }
    return true;
}

XDisplay::XDisplay(QSize size) : xvfb_(std::make_unique<QProcess>()), size_(size)
{
    // Xvfb picks a free display itself and writes its number to the pipe.
    const QString screen = QString("%1x%2x24").arg(size.width()).arg(size.height());
    xvfb_->setProgram("Xvfb");
    // -noreset: a game started just after another quit finds the server up,
    // where Xvfb would otherwise reset when its last client leaves and refuse
    // connections for a moment.
    xvfb_->setArguments(
        {"-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"});
    xvfb_->start();
    if (!xvfb_->waitForStarted(5000))
        return;
    QByteArray number;
    WaitFor(
        [&] {
            xvfb_->waitForReadyRead(100);
            number += xvfb_->readAllStandardOutput();
            return number.contains('\n');
        },
        10000);
    if (number.trimmed().isEmpty())
        return;
    name_ = ":" + QString::fromLatin1(number.trimmed());
}

XDisplay::~XDisplay()
{
    xvfb_->terminate();
    xvfb_->waitForFinished(3000);
}

QString XDisplay::run(const QString& program, const QStringList& args, int timeoutMs) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", name_);
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The screen as the X server holds it: the root window's pixels, with every
// window on it, in one request; empty when the server cannot be reached.
QImage XDisplay::screenshot() const
{
    xcb_connection_t* x = xcb_connect(name_.toLocal8Bit().constData(), nullptr);
    QImage shot;
    if (!xcb_connection_has_error(x)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
        const int width = screen->width_in_pixels, height = screen->height_in_pixels;
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, width, height, ~0u),
            nullptr);
        // A 24-bit screen holds a pixel in 32 bits, blue in the lowest byte:
        // QImage's RGB32.
        if (image && image->depth == 24 && xcb_get_image_data_length(image) == width * height * 4)
            shot = QImage(xcb_get_image_data(image), width, height, width * 4, QImage::Format_RGB32)
                       .copy();
        std::free(image);
    }
    xcb_disconnect(x);
    return shot;
}

QImage XDisplay::stillScreenshot(int timeoutMs) const
{
    // A card in flight moves at every frame; a screen alike over this long,
    // many frames, has come to rest.
    constexpr int kStillMs = 200;
    QElapsedTimer clock;
    clock.start();
    QImage before = screenshot();
    for (;;) {
        QThread::msleep(kStillMs);
        QImage now = screenshot();
        if (now == before || clock.elapsed() > timeoutMs)
            return now;
        before = std::move(now);
    }
}

void XDisplay::click(QPoint at, int button) const
{
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                    QString::number(button)});
}

void XDisplay::key(const QString& key, const QString& window) const
{
    if (!window.isEmpty())
        focus(window);
    run("xdotool", {"key", key});
}

QStringList XDisplay::windows(const QString& titleRegex) const
{
    return run("xdotool", {"search", "--onlyvisible", "--name", titleRegex})
        .split('\n', Qt::SkipEmptyParts);
}

void XDisplay::focus(const QString& window) const
{
    run("xdotool", {"windowfocus", "--sync", window});
}

QString XDisplay::focused() const
{
    return run("xdotool", {"getwindowfocus"}).trimmed();
}

QRect XDisplay::clientGeometry(const QString& window) const
{
    // xwininfo gives the absolute place of the window itself, not its frame's.
    const QString info = run("xwininfo", {"-id", window});
    auto field = [&](const QString& label) {
        const int at = info.indexOf(label);
        return at < 0 ? -1 : info.mid(at + label.size()).section('\n', 0, 0).trimmed().toInt();
    };
    const QRect r(field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"),
                  field("Height:"));
    return info.contains("IsViewable") ? r : QRect();
}

QString XDisplay::property(const QString& window, const QString& name) const
{
    const QStringList target = window == "root" ? QStringList{"-root"} : QStringList{"-id", window};
    const QString line = run("xprop", target + QStringList{"-notype", name}).trimmed();
    const int at = line.indexOf(" = ");
    if (at >= 0)
        return line.mid(at + 3);
    // Window properties print as "NAME: window id # 0x..." instead.
    const int id = line.indexOf("window id # ");
    return id >= 0 ? line.mid(id + 12) : QString();
}

Game::Game(const XDisplay& display, const QString& executable, const QStringList& environment)
    : display_(display), process_(std::make_unique<QProcess>())
{
    static QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display.name());
    env.insert("HOME", home.path());
    env.remove("QT_QPA_PLATFORM");
    env.remove("QT_SCALE_FACTOR");
    env.remove("KOLVAR_ZOOM");
    for (const QString& variable : environment)
        env.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process_->setProcessEnvironment(env);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(executable, {});
    if (!process_->waitForStarted(5000))
        return;
    // This process's own main window: another game may be on the display too.
    // (The pattern comes last: xdotool reads it as the search's argument.)
    const QStringList mine = {
        "search", "--all",       "--onlyvisible", "--pid", QString::number(process_->processId()),
        "--name", "^Have fun!!$"};
    WaitFor(
        [&] {
            window_ = display.run("xdotool", mine).section('\n', 0, 0).trimmed();
            return !window_.isEmpty() || process_->state() == QProcess::NotRunning;
        },
        60000, 100);
    if (started())
        focus();
}

Game::~Game()
{
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(3000);
    }
}

} // namespace kolvar::e2e
